// The today's-orders screen with its grid side bound, against the in-process sandbox: the filter
// bar filters the live board (also after the next load), a right click on a live row opens the
// menu planned for that row, and a menu action reaches the server and comes back with the next
// live load.

#include "link/sandbox_link_fixture.h"

#include "layout_check.h"
#include "main/status_bar_texts.h"
#include "main/ui/start_forms.h"
#include "main/ui/today_orders_grid_binding.h"
#include "orders/order_globals.h"
#include "boards/ui/order_popup_menu.h"
#include "boards/ui/today_orders_screen.h"
#include "sandbox/order_scenario.h"
#include "sandbox/sandbox_database.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace
{
const QString kBranch = QStringLiteral("B000101");

class GridBindingSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetOrderGlobals();
        G_USER_INFO.USER_TYPE_CD = "5001";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = kBranch;
        G_USER_INFO.USER_CODE = kBranch;
        G_USER_INFO.DATA_STATUS = "1";
        G_SL_ORD_FILTER[1] = QStringList{kBranch};

        // Two orders of the branch waiting for acceptance and one on its way.
        const QList<QVariantList> rows = db().rows(QStringLiteral("SELECT ord_no FROM orders ORDER BY ord_no"));
        ASSERT_GE(rows.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QString no = rows.at(i).value(0).toString();
            const QString status = i < 2 ? QStringLiteral("1001") : QStringLiteral("3001");
            SandboxOrders::updateOrder(db(), no,
                                       {{QStringLiteral("ord_br_code"), kBranch},
                                        {QStringLiteral("takeout_yn"), QStringLiteral("N")},
                                        {QStringLiteral("end_date"), QString()},
                                        {QStringLiteral("arr_time"), QString()},
                                        {QStringLiteral("ord_grp_no"), QString()},
                                        {QStringLiteral("ord_status_cd"), status},
                                        {QStringLiteral("cth_wk_code"),
                                         i < 2 ? QString() : QStringLiteral("K00001")}});
            (i < 2 ? accepted : carried).append(no);
        }

        // The branch lists of a login are not loaded here: bind as before the login, then log in.
        const QString id = G_USER_INFO.ID;
        G_USER_INFO.ID.clear();
        savedColours = ShellActions().applyStatusColours;
        screen = std::make_unique<TFRM_ORD>();
        binding = BindTodayOrdersGrids(*screen);
        screen->resize(1400, 800);
        screen->show();
        G_USER_INFO.ID = id;
    }
    void TearDown() override
    {
        screen.reset();
        ShellActions().applyStatusColours = savedColours;
        ResetOrderGlobals();
        SandboxLinkTest::TearDown();
    }

    SandboxDatabase &db() { return *host->database(); }

    void loadLive()
    {
        ASSERT_TRUE(screen->loader().proc_Load_Order());
        screen->engine().dispatchPending();
    }

    GridTableModel &live() { return screen->boards().CTV_MAIN; }
    int column(const char *name) { return live().columnIndex(QString::fromLatin1(name)); }

    // Order number -> status of the rows the live board shows.
    QHash<QString, QString> shown()
    {
        QHash<QString, QString> out;
        for (int r = 0; r < live().rowCount(); ++r) {
            const int rec = live().recordOfRow(r);
            out.insert(live().recordValue(rec, column("CTV_MAIN_ORD_NO")).toString(),
                       live().recordValue(rec, column("CTV_MAIN_STATUS_CD")).toString());
        }
        return out;
    }

    // Focuses the live row of an order and right-clicks it.
    void rightClick(const QString &orderNo)
    {
        QTableView *view = screen->CTV_MAIN;
        const int rec = live().findRecord(orderNo);
        ASSERT_GE(rec, 0);
        const int row = live().rowOfRecord(rec);
        ASSERT_GE(row, 0);
        const QModelIndex index = view->model()->index(row, column("CTV_MAIN_ORD_NO"));
        view->setCurrentIndex(index);
        binding->liveParts().events->cellClicked(Qt::RightButton, {}, view->mapToGlobal(QPoint(20, 40)), index);
    }

    std::unique_ptr<TFRM_ORD> screen;
    TodayOrdersGridBinding *binding = nullptr;
    std::function<void(const QList<StatusColour> &)> savedColours;
    QStringList accepted;
    QStringList carried;
};

