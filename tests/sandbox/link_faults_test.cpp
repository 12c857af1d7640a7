#include "raw_link_client.h"
#include "row_separator.h"

#include "link/session_cipher.h"
#include "sandbox/sandbox_host.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QJsonArray>

namespace
{
const QString kRows = QStringLiteral("TS00_01_V01");

class LinkFaultsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_host = StartLinkOnlySandbox();
        s_host->setHandler(kRows, [](const SandboxRequest &) {
            return SandboxReply::joinedRows({QStringLiteral("a%1").arg(kSep), QStringLiteral("b%1").arg(kSep)});
        });
    }
    static void TearDownTestSuite()
    {
        delete s_host;
        s_host = nullptr;
    }
    void SetUp() override
    {
        s_host->clearFaults();
        m_client = std::make_unique<RawLinkClient>();
        ASSERT_TRUE(m_client->connectTo(s_host->linkPort()));
        ASSERT_TRUE(m_client->handshake());
    }
    void TearDown() override { s_host->clearFaults(); }

    void sendRows() { m_client->sendRequest(kRows, QStringLiteral("ADM3"), QString(), QStringLiteral("1")); }

    static SandboxHost *s_host;
    std::unique_ptr<RawLinkClient> m_client;
};
SandboxHost *LinkFaultsTest::s_host = nullptr;

using Outcome = RawLinkClient::Outcome;

TEST_F(LinkFaultsTest, BrokenFramesAreObservableOnTheWire)
{
    struct Case
    {
        const char *name;
        LinkFaults faults;
        Outcome outcome;  // a whole frame that arrives must still fail to decrypt
    };
    LinkFaults midFrame;
    midFrame.closeMidFrame = true;
    LinkFaults garbage;
    garbage.garbageFrame = true;
    LinkFaults below12;
    below12.lengthBelow12 = true;
    LinkFaults huge;
    huge.hugeLength = true;
    LinkFaults padding;
    padding.badPadding = true;
    const Case cases[] = {
        {"close mid-frame", midFrame, Outcome::Closed},
        {"garbage frame", garbage, Outcome::Frame},
        {"length below 12", below12, Outcome::Invalid},
        {"enormous length", huge, Outcome::Invalid},
        {"bad padding", padding, Outcome::Frame},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RawLinkClient client;
        ASSERT_TRUE(client.connectTo(s_host->linkPort()));
        ASSERT_TRUE(client.handshake());
        s_host->setFaults(c.faults);
        client.sendRequest(kRows, QStringLiteral("ADM3"), QString(), QStringLiteral("1"));
        const RawLinkClient::Read r = client.readFrame();
        EXPECT_EQ(r.outcome, c.outcome);
        if (r.outcome == Outcome::Frame) {
            EXPECT_FALSE(SessionCipher::decryptFromBase64(r.frame.mid(16), client.sessionKey()).has_value());
        }
        s_host->clearFaults();
    }
}

TEST_F(LinkFaultsTest, HeaderFaultsAnnounceTheExactLengths)
{
    LinkFaults faults;
    faults.lengthBelow12 = true;
    s_host->setFaults(faults);
    sendRows();
    m_client->readFrame();
    EXPECT_EQ(Frame::lengthOf(m_client->pending().constData(), m_client->pending().size()), 5u);

    RawLinkClient other;
    ASSERT_TRUE(other.connectTo(s_host->linkPort()));
    ASSERT_TRUE(other.handshake());
    faults = {};
    faults.hugeLength = true;
    s_host->setFaults(faults);
    other.sendRequest(kRows, QStringLiteral("ADM3"), QString(), QStringLiteral("1"));
    other.readFrame();
    EXPECT_EQ(Frame::lengthOf(other.pending().constData(), other.pending().size()), Frame::kMaxLength + 1);
}

TEST_F(LinkFaultsTest, BadPaddingIsValidBase64AndWholeBlocks)
{
    LinkFaults faults;
    faults.badPadding = true;
    s_host->setFaults(faults);
    sendRows();
    const RawLinkClient::Read r = m_client->readFrame();
    ASSERT_EQ(r.outcome, Outcome::Frame);
    const QByteArray cipher = Base64DecodeBytes(r.frame.mid(16));
    ASSERT_FALSE(cipher.isEmpty());
    EXPECT_EQ(cipher.size() % 16, 0);
}

TEST_F(LinkFaultsTest, CloseMidFrameLeavesHalfAFrame)
{
    LinkFaults faults;
    faults.closeMidFrame = true;
    s_host->setFaults(faults);
    sendRows();
    EXPECT_EQ(m_client->readFrame().outcome, Outcome::Closed);
    ASSERT_GE(m_client->pending().size(), 16);
    const quint32 length = Frame::lengthOf(m_client->pending().constData(), 16);
    EXPECT_LT(m_client->pending().size(), qsizetype(length) + 4);
}

