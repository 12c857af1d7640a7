#include "start/start_settings.h"

#include "common/program_globals.h"
#include "start/login.h"
#include "records/device_records.h"
#include "records/session_records.h"
#include "settings/color_text.h"
#include "settings/settings_keys.h"

TSTART_VIEW G_START_VIEW;

namespace
{
// One settings reader bound to a file: every value passes through the key table, so defaults,
// cuts and number checks are the table's.
class Reader
{
public:
    explicit Reader(const TIniFile *ini) : m_ini(ini) {}

    QString text(const QString &section, const QString &key) const
    {
        const IniKeyDef *def = FindSettingsKey(section, key);
        return def ? ReadSettingsValue(m_ini, *def) : QString();
    }
    int number(const QString &section, const QString &key) const { return text(section, key).toInt(); }
    bool yes(const QString &section, const QString &key) const { return text(section, key) == QLatin1String("Y"); }
    std::uint32_t colour(const QString &section, const QString &key) const
    {
        return SettingsColorRgb(text(section, key));
    }

private:
    const TIniFile *m_ini;
};

const QString kUser = QStringLiteral("User");
const QString kUserUp = QStringLiteral("USER");
const QString kDelivery = QStringLiteral("DELIVERY_SET");

void readUserOptions(const Reader &r)
{
    TUSER_SET &s = G_USER_SET;
    s.MuteSound = r.text(kUser, QStringLiteral("MuteSound"));
    s.GoodType = r.number(kUser, QStringLiteral("GoodType"));
    s.StockUse = r.text(kUser, QStringLiteral("StockUse"));
    s.ReqTime = r.number(kUser, QStringLiteral("ReqTime"));
    s.QookStatus = r.text(kUser, QStringLiteral("QookStatus"));
    s.StoreCard = r.text(kUser, QStringLiteral("StoreCard"));
    s.GoodsAdd = r.text(kUser, QStringLiteral("GoodsAdd"));
    QString *msgs[] = {&s.Msg1, &s.Msg2, &s.Msg3, &s.Msg4, &s.Msg5};
    for (int i = 0; i < 5; ++i)
        *msgs[i] = r.text(kUser, QStringLiteral("Msg%1").arg(i + 1));
    s.Alam_Login = r.text(kUser, QStringLiteral("Alam_Login"));
    s.Alam_MSG = r.text(kUser, QStringLiteral("Alam_MSG"));
    s.Alam_1001 = r.text(kUser, QStringLiteral("Alam_1001"));
    s.Alam_3001 = r.text(kUser, QStringLiteral("Alam_3001"));
    s.Alam_3003 = r.text(kUser, QStringLiteral("Alam_3003"));
    s.Alam_4001 = r.text(kUser, QStringLiteral("Alam_4001"));
    s.Alarm_Message = r.text(kUser, QStringLiteral("Alam_Message"));
    s.FONT_SIZE = r.number(kUser, QStringLiteral("FONT_SIZE"));
    s.DATA_HEIGHT = r.number(kUser, QStringLiteral("DATA_HEIGHT"));
    s.MsgClose = r.number(kUser, QStringLiteral("MsgClose"));
    s.MsgAlramYN = r.number(kUser, QStringLiteral("MsgAlram"));
    s.NOTICE_ALAM = r.text(kUser, QStringLiteral("NOTICE_ALAM"));
    s.ORDER_FOCUS_VIEW = r.text(kUser, QStringLiteral("ORDER_FOCUS_VIEW"));
    for (int i = 0; i < 4; ++i)
        s.ORDER_TIME_VIEW[size_t(i)] = r.text(kUser, QStringLiteral("ORDER_TIME_FORMAT_%1").arg(i));
    s.BT_ID = r.text(kUser, QStringLiteral("BT_ID"));
    s.BT_PW = r.text(kUser, QStringLiteral("BT_PW"));
    s.BT_USE = r.number(kUser, QStringLiteral("BT_USE"));  // the table forces 0 without ID and password
    s.MsgTime = r.number(kUser, QStringLiteral("MsgTime"));
}

void readDeliveryLink(const Reader &r)
{
    const bool on = r.yes(kDelivery, QStringLiteral("USE_YN"));
    G_DELIVERY_SET.Use_yn = on;
    G_DVRY_COM[2].Use_yn = on ? "1" : "0";
    G_DELIVERY_SET.iType = r.number(kDelivery, QStringLiteral("ITYPE"));
    G_DELIVERY_SET.DEF_STNO = r.text(kDelivery, QStringLiteral("DEF_STNO"));
    G_DELIVERY_SET.ILEN = r.number(kDelivery, QStringLiteral("ILEN"));
    G_DVRY_COM[2].COMNAME = r.text(kDelivery, QStringLiteral("COMNAME"));
    G_DVRY_COM[2].slList.clear();
}

void readScreenChoices(const Reader &r)
{
    TUSER_SET &s = G_USER_SET;
    s.StoreTreeExpand = r.text(kUser, QStringLiteral("TreeExpand"));
    s.MenuPopup = r.text(kUser, QStringLiteral("MenuPopup"));
    G_USER_INFO.TRS_APP_USE = r.text(kUserUp, QStringLiteral("TRS_APP_USE"));
    s.ACC_START = 0;
    s.SearchAutoAddr = r.text(kUser, QStringLiteral("SearchAutoAddr"));
    s.SearchAutoDaum = r.text(kUser, QStringLiteral("SearchAutoDaum"));
    s.ViewAddrDetail = r.text(kUser, QStringLiteral("ViewAddrDetail"));
    G_START_VIEW.MainStatusTel = r.yes(kUser, QStringLiteral("MainStatusTel"));
    G_START_VIEW.MainStatusAccount = r.yes(kUser, QStringLiteral("MainStatusAccount"));
    G_START_VIEW.MainStatusWkDay = r.yes(kUser, QStringLiteral("MainStatusWkDay"));
    s.ViewWorkControlType = r.text(kUser, QStringLiteral("VIEW_WORK_CONTROL"));
    s.WorkWkControlView = r.number(kUser, QStringLiteral("WorkWkControlView"));
    s.ColorNormalB = r.colour(kUser, QStringLiteral("ColorNormalB"));
    s.ColorNormalF = r.colour(kUser, QStringLiteral("ColorNormalF"));
    s.ColorOrdStNoChkB = r.colour(kUser, QStringLiteral("ColorOrdStNoChkB"));
    s.ColorOrdStNoChkF = r.colour(kUser, QStringLiteral("ColorOrdStNoChkF"));
    s.ColorOrdDvryNoAddrB = r.colour(kUser, QStringLiteral("ColorOrdDvryNoAddrB"));
    s.ColorOrdCardCancelF = r.colour(kUser, QStringLiteral("ColorOrdCardCancelF"));
    s.COOK_VIEW_TYPE = r.text(kUser, QStringLiteral("COOK_VIEW_TYPE"));
    s.AddTimeViewType = r.text(kUser, QStringLiteral("AddTimeViewType"));
    G_START_VIEW.OrdDisPos = r.number(QStringLiteral("ORD"), QStringLiteral("DISPOS"));
    G_START_VIEW.OrdOldDisPos = r.number(QStringLiteral("ORD_OLD"), QStringLiteral("DISPOS"));
    s.SEARCHNORMAL = r.text(kDelivery, QStringLiteral("DVRY_NORMAL"));
    s.SEARCHSAMEDAY = r.text(kDelivery, QStringLiteral("DVRY_SAMEDAY"));
    s.SEARCHSAMEDAY_HUB = r.text(kDelivery, QStringLiteral("DVRY_SAMEDAY_HUB"));
    s.dtAdPopUp = r.text(kUser, QStringLiteral("dtAdPopUp"));
    s.bOrdConfirmMsg = r.text(kUser, QStringLiteral("bOrdConfirmMsg")) == QLatin1String("1");
}

void readLinks(const TIniFile *ini, const Reader &r)
{
    G_DELIVERY_SET.BST_NAME_LIST = ReadDeliveryList(ini, QStringLiteral("BST_NAME_LIST"));
    G_DELIVERY_SET.ST_NO_LIST = ReadDeliveryList(ini, QStringLiteral("ST_NO_LIST"));

    const QString cid = QStringLiteral("CID");
    G_CID_INFO.Use_yn = r.text(cid, QStringLiteral("USE"));
    G_CID_INFO.SVR_NAME = r.text(cid, QStringLiteral("SVR_NAME"));
    G_CID_INFO.SERVER_IP = r.text(cid, QStringLiteral("SERVER_IP"));
    G_CID_INFO.PORT = r.number(cid, QStringLiteral("Port"));
    G_CID_INFO.NaeSun = r.text(cid, QStringLiteral("NaeSun"));
    G_CID_INFO.IGubun = 1;

    const QString kt = QStringLiteral("KTCID");
    G_CID_KT_INFO.Use_yn = r.text(kt, QStringLiteral("USE"));
    G_CID_KT_INFO.ID = r.text(kt, QStringLiteral("ID"));
    G_CID_KT_INFO.PW = r.text(kt, QStringLiteral("PW"));

    const QString solbi = QStringLiteral("SOLBI_INFO");
    G_SOLBI_INFO.Use_yn = r.text(solbi, QStringLiteral("USE"));
    G_SOLBI_INFO.StoreId = r.text(solbi, QStringLiteral("StoreId"));
    G_SOLBI_INFO.slGoods.clear();
}

void readChannels(const Reader &r, const QString &section, TCOM_CID_INFO &slot)
{
    for (int i = 0; i < TCOM_CID_INFO::kChannels; ++i) {
        slot.CH[size_t(i)] = r.text(section, QStringLiteral("CH%1").arg(i));
        slot.MSG[size_t(i)] = r.text(section, QStringLiteral("MSG%1").arg(i));
    }
}
} // namespace

