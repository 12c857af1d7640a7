#include "tests/devices/caller_id_fixture.h"

#include "devices/caller_id_server_link.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

namespace
{
// A caller-ID server that answers each request with the next scripted answer ("" = stay silent).
struct FakeCidServer : QObject
{
    QTcpServer server;
    QStringList requests;
    QStringList answers;   // popped per request; when none is left, an answer without calls
    int connections = 0;
    QTcpSocket *client = nullptr;

    FakeCidServer()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = server.nextPendingConnection()) {
                ++connections;
                client = s;
                auto buffer = std::make_shared<QByteArray>();
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, buffer] {
                    *buffer += s->readAll();
                    qsizetype etx;
                    while ((etx = buffer->indexOf('\x03')) >= 0) {
                        requests << QString::fromLatin1(buffer->left(etx));
                        buffer->remove(0, etx + 1);
                        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
                        if (answer != QLatin1String("<silent>"))
                            s->write(answer.toLatin1() + '\x03');
                    }
                });
            }
        });
    }
    quint16 port() const { return server.serverPort(); }
};

struct LinkSetup
{
    CallerIdWorld world;
    FakeCidServer server;
    CidServerLink link;
    QList<HEADER> routed;
    QList<CidServerLink::State> states;
    int settingsOpened = 0;

    LinkSetup()
    {
        G_CID_INFO.SERVER_IP = "127.0.0.1";
        G_CID_INFO.PORT = server.port();
        G_CID_INFO.NaeSun = " 1 2 3";
        G_LOG_FILE = world.dir.filePath(QStringLiteral("daily.log"));
        link.route = [this](const HEADER &h) { routed << h; };
        link.showState = [this](CidServerLink::State s) { states << s; };
        link.openSettings = [this] { ++settingsOpened; };
    }
    ~LinkSetup() { G_LOG_FILE.clear(); }

