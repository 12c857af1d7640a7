#include "boards/ui/today_orders_screen.h"

#include "common/daily_log.h"
#include "orders/order_globals.h"
#include "records/business_rules.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "text/text_helpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace
{
// Footer columns that sum the shown rows.
constexpr BoardCol::Id kSumColumns[] = {BoardCol::DVRY_AMT,    BoardCol::ORD_AMT,  BoardCol::DISCOUNT_AMT,
                                        BoardCol::SRV_AMT,     BoardCol::PAY_MILEAGE, BoardCol::PAY_AMT,
                                        BoardCol::EX_CHARGE,   BoardCol::MNG_FEE,  BoardCol::BR_ADD_PRICE,
                                        BoardCol::PENALTY_AMT};

// Label names and the status each carries the colour of, by counter element.
struct CountLabelDef
{
    const char *name;
    int tag;
    int row;
    int column;
};
constexpr CountLabelDef kCountLabels[9] = {
    {"CLB_TOTAL_CNT", 0, 1, 4},     {"CLB_ORD_CNT", 1001, 1, 0},    {"CLB_READY_CNT", 2001, 1, 1},
    {"CLB_PICKUP_CNT", 3001, 1, 2}, {"CLB_START_CNT", 3003, 1, 3},  {"CLB_FINISH_CNT", 4001, 3, 0},
    {"CLB_WAIT_CNT", 1002, 3, 1},   {"CLB_CANCEL_CNT", 4002, 3, 2}, {"CLB_ETC_CNT", 4003, 3, 3},
};

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QWidget *container(const QString &name, QWidget *parent)
{
    auto *w = new QWidget(parent);
    w->setObjectName(name);
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    return w;
}
} // namespace

// ---- footer ---------------------------------------------------------------------------------

BoardFooter::BoardFooter(QTableView *view, QWidget *parent) : QWidget(parent), m_view(view)
{
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(view->horizontalHeader(), &QHeaderView::sectionMoved, this, qOverload<>(&QWidget::update));
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

void BoardFooter::setText(int column, const QString &text)
{
    if (column < 0)
        return;
    if (m_texts.value(column) == text && m_texts.contains(column))
        return;
    m_texts.insert(column, text);
    update();
}

QString BoardFooter::text(int column) const
{
    return m_texts.value(column);
}

void BoardFooter::clearTexts()
{
    m_texts.clear();
    update();
}

QSize BoardFooter::sizeHint() const
{
    return {100, fontMetrics().height() + 8};
}

void BoardFooter::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_onShown)
        m_onShown();
}

void BoardFooter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, 0, width(), 0);
    p.setPen(palette().color(QPalette::WindowText));
    const QHeaderView *h = m_view->horizontalHeader();
    const int x0 = m_view->verticalHeader()->isVisible() ? m_view->verticalHeader()->width() : 0;
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it) {
        if (it.key() >= h->count() || h->isSectionHidden(it.key()))
            continue;
        const QRect r(x0 + h->sectionViewportPosition(it.key()) + 2, 0, h->sectionSize(it.key()) - 4, height());
        p.drawText(r, Qt::AlignVCenter | Qt::AlignRight, it.value());
    }
}

// ---- screen ---------------------------------------------------------------------------------

