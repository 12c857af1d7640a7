#include "sandbox/link_connection.h"

#include "link/frame_codec.h"
#include "link/session_cipher.h"
#include "sandbox/link_server.h"
#include "sandbox/sandbox_state.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QTcpSocket>
#include <QTimer>

#include <openssl/evp.h>

#include <memory>

namespace
{
// While a reply is held back the socket stops reading, so a client that keeps sending cannot make
// the server buffer without bound.
constexpr qint64 kSocketReadBuffer = 256 * 1024;

bool sameType(const QByteArray &frame, const Frame::TypeBytes &type)
{
    for (int i = 0; i < Frame::kTypeSize; ++i) {
        if (static_cast<unsigned char>(frame.at(4 + i)) != type[i])
            return false;
    }
    return true;
}

// A bare header announcing length L, whatever L is.
QByteArray rawHeader(quint32 length)
{
    QByteArray out = Frame::header(0, Frame::kRequestType);
    out[0] = char(length & 0xff);
    out[1] = char((length >> 8) & 0xff);
    out[2] = char((length >> 16) & 0xff);
    out[3] = char((length >> 24) & 0xff);
    return out;
}

// AES-256-CBC (zero IV) without padding of its own, for the broken-padding frame.
QByteArray encryptRaw(const QByteArray &blocks, const QByteArray &key)
{
    std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx(EVP_CIPHER_CTX_new(),
                                                                          EVP_CIPHER_CTX_free);
    const unsigned char iv[16] = {};
    QByteArray out(blocks.size() + 16, '\0');
    int len = 0;
    int fin = 0;
    if (!ctx
        || EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_cbc(), nullptr,
                              reinterpret_cast<const unsigned char *>(key.constData()), iv) != 1
        || EVP_CIPHER_CTX_set_padding(ctx.get(), 0) != 1
        || EVP_EncryptUpdate(ctx.get(), reinterpret_cast<unsigned char *>(out.data()), &len,
                             reinterpret_cast<const unsigned char *>(blocks.constData()), int(blocks.size())) != 1
        || EVP_EncryptFinal_ex(ctx.get(), reinterpret_cast<unsigned char *>(out.data()) + len, &fin) != 1)
        return {};
    out.resize(len + fin);
    return out;
}

// The page texts with "OUT_CODE" replaced in each.
QStringList forceOutCode(const QStringList &pages, const QString &code)
{
    QStringList out;
    for (const QString &page : pages) {
        QJsonObject o = QJsonDocument::fromJson(page.toUtf8()).object();
        o.insert(QStringLiteral("OUT_CODE"), code);
        out.append(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
    }
    return out;
}
} // namespace

LinkConnection::LinkConnection(QTcpSocket *socket, LinkServer *server)
    : QObject(server), m_socket(socket), m_server(server)
{
    m_socket->setParent(this);
    m_socket->setReadBufferSize(kSocketReadBuffer);
    connect(m_socket, &QTcpSocket::readyRead, this, &LinkConnection::readFrames);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    readFrames();
}

void LinkConnection::drop()
{
    if (m_closing)
        return;
    m_closing = true;
    m_socket->disconnectFromHost();
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        deleteLater();
}

void LinkConnection::readFrames()
{
    while (!m_stalled && !m_closing) {
        m_buffer.append(m_socket->readAll());
        const Frame::ReadResult r = Frame::readFrame(m_buffer);
        if (r.status == Frame::ReadStatus::Invalid) {
            drop();
            return;
        }
        if (r.status == Frame::ReadStatus::NeedMore)
            return;
        const QByteArray frame = m_buffer.left(r.frameSize);
        m_buffer.remove(0, r.frameSize);
        if (!handleFrame(frame))
            return;
    }
}

bool LinkConnection::handleFrame(const QByteArray &frame)
{
    const QByteArray body = frame.mid(Frame::kHeaderSize);
    if (sameType(frame, Frame::kGetRsaType)) {
        answerGetRsa();
        return true;
    }
    if (sameType(frame, Frame::kSendAesType)) {
        answerSendAes(body);
        return true;
    }
    return answerRequest(body);
}

void LinkConnection::answerGetRsa()
{
    const bool refuse = m_server->state().takeHandshakeFault(&LinkFaults::refuseHandshake);
    m_socket->write(Frame::build(refuse ? QByteArray() : m_server->publicKeyText(), Frame::kGetRsaType));
}

