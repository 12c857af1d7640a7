// The store list, one store's record, and placeholders for stores an order names.
#include "reference/goods_loaders.h"
#include "reference/reference_loaders.h"

#include "common/daily_log.h"
#include "reference/reference_pages.h"
#include "reference/reference_state.h"
#include "records/session_records.h"

#include <QHash>
#include <QStringBuilder>

namespace
{
const QString kSt = QString::fromLatin1(kStListRequest);
constexpr int kStoreColumns = 36;  // column 36 is read when the row has it

void resetCaches(TST_LIST &st)
{
    // The default goods group "0" comes first; the goods-group loaders append the others.
    st.GOODS_GRP_LST.clear();
    st.GOODS_GRP_LST.append(QStringLiteral("0")).GRP_NO = QStringLiteral("0");
    st.GOODS_LIST.clear();
    st.SL_MSG_DONG.clear();
    st.SL_MSG_DONG8.clear();
}

// Positions of the delivery-out rows by store, so each store finds its rows without walking the
// whole list (thousands of stores, each with a few rows).
QMultiHash<QString, int> deliveryOutByStore()
{
    QMultiHash<QString, int> index;
    index.reserve(G_DVRY_OUT_LIST.size());
    for (int i = G_DVRY_OUT_LIST.size() - 1; i >= 0; --i)
        index.insert(G_DVRY_OUT_LIST.at(i).ST_CODE, i);  // values() then come back in list order
    return index;
}

// What every store row of one load reads the same: worked out once, not per row (thousands of
// stores).
struct StoreLoad
{
    explicit StoreLoad(const QDate &today)
        : userClass(UserClass()),
          month(today.toString(QStringLiteral("yyyy-MM-"))),
          lastDay(QStringLiteral("%1").arg(today.daysInMonth(), 2, 10, QLatin1Char('0'))),
          outs(deliveryOutByStore())
    {
    }
    QString userClass;
    QString month;    // "yyyy-MM-" of today
    QString lastDay;  // the month's last day, two digits
    QMultiHash<QString, int> outs;
    RepeatedTexts repeats;
    QString lastOutGroup;  // the group code last added to gsl_Out_DVRY (neighbours share it)
};

QString chargeDayText(const QString &day, const QString &month, const QString &lastDay)
{
    if (day == QLatin1String("32"))
        return FixedText<10>(month + lastDay);
    if (day.size() == 1)
        return FixedText<10>(QString(month % QLatin1Char('0') % day));
    return FixedText<10>(month + day);
}

QString shareYn(const TST_LIST &st, const QString &cls)
{
    if (cls != QLatin1String("7") && cls != QLatin1String("5"))
        return QStringLiteral("N");
    const THD_LIST *hd = G_HD_LIST.value(0);
    const int k = hd ? hd->SL_BRLIST().indexOf(st.BR_CODE) : -1;
    if (k < 0)
        return QStringLiteral("Y");
    const TBR_LIST &br = hd->BR_LIST.at(k);
    return br.BR_CODE != st.BR_CODE && br.DVRY_TYPE_CD != st.DVRY_TYPE_CD ? QStringLiteral("Y") : QStringLiteral("N");
}

// Columns 2 to 36 and everything derived from them. oneStore: the one-store load, which leaves
// the user record alone.
void fillStore(TST_LIST &st, const ReplyRow &row, bool oneStore, StoreLoad &load)
{
    const auto text = [&row, &load](int column) { return row.text(column, load.repeats); };
    st.ST_TEL = text(2);
    st.CASH_ST = text(3);
    st.MULTI_TYPE = text(4);
    st.MASTER_ST_CODE = text(5);
    st.DATA_STAUS = text(6);
    st.ST_LAT_Y = text(7);
    st.ST_LNG_X = text(8);
    st.READY_TIME = text(9);
    st.DVRY_TYPE_CD = text(10);
    st.DVRY_MIN_PRICE_1 = text(11);
    st.DVRY_MIN_SRV_1 = text(12);
    st.DVRY_MIN_PRICE_2 = text(13);
    st.DVRY_MIN_SRV_2 = text(14);
    st.ST_APP_NAME = text(15);
    st.BR_MASTER_YN = text(16);
    if (!st.DVRY_TYPE_CD.isEmpty() && st.DVRY_TYPE_CD != load.lastOutGroup) {
        AddSorted(gsl_Out_DVRY, st.DVRY_TYPE_CD);
        load.lastOutGroup = st.DVRY_TYPE_CD;
    }
    if (!oneStore && load.userClass == QLatin1String("5") && st.BR_MASTER_YN == QLatin1String("Y")) {
        G_USER_INFO.BR_ST_CODE = st.ST_CODE;
        G_USER_INFO.ST_DVRY_TYPE_CD = st.DVRY_TYPE_CD;
        if (G_USER_INFO.ST_LNG_X.isEmpty()) {
            G_USER_INFO.ST_LNG_X = st.ST_LNG_X;
            G_USER_INFO.ST_LAT_Y = st.ST_LAT_Y;
        }
    }
    st.VBank_Code = text(17);
    st.VBank = text(18);
    st.TEL_TYPE_CD = text(19);
    st.DVRY_LOCK_TIME = row.toInt(20, 0);
    st.VBank_Name = text(21);
    st.CHARGE_POS_YN = text(22);
    st.CHARGE_DAY_POS = chargeDayText(text(23), load.month, load.lastDay);
    st.CHARGE_S_DAY_POS = text(24);
    st.CHARGE_POS_ST = text(25);
    st.ORD_WORK_TIME = text(26);
    st.ORD_WORK_DAY = text(27);
    st.HD_CODE = text(28);
    st.BR_CODE = text(29);
    st.AUTO_READY_YN = text(30);
    st.ADDR1 = text(31);
    st.ADDR2 = text(32);
    st.ADDR3 = text(33);
    st.SHOP_TYPE = text(34);
    const QString &shop = st.SHOP_TYPE;
    if (shop == QLatin1String("1") || shop == QLatin1String("2") || shop == QLatin1String("3"))
        G_HAS_DELIVERY_STORE = true;
    if (shop == QLatin1String("4") || shop == QLatin1String("5") || shop == QLatin1String("6"))
        G_HAS_QUICK_STORE = true;
    st.DVRY_BR_TEL = text(35);
    if (row.count() > 36)
        st.WK_GOODS_PAY_TYPE = text(36);
    st.ST_SHAREYN = shareYn(st, load.userClass);
    // Same order as values(): the list order deliveryOutByStore() arranged.
    for (auto [it, last] = load.outs.equal_range(st.ST_CODE); it != last; ++it) {
        const TDVRY_LIST &out = G_DVRY_OUT_LIST.at(*it);
        TDVRY_LIST copy;
        copy.DVRY_TYPE_CD = out.DVRY_TYPE_CD;
        copy.DT_NAME = out.DT_NAME;
        copy.MNG_BR_CODE = out.MNG_BR_CODE;
        copy.MNG_1_FEE = out.MNG_1_FEE;
        copy.MNG_2_FEE = out.MNG_2_FEE;
        copy.EX_YN = out.EX_YN;
        copy.EX_CHARGE = out.EX_CHARGE;
        copy.EX_S_TIME = out.EX_S_TIME;
        copy.EX_E_TIME = out.EX_E_TIME;
        st.DVRY_OUT_LIST.append(copy);
    }
    bool ok = false;
    int status = st.DATA_STAUS.toInt(&ok);
    if (!ok)
        status = 1;
    if (status == 1 || status == 2 || status == 3 || status == 9) {
        GS_CHK_STNO += QLatin1Char(',');
        GS_CHK_STNO += st.ST_CODE;
    }
}

// Own delivery group, then the delivery-group entries: the own group first, then one per other
// group in code order.
void finishStores()
{
    const QString cls = UserClass();
    if (G_USER_INFO.MNG_DVRY_TYPE_CD.isEmpty() && (cls == QLatin1String("7") || cls == QLatin1String("5"))) {
        const THD_LIST *hd = G_HD_LIST.value(0);
        const TBR_LIST *br = hd ? hd->BR_LIST.value(0) : nullptr;
        if (br)
            G_USER_INFO.MNG_DVRY_TYPE_CD = br->DVRY_TYPE_CD;
    }
    gsl_Out_DVRY.removeAll(G_USER_INFO.MNG_DVRY_TYPE_CD);
    if (G_DVRY_GRP_INFO.isEmpty())
        G_DVRY_GRP_INFO.append(TDVRY_GRP_INFO());
    G_DVRY_GRP_INFO.resize(1);
    G_DVRY_GRP_INFO.first().DVRY_TYPE_CD = G_USER_INFO.MNG_DVRY_TYPE_CD;
    for (const QString &code : gsl_Out_DVRY) {
        TDVRY_GRP_INFO entry;
        entry.DVRY_TYPE_CD = code;
        G_DVRY_GRP_INFO.append(entry);
    }
}
} // namespace

