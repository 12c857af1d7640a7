#include "link/link_state.h"

#include "platform/app_paths.h"

TcpClient *G_TCP_CLIENT = nullptr;
bool G_CONNECTED = false;
bool G_LINK_FREE = true;
int G_IDLE_TICKS = 0;
bool G_REQ_TRACE = false;
QDateTime G_REQ_START;
QDateTime G_REQ_END;
QString G_WRAPPED_KEY;
int G_MSG_CHK_TICKS = 5;
int G_DVRY_INFO_TICKS = 10;

QString RequestTraceDir()
{
    return AppPaths::traceDir();
}

void ResetLinkState()
{
    G_TCP_CLIENT = nullptr;
    G_CONNECTED = false;
    G_LINK_FREE = true;
    G_IDLE_TICKS = 0;
    G_REQ_TRACE = false;
    G_REQ_START = QDateTime();
    G_REQ_END = QDateTime();
    G_WRAPPED_KEY.clear();
    G_MSG_CHK_TICKS = 5;
    G_DVRY_INFO_TICKS = 10;
}
