// The same-day and store-order boards as the program assembles them (the today's-orders screen
// made by the start forms of a main window), against the in-process sandbox: the same-day menu's
// status change, messages and composer reach the server; the store-order grid paints, opens its
// menu and keeps its layout; "인증단말기" and "카드전표" open their windows; a partner head office's
// ticked branches narrow the same-day board.

#include "link/sandbox_link_fixture.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "main/ui/main_window.h"
#include "main/ui/reg_device_admin.h"
#include "main/ui/start_forms.h"
#include "main/ui/today_orders_dock.h"
#include "main/ui/today_orders_grid_binding.h"
#include "messages/ui/composer_windows.h"
#include "messages/ui/message_windows.h"
#include "orders/order_globals.h"
#include "boards/store_order_board.h"
#include "boards/ui/board_delegate.h"
#include "boards/ui/order_popup_menu.h"
#include "boards/ui/same_day_panels.h"
#include "boards/ui/today_orders_screen.h"
#include "records/session_records.h"
#include "sandbox/sandbox_database.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace
{
const QString kDeskBranch = QStringLiteral("B000101");

class TodayBoardsSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetOrderGlobals();
        previousBox = SetMsgBoxHandler([this](const QString &text, const QString &kind) {
            boxes << kind + QLatin1Char(' ') + text;
            return 1;
        });
        TFRM_MAIN::SetInitializationHook({});
    }
    void TearDown() override
    {
        if (window) {
            window->Tag = 99;
            delete window;
        }
        SetMsgBoxHandler(previousBox);
        ResetOrderGlobals();
        G_USER_SET.SEARCHSAMEDAY = "N";
        SandboxLinkTest::TearDown();
    }

    // The main window and its start forms as the program makes them; the screen for the login.
    void makeScreen()
    {
        InstallShellForms();
        window = new TFRM_MAIN();
        window->Tag = 1;
        CreateStartForms(window);
        today = TodayOrdersScreen();
        ASSERT_NE(today, nullptr);
        parts = TodayOrdersPartsOf(today);
        ASSERT_NE(parts.sameDay, nullptr);
        ASSERT_NE(parts.storeBoard, nullptr);
        grids = TodayOrdersGrids(today);
        ASSERT_NE(grids, nullptr);
        today->resize(1400, 800);
        today->show();
    }
    void loginAs(const char *type, const QString &br)
    {
        G_USER_INFO.ID = QStringLiteral("desk01");
        G_USER_INFO.USER_TYPE_CD = type;
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = br;
        G_USER_INFO.USER_CODE = br;
        G_USER_INFO.DATA_STATUS = "1";
        G_USER_INFO.UserAuthGrade = 1;
    }

    int received(const char *code) const
    {
        int n = 0;
        for (const SandboxRequest &r : host->receivedRequests())
            n += r.reqNum == QLatin1String(code);
        return n;
    }
    // Focuses the same-day row of an order and returns the menu planned for it.
    QMenu *menuFor(const QString &orderNo)
    {
        SameDayGridView *grid = parts.sameDay->grid(SameDayTab::Today);
        const GridTableModel &m = parts.sameDay->models().grdA3View();
        const int rec = m.findRecord(orderNo);
        if (rec < 0)
            return nullptr;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            if (grid->model()->index(r, 0).data(GridTableModel::kRecordRole).toInt() == rec)
                grid->setCurrentIndex(grid->model()->index(r, 0));
        return parts.sameDay->mnSameDay(today);
    }
    QString firstSameDayOrder(const QString &status)
    {
        const GridTableModel &m = parts.sameDay->models().grdA3View();
        const int no = m.columnIndex(QStringLiteral("grdA3Col_ORD_NO"));
        const int st = m.columnIndex(QStringLiteral("grdA3Col_ORD_STATUS_CD"));
        for (int r = 0; r < m.recordCount(); ++r)
            if (m.recordValue(r, st).toString() == status)
                return m.recordValue(r, no).toString();
        return {};
    }
    QString serverStatus(const QString &orderNo)
    {
        const auto rows = host->database()->rows(
            QStringLiteral("SELECT ord_status_cd FROM same_day_orders WHERE ord_no = ?"), {orderNo});
        return rows.isEmpty() ? QString() : rows.first().value(0).toString();
    }

    MsgBoxHandler previousBox;
    QStringList boxes;
    TFRM_MAIN *window = nullptr;
    TFRM_ORD *today = nullptr;
    TodayOrdersParts parts;
    TodayOrdersGridBinding *grids = nullptr;
};

