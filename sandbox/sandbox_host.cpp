#include "sandbox/sandbox_host.h"

#include <QTemporaryDir>

// Placeholder bodies; the servers follow.
struct SandboxState {};

SandboxHost::SandboxHost() : SandboxHost(Options{}) {}
SandboxHost::SandboxHost(Options options) : m_options(std::move(options)) {}
SandboxHost::~SandboxHost() = default;
bool SandboxHost::start() { m_error = QStringLiteral("not built yet"); return false; }
QString SandboxHost::errorString() const { return m_error; }
quint16 SandboxHost::linkPort() const { return m_linkPort; }
quint16 SandboxHost::lookupPort() const { return m_lookupPort; }
QString SandboxHost::workDir() const { return m_options.workDir; }
QString SandboxHost::caFile() const { return m_caFile; }
QString SandboxHost::primaryLookupUrlFormat() const { return {}; }
QString SandboxHost::fallbackLookupUrlFormat() const { return {}; }
QString SandboxHost::webBaseUrl() const { return {}; }
bool SandboxHost::writeClientConfig(const QString &) const { return false; }
void SandboxHost::setFaults(const LinkFaults &) {}
LinkFaults SandboxHost::faults() const { return {}; }
void SandboxHost::clearFaults() {}
void SandboxHost::setHandler(const QString &, SandboxHandler) {}
void SandboxHost::setRoute(const QString &, WebRoute) {}
void SandboxHost::setLookupMode(LookupMode, LookupMode) {}
void SandboxHost::setLookupAnswer(const QString &) {}
quint16 SandboxHost::openSecondLinkPort() { return 0; }
void SandboxHost::dropAllConnections() {}
QStringList SandboxHost::receivedRequestCodes() const { return {}; }
QList<SandboxRequest> SandboxHost::receivedRequests() const { return {}; }
void SandboxHost::clearReceived() {}
int SandboxHost::connectionCount() const { return 0; }
int SandboxHost::handshakeCount() const { return 0; }
QString SandboxHost::lastLookupQuery() const { return {}; }
QStringList SandboxHost::lookupPaths() const { return {}; }
