#pragma once

#include "orders/field_store.h"
#include "orders/order_record.h"

#include <QString>
#include <QStringView>

#include <memory>

// Text fields of a same-day order with the reply column of each (-1: no column).
#define A3_TEXT_FIELDS(X)                                                                        \
    X(ORD_NO, 0) X(ORD_TYPE_CD, 4) X(ORD_STATUS_CD, 5) X(ORD_DATE, 6) X(PICKUP_DATE, 7)          \
    X(END_DATE, 8) X(ORD_CU_TEL, 9) X(EA_ADDR_4, 11) X(CHARGE_TYPE, 17) X(PAY_TYPE_CD, 18)       \
    X(CTH_WK_NAME, 20) X(CTH_WK_TEL, 21) X(ORD_MEMO, 22) X(CTH_ST_NAME, 23) X(ORD_PATH_CD, 25)   \
    X(CTH_ST_TEL, 26) X(ORD_ST_CODE, 27) X(ORD_ST_NAME, 28) X(DVRY_TYPE_CD, 29)                  \
    X(XY_ACC_TYPE, 30) X(EA_ADDR_5, 31) X(GOODS_NAMES, 32) X(ORG_PAY_TYPE, 33)                   \
    X(ORD_BR_CODE, 36) X(EA_ADDR_6, 37) X(EA_ADDR_7, 38) X(PUT_USER_ID, 39) X(CTH_BR_CODE, 40)   \
    X(CTH_ST_CODE, 41) X(CTH_DATE, 42) X(READY_CHANGE_DATE, 43) X(CTH_DVRY_TYPE_CD, 44)          \
    X(ST_DVRY_TYPE_CD, 46) X(DVRY_MNG_TYPE, 48) X(MOD_USER_ID, 50) X(ORD_MASTER_ST_CODE, 51)     \
    X(CTH_MNG_BR_CODE, 52) X(CTH_MNG_HD_CODE, 53) X(ORD_HD_CODE, 54) X(EA_ADDR_10, 55)           \
    X(CTH_WK_CODE, 56) X(EA_LAT_Y, 57) X(EA_LNG_X, 58) X(ORD_BR_NAME, 59) X(SA_LAT_Y, 60)        \
    X(SA_LNG_X, 61) X(CU_050_NUM, 62) X(DVRY_TAX_YN, 63) X(DVRY_NLT_TYPE, 64)                    \
    X(CHARGE_HISTORY, 65) X(EA_ADDR_STR, 66) X(DVRY_GRP_TYPE, 67) X(MOD_DATE, 68)                \
    X(ORD_ST_TEL, 69) X(CTH_WK_GOODS_PAY_TYPE, 70) X(SOL_HUB_CODE, 71) X(SOL_HUB_NAME, 72)       \
    X(CTH_SOL_WK_CODE, 73) X(CTH_SOL_WK_NAME, 74) X(CTH_SOL_WK_TEL, 75)                          \
    X(LOGI_CENTER_CODE, 76) X(LOGI_CENTER_NAME, 77) X(CTH_LOGI_WK_CODE, 78)                      \
    X(CTH_LOGI_WK_NAME, 79) X(CTH_LOGI_WK_TEL, 80) X(LOC_HD_CODE, 81) X(LOC_HD_NAME, 82)         \
    X(LOC_BR_CODE, 83) X(LOC_BR_NAME, 84) X(ORD_CU_NAME, 85) X(LOC_HUB_CODE, 86)                 \
    X(LOC_HUB_NAME, 87) X(CTH_LOC_WK_CODE, 88) X(CTH_LOC_WK_NAME, 89) X(CTH_LOC_WK_TEL, 90)      \
    X(EXT_URL, 92) X(ORD_GRP_NO, 93) X(ORD_GRP_ADD_NO, 94) X(ORD_GRP_NAME, 95)                   \
    X(ORD_GRP_AREA, 96) X(EXT_SUB_CODE, 97) X(StaGroup, -1) X(error, -1) X(ORD_TYPE, -1)         \
    X(EA_END_IMG, -1)

#define A3_INT_FIELDS(X)                                                                         \
    X(ORD_TODAY_NO, 1) X(ORD_TODAY_ADD_NO, 2) X(ORD_TODAY_ALL_NO, 3) X(ORD_CU_END_CNT, 10)      \
    X(DVRY_AMT, 13) X(ORD_AMT, 14) X(DISCOUNT_AMT, 15) X(SRV_AMT, 16) X(PAY_AMT, 19)            \
    X(DVRY_CNT, 24) X(CASH_MOVE_CNT, 34) X(CASH_MOVE_AMT, 35) X(DVRY_LOCK_TIME, 45)             \
    X(DVRY_EX_CHARGE, 47) X(DVRY_MNG_FEE, 49)

inline constexpr int kA3DistanceColumn = 12;
inline constexpr int kA3EndImageColumn = 98;
// Columns a same-day row needs at least.
inline constexpr int kA3RowColumns = 98;

namespace A3
{
enum Field : int
{
#define CD_A3_ENUM(name, col) name,
    A3_TEXT_FIELDS(CD_A3_ENUM)
#undef CD_A3_ENUM
        kTextCount
};
} // namespace A3

struct A3Values
{
    FieldStore<A3::kTextCount> texts;
#define CD_A3_INT(name, col) int name = 0;
    A3_INT_FIELDS(CD_A3_INT)
#undef CD_A3_INT
    int PENALTY_AMT = 0;  // carried, never filled from the row
    double DVRY_DISTANCE = 0.0;

#define CD_A3_GET(name, col)                                                                     \
    QStringView name() const { return texts.view(A3::name); }
    A3_TEXT_FIELDS(CD_A3_GET)
#undef CD_A3_GET

    QString text(A3::Field f) const { return texts.text(f); }
    void set(A3::Field f, QStringView value) { texts.setText(f, value); }

    // The status slot of the same-day board ("1".."12", "-1" for any other status); empty
    // when the status is not a whole number.
    QString GetChgStatus() const;
    // The order concerns the logged-in distributor or partner head office.
    bool GetMyOrder(const QString &userClass, const QString &br, const QString &hd,
                    const QString &stDvryType, int samedayNormalType) const;
    bool GetMyOrder() const;
};

struct TA3OLDORDER : A3Values
{
};

struct TA3ORDER : A3Values
{
    std::unique_ptr<TA3OLDORDER> OLD_ORDER;

    TA3ORDER() : OLD_ORDER(std::make_unique<TA3OLDORDER>()) {}
    TA3ORDER(const TA3ORDER &other) : A3Values(other), OLD_ORDER(std::make_unique<TA3OLDORDER>(*other.OLD_ORDER)) {}
};

// The status slot of a status text; empty when it is not a whole number.
QString SameDayStatusSlot(QStringView status);

// Fills a same-day order from a row. The numbers of this row are read strictly: a row with
// fewer than 98 columns or a column that is not a number is refused (with the reason in
// `error`) and the order is left as it was.
bool proc_SetA3OrderFromRow(TA3ORDER &order, const QString &row, QString *error = nullptr);
// Copies the order into its snapshot; PENALTY_AMT is not copied, StaGroup and error are emptied.
void proc_CopyA3OldOrder(TA3OLDORDER &oldOrder, const TA3ORDER &order);
// Fills a fresh live record from a same-day order for the courier and waiting-order lists.
void proc_A3ToA1Order(const TA3ORDER &order, TA1ORDER &a1);
