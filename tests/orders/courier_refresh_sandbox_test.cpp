// The courier refresh against the in-process sandbox: a head office following its couriers through
// a morning (positions, attendance, orders) with the change mark round trip must hold every
// courier as the server keeps it, with counters equal to a recount.

#include "../link/sandbox_link_fixture.h"
#include "order_test_support.h"

#include "orders/courier_refresh.h"
#include "sandbox/sandbox_database.h"

using namespace ordertest;

namespace
{
const QString kBoardBranch = QStringLiteral("B000101");
const QString kMainBranch = QStringLiteral("B000102");

std::vector<int> sandboxCounters(const int *c)
{
    return std::vector<int>(c, c + kCourierCountSlots);
}

std::vector<int> sandboxRecount(const QStringList &branches)
{
    int c[kCourierCountSlots];
    CountCouriers(branches, c);
    return sandboxCounters(c);
}

class CourierRefreshSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetOrderGlobals();
        ResetCourierRecords();
        ResetCourierRefreshGlobals();
        G_ST_LIST.clear();
        G_USER_INFO.USER_TYPE_CD = "7001";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = "";
        G_SL_ORD_FILTER[1] = QStringList{kBoardBranch};
        CourierListRefresh::Hooks h;
        h.mainBranches = [] { return QStringList{kMainBranch}; };
        h.mainCounts = mainCounts;
        h.updateWorkerGrid = [this](bool) { ++gridUpdates; };
        h.log = [this](const QString &line) { logLines.append(line); };
        refresh = std::make_unique<CourierListRefresh>(h);
    }

    SandboxDatabase &db() { return *host->database(); }

    // The head office's couriers as the server keeps them, with the orders they carry.
    QList<QVariantList> serverCouriers()
    {
        return db().rows(QStringLiteral(
            "SELECT w.wk_code, w.br_code, w.attend_cd, w.data_status, l.gps_use_yn, l.lat_y, l.lng_x,"
            " (SELECT COUNT(*) FROM orders o WHERE o.cth_wk_code = w.wk_code AND o.ord_status_cd = '3001'),"
            " (SELECT COUNT(*) FROM orders o WHERE o.cth_wk_code = w.wk_code AND o.ord_status_cd = '3003'),"
            " (SELECT COUNT(*) FROM orders o WHERE o.cth_wk_code = w.wk_code AND o.ord_status_cd = '4001')"
            " FROM couriers w JOIN courier_live l ON l.wk_code = w.wk_code WHERE w.hd_code = 'H0001'"
            " ORDER BY w.wk_code"));
    }

    void expectInStep(int step)
    {
        for (const QVariantList &s : serverCouriers()) {
            const QString code = s.at(0).toString();
            const TMyWorker *w = G_MY_WORKER.MyWorkerArray.find(code);
            const bool active = s.at(3).toString() == QLatin1String("1");
            if (!w) {
                EXPECT_FALSE(active) << "step " << step << " courier " << code.toStdString() << " missing";
                continue;
            }
            EXPECT_EQ(w->BrCode, s.at(1).toString()) << "step " << step << " " << code.toStdString();
            EXPECT_EQ(w->WkAttendCD, s.at(2).toString()) << "step " << step << " " << code.toStdString();
            EXPECT_EQ(w->DataStatus, s.at(3).toString()) << "step " << step << " " << code.toStdString();
            EXPECT_EQ(w->Wk3001Cnt, s.at(7).toInt()) << "step " << step << " " << code.toStdString();
            EXPECT_EQ(w->Wk3003Cnt, s.at(8).toInt()) << "step " << step << " " << code.toStdString();
            EXPECT_EQ(w->Wk4001Cnt, s.at(9).toInt()) << "step " << step << " " << code.toStdString();
            if (s.at(4).toString() == QLatin1String("Y")) {
                EXPECT_EQ(QString(w->WkLatY), s.at(5).toString()) << "step " << step << " " << code.toStdString();
                EXPECT_EQ(QString(w->WkLanX), s.at(6).toString()) << "step " << step << " " << code.toStdString();
            }
            const bool shown = active && w->WkAttendCD == QLatin1String("0001")
                               && s.at(4).toString() == QLatin1String("Y");
            EXPECT_EQ(QString(w->WkMapMark) == QLatin1String("S"), shown) << "step " << step << " " << code.toStdString();
        }
        EXPECT_EQ(sandboxCounters(G_WK_CNT), sandboxRecount(G_SL_ORD_FILTER[1])) << "step " << step;
        EXPECT_EQ(sandboxCounters(mainCounts), sandboxRecount({kMainBranch})) << "step " << step;
    }

    // One refresh, remembering the mark it sends.
    bool run()
    {
        marksSent.append(G_DVRY_SYNC_DT);
        return refresh->proc_Dvry_List();
    }

    QStringList marksSent;
    int mainCounts[kCourierCountSlots] = {};
    int gridUpdates = 0;
    QStringList logLines;
    std::unique_ptr<CourierListRefresh> refresh;
};

