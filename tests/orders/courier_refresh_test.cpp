// The courier refresh: which rows change a courier, what the map and the control screens are told,
// and counters that stay equal to a recount whatever the server reports.

#include "order_test_support.h"

#include "orders/courier_refresh.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>
#include <random>
#include <vector>

using namespace ordertest;

namespace
{
std::vector<int> counters(const int *c)
{
    return std::vector<int>(c, c + kCourierCountSlots);
}

std::vector<int> recount(const QStringList &branches)
{
    int c[kCourierCountSlots];
    CountCouriers(branches, c);
    return counters(c);
}

// A courier row of 30 fields: at work, active, in BR1 at a position, no orders; then overrides.
QStringList courierRow(const QString &code, std::map<int, QString> over = {})
{
    QStringList f(30);
    f[0] = code;
    f[1] = QStringLiteral("HD1");
    f[2] = QStringLiteral("BR1");
    f[4] = QStringLiteral("0001");
    f[5] = QStringLiteral("1");
    f[6] = QStringLiteral("15000");
    f[9] = QStringLiteral("37.5000000");
    f[10] = QStringLiteral("127.0300000");
    f[11] = QStringLiteral("김배송");
    f[14] = QStringLiteral("01012345678");
    f[25] = QStringLiteral("0");
    f[26] = QStringLiteral("0");
    f[27] = QStringLiteral("0");
    f[28] = QStringLiteral("Y");
    for (const auto &[i, v] : over)
        f[i] = v;
    return f;
}

QString courierPage(const QList<QStringList> &rows, const QString &outVal = QStringLiteral("7"),
                    const QString &outCode = QStringLiteral("1"))
{
    QJsonArray a;
    for (const QStringList &r : rows)
        a.append(r.join(sep()) + sep());
    QJsonObject o{{QStringLiteral("OUT_CODE"), outCode},
                  {QStringLiteral("OUT_MSG"), outCode == QLatin1String("1") ? QString() : QStringLiteral("거절")},
                  {QStringLiteral("OUT_VAL"), outVal},
                  {QStringLiteral("OUT_ROW1"), a}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

struct SentRequest
{
    QString code, callType, payload, pageCount;
    int timeoutMs = 0;
};

class CourierRefreshTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetOrderGlobals();
        ResetCourierRecords();
        ResetCourierRefreshGlobals();
        G_ST_LIST.clear();
        G_USER_INFO = TUSER_INFO();
        G_USER_INFO.ID = QStringLiteral("tester");
        G_USER_INFO.USER_TYPE_CD = "5001";
        G_USER_INFO.HD = "HD1";
        G_USER_INFO.BR = "BR1";
        G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("BR1")};

        CourierListRefresh::Hooks h;
        h.request = [this](const QString &code, const QString &callType, const QString &payload,
                           const QString &pageCount, int timeoutMs) {
            sent.push_back({code, callType, payload, pageCount, timeoutMs});
            return replies.isEmpty() ? QStringList() : replies.takeFirst();
        };
        h.mainBranches = [this] { return mainBranches; };
        h.mainCounts = mainCounts;
        h.updateWorkerGrid = [this](bool clear) { gridUpdates.append(clear); };
        h.log = [this](const QString &line) { logLines.append(line); };
        refresh = std::make_unique<CourierListRefresh>(h);
    }

    TMyWorker &courier(const QString &code)
    {
        TMyWorker *w = G_MY_WORKER.MyWorkerArray.find(code);
        EXPECT_NE(w, nullptr) << code.toStdString();
        return *w;
    }

    // Applies rows as one refresh, then forgets what the control screens were told so far.
    void settle(const QList<QStringList> &rows)
    {
        for (const QStringList &r : rows)
            refresh->applyRow(r);
        G_SL_WK_CHG[2].clear();
        G_SL_WK_CHG[3].clear();
    }

    void expectCountersExact(const char *when)
    {
        EXPECT_EQ(counters(G_WK_CNT), recount(G_SL_ORD_FILTER[1])) << when;
        EXPECT_EQ(counters(mainCounts), recount(mainBranches)) << when;
    }

    QList<QStringList> replies;
    std::vector<SentRequest> sent;
    QStringList mainBranches{QStringLiteral("BR1"), QStringLiteral("BR2")};
    int mainCounts[kCourierCountSlots] = {};
    QList<bool> gridUpdates;
    QStringList logLines;
    std::unique_ptr<CourierListRefresh> refresh;
};

