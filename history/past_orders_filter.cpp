#include "history/past_orders_filter.h"

#include "boards/order_board_columns.h"
#include "boards/order_counts.h"
#include "boards/order_rows.h"
#include "grid/grid_table_model.h"
#include "history/past_orders_rows.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

namespace
{
// Filter slots of the general grid; each holds one OR group under the grid's AND.
enum PastFilterSlot
{
    kPastSlotAffiliation = 1,
    kPastSlotStatus = 5,
    kPastSlotPay = 7,
    kPastSlotDistance = 8,
    kPastSlotCuName = 10,
    kPastSlotCuTel = 11,
    kPastSlotCuAddr = 12,
    kPastSlotWkName = 13,
};

FilterGroup pastOrGroup()
{
    FilterGroup g;
    g.join = FilterJoin::Or;
    g.caseInsensitive = true;
    return g;
}

void pastLike(FilterGroup &g, BoardCol::Id id, const QString &text)
{
    const int c = PastGeneralColumn(id);
    if (c >= 0)
        g.add(FilterCondition::make(c, FilterOp::Like, QLatin1Char('%') + text.trimmed() + QLatin1Char('%')));
}

void pastEqual(FilterGroup &g, BoardCol::Id id, const QString &value)
{
    const int c = PastGeneralColumn(id);
    if (c >= 0)
        g.add(FilterCondition::make(c, FilterOp::Equal, value));
}

void pastSet(GridTableModel &grid, int slot, const FilterGroup &g)
{
    if (g.isEmpty())
        grid.clearFilterGroup(slot);
    else
        grid.setFilterGroup(slot, g);
}
} // namespace

QList<int> PastStatusButtonCodes(int buttonStatus)
{
    if (buttonStatus == 2001)
        return {2001, 2002};
    if (buttonStatus == 1002)
        return {1002, 1007};
    return {buttonStatus};
}

void ApplyPastGeneralFilter(GridTableModel &grid, const PastFilterInput &in)
{
    using namespace BoardCol;
    grid.beginUpdate();
    grid.setFilterEnabled(false);

    FilterGroup aff = pastOrGroup();
    const bool allSame = in.ordIn == in.wkIn && in.wkIn == in.cthWkOut;
    if (!in.sel.br.isEmpty() && !allSame) {
        if (in.ordIn)
            pastEqual(aff, BR_CODE, in.sel.br);
        if (in.wkIn)
            pastEqual(aff, CTH_BR_CODE, in.sel.br);
        if (in.cthWkOut)
            pastEqual(aff, ST_DVRY_TYPE_CD, in.sel.dvryType);
    }
    pastSet(grid, kPastSlotAffiliation, aff);

    FilterGroup pay = pastOrGroup();
    if (!in.payAll) {
        if (in.payCash)
            pastLike(pay, PAY_TYPE_CD, QStringLiteral("현금"));
        if (in.payCard)
            pastLike(pay, PAY_TYPE_CD, QStringLiteral("카드"));
        if (in.payPre)
            pastLike(pay, PAY_TYPE_CD, QStringLiteral("선결제"));
    }
    pastSet(grid, kPastSlotPay, pay);

    FilterGroup status = pastOrGroup();
    if (!in.statusAll)
        for (const int button : in.statuses)
            for (const int code : PastStatusButtonCodes(button))
                pastEqual(status, STATUS_CD, QString::number(code));
    pastSet(grid, kPastSlotStatus, status);

    FilterGroup name = pastOrGroup();
    if (!in.cuName.trimmed().isEmpty()) {
        pastLike(name, ORD_ST_NAME, in.cuName);
        pastLike(name, SearchSTNAME, in.cuName);
    }
    pastSet(grid, kPastSlotCuName, name);

    // The telephone and the order-number boxes share one group: either may match.
    FilterGroup tel = pastOrGroup();
    if (!in.cuTel.trimmed().isEmpty())
        pastLike(tel, CU_TEL2, in.cuTel);
    if (!in.ordNo.trimmed().isEmpty()) {
        pastLike(tel, TODAY_ALL_NO, in.ordNo);
        pastLike(tel, EXT_ORD_NO, in.ordNo);
    }
    pastSet(grid, kPastSlotCuTel, tel);

    FilterGroup addr = pastOrGroup();
    if (!in.cuAddr.trimmed().isEmpty()) {
        pastLike(addr, ADDR4, in.cuAddr);
        pastLike(addr, SearchAddr4, in.cuAddr);
    }
    pastSet(grid, kPastSlotCuAddr, addr);

    FilterGroup wk = pastOrGroup();
    if (!in.wkName.trimmed().isEmpty()) {
        pastLike(wk, WK_NAME, in.wkName);
        pastLike(wk, WK_TEL2, in.wkName);
        pastLike(wk, SearchWKNAME, in.wkName);
    }
    pastSet(grid, kPastSlotWkName, wk);

    // Rows without coordinates have distance 0 and always pass.
    FilterGroup dist = pastOrGroup();
    const int dc = PastGeneralColumn(ORD_ST_DISTANCE);
    if (dc >= 0)
        dist.add(FilterCondition::make(dc, FilterOp::LessEqual, in.distanceLimit));
    pastSet(grid, kPastSlotDistance, dist);

    grid.setFilterEnabled(true);
    grid.endUpdate();
}

