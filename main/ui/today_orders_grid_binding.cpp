#include "main/ui/today_orders_grid_binding.h"

#include "start/login.h"
#include "reference/reference_loaders.h"
#include "reference/reference_state.h"
#include "main/status_bar_texts.h"
#include "main/ui/main_window.h"
#include "main/ui/shell_popups.h"
#include "main/ui/sound_player.h"
#include "main/ui/start_forms.h"
#include "messages/message_center.h"
#include "boards/board_selections.h"
#include "messages/ui/message_windows.h"
#include "orders/courier_refresh.h"
#include "boards/new_order_alarm.h"
#include "orders/order_globals.h"
#include "boards/ui/board_export.h"
#include "boards/ui/new_order_alarm_window.h"
#include "boards/ui/order_bundle_window.h"
#include "boards/ui/order_popup_menu.h"
#include "boards/ui/status_colour_choice.h"
#include "boards/ui/today_orders_screen.h"
#include "platform/clock.h"
#include "records/business_rules.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

#include <QAbstractProxyModel>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTableView>

namespace
{
// The grid model behind a view, through any proxies.
GridTableModel *gridModelOf(QAbstractItemModel *model)
{
    while (model) {
        if (auto *grid = qobject_cast<GridTableModel *>(model))
            return grid;
        auto *proxy = qobject_cast<QAbstractProxyModel *>(model);
        model = proxy ? proxy->sourceModel() : nullptr;
    }
    return nullptr;
}

QTableView *firstTable(QWidget *container)
{
    return container ? container->findChild<QTableView *>() : nullptr;
}

void addToLayout(QWidget *container, QWidget *widget)
{
    if (!container || !widget)
        return;
    if (!container->layout())
        new QHBoxLayout(container);
    container->layout()->addWidget(widget);
}

OrderMenuTab menuTabOf(int page)
{
    switch (page) {
    case TFRM_ORD::tbOrdNow: return OrderMenuTab::Live;
    case TFRM_ORD::tbOrdComp: return OrderMenuTab::Completed;
    case TFRM_ORD::tbA2Ord: return OrderMenuTab::StoreOrders;
    default: return OrderMenuTab::Other;
    }
}

OrderMenuTab menuTabOf(BoardGrid grid)
{
    switch (grid) {
    case BoardGrid::Live: return OrderMenuTab::Live;
    case BoardGrid::Completed: return OrderMenuTab::Completed;
    case BoardGrid::StoreOrders: return OrderMenuTab::StoreOrders;
    }
    return OrderMenuTab::Other;
}

QString orderNoColumn(BoardGrid grid)
{
    switch (grid) {
    case BoardGrid::Live: return QStringLiteral("CTV_MAIN_ORD_NO");
    case BoardGrid::Completed: return QStringLiteral("CTV_MAIN_COMP_ORD_NO");
    case BoardGrid::StoreOrders: return QStringLiteral("CTV_TAKEOUT_ORD_NO");
    }
    return {};
}

int focusedRecord(QTableView *view, const GridTableModel *model)
{
    if (!view || !model)
        return -1;
    const QModelIndex current = view->currentIndex();
    if (!current.isValid())
        return -1;
    const QVariant rec = current.data(GridTableModel::kRecordRole);
    if (!rec.isValid())
        return -1;
    const int record = rec.toInt();
    return record >= 0 && record < model->recordCount() ? record : -1;
}

QString cellText(const GridTableModel &model, int record, const QString &column)
{
    const int c = model.columnIndex(column);
    return c < 0 ? QString() : model.recordValue(record, c).toString();
}
} // namespace

TodayOrdersGridBinding::TodayOrdersGridBinding(TFRM_ORD &screen, TodayOrdersGridOptions options)
    : QObject(&screen), m_screen(screen), m_options(std::move(options))
{
    setObjectName(QStringLiteral("todayOrdersGridBinding"));
    m_colours.takeUserColours(G_USER_SET);
    bindFilterBar();
    bindGrids();
    bindPopup();
    screen.installEventFilter(this);
    if (!G_USER_INFO.ID.isEmpty())
        loadSelections();
}

TodayOrdersGridBinding::~TodayOrdersGridBinding() = default;

// ---- filter bar ------------------------------------------------------------------------------

