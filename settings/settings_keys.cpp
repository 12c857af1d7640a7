#include "settings/settings_keys.h"

#include "settings/color_text.h"
#include "text/cp949.h"
#include "text/text_helpers.h"
#include "settings/secret_store.h"
#include "settings/settings_file.h"
#include "platform/clock.h"

#include <algorithm>

namespace
{
using F = IniForm;

void add(QList<IniKeyDef> &t, const QString &section, const char *key, IniForm form, const char *def, int maxLen = 0)
{
    t.append(IniKeyDef{section, QString::fromLatin1(key), form, QString::fromUtf8(def), maxLen});
}

void addUserSections(QList<IniKeyDef> &t)
{
    const QString up = QStringLiteral("USER");
    add(t, up, "ID", F::Packed, "");
    add(t, up, "PW", F::Secret, "");
    add(t, up, "SAVEID", F::Text, "N", 1);
    add(t, up, "SAVEPW", F::Text, "N", 1);
    add(t, up, "GUBUN", F::Text, "T", 1);
    add(t, up, "CHARGE_POS_YN", F::Text, "Y", 1);
    add(t, up, "TRS_APP_USE", F::Text, "0", 1);

    const QString u = QStringLiteral("User");
    add(t, u, "MuteSound", F::Text, "0", 1);
    add(t, u, "GoodType", F::Integer, "0");
    add(t, u, "StockUse", F::Text, "0", 3);
    add(t, u, "ReqTime", F::Integer, "0");
    add(t, u, "QookStatus", F::Text, "0", 1);
    add(t, u, "StoreCard", F::Text, "0", 1);
    add(t, u, "GoodsAdd", F::Text, "0", 3);
    for (const char *k : {"Msg1", "Msg2", "Msg3", "Msg4", "Msg5"})
        add(t, u, k, F::Text, "");
    add(t, u, "Alam_Login", F::Text, "1", 1);
    add(t, u, "Alam_MSG", F::Text, "1");
    for (const char *k : {"Alam_1001", "Alam_3001", "Alam_3003", "Alam_4001"})
        add(t, u, k, F::Text, "0", 1);
    add(t, u, "Alam_Message", F::Text, "0", 3);
    add(t, u, "FONT_SIZE", F::Integer, "10");
    add(t, u, "DATA_HEIGHT", F::Integer, "25");
    add(t, u, "MsgClose", F::Integer, "1");
    add(t, u, "MsgAlram", F::Integer, "1");
    add(t, u, "NOTICE_ALAM", F::Text, "1", 1);
    add(t, u, "ORDER_FOCUS_VIEW", F::Text, "0", 1);
    for (const char *k : {"ORDER_TIME_FORMAT_0", "ORDER_TIME_FORMAT_1", "ORDER_TIME_FORMAT_2", "ORDER_TIME_FORMAT_3"})
        add(t, u, k, F::Text, "0", 1);
    add(t, u, "BT_USE", F::Integer, "0");
    add(t, u, "BT_ID", F::Text, "", 20);
    add(t, u, "BT_PW", F::Secret, "", 20);
    add(t, u, "MsgTime", F::Integer, "1500");
    add(t, u, "TreeExpand", F::Text, "N", 1);
    add(t, u, "MenuPopup", F::Text, "N", 1);
    add(t, u, "SearchAutoAddr", F::Text, "N", 1);
    add(t, u, "SearchAutoDaum", F::Text, "Y", 1);
    add(t, u, "ViewAddrDetail", F::Text, "Y", 1);
    add(t, u, "MainStatusTel", F::Text, "Y");
    add(t, u, "MainStatusAccount", F::Text, "Y");
    add(t, u, "MainStatusWkDay", F::Text, "Y");
    add(t, u, "VIEW_WORK_CONTROL", F::Text, "3", 1);
    add(t, u, "WorkWkControlView", F::Integer, "4");
    add(t, u, "ColorNormalB", F::Colour, "clWhite");
    add(t, u, "ColorNormalF", F::Colour, "clBlack");
    add(t, u, "ColorOrdStNoChkB", F::Colour, "clBlue");
    add(t, u, "ColorOrdStNoChkF", F::Colour, "clYellow");
    add(t, u, "ColorOrdDvryNoAddrB", F::Colour, "$000080FF");
    add(t, u, "ColorOrdCardCancelF", F::Colour, "clRed");
    add(t, u, "COOK_VIEW_TYPE", F::Text, "1", 3);
    add(t, u, "AddTimeViewType", F::Text, "2", 1);
    add(t, u, "dtAdPopUp", F::Date, "");
    add(t, u, "bOrdConfirmMsg", F::Bool, "0");
}

void addOtherSections(QList<IniKeyDef> &t)
{
    const QString d = QStringLiteral("DELIVERY_SET");
    add(t, d, "USE_YN", F::Text, "N", 1);
    add(t, d, "ITYPE", F::Integer, "1");
    add(t, d, "DEF_STNO", F::Text, "", 7);
    add(t, d, "ILEN", F::Integer, "0");
    add(t, d, "COMNAME", F::Text, "", 100);
    add(t, d, "DVRY_NORMAL", F::Text, "Y", 1);
    add(t, d, "DVRY_SAMEDAY", F::Text, "N", 1);
    add(t, d, "DVRY_SAMEDAY_HUB", F::Text, "N", 1);

    add(t, QStringLiteral("CHARGE"), "DATE", F::Text, "", 10);
    add(t, QStringLiteral("ORD"), "DISPOS", F::Integer, "9");
    add(t, QStringLiteral("ORD_OLD"), "DISPOS", F::Integer, "9");

    const QString c = QStringLiteral("CID");
    add(t, c, "USE", F::Text, "0", 1);
    add(t, c, "SVR_NAME", F::Text, "");
    add(t, c, "SERVER_IP", F::Text, "", 15);
    add(t, c, "Port", F::Integer, "20005");
    add(t, c, "NaeSun", F::Text, "", 30);
    add(t, QStringLiteral("KTCID"), "USE", F::Text, "0", 1);
    add(t, QStringLiteral("KTCID"), "ID", F::Text, "");
    add(t, QStringLiteral("KTCID"), "PW", F::Secret, "");
    add(t, QStringLiteral("SOLBI_INFO"), "USE", F::Text, "0", 1);
    add(t, QStringLiteral("SOLBI_INFO"), "StoreId", F::Text, "", 10);
}

void addDeviceSections(QList<IniKeyDef> &t)
{
    for (const QString &prefix : {QStringLiteral("COMCID"), QStringLiteral("MULTI_COMCID")}) {
        for (int n = 1; n <= 2; ++n) {
            const QString s = prefix + QString::number(n);
            add(t, s, "USE", F::Text, "0", 1);
            add(t, s, "iType", F::Integer, "0");
            add(t, s, "COMNAME", F::Text, "", 100);
            if (prefix == QLatin1String("COMCID"))
                add(t, s, "RATE", F::Text, "9600", 10);
            for (int i = 0; i < 8; ++i)
                add(t, s, QStringLiteral("CH%1").arg(i).toLatin1().constData(), F::Text, "", 10);
            for (int i = 0; i < 8; ++i)
                add(t, s, QStringLiteral("MSG%1").arg(i).toLatin1().constData(), F::Text, "", 100);
        }
    }
    for (int n = 1; n <= 4; ++n) {
        const QString s = QStringLiteral("Print") + QString::number(n);
        add(t, s, "USE", F::Text, "0", 1);
        add(t, s, "GUBUN", F::Integer, "0");
        add(t, s, "TYPE", F::Integer, "0");
        add(t, s, "NAME", F::Text, "");
        add(t, s, "RAGE", F::Text, "9600", 10);
        add(t, s, "PRT_TYPE", F::Text, "0", 1);
        add(t, s, "PRT_ST_1001", F::Text, "1", 1);
        for (const char *k : {"PRT_ST_2001", "PRT_ST_1002", "PRT_ST_1002_1", "PRT_ST_4001", "TPRT_ST_1001"})
            add(t, s, k, F::Text, "0", 1);
        add(t, s, "TPRT_ST_2001", F::Text, "1", 1);
        for (const char *k : {"TPRT_ST_1002", "TPRT_ST_1002_1", "TPRT_ST_4001"})
            add(t, s, k, F::Text, "0", 1);
        add(t, s, "PRT_STAT", F::Text, "010000", 5);
        add(t, s, "PRT_OUT", F::Text, "0110", 4);
        add(t, s, "PRT_OUT_ST_ADDR", F::Text, "1", 1);
        add(t, s, "GOODS_BIG", F::Text, "0", 1);
        add(t, s, "MEMO_BIG", F::Text, "0", 1);
        for (const char *k : {"BIZNAME", "BIZNO", "CEONAME"})
            add(t, s, k, F::Text, "1", 1);
        add(t, s, "BM_NO_PRT", F::Text, "0", 1);
        add(t, s, "PRT_GRP", F::Text, "0", 15);
    }
}

QList<IniKeyDef> buildTable()
{
    QList<IniKeyDef> t;
    addUserSections(t);
    addOtherSections(t);
    addDeviceSections(t);
    return t;
}

QString cut(const QString &text, int maxLen)
{
    return maxLen > 0 ? text.left(maxLen) : text;
}

QString account(const QString &section, const QString &key)
{
    return section.toUpper() + QLatin1Char('/') + key.toUpper();
}

QString unpackText(const QString &packed)
{
    return Cp949::decode(UnpackNibbles(packed.toLatin1()));
}

QString readRaw(const TIniFile *ini, const QString &section, const QString &key)
{
    return ini ? ini->ReadString(section, key, QString()) : QString();
}

bool hasRaw(const TIniFile *ini, const QString &section, const QString &key)
{
    return ini && ini->ValueExists(section, key);
}
} // namespace

