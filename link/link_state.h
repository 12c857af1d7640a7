#pragma once

#include <QDateTime>
#include <QString>

class TcpClient;

// State of the shared server link. Everything runs on the main thread; the flags are plain values.
extern TcpClient *G_TCP_CLIENT;  // the shared connection, absent until the first connect after login
extern bool G_CONNECTED;         // the link is up
extern bool G_LINK_FREE;         // false while an exchange owns the connection
extern int G_IDLE_TICKS;         // polling ticks since the last completed exchange
extern bool G_REQ_TRACE;         // request tracing: the trace folder existed when the client was made
extern QDateTime G_REQ_START;    // start (after the busy wait) of the latest exchange
extern QDateTime G_REQ_END;      // end of the latest exchange
extern QString G_WRAPPED_KEY;    // the session key wrapped by the server's RSA key, base64 one line

// Ticks of the order board's polling timer between message checks and courier-information
// refreshes (the server may replace the defaults).
extern int G_MSG_CHK_TICKS;
extern int G_DVRY_INFO_TICKS;

// The request trace folder (ends with '/').
QString RequestTraceDir();

// Puts the link state back to its program-start values (tests). Frees no client.
void ResetLinkState();
