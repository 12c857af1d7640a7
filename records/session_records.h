#pragma once

#include "common/program_globals.h"
#include "records/cash_figures.h"
#include "records/delivery_group_records.h"
#include "text/fixed_text.h"

#include <QString>
#include <QStringList>

#include <array>

// The logged-in user and session. Short texts hold at most their width in code-page bytes;
// fields marked "not used" keep their place so that the layout reads as the login reply does.
struct TUSER_INFO
{
    QString ID;
    FixedText<50> NM;
    QString PW;
    FixedText<5> HD;
    FixedText<7> BR;
    FixedText<7> ST;
    FixedText<1> DATA_STATUS;
    FixedText<1> LV;  // not used
    FixedText<40> MC;
    FixedText<15> IP;  // not used
    FixedText<15> HS;  // not used
    FixedText<15> USER_SEQ_NO;
    FixedText<4> USER_TYPE_CD;  // class character, then three grade digits
    FixedText<10> DEV_SEQ_NO;
    QString GRP_NAME;
    FixedText<10> GRP_CASH;
    FixedText<10> CASH_DEPOSIT;
    QString IMG_TITLE_FILE;              // not used
    FixedText<20> IMG_TITLE_MOD_DATE;    // not used
    FixedText<15> AUTH_TEL;
    FixedText<1> TERMS_YN;  // not used
    FixedText<6> OWNER_BIRTH;
    FixedText<20> ST_LAT_Y;
    FixedText<20> ST_LNG_X;
    FixedText<10> GRADE_CNT;     // not used
    FixedText<10> GRADE_SUM;     // not used
    FixedText<8> ORD_WORK_TIME;  // not used
    FixedText<1> MULTI_TYPE;
    FixedText<7> MASTER_ST_CODE;
    FixedText<1> PIN_NUM_YN;
    FixedText<4> MNG_DVRY_TYPE_CD;
    FixedText<1> DVRY_MNG_YN;
    TDVRY_LIST MNG_DVRY_INFO;
    FixedText<1> CHARGE_POS_YN;
    QStringList SL_GRP_KEYNO;  // not used
    FixedText<7> BR_ST_CODE;
    FixedText<4> ST_DVRY_TYPE_CD;
    FixedText<10> CHARGE_DAY_POS;   // not used
    FixedText<8> CHARGE_S_DAY_POS;  // not used
    FixedText<8> CHARGE_POS_ST;     // not used
    TDVRY_LIST ST_DVRY_INFO;
    bool AllClose = false;  // not used
    FixedText<2> LOGIN;
    FixedText<20> VBank;
    QString VBank_Name;
    FixedText<4> VBank_Code;
    FixedText<5> Major;    // not used
    FixedText<5> Minor;    // not used
    FixedText<5> Release;  // not used
    FixedText<5> Build;    // not used
    int Ord_Read = 0;
    FixedText<1> GUBUN;       // server mode: "R" production, "T" test
    FixedText<1> GUBUN_MODE;
    FixedText<7> USER_CODE;
    FixedText<1> BR_DVRY_YN;
    FixedText<20> ST_MSG_SYNC_DT;
    FixedText<1> TRS_APP_USE;
    int SAMEDAY_NORMAL_TYPE = 0;
    int SAMEDAY_GANSUN_TYPE = 0;
    int SAMEDAY_JISUN_TYPE = 0;
    FixedText<15> CASH_OSTD;
    TCashFigures CASH;  // GRP_CASH, CASH_DEPOSIT, CASH_OSTD as numbers (the cash load)
    bool HDBR_MASTER_YN = false;
    FixedText<1> MAP_GUBUN;
    FixedText<1> GRP_STATUS;
    int UserAuthGrade = 0;  // smaller grade, more rights
    QString USER_TYPE_NAME;
    FixedText<1> BTOB_YN;
    FixedText<1> EMP_SUPP_YN;
    FixedText<1> CONTRACT_YN;
    FixedText<1> PLATFORM_PAY_YN;
    FixedText<1> DCF_CONTRACT_YN;
    FixedText<2> DCF_BRAND_VALUE;
};

