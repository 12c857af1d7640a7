#pragma once

#include "text/fixed_text.h"
#include "common/keyed_list.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class ReplyRow;

// A notice. bRead and bDel change locally when the user opens or deletes it.
struct TNotice
{
    QString ARTICLE_TYPE;
    QString ARTICLE_TITLE;
    QString ARTICLE_BODY;
    FixedText<1> PUT_GRP_TYPE;
    FixedText<7> PUT_GRP_CODE;
    QString PUT_GRP_NAME;
    FixedText<20> PUT_DATE;
    FixedText<15> SEQ_NO;
    bool bRead = false;
    bool bDel = false;
};

// A message between users and couriers. The field order is the column order of a message row
// and of the stored messages of the day, so it must not change.
struct TMSG_LIST
{
    FixedText<20> MSG_NO;
    FixedText<20> PUT_DATE;
    FixedText<1> CHNL_TYPE;
    FixedText<1> VIEW_TYPE;
    FixedText<4> MSG_TYPE_CD;
    QString MSG_TITLE;
    QString MSG_CONTENT;
    FixedText<1> BTN_1_TYPE;
    QString BTN_1_TEXT;
    FixedText<1> BTN_2_TYPE;
    QString BTN_2_TEXT;
    FixedText<1> BTN_3_TYPE;
    QString BTN_3_TEXT;
    FixedText<1> CON_TYPE;
    FixedText<20> CON_SEQ_NO;
    QString ADD_VALUE_1;
    QString ADD_VALUE_2;
    QString ADD_VALUE_3;
    FixedText<1> SND_GRP_TYPE;
    FixedText<7> SND_GRP_CODE;
    FixedText<20> SND_GRP_ID;
    FixedText<40> SND_DEVICE_ID;
    FixedText<1> SND_DEVICE_TYPE;
    FixedText<50> MSG_SOUND;
    FixedText<14> MOD_DATE;
    FixedText<1> CONF_YN;
    FixedText<1> RCV_GRP_TYPE;
    FixedText<7> RCV_GRP_CODE;
    FixedText<20> RCV_GRP_ID;
    FixedText<40> RCV_DEVICE_ID;
    FixedText<1> RCV_DEVICE_TYPE;

    static constexpr int kFieldCount = 31;
    // Field i in record order, "" outside 0..30.
    QString field(int index) const;
    // Sets field i in record order (cut to its width); an index outside 0..30 changes nothing.
    void setField(int index, const QString &text);
};

// Fills a message from a row whose column i is field i; missing columns leave their fields
// empty and columns past the last field are ignored.
void FillMsgRow(TMSG_LIST &rec, const ReplyRow &row);

// Store telephone number; incoming calls are matched against it.
struct TST_TEL_LIST
{
    FixedText<7> ST_CODE;
    FixedText<20> ST_TEL;
    FixedText<1> ACT_TYPE;
    int ST_Idx = -1;  // index of the store in G_ST_LIST
};

// Courier telephone number.
struct TWK_TEL_LIST
{
    FixedText<6> WK_CODE;
    FixedText<20> WK_TEL;
    FixedText<5> HD_CODE;
    FixedText<5> BR_CODE;
};

// A frequently used name of a store, or a result row of the address search.
struct TMSG_ADDR
{
    FixedText<10> ADDR_NO;
    QString WORD_ADDR;
    FixedText<2> WORD_ADDR_NAME;
    FixedText<2> WORD_ADDR_NAME2;
    QString ADDR_1;   // province
    QString ADDR_2;   // district
    QString ADDR_3;   // dong
    QString ADDR_4;   // lot-number address
    QString ADDR_6;   // road-name address
    QString ADDR_7;
    QString ADDR_8;   // administrative dong
    QString ADDR_9;
    QString ADDR_10;  // building name
    QString ADDR_11;
    QString ADDR_12;
    QString ADDR_13;
    FixedText<20> ADDR_LAT_X;  // longitude
    FixedText<20> ADDR_LAT_Y;  // latitude
    FixedText<10> VIEW_ORDER;
    FixedText<10> GRP_NO;
    QString GRP_TEXT;
};

