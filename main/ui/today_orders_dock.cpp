#include "main/ui/today_orders_dock.h"

#include "common/message_box.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "main/courier_refresh_binding.h"
#include "reference/edition_table.h"
#include "main/main_globals.h"
#include "reference/reference_loaders.h"
#include "reference/reference_state.h"
#include "main/status_bar_texts.h"
#include "main/ui/main_window.h"
#include "main/ui/reg_device_admin.h"
#include "main/ui/sound_player.h"
#include "main/ui/start_forms.h"
#include "main/ui/today_orders_grid_binding.h"
#include "main/ui/courier_status_panel.h"
#include "main/store_panel.h"
#include "records/reference_records.h"
#include "main/ui/side_panels_dock.h"
#include "messages/message_center.h"
#include "messages/notice_center.h"
#include "messages/ui/notice_article_window.h"
#include "orders/courier_refresh.h"
#include "boards/order_counts.h"
#include "orders/order_seams.h"
#include "orders/same_day_loader.h"
#include "boards/store_order_board.h"
#include "boards/ui/board_filter_bar.h"
#include "boards/ui/delivery_info_bar.h"
#include "boards/ui/same_day_panels.h"
#include "boards/ui/store_order_view.h"
#include "boards/ui/today_orders_screen.h"
#include "boards/ui/web_popup.h"
#include "platform/clock.h"
#include "records/business_rules.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <QColor>

namespace
{
QHash<QString, QString> names(const CodeNameTable &table)
{
    QHash<QString, QString> out;
    for (const CodeNameItem &item : table.items())
        if (!out.contains(item.value))
            out.insert(item.value, item.description);
    return out;
}

BoardColumnLookups mainWindowLookups()
{
    BoardColumnLookups l;
    l.status = names(CCB_O2);
    l.orderKind = names(CCB_O1);
    l.orderPath = names(CCB_O3);
    l.deliveryGroup = names(CCB_O8);
    l.posPath = names(CCB_PT);
    l.vanKind = names(CCB_VAN);
    l.dvryCount = names(cicbDvryCnt);
    return l;
}

// Every code column of a board takes the names of the code tables as they are now. Only the
// lookups change: the rows, the layout and the selection stay.
void applyLookups(GridTableModel &model, OrderBoard board, const BoardColumnLookups &lookups)
{
    const QList<BoardColumnInfo> &infos = BoardColumnInfos(board);
    for (int c = 0; c < infos.size(); ++c)
        if (infos.at(c).lookup != BoardLookup::None)
            model.setColumnLookup(c, BoardLookupNames(infos.at(c).lookup, lookups));
}

// The other boards' code columns, by their names.
void applyNamedLookups(GridTableModel &model, const QString &prefix, const BoardColumnLookups &l)
{
    const std::pair<const char *, const QHash<QString, QString> *> columns[] = {
        {"ORD_STATUS_CD", &l.status},       {"ORD_TYPE", &l.orderKind},      {"ORD_PATH_CD", &l.orderPath},
        {"DVRY_TYPE_CD", &l.deliveryGroup}, {"CTH_DVRY_TYPE_CD", &l.deliveryGroup},
        {"ST_DVRY_TYPE_CD", &l.deliveryGroup}, {"DVRY_CNT", &l.dvryCount},
    };
    for (const auto &[column, names] : columns)
        model.setColumnLookup(model.columnIndex(prefix + QLatin1String(column)), *names);
}
} // namespace

namespace
{
// The screen the maker made; it clears itself when the screen goes with its main window.
QPointer<TFRM_ORD> &madeScreen()
{
    static QPointer<TFRM_ORD> screen;
    return screen;
}
} // namespace

TFRM_ORD *TodayOrdersScreen()
{
    return madeScreen().data();
}

