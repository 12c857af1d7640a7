#include "messages/notice_article_list.h"

#include <algorithm>

namespace
{
NoticeArticleRow rowOf(const TNotice &n, bool pinned)
{
    NoticeArticleRow r;
    r.groupType = QString(n.PUT_GRP_TYPE);
    r.kind = pinned ? QStringLiteral("[상단고정]") + n.ARTICLE_TYPE : n.ARTICLE_TYPE;
    r.date = QString(n.PUT_DATE);
    r.title = n.ARTICLE_TITLE;
    r.body = n.ARTICLE_BODY;
    r.groupCode = QString(n.PUT_GRP_CODE);
    r.groupName = n.PUT_GRP_NAME;
    r.seqNo = QString(n.SEQ_NO);
    r.pinnedKey = pinned ? 0 : 1;
    return r;
}
} // namespace

QString NoticeGroupTypeName(const QString &code)
{
    if (code == QLatin1String("1")) return QStringLiteral("제휴본사");
    if (code == QLatin1String("2")) return QStringLiteral("총판");
    if (code == QLatin1String("3")) return QStringLiteral("가맹점");
    if (code == QLatin1String("9")) return QStringLiteral("시스템관리자");
    return code;
}

QList<NoticeArticleRow> NoticeArticleRows(const KeyedList<TNotice> &ordinary, const KeyedList<TNotice> &pinned)
{
    QList<NoticeArticleRow> rows;
    for (int i = 0; i < pinned.count(); ++i)
        rows.append(rowOf(pinned.at(i), true));
    for (int i = 0; i < ordinary.count(); ++i)
        rows.append(rowOf(ordinary.at(i), false));
    return rows;
}

QList<NoticeArticleRow> PinnedNoticeRows(const KeyedList<TNotice> &pinned, const QString &seqNo)
{
    QList<NoticeArticleRow> rows;
    for (int i = 0; i < pinned.count(); ++i)
        if (pinned.at(i).SEQ_NO == seqNo)
            rows.append(rowOf(pinned.at(i), true));
    return rows;
}

QList<int> NoticeArticleDisplayOrder(const QList<NoticeArticleRow> &rows)
{
    QList<int> order;
    for (int i = 0; i < rows.size(); ++i)
        order.append(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const NoticeArticleRow &x = rows.at(a);
        const NoticeArticleRow &y = rows.at(b);
        if (x.pinnedKey != y.pinnedKey)
            return x.pinnedKey < y.pinnedKey;
        return x.date > y.date;
    });
    return order;
}

bool MarkNoticeRead(KeyedList<TNotice> &notices, const QString &seqNo, bool deleted)
{
    for (int i = 0; i < notices.count(); ++i) {
        TNotice &n = notices[i];
        if (n.SEQ_NO != seqNo)
            continue;
        n.bRead = true;
        if (deleted)
            n.bDel = true;
        return true;
    }
    return false;
}
