#pragma once

#include <QByteArray>
#include <QString>

class TcpClient;

// Opening the link connection and exchanging the session key on it.
//
// Waiting: the connect poll and the reconnect's disconnect poll let the event loop run in 10 ms
// steps (timers, paint and user input go on, as the rest of the program expects while a connect
// can take seconds); the key exchange and request reads block without running it. A timer that
// fires during such a poll and reaches the same client again finds the connect in progress and
// does nothing, so connects never nest on one socket.

// Tracing is decided here: on when the request trace folder exists.
void CreateTcpClient(TcpClient *&client);
void FreeTcpClient(TcpClient *&client);
// Lets go of the shared client while a request on it may still be on the stack (the server's
// shutdown order): drops the link, refuses every reconnect and deletes it from the event loop.
void RetireTcpClient(TcpClient *&client);

// Connects (when not connected already) and runs the key exchange. True when the socket is
// connected afterwards (also when the exchange failed; G_CONNECTED tells that).
bool ConnectServer(TcpClient *client, const QString &host, int port, int connectTimeoutMs);

// GetRsa, wrap the session key, SendAes; true when the server answered "OK".
bool func_KeyHandshake(TcpClient *client);
// The SendAes frame; true when the answer is exactly "OK".
bool func_SendSessionKey(TcpClient *client, const QByteArray &wrapped);
// Wraps keyText (trimmed) with the server's public key from the latest GetRsa answer into
// G_WRAPPED_KEY. The key is used in memory; no key file is written.
bool func_EncryptSessionKey(const QString &keyText);
// Remembers the server's public key (base64 DER) for func_EncryptSessionKey.
void SetServerPublicKey(const QByteArray &base64Der);

// Disconnect, endpoint lookup, connect and key exchange again.
void func_Reconnect(TcpClient *client, const QString &reason);

// One RequestOne over a connection of its own (login and the requests around it).
void RequestOneNewConn(const QString &code, const QString &callType, const QString &val, QString &reply);

// The keep-alive request "999" on the shared client; the reply is ignored.
void SendKeepAlive();

// Time the key-exchange answers may take.
inline constexpr int kKeyExchangeTimeoutMs = 10000;
inline constexpr int kConnectTimeoutMs = 10000;