std::uint32_t SettingsColorRgb(const QString &colourText)
{
    TColor c = clBlack;
    if (!StringToColor(colourText, &c))
        return 0;
    if (IsSystemColor(c)) {
        switch (SystemColorIndex(c)) {
        case 5: return 0xFFFFFF;  // window
        case 8: return 0x000000;  // window text
        default: return 0xF0F0F0;
        }
    }
    return (std::uint32_t(ColorRed(c)) << 16) | (std::uint32_t(ColorGreen(c)) << 8) | std::uint32_t(ColorBlue(c));
}

void ReadStartSettings(const TIniFile *ini)
{
    const Reader r(ini);
    G_USER_INFO.MC = LocalMachineId();
    TUSER_SET &s = G_USER_SET;
    s.SaveId = r.text(kUserUp, QStringLiteral("SAVEID"));
    s.SavePw = r.text(kUserUp, QStringLiteral("SAVEPW"));
    readUserOptions(r);
    readDeliveryLink(r);
    G_USER_INFO.CHARGE_POS_YN = r.text(kUserUp, QStringLiteral("CHARGE_POS_YN"));
    s.ChargeViewData = r.text(QStringLiteral("CHARGE"), QStringLiteral("DATE"));
    readScreenChoices(r);
    G_SESSION_SEC = ReadSessionSeconds(ini, r.text(kUserUp, QStringLiteral("ID")));
    readLinks(ini, r);
}

