// The today's-orders screen offscreen: what switching tabs loads, reload-all, the internal
// columns, the close order and a batch reaching the board and its counters.
#include "../orders/order_test_support.h"

#include "grid/ui/grid_layout_view.h"
#include "boards/order_board_columns.h"
#include "boards/ui/today_orders_screen.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

using namespace ordertest;

namespace
{
class Screen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetWorld();
        screen = std::make_unique<TFRM_ORD>();
        screen->hooks.log = [this](const QString &l) { logs.append(l); };
        screen->hooks.loadCompleted = [this] {
            calls.append(QStringLiteral("loadCompleted"));
            screen->loader().bA1FinOrd = completedLoadWorks;
        };
        screen->hooks.loadLive = [this] {
            calls.append(QStringLiteral("loadLive"));
            screen->loader().gsSyncDate = QStringLiteral("MARK2");
        };
        screen->hooks.stopPolling = [this] { calls.append(QStringLiteral("stopPolling")); };
        screen->resize(1200, 700);
        screen->show();
    }
    void TearDown() override { screen.reset(); }

    int count(const QString &call) const { return int(calls.count(call)); }

    std::unique_ptr<TFRM_ORD> screen;
    QStringList calls;
    QStringList logs;
    bool completedLoadWorks = true;
};

TEST_F(Screen, CompletedTabLoadsOnceAfterTheFirstLiveLoadUntilReloadAll)
{
    ASSERT_EQ(screen->activePage(), TFRM_ORD::tbOrdNow);
    // Before the first live load there is nothing to complete.
    screen->setActivePage(TFRM_ORD::tbOrdComp);
    EXPECT_EQ(count(QStringLiteral("loadCompleted")), 0);

    screen->setActivePage(TFRM_ORD::tbOrdNow);
    screen->loader().gsSyncDate = QStringLiteral("MARK1");
    // A failed load leaves the flag down: the next opening tries again.
    completedLoadWorks = false;
    screen->setActivePage(TFRM_ORD::tbOrdComp);
    EXPECT_EQ(count(QStringLiteral("loadCompleted")), 1);
    screen->setActivePage(TFRM_ORD::tbOrdNow);
    completedLoadWorks = true;
    screen->setActivePage(TFRM_ORD::tbOrdComp);
    EXPECT_EQ(count(QStringLiteral("loadCompleted")), 2);
    // Loaded: opening the tab again loads nothing.
    for (int i = 0; i < 3; ++i) {
        screen->setActivePage(TFRM_ORD::tbOrdNow);
        screen->setActivePage(TFRM_ORD::tbOrdComp);
    }
    EXPECT_EQ(count(QStringLiteral("loadCompleted")), 2);

    // Reload-all: the completed board loads again the next time its tab opens, not before.
    screen->btnLoadOrderAll->click();
    EXPECT_EQ(count(QStringLiteral("loadCompleted")), 2);
    screen->setActivePage(TFRM_ORD::tbOrdComp);
    EXPECT_EQ(count(QStringLiteral("loadCompleted")), 3);
    // A branch change (the selection clears the flag) does the same.
    screen->setActivePage(TFRM_ORD::tbOrdNow);
    screen->loader().bA1FinOrd = false;
    screen->setActivePage(TFRM_ORD::tbOrdComp);
    EXPECT_EQ(count(QStringLiteral("loadCompleted")), 4);
}

