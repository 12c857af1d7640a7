#include "dispatch/ui/control_screen_window.h"

#include "boards/ui/today_orders_screen.h"
#include "dispatch/control_screens.h"
#include "main/main_globals.h"
#include "main/shell_globals.h"
#include "main/ui/start_forms.h"
#include "main/ui/today_orders_dock.h"
#include "orders/courier_refresh.h"
#include "orders/live_order_engine.h"
#include "records/session_records.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
QPointer<ControlScreenWindow> g_controlWindow;

QTableView *makeGrid(GridTableModel &model, const std::function<ColumnShow(int)> &show, QWidget *parent)
{
    auto *view = new QTableView(parent);
    view->setModel(&model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(25);
    for (int c = 0; c < model.columnCount(); ++c)
        view->setColumnHidden(c, show(c) != ColumnShow::Shown);
    return view;
}

bool &openFlag(ControlVariant v)
{
    switch (v) {
    case ControlVariant::Map: return G_WC2_OPEN;
    case ControlVariant::Courier: return G_WC_OPEN;
    case ControlVariant::OrderCentred: break;
    }
    return G_WCO_OPEN;
}
} // namespace

ControlScreenWindow::ControlScreenWindow(ControlVariant variant, QWidget *parent)
    : QWidget(parent, Qt::Window), m_core(new ControlScreenCore(variant, this))
{
    const ControlPolicy &p = m_core->policy();
    setObjectName(QString::fromLatin1(p.className));
    setWindowTitle(p.caption);
    if (p.staysOnTop)
        setWindowFlag(Qt::WindowStaysOnTopHint);
    if (p.minimumWidth > 0)
        setMinimumWidth(p.minimumWidth / 2);
    auto *root = new QHBoxLayout(this);
    auto *split = new QSplitter(Qt::Horizontal, this);
    root->addWidget(split);
    auto *left = new QWidget(split);
    auto *col = new QVBoxLayout(left);
    m_waiting = makeGrid(m_core->waiting().model(), [variant](int c) { return WaitingColumnShow(variant, c); }, left);
    m_waiting->setObjectName(QStringLiteral("cxGridDvryMultiOrder"));
    m_waiting->horizontalHeader()->setVisible(p.waitingHeaders);
    m_couriers = makeGrid(m_core->couriers().model(), [variant](int c) { return CourierColumnShow(variant, c); }, left);
    m_couriers->setObjectName(QStringLiteral("CTV_DVRY"));
    m_counters = new QLabel(left);
    m_counters->setObjectName(QStringLiteral("courierCounters"));
    m_selected = new QLabel(QStringLiteral("선택배송원명"), left);
    m_selected->setObjectName(QStringLiteral("cxlb_Wk_Info"));
    m_strip = makeGrid(m_core->strip().model(), [variant](int c) { return StripColumnShow(variant, c); }, left);
    m_strip->setObjectName(QStringLiteral("CTV_WK_ORD"));
    m_strip->horizontalHeader()->hide();
    col->addWidget(new QLabel(QStringLiteral("대기주문"), left));
    col->addWidget(m_waiting, 2);
    col->addWidget(m_selected);
    col->addWidget(m_couriers, 3);
    col->addWidget(m_counters);
    col->addWidget(m_strip);
    m_mapArea = new QWidget(split);
    m_mapArea->setObjectName(QStringLiteral("Chromium1"));
    m_mapArea->setMinimumWidth(200);

    connect(m_core, &ControlScreenCore::countersChanged, this, &ControlScreenWindow::showCounters);
    connect(m_core, &ControlScreenCore::stripChanged, this, &ControlScreenWindow::showStrip);
    connect(m_core, &ControlScreenCore::selectionChanged, this, [this] {
        const QString code = m_core->selectedCourier();
        m_selected->setText(code.isEmpty() ? QStringLiteral("선택배송원명") : ControlScreenCore::CourierLabel(code));
    });
    connect(m_couriers, &QTableView::clicked, this, [this](const QModelIndex &index) {
        const GridTableModel &m = m_core->couriers().model();
        const int rec = m.recordOfRow(index.row());
        m_core->courierClicked(m.recordCell(rec, Dvry::WK_CODE).toString(), false);
    });

    openFlag(variant) = true;
    DispatchControlScreens::Instance().attach(m_core);
    m_core->refreshCourierList = [] {
        if (CourierListRefresh *couriers = TodayOrdersPartsOf(TodayOrdersScreen()).courierRefresh)
            couriers->proc_Dvry_List();
    };
    m_core->create();
    resize(1200, 700);
    showStrip();
}

ControlScreenWindow::~ControlScreenWindow()
{
    DispatchControlScreens::Instance().detach(m_core);
    openFlag(m_core->variant()) = false;
}

void ControlScreenWindow::showCounters()
{
    const CourierCounters c = m_core->counters();
    m_counters->setText(QStringLiteral("배차 %1  출발 %2  완료 %3 | 전체 %4  운행 %5  대기 %6  휴식 %7  퇴근 %8")
                            .arg(c.assigned).arg(c.departed).arg(c.completed).arg(c.all)
                            .arg(c.driving).arg(c.waiting).arg(c.resting).arg(c.off));
}

void ControlScreenWindow::showStrip()
{
    m_strip->setFixedHeight(m_core->strip().height());
}

void OpenControlScreen(QWidget *mainWindow)
{
    const ControlVariant v = ControlVariantFor(G_USER_SET.ViewWorkControlType);
    if (g_controlWindow && g_controlWindow->core().variant() != v) {
        // Opening another kind frees the one open.
        delete g_controlWindow.data();
        G_WK_FIRST_READ = false;
        G_WK_FIRST_READ_O = false;
    }
    if (!g_controlWindow) {
        g_controlWindow = new ControlScreenWindow(v, mainWindow);
        bool &firstRead = v == ControlVariant::OrderCentred ? G_WK_FIRST_READ_O : G_WK_FIRST_READ;
        if (!firstRead)
            DispatchControlScreens::Instance().SetWorkControlFirstReadyData();
        firstRead = true;
        g_controlWindow->core().proc_AllWorkFirstRead();
    }
    g_controlWindow->show();
    g_controlWindow->raise();
}

void InstallDispatchControl()
{
    DispatchControlScreens::Instance().liveOrders = []() -> const TA1Orders * {
        TFRM_ORD *board = TodayOrdersScreen();
        return board ? &board->engine().gA1Orders() : nullptr;
    };
    ShellActions().openControlScreen = [](QWidget *main) { OpenControlScreen(main); };
    if (TFRM_ORD *board = TodayOrdersScreen())
        board->engine().setControlScreens(&DispatchControlScreens::Instance());
}
