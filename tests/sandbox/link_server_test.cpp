#include "raw_link_client.h"
#include "row_separator.h"

#include "link/rsa_key.h"
#include "link/session_cipher.h"
#include "sandbox/sandbox_host.h"

#include <gtest/gtest.h>

#include <QJsonArray>

#include <functional>

namespace
{

class LinkServerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_host = StartLinkOnlySandbox();
        // Seven rows, enough for several pages at a small PAGECOUNT.
        s_host->setHandler(QStringLiteral("TS00_01_V01"), [](const SandboxRequest &) {
            QList<QStringList> rows;
            for (int i = 1; i <= 7; ++i)
                rows.append({QString::number(i), QStringLiteral("row %1").arg(i)});
            return SandboxReply::rowsOf(rows, QStringLiteral("SYNC-7"));
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
        s_host->clearReceived();
    }

    // A connected client that has finished the key exchange.
    std::unique_ptr<RawLinkClient> ready(const QByteArray &key = "0123456789abcdefghijklmnopqrstuv")
    {
        auto client = std::make_unique<RawLinkClient>(key);
        EXPECT_TRUE(client->connectTo(s_host->linkPort()));
        EXPECT_TRUE(client->handshake());
        return client;
    }

    static SandboxHost *s_host;
};
SandboxHost *LinkServerTest::s_host = nullptr;

TEST_F(LinkServerTest, KeyExchangeHandsOutAnRsa2048KeyAndAcceptsTheWrappedSessionKey)
{
    RawLinkClient client;
    ASSERT_TRUE(client.connectTo(s_host->linkPort()));
    const std::optional<QByteArray> publicKey = client.keyExchange(Frame::kGetRsaType, {});
    ASSERT_TRUE(publicKey.has_value());
    // Base64 DER of a 2048-bit SubjectPublicKeyInfo: 294 bytes, 392 characters, no line breaks.
    EXPECT_EQ(publicKey->size(), 392);
    EXPECT_FALSE(publicKey->contains('\n'));
    EXPECT_EQ(Base64DecodeBytes(*publicKey).size(), 294);

    const int before = s_host->handshakeCount();
    const std::optional<QByteArray> wrapped = RsaKey::publicEncryptBase64(*publicKey, client.sessionKey());
    ASSERT_TRUE(wrapped.has_value());
    EXPECT_EQ(client.keyExchange(Frame::kSendAesType, *wrapped), QByteArray("OK"));
    EXPECT_EQ(s_host->handshakeCount(), before + 1);

    // A wrapped key that does not unwrap is refused, and the connection stays usable.
    EXPECT_EQ(client.keyExchange(Frame::kSendAesType, "bm90IGEga2V5"), QByteArray("NO"));
    client.sendRequest(QStringLiteral("999"), QStringLiteral("DUM"), kSep);
    ASSERT_TRUE(client.readReply().has_value());
}

TEST_F(LinkServerTest, KeepAliveAndUnknownCodesAreAnsweredInOneFrame)
{
    auto client = ready();
    client->sendRequest(QStringLiteral("999"), QStringLiteral("DUM"), kSep);
    auto reply = client->readReply();
    ASSERT_TRUE(reply.has_value());
    ASSERT_EQ(reply->size(), 1);
    EXPECT_EQ(reply->at(0).status, '1');
    EXPECT_EQ(reply->at(0).json().value("OUT_CODE").toString(), "1");

    client->sendRequest(QStringLiteral("XX99_99_V99"), QStringLiteral("ADM1"), QString());
    reply = client->readReply();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->at(0).json().value("OUT_CODE").toString(), "0");
    EXPECT_EQ(reply->at(0).json().value("OUT_MSG").toString(), "unknown request XX99_99_V99");

    // The request log is the witness of what arrived and what was answered.
    const QList<SandboxRequestLog::Entry> logged = s_host->loggedRequests();
    ASSERT_EQ(logged.size(), 2);
    EXPECT_EQ(logged.at(0).code, "999");
    EXPECT_EQ(logged.at(0).callType, "DUM");
    EXPECT_EQ(logged.at(0).fieldCount, 1);
    EXPECT_EQ(logged.at(0).replyCode, "1");
    EXPECT_EQ(logged.at(1).code, "XX99_99_V99");
    EXPECT_EQ(logged.at(1).replyCode, "0");
    // What the log leaves out: the sender's identity.
    const QList<SandboxRequest> seen = s_host->receivedRequests();
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen.at(0).info, QStringLiteral("tester\u2502PC-1\u25021.3.01\u2502"));
}

