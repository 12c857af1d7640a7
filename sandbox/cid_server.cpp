#include "sandbox/cid_server.h"

#include <QDateTime>
#include <QFile>
#include <QMetaObject>
#include <QTcpServer>
#include <QTcpSocket>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace
{
constexpr char kCidEtx = 0x03;
constexpr char kCidStx = 0x02;
constexpr int kMaxCidRequest = 4096;
} // namespace

SandboxCidServer::SandboxCidServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &SandboxCidServer::accept);
}

SandboxCidServer::~SandboxCidServer()
{
    if (m_master >= 0)
        ::close(m_master);
    if (!m_link.isEmpty())
        QFile::remove(m_link);
}

bool SandboxCidServer::listen(quint16 port)
{
    if (m_server->listen(QHostAddress::LocalHost, port))
        return true;
    m_error = m_server->errorString();
    return false;
}

quint16 SandboxCidServer::port() const
{
    return m_server->serverPort();
}

QString SandboxCidServer::openSerialBox(const QString &linkPath)
{
    if (m_master >= 0)
        return m_slaveName;
    const int fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return QString();
    if (grantpt(fd) != 0 || unlockpt(fd) != 0) {
        ::close(fd);
        return QString();
    }
    termios t{};
    if (tcgetattr(fd, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
    }
    m_master = fd;
    m_slaveName = QString::fromLocal8Bit(ptsname(fd));
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (QFile::link(m_slaveName, linkPath))
            m_link = linkPath;
    }
    return m_slaveName;
}

void SandboxCidServer::ring(const QString &number, const QString &line, int channel)
{
    {
        QMutexLocker lock(&m_mutex);
        m_rings << line + QLatin1Char(',') + number + QLatin1Char(',') + QString::number(channel);
    }
    QMetaObject::invokeMethod(this, &SandboxCidServer::deliverRings, Qt::QueuedConnection);
}

QStringList SandboxCidServer::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

void SandboxCidServer::deliverRings()
{
    QStringList rings;
    {
        QMutexLocker lock(&m_mutex);
        rings.swap(m_rings);
    }
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss"));
    for (const QString &r : rings) {
        const QStringList f = r.split(QLatin1Char(','));
        const QString line = f.value(0), number = f.value(1);
        const int channel = qBound(1, f.value(2).toInt(), 8);
        // The server's record: line, called line, caller, time.
        const QString record = QString::number(channel) + QLatin1Char(',') + line + QLatin1Char(',') + number
                               + QLatin1Char(',') + time;
        for (auto it = m_pending.begin(); it != m_pending.end(); ++it)
            it.value() << record;
        if (m_master >= 0) {
            const QByteArray frame = QByteArray(1, kCidStx) + QByteArray::number(channel) + 'I' + number.toLatin1()
                                     + QByteArray(1, kCidEtx);
            if (::write(m_master, frame.constData(), size_t(frame.size())) < 0) {
                // Nobody reads the box and its buffer is full: the call is lost for the box only.
            }
        }
    }
}

void SandboxCidServer::accept()
{
    while (QTcpSocket *s = m_server->nextPendingConnection()) {
        m_pending.insert(s, {});
        m_buffers.insert(s, {});
        connect(s, &QTcpSocket::readyRead, this, [this, s] { read(s); });
        connect(s, &QTcpSocket::disconnected, this, [this, s] {
            m_pending.remove(s);
            m_buffers.remove(s);
            s->deleteLater();
        });
    }
}

void SandboxCidServer::read(QTcpSocket *s)
{
    QByteArray &buffer = m_buffers[s];
    buffer += s->readAll();
    if (buffer.size() > kMaxCidRequest && buffer.indexOf(kCidEtx) < 0) {
        s->abort();
        return;
    }
    qsizetype etx;
    while ((etx = buffer.indexOf(kCidEtx)) >= 0) {
        const QString request = QString::fromLatin1(buffer.left(etx));
        buffer.remove(0, etx + 1);
        {
            QMutexLocker lock(&m_mutex);
            m_requests << request;
        }
        QString answer;
        if (request.startsWith(QLatin1String("101")) || request.startsWith(QLatin1String("102"))) {
            answer = m_pending.value(s).join(QChar(0x01));
            m_pending[s].clear();
        } else {
            answer = QStringLiteral("!");   // not a request of ours
        }
        s->write(answer.toLatin1() + kCidEtx);
    }
}
