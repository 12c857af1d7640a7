#include "link/request_link.h"
#include "row_separator.h"

#include "link/link_events.h"
#include "sandbox_link_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

namespace
{

QString outCodeOf(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object().value("OUT_CODE").toString();
}

QString requestOne(const QString &code, const QString &val = QString(QChar(0x2502)), int timeoutMs = 30000)
{
    QString reply;
    // The keep-alive goes out as the program sends it; the sandbox refuses any other shape.
    const QString callType = code == QLatin1String("999") ? QStringLiteral("DUM") : QStringLiteral("ADM1");
    RequestOne(G_TCP_CLIENT, code, callType, val, QString(), QString(), timeoutMs, reply);
    return reply;
}

using RequestLinkTest = SandboxLinkTest;
} // namespace

TEST_F(RequestLinkTest, KeyExchangeRunsOncePerConnection)
{
    EXPECT_EQ(host->handshakeCount(), 1);
    EXPECT_TRUE(log.contains("Connect Success"));
    EXPECT_FALSE(G_WRAPPED_KEY.isEmpty());
    EXPECT_FALSE(G_WRAPPED_KEY.contains('\n'));
    // Already connected: no second connect and no second exchange.
    EXPECT_TRUE(ConnectServer(G_TCP_CLIENT, G_SERVER_HOST, G_SERVER_PORT, 10000));
    EXPECT_EQ(host->handshakeCount(), 1);
    EXPECT_EQ(host->connectionCount(), 1);
    // Nothing secret in the log.
    for (const QString &line : log.lines())
        EXPECT_FALSE(line.contains(G_SESSION_KEY));
}

TEST_F(RequestLinkTest, ThreeFramesGiveThreePagesOrTheFirstOneUnescaped)
{
    const QStringList pages = {R"({"OUT_CODE":"1","OUT_MSG":"a &quot;q&quot; &#92;","P":"1"})",
                               R"({"OUT_CODE":"1","P":"2","M":"행복치킨 &quot;본점&quot;"})",
                               R"({"OUT_CODE":"1","P":"3"})"};
    host->setHandler("T_PAGES", [pages](const SandboxRequest &) { return SandboxReply::explicitPages(pages); });

    G_IDLE_TICKS = 42;
    const QStringList list = RequestList(G_TCP_CLIENT, "T_PAGES", "SWK2", "x\"y" + kSep, "3000", 30000);
    EXPECT_EQ(list, pages);  // pages stay escaped
    EXPECT_EQ(G_IDLE_TICKS, 0);
    EXPECT_TRUE(G_LINK_FREE);
    // The same pages as the UTF-8 that arrived, for a JSON parser.
    const QList<QByteArray> bytes = RequestListUtf8(G_TCP_CLIENT, "T_PAGES", "SWK2", kSep, "3000", 30000);
    ASSERT_EQ(bytes.size(), pages.size());
    for (qsizetype i = 0; i < pages.size(); ++i)
        EXPECT_EQ(bytes[i], pages[i].toUtf8());

    const QString one = requestOne("T_PAGES");
    const QJsonObject first = QJsonDocument::fromJson(one.toUtf8()).object();
    EXPECT_EQ(first.value("P").toString(), "1");
    EXPECT_EQ(first.value("OUT_MSG").toString(), "a \"q\" \\");
    QByteArray oneBytes;
    RequestOneUtf8(G_TCP_CLIENT, "T_PAGES", "ADM1", kSep, QString(), QString(), 30000, oneBytes);
    EXPECT_EQ(oneBytes, one.toUtf8());

    const QList<SandboxRequest> received = host->receivedRequests();
    ASSERT_EQ(received.size(), 4);
    EXPECT_EQ(received[0].retType, "1");
    EXPECT_EQ(received[0].val, "x&quot;y" + kSep);
    EXPECT_EQ(received[0].info, "tester" + kSep + "[A]PC-1" + kSep + "1.3.01" + kSep);
    EXPECT_EQ(received[2].pageCount, "100");
    EXPECT_TRUE(received[2].retType.isEmpty());
    EXPECT_TRUE(log.contains("T_PAGES Send S2"));
    EXPECT_TRUE(log.contains("T_PAGES Send S1"));
}

TEST_F(RequestLinkTest, ShutdownFrameShowsTheMessageClosesTheWindowAndFreesTheLink)
{
    int closed = 0;
    const MainWindowCloser previous = SetMainWindowCloser([&closed] { ++closed; });
    host->setHandler("T_TWO", [](const SandboxRequest &) {
        return SandboxReply::explicitPages({R"({"OUT_CODE":"1","P":"1"})", R"({"OUT_CODE":"1","P":"2"})"});
    });
    LinkFaults faults;
    faults.status3Message = QStringLiteral("점검 중입니다.");
    faults.status3KeepPages = true;
    faults.status3Position = 1;
    faults.once = true;
    host->setFaults(faults);

    const QStringList list = RequestList(G_TCP_CLIENT, "T_TWO", "ADM3", kSep, "3000", 30000);
    ASSERT_EQ(list.size(), 1);  // the page before the "3" frame
    EXPECT_TRUE(list[0].contains("\"P\":\"1\""));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].first, "I");
    EXPECT_EQ(boxes.shown[0].second, QStringLiteral("점검 중입니다.\r\n프로그램을 종료합니다."));
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(G_LINK_FREE);
    SetMainWindowCloser(previous);
}

