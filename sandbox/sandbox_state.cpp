#include "sandbox/sandbox_state.h"

#include "sandbox/request_check.h"

#include <QDebug>

#include <QMutexLocker>

#include <exception>

LinkFaults SandboxState::takeFaults(const QString &reqNum)
{
    QMutexLocker lock(&mutex);
    if (!faults.onlyForCode.isEmpty() && faults.onlyForCode != reqNum)
        return {};
    LinkFaults out = faults;
    if (faults.once && faults.any())
        faults = LinkFaults();
    return out;
}

bool SandboxState::takeHandshakeFault(bool LinkFaults::*which)
{
    QMutexLocker lock(&mutex);
    const bool on = faults.*which;
    if (on && faults.once)
        faults = LinkFaults();
    return on;
}

void SandboxState::recordRequest(const SandboxRequest &request)
{
    QMutexLocker lock(&mutex);
    if (requests.size() >= kMaxKept)
        requests.removeFirst();
    requests.append(request);
}

void SandboxState::recordWebPath(const QString &path, const QString *lookupQuery)
{
    QMutexLocker lock(&mutex);
    if (webPaths.size() >= kMaxKept)
        webPaths.removeFirst();
    webPaths.append(path);
    if (lookupQuery)
        lastLookupQuery = *lookupQuery;
}

SandboxHandler SandboxState::handlerFor(const QString &reqNum) const
{
    QMutexLocker lock(&mutex);
    return registry.handler(reqNum);
}

WebRoute SandboxState::routeFor(const QString &path) const
{
    QMutexLocker lock(&mutex);
    return registry.route(path);
}

SandboxReply runSandboxHandler(const SandboxHandler &handler, const SandboxRequest &request)
{
    if (!handler) {
        qWarning().noquote() << "sandbox: unknown request" << request.reqNum;
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("unknown request ") + request.reqNum);
    }
    const QString wrongShape = SandboxRequestCheck::mismatch(request);
    if (!wrongShape.isEmpty()) {
        qWarning().noquote() << "sandbox: wrong request:" << wrongShape;
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("wrong request: ") + wrongShape);
    }
    try {
        return handler(request);
    } catch (const std::exception &e) {
        qWarning().noquote() << "sandbox:" << request.reqNum << "failed:" << e.what();
        return SandboxReply::code(QStringLiteral("0"), QString::fromUtf8(e.what()));
    } catch (...) {
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("handler failed"));
    }
}