void procOrderTabVisibleCheck(TFRM_ORD *screen)
{
    if (!screen)
        return;
    for (int p = 0; p < TFRM_ORD::kPageCount; ++p)
        screen->setTabVisible(TFRM_ORD::Page(p), false);
    const bool store = QString(G_USER_INFO.USER_TYPE_CD).left(1) == QLatin1String("1");
    if (G_USER_SET.SEARCHNORMAL == QLatin1String("Y") || store) {
        screen->setTabVisible(TFRM_ORD::tbOrdNow, true);
        screen->setTabVisible(TFRM_ORD::tbOrdComp, true);
    }
    if (G_USER_SET.SEARCHSAMEDAY == QLatin1String("Y")) {
        screen->setTabVisible(TFRM_ORD::tbA3SameDay, true);
        screen->setTabVisible(TFRM_ORD::tbEndSameDay, true);
    }
    if (G_USER_SET.SEARCHSAMEDAY_HUB == QLatin1String("Y"))
        screen->setTabVisible(TFRM_ORD::tbHUBSameDay, true);
    if (store)
        screen->setTabVisible(TFRM_ORD::tbA2Ord, true);
    // The completed board needs the rights to see it, the spreadsheet download its own.
    if (!HasAuthGrade(3))
        screen->setTabVisible(TFRM_ORD::tbOrdComp, false);
    screen->btnOrdExcelSave->setEnabled(HasAuthGrade(2));
    screen->CTV_MAIN->horizontalHeader()->setSectionHidden(BoardColumnIndex(OrderBoard::Live, BoardCol::POS_TYPE_CD),
                                                           !store);
    screen->CTV_MAIN_COMP->horizontalHeader()->setSectionHidden(
        BoardColumnIndex(OrderBoard::Completed, BoardCol::POS_TYPE_CD), !store);
    // The first visible of the ordinary and same-day boards becomes the active page.
    for (const TFRM_ORD::Page p : {TFRM_ORD::tbOrdNow, TFRM_ORD::tbOrdComp, TFRM_ORD::tbA3SameDay,
                                   TFRM_ORD::tbHUBSameDay}) {
        if (screen->tabVisible(p)) {
            screen->setActivePage(p);
            break;
        }
    }
}

namespace
{
// The program's sound slots as the order boards ask for them.
class ProgramSounds final : public ISoundPlayer
{
public:
    void playSound(int slot) override { proc_playsound(slot); }
};

QColor statusColourOf(const QString &key)
{
    for (const StatusColour &c : ReadStatusColours(G_INI))
        if (c.key == key)
            return QColor(c.colour & 0xFF, (c.colour >> 8) & 0xFF, (c.colour >> 16) & 0xFF);
    return QColor(Qt::white);
}

SameDayTab sameDayTabOf(int page)
{
    switch (page) {
    case TFRM_ORD::tbEndSameDay: return SameDayTab::Completed;
    case TFRM_ORD::tbHUBSameDay: return SameDayTab::Logistics;
    default: return SameDayTab::Today;
    }
}

// The elapsed-time refresh of the live board: only the rows whose minute texts are due (or that
// changed) are worked out again. Changed rows stay marked, so the next count pass still decides
// their wait sound.
void refreshLiveElapsed(TFRM_ORD &screen)
{
    OrderBoardModels &boards = screen.boards();
    GridTableModel &live = boards.CTV_MAIN;
    const BoardTimeTexts texts(WallNowMs(), BoardTimeTexts::SettingsViewModes());
    live.beginUpdate();
    for (int r = 0; r < live.rowCount(); ++r) {
        const int rec = live.recordOfRow(r);
        LiveTimeCache::Row &row = boards.liveTimes.row(rec);
        if (row.dirty || texts.now() >= row.dueMs)
            row.dueMs = RefreshLiveTimes(live, rec, G_USER_SET.COOK_VIEW_TYPE, texts);
    }
    live.endUpdate();
}

constexpr char kPartsName[] = "todayOrdersBinding";

// The boards and bars of the screen that are built outside it, and their bindings to the main
// window's order-page poll. A child of the screen: it goes with the screen, and takes its hooks
// out of the poll when it goes, so the poll never calls into a screen that is gone.
class TodayOrdersBinding : public QObject
{
public:
    TodayOrdersBinding(TFRM_ORD *screen, TFRM_MAIN *main) : QObject(screen), m_screen(screen), m_main(main)
    {
        setObjectName(QLatin1String(kPartsName));
        buildStoreBoard();
        buildSameDay();
        BindCourierRefreshToSidePanels(courierRefresh.hooks());
        buildInfoBar();
        screen->engine().setSoundPlayer(&sounds);
        screen->engine().setPrinter(ShellActions().orderPrinter);
        bindScreen();
        bindLoader();
        bindPoll();
        // The code columns and the cancel menus follow the code tables whenever they are loaded.
        connect(&ReferenceEvents(), &ReferenceNotifier::changed, this, [this](ReferenceEvent e) {
            if (e == ReferenceEvent::CodeTablesLoaded) {
                takeCodeTables();
                if (TodayOrdersGridBinding *grids = TodayOrdersGrids(m_screen))
                    grids->takeCodeChoices();
            }
            else if (e == ReferenceEvent::CancelMenusBuilt)
                if (TodayOrdersGridBinding *grids = TodayOrdersGrids(m_screen))
                    grids->takeCodeTables();
        });
    }

