#include "records/session_records.h"

TUSER_INFO G_USER_INFO;
TUSER_SET G_USER_SET;

void ResetSessionRecords()
{
    G_USER_INFO = TUSER_INFO();
    G_USER_SET = TUSER_SET();
    ResetProgramGlobals();
}

int MsgBoxAutoCloseMs()
{
    return G_USER_SET.MsgClose == 1 ? G_USER_SET.MsgTime : 0;
}

QString UserClass()
{
    return G_USER_INFO.USER_TYPE_CD.left(1);
}