const QList<IniKeyDef> &SettingsKeysAtStart()
{
    static const QList<IniKeyDef> table = buildTable();
    return table;
}

const IniKeyDef *FindSettingsKey(const QString &section, const QString &key)
{
    for (const IniKeyDef &def : SettingsKeysAtStart()) {
        if (def.section.compare(section, Qt::CaseInsensitive) == 0 && def.key.compare(key, Qt::CaseInsensitive) == 0)
            return &def;
    }
    return nullptr;
}

QString ReadSettingsValue(const TIniFile *ini, const IniKeyDef &def)
{
    switch (def.form) {
    case IniForm::Integer:
    case IniForm::Bool: {
        const int fallback = def.def.toInt();
        int v = ini ? ini->ReadInteger(def.section, def.key, fallback) : fallback;
        if (def.form == IniForm::Bool)
            return v != 0 ? QStringLiteral("1") : QStringLiteral("0");
        if (def.key == QLatin1String("BT_USE") && readRaw(ini, def.section, QStringLiteral("BT_ID")).isEmpty()
            && ReadSecretSetting(const_cast<TIniFile *>(ini), def.section, QStringLiteral("BT_PW")).isEmpty())
            v = 0;
        return QString::number(v);
    }
    case IniForm::Colour: {
        TColor fallback = clBlack;
        StringToColor(def.def, &fallback);
        if (!ini)
            return ColorToString(clWindow);
        return ColorToString(ReadIniColor(*ini, def.section, def.key, fallback));
    }
    case IniForm::Date: {
        const QDate fallback = def.def.isEmpty() ? AppClock::now().date()
                                                 : QDate::fromString(def.def, QStringLiteral("yyyy-MM-dd"));
        const QDate d = ini ? ini->ReadDate(def.section, def.key, fallback) : fallback;
        return d.toString(QStringLiteral("yyyy-MM-dd"));
    }
    case IniForm::Packed:
        return cut(unpackText(hasRaw(ini, def.section, def.key) ? readRaw(ini, def.section, def.key) : def.def),
                   def.maxLen);
    case IniForm::Secret:
        return cut(ReadSecretSetting(const_cast<TIniFile *>(ini), def.section, def.key), def.maxLen);
    case IniForm::Text:
        break;
    }
    return cut(hasRaw(ini, def.section, def.key) ? readRaw(ini, def.section, def.key) : def.def, def.maxLen);
}

