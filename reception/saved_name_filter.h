#pragma once

#include "records/message_records.h"

#include <QList>
#include <QString>
#include <QStringList>

// The store's saved-name list of the reception window, narrowed by the search text (a dong, and a
// lot-number prefix), an initial-consonant range and a name group; and the dong list beside it.

struct SavedNameFilter
{
    QString dong;       // equals the legal dong (byLegalDong) or the administrative dong
    QString lotPrefix;  // the lot number begins with it
    QChar first, last;  // consonant range; null when none. first > last means "outside ㄱ..ㅎ"
    QString group;      // the group's name; empty for every group
    bool byLegalDong = true;
};

// The dong and lot-number filters of the search text: one word is a dong; two words a dong and a
// lot number, unless the second is not a number (dashes aside), then the two are one dong; three
// to twenty words the first two as a dong and the third as the lot number.
void SetSavedNameTextFilter(SavedNameFilter &f, const QString &text);
// The consonant range of a row of the consonant list ("전체" none, "기타" outside ㄱ..ㅎ).
void SetSavedNameConsonants(SavedNameFilter &f, const QString &rowText);

bool SavedNameMatches(const SavedNameFilter &f, const TMSG_ADDR &a);
QList<TMSG_ADDR> FilterSavedNames(const QList<TMSG_ADDR> &names, const SavedNameFilter &f);

// The list text of a saved name: the name alone, or with its address below when showDetail.
QString SavedNameListText(const TMSG_ADDR &a, bool showDetail);

// The dong list: the trimmed non-empty dongs in their order, "전체" first when more than one.
QStringList DongListRows(const QStringList &dongs);

// The consonant rows of the name list.
QStringList SavedNameConsonantRows();

// The search text after a key of the lot-number keypad ("0".."9", "-", "<" removes the last
// character): a key after a word starts a new word; a digit or dash continues a number.
QString LotKeypadText(const QString &text, const QString &key);
