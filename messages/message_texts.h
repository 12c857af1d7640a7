#pragma once

#include "records/message_records.h"

#include <QString>
#include <QVariantList>

// Texts shared by the message grids, alerts and windows.
namespace MessageTexts
{
// Sender word of an alert caption and of a group label: "1" 상담원, "2" 종업원, "3" 가맹점, "5" 총판,
// "7" 제휴본사, "9" 시스템, "W" 배송원; any other kind gives "".
QString senderWord(const QString &grpType);
// Sender or receiver kind as the grid shows it (the words above plus "6" 배송그룹).
QString groupKindName(const QString &grpType);
// Device kind as the grid shows it: "C" PC, "A" 핸드폰.
QString deviceKindName(const QString &deviceType);
// "hh:nn:ss" of a "yyyymmddhhnnss" stamp ("" when it is too short).
QString stampTime(const QString &stamp);
// The 32 values of a message grid row: row number + 1, then the 31 fields, the two stamps as
// their time and the text with every line feed shown as "|".
QVariantList gridRow(const TMSG_LIST &msg, int row);
// Whether any of the three button types is a number from 1 to 3.
bool hasActionButton(const TMSG_LIST &msg);
// The shared rule of the start-up loader and poll: an unconfirmed message of view type 2 or 3,
// without action buttons, that is not an ordinary text message.
bool isPendingNotice(const TMSG_LIST &msg);
// Alert caption: sender word + "[" + sender code + "]:" + title.
QString alertCaption(const TMSG_LIST &msg);
// UTF-8 byte count.
int utf8Bytes(const QString &text);
} // namespace MessageTexts