void ReadCallerIdSettings(const TIniFile *ini)
{
    const Reader r(ini);
    for (int n = 1; n <= 2; ++n) {
        const QString box = QStringLiteral("COMCID%1").arg(n);
        TCOM_CID_INFO &cid = G_COM_CID[size_t(n - 1)];
        cid.Use_yn = r.text(box, QStringLiteral("USE"));
        cid.iType = r.number(box, QStringLiteral("iType"));
        cid.COMNAME = r.text(box, QStringLiteral("COMNAME"));
        cid.Rate = r.text(box, QStringLiteral("RATE"));
        readChannels(r, box, cid);

        const QString multi = QStringLiteral("MULTI_COMCID%1").arg(n);
        TCOM_CID_INFO &line = G_DVRY_COM[size_t(n - 1)];
        line.Use_yn = r.text(multi, QStringLiteral("USE"));
        line.iType = r.number(multi, QStringLiteral("iType"));
        line.COMNAME = r.text(multi, QStringLiteral("COMNAME"));
        line.slList.clear();
        readChannels(r, multi, line);
    }
}

void ReadPrinterSettings(const TIniFile *ini)
{
    const Reader r(ini);
    for (int n = 1; n <= kPrinterSlots; ++n) {
        const QString s = QStringLiteral("Print%1").arg(n);
        TPRINT_SET &p = G_PRINT_SET[size_t(n - 1)];
        p.Use_yn = r.text(s, QStringLiteral("USE")) == QLatin1String("1");
        p.IGubun = r.number(s, QStringLiteral("GUBUN"));
        p.iType = r.number(s, QStringLiteral("TYPE"));
        p.PRTNAME = r.text(s, QStringLiteral("NAME"));
        p.Rate = r.text(s, QStringLiteral("RAGE"));
        p.PRT_TYPE = r.text(s, QStringLiteral("PRT_TYPE"));
        p.PRT_ST_1001 = r.text(s, QStringLiteral("PRT_ST_1001"));
        p.PRT_ST_2001 = r.text(s, QStringLiteral("PRT_ST_2001"));
        p.PRT_ST_1002 = r.text(s, QStringLiteral("PRT_ST_1002"));
        p.PRT_ST_1002_1 = r.text(s, QStringLiteral("PRT_ST_1002_1"));
        p.PRT_ST_4001 = r.text(s, QStringLiteral("PRT_ST_4001"));
        p.TPRT_ST_1001 = r.text(s, QStringLiteral("TPRT_ST_1001"));
        p.TPRT_ST_2001 = r.text(s, QStringLiteral("TPRT_ST_2001"));
        p.TPRT_ST_1002 = r.text(s, QStringLiteral("TPRT_ST_1002"));
        p.TPRT_ST_1002_1 = r.text(s, QStringLiteral("TPRT_ST_1002_1"));
        p.TPRT_ST_4001 = r.text(s, QStringLiteral("TPRT_ST_4001"));
        p.PRT_STAT = r.text(s, QStringLiteral("PRT_STAT"));
        p.PRT_OUT = r.text(s, QStringLiteral("PRT_OUT"));
        p.PRT_OUT_ST_ADDR = r.text(s, QStringLiteral("PRT_OUT_ST_ADDR"));
        p.GOODS_BIG = r.text(s, QStringLiteral("GOODS_BIG"));
        p.MEMO_BIG = r.text(s, QStringLiteral("MEMO_BIG"));
        p.BIZNAME = r.text(s, QStringLiteral("BIZNAME"));
        p.BIZNO = r.text(s, QStringLiteral("BIZNO"));
        p.CEONAME = r.text(s, QStringLiteral("CEONAME"));
        p.BM_NO_PRT = r.text(s, QStringLiteral("BM_NO_PRT"));
        p.PRT_GRP = r.text(s, QStringLiteral("PRT_GRP"));
    }
}