TEST_F(CourierRefreshTest, OnlyLoginsWithAHeadOfficeThatAreNotStoresAsk)
{
    struct Case
    {
        const char *userType;
        const char *hd;
        bool asks;
    };
    const Case cases[] = {
        {"1001", "HD1", false},  // a store user
        {"5001", "", false},     // no head office
        {"5001", "HD1", true},
        {"7001", "HD1", true},
    };
    for (const Case &c : cases) {
        sent.clear();
        G_USER_INFO.USER_TYPE_CD = c.userType;
        G_USER_INFO.HD = c.hd;
        refresh->proc_Dvry_List();
        EXPECT_EQ(sent.size(), c.asks ? 1u : 0u) << c.userType << "/" << c.hd;
    }
    const SentRequest &r = sent.back();
    EXPECT_EQ(r.code, "CSDVRY");
    EXPECT_EQ(r.callType, "SWK2");
    EXPECT_EQ(r.pageCount, "3000");
    EXPECT_EQ(r.timeoutMs, 30000);
    EXPECT_EQ(r.payload, QStringLiteral("tester│7│HD1│BR1││Y││"));
}

TEST_F(CourierRefreshTest, TheMarkOfTheFirstPageIsSentNextTime)
{
    replies = {{courierPage({courierRow("W1")}, "41"), courierPage({courierRow("W2")}, "99")}, {}};
    EXPECT_TRUE(refresh->proc_Dvry_List());
    EXPECT_EQ(G_DVRY_SYNC_DT, "41") << "page 0 carries the mark";
    EXPECT_TRUE(G_MY_WORKER.MyWorkerArray.contains("W2"));
    EXPECT_EQ(gridUpdates, QList<bool>{false});

    // No reply: logged, the mark and the couriers stay, the grid is not touched.
    EXPECT_FALSE(refresh->proc_Dvry_List());
    EXPECT_TRUE(sent.back().payload.endsWith(QStringLiteral("│Y│41│")));
    EXPECT_EQ(G_DVRY_SYNC_DT, "41");
    EXPECT_EQ(logLines.last(), "CSDVRY ERR[NO RESULT]");
    EXPECT_EQ(gridUpdates.size(), 1);

    // A mark no server would send is not sent back: the next refresh asks for every courier.
    replies = {{courierPage({}, QString(200, QLatin1Char('9')))}};
    refresh->proc_Dvry_List();
    EXPECT_TRUE(G_DVRY_SYNC_DT.isEmpty());
}

TEST_F(CourierRefreshTest, AFailedPageStopsTheRefreshButTheGridStillTakesTheEarlierPages)
{
    replies = {{courierPage({courierRow("W1")}), courierPage({courierRow("W2")}, "", "0"),
                courierPage({courierRow("W3")})}};
    EXPECT_FALSE(refresh->proc_Dvry_List());
    EXPECT_TRUE(G_MY_WORKER.MyWorkerArray.contains("W1"));
    EXPECT_FALSE(G_MY_WORKER.MyWorkerArray.contains("W2"));
    EXPECT_FALSE(G_MY_WORKER.MyWorkerArray.contains("W3"));
    EXPECT_TRUE(logLines.contains("CSDVRY is Fail 0:거절"));
    EXPECT_EQ(gridUpdates, QList<bool>{false});

    // A failed first page leaves the mark alone.
    G_DVRY_SYNC_DT = QStringLiteral("5");
    replies = {{courierPage({}, "6", "-1")}};
    refresh->proc_Dvry_List();
    EXPECT_EQ(G_DVRY_SYNC_DT, "5");
}

TEST_F(CourierRefreshTest, RowsWithoutAStatusNumberChangeNothing)
{
    settle({courierRow("W1")});
    const QString before = QString(courier("W1").WkLanX);
    for (const char *status : {"", " ", "x", "1a"}) {
        EXPECT_FALSE(refresh->applyRow(courierRow("W1", {{5, status}, {10, "128.0"}, {4, "0002"}}))) << status;
        EXPECT_FALSE(refresh->applyRow(courierRow("W9", {{5, status}}))) << status;
    }
    EXPECT_TRUE(G_SL_WK_CHG[2].isEmpty());
    EXPECT_TRUE(G_SL_WK_CHG[3].isEmpty());
    EXPECT_EQ(QString(courier("W1").WkLanX), before);
    EXPECT_EQ(courier("W1").WkAttendCD, "0001");
    EXPECT_FALSE(G_MY_WORKER.MyWorkerArray.contains("W9"));
    // A courier this login never had is not added only to be out of service.
    EXPECT_FALSE(refresh->applyRow(courierRow("W8", {{5, "0"}})));
    EXPECT_FALSE(G_MY_WORKER.MyWorkerArray.contains("W8"));
    // A row without a usable code.
    EXPECT_FALSE(refresh->applyRow(courierRow("")));
    EXPECT_FALSE(refresh->applyRow(courierRow(QString(41, QLatin1Char('W')))));
    EXPECT_EQ(G_MY_WORKER.MyWorkerArray.count(), 1);
}

