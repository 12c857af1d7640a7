// The store-order board against the in-process sandbox: a morning of store orders moved on by
// the scenario, loaded with the mark round trip, must show exactly what the server keeps.

#include "../link/sandbox_link_fixture.h"
#include "orders/order_test_support.h"

#include "boards/store_order_board.h"
#include "sandbox/sandbox_database.h"

#include <QHash>
#include <QSet>

using namespace ordertest;

namespace
{
const QString kStore = QStringLiteral("S000101");
// What the board shows of the store's orders.
const QString kShown = QStringLiteral(
    "st_code = ? AND ord_type NOT IN ('1016', '1017') AND status_cd NOT IN ('1004', '1009', '4005')");

class StoreOrderSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        resetWorld();
        G_USER_INFO.ID = QStringLiteral("tester");
        G_USER_INFO.USER_TYPE_CD = "1001";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = "B000101";
        G_USER_INFO.ST = kStore;
        G_USER_INFO.DATA_STATUS = "1";
        board.setSoundPlayer(&sounds);
        board.setNewOrderList(&newOrders);
        StoreOrderBoard::Hooks hooks;
        hooks.log = [this](const QString &l) { lines.append(l); };
        board.setHooks(hooks);
    }

    // Order number -> status of what the server holds for the board.
    QHash<QString, QString> serverRows(const QString &extra = QString()) const
    {
        QHash<QString, QString> out;
        for (const QVariantList &r : host->database()->rows(
                 QStringLiteral("SELECT ord_no, status_cd FROM store_orders WHERE ") + kShown + extra, {kStore}))
            out.insert(r.at(0).toString(), r.at(1).toString());
        return out;
    }

    void expectLikeTheServer(int step)
    {
        const QHash<QString, QString> server = serverRows();
        const QStringList &numbers = board.gsl_A2OrdNo();
        EXPECT_EQ(QSet<QString>(numbers.begin(), numbers.end()), QSet<QString>(server.keyBegin(), server.keyEnd()))
            << "step " << step;
        const GridTableModel &m = board.CTV_TAKEOUT();
        const int noCol = m.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_NO"));
        const int statusCol = m.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_STATUS_CD"));
        ASSERT_EQ(m.recordCount(), numbers.size());
        std::array<int, 10> expected{};
        for (int r = 0; r < m.recordCount(); ++r) {
            const QString no = m.recordValue(r, noCol).toString();
            EXPECT_EQ(no, numbers.at(r)) << "step " << step;
            EXPECT_EQ(m.recordValue(r, statusCol).toString(), server.value(no)) << "step " << step << " " << no.toStdString();
            ++expected[0];
            const int counter = StoreOrderBoard::statusCounter(server.value(no).toInt());
            if (counter > 0)
                ++expected[size_t(counter)];
        }
        EXPECT_EQ(board.iA2OrdCount(), expected) << "step " << step;
    }

    StoreOrderBoard board;
    RecordingSounds sounds;
    QStringList newOrders;
    QStringList lines;
};
} // namespace

TEST_F(StoreOrderSandbox, FollowsTheStoreOrdersWithTheMarkRoundTrip)
{
    ASSERT_FALSE(serverRows().isEmpty()) << "the seed gives the demo store some orders";
    ASSERT_TRUE(board.proc_Load_A2_Order_new());
    EXPECT_FALSE(board.gsA2SyncDate.isEmpty());
    expectLikeTheServer(0);
    // The first reply is the full list and the board shows it newest first.
    const GridTableModel &m = board.CTV_TAKEOUT();
    EXPECT_EQ(m.sortColumn(), m.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_NO")));
    EXPECT_EQ(m.sortOrder(), Qt::DescendingOrder);

    int rings = 0;
    QSet<QString> statusesSeen;
    for (int step = 1; step <= 80; ++step) {
        // Reload-all empties the board, so every order on it arrives anew.
        const QStringList before = step == 50 ? QStringList() : board.gsl_A2OrdNo();
        const QStringList alarmBefore = newOrders;
        host->stepScenario(1);
        if (step == 50)
            board.reloadAll();
        const QString markSent = board.gsA2SyncDate;
        const int played = int(sounds.played.size());
        host->clearReceived();
        ASSERT_TRUE(board.proc_Load_A2_Order_new()) << "step " << step;
        const QList<SandboxRequest> requests = host->receivedRequests();
        ASSERT_EQ(requests.size(), 1);
        EXPECT_EQ(requests.first().reqNum, "CS01_48_V01");
        EXPECT_EQ(requests.first().callType, "ADM9");
        EXPECT_EQ(requests.first().fields().value(6), markSent) << "step " << step;
        expectLikeTheServer(step);

        // A ring exactly when an unconfirmed order reached the board for the first time.
        bool fresh = false;
        const QHash<QString, QString> unconfirmed = serverRows(QStringLiteral(" AND confirm_type = '0'"));
        for (auto it = unconfirmed.cbegin(); it != unconfirmed.cend(); ++it)
            if (it.value() == QLatin1String("1001") && !before.contains(it.key()) && !alarmBefore.contains(it.key()))
                fresh = true;
        EXPECT_EQ(int(sounds.played.size()) - played, fresh ? 1 : 0) << "step " << step;
        rings += fresh ? 1 : 0;
        for (const QString &s : serverRows())
            statusesSeen.insert(s);
        for (const QString &no : newOrders)
            EXPECT_TRUE(board.gsl_A2OrdNo().contains(no)) << "step " << step;
    }
    EXPECT_GT(rings, 0);
    EXPECT_TRUE(statusesSeen.contains("4001"));
    EXPECT_TRUE(statusesSeen.contains("2001"));
    // Store orders the board does not show exist on the server, and stayed off the board.
    EXPECT_GT(host->database()->value(QStringLiteral("SELECT COUNT(*) FROM store_orders WHERE st_code = ? AND NOT (")
                                          + kShown.mid(QStringLiteral("st_code = ? AND ").size()) + QLatin1Char(')'),
                                      {kStore}).toInt(),
              0);
}