void LinkConnection::answerSendAes(const QByteArray &body)
{
    const QByteArray cipher = Base64DecodeBytes(body.trimmed());
    const std::optional<QByteArray> key =
        cipher.isEmpty() ? std::nullopt : m_server->keyPair().privateDecrypt(cipher);
    // The key text is 32 ASCII characters; anything else cannot drive AES-256.
    const bool rejected = m_server->state().takeHandshakeFault(&LinkFaults::rejectSessionKey);
    const bool good = key && key->size() == 32 && !rejected;
    if (good) {
        m_sessionKey = *key;
        QMutexLocker lock(&m_server->state().mutex);
        ++m_server->state().handshakes;
    }
    m_socket->write(Frame::build(good ? QByteArrayLiteral("OK") : QByteArrayLiteral("NO"), Frame::kSendAesType));
}

bool LinkConnection::answerRequest(const QByteArray &body)
{
    // No key yet, or a body that does not decrypt: the client and this server disagree about the
    // session, and nothing sensible can be answered.
    const std::optional<QByteArray> plain =
        m_sessionKey.isEmpty() ? std::nullopt : SessionCipher::decryptFromBase64(body, m_sessionKey);
    if (!plain) {
        drop();
        return false;
    }
    SandboxState &state = m_server->state();
    const std::optional<SandboxRequest> request = SandboxRequest::parse(*plain);
    if (!request) {
        sendReply({SandboxReply::code(QStringLiteral("0"), QStringLiteral("malformed request")).buildPages(0)}, {});
        return !m_closing;
    }
    state.recordRequest(*request);
    const LinkFaults faults = state.takeFaults(request->reqNum);
    const SandboxReply reply = runSandboxHandler(state.handlerFor(request->reqNum), *request);
    if (state.requestLog)
        state.requestLog->write(*request, reply);
    QStringList pages = reply.buildPages(request->pageRows());
    if (faults.outCode.contains(request->reqNum))
        pages = forceOutCode(pages, faults.outCode.value(request->reqNum));
    sendReply(pages, faults);
    return !m_closing && !m_stalled;
}

void LinkConnection::sendReply(const QStringList &pages, const LinkFaults &faults)
{
    if (faults.stallMs <= 0) {
        writePages(pages, faults);
        return;
    }
    m_stalled = true;
    QTimer::singleShot(faults.stallMs, this, [this, pages, faults] {
        m_stalled = false;
        if (m_closing)
            return;
        writePages(pages, faults);
        readFrames();
    });
}

QByteArray LinkConnection::pageFrame(char status, const QString &text) const
{
    const QByteArray plain = QByteArray(1, status) + text.toUtf8();
    return Frame::build(SessionCipher::encryptToBase64(plain, m_sessionKey), Frame::kRequestType);
}

void LinkConnection::writePages(const QStringList &pages, const LinkFaults &faults)
{
    QByteArray out;
    if (faults.lengthBelow12) {
        out = rawHeader(5);
    } else if (faults.hugeLength) {
        out = rawHeader(Frame::kMaxLength + 1);
    } else if (faults.garbageFrame) {
        out = Frame::build(QByteArrayLiteral("%%% this is not base64, nor cipher text %%%"));
    } else if (faults.badPadding) {
        // "1{}", zeros, and a last byte of 255: no padding length can be that long.
        QByteArray block = QByteArrayLiteral("1{}").leftJustified(15, '\0');
        block.append(char(0xff));
        out = Frame::build(Base64EncodeBytes(encryptRaw(block, m_sessionKey)));
    } else {
        // Status characters: "3" for the shutdown frame, "1" for the last frame, "2" before the rest.
        QStringList texts = pages;
        int threeAt = -1;
        if (!faults.status3Message.isEmpty()) {
            QJsonObject o{{QStringLiteral("OUT_CODE"), QStringLiteral("3")},
                          {QStringLiteral("OUT_MSG"), faults.status3Message}};
            const QString three = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
            if (!faults.status3KeepPages)
                texts.clear();
            threeAt = int(qBound(qsizetype(0), qsizetype(faults.status3Position), texts.size()));
            texts.insert(threeAt, three);
        }
        QList<QByteArray> frames;
        for (int i = 0; i < texts.size(); ++i) {
            const char status = i == threeAt ? '3' : (i == texts.size() - 1 ? '1' : '2');
            frames.append(pageFrame(status, texts.at(i)));
        }
        if (faults.closeMidFrame && !frames.isEmpty()) {
            const QByteArray &first = frames.first();
            out = first.left(Frame::kHeaderSize + (first.size() - Frame::kHeaderSize) / 2);
        } else {
            for (const QByteArray &f : frames)
                out += f;
        }
    }
    m_socket->write(out);
    if (faults.closeMidFrame || faults.dropAfterReply)
        drop();
}