double PastDistanceLimit(int position)
{
    return position >= 10 ? 9999.0 : double(qMax(0, position) + 1);
}

QString PastDistanceLabel(int position)
{
    return position >= 10 ? QStringLiteral("무제한") : QString::number(qMax(0, position) + 1) + QStringLiteral("km");
}

int PastStatusLabel(int status)
{
    switch (status) {
    case 1001: return 1;
    case 2001:
    case 2002: return 2;
    case 3001: return 3;
    case 3003: return 4;
    case 4001: return 5;
    case 4002: return 6;
    case 1002:
    case 1007: return 7;
    default: return 8;
    }
}

int PastPayClass(const QString &payText)
{
    QString t = payText;
    if (t.startsWith(QStringLiteral("출발지-")))
        t = t.mid(4);
    if (t == QStringLiteral("현금"))
        return 0;
    if (t == QStringLiteral("현금(P)"))
        return 3;
    if (t == QStringLiteral("카드"))
        return 1;
    return 2;
}

PastCounts CountPastGeneral(const GridTableModel &grid)
{
    using namespace BoardCol;
    PastCounts out;
    PayTotals totals;
    const int statusCol = PastGeneralColumn(STATUS_CD);
    const int payCol = PastGeneralColumn(PAY_TYPE_CD);
    const int amtCol = PastGeneralColumn(PAY_AMT);
    const int noCol = PastGeneralColumn(ORD_NO);
    for (int row = 0; row < grid.rowCount(); ++row) {
        const int record = grid.recordOfRow(row);
        bool ok = false;
        int status = grid.recordValue(record, statusCol).toString().toInt(&ok);
        if (!ok)
            status = 0;
        ++out.labels[0];
        ++out.labels[size_t(PastStatusLabel(status))];
        if (status == 4001) {
            const QString orderNo = grid.recordValue(record, noCol).toString() + QLatin1Char('#') + QString::number(record);
            totals.set(orderNo, PastPayClass(grid.recordValue(record, payCol).toString()),
                       grid.recordValue(record, amtCol).toDouble());
        }
    }
    out.payText = PayTotalsText(totals);
    return out;
}

PastStatusColours PastStatusColours::Current()
{
    PastStatusColours c;
    c.normalB = static_cast<TColor>(G_USER_SET.ColorNormalB);
    c.normalF = static_cast<TColor>(G_USER_SET.ColorNormalF);
    c.noAddrB = static_cast<TColor>(G_USER_SET.ColorOrdDvryNoAddrB);
    c.cardCancelF = static_cast<TColor>(G_USER_SET.ColorOrdCardCancelF);
    c.byLabel.fill(c.normalB);
    const std::pair<const char *, int> keys[] = {{"CB_1001", 1}, {"CB_2001", 2}, {"CB_3001", 3}, {"CB_3003", 4},
                                                 {"CB_4001", 5}, {"CB_4002", 6}, {"CB_1002", 7}, {"CB_4003", 8}};
    for (const StatusColour &s : ReadStatusColours(G_INI))
        for (const auto &[key, label] : keys)
            if (s.key == QLatin1String(key))
                c.byLabel[size_t(label)] = s.colour;
    return c;
}

