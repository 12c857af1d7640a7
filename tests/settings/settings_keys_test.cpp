#include "settings/color_text.h"
#include "common/message_box.h"
#include "records/business_rules.h"
#include "settings/secret_store.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "text/text_helpers.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

namespace
{
class MemorySecretStore : public ISecretStore
{
public:
    QHash<QString, QString> entries;
    int reads = 0;
    bool write(const QString &account, const QString &secret) override
    {
        entries.insert(account, secret);
        return true;
    }
    std::optional<QString> read(const QString &account) override
    {
        ++reads;
        if (!entries.contains(account))
            return std::nullopt;
        return entries.value(account);
    }
    bool remove(const QString &account) override
    {
        entries.remove(account);
        return true;
    }
};

class SettingsKeysTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_prevBox = SetMsgBoxHandler([this](const QString &text, const QString &kind) {
            boxes << kind + QLatin1Char(':') + text;
            return 1;
        });
        m_prevStore = SetSecretStore(nullptr);
        ResetSecretNotSavedNotice();
        AppClock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    }
    void TearDown() override
    {
        SetMsgBoxHandler(m_prevBox);
        SetSecretStore(m_prevStore);
        AppClock::clearFixed();
    }
    QString path() const { return dir.filePath(QStringLiteral("CourierDesk_env.ini")); }
    QByteArray fileBytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString value(const TIniFile &ini, const char *section, const char *key) const
    {
        const IniKeyDef *def = FindSettingsKey(QString::fromLatin1(section), QString::fromLatin1(key));
        return def ? ReadSettingsValue(&ini, *def) : QStringLiteral("<unknown key>");
    }

    QTemporaryDir dir;
    QStringList boxes;
    MsgBoxHandler m_prevBox;
    std::shared_ptr<ISecretStore> m_prevStore;
};

