#include "platform/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

#include <functional>

SingleInstanceMarker::SingleInstanceMarker(QString name, QObject *parent)
    : QObject(parent)
    , m_name(std::move(name))
{
    const QString dir = runtimeDir();
    m_socketPath = dir + m_name + QStringLiteral(".sock");
    m_lockPath = dir + m_name + QStringLiteral(".lock");
}

SingleInstanceMarker::~SingleInstanceMarker()
{
    if (m_link)
        m_link->disconnect(this);
}

QString SingleInstanceMarker::runtimeDir()
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) {
        // A private folder of this user, so that another user cannot plant the socket.
        dir = QDir::tempPath() + QStringLiteral("/courier-desk-") + QString::number(::getuid());
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

bool SingleInstanceMarker::lockAndRun(const std::function<void()> &step)
{
    QLockFile lock(m_lockPath);
    // A lock left by an instance that died is taken over at once (its process is gone).
    const bool locked = lock.tryLock(3000);
    step();
    if (locked)
        lock.unlock();
    return locked;
}

bool SingleInstanceMarker::connectToHolder()
{
    auto *socket = new QLocalSocket(this);
    socket->connectToServer(m_socketPath);
    if (!socket->waitForConnected(1000)) {
        delete socket;
        return false;
    }
    m_link = socket;
    connect(socket, &QLocalSocket::disconnected, this, &SingleInstanceMarker::takeOver, Qt::QueuedConnection);
    return true;
}

void SingleInstanceMarker::becomeHolder()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_socketPath);
    if (!m_server->listen(m_socketPath)) {
        delete m_server;
        m_server = nullptr;
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server->nextPendingConnection())
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
    });
}

void SingleInstanceMarker::takeOver()
{
    if (m_link) {
        m_link->deleteLater();
        m_link = nullptr;
    }
    lockAndRun([this] {
        if (!connectToHolder())
            becomeHolder();
    });
}

bool SingleInstanceMarker::acquire()
{
    bool first = true;
    lockAndRun([&] {
        if (connectToHolder()) {
            first = false;
            return;
        }
        becomeHolder();
    });
    return first;
}

bool SingleInstanceMarker::isHolder() const
{
    return m_server && m_server->isListening();
}
