// The assembled program as a dispatcher meets it: logged in as a store, a distributor and a
// partner head office through the program's own assembly, with only the server address, the
// sound output and the blocking message boxes standing in for the desktop.
#include "dispatch/control_screens.h"
#include "main/ui/start_forms.h"
#include "records/session_records.h"
#include "e2e_fixture.h"

#include "grid/grid_table_model.h"
#include "reference/goods_loaders.h"
#include "reference/reference_loaders.h"
#include "reference/reference_state.h"
#include "common/screen_placeholders.h"
#include "main/ui/courier_status_panel.h"
#include "main/ui/reception_host.h"
#include "main/ui/side_panels_dock.h"
#include "main/ui/start_forms.h"
#include "main/ui/store_status_panel.h"
#include "main/ui/today_orders_dock.h"
#include "main/ui/today_orders_grid_binding.h"
#include "boards/board_selections.h"
#include "boards/order_board_columns.h"
#include "boards/order_board_models.h"
#include "boards/ui/board_filter_bar.h"
#include "boards/ui/board_delegate.h"
#include "boards/ui/order_popup_menu.h"
#include "boards/ui/same_day_panels.h"
#include "boards/store_order_board.h"
#include "boards/ui/today_orders_screen.h"
#include "orders/store_cash_loads.h"
#include "orders/courier_refresh.h"
#include "records/reference_records.h"
#include "sandbox/request_log.h"
#include "sandbox/sandbox_database.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QImage>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>

namespace
{
QStringList menuTexts(QMenu *menu)
{
    QStringList out;
    if (!menu)
        return out;
    for (QAction *a : menu->actions())
        if (!a->isSeparator())
            out << a->text();
    return out;
}

QStringList reasonNames()
{
    QStringList out;
    for (const CodeNameItem &item : CCB_O4.items())
        out << item.description;
    return out;
}

// Waits for the live board to hold orders (the running poll fills it).
bool waitForLiveRows(TFRM_ORD *today)
{
    return QTest::qWaitFor([today] { return today->boards().CTV_MAIN.rowCount() > 0; }, 120000);
}
} // namespace

TEST_F(EndToEndTest, EveryStepIsBoundAndTheStandInsAreListed)
{
    // The self-check ran when the window was made; run again, it writes the same lines.
    EXPECT_EQ(assembly->selfCheck(), QStringList());
    const QStringList lines = newLines();
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("step not bound")));
    const QStringList later = {QString::fromLatin1(LaterScreen::kReception),
                               QString::fromLatin1(LaterScreen::kQuickReception),
                               QString::fromLatin1(LaterScreen::kPrinting),
                               QString::fromLatin1(LaterScreen::kCallerId),
                               QString::fromLatin1(LaterScreen::kDispatchControl),
                               QString::fromLatin1(LaterScreen::kHistory),
                               QString::fromLatin1(LaterScreen::kStore),
                               QString::fromLatin1(LaterScreen::kStaff),
                               QString::fromLatin1(LaterScreen::kSettings)};
    const QStringList standIns = ScreenPlaceholders();
    ASSERT_FALSE(standIns.isEmpty());
    for (const QString &standIn : standIns) {
        EXPECT_TRUE(later.contains(standIn.section(QStringLiteral(" : "), 0, 0))) << standIn.toStdString();
        EXPECT_TRUE(lines.contains(QStringLiteral("Start-up check : placeholder : ") + standIn)) << standIn.toStdString();
    }
    // The stand-ins the program has today, one per screen of a later part.
    for (const char *expected : {"quick reception : TFRM_ACCEPT_QUICK", "history : proc_GetComboMngBrList"})
        EXPECT_TRUE(standIns.contains(QString::fromUtf8(expected))) << expected;
    for (const char *replaced : {"reception : TFRM_ACCEPT", "history : TFRM_ORD_OLD", "settings : FRM_CONFIG"})
        EXPECT_FALSE(standIns.contains(QString::fromUtf8(replaced))) << replaced;
    // Caller ID is built: its start-up steps are real.
    for (const QString &standIn : standIns)
        EXPECT_FALSE(standIn.startsWith(QString::fromLatin1(LaterScreen::kCallerId))) << standIn.toStdString();
}