QString ChargeDayText(const QString &day, const QDate &today)
{
    return chargeDayText(day, today.toString(QStringLiteral("yyyy-MM-")),
                         QStringLiteral("%1").arg(today.daysInMonth(), 2, 10, QLatin1Char('0')));
}

void proc_StList()
{
    ApplyStListPages(RequestReference(kSt, QStringLiteral("ADM3"),
                                      {G_USER_INFO.USER_TYPE_CD, G_USER_INFO.HD, G_USER_INFO.BR, G_USER_INFO.ST,
                                       QString()}),
                     QDate::currentDate());
}

void ApplyStListPages(const QStringList &pages, const QDate &today)
{
    if (pages.isEmpty()) {
        LogNoResult(kSt);
        return;
    }
    G_ST_LIST.clear();
    CCB_STNO.clear();
    NotifyReference(ReferenceEvent::StoresLoading);
    GS_CHK_STNO.clear();
    G_USER_INFO.BR_ST_CODE.clear();
    G_USER_INFO.ST_DVRY_TYPE_CD.clear();
    StoreLoad load(today);
    int rowNo = 0;
    const PageLoopEnd end = ForEachReplyPage(kSt, pages, [&](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kSt, element, kStoreColumns, ++rowNo, row) || row.textIs(6, QLatin1String("0")))
                continue;
            const QString code = row.text(0, load.repeats);
            TST_LIST &st = G_ST_LIST.append(code);
            st.ST_CODE = code;
            st.ST_NAME = row.text(1, load.repeats);
            resetCaches(st);
            CCB_STNO.add(st.ST_CODE, st.ST_NAME);
            fillStore(st, row, false, load);
        }
    });
    if (end == PageLoopEnd::Exception) {
        NotifyReference(ReferenceEvent::StoresLoadBroken);
        return;
    }
    NotifyReference(ReferenceEvent::StoresLoaded);
    finishStores();
}