TFRM_ORD::TFRM_ORD(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TFRM_ORD"));
    setWindowTitle(QStringLiteral("당일내역"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    // The lists, the queue and the models first: the views and the engine refer to them.
    m_boards = std::make_unique<OrderBoardModels>();
    m_engine = std::make_unique<LiveOrderEngine>();
    m_loader = std::make_unique<LiveOrderLoader>(*m_engine);
    m_engine->setBoardSink(m_boards.get());
    m_boards->setEngine(m_engine.get());
    m_boards->setAfterBatch([this] {
        if (hooks.runFilter)
            hooks.runFilter();
        else
            proc_Chk_Cnt();
    });
    // The user who asked for it keeps the live grid's top row across live batches.
    connect(m_engine.get(), &LiveOrderEngine::batchStarting, this, [this](const QString &header) {
        m_topRow = header.startsWith(QLatin1String("A1,0,")) && CTV_MAIN ? CTV_MAIN->rowAt(0) : -1;
    });
    connect(m_engine.get(), &LiveOrderEngine::batchApplied, this, [this](const QString &header) {
        // A full rebuild of the live lists starts the unconfirmed store orders afresh.
        if (header == QLatin1String("A1,0,"))
            gsl_New_Order.clear();
        if (m_topRow >= 0 && CTV_MAIN && QString(G_USER_SET.ORDER_FOCUS_VIEW) == QLatin1String("1")) {
            QAbstractItemModel *model = CTV_MAIN->model();
            const int row = std::min(m_topRow, model->rowCount() - 1);
            int column = 0;
            while (column < model->columnCount() && CTV_MAIN->isColumnHidden(column))
                ++column;
            if (row >= 0 && column < model->columnCount())
                CTV_MAIN->scrollTo(model->index(row, column), QAbstractItemView::PositionAtTop);
        }
        m_topRow = -1;
    });
    // A rebuild emptied the loaded completed board: on show it is asked for again at once, after
    // the batch that emptied it has finished.
    m_loader->hooks.completedEmptied = [this] {
        QTimer::singleShot(0, this, [this] {
            if (!m_closed && m_loader && !m_loader->bA1FinOrd && activePage() == tbOrdComp)
                tbOrdCompClick();
        });
    };

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    buildTop();
    root->addWidget(cxGroupBox2);
    root->addWidget(CLB_DVRY_INFO);
    buildPages();
    root->addWidget(cxPageControl1, 1);

    setColumnLookups({}, {});

    gsl_New_Order.clear();
    m_loader->gsSyncDate.clear();
    FSELECT_ORD_NO.clear();
    FSELECT_ORD_NO_COMP.clear();
    m_boards->zeroCounters();
    for (TST_LIST &st : G_ST_LIST)
        st.IST1 = st.IST2 = st.IST3 = st.IST4 = st.IST5 = st.ISTNUM = 0;
    cxPageControl1->setCurrentIndex(tbOrdNow);
    LB_NOTICE->clear();
    log(QStringLiteral("formcreate"));
}

TFRM_ORD::~TFRM_ORD()
{
    FormClose();
}

void TFRM_ORD::log(const QString &line) const
{
    if (hooks.log)
        hooks.log(line);
    else
        WriteLog(line);
}

void TFRM_ORD::buildTop()
{
    cxGroupBox2 = new QFrame(this);
    cxGroupBox2->setObjectName(QStringLiteral("cxGroupBox2"));
    auto *top = new QHBoxLayout(cxGroupBox2);
    top->setContentsMargins(4, 4, 4, 4);
    top->setSpacing(6);

    pnlNormalFilter = new QWidget(cxGroupBox2);
    pnlNormalFilter->setObjectName(QStringLiteral("pnlNormalFilter"));
    auto *normal = new QHBoxLayout(pnlNormalFilter);
    normal->setContentsMargins(0, 0, 0, 0);
    auto *counts = new QWidget(pnlNormalFilter);
    counts->setObjectName(QStringLiteral("pnlStatusCounts"));
    m_statusGrid = new QGridLayout(counts);
    m_statusGrid->setContentsMargins(0, 0, 0, 0);
    m_statusGrid->setHorizontalSpacing(4);
    m_statusGrid->setVerticalSpacing(0);
    for (int i = 0; i < 9; ++i) {
        auto *l = new QLabel(QStringLiteral("00"), counts);
        l->setObjectName(QString::fromLatin1(kCountLabels[i].name));
        l->setProperty("Tag", kCountLabels[i].tag);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        m_statusGrid->addWidget(l, kCountLabels[i].row, kCountLabels[i].column);
        countLabels[size_t(i)] = l;
    }
    normal->addWidget(counts);
    pnlNormalSearch = container(QStringLiteral("pnlNormalSearch"), pnlNormalFilter);
    normal->addWidget(pnlNormalSearch);
    top->addWidget(pnlNormalFilter);

    pnlSameDayFiltr = container(QStringLiteral("pnlSameDayFiltr"), cxGroupBox2);
    pnlSameDayFiltr->hide();
    top->addWidget(pnlSameDayFiltr);

    Panel1 = container(QStringLiteral("Panel1"), cxGroupBox2);
    pnlShareFilter = container(QStringLiteral("pnlShareFilter"), Panel1);
    Panel1->layout()->addWidget(pnlShareFilter);
    top->addWidget(Panel1, 1);

    Panel3 = new QWidget(cxGroupBox2);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto *p3 = new QHBoxLayout(Panel3);
    p3->setContentsMargins(0, 0, 0, 0);
    CBT_SEARCH = button(QStringLiteral("CBT_SEARCH"), QStringLiteral("검색"), Panel3);
    btnOrdExcelSave = button(QStringLiteral("btnOrdExcelSave"), QStringLiteral("엑셀다운"), Panel3);
    p3->addWidget(CBT_SEARCH);
    p3->addWidget(btnOrdExcelSave);
    pnlConnectView = new QWidget(Panel3);
    pnlConnectView->setObjectName(QStringLiteral("pnlConnectView"));
    auto *conn = new QHBoxLayout(pnlConnectView);
    conn->setContentsMargins(0, 0, 0, 0);
    const auto stat = [this](const QString &name) {
        auto *l = new QLabel(pnlConnectView);
        l->setObjectName(name);
        l->setMinimumSize(16, 16);
        return l;
    };
    CIG_CID = stat(QStringLiteral("CIG_CID"));
    CIG_SERVER = stat(QStringLiteral("CIG_SERVER"));
    AWP_CID_STAT = stat(QStringLiteral("AWP_CID_STAT"));
    AWP_WS_STAT = stat(QStringLiteral("AWP_WS_STAT"));
    btnRegDevice = button(QStringLiteral("btnRegDevice"), QStringLiteral("인증단말기"), pnlConnectView);
    for (QWidget *w : {static_cast<QWidget *>(CIG_CID), static_cast<QWidget *>(CIG_SERVER),
                       static_cast<QWidget *>(AWP_CID_STAT), static_cast<QWidget *>(AWP_WS_STAT),
                       static_cast<QWidget *>(btnRegDevice)})
        conn->addWidget(w);
    p3->addWidget(pnlConnectView);
    auto *reload = new QVBoxLayout;
    btnLoadOrderAll = button(QStringLiteral("btnLoadOrderAll"), QStringLiteral("초기화 검색"), Panel3);
    btnDvryGrpSet = button(QStringLiteral("btnDvryGrpSet"), QStringLiteral("배송그룹설정"), Panel3);
    reload->addWidget(btnLoadOrderAll);
    reload->addWidget(btnDvryGrpSet);
    p3->addLayout(reload);
    top->addWidget(Panel3);
    connect(btnLoadOrderAll, &QPushButton::clicked, this, &TFRM_ORD::btnLoadOrderAllClick);
    connect(btnRegDevice, &QPushButton::clicked, this, &TFRM_ORD::btnRegDeviceClick);

    CLB_DVRY_INFO = new QFrame(this);
    CLB_DVRY_INFO->setObjectName(QStringLiteral("CLB_DVRY_INFO"));
    auto *info = new QHBoxLayout(CLB_DVRY_INFO);
    info->setContentsMargins(4, 2, 4, 2);
    LB_NOTICE = new QLabel(CLB_DVRY_INFO);
    LB_NOTICE->setObjectName(QStringLiteral("LB_NOTICE"));
    info->addWidget(LB_NOTICE, 1);
    dxWheelPicker1 = container(QStringLiteral("dxWheelPicker1"), CLB_DVRY_INFO);
    info->addWidget(dxWheelPicker1, 1);
    CLB_DVRY_INFO->hide();
}

void TFRM_ORD::buildPages()
{
    cxPageControl1 = new QTabWidget(this);
    cxPageControl1->setObjectName(QStringLiteral("cxPageControl1"));
    cxPageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: 180px; height: 26px; }"));
    const QString names[kPageCount] = {QStringLiteral("tbOrdNow"),    QStringLiteral("tbOrdComp"),
                                       QStringLiteral("tbA2Ord"),     QStringLiteral("tbA3SameDay"),
                                       QStringLiteral("tbHUBSameDay"), QStringLiteral("tbEndSameDay")};
    const QString captions[kPageCount] = {QStringLiteral("실시간 현황"),    QStringLiteral("  완료 현황  "),
                                          QStringLiteral("매장주문"),       QStringLiteral("당일 배송 현황"),
                                          QStringLiteral("물류 배송 현황"), QStringLiteral("당일 완료 현황")};
    const auto board = [this](const QString &name, GridTableModel &model, BoardFooter *&footer, QWidget *page) {
        auto *view = new QTableView(page);
        view->setObjectName(name);
        view->setModel(&model);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSortingEnabled(false);
        view->verticalHeader()->setDefaultSectionSize(24);
        view->horizontalHeader()->setSectionsMovable(true);
        footer = new BoardFooter(view, page);
        footer->setObjectName(name + QStringLiteral("_Footer"));
        page->layout()->addWidget(view);
        page->layout()->addWidget(footer);
        return view;
    };
    for (int i = 0; i < kPageCount; ++i) {
        QWidget *page = container(names[i], cxPageControl1);
        m_pages[size_t(i)] = page;
        switch (Page(i)) {
        case tbOrdNow:
            CTV_MAIN = board(QStringLiteral("CTV_MAIN"), m_boards->CTV_MAIN, CTV_MAIN_Footer, page);
            CTV_MAIN_Footer->setOnShown([this] { fillFooterSums(OrderBoard::Live); });
            break;
        case tbOrdComp:
            CTV_MAIN_COMP = board(QStringLiteral("CTV_MAIN_COMP"), m_boards->CTV_MAIN_COMP, CTV_MAIN_COMP_Footer, page);
            CTV_MAIN_COMP_Footer->setOnShown([this] { fillFooterSums(OrderBoard::Completed); });
            break;
        case tbA2Ord: CTV_TAKEOUT = container(QStringLiteral("CTV_TAKEOUT"), page); break;
        case tbA3SameDay: grdA3View = container(QStringLiteral("grdA3View"), page); break;
        case tbHUBSameDay: grdHUBView = container(QStringLiteral("grdHUBView"), page); break;
        case tbEndSameDay: grdEndView = container(QStringLiteral("grdEndView"), page); break;
        default: break;
        }
        for (QWidget *w : {CTV_TAKEOUT, grdA3View, grdHUBView, grdEndView})
            if (w && w->parentWidget() == page)
                page->layout()->addWidget(w);
        cxPageControl1->addTab(page, captions[i]);
        m_tabShown[size_t(i)] = true;
    }
    hideInternalColumns(CTV_MAIN->horizontalHeader(), OrderBoard::Live);
    hideInternalColumns(CTV_MAIN_COMP->horizontalHeader(), OrderBoard::Completed);
    connect(cxPageControl1, &QTabWidget::currentChanged, this, [this] { cxPageControl1Change(); });
    connect(cxPageControl1, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index == tbOrdComp && activePage() == tbOrdComp)
            tbOrdCompClick();
    });
}

