// The engine against the in-process sandbox: a morning of orders moved on by the scenario, loaded
// with the sync mark round trip, must show on the boards exactly as the server keeps them.

#include "../link/sandbox_link_fixture.h"
#include "order_test_support.h"

#include "orders/live_order_engine.h"
#include "orders/live_order_loader.h"
#include "sandbox/order_scenario.h"
#include "sandbox/sandbox_database.h"

#include <QSet>

using namespace ordertest;

namespace
{
const QString kOrderBranch = QStringLiteral("B000101");

class OrderSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        resetWorld();
        G_USER_INFO.ID = QStringLiteral("tester");
        G_USER_INFO.USER_TYPE_CD = "5001";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = kOrderBranch;
        G_USER_INFO.DATA_STATUS = "1";
        G_SL_ORD_FILTER[1] = QStringList{kOrderBranch};
        ResetCourierRecords();
        for (const SandboxOrders::Courier &c : SandboxOrders::couriers(*host->database())) {
            if (c.branch != kOrderBranch)
                continue;
            TMyWorker w;
            w.WkCode = c.code;
            w.Wkname = c.name;
            G_MY_WORKER.MyWorkerArray.append(c.code, w);
        }
        usePrinter(0, "1", "1", "1", "1");
        engine.setBoardSink(&board);
        engine.setPrinter(&printer);
        engine.setSoundPlayer(&sounds);
        engine.setLogger([this](const QString &l) { engineLog.append(l); });
    }

    // The server's orders of the branch by status group.
    QSet<QString> serverOrders(const QString &where) const
    {
        QSet<QString> out;
        for (const QVariantList &r : host->database()->rows(
                 QStringLiteral("SELECT ord_no FROM orders WHERE ord_br_code = ? AND ") + where, {kOrderBranch}))
            out.insert(r.at(0).toString());
        return out;
    }

    static QSet<QString> numbers(const TA1Orders &l)
    {
        const QStringList n = l.Numbers();
        return QSet<QString>(n.begin(), n.end());
    }

    void expectInStep(int step)
    {
        EXPECT_EQ(numbers(engine.gA1Orders()), serverOrders(QStringLiteral("ord_status_cd NOT IN ('4001','4002')")))
            << "step " << step;
        EXPECT_EQ(numbers(engine.gA1CompOrders()), serverOrders(QStringLiteral("ord_status_cd IN ('4001','4002')")))
            << "step " << step;
        EXPECT_EQ(numbers(engine.gA1ReadyOrders()), serverOrders(QStringLiteral("ord_status_cd IN ('2001','2002')")))
            << "step " << step;
        EXPECT_EQ(board.live, engine.gA1Orders().Numbers()) << "step " << step;
        EXPECT_EQ(board.comp, engine.gA1CompOrders().Numbers()) << "step " << step;
        EXPECT_TRUE(engine.counts() == engine.recount()) << "step " << step;
        // Every order that a courier carries now is in that courier's list, and in no other.
        QHash<QString, QString> carrier;
        for (const TMyWorker &w : G_MY_WORKER.MyWorkerArray)
            if (w.WKOrders)
                for (const QString &no : w.WKOrders->Numbers()) {
                    EXPECT_FALSE(carrier.contains(no)) << no.toStdString() << " on two couriers";
                    carrier.insert(no, w.WkCode);
                }
        for (const QVariantList &r : host->database()->rows(
                 QStringLiteral("SELECT ord_no, cth_wk_code FROM orders WHERE ord_br_code = ?"
                                " AND ord_status_cd IN ('3001','3003')"),
                 {kOrderBranch}))
            EXPECT_EQ(carrier.value(r.at(0).toString()), r.at(1).toString())
                << "step " << step << " order " << r.at(0).toString().toStdString();
    }

    LiveOrderEngine engine;
    RecordingBoard board;
    RecordingPrinter printer;
    RecordingSounds sounds;
    QStringList engineLog;
};