TEST_F(CourierRefreshSandbox, FollowsTheCouriersThroughAMorningWithTheMarkRoundTrip)
{
    ASSERT_TRUE(run()) << logLines.join('\n').toStdString();
    ASSERT_FALSE(G_DVRY_SYNC_DT.isEmpty());
    const int active = db().value(QStringLiteral("SELECT COUNT(*) FROM couriers WHERE hd_code = 'H0001'"
                                                 " AND data_status = '1'")).toInt();
    ASSERT_GT(active, 20);
    EXPECT_EQ(G_MY_WORKER.MyWorkerArray.count(), active) << "out-of-service couriers are not added";
    EXPECT_EQ(G_SL_WK_CHG[2].size(), active);
    EXPECT_GT(G_WK_CNT[3] + G_WK_CNT[2], 0);
    expectInStep(0);

    // Nothing changed: nothing comes back.
    G_SL_WK_CHG[2].clear();
    G_SL_WK_CHG[3].clear();
    const QString mark = G_DVRY_SYNC_DT;
    ASSERT_TRUE(run());
    EXPECT_TRUE(G_SL_WK_CHG[2].isEmpty());
    EXPECT_EQ(G_DVRY_SYNC_DT, mark);

    int moved = 0, reported = 0, carrying = 0;
    for (int step = 1; step <= 40; ++step) {
        host->stepScenario(1);
        G_SL_WK_CHG[2].clear();
        G_SL_WK_CHG[3].clear();
        const QString markSent = G_DVRY_SYNC_DT;
        ASSERT_TRUE(run());
        EXPECT_GE(G_DVRY_SYNC_DT.toLongLong(), markSent.toLongLong()) << "the mark only moves on";
        reported += G_SL_WK_CHG[2].size();
        for (const TMyWorker &w : G_MY_WORKER.MyWorkerArray) {
            moved += QString(w.MoveYn) == QLatin1String("Y");
            carrying += w.Wk3001Cnt + w.Wk3003Cnt > 0;
        }
        EXPECT_LT(G_SL_WK_CHG[2].size(), active) << "a step changes some couriers, not all";
        expectInStep(step);
        if (HasFailure())
            break;
    }
    EXPECT_GT(moved, 0);
    EXPECT_GT(reported, 0);
    EXPECT_GT(carrying, 0) << "the orders go to couriers of the list";

    // On the server: one courier of the board's branch at work is taken out of service, another
    // moves to the main window's branch.
    const auto atWork = db().rows(QStringLiteral("SELECT w.wk_code FROM couriers w JOIN courier_live l"
                                                 " ON l.wk_code = w.wk_code WHERE w.br_code = ? AND"
                                                 " w.data_status = '1' AND w.attend_cd = '0001' AND"
                                                 " l.gps_use_yn = 'Y' ORDER BY w.wk_code"),
                                  {kBoardBranch});
    ASSERT_GE(atWork.size(), 2);
    const QString gone = atWork.at(0).at(0).toString();
    const QString transferred = atWork.at(1).at(0).toString();
    ASSERT_EQ(QString(G_MY_WORKER.MyWorkerArray.find(gone)->WkMapMark), "S");
    db().exec(QStringLiteral("UPDATE couriers SET data_status = '0' WHERE wk_code = ?"), {gone});
    db().exec(QStringLiteral("UPDATE couriers SET br_code = ? WHERE wk_code = ?"), {kMainBranch, transferred});
    G_SL_WK_CHG[2].clear();
    G_SL_WK_CHG[3].clear();
    ASSERT_TRUE(run());
    EXPECT_EQ(G_MY_WORKER.MyWorkerArray.find(gone)->DataStatus, "0");
    EXPECT_EQ(QString(G_MY_WORKER.MyWorkerArray.find(gone)->WkMapMark), "H");
    EXPECT_TRUE(G_SL_WK_CHG[3].contains(gone));
    EXPECT_EQ(G_MY_WORKER.MyWorkerArray.find(transferred)->BrCode, kMainBranch);
    expectInStep(41);

    // Every request: the right code and call type with RETTYPE, the login's fields and the mark of
    // the previous answer.
    int requests = 0;
    for (const SandboxRequest &r : host->receivedRequests()) {
        if (r.reqNum != QLatin1String("CSDVRY"))
            continue;
        EXPECT_EQ(r.callType, "SWK2");
        EXPECT_EQ(r.retType, "1");
        const QStringList f = r.fields();
        ASSERT_EQ(f.size(), 7);
        EXPECT_EQ(f.mid(0, 6), (QStringList{"tester", "7", "H0001", "", "", "Y"}));
        EXPECT_EQ(f.at(6), marksSent.value(requests)) << "request " << requests;
        ++requests;
    }
    EXPECT_EQ(requests, 43);
    EXPECT_TRUE(marksSent.first().isEmpty());
    EXPECT_EQ(gridUpdates, 43);
    EXPECT_TRUE(logLines.isEmpty()) << logLines.join('\n').toStdString();
}
} // namespace
