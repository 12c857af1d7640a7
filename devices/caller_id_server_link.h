#pragma once

#include "devices/caller_id_records.h"

#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

// The link to the network caller-ID server: one TCP connection, request "101" after each
// connect, then request "102" on the poll timer; each answer's calls are routed. Only the first
// running instance polls. The waits never block the user-interface thread: the same limits
// (connect 1000 ms, first answer 1000 ms, poll answer 2000 ms) are timers.
class CidServerLink : public QObject
{
    Q_OBJECT
public:
    explicit CidServerLink(QObject *parent = nullptr);

    static constexpr char kEtx = 0x03;
    static constexpr int kMaxAnswer = 64 * 1024;

    // Settings taken at each (re)connect from G_CID_INFO unless set here (tests).
    bool firstInstance = true;
    // The settings screen (address missing) and the routing of each call.
    std::function<void()> openSettings;
    std::function<void(const HEADER &)> route;
    // Connected / disconnected / stopped by the server: the board's picture and indicator.
    enum class State { Down, Polling, Stopped };
    std::function<void(State)> showState;

    // (Re)connects and makes the first exchange. False when the address is not usable (the
    // settings screen is opened); otherwise true: the attempt runs, and its failure shows as the
    // link's state (down) and in the log.
    bool fnc_cid_conf();
    // Ends polling and the connection (program exit).
    void stop();

    bool connected() const { return m_socket->state() == QAbstractSocket::ConnectedState; }
    QTimer &pollTimer() { return m_tmr; }
    bool stopFlag() const { return m_stopFlag; }
    int failures() const { return m_failures; }

    // The poll tick (tmrIDTCIDTimer); public so tests can step it.
    void tmrIDTCIDTimer();

signals:
    // An exchange finished (answered, failed or refused); tests wait for it.
    void exchangeDone();

private:
    enum class Phase { Idle, Connecting, FirstExchange, Polling };
    void idtCIDConnected();
    void idtCIDDisconnected();
    void send(const QString &request, int timeoutMs);
    void readyRead();
    void answered(const QString &answer);
    void exchangeFailed(const QString &message);
    void proc_IdtCidRead(const CidServerAnswer &a, const QString &raw);

    QTcpSocket *m_socket;
    QTimer m_tmr;
    QTimer m_wait;
    QByteArray m_buffer;
    Phase m_phase = Phase::Idle;
    int m_failures = 0;
    bool m_stopFlag = false;
    bool m_rearm = false;
    QString m_extension;
};
