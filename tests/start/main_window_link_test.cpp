#include "start/main_window_link.h"

#include "link/link_events.h"
#include "link/sandbox_link_fixture.h"

#include <QSignalSpy>

namespace
{
// The order board as the link sees it.
class FakeBoard : public OrderBoardHooks
{
public:
    void setPollingEnabled(bool enabled) override { polling = enabled; }
    void setLinkPictureVisible(bool visible) override { linkPicture = visible; }
    void loadServerPicture(int index) override { pictures << index; }

    bool polling = false;
    bool linkPicture = false;
    QList<int> pictures;
};

class MainWindowLinkTest : public SandboxLinkTest
{
protected:
    bool connectAtStart() const override { return false; }
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        m_previous = SetOrderBoardHooks(&board);
    }
    void TearDown() override
    {
        SetOrderBoardHooks(m_previous);
        SandboxLinkTest::TearDown();
    }

    FakeBoard board;

private:
    OrderBoardHooks *m_previous = nullptr;
};
} // namespace

TEST_F(MainWindowLinkTest, SocketConnectFollowsConnectAndDisconnectEvents)
{
    MainWindowLink link;
    EXPECT_TRUE(link.TmrSocketConnRetry.isActive());
    QSignalSpy connectedSpy(&LinkEvents::instance(), &LinkEvents::connected);
    QSignalSpy disconnectedSpy(&LinkEvents::instance(), &LinkEvents::disconnected);

    link.proc_SocketConnect();
    ASSERT_NE(G_TCP_CLIENT, nullptr);
    EXPECT_TRUE(G_CONNECTED);
    EXPECT_FALSE(link.TmrSocketConnRetry.isActive());
    EXPECT_TRUE(board.polling);
    EXPECT_TRUE(board.linkPicture);
    EXPECT_EQ(board.pictures, QList<int>{2});
    EXPECT_TRUE(log.contains("IdTCPClient Socket Connedted"));
    EXPECT_EQ(connectedSpy.count(), 1);

    // A second login path leaves the client alone.
    TcpClient *const first = G_TCP_CLIENT;
    link.proc_SocketConnect();
    EXPECT_EQ(G_TCP_CLIENT, first);
    EXPECT_EQ(host->connectionCount(), 1);

    G_TCP_CLIENT->dropConnection();
    EXPECT_FALSE(G_CONNECTED);
    EXPECT_TRUE(link.TmrSocketConnRetry.isActive());
    EXPECT_TRUE(board.polling);  // the poll goes on ticking, and reconnects
    EXPECT_FALSE(board.linkPicture);
    EXPECT_EQ(board.pictures, (QList<int>{2, 3}));
    EXPECT_TRUE(log.contains("IdTCPClient Socket Disconnected"));
    EXPECT_EQ(disconnectedSpy.count(), 1);

    link.TmrSocketConnRetryTimer();
    EXPECT_FALSE(link.TmrSocketConnRetry.isActive());
}

TEST_F(MainWindowLinkTest, FailedConnectArmsTheRetryTimer)
{
    G_SERVER_PORT = closedPort();
    MainWindowLink link;
    link.TmrSocketConnRetry.stop();
    link.proc_SocketConnect();
    ASSERT_NE(G_TCP_CLIENT, nullptr);
    EXPECT_FALSE(G_CONNECTED);
    EXPECT_TRUE(link.TmrSocketConnRetry.isActive());
    EXPECT_TRUE(boxes.shown.isEmpty());  // a failed connect shows nothing
}

TEST_F(MainWindowLinkTest, RefusedKeyExchangeIsReportedOnceAfterSevenAttempts)
{
    LinkFaults faults;
    faults.refuseHandshake = true;
    host->setFaults(faults);
    TcpClient *client = nullptr;
    CreateTcpClient(client);
    EXPECT_TRUE(ConnectServer(client, G_SERVER_HOST, G_SERVER_PORT, 10000));  // the socket is up ...
    EXPECT_FALSE(G_CONNECTED);                                                // ... the link is not
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0], qMakePair(QStringLiteral("E"),
                                        QStringLiteral("서버접속을 할수 없습니다.\r\n네트워크 연결후 실행하세요.")));
    EXPECT_EQ(host->handshakeCount(), 0);
    FreeTcpClient(client);
    EXPECT_EQ(client, nullptr);
}

TEST(RefreshTicks, DefaultsAreFiveAndTen)
{
    G_MSG_CHK_TICKS = 30;
    G_DVRY_INFO_TICKS = 40;
    MainWindowLink link;
    link.proc_InitRefreshTicks();
    EXPECT_EQ(G_MSG_CHK_TICKS, 5);
    EXPECT_EQ(G_DVRY_INFO_TICKS, 10);
}