TEST_F(SettingsKeysTest, MissingFileGivesEveryDefault)
{
    TIniFile ini(path());
    const struct
    {
        const char *section, *key, *expected;
    } cases[] = {
        {"USER", "ID", ""}, {"USER", "PW", ""}, {"USER", "SAVEID", "N"}, {"USER", "SAVEPW", "N"},
        {"USER", "GUBUN", "T"}, {"USER", "CHARGE_POS_YN", "Y"}, {"USER", "TRS_APP_USE", "0"},
        {"User", "MuteSound", "0"}, {"User", "FONT_SIZE", "10"}, {"User", "DATA_HEIGHT", "25"},
        {"User", "Alam_Login", "1"}, {"User", "Alam_MSG", "1"}, {"User", "MsgTime", "1500"},
        {"User", "VIEW_WORK_CONTROL", "3"}, {"User", "WorkWkControlView", "4"}, {"User", "SearchAutoDaum", "Y"},
        {"User", "TreeExpand", "N"}, {"User", "COOK_VIEW_TYPE", "1"}, {"User", "AddTimeViewType", "2"},
        {"User", "dtAdPopUp", "2026-12-10"}, {"User", "bOrdConfirmMsg", "0"}, {"User", "BT_USE", "0"},
        // Without a file every colour is the system window colour.
        {"User", "ColorNormalB", "clWindow"}, {"User", "ColorOrdCardCancelF", "clWindow"},
        {"DELIVERY_SET", "ITYPE", "1"}, {"DELIVERY_SET", "ILEN", "0"}, {"DELIVERY_SET", "DVRY_NORMAL", "Y"},
        {"DELIVERY_SET", "DVRY_SAMEDAY", "N"}, {"ORD", "DISPOS", "9"}, {"ORD_OLD", "DISPOS", "9"},
        {"CID", "USE", "0"}, {"CID", "Port", "20005"}, {"KTCID", "USE", "0"}, {"SOLBI_INFO", "USE", "0"},
        {"COMCID1", "RATE", "9600"}, {"COMCID2", "USE", "0"}, {"MULTI_COMCID2", "CH7", ""},
        {"Print1", "USE", "0"}, {"Print4", "RAGE", "9600"}, {"Print2", "PRT_ST_1001", "1"},
        {"Print3", "TPRT_ST_2001", "1"}, {"Print1", "PRT_STAT", "01000"}, {"Print1", "PRT_OUT", "0110"},
        {"Print1", "BIZNAME", "1"}, {"Print1", "PRT_GRP", "0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(value(ini, c.section, c.key), QString::fromUtf8(c.expected)) << c.section << "/" << c.key;
    EXPECT_EQ(FindSettingsKey(QStringLiteral("MULTI_COMCID1"), QStringLiteral("RATE")), nullptr);
    for (const IniKeyDef &def : SettingsKeysAtStart())
        ReadSettingsValue(&ini, def);
    EXPECT_FALSE(ini.FileExists()) << "reading must not create the file";
    EXPECT_TRUE(ReadSessionSeconds(&ini, QStringLiteral("user1")).isEmpty());
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(SettingsKeysTest, ColoursDefaultPerKeyOnceTheFileExists)
{
    TIniFile ini(path());
    ASSERT_TRUE(ini.WriteString(QStringLiteral("User"), QStringLiteral("ColorNormalF"), QStringLiteral("clAqua")));
    EXPECT_EQ(value(ini, "User", "ColorNormalF"), QStringLiteral("clAqua"));
    EXPECT_EQ(value(ini, "User", "ColorNormalB"), QStringLiteral("clWhite"));
    EXPECT_EQ(value(ini, "User", "ColorOrdStNoChkB"), QStringLiteral("clBlue"));
    EXPECT_EQ(value(ini, "User", "ColorOrdDvryNoAddrB"), ColorToString(ColorFromRgb(255, 128, 0)));
}

TEST_F(SettingsKeysTest, StoredValuesAreCutConvertedAndCorrected)
{
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[User]\nFONT_SIZE=big\nStockUse=12345\nBT_USE=1\n[Print1]\nPRT_STAT=0123456\n"
            "[DELIVERY_SET]\nILEN=3\nST_NO_LIST0=a\nST_NO_LIST1=b\nST_NO_LIST2=c\nST_NO_LIST3=d\n"
            "[CHECK_BRH0001B0001]\nB0001=1\nB0002=1\n[SESSION]\nuser1=3600\n");
    f.close();
    TIniFile ini(path());
    EXPECT_EQ(value(ini, "User", "FONT_SIZE"), QStringLiteral("10"));
    EXPECT_EQ(value(ini, "User", "StockUse"), QStringLiteral("123"));
    EXPECT_EQ(value(ini, "User", "BT_USE"), QStringLiteral("0")) << "no BT_ID and no BT_PW";
    EXPECT_EQ(value(ini, "Print1", "PRT_STAT"), QStringLiteral("01234"));
    EXPECT_EQ(ReadDeliveryList(&ini, QStringLiteral("ST_NO_LIST")), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(ReadDeliveryList(&ini, QStringLiteral("BST_NAME_LIST")), (QStringList{"", "", ""}));
    EXPECT_EQ(ReadCheckedBranches(&ini, QStringLiteral("H0001"), QStringLiteral("B0001")),
              (QStringList{"B0001", "B0002"}));
    EXPECT_EQ(ReadSessionSeconds(&ini, QStringLiteral("USER1")), QStringLiteral("3600"));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("User"), QStringLiteral("BT_ID"), QStringLiteral("bt")));
    EXPECT_EQ(value(ini, "User", "BT_USE"), QStringLiteral("1"));

    // A damaged count neither stalls the start nor yields a negative-sized list.
    ASSERT_TRUE(ini.WriteString(QStringLiteral("DELIVERY_SET"), QStringLiteral("ILEN"), QStringLiteral("2000000000")));
    const QStringList capped = ReadDeliveryList(&ini, QStringLiteral("ST_NO_LIST"));
    ASSERT_EQ(capped.size(), kMaxDeliveryListLen);
    EXPECT_EQ(capped.mid(0, 5), (QStringList{"a", "b", "c", "d", ""}));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("DELIVERY_SET"), QStringLiteral("ILEN"), QStringLiteral("-4")));
    EXPECT_TRUE(ReadDeliveryList(&ini, QStringLiteral("ST_NO_LIST")).isEmpty());
}