TEST_F(Screen, ReloadAllClearsExactlyTheMarksAndShowsTheLiveTab)
{
    screen->loader().gsSyncDate = QStringLiteral("L");
    screen->loader().bA1FinOrd = true;
    screen->bA3FinOrd = true;
    screen->FSELECT_ORD_NO = QStringLiteral("A1");
    screen->FSELECT_ORD_NO_COMP = QStringLiteral("A2");
    screen->setActivePage(TFRM_ORD::tbA2Ord);
    screen->hooks.loadLive = [this] {
        // The live load runs with an empty mark, the polling timer already stopped.
        calls.append(QStringLiteral("loadLive:") + screen->loader().gsSyncDate);
        EXPECT_FALSE(screen->btnLoadOrderAll->isEnabled());
        EXPECT_FALSE(screen->CBT_SEARCH->isEnabled());
    };
    screen->btnLoadOrderAll->click();
    EXPECT_EQ(calls, (QStringList{QStringLiteral("stopPolling"), QStringLiteral("loadLive:")}));
    EXPECT_FALSE(screen->loader().bA1FinOrd);
    EXPECT_TRUE(screen->FSELECT_ORD_NO.isEmpty());
    EXPECT_TRUE(screen->FSELECT_ORD_NO_COMP.isEmpty());
    // The same-day flag is not the reload's.
    EXPECT_TRUE(screen->bA3FinOrd);
    EXPECT_EQ(screen->activePage(), TFRM_ORD::tbOrdNow);
    EXPECT_TRUE(screen->btnLoadOrderAll->isEnabled());
    EXPECT_TRUE(screen->CBT_SEARCH->isEnabled());
    EXPECT_TRUE(logs.contains(QStringLiteral("All Clear Search")));
}

TEST_F(Screen, SameDayAndLogisticsTabsSwapTheFilterPanels)
{
    struct Case
    {
        TFRM_ORD::Page page;
        bool reloadAll;
        bool sameDayPanel;
    };
    for (const Case &c : {Case{TFRM_ORD::tbHUBSameDay, false, true}, Case{TFRM_ORD::tbOrdNow, true, false},
                          Case{TFRM_ORD::tbA3SameDay, false, true}, Case{TFRM_ORD::tbOrdComp, true, false},
                          Case{TFRM_ORD::tbEndSameDay, false, true}, Case{TFRM_ORD::tbA2Ord, true, false}}) {
        screen->setActivePage(c.page);
        EXPECT_EQ(screen->btnLoadOrderAll->isEnabled(), c.reloadAll) << c.page;
        EXPECT_EQ(screen->pnlSameDayFiltr->isVisible(), c.sameDayPanel) << c.page;
        EXPECT_EQ(screen->pnlNormalFilter->isVisible(), !c.sameDayPanel) << c.page;
        EXPECT_EQ(screen->pnlShareFilter->isVisible(), !c.sameDayPanel) << c.page;
    }
}

TEST_F(Screen, InternalColumnsNeverShowWhateverTheLayoutSays)
{
    for (QTableView *view : {screen->CTV_MAIN, screen->CTV_MAIN_COMP}) {
        const OrderBoard board = view == screen->CTV_MAIN ? OrderBoard::Live : OrderBoard::Completed;
        QHeaderView *h = view->horizontalHeader();
        GridLayout everything = HeaderLayout(h);
        for (GridLayoutColumn &c : everything) {
            c.visible = true;
            c.width = 80;
        }
        ApplyHeaderLayout(h, everything);
        // The live board's check column is the layout's to show (on the order-control screen).
        const int check = board == OrderBoard::Live ? BoardColumnIndex(board, BoardCol::CHK) : -1;
        for (int c = 0; c < h->count(); ++c)
            EXPECT_EQ(h->isSectionHidden(c), BoardColumnTag(board, c) == 1 && c != check)
                << HeaderColumnName(h, c).toStdString();
        h->showSection(BoardColumnIndex(board, BoardCol::ORD_DATE2));
        EXPECT_TRUE(h->isSectionHidden(BoardColumnIndex(board, BoardCol::ORD_DATE2)));
    }
}

