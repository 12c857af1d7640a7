#include "order_test_support.h"

#include "orders/live_order_engine.h"

#include <vector>
#include <QCoreApplication>

using namespace ordertest;

namespace
{
// Sound lists compared as plain vectors: Qt's own comparison of two empty lists may hand a null
// pointer to memcmp, which the sanitizer build reports.
std::vector<int> soundSlots(const QList<int> &list)
{
    return std::vector<int>(list.cbegin(), list.cend());
}

QString stamp(int minute)
{
    return QStringLiteral("2026121109%1000000").arg(minute, 2, 10, QLatin1Char('0'));
}

// One row: number, status, minute of its modification stamp, and further columns.
QString replyRow(const char *no, const char *status, int minute, std::map<int, QString> over = {})
{
    over[87] = stamp(minute);
    return liveRow(QString::fromLatin1(no), QString::fromLatin1(status), over);
}

class Engine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetWorld();
        usePrinter(0, "1", "1", "1", "2");
        usePrinter(1, "1", "0", "0", "0");
        engine.setBoardSink(&board);
        engine.setPrinter(&printer);
        engine.setSoundPlayer(&sounds);
        engine.setControlScreens(&screens);
        engine.setLogger([this](const QString &l) { logs.append(l); });
    }

    void run(const QString &header, const QStringList &pages)
    {
        printer.jobs.clear();
        sounds.played.clear();
        engine.enqueue(header, pages);
        engine.dispatchPending();
    }

    // "slot:number" of every receipt printed by the last batch.
    QStringList printed() const
    {
        QStringList out;
        for (const QString &j : printer.jobs)
            out.append(j.section(QChar(0x0002), 0, 0));
        return out;
    }

    // The views, the lists and the counters agree.
    void expectConsistent(const char *where)
    {
        EXPECT_EQ(board.live, engine.gA1Orders().Numbers()) << where;
        EXPECT_EQ(board.comp, engine.gA1CompOrders().Numbers()) << where;
        EXPECT_TRUE(engine.counts() == engine.recount())
            << where << " counted " << engine.counts().FI_CALL_SUM[0] << " recount "
            << engine.recount().FI_CALL_SUM[0];
        for (const auto &o : engine.gA1CompOrders().Records())
            EXPECT_FALSE(engine.gA1Orders().Contains(o->text(A1::ORD_NO)))
                << where << ": " << o->text(A1::ORD_NO).toStdString() << " is on both boards";
    }

    LiveOrderEngine engine;
    RecordingBoard board;
    RecordingPrinter printer;
    RecordingSounds sounds;
    RecordingScreens screens;
    QStringList logs;
};

struct Step
{
    const char *name;
    const char *header;
    QList<QStringList> pages;  // rows per page; an empty list stands for one non-JSON page
    std::function<void()> before;
    QStringList live, held, comp, w1, w2, prints;
    QList<int> sounds;
    std::array<int, 9> counts;
};

