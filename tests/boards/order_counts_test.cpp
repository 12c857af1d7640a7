// Status counters, the counting rule, the recount, the ready-time rule and the count pass, and
// the board models kept in step with the live-order engine.
#include "orders/order_test_support.h"

#include "grid/grid_table_model.h"
#include "boards/order_board_models.h"
#include "boards/order_counts.h"
#include "platform/clock.h"
#include "records/order_time_texts.h"

#include <QDateTime>

#include <tuple>

using namespace ordertest;

namespace
{
TA1ORDER countOrder(const QString &no, const QString &status, std::map<int, QString> over = {})
{
    TA1ORDER o;
    EXPECT_TRUE(proc_SetA1OrderFromRow(o, liveRow(no, status, std::move(over)), {}));
    return o;
}

CountSelections distributorSelections()
{
    CountSelections s;
    s.userClass = QStringLiteral("5");
    s.branches = {QStringLiteral("BR1")};
    return s;
}

class Counts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetWorld();
        models.setContextSource([] {
            BoardRowContext c;
            c.login = CurrentOrderLogin();
            return c;
        });
        AppClock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(9, 30)));
    }
    void TearDown() override { AppClock::clearFixed(); }

    int addLive(const TA1ORDER &o)
    {
        const int row = models.CTV_MAIN.recordCount();
        models.rowInserted(OrderBoard::Live, row, o);
        return row;
    }
    int addComp(const TA1ORDER &o)
    {
        const int row = models.CTV_MAIN_COMP.recordCount();
        models.rowInserted(OrderBoard::Completed, row, o);
        return row;
    }
    QVariant liveCell(int record, BoardCol::Id id) const
    {
        return models.CTV_MAIN.recordValue(record, BoardColumnIndex(OrderBoard::Live, id));
    }
    CountPassResult pass(bool finLoaded = true, bool storeTab = false)
    {
        CountPassInput in;
        in.bA1FinOrd = finLoaded;
        in.storeTabActive = storeTab;
        in.iA2OrdCount = {9, 1, 2, 3, 4, 5, 6, 7, 8, 0};
        in.cookViewType = cook;
        return proc_Chk_Cnt(models.CTV_MAIN, models.CTV_MAIN_COMP, models.sums, models.payTotals, in,
                            models.liveTimes, [this](const QString &l) { logs.append(l); });
    }

    OrderBoardModels models;
    QString cook = QStringLiteral("0");
    QStringList logs;
};
} // namespace

TEST(CountRule, WhichOrdersCountUnderTheSelections)
{
    struct Case
    {
        const char *cls;
        const char *ordBr;
        const char *cthBr;
        int status;
        const char *pos;
        const char *path;
        bool counts;
    };
    const Case cases[] = {
        {"5", "BR1", "", 4001, "", "", true},      // ordering branch selected
        {"5", "BR9", "BR1", 3001, "", "", true},   // dispatching branch selected
        {"5", "BR9", "", 2001, "", "", true},      // nobody took it yet: a distributor sees it
        {"5", "BR9", "", 3001, "", "", false},     // ... only below 3001
        {"7", "BR9", "", 1001, "", "", false},     // a head office does not
        {"5", "BR9", "BR8", 1001, "", "", false},
        {"1", "BR1", "", 1001, "", "1001", true},  // store: ticked path
        {"1", "BR1", "", 1001, "P1", "1099", true},  // store: ticked POS path
        {"1", "BR1", "", 1001, "P9", "5000", true},  // pseudo-path ticked
        {"1", "BR1", "", 1001, "", "", false},
    };
    for (const Case &c : cases) {
        CountSelections s;
        s.userClass = QLatin1String(c.cls);
        s.branches = {QStringLiteral("BR1")};
        s.paths = {QStringLiteral("1001"), QStringLiteral("5000")};
        s.posTypes = {QStringLiteral("P1")};
        EXPECT_EQ(func_CheckOrderViewYN(s, QString::fromLatin1(c.ordBr), QString::fromLatin1(c.cthBr), c.status,
                                        QString::fromLatin1(c.pos), QString::fromLatin1(c.path)),
                  c.counts)
            << c.cls << " " << c.ordBr << "/" << c.cthBr << " " << c.status << " " << c.path;
    }
    // A store login with nothing ticked counts nothing.
    CountSelections none;
    none.userClass = QStringLiteral("1");
    EXPECT_FALSE(func_CheckOrderViewYN(none, u"BR1", u"BR1", 1001, u"P1", u"1001"));
}