TEST_F(EndToEndTest, StoreBoardShowsCodeNamesAndTheCancelReasons)
{
    startAs(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));
    TFRM_ORD *today = TodayOrdersScreen();
    ASSERT_NE(today, nullptr);
    ASSERT_TRUE(waitForLiveRows(today));
    ASSERT_FALSE(CCB_O4.items().isEmpty());

    // Every code column takes the loaded tables' names, the statuses of the system codes too.
    GridTableModel &live = today->boards().CTV_MAIN;
    const auto columnOf = [](BoardCol::Id id) { return BoardColumnIndex(OrderBoard::Live, id); };
    const QHash<QString, QString> &statusNames = live.column(columnOf(BoardCol::STATUS_CD)).lookup;
    for (const char *status : {"4005", "9001", "3001"}) {
        EXPECT_FALSE(CCB_O2.nameOf(QString::fromLatin1(status)).isEmpty()) << status;
        EXPECT_EQ(statusNames.value(QString::fromLatin1(status)), CCB_O2.nameOf(QString::fromLatin1(status))) << status;
    }
    const std::pair<BoardCol::Id, const CodeNameTable *> tables[] = {
        {BoardCol::TYPE_CD, &CCB_O1},       {BoardCol::DRVY_TYPE_CD, &CCB_O8}, {BoardCol::POS_TYPE_CD, &CCB_PT},
        {BoardCol::VAN_TYPE_CD, &CCB_VAN},  {BoardCol::ORD_PATH_CD, &CCB_O3},  {BoardCol::DRVY_CNT, &cicbDvryCnt},
        {BoardCol::STATUS_CD, &CCB_O2},
    };
    int named = 0;
    for (const auto &[id, table] : tables) {
        const int c = columnOf(id);
        ASSERT_GE(c, 0);
        EXPECT_FALSE(live.column(c).lookup.isEmpty()) << live.column(c).name.toStdString() << " " << table->items().size();
        for (int row = 0; row < live.rowCount(); ++row) {
            const int rec = live.recordOfRow(row);
            const QString code = live.recordValue(rec, c).toString();
            const QString name = table->nameOf(code);
            if (code.isEmpty() || name.isEmpty())
                continue;
            EXPECT_EQ(live.displayText(rec, c), name) << live.column(c).name.toStdString() << " " << code.toStdString();
            ++named;
        }
    }
    EXPECT_GT(named, 0);

    // Both cancel submenus of the order popup hold the active cancel reasons.
    TodayOrdersGridBinding *grids = TodayOrdersGrids(today);
    ASSERT_NE(grids, nullptr);
    OrderPopupMenu *popup = grids->popupMenu();
    EXPECT_EQ(menuTexts(popup->action(OrderMenuItem::NStatusCancel)->menu()), reasonNames());
    EXPECT_EQ(menuTexts(popup->action(OrderMenuItem::NStatusCancelNAcc)->menu()), reasonNames());
    EXPECT_EQ(popup->action(OrderMenuItem::NStatusCancel)->text(), QStringLiteral("취소변경"));
    EXPECT_EQ(popup->action(OrderMenuItem::NStatusCancelNAcc)->text(), QStringLiteral("취소+정산취소"));

    // A store login's store-status panel lists the branches, and its reception windows have
    // taken their modes and slots.
    StoreStatusPanel *storePanel = DockedStorePanel(*window);
    ASSERT_NE(storePanel, nullptr);
    EXPECT_GT(storePanel->cbStStatusBR->count(), 0);
    auto *host = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->FRM_MOD_LIST->GI_GUBUN, 1);
    EXPECT_EQ(host->FRM_MOD_QUICK->GI_GUBUN, 1);
    EXPECT_EQ(host->FRM_ACP_LIST.at(3)->Tag, 3);
    EXPECT_EQ(host->FRM_ACP_QUICK.at(0)->Tag, 6);
}

