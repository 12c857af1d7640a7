// Same-day batches applied to the boards: slots, the completed reload, duplicates, bad rows and
// the couriers' lists of the live copies.

#include "same_day_test_support.h"

#include "link/link_state.h"
#include "orders/courier_lists.h"
#include "orders/same_day_loader.h"
#include "platform/clock.h"

using namespace ordertest;

namespace
{
const QString kOld = QStringLiteral("20261211090000000");
const QString kNew = QStringLiteral("20261211091000000");
const QString kNewer = QStringLiteral("20261211092000000");

class SameDayEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetOrderGlobals();
        ResetCourierRecords();
        G_FIELD_SEP = sep();
        SameDayEngine::Hooks hooks;
        hooks.myOrder = [](const A3Values &) { return true; };
        hooks.waitingVisible = [](const TA1ORDER &) { return true; };
        hooks.log = [this](const QString &l) { log.append(l); };
        hooks.now = [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); };
        hooks.countView = [this] { ++countViews; };
        hooks.applyFilter = [this] { ++filters; };
        hooks.setPollTimer = [this](bool on) { timer.append(on); };
        engine.setHooks(hooks);
        engine.setSink(&board);
        for (const char *code : {"K1", "K2"}) {
            TMyWorker w;
            w.WkCode = QString::fromLatin1(code);
            G_MY_WORKER.MyWorkerArray.append(w.WkCode, w);
        }
    }

    void apply(const QString &header, const QStringList &pages)
    {
        engine.enqueue(header, pages);
        engine.dispatchPending();
    }
    void rebuild(const QStringList &rows) { apply(QStringLiteral("A3,0,"), {page(rows)}); }
    void change(const QStringList &rows) { apply(QStringLiteral("A3,0,M1"), {page(rows)}); }
    void completed(const QStringList &rows) { apply(QStringLiteral("A3,1,X"), {page(rows)}); }

    int slot(int i) const { return engine.iA3SameDayCount()[size_t(i)]; }
    void expectCountsConsistent()
    {
        EXPECT_EQ(engine.iA3SameDayCount(), engine.recount());
        EXPECT_EQ(board.today, engine.gA3Orders().Numbers());
        EXPECT_EQ(board.comp, engine.gA3CompOrders().Numbers());
    }
    QStringList courierOrders(const char *code) const
    {
        const TMyWorker *w = G_MY_WORKER.MyWorkerArray.value(
            int(G_MY_WORKER.MyWorkerWkArray().indexOf(QString::fromLatin1(code))));
        return w && w->WKOrders ? w->WKOrders->Numbers() : QStringList();
    }

    SameDayEngine engine;
    RecordingSameDayBoard board;
    QStringList log;
    int countViews = 0;
    int filters = 0;
    QList<bool> timer;
};

TEST_F(SameDayEngineTest, RebuildFillsTheBoardAndCountsEachSlot)
{
    rebuild({sameDayRow("A1", "1001", kOld), sameDayRow("A2", "6203", kOld), sameDayRow("A3", "8433", kOld),
             sameDayRow("A4", "5001", kOld), sameDayRow("A5", "2002", kOld)});
    EXPECT_EQ(board.today, (QStringList{"A1", "A2", "A3", "A4", "A5"}));
    EXPECT_EQ(slot(0), 5);
    EXPECT_EQ(slot(1), 1);
    EXPECT_EQ(slot(9), 1);
    EXPECT_EQ(slot(12), 1);
    // 5001 and 2002 sit outside the slot table: total only.
    int perSlot = 0;
    for (int i = 1; i <= 20; ++i)
        perSlot += slot(i);
    EXPECT_EQ(perSlot, 3);
    EXPECT_EQ(engine.gA3Orders().at(0)->text(A3::ORD_TYPE), QStringLiteral("1"));
    EXPECT_EQ(countViews, 1);
    EXPECT_EQ(filters, 1);
    EXPECT_EQ(timer, (QList<bool>{false, true})) << "the poll timer is off while a batch is applied";
    expectCountsConsistent();
}

TEST_F(SameDayEngineTest, RepeatedNumberInOneRebuildShowsAndCountsOnce)
{
    rebuild({sameDayRow("A1", "1001", kOld), sameDayRow("A2", "2001", kOld)});
    apply(QStringLiteral("A3,0,"), {page({sameDayRow("A1", "1001", kOld)}), page({sameDayRow("A1", "3001", kNew)})});
    EXPECT_EQ(board.today, QStringList{"A1"}) << "a rebuild replaces the whole board";
    EXPECT_EQ(slot(0), 1);
    EXPECT_EQ(slot(1), 0);
    EXPECT_EQ(slot(3), 1) << "the later row of the number wins";
    expectCountsConsistent();
}