TEST_F(CourierRefreshTest, ACourierTakenOutOfServiceLeavesTheCountersAndTheMap)
{
    settle({courierRow("W1", {{25, "1"}, {27, "4"}})});
    ASSERT_EQ(QString(courier("W1").WkMapMark), "S");
    ASSERT_EQ(G_WK_CNT[2], 1);

    EXPECT_TRUE(refresh->applyRow(courierRow("W1", {{5, "0"}, {25, "1"}, {27, "4"}})));
    const TMyWorker &w = courier("W1");
    EXPECT_EQ(w.DataStatus, "0");
    EXPECT_EQ(QString(w.WkMapMark), "H");
    EXPECT_EQ(QString(w.WkMapMarkBef), "S");
    EXPECT_EQ(G_SL_WK_CHG[2].items(), QStringList{"W1"});
    EXPECT_EQ(G_SL_WK_CHG[3].items(), QStringList{"W1"});
    EXPECT_EQ(G_WK_CNT[2], 0);
    EXPECT_EQ(G_WK_CNT[4], 1) << "its orders still count";
    EXPECT_EQ(G_WK_CNT[6], 4);
    expectCountersExact("after the courier left service");
}

TEST_F(CourierRefreshTest, AMovedCourierIsQueuedOnceForTheMap)
{
    settle({courierRow("W1")});
    EXPECT_TRUE(refresh->applyRow(courierRow("W1", {{9, "37.5100000"}, {10, "127.0400000"}})));
    EXPECT_TRUE(refresh->applyRow(courierRow("W1", {{9, "37.5200000"}, {10, "127.0500000"}})));
    const TMyWorker &w = courier("W1");
    EXPECT_EQ(QString(w.MoveYn), "Y");
    EXPECT_EQ(QString(w.WkLatY), "37.5200000");
    EXPECT_EQ(QString(w.OLD_WkLatY), "37.5100000");
    EXPECT_EQ(QString(w.OLD_WkLanX), "127.0400000");
    EXPECT_EQ(QString(w.WkMapMark), "S");
    EXPECT_EQ(G_SL_WK_CHG[3].items(), QStringList{"W1"});
    EXPECT_EQ(G_SL_WK_CHG[2].items(), QStringList{"W1"});

    // Reported again where it is: no move, nothing for the map.
    G_SL_WK_CHG[3].clear();
    refresh->applyRow(courierRow("W1", {{9, "37.5200000"}, {10, "127.0500000"}}));
    EXPECT_EQ(QString(courier("W1").MoveYn), "N");
    EXPECT_TRUE(G_SL_WK_CHG[3].isEmpty());
}

TEST_F(CourierRefreshTest, APositionWithoutAFixKeepsTheLastKnownOne)
{
    const std::pair<const char *, const char *> noFix[] = {
        {"0", "0"}, {"", ""}, {"0", "127.1"}, {"37.6", ""}, {"0.0000000", "0.0000000"}, {"북위", "127"},
    };
    for (const auto &[lat, lng] : noFix) {
        ResetCourierRecords();
        settle({courierRow("W1")});
        // At work and active, and also on the way home (the marker decision differs, the position not).
        for (const char *attend : {"0001", "0002"}) {
            refresh->applyRow(courierRow("W1", {{9, lat}, {10, lng}, {4, attend}}));
            const TMyWorker &w = courier("W1");
            EXPECT_EQ(QString(w.WkLatY), "37.5000000") << lat << "," << lng << " " << attend;
            EXPECT_EQ(QString(w.WkLanX), "127.0300000") << lat << "," << lng << " " << attend;
            EXPECT_EQ(QString(w.MoveYn), "N") << lat << "," << lng;
        }
    }
    // A courier first seen without a fix is not drawn.
    settle({courierRow("W2", {{9, "0"}, {10, "0"}})});
    EXPECT_EQ(QString(courier("W2").WkMapMark), "N");
}