TEST_F(EndToEndTest, DistributorBoardFollowsTheListsAtStartAndAfterSynchronization)
{
    // The control-screen choice read after the login decides the live grid's check column.
    G_INI->WriteString(QStringLiteral("User"), QStringLiteral("VIEW_WORK_CONTROL"), QStringLiteral("1"));
    startAs(QStringLiteral("branch01"), QStringLiteral("Branch!2026pw"));
    TFRM_ORD *today = TodayOrdersScreen();
    ASSERT_NE(today, nullptr);
    TodayOrdersGridBinding *grids = TodayOrdersGrids(today);
    ASSERT_NE(grids, nullptr);
    EXPECT_FALSE(today->CTV_MAIN->horizontalHeader()->isSectionHidden(
        BoardColumnIndex(OrderBoard::Live, BoardCol::CHK)));

    // The board's branch list holds the loaded branches with their master stores.
    ASSERT_FALSE(G_SL_MASTER_ST_CODE.isEmpty());
    const QList<BranchChoice> &branches = grids->bar()->selections().branches();
    ASSERT_FALSE(branches.isEmpty());
    int withMaster = 0;
    for (const BranchChoice &b : branches)
        withMaster += G_SL_MASTER_ST_CODE.contains(b.masterStore);
    EXPECT_GT(withMaster, 0);

    // The delivery-group settings loaded after the login are not emptied by the store list.
    ASSERT_FALSE(G_DVRY_GRP_INFO.isEmpty());
    EXPECT_EQ(G_DVRY_GRP_INFO.first().DVRY_TYPE_CD, G_USER_INFO.MNG_DVRY_TYPE_CD);
    EXPECT_FALSE(G_DVRY_GRP_INFO.first().STATUS_TYPE.isEmpty());

    // The courier panel lists the branches; a distributor's grid has no branch column.
    CourierStatusPanel *courier = DockedCourierPanel(*window);
    ASSERT_NE(courier, nullptr);
    EXPECT_FALSE(courier->model().branches.names.isEmpty());
    EXPECT_TRUE(courier->grdDataWorker->isColumnHidden(grdColWorkerBrName));

    // The synchronization refills the branch lists; the cancel reasons and names stay.
    ASSERT_TRUE(waitForLiveRows(today));
    host->clearReceived();
    boxes.clear();
    window->TopButtonClick(TopButton::Refresh);
    // (A login without region addresses is told so again, as at the start.)
    boxes.removeAll(QStringLiteral("I 설정->지역 에 사용하는 주소가 없습니다."));
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(requests(QString::fromLatin1(kStListRequest)).isEmpty());
    EXPECT_FALSE(grids->bar()->selections().branches().isEmpty());
    EXPECT_EQ(menuTexts(grids->popupMenu()->action(OrderMenuItem::NStatusCancel)->menu()), reasonNames());
    EXPECT_FALSE(today->boards().CTV_MAIN.column(BoardColumnIndex(OrderBoard::Live, BoardCol::STATUS_CD))
                     .lookup.isEmpty());
}

TEST_F(EndToEndTest, RefusedSynchronizationChangesNothing)
{
    startAs(QStringLiteral("branch01"), QStringLiteral("Branch!2026pw"));
    TFRM_ORD *today = TodayOrdersScreen();
    ASSERT_NE(today, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->orderPolling.storeCash.gsSyncStDate.isEmpty(); }, 120000));
    auto *receptions = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(receptions, nullptr);
    receptions->openInTab(receptions->FRM_ACP_LIST.at(0), 0, QStringLiteral("접수1"));
    window->orderPolling.poller.stop();
    const QString stMark = window->orderPolling.storeCash.gsSyncStDate;
    const QString cashMark = window->orderPolling.storeCash.gsSyncCashDate;
    const QString courierMark = G_DVRY_SYNC_DT;
    boxes.clear();
    host->clearReceived();
    window->TopButtonClick(TopButton::Refresh);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("I 접수창을 모두 닫은 뒤 동기화 하세요.")});
    EXPECT_TRUE(host->receivedRequestCodes().isEmpty());
    EXPECT_EQ(window->orderPolling.storeCash.gsSyncStDate, stMark);
    EXPECT_EQ(window->orderPolling.storeCash.gsSyncCashDate, cashMark);
    EXPECT_EQ(G_DVRY_SYNC_DT, courierMark);
}

