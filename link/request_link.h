#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TcpClient;

// The request layer of the server link: one framed, encrypted JSON request, then its reply frames.
//
// Both calls block the calling (main) thread until the reply is read; the read itself does not let
// the event loop run. Only a reconnect on the way does (the shutdown message box too, but the link
// is released before it), so a timer-driven request can start while another exchange owns the
// link: it waits up to 5 s for the link and, when it is still taken, fails with an empty result
// instead of writing into the other exchange.

// All reply frames, one JSON page per frame in arrival order (status character removed, text still
// escaped), as the UTF-8 bytes that arrived: what QJsonDocument::fromJson takes, so a page is
// never turned into text and back. Empty when the link could not be used or the exchange failed.
QList<QByteArray> RequestListUtf8(TcpClient *client, const QString &code, const QString &callType,
                                  const QString &val, const QString &pageCount, int timeoutMs);
// The same pages as text, for callers that work on text.
QStringList RequestList(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                        const QString &pageCount, int timeoutMs);

// The JSON text of the first reply frame with "&quot;"/"&#92;" in its values turned back into
// quotes and backslashes. Empty after a failed exchange; left as passed when the link is down and
// cannot be restored.
void RequestOne(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                const QString &itemCnt, const QString &colCnt, int timeoutMs, QString &reply);
// The same reply as UTF-8 bytes, for callers that parse it.
void RequestOneUtf8(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                    const QString &itemCnt, const QString &colCnt, int timeoutMs, QByteArray &reply);

// One reply frame's body decrypted with the session key, its status character split off; the page
// stays in the buffer it was decrypted into. nullopt (and *error set) when it cannot be decrypted
// or is empty.
struct ReplyPage
{
    char status = 0;
    QByteArray page;
};
std::optional<ReplyPage> OpenReplyPage(const QByteArray &body, const QByteArray &key, QString *error = nullptr);

// The login request: a status-"3" frame is not a shutdown for it.
inline constexpr char kLoginRequestCode[] = "LN02_01_V02";