TEST_F(TodayBoardsSandbox, SameDayMenuActionsReachTheServerFromTheAssembledScreen)
{
    loginAs("5001", kDeskBranch);
    G_USER_INFO.SAMEDAY_NORMAL_TYPE = 1;
    G_USER_SET.SEARCHSAMEDAY = "Y";
    // One of the branch's orders under way waits for its delivery.
    const QVariant picked = host->database()->value(
        QStringLiteral("SELECT ord_no FROM same_day_orders WHERE ord_br_code = ? AND ord_status_cd NOT IN"
                       " ('4001', '4002') ORDER BY ord_no"),
        {kDeskBranch});
    ASSERT_TRUE(picked.isValid());
    host->database()->exec(QStringLiteral("UPDATE same_day_orders SET ord_status_cd = '2001' WHERE ord_no = ?"),
                           {picked});
    makeScreen();
    today->setActivePage(TFRM_ORD::tbA3SameDay);
    ASSERT_TRUE(parts.sameDay->pollSameDay());
    parts.sameDay->engine().dispatchPending();
    const QString no = firstSameDayOrder(QStringLiteral("2001"));
    ASSERT_FALSE(no.isEmpty()) << "the sandbox's day has a delivery request";

    // The completed tab asks for the completed orders once, however often it is visited.
    today->setActivePage(TFRM_ORD::tbEndSameDay);
    today->setActivePage(TFRM_ORD::tbA3SameDay);
    today->setActivePage(TFRM_ORD::tbEndSameDay);
    int completedLoads = 0;
    for (const SandboxRequest &r : host->receivedRequests())
        completedLoads += r.reqNum == QLatin1String("CS01_32_V02") && r.fields().value(5) == QLatin1String("1");
    EXPECT_EQ(completedLoads, 1);
    today->setActivePage(TFRM_ORD::tbA3SameDay);

    // "출발변경" asks, sends CS01_34_V01 and tells the answer.
    std::unique_ptr<QMenu> menu(menuFor(no));
    ASSERT_TRUE(menu);
    QAction *start = menu->findChild<QAction *>(QStringLiteral("mnDayChg3003"));
    ASSERT_TRUE(start);
    host->clearReceived();
    start->trigger();
    EXPECT_EQ(received("CS01_34_V01"), 1);
    EXPECT_EQ(serverStatus(no), QStringLiteral("3003"));
    ASSERT_EQ(boxes.size(), 2) << boxes.join('|').toStdString();
    EXPECT_EQ(boxes.at(0), QStringLiteral("Q 출발변경 하시겠습니까?"));
    EXPECT_TRUE(boxes.at(1).startsWith(QStringLiteral("I 상태가 변경되었습니다.")));

    // A fixed text of the ordering store's submenu goes out as a message about this order.
    QMenu *store = menu->findChild<QMenu *>(QStringLiteral("mnDayMSGStore"));
    ASSERT_TRUE(store);
    QList<QAction *> items;
    for (QAction *a : store->actions())
        if (!a->isSeparator())
            items << a;
    ASSERT_GE(items.size(), 2);
    host->clearReceived();
    items.first()->trigger();
    EXPECT_EQ(received("MG00_03_V01"), 1);
    ASSERT_FALSE(host->receivedRequests().isEmpty());
    EXPECT_TRUE(host->receivedRequests().last().plainBody.contains(items.first()->text()));

    // "직접입력" opens the composer.
    ASSERT_TRUE(window->messageWindows);
    items.last()->trigger();
    EXPECT_TRUE(window->messageWindows->composer()->isVisible());
    window->messageWindows->composer()->hide();

}

// The login decides the screen's tabs before the shared link exists. Hiding them moves the
// current page across every board, the completed ones too: none may ask then (there is no link
// to ask on; a failed ask is logged as an error and marks the link down), and each still loads
// when it is shown.
TEST_F(TodayBoardsSandbox, TabsDecidedBeforeTheLinkExistsLoadNothingUntilShown)
{
    loginAs("5001", kDeskBranch);
    G_USER_INFO.SAMEDAY_NORMAL_TYPE = 1;
    G_USER_SET.SEARCHSAMEDAY = "Y";
    makeScreen();
    // As at a login after a logout: nothing loaded yet, and no link.
    parts.sameDay->loader().bA3FinOrd = false;
    today->bA3FinOrd = false;
    today->loader().bA1FinOrd = false;
    const qint64 logBefore = QFileInfo(DailyLogPath()).size();
    TcpClient *const link = G_TCP_CLIENT;
    G_TCP_CLIENT = nullptr;
    G_CONNECTED = true;
    host->clearReceived();
    // A board loaded in an earlier session of the program asks for its completed orders too.
    today->loader().gsSyncDate = QStringLiteral("20261211090000");
    for (const TFRM_ORD::Page p : {TFRM_ORD::tbOrdComp, TFRM_ORD::tbEndSameDay, TFRM_ORD::tbOrdNow})
        today->setActivePage(p);
    procOrderTabVisibleCheck(today);
    const bool connectedAfterTabs = G_CONNECTED;
    G_TCP_CLIENT = link;
    EXPECT_TRUE(connectedAfterTabs);
    QFile log(DailyLogPath());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    log.seek(logBefore);
    const QString written = QString::fromUtf8(log.readAll());
    EXPECT_FALSE(written.contains(QStringLiteral("ERR[NO RESULT]"))) << written.toStdString();
    EXPECT_FALSE(parts.sameDay->loader().bA3FinOrd);
    EXPECT_FALSE(today->loader().bA1FinOrd);

    // Once the link is up (a new one, as after a login), the completed same-day tab loads at its
    // first visit.
    FreeTcpClient(G_TCP_CLIENT);
    CreateTcpClient(G_TCP_CLIENT);
    ASSERT_TRUE(ConnectServer(G_TCP_CLIENT, G_SERVER_HOST, G_SERVER_PORT, 10000));
    today->setActivePage(TFRM_ORD::tbEndSameDay);
    int completedLoads = 0;
    for (const SandboxRequest &r : host->receivedRequests())
        completedLoads += r.reqNum == QLatin1String("CS01_32_V02") && r.fields().value(5) == QLatin1String("1");
    EXPECT_EQ(completedLoads, 1);
}