PastRowColour PastGeneralRowColour(const QString &status, const QString &takeoutYn, const QString &xyAccType,
                                   const QString &tranType, const PastStatusColours &colours)
{
    PastRowColour out;
    bool ok = false;
    int s = status.toInt(&ok);
    if (!ok)
        s = 1001;
    switch (s) {
    case 1001: case 1002: case 1007: case 2001: case 2002: case 3001: case 3003: case 4001: case 4002: case 4003:
        out.background = colours.byLabel[size_t(PastStatusLabel(s))];
        break;
    default: out.background = colours.normalB; break;
    }
    int acc = xyAccType.toInt(&ok);
    if (!ok)
        acc = 1;
    if (takeoutYn == QLatin1String("N") && acc == 3)
        out.background = colours.noAddrB;
    const QString t = tranType.trimmed();
    if (!t.isEmpty()) {
        int tt = t.toInt(&ok);
        if (!ok)
            tt = 11;
        out.font = (tt == 12 || tt == 22) ? colours.cardCancelF : colours.normalF;
    }
    return out;
}

QStringList PastStoreSelection(const QString &ticked, const QStringList &storeCodes,
                               const std::function<QString(const QString &)> &branchOf, const QString &chosenBranch)
{
    const QStringList pieces = ticked.split(QLatin1Char(','));
    if (pieces.size() >= storeCodes.size() + 1)
        return {};
    QStringList out;
    for (const QString &code : pieces) {
        if (code.isEmpty() || !storeCodes.contains(code))
            continue;
        if (!chosenBranch.isEmpty() && branchOf(code) != chosenBranch)
            continue;
        out.append(code);
    }
    return out;
}

void ApplyPastStoreFilter(GridTableModel &grid, const PastFilterInput &in, const QStringList &stores)
{
    const auto column = [&grid](const char *name) {
        return grid.columnIndex(QStringLiteral("CTV_TAKEOUT_") + QLatin1String(name));
    };
    const auto like = [](FilterGroup &g, int c, const QString &text) {
        if (c >= 0 && !text.trimmed().isEmpty())
            g.add(FilterCondition::make(c, FilterOp::Like, QLatin1Char('%') + text.trimmed() + QLatin1Char('%')));
    };
    grid.beginUpdate();
    grid.setFilterEnabled(false);
    FilterGroup st = pastOrGroup();
    for (const QString &code : stores)
        st.add(FilterCondition::make(column("ORD_ST_CODE"), FilterOp::Equal, code));
    pastSet(grid, 3, st);
    FilterGroup pay = pastOrGroup();
    if (!in.payAll) {
        if (in.payCash)
            like(pay, column("PAY_TYPE_CD"), QStringLiteral("현금"));
        if (in.payCard)
            like(pay, column("PAY_TYPE_CD"), QStringLiteral("카드"));
        if (in.payPre)
            like(pay, column("PAY_TYPE_CD"), QStringLiteral("선결제"));
    }
    pastSet(grid, 7, pay);
    FilterGroup status = pastOrGroup();
    if (!in.statusAll)
        for (const int s : in.statuses)
            status.add(FilterCondition::make(column("ORD_STATUS_CD"), FilterOp::Equal, QString::number(s)));
    pastSet(grid, 5, status);
    FilterGroup texts = pastOrGroup();
    like(texts, column("ORD_ST_NAME"), in.cuName);
    like(texts, column("ORD_CU_TEL"), in.cuTel);
    like(texts, column("ORD_TODAY_ALL_NO"), in.ordNo);
    pastSet(grid, 2, texts);
    grid.setFilterEnabled(true);
    grid.endUpdate();
}