TEST_F(Counts, RecountWalksEveryRecordOfBothBoardsByStatusGroup)
{
    addLive(countOrder("A", "1001"));
    addLive(countOrder("B", "1002"));
    addLive(countOrder("C", "1007"));
    addLive(countOrder("D", "2002"));
    addLive(countOrder("E", "3003"));
    addLive(countOrder("F", "4003"));
    addLive(countOrder("G", "9999"));
    addLive(countOrder("H", "3001", {{43, QStringLiteral("BR9")}}));  // another branch after dispatch
    addComp(countOrder("I", "4001"));
    addComp(countOrder("J", "4002"));
    // A filter hides the live board entirely: the recount still sees every record.
    FilterGroup nothing;
    nothing.add(FilterCondition::make(BoardColumnIndex(OrderBoard::Live, BoardCol::STATUS_CD), FilterOp::Equal,
                                      QStringLiteral("none")));
    models.CTV_MAIN.setFilterGroup(0, nothing);
    ASSERT_EQ(models.CTV_MAIN.rowCount(), 0);

    const std::array<int, 9> got =
        proc_ReCountStatusCallSum(models.CTV_MAIN, models.CTV_MAIN_COMP, distributorSelections());
    //                                 all 1001 2001 3001 3003 4001 wait 4002 other
    EXPECT_EQ(got, (std::array<int, 9>{9, 1, 1, 0, 1, 1, 2, 1, 2}));

    // A store login with no ticked path and no ticked POS path counts nothing at all.
    CountSelections store;
    store.userClass = QStringLiteral("1");
    EXPECT_EQ(proc_ReCountStatusCallSum(models.CTV_MAIN, models.CTV_MAIN_COMP, store), (std::array<int, 9>{}));
}

TEST_F(Counts, LabelsBeforeAndAfterTheCompletedLoadAndOnTheStoreTab)
{
    models.sums.replace({12, 1, 2, 3, 1, 4, 0, 1, 0}, {});
    // Before the completed orders are loaded: 완료 and 취소 read "-", and the total leaves them out.
    CountPassResult r = pass(false);
    EXPECT_EQ(r.labels[5], QStringLiteral("-"));
    EXPECT_EQ(r.labels[7], QStringLiteral("-"));
    EXPECT_EQ(r.labels[0], QStringLiteral("7"));
    EXPECT_EQ(models.sums.FI_CALL_SUM[5], 0);
    EXPECT_EQ(models.sums.FI_CALL_SUM[7], 0);

    models.sums.replace({12, 1, 2, 3, 1, 4, 0, 1, 0}, {});
    r = pass(true);
    EXPECT_EQ(r.labels[5], QStringLiteral("4"));
    EXPECT_EQ(r.labels[0], QStringLiteral("12"));

    // The store-order tab shows the store-order counts, element 0 in the total.
    r = pass(true, true);
    EXPECT_EQ(r.labels, (std::array<QString, 9>{"9", "1", "2", "3", "4", "5", "6", "7", "8"}));
}

TEST_F(Counts, PayTextAndFootersWithNoLiveRowShown)
{
    models.payTotals.set(QStringLiteral("C1"), 1, 1234567);
    models.payTotals.set(QStringLiteral("C2"), 0, 12000);
    models.payTotals.set(QStringLiteral("C3"), 2, 500);
    addComp(countOrder("C4", "4002"));
    const CountPassResult r = pass();
    EXPECT_EQ(r.payText, QStringLiteral("선결제(1):500 현금(1):12,000 현금(P)(0):0 카드(1):1,234,567"));
    EXPECT_EQ(r.completedShown, 1);
    EXPECT_EQ(r.labels[1], QStringLiteral("0"));
}

