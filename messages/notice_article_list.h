#pragma once

#include "common/keyed_list.h"
#include "records/message_records.h"

#include <QList>
#include <QString>

// A row of the notice list window, in the columns of its grid.
struct NoticeArticleRow
{
    QString groupType;  // 0 입력자 (PUT_GRP_TYPE, shown by name)
    QString kind;       // 1 구분 ("[상단고정]" before the kind of a pinned notice)
    QString date;       // 2 일시
    QString title;      // 3 제목
    QString body;       // 4 내용
    QString groupCode;  // 5
    QString groupName;  // 6
    QString seqNo;      // 7
    int pinnedKey = 1;  // 8: 0 pinned, 1 ordinary

    bool pinned() const { return pinnedKey == 0; }
    bool operator==(const NoticeArticleRow &) const = default;
};

// "1" 제휴본사, "2" 총판, "3" 가맹점, "9" 시스템관리자; other codes show as they are.
QString NoticeGroupTypeName(const QString &code);

// The list as it is loaded: the pinned notices first, then the ordinary ones, in their order.
QList<NoticeArticleRow> NoticeArticleRows(const KeyedList<TNotice> &ordinary, const KeyedList<TNotice> &pinned);
// Only the pinned notices of one number.
QList<NoticeArticleRow> PinnedNoticeRows(const KeyedList<TNotice> &pinned, const QString &seqNo);

// The order the grid shows the rows in: pinned first, then newest first. Returns row indexes.
QList<int> NoticeArticleDisplayOrder(const QList<NoticeArticleRow> &rows);

// Marks the first notice of that number read (and deleted); false when there is none.
bool MarkNoticeRead(KeyedList<TNotice> &notices, const QString &seqNo, bool deleted);