    bool waitFor(const std::function<bool()> &done, int ms = 5000)
    {
        QDeadlineTimer deadline(ms);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }
    QString dailyLog() const
    {
        QFile f(G_LOG_FILE);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};
TEST(CidServerLink, ConnectsSendsRequest101ThenPolls102)
{
    LinkSetup s;
    const QChar sep(0x01);
    s.server.answers = {QString(),
                        QStringLiteral("1,021112222,01012345678,10:00:01") + sep + QStringLiteral("2,023334444,01099998888,10:00:02")};
    ASSERT_TRUE(s.link.fnc_cid_conf());
    ASSERT_TRUE(s.waitFor([&] { return s.routed.size() == 2; }));
    ASSERT_GE(s.server.requests.size(), 2);
    EXPECT_EQ(s.server.requests.at(0), func_BuildCidRequest(QStringLiteral("123")));
    EXPECT_EQ(s.server.requests.at(0).size(), 93);
    EXPECT_EQ(s.server.requests.at(1), func_BuildCidRequest2(QStringLiteral("123")));
    EXPECT_EQ(s.routed.at(0).sTelNum.trimmed(), QStringLiteral("01012345678"));
    EXPECT_EQ(s.routed.at(1).sTelNum.trimmed(), QStringLiteral("01099998888"));
    // The station is the setting's own first four characters, spaces and all.
    EXPECT_EQ(s.routed.at(1).sStation, QStringLiteral(" 1 2"));
    EXPECT_EQ(s.states.first(), CidServerLink::State::Polling);
    EXPECT_EQ(s.link.pollTimer().interval(), 700);
    s.link.stop();
}

TEST(CidServerLink, RefusedAnswerIsIgnoredAndAtStopsPolling)
{
    LinkSetup s;
    s.server.answers = {QString(), QStringLiteral("1,0211,0101,10:00!"), QStringLiteral("@")};
    s.link.fnc_cid_conf();
    ASSERT_TRUE(s.waitFor([&] { return s.link.stopFlag(); }));
    EXPECT_TRUE(s.routed.isEmpty());
    EXPECT_EQ(s.states.last(), CidServerLink::State::Stopped);
    const int polls = int(s.server.requests.size());
    EXPECT_EQ(polls, 3);
    // Nothing more is asked once stopped.
    s.waitFor([] { return false; }, 1600);
    EXPECT_EQ(s.server.requests.size(), polls);
    EXPECT_TRUE(s.link.connected());
    s.link.stop();
}

TEST(CidServerLink, MalformedRecordRoutesTheOthersLogsAndReconnects)
{
    LinkSetup s;
    const QChar sep(0x01);
    s.server.answers = {QString(),
                        QStringLiteral("1,021112222,01012345678,10:00:01") + sep + QStringLiteral("1,2,3") + sep
                            + QStringLiteral("2,023334444,01099998888,10:00:02") + sep};
    s.link.fnc_cid_conf();
    ASSERT_TRUE(s.waitFor([&] { return s.server.connections >= 2; }));
    EXPECT_EQ(s.routed.size(), 2);
    EXPECT_TRUE(s.dailyLog().contains(QStringLiteral("INDY_CID_ERR : ")));
    s.link.stop();
}

TEST(CidServerLink, SilentServerTimesOutAndTheSecondInstanceNeverPolls)
{
    {
        LinkSetup s;
        s.server.answers = {QString(), QStringLiteral("<silent>")};
        s.link.fnc_cid_conf();
        // The poll waits 2000 ms for its answer, then logs and reconnects.
        ASSERT_TRUE(s.waitFor([&] { return s.server.connections >= 2; }, 6000));
        EXPECT_TRUE(s.dailyLog().contains(QStringLiteral("INDY_CID_ERR : ")));
        s.link.stop();
    }
    {
        LinkSetup s;
        s.link.firstInstance = false;
        s.link.fnc_cid_conf();
        ASSERT_TRUE(s.waitFor([&] { return s.server.requests.size() == 1; }));
        s.waitFor([] { return false; }, 1500);
        EXPECT_EQ(s.server.requests.size(), 1);
        EXPECT_TRUE(s.server.requests.at(0).startsWith(QStringLiteral("101")));
        s.link.stop();
    }
}

TEST(CidServerLink, BadAddressOpensSettingsAndDownServerGivesUp)
{
    LinkSetup s;
    G_CID_INFO.SERVER_IP = "1.2.3";
    EXPECT_FALSE(s.link.fnc_cid_conf());
    EXPECT_EQ(s.settingsOpened, 1);
    EXPECT_EQ(s.world.boxes, QStringList{QStringLiteral("I:발신번호(CID) 서버IP 가 부정확 합니다. CID서버 IP를 확인해주세요!")});

    // Nobody listens: the connect fails, the link is down and idle.
    G_CID_INFO.SERVER_IP = "127.0.0.1";
    s.server.server.close();
    bool done = false;
    QObject::connect(&s.link, &CidServerLink::exchangeDone, [&done] { done = true; });
    EXPECT_TRUE(s.link.fnc_cid_conf());
    ASSERT_TRUE(s.waitFor([&] { return done; }));
    EXPECT_FALSE(s.link.connected());
    EXPECT_FALSE(s.link.pollTimer().isActive());
    EXPECT_EQ(s.states.last(), CidServerLink::State::Down);

    // Ticks while down: counter and interval grow; after three the timer stays off.
    const int interval = s.link.pollTimer().interval();
    for (int i = 1; i <= 4; ++i) {
        done = false;
        s.link.tmrIDTCIDTimer();
        EXPECT_EQ(s.link.failures(), i);
        if (i <= 3)
            s.waitFor([&] { return done; });
    }
    EXPECT_EQ(s.link.pollTimer().interval(), interval + 4000);
    EXPECT_FALSE(s.link.pollTimer().isActive());
}
} // namespace