    // The names of every board's code columns from the code tables as loaded now.
    void takeCodeTables()
    {
        if (!m_screen)
            return;
        const BoardColumnLookups lookups = mainWindowLookups();
        applyLookups(m_screen->boards().CTV_MAIN, OrderBoard::Live, lookups);
        applyLookups(m_screen->boards().CTV_MAIN_COMP, OrderBoard::Completed, lookups);
        applyNamedLookups(storeBoard.CTV_TAKEOUT(), QStringLiteral("CTV_TAKEOUT_"), lookups);
        applyNamedLookups(sameDay->models().grdA3View(), QStringLiteral("grdA3Col_"), lookups);
        applyNamedLookups(sameDay->models().grdEndView(), QStringLiteral("grdEndCol_"), lookups);
        applyNamedLookups(sameDay->logistics().grdHUBView(), QStringLiteral("grdHUBCol_"), lookups);
    }

    ~TodayOrdersBinding() override
    {
        if (!m_main)
            return;
        OrderPoller::Hooks &h = m_main->orderPolling.poller.hooks;
        for (std::function<bool()> *f : {&h.liveTabVisible, &h.storeTabVisible, &h.sameDayTabVisible,
                                         &h.logisticsTabVisible, &h.selectionOpen})
            *f = nullptr;
        for (std::function<void()> *f : {&h.courierList, &h.liveOrders, &h.storeOrders, &h.logistics,
                                         &h.deliveryGroupDisplay, &h.tickerStep, &h.refreshElapsed})
            *f = nullptr;
        h.sameDay = nullptr;
        m_main->orderPolling.stop();
    }

    StoreOrderBoard storeBoard;
    CourierListRefresh courierRefresh;
    ProgramSounds sounds;
    SameDayPanels *sameDay = nullptr;     // child of the screen
    DeliveryInfoBar *infoBar = nullptr;   // child of CLB_DVRY_INFO

private:
    OrderPolling &polling() { return m_main->orderPolling; }
    bool open() const { return m_screen && !m_screen->closed(); }
    BoardFilterBar *filterBar() const { return m_screen ? m_screen->findChild<BoardFilterBar *>() : nullptr; }

    void buildStoreBoard()
    {
        TFRM_ORD *s = m_screen;
        storeBoard.setNewOrderList(&s->gsl_New_Order);
        storeBoard.setSoundPlayer(&sounds);
        StoreOrderBoard::Hooks h;
        h.addStore = [](const QString &code) { proc_Add_StNo(code); };
        h.payName = [](const QString &code) {
            for (const CodeNameItem &item : CCB_O7.items())
                if (item.value == code)
                    return item.description;
            return QString();
        };
        h.setTopAreaEnabled = [s](bool on) { s->cxGroupBox2->setEnabled(on); };
        h.searchTimerOn = [this](bool resetTicks) {
            if (resetTicks)
                polling().poller.rearm();
            else
                polling().start();
        };
        h.filter = [this] {
            if (BoardFilterBar *bar = filterBar())
                bar->proc_Filter();
        };
        storeBoard.setHooks(std::move(h));
        s->CTV_TAKEOUT->layout()->addWidget(CreateStoreOrderView(storeBoard, s->CTV_TAKEOUT));
    }

