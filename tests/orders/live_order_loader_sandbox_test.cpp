// The live and completed loads against the in-process sandbox: the sync mark's round trip, and
// what a failed reply or no reply leaves behind.

#include "../link/sandbox_link_fixture.h"
#include "order_test_support.h"

#include "orders/live_order_engine.h"
#include "orders/live_order_loader.h"

using namespace ordertest;

namespace
{
class LoaderSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        G_USER_INFO.USER_TYPE_CD = "5001";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = "B000101";
        G_USER_INFO.DATA_STATUS = "1";
        G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("B000101")};
        engine.setBoardSink(&board);
        engine.setLogger([](const QString &) {});
        QObject::connect(&engine, &LiveOrderEngine::batchApplied, [this](const QString &h) { headers << h; });
        loader.hooks.rearmPoll = [this] { ++rearms; };
        loader.hooks.passTime = [this](bool on) { passTime << on; };
    }

    // The payload fields of every order load the sandbox received.
    QList<QStringList> orderLoads() const
    {
        QList<QStringList> out;
        for (const SandboxRequest &r : host->receivedRequests())
            if (r.reqNum == QLatin1String("CS01_01_V07") && r.callType == QLatin1String("ADM10"))
                out << r.fields();
        return out;
    }

    LiveOrderEngine engine;
    RecordingBoard board;
    LiveOrderLoader loader{engine};
    QStringList headers;
    int rearms = 0;
    QList<bool> passTime;
};

TEST_F(LoaderSandbox, MarkMovesOnOnlyWhenTheBatchIsApplied)
{
    ASSERT_TRUE(loader.proc_Load_Order());
    ASSERT_EQ(orderLoads().size(), 1);
    EXPECT_EQ(orderLoads()[0].value(6), QString()) << "the first load asks for everything";
    EXPECT_EQ(orderLoads()[0].value(7), QStringLiteral("0"));
    EXPECT_EQ(engine.pendingBatches(), 1);
    EXPECT_TRUE(loader.gsSyncDate.isEmpty()) << "queued, not applied yet";
    EXPECT_EQ(rearms, 1);
    EXPECT_EQ(passTime, (QList<bool>{false, true}));

    engine.dispatchPending();
    EXPECT_EQ(headers, QStringList{QStringLiteral("A1,0,")});
    const QString first = loader.gsSyncDate;
    EXPECT_FALSE(first.isEmpty());
    EXPECT_FALSE(board.live.isEmpty());

    host->stepScenario(3);
    ASSERT_TRUE(loader.proc_Load_Order());
    EXPECT_EQ(orderLoads().last().value(6), first) << "the next load carries the applied mark";
    engine.dispatchPending();
    EXPECT_EQ(headers.last(), QStringLiteral("A1,0,") + first);
    EXPECT_GE(loader.gsSyncDate.toLongLong(), first.toLongLong());

    // The completed load carries the live mark in its header and leaves the mark alone.
    const QString live = loader.gsSyncDate;
    ASSERT_TRUE(loader.procLoadA1OrderFinish());
    EXPECT_EQ(orderLoads().last().value(5), QStringLiteral("1"));
    EXPECT_EQ(orderLoads().last().value(6), QString());
    engine.dispatchPending();
    EXPECT_EQ(headers.last(), QStringLiteral("A1,1,") + live);
    EXPECT_TRUE(loader.bA1FinOrd);
    EXPECT_EQ(loader.gsSyncDate, live);
}

