#pragma once

#include <QObject>
#include <QTimer>

// The main window's handling of the shared connection: it creates and connects the client once
// after login, follows its connected and disconnected events, and keeps the retry timer that marks
// a failed or lost connection. The window (a widget) owns one instance and forwards to it; the
// order board's reaction goes through OrderBoardHooks.
class MainWindowLink : public QObject
{
    Q_OBJECT
public:
    explicit MainWindowLink(QObject *parent = nullptr);

    // Creates and connects G_TCP_CLIENT once; a second call changes nothing.
    void proc_SocketConnect();
    // Connected and disconnected events of the shared client.
    void IdTCPClientConnedted();
    void IdTCPClientDisConnedted();
    // Tick of the retry timer: it only stops itself.
    void TmrSocketConnRetryTimer();
    // Default periods of the message check and the courier-information refresh.
    void proc_InitRefreshTicks();

    // Interval 1000 ms, running from creation.
    QTimer TmrSocketConnRetry;
};
