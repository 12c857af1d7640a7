#include "records/message_records.h"

#include "records/reference_records.h"
#include "common/reply_row.h"

KeyedList<TNotice> G_NOTICE;
KeyedList<TNotice> G_NOTICE_SEQ;
KeyedList<TMSG_LIST> G_MSG_LIST;
const QStringList &G_SL_MSG_NO = G_MSG_LIST.codes();
KeyedList<TST_TEL_LIST> G_ST_TEL_LIST;
const QStringList &G_SL_ST_TEL = G_ST_TEL_LIST.codes();
KeyedList<TWK_TEL_LIST> G_WK_TEL_LIST;
const QStringList &G_SL_WK_TEL = G_WK_TEL_LIST.codes();
KeyedList<TADDR_1> G_ADDR_1;
QString G_MSG_SYNC;
bool G_MSG_LOADED = false;

namespace
{
QString withoutHyphens(QString number)
{
    number.remove(QLatin1Char('-'));
    return number;
}
} // namespace

QString TMSG_LIST::field(int index) const
{
    switch (index) {
    case 0: return MSG_NO;
    case 1: return PUT_DATE;
    case 2: return CHNL_TYPE;
    case 3: return VIEW_TYPE;
    case 4: return MSG_TYPE_CD;
    case 5: return MSG_TITLE;
    case 6: return MSG_CONTENT;
    case 7: return BTN_1_TYPE;
    case 8: return BTN_1_TEXT;
    case 9: return BTN_2_TYPE;
    case 10: return BTN_2_TEXT;
    case 11: return BTN_3_TYPE;
    case 12: return BTN_3_TEXT;
    case 13: return CON_TYPE;
    case 14: return CON_SEQ_NO;
    case 15: return ADD_VALUE_1;
    case 16: return ADD_VALUE_2;
    case 17: return ADD_VALUE_3;
    case 18: return SND_GRP_TYPE;
    case 19: return SND_GRP_CODE;
    case 20: return SND_GRP_ID;
    case 21: return SND_DEVICE_ID;
    case 22: return SND_DEVICE_TYPE;
    case 23: return MSG_SOUND;
    case 24: return MOD_DATE;
    case 25: return CONF_YN;
    case 26: return RCV_GRP_TYPE;
    case 27: return RCV_GRP_CODE;
    case 28: return RCV_GRP_ID;
    case 29: return RCV_DEVICE_ID;
    case 30: return RCV_DEVICE_TYPE;
    default: return QString();
    }
}

void TMSG_LIST::setField(int index, const QString &text)
{
    switch (index) {
    case 0: MSG_NO = text; break;
    case 1: PUT_DATE = text; break;
    case 2: CHNL_TYPE = text; break;
    case 3: VIEW_TYPE = text; break;
    case 4: MSG_TYPE_CD = text; break;
    case 5: MSG_TITLE = text; break;
    case 6: MSG_CONTENT = text; break;
    case 7: BTN_1_TYPE = text; break;
    case 8: BTN_1_TEXT = text; break;
    case 9: BTN_2_TYPE = text; break;
    case 10: BTN_2_TEXT = text; break;
    case 11: BTN_3_TYPE = text; break;
    case 12: BTN_3_TEXT = text; break;
    case 13: CON_TYPE = text; break;
    case 14: CON_SEQ_NO = text; break;
    case 15: ADD_VALUE_1 = text; break;
    case 16: ADD_VALUE_2 = text; break;
    case 17: ADD_VALUE_3 = text; break;
    case 18: SND_GRP_TYPE = text; break;
    case 19: SND_GRP_CODE = text; break;
    case 20: SND_GRP_ID = text; break;
    case 21: SND_DEVICE_ID = text; break;
    case 22: SND_DEVICE_TYPE = text; break;
    case 23: MSG_SOUND = text; break;
    case 24: MOD_DATE = text; break;
    case 25: CONF_YN = text; break;
    case 26: RCV_GRP_TYPE = text; break;
    case 27: RCV_GRP_CODE = text; break;
    case 28: RCV_GRP_ID = text; break;
    case 29: RCV_DEVICE_ID = text; break;
    case 30: RCV_DEVICE_TYPE = text; break;
    default: break;
    }
}

void FillMsgRow(TMSG_LIST &rec, const ReplyRow &row)
{
    for (int i = 0; i < TMSG_LIST::kFieldCount; ++i)
        rec.setField(i, row.text(i));
}

void FillStTelRow(TST_TEL_LIST &rec, const ReplyRow &row)
{
    rec.ST_CODE = row.text(0);
    rec.ST_TEL = withoutHyphens(row.text(1));
    rec.ACT_TYPE = QStringLiteral("1");
    rec.ST_Idx = G_ST_LIST.indexOf(rec.ST_CODE);
}

void FillWkTelRow(TWK_TEL_LIST &rec, const ReplyRow &row)
{
    rec.WK_CODE = row.text(0);
    rec.WK_TEL = withoutHyphens(row.text(1));
    rec.HD_CODE = row.text(2);
    rec.BR_CODE = row.text(3);
}

void ResetMessageRecords()
{
    G_NOTICE.clear();
    G_NOTICE_SEQ.clear();
    G_MSG_LIST.clear();
    G_ST_TEL_LIST.clear();
    G_WK_TEL_LIST.clear();
    G_ADDR_1.clear();
    G_MSG_SYNC.clear();
    G_MSG_LOADED = false;
}