TEST_F(EndToEndTest, HeadOfficeSeesTheCourierBranchColumn)
{
    startAs(QStringLiteral("head01"), QStringLiteral("Head!2026pw"));
    CourierStatusPanel *courier = DockedCourierPanel(*window);
    ASSERT_NE(courier, nullptr);
    EXPECT_FALSE(courier->grdDataWorker->isColumnHidden(grdColWorkerBrName));
    TodayOrdersGridBinding *grids = TodayOrdersGrids(TodayOrdersScreen());
    ASSERT_NE(grids, nullptr);
    // A partner head office's list starts with "all".
    ASSERT_FALSE(grids->bar()->selections().branches().isEmpty());
    EXPECT_EQ(grids->bar()->selections().branches().first().code, QStringLiteral("0"));
    EXPECT_FALSE(CCB_O4.items().isEmpty());
    EXPECT_EQ(menuTexts(grids->popupMenu()->action(OrderMenuItem::NStatusCancelNAcc)->menu()), reasonNames());
}

TEST_F(EndToEndTest, DoubleClickOnAnOrderOfAStoreWithoutNameLoadsTheStoreAndOpensTheOrder)
{
    startAs(QStringLiteral("branch01"), QStringLiteral("Branch!2026pw"));
    TFRM_ORD *today = TodayOrdersScreen();
    ASSERT_NE(today, nullptr);
    ASSERT_TRUE(waitForLiveRows(today));
    window->orderPolling.poller.stop();
    GridTableModel &live = today->boards().CTV_MAIN;
    const int storeColumn = live.columnIndex(QStringLiteral("CTV_MAIN_ORD_ST_CODE"));
    ASSERT_GE(storeColumn, 0);
    const int rec = live.recordOfRow(0);
    const QString storeCode = live.recordValue(rec, storeColumn).toString();
    TST_LIST *store = G_ST_LIST.find(storeCode);
    ASSERT_NE(store, nullptr) << storeCode.toStdString();
    // A store the list knows only by its code, as an order naming a new store leaves it.
    store->ST_NAME.clear();
    store->GOODS_LIST.clear();
    store->GOODS_SYNC_DT.clear();

    QTableView *view = today->CTV_MAIN;
    today->setActivePage(TFRM_ORD::tbOrdNow);
    QTest::qWait(50);
    const QModelIndex cell = view->model()->index(0, 0);
    view->setCurrentIndex(cell);
    QRect rect;
    for (int c = 0; c < view->model()->columnCount() && !rect.isValid(); ++c)
        if (!view->isColumnHidden(c))
            rect = view->visualRect(view->model()->index(0, c));
    ASSERT_TRUE(rect.isValid());
    host->clearReceived();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());

    store = G_ST_LIST.find(storeCode);
    ASSERT_NE(store, nullptr);
    EXPECT_FALSE(store->ST_NAME.isEmpty());
    EXPECT_FALSE(store->GOODS_LIST.isEmpty());
    EXPECT_FALSE(requests(QString::fromLatin1(kGoodsGroupCode)).isEmpty());
    auto *receptions = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(receptions, nullptr);
    EXPECT_FALSE(receptions->FRM_MOD_LIST->isHidden());
    EXPECT_FALSE(receptions->FRM_MOD_LIST->CTE_ORD_NO->text().isEmpty());
}

namespace
{
// Double-clicks the first shown row of a grid in a visible cell.
bool doubleClickFirstRow(QTableView *view)
{
    QRect rect;
    for (int c = 0; c < view->model()->columnCount() && !rect.isValid(); ++c)
        if (!view->isColumnHidden(c))
            rect = view->visualRect(view->model()->index(0, c));
    if (!rect.isValid())
        return false;
    view->setCurrentIndex(view->indexAt(rect.center()));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    return true;
}
} // namespace