TEST_F(GridBindingSandbox, StatusButtonFiltersTheLiveBoardAlsoAfterTheNextLoad)
{
    loadLive();
    QHash<QString, QString> before = shown();
    for (const QString &no : accepted + carried)
        ASSERT_TRUE(before.contains(no)) << no.toStdString();

    // With every status up, pressing "접수" alone leaves only accepted orders on the board.
    BoardFilterBar *bar = binding->bar();
    if (bar->CBT_ST_ALL->isChecked())
        bar->CBT_ST_ALL->click();
    bar->statusButtons[kStAccepted]->click();
    QHash<QString, QString> after = shown();
    for (const QString &no : accepted)
        EXPECT_TRUE(after.contains(no)) << no.toStdString();
    for (const QString &no : carried)
        EXPECT_FALSE(after.contains(no)) << no.toStdString();
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        EXPECT_EQ(it.value(), QStringLiteral("1001")) << it.key().toStdString();
    // The total counter on show is the one the count pass wrote.
    EXPECT_EQ(bar->countLabel(0)->text().toInt(), screen->countLabels[0]->text().toInt());
    // The completed orders are not loaded yet: their counters on show say so.
    EXPECT_EQ(bar->countLabel(4001)->text(), QStringLiteral("-"));
    EXPECT_EQ(bar->countLabel(4002)->text(), QStringLiteral("-"));
    const int acceptedCount = bar->countLabel(1001)->text().toInt();
    EXPECT_GE(acceptedCount, 2);

    // An order that turns into a carried one on the server leaves the board with the next batch.
    SandboxOrders::updateOrder(db(), accepted.at(0),
                               {{QStringLiteral("ord_status_cd"), QStringLiteral("3001")},
                                {QStringLiteral("cth_wk_code"), QStringLiteral("K00001")}});
    loadLive();
    EXPECT_FALSE(shown().contains(accepted.at(0)));
    EXPECT_TRUE(shown().contains(accepted.at(1)));
    // The counters on show follow the batch.
    EXPECT_EQ(bar->countLabel(1001)->text().toInt(), acceptedCount - 1);
}

TEST_F(GridBindingSandbox, TheBarsCountersFollowEveryBatchWithoutAFilterChange)
{
    // The counters a dispatcher reads are the bar's: each batch's count pass must reach them, not
    // only a click on a filter.
    loadLive();
    BoardFilterBar *bar = binding->bar();
    int accepted = 0;
    for (const QString &status : shown())
        accepted += status == QStringLiteral("1001");
    ASSERT_GT(accepted, 0);
    EXPECT_EQ(bar->countLabel(1001)->text().toInt(), accepted);
    EXPECT_EQ(bar->countLabel(0)->text(), screen->countLabels[0]->text());
    EXPECT_NE(bar->countLabel(0)->text(), QStringLiteral("0"));
}

TEST_F(GridBindingSandbox, RightClickOpensThePlannedMenuAndItsActionComesBackWithTheNextLoad)
{
    loadLive();
    const QString no = accepted.at(0);
    rightClick(no);

    // The menu opened for the focused order, showing exactly what its plan shows.
    QMenu *menu = binding->popupMenu()->menu();
    ASSERT_TRUE(menu->isVisible());
    const OrderMenuPlan &plan = binding->popupState().lastPlan;
    EXPECT_EQ(binding->popupState().fields.FPOP_ORDER_NO, no);
    EXPECT_EQ(binding->popupState().fields.FPOP_ORDER_STATUS, QStringLiteral("1001"));
    QStringList visible;
    for (int i = 0; i < kOrderMenuItemCount; ++i)
        if (QAction *a = binding->popupMenu()->action(OrderMenuItem(i)); a && a->isVisible())
            visible << a->objectName();
    EXPECT_EQ(visible, plan.shownNames());
    ASSERT_TRUE(plan.shows(OrderMenuItem::NStatusReady));
    menu->hide();

    // "요청" goes to the server, and the reload it starts brings the order back requested.
    host->clearReceived();
    binding->popupMenu()->action(OrderMenuItem::NStatusReady)->trigger();
    EXPECT_EQ(SandboxOrders::order(db(), no).value(QStringLiteral("ord_status_cd")), QStringLiteral("2001"));
    EXPECT_GE(screen->engine().pendingBatches(), 1) << "the action reloads the live board";
    screen->engine().dispatchPending();
    EXPECT_EQ(shown().value(no), QStringLiteral("2001"));

    // A right click on the same row now plans for its new status.
    rightClick(no);
    EXPECT_EQ(binding->popupState().fields.FPOP_ORDER_STATUS, QStringLiteral("2001"));
    binding->popupMenu()->menu()->hide();
}

