#include "link/reply_check.h"

#include "common/interface_texts.h"
#include "sandbox_link_fixture.h"

namespace
{
const QString kDispatch = QStringLiteral("CS01_18_V03");

class ReplyCheckSandboxTest : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        proc_SetLanKor();
        // The first assignment is refused with "5"; the resend is answered normally.
        LinkFaults faults;
        faults.outCode.insert(kDispatch, QStringLiteral("5"));
        faults.once = true;
        host->setFaults(faults);
    }

    QString check()
    {
        QString res;
        RequestCheck(G_TCP_CLIENT, kDispatch, QStringLiteral("ADM1"), QString(), QStringLiteral("err"), m_val, 1,
                     res);
        return res;
    }

    QList<SandboxRequest> sent() const
    {
        QList<SandboxRequest> out;
        for (const SandboxRequest &r : host->receivedRequests())
            if (r.reqNum == kDispatch)
                out << r;
        return out;
    }

    const QString m_val = QStringList{"tester", "O\"1", "WK7", "1"}.join(G_FIELD_SEP) + G_FIELD_SEP;
};

TEST_F(ReplyCheckSandboxTest, ConfirmedAssignmentGoesOutAgainForcedWithItsQuotesIntact)
{
    boxes.setAnswer(1);
    EXPECT_EQ(check(), QStringLiteral("1") + G_FIELD_SEP);
    const QList<SandboxRequest> requests = sent();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests.at(0).fields(), (QStringList{"tester", "O\"1", "WK7", "1"}));
    EXPECT_TRUE(requests.at(0).itemCnt.isEmpty() && requests.at(0).colCnt.isEmpty());
    // The same payload with its last field replaced by "2", as a forced assignment.
    EXPECT_EQ(requests.at(1).fields(), (QStringList{"tester", "O\"1", "WK7", "2"}));
    EXPECT_EQ(requests.at(1).callType, QStringLiteral("ADM1"));
    EXPECT_EQ(requests.at(1).itemCnt, QStringLiteral("0"));
    EXPECT_EQ(requests.at(1).colCnt, QStringLiteral("0"));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown.at(0).first, QStringLiteral("Q"));
    EXPECT_EQ(boxes.shown.at(1).second, G_MSG_RESULT[3] + QStringLiteral("\r\n"));
}

TEST_F(ReplyCheckSandboxTest, DeclinedAssignmentIsNotASuccessAndNothingIsResent)
{
    boxes.setAnswer(2);
    EXPECT_EQ(check(), QStringLiteral("5") + G_FIELD_SEP);
    EXPECT_EQ(sent().size(), 1);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown.at(0).first, QStringLiteral("Q"));
}
} // namespace
