// Frequently used names of a store: named places in groups, loaded once per store and run.
#include "reference/reference_loaders.h"

#include "reference/reference_pages.h"
#include "reference/reference_state.h"
#include "text/hangul_initials.h"

#include <algorithm>

namespace
{
const QString kNames = QString::fromLatin1(kStNamesRequest);
const QString kDefaultGroup = QStringLiteral("0");

void addSortedUnique(QStringList &list, const QString &text)
{
    AddSorted(list, text);
}

TST_MSG_GRP defaultGroup()
{
    TST_MSG_GRP g;
    g.GRP_NO = kDefaultGroup;
    g.GRP_TEXT = QStringLiteral("기타");
    g.VIEW_ORDER = QStringLiteral("999");
    g.DATA_STATUS = QStringLiteral("1");
    return g;
}

void fillGroup(TST_MSG_GRP &g, const ReplyRow &row)
{
    g.GRP_NO = row.text(1);
    g.GRP_TEXT = row.text(2);
    g.DATA_STATUS = row.text(3);
    QString order = row.text(4);
    while (order.size() < 3)
        order.prepend(QLatin1Char('0'));
    g.VIEW_ORDER = order.left(3);
}

TMSG_ADDR nameOf(const ReplyRow &row)
{
    TMSG_ADDR a;
    a.ADDR_NO = row.text(2);
    a.WORD_ADDR = row.text(3);
    a.WORD_ADDR_NAME = DivHan1(row.text(3));
    a.WORD_ADDR_NAME2 = DivHan1(row.text(11));
    const QString province = row.text(4);
    a.ADDR_1 = province;
    a.ADDR_2 = row.text(5);
    if (province.startsWith(QStringLiteral("세종"))) {
        a.ADDR_1 = QStringLiteral("세종");
        if (a.ADDR_2.isEmpty())
            a.ADDR_2 = QStringLiteral("세종");
    } else if (province.startsWith(QStringLiteral("제주"))) {
        a.ADDR_1 = QStringLiteral("제주");
    }
    a.ADDR_3 = row.text(6);
    a.ADDR_4 = row.text(7);
    a.ADDR_6 = row.text(8);
    a.ADDR_8 = row.text(9);
    a.ADDR_9 = row.text(10);
    a.ADDR_10 = row.text(11);
    a.ADDR_11 = row.text(12);
    a.ADDR_12 = row.text(13);
    a.ADDR_LAT_Y = row.text(14);
    a.ADDR_LAT_X = row.text(15);
    a.VIEW_ORDER = row.text(16);
    return a;
}
} // namespace

bool PrepareStoreNames(TST_LIST &store, bool bClear)
{
    if (!bClear && (store.KEYWORD_ADDR_NO > 0 || store.KEYWORD_GRP_NO > 0))
        return false;
    if (bClear && !store.ST_MSG_ADDR.isEmpty()) {
        while (store.ST_MSG_ADDR.count() > 1)
            store.ST_MSG_ADDR.removeAt(store.ST_MSG_ADDR.count() - 1);
        store.ST_MSG_ADDR.at(0).MSG_LIST.clear();
        store.ST_MSG_ADDR2.clear();
        store.SL_GRP_ADDR_NAME.clear();
        store.KEYWORD_ADDR_NO = 0;
        store.KEYWORD_GRP_NO = 0;
        store.SL_MSG_DONG.clear();
        store.SL_MSG_DONG8.clear();
    }
    if (store.ST_MSG_ADDR.isEmpty()) {
        store.ST_MSG_ADDR.append(kDefaultGroup, defaultGroup());
        store.SL_GRP_ADDR_NAME.clear();
        store.KEYWORD_ADDR_NO = 0;
        store.KEYWORD_GRP_NO = 0;
    }
    return true;
}

void proc_St_Favarity3(const QString &sStCode, bool bClear)
{
    if (sStCode.isEmpty())
        return;
    TST_LIST *store = G_ST_LIST.find(sStCode);
    if (!store || !PrepareStoreNames(*store, bClear))
        return;
    const QStringList pages = RequestReference(
        kNames, QStringLiteral("ADM3"),
        {sStCode, QString::number(store->KEYWORD_GRP_NO), QString::number(store->KEYWORD_ADDR_NO)},
        QStringLiteral("2000"), 60000);
    // The request let the event loop run; the store list may have been reloaded meanwhile.
    store = G_ST_LIST.find(sStCode);
    if (!store)
        return;
    ApplyStoreNamesPages(*store, pages);
}

void ApplyStoreNamesPages(TST_LIST &store, const QStringList &pages)
{
    if (pages.isEmpty()) {
        LogNoResult(kNames);
        return;
    }
    int rowNo = 0;
    ForEachReplyPage(kNames, pages, [&](const QJsonObject &page) {
        if (store.KEYWORD_ADDR_NO == 0)
            store.KEYWORD_ADDR_NO = 1;
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kNames, element, 5, ++rowNo, row))
                continue;
            store.KEYWORD_GRP_NO = std::max(store.KEYWORD_GRP_NO, row.toInt(1, 0));
            const QString grpNo = FixedText<10>(row.text(1));
            TST_MSG_GRP *group = store.ST_MSG_ADDR.find(grpNo);
            if (!group)
                group = &store.ST_MSG_ADDR.append(grpNo);
            fillGroup(*group, row);
        }
        for (const QJsonValue &element : PageRows(page, QStringLiteral("OUT_ROW2"))) {
            ReplyRow row;
            if (!ReadReplyRow(kNames, element, 17, ++rowNo, row))
                continue;
            store.KEYWORD_ADDR_NO = std::max(store.KEYWORD_ADDR_NO, row.toInt(1, 0));
            TST_MSG_GRP *group = store.ST_MSG_ADDR.find(FixedText<10>(row.text(1)));
            if (!group)
                continue;  // a name of a group the store does not list
            const TMSG_ADDR name = nameOf(row);
            group->MSG_LIST.append(name);
            addSortedUnique(store.SL_MSG_DONG, name.ADDR_3);
            addSortedUnique(store.SL_MSG_DONG8, name.ADDR_8);
            TMSG_ADDR flat = name;
            flat.GRP_NO = group->GRP_NO;
            flat.GRP_TEXT = group->GRP_TEXT;
            store.ST_MSG_ADDR2.append(flat);
        }
    });
}
