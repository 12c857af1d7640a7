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

    QList<QStringList> sentFields() const
    {
        QList<QStringList> out;
        for (const SandboxRequest &r : host->receivedRequests())
            if (r.reqNum == kDispatch)
                out << r.fields();
        return out;
    }

    const QString m_val = QStringList{"tester", "O\"1", "WK7", "1"}.join(G_FIELD_SEP) + G_FIELD_SEP;
};
} // namespace

TEST_F(ReplyCheckSandboxTest, ConfirmedAssignmentGoesOutAgainForcedWithItsQuotesIntact)
{
    boxes.setAnswer(1);
    EXPECT_EQ(check(), QStringLiteral("1") + G_FIELD_SEP);
    const QList<QStringList> sent = sentFields();
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent.at(0), (QStringList{"tester", "O\"1", "WK7", "1"}));
    // The same payload with its last field replaced by "2".
    EXPECT_EQ(sent.at(1), (QStringList{"tester", "O\"1", "WK7", "2"}));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown.at(0).first, QStringLiteral("Q"));
    EXPECT_EQ(boxes.shown.at(1).second, G_MSG_RESULT[3] + QStringLiteral("\r\n"));
}

TEST_F(ReplyCheckSandboxTest, DeclinedAssignmentIsNotASuccessAndNothingIsResent)
{
    boxes.setAnswer(2);
    EXPECT_EQ(check(), QStringLiteral("5") + G_FIELD_SEP);
    EXPECT_EQ(sentFields().size(), 1);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown.at(0).first, QStringLiteral("Q"));
}
