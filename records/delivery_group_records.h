#pragma once

#include "text/fixed_text.h"

#include <QList>
#include <QString>
#include <QStringList>

class ReplyRow;

// Sharing rule between delivery groups.
struct TSHARE_GROUP
{
    FixedText<1> SHARE_TYPE;
    FixedText<4> DVRY_TYPE_CD;     // group whose orders are shared
    FixedText<4> SH_DVRY_TYPE_CD;  // group that receives them
    int SHARE_TIME = 0;            // seconds before the receiving group sees a requested order
    FixedText<1> DVRY_SHARE_TYPE;
};

// Delivery group of a store or manager.
struct TDVRY_LIST
{
    FixedText<7> ST_CODE;
    FixedText<4> DVRY_TYPE_CD;
    QString DT_NAME;
    FixedText<7> MNG_BR_CODE;
    int MNG_1_FEE = 0;
    int MNG_2_FEE = 0;
    FixedText<1> EX_YN;
    int EX_CHARGE = 0;
    FixedText<4> EX_S_TIME;  // hhnn
    FixedText<4> EX_E_TIME;  // hhnn
    QStringList SL_SH_M_LIST;
    QStringList SL_SH_S_LIST;
    FixedText<20> BR_TEL;
    QList<TSHARE_GROUP> SH_LIST;
};

// Delivery group with its settings and live state.
struct TDVRY_GRP_INFO
{
    FixedText<4> DVRY_TYPE_CD;
    FixedText<1> EX_YN;
    FixedText<10> EX_CHARGE;
    FixedText<4> EX_S_TIME;
    FixedText<4> EX_E_TIME;
    FixedText<1> STATUS_TYPE;
    FixedText<100> STATUS_TEXT;
    int ST_2001 = 0;
    int WK_3001 = 0;
    int WK_3003 = 0;
    int WK_ATT_CNT = 0;
    int SH_ST_2001 = 0;
    int SH_WK_3001 = 0;
    int SH_WK_3003 = 0;
    QString ST_TEXT;
    int DELAY_TIME = 0;  // minutes
    FixedText<1> BMNG_TIME;
    FixedText<4> MNG_STIME;
    FixedText<4> MNG_ETIME;
    FixedText<10> VIEW_DATA;
    bool MNG_YN = false;  // inside the supervised hours when the entry was filled
    FixedText<1> EX_WEEKDAY_YN;
    FixedText<10> EX_WEEKDAY_FEE;
    FixedText<7> EX_WEEKDAY_DAY;
    FixedText<1> EX_ADD_YN;
    FixedText<10> EX_ADD_FEE;
    FixedText<1> WK_CTH_TIME_YN;
    FixedText<10> WK_CTH_TIME;
    FixedText<1> WK_CTH_PICKUP_YN;
    FixedText<10> WK_CTH_PICKUP_TIME;
    FixedText<10> WK_CTH_PICKUP_CNT;
    FixedText<1> ADD_DELAY_TIME_YN;
    FixedText<1> ONCE_CTH_CNT_YN;
    FixedText<10> ONCE_CTH_CNT;
    FixedText<1> DVRY_GRP_TYPE;
    FixedText<1> WK_ALARM_CONFIG;
    FixedText<1> WK_RANGE_CONFIG;
    FixedText<5> VIEW_DATA_WK;
    FixedText<1> ST_READY_FIX_YN;
    FixedText<1> WK_CTH_CANCEL_YN;
    FixedText<5> WK_LIST_ORDER_CFG;
    FixedText<1> WK_PRE_CTH_YN;
    FixedText<1> ST_DVRY_PAY_YN;
    QString EX_TIME_STR;  // timed surcharges, comma-separated
    FixedText<1> EX_ADD_TYPE;
    FixedText<1> DVRY_LOCKTIME_CTH_YN;
};

// Share rule from a share-list row "C_0".."C_4"; a time that is not a number reads as 10 seconds.
void FillShareGroupRow(TSHARE_GROUP &rec, const ReplyRow &row);
// Delivery-out entry from a row "C_0".."C_10"; amounts that are not numbers read as 0.
void FillDvryOutRow(TDVRY_LIST &rec, const ReplyRow &row);