TEST_F(LoaderSandbox, FailedReplyIsNotQueuedAndKeepsTheMark)
{
    ASSERT_TRUE(loader.proc_Load_Order());
    engine.dispatchPending();
    const QString mark = loader.gsSyncDate;
    const QStringList liveBefore = board.live;
    host->stepScenario(5);

    LinkFaults faults;
    faults.outCode.insert(QStringLiteral("CS01_01_V07"), QStringLiteral("9"));
    host->setFaults(faults);
    EXPECT_TRUE(loader.proc_Load_Order()) << "a reply came";
    EXPECT_EQ(engine.pendingBatches(), 0);
    EXPECT_EQ(loader.gsSyncDate, mark);
    EXPECT_TRUE(log.contains(QStringLiteral("CS01_01_V07 is Fail 9:")));
    EXPECT_EQ(rearms, 2) << "the poll goes on";

    // A failed completed load neither empties the completed board nor counts as loaded.
    EXPECT_TRUE(loader.procLoadA1OrderFinish());
    EXPECT_EQ(engine.pendingBatches(), 0);
    EXPECT_FALSE(loader.bA1FinOrd);
    engine.dispatchPending();
    EXPECT_EQ(board.live, liveBefore);

    // The next good load asks the same question again and catches up.
    host->clearFaults();
    ASSERT_TRUE(loader.proc_Load_Order());
    EXPECT_EQ(orderLoads().last().value(6), mark);
    engine.dispatchPending();
    EXPECT_NE(loader.gsSyncDate, mark);
}

TEST_F(LoaderSandbox, NoReplyLeavesMarkAndQueueAndMarksTheLinkDown)
{
    ASSERT_TRUE(loader.proc_Load_Order());
    engine.dispatchPending();
    const QString mark = loader.gsSyncDate;

    LinkFaults silent;
    silent.closeMidFrame = true;
    silent.onlyForCode = QStringLiteral("CS01_01_V07");
    host->setFaults(silent);
    passTime.clear();
    EXPECT_FALSE(loader.proc_Load_Order());
    EXPECT_FALSE(G_CONNECTED);
    EXPECT_EQ(engine.pendingBatches(), 0);
    EXPECT_EQ(loader.gsSyncDate, mark);
    EXPECT_EQ(rearms, 2) << "the poll is re-armed to reconnect";
    EXPECT_EQ(passTime, (QList<bool>{false, true}));
    EXPECT_TRUE(log.contains(QStringLiteral("CS01_01_V07 ERR[NO RESULT] - 2")));

    // The completed load without a reply only logs.
    G_CONNECTED = true;
    EXPECT_FALSE(loader.procLoadA1OrderFinish());
    EXPECT_TRUE(G_CONNECTED);
    EXPECT_FALSE(loader.bA1FinOrd);
    EXPECT_TRUE(log.contains(QStringLiteral("CS01_01_V07 ERR[NO RESULT]")));
}

TEST_F(LoaderSandbox, BusinessToBusinessUserSendsOneInFieldEight)
{
    G_USER_INFO.BTOB_YN = "Y";
    ASSERT_TRUE(loader.proc_Load_Order());
    ASSERT_TRUE(loader.procLoadA1OrderFinish());
    ASSERT_EQ(orderLoads().size(), 2);
    EXPECT_EQ(orderLoads()[0].value(7), QStringLiteral("1"));
    EXPECT_EQ(orderLoads()[1].value(7), QStringLiteral("1"));
}

// The apply side with pages made up here: what the server cannot easily be made to send.
TEST(LiveOrderLoaderMarks, BrokenBatchEmptiesTheMarkSoTheNextLoadRebuilds)
{
    LiveOrderEngine engine;
    engine.setLogger([](const QString &) {});
    LiveOrderLoader loader(engine);
    QStringList sentMarks;
    QList<QStringList> replies = {
        {page({}, QStringLiteral("M1"))},
        {page({}, QStringLiteral("M2")), QStringLiteral("{not json")},
        {page({}, QStringLiteral("M3"))},
    };
    loader.setRequest([&](const QString &, const QString &, const QString &val, const QString &, int) {
        sentMarks << val.split(QChar(0x2502)).value(6);
        return replies.isEmpty() ? QStringList() : replies.takeFirst();
    });
    G_FIELD_SEP = QString(QChar(0x2502));
    ASSERT_TRUE(loader.proc_Load_Order());
    engine.dispatchPending();
    EXPECT_EQ(loader.gsSyncDate, QStringLiteral("M1"));
    ASSERT_TRUE(loader.proc_Load_Order());
    engine.dispatchPending();
    EXPECT_EQ(loader.gsSyncDate, QString()) << "part of the batch was lost";
    ASSERT_TRUE(loader.proc_Load_Order());
    EXPECT_EQ(sentMarks, (QStringList{QString(), QStringLiteral("M1"), QString()}));
    engine.dispatchPending();
    EXPECT_EQ(loader.gsSyncDate, QStringLiteral("M3"));
}