void ApplyPastSameDayFilter(GridTableModel &grid, const QString &prefix, const PastSameDayFilterInput &in)
{
    const auto col = [&grid, &prefix](const char *name) { return grid.columnIndex(prefix + QLatin1String(name)); };
    // An empty code of the login matches no row: it would otherwise match every row without one.
    const auto equal = [](FilterGroup &g, int c, const QString &v) {
        if (c >= 0 && !v.isEmpty())
            g.add(FilterCondition::make(c, FilterOp::Equal, v));
    };
    const auto like = [](FilterGroup &g, int c, const QString &text) {
        if (c >= 0 && !text.trimmed().isEmpty())
            g.add(FilterCondition::make(c, FilterOp::Like, QLatin1Char('%') + text.trimmed() + QLatin1Char('%')));
    };
    grid.beginUpdate();
    grid.setFilterEnabled(false);

    FilterGroup aff = pastOrGroup();
    FilterGroup notShared = pastOrGroup();
    const bool sameDayBranch = in.sameDayNormal == 1 || in.sameDayLocal == 1;
    if (in.userClass == QLatin1String("7") && in.searchSameDay) {
        if (!in.chosenBranch.isEmpty()) {
            equal(aff, col("ORD_BR_CODE"), in.chosenBranch);
            equal(aff, col("CTH_BR_CODE"), in.chosenBranch);
        }
    } else if (in.userClass == QLatin1String("5") && sameDayBranch) {
        for (const char *c : {"LOC_BR_CODE", "ORD_BR_CODE", "CTH_BR_CODE", "CTH_MNG_BR_CODE"})
            equal(aff, col(c), in.br);
        equal(aff, col("DVRY_TYPE_CD"), in.stDvryType);
        // Orders not shared between groups are still only those of the branch.
        const int grp = col("DVRY_GRP_TYPE");
        if (in.sameDayNormal == 1 && grp >= 0)
            notShared.add(FilterCondition::make(grp, FilterOp::NotEqual, QStringLiteral("2")));
    }
    pastSet(grid, 1, aff);
    pastSet(grid, 7, notShared);

    FilterGroup status = pastOrGroup();
    if (!in.statusAll)
        for (const int button : in.statuses)
            for (const int code : PastStatusButtonCodes(button))
                equal(status, col("ORD_STATUS_CD"), QString::number(code));
    pastSet(grid, 2, status);

    FilterGroup no = pastOrGroup();
    like(no, col("ORD_NO"), in.ordNo);
    like(no, col("ExtSubCode"), in.ordNo);
    pastSet(grid, 3, no);
    FilterGroup wk = pastOrGroup();
    for (const char *c : {"CTH_WK_NAME", "CTH_WK_TEL", "CTH_SOL_WK_NAME", "CTH_SOL_WK_TEL", "CTH_LOGI_WK_NAME",
                          "CTH_LOGI_WK_TEL", "CTH_LOC_WK_NAME", "CTH_LOC_WK_TEL", "ORD_CU_NAME"})
        like(wk, col(c), in.wkName);
    pastSet(grid, 4, wk);
    // The store-name and phone boxes each look at their own column; both filled, either may match.
    FilterGroup named = pastOrGroup();
    like(named, col("ORD_ST_NAME"), in.cuName);
    like(named, col("ORD_CU_TEL"), in.cuTel);
    pastSet(grid, 5, named);
    FilterGroup addr = pastOrGroup();
    for (const char *c : {"EA_ADDR_4", "EA_ADDR_5", "EA_ADDR_6", "EA_ADDR_7"})
        like(addr, col(c), in.cuAddr);
    pastSet(grid, 6, addr);

    grid.setFilterEnabled(true);
    grid.endUpdate();
}

PastSameDayCounts CountPastSameDay(const GridTableModel &grid, const QString &prefix)
{
    PastSameDayCounts c;
    const int sc = grid.columnIndex(prefix + QStringLiteral("ORD_STATUS_CD"));
    for (int r = 0; r < grid.recordCount(); ++r) {
        ++c.total;
        const QString s = sc < 0 ? QString() : grid.recordValue(r, sc).toString();
        if (s == QLatin1String("4001"))
            ++c.done;
        else if (s == QLatin1String("1002") || s == QLatin1String("1007"))
            ++c.waiting;
        else if (s == QLatin1String("4002"))
            ++c.cancelled;
        else if (s == QLatin1String("4003"))
            ++c.inquiry;
    }
    return c;
}