QString SettingsText(const QString &section, const QString &key)
{
    const IniKeyDef *def = FindSettingsKey(section, key);
    return def ? ReadSettingsValue(G_INI, *def) : QString();
}

int SettingsInt(const QString &section, const QString &key)
{
    return SettingsText(section, key).toInt();
}

QString ReadSecretSetting(TIniFile *ini, const QString &section, const QString &key)
{
    ISecretStore *store = CurrentSecretStore();
    const QString inFile = readRaw(ini, section, key);
    if (!inFile.isEmpty()) {
        // A password left in the file by an older installation: take it out of plain sight.
        const bool packed = section.compare(QLatin1String("USER"), Qt::CaseInsensitive) == 0
                            && key.compare(QLatin1String("PW"), Qt::CaseInsensitive) == 0;
        const QString secret = packed ? unpackText(inFile) : inFile;
        const bool kept = store && store->write(account(section, key), secret);
        ini->WriteString(section, key, QString());
        return kept ? secret : QString();
    }
    if (!store)
        return QString();
    return store->read(account(section, key)).value_or(QString());
}

bool WriteSecretSetting(TIniFile *ini, const QString &section, const QString &key, const QString &secret)
{
    if (ini && !readRaw(ini, section, key).isEmpty())
        ini->WriteString(section, key, QString());
    ISecretStore *store = CurrentSecretStore();
    if (secret.isEmpty())
        return store ? store->remove(account(section, key)) : true;
    if (store && store->write(account(section, key), secret))
        return true;
    TellSecretNotSavedOnce();
    return false;
}

