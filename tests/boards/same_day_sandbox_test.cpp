// The same-day engine and loaders against the in-process sandbox: a day of same-day orders moved
// on by the scenario must show on the boards as the server keeps them.

#include "../link/sandbox_link_fixture.h"
#include "orders/same_day_test_support.h"

#include "boards/logistics_board.h"
#include "boards/same_day_actions.h"
#include "orders/same_day_loader.h"
#include "sandbox/same_day_scenario.h"
#include "sandbox/sandbox_database.h"

#include <QSet>

using namespace ordertest;

namespace
{
const QString kSameDayBranch = QStringLiteral("B000101");

class SameDaySandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        resetWorld();
        G_USER_INFO.ID = QStringLiteral("tester");
        G_USER_INFO.USER_TYPE_CD = "5001";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = kSameDayBranch;
        G_USER_INFO.SAMEDAY_NORMAL_TYPE = 1;
        G_USER_INFO.SAMEDAY_JISUN_TYPE = 1;
        SameDayEngine::Hooks hooks;
        hooks.log = [this](const QString &l) { engineLog.append(l); };
        engine.setHooks(hooks);
        engine.setSink(&board);
    }

    QSet<QString> serverOrders(const QString &where) const
    {
        QSet<QString> out;
        for (const QVariantList &r : host->database()->rows(
                 QStringLiteral("SELECT ord_no FROM same_day_orders WHERE (ord_br_code = ? OR loc_br_code = ?"
                                " OR cth_br_code = ?) AND ")
                     + where,
                 {kSameDayBranch, kSameDayBranch, kSameDayBranch}))
            out.insert(r.at(0).toString());
        return out;
    }
    static QSet<QString> numbers(const TA3Orders &l)
    {
        const QStringList n = l.Numbers();
        return QSet<QString>(n.begin(), n.end());
    }

    SameDayEngine engine;
    RecordingSameDayBoard board;
    QStringList engineLog;
};
} // namespace

TEST_F(SameDaySandbox, FollowsTheDayWithTheSyncMarkRoundTrip)
{
    SameDayLoader loader(engine);
    const QString kind = SameDaySearchKind();
    ASSERT_EQ(kind, QStringLiteral("3"));
    ASSERT_TRUE(loader.proc_Load_A3_SameDay(kind));
    ASSERT_TRUE(loader.procLoadA3OrderFinish(SameDayCompletedKind()));
    engine.dispatchPending();
    QSet<QString> statuses;
    for (int step = 0; step <= 120; ++step) {
        if (step > 0) {
            host->stepScenario(1);
            ASSERT_TRUE(loader.proc_Load_A3_SameDay(kind));
            engine.dispatchPending();
        }
        EXPECT_EQ(numbers(engine.gA3Orders()), serverOrders(QStringLiteral("ord_status_cd NOT IN ('4001','4002')")))
            << "step " << step;
        EXPECT_EQ(numbers(engine.gA3CompOrders()), serverOrders(QStringLiteral("ord_status_cd IN ('4001','4002')")))
            << "step " << step;
        EXPECT_EQ(board.today, engine.gA3Orders().Numbers());
        EXPECT_EQ(engine.iA3SameDayCount(), engine.recount()) << "step " << step;
        for (const auto &o : engine.gA3Orders().Records())
            statuses.insert(o->text(A3::ORD_STATUS_CD));
        if (HasFailure())
            break;
    }
    for (const char *s : {"6101", "6201", "7101", "8101", "2001", "3001"})
        EXPECT_TRUE(statuses.contains(QString::fromLatin1(s))) << s;
    EXPECT_EQ(engine.refusedRows(), 0) << engineLog.join('\n').toStdString();
    EXPECT_FALSE(engine.gA3CompOrders().isEmpty());

    int live = 0;
    for (const SandboxRequest &r : host->receivedRequests()) {
        if (r.reqNum != QLatin1String("CS01_32_V02"))
            continue;
        EXPECT_EQ(r.callType, QStringLiteral("ADM12"));
        const QStringList f = r.fields();
        ASSERT_EQ(f.size(), 7);
        EXPECT_EQ(f.at(4), kind);
        if (f.at(5) == QLatin1String("0"))
            EXPECT_EQ(f.at(6).isEmpty(), live++ == 0) << "only the first live load asks for everything";
    }
    EXPECT_EQ(live, 121);
}

