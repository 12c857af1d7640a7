#include "records/session_records.h"

#include <gtest/gtest.h>

namespace
{
class SessionRecordsTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetSessionRecords(); }
    void TearDown() override { ResetSessionRecords(); }
};

TEST_F(SessionRecordsTest, UserFieldsAreCutToTheirWidths)
{
    struct Case
    {
        const char *field;
        QString stored;
        QString expected;
    };
    TUSER_INFO u;
    u.ST = QStringLiteral("S00000123");
    u.HD = QStringLiteral("H000012");
    u.USER_TYPE_CD = QStringLiteral("70001");
    u.GUBUN = QStringLiteral("RT");
    u.DCF_BRAND_VALUE = QStringLiteral("가나");
    u.MC = QStringLiteral("[A]") + QString(60, QLatin1Char('9'));
    u.GRP_NAME = QString(300, QChar(0xAC00));  // UTF-8 fields keep the whole text
    const Case cases[] = {
        {"ST", u.ST, QStringLiteral("S000001")},
        {"HD", u.HD, QStringLiteral("H0000")},
        {"USER_TYPE_CD", u.USER_TYPE_CD, QStringLiteral("7000")},
        {"GUBUN", u.GUBUN, QStringLiteral("R")},
        {"DCF_BRAND_VALUE", u.DCF_BRAND_VALUE, QStringLiteral("가")},
        {"MC", u.MC, (QStringLiteral("[A]") + QString(60, QLatin1Char('9'))).left(40)},
        {"GRP_NAME", u.GRP_NAME, QString(300, QChar(0xAC00))},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.stored, c.expected) << c.field;
}

TEST_F(SessionRecordsTest, SettingsRecordStartsAtTheMissingKeyDefaults)
{
    const TUSER_SET s;
    EXPECT_EQ(s.FONT_SIZE, 10);
    EXPECT_EQ(s.DATA_HEIGHT, 25);
    EXPECT_EQ(s.MsgTime, 1500);
    EXPECT_EQ(s.MsgClose, 1);
    EXPECT_EQ(s.MsgAlramYN, 1);
    EXPECT_EQ(s.ViewWorkControlType, QStringLiteral("3"));
    EXPECT_EQ(s.AddTimeViewType, QStringLiteral("2"));
    EXPECT_EQ(s.SearchAutoDaum, QStringLiteral("Y"));
    EXPECT_EQ(s.NOTICE_ALAM, QStringLiteral("1"));
    EXPECT_EQ(s.WorkWkControlView, 4);
    for (const auto &mode : s.ORDER_TIME_VIEW)
        EXPECT_EQ(mode, QStringLiteral("0"));
    EXPECT_EQ(s.ColorNormalB, 0xFFFFFFu);
    EXPECT_EQ(s.ColorOrdDvryNoAddrB, 0xFF8000u);
    // Reception switches without a settings key start empty and 0.
    EXPECT_EQ(s.AddrPopup, QString());
    EXPECT_EQ(s.VKeyboard, QString());
    EXPECT_EQ(s.WORD_ADDR_NO, QString());
    EXPECT_EQ(s.ACC_START, 0);
    EXPECT_FALSE(s.bOrdConfirmMsg);
}

TEST_F(SessionRecordsTest, ResetPutsEveryGlobalBack)
{
    G_USER_INFO.ID = QStringLiteral("user");
    G_USER_INFO.UserAuthGrade = 3;
    G_USER_INFO.MNG_DVRY_INFO.SH_LIST.append(TSHARE_GROUP());
    G_USER_SET.MsgTime = 1;
    G_USER_SET.ORDER_TIME_VIEW[2] = QStringLiteral("2");
    G_FIELD_SEP = QStringLiteral("|");
    G_LANGUAGE = QStringLiteral("0002");
    G_FMT.DateSeparator = QLatin1Char('/');
    G_SESSION_SEC = QStringLiteral("60");
    G_SERVER_PORT = 9;
    G_REINIT_DONE = true;
    G_LOG_FILE = G_IMG_DIR = G_INI_PATH = G_CUR_FORM = QStringLiteral("x");

    ResetSessionRecords();
    EXPECT_EQ(G_USER_INFO.ID, QString());
    EXPECT_EQ(G_USER_INFO.UserAuthGrade, 0);
    EXPECT_TRUE(G_USER_INFO.MNG_DVRY_INFO.SH_LIST.isEmpty());
    EXPECT_EQ(G_USER_SET.MsgTime, 1500);
    EXPECT_EQ(G_USER_SET.ORDER_TIME_VIEW[2], QStringLiteral("0"));
    EXPECT_EQ(G_FIELD_SEP, QString(QChar(0x2502)));
    EXPECT_EQ(G_LANGUAGE, QStringLiteral("0001"));
    EXPECT_EQ(G_FMT.DateSeparator, QLatin1Char('-'));
    EXPECT_EQ(G_FMT.QtDateTimeFormat, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    EXPECT_EQ(G_SESSION_SEC, QStringLiteral("1800"));
    EXPECT_EQ(G_SERVER_PORT, 0);
    EXPECT_FALSE(G_REINIT_DONE);
    EXPECT_EQ(G_LOG_FILE, QString());
    EXPECT_EQ(G_IMG_DIR, QString());
    EXPECT_EQ(G_INI_PATH, QString());
    EXPECT_EQ(G_CUR_FORM, QString());
}
} // namespace
