#include "link/tcp_client.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

TcpClient::TcpClient(QObject *parent)
    : QObject(parent)
    , m_socket(new QTcpSocket(this))
{
    connect(m_socket, &QTcpSocket::connected, this, &TcpClient::connected);
    connect(m_socket, &QTcpSocket::disconnected, this, &TcpClient::disconnected);
}

TcpClient::~TcpClient()
{
    // No disconnected() signal from a client that is going away.
    m_socket->disconnect(this);
    m_socket->abort();
}

bool TcpClient::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

bool TcpClient::isUnconnected() const
{
    return m_socket->state() == QAbstractSocket::UnconnectedState;
}

void TcpClient::startConnect()
{
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
    m_socket->connectToHost(m_host, quint16(m_port));
}

bool TcpClient::waitForConnectStep(int ms)
{
    if (isConnected())
        return true;
    if (isUnconnected())
        return false;
    return m_socket->waitForConnected(ms);
}

void TcpClient::dropConnection()
{
    m_socket->abort();
}

bool TcpClient::writeAll(const QByteArray &bytes, QString *error)
{
    if (!isConnected()) {
        *error = QStringLiteral("Not Connected");
        return false;
    }
    if (m_socket->write(bytes) != bytes.size()) {
        *error = m_socket->errorString();
        return false;
    }
    const QDeadlineTimer deadline(m_readTimeoutMs);
    while (m_socket->bytesToWrite() > 0) {
        if (!m_socket->waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime())))) {
            *error = deadline.hasExpired() ? QStringLiteral("Write timed out.") : m_socket->errorString();
            return false;
        }
    }
    return true;
}

bool TcpClient::readExactly(qsizetype count, QByteArray *out, QString *error)
{
    const QDeadlineTimer deadline(m_readTimeoutMs);
    out->clear();
    out->reserve(qMin<qsizetype>(count, 1 << 20));  // grows with what really arrives
    while (out->size() < count) {
        if (m_socket->bytesAvailable() > 0) {
            // Straight into the frame's buffer, without a buffer of its own for each read.
            const qsizetype have = out->size();
            const qsizetype want = qMin<qsizetype>(count - have, m_socket->bytesAvailable());
            out->resize(have + want);
            const qint64 got = m_socket->read(out->data() + have, want);
            out->resize(have + qMax<qint64>(0, got));
            if (got < 0) {
                *error = m_socket->errorString();
                return false;
            }
            continue;
        }
        if (deadline.hasExpired()) {
            *error = QStringLiteral("Read timed out.");
            return false;
        }
        if (!m_socket->waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
            if (m_socket->bytesAvailable() > 0)
                continue;
            if (m_socket->state() != QAbstractSocket::ConnectedState) {
                *error = QStringLiteral("Connection Closed Gracefully.");
                return false;
            }
            if (deadline.hasExpired()) {
                *error = QStringLiteral("Read timed out.");
                return false;
            }
        }
    }
    return true;
}

bool TcpClient::readFrame(QByteArray *body, QString *error)
{
    QByteArray header;
    if (!readExactly(Frame::kHeaderSize, &header, error))
        return false;
    const Frame::ReadResult result = Frame::readFrame(header);
    if (result.status == Frame::ReadStatus::Invalid) {
        *error = QStringLiteral("Invalid frame length %1").arg(Frame::lengthOf(header.constData(), header.size()));
        return false;
    }
    if (result.status == Frame::ReadStatus::Complete) {
        body->clear();
        return true;
    }
    return readExactly(result.bodySize, body, error);
}