TEST_F(SameDayEngineTest, IncrementalRowsMoveSlotsByStampAsText)
{
    rebuild({sameDayRow("A1", "6101", kOld), sameDayRow("A2", "1001", kOld)});
    struct Case
    {
        const char *what;
        QString row;
        int slotOut, slotIn;
        bool applied;
    };
    const Case cases[] = {
        {"leg 6101 -> 7101 moves slot 9 to 10", sameDayRow("A1", "7101", kNew), 9, 10, true},
        {"same stamp is old news", sameDayRow("A1", "8101", kNew), 10, 11, false},
        {"older stamp is old news", sameDayRow("A1", "8101", kOld), 10, 11, false},
        {"newer stamp as text", sameDayRow("A1", "8101", kNewer), 10, 11, true},
    };
    for (const Case &c : cases) {
        const int before = slot(0), out = slot(c.slotOut), in = slot(c.slotIn);
        change({c.row});
        EXPECT_EQ(slot(0), before) << c.what;
        EXPECT_EQ(slot(c.slotOut), c.applied ? out - 1 : out) << c.what;
        EXPECT_EQ(slot(c.slotIn), c.applied ? in + 1 : in) << c.what;
        expectCountsConsistent();
    }
    // A new number joins the board as the last row.
    change({sameDayRow("A9", "2001", kNew)});
    EXPECT_EQ(board.today, (QStringList{"A1", "A2", "A9"}));
    EXPECT_EQ(slot(2), 1);
    expectCountsConsistent();
}

TEST_F(SameDayEngineTest, FinishedOrderLeavesTheBoardForTheCompletedBoardInOneBatch)
{
    rebuild({sameDayRow("A1", "3003", kOld), sameDayRow("A2", "1001", kOld)});
    change({sameDayRow("A1", "4002", kNew), sameDayRow("A3", "4001", kNew)});
    EXPECT_EQ(board.today, QStringList{"A2"});
    EXPECT_EQ(board.comp, (QStringList{"A1", "A3"}));
    EXPECT_EQ(slot(4), 0);
    EXPECT_EQ(slot(7), 1);
    EXPECT_EQ(slot(5), 1);
    EXPECT_EQ(slot(0), 3);
    // The cancelled order completes after all: it stays one row and moves from slot 7 to 5.
    change({sameDayRow("A1", "4001", kNewer)});
    EXPECT_EQ(board.comp, (QStringList{"A1", "A3"}));
    EXPECT_EQ(slot(7), 0);
    EXPECT_EQ(slot(5), 2);
    expectCountsConsistent();
}

TEST_F(SameDayEngineTest, CompletedReloadTakesTheOldCompletedOrdersOutFirst)
{
    rebuild({sameDayRow("A1", "3003", kOld), sameDayRow("A2", "1001", kOld)});
    change({sameDayRow("A1", "4001", kNew), sameDayRow("A3", "4002", kNew)});
    ASSERT_EQ(slot(0), 3);
    // The reload brings A1, A3 again and A2, which was still on the same-day board.
    completed({sameDayRow("A1", "4001", kNew), sameDayRow("A3", "4002", kNew), sameDayRow("A2", "4002", kNew),
               sameDayRow("A3", "4002", kNew)});
    EXPECT_TRUE(board.today.isEmpty());
    EXPECT_EQ(board.comp, (QStringList{"A1", "A3", "A2"})) << "a repeated number is one row";
    EXPECT_EQ(slot(0), 3);
    EXPECT_EQ(slot(5), 1);
    EXPECT_EQ(slot(7), 2);
    EXPECT_EQ(slot(1), 0);
    EXPECT_EQ(slot(4), 0);
    expectCountsConsistent();
}

TEST_F(SameDayEngineTest, CompletedReloadAfterARebuildWithFinishedRowsKeepsTheCountsRight)
{
    // A rebuild may carry finished orders; they sit on the same-day board and count in 5 and 7.
    rebuild({sameDayRow("A1", "4001", kOld), sameDayRow("A2", "4002", kOld), sameDayRow("A3", "1001", kOld)});
    completed({sameDayRow("A1", "4001", kOld), sameDayRow("A2", "4002", kOld)});
    EXPECT_EQ(slot(0), 3);
    EXPECT_EQ(slot(5), 1);
    EXPECT_EQ(slot(7), 1);
    expectCountsConsistent();
}