TEST_F(Counts, WaitSoundForAppOrdersWithoutArrivalAfterTenSeconds)
{
    const auto soundAt = [&](int secondsAfter) {
        models.boardReset(OrderBoard::Live);
        addLive(countOrder("W", "1001", {{29, QStringLiteral("1016")}, {6, QStringLiteral("2026-12-11 09:30:00")}}));
        AppClock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(9, 30, 0)).addSecs(secondsAfter));
        return pass().playWaitSound;
    };
    EXPECT_FALSE(soundAt(10));
    EXPECT_TRUE(soundAt(11));
    // An order with an arrival time, or of another path, never rings.
    models.boardReset(OrderBoard::Live);
    addLive(countOrder("X", "1001", {{29, QStringLiteral("1016")}, {89, QStringLiteral("10:00")}}));
    addLive(countOrder("Y", "1001", {{29, QStringLiteral("1001")}}));
    AppClock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
    EXPECT_FALSE(pass().playWaitSound);
    // A row already refreshed still rings later, when its moment comes.
    models.boardReset(OrderBoard::Live);
    addLive(countOrder("Z", "1001", {{29, QStringLiteral("1016")}, {6, QStringLiteral("2026-12-11 10:00:00")}}));
    EXPECT_FALSE(pass().playWaitSound);
    AppClock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(10, 0, 11)));
    EXPECT_TRUE(pass().playWaitSound);
}

TEST(ReadyTime, ByOriginAndDisplayMode)
{
    AppClock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
    struct Case
    {
        const char *cthYn;
        const char *mode;
        const char *status;
        const char *ready2;
        ReadyTimeCell::Kind kind;
        int minutes;
        const char *origin;
    };
    // Request time 09:40, dispatch time 09:50.
    const Case cases[] = {
        {"N", "2", "2001", " 25 ", ReadyTimeCell::Minutes, 25, "요청후"},
        {"N", "2", "2001", "", ReadyTimeCell::Empty, 0, "요청후"},
        {"N", "2", "3003", "25", ReadyTimeCell::Empty, 0, "요청후"},
        {"N", "1", "1001", "25", ReadyTimeCell::Empty, 0, "요청후"},
        {"N", "0", "2001", "25", ReadyTimeCell::Unchanged, 0, "요청후"},
        {"Y", "2", "3001", "30", ReadyTimeCell::Minutes, 30, "배차후"},
        {"Y", "2", "3003", "30", ReadyTimeCell::Empty, 0, "배차후"},
        {"Y", "1", "1002", "30", ReadyTimeCell::Empty, 0, "배차후"},
        {"", "9", "3001", "30", ReadyTimeCell::Unchanged, 0, "배차후"},
    };
    for (const Case &c : cases) {
        const ReadyTimeCell r = ReadyTimeFor(QLatin1String(c.cthYn), QLatin1String(c.mode), QLatin1String(c.status),
                                             QLatin1String(c.ready2), QStringLiteral("2026-12-11 09:40:00"),
                                             QStringLiteral("2026-12-11 09:50:00"));
        EXPECT_EQ(r.kind, c.kind) << c.cthYn << c.mode << c.status;
        if (c.kind == ReadyTimeCell::Minutes)
            EXPECT_EQ(r.minutes, c.minutes) << c.cthYn << c.mode << c.status;
        EXPECT_EQ(r.origin, QString::fromUtf8(c.origin));
    }
    // Modes 1 and 3 read the elapsed and the overdue texts.
    const ReadyTimeCell elapsed = ReadyTimeFor(QStringLiteral("N"), QStringLiteral("1"), QStringLiteral("2001"),
                                               QStringLiteral("25"), QStringLiteral("2026-12-11 09:40:00"), QString());
    EXPECT_EQ(elapsed.kind, ReadyTimeCell::Minutes);
    const QString text = OrderElapsedText(QStringLiteral("2001"), QStringLiteral("2026-12-11 09:40:00"),
                                          QStringLiteral("25"), QString(), 1);
    EXPECT_EQ(QString::number(elapsed.minutes) + QStringLiteral("분"), text);
    const ReadyTimeCell over = ReadyTimeFor(QStringLiteral("Y"), QStringLiteral("3"), QStringLiteral("3001"),
                                            QStringLiteral("5"), QString(), QStringLiteral("2026-12-11 09:50:00"));
    EXPECT_EQ(over.kind, ReadyTimeCell::Minutes);
    EXPECT_EQ(over.minutes, 5);  // promised 09:55, now 10:00
    AppClock::clearFixed();
}

