#include "settings/deployment_config.h"
#include "records/session_records.h"
#include "reference/edition_table.h"
#include "start/login.h"
#include "start/start_globals.h"
#include "reference/page_addresses.h"
#include "start/password_rules.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <QUrl>

namespace
{
const QString S = QStringLiteral("│");

class LoginLogicTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        G_FIELD_SEP = S;
        DeploymentConfig::clear();
        ClearPageAddresses();
        G_SERVER_TIME.clear();
    }
    void TearDown() override
    {
        DeploymentConfig::clear();
        SetLoginScreenHook({});
    }
};

// A reply row with the given columns; the others are plausible defaults.
QJsonObject row(const QString &typeCd, const QString &c14 = QString(), int columns = 28)
{
    QJsonObject o;
    for (int i = 0; i < columns; ++i)
        o.insert(QStringLiteral("C_%1").arg(i), QStringLiteral("v%1").arg(i));
    o.insert(QStringLiteral("C_2"), typeCd);
    o.insert(QStringLiteral("C_3"), QStringLiteral("H0001"));
    o.insert(QStringLiteral("C_4"), QStringLiteral("B000101"));
    o.insert(QStringLiteral("C_5"), QStringLiteral("S000101"));
    o.insert(QStringLiteral("C_10"), QStringLiteral("20250101030000"));
    o.insert(QStringLiteral("C_14"), c14);
    if (columns > 19)
        o.insert(QStringLiteral("C_19"), QStringLiteral(" 1001 , 1003 "));
    return o;
}

ReplyRow replyRow(const QJsonObject &o)
{
    return ReplyRow::fromObject(o);
}
} // namespace

TEST_F(LoginLogicTest, PayloadCarriesTheBuildModeAndVersionWithoutDots)
{
    G_USER_INFO.MC = QStringLiteral("[A]PC1");
    G_USER_INFO.GUBUN = QStringLiteral("T");  // the dialog's choice does not enter the payload
    G_USER_INFO.GUBUN_MODE = QStringLiteral("R");
    G_VERSION = QStringLiteral("1.3.01");
    G_EXE_DATE = QStringLiteral("202601021530");
    G_DEVICE = QStringLiteral("CDK");
    const QString payload = BuildLoginPayload(QStringLiteral("demo"), QStringLiteral("pw\"1"));
    const QString os = LoginPlatformMajorVersion();
    EXPECT_EQ(payload, QStringLiteral("demo│pw\"1│[A]PC1│P│") + os + QStringLiteral("││R│1301│202601021530││K│"));
    EXPECT_EQ(LoginPayloadWithoutPassword(payload),
              QStringLiteral("demo││[A]PC1│P│") + os + QStringLiteral("││R│1301│202601021530││K│"));
}

TEST_F(LoginLogicTest, LoginCodesAreClassified)
{
    for (const char *code : {"1", "3", "4", "9"})
        EXPECT_EQ(ClassifyLoginCode(QLatin1String(code)), LoginCodeKind::Accepted) << code;
    for (const char *code : {"17", "23", "24"})
        EXPECT_EQ(ClassifyLoginCode(QLatin1String(code)), LoginCodeKind::PasswordChange) << code;
    for (const char *code : {"0", "2", "5", "", "10", "231"})
        EXPECT_EQ(ClassifyLoginCode(QLatin1String(code)), LoginCodeKind::Refused) << code;
}

TEST_F(LoginLogicTest, ReplyFillsTheUserRecordByClass)
{
    struct Case
    {
        const char *typeCd;
        const char *c14;
        const char *userCode;
        const char *brDvry;
        bool master;
        int grade;
    };
    const Case cases[] = {
        {"1003", "D001", "H0001", "N", false, 3},    // store: head-office code, never branch delivery
        {"5000", "D001", "B000101", "Y", true, 0},   // distributor with a managed group
        {"5002", " ", "B000101", "N", false, 2},     // distributor, blank group
        {"7000", "", "H0001", "N", true, 0},         // partner head office, master
        {"7ABC", "", "H0001", "N", false, 10},       // grade not a number
    };
    for (const Case &c : cases) {
        ResetSessionRecords();
        G_USER_INFO.USER_CODE = QStringLiteral("old");
        ASSERT_TRUE(ApplyLoginRow(replyRow(row(QLatin1String(c.typeCd), QLatin1String(c.c14))))) << c.typeCd;
        EXPECT_EQ(G_USER_INFO.USER_TYPE_CD, QLatin1String(c.typeCd));
        EXPECT_EQ(G_USER_INFO.USER_CODE, QLatin1String(c.userCode)) << c.typeCd;
        EXPECT_EQ(G_USER_INFO.BR_DVRY_YN, QLatin1String(c.brDvry)) << c.typeCd;
        EXPECT_EQ(G_USER_INFO.HDBR_MASTER_YN, c.master) << c.typeCd;
        EXPECT_EQ(G_USER_INFO.UserAuthGrade, c.grade) << c.typeCd;
        EXPECT_EQ(G_USER_INFO.HD, QStringLiteral("H0001"));
        EXPECT_EQ(G_USER_INFO.ST, QStringLiteral("S000101"));
        EXPECT_EQ(G_SERVER_TIME, QStringLiteral("20250101030000"));
        EXPECT_EQ(G_USER_INFO.SAMEDAY_NORMAL_TYPE, 1);
        EXPECT_EQ(G_USER_INFO.SAMEDAY_GANSUN_TYPE, 0);
        EXPECT_EQ(G_USER_INFO.SAMEDAY_JISUN_TYPE, 1);
        EXPECT_EQ(G_USER_INFO.DCF_BRAND_VALUE, QStringLiteral("v2"));  // cut to two characters
    }
}