TEST_F(SameDayEngineTest, CountersMatchARecountThroughRebuildsAndCompletedReloads)
{
    // A rebuild replaces only the same-day board: the completed orders it leaves on their board
    // stay counted, so the next reload, which takes them out one by one, leaves the counts right.
    rebuild({sameDayRow("A1", "1001", kOld), sameDayRow("A2", "3001", kOld)});
    expectCountsConsistent();
    completed({sameDayRow("C1", "4001", kOld), sameDayRow("C2", "4002", kOld)});
    expectCountsConsistent();
    rebuild({sameDayRow("A1", "2001", kNew), sameDayRow("A3", "6101", kNew)});
    expectCountsConsistent();
    EXPECT_EQ(slot(5), 1) << "the completed board is still counted after the rebuild";
    completed({sameDayRow("C1", "4001", kOld), sameDayRow("C2", "4002", kOld), sameDayRow("C3", "4001", kNew)});
    expectCountsConsistent();
    EXPECT_EQ(slot(0), 5);
    EXPECT_EQ(slot(5), 2);
    EXPECT_EQ(slot(7), 1);
    for (int i = 0; i <= 20; ++i)
        EXPECT_GE(slot(i), 0) << "slot " << i;
}

TEST_F(SameDayEngineTest, BadRowsAreLoggedAndSkippedWithoutStoppingTheRest)
{
    const QString shortRow = QStringLiteral("B1") + sep() + QStringLiteral("1");
    const QString badNumber = sameDayRow("B2", "1001", kOld, {{13, QStringLiteral("12a")}});
    const QString badStatus = sameDayRow("B3", "10x1", kOld);
    const QString badDistance = sameDayRow("B4", "1001", kOld, {{12, QStringLiteral("inf")}});
    apply(QStringLiteral("A3,0,"), {page({sameDayRow("A1", "1001", kOld), shortRow, badNumber}),
                                    QStringLiteral("{not json"),
                                    page({badStatus, badDistance, sameDayRow("A2", "2001", kOld)})});
    EXPECT_EQ(board.today, (QStringList{"A1", "A2"}));
    EXPECT_EQ(engine.refusedRows(), 4);
    EXPECT_EQ(log.filter(QStringLiteral("refused")).size(), 4);
    EXPECT_EQ(log.filter(QStringLiteral("not JSON")).size(), 1);
    // A known order's bad row leaves it as it was; the next batch still applies.
    change({sameDayRow("A1", "3001", kNew, {{24, QStringLiteral("x")}})});
    change({sameDayRow("A2", "3001", kNew)});
    EXPECT_EQ(engine.gA3Orders().at(0)->text(A3::ORD_STATUS_CD), QStringLiteral("1001"));
    EXPECT_EQ(engine.gA3Orders().at(1)->text(A3::ORD_STATUS_CD), QStringLiteral("3001"));
    EXPECT_EQ(countViews, 3) << "counts and filters run after every batch";
    expectCountsConsistent();
}

TEST_F(SameDayEngineTest, CouriersListsFollowAReassignment)
{
    auto courier = [](const char *code) {
        return std::map<int, QString>{{56, QString::fromLatin1(code)}, {20, QStringLiteral("이서연")}};
    };
    rebuild({sameDayRow("A1", "3001", kOld, courier("K1"))});
    EXPECT_EQ(courierOrders("K1"), QStringList{"A1"});

    G_SL_WK_CHG[1].clear();
    change({sameDayRow("A1", "3003", kNew, courier("K2"))});
    EXPECT_TRUE(courierOrders("K1").isEmpty()) << "the previous courier lets go of the order";
    EXPECT_EQ(courierOrders("K2"), QStringList{"A1"});
    EXPECT_TRUE(G_SL_WK_CHG[1].contains(QStringLiteral("K1")));
    EXPECT_TRUE(G_SL_WK_CHG[1].contains(QStringLiteral("K2")));
    // The list holds the latest copy: the status moved on with the same courier.
    EXPECT_EQ(G_MY_WORKER.MyWorkerArray.value(1)->WKOrders->at(0)->text(A1::ORD_STATUS_CD),
              QStringLiteral("3003"));

    // Same courier, finished: off the list.
    change({sameDayRow("A1", "4001", kNewer, courier("K2"))});
    EXPECT_TRUE(courierOrders("K2").isEmpty());

    // Taken off its courier.
    change({sameDayRow("A2", "3001", kNew, courier("K1"))});
    change({sameDayRow("A2", "2001", kNewer)});
    EXPECT_TRUE(courierOrders("K1").isEmpty());
    // A waiting copy reaches the waiting orders.
    EXPECT_TRUE(G_MAP_ORDERS.Contains(QStringLiteral("A2")));
}

