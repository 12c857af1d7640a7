#include "boards/ui/same_day_panels.h"

#include "common/daily_log.h"
#include "link/link_state.h"
#include "boards/ui/web_popup.h"
#include "records/session_records.h"

#include <QHash>
#include <QMenu>
#include <QUrl>
#include <QPushButton>
#include <QVBoxLayout>

SameDayPanels::SameDayPanels(Hooks hooks, QObject *parent)
    : QObject(parent), m_hooks(std::move(hooks)), m_loader(m_engine)
{
    if (!m_hooks.log)
        m_hooks.log = [](const QString &l) { WriteLog(l); };
    if (!m_hooks.showTrackingPage)
        m_hooks.showTrackingPage = [this](const QString &url) { mnA3TBNowLIstClick(url); };
    SameDayEngine::Hooks e;
    e.setPollTimer = m_hooks.setPollTimer;
    e.setFilterBarEnabled = [this](bool on) {
        if (m_bar)
            m_bar->setEnabled(on);
    };
    e.countView = [this] { proc_SameDayCountView(); };
    e.applyFilter = [this] { proc_A3Filter(); };
    e.log = m_hooks.log;
    m_engine.setHooks(e);
    m_engine.setSink(&m_models);
    m_models.setLogger(m_hooks.log);

    SameDayLoader::Hooks l;
    l.setFilterBarEnabled = e.setFilterBarEnabled;
    l.resetPollPhase = m_hooks.resetPollPhase;
    l.liveMark = m_hooks.liveMark;
    l.log = m_hooks.log;
    m_loader.setHooks(l);

    LogisticsBoard::Hooks h;
    h.setFilterBarEnabled = e.setFilterBarEnabled;
    h.resetPollPhase = m_hooks.resetPollPhase;
    h.countView = [this] { proc_SameDayCountView(); };
    h.applyFilter = [this] { proc_HUBFilter(); };
    h.log = m_hooks.log;
    m_hub.setHooks(h);
}

SameDayPanels::~SameDayPanels() = default;

QWidget *SameDayPanels::a3Page(QWidget *parent)
{
    if (m_a3Page)
        return m_a3Page;
    m_a3Page = new QWidget(parent);
    auto *v = new QVBoxLayout(m_a3Page);
    v->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    m_counts = new SameDayCountBar(m_a3Page);
    m_counts->applyColours(m_hooks.statusColour);
    connect(m_counts, &SameDayCountBar::totalDoubleClicked, this, [this] { m_loader.edSameDayTotalDblClick(); });
    connect(m_counts, &SameDayCountBar::colourRequested, this, [this](const QString &key) {
        if (m_hooks.chooseLabelColour)
            m_hooks.chooseLabelColour(key);
    });
    top->addWidget(m_counts, 1);
    auto *print = new QPushButton(QStringLiteral("선택인쇄"), m_a3Page);
    print->setObjectName(QStringLiteral("btnSameDayPrint"));
    connect(print, &QPushButton::clicked, this, [this] { printSelected(); });
    top->addWidget(print);
    v->addLayout(top);
    m_a3Grid = new SameDayGridView(&m_models.grdA3View(), SameDayGridView::Kind::SameDay,
                                   SameDayHiddenColumns(SameDayBoard::Today), m_a3Page);
    m_a3Grid->setStatusColours(m_hooks.statusColour);
    m_a3Grid->keepLayout(QStringLiteral("grdA3View"));
    v->addWidget(m_a3Grid, 1);
    connect(m_a3Grid, &SameDayGridView::recordDoubleClicked, this, [this](int record) {
        grdA3ViewCellDblClick(m_models.grdA3View(), QStringLiteral("grdA3Col_"), record, m_hooks.open);
    });
    m_a3Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_a3Grid, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        QMenu *m = mnSameDay(m_a3Grid);
        m->exec(m_a3Grid->viewport()->mapToGlobal(p));
        m->deleteLater();
    });
    proc_SameDayCountView();
    return m_a3Page;
}

