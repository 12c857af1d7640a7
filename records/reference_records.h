#pragma once

#include "records/cash_figures.h"
#include "records/delivery_group_records.h"
#include "text/fixed_text.h"
#include "text/shared_text.h"
#include "common/compact_keyed_list.h"
#include "common/keyed_list.h"
#include "records/message_records.h"

#include <QList>
#include <QString>
#include <QStringList>

class ReplyRow;

// Option or additional item of a goods item.
struct TGOOD_OP
{
    SharedFixedText<7> ST_CODE;
    SharedFixedText<15> ST_GOODS_NO;
    SharedFixedText<15> ST_GOODS_OP_NO;  // key within the owning list
    SharedFixedText<1> DATA_STATUS;
    SharedFixedText<1> OPTION_TYPE;
    SharedText OPTION_NAME;
    SharedFixedText<10> OPTION_PRICE;
    SharedFixedText<5> VIEW_ORDER;
    SharedFixedText<20> FR_GOODS_CODE;
    SharedFixedText<20> POS_GOODS_CODE;
};

// One goods item of a store. The option lists carry their key lists (SL_OP1 .. SL_ADD) as the
// code lists of their keyed lists.
// Goods and their options are the bulk of the caches (a large agency loads 200,000 goods, each
// held in its store's list and again in its group), so their texts are shared texts: four bytes a
// field, the same price, flag or name kept once. They read as QString and compare with texts.
struct TGOODS_LIST
{
    SharedFixedText<7> ST_CODE;
    SharedFixedText<15> GRP_NO;
    SharedFixedText<15> ST_GOODS_NO;
    SharedText GOODS_NAME;
    SharedFixedText<2> GOODS_NAM;  // initial-consonant key of the name
    SharedFixedText<1> DATA_STATUS;
    SharedText IMG_MAIN_FILE;
    SharedFixedText<4> GOODS_TYPE_CD;
    SharedFixedText<4> GOODS_DETAIL_CD;
    SharedText GOODS_TYPE_NAME;
    SharedText GOODS_DETAIL_NAME;
    SharedFixedText<5> GRP_CNT;
    SharedFixedText<10> ORD_PRICE;
    SharedFixedText<10> ORD_DN_PRICE;
    SharedFixedText<1> ORD_STATUS;
    SharedFixedText<16> ORD_DN_PERIOD;  // two dates yyyymmdd
    SharedFixedText<8> ORD_DN_TIME;     // two times hhnn
    SharedFixedText<10> SELL_PRICE;
    SharedFixedText<10> SELL_DN_PRICE;
    SharedFixedText<1> SELL_STATUS;
    SharedFixedText<16> SELL_DN_PERIOD;
    SharedFixedText<8> SELL_DN_TIME;
    SharedFixedText<5> ORD_LIMIT_DAY;
    SharedFixedText<5> ORD_LIMIT_ONCE;
    SharedFixedText<5> SELL_LIMIT_DAY;
    SharedFixedText<5> SELL_LIMIT_ONCE;
    SharedFixedText<1> TAX_YN;
    SharedFixedText<5> OPTION_1_CNT;
    SharedFixedText<5> OPTION_2_CNT;
    SharedFixedText<5> OPTION_3_CNT;
    SharedFixedText<5> OPTION_4_CNT;
    SharedFixedText<5> ADD_GOODS_CNT;
    CompactKeyedList<TGOOD_OP> OP1;
    CompactKeyedList<TGOOD_OP> OP2;
    CompactKeyedList<TGOOD_OP> OP3;
    CompactKeyedList<TGOOD_OP> OP4;
    CompactKeyedList<TGOOD_OP> ADD;
    SharedFixedText<10> SOL_STORE_ID;
    SharedFixedText<10> SOL_CODE;
    SharedText SOL_NAME;
    int SOL_PRICE = 0;
    SharedFixedText<1> SOL_KIND;
    SharedFixedText<10> BAROGO_CODE;
    SharedFixedText<10> BAEMIN_CODE;
    SharedFixedText<5> BAEMIN_SEQ;
    SharedText BAEMIN_NAME;
    SharedFixedText<5> YOGIYO_SEQ;
    SharedText YOGIYO_NAME;
    SharedFixedText<5> BAEDALTONG_SEQ;
    SharedText BAEDALTONG_NAME;
    SharedFixedText<20> FR_GOODS_CODE;
    SharedFixedText<20> POS_GOODS_CODE;
    SharedFixedText<30> IMG_MAIN_MOD_DATE;
    SharedText GOODS_MEMO;
    SharedFixedText<1> STOCK_YN;
    SharedFixedText<7> STOCK_CNT;
    SharedFixedText<25> BARCODE;
    SharedFixedText<1> ADULT_YN;
    SharedText CUP_DEPOSIT_PRICE;  // empty or "0" when none

