#include "sandbox/sandbox_host.h"

#include "settings/deployment_config.h"
#include "sandbox/link_server.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/sandbox_state.h"
#include "sandbox/self_signed_cert.h"
#include "sandbox/web_server.h"

#include <openssl/crypto.h>

#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QMutexLocker>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QDebug>

namespace
{
const QString kManifestPath = QStringLiteral("/update/manifest.xml");
}

SandboxHost::SandboxHost() : SandboxHost(Options{}) {}

SandboxHost::SandboxHost(Options options) : m_options(std::move(options)), m_state(std::make_shared<SandboxState>())
{
    SandboxDatabase::Options dbOptions;
    dbOptions.path = m_options.databasePath;
    dbOptions.size = m_options.worldSize;
    m_database = std::make_shared<SandboxDatabase>(dbOptions);
    m_state->registry.setDatabase(m_database);
    m_scenarioRng = std::make_unique<SandboxRandom>(SandboxRandom::forArea(dbOptions.seed, QStringLiteral("scenario")));
    if (m_options.demoHandlers)
        registerDemoHandlers(m_state->registry);
}

SandboxHost::~SandboxHost()
{
    if (!m_thread)
        return;
    runInThread([this] {
        // Timers stop only on their own thread.
        delete m_scenarioTimer;
        m_scenarioTimer = nullptr;
        delete m_web;
        delete m_link;
        m_web = nullptr;
        m_link = nullptr;
        OPENSSL_thread_stop();
    });
    m_thread->quit();
    m_thread->wait();
    delete m_context;
    delete m_thread;
}

template <typename F>
void SandboxHost::runInThread(F &&f) const
{
    if (QThread::currentThread() == m_thread)
        f();
    else
        QMetaObject::invokeMethod(m_context, std::forward<F>(f), Qt::BlockingQueuedConnection);
}

bool SandboxHost::start()
{
    if (m_thread)
        return true;
    if (m_options.workDir.isEmpty()) {
        m_tempDir = std::make_unique<QTemporaryDir>();
        m_options.workDir = m_tempDir->path();
    }
    QDir().mkpath(m_options.workDir);
    if (m_options.requestLog) {
        const QString logPath = m_options.requestLogPath.isEmpty()
                                    ? QDir(m_options.workDir).filePath(QStringLiteral("requests.log"))
                                    : m_options.requestLogPath;
        auto log = std::make_shared<SandboxRequestLog>(logPath);
        if (!log->isOpen()) {
            m_error = log->errorString();
            return false;
        }
        m_state->requestLog = std::move(log);
    }

    std::unique_ptr<RsaKey::KeyPair> keyPair = RsaKey::KeyPair::generate(2048);
    if (!keyPair) {
        m_error = QStringLiteral("RSA key generation failed");
        return false;
    }
    std::optional<SelfSignedCert> cert;
    if (m_options.withLookup) {
        cert = SelfSignedCert::make(&m_error);
        if (!cert)
            return false;
        m_caFile = QDir(m_options.workDir).filePath(QStringLiteral("sandbox_ca.pem"));
        QSaveFile file(m_caFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(cert->certPem) != cert->certPem.size() || !file.commit()) {
            m_error = QStringLiteral("cannot write ") + m_caFile;
            return false;
        }
    }

    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("sandbox"));
    m_context = new QObject;
    m_context->moveToThread(m_thread);
    m_thread->start();
    bool ok = true;
    runInThread([&] {
        // The world is made on the thread its handlers run on, before the first client can ask.
        if (!m_database->initialize(&m_error)) {
            ok = false;
            return;
        }
        if (m_options.scenarioIntervalMs > 0) {
            m_scenarioTimer = new QTimer;
            QObject::connect(m_scenarioTimer, &QTimer::timeout, m_context, [this] { stepScenario(1); });
            m_scenarioTimer->start(m_options.scenarioIntervalMs);
        }
        m_link = new LinkServer(m_state, std::move(keyPair));
        m_linkPort = m_link->listen(m_options.linkPort, &m_error);
        ok = m_linkPort != 0;
        if (ok && cert) {
            m_web = new WebServer(m_state, QSslCertificate(cert->certPem, QSsl::Pem),
                                  QSslKey(cert->keyPem, QSsl::Ec, QSsl::Pem), nullptr);
            m_lookupPort = m_web->listen(m_options.lookupPort, &m_error);
            ok = m_lookupPort != 0;
            if (ok)
                m_state->registry.webBase()->setUrl(webBaseUrl());
        }
    });
    QMutexLocker lock(&m_state->mutex);
    m_state->handOutPort = m_linkPort;
    return ok;
}

std::shared_ptr<SandboxDatabase> SandboxHost::database() const
{
    return m_database;
}

