#include "link/reply_check.h"
#include "row_separator.h"

#include "common/interface_texts.h"
#include "records/session_records.h"
#include "link_test_support.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace
{

struct SentRequest
{
    QString code;
    QString callType;
    QString val;
};

// RequestOne replaced by a queue of canned replies; every request is recorded.
class ReplyCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        G_LOG_DIR = log.dir();
        m_previous = SetCheckRequestFunction(
            [this](TcpClient *, const QString &code, const QString &callType, const QString &val, QString &reply) {
                sent.append({code, callType, val});
                reply = replies.isEmpty() ? QString() : replies.takeFirst();
            });
    }
    void TearDown() override { SetCheckRequestFunction(m_previous); }

    QString check(const QString &code, const QString &okMsg, const QString &errMsg, const QString &val)
    {
        QString res = QStringLiteral("stale");
        RequestCheck(nullptr, code, QStringLiteral("ADM1"), okMsg, errMsg, val, 1, res);
        return res;
    }

    QStringList replies;
    QList<SentRequest> sent;
    LogCapture log;
    ScriptedMsgBox boxes;

private:
    CheckRequestFunction m_previous;
};

TEST_F(ReplyCheckTest, SuccessShowsCallerTextThenNonBlankServerMessage)
{
    struct Case
    {
        QString okMsg;
        QString outMsg;
        QStringList boxTexts;
    };
    const Case cases[] = {
        {"저장되었습니다.", "   ", {"저장되었습니다."}},
        {"저장되었습니다.", "server says", {"저장되었습니다.", "server says"}},
        {"", "", {}},
    };
    for (const Case &c : cases) {
        boxes.shown.clear();
        replies = {QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_MSG\":\"%1\"}").arg(c.outMsg)};
        EXPECT_EQ(check("CS01_10_V01", c.okMsg, "err", "a" + kSep), "1" + kSep);
        QStringList texts;
        for (const auto &box : boxes.shown) {
            EXPECT_EQ(box.first, "I");
            texts << box.second;
        }
        EXPECT_EQ(texts, c.boxTexts);
    }
}

TEST_F(ReplyCheckTest, FailureIsLoggedAndShownOnlyWithAnErrorText)
{
    replies = {R"({"OUT_CODE":"0","OUT_MSG":"no stock"})", R"({"OUT_CODE":"7","OUT_MSG":"bad"})"};
    EXPECT_EQ(check("CS01_10_V01", "", "", "A" + kSep + "B" + kSep), "0" + kSep + "no stock");
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_TRUE(log.contains("CS01_10_V01 A│B│:no stock"));

    EXPECT_EQ(check("CS01_10_V01", "", "shown", "A" + kSep), "7" + kSep + "bad");
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].second, "7\nbad");
}

TEST_F(ReplyCheckTest, MissingOrUnreadableReplyGivesTheNetworkFailureResult)
{
    const QString netFail = "999" + kSep + G_MSG_NET_FAIL + kSep;
    replies = {QString(), QStringLiteral("not json")};
    EXPECT_EQ(check("CS01_10_V01", "ok", "err", "a" + kSep), netFail);
    EXPECT_TRUE(log.contains("CS01_10_V01 ERR[NO RESULT]"));
    EXPECT_EQ(check("CS01_10_V01", "ok", "err", "a" + kSep), netFail);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ReplyCheckTest, ConfirmedDispatchIsResentForcedAndReportsTheResendOutcome)
{
    struct Case
    {
        QString resendReply;
        QString expected;
    };
    const Case cases[] = {
        {R"({"OUT_CODE":"1","OUT_MSG":"done"})", "1" + kSep},
        {R"({"OUT_CODE":"0","OUT_MSG":"courier busy"})", "0" + kSep + "courier busy"},
        {QString(), "999" + kSep + G_MSG_NET_FAIL + kSep},
    };
    for (const Case &c : cases) {
        sent.clear();
        boxes.shown.clear();
        boxes.setAnswer(1);
        replies = {R"({"OUT_CODE":"5","OUT_MSG":"already assigned, force?"})", c.resendReply};
        EXPECT_EQ(check("CS01_18_V03", "", "err", "A" + kSep + "B" + kSep + "C" + kSep), c.expected);
        ASSERT_EQ(sent.size(), 2);
        EXPECT_EQ(sent[1].code, "CS01_18_V03");
        EXPECT_EQ(sent[1].callType, "ADM1");
        EXPECT_EQ(sent[1].val, "A" + kSep + "B" + kSep + "2" + kSep);
        ASSERT_GE(boxes.shown.size(), 2);
        EXPECT_EQ(boxes.shown[0], qMakePair(QStringLiteral("Q"), QStringLiteral("already assigned, force?")));
    }
    EXPECT_EQ(boxes.shown.last().second, G_MSG_NET_FAIL);
}

TEST_F(ReplyCheckTest, DeclinedDispatchSendsNothingMoreAndIsNotASuccess)
{
    boxes.setAnswer(2);
    replies = {R"({"OUT_CODE":"5","OUT_MSG":"force?"})"};
    const int linesBefore = log.lines().size();
    EXPECT_EQ(check("CS01_18_V03", "", "err", "A" + kSep + "B" + kSep + "C" + kSep), "5" + kSep + "force?");
    EXPECT_EQ(sent.size(), 1);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].first, "Q");
    EXPECT_EQ(log.lines().size(), linesBefore + 0);
}

TEST_F(ReplyCheckTest, SameDayForcedDispatchUsesItsOwnCode)
{
    replies = {R"({"OUT_CODE":"1","OUT_MSG":"ok"})"};
    EXPECT_EQ(ForceBaechaResult("A" + kSep, "1009"), "1" + kSep);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0].code, "CS01_46_V01");
    EXPECT_EQ(sent[0].val, "A" + kSep + "2" + kSep);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].second, G_MSG_RESULT[3] + "\r\nok");
}
} // namespace
