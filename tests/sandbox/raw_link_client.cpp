#include "raw_link_client.h"

#include "link/rsa_key.h"
#include "link/session_cipher.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QJsonDocument>

QJsonObject RawLinkClient::Page::json() const
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

RawLinkClient::RawLinkClient(QByteArray sessionKey) : m_key(std::move(sessionKey)) {}

bool RawLinkClient::connectTo(quint16 port)
{
    m_socket.connectToHost(QHostAddress::LocalHost, port);
    return m_socket.waitForConnected(kWaitMs);
}

std::optional<QByteArray> RawLinkClient::keyExchange(const Frame::TypeBytes &type, const QByteArray &body)
{
    writeRaw(Frame::build(body, type));
    const Read r = readFrame();
    if (r.outcome != Outcome::Frame)
        return std::nullopt;
    return r.frame.mid(Frame::kHeaderSize);
}

bool RawLinkClient::handshake()
{
    const std::optional<QByteArray> publicKey = keyExchange(Frame::kGetRsaType, {});
    if (!publicKey || publicKey->isEmpty())
        return false;
    const std::optional<QByteArray> wrapped = RsaKey::publicEncryptBase64(*publicKey, m_key);
    if (!wrapped)
        return false;
    const std::optional<QByteArray> answer = keyExchange(Frame::kSendAesType, *wrapped);
    return answer && *answer == "OK";
}

void RawLinkClient::writeRaw(const QByteArray &bytes)
{
    m_socket.write(bytes);
    m_socket.waitForBytesWritten(kWaitMs);
}

QByteArray RawLinkClient::requestBody(const QString &code, const QString &callType, const QString &val,
                                      const QString &pageCount)
{
    // Written by hand: the server must not depend on member order, but the client sends this one.
    return QStringLiteral("{\"LANGUAGE\":\"0001\",\"VAL\":\"%1\",\"CALLTYPE\":\"%2\",\"REQNUM\":\"%3\","
                          "\"CALLSEQ\":\"%3\",\"DEVICE\":\"TST\",\"PAGECOUNT\":\"%4\","
                          "\"INFO\":\"tester\u2502PC-1\u25021.3.01\u2502\"}")
        .arg(val, callType, code, pageCount)
        .toUtf8();
}

void RawLinkClient::sendRequest(const QString &code, const QString &callType, const QString &val,
                                const QString &pageCount)
{
    const QByteArray body = SessionCipher::encryptToBase64(requestBody(code, callType, val, pageCount), m_key);
    writeRaw(Frame::build(body, Frame::kRequestType));
}

RawLinkClient::Read RawLinkClient::readFrame(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    Read out;
    for (;;) {
        const Frame::ReadResult r = Frame::readFrame(m_buffer);
        if (r.status == Frame::ReadStatus::Invalid) {
            out.outcome = Outcome::Invalid;
            return out;
        }
        if (r.status == Frame::ReadStatus::Complete) {
            out.outcome = Outcome::Frame;
            out.frame = m_buffer.left(r.frameSize);
            m_buffer.remove(0, r.frameSize);
            return out;
        }
        if (m_socket.bytesAvailable() == 0) {
            if (m_socket.state() != QAbstractSocket::ConnectedState) {
                out.outcome = Outcome::Closed;
                return out;
            }
            if (deadline.hasExpired() || !m_socket.waitForReadyRead(int(deadline.remainingTime()))) {
                m_buffer.append(m_socket.readAll());
                if (Frame::readFrame(m_buffer).status != Frame::ReadStatus::NeedMore)
                    continue;
                out.outcome = m_socket.state() == QAbstractSocket::ConnectedState ? Outcome::TimedOut
                                                                                  : Outcome::Closed;
                return out;
            }
        }
        m_buffer.append(m_socket.readAll());
    }
}

std::optional<RawLinkClient::Page> RawLinkClient::readPage(int timeoutMs)
{
    const Read r = readFrame(timeoutMs);
    if (r.outcome != Outcome::Frame)
        return std::nullopt;
    const std::optional<QByteArray> plain =
        SessionCipher::decryptFromBase64(r.frame.mid(Frame::kHeaderSize), m_key);
    if (!plain || plain->isEmpty())
        return std::nullopt;
    Page page;
    page.status = plain->at(0);
    page.text = QString::fromUtf8(plain->mid(1));
    return page;
}

std::optional<QList<RawLinkClient::Page>> RawLinkClient::readReply(int timeoutMs)
{
    QList<Page> pages;
    for (;;) {
        const std::optional<Page> page = readPage(timeoutMs);
        if (!page)
            return std::nullopt;
        pages.append(*page);
        if (page->status == '1' || page->status == '3')
            return pages;
    }
}

bool RawLinkClient::waitClosed(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (m_socket.state() == QAbstractSocket::ConnectedState) {
        if (deadline.hasExpired())
            return false;
        if (m_socket.waitForReadyRead(int(deadline.remainingTime())))
            m_buffer.append(m_socket.readAll());
    }
    return true;
}

SandboxHost *StartLinkOnlySandbox()
{
    SandboxHost::Options options;
    options.withLookup = false;
    auto *host = new SandboxHost(options);
    EXPECT_TRUE(host->start()) << qPrintable(host->errorString());
    return host;
}