    void storeCountsToScreen()
    {
        m_screen->iA2OrdCount = storeBoard.iA2OrdCount();
    }

    void buildSameDay()
    {
        TFRM_ORD *s = m_screen;
        SameDayPanels::Hooks h;
        h.printer = ShellActions().labelPrinter;
        h.statusColour = [](const QString &key) { return statusColourOf(key); };
        h.setPollTimer = [this](bool on) {
            if (on)
                polling().start();
            else
                polling().poller.stop();
        };
        h.resetPollPhase = [this] { polling().poller.rearm(); };
        h.liveMark = [this] { return open() ? m_screen->loader().gsSyncDate : QString(); };
        h.hasAuthGrade = [](int level) { return HasAuthGrade(level); };
        h.cancelReasons = [] {
            QList<QPair<QString, QString>> out;
            for (const CodeNameItem &item : CCB_O4.items())
                out.append({item.description, item.value});
            return out;
        };
        // A double click opens the order in the modify window, loading its store first when
        // the store list knows only its code.
        h.open.loadStoreInfo = [](const QString &storeCode) { proc_GetStInfo(storeCode); };
        h.open.openOrder = [](const QString &ordNo, const QString &status, const QString &ordGubun,
                              const QString &dayNo, const QString &orderType, const QString &shareGroup) {
            if (FRM_MAIN)
                FRM_MAIN->proc_Ord_Modify(ordNo, status, ordGubun, dayNo, orderType, shareGroup);
        };
        h.actions.confirm = [](const QString &text) { return MsgBox(text, QStringLiteral("Q")) == 1; };
        h.actions.inform = [](const QString &text) { MsgBox(text, QStringLiteral("I")); };
        // The pop-up fields are shared with the live pop-up, whose message action sends.
        h.messageCommand = [this](const OrderMenuCommand &command, const SameDayPopupOrder &order) {
            TodayOrdersGridBinding *grids = TodayOrdersGrids(m_screen);
            if (!grids)
                return;
            OrderPopupFields &f = grids->popupState().fields;
            f.FPOP_ORDER_STATUS = order.FPOP_ORDER_STATUS;
            f.FPOP_ORDER_NO = order.FPOP_ORDER_NO;
            f.FPOP_ORD_ST_CODE = order.FPOP_ORD_ST_CODE;
            f.FPOP_CTH_WK_CODE = order.FPOP_CTH_WK_CODE;
            f.FPOP_CTH_ST_CODE = order.FPOP_CTH_ST_CODE;
            f.FPOP_CTH_BR_CODE = order.FPOP_CTH_BR_CODE;
            f.FPOP_ORD_ST_TEL = order.FPOP_ORD_ST_TEL;
            grids->actions().run(command);
        };
        h.orderService = [this] {
            TodayOrdersGridBinding *grids = TodayOrdersGrids(m_screen);
            return grids ? grids->popupState().fields.FPOP_ORDER_SERVICE : QString();
        };
        // A partner head office's ticked branches narrow the same-day boards.
        h.branchCodes = [this] {
            QStringList codes;
            if (TodayOrdersGridBinding *grids = TodayOrdersGrids(m_screen))
                for (const auto &[code, name] : grids->bar()->selections().tickedBranches())
                    codes << code;
            return codes;
        };
        sameDay = new SameDayPanels(std::move(h), s);
        s->grdA3View->layout()->addWidget(sameDay->a3Page(s->grdA3View));
        s->grdEndView->layout()->addWidget(sameDay->endPage(s->grdEndView));
        s->grdHUBView->layout()->addWidget(sameDay->hubPage(s->grdHUBView));
        s->pnlSameDayFiltr->layout()->addWidget(sameDay->filterBar(s->pnlSameDayFiltr));
        connect(s, &TFRM_ORD::pageChanged, this, [this](int page) {
            if (page == TFRM_ORD::tbA3SameDay || page == TFRM_ORD::tbEndSameDay || page == TFRM_ORD::tbHUBSameDay) {
                sameDay->setActiveTab(sameDayTabOf(page));
                m_screen->bA3FinOrd = sameDay->loader().bA3FinOrd;
            }
        });
    }