TEST_F(SameDayEngineTest, OtherKindsAndBadHeadersAreLeftAlone)
{
    rebuild({sameDayRow("A1", "1001", kOld)});
    apply(QStringLiteral("A1,0,"), {page({sameDayRow("Z1", "1001", kOld)})});
    apply(QStringLiteral("A3"), {page({sameDayRow("Z2", "1001", kOld)})});
    EXPECT_EQ(board.today, QStringList{"A1"});
    EXPECT_EQ(log.filter(QStringLiteral("bad header")).size(), 1);
}

TEST_F(SameDayEngineTest, NothingIsDispatchedWhileABatchIsBeingAdded)
{
    engine.beginBatch(QStringLiteral("A3,0,"));
    engine.addPage(page({sameDayRow("A1", "1001", kOld)}));
    engine.dispatchPending();
    EXPECT_TRUE(board.today.isEmpty());
    engine.endBatch();
    engine.dispatchPending();
    EXPECT_EQ(board.today, QStringList{"A1"});
}

TEST_F(SameDayEngineTest, ControlScreenHearsOfChangedBatches)
{
    RecordingScreens screens;
    screens.open[IControlScreens::MapScreen] = true;
    engine.setControlScreens(&screens);
    rebuild({sameDayRow("A1", "2001", kOld)});
    change({sameDayRow("A1", "2001", kOld)});  // old news: nothing applied
    EXPECT_EQ(screens.calls.filter(QStringLiteral("first")).size(), 1);
    EXPECT_EQ(log.filter(QStringLiteral("A3Order : 2")).size(), 2) << "every row counts as a change";
}

// ---- loaders --------------------------------------------------------------------------------

struct SameDaySent
{
    QString code, callType, payload;
};

class SameDayLoaderTest : public SameDayEngineTest
{
protected:
    void SetUp() override
    {
        SameDayEngineTest::SetUp();
        G_USER_INFO.ID = QStringLiteral("desk01");
        G_USER_INFO.USER_TYPE_CD = "5001";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = "B000101";
        G_CONNECTED = true;
        loader.setRequest([this](const QString &code, const QString &callType, const QString &val,
                                 const QString &pageCount, int timeoutMs) {
            EXPECT_EQ(pageCount, QStringLiteral("3000"));
            EXPECT_EQ(timeoutMs, 30000);
            sent.append({code, callType, val});
            return replies.isEmpty() ? QStringList() : replies.takeFirst();
        });
        SameDayLoader::Hooks hooks;
        hooks.liveMark = [] { return QStringLiteral("LIVE9"); };
        hooks.log = [this](const QString &l) { log.append(l); };
        loader.setHooks(hooks);
    }
    static QString reply(const QString &code, const QString &outVal, const QStringList &rows = {})
    {
        QJsonObject o;
        o.insert(QStringLiteral("OUT_CODE"), code);
        o.insert(QStringLiteral("OUT_MSG"), QStringLiteral("msg"));
        o.insert(QStringLiteral("OUT_VAL"), outVal);
        o.insert(QStringLiteral("OUT_ROW1"), QJsonArray::fromStringList(rows));
        return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
    }
    QStringList fields(int i) const
    {
        QStringList f = sent.at(i).payload.split(sep());
        EXPECT_EQ(f.takeLast(), QString()) << "every field is followed by the separator";
        return f;
    }

    SameDayLoader loader{engine};
    QList<SameDaySent> sent;
    QList<QStringList> replies;
};

