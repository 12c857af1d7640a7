#pragma once

#include "orders/field_store.h"
#include "records/business_rules.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

// Text fields of the live order with the reply column that fills each (-1: no column). The
// numbers of the record are plain members (see A1_INT_FIELDS).
#define A1_TEXT_FIELDS(X)                                                                        \
    X(ORD_NO, 0) X(ORD_TYPE_CD, 4) X(ORD_STATUS_CD, 5) X(ORD_DATE, 6) X(MOD_DATE, 7)             \
    X(PICKUP_DATE, 8) X(TAKEOUT_DATE, 9) X(END_DATE, 10) X(ORD_CU_TEL, 11) X(EA_ADDR_4, 13)      \
    X(CHARGE_TYPE, 19) X(PAY_TYPE_CD, 20) X(TRAN_TYPE, 23) X(CTH_WK_NAME, 24)                    \
    X(CTH_WK_TEL, 25) X(ORD_MEMO, 26) X(CTH_ST_NAME, 27) X(ORD_PATH_CD, 29) X(CTH_ST_TEL, 30)    \
    X(ORD_CU_NAME, 31) X(TAKEOUT_YN, 32) X(ORD_ST_CODE, 33) X(ORD_ST_NAME, 34)                  \
    X(DVRY_TYPE_CD, 35) X(XY_ACC_TYPE, 36) X(EA_ADDR_5, 37) X(READY_TIME, 38)                   \
    X(GOODS_NAMES, 39) X(ORG_PAY_TYPE, 40) X(ORD_BR_CODE, 43) X(EA_ADDR_6, 44)                  \
    X(EA_ADDR_7, 45) X(PUT_USER_ID, 46) X(CTH_BR_CODE, 47) X(CTH_ST_CODE, 48)                   \
    X(CTH_WK_ARR_TIME, 49) X(CTH_DATE, 50) X(READY_CHANGE_DATE, 51) X(CTH_DVRY_TYPE_CD, 52)     \
    X(ST_DVRY_TYPE_CD, 54) X(DVRY_MNG_TYPE, 57) X(VAN_TYPE_CD, 59) X(CARD_APPR_NUM, 60)         \
    X(MOD_USER_ID, 61) X(ORD_MASTER_ST_CODE, 62) X(CTH_MNG_BR_CODE, 63) X(CTH_MNG_HD_CODE, 64)  \
    X(ORD_HD_CODE, 65) X(CTH_WK_ARR_DATE, 67) X(READY_CTH_YN, 68) X(POS_ORD_CODE, 69)           \
    X(EA_ADDR_10, 70) X(CTH_WK_CODE, 71) X(ACQUIRER_NAME, 72) X(EA_LAT_Y, 73) X(EA_LNG_X, 74)   \
    X(BR_NAME, 75) X(SA_LAT_Y, 76) X(SA_LNG_X, 77) X(CU_050_NUM, 78) X(ORD_DATA_YN, 79)         \
    X(DVRY_TAX_YN, 80) X(DVRY_NLT_TYPE, 81) X(ST_DVRY_HD_CODE, 82) X(ST_DVRY_BR_CODE, 83)       \
    X(CHARGE_HISTORY, 84) X(EA_ADDR_STR, 85) X(DVRY_GRP_TYPE, 86) X(MOD_DATE_STAMP, 87)         \
    X(ORD_ST_TEL, 88) X(ARR_TIME, 89) X(CTH_WK_GOODS_PAY_TYPE, 90) X(SA_ADDR1, 91)              \
    X(SA_ADDR2, 92) X(SA_ADDR3, 93) X(SA_ADDR8, 94) X(SA_ADDR9, 95) X(SA_ADDR10, 96)            \
    X(SA_ADDR11, 97) X(SA_ADDR12, 98) X(SA_ADDR5, 99) X(CANCEL_AJ_YN, 100) X(ORG_ORD_NO, 103)   \
    X(CANCEL_DATE, 105) X(ORD_CU_TEL_2, 106) X(DVRY_RESV_DATE, 107) X(ORD_TYPE, -1)             \
    X(PICKUP_READY_TYPE, 108) X(DVRY_SERVICE_TYPE, 109) X(EA_ADDR_1, 110) X(EA_ADDR_2, 111)     \
    X(EA_ADDR_3, 112) X(EA_ADDR_8, 113) X(ORD_GRP_NO, 114) X(ORD_GRP_CNT, 115)                  \
    X(PRE_CTH_YN, 116) X(SHARE_GROUP, -1) X(BTOB_DVRY_TYPE_CD, 117) X(AUTO_GRP_YN, 118)         \
    X(EXT_ORD_NO, 119) X(MANUAL_GRP_YN, 120) X(CU_ST_CODE, 121) X(MASTER_ST_NAME, -1)           \
    X(POS_TYPE_CD, 122) X(EA_END_IMG, -1)