// A group of frequently used names.
struct TST_MSG_GRP
{
    FixedText<10> GRP_NO;
    QString GRP_TEXT;
    FixedText<3> VIEW_ORDER;
    FixedText<1> DATA_STATUS;
    QList<TMSG_ADDR> MSG_LIST;
};

// One address of the region address tree.
struct TADDR_INFO
{
    int ADDR_NO = 0;
    int KEY_NO = 0;
    int EXCEL_NO = 0;
    int KEYWORD_NO = 0;
    QString KEYWORD_TEXT;
    QString WORD_ADDR;
    QString ADDR_3;
    QString ADDR_4;
    QString ADDR_5;
    QString ADDR_6;
    QString ADDR_7;
    QString ADDR_8;
    QString ADDR_9;
    QString ADDR_10;
    QString ADDR_11;
    QString ADDR_12;
    QString ADDR_13;
    double lat_y = 0.0;
    double lng_x = 0.0;
};

// A district with its addresses. ADDR_INFO is keyed by the address number as text, so its code
// list is the address-number list kept in entry order.
struct TADDR_2
{
    QString ADDR2;
    QStringList SL_ADDR3;  // legal dong names, sorted, no duplicates
    QStringList SL_ADDR8;  // administrative dong names, sorted, no duplicates
    KeyedList<TADDR_INFO> ADDR_INFO;
    const QStringList &SL_ADDR_NO() const { return ADDR_INFO.codes(); }
};

// A province with its districts. ADDR2 is keyed by the district name; the loader inserts at the
// sorted position so that the name list stays sorted and parallel to the districts.
struct TADDR_1
{
    QString ADDR1;
    KeyedList<TADDR_2> ADDR2;
    const QStringList &SL_ADDR2() const { return ADDR2.codes(); }
};

// One month of attendance of a courier or employee; day d of the month is at index d - 1.
struct TAttData
{
    static constexpr int kDays = 31;
    FixedText<1> sGB;
    FixedText<10> sCode;
    FixedText<1> sSal_Type;
    FixedText<1> sTax_Type;
    FixedText<1> spay_Type;
    FixedText<10> sSal_Amt;
    std::array<FixedText<20>, kDays> sStTime;
    std::array<FixedText<20>, kDays> sEdTime;
    std::array<FixedText<5>, kDays> sMin;
    std::array<FixedText<5>, kDays> sFixMin;
    std::array<FixedText<10>, kDays> sFixPay;
    std::array<QString, kDays> sMsg;
};

// Store telephone entry from a row: column 0 store code, column 1 number (hyphens removed).
// ACT_TYPE is "1"; ST_Idx is the store's index in G_ST_LIST (-1 when it is not loaded).
void FillStTelRow(TST_TEL_LIST &rec, const ReplyRow &row);
// Courier telephone entry from a row: courier code, number (hyphens removed), head office, branch.
void FillWkTelRow(TWK_TEL_LIST &rec, const ReplyRow &row);

extern KeyedList<TNotice> G_NOTICE;       // keyed by the notice loader's key
extern KeyedList<TNotice> G_NOTICE_SEQ;   // notices fetched by sequence number
extern KeyedList<TMSG_LIST> G_MSG_LIST;   // keyed by MSG_NO, in order of first arrival
extern const QStringList &G_SL_MSG_NO;
extern KeyedList<TST_TEL_LIST> G_ST_TEL_LIST;  // keyed by the normalised number
extern const QStringList &G_SL_ST_TEL;
extern KeyedList<TWK_TEL_LIST> G_WK_TEL_LIST;  // keyed by the normalised number
extern const QStringList &G_SL_WK_TEL;
extern KeyedList<TADDR_1> G_ADDR_1;            // keyed by province name

// Message sync mark: the server's "OUT_VAL" of the last poll, sent back with the next one; kept in
// the settings file (section "Msg", key = the user's ID). Empty until known.
extern QString G_MSG_SYNC;
// False while the stored messages of the day are read back at start-up (and the start-up poll that
// ends that step); commands that end the program are obeyed only while it is true.
extern bool G_MSG_LOADED;

// Empties every list of this module (re-initialization and tests).
void ResetMessageRecords();