TEST_F(EndToEndTest, DoubleClicksOnSameDayAndLogisticsRowsOpenTheOrder)
{
    G_INI->WriteString(QStringLiteral("DELIVERY_SET"), QStringLiteral("DVRY_SAMEDAY"), QStringLiteral("Y"));
    G_INI->WriteString(QStringLiteral("DELIVERY_SET"), QStringLiteral("DVRY_SAMEDAY_HUB"), QStringLiteral("Y"));
    // A partner head office follows the same-day orders and the logistics legs of all its branches
    // (the logistics tab's in/out boxes, checked at start, mean nothing for it).
    startAs(QStringLiteral("head01"), QStringLiteral("Head!2026pw"));
    TFRM_ORD *today = TodayOrdersScreen();
    ASSERT_NE(today, nullptr);
    ASSERT_TRUE(today->tabVisible(TFRM_ORD::tbA3SameDay));
    ASSERT_TRUE(today->tabVisible(TFRM_ORD::tbHUBSameDay));
    auto *receptions = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(receptions, nullptr);

    struct Case
    {
        TFRM_ORD::Page page;
        QWidget *container;
        const char *name;
    };
    for (const Case &c : {Case{TFRM_ORD::tbA3SameDay, today->grdA3View, "same-day"},
                          Case{TFRM_ORD::tbHUBSameDay, today->grdHUBView, "logistics"}}) {
        SCOPED_TRACE(c.name);
        window->FrontScreen(QStringLiteral("FRM_ORD"));
        today->setActivePage(c.page);
        auto *view = c.container->findChild<QTableView *>();
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([view] { return view->model()->rowCount() > 0; }, 120000))
            << "the poll brings the head office's " << c.name << " orders to the board";
        receptions->FRM_MOD_LIST->hide();
        receptions->FRM_MOD_LIST->CTE_ORD_NO->clear();
        ASSERT_TRUE(doubleClickFirstRow(view));
        EXPECT_FALSE(receptions->FRM_MOD_LIST->isHidden());
        EXPECT_FALSE(receptions->FRM_MOD_LIST->CTE_ORD_NO->text().isEmpty());
    }
}

namespace
{
// The record a view row shows.
int recordOfViewRow(QTableView *view, int row)
{
    return view->model()->index(row, 0).data(GridTableModel::kRecordRole).toInt();
}

// The view row of a record; -1 when it is not shown.
int viewRowOfRecord(QTableView *view, int record)
{
    for (int r = 0; r < view->model()->rowCount(); ++r)
        if (recordOfViewRow(view, r) == record)
            return r;
    return -1;
}

// The first cell of a row that is shown on screen.
QRect shownCell(QTableView *view, int row)
{
    for (int c = 0; c < view->model()->columnCount(); ++c)
        if (!view->isColumnHidden(c)) {
            const QRect rect = view->visualRect(view->model()->index(row, c));
            if (rect.isValid())
                return rect;
        }
    return {};
}

// Right-clicks a row of a grid whose menu runs modally, and clicks the menu entry named `entry`
// (found in the menu or its submenus) once the menu is up. False when the menu or the entry
// never showed.
bool chooseFromRowMenu(QTableView *view, int row, const QString &entry)
{
    const QRect rect = shownCell(view, row);
    if (!rect.isValid())
        return false;
    view->scrollTo(view->model()->index(row, 0));
    view->setCurrentIndex(view->indexAt(rect.center()));
    bool clicked = false;
    bool menuSeen = false;
    QTimer picker;
    QObject::connect(&picker, &QTimer::timeout, &picker, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        menuSeen = true;
        picker.stop();
        QAction *action = menu->findChild<QAction *>(entry);
        if (!action) {
            menu->close();
            return;
        }
        auto *owner = qobject_cast<QMenu *>(action->parent());
        owner = owner ? owner : menu;
        owner->show();
        const QRect where = owner->actionGeometry(action);
        clicked = where.isValid();
        if (clicked)
            QTest::mouseClick(owner, Qt::LeftButton, {}, where.center());
        if (QApplication::activePopupWidget())
            menu->close();
    });
    picker.start(20);
    QContextMenuEvent event(QContextMenuEvent::Mouse, rect.center(), view->viewport()->mapToGlobal(rect.center()));
    QApplication::sendEvent(view->viewport(), &event);
    const bool shown = QTest::qWaitFor([&] { return menuSeen; }, 60000);
    picker.stop();
    return shown && clicked;
}
} // namespace