namespace
{
// The live board's check column is internal except on the order-control screen: its layout
// shows or hides it.
bool layoutDecides(OrderBoard board, int column)
{
    return board == OrderBoard::Live && column == BoardColumnIndex(OrderBoard::Live, BoardCol::CHK);
}
} // namespace

void TFRM_ORD::hideInternalColumns(QHeaderView *header, OrderBoard board)
{
    // A layout may try to show an internal column; the header puts it back at once.
    connect(header, &QHeaderView::sectionResized, this, [this, header, board](int logical, int, int size) {
        if (size > 0 && !m_hiding && BoardColumnTag(board, logical) == 1 && !layoutDecides(board, logical)) {
            m_hiding = true;
            header->setSectionHidden(logical, true);
            m_hiding = false;
        }
    });
    applyColumnTags();
}

void TFRM_ORD::applyColumnTags()
{
    const auto apply = [](QTableView *view, OrderBoard board) {
        if (!view)
            return;
        QHeaderView *h = view->horizontalHeader();
        for (int c = 0; c < h->count(); ++c)
            if (BoardColumnTag(board, c) == 1 && !layoutDecides(board, c))
                h->setSectionHidden(c, true);
    };
    m_hiding = true;
    apply(CTV_MAIN, OrderBoard::Live);
    apply(CTV_MAIN_COMP, OrderBoard::Completed);
    m_hiding = false;
}