TEST_F(Engine, MorningScenario)
{
    const std::map<int, QString> w1 = {{71, "W1"}, {48, "CST"}};
    const std::map<int, QString> w2 = {{71, "W2"}};
    const std::map<int, QString> otherBranch = {{43, "BR9"}};
    const std::vector<Step> steps = {
        {"full rebuild",
         "A1,0,",
         {{replyRow("1", "1001", 1), replyRow("2", "2001", 1), replyRow("3", "3001", 1, w1)},
          {replyRow("4", "1002", 1, otherBranch), replyRow("1", "1001", 1)}},
         {},
         {"1", "3", "4", "2"}, {"2"}, {}, {"3"}, {}, {}, {},
         {3, 1, 1, 1, 0, 0, 0, 0, 0}},
        {"new order, departure, unchanged row",
         "A1,0,M1",
         {{replyRow("6", "1001", 2), replyRow("3", "3003", 2, w1), replyRow("1", "1001", 1)}},
         {},
         {"1", "3", "4", "2", "6"}, {"2"}, {}, {"3"}, {}, {"0:6", "1:6"}, {3, 5},
         {4, 2, 1, 0, 1, 0, 0, 0, 0}},
        {"assignment, completion, new request",
         "A1,0,M2",
         {{replyRow("2", "3001", 3, w2), replyRow("3", "4001", 3, w1), replyRow("7", "2001", 3)}},
         {},
         {"1", "4", "2", "6", "7"}, {"7"}, {"3"}, {"3"}, {"2"}, {"0:7"}, {3, 7, 4},
         {5, 2, 1, 1, 0, 1, 0, 0, 0}},
        // The completed row comes as a new record without a courier in its snapshot, so the
        // courier's list lets the finished order go.
        {"bad rows and pages are skipped; modification print; completed 4001 -> 4002",
         "A1,0,M3",
         {{QStringLiteral("8") + sep() + QStringLiteral("1001"), replyRow("6", "1001", 4, {{2, "1"}}),
           replyRow("3", "4002", 4, w1)},
          {}},
         {},
         {"1", "4", "2", "6", "7"}, {"7"}, {"3"}, {}, {"2"}, {"0:6"}, {},
         {5, 2, 1, 1, 0, 0, 0, 1, 0}},
        {"admission rule hides an order and keeps a hidden request off the board",
         "A1,0,M4",
         {{replyRow("4", "1002", 5, otherBranch), replyRow("9", "2001", 5, otherBranch)}},
         [] { G_BR_CHECKED = 1; },
         {"1", "2", "6", "7"}, {"7"}, {"3"}, {}, {"2"}, {}, {},
         {5, 2, 1, 1, 0, 0, 0, 1, 0}},
        {"completed reload takes a finished order off the live board",
         "A1,1,M4",
         {{replyRow("3", "4002", 4, w1), replyRow("6", "4001", 6)}},
         {},
         {"1", "2", "7"}, {"7"}, {"3", "6"}, {}, {"2"}, {}, {},
         {5, 1, 1, 1, 0, 1, 0, 1, 0}},
        {"request taken by a courier leaves the held list",
         "A1,0,M5",
         {{replyRow("7", "3001", 7, w1)}},
         {},
         {"1", "2", "7"}, {}, {"3", "6"}, {"7"}, {"2"}, {}, {7},
         {5, 1, 0, 2, 0, 1, 0, 1, 0}},
        {"empty full rebuild empties every board",
         "A1,0,",
         {QStringList()},
         {},
         {}, {}, {}, {"7"}, {"2"}, {}, {},
         {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    engine.setAdmissionRule([](const TA1ORDER &o) { return o.ORD_BR_CODE() != u"BR9"; });
    for (const Step &s : steps) {
        if (s.before)
            s.before();
        QStringList pages;
        for (const QStringList &rows : s.pages)
            pages.append(rows.isEmpty() && s.pages.size() > 1 ? QStringLiteral("<html>") : page(rows));
        run(QString::fromLatin1(s.header), pages);
        EXPECT_EQ(engine.gA1Orders().Numbers(), s.live) << s.name;
        EXPECT_EQ(engine.gA1ReadyOrders().Numbers(), s.held) << s.name;
        EXPECT_EQ(engine.gA1CompOrders().Numbers(), s.comp) << s.name;
        EXPECT_EQ(courierOrders(QStringLiteral("W1")), s.w1) << s.name;
        EXPECT_EQ(courierOrders(QStringLiteral("W2")), s.w2) << s.name;
        EXPECT_EQ(printed(), s.prints) << s.name;
        EXPECT_EQ(soundSlots(sounds.played), soundSlots(s.sounds)) << s.name;
        EXPECT_EQ(engine.counts().FI_CALL_SUM, s.counts) << s.name;
        expectConsistent(s.name);
    }
    EXPECT_TRUE(logs.filter(QStringLiteral("A1ProcOrder Exception Err row has 2 of 123 columns")).size() == 1);
    EXPECT_TRUE(logs.filter(QStringLiteral("page is not JSON")).size() == 1);
    EXPECT_TRUE(logs.contains(QStringLiteral("DEL : 3, iRow : 1")));
    EXPECT_TRUE(logs.contains(QStringLiteral("DEL : 4, iRow : 1")));
}

TEST_F(Engine, PrintsAndSoundsFollowTheirRules)
{
    struct Case
    {
        const char *name;
        std::function<void()> setup;
        QStringList first, second;  // rows of a full rebuild, then of an incremental batch
        QStringList prints;
        QList<int> sounds;
        QStringList logLines;
    } cases[] = {
        {"two new orders sound once and print per slot", {}, {},
         {replyRow("1", "1001", 1), replyRow("2", "1001", 1)}, {"0:1", "1:1", "0:2", "1:2"}, {3}, {}},
        {"incomplete order data prints nothing but still sounds", {}, {},
         {replyRow("1", "1001", 1, {{79, "N"}})}, {}, {3}, {}},
        {"receipts held back while the balance is negative",
         [] { G_USER_INFO.DATA_STATUS = "2"; }, {}, {replyRow("1", "1001", 1)}, {}, {3},
         {"\tSTATUS :[2] CASH MINUS NOT PRTING[0]:"}},
        {"back to received with the same add number: sound, no receipt", {},
         {replyRow("1", "1014", 1)}, {replyRow("1", "1001", 2)}, {}, {3}, {}},
        {"back to received with a new add number: receipt", {},
         {replyRow("1", "1014", 1)}, {replyRow("1", "1001", 2, {{2, "1"}})}, {"0:1", "1:1"}, {3}, {}},
        {"modification of another branch's order prints nothing", {},
         {replyRow("1", "3001", 1, {{43, "BR9"}})}, {replyRow("1", "3001", 2, {{43, "BR9"}})}, {}, {}, {}},
        {"modification with 1002_1 \"1\" prints every time",
         [] { G_PRINT_SET[0].PRT_ST_1002_1 = "1"; }, {replyRow("1", "3001", 1)},
         {replyRow("1", "3001", 2)}, {"0:1"}, {}, {}},
        {"a store login without the order path hears no courier sounds",
         [] {
             G_USER_INFO.USER_TYPE_CD = "1001";
             G_SL_ORD_FILTER[5].clear();
         },
         {replyRow("1", "1001", 1), replyRow("2", "3001", 1)},
         {replyRow("1", "3001", 2), replyRow("2", "3003", 2)}, {}, {}, {}},
        {"sound switches off", [] { G_USER_SET.Alam_1001 = "0"; }, {}, {replyRow("1", "1001", 1)},
         {"0:1", "1:1"}, {}, {}},
    };
    for (const Case &c : cases) {
        SetUp();
        LiveOrderEngine fresh;
        fresh.setBoardSink(&board);
        fresh.setPrinter(&printer);
        fresh.setSoundPlayer(&sounds);
        fresh.setLogger([this](const QString &l) { logs.append(l); });
        board = RecordingBoard();
        logs.clear();
        if (c.setup)
            c.setup();
        fresh.enqueue(QStringLiteral("A1,0,"), {page(c.first)});
        fresh.dispatchPending();
        printer.jobs.clear();
        sounds.played.clear();
        fresh.enqueue(QStringLiteral("A1,0,M"), {page(c.second)});
        fresh.dispatchPending();
        EXPECT_EQ(printed(), c.prints) << c.name;
        EXPECT_EQ(soundSlots(sounds.played), soundSlots(c.sounds)) << c.name;
        for (const QString &l : c.logLines)
            EXPECT_EQ(logs.count(l), 1) << c.name;
        EXPECT_TRUE(fresh.counts() == fresh.recount()) << c.name;
    }
}

TEST_F(Engine, QueueSurvivesBadBatchesAndKeepsBatchesApart)
{
    // Two batches queued before the dispatcher runs stay two batches.
    engine.enqueue(QStringLiteral("A1,0,"), {page({replyRow("1", "1001", 1)})});
    engine.enqueue(QStringLiteral("A1,0,M"), {page({replyRow("2", "1001", 1)})});
    EXPECT_EQ(engine.pendingBatches(), 2);
    // A producer half-way through a batch holds the dispatcher back.
    engine.beginBatch(QStringLiteral("A3,0,"));
    engine.dispatchPending();
    EXPECT_EQ(engine.pendingBatches(), 2);
    engine.endBatch();
    engine.enqueue(QStringLiteral("garbage"), {});
    engine.enqueue(QStringLiteral("A1,0,M2"), {page({replyRow("3", "3001", 1)})});
    engine.dispatchPending();
    EXPECT_EQ(engine.pendingBatches(), 0);
    EXPECT_EQ(engine.gA1Orders().Numbers(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(soundSlots(sounds.played), (std::vector<int>{3, 7}));
    EXPECT_EQ(logs.filter(QStringLiteral("bad header")).size(), 1);

    // The queued call dispatches by itself on the event loop.
    engine.enqueue(QStringLiteral("A1,0,M3"), {page({replyRow("4", "1001", 1)})});
    QCoreApplication::processEvents();
    EXPECT_EQ(engine.gA1Orders().Numbers(), (QStringList{"1", "2", "3", "4"}));
}

TEST_F(Engine, OrderControlScreenFollowsTheBoard)
{
    screens.open[IControlScreens::OrderScreen] = true;
    G_USER_INFO.BR_DVRY_YN = "Y";
    run(QStringLiteral("A1,0,"), {page({replyRow("1", "3001", 1, {{71, "W1"}}), replyRow("2", "1001", 1)})});
    EXPECT_EQ(screens.calls, (QStringList{"o-map-assign:1:1", "o-map-delete:ST01/1", "first-fill", "change-info"}));
    screens.calls.clear();
    screens.waiting[IControlScreens::OrderScreen].insert(QStringLiteral("2"), QString());
    run(QStringLiteral("A1,0,M"), {page({replyRow("1", "4001", 2, {{71, "W1"}}), replyRow("2", "3001", 2)})});
    EXPECT_EQ(screens.calls, (QStringList{"o-map-delete:ST01/1", "o-map-assign:2:2", "remove:2",
                                          "change-info"}));
}
} // namespace