SavedLogin ReadSavedLogin(TIniFile *ini)
{
    SavedLogin login;
    const QString up = QStringLiteral("USER");
    login.id = ReadSettingsValue(ini, *FindSettingsKey(up, QStringLiteral("ID")));
    login.saveId = ReadSettingsValue(ini, *FindSettingsKey(up, QStringLiteral("SAVEID"))) == QLatin1String("Y");
    login.savePassword = ReadSettingsValue(ini, *FindSettingsKey(up, QStringLiteral("SAVEPW"))) == QLatin1String("Y");
    login.gubun = ReadSettingsValue(ini, *FindSettingsKey(up, QStringLiteral("GUBUN")));
    // The keyring is asked only when a password was meant to be kept (or an old file still holds
    // one to move out of it), so a desktop without a keyring is not queried at every start.
    if (login.savePassword || !readRaw(ini, up, QStringLiteral("PW")).isEmpty())
        login.password = ReadSecretSetting(ini, up, QStringLiteral("PW"));
    if (!login.savePassword)
        login.password.clear();
    return login;
}

bool WriteSavedLogin(TIniFile *ini, const SavedLogin &login)
{
    if (!ini)
        return false;
    const QString up = QStringLiteral("USER");
    const QString packedId = login.saveId ? QString::fromLatin1(PackNibbles(Cp949::encode(login.id), false)) : QString();
    bool ok = ini->WriteString(up, QStringLiteral("SAVEID"), login.saveId ? QStringLiteral("Y") : QStringLiteral("N"));
    ok = ini->WriteString(up, QStringLiteral("ID"), packedId) && ok;
    ok = ini->WriteString(up, QStringLiteral("SAVEPW"), login.savePassword ? QStringLiteral("Y") : QStringLiteral("N")) && ok;
    ok = ini->WriteString(up, QStringLiteral("PW"), QString()) && ok;
    ok = ini->WriteString(up, QStringLiteral("GUBUN"), login.gubun) && ok;
    WriteSecretSetting(ini, up, QStringLiteral("PW"), login.savePassword ? login.password : QString());
    return ok;
}

QStringList ReadDeliveryList(const TIniFile *ini, const QString &prefix)
{
    QStringList out;
    const int len = std::min(kMaxDeliveryListLen,
                             ReadSettingsValue(ini, *FindSettingsKey(QStringLiteral("DELIVERY_SET"), QStringLiteral("ILEN"))).toInt());
    for (int i = 0; i < len; ++i)
        out << readRaw(ini, QStringLiteral("DELIVERY_SET"), prefix + QString::number(i));
    return out;
}

QStringList ReadCheckedBranches(const TIniFile *ini, const QString &hd, const QString &br)
{
    return ini ? ini->ReadSection(QStringLiteral("CHECK_BR") + hd + br) : QStringList();
}

QString ReadSessionSeconds(const TIniFile *ini, const QString &loginId)
{
    if (loginId.isEmpty())
        return QString();
    return readRaw(ini, QStringLiteral("SESSION"), loginId);
}