void TFRM_ORD::setColumnLookups(const BoardColumnLookups &lookups, const BoardCaptionWords &words)
{
    m_boards->setColumns(lookups, words);
    applyColumnTags();
}

void TFRM_ORD::placeStatusButton(int element, QWidget *b)
{
    if (!b || element < 0 || element > 8)
        return;
    const CountLabelDef &d = kCountLabels[element];
    m_statusGrid->addWidget(b, d.row - 1, d.column);
}

bool TFRM_ORD::tabVisible(Page p) const
{
    return p >= 0 && p < kPageCount && m_tabShown[size_t(p)];
}

void TFRM_ORD::setTabVisible(Page p, bool visible)
{
    if (p < 0 || p >= kPageCount)
        return;
    m_tabShown[size_t(p)] = visible;
    cxPageControl1->setTabVisible(p, visible);
}

TFRM_ORD::Page TFRM_ORD::activePage() const
{
    return Page(cxPageControl1->currentIndex());
}

void TFRM_ORD::setActivePage(Page p)
{
    cxPageControl1->setCurrentIndex(p);
}

void TFRM_ORD::FormShow()
{
    if (hooks.applyStatusColor)
        hooks.applyStatusColor();
    if (hooks.statusAllClick)
        hooks.statusAllClick();
    if (hooks.payAllClick)
        hooks.payAllClick();
    if (hooks.sameDayTotalClick)
        hooks.sameDayTotalClick();
    const auto html = [](QLabel *l) {
        const QColor c = l->palette().color(QPalette::Window);
        return ColorToHtml(TColor(c.red() | (c.green() << 8) | (c.blue() << 16)));
    };
    G_STATUS_COLOR_1002 = html(countLabels[6]);
    G_STATUS_COLOR_2001 = html(countLabels[2]);
    G_STATUS_COLOR_3001 = html(countLabels[3]);
    G_STATUS_COLOR_3003 = html(countLabels[4]);
}