void SandboxHost::stepScenario(int count)
{
    const auto run = [this, count] {
        QList<QPair<QString, ScenarioStep>> steps;
        {
            QMutexLocker lock(&m_state->mutex);
            steps = m_state->registry.scenarioSteps();
        }
        for (int i = 0; i < count; ++i) {
            for (const auto &step : std::as_const(steps)) {
                try {
                    step.second(*m_database, *m_scenarioRng);
                } catch (const std::exception &e) {
                    qWarning().noquote() << "sandbox: scenario step" << step.first << "failed:" << e.what();
                }
            }
        }
    };
    if (m_thread)
        runInThread(run);
    else
        run();
}

void SandboxHost::addScenarioStep(const QString &name, ScenarioStep step)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->registry.addScenarioStep(name, std::move(step));
}

QString SandboxHost::errorString() const
{
    return m_error;
}

quint16 SandboxHost::linkPort() const
{
    return m_linkPort;
}

quint16 SandboxHost::lookupPort() const
{
    return m_lookupPort;
}

QString SandboxHost::workDir() const
{
    return m_options.workDir;
}

QString SandboxHost::caFile() const
{
    return m_caFile;
}

QString SandboxHost::webBaseUrl() const
{
    return QStringLiteral("https://127.0.0.1:%1").arg(m_lookupPort);
}

QString SandboxHost::primaryLookupUrlFormat() const
{
    return webBaseUrl() + QStringLiteral("/api/FindServerEndPoint?p=%s,%s,%s");
}

QString SandboxHost::fallbackLookupUrlFormat() const
{
    return webBaseUrl() + QStringLiteral("/connectInfo.jsp?p=%s,%s,%s");
}

bool SandboxHost::writeClientConfig(const QString &path) const
{
    QByteArray text = "# Written by the sandbox server; points the client at it.\n";
    const auto line = [&text](const char *key, const QString &value) {
        text += QByteArray(key) + " = " + value.toUtf8() + '\n';
    };
    line(DeploymentConfig::kLookupPrimary, primaryLookupUrlFormat());
    line(DeploymentConfig::kLookupFallback, fallbackLookupUrlFormat());
    line(DeploymentConfig::kCaFile, m_caFile);
    line(DeploymentConfig::kWebHost, webBaseUrl());
    bool hasManifest = false;
    {
        QMutexLocker lock(&m_state->mutex);
        hasManifest = m_state->registry.hasRoute(kManifestPath);
    }
    if (hasManifest)
        line(DeploymentConfig::kUpdateManifestUrl, webBaseUrl() + kManifestPath);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

void SandboxHost::setFaults(const LinkFaults &faults)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->faults = faults;
}

LinkFaults SandboxHost::faults() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->faults;
}

void SandboxHost::clearFaults()
{
    setFaults(LinkFaults());
}

void SandboxHost::setHandler(const QString &reqNum, SandboxHandler handler)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->registry.add(reqNum, std::move(handler));
}

void SandboxHost::setRoute(const QString &path, WebRoute route)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->registry.addRoute(path, std::move(route));
}

void SandboxHost::setLookupMode(LookupMode primary, LookupMode fallback)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->primaryMode = primary;
    m_state->fallbackMode = fallback;
}

void SandboxHost::setLookupAnswer(const QString &answer)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->lookupAnswer = answer;
}

quint16 SandboxHost::openSecondLinkPort()
{
    if (!m_thread)
        return 0;
    quint16 port = 0;
    runInThread([&] { port = m_link->listen(0, nullptr); });
    if (port) {
        QMutexLocker lock(&m_state->mutex);
        m_state->handOutPort = port;
    }
    return port;
}

void SandboxHost::dropAllConnections()
{
    if (m_thread)
        runInThread([this] { m_link->dropAll(); });
}

QString SandboxHost::requestLogPath() const
{
    return m_state->requestLog ? m_state->requestLog->path() : QString();
}

QList<SandboxRequestLog::Entry> SandboxHost::loggedRequests() const
{
    const QString path = requestLogPath();
    qint64 offset = 0;
    {
        QMutexLocker lock(&m_state->mutex);
        offset = m_logOffset;
    }
    return path.isEmpty() ? QList<SandboxRequestLog::Entry>() : SandboxRequestLog::read(path, offset);
}

QStringList SandboxHost::receivedRequestCodes() const
{
    QMutexLocker lock(&m_state->mutex);
    QStringList out;
    for (const SandboxRequest &r : std::as_const(m_state->requests))
        out.append(r.reqNum);
    return out;
}

QList<SandboxRequest> SandboxHost::receivedRequests() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->requests;
}

void SandboxHost::clearReceived()
{
    QMutexLocker lock(&m_state->mutex);
    m_state->requests.clear();
    m_logOffset = m_state->requestLog ? m_state->requestLog->size() : 0;
    m_state->webPaths.clear();
    m_state->lastLookupQuery.clear();
}

int SandboxHost::connectionCount() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->connections;
}

int SandboxHost::handshakeCount() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->handshakes;
}

QString SandboxHost::lastLookupQuery() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->lastLookupQuery;
}

QStringList SandboxHost::lookupPaths() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->webPaths;
}