    const QStringList &SL_OP1() const { return OP1.codes(); }
    const QStringList &SL_OP2() const { return OP2.codes(); }
    const QStringList &SL_OP3() const { return OP3.codes(); }
    const QStringList &SL_OP4() const { return OP4.codes(); }
    const QStringList &SL_ADD() const { return ADD.codes(); }
};

// A goods group of a store with copies of its goods (keyed by a blank and the goods number).
struct TST_GOODS_GROUP_LIST
{
    FixedText<7> ST_CODE;
    FixedText<15> GRP_NO;
    QString GRP_NAME;
    FixedText<1> DATA_STATUS;   // "1" active
    FixedText<1> GRP_USE_TYPE;  // "5": offered by the goods-group combo
    CompactKeyedList<TGOODS_LIST> GOODS;
    const QStringList &SL_GOODS() const { return GOODS.codes(); }
};

// One store with its caches.
struct TST_LIST
{
    FixedText<7> ST_CODE;
    QString ST_NAME;
    FixedText<15> ST_TEL;
    FixedText<10> CASH_ST;
    FixedText<15> CASH_DEPOSIT;
    FixedText<1> MULTI_TYPE;
    FixedText<7> MASTER_ST_CODE;
    FixedText<1> DATA_STAUS;  // "0": skipped by the store combos
    FixedText<20> ST_LAT_Y;
    FixedText<20> ST_LNG_X;
    FixedText<3> READY_TIME;
    FixedText<4> DVRY_TYPE_CD;
    FixedText<10> DVRY_MIN_PRICE_1;
    FixedText<10> DVRY_MIN_SRV_1;
    FixedText<10> DVRY_MIN_PRICE_2;
    FixedText<10> DVRY_MIN_SRV_2;
    QString ST_APP_NAME;
    FixedText<1> BR_MASTER_YN;
    FixedText<4> VBank_Code;
    FixedText<20> VBank_Name;
    FixedText<20> VBank;
    FixedText<4> TEL_TYPE_CD;
    int DVRY_LOCK_TIME = 0;  // seconds
    FixedText<10> SOL_STORE_ID;
    FixedText<5> BM_NO;
    QString BM_NAME;
    FixedText<5> YG_NO;
    QString YG_NAME;
    FixedText<5> BT_NO;
    QString BT_NAME;
    FixedText<1> CHARGE_POS_YN;
    FixedText<10> CHARGE_DAY_POS;
    FixedText<8> CHARGE_S_DAY_POS;
    FixedText<8> CHARGE_POS_ST;
    QStringList SL_GRP_ADDR_NAME;  // sorted, no duplicates
    // Groups of frequently used names keyed by group number; the default group is "0".
    KeyedList<TST_MSG_GRP> ST_MSG_ADDR;
    QList<TMSG_ADDR> ST_MSG_ADDR2;
    QStringList SL_MSG_DONG;
    QStringList SL_MSG_DONG8;
    int CRB_DONG = 0;
    int KEYWORD_ADDR_NO = 0;  // load mark of the frequently used names
    int KEYWORD_GRP_NO = 0;
    // Goods groups keyed by group number. The default group is stored under "0" at index 0, so
    // the index of a group number is the index of its group.
    KeyedList<TST_GOODS_GROUP_LIST> GOODS_GRP_LST;
    CompactKeyedList<TGOODS_LIST> GOODS_LIST;  // keyed by goods number
    FixedText<14> GOODS_SYNC_DT;        // empty forces a full reload
    QList<TDVRY_LIST> DVRY_OUT_LIST;
    int IST1 = 0;
    int IST2 = 0;
    int IST3 = 0;
    int IST4 = 0;
    int IST5 = 0;
    int ISTNUM = 0;
    FixedText<10> ORD_WORK_TIME;
    FixedText<10> ORD_WORK_DAY;
    FixedText<25> BARCODE;
    FixedText<7> BR_CODE;
    FixedText<5> HD_CODE;
    FixedText<1> AUTO_READY_YN;
    FixedText<20> ADDR1;
    FixedText<50> ADDR2;
    FixedText<50> ADDR3;
    FixedText<20> DVRY_BR_TEL;
    FixedText<20> LAST_WORD_ADDR1;
    FixedText<50> LAST_WORD_ADDR2;
    FixedText<50> LAST_WORD_ADDR3;
    FixedText<2> LAST_DISTANCE;
    FixedText<15> CASH_OSTD;
    FixedText<1> ADD_EX_YN;
    FixedText<15> ADD_EX_CHARGE;
    FixedText<1> ST_CONN_YN;
    FixedText<10> ST_CONN_TIME;
    TCashFigures CASH;  // CASH_ST, CASH_DEPOSIT, CASH_OSTD as numbers (the cash load)
    FixedText<1> ST_SHAREYN;
    FixedText<1> SHOP_TYPE;  // 1-3 delivery, 4-6 quick, 7 same-day
    FixedText<1> WK_GOODS_PAY_TYPE;