void TFRM_ORD::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    try {
        // Nothing may dispatch into the lists or tick over them while they go: the timers and
        // the dispatchers stop first, the lists are let go of last.
        if (hooks.stopPolling)
            hooks.stopPolling();
        if (hooks.stopElapsedTimer)
            hooks.stopElapsedTimer();
        if (hooks.stopSameDayDispatch)
            hooks.stopSameDayDispatch();
        if (m_engine)
            m_engine->setBoardSink(nullptr);
        m_boards->setAfterBatch({});
        if (hooks.freeDialogs)
            hooks.freeDialogs();
        if (AWP_WS_STAT)
            AWP_WS_STAT->hide();
        // A tick that was already running finishes before the lists go; never wait forever.
        QElapsedTimer waited;
        waited.start();
        while (((hooks.pollingActive && hooks.pollingActive())
                || (hooks.elapsedTimerActive && hooks.elapsedTimerActive()))
               && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
            QThread::msleep(10);
        }
        gsl_New_Order.clear();
        ClearShareGroups();
        m_loader.reset();
        m_engine.reset();
        m_boards->CTV_MAIN.clearRecords();
        m_boards->CTV_MAIN_COMP.clearRecords();
        m_boards->liveTimes.reset();
    } catch (const std::exception &) {
        log(QStringLiteral("FRM_ORD_CLOSE Except"));
    } catch (...) {
        log(QStringLiteral("FRM_ORD_CLOSE Except"));
    }
}