TEST_F(CourierRefreshTest, GoingOffWorkHidesTheMarkerAndCountsInTheTickedBranch)
{
    struct Case
    {
        const char *branch;
        int offWork;
    };
    for (const Case c : {Case{"BR1", 1}, Case{"BR2", 0}}) {
        ResetCourierRecords();
        ResetCourierRefreshGlobals();
        std::fill(std::begin(mainCounts), std::end(mainCounts), 0);
        settle({courierRow("W1", {{2, c.branch}})});
        const int before = G_WK_CNT[0];
        refresh->applyRow(courierRow("W1", {{2, c.branch}, {4, "0002"}}));
        const TMyWorker &w = courier("W1");
        EXPECT_EQ(QString(w.WkMapMark), "H") << c.branch;
        EXPECT_EQ(G_SL_WK_CHG[3].items(), QStringList{"W1"}) << c.branch;
        EXPECT_EQ(G_WK_CNT[0] - before, c.offWork) << c.branch;
        EXPECT_EQ(mainCounts[0], 1) << "both branches are selected in the main window";
        EXPECT_EQ(G_WK_CNT[3], 0) << c.branch;
    }
}

TEST_F(CourierRefreshTest, OrdersAssignedWhileWaitingMakeTheCourierDrive)
{
    settle({courierRow("W1")});
    ASSERT_EQ(counters(G_WK_CNT), (std::vector<int>{0, 0, 0, 1, 0, 0, 0}));
    ASSERT_EQ(courier("W1").WkAttendWorkWait, 1);
    refresh->applyRow(courierRow("W1", {{25, "2"}}));
    EXPECT_EQ(counters(G_WK_CNT), (std::vector<int>{0, 0, 1, 0, 2, 0, 0}));
    EXPECT_EQ(courier("W1").WkAttendWorkWait, 2);
    // Delivered: back to waiting, the completed count follows.
    refresh->applyRow(courierRow("W1", {{27, "2"}}));
    EXPECT_EQ(counters(G_WK_CNT), (std::vector<int>{0, 0, 0, 1, 0, 0, 2}));
    EXPECT_EQ(courier("W1").WkAttendWorkWait, 1);
}

TEST_F(CourierRefreshTest, NewAndKnownCouriersAreMarkedForTheGrid)
{
    TST_LIST store;
    store.ST_NAME = QStringLiteral("역삼점");
    G_ST_LIST.append(QStringLiteral("ST01"), store);
    // A courier of the start-up list: known, but without attendance yet.
    TMyWorker loaded;
    loaded.WkCode = QStringLiteral("W1");
    G_MY_WORKER.MyWorkerArray.append(loaded.WkCode, loaded);

    refresh->applyRow(courierRow("W1", {{3, "ST01"}}));
    refresh->applyRow(courierRow("W2", {{3, "ST01"}, {11, "이신입"}}));
    EXPECT_EQ(courier("W1").WKChangeYN, 1);
    EXPECT_EQ(courier("W1").StName, "역삼점");
    const TMyWorker &fresh = courier("W2");
    EXPECT_EQ(fresh.WKChangeYN, 2);
    EXPECT_EQ(fresh.Wkname, "이신입");
    EXPECT_EQ(QString(fresh.WkCntMsg), "0/0");
    EXPECT_EQ(QString(fresh.WkMapMarkBef), "N");
    EXPECT_EQ(QString(fresh.WkMapMark), "S");
    ASSERT_TRUE(fresh.WKOrders);
    EXPECT_EQ(G_MY_WORKER.MyWorkerWkArray(), (QStringList{"W1", "W2"}));
    EXPECT_EQ(G_SL_WK_CHG[2].items(), (QStringList{"W1", "W2"}));
    // Reported again before the grid took it: still new for the grid, which has no row for it yet.
    refresh->applyRow(courierRow("W2", {{4, "0003"}}));
    EXPECT_EQ(courier("W2").WKChangeYN, 2);
    expectCountersExact("after new couriers");
}