TEST_F(Counts, PassFillsTimeColumnsOfShownRowsAndGoesOnPastAnEmptyReadyTime)
{
    cook = QStringLiteral("2");
    const int a = addLive(countOrder("A", "2001", {{38, QString()}, {68, QStringLiteral("N")},
                                             {51, QStringLiteral("2026-12-11 09:10:00")}}));
    const int b = addLive(countOrder("B", "2001", {{38, QStringLiteral("20")}, {68, QStringLiteral("N")},
                                             {51, QStringLiteral("2026-12-11 09:10:00")}}));
    pass();
    EXPECT_FALSE(liveCell(a, BoardCol::READY_TIME).isValid());
    EXPECT_EQ(liveCell(b, BoardCol::READY_TIME).toInt(), 20);
    EXPECT_EQ(liveCell(b, BoardCol::COOK_AFT).toString(), QStringLiteral("요청후"));
    EXPECT_EQ(liveCell(b, BoardCol::ADD_TIME_ALL).toInt(), 30);  // ordered 09:00, now 09:30
    EXPECT_EQ(liveCell(b, BoardCol::ADD_TIME).toInt(), 20);      // request 09:10

    // Time goes on: the next pass refreshes the rows whose minutes moved.
    AppClock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(9, 45)));
    pass();
    EXPECT_EQ(liveCell(b, BoardCol::ADD_TIME_ALL).toInt(), 45);
    // A row the filter hides is left as it was.
    FilterGroup onlyA;
    onlyA.add(FilterCondition::make(BoardColumnIndex(OrderBoard::Live, BoardCol::ORD_NO), FilterOp::Equal,
                                    QStringLiteral("A")));
    models.CTV_MAIN.setFilterGroup(0, onlyA);
    AppClock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
    pass();
    EXPECT_EQ(liveCell(b, BoardCol::ADD_TIME_ALL).toInt(), 45);
    EXPECT_EQ(liveCell(a, BoardCol::ADD_TIME_ALL).toInt(), 60);
}

