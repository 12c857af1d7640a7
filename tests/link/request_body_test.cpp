#include "link/request_body.h"
#include "row_separator.h"

#include "records/session_records.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

namespace
{

class RequestBodyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        G_USER_INFO.ID = QStringLiteral("abc");
        G_USER_INFO.MC = QStringLiteral("[A]1A2B-3C4D");
        G_VERSION = QStringLiteral("1.3.01");
        G_DEVICE = QStringLiteral("XYZ");
    }
    void TearDown() override { ResetSessionRecords(); }
};

TEST_F(RequestBodyTest, ListBodyHasServerMemberOrderWithoutWhiteSpace)
{
    const QByteArray body = BuildRequestBody(ListBodyArgs("CS00_01_V02", "ADM3", "abc" + kSep, "3000"));
    const QString expected = QStringLiteral("{\"LANGUAGE\":\"0001\",\"VAL\":\"abc│\",\"CALLTYPE\":\"ADM3\","
                                            "\"REQNUM\":\"CS00_01_V02\",\"CALLSEQ\":\"CS00_01_V02\",\"DEVICE\":\"XYZ\","
                                            "\"PAGECOUNT\":\"3000\",\"INFO\":\"abc│[A]1A2B-3C4D│1.3.01│\"}");
    EXPECT_EQ(QString::fromUtf8(body), expected);
}

TEST_F(RequestBodyTest, PresenceRulesOfOptionalMembers)
{
    struct Case
    {
        RequestBodyArgs args;
        QString mustContain;
        QStringList mustLack;
    };
    const Case cases[] = {
        // RETTYPE only for a list of call type SWK2, right after the page count.
        {ListBodyArgs("A", "SWK2", "", "3000"), "\"PAGECOUNT\":\"3000\",\"RETTYPE\":\"1\",\"INFO\"", {"ITEM_CNT"}},
        {ListBodyArgs("A", "ADM3", "", "3000"), "\"PAGECOUNT\":\"3000\",\"INFO\"", {"RETTYPE"}},
        {OneBodyArgs("A", "SWK2", "", "", ""), "\"PAGECOUNT\":\"100\",\"INFO\"", {"RETTYPE", "ITEM_CNT", "COL_CNT"}},
        {OneBodyArgs("A", "CMM1", "", "", "4"), "│\",\"COL_CNT\":\"4\"}", {"ITEM_CNT"}},
        {OneBodyArgs("A", "CMM1", "", "2", "4"), "│\",\"ITEM_CNT\":\"2\",\"COL_CNT\":\"4\"}", {}},
        // An empty payload still has its member.
        {OneBodyArgs("A", "ADM1", "", "", ""), "\"VAL\":\"\",", {}},
    };
    for (const Case &c : cases) {
        const QString body = QString::fromUtf8(BuildRequestBody(c.args));
        EXPECT_TRUE(body.contains(c.mustContain)) << body.toStdString();
        for (const QString &lack : c.mustLack)
            EXPECT_FALSE(body.contains(lack)) << body.toStdString();
    }
}

TEST_F(RequestBodyTest, PayloadQuotesTravelAsEntitiesAndEveryValueIsValidJson)
{
    // A typed ID with a quote and a payload with a line feed must not break the JSON.
    G_USER_INFO.ID = QStringLiteral("a\"b");
    const QString val = QStringLiteral("say \"hi\" C:\\dir") + kSep + QStringLiteral("line1\nline2") + kSep;
    const QByteArray body = BuildRequestBody(OneBodyArgs("X", "ADM1", val, "", ""));
    EXPECT_TRUE(body.contains("\"VAL\":\"say &quot;hi&quot; C:&#92;dir│line1\\nline2│\""));
    QJsonParseError error;
    const QJsonObject obj = QJsonDocument::fromJson(body, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << body.constData();
    EXPECT_EQ(obj.value("INFO").toString(), QStringLiteral("a\"b│[A]1A2B-3C4D│1.3.01│"));
    EXPECT_EQ(UnescapeJsonVal(obj.value("VAL").toString()), val);
}

TEST(JsonValEscape, EscapeThenUnescapeRoundTripsAndTouchesNothingElse)
{
    EXPECT_EQ(EscapeJsonVal(QStringLiteral("a\"b\\c│\t가")), QStringLiteral("a&quot;b&#92;c│\t가"));
    EXPECT_EQ(UnescapeJsonVal(QStringLiteral("a&quot;b&#92;c")), QStringLiteral("a\"b\\c"));
    const QString raw = QStringLiteral("\"\\\"&amp;");
    EXPECT_EQ(UnescapeJsonVal(EscapeJsonVal(raw)), raw);
    EXPECT_EQ(JsonStringLiteral(QString(QChar(1))), QStringLiteral("\"\\u0001\""));
}

TEST(ReplyUnescape, JsonRepliesKeepTheirShapeAndParseToThePlainValues)
{
    // Unescaping the raw text first would put a bare quote inside a JSON string.
    const QString reply = QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_MSG\":\"say &quot;hi&quot; &#92;n\",\"N\":12}");
    const QString text = UnescapeReplyText(reply);
    EXPECT_EQ(text, QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_MSG\":\"say \\\"hi\\\" \\\\n\",\"N\":12}"));
    const QJsonObject obj = QJsonDocument::fromJson(text.toUtf8()).object();
    EXPECT_EQ(obj.value("OUT_MSG").toString(), QStringLiteral("say \"hi\" \\n"));
    // Text that is not JSON is unescaped as plain text.
    EXPECT_EQ(UnescapeReplyText(QStringLiteral("x&quot;y")), QStringLiteral("x\"y"));
    // The link works on the UTF-8 bytes: entities beside Hangul, in and outside JSON.
    EXPECT_EQ(UnescapeReplyBytes(QStringLiteral("{\"M\":\"본점&quot;한&#92;\"}").toUtf8()),
              QStringLiteral("{\"M\":\"본점\\\"한\\\\\"}").toUtf8());
    EXPECT_EQ(UnescapeReplyBytes(QStringLiteral("본점&quot;한&#92;").toUtf8()), QStringLiteral("본점\"한\\").toUtf8());
}

TEST(PayloadRedaction, PasswordFieldsNeverReachLogs)
{
    const QString login = QStringLiteral("id│secret│mc│P│");
    EXPECT_EQ(RedactPayload("LN02_01_V02", login), QStringLiteral("id│***│mc│P│"));
    EXPECT_EQ(RedactPayload("CS08_18_V01", QStringLiteral("1│seq│code│U│id│newpw│N│")),
              QStringLiteral("1│seq│code│U│id│***│N│"));
    EXPECT_EQ(RedactPayload("CS00_01_V02", login), login);

    // A password holding the separator leaves no tail behind.
    const QString full = QStringLiteral("id│pa│ss│mc│P│6││R│1301│202612100000││K│");
    EXPECT_EQ(RedactPayload("LN02_01_V02", full), QStringLiteral("id│***│mc│P│6││R│1301│202612100000││K│"));
    EXPECT_EQ(RedactPayload("CS08_18_V01", QStringLiteral("1│seq│code│U│id│new│pw│N│")),
              QStringLiteral("1│seq│code│U│id│***│N│"));
    EXPECT_EQ(RedactPayload("LN02_01_V02", QStringLiteral("id││mc│P│6││R│1301│2026││K│")),
              QStringLiteral("id││mc│P│6││R│1301│2026││K│"));
}
} // namespace