#define A1_INT_FIELDS(X)                                                                         \
    X(ORD_TODAY_NO, 1) X(ORD_TODAY_ADD_NO, 2) X(ORD_TODAY_ALL_NO, 3) X(ORD_CU_END_CNT, 12)      \
    X(DVRY_AMT, 15) X(ORD_AMT, 16) X(DISCOUNT_AMT, 17) X(SRV_AMT, 18) X(PAY_AMT, 21)            \
    X(PAY_MILEAGE, 22) X(DVRY_CNT, 28) X(CASH_MOVE_CNT, 41) X(CASH_MOVE_AMT, 42)                \
    X(DVRY_LOCK_TIME, 53) X(ORD_CU_MULTI_END_CNT, 55) X(DVRY_EX_CHARGE, 56) X(DVRY_MNG_FEE, 58) \
    X(EA_ADDR_MOD_CNT, 66) X(DVRY_BR_ADD_PRICE, 101) X(DVRY_ST_ADD_PRICE, 102)                  \
    X(PENALTY_AMT, 104)

// Column of the distance (a decimal number).
inline constexpr int kA1DistanceColumn = 14;
// Columns of a live or completed order row.
inline constexpr int kA1RowColumns = 123;

namespace A1
{
enum Field : int
{
#define CD_A1_ENUM(name, col) name,
    A1_TEXT_FIELDS(CD_A1_ENUM)
#undef CD_A1_ENUM
        kTextCount
};
} // namespace A1

// Every value of a live order: the texts, the numbers and the distance. Both the order and its
// snapshot are made of it, so refreshing the snapshot is one cheap copy.
struct A1Values
{
    FieldStore<A1::kTextCount> texts;
#define CD_A1_INT(name, col) int name = 0;
    A1_INT_FIELDS(CD_A1_INT)
#undef CD_A1_INT
    double DVRY_DISTANCE = 0.0;

    // Text accessors named after the fields: ORD_NO(), ORD_STATUS_CD(), ... The view is valid
    // until the record changes.
#define CD_A1_GET(name, col)                                                                     \
    QStringView name() const { return texts.view(A1::name); }
    A1_TEXT_FIELDS(CD_A1_GET)
#undef CD_A1_GET

    QString text(A1::Field f) const { return texts.text(f); }
    void set(A1::Field f, QStringView value) { texts.setText(f, value); }
};

// The previous state of an order, against which the dispatch detects what changed. It carries
// the order's values (EA_END_IMG is its own and survives a refresh).
struct TA1OLDORDER : A1Values
{
};

struct TA1ORDER;

// What the order methods read of the login and the board selections.
struct TOrderLogin
{
    QString userClass;  // first character of USER_TYPE_CD
    QString BR;
    QString HD;
    QStringList selBranches;   // ticked branches (G_SL_ORD_FILTER [1])
    QStringList selPaths;      // ticked order paths ([5])
    QStringList selPosTypes;   // ticked POS types ([6])
    QStringList prepaidPaths;  // G_SL_O3_COL11
};
// The login and selections of the running session.
TOrderLogin CurrentOrderLogin();