    void buildInfoBar()
    {
        TFRM_ORD *s = m_screen;
        // The bar builds its own notice line and ticker in the container.
        delete s->LB_NOTICE;
        delete s->dxWheelPicker1;
        infoBar = new DeliveryInfoBar(s->CLB_DVRY_INFO);
        s->LB_NOTICE = infoBar->LB_NOTICE;
        s->dxWheelPicker1 = infoBar->tickerLabel;
        connect(infoBar, &DeliveryInfoBar::noticeClicked, this, [this](int seqNo) {
            infoBar->bArticle = true;
            QPointer<DeliveryInfoBar> bar = infoBar;
            QPointer<TFRM_MAIN> main = m_main;
            OpenNoticeArticle(seqNo, {[main](const QString &seq) {
                                          if (!main)
                                              return;
                                          if (main->messageCenter)
                                              main->messageCenter->notices().removeUnread(seq);
                                      },
                                      [bar] {
                                          if (bar)
                                              bar->bArticle = false;
                                      }});
        });
    }

    void bindScreen()
    {
        TFRM_ORD *s = m_screen;
        TFRM_ORD::Hooks &h = s->hooks;
        // Reload-all: every mark is forgotten (queued batches of the old marks are dropped) and
        // the live board is asked for afresh at once; the other boards follow on the next poll.
        h.loadLive = [this] {
            polling().poller.stop();
            m_screen->loader().reloadAll();
            polling().storeCash.reloadAll();
            storeBoard.reloadAll();
            m_screen->loader().proc_Load_Order();
        };
        // The login decides the tabs before the shared link exists, and hiding them passes the
        // current page across the completed boards: with no link there is nothing to ask (a
        // failed ask would mark the link down), and the board loads when its tab is next shown.
        h.loadCompleted = [this] {
            if (G_TCP_CLIENT)
                m_screen->loader().procLoadA1OrderFinish();
        };
        h.stopPolling = [this] { polling().stop(); };
        h.pollingActive = [this] { return polling().poller.isActive(); };
        h.stopElapsedTimer = [this] { polling().poller.setPassTimeEnabled(false); };
        h.startElapsedTimer = [this] { polling().poller.setPassTimeEnabled(true); };
        h.elapsedTimerActive = [this] { return polling().poller.passTimeActive(); };
        h.storeOrderCount = [this] {
            storeBoard.procA2Check();
            storeCountsToScreen();
        };
        // The screen asks when its flag is down: at the first visit, and again after a new
        // branch selection cleared it.
        h.loadCompletedSameDay = [this](const QString &) {
            if (!G_TCP_CLIENT)
                return;
            sameDay->loader().bA3FinOrd = false;
            sameDay->loadCompleted();
            m_screen->bA3FinOrd = sameDay->loader().bA3FinOrd;
        };
        h.sameDayFinishKind = [] { return SameDayCompletedKind(); };
        h.sameDayCountView = [this] { sameDay->proc_SameDayCountView(); };
        h.sameDayTotalClick = [this] { sameDay->filterBar()->pressTotal(); };
        h.playSound = [](int slot) { proc_playsound(slot); };
    }

    void bindLoader()
    {
        LiveOrderLoader::Hooks &h = m_screen->loader().hooks;
        h.rearmPoll = [this] { polling().poller.rearm(); };
        h.passTime = [this](bool on) { polling().poller.setPassTimeEnabled(on); };
        h.recountStoreCalls = [this] {
            if (open())
                m_screen->proc_ReCountStatusCallSum();
        };
    }