void TodayOrdersGridBinding::bindFilterBar()
{
    TFRM_ORD &s = m_screen;
    m_bar = new BoardFilterBar(&s);
    // The bar brings its own counters and searches; the screen's empty stand-ins give way.
    if (auto *counts = s.pnlNormalFilter->findChild<QWidget *>(QStringLiteral("pnlStatusCounts")))
        counts->hide();
    if (s.pnlNormalSearch)
        s.pnlNormalSearch->hide();
    addToLayout(s.pnlNormalFilter, m_bar->normalFilter());
    addToLayout(s.Panel1, m_bar->selectionPanel());
    addToLayout(s.pnlShareFilter, m_bar->shareFilter());
    // Panel3 keeps its own buttons (their enabling belongs to the screen); they hand the click on.
    m_bar->CBT_SEARCH->hide();
    m_bar->btnDvryGrpSet->hide();
    connect(s.CBT_SEARCH, &QPushButton::clicked, m_bar->CBT_SEARCH, &QPushButton::click);
    connect(s.btnDvryGrpSet, &QPushButton::clicked, m_bar->btnDvryGrpSet, &QPushButton::click);

    setStoreOrderModel(nullptr);
    findStoreOrderModel();
    // The screen lets go of its models before its widgets hide for the last time, and a hiding
    // drop-down still closes its list and refilters: from then on the bar has no boards and
    // sets nothing off.
    connect(&s.boards().CTV_MAIN, &QObject::destroyed, this, [this] {
        m_modelsGone = true;
        m_bar->setModels(nullptr, nullptr, nullptr);
        m_bar->setHooks({});
    });

    TFRM_ORD *screen = &s;
    BoardFilterBar::Hooks h;
    // Every count pass (after each batch and on a filter change) shows its counters in the bar.
    h.recount = [this] { m_screen.proc_Chk_Cnt(); };
    connect(&s, &TFRM_ORD::countsChanged, this, &TodayOrdersGridBinding::copyCounts);
    copyCounts();
    h.pausePolling = [] {
        if (FRM_MAIN)
            FRM_MAIN->orderPolling.poller.stop();
    };
    h.resumePolling = [] {
        if (FRM_MAIN)
            FRM_MAIN->orderPolling.poller.start();
    };
    h.runTabSearch = [this] { return m_options.runTabSearch && m_options.runTabSearch(); };
    h.setReloadAllEnabled = [screen](bool on) { screen->btnLoadOrderAll->setEnabled(on); };
    h.clearCompletedLoaded = [screen] {
        if (!screen->closed())
            screen->loader().bA1FinOrd = false;
        screen->bA3FinOrd = false;
    };
    h.recountCallSums = [screen] { screen->proc_ReCountStatusCallSum(); };
    h.recountCouriers = [] { CourierListRefresh::procBRSelectWkCount(); };
    h.checkStoreOrders = [screen] {
        if (screen->hooks.storeOrderCount)
            screen->hooks.storeOrderCount();
    };
    m_bar->setHooks(std::move(h));

    // Every filter run (and so every applied batch) goes through the bar.
    s.hooks.runFilter = [this] { m_bar->proc_Filter(); };

    // A double click on a counter lets the user choose its status colour.
    for (int b = 0; b < kStatusButtonCount; ++b)
        if (QLabel *label = m_bar->countLabel(StatusButtonTag(b)))
            label->installEventFilter(this);
}

void TodayOrdersGridBinding::loadSelections()
{
    if (m_selectionsLoaded)
        return;
    fillSelections(true);
    const int pos = G_INI ? G_INI->ReadInteger(QStringLiteral("ORD"), QStringLiteral("DISPOS"), 9) : 9;
    m_bar->setDistancePosition(std::clamp(pos, 0, 10));
}

void TodayOrdersGridBinding::fillSelections(bool savedTicks)
{
    m_selectionsLoaded = true;
    const QString cls = QString(G_USER_INFO.USER_TYPE_CD).left(1);
    if (cls == QLatin1String("1")) {
        m_bar->setUserClass(QStringLiteral("1"));
        m_bar->loadPaths(PathCheckItems());
        m_bar->loadPosTypes(PosTypeCheckItems());
        m_bar->closePaths();
        m_bar->closePosTypes();
        return;
    }
    m_bar->setUserClass(cls);
    const bool partner = cls == QLatin1String("7");
    m_bar->loadBranches(LoginBranchChoices(partner), partner ? 1 : 0,
                        savedTicks ? ReadCheckedBranches(G_INI, G_USER_INFO.HD, G_USER_INFO.BR) : QStringList());
    if (!savedTicks)
        return;
    m_bar->closeBranches();
}