QWidget *SameDayPanels::endPage(QWidget *parent)
{
    if (m_endPage)
        return m_endPage;
    m_endPage = new QWidget(parent);
    auto *v = new QVBoxLayout(m_endPage);
    v->setContentsMargins(0, 0, 0, 0);
    m_endGrid = new SameDayGridView(&m_models.grdEndView(), SameDayGridView::Kind::Completed,
                                    SameDayHiddenColumns(SameDayBoard::Completed), m_endPage);
    v->addWidget(m_endGrid, 1);
    connect(m_endGrid, &SameDayGridView::recordDoubleClicked, this, [this](int record) {
        grdA3ViewCellDblClick(m_models.grdEndView(), QStringLiteral("grdEndCol_"), record, m_hooks.open);
    });
    m_endGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_endGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        QMenu *m = mnSameDay(m_endGrid);
        m->exec(m_endGrid->viewport()->mapToGlobal(p));
        m->deleteLater();
    });
    return m_endPage;
}

QWidget *SameDayPanels::hubPage(QWidget *parent)
{
    if (m_hubPage)
        return m_hubPage;
    m_hubPage = new QWidget(parent);
    auto *v = new QVBoxLayout(m_hubPage);
    v->setContentsMargins(0, 0, 0, 0);
    m_hubGrid = new SameDayGridView(&m_hub.grdHUBView(), SameDayGridView::Kind::Logistics, LogisticsHiddenColumns(),
                                    m_hubPage);
    m_hubGrid->keepLayout(QStringLiteral("grdHUBView"));
    v->addWidget(m_hubGrid, 1);
    connect(m_hubGrid, &SameDayGridView::recordDoubleClicked, this, [this](int record) {
        const GridTableModel &g = m_hub.grdHUBView();
        const QString no = g.recordValue(record, g.columnIndex(QStringLiteral("grdHUBCol_ORD_NO"))).toString();
        const QString st = g.recordValue(record, g.columnIndex(QStringLiteral("grdHUBCol_ORD_STATUS_CD"))).toString();
        // Every logistics leg opens as a same-day order, whatever its kind.
        if (m_hooks.open.openOrder)
            m_hooks.open.openOrder(no, st, QStringLiteral("1"), QString(), QStringLiteral("1009"), QString());
    });
    m_hubGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_hubGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        QMenu *m = mnSameDay(m_hubGrid);
        m->exec(m_hubGrid->viewport()->mapToGlobal(p));
        m->deleteLater();
    });
    return m_hubPage;
}

SameDayFilterBarWidget *SameDayPanels::filterBar(QWidget *parent)
{
    if (m_bar)
        return m_bar;
    m_bar = new SameDayFilterBarWidget(parent);
    connect(m_bar, &SameDayFilterBarWidget::a3FilterRequested, this, &SameDayPanels::proc_A3Filter);
    connect(m_bar, &SameDayFilterBarWidget::hubFilterRequested, this, &SameDayPanels::proc_HUBFilter);
    connect(m_bar, &SameDayFilterBarWidget::searchFocus, this, [this](bool entered) {
        m_hooks.log((entered ? QStringLiteral("SAMEDAYFILTER IN :") : QStringLiteral("SAMEDAYFILTER OUT :"))
                    + (m_bar->focusWidget() ? m_bar->focusWidget()->objectName() : QString()));
        if (m_hooks.setPollTimer)
            m_hooks.setPollTimer(!entered);
    });
    m_bar->setTab(m_tab);
    return m_bar;
}

SameDayGridView *SameDayPanels::grid(SameDayTab tab) const
{
    switch (tab) {
    case SameDayTab::Today: return m_a3Grid;
    case SameDayTab::Completed: return m_endGrid;
    case SameDayTab::Logistics: return m_hubGrid;
    }
    return nullptr;
}

void SameDayPanels::setActiveTab(SameDayTab tab)
{
    m_tab = tab;
    if (m_bar)
        m_bar->setTab(tab);
    proc_SameDayCountView();
}

bool SameDayPanels::loadCompleted()
{
    if (m_loader.bA3FinOrd)
        return true;
    const QString kind = SameDayCompletedKind();
    return !kind.isEmpty() && m_loader.procLoadA3OrderFinish(kind);
}

bool SameDayPanels::pollSameDay()
{
    const QString kind = SameDaySearchKind();
    if (kind.isEmpty())
        return true;
    return m_loader.proc_Load_A3_SameDay(kind) || G_CONNECTED;
}

bool SameDayPanels::pollLogistics()
{
    return m_hub.proc_Load_HUB_SameDay();
}

void SameDayPanels::proc_A3Filter()
{
    const SameDayFilterBar state = m_bar ? m_bar->state() : SameDayFilterBar();
    m_filter.proc_A3Filter(state, CurrentSameDayFilterScope(m_hooks.branchCodes ? m_hooks.branchCodes() : QStringList()),
                           &m_models.grdA3View(), &m_models.grdEndView());
}