TEST_F(RequestLinkTest, LoginReadsPastAShutdownFrameAndNeverLogsThePassword)
{
    int closed = 0;
    const MainWindowCloser previous = SetMainWindowCloser([&closed] { ++closed; });
    ASSERT_TRUE(QDir().mkpath(RequestTraceDir()));
    G_REQ_TRACE = true;
    LinkFaults faults;
    faults.status3Message = QStringLiteral("login note");
    faults.status3KeepPages = true;
    faults.status3Position = 0;
    faults.once = true;
    host->setFaults(faults);

    const QString payload = "tester" + kSep + "Secret#Pw1" + kSep + "[A]PC-1" + kSep + "P" + kSep;
    const QString reply = requestOne(kLoginRequestCode, payload);
    EXPECT_EQ(outCodeOf(reply), "3");  // the first frame is kept, reading went on
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(closed, 0);
    EXPECT_TRUE(G_LINK_FREE);

    // The trace holds the call, but not the password.
    QFile trace(RequestTraceDir() + kLoginRequestCode + QStringLiteral(".log"));
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QString traced = QString::fromUtf8(trace.readAll());
    EXPECT_TRUE(traced.contains(kLoginRequestCode));
    EXPECT_FALSE(traced.contains("Secret#Pw1"));
    for (const QString &line : log.lines())
        EXPECT_FALSE(line.contains("Secret#Pw1"));
    QDir(RequestTraceDir()).removeRecursively();
    SetMainWindowCloser(previous);
}

TEST_F(RequestLinkTest, DroppedConnectionFailsOnceThenReconnectsToTheNewlyLookedUpPort)
{
    const quint16 newPort = host->openSecondLinkPort();
    host->dropAllConnections();
    host->clearReceived();

    EXPECT_TRUE(requestOne("999").isEmpty());  // nothing is retried
    EXPECT_EQ(G_SERVER_PORT, newPort);
    EXPECT_TRUE(G_CONNECTED);
    EXPECT_TRUE(G_LINK_FREE);
    EXPECT_EQ(G_TCP_CLIENT->port(), newPort);
    EXPECT_TRUE(log.contains("Server Check Success,1"));
    const QStringList lines = log.lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const QString &l) { return l.startsWith("999 Send Except 1 "); }));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const QString &l) { return l.startsWith("Socket Error : "); }));

    EXPECT_EQ(outCodeOf(requestOne("999")), "1");
    EXPECT_EQ(host->handshakeCount(), 2);
}

TEST_F(RequestLinkTest, LinkDownAndNoReconnectWritesNothing)
{
    G_TCP_CLIENT->dropConnection();
    G_CONNECTED = false;
    G_SERVER_PORT = closedPort();
    host->setLookupMode(SandboxHost::LookupMode::Fail, SandboxHost::LookupMode::Fail);
    host->clearReceived();

    EXPECT_TRUE(RequestList(G_TCP_CLIENT, "CS00_01_V02", "ADM3", kSep, "3000", 30000).isEmpty());
    QString reply = QStringLiteral("as passed");
    RequestOne(G_TCP_CLIENT, "999", "DUM", kSep, QString(), QString(), 30000, reply);
    EXPECT_EQ(reply, "as passed");
    EXPECT_TRUE(host->receivedRequestCodes().isEmpty());
    EXPECT_TRUE(log.contains("CS00_01_V02 DisConnect Not Send 2"));
    EXPECT_TRUE(log.contains("999 DisConnect Not Send 1"));
    EXPECT_TRUE(G_LINK_FREE);
}