TEST(SameDayKind, ByClassAndTypes)
{
    struct Case
    {
        const char *cls;
        int normal, gansun, jisun;
        const char *live, *completed;
    };
    const Case cases[] = {
        {"7", 0, 0, 0, "1", "1"}, {"7", 1, 1, 1, "1", "1"}, {"5", 1, 1, 0, "3", "3"}, {"5", 1, 0, 1, "3", "3"},
        {"5", 1, 0, 0, "1", "1"}, {"5", 0, 1, 0, "2", "2"}, {"5", 0, 0, 1, "2", "2"}, {"5", 0, 0, 0, "", ""},
        {"1", 1, 1, 1, "", "3"},  {"3", 1, 0, 0, "", "1"},  {"", 1, 0, 0, "", "1"},   {"5", 2, 0, 0, "", ""},
    };
    for (const Case &c : cases) {
        const QString cls = QString::fromLatin1(c.cls);
        EXPECT_EQ(SameDaySearchKind(cls, c.normal, c.gansun, c.jisun), QString::fromLatin1(c.live))
            << c.cls << c.normal << c.gansun << c.jisun;
        EXPECT_EQ(SameDayCompletedKind(cls, c.normal, c.gansun, c.jisun), QString::fromLatin1(c.completed))
            << c.cls << c.normal << c.gansun << c.jisun;
    }
}

TEST_F(SameDayLoaderTest, LiveLoadsCarryTheMarkOfThePreviousReply)
{
    replies = {{reply("1", "M1", {sameDayRow("A1", "1001", kOld)})},
               {reply("1", "M2", {sameDayRow("A1", "2001", kNew)})}};
    ASSERT_TRUE(loader.proc_Load_A3_SameDay(QStringLiteral("3")));
    engine.dispatchPending();
    ASSERT_TRUE(loader.proc_Load_A3_SameDay(QStringLiteral("3")));
    engine.dispatchPending();
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent.at(0).code, QStringLiteral("CS01_32_V02"));
    EXPECT_EQ(sent.at(0).callType, QStringLiteral("ADM12"));
    EXPECT_EQ(fields(0), (QStringList{"desk01", "5", "H0001", "B000101", "3", "0", ""}));
    EXPECT_EQ(fields(1).at(6), QStringLiteral("M1"));
    EXPECT_EQ(loader.sA3DaySyncDate, QStringLiteral("M2"));
    EXPECT_EQ(engine.gA3Orders().at(0)->text(A3::ORD_STATUS_CD), QStringLiteral("2001"))
        << "the second batch was applied incrementally";

    // The total label's double click: an ordinary full reload, not every change since an old date.
    loader.edSameDayTotalDblClick();
    replies = {{reply("1", "M3")}};
    ASSERT_TRUE(loader.proc_Load_A3_SameDay(QStringLiteral("3")));
    EXPECT_EQ(fields(2).at(6), QString());
}

TEST_F(SameDayLoaderTest, RefusedOrMissingRepliesQueueNothing)
{
    rebuild({sameDayRow("A1", "1001", kOld)});
    loader.sA3DaySyncDate = QStringLiteral("M5");
    replies = {{reply("0", "M6")}};
    EXPECT_FALSE(loader.proc_Load_A3_SameDay(QStringLiteral("1")));
    EXPECT_EQ(engine.pendingBatches(), 0);
    EXPECT_EQ(loader.sA3DaySyncDate, QStringLiteral("M5")) << "a refused reply's mark is not taken";
    EXPECT_TRUE(log.contains(QStringLiteral("CS01_32_V02 is Fail 0:msg")));
    EXPECT_TRUE(G_CONNECTED);

    EXPECT_FALSE(loader.proc_Load_A3_SameDay(QStringLiteral("1")));  // no page at all
    EXPECT_FALSE(G_CONNECTED);
    EXPECT_EQ(loader.sA3DaySyncDate, QStringLiteral("M5"));
    EXPECT_EQ(board.today, QStringList{"A1"});
}

TEST_F(SameDayLoaderTest, CompletedLoadIsAskedAgainUntilTheServerAnswers)
{
    replies = {{}, {reply("1", "IGNORED", {sameDayRow("A7", "4001", kOld)})}};
    EXPECT_FALSE(loader.procLoadA3OrderFinish(QStringLiteral("2")));
    EXPECT_FALSE(loader.bA3FinOrd) << "a failed load is tried again";
    ASSERT_TRUE(loader.procLoadA3OrderFinish(QStringLiteral("2")));
    EXPECT_TRUE(loader.bA3FinOrd);
    EXPECT_EQ(fields(1), (QStringList{"desk01", "5", "H0001", "B000101", "2", "1", ""}));
    EXPECT_TRUE(loader.sA3DaySyncDate.isEmpty()) << "the completed reply's mark is not kept";
    engine.dispatchPending();
    EXPECT_EQ(board.comp, QStringList{"A7"});
}
} // namespace