void proc_GetStInfo(const QString &sStCode)
{
    if (!G_SL_ST_CODE.contains(sStCode) || sStCode.isEmpty()) {
        WriteLog(kSt + QStringLiteral(" Unknown Store ") + sStCode);
        return;
    }
    const QStringList pages = RequestReference(kSt, QStringLiteral("ADM3"),
                                               {QStringLiteral("3000"), G_USER_INFO.HD, G_USER_INFO.BR, sStCode,
                                                QString()});
    // The store's goods groups and goods follow its record, so its orders can be taken at once.
    if (ApplyStInfoPages(sStCode, pages, QDate::currentDate())) {
        proc_GetStGoods_group(sStCode);
        proc_Goods2(sStCode, false);
    }
}

bool ApplyStInfoPages(const QString &sStCode, const QStringList &pages, const QDate &today)
{
    // A code that is not in the list has no entry to fill.
    TST_LIST *st = sStCode.isEmpty() ? nullptr : G_ST_LIST.find(sStCode);
    if (!st) {
        WriteLog(kSt + QStringLiteral(" Unknown Store ") + sStCode);
        return false;
    }
    if (pages.isEmpty()) {
        LogNoResult(kSt);
        return false;
    }
    StoreLoad load(today);
    int rowNo = 0;
    const PageLoopEnd end = ForEachReplyPage(kSt, pages, [&](const QJsonObject &page) {
        for (const QJsonValue &element : PageRows(page)) {
            ReplyRow row;
            if (!ReadReplyRow(kSt, element, kStoreColumns, ++rowNo, row) || row.textIs(6, QLatin1String("0")))
                continue;
            if (row.text(0) != sStCode) {
                WriteLog(kSt + QStringLiteral(" Row Skip ") + QString::number(rowNo) + QStringLiteral(" other store"));
                continue;
            }
            st->ST_CODE = row.text(0);
            st->ST_NAME = row.text(1);
            // The goods are loaded again right after, from the start.
            resetCaches(*st);
            st->GOODS_SYNC_DT.clear();
            fillStore(*st, row, true, load);
        }
    });
    if (end == PageLoopEnd::Exception)
        return false;
    finishStores();
    return true;
}

void proc_Add_StNo(const QString &sStCode)
{
    TST_LIST &st = G_ST_LIST.append(sStCode);
    st.ST_CODE = sStCode;
    st.ST_NAME.clear();
}