    const QStringList &SL_GRP_KEYNO() const { return ST_MSG_ADDR.codes(); }
    const QStringList &SL_GOODS_NO() const { return GOODS_LIST.codes(); }
    const QStringList &SL_GROUP_NO() const { return GOODS_GRP_LST.codes(); }
};

// Goods shown on the reception menu board: one entry per goods button in every list.
struct TPOP_MENU_GOODS
{
    QStringList SL_GOODS_NAME;
    QStringList SL_GOODS_NO;
    QStringList SL_GOODS_CHARGE;
    QStringList SL_GOODS_OP1_CNT;
    QStringList SL_GOODS_OP2_CNT;
    QStringList SL_GOODS_OP3_CNT;
    QStringList SL_GOODS_OP4_CNT;
    QStringList SL_GOODS_ADD_CNT;
    int I_SEARCH_TYPE = 0;
    QString S_SEARCH_VALUE;
    QStringList SL_ADULT_YN;
    QStringList SL_ORD_STATUS;
};

// Branch (distributor) of a head office.
struct TBR_LIST
{
    FixedText<5> HD_CODE;
    FixedText<7> BR_CODE;
    QString BR_Name;
    FixedText<15> BR_TEL;
    FixedText<15> CASH_BR;
    FixedText<15> CASH_DEPOSIT;
    FixedText<1> DATA_STATUS;  // "0" stopped, "2" ended
    FixedText<4> DVRY_TYPE_CD;
    FixedText<4> CYBANK_TYPE_CD;
    FixedText<24> CYBANK_ACCOUNT;
    QString CYBANK_TYPE_NAME;
    FixedText<1> MNG_YN;
    FixedText<15> CASH_OSTD;
    TCashFigures CASH;  // CASH_BR, CASH_DEPOSIT, CASH_OSTD as numbers (the cash load)
};

// Partner head office with its branches (BR_LIST keyed by branch code).
struct THD_LIST
{
    FixedText<5> HD_CODE;
    QString HD_Name;
    FixedText<15> HD_Tel;
    FixedText<15> CASH_HD;
    FixedText<15> CASH_DEPOSIT;
    FixedText<1> DATA_STATUS;  // "0" stopped, "2" ended
    FixedText<4> CYBANK_TYPE_CD;
    FixedText<24> CYBANK_ACCOUNT;
    QString CYBANK_TYPE_NAME;
    KeyedList<TBR_LIST> BR_LIST;
    FixedText<15> CASH_OSTD;
    TCashFigures CASH;  // CASH_HD, CASH_DEPOSIT, CASH_OSTD as numbers (the cash load)
    FixedText<1> BR_MNG_ADD_PRICE_YN;

    const QStringList &SL_BRLIST() const { return BR_LIST.codes(); }
};

// Common code row.
struct TCOM_CODE_LIST
{
    FixedText<20> SY_CODE;
    QString SY_NAME;
    FixedText<100> DT_CODE;
    QString DT_NAME;
    FixedText<14> MOD_DATE;
    FixedText<7> VIEW_ORDER;
    FixedText<2> PARENT_SY_CODE;
    FixedText<4> PARENT_DT_CODE;
    QString DT_VALUE;
    QString DT_VALUE2;
    FixedText<1> DATA_STATUS;  // "1" active
    QString DT_VALUE3;
};