void SameDayPanels::proc_HUBFilter()
{
    const SameDayFilterBar state = m_bar ? m_bar->state() : SameDayFilterBar();
    m_filter.proc_HUBFilter(state, CurrentSameDayFilterScope(m_hooks.branchCodes ? m_hooks.branchCodes() : QStringList()),
                            &m_hub.grdHUBView());
}

void SameDayPanels::proc_SameDayCountView()
{
    if (m_counts)
        m_counts->showCounts(::proc_SameDayCountView(m_engine.iA3SameDayCount(), m_loader.bA3FinOrd));
}

void SameDayPanels::refreshColours()
{
    if (m_counts)
        m_counts->applyColours(m_hooks.statusColour);
    if (m_a3Grid)
        m_a3Grid->setStatusColours(m_hooks.statusColour);
}

SameDayFocus SameDayPanels::focusOf(SameDayTab tab) const
{
    SameDayFocus f;
    SameDayGridView *g = grid(tab);
    if (!g)
        return f;
    const int record = g->focusedRecord();
    if (record < 0)
        return f;
    const GridTableModel &m = *g->gridModel();
    const QString prefix = tab == SameDayTab::Today       ? QStringLiteral("grdA3Col_")
                           : tab == SameDayTab::Completed ? QStringLiteral("grdEndCol_")
                                                          : QStringLiteral("grdHUBCol_");
    auto text = [&](const char *field) {
        const int c = m.columnIndex(prefix + QString::fromLatin1(field));
        return c < 0 ? QString() : m.recordValue(record, c).toString();
    };
    f.focused = true;
    f.status = text("ORD_STATUS_CD");
    f.orderNo = text("ORD_NO");
    f.ordStCode = text("ORD_ST_CODE");
    f.cthWkCode = text("CTH_WK_CODE");
    f.cthStCode = text("CTH_ST_CODE");
    f.cthBrCode = text("CTH_BR_CODE");
    f.cthStTel = text("CTH_ST_TEL");
    f.extUrl = text("EXT_URL");
    f.kind = text("ORD_TYPE_CD");
    f.error = text("error");
    return f;
}

QMenu *SameDayPanels::mnSameDay(QWidget *parent)
{
    m_hooks.log(QStringLiteral("mnSameDayPopup 1"));
    SameDayMenuLogin login;
    login.userClass = QString(G_USER_INFO.USER_TYPE_CD).left(1);
    login.br = G_USER_INFO.BR;
    login.authTel = G_USER_INFO.AUTH_TEL;
    login.gansun = G_USER_INFO.SAMEDAY_GANSUN_TYPE;
    login.jisun = G_USER_INFO.SAMEDAY_JISUN_TYPE;
    login.hasAuthGrade = m_hooks.hasAuthGrade;
    if (m_hooks.orderService)
        login.orderService = m_hooks.orderService();
    const SameDayMenuPlan plan = mnSameDayPopup(m_tab, focusOf(m_tab), login, m_popup);
    m_popup = plan.order;

    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnSameDay"));
    QMenu *statusMenu = nullptr;
    for (const SameDayMenuItem &item : SameDayMenuItems()) {
        const QString name = QString::fromLatin1(item.name);
        if (!plan.visible.contains(name))
            continue;
        const QString caption = QString::fromUtf8(item.caption);
        if (name.startsWith(u'N')) {
            menu->addSeparator();
            continue;
        }
        if (name == QLatin1String("mnDayChgStatus")) {
            statusMenu = menu->addMenu(caption);
            statusMenu->setObjectName(name);
            continue;
        }
        const bool nested = name.startsWith(QLatin1String("mnDayChgSta"));
        QMenu *host = nested && statusMenu ? statusMenu : menu;
        if (name == QLatin1String("mnDayChg4002")) {
            QMenu *reasons = host->addMenu(caption);
            reasons->setObjectName(name);
            const auto list = m_hooks.cancelReasons ? m_hooks.cancelReasons() : QList<QPair<QString, QString>>();
            for (const auto &[reason, code] : list) {
                QAction *a = reasons->addAction(reason);
                connect(a, &QAction::triggered, this, [this, reason, code] { statusChange(reason, 4002, code); });
            }
            continue;
        }
        if (name.startsWith(QLatin1String("mnDayMSG"))) {
            QMenu *sub = host->addMenu(caption);
            sub->setObjectName(name);
            fillMessageMenu(sub, name, plan);
            continue;
        }
        QAction *a = host->addAction(caption);
        a->setObjectName(name);
        if (item.tag != 0) {
            const int tag = item.tag;
            connect(a, &QAction::triggered, this, [this, caption, tag] { statusChange(caption, tag, QString()); });
        } else if (name == QLatin1String("mnDayChgArrive")) {
            connect(a, &QAction::triggered, this, &SameDayPanels::arrive);
        } else if (name == QLatin1String("mnDayChgMine")) {
            connect(a, &QAction::triggered, this, [this] {
                if (m_hooks.pickCourier)
                    m_hooks.pickCourier(m_popup.FPOP_ORDER_NO, m_popup.FPOP_ORDER_STATUS);
            });
        } else if (name == QLatin1String("mnA3TBNowLIst")) {
            connect(a, &QAction::triggered, this, [this] {
                if (m_hooks.showTrackingPage)
                    m_hooks.showTrackingPage(m_popup.FPOP_EXT_URL);
            });
        }
    }
    m_hooks.log(QStringLiteral("mnSameDayPopup 2"));
    return menu;
}