TEST_F(LoginLogicTest, SystemUserIsRefusedBeforeAnythingElseIsCopied)
{
    EXPECT_FALSE(ApplyLoginRow(replyRow(row(QStringLiteral("9000")))));
    EXPECT_EQ(G_USER_INFO.USER_TYPE_CD, QStringLiteral("9000"));
    EXPECT_TRUE(G_USER_INFO.HD.isEmpty());
    EXPECT_TRUE(G_SERVER_TIME.isEmpty());
}

TEST_F(LoginLogicTest, ShortRowsNullsAndTheScreenStepsInOrder)
{
    QJsonObject o = row(QStringLiteral("1003"), QString(), 15);  // C_0..C_14 only
    o.insert(QStringLiteral("C_11"), QJsonValue::Null);
    o.insert(QStringLiteral("C_12"), QJsonValue::Null);
    G_USER_INFO.DVRY_MNG_YN = "Y";
    QList<LoginScreenStep> steps;
    SetLoginScreenHook([&steps](LoginScreenStep s) { steps << s; });
    ASSERT_TRUE(ApplyLoginRow(replyRow(o)));
    EXPECT_EQ(G_USER_INFO.DVRY_MNG_YN, QStringLiteral("Y"));  // only read from rows of more than 15 columns
    EXPECT_TRUE(G_USER_INFO.VBank_Code.isEmpty());
    EXPECT_TRUE(G_USER_INFO.VBank.isEmpty());
    EXPECT_EQ(steps, (QList<LoginScreenStep>{LoginScreenStep::BoardButtons, LoginScreenStep::OrderTabs,
                                             LoginScreenStep::BoardRights, LoginScreenStep::MainPanels}));
}

TEST_F(LoginLogicTest, RecheckRefreshesPartOfTheRecordAndKeepsTheGrade)
{
    ASSERT_TRUE(ApplyLoginRow(replyRow(row(QStringLiteral("5000"), QStringLiteral("D1"))))); // grade 0
    G_USER_INFO.CONTRACT_YN = "Q";
    QJsonObject o = row(QStringLiteral("5003"), QStringLiteral("D2"), 16);
    o.insert(QStringLiteral("C_1"), QStringLiteral("새이름"));
    o.insert(QStringLiteral("C_15"), QStringLiteral("N"));
    ASSERT_TRUE(RefreshLoginRow(replyRow(o)));
    EXPECT_EQ(G_USER_INFO.NM, QStringLiteral("새이름"));
    EXPECT_EQ(G_USER_INFO.UserAuthGrade, 0);     // not recomputed
    EXPECT_TRUE(G_USER_INFO.HDBR_MASTER_YN);     // from the kept grade
    EXPECT_EQ(G_USER_INFO.CONTRACT_YN, QStringLiteral("Q"));  // C_24 is not part of the refresh
    EXPECT_EQ(G_USER_INFO.DVRY_MNG_YN, QStringLiteral("N"));
    EXPECT_FALSE(RefreshLoginRow(replyRow(row(QStringLiteral("9001")))));
}

TEST_F(LoginLogicTest, ServerTimeBecomesAnOffsetOfTheProgramClock)
{
    const QDateTime system(QDate(2026, 3, 1), QTime(12, 0, 0, 250), Qt::UTC);
    const auto offset = ServerClockOffsetMs(QStringLiteral("20250101030000"), system, system);
    ASSERT_TRUE(offset.has_value());
    const QDateTime shown = system.addMSecs(*offset).toUTC();
    EXPECT_EQ(shown, QDateTime(QDate(2024, 12, 31), QTime(18, 0, 0, 250), Qt::UTC));

    // A program clock that already shows the server time to the second is left alone.
    const QDateTime seoul(QDate(2025, 1, 1), QTime(3, 0, 0, 900), QTimeZone(9 * 3600));
    EXPECT_FALSE(ServerClockOffsetMs(QStringLiteral("20250101030000"), system, seoul).has_value());
    // So is one that shows it on a PC set to another time zone.
    const QDateTime utc(QDate(2024, 12, 31), QTime(18, 0, 0, 400), Qt::UTC);
    EXPECT_FALSE(ServerClockOffsetMs(QStringLiteral("20250101030000"), system, utc).has_value());
    for (const char *bad : {"", "2025010103", "2025x101030000", "20251301030000"})
        EXPECT_FALSE(ServerClockOffsetMs(QLatin1String(bad), system, system).has_value()) << bad;
}