// Server configuration entry.
struct TCONFIG_CODE_LIST
{
    FixedText<20> CFG_TYPE;
    QString CFG_NAME;
    FixedText<100> CFG_VALUE;
    FixedText<20> REF_CODE;
    FixedText<14> MOD_DATE;
    FixedText<1> DATA_STATUS;
};

// Same-day order stamp.
struct TSAMEDAYINFO
{
    QString sOrderNo;
    QString sPutDate;
    QString sModDate;
};

// Bundle group row.
struct TORD_GROUP_LIST
{
    QString GROUP_NO;
    QString ORD_NO;
    QString GROUP_NAME;
    QString lat_y;
    QString lng_x;
    QString addr;
    int CNT = 0;
    int GROUP_ADD_NO = 0;
};

// Row fills. Each reads its columns by position; a short row leaves the missing fields empty
// (zero for numbers) and columns past the last are ignored.
// Code row, columns 0..11 (SY_CODE, SY_NAME, DT_CODE, DT_NAME, MOD_DATE, VIEW_ORDER,
// PARENT_SY_CODE, PARENT_DT_CODE, DT_VALUE, DATA_STATUS, DT_VALUE2, DT_VALUE3).
void FillComCodeRow(TCOM_CODE_LIST &rec, const ReplyRow &row);
// Configuration row, columns 0..5.
void FillConfigCodeRow(TCONFIG_CODE_LIST &rec, const ReplyRow &row);
// Head office, "C_0".."C_8"; the branch list is left as it is.
void FillHdRow(THD_LIST &rec, const ReplyRow &row);
// Branch, "C_0".."C_9"; MNG_YN is "N".
void FillBrRow(TBR_LIST &rec, const ReplyRow &row);

// Stores; G_SL_ST_CODE is the code list of G_ST_LIST, so the two cannot drift apart.
extern KeyedList<TST_LIST> G_ST_LIST;
extern const QStringList &G_SL_ST_CODE;
// Head offices; G_SL_HD_CODE is the code list of G_HD_LIST.
extern KeyedList<THD_LIST> G_HD_LIST;
extern const QStringList &G_SL_HD_CODE;
extern QStringList G_SL_BR_CODE;
extern QStringList G_SL_BR_DVRY_TYPE;
extern QList<TCOM_CODE_LIST> G_COM_CODE_LIST;
extern QStringList G_SL_O3_COL11;
extern QStringList G_SL_O3_VAL2;
extern QStringList G_SL_O3_COL14;
extern QList<TCONFIG_CODE_LIST> G_CONFIG_CODE_LIST;
// Entry 0 is the user's own delivery group, entry i + 1 belongs to code i of the main window's
// sorted out-group list.
extern QList<TDVRY_GRP_INFO> G_DVRY_GRP_INFO;
extern QList<TDVRY_LIST> G_DVRY_OUT_LIST;
extern QList<TSHARE_GROUP> G_SHARE_GROUP;
extern QList<TSAMEDAYINFO> G_SAMEDAY_INFO;
extern QStringList G_SL_PROVINCE;
// Order-board filters (branch codes ticked and, in the same order, their groups and master
// stores), then the ticked order paths and point-of-sale kinds.
extern QStringList G_SL_SEL_BR_CODE;
extern QStringList G_SL_SEL_DVRY_TYPE;
extern QStringList G_SL_SEL_MASTER_ST;
extern QStringList G_SL_SEL_MASTER_DVRY;
extern QStringList G_SL_SEL_PATH_CD;
extern QStringList G_SL_SEL_POS_TYPE;
// Master stores of the branches, three lists in the same order.
extern QStringList G_SL_MASTER_ST_CODE;
extern QStringList G_SL_MASTER_DVRY_TYPE;
extern QStringList G_SL_MASTER_BR_CODE;

// The branch with `brCode` in any head office (first match in list order), or nullptr.
TBR_LIST *FindBranch(const QString &brCode);
// The first common-code row of (`syCode`, `dtCode`), or nullptr.
const TCOM_CODE_LIST *FindComCode(const QString &syCode, const QString &dtCode);

// Empties every list of this module (re-initialization and tests).
void ResetReferenceRecords();