TEST_F(EndToEndTest, SameDayStatusActionReachesTheServerAndTheBoardFollows)
{
    G_INI->WriteString(QStringLiteral("DELIVERY_SET"), QStringLiteral("DVRY_SAMEDAY"), QStringLiteral("Y"));
    // One of the head office's same-day orders waits for its delivery.
    const QVariant picked = host->database()->value(
        QStringLiteral("SELECT ord_no FROM same_day_orders WHERE (ord_hd_code = 'H0001' OR loc_hd_code = 'H0001')"
                       " AND ord_status_cd NOT IN ('4001', '4002') ORDER BY ord_no"));
    ASSERT_TRUE(picked.isValid()) << "the sandbox's day has same-day orders of the head office";
    const QString no = picked.toString();
    host->database()->exec(QStringLiteral("UPDATE same_day_orders SET ord_status_cd = '2001' WHERE ord_no = ?"),
                           {picked});
    startAs(QStringLiteral("head01"), QStringLiteral("Head!2026pw"));
    TFRM_ORD *today = TodayOrdersScreen();
    ASSERT_NE(today, nullptr);
    ASSERT_TRUE(today->tabVisible(TFRM_ORD::tbA3SameDay));
    window->FrontScreen(QStringLiteral("FRM_ORD"));
    today->setActivePage(TFRM_ORD::tbA3SameDay);
    auto *view = today->grdA3View->findChild<QTableView *>();
    ASSERT_NE(view, nullptr);
    const GridTableModel &board = TodayOrdersPartsOf(today).sameDay->models().grdA3View();
    const int statusColumn = board.columnIndex(QStringLiteral("grdA3Col_ORD_STATUS_CD"));
    ASSERT_GE(statusColumn, 0);
    const auto shownStatus = [&board, statusColumn, no] {
        const int rec = board.findRecord(no);
        return rec < 0 ? QString() : board.recordValue(rec, statusColumn).toString();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownStatus() == QLatin1String("2001"); }, 120000))
        << "the poll brings the order to the same-day board";
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewRowOfRecord(view, board.findRecord(no)) >= 0; }, 60000));

    // "출발변경" from the row's menu asks, sends the status change and the next poll shows it.
    window->orderPolling.poller.stop();
    boxes.clear();
    host->clearReceived();
    ASSERT_TRUE(chooseFromRowMenu(view, viewRowOfRecord(view, board.findRecord(no)), QStringLiteral("mnDayChg3003")));
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            for (const SandboxRequestLog::Entry &e : host->loggedRequests())
                if (e.code == QLatin1String("CS01_34_V01"))
                    return true;
            return false;
        },
        60000));
    QList<SandboxRequestLog::Entry> changes;
    for (const SandboxRequestLog::Entry &e : host->loggedRequests())
        if (e.code == QLatin1String("CS01_34_V01"))
            changes << e;
    ASSERT_EQ(changes.size(), 1);
    EXPECT_TRUE(changes.first().payload.contains(no)) << changes.first().payload.toStdString();
    EXPECT_TRUE(changes.first().why.isEmpty()) << changes.first().why.toStdString();
    EXPECT_TRUE(boxes.contains(QStringLiteral("Q 출발변경 하시겠습니까?"))) << boxes.join(QLatin1Char('|')).toStdString();
    window->orderPolling.poller.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownStatus() == QLatin1String("3003"); }, 120000))
        << shownStatus().toStdString();
}