TEST_F(GridBindingSandbox, BoundTopAreaKeepsItsTextsAndPanelsApart)
{
    // The bar's panels go into the screen's top containers beside what the screen keeps there.
    screen->resize(1920, 1000);
    const QStringList problems = LayoutCheck::Problems(screen->cxGroupBox2);
    EXPECT_EQ(problems, QStringList());
    // "검색" of the screen runs the bar's search.
    BoardFilterBar *bar = binding->bar();
    if (bar->CBT_ST_ALL->isChecked())
        bar->CBT_ST_ALL->click();
    bar->statusButtons[kStAccepted]->click();
    loadLive();
    const int before = int(shown().size());
    ASSERT_GE(before, 2);
    const QString dayNo =
        live().recordValue(live().findRecord(accepted.at(1)), column("CTV_MAIN_TODAY_ALL_NO")).toString();
    ASSERT_FALSE(dayNo.isEmpty());
    bar->CTE_ORD_NO->setSearchText(dayNo);
    screen->CBT_SEARCH->click();
    EXPECT_TRUE(shown().contains(accepted.at(1)));
    EXPECT_LT(shown().size(), before);
}

TEST_F(GridBindingSandbox, MainWindowStatusColoursReachTheCountersOnShowAndTheGridPainting)
{
    // The main window hands its colours on in settings-file order (blue-green-red).
    ASSERT_TRUE(ShellActions().applyStatusColours);
    ShellActions().applyStatusColours({{QStringLiteral("CB_1001"), TColor(0x0000FF)},
                                       {QStringLiteral("CB_3001"), TColor(0x00FF00)}});
    EXPECT_EQ(binding->bar()->countLabel(1001)->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(binding->bar()->countLabel(3001)->palette().color(QPalette::Window), QColor(Qt::green));
    EXPECT_EQ(binding->colours().statusColour(1001), 0xFF0000u);
    EXPECT_EQ(binding->colours().statusColour(3001), 0x00FF00u);
}

TEST_F(GridBindingSandbox, ActionsReplanThePopupOnTheGridItWasOpenedOn)
{
    // An order of the branch finished today, beside the live ones.
    const QString done = db().rows(QStringLiteral("SELECT ord_no FROM orders ORDER BY ord_no")).at(3).value(0).toString();
    SandboxOrders::updateOrder(db(), done,
                               {{QStringLiteral("ord_br_code"), kBranch},
                                {QStringLiteral("takeout_yn"), QStringLiteral("N")},
                                {QStringLiteral("ord_status_cd"), QStringLiteral("4001")},
                                {QStringLiteral("cth_wk_code"), QStringLiteral("K00001")}});
    loadLive();
    ASSERT_TRUE(screen->loader().procLoadA1OrderFinish());
    screen->engine().dispatchPending();
    GridTableModel &comp = screen->boards().CTV_MAIN_COMP;
    const int rec = comp.findRecord(done);
    ASSERT_GE(rec, 0);
    // The live grid has a focused row of its own.
    screen->CTV_MAIN->setCurrentIndex(screen->CTV_MAIN->model()->index(0, column("CTV_MAIN_ORD_NO")));
    QTableView *view = screen->CTV_MAIN_COMP;
    view->setCurrentIndex(view->model()->index(comp.rowOfRecord(rec), 0));
    ASSERT_TRUE(binding->preparePopup(BoardGrid::Completed));
    ASSERT_EQ(binding->popupState().fields.FPOP_ORDER_NO, done);
    // An action that re-plans (the two-step cancel) plans the completed row again, not the live one.
    ASSERT_TRUE(binding->actions().hooks().refreshPopup);
    binding->actions().hooks().refreshPopup();
    EXPECT_EQ(binding->popupState().fields.FPOP_ORDER_NO, done);
}
} // namespace