TEST_F(Counts, ModelsFollowTheEngineRowForRowAndTheCountersFollowItsCounts)
{
    LiveOrderEngine engine;
    engine.setLogger([](const QString &) {});
    engine.setBoardSink(&models);
    models.setEngine(&engine);
    int after = 0;
    models.setAfterBatch([&after] { ++after; });
    const auto run = [&engine](const QString &header, const QStringList &rows) {
        engine.enqueue(header, {page(rows, QStringLiteral("M"))});
        engine.dispatchPending();
    };
    const auto numbers = [](const GridTableModel &m, OrderBoard board) {
        QStringList out;
        for (int r = 0; r < m.recordCount(); ++r)
            out.append(m.recordValue(r, BoardColumnIndex(board, BoardCol::ORD_NO)).toString());
        return out;
    };
    run(QStringLiteral("A1,0,"), {liveRow("A", "1001"), liveRow("B", "3001"), liveRow("C", "1002"),
                                  liveRow("D", "3003")});
    EXPECT_EQ(numbers(models.CTV_MAIN, OrderBoard::Live), engine.gA1Orders().Numbers());
    EXPECT_EQ(models.sums.FI_CALL_SUM, engine.counts().FI_CALL_SUM);

    // A selection change recounts; the engine's later moves carry on from there.
    G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("BR9")};
    models.proc_ReCountStatusCallSum();
    // Only the orders no branch has taken yet still count for a distributor.
    EXPECT_EQ(models.sums.FI_CALL_SUM, (std::array<int, 9>{2, 1, 0, 0, 0, 0, 1, 0, 0}));
    G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("BR1")};
    models.proc_ReCountStatusCallSum();

    run(QStringLiteral("A1,0,M"), {liveRow("B", "3003", {{87, QStringLiteral("20261211091000000")}}),
                                   liveRow("E", "1001", {{87, QStringLiteral("20261211091000000")}}),
                                   liveRow("A", "4001", {{87, QStringLiteral("20261211091000000")}})});
    EXPECT_EQ(numbers(models.CTV_MAIN, OrderBoard::Live), engine.gA1Orders().Numbers());
    EXPECT_EQ(numbers(models.CTV_MAIN_COMP, OrderBoard::Completed), engine.gA1CompOrders().Numbers());
    EXPECT_EQ(models.sums.FI_CALL_SUM,
              proc_ReCountStatusCallSum(models.CTV_MAIN, models.CTV_MAIN_COMP, CountSelections::Current()));
    const int b = models.CTV_MAIN.findRecord(QStringLiteral("B"));
    ASSERT_GE(b, 0);
    EXPECT_EQ(models.CTV_MAIN.recordValue(b, BoardColumnIndex(OrderBoard::Live, BoardCol::STATUS_CD)).toString(),
              QStringLiteral("3003"));
    EXPECT_EQ(after, 2);

    // A full rebuild starts the counters and the pay totals over.
    models.payTotals.set(QStringLiteral("Q"), 1, 100);
    run(QStringLiteral("A1,0,"), {liveRow("Z", "1001")});
    EXPECT_EQ(numbers(models.CTV_MAIN, OrderBoard::Live), QStringList{QStringLiteral("Z")});
    EXPECT_EQ(models.sums.FI_CALL_SUM, engine.counts().FI_CALL_SUM);
    EXPECT_EQ(models.payTotals.FI_AMT_CNT, (std::array<int, 4>{}));
}

TEST(BoardTimeTexts, AgreeWithTheSharedTimeTexts)
{
    // The fast texts must never tell a user something the shared routines would not.
    const QDateTime now(QDate(2026, 12, 11), QTime(10, 7, 42));
    AppClock::setFixed(now);
    const QStringList times = {QString(), QStringLiteral("2026-12-11 09:40:00"), QStringLiteral("2026-12-11 10:07:41"),
                               QStringLiteral("2026-12-11 10:30:15"), QStringLiteral("2026-12-10 23:59:59"),
                               QStringLiteral("2026-12-11 9:5:3"), QStringLiteral("garbage")};
    const QStringList statuses = {QStringLiteral("1001"), QStringLiteral("2001"), QStringLiteral("3001"),
                                  QStringLiteral("3003"), QStringLiteral("4001"), QStringLiteral("x")};
    const QStringList seconds = {QString(), QStringLiteral("25"), QStringLiteral("0930"), QStringLiteral("0130"),
                                 QStringLiteral("2026-12-11 09:50:00")};
    for (const QString &modes : {QStringLiteral("0000"), QStringLiteral("1111"), QStringLiteral("2222"),
                                 QStringLiteral("12")}) {
        const BoardTimeTexts fast(WallNowMs(), modes);
        for (const QString &status : statuses) {
            for (const QString &a : times) {
                for (const QString &b : times) {
                    TOrderTimes t;
                    t.status = status;
                    t.orderTime = a;
                    t.reqTime = b;
                    t.dispatchTime = times.value(2);
                    t.pickupTime = status == QLatin1String("3003") ? b : QString();
                    t.endTime = status == QLatin1String("4001") ? times.value(3) : QString();
                    const TOrderTimeColumns x = DateTimeToAddStr4(t, modes), y = fast.addStr4(t);
                    ASSERT_EQ(std::tie(x.tmReq, x.tmCTH, x.tmStart, x.tmEnd, x.AAddTime, x.AAddTimeAll),
                              std::tie(y.tmReq, y.tmCTH, y.tmStart, y.tmEnd, y.AAddTime, y.AAddTimeAll))
                        << modes.toStdString() << " " << status.toStdString() << " [" << a.toStdString() << "] ["
                        << b.toStdString() << "]";
                }
                for (const QString &second : seconds)
                    for (int mode = 0; mode < 4; ++mode)
                        ASSERT_EQ(OrderElapsedText(status, a, second, times.value(3), mode),
                                  fast.elapsed(status, a, second, times.value(3), mode))
                            << status.toStdString() << " " << a.toStdString() << " " << second.toStdString() << " "
                            << mode;
                for (int code : {1001, 3001, 4001})
                    ASSERT_EQ(OverMinutesText(a, times.value(3), QStringLiteral("15"), code),
                              fast.over(a, times.value(3), QStringLiteral("15"), code));
            }
        }
    }
    AppClock::clearFixed();
}