TEST_F(LoginLogicTest, BusinessDateStartsAtFive)
{
    EXPECT_EQ(BusinessDate(QDateTime(QDate(2026, 1, 1), QTime(4, 59, 59))), QStringLiteral("20251231"));
    EXPECT_EQ(BusinessDate(QDateTime(QDate(2026, 1, 1), QTime(5, 0, 0))), QStringLiteral("20260101"));
    G_USER_INFO.ID = QStringLiteral("demo");
    G_CID_DIR = QStringLiteral("/x/CID/");
    EXPECT_EQ(StoredMessageFileName(QDateTime(QDate(2026, 1, 2), QTime(9, 0))), QStringLiteral("/x/CID/20260102_demo.Dat"));
}

TEST_F(LoginLogicTest, ServerModeSetsLinkAndPageDefaults)
{
    DeploymentConfig::setValue(QString::fromLatin1(ServerHostKey::kFixed), QStringLiteral("fixed.example"));
    DeploymentConfig::setValue(QString::fromLatin1(ServerHostKey::kBalancer), QStringLiteral("lb.example"));
    DeploymentConfig::setValue(QString::fromLatin1(PageHostKey::kAdmin), QStringLiteral("http://admin.example"));
    DeploymentConfig::setValue(QString::fromLatin1(PageHostKey::kTest), QStringLiteral("http://test.example"));
    DeploymentConfig::setValue(QString::fromLatin1(DeploymentConfig::kWebHost), QStringLiteral("https://web.example:8443"));

    G_PROGRAM_NAME = G_ED_PROGRAM_NAME.at(kThisEdition);
    G_USER_INFO.GUBUN = QStringLiteral("R");
    proc_SetUserGubunValue();
    EXPECT_EQ(G_SERVER_HOST, QStringLiteral("lb.example"));
    EXPECT_EQ(G_SERVER_PORT, 7996);
    EXPECT_EQ(G_URL_ADMIN_PAGE, QStringLiteral("http://admin.example/LINKAGE/LINKAGE_SPEED_LOGIN.asp"));
    EXPECT_EQ(G_URL_MAIN_HOME, QStringLiteral("https://web.example:8443/"));  // falls back to web.host
    EXPECT_EQ(G_URL_ADDR_SEARCH2, QStringLiteral("https://web.example:8091/kakaoGISXY_V02.asp"));

    G_PROGRAM_NAME = G_ED_PROGRAM_NAME.at(kTestEdition);
    proc_SetUserGubunValue();
    EXPECT_EQ(G_SERVER_HOST, QStringLiteral("fixed.example"));
    EXPECT_EQ(G_SERVER_PORT, 7995);

    G_USER_INFO.GUBUN = QStringLiteral("T");
    proc_SetUserGubunValue();
    EXPECT_EQ(G_SERVER_PORT, 8995);
    EXPECT_EQ(G_URL_ADMIN_PAGE, QStringLiteral("http://test.example:8080/LINKAGE/LINKAGE_SPEED_LOGIN.asp"));
    EXPECT_EQ(G_URL_IMAGE_FILE_DOWN, QStringLiteral("http://test.example:8083/"));
    EXPECT_EQ(G_URL_ADDR_SEARCH2, QStringLiteral("http://test.example:8080/linkage/kakao/kakaoGISXY_V02.asp"));

    G_USER_INFO.GUBUN = QStringLiteral("X");
    G_SERVER_PORT = 1;
    proc_SetUserGubunValue();
    EXPECT_EQ(G_SERVER_PORT, 1);
    EXPECT_EQ(IdSearchPageUrl(true), QStringLiteral("https://web.example:8443/member/user_sch.php?sGrpTypeYn=Y"));
}