TEST_F(OrderSandbox, FollowsAMorningWithTheSyncMarkRoundTrip)
{
    LiveOrderLoader loader(engine);
    ASSERT_TRUE(loader.proc_Load_Order());
    ASSERT_TRUE(loader.procLoadA1OrderFinish());
    engine.dispatchPending();
    EXPECT_FALSE(loader.gsSyncDate.isEmpty());
    expectInStep(0);

    QSet<QString> statusesSeen;
    int printed = 0;
    for (int step = 1; step <= 160; ++step) {
        host->stepScenario(1);
        if (step == 90)
            loader.reloadAll();  // reload-all in the middle of the morning rebuilds the board
        const QString markSent = loader.gsSyncDate;
        ASSERT_TRUE(loader.proc_Load_Order());
        if (step == 90) {
            ASSERT_TRUE(loader.procLoadA1OrderFinish());
        }
        engine.dispatchPending();
        printed += printer.jobs.size();
        printer.jobs.clear();
        for (const auto *list : {&engine.gA1Orders(), &engine.gA1CompOrders()})
            for (const auto &o : list->Records())
                statusesSeen.insert(o->text(A1::ORD_STATUS_CD));
        EXPECT_GE(loader.gsSyncDate.toLongLong(), markSent.toLongLong()) << "the mark only moves on";
        expectInStep(step);
        if (HasFailure())
            break;
    }

    const int total = host->database()->value(QStringLiteral("SELECT COUNT(*) FROM orders")).toInt();
    EXPECT_GE(total, 200) << "a few hundred orders";
    for (const char *s : {"1001", "1002", "2001", "3001", "3003", "4001", "4002"})
        EXPECT_TRUE(statusesSeen.contains(QString::fromLatin1(s))) << s;
    EXPECT_GT(printed, 0);
    EXPECT_FALSE(sounds.played.isEmpty());
    EXPECT_TRUE(engineLog.filter(QStringLiteral("Exception")).isEmpty()) << engineLog.join('\n').toStdString();

    // The loader sent its mark: empty first and after reload-all, the previous reply's after that.
    int full = 0, incremental = 0;
    for (const SandboxRequest &r : host->receivedRequests()) {
        if (r.reqNum != QLatin1String("CS01_01_V07") || r.callType != QLatin1String("ADM10"))
            continue;
        const QStringList f = r.fields();
        ASSERT_EQ(f.size(), 8);
        EXPECT_EQ(f.at(3), kOrderBranch);
        if (f.at(5) == QLatin1String("0"))
            (f.at(6).isEmpty() ? full : incremental) += 1;
    }
    EXPECT_EQ(full, 2);
    EXPECT_EQ(incremental, 159);
}

TEST_F(OrderSandbox, MarksAnswerWhatChangedSince)
{
    SandboxDatabase &db = *host->database();
    SandboxOrders::Scope scope{QStringLiteral("5"), QStringLiteral("H0001"), kOrderBranch, QString()};
    QString mark;
    const QStringList all = SandboxOrders::loadRows(db, scope, false, QString(), &mark);
    ASSERT_FALSE(all.isEmpty());
    for (const QString &row : all)
        EXPECT_EQ(row.split(sep()).size(), kA1RowColumns);
    QString again;
    EXPECT_TRUE(SandboxOrders::loadRows(db, scope, false, mark, &again).isEmpty()) << "nothing changed";
    EXPECT_EQ(again, mark);
    host->stepScenario(3);
    QString later;
    const QStringList changed = SandboxOrders::loadRows(db, scope, false, mark, &later);
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_GT(later.toLongLong(), mark.toLongLong());
    // A mark that is not a change number answers everything that ever changed.
    EXPECT_GE(SandboxOrders::loadRows(db, scope, false, QStringLiteral("x'--"), nullptr).size(), all.size());
    // Another branch's login sees none of these orders.
    SandboxOrders::Scope other{QStringLiteral("5"), QStringLiteral("H0002"), QStringLiteral("B000201"), QString()};
    for (const QString &row : SandboxOrders::loadRows(db, other, false, QString(), nullptr))
        EXPECT_EQ(row.split(sep()).at(43), QStringLiteral("B000201"));
}
} // namespace
