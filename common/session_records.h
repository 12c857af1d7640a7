#pragma once

#include <QString>

// The logged-in user and session. Extended field by field as the login and loaders need them.
struct TUSER_INFO
{
    QString ID;
    QString PW;
    QString MC;
    QString GUBUN;
    QString GUBUN_MODE;
    QString USER_TYPE_CD;
    int UserAuthGrade = 0;
};

// Per-PC options read from the settings file.
struct TUSER_SET
{
    int MsgClose = 1;
    int MsgTime = 1500;
};

extern TUSER_INFO G_USER_INFO;
extern TUSER_SET G_USER_SET;

extern QString G_FIELD_SEP;
extern QString G_LANGUAGE;
extern int G_EDITION_IDX;
extern QString G_PROGRAM_NAME;
extern QString G_PROGRAM_TITLE;
extern QString G_VERSION;
extern QString G_DEVICE;
extern QString G_SESSION_KEY;
extern QString G_SERVER_HOST;
extern int G_SERVER_PORT;
extern QString G_CUR_FORM;
extern QString G_EXE_DIR;
extern QString G_LOG_DIR;
extern QString G_CID_DIR;

// Puts every record and global back to its program-start value (tests).
void ResetSessionRecords();