TEST_F(SameDaySandbox, DeskActionsComeBackWithTheNextPoll)
{
    SameDayLoader loader(engine);
    ASSERT_TRUE(loader.proc_Load_A3_SameDay(QStringLiteral("3")));
    engine.dispatchPending();
    // An order on a leg the distributor can unload, and one waiting for its delivery request.
    std::shared_ptr<TA3ORDER> onLeg;
    for (const auto &o : engine.gA3Orders().Records()) {
        const QString s = o->text(A3::ORD_STATUS_CD);
        if (!onLeg && (s == QLatin1String("6101") || s == QLatin1String("7201") || s == QLatin1String("8203")))
            onLeg = o;
    }
    ASSERT_TRUE(onLeg) << "the seed has orders on their legs";
    const QString no = onLeg->text(A3::ORD_NO);
    const QString unloaded = onLeg->text(A3::ORD_STATUS_CD).left(1) + QStringLiteral("301");

    QStringList shown;
    SameDayActionHooks hooks = DefaultSameDayActionHooks();
    hooks.confirm = [](const QString &) { return true; };
    hooks.inform = [&](const QString &m) { shown.append(m); };
    ASSERT_TRUE(proc_SameDayOrderChangeArrive(no, hooks)) << shown.join('\n').toStdString();
    ASSERT_TRUE(loader.proc_Load_A3_SameDay(QStringLiteral("3")));
    engine.dispatchPending();
    EXPECT_EQ(engine.gA3Orders().Find(no)->text(A3::ORD_STATUS_CD), unloaded);

    // A cancel with its reason; a second one with the stale status is refused by the server.
    ASSERT_TRUE(proc_SameDayOrderChangeStatus(QStringLiteral("고객요청"), 4002, QStringLiteral("R01"), no, unloaded,
                                              hooks));
    EXPECT_FALSE(proc_SameDayOrderChangeStatus(QStringLiteral("고객요청"), 4002, QStringLiteral("R01"), no, unloaded,
                                               hooks));
    EXPECT_TRUE(shown.last().startsWith(QStringLiteral("실패했습니다.\n")));
    ASSERT_TRUE(loader.proc_Load_A3_SameDay(QStringLiteral("3")));
    engine.dispatchPending();
    EXPECT_FALSE(engine.gA3Orders().Contains(no));
    ASSERT_TRUE(engine.gA3CompOrders().Contains(no));
    EXPECT_EQ(engine.gA3CompOrders().Find(no)->text(A3::ORD_STATUS_CD), QStringLiteral("4002"));
}

TEST_F(SameDaySandbox, LogisticsBoardFollowsTheLegs)
{
    G_USER_INFO.BR_ST_CODE = "U000101";
    LogisticsBoard hub;
    QStringList log;
    LogisticsBoard::Hooks hooks;
    hooks.log = [&](const QString &l) { log.append(l); };
    hub.setHooks(hooks);
    ASSERT_TRUE(hub.proc_Load_HUB_SameDay());
    const int first = hub.grdHUBView().recordCount();
    EXPECT_GT(first, 0);
    for (int step = 0; step < 40; ++step) {
        host->stepScenario(1);
        ASSERT_TRUE(hub.proc_Load_HUB_SameDay());
    }
    // Every leg the server keeps for the branch is a row, with the server's status.
    const QList<QVariantList> legs = host->database()->rows(QStringLiteral(
        "SELECT l.ord_no || '_' || l.logi_ord_no, l.ord_status_cd FROM logistics_legs l JOIN same_day_orders o"
        " ON o.ord_no = l.ord_no WHERE l.sa_code = ? OR l.ea_code = ? OR o.ord_br_code = ? OR"
        " o.loc_br_code = ?"),
        {QStringLiteral("U000101"), QStringLiteral("U000101"), kSameDayBranch, kSameDayBranch});
    ASSERT_EQ(hub.gslHUBKeys().size(), legs.size());
    const GridTableModel &g = hub.grdHUBView();
    const int status = g.columnIndex(QStringLiteral("grdHUBCol_ORD_STATUS_CD"));
    for (const QVariantList &l : legs) {
        const int i = int(hub.gslHUBKeys().indexOf(l.at(0).toString()));
        ASSERT_GE(i, 0) << l.at(0).toString().toStdString();
        EXPECT_EQ(g.recordValue(i, status).toString(), l.at(1).toString());
    }
    EXPECT_GT(hub.gslHUBKeys().size(), first);
    EXPECT_TRUE(log.isEmpty()) << log.join('\n').toStdString();
}
