#include "orders/same_day_record.h"

#include "common/program_globals.h"
#include "records/session_records.h"

#include <cmath>

namespace
{
constexpr std::array<int, A3::kTextCount> kA3Columns = {
#define CD_A3_COL(name, col) col,
    A3_TEXT_FIELDS(CD_A3_COL)
#undef CD_A3_COL
};

struct A3IntColumn
{
    int A3Values::*field;
    int column;
    const char *name;
};
constexpr A3IntColumn kA3IntColumns[] = {
#define CD_A3_INTCOL(name, col) {&A3Values::name, col, #name},
    A3_INT_FIELDS(CD_A3_INTCOL)
#undef CD_A3_INTCOL
};
} // namespace

QString SameDayStatusSlot(QStringView status)
{
    bool ok = false;
    const int s = status.toInt(&ok);
    if (!ok)
        return QString();
    switch (s) {
    case 1001: return QStringLiteral("1");
    case 1002:
    case 1007: return QStringLiteral("6");
    case 2001: return QStringLiteral("2");
    case 3001: return QStringLiteral("3");
    case 3003: return QStringLiteral("4");
    case 4001: return QStringLiteral("5");
    case 4002: return QStringLiteral("7");
    case 4003: return QStringLiteral("8");
    case 6101: case 6201: case 6203: case 6301: return QStringLiteral("9");
    case 7101: case 7201: case 7203: case 7301: return QStringLiteral("10");
    case 8101: case 8201: case 8203: case 8301: return QStringLiteral("11");
    case 8421: case 8431: case 8433: case 8441: return QStringLiteral("12");
    default: return QStringLiteral("-1");
    }
}

QString A3Values::GetChgStatus() const
{
    return SameDayStatusSlot(ORD_STATUS_CD());
}

bool A3Values::GetMyOrder(const QString &userClass, const QString &br, const QString &hd,
                          const QString &stDvryType, int samedayNormalType) const
{
    if (userClass == QLatin1String("7"))
        return LOC_HD_CODE() == hd || ORD_HD_CODE() == hd || CTH_MNG_HD_CODE() == hd;
    if (userClass == QLatin1String("5")) {
        if (LOC_BR_CODE() == br || ORD_BR_CODE() == br || CTH_BR_CODE() == br
            || CTH_MNG_BR_CODE() == br)
            return true;
        return !(DVRY_TYPE_CD() != stDvryType && samedayNormalType == 1 && DVRY_GRP_TYPE() == u"2");
    }
    return true;
}

bool A3Values::GetMyOrder() const
{
    return GetMyOrder(QString(G_USER_INFO.USER_TYPE_CD).left(1), G_USER_INFO.BR, G_USER_INFO.HD,
                      G_USER_INFO.ST_DVRY_TYPE_CD, G_USER_INFO.SAMEDAY_NORMAL_TYPE);
}

bool proc_SetA3OrderFromRow(TA3ORDER &order, const QString &row, QString *error)
{
    QString buffer;
    std::vector<FieldSpan> columns;
    const QChar sep = G_FIELD_SEP.isEmpty() ? QChar(0x2502) : G_FIELD_SEP.at(0);
    if (!SplitRowSpans(row, sep, buffer, columns)) {
        if (error)
            *error = QStringLiteral("row longer than %1 characters").arg(kMaxFieldBuffer);
        return false;
    }
    if (int(columns.size()) < kA3RowColumns) {
        if (error)
            *error = QStringLiteral("row has %1 of %2 columns").arg(columns.size()).arg(kA3RowColumns);
        return false;
    }
    auto col = [&](int c) {
        const FieldSpan s = columns[size_t(c)];
        return QStringView(buffer).mid(s.pos, s.len);
    };
    // Read the numbers first: a refused row must leave the order untouched.
    int ints[std::size(kA3IntColumns)];
    for (size_t i = 0; i < std::size(kA3IntColumns); ++i) {
        bool ok = false;
        ints[i] = col(kA3IntColumns[i].column).toInt(&ok);
        if (!ok) {
            if (error)
                *error = QStringLiteral("column %1 (%2) is not a whole number")
                             .arg(kA3IntColumns[i].column)
                             .arg(QLatin1String(kA3IntColumns[i].name));
            return false;
        }
    }
    bool ok = false;
    const double distance = col(kA3DistanceColumn).toDouble(&ok);
    if (!ok || !std::isfinite(distance)) {
        if (error)
            *error = QStringLiteral("column %1 (DVRY_DISTANCE) is not a number").arg(kA3DistanceColumn);
        return false;
    }

    std::array<int, A3::kTextCount> columnOf = kA3Columns;
    if (int(columns.size()) > kA3EndImageColumn)
        columnOf[A3::EA_END_IMG] = kA3EndImageColumn;
    order.texts.assignRow(buffer, columns, columnOf);
    for (size_t i = 0; i < std::size(kA3IntColumns); ++i)
        order.*(kA3IntColumns[i].field) = ints[i];
    order.DVRY_DISTANCE = distance;
    order.set(A3::StaGroup, {});
    order.set(A3::error, {});
    if (!order.OLD_ORDER)
        order.OLD_ORDER = std::make_unique<TA3OLDORDER>();
    return true;
}