void TodayOrdersGridBinding::closeBranches()
{
    m_bar->closeBranches();
}

void TodayOrdersGridBinding::runFilter()
{
    m_bar->proc_Filter();
}

void TodayOrdersGridBinding::takeCodeTables()
{
    QList<OrderCancelReason> reasons;
    for (const CodeNameItem &item : CCB_O4.items())
        reasons.append({item.value, item.description});
    m_popup->setCancelReasons(reasons);
    if (m_alarmWindow) {
        QList<AlarmRejectReason> rejects;
        for (const CodeNameItem &item : CCB_O4_1.items())
            rejects.append(MakeAlarmRejectReason(item.description, item.value));
        m_alarmWindow->setRejectReasons(rejects);
    }
}

void TodayOrdersGridBinding::takeCodeChoices()
{
    // A store's order-path and POS-path choices are code tables too: taken before the tables
    // arrived they are empty, and then no order of the store counts. Take them again, with
    // their saved ticks, and count the boards under them.
    if (!QString(G_USER_INFO.USER_TYPE_CD).startsWith(QLatin1Char('1')))
        return;
    fillSelections(true);
    m_screen.proc_ReCountStatusCallSum();
    m_screen.proc_Chk_Cnt();
}

void TodayOrdersGridBinding::loadGridLayouts()
{
    // The internal columns hide first; the layout then decides the check column, which is
    // internal except on the order-control screen.
    m_screen.applyColumnTags();
    if (m_live.layout) {
        m_live.layout->setRules(LiveBoardLayoutRules(G_USER_SET.ViewWorkControlType));
        m_live.layout->load();
    }
    if (m_completed.layout)
        m_completed.layout->load();
}

bool TodayOrdersGridBinding::selectionOpen() const
{
    return m_bar->selections().FCB_SELECT_MNGBR;
}

void TodayOrdersGridBinding::setStoreOrderModel(GridTableModel *model)
{
    if (m_modelsGone)
        return;
    if (m_storeModel)
        disconnect(m_storeModel, &QObject::destroyed, this, nullptr);
    m_storeModel = model;
    m_bar->setModels(&m_screen.boards().CTV_MAIN, &m_screen.boards().CTV_MAIN_COMP, model);
    if (model)
        connect(model, &QObject::destroyed, this, [this] {
            m_storeModel = nullptr;
            if (!m_modelsGone)
                m_bar->setModels(&m_screen.boards().CTV_MAIN, &m_screen.boards().CTV_MAIN_COMP, nullptr);
        });
}

void TodayOrdersGridBinding::findStoreOrderModel()
{
    // The store-order board may be put into its container after this binding was made.
    if (m_storeModel) {
        attachStoreGrid();
        return;
    }
    if (QTableView *store = firstTable(m_screen.CTV_TAKEOUT))
        if (GridTableModel *model = gridModelOf(store->model()))
            setStoreOrderModel(model);
    attachStoreGrid();
}

void TodayOrdersGridBinding::copyCounts()
{
    // The count pass writes the screen's counters; the bar's labels are the ones on show.
    for (QLabel *label : m_screen.countLabels) {
        if (!label)
            continue;
        // As text: a completed counter reads "-" until the completed orders are loaded.
        m_bar->setCountText(label->property("Tag").toInt(), label->text().trimmed());
    }
}

void TodayOrdersGridBinding::applyStatusColours(const QList<std::pair<QString, TColor>> &colours)
{
    for (const auto &[key, colour] : colours) {
        m_bar->setStatusColour(key, colour);
        m_colours.setStatusColour(key, colour);
    }
    m_colours.takeUserColours(G_USER_SET);
    m_screen.CTV_MAIN->viewport()->update();
    m_screen.CTV_MAIN_COMP->viewport()->update();
    if (QTableView *store = gridView(BoardGrid::StoreOrders))
        store->viewport()->update();
}

// ---- grids -----------------------------------------------------------------------------------

QTableView *TodayOrdersGridBinding::gridView(BoardGrid grid) const
{
    switch (grid) {
    case BoardGrid::Live: return m_screen.CTV_MAIN;
    case BoardGrid::Completed: return m_screen.CTV_MAIN_COMP;
    case BoardGrid::StoreOrders: return firstTable(m_screen.CTV_TAKEOUT);
    }
    return nullptr;
}