void TFRM_ORD::cxPageControl1Change()
{
    const Page p = activePage();
    const auto named = [this](const char *name) { return findChild<QWidget *>(QLatin1String(name)); };
    const auto show = [&](const char *name, bool on) {
        if (QWidget *w = named(name))
            w->setVisible(on);
    };
    const auto enable = [&](const char *name, bool on) {
        if (QWidget *w = named(name))
            w->setEnabled(on);
    };
    if (p == tbA3SameDay || p == tbEndSameDay) {
        show("btnA3OneDay", true);
        show("btnA3TB", true);
        enable("edSameDayStore", true);
        show("chkSameDayIn", false);
        show("chkSameDayOut", false);
        if (QWidget *w = named("edSameDayCust")) {
            w->show();
            w->raise();
        }
        pnlSameDayFiltr->show();
        pnlNormalFilter->hide();
        btnLoadOrderAll->setEnabled(false);
        pnlShareFilter->hide();
        show("btnSameDayPrint", p == tbA3SameDay);
        if (p == tbEndSameDay && !bA3FinOrd && hooks.loadCompletedSameDay)
            hooks.loadCompletedSameDay(hooks.sameDayFinishKind ? hooks.sameDayFinishKind() : QString());
        if (hooks.sameDayCountView)
            hooks.sameDayCountView();
    } else if (p == tbHUBSameDay) {
        show("btnA3OneDay", false);
        show("btnA3TB", false);
        enable("edSameDayStore", false);
        show("chkSameDayIn", true);
        show("chkSameDayOut", true);
        if (QWidget *w = named("edSameDayCust")) {
            w->hide();
            w->lower();
        }
        pnlSameDayFiltr->show();
        pnlNormalFilter->hide();
        btnLoadOrderAll->setEnabled(false);
        pnlShareFilter->hide();
        show("btnA3Group", false);
        if (hooks.sameDayCountView)
            hooks.sameDayCountView();
    } else {
        show("btnA3Group", false);
        show("btnA3OneDay", false);
        show("btnA3TB", false);
        pnlNormalFilter->show();
        pnlSameDayFiltr->hide();
        btnLoadOrderAll->setEnabled(true);
        pnlShareFilter->show();
        if (p == tbA2Ord && hooks.storeOrderCount)
            hooks.storeOrderCount();
        if (p == tbOrdComp) {
            if (m_loader && !m_loader->gsSyncDate.isEmpty() && !m_loader->bA1FinOrd)
                tbOrdCompClick();
            try {
                CTV_MAIN_COMP_Footer->setText(BoardColumnIndex(OrderBoard::Completed, BoardCol::STATUS_CD),
                                              QString::number(m_boards->CTV_MAIN_COMP.rowCount()));
            } catch (const std::exception &e) {
                log(QStringLiteral("proc_Chk_Cnt_2 ") + QString::fromLocal8Bit(e.what()));
            }
        }
    }
    emit pageChanged(p);
}

void TFRM_ORD::btnLoadOrderAllClick()
{
    if (!m_loader)
        return;
    log(QStringLiteral("All Clear Search"));
    btnLoadOrderAll->setEnabled(false);
    CBT_SEARCH->setEnabled(false);
    m_loader->gsSyncDate.clear();
    m_loader->bA1FinOrd = false;
    FSELECT_ORD_NO.clear();
    FSELECT_ORD_NO_COMP.clear();
    if (hooks.stopPolling)
        hooks.stopPolling();
    if (hooks.loadLive)
        hooks.loadLive();
    else
        m_loader->proc_Load_Order();
    btnLoadOrderAll->setEnabled(true);
    CBT_SEARCH->setEnabled(true);
    setActivePage(tbOrdNow);
}