TEST_F(EndToEndTest, StoreOrderTabPaintsStatusesOpensItsMenuAndTheModifyWindow)
{
    startAs(QStringLiteral("demo"), QStringLiteral("Demo!2026desk"));
    TFRM_ORD *today = TodayOrdersScreen();
    ASSERT_NE(today, nullptr);
    ASSERT_TRUE(today->tabVisible(TFRM_ORD::tbA2Ord));
    window->FrontScreen(QStringLiteral("FRM_ORD"));
    today->setActivePage(TFRM_ORD::tbA2Ord);
    auto *view = today->CTV_TAKEOUT->findChild<QTableView *>();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->model()->rowCount() > 0; }, 120000))
        << "the poll brings the demo store's store orders";
    window->orderPolling.poller.stop();

    // Every row is painted in the colour of its status, as the grid shows it on screen.
    auto *delegate = qobject_cast<BoardDelegate *>(view->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    TodayOrdersGridBinding *grids = TodayOrdersGrids(today);
    ASSERT_NE(grids, nullptr);
    const BoardColours colours = grids->colours();
    const GridTableModel &store = TodayOrdersPartsOf(today).storeBoard->CTV_TAKEOUT();
    const int statusColumn = store.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_STATUS_CD"));
    const int noColumn = store.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_NO"));
    ASSERT_GE(statusColumn, 0);
    ASSERT_GE(noColumn, 0);
    view->clearSelection();
    view->setCurrentIndex({});
    const QImage shot = view->viewport()->grab().toImage();
    int painted = 0;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        const int status = store.recordValue(recordOfViewRow(view, row), statusColumn).toInt();
        if (!colours.status.contains(status == 1007 ? 1002 : status == 2002 ? 2001 : status))
            continue;
        const BoardCellLook look = delegate->lookOf(view->model()->index(row, 0), false);
        EXPECT_TRUE(look.hasBackground) << status;
        EXPECT_EQ(look.background, colours.statusColour(status == 1007 ? 1002 : status == 2002 ? 2001 : status))
            << status;
        const QRect cell = shownCell(view, row);
        if (!cell.isValid() || !shot.rect().contains(cell.topLeft() + QPoint(2, 2)))
            continue;
        EXPECT_EQ(shot.pixel(cell.left() + 2, cell.top() + 2) & 0xFFFFFF, look.background & 0xFFFFFF) << status;
        ++painted;
    }
    EXPECT_GT(painted, 0);

    // A right click on a row opens the order menu for that order.
    const QRect cell = shownCell(view, 0);
    ASSERT_TRUE(cell.isValid());
    const QString no = store.recordValue(recordOfViewRow(view, 0), noColumn).toString();
    ASSERT_FALSE(no.isEmpty());
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, cell.center());
    ASSERT_TRUE(QTest::qWaitFor([grids] { return grids->popupMenu()->menu()->isVisible(); }, 60000));
    EXPECT_EQ(grids->popupState().fields.FPOP_ORDER_NO, no);
    grids->popupMenu()->menu()->hide();

    // A double click opens the order in the modify window.
    auto *receptions = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(receptions, nullptr);
    receptions->FRM_MOD_LIST->hide();
    receptions->FRM_MOD_LIST->CTE_ORD_NO->clear();
    window->FrontScreen(QStringLiteral("FRM_ORD"));
    today->setActivePage(TFRM_ORD::tbA2Ord);
    ASSERT_TRUE(doubleClickFirstRow(view));
    EXPECT_TRUE(QTest::qWaitFor([receptions] { return !receptions->FRM_MOD_LIST->isHidden(); }, 60000));
    EXPECT_EQ(receptions->FRM_MOD_LIST->CTE_ORD_NO->text(), no);
}

TEST_F(EndToEndTest, DistributorControlScreensFollowTheWorld)
{
    for (const char *kind : {"3", "2", "1"}) {
        SCOPED_TRACE(kind);
        G_INI->WriteString(QStringLiteral("User"), QStringLiteral("VIEW_WORK_CONTROL"), QString::fromLatin1(kind));
        if (QString::fromLatin1(kind) == QLatin1String("3"))
            startAs(QStringLiteral("branch01"), QStringLiteral("Branch!2026pw"));
        G_USER_SET.ViewWorkControlType = kind;
        ASSERT_TRUE(ShellActions().openControlScreen);
        ShellActions().openControlScreen(window);
        ControlScreenCore *core = DispatchControlScreens::Instance().core();
        ASSERT_NE(core, nullptr);
        EXPECT_EQ(core->variant(), ControlVariantFor(QString::fromLatin1(kind)));
        // The couriers of the branch fill the board, and their counters are shown.
        ASSERT_TRUE(QTest::qWaitFor([core] { return core->couriers().model().recordCount() > 0; }, 60000));
        if (core->variant() != ControlVariant::OrderCentred) {
            // Orders waiting for a courier reach the board with the poll.
            EXPECT_TRUE(QTest::qWaitFor([core] { return core->waiting().rowCount() > 0; }, 120000))
                << "waiting orders of the branch";
        }
    }
}