// A live row is refilled cell by cell only while what its cells were written under holds: a cell
// written from outside, or a new context, makes the next refill write every cell again.
TEST_F(Counts, RefillAfterAnOutsideWriteOrANewContextWritesEveryCell)
{
    QString brDvryYn = QStringLiteral("Y");
    models.setContextSource([&brDvryYn] {
        BoardRowContext c;
        c.login = CurrentOrderLogin();
        c.brDvryYn = brDvryYn;
        return c;
    });
    const std::map<int, QString> fields = {{26, QStringLiteral("문 앞")}, {57, QStringLiteral("1")}};
    addLive(countOrder(QStringLiteral("A1"), QStringLiteral("1001"), fields));
    const int memo = BoardColumnIndex(OrderBoard::Live, BoardCol::ORD_MEMO);
    models.CTV_MAIN.setRecordValue(0, memo, QStringLiteral("손댄 값"));
    models.rowChanged(OrderBoard::Live, 0, countOrder(QStringLiteral("A1"), QStringLiteral("3001"), fields));
    EXPECT_EQ(liveCell(0, BoardCol::ORD_MEMO).toString(), QStringLiteral("문 앞"));
    EXPECT_EQ(liveCell(0, BoardCol::WK_INOUT).toString(), QStringLiteral("1"));

    brDvryYn = QStringLiteral("N");
    models.rowChanged(OrderBoard::Live, 0, countOrder(QStringLiteral("A1"), QStringLiteral("3003"), fields));
    EXPECT_EQ(liveCell(0, BoardCol::STATUS_CD).toString(), QStringLiteral("3003"));
    EXPECT_TRUE(liveCell(0, BoardCol::WK_INOUT).toString().isEmpty()) << "the context moved";

    // Rows that left the board take what they were written from with them.
    addLive(countOrder(QStringLiteral("A2"), QStringLiteral("1001"), {{26, QStringLiteral("둘째")}}));
    models.beginUpdate(OrderBoard::Live);
    models.rowRemoved(OrderBoard::Live, 0);
    models.endUpdate(OrderBoard::Live);
    ASSERT_EQ(models.CTV_MAIN.recordCount(), 1);
    models.rowChanged(OrderBoard::Live, 0, countOrder(QStringLiteral("A2"), QStringLiteral("3001"), {{26, QStringLiteral("둘째")}}));
    EXPECT_EQ(liveCell(0, BoardCol::ORD_NO).toString(), QStringLiteral("A2"));
    EXPECT_EQ(liveCell(0, BoardCol::ORD_MEMO).toString(), QStringLiteral("둘째"));
    EXPECT_EQ(liveCell(0, BoardCol::STATUS_CD).toString(), QStringLiteral("3001"));
}