GridTableModel *TodayOrdersGridBinding::gridModel(BoardGrid grid) const
{
    switch (grid) {
    case BoardGrid::Live: return &m_screen.boards().CTV_MAIN;
    case BoardGrid::Completed: return &m_screen.boards().CTV_MAIN_COMP;
    case BoardGrid::StoreOrders:
        if (m_storeModel)
            return m_storeModel;
        if (QTableView *v = gridView(grid))
            return gridModelOf(v->model());
        return nullptr;
    }
    return nullptr;
}

void TodayOrdersGridBinding::attachStoreGrid()
{
    // The store-order grid gets the same painting, events, popup and layout keeping as the
    // others, once the store-order board has put its view into CTV_TAKEOUT.
    if (m_store.events || !m_eventHooks.prepareOrderPopup)
        return;
    QTableView *view = gridView(BoardGrid::StoreOrders);
    GridTableModel *model = gridModel(BoardGrid::StoreOrders);
    if (!view || !model)
        return;
    m_store = AttachBoardGrid(view, {BoardGrid::StoreOrders, model, &m_selection, m_eventHooks,
                                     [this] { return m_colours; }, {}, G_USER_SET.ViewWorkControlType});
}

QString TodayOrdersGridBinding::focusedOrderNo(BoardGrid grid) const
{
    const GridTableModel *model = gridModel(grid);
    const int record = focusedRecord(gridView(grid), model);
    return record < 0 ? QString() : cellText(*model, record, orderNoColumn(grid));
}

void TodayOrdersGridBinding::bindGrids()
{
    TFRM_ORD *screen = &m_screen;
    BoardEventHooks h;
    h.prepareOrderPopup = [this](BoardGrid grid) { return preparePopup(grid); };
    h.popupOrderMenu = [this](const QPoint &pos) { m_popup->popup(pos); };
    h.openBundle = [this] {
        if (!m_bundleWindow)
            return;
        OrderPopupFields f = m_popupState.fields;
        f.FPOP_ORDER_NO = m_selection.FPOP_ORDER_NO;
        f.FPOP_ORD_GRP_NO = m_selection.FPOP_ORD_GRP_NO;
        m_bundleWindow->openFor(f);
    };
    // A store the main window does not know yet is added; one without its record (no name yet)
    // has it loaded, with its goods.
    h.ensureStore = [](const QString &storeCode) {
        if (storeCode.isEmpty())
            return;
        if (!G_ST_LIST.contains(storeCode))
            proc_Add_StNo(storeCode);
        const TST_LIST *st = G_ST_LIST.find(storeCode);
        if (st && st->ST_NAME.isEmpty())
            proc_GetStInfo(storeCode);
    };
    h.openOrder = [](const BoardOrderOpen &open) {
        if (!FRM_MAIN)
            return;
        if (open.kind == BoardOrderOpen::Modify)
            FRM_MAIN->proc_Ord_Modify(open.ordNo, open.status, open.ordGubun, open.dayNo, open.orderType,
                                      open.shareGroup);
        else if (open.kind == BoardOrderOpen::ModifyQuick)
            FRM_MAIN->proc_Ord_Modify_Quick(open.ordNo, open.status, open.dayNo, open.ordGubun);
    };

    m_eventHooks = h;
    auto colours = [this] { return m_colours; };
    const QString control = G_USER_SET.ViewWorkControlType;
    m_live = AttachBoardGrid(screen->CTV_MAIN,
                             {BoardGrid::Live, &screen->boards().CTV_MAIN, &m_selection, h, colours, {}, control});
    m_completed = AttachBoardGrid(
        screen->CTV_MAIN_COMP,
        {BoardGrid::Completed, &screen->boards().CTV_MAIN_COMP, &m_selection, h, colours, {}, control});
    attachStoreGrid();
    m_completed.events->setLiveEvents(m_live.events);
    // A saved layout may have shown internal columns again.
    screen->applyColumnTags();

    // The screen keeps the focused orders for its loaders.
    connect(screen->CTV_MAIN->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { m_screen.FSELECT_ORD_NO = focusedOrderNo(BoardGrid::Live); });
    connect(screen->CTV_MAIN_COMP->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { m_screen.FSELECT_ORD_NO_COMP = focusedOrderNo(BoardGrid::Completed); });

    connect(screen->btnOrdExcelSave, &QPushButton::clicked, this, &TodayOrdersGridBinding::exportActiveBoard);
}

