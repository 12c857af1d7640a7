#pragma once

#include "sandbox/handler_registry.h"

#include <QByteArray>
#include <QObject>
#include <QSslCertificate>
#include <QSslKey>

#include <memory>

class QSslServer;
class QSslSocket;
struct SandboxState;

namespace SandboxHttp
{
enum class Parse
{
    NeedMore,
    Complete,
    Bad,
};
// Bounds of one request; beyond them the connection is answered 400/413 and closed.
constexpr qsizetype kMaxHead = 16 * 1024;
constexpr qsizetype kMaxBody = 1024 * 1024;

// Reads one HTTP/1.1 request (request line, headers up to the blank line, a body of
// Content-Length bytes) from the start of buffer.
Parse parseRequest(const QByteArray &buffer, WebRequest *request);
// "HTTP/1.1 <status> <reason>", Content-Type, Content-Length, "Connection: close", the body.
QByteArray formatReply(const WebReply &reply);
} // namespace SandboxHttp

// The sandbox's HTTPS server: the endpoint lookup on "/api/FindServerEndPoint" and
// "/connectInfo.jsp", and every web route of the registry. One request per connection.
// Lives on the sandbox thread.
class WebServer : public QObject
{
    Q_OBJECT
public:
    WebServer(std::shared_ptr<SandboxState> state, const QSslCertificate &cert, const QSslKey &key,
              QObject *parent = nullptr);
    ~WebServer() override;

    quint16 listen(quint16 port, QString *error = nullptr);

private:
    void accept();
    void serve(QSslSocket *socket, QByteArray *buffer);
    void answer(QSslSocket *socket, const WebRequest &request);
    void answerLookup(QSslSocket *socket, const WebRequest &request, bool primary);

    std::shared_ptr<SandboxState> m_state;
    QSslServer *m_server;
};
