// The order-page poll as the main window binds it, against the in-process sandbox: what a minute
// of ticks asks the server, and the reconnect after the server dropped the link.

#include "link/sandbox_link_fixture.h"

#include "link/link_events.h"
#include "main/main_globals.h"
#include "start/main_window_link.h"
#include "main/order_polling.h"
#include "messages/message_center.h"
#include "records/reference_records.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace
{
// The board's side of the link, switching the poll as the main window's does.
class PollingBoard : public OrderBoardHooks
{
public:
    explicit PollingBoard(OrderPolling &p) : polling(p) {}
    void setPollingEnabled(bool enabled) override
    {
        if (enabled)
            polling.start();
        else
            polling.stop();
    }
    void setLinkPictureVisible(bool) override {}
    void loadServerPicture(int) override {}
    OrderPolling &polling;
};

class OrderPollingSandbox : public SandboxLinkTest
{
protected:
    bool connectAtStart() const override { return false; }
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetReferenceRecords();
        ResetMainGlobals();
        G_USER_INFO.USER_TYPE_CD = "5000";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = "B000101";
        G_USER_INFO.USER_CODE = "B000101";
        G_USER_INFO.UserAuthGrade = 1;
        previous = SetOrderBoardHooks(&board);
        polling.bindMessages(&center);
        polling.bindWindow({[this](const QString &t) { panel = t; }, {}});
        G_REINIT_DONE = true;
    }
    void TearDown() override
    {
        polling.stop();
        SetOrderBoardHooks(previous);
        G_REINIT_DONE = false;
        ResetReferenceRecords();
        SandboxLinkTest::TearDown();
    }

    int count(const QString &code, const QString &callType) const
    {
        int n = 0;
        for (const SandboxRequest &r : host->receivedRequests())
            n += r.reqNum == code && r.callType == callType;
        return n;
    }
    void seconds(int n)
    {
        for (int i = 0; i < n; ++i) {
            ticks.advance(1000);
            QCoreApplication::processEvents();
        }
    }

    ManualTickSource ticks;
    OrderPolling polling{&ticks};
    PollingBoard board{polling};
    MessageCenter center;
    QString panel;
    OrderBoardHooks *previous = nullptr;
};
} // namespace

TEST_F(OrderPollingSandbox, AMinuteOfTicks)
{
    MainWindowLink link;
    link.proc_SocketConnect();
    ASSERT_TRUE(G_CONNECTED);
    ASSERT_TRUE(polling.poller.isActive()) << "the connect event switches the poll on";
    host->clearReceived();

    seconds(60);
    EXPECT_EQ(count("1", "SOK1"), 20);                 // store states every third tick
    EXPECT_EQ(count("CS01_01_V07", "CMM8"), 1);        // cash on the 60th
    EXPECT_EQ(count("MG00_01_V01", "MSG1"), 10);       // messages on every sixth tick: 6, 12, ..., 60
    EXPECT_EQ(count("999", "DUM"), 0) << "a client that polls is never idle";
    EXPECT_TRUE(panel.startsWith(QStringLiteral("머니:"))) << panel.toStdString();
    EXPECT_EQ(G_DVRY_INFO_CNT, 9) << "refreshed on tick 51";
}

TEST_F(OrderPollingSandbox, ServerDropIsFollowedByAReconnectFromThePoll)
{
    MainWindowLink link;
    link.proc_SocketConnect();
    ASSERT_TRUE(G_CONNECTED);
    seconds(3);
    const int connections = host->connectionCount();

    host->dropAllConnections();
    QElapsedTimer wait;
    wait.start();
    while (G_CONNECTED && wait.elapsed() < 5000)
        QCoreApplication::processEvents();
    ASSERT_FALSE(G_CONNECTED);
    EXPECT_TRUE(polling.poller.isActive()) << "the poll goes on ticking";

    seconds(4);
    EXPECT_EQ(host->connectionCount(), connections) << "not before the fifth tick";
    seconds(1);
    EXPECT_EQ(host->connectionCount(), connections + 1);
    EXPECT_TRUE(G_CONNECTED);

    // Polling resumes on the link that came back.
    host->clearReceived();
    seconds(3);
    EXPECT_EQ(count("1", "SOK1"), 1);
}

TEST_F(OrderPollingSandbox, NothingBeforeTheInitializationIsDone)
{
    G_REINIT_DONE = false;
    MainWindowLink link;
    link.proc_SocketConnect();
    host->clearReceived();
    seconds(30);
    EXPECT_TRUE(host->receivedRequestCodes().isEmpty());
}