// Per-PC options of the settings file. Members start at the values used when a key is missing;
// colours are 0xRRGGBB.
struct TUSER_SET
{
    FixedText<1> SaveId = "N";
    FixedText<1> SavePw = "N";
    FixedText<1> MuteSound = "0";
    FixedText<1> Alam_Login = "1";
    QString Alam_MSG = QStringLiteral("1");
    FixedText<1> Alam_1001 = "0";
    FixedText<1> Alam_3001 = "0";
    FixedText<1> Alam_3003 = "0";
    FixedText<1> Alam_4001 = "0";
    int GoodType = 0;
    FixedText<3> StockUse = "0";
    int ReqTime = 0;
    FixedText<1> QookStatus = "0";
    FixedText<1> StoreCard = "0";
    FixedText<3> GoodsAdd = "0";
    QString Msg1;
    QString Msg2;
    QString Msg3;
    QString Msg4;
    QString Msg5;
    int TimeView = 0;              // not used
    int WkHintView = 0;            // not used
    int PossTel = 0;               // not used
    FixedText<15> PossIP;          // not used
    FixedText<15> PossKeyNum;      // not used
    int MsgClose = 1;
    int MsgAlramYN = 1;
    int MsgTime = 1500;  // milliseconds
    int WkTrUse = 0;               // not used
    FixedText<15> WkTrIp;          // not used
    int WkTrPort = 0;              // not used
    FixedText<7> WkTrBrNo;         // not used
    int WkTrNo = 0;                // not used
    int HintType = 0;              // not used
    FixedText<5> MainBrNo;         // not used
    FixedText<20> MainKeyNum;      // not used
    FixedText<4> DisTypeNum;       // not used
    int ChargeGubun = 0;           // not used
    FixedText<15> ChargeIp;        // not used
    int ChargePort = 0;            // not used
    FixedText<10> ChargeId;        // not used
    FixedText<12> ChargePw;        // not used
    int ChargeTel = 0;             // not used
    FixedText<11> ChargeViewData = "0";
    int Widget = 0;                // not used
    int BT_USE = 0;
    FixedText<20> BT_ID;
    FixedText<20> BT_PW;
    FixedText<1> StoreTreeExpand = "N";
    FixedText<1> MenuPopup = "N";
    FixedText<1> AddrPopup;
    FixedText<1> NOTICE_ALAM = "1";
    FixedText<1> ORDER_FOCUS_VIEW = "0";
    // Display modes of the time columns tmReq, tmCTH, tmStart, tmEnd.
    std::array<FixedText<1>, 4> ORDER_TIME_VIEW = {"0", "0", "0", "0"};
    FixedText<1> NOTICE_NEW_FORM;  // not used
    FixedText<21> WORD_ADDR_NO;
    int FONT_SIZE = 10;
    int DATA_HEIGHT = 25;
    FixedText<3> VKeyboard;
    int ACC_START = 0;
    FixedText<1> SearchAutoAddr = "N";
    FixedText<1> SearchAutoDaum = "Y";
    FixedText<1> ViewAddrDetail = "Y";
    FixedText<1> ViewWorkControlType = "3";
    FixedText<3> Alarm_Message = "0";
    quint32 ColorNormalB = 0xFFFFFF;
    quint32 ColorNormalF = 0x000000;
    quint32 ColorOrdStNoChkB = 0x0000FF;
    quint32 ColorOrdStNoChkF = 0xFFFF00;
    quint32 ColorOrdDvryNoAddrB = 0xFF8000;
    quint32 ColorOrdCardCancelF = 0xFF0000;
    FixedText<3> COOK_VIEW_TYPE = "1";
    int WorkWkControlView = 4;
    FixedText<1> AddTimeViewType = "2";
    FixedText<1> SEARCHNORMAL = "Y";
    FixedText<1> SEARCHSAMEDAY = "N";
    FixedText<1> SEARCHSAMEDAY_HUB = "N";
    QString dtAdPopUp;  // "yyyy-mm-dd"; the reader puts today when the key is missing
    bool bOrdConfirmMsg = false;
};


extern TUSER_INFO G_USER_INFO;
extern TUSER_SET G_USER_SET;

// Declared with their owners: G_INI (settings file), G_TCP_CLIENT and G_CONNECTED (server link),
// G_DAY_START_HOUR (business rules).

// The first character of USER_TYPE_CD: the user's class.
QString UserClass();

// Milliseconds after which an information box closes by itself under the user's options; 0 when
// boxes stay until answered.
int MsgBoxAutoCloseMs();

// Puts every record and global back to its program-start value (tests).
void ResetSessionRecords();