    void bindPoll()
    {
        OrderPoller::Hooks &h = polling().poller.hooks;
        const auto shown = [this](TFRM_ORD::Page page) {
            return [this, page] { return open() && m_screen->tabVisible(page); };
        };
        h.liveTabVisible = shown(TFRM_ORD::tbOrdNow);
        h.storeTabVisible = shown(TFRM_ORD::tbA2Ord);
        h.sameDayTabVisible = shown(TFRM_ORD::tbA3SameDay);
        h.logisticsTabVisible = shown(TFRM_ORD::tbHUBSameDay);
        h.selectionOpen = [this] {
            if (!open())
                return true;
            BoardFilterBar *bar = filterBar();
            return bar && bar->selections().FCB_SELECT_MNGBR;
        };
        h.courierList = [this] { courierRefresh.proc_Dvry_List(); };
        h.liveOrders = [this] {
            if (open())
                m_screen->loader().proc_Load_Order();
        };
        h.storeOrders = [this] {
            storeBoard.proc_Load_A2_Order_new();
            storeCountsToScreen();
        };
        h.sameDay = [this](const QString &) { sameDay->pollSameDay(); };
        h.logistics = [this] { sameDay->pollLogistics(); };
        h.deliveryGroupDisplay = [this] {
            if (m_main->messageCenter) {
                NoticeCenter &notices = m_main->messageCenter->notices();
                infoBar->proc_Dvry_Display(notices.gsl_Notice3, notices.bNotice2);
            } else {
                bool unchanged = false;
                infoBar->proc_Dvry_Display({}, unchanged);
            }
        };
        h.tickerStep = [this] { infoBar->tick(); };
        h.refreshElapsed = [this] {
            if (open())
                refreshLiveElapsed(*m_screen);
        };
    }

    QPointer<TFRM_ORD> m_screen;
    QPointer<TFRM_MAIN> m_main;
};
} // namespace

TodayOrdersParts TodayOrdersPartsOf(TFRM_ORD *screen)
{
    if (!screen)
        return {};
    auto *binding = static_cast<TodayOrdersBinding *>(
        screen->findChild<QObject *>(QLatin1String(kPartsName), Qt::FindDirectChildrenOnly));
    if (!binding)
        return {};
    return {&binding->storeBoard, binding->sameDay, &binding->courierRefresh, binding->infoBar};
}

void InstallTodayOrdersScreen()
{
    SetStartFormMaker(StartForm::TFRM_ORD, [](TFRM_MAIN *main) -> QWidget * {
        auto *w = new TFRM_ORD(main);
        w->setObjectName(QStringLiteral("TFRM_ORD"));
        madeScreen() = w;
        const int row = G_EDITION_IDX >= 0 && G_EDITION_IDX < kEditionCount ? G_EDITION_IDX : kThisEdition;
        w->setColumnLookups(mainWindowLookups(), {G_ED_MONEY_WORD.at(size_t(row)), G_ED_FEE_WORD.at(size_t(row)),
                                                  G_ED_COMMISSION_WORD.at(size_t(row))});
        w->hooks.applyStatusColor = [main] { main->procApplyStatusColor(); };
        w->hooks.openRegisteredDevices = [w] { ShowRegDeviceAdmin(w); };
        // The count labels carry the colour of the status named in their Tag ("CB_" + status).
        ShellActions().applyStatusColours = [w = QPointer<TFRM_ORD>(w)](const QList<StatusColour> &colours) {
            if (!w)
                return;
            for (const StatusColour &c : colours)
                for (QLabel *label : w->countLabels) {
                    if (!label || QStringLiteral("CB_") + QString::number(label->property("Tag").toInt()) != c.key)
                        continue;
                    QPalette pal = label->palette();
                    pal.setColor(QPalette::Window, QColor(c.colour & 0xFF, (c.colour >> 8) & 0xFF, (c.colour >> 16) & 0xFF));
                    label->setPalette(pal);
                    label->setAutoFillBackground(true);
                }
        };
        // The boards and the poll first, so that the grid side finds the store-order board.
        (new TodayOrdersBinding(w, main))->takeCodeTables();
        TodayOrdersGridOptions gridOptions;
        QPointer<TFRM_ORD> screen(w);
        gridOptions.runTabSearch = [screen] {
            const TodayOrdersParts parts = TodayOrdersPartsOf(screen);
            if (!screen || !parts.sameDay)
                return false;
            const TFRM_ORD::Page page = screen->activePage();
            if (page == TFRM_ORD::tbA3SameDay || page == TFRM_ORD::tbEndSameDay) {
                parts.sameDay->proc_A3Filter();
                return true;
            }
            if (page == TFRM_ORD::tbHUBSameDay) {
                parts.sameDay->proc_HUBFilter();
                return true;
            }
            return false;
        };
        gridOptions.reloadStoreOrders = [screen] {
            if (StoreOrderBoard *board = TodayOrdersPartsOf(screen).storeBoard)
                board->proc_Load_A2_Order_new();
        };
        gridOptions.refreshCourierList = [screen] {
            if (CourierListRefresh *couriers = TodayOrdersPartsOf(screen).courierRefresh) {
                G_DVRY_SYNC_DT.clear();
                couriers->proc_Dvry_List();
            }
        };
        BindTodayOrdersGrids(*w, std::move(gridOptions));
        main->DockBoard(w);
        if (!G_USER_INFO.ID.isEmpty())
            procOrderTabVisibleCheck(w);
        w->FormShow();
        return w;
    });
}