void SameDayPanels::statusChange(const QString &caption, int tag, const QString &hint)
{
    // The order and status are read from the active grid when the item is chosen.
    const SameDayFocus f = focusOf(m_tab);
    if (!f.focused)
        return;
    proc_SameDayOrderChangeStatus(caption, tag, hint, f.orderNo, f.status, m_hooks.actions);
}

void SameDayPanels::arrive()
{
    if (m_tab == SameDayTab::Completed)
        return;
    const SameDayFocus f = focusOf(m_tab);
    if (f.focused)
        proc_SameDayOrderChangeArrive(f.orderNo, m_hooks.actions);
}

int SameDayPanels::printSelected()
{
    if (m_tab != SameDayTab::Today || !m_a3Grid || !m_hooks.printer)
        return 0;
    const GridTableModel &g = m_models.grdA3View();
    const int no = g.columnIndex(QStringLiteral("grdA3Col_ORD_NO"));
    QStringList numbers;
    for (int record : m_a3Grid->selectedRecords())
        numbers.append(g.recordValue(record, no).toString());
    return btnSameDayPrintClick(numbers, *m_hooks.printer);
}

void SameDayPanels::fillMessageMenu(QMenu *sub, const QString &name, const SameDayMenuPlan &plan)
{
    // The same items as the live pop-up's message submenus, for the same receivers.
    static const QHash<QString, OrderMenuItem> kLiveMenu = {
        {QStringLiteral("mnDayMSGStore"), OrderMenuItem::NEtcStMsg},
        {QStringLiteral("mnDayMSGWKBR"), OrderMenuItem::NEtcWkBrMsg},
        {QStringLiteral("mnDayMSGWKST"), OrderMenuItem::NEtcWkStMsg},
        {QStringLiteral("mnDayMSGWorker"), OrderMenuItem::NEtcDvryMsg},
    };
    const auto live = kLiveMenu.constFind(name);
    if (live == kLiveMenu.constEnd())
        return;
    for (const OrderMessageEntry &e : OrderMessageEntries(*live)) {
        if (e.kind == OrderMessageEntry::Separator) {
            sub->addSeparator();
            continue;
        }
        // The two telephone texts follow the rules the live pop-up gives them.
        if (e.item == OrderMenuItem::NEtcSubSenderTelMsg && !plan.senderTelMsg)
            continue;
        if (e.item == OrderMenuItem::NEtcSubOrdStTelMsg && plan.order.FPOP_ORD_ST_TEL.size() <= 6)
            continue;
        QAction *a = sub->addAction(e.caption);
        if (e.item)
            a->setObjectName(QString::fromLatin1(OrderMenuItemInfoOf(*e.item).name));
        OrderMenuCommand c;
        c.role = e.kind == OrderMessageEntry::Compose ? OrderMenuRole::Compose : OrderMenuRole::MessageText;
        c.tag = e.tag;
        c.caption = e.caption;
        connect(a, &QAction::triggered, this, [this, c] {
            if (m_hooks.messageCommand)
                m_hooks.messageCommand(c, m_popup);
        });
    }
}

void SameDayPanels::mnA3TBNowLIstClick(const QString &url)
{
    // A new popup for every click; it is gone when it closes.
    QWidget *over = m_a3Grid ? m_a3Grid->window() : nullptr;
    ShowWebPopup(QStringLiteral("택배배송현황"), 500, 500, QUrl(url), over);
}
