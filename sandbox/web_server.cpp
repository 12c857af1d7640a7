#include "sandbox/web_server.h"

#include "sandbox/sandbox_state.h"

#include <QHostAddress>
#include <QMutexLocker>
#include <QSslConfiguration>
#include <QSslServer>
#include <QSslSocket>
#include <QTimer>

namespace
{
// A connection that sends nothing useful (or a stalled lookup) is closed after this.
constexpr int kIdleCloseMs = 60000;

const QString kPrimaryPath = QStringLiteral("/api/FindServerEndPoint");
const QString kFallbackPath = QStringLiteral("/connectInfo.jsp");

QByteArray reasonOf(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 413: return "Payload Too Large";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}
} // namespace

namespace SandboxHttp
{
Parse parseRequest(const QByteArray &buffer, WebRequest *request)
{
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return buffer.size() > kMaxHead ? Parse::Bad : Parse::NeedMore;
    if (headEnd > kMaxHead)
        return Parse::Bad;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    if (first.size() != 3 || !first.at(1).startsWith('/') || !first.at(2).startsWith("HTTP/1."))
        return Parse::Bad;
    WebRequest r;
    r.method = first.at(0);
    const QByteArray target = first.at(1);
    const qsizetype q = target.indexOf('?');
    r.path = QString::fromUtf8(q < 0 ? target : target.left(q));
    r.query = q < 0 ? QString() : QString::fromUtf8(target.mid(q + 1));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return Parse::Bad;
        r.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    qsizetype bodySize = 0;
    if (r.headers.contains("content-length")) {
        bool ok = false;
        bodySize = r.headers.value("content-length").toLongLong(&ok);
        if (!ok || bodySize < 0 || bodySize > kMaxBody)
            return Parse::Bad;
    }
    const qsizetype bodyStart = headEnd + 4;
    if (buffer.size() - bodyStart < bodySize)
        return Parse::NeedMore;
    r.body = buffer.mid(bodyStart, bodySize);
    *request = r;
    return Parse::Complete;
}

QByteArray formatReply(const WebReply &reply)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonOf(reply.status) + "\r\n";
    out += "Content-Type: " + reply.contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += reply.body;
    return out;
}
} // namespace SandboxHttp

WebServer::WebServer(std::shared_ptr<SandboxState> state, const QSslCertificate &cert, const QSslKey &key,
                     QObject *parent)
    : QObject(parent), m_state(std::move(state)), m_server(new QSslServer(this))
{
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setLocalCertificate(cert);
    config.setPrivateKey(key);
    config.setPeerVerifyMode(QSslSocket::VerifyNone);  // clients are not asked for certificates
    m_server->setSslConfiguration(config);
    m_server->setHandshakeTimeout(10000);
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &WebServer::accept);
}

WebServer::~WebServer() = default;

quint16 WebServer::listen(quint16 port, QString *error)
{
    if (!m_server->listen(QHostAddress::LocalHost, port)) {
        if (error)
            *error = QStringLiteral("lookup port %1: %2").arg(port).arg(m_server->errorString());
        return 0;
    }
    return m_server->serverPort();
}

void WebServer::accept()
{
    while (QTcpSocket *tcp = m_server->nextPendingConnection()) {
        auto *socket = qobject_cast<QSslSocket *>(tcp);
        if (!socket) {
            tcp->deleteLater();
            continue;
        }
        // Keeps what a client can make us hold to about one request's bounds.
        socket->setReadBufferSize(SandboxHttp::kMaxHead + SandboxHttp::kMaxBody + 4);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QSslSocket::readyRead, this, [this, socket, buffer] { serve(socket, buffer.get()); });
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kIdleCloseMs, socket, [socket] { socket->abort(); socket->deleteLater(); });
        if (socket->bytesAvailable() > 0)
            serve(socket, buffer.get());
    }
}

void WebServer::serve(QSslSocket *socket, QByteArray *buffer)
{
    if (socket->property("answered").toBool()) {
        socket->readAll();
        return;
    }
    buffer->append(socket->read(SandboxHttp::kMaxHead + SandboxHttp::kMaxBody + 1 - buffer->size()));
    WebRequest request;
    const SandboxHttp::Parse p = SandboxHttp::parseRequest(*buffer, &request);
    if (p == SandboxHttp::Parse::NeedMore)
        return;
    socket->setProperty("answered", true);
    buffer->clear();
    if (p == SandboxHttp::Parse::Bad) {
        socket->write(SandboxHttp::formatReply(WebReply::error(400)));
        socket->disconnectFromHost();
        return;
    }
    answer(socket, request);
}

void WebServer::answer(QSslSocket *socket, const WebRequest &request)
{
    const bool primary = request.path == kPrimaryPath;
    if (primary || request.path == kFallbackPath) {
        answerLookup(socket, request, primary);
        return;
    }
    m_state->recordWebPath(request.path, nullptr);
    const WebRoute route = m_state->routeFor(request.path);
    WebReply reply = WebReply::error(404);
    if (route) {
        try {
            reply = route(request);
        } catch (...) {
            reply = WebReply::error(500);
        }
    }
    socket->write(SandboxHttp::formatReply(reply));
    socket->disconnectFromHost();
}

void WebServer::answerLookup(QSslSocket *socket, const WebRequest &request, bool primary)
{
    const QString query = request.queryValue(QStringLiteral("p"));
    m_state->recordWebPath(request.path, &query);
    SandboxHost::LookupMode mode;
    QByteArray answerText;
    {
        QMutexLocker lock(&m_state->mutex);
        mode = primary ? m_state->primaryMode : m_state->fallbackMode;
        answerText = m_state->lookupAnswer.isEmpty()
            ? "127.0.0.1," + QByteArray::number(m_state->handOutPort)
            : m_state->lookupAnswer.toUtf8();
    }
    switch (mode) {
    case SandboxHost::LookupMode::Normal:
        socket->write(SandboxHttp::formatReply(WebReply::text(answerText)));
        break;
    case SandboxHost::LookupMode::Empty:
        socket->write(SandboxHttp::formatReply(WebReply::text({})));
        break;
    case SandboxHost::LookupMode::Fail:
        socket->write(SandboxHttp::formatReply(WebReply::error(500)));
        break;
    case SandboxHost::LookupMode::Drop:
        socket->abort();
        return;
    case SandboxHost::LookupMode::Stall:
        return;  // the idle timer closes it in the end
    case SandboxHost::LookupMode::Trickle: {
        // Bytes keep coming, so only a bound on the whole request ends the wait.
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 100000\r\n\r\n");
        auto *drip = new QTimer(socket);
        QObject::connect(drip, &QTimer::timeout, socket, [socket] { socket->write(" "); });
        drip->start(100);
        return;  // the idle timer closes it in the end
    }
    }
    socket->disconnectFromHost();
}
