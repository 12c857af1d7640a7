#include "start/main_window_link.h"

#include "common/daily_log.h"
#include "records/session_records.h"
#include "link/link_events.h"
#include "link/link_state.h"
#include "link/server_connection.h"
#include "link/tcp_client.h"

MainWindowLink::MainWindowLink(QObject *parent)
    : QObject(parent)
{
    TmrSocketConnRetry.setInterval(1000);
    connect(&TmrSocketConnRetry, &QTimer::timeout, this, &MainWindowLink::TmrSocketConnRetryTimer);
    TmrSocketConnRetry.start();
}

void MainWindowLink::proc_SocketConnect()
{
    if (G_TCP_CLIENT)
        return;
    CreateTcpClient(G_TCP_CLIENT);
    connect(G_TCP_CLIENT, &TcpClient::connected, this, &MainWindowLink::IdTCPClientConnedted);
    connect(G_TCP_CLIENT, &TcpClient::disconnected, this, &MainWindowLink::IdTCPClientDisConnedted);
    if (ConnectServer(G_TCP_CLIENT, G_SERVER_HOST, G_SERVER_PORT, kConnectTimeoutMs))
        TmrSocketConnRetry.stop();
    else
        TmrSocketConnRetry.start();
}

void MainWindowLink::IdTCPClientConnedted()
{
    G_CONNECTED = true;
    TmrSocketConnRetry.stop();
    if (OrderBoardHooks *board = CurrentOrderBoardHooks()) {
        board->setPollingEnabled(true);
        board->setLinkPictureVisible(true);
    }
    WriteLog(QStringLiteral("IdTCPClient Socket Connedted"));
    if (OrderBoardHooks *board = CurrentOrderBoardHooks())
        board->loadServerPicture(2);
    emit LinkEvents::instance().connected();
}

void MainWindowLink::IdTCPClientDisConnedted()
{
    G_CONNECTED = false;
    TmrSocketConnRetry.start();
    // The order-page poll keeps ticking: with the flag down its ticks reconnect, which is what
    // brings the link back after the server dropped it.
    if (OrderBoardHooks *board = CurrentOrderBoardHooks())
        board->setLinkPictureVisible(false);
    WriteLog(QStringLiteral("IdTCPClient Socket Disconnected"));
    if (OrderBoardHooks *board = CurrentOrderBoardHooks())
        board->loadServerPicture(3);
    emit LinkEvents::instance().disconnected();
}

void MainWindowLink::TmrSocketConnRetryTimer()
{
    TmrSocketConnRetry.stop();
}

void MainWindowLink::proc_InitRefreshTicks()
{
    G_MSG_CHK_TICKS = 5;
    G_DVRY_INFO_TICKS = 10;
}