TEST_F(Screen, ABatchFillsTheLiveBoardAndItsLabels)
{
    screen->engine().enqueue(QStringLiteral("A1,0,"),
                             {page({liveRow(QStringLiteral("A"), QStringLiteral("1001")),
                                    liveRow(QStringLiteral("B"), QStringLiteral("3001")),
                                    liveRow(QStringLiteral("C"), QStringLiteral("1007"))})});
    screen->engine().dispatchPending();
    EXPECT_EQ(screen->CTV_MAIN->model()->rowCount(), 3);
    const auto label = [this](const char *name) { return screen->findChild<QLabel *>(QLatin1String(name))->text(); };
    EXPECT_EQ(label("CLB_ORD_CNT"), QStringLiteral("1"));
    EXPECT_EQ(label("CLB_PICKUP_CNT"), QStringLiteral("1"));
    EXPECT_EQ(label("CLB_WAIT_CNT"), QStringLiteral("1"));
    EXPECT_EQ(label("CLB_FINISH_CNT"), QStringLiteral("-"));
    EXPECT_EQ(label("CLB_CANCEL_CNT"), QStringLiteral("-"));
    EXPECT_EQ(label("CLB_TOTAL_CNT"), QStringLiteral("3"));
    // The store-order tab shows the store-order counters instead.
    screen->iA2OrdCount = {5, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    screen->setActivePage(TFRM_ORD::tbA2Ord);
    screen->proc_Chk_Cnt();
    EXPECT_EQ(label("CLB_TOTAL_CNT"), QStringLiteral("5"));
    EXPECT_EQ(label("CLB_FINISH_CNT"), QStringLiteral("1"));
}

// Footers are only summed while they can be seen: one whose tab was hidden during the count
// passes catches up when it is shown, instead of reading 0 beside the rows it shows.
TEST_F(Screen, ALiveFooterHiddenDuringTheCountCatchesUpWhenShown)
{
    screen->setActivePage(TFRM_ORD::tbOrdComp);
    ASSERT_FALSE(screen->CTV_MAIN_Footer->isVisible());
    screen->engine().enqueue(QStringLiteral("A1,0,"),
                             {page({liveRow(QStringLiteral("A"), QStringLiteral("1001")),
                                    liveRow(QStringLiteral("B"), QStringLiteral("3001"))})});
    screen->engine().dispatchPending();
    ASSERT_EQ(screen->CTV_MAIN->model()->rowCount(), 2);
    screen->setActivePage(TFRM_ORD::tbOrdNow);
    ASSERT_TRUE(screen->CTV_MAIN_Footer->isVisible());
    EXPECT_EQ(screen->CTV_MAIN_Footer->text(BoardColumnIndex(OrderBoard::Live, BoardCol::STATUS_CD)),
              QStringLiteral("2"));
}

TEST_F(Screen, FullRebuildForgetsNewStoreOrdersAndReloadsTheCompletedBoardItEmptied)
{
    QStringList pages = {page({liveRow(QStringLiteral("A"), QStringLiteral("1001"))}, QStringLiteral("M1")),
                         page({liveRow(QStringLiteral("C"), QStringLiteral("4001"))}),
                         page({liveRow(QStringLiteral("A"), QStringLiteral("1001"))}, QStringLiteral("M2")),
                         page({liveRow(QStringLiteral("C"), QStringLiteral("4001"))})};
    screen->loader().setRequest([&](const QString &, const QString &, const QString &, const QString &, int) {
        return pages.isEmpty() ? QStringList() : QStringList{pages.takeFirst()};
    });
    screen->hooks.loadCompleted = [this] {
        calls.append(QStringLiteral("loadCompleted"));
        screen->loader().procLoadA1OrderFinish();
    };
    ASSERT_TRUE(screen->loader().proc_Load_Order());
    screen->engine().dispatchPending();
    screen->setActivePage(TFRM_ORD::tbOrdComp);
    screen->engine().dispatchPending();
    ASSERT_EQ(screen->CTV_MAIN_COMP->model()->rowCount(), 1);
    ASSERT_EQ(count(QStringLiteral("loadCompleted")), 1);

    // An unconfirmed store order waits in the list until a full rebuild starts it afresh.
    screen->gsl_New_Order = QStringList{QStringLiteral("S1")};
    screen->engine().enqueue(QStringLiteral("A1,0,M1"), {page({}, QStringLiteral("M1"))});
    screen->engine().dispatchPending();
    EXPECT_EQ(screen->gsl_New_Order, QStringList{QStringLiteral("S1")}) << "an incremental batch keeps it";

    // The rebuild after a lost batch empties the completed board on show: it is loaded again.
    screen->loader().gsSyncDate.clear();
    ASSERT_TRUE(screen->loader().proc_Load_Order());
    screen->engine().dispatchPending();
    EXPECT_TRUE(screen->gsl_New_Order.isEmpty());
    EXPECT_EQ(screen->CTV_MAIN_COMP->model()->rowCount(), 0);
    EXPECT_FALSE(screen->loader().bA1FinOrd);
    QCoreApplication::processEvents();
    EXPECT_EQ(count(QStringLiteral("loadCompleted")), 2);
    EXPECT_TRUE(screen->loader().bA1FinOrd);
    screen->engine().dispatchPending();
    EXPECT_EQ(screen->CTV_MAIN_COMP->model()->rowCount(), 1);
}

TEST_F(Screen, LiveGridKeepsItsTopRowAcrossARebuildWhenTheUserAskedForIt)
{
    QStringList rows;
    for (int i = 0; i < 80; ++i)
        rows << liveRow(QStringLiteral("N%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("1001"));
    const auto rebuildAndTop = [&] {
        screen->engine().enqueue(QStringLiteral("A1,0,"), {page(rows)});
        screen->engine().dispatchPending();
        return screen->CTV_MAIN->rowAt(0);
    };
    rebuildAndTop();
    ASSERT_EQ(screen->CTV_MAIN->model()->rowCount(), 80);
    QAbstractItemModel *m = screen->CTV_MAIN->model();
    QApplication::processEvents();
    const auto scrollDown = [&] {
        int column = 0;
        while (screen->CTV_MAIN->isColumnHidden(column))
            ++column;
        screen->CTV_MAIN->scrollTo(m->index(40, column), QAbstractItemView::PositionAtTop);
        return screen->CTV_MAIN->rowAt(0);
    };
    G_USER_SET.ORDER_FOCUS_VIEW = "1";
    const int top = scrollDown();
    ASSERT_GT(top, 0);
    EXPECT_EQ(rebuildAndTop(), top);
    G_USER_SET.ORDER_FOCUS_VIEW = "0";
}

TEST_F(Screen, CloseStopsTimersAndDispatchBeforeTheListsGo)
{
    bool pollingOn = true;
    screen->hooks.stopPolling = [this] { calls.append(QStringLiteral("stopPolling")); };
    screen->hooks.stopElapsedTimer = [this] { calls.append(QStringLiteral("stopElapsed")); };
    screen->hooks.stopSameDayDispatch = [this] { calls.append(QStringLiteral("stopSameDay")); };
    screen->hooks.freeDialogs = [this] { calls.append(QStringLiteral("freeDialogs")); };
    // A tick still running ends during the close's wait.
    screen->hooks.pollingActive = [&pollingOn] { return std::exchange(pollingOn, false); };
    // A batch queued by the last poll is still waiting for its dispatch.
    screen->engine().enqueue(QStringLiteral("A1,0,"), {page({liveRow(QStringLiteral("A"), QStringLiteral("1001"))})});
    screen->FormClose();
    EXPECT_EQ(calls, (QStringList{QStringLiteral("stopPolling"), QStringLiteral("stopElapsed"),
                                  QStringLiteral("stopSameDay"), QStringLiteral("freeDialogs")}));
    EXPECT_TRUE(screen->closed());
    QCoreApplication::processEvents();  // the queued dispatch finds no engine
    EXPECT_EQ(screen->CTV_MAIN->model()->rowCount(), 0);
    screen->proc_Chk_Cnt();  // a late count pass does nothing
    screen->FormClose();     // a second close does nothing
    EXPECT_EQ(calls.size(), 4);
}
} // namespace
