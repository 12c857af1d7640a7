#pragma once

#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/link_faults.h"
#include "sandbox/request_log.h"
#include "sandbox/sandbox_request.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QThread;
class QObject;
class QTimer;
class QTemporaryDir;
class SandboxRandom;
class LinkServer;
class WebServer;
struct SandboxState;

// The stand-in for the central server: the TCP link server and the HTTPS web server (endpoint
// lookup and pages), both on 127.0.0.1, running on a thread of their own so that a client under
// test may block its own thread while it waits for a reply. Every public method is thread-safe.
class SandboxHost
{
public:
    struct Options
    {
        quint16 linkPort = 0;    // 0: ephemeral
        quint16 lookupPort = 0;  // 0: ephemeral
        bool withLookup = true;  // start the HTTPS server
        bool demoHandlers = true;
        QString workDir;         // certificate and config files; empty: a temporary folder
        QString databasePath;    // SQLite file of the world; empty: a fresh in-memory database
        SandboxWorldSize worldSize = SandboxWorldSize::Demo;
        int scenarioIntervalMs = 0;  // > 0: the demo world moves by one step at this interval
        bool requestLog = true;      // write every request received to requestLogPath
        QString requestLogPath;      // empty: requests.log in the work folder
    };

    SandboxHost();
    explicit SandboxHost(Options options);
    ~SandboxHost();  // stops the servers and the thread
    SandboxHost(const SandboxHost &) = delete;
    SandboxHost &operator=(const SandboxHost &) = delete;

    // Makes the keys and certificate and starts listening; blocks until ready. False when a port
    // could not be bound (errorString() says why).
    bool start();
    QString errorString() const;

    quint16 linkPort() const;
    quint16 lookupPort() const;
    QString workDir() const;
    QString caFile() const;                   // PEM of the self-signed certificate (SAN 127.0.0.1, localhost)
    QString primaryLookupUrlFormat() const;   // "https://127.0.0.1:<port>/api/FindServerEndPoint?p=%s,%s,%s"
    QString fallbackLookupUrlFormat() const;  // "https://127.0.0.1:<port>/connectInfo.jsp?p=%s,%s,%s"
    QString webBaseUrl() const;               // "https://127.0.0.1:<port>"
    // Writes a client deployment config (lookup.primary, lookup.fallback, tls.ca_file, web.host and,
    // when served, update.manifest_url) and returns false when it cannot be written.
    bool writeClientConfig(const QString &path) const;

    // Link switches.
    void setFaults(const LinkFaults &faults);
    LinkFaults faults() const;
    void clearFaults();
    void setHandler(const QString &reqNum, SandboxHandler handler);  // overrides the demo handler
    void setRoute(const QString &path, WebRoute route);              // adds or replaces a web path

    // Endpoint lookup switches: Normal answers "127.0.0.1,<link port>" (or the text of
    // setLookupAnswer), Empty answers an empty text, Fail answers HTTP 500, Drop closes the
    // connection without an answer, Stall never answers (until the client gives up or the host stops),
    // Trickle starts a long answer and then sends one byte every 100 ms.
    enum class LookupMode { Normal, Empty, Fail, Drop, Stall, Trickle };
    void setLookupMode(LookupMode primary, LookupMode fallback);
    void setLookupAnswer(const QString &answer);  // empty: back to "127.0.0.1,<port handed out>"
    // Starts another link listener (same key, handlers and switches) and hands its port out in
    // every following normal lookup answer.
    quint16 openSecondLinkPort();
    void dropAllConnections();  // closes every client socket of the link server

    // The world's data; usable from any thread (each gets its own connection).
    std::shared_ptr<SandboxDatabase> database() const;
    // Runs the scenario's steps count times on the sandbox's thread (every registered step once
    // per round, in registration order).
    void stepScenario(int count = 1);
    void addScenarioStep(const QString &name, ScenarioStep step);

    // Observations.
    QString requestLogPath() const;   // empty when the request log is off
    // Read back from the request log: what arrived since the start or the last clearReceived().
    QList<SandboxRequestLog::Entry> loggedRequests() const;
    QStringList receivedRequestCodes() const;
    QList<SandboxRequest> receivedRequests() const;
    void clearReceived();
    int connectionCount() const;   // link connections accepted so far
    int handshakeCount() const;    // "SendAes" answered "OK" so far
    QString lastLookupQuery() const;     // decoded "p" value of the latest lookup
    QStringList lookupPaths() const;     // path of every web request, in arrival order

private:
    template <typename F>
    void runInThread(F &&f) const;

    Options m_options;
    std::shared_ptr<SandboxState> m_state;
    std::unique_ptr<QTemporaryDir> m_tempDir;
    std::shared_ptr<SandboxDatabase> m_database;
    std::unique_ptr<SandboxRandom> m_scenarioRng;
    QThread *m_thread = nullptr;
    QObject *m_context = nullptr;   // lives in m_thread
    QTimer *m_scenarioTimer = nullptr;  // lives in m_thread, made and deleted there
    LinkServer *m_link = nullptr;   // owned by the thread's side
    WebServer *m_web = nullptr;
    QString m_caFile;
    QString m_error;
    quint16 m_linkPort = 0;
    quint16 m_lookupPort = 0;
    qint64 m_logOffset = 0;  // guarded by the state's mutex
};