void proc_CopyA3OldOrder(TA3OLDORDER &oldOrder, const TA3ORDER &order)
{
    const int penalty = oldOrder.PENALTY_AMT;
    static_cast<A3Values &>(oldOrder) = static_cast<const A3Values &>(order);
    oldOrder.PENALTY_AMT = penalty;
    oldOrder.set(A3::StaGroup, {});
    oldOrder.set(A3::error, {});
}

void proc_A3ToA1Order(const TA3ORDER &o, TA1ORDER &a1)
{
#define CD_COPY_TEXT(name) a1.set(A1::name, o.name());
    CD_COPY_TEXT(ORD_TYPE) CD_COPY_TEXT(ORD_NO) CD_COPY_TEXT(ORD_TYPE_CD) CD_COPY_TEXT(ORD_STATUS_CD)
    CD_COPY_TEXT(ORD_DATE) CD_COPY_TEXT(MOD_DATE) CD_COPY_TEXT(PICKUP_DATE) CD_COPY_TEXT(END_DATE)
    CD_COPY_TEXT(ORD_CU_TEL) CD_COPY_TEXT(EA_ADDR_4) CD_COPY_TEXT(CHARGE_TYPE) CD_COPY_TEXT(PAY_TYPE_CD)
    CD_COPY_TEXT(CTH_WK_NAME) CD_COPY_TEXT(CTH_WK_TEL) CD_COPY_TEXT(ORD_MEMO) CD_COPY_TEXT(CTH_ST_NAME)
    CD_COPY_TEXT(ORD_PATH_CD) CD_COPY_TEXT(CTH_ST_TEL) CD_COPY_TEXT(ORD_CU_NAME) CD_COPY_TEXT(DVRY_TYPE_CD)
    CD_COPY_TEXT(XY_ACC_TYPE) CD_COPY_TEXT(EA_ADDR_5) CD_COPY_TEXT(GOODS_NAMES) CD_COPY_TEXT(ORG_PAY_TYPE)
    CD_COPY_TEXT(ORD_BR_CODE) CD_COPY_TEXT(EA_ADDR_6) CD_COPY_TEXT(EA_ADDR_7) CD_COPY_TEXT(PUT_USER_ID)
    CD_COPY_TEXT(CTH_BR_CODE) CD_COPY_TEXT(CTH_ST_CODE) CD_COPY_TEXT(CTH_DATE) CD_COPY_TEXT(READY_CHANGE_DATE)
    CD_COPY_TEXT(CTH_DVRY_TYPE_CD) CD_COPY_TEXT(ST_DVRY_TYPE_CD) CD_COPY_TEXT(DVRY_MNG_TYPE)
    CD_COPY_TEXT(MOD_USER_ID) CD_COPY_TEXT(ORD_MASTER_ST_CODE) CD_COPY_TEXT(CTH_MNG_BR_CODE)
    CD_COPY_TEXT(CTH_MNG_HD_CODE) CD_COPY_TEXT(ORD_HD_CODE) CD_COPY_TEXT(EA_ADDR_10) CD_COPY_TEXT(CTH_WK_CODE)
    CD_COPY_TEXT(EA_LAT_Y) CD_COPY_TEXT(EA_LNG_X) CD_COPY_TEXT(SA_LAT_Y) CD_COPY_TEXT(SA_LNG_X)
    CD_COPY_TEXT(CU_050_NUM) CD_COPY_TEXT(DVRY_TAX_YN) CD_COPY_TEXT(DVRY_NLT_TYPE) CD_COPY_TEXT(CHARGE_HISTORY)
    CD_COPY_TEXT(EA_ADDR_STR) CD_COPY_TEXT(DVRY_GRP_TYPE) CD_COPY_TEXT(ORD_ST_TEL) CD_COPY_TEXT(CTH_WK_GOODS_PAY_TYPE)
#undef CD_COPY_TEXT
#define CD_COPY_INT(name) a1.name = o.name;
    CD_COPY_INT(ORD_TODAY_NO) CD_COPY_INT(ORD_TODAY_ADD_NO) CD_COPY_INT(ORD_TODAY_ALL_NO)
    CD_COPY_INT(ORD_CU_END_CNT) CD_COPY_INT(DVRY_AMT) CD_COPY_INT(ORD_AMT) CD_COPY_INT(DISCOUNT_AMT)
    CD_COPY_INT(SRV_AMT) CD_COPY_INT(PAY_AMT) CD_COPY_INT(DVRY_CNT) CD_COPY_INT(CASH_MOVE_CNT)
    CD_COPY_INT(CASH_MOVE_AMT) CD_COPY_INT(DVRY_LOCK_TIME) CD_COPY_INT(DVRY_EX_CHARGE)
    CD_COPY_INT(DVRY_MNG_FEE) CD_COPY_INT(PENALTY_AMT)
#undef CD_COPY_INT
    a1.DVRY_DISTANCE = o.DVRY_DISTANCE;
    a1.set(A1::TAKEOUT_DATE, o.PICKUP_DATE());
    a1.set(A1::BR_NAME, o.ORD_BR_NAME());
    // The copy's store is the latest hub the order has reached.
    if (!o.LOC_HUB_CODE().isEmpty()) {
        a1.set(A1::ORD_ST_CODE, o.LOC_HUB_CODE());
        a1.set(A1::ORD_ST_NAME, o.LOC_HUB_NAME());
    } else if (!o.LOGI_CENTER_CODE().isEmpty()) {
        a1.set(A1::ORD_ST_CODE, o.LOGI_CENTER_CODE());
        a1.set(A1::ORD_ST_NAME, o.LOGI_CENTER_NAME());
    } else if (!o.SOL_HUB_CODE().isEmpty()) {
        a1.set(A1::ORD_ST_CODE, o.SOL_HUB_CODE());
        a1.set(A1::ORD_ST_NAME, o.SOL_HUB_NAME());
    }
    a1.set(A1::TAKEOUT_YN, u"N");
    a1.set(A1::CTH_WK_ARR_TIME, u"0");
    a1.set(A1::ORD_DATA_YN, u"Y");

    TA1OLDORDER *old = a1.OLD_ORDER;
    *old = TA1OLDORDER();
    if (o.OLD_ORDER) {
        const TA3OLDORDER &s = *o.OLD_ORDER;
#define CD_SNAP_TEXT(name) old->set(A1::name, s.name());
        CD_SNAP_TEXT(ORD_STATUS_CD) CD_SNAP_TEXT(MOD_DATE) CD_SNAP_TEXT(PICKUP_DATE) CD_SNAP_TEXT(END_DATE)
        CD_SNAP_TEXT(EA_ADDR_4) CD_SNAP_TEXT(CHARGE_TYPE) CD_SNAP_TEXT(PAY_TYPE_CD) CD_SNAP_TEXT(CTH_WK_NAME)
        CD_SNAP_TEXT(CTH_WK_TEL) CD_SNAP_TEXT(ORD_MEMO) CD_SNAP_TEXT(READY_CHANGE_DATE) CD_SNAP_TEXT(EA_ADDR_5)
        CD_SNAP_TEXT(EA_ADDR_6) CD_SNAP_TEXT(EA_ADDR_7) CD_SNAP_TEXT(EA_ADDR_10) CD_SNAP_TEXT(EA_ADDR_STR)
        CD_SNAP_TEXT(EA_LAT_Y) CD_SNAP_TEXT(EA_LNG_X)
#undef CD_SNAP_TEXT
        old->DVRY_AMT = s.DVRY_AMT;
        old->DISCOUNT_AMT = s.DISCOUNT_AMT;
        old->SRV_AMT = s.SRV_AMT;
        old->PAY_AMT = s.PAY_AMT;
    }

    const int status = StatusNumber(a1.ORD_STATUS_CD(), 1001);
    if (status < 3001 || status > 4001) {
        a1.set(A1::CTH_ST_CODE, {});
        a1.set(A1::CTH_DVRY_TYPE_CD, {});
    }
}