// A live delivery order as the boards, the control screens and the maps share it.
struct TA1ORDER : A1Values
{
private:
    // The snapshot lives with its order (one allocation for both).
    TA1OLDORDER m_snapshot;

public:
    // The order's snapshot; never null, and as long-lived as the order.
    TA1OLDORDER *const OLD_ORDER = &m_snapshot;

    // Bookkeeping of the live-order engine: the status and store under which the order sits in
    // the board counters (-1: not counted), and the stamp of the board row last filled from it.
    int countedStatus = -1;
    int countedStore = -1;
    QString boardRowStamp;

    TA1ORDER() = default;
    // A copy is a new record with a copy of the values and of the snapshot, counted nowhere.
    TA1ORDER(const TA1ORDER &other) : A1Values(other), m_snapshot(other.m_snapshot) {}
    TA1ORDER &operator=(const TA1ORDER &other)
    {
        A1Values::operator=(other);
        m_snapshot = other.m_snapshot;
        return *this;
    }

    // The destination line; empty unless the order is delivered.
    QString GetAddr() const;
    // The start address line.
    QString GetSaAddr() const;
    // Payment texts from PAY_TYPE_CD and from ORG_PAY_TYPE.
    QString GetPayType(const TOrderLogin &login) const;
    QString GetOrgPayType(const TOrderLogin &login) const;
    // Delivered (TAKEOUT_YN "N").
    bool GetDvryOrder() const { return TAKEOUT_YN() == u"N"; }
    // The order belongs to the logged-in distributor (its branch) or partner head office.
    bool GetMyOrder(const TOrderLogin &login) const;
    bool GetMyOrder() const { return GetMyOrder(CurrentOrderLogin()); }
    // The order passes the board's branch, order-path and POS selections.
    bool GetOrderViewYN(const TOrderLogin &login) const;

    // The fields the shared visibility rules read.
    TOrderVisibility visibilityFields() const;
    // Whether this order belongs on the board of the logged-in user.
    bool GetCheckOrderAdd() const;
    bool GetCheckOrderAdd(const TVisibilityContext &ctx) const;
};

// Name of a payment code from the code table (group "O7").
QString PayTypeName(const QString &code);

// Splits a row (the reply escaping undone) and fills `order` from it; `order.OLD_ORDER` is kept
// (the snapshot is linked, not filled). A row with fewer than 123 columns or too long is
// refused before anything of the order changes, so a known order is never left half refilled.
// `shareGroups` are the share groups whose orders count as this login's own.
bool proc_SetA1OrderFromRow(TA1ORDER &order, const QString &row, const QStringList &shareGroups,
                            QString *error = nullptr);
// The same from split spans (used by the parser and the benchmark).
bool proc_SetA1OrderFromSpans(TA1ORDER &order, const QString &buffer,
                              const std::vector<FieldSpan> &columns, const QStringList &shareGroups,
                              QString *error = nullptr);
// Copies the order's values into its snapshot; the snapshot's EA_END_IMG is kept.
void proc_CopyA1OldOrder(TA1OLDORDER &oldOrder, const TA1ORDER &order);

// A one-line summary of an order.
struct TViewOrder
{
    QString ORD_TYPE;
    QString ORD_NO;
    QString ORD_STATUS_CD;
    QString CHARGE_TYPE;
    QString PAY_TYPE_CD;
    QString PAY_AMT;
    QString EA_ADDR;
    QString ORD_PATH_CD;
    QString CTH_WK_CODE;
    QString ADD_TIME;
    QString EA_LAT_Y;
    QString EA_LNG_X;
    QString SA_LAT_Y;
    QString SA_LNG_X;
};

// Whole number of a text, or `def` when it is not one.
int StatusNumber(QStringView status, int def);