void TodayOrdersGridBinding::exportActiveBoard()
{
    BoardExportTab tab = BoardExportTab::LiveOrCompleted;
    switch (m_screen.activePage()) {
    case TFRM_ORD::tbA2Ord: tab = BoardExportTab::StoreOrders; break;
    case TFRM_ORD::tbA3SameDay: tab = BoardExportTab::SameDay; break;
    case TFRM_ORD::tbEndSameDay: tab = BoardExportTab::SameDayCompleted; break;
    case TFRM_ORD::tbHUBSameDay: tab = BoardExportTab::Logistics; break;
    default: break;
    }
    BoardExportViews views;
    views.live = m_screen.CTV_MAIN;
    views.completed = m_screen.CTV_MAIN_COMP;
    views.store = firstTable(m_screen.CTV_TAKEOUT);
    views.sameDay = firstTable(m_screen.grdA3View);
    views.logistics = firstTable(m_screen.grdHUBView);
    const QDate day = QDate::fromString(BusinessDate(AppClock::now()), QStringLiteral("yyyyMMdd"));
    ExportBoards(tab, views, day);
}

// ---- popup, actions, bundle, alarm -----------------------------------------------------------

bool TodayOrdersGridBinding::preparePopup(BoardGrid grid)
{
    GridTableModel *model = gridModel(grid);
    const int record = focusedRecord(gridView(grid), model);
    std::optional<OrderMenuRow> row;
    if (record >= 0)
        row = OrderMenuRow::fromCells(menuTabOf(grid),
                                      [&](const QString &column) { return cellText(*model, record, column); });
    const OrderMenuPlan plan = PlanOrderMenu(menuTabOf(grid), row, OrderMenuUser::current(), AppClock::now());
    if (!m_popupState.apply(plan))
        return false;
    m_popupRow = row;
    m_popupGrid = grid;
    m_actions->setTab(menuTabOf(grid));
    m_popup->applyPlan(plan);
    return true;
}

void TodayOrdersGridBinding::bindPopup()
{
    TFRM_ORD *screen = &m_screen;
    m_popup = new OrderPopupMenu(screen);
    takeCodeTables();

    OrderActionHooks h;
    h.rights3 = [] { return HasAuthGrade(3); };
    h.reloadLiveOrders = [screen] {
        if (!screen->closed())
            screen->loader().proc_Load_Order();
    };
    h.reloadStoreOrders = [this] {
        if (m_options.reloadStoreOrders)
            m_options.reloadStoreOrders();
    };
    // Re-planned for the grid the popup was opened on, not always the live one.
    h.refreshPopup = [this] { return preparePopup(m_popupGrid); };
    h.rememberFocusedOrder = [this] {
        m_screen.FSELECT_ORD_NO = focusedOrderNo(BoardGrid::Live);
        m_selection.FSELECT_ORD_NO = m_screen.FSELECT_ORD_NO;
    };
    h.suspendLiveGrid = [screen](bool on) {
        if (on)
            screen->boards().CTV_MAIN.beginUpdate();
        else
            screen->boards().CTV_MAIN.endUpdate();
    };
    h.refreshCourierList = [this] {
        G_DVRY_SYNC_DT.clear();
        if (m_options.refreshCourierList)
            m_options.refreshCourierList();
    };
    h.sendMessage = [](const TMSG_LIST &msg) {
        if (FRM_MAIN && FRM_MAIN->messageCenter)
            FRM_MAIN->messageCenter->proc_Send_Message(msg);
    };
    h.openComposer = [](const TMSG_LIST &msg, const QString &shortNo, const QString &groupName) {
        if (FRM_MAIN && FRM_MAIN->messageWindows)
            FRM_MAIN->messageWindows->openComposer(msg, shortNo, groupName);
    };
    h.cardReceipts = [](const QString &orderNo, const QString &gubun) { procCardApprList(orderNo, gubun); };
    h.openOrderCheck = [this] {
        const OrderMenuRow row = m_popupRow.value_or(OrderMenuRow{});
        alarmWindow()->openFor(row.STATUS_CD, row.ARR_TIME, m_popupState.fields.FPOP_ORDER_NO);
    };
    h.openBundle = [this] {
        if (m_bundleWindow)
            m_bundleWindow->openFor(m_popupState.fields);
    };
    m_actions = std::make_unique<OrderActions>(m_popupState, std::move(h));
    connect(m_popup, &OrderPopupMenu::commandTriggered, this,
            [this](const OrderMenuCommand &command) { m_actions->run(command); });
    connect(screen, &TFRM_ORD::pageChanged, this, [this](int page) {
        m_actions->setTab(menuTabOf(page));
        if (page == TFRM_ORD::tbA2Ord)
            findStoreOrderModel();
    });

    // The bundle window follows the live dispatch while it is open.
    OrderBundleHooks bh;
    bh.reloadLiveOrders = [screen] {
        if (!screen->closed())
            screen->loader().proc_Load_Order();
    };
    m_bundleWindow = new OrderBundleWindow(
        std::move(bh), [screen]() -> const TA1Orders & { return screen->engine().gA1Orders(); },
        []() -> const TA1Orders & { return G_MAP_ORDERS; }, [] { return AppClock::now(); }, screen);
    m_feed = std::make_unique<OrderBundleFeed>(&screen->boards(), &m_bundleWindow->bundle());
    screen->engine().setBoardSink(m_feed.get());
}

