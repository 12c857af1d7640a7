#pragma once

#include <QString>
#include <QStringList>

class TcpClient;

// The request layer of the server link: one framed, encrypted JSON request, then its reply frames.
//
// Both calls block the calling (main) thread until the reply is read; the read itself does not let
// the event loop run. Only a reconnect on the way does (the shutdown message box too, but the link
// is released before it), so a timer-driven request can start while another exchange owns the
// link: it waits up to 5 s for the link and, when it is still taken, fails with an empty result
// instead of writing into the other exchange.

// All reply frames, one JSON text per frame in arrival order (status character removed, text still
// escaped). Empty when the link could not be used or the exchange failed.
QStringList RequestList(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                        const QString &pageCount, int timeoutMs);

// The JSON text of the first reply frame with "&quot;"/"&#92;" in its values turned back into
// quotes and backslashes. Empty after a failed exchange; left as passed when the link is down and
// cannot be restored.
void RequestOne(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                const QString &itemCnt, const QString &colCnt, int timeoutMs, QString &reply);

// The login request: a status-"3" frame is not a shutdown for it.
inline constexpr char kLoginRequestCode[] = "LN02_01_V02";