void LoadTodayOrdersGridLayouts(TFRM_ORD &screen)
{
    if (TodayOrdersGridBinding *grids = TodayOrdersGrids(&screen))
        grids->loadGridLayouts();
}

void BindBoardReferenceSteps(ReferenceLoaderTable &table, TFRM_MAIN *window)
{
    using namespace RefStep;
    auto bind = [&table](const char *name, ReferenceLoader f) { table.insert(QString::fromLatin1(name), std::move(f)); };
    // The steps reach the screens as they are when they run: a screen or panel that is gone
    // (or was never made) has nothing to fill.
    auto grids = [] { return TodayOrdersGrids(TodayOrdersScreen()); };
    auto courier = [window]() -> CourierStatusPanel * { return FRM_MAIN == window ? DockedCourierPanel(*window) : nullptr; };

    // The branch list holds each branch's name, code and delivery group together: each of the
    // three steps fills it whole, every branch ticked.
    for (const char *name : {kBoardBrName, kBoardBrCode, kBoardDvryType})
        bind(name, [grids] {
            if (TodayOrdersGridBinding *g = grids())
                g->fillSelections(false);
        });
    bind(kMainBrName, [courier] {
        if (CourierStatusPanel *c = courier())
            c->fillBranchesFromLists();
    });
    bind(kMainBrCode, [courier] {
        if (CourierStatusPanel *c = courier())
            c->fillBranchesFromLists();
    });
    bind(kDvryBrSelectAdd, [courier] {
        if (CourierStatusPanel *c = courier())
            c->model().procDvryBRSelectAddList();
    });
    // The saved ticks of this login; the master stores the list shows come with the same fill,
    // so the master-store step fills it again once the master stores are known.
    for (const char *name : {kSavedBranches, kBoardBrSt})
        bind(name, [grids] {
            if (TodayOrdersGridBinding *g = grids())
                g->fillSelections(true);
        });
    bind(kBoardBrChange, [grids] {
        if (TodayOrdersGridBinding *g = grids())
            g->closeBranches();
    });
    bind(kDvryBrWkCount, [courier] {
        if (CourierStatusPanel *c = courier()) {
            c->model().procDvryBRSelectWkCount();
            c->model().procDvryWkCountDisplay();
        }
    });
    bind(kFilter, [grids] {
        if (TodayOrdersGridBinding *g = grids())
            g->runFilter();
    });
    bind(kDvryList, [] {
        if (CourierListRefresh *couriers = TodayOrdersPartsOf(TodayOrdersScreen()).courierRefresh)
            couriers->proc_Dvry_List();
    });
    // The branches' master stores, rebuilt from the store list.
    bind(kBrStCodes, [] {
        G_SL_MASTER_ST_CODE.clear();
        G_SL_MASTER_DVRY_TYPE.clear();
        G_SL_MASTER_BR_CODE.clear();
        SetBrStCodeList();
    });
    // The synchronization: the next poll reloads the cash and the store states whole, and the
    // branch lists of the board and of the courier panel are filled again.
    bind(kReInitBoardLists, [window, grids, courier] {
        if (FRM_MAIN == window)
            window->orderPolling.reinitialize();
        if (TodayOrdersGridBinding *g = grids())
            g->fillSelections(false);
        if (CourierStatusPanel *c = courier())
            c->fillBranchesFromLists();
    });
}