TEST_F(RequestLinkTest, EveryFaultEndsInTheFailurePathAndTheLinkWorksAfterwards)
{
    struct Case
    {
        const char *name;
        LinkFaults faults;
        QString reason;  // the reconnect's reason in the log
    };
    auto make = [](auto set) {
        LinkFaults f;
        set(f);
        f.once = true;
        return f;
    };
    const Case cases[] = {
        {"closeMidFrame", make([](LinkFaults &f) { f.closeMidFrame = true; }), "999 Connection Closed"},
        {"stall", make([](LinkFaults &f) { f.stallMs = 1500; }), "999 Read timed out."},
        {"garbageFrame", make([](LinkFaults &f) { f.garbageFrame = true; }), "999 Reply could not be decrypted"},
        {"lengthBelow12", make([](LinkFaults &f) { f.lengthBelow12 = true; }), "999 Invalid frame length"},
        {"hugeLength", make([](LinkFaults &f) { f.hugeLength = true; }), "999 Invalid frame length"},
        {"badPadding", make([](LinkFaults &f) { f.badPadding = true; }), "999 Reply could not be decrypted"},
        // The drop is seen either while writing or while reading the next request.
        {"dropAfterReply", make([](LinkFaults &f) { f.dropAfterReply = true; }), ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const int before = log.lines().size();
        host->setFaults(c.faults);
        const QStringList pages = RequestList(G_TCP_CLIENT, "999", "DUM", kSep, "3000", 500);
        if (QLatin1String(c.name) == QLatin1String("dropAfterReply")) {
            // The reply came whole; the drop shows at the next request.
            EXPECT_EQ(pages.size(), 1);
            EXPECT_TRUE(requestOne("999").isEmpty());
        } else {
            EXPECT_TRUE(pages.isEmpty());
        }
        EXPECT_TRUE(G_LINK_FREE);
        EXPECT_TRUE(G_CONNECTED);
        const QStringList added = log.lines().mid(before);
        EXPECT_TRUE(std::any_of(added.begin(), added.end(), [&c](const QString &l) {
            return l.startsWith(QStringLiteral("Socket Error : ") + c.reason);
        }));
        host->clearFaults();
        EXPECT_EQ(outCodeOf(requestOne("999")), "1");
    }
    const QStringList lines = log.lines();
    EXPECT_GE(std::count_if(lines.begin(), lines.end(),
                            [](const QString &l) { return l.startsWith("999 Send Except 2 {\"LANGUAGE\""); }),
              6);
}

TEST_F(RequestLinkTest, ARequestThatFindsTheLinkTakenFailsAfterTheWait)
{
    host->clearReceived();
    G_LINK_FREE = false;  // another exchange holds the link
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(requestOne("999").isEmpty());
    EXPECT_GE(timer.elapsed(), 4500);
    EXPECT_TRUE(host->receivedRequestCodes().isEmpty());
    EXPECT_TRUE(log.contains("999 Link Busy Not Send 1"));
    G_LINK_FREE = true;
    EXPECT_EQ(outCodeOf(requestOne("999")), "1");
}

TEST_F(RequestLinkTest, KeepAliveAndOneShotConnection)
{
    host->clearReceived();
    SendKeepAlive();
    QList<SandboxRequest> received = host->receivedRequests();
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0].reqNum, "999");
    EXPECT_EQ(received[0].callType, "DUM");
    EXPECT_EQ(received[0].val, kSep);

    QString reply = "stale";
    RequestOneNewConn("999", "DUM", kSep, reply);
    EXPECT_EQ(outCodeOf(reply), "1");
    EXPECT_EQ(host->connectionCount(), 2);
    EXPECT_EQ(host->handshakeCount(), 2);
}

TEST_F(RequestLinkTest, FailureLogAndTracesCarryNoPassword)
{
    ASSERT_TRUE(QDir().mkpath(RequestTraceDir()));
    G_REQ_TRACE = true;
    LinkFaults faults;
    faults.garbageFrame = true;
    faults.once = true;
    host->setFaults(faults);
    const QString payload = "1" + kSep + "seq" + kSep + "code" + kSep + "U" + kSep + "tester" + kSep + "New#Pw99"
                            + kSep + "N" + kSep;
    EXPECT_TRUE(RequestList(G_TCP_CLIENT, "CS08_18_V01", "ADM1", payload, "3000", 30000).isEmpty());
    const QStringList lines = log.lines();
    const auto except = std::find_if(lines.begin(), lines.end(),
                                     [](const QString &l) { return l.startsWith("CS08_18_V01 Send Except 2 "); });
    ASSERT_NE(except, lines.end());
    EXPECT_TRUE(except->contains("tester│***│N│"));
    for (const QString &line : lines)
        EXPECT_FALSE(line.contains("New#Pw99"));

    QFile calls(RequestTraceDir() + "CallReqNum.log");
    ASSERT_TRUE(calls.open(QIODevice::ReadOnly));
    EXPECT_TRUE(calls.readAll().contains("-CS08_18_V01\r\n"));
    QDir(RequestTraceDir()).removeRecursively();
}

TEST_F(RequestLinkTest, ATimerDuringTheConnectPollCannotStartASecondConnect)
{
    TcpClient *client = nullptr;
    CreateTcpClient(client);
    int nestedCalls = 0;
    bool nestedResult = true;
    QTimer::singleShot(0, [&] {
        ++nestedCalls;
        nestedResult = ConnectServer(client, G_SERVER_HOST, G_SERVER_PORT, 10000);
        func_Reconnect(client, "timer");  // leaves the running connect alone
    });
    EXPECT_TRUE(ConnectServer(client, G_SERVER_HOST, G_SERVER_PORT, 10000));
    EXPECT_EQ(nestedCalls, 1);
    EXPECT_FALSE(nestedResult);
    EXPECT_TRUE(G_CONNECTED);
    EXPECT_EQ(host->connectionCount(), 2);  // the fixture's and this one
    EXPECT_EQ(host->handshakeCount(), 2);
    QString reply;
    RequestOne(client, "999", "DUM", kSep, QString(), QString(), 30000, reply);
    EXPECT_EQ(outCodeOf(reply), "1");
    FreeTcpClient(client);
}