TEST_F(LinkServerTest, RowsAreSplitIntoPagesOfPageCountRowsWithStatusTwoThenOne)
{
    auto client = ready();
    client->sendRequest(QStringLiteral("TS00_01_V01"), QStringLiteral("ADM3"), QStringLiteral("a%1").arg(kSep),
                        QStringLiteral("3"));
    const auto reply = client->readReply();
    ASSERT_TRUE(reply.has_value());
    ASSERT_EQ(reply->size(), 3);
    const QList<int> rowsPerPage{3, 3, 1};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(reply->at(i).status, i < 2 ? '2' : '1');
        const QJsonObject page = reply->at(i).json();
        EXPECT_EQ(page.value("OUT_CODE").toString(), "1");
        EXPECT_EQ(page.value("OUT_VAL").toString(), "SYNC-7");
        EXPECT_EQ(page.value("OUT_ROW1").toArray().size(), rowsPerPage.at(i));
    }
    EXPECT_EQ(reply->at(2).json().value("OUT_ROW1").toArray().at(0).toString(),
              QStringLiteral("7%1row 7%1").arg(kSep));

    // The same request with the usual large page count fits one frame.
    client->sendRequest(QStringLiteral("TS00_01_V01"), QStringLiteral("ADM3"), QString(), QStringLiteral("3000"));
    const auto single = client->readReply();
    ASSERT_TRUE(single.has_value());
    ASSERT_EQ(single->size(), 1);
    EXPECT_EQ(single->at(0).json().value("OUT_ROW1").toArray().size(), 7);
}

TEST_F(LinkServerTest, QuotesAndBackslashesTravelAsEntitiesBothWays)
{
    QStringList seenFields;
    s_host->setHandler(QStringLiteral("TS00_02_V01"), [&seenFields](const SandboxRequest &r) {
        seenFields = r.fields();
        return SandboxReply::rowsOf({{QStringLiteral("say \"hi\""), QStringLiteral("C:\\1T\\")}});
    });
    auto client = ready();
    // The client escapes VAL before it sends it.
    client->sendRequest(QStringLiteral("TS00_02_V01"), QStringLiteral("ADM1"),
                        QStringLiteral("a&quot;b%1c&#92;d%1").arg(kSep));
    const auto reply = client->readReply();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(seenFields, (QStringList{QStringLiteral("a\"b"), QStringLiteral("c\\d")}));
    EXPECT_TRUE(reply->at(0).text.contains(QStringLiteral("say &quot;hi&quot;%1C:&#92;1T&#92;%1").arg(kSep)))
        << qPrintable(reply->at(0).text);
}

TEST_F(LinkServerTest, EachConnectionKeepsItsOwnSessionKey)
{
    auto first = ready("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA");
    auto second = ready("BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB");
    second->sendRequest(QStringLiteral("999"), QStringLiteral("DUM"), kSep);
    first->sendRequest(QStringLiteral("999"), QStringLiteral("DUM"), kSep);
    EXPECT_TRUE(first->readReply().has_value());
    EXPECT_TRUE(second->readReply().has_value());
}

TEST_F(LinkServerTest, MalformedClientFramesDropOnlyThatConnection)
{
    struct Case
    {
        const char *name;
        bool handshake;
        std::function<QByteArray(const RawLinkClient &)> bytes;
    };
    QByteArray shortLength = Frame::header(0, Frame::kRequestType);
    shortLength[0] = 7;
    QByteArray hugeLength = Frame::header(0, Frame::kRequestType);
    hugeLength[3] = char(0x7f);
    const Case cases[] = {
        {"length below 12", true, [&](const RawLinkClient &) { return shortLength; }},
        {"enormous length", true, [&](const RawLinkClient &) { return hugeLength; }},
        {"request before the key exchange", false,
         [](const RawLinkClient &) {
             return Frame::build(SessionCipher::encryptToBase64(
                 RawLinkClient::requestBody("999", "DUM", "", "100"), "0123456789abcdefghijklmnopqrstuv"));
         }},
        {"body that is not base64", true, [](const RawLinkClient &) { return Frame::build("@@@@"); }},
        {"body under another key", true,
         [](const RawLinkClient &) {
             return Frame::build(SessionCipher::encryptToBase64(RawLinkClient::requestBody("999", "DUM", "", "100"),
                                                                "ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ"));
         }},
    };
    auto bystander = ready();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RawLinkClient client;
        ASSERT_TRUE(client.connectTo(s_host->linkPort()));
        if (c.handshake) {
            ASSERT_TRUE(client.handshake());
        }
        client.writeRaw(c.bytes(client));
        EXPECT_TRUE(client.waitClosed());

        bystander->sendRequest(QStringLiteral("999"), QStringLiteral("DUM"), kSep);
        EXPECT_TRUE(bystander->readReply().has_value());
    }
}

TEST_F(LinkServerTest, ABodyThatIsNotJsonIsAnsweredWithCodeZero)
{
    auto client = ready();
    client->writeRaw(Frame::build(SessionCipher::encryptToBase64("not json", client->sessionKey())));
    const auto reply = client->readReply();
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->at(0).json().value("OUT_CODE").toString(), "0");
}
} // namespace
