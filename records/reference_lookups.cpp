#include "records/reference_lookups.h"

#include "records/business_rules.h"
#include "text/date_helpers.h"
#include "records/delivery_group_records.h"
#include "records/device_records.h"
#include "records/session_records.h"
#include "text/text_helpers.h"
#include "platform/clock.h"

QString GetBranchDvryType(const QString &brCode)
{
    for (int i = 0; i < G_ST_LIST.count(); ++i) {
        const TST_LIST &st = G_ST_LIST.at(i);
        if (st.BR_CODE.str() == brCode && st.BR_MASTER_YN.str() == QLatin1String("Y"))
            return st.DVRY_TYPE_CD;
    }
    return QString();
}

QString GetBranchName(const QString &hdCode, const QString &brCode)
{
    if (hdCode.trimmed().isEmpty())
        return QString();
    const THD_LIST *hd = G_HD_LIST.find(hdCode);
    if (!hd)
        return QString();
    const TBR_LIST *br = hd->BR_LIST.find(brCode);
    return br ? br->BR_Name : QString();
}

QString GetHdName(const QString &hdCode)
{
    if (hdCode.trimmed().isEmpty())
        return QString();
    const THD_LIST *hd = G_HD_LIST.find(hdCode);
    return hd ? hd->HD_Name : QString();
}

TGOODS_LIST GetStGoods(const QString &stCode, const QString &goodsNo)
{
    if (const TST_LIST *st = G_ST_LIST.find(stCode)) {
        for (int i = 0; i < st->GOODS_LIST.count(); ++i) {
            if (st->GOODS_LIST.at(i).ST_GOODS_NO.equals(goodsNo))
                return st->GOODS_LIST.at(i);
        }
    }
    TGOODS_LIST blank;
    blank.ST_CODE = stCode;
    blank.ST_GOODS_NO = goodsNo;
    return blank;
}

TGOOD_OP GetGoodsAddItem(const TGOODS_LIST &goods, const QString &opNo)
{
    for (int i = 0; i < goods.ADD.count(); ++i) {
        if (goods.ADD.at(i).ST_GOODS_OP_NO.equals(opNo))
            return goods.ADD.at(i);
    }
    TGOOD_OP blank;
    blank.ST_GOODS_OP_NO = opNo;
    return blank;
}

QString GetGoodsPrice(int kind, const TGOODS_LIST &goods)
{
    return kind == 0 ? goods.ORD_PRICE.str() : goods.SELL_PRICE.str();
}

bool IsOrdDiscountTime(const TGOODS_LIST &goods)
{
    const QString period = goods.ORD_DN_PERIOD.str();
    const QString window = goods.ORD_DN_TIME.str();
    const QString startDate = period.mid(0, 8), endDate = period.mid(8, 8);
    const QString startTime = window.mid(0, 4), endTime = window.mid(4, 4);
    if (startDate.isEmpty() || endDate.isEmpty() || startTime.isEmpty() || endTime.isEmpty())
        return false;
    const QString today = BusinessDateStr(QStringLiteral("yyyymmdd"));
    if (startDate > today || endDate < today)
        return false;
    const QString now = AppClock::now().toString(QStringLiteral("hhmm"));
    if (endTime >= startTime)
        return startTime <= now && now <= endTime;
    return now >= startTime || now <= endTime;
}

int FindGrpPrint(const QString &code)
{
    for (int i = 0; i < G_GRP_PRINT.size(); ++i) {
        if (G_GRP_PRINT.at(i).sCode.str() == code)
            return i;
    }
    return -1;
}

QString GetComCodeValue(const QString &syCode, const QString &dtCode, int which)
{
    const TCOM_CODE_LIST *row = FindComCode(syCode, dtCode);
    if (!row)
        return QString();
    switch (which) {
    case 0: return row->DT_NAME;
    case 1: return row->DT_VALUE;
    case 2: return row->DT_VALUE2;
    default: return QString();
    }
}

void StripProvinceText(const QString &addr, QString &result)
{
    StripProvinceText(addr, result, G_SL_PROVINCE);
}

TOrderTimeColumns DateTimeToAddStr4(const TOrderTimes &times)
{
    QString modes;
    for (const auto &mode : G_USER_SET.ORDER_TIME_VIEW)
        modes += mode.str().isEmpty() ? QStringLiteral("0") : mode.str().left(1);
    return DateTimeToAddStr4(times, modes);
}

bool AnyPrinterUsed()
{
    for (const TPRINT_SET &slot : G_PRINT_SET) {
        if (slot.Use_yn)
            return true;
    }
    return false;
}

int GridRowHeightForFontSize(int fontSize)
{
    switch (fontSize) {
    case 8: return 27;
    case 9: return 28;
    case 10: return 29;
    case 11: return 31;
    case 12: return 32;
    case 13: return 33;
    case 14: return 34;
    default: return 26;
    }
}

TVisibilityContext CurrentVisibilityContext()
{
    TVisibilityContext c;
    c.USER_TYPE_CD = G_USER_INFO.USER_TYPE_CD;
    c.BR = G_USER_INFO.BR;
    c.MNG_DVRY_TYPE_CD = G_USER_INFO.MNG_DVRY_TYPE_CD;
    c.BR_ST_CODE = G_USER_INFO.BR_ST_CODE;
    c.ST_DVRY_TYPE_CD = G_USER_INFO.ST_DVRY_TYPE_CD;
    for (const TSHARE_GROUP &g : G_SHARE_GROUP)
        c.shares.append({g.SH_DVRY_TYPE_CD, g.DVRY_TYPE_CD, g.SHARE_TIME});
    c.selBrCode = G_SL_SEL_BR_CODE;
    c.selDvryType = G_SL_SEL_DVRY_TYPE;
    c.selMasterSt = G_SL_SEL_MASTER_ST;
    c.selMasterDvry = G_SL_SEL_MASTER_DVRY;
    c.now = AppClock::now();
    return c;
}

bool CheckOrderAdd(const TOrderVisibility &order) { return CheckOrderAdd(order, CurrentVisibilityContext()); }
bool CheckOrderViewList(const TOrderVisibility &order) { return CheckOrderViewList(order, CurrentVisibilityContext()); }