NewOrderAlarmWindow *TodayOrdersGridBinding::alarmWindow()
{
    if (m_alarmWindow)
        return m_alarmWindow;
    TFRM_ORD *screen = &m_screen;
    NewOrderAlarmHooks h;
    h.playSound = [screen](int slot) {
        if (screen->hooks.playSound)
            screen->hooks.playSound(slot);
        else
            proc_playsound(slot);
    };
    h.removeNewOrder = [screen](const QString &ordNo) { screen->gsl_New_Order.removeAll(ordNo); };
    m_alarmWindow = new NewOrderAlarmWindow(std::move(h), [] { return AppClock::now(); }, screen);
    QList<AlarmRejectReason> reasons;
    for (const CodeNameItem &item : CCB_O4_1.items())
        reasons.append(MakeAlarmRejectReason(item.description, item.value));
    m_alarmWindow->setRejectReasons(reasons);
    return m_alarmWindow;
}

bool TodayOrdersGridBinding::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_screen) {
        if (event->type() == QEvent::Show) {
            if (!m_selectionsLoaded && !G_USER_INFO.ID.isEmpty())
                loadSelections();
            findStoreOrderModel();
            m_bar->resetButtons();
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto *label = qobject_cast<QLabel *>(watched)) {
            StatusColourHooks h;
            h.applyStatusColours = [screen = &m_screen] {
                if (FRM_MAIN)
                    FRM_MAIN->procApplyStatusColor();
                else if (screen->hooks.applyStatusColor)
                    screen->hooks.applyStatusColor();
            };
            ChooseStatusColour(label, label->property("statusTag").toInt(),
                               label->palette().color(QPalette::Window), h);
            return true;
        }
    }
    return false;
}

// ---- entry -----------------------------------------------------------------------------------

TodayOrdersGridBinding *BindTodayOrdersGrids(TFRM_ORD &screen, TodayOrdersGridOptions options)
{
    if (TodayOrdersGridBinding *bound = TodayOrdersGrids(&screen))
        return bound;
    auto *binding = new TodayOrdersGridBinding(screen, std::move(options));
    // The main window's status colours reach the bar's counters and the grids' painting too.
    auto previous = ShellActions().applyStatusColours;
    ShellActions().applyStatusColours = [previous, b = QPointer<TodayOrdersGridBinding>(binding)](
                                            const QList<StatusColour> &colours) {
        if (previous)
            previous(colours);
        if (!b)
            return;
        QList<std::pair<QString, TColor>> pairs;
        for (const StatusColour &c : colours)
            pairs.append({c.key, c.colour});
        b->applyStatusColours(pairs);
    };
    // The poll loads no order pages while one of the bar's drop-downs is open.
    if (FRM_MAIN && !FRM_MAIN->orderPolling.poller.hooks.selectionOpen)
        FRM_MAIN->orderPolling.poller.hooks.selectionOpen = [b = QPointer<TodayOrdersGridBinding>(binding)] {
            return b && b->selectionOpen();
        };
    return binding;
}

TodayOrdersGridBinding *TodayOrdersGrids(const TFRM_ORD *screen)
{
    return screen ? screen->findChild<TodayOrdersGridBinding *>(QStringLiteral("todayOrdersGridBinding"),
                                                               Qt::FindDirectChildrenOnly)
                  : nullptr;
}