TEST_F(TodayBoardsSandbox, PartnerHeadOfficeTickedBranchesNarrowTheSameDayBoard)
{
    loginAs("7001", QString());
    G_USER_SET.SEARCHSAMEDAY = "Y";
    makeScreen();
    today->setActivePage(TFRM_ORD::tbA3SameDay);
    ASSERT_TRUE(parts.sameDay->pollSameDay());
    parts.sameDay->engine().dispatchPending();
    const GridTableModel &m = parts.sameDay->models().grdA3View();
    const int br = m.columnIndex(QStringLiteral("grdA3Col_ORD_BR_CODE"));
    QStringList branches;
    for (int r = 0; r < m.recordCount(); ++r)
        if (!branches.contains(m.recordValue(r, br).toString()))
            branches << m.recordValue(r, br).toString();
    ASSERT_GE(branches.size(), 2) << "the head office's day spans branches";
    const int all = m.rowCount();

    // One branch ticked in the board's branch list: the same-day board shows only its orders.
    QList<BranchChoice> choices = {{QStringLiteral("전체"), QStringLiteral("0"), {}, {}, {}}};
    for (const QString &code : branches)
        choices.append({code, code, {}, {}, {}});
    grids->bar()->loadBranches(choices, 1, {branches.first()});
    parts.sameDay->proc_A3Filter();
    EXPECT_GT(m.rowCount(), 0);
    EXPECT_LT(m.rowCount(), all);
    const int cth = m.columnIndex(QStringLiteral("grdA3Col_CTH_BR_CODE"));
    for (int r = 0; r < m.rowCount(); ++r) {
        const int rec = m.recordOfRow(r);
        EXPECT_TRUE(m.recordValue(rec, br).toString() == branches.first()
                    || m.recordValue(rec, cth).toString() == branches.first());
    }
}

TEST_F(TodayBoardsSandbox, StoreOrderGridPaintsOpensItsMenuAndItsWindows)
{
    loginAs("1001", kDeskBranch);
    G_USER_INFO.ST = QStringLiteral("S000101");
    makeScreen();
    today->setActivePage(TFRM_ORD::tbA2Ord);
    parts.storeBoard->proc_Load_A2_Order_new();
    auto *view = today->CTV_TAKEOUT->findChild<QTableView *>();
    ASSERT_NE(view, nullptr);
    ASSERT_GT(view->model()->rowCount(), 0) << "the demo store has store orders";

    // Drawing, events and layout are the boards' own.
    EXPECT_NE(qobject_cast<BoardDelegate *>(view->itemDelegate()), nullptr);
    ASSERT_NE(grids->storeParts().events, nullptr);
    ASSERT_NE(grids->storeParts().layout, nullptr);

    // A right click opens the menu planned for the focused store order.
    const QModelIndex index = view->model()->index(0, 0);
    view->setCurrentIndex(index);
    const GridTableModel &store = parts.storeBoard->CTV_TAKEOUT();
    const QString no = store.recordValue(index.data(GridTableModel::kRecordRole).toInt(),
                                         store.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_NO")))
                           .toString();
    ASSERT_FALSE(no.isEmpty());
    grids->storeParts().events->cellClicked(Qt::RightButton, {}, view->mapToGlobal(QPoint(20, 40)), index);
    EXPECT_TRUE(grids->popupMenu()->menu()->isVisible());
    EXPECT_EQ(grids->popupState().fields.FPOP_ORDER_NO, no);
    grids->popupMenu()->menu()->hide();

    // "카드전표" asks the server for the order's card slip.
    host->clearReceived();
    OrderMenuCommand card;
    card.role = OrderMenuRole::CardReceipts;
    grids->actions().run(card);
    EXPECT_EQ(received("CS01_47_V01"), 1);

    // "인증단말기" opens the registered-PC window.
    QStringList opened;
    const RegDeviceAdminRunner before = SetRegDeviceAdminRunner([&](TfrmRegDeviceAdmin *w) { opened << w->windowTitle(); });
    today->btnRegDevice->click();
    SetRegDeviceAdminRunner(before);
    EXPECT_EQ(opened, QStringList{QStringLiteral("인증단말기 관리")});
}
} // namespace