TEST_F(LinkFaultsTest, StallHoldsTheReplyBackThenSendsIt)
{
    LinkFaults faults;
    faults.stallMs = 600;
    s_host->setFaults(faults);
    QElapsedTimer timer;
    timer.start();
    sendRows();
    EXPECT_EQ(m_client->readFrame(150).outcome, Outcome::TimedOut);
    const auto reply = m_client->readReply();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->size(), 2);
    EXPECT_GE(timer.elapsed(), 550);
}

TEST_F(LinkFaultsTest, StatusThreeFrameAloneOrAmongThePages)
{
    LinkFaults faults;
    faults.status3Message = QStringLiteral("서버 점검");
    s_host->setFaults(faults);
    sendRows();
    auto reply = m_client->readReply();
    ASSERT_TRUE(reply.has_value());
    ASSERT_EQ(reply->size(), 1);
    EXPECT_EQ(reply->at(0).status, '3');
    EXPECT_EQ(reply->at(0).json().value("OUT_CODE").toString(), "3");
    EXPECT_EQ(reply->at(0).json().value("OUT_MSG").toString(), QStringLiteral("서버 점검"));

    // Two pages with the "3" frame between them: 2, 3, then the last page 1.
    faults.status3KeepPages = true;
    faults.status3Position = 1;
    s_host->setFaults(faults);
    sendRows();
    QString statuses;
    for (int i = 0; i < 3; ++i) {
        const auto page = m_client->readPage();
        ASSERT_TRUE(page.has_value());
        statuses += QLatin1Char(page->status);
    }
    EXPECT_EQ(statuses, "231");
}

TEST_F(LinkFaultsTest, ForcedOutCodeAppliesToItsRequestCodeOnly)
{
    LinkFaults faults;
    faults.outCode.insert(kRows, QStringLiteral("17"));
    s_host->setFaults(faults);
    sendRows();
    auto reply = m_client->readReply();
    ASSERT_TRUE(reply.has_value());
    ASSERT_EQ(reply->size(), 2);
    for (const auto &page : *reply)
        EXPECT_EQ(page.json().value("OUT_CODE").toString(), "17");
    EXPECT_EQ(reply->at(0).json().value("OUT_ROW1").toArray().size(), 1);

    m_client->sendRequest(QStringLiteral("999"), QStringLiteral("DUM"), kSep);
    reply = m_client->readReply();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->at(0).json().value("OUT_CODE").toString(), "1");
}

TEST_F(LinkFaultsTest, DropAfterReplySendsTheWholeReplyThenCloses)
{
    LinkFaults faults;
    faults.dropAfterReply = true;
    s_host->setFaults(faults);
    sendRows();
    EXPECT_TRUE(m_client->readReply().has_value());
    EXPECT_TRUE(m_client->waitClosed());
}

TEST_F(LinkFaultsTest, HandshakeRefusals)
{
    LinkFaults faults;
    faults.refuseHandshake = true;
    s_host->setFaults(faults);
    RawLinkClient refused;
    ASSERT_TRUE(refused.connectTo(s_host->linkPort()));
    EXPECT_EQ(refused.keyExchange(Frame::kGetRsaType, {}), QByteArray());

    faults = {};
    faults.rejectSessionKey = true;
    s_host->setFaults(faults);
    RawLinkClient rejected;
    ASSERT_TRUE(rejected.connectTo(s_host->linkPort()));
    EXPECT_FALSE(rejected.handshake());

    // One-shot refusals: the first attempt fails, the retry on the same connection succeeds.
    for (bool LinkFaults::*which : {&LinkFaults::refuseHandshake, &LinkFaults::rejectSessionKey}) {
        faults = {};
        faults.*which = true;
        faults.once = true;
        s_host->setFaults(faults);
        RawLinkClient retried;
        ASSERT_TRUE(retried.connectTo(s_host->linkPort()));
        EXPECT_FALSE(retried.handshake());
        EXPECT_TRUE(retried.handshake());
    }
}

TEST_F(LinkFaultsTest, OnceAndOnlyForCodeLimitTheSwitches)
{
    LinkFaults faults;
    faults.status3Message = QStringLiteral("bye");
    faults.onlyForCode = kRows;
    faults.once = true;
    s_host->setFaults(faults);

    m_client->sendRequest(QStringLiteral("999"), QStringLiteral("DUM"), kSep);
    auto reply = m_client->readReply();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->at(0).status, '1');  // another code: untouched, and the switch is not used up

    sendRows();
    reply = m_client->readReply();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->at(0).status, '3');

    sendRows();
    reply = m_client->readReply();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->size(), 2);
    EXPECT_FALSE(s_host->faults().any());
}

TEST_F(LinkFaultsTest, DropAllConnectionsClosesEveryClient)
{
    RawLinkClient other;
    ASSERT_TRUE(other.connectTo(s_host->linkPort()));
    ASSERT_TRUE(other.handshake());
    s_host->dropAllConnections();
    EXPECT_TRUE(m_client->waitClosed());
    EXPECT_TRUE(other.waitClosed());
    // The listener itself goes on.
    RawLinkClient fresh;
    ASSERT_TRUE(fresh.connectTo(s_host->linkPort()));
    EXPECT_TRUE(fresh.handshake());
}
} // namespace