TEST(LiveOrderLoaderMarks, BatchQueuedBeforeReloadAllDoesNotBringItsMarkBack)
{
    LiveOrderEngine engine;
    engine.setLogger([](const QString &) {});
    LiveOrderLoader loader(engine);
    G_FIELD_SEP = QString(QChar(0x2502));
    loader.setRequest([](const QString &, const QString &, const QString &, const QString &, int) {
        return QStringList{page({}, QStringLiteral("M1"))};
    });
    ASSERT_TRUE(loader.proc_Load_Order());
    loader.reloadAll();
    engine.dispatchPending();
    EXPECT_EQ(loader.gsSyncDate, QString()) << "the next load still rebuilds the board";
}

TEST(LiveOrderLoaderMarks, RebuildThatEmptiesTheLoadedCompletedBoardClearsItsFlag)
{
    LiveOrderEngine engine;
    engine.setLogger([](const QString &) {});
    LiveOrderLoader loader(engine);
    G_FIELD_SEP = sep();
    ResetOrderGlobals();
    int emptied = 0;
    loader.hooks.completedEmptied = [&] { ++emptied; };
    QList<QStringList> replies = {
        {page({liveRow("L1", "1001")}, QStringLiteral("M1"))},
        {page({liveRow("C1", "4001")})},
        {page({liveRow("L1", "1001")}, QStringLiteral("M2")), QStringLiteral("{not json")},
        {page({liveRow("L1", "1001")}, QStringLiteral("M3"))},
        {page({liveRow("L1", "1001")}, QStringLiteral("M4"))},
        {page({liveRow("C1", "4001")})},
    };
    loader.setRequest([&](const QString &, const QString &, const QString &, const QString &, int) {
        return replies.isEmpty() ? QStringList() : replies.takeFirst();
    });
    ASSERT_TRUE(loader.proc_Load_Order());
    ASSERT_TRUE(loader.procLoadA1OrderFinish());
    engine.dispatchPending();
    ASSERT_EQ(engine.gA1CompOrders().Count(), 1);
    ASSERT_TRUE(loader.bA1FinOrd);
    EXPECT_EQ(emptied, 0) << "the first rebuild ran before the completed load";

    // A batch that is not applied in full: the next load rebuilds, which empties the completed
    // board, and the flag must not claim it is still loaded.
    ASSERT_TRUE(loader.proc_Load_Order());
    engine.dispatchPending();
    ASSERT_TRUE(loader.gsSyncDate.isEmpty());
    ASSERT_TRUE(loader.proc_Load_Order());
    engine.dispatchPending();
    EXPECT_EQ(engine.gA1CompOrders().Count(), 0);
    EXPECT_FALSE(loader.bA1FinOrd);
    EXPECT_EQ(emptied, 1);

    // A completed load queued behind the rebuild fills the board again: the flag stays.
    loader.reloadAll();
    ASSERT_TRUE(loader.proc_Load_Order());
    ASSERT_TRUE(loader.procLoadA1OrderFinish());
    engine.dispatchPending();
    EXPECT_EQ(engine.gA1CompOrders().Count(), 1);
    EXPECT_TRUE(loader.bA1FinOrd);
    EXPECT_EQ(emptied, 1);
}
} // namespace