void TFRM_ORD::tbOrdCompClick()
{
    if (!m_loader)
        return;
    if (hooks.loadCompleted)
        hooks.loadCompleted();
    else
        m_loader->procLoadA1OrderFinish();
}

void TFRM_ORD::btnRegDeviceClick()
{
    if (hooks.openRegisteredDevices)
        hooks.openRegisteredDevices();
}

void TFRM_ORD::procCheckCompleteTime(int record)
{
    ::procCheckCompleteTime(m_boards->CTV_MAIN_COMP, record);
}

void TFRM_ORD::proc_ReCountStatusCallSum()
{
    m_boards->proc_ReCountStatusCallSum();
}

void TFRM_ORD::proc_Chk_StoreStateCnt()
{
    log(QStringLiteral(">>>>>>>>>>>>>>>>>>>>>>>> >>>>>>>>>>>>>>>>>>>> proc_Chk_StoreStateCnt1"));
    log(QStringLiteral(">>>>>>>>>>>>>>>>>>>>>>>> >>>>>>>>>>>>>>>>>>>> proc_Chk_StoreStateCnt2"));
}

void TFRM_ORD::fillFooterSums(OrderBoard board)
{
    const bool live = board == OrderBoard::Live;
    BoardFooter *footer = live ? CTV_MAIN_Footer : CTV_MAIN_COMP_Footer;
    GridTableModel &m = live ? m_boards->CTV_MAIN : m_boards->CTV_MAIN_COMP;
    // Sums and count of the shown rows, worked out only for a footer someone can see.
    if (m_closed || !footer || !footer->isVisible())
        return;
    for (const BoardCol::Id id : kSumColumns) {
        const int c = BoardColumnIndex(board, id);
        // The completed board's footer leaves the branch support out.
        if (c < 0 || (!live && id == BoardCol::BR_ADD_PRICE))
            continue;
        qint64 total = 0;
        for (int r = 0; r < m.rowCount(); ++r)
            total += m.recordValue(m.recordOfRow(r), c).toLongLong();
        footer->setText(c, GroupThousands(total));
    }
    if (live)
        footer->setText(BoardColumnIndex(board, BoardCol::STATUS_CD), QString::number(m.rowCount()));
}

void TFRM_ORD::proc_Chk_Cnt()
{
    if (m_closed)
        return;
    if (hooks.stopElapsedTimer)
        hooks.stopElapsedTimer();
    CountPassInput in;
    in.bA1FinOrd = m_loader && m_loader->bA1FinOrd;
    in.storeTabActive = activePage() == tbA2Ord;
    in.iA2OrdCount = iA2OrdCount;
    in.cookViewType = G_USER_SET.COOK_VIEW_TYPE;
    m_lastPass = ::proc_Chk_Cnt(m_boards->CTV_MAIN, m_boards->CTV_MAIN_COMP, m_boards->sums, m_boards->payTotals,
                                in, m_boards->liveTimes, [this](const QString &l) { log(l); });
    try {
        CTV_MAIN_Footer->setText(BoardColumnIndex(OrderBoard::Live, BoardCol::ADDR4), m_lastPass.payText);
        CTV_MAIN_COMP_Footer->setText(BoardColumnIndex(OrderBoard::Completed, BoardCol::STATUS_CD),
                                      QString::number(m_lastPass.completedShown));
        fillFooterSums(OrderBoard::Live);
        fillFooterSums(OrderBoard::Completed);
    } catch (const std::exception &e) {
        log(QStringLiteral("proc_Chk_Cnt_2 ") + QString::fromLocal8Bit(e.what()));
    }
    for (size_t i = 0; i < 9; ++i)
        countLabels[i]->setText(m_lastPass.labels[i]);
    emit countsChanged();
    if (m_lastPass.playWaitSound && hooks.playSound)
        hooks.playSound(0);
    if (hooks.startElapsedTimer)
        hooks.startElapsedTimer();
}
