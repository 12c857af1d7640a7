#pragma once

#include <QString>

// Texts shared by many screens (message-box captions, status words, common messages).
// SetLanguageTexts fills them once at start from G_LANGUAGE; nothing changes them afterwards.

extern QString G_MSG_RESULT[4];
extern QString G_MSG_OK;
extern QString G_TXT_STATE[5];
extern QString G_TXT_WEEK[8];
extern QString G_TXT_BR_NAME;
extern QString G_TXT_BR_CODE;
extern QString G_TXT_HD_NAME;
extern QString G_TXT_HD_CODE;
extern QString G_TXT_HD;
extern QString G_TXT_GRP_KIND[5];
extern QString G_TXT_COOK;
extern QString G_TXT_DISPATCH_WK;
extern QString G_TXT_UNLIMITED;
extern QString G_TXT_CASH_HIST;
extern QString G_TXT_SYNC;
extern QString G_TXT_OK;
extern QString G_TXT_YES;
extern QString G_TXT_NO;
extern QString G_TXT_EDIT[5];
extern QString G_TXT_SEQ;
extern QString G_MSG_PROCESSED;
extern QString G_MSG_NET_FAIL;
extern QString G_MSG_LOGIN_FAIL;
extern QString G_MSG_STATUS_CHANGED;
extern QString G_MSG_STATUS_ASK;
extern QString G_MSG_NO_COURIER;
extern QString G_MSG_NO_DATA;
extern QString G_MSG_NO_GROUP;

// Korean set.
void proc_SetLanKor();
// Second set: five status words in Chinese and one reworded message.
void proc_SetLanChn();
// "0002" selects the second set, anything else the Korean one.
void SetLanguageTexts();
