#pragma once

#include "sandbox/handler_registry.h"
#include "sandbox/link_faults.h"
#include "sandbox/sandbox_host.h"
#include "sandbox/sandbox_request.h"
#include "sandbox/request_log.h"

#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <memory>

// What the test thread and the server thread share; every member is guarded by mutex.
struct SandboxState
{
    mutable QMutex mutex;

    HandlerRegistry registry;
    LinkFaults faults;
    QList<SandboxRequest> requests;
    int connections = 0;
    int handshakes = 0;

    SandboxHost::LookupMode primaryMode = SandboxHost::LookupMode::Normal;
    SandboxHost::LookupMode fallbackMode = SandboxHost::LookupMode::Normal;
    QString lookupAnswer;        // empty: "127.0.0.1,<handOutPort>"
    quint16 handOutPort = 0;
    QString lastLookupQuery;
    QStringList webPaths;
    // Set before the servers start and never replaced; writes are locked inside the log.
    std::shared_ptr<SandboxRequestLog> requestLog;

    // Kept bounded so a long-running sandbox does not grow without end.
    static constexpr int kMaxKept = 10000;

    // The switches that apply to a request with this code; clears them when they are one-shot.
    LinkFaults takeFaults(const QString &reqNum);
    // Whether one handshake switch (refuseHandshake or rejectSessionKey) is on; a one-shot switch
    // is used up by answering so.
    bool takeHandshakeFault(bool LinkFaults::*which);
    void recordRequest(const SandboxRequest &request);
    void recordWebPath(const QString &path, const QString *lookupQuery);
    SandboxHandler handlerFor(const QString &reqNum) const;
    WebRoute routeFor(const QString &path) const;
};

// Runs a handler the way HandlerRegistry::dispatch does: a request in a shape its code is never sent
// in, an unknown code and a handler that throws are each answered with code "0".
SandboxReply runSandboxHandler(const SandboxHandler &handler, const SandboxRequest &request);