TEST_F(SettingsKeysTest, SavedLoginKeepsPasswordInKeyringOnly)
{
    auto store = std::make_shared<MemorySecretStore>();
    SetSecretStore(store);
    TIniFile ini(path());
    SavedLogin login{QStringLiteral("staff01"), QStringLiteral("s3cret!"), true, true, QStringLiteral("R")};
    ASSERT_TRUE(WriteSavedLogin(&ini, login));
    const QByteArray bytes = fileBytes();
    EXPECT_FALSE(bytes.contains("s3cret")) << bytes.constData();
    EXPECT_FALSE(bytes.contains(PackNibbles("s3cret!", false)));
    EXPECT_TRUE(bytes.contains("ID=" + PackNibbles("staff01", false)));
    EXPECT_EQ(store->entries.value(QStringLiteral("USER/PW")), QStringLiteral("s3cret!"));

    const SavedLogin back = ReadSavedLogin(&ini);
    EXPECT_EQ(back.id, QStringLiteral("staff01"));
    EXPECT_EQ(back.password, QStringLiteral("s3cret!"));
    EXPECT_TRUE(back.saveId && back.savePassword);
    EXPECT_EQ(back.gubun, QStringLiteral("R"));

    login.savePassword = false;
    ASSERT_TRUE(WriteSavedLogin(&ini, login));
    EXPECT_FALSE(store->entries.contains(QStringLiteral("USER/PW")));
    EXPECT_TRUE(boxes.isEmpty());

    // Without "save password" the start does not ask the keyring at all.
    store->reads = 0;
    EXPECT_TRUE(ReadSavedLogin(&ini).password.isEmpty());
    EXPECT_EQ(store->reads, 0);
}

TEST_F(SettingsKeysTest, WithoutKeyringPasswordIsNotSavedAndUserToldOnce)
{
    TIniFile ini(path());
    SavedLogin login{QStringLiteral("staff01"), QStringLiteral("s3cret!"), true, true, QStringLiteral("T")};
    ASSERT_TRUE(WriteSavedLogin(&ini, login));
    ASSERT_TRUE(WriteSavedLogin(&ini, login));
    EXPECT_FALSE(WriteSecretSetting(&ini, QStringLiteral("KTCID"), QStringLiteral("PW"), QStringLiteral("kt-pass")));
    EXPECT_FALSE(fileBytes().contains("s3cret"));
    EXPECT_FALSE(fileBytes().contains("kt-pass"));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes.first(), QStringLiteral("I:") + SecretNotSavedMessage());
    EXPECT_TRUE(ReadSavedLogin(&ini).password.isEmpty());
}

TEST_F(SettingsKeysTest, PasswordLeftInAnOldFileMovesToKeyring)
{
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[USER]\nSAVEPW=Y\nPW=" + PackNibbles("old-pw", false) + "\n[KTCID]\nPW=kt-plain\n");
    f.close();
    auto store = std::make_shared<MemorySecretStore>();
    SetSecretStore(store);
    TIniFile ini(path());
    EXPECT_EQ(ReadSavedLogin(&ini).password, QStringLiteral("old-pw"));
    EXPECT_EQ(value(ini, "KTCID", "PW"), QStringLiteral("kt-plain"));
    EXPECT_FALSE(fileBytes().contains(PackNibbles("old-pw", false)));
    EXPECT_FALSE(fileBytes().contains("kt-plain"));
    EXPECT_EQ(store->entries.value(QStringLiteral("KTCID/PW")), QStringLiteral("kt-plain"));
    EXPECT_EQ(ReadSavedLogin(&ini).password, QStringLiteral("old-pw"));
}
} // namespace