TEST_F(CourierRefreshTest, OrderCountsFromTheServerAreBounded)
{
    const std::pair<const char *, int> cases[] = {
        {"3", 3}, {"", 0}, {"-4", 0}, {"x", 0}, {"99999999999", 0}, {"2000000", 1000000},
    };
    for (const auto &[text, expected] : cases) {
        ResetCourierRecords();
        ResetCourierRefreshGlobals();
        refresh->applyRow(courierRow("W1", {{25, text}, {26, text}, {27, text}}));
        EXPECT_EQ(courier("W1").Wk3001Cnt, expected) << text;
        EXPECT_EQ(G_WK_CNT[4], expected) << text;
    }
    // Many couriers at the bound: the sums stop at the largest counter instead of wrapping.
    ResetCourierRecords();
    ResetCourierRefreshGlobals();
    for (int i = 0; i < 3000; ++i)
        refresh->applyRow(courierRow(QStringLiteral("W%1").arg(i), {{25, "1000000"}}));
    EXPECT_EQ(G_WK_CNT[4], std::numeric_limits<int>::max());
}

// Whatever the server reports, in whatever order (couriers moving between branches, leaving and
// re-entering service, attendance and orders changing, the board's ticks changing), the counters
// kept row by row equal a recount.
TEST_F(CourierRefreshTest, IncrementalCountersAlwaysEqualARecount)
{
    std::mt19937 gen(20261211);
    auto pick = [&gen](std::initializer_list<const char *> l) {
        return QString::fromUtf8(*(l.begin() + std::uniform_int_distribution<int>(0, int(l.size()) - 1)(gen)));
    };
    auto number = [&gen](int hi) { return QString::number(std::uniform_int_distribution<int>(0, hi)(gen)); };
    const QStringList boardChoices[] = {{"BR1"}, {"BR1", "BR3"}, {"BR2"}, {}};
    // Start-up: some couriers are known without attendance.
    for (const char *code : {"W0", "W1", "W2"}) {
        TMyWorker w;
        w.WkCode = QString::fromLatin1(code);
        w.BrCode = QStringLiteral("BR1");
        G_MY_WORKER.MyWorkerArray.append(w.WkCode, w);
    }
    // Rows one by one, and in pages of a few rows (where the refresh looks couriers up by index).
    QList<QStringList> batch;
    for (int i = 0; i < 4000; ++i) {
        const QString code = QStringLiteral("W") + number(11);
        const QStringList row = courierRow(code, {{2, pick({"BR1", "BR2", "BR3"})},
                                                  {4, pick({"0001", "0001", "0002", "0003", ""})},
                                                  {5, pick({"1", "1", "1", "0", "9", ""})},
                                                  {9, pick({"37.51", "37.52", "0", ""})},
                                                  {25, number(2)},
                                                  {26, number(1)},
                                                  {27, number(5)}});
        if (i / 500 % 2 == 0) {
            refresh->applyRow(row);
        } else {
            batch.append(row);
            if (batch.size() < 7)
                continue;
            refresh->applyPages({courierPage(batch)});
            batch.clear();
        }
        if (i % 97 == 0) {
            // The board's branch selection changes and its counters are recounted.
            G_SL_ORD_FILTER[1] = boardChoices[std::uniform_int_distribution<int>(0, 3)(gen)];
            CourierListRefresh::procBRSelectWkCount();
        }
        expectCountersExact("after a row");
        if (HasFailure()) {
            ADD_FAILURE() << "row " << i << " courier " << code.toStdString();
            break;
        }
    }
}

TEST_F(CourierRefreshTest, TheBoardRecountFollowsItsTicks)
{
    settle({courierRow("W1", {{25, "1"}}), courierRow("W2", {{2, "BR2"}, {4, "0003"}}),
            courierRow("W3", {{2, "BR2"}, {4, "0002"}, {27, "3"}}), courierRow("W4", {{5, "9"}})});
    G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("BR2")};
    CourierListRefresh::procBRSelectWkCount();
    EXPECT_EQ(counters(G_WK_CNT), (std::vector<int>{1, 1, 0, 0, 0, 0, 3}));
    G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("BR1"), QStringLiteral("BR2")};
    CourierListRefresh::procBRSelectWkCount();
    EXPECT_EQ(counters(G_WK_CNT), (std::vector<int>{1, 1, 1, 0, 1, 0, 3})) << "status 9 is not active";
    G_SL_ORD_FILTER[1].clear();
    CourierListRefresh::procBRSelectWkCount();
    EXPECT_EQ(counters(G_WK_CNT), (std::vector<int>(7, 0)));
}
} // namespace