TEST_F(LoginLogicTest, OnlyPagesOverHttpsAreGivenTheSessionPassword)
{
    KeepAcceptedLogin(QStringLiteral("demo│pw│"), QStringLiteral("Sess!on#1"));
    const struct
    {
        const char *url;
        bool allowed;
    } cases[] = {
        {"https://pay.example/contract/sign.asp", true},
        {"HTTPS://pay.example:8443/pay", true},
        {"http://pay.example/contract/sign.asp", false},
        {"https:///no-host", false},
        {"ftp://pay.example/", false},
        {"file:///tmp/page.html", false},
        {"pay.example/contract", false},
        {"", false},
        {"https://[broken", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.url);
        const QUrl url(QString::fromLatin1(c.url));
        EXPECT_EQ(PageMayReceivePassword(url), c.allowed);
        EXPECT_EQ(SessionPasswordForPage(url), c.allowed ? QStringLiteral("Sess!on#1") : QString());
    }
    // After logout or close there is no password to give.
    ForgetSessionLogin();
    EXPECT_TRUE(SessionPasswordForPage(QUrl(QStringLiteral("https://pay.example/"))).isEmpty());
    EXPECT_TRUE(AcceptedLoginPayload().isEmpty());
}

TEST_F(LoginLogicTest, NewPasswordRulesInOrder)
{
    struct Case
    {
        QString pw;
        QString confirm;
        QString message;  // empty: accepted
    };
    const QString strength = QStringLiteral("비밀번호는 영문 대문자,소문자\n숫자,특수문자 중 3가지이상\n포함하여야합니다");
    const Case cases[] = {
        {QString(), QString(), QStringLiteral("비밀번호를 입력해주세요.")},
        {QStringLiteral("Abcdef12!가"), QStringLiteral("Abcdef12!가"), QStringLiteral("비밀번호에 한글이 들어가면 안됩니다.")},
        {QStringLiteral("Abcdef12!ㄱ"), QString(), QStringLiteral("비밀번호에 한글이 들어가면 안됩니다.")},
        {QStringLiteral("Abcd ef12!x"), QString(), QStringLiteral("비밀번호 중간에 공백이 들어가면 안됩니다.")},
        {QStringLiteral("Abcdefghij1234567890!"), QStringLiteral("Abcdefghij1234567890!"),
         QStringLiteral("비밀번호 글자수를 줄여주세요.")},
        // The four-character password of a server that allowed any length is refused here.
        {QStringLiteral("Aa1!"), QStringLiteral("Aa1!"), QStringLiteral("비밀번호는 10자 이상 입력해주세요.")},
        {QStringLiteral("Abcdef123!"), QStringLiteral("Abcdef123?"), QStringLiteral("비밀번호가 일치하지 않습니다.")},
        {QStringLiteral("abcdef12345"), QStringLiteral("abcdef12345"), strength},
        {QStringLiteral("Abcdef123!"), QStringLiteral("Abcdef123!"), QString()},
        {QStringLiteral("abcdefg12#$"), QStringLiteral("abcdefg12#$"), QString()},
    };
    for (const Case &c : cases) {
        const auto refusal = CheckNewPassword(c.pw, c.confirm);
        if (c.message.isEmpty())
            EXPECT_FALSE(refusal.has_value()) << c.pw.toStdString();
        else {
            ASSERT_TRUE(refusal.has_value()) << c.pw.toStdString();
            EXPECT_EQ(refusal->message, c.message) << c.pw.toStdString();
        }
    }
}

TEST_F(LoginLogicTest, PhoneDeadlineAndCountdownTexts)
{
    EXPECT_TRUE(IsPasswordChangePhone(QStringLiteral(" 01012345678 ")));
    EXPECT_FALSE(IsPasswordChangePhone(QStringLiteral("0101234567")));   // ten digits
    EXPECT_FALSE(IsPasswordChangePhone(QStringLiteral("01112345678")));  // other prefix
    EXPECT_EQ(PasswordDeferralDeadline(QDate(2025, 1, 15)), QStringLiteral("2025-04-15"));
    EXPECT_EQ(PasswordDeferralDeadline(QDate(2024, 1, 15)), QStringLiteral("2024-04-14"));  // leap year
    EXPECT_EQ(CountdownText(180), QStringLiteral("03:00"));
    EXPECT_EQ(CountdownText(59), QStringLiteral("00:59"));
    EXPECT_EQ(CountdownText(-1), QStringLiteral("00:00"));
}

TEST_F(LoginLogicTest, ParsesReplies)
{
    const LoginReply r = ParseLoginReply(QStringLiteral("{\"OUT_CODE\":\"23\",\"OUT_MSG\":\"m\"}"));
    EXPECT_TRUE(r.valid);
    EXPECT_EQ(r.outCode, QStringLiteral("23"));
    EXPECT_FALSE(r.hasRow);
    EXPECT_FALSE(ParseLoginReply(QStringLiteral("not json")).valid);
    const LoginReply rows = ParseLoginReply(QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_ROW1\":[\"1001│\"]}"));
    EXPECT_TRUE(rows.hasRow);
    EXPECT_EQ(rows.row.text(0), QStringLiteral("1001"));
}
