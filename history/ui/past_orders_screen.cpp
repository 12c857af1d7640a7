#include "history/ui/past_orders_screen.h"

#include "boards/board_layout.h"
#include "boards/same_day_board.h"
#include "boards/ui/board_layout_keeper.h"
#include "common/daily_log.h"
#include "common/message_box.h"
#include "grid/ui/grid_export.h"
#include "main/ui/main_window.h"
#include "main/ui/shell_popups.h"
#include "main/ui/start_forms.h"
#include "platform/clock.h"
#include "records/business_rules.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reference/edition_table.h"
#include "reference/reference_loaders.h"
#include "reference/reference_state.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
QColor pastQColor(TColor c)
{
    return QColor(ColorRed(c), ColorGreen(c), ColorBlue(c));
}

QToolButton *pastToggle(QWidget *parent, const char *name, const QString &text, bool down)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setCheckable(true);
    b->setChecked(down);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

QHash<QString, QString> pastCodeNames(const CodeNameTable &table)
{
    QHash<QString, QString> out;
    for (const CodeNameItem &item : table.items())
        if (!out.contains(item.value))
            out.insert(item.value, item.description);
    return out;
}

QTableView *pastGridView(QWidget *parent, const char *name, QAbstractItemModel *model)
{
    auto *v = new QTableView(parent);
    v->setObjectName(QLatin1String(name));
    v->setModel(model);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSortingEnabled(true);
    v->verticalHeader()->setDefaultSectionSize(25);
    v->verticalHeader()->hide();
    v->horizontalHeader()->setSectionsMovable(true);
    v->setContextMenuPolicy(Qt::CustomContextMenu);
    return v;
}

QString pastCell(const GridTableModel &m, int record, const QString &name)
{
    const int c = m.columnIndex(name);
    return c < 0 ? QString() : m.recordValue(record, c).toString();
}

QString pastGeneralCell(const GridTableModel &m, int record, BoardCol::Id id)
{
    const int c = PastGeneralColumn(id);
    return c < 0 ? QString() : m.recordValue(record, c).toString();
}

int pastRecordAt(const QTableView *view, const QPoint &pos)
{
    const QModelIndex i = view->indexAt(pos);
    return i.isValid() ? i.data(GridTableModel::kRecordRole).toInt() : -1;
}
} // namespace

QVariant PastGeneralModel::data(const QModelIndex &index, int role) const
{
    if (index.isValid() && (role == Qt::BackgroundRole || role == Qt::ForegroundRole)) {
        const int record = recordOfRow(index.row());
        using namespace BoardCol;
        const PastRowColour c = PastGeneralRowColour(
            pastGeneralCell(*this, record, STATUS_CD), pastGeneralCell(*this, record, TAKEOUT_YN),
            pastGeneralCell(*this, record, XY_ACC_TYPE), pastGeneralCell(*this, record, TRAN_TYPE), colours);
        if (role == Qt::BackgroundRole)
            return QBrush(pastQColor(c.background));
        if (c.font)
            return QBrush(pastQColor(*c.font));
        return {};
    }
    if (index.isValid() && role == Qt::ToolTipRole && index.column() == PastGeneralColumn(BoardCol::ORD_MEMO))
        return GridTableModel::data(index, Qt::DisplayRole);
    return GridTableModel::data(index, role);
}

PastMenuPlan PastGeneralMenuPlan(const GridTableModel &grid, int record, const QStringList &storeCodes)
{
    PastMenuPlan p;
    if (record < 0 || record >= grid.recordCount())
        return p;
    using namespace BoardCol;
    p.courierLimit = !pastGeneralCell(grid, record, CTH_WK_CODE).trimmed().isEmpty()
                     && storeCodes.contains(pastGeneralCell(grid, record, ORD_ST_CODE));
    const QString status = pastGeneralCell(grid, record, STATUS_CD);
    p.cardSlip = (status == QLatin1String("4001") || status == QLatin1String("4002"))
                 && pastGeneralCell(grid, record, PAY_TYPE_CD) == QStringLiteral("카드");
    return p;
}

TFRM_ORD_OLD::TFRM_ORD_OLD(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FRM_ORD_OLD"));
    setWindowTitle(QStringLiteral("과거오더내역"));
    m_request = DefaultPastRequest();
    CTV_MAIN.setColumns(PastGeneralColumns());
    CTV_TAKEOUT.setColumns(PastStoreColumns());
    grdA3View.setColumns(PastSameDayColumns());
    buildForm();
}

TFRM_ORD_OLD::~TFRM_ORD_OLD() = default;

void TFRM_ORD_OLD::buildForm()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    root->setSpacing(2);

    auto *top = new QHBoxLayout;
    root->addLayout(top);

    // Branch and the share filters.
    auto *panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto *p1 = new QVBoxLayout(panel1);
    p1->setContentsMargins(0, 0, 0, 0);
    cbOrdBr = new QComboBox(panel1);
    cbOrdBr->setObjectName(QStringLiteral("cbOrdBr"));
    cbOrdBr->setMaxVisibleItems(15);
    cbOrdBr->setMinimumWidth(160);
    p1->addWidget(cbOrdBr);
    pnlShareFilter = new QWidget(panel1);
    pnlShareFilter->setObjectName(QStringLiteral("pnlShareFilter"));
    auto *sf = new QHBoxLayout(pnlShareFilter);
    sf->setContentsMargins(0, 0, 0, 0);
    TrackBar1 = new QSlider(Qt::Horizontal, pnlShareFilter);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, 10);
    TrackBar1->setPageStep(1);
    TrackBar1->setValue(10);
    TrackBar1->setMinimumWidth(80);
    lbDvryDistance = new QLabel(QStringLiteral("무제한"), pnlShareFilter);
    lbDvryDistance->setObjectName(QStringLiteral("lbDvryDistance"));
    CBT_PAY_ALL = pastToggle(pnlShareFilter, "CBT_PAY_ALL", QStringLiteral("결       제"), true);
    CBT_PAY_CASH = pastToggle(pnlShareFilter, "CBT_PAY_CASH", QStringLiteral("현금"), true);
    CBT_PAY_CARD = pastToggle(pnlShareFilter, "CBT_PAY_CARD", QStringLiteral("카드"), true);
    CBT_PAY_PRE = pastToggle(pnlShareFilter, "CBT_PAY_PRE", QStringLiteral("선결제"), true);
    CBT_ORD_IN = pastToggle(pnlShareFilter, "CBT_ORD_IN", QStringLiteral("내  소  속"), true);
    CBT_WK_IN = pastToggle(pnlShareFilter, "CBT_WK_IN", QStringLiteral("타그룹공유"), false);
    CBT_CTH_WK_OUT = pastToggle(pnlShareFilter, "CBT_CTH_WK_OUT", QStringLiteral("내배송그룹"), false);
    CBT_DVRY_DIST = pastToggle(pnlShareFilter, "CBT_DVRY_DIST", QStringLiteral("관 제 거 리"), true);
    for (QWidget *w : std::initializer_list<QWidget *>{TrackBar1, lbDvryDistance, CBT_PAY_ALL, CBT_PAY_CASH,
                                                       CBT_PAY_CARD, CBT_PAY_PRE, CBT_ORD_IN, CBT_WK_IN,
                                                       CBT_CTH_WK_OUT, CBT_DVRY_DIST})
        sf->addWidget(w);
    p1->addWidget(pnlShareFilter);
    top->addWidget(panel1);

    // Dates, search, export and the search boxes.
    pnlSearch = new QWidget(this);
    pnlSearch->setObjectName(QStringLiteral("pnlSearch"));
    auto *psRows = new QVBoxLayout(pnlSearch);
    psRows->setContentsMargins(0, 0, 0, 0);
    auto *ps = new QHBoxLayout;
    auto *psBoxes = new QHBoxLayout;
    psRows->addLayout(ps);
    psRows->addLayout(psBoxes);
    CDE_FROM = new QDateEdit(pnlSearch);
    CDE_FROM->setObjectName(QStringLiteral("CDE_FROM"));
    CDE_TO = new QDateEdit(pnlSearch);
    CDE_TO->setObjectName(QStringLiteral("CDE_TO"));
    for (QDateEdit *d : {CDE_FROM, CDE_TO}) {
        d->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd (ddd)"));
        d->setCalendarPopup(true);
        d->setMinimumWidth(d->fontMetrics().horizontalAdvance(QStringLiteral("2026-12-31 (수)")) + 40);
    }
    CLB_DAYTERM = new QToolButton(pnlSearch);
    CLB_DAYTERM->setObjectName(QStringLiteral("CLB_DAYTERM"));
    CLB_DAYTERM->setText(QStringLiteral("오늘"));
    CLB_DAYTERM->setPopupMode(QToolButton::InstantPopup);
    auto *ppmDate = new QMenu(CLB_DAYTERM);
    ppmDate->setObjectName(QStringLiteral("PPM_DATE"));
    const std::pair<const char *, int> presets[] = {{"어제", 1},     {"2일전", 2},     {"3일전", 3},
                                                    {"4일전", 4},    {"5일전", 5},     {"6일전", 6},
                                                    {"7일전", 7},    {"10일전", 10},   {nullptr, 0},
                                                    {"최근일주일", 17}, {"최근보름", 115}, {"최근한달", 130},
                                                    {"사용자조회", 200}};
    for (const auto &[caption, tag] : presets) {
        if (!caption) {
            ppmDate->addSeparator();
            continue;
        }
        const QString text = QString::fromUtf8(caption);
        const int t = tag;
        ppmDate->addAction(text, this, [this, t, text] { applyPeriodTag(t, text); });
    }
    CLB_DAYTERM->setMenu(ppmDate);
    CBT_SEARCH = new QPushButton(QStringLiteral("검색"), pnlSearch);
    CBT_SEARCH->setObjectName(QStringLiteral("CBT_SEARCH"));
    btnOrdOldExcelSave = new QPushButton(QStringLiteral("엑셀다운"), pnlSearch);
    btnOrdOldExcelSave->setObjectName(QStringLiteral("btnOrdOldExcelSave"));
    chkFinishSearch = new QCheckBox(QStringLiteral("완료일"), pnlSearch);
    chkFinishSearch->setObjectName(QStringLiteral("chkFinishSearch"));
    ps->addWidget(CDE_FROM);
    ps->addWidget(CDE_TO);
    ps->addWidget(CLB_DAYTERM);
    ps->addWidget(CBT_SEARCH);
    ps->addWidget(btnOrdOldExcelSave);
    ps->addWidget(chkFinishSearch);
    ps->addStretch(1);
    const std::pair<QLineEdit **, const char *> boxes[] = {{&CTE_CU_NAME, "CTE_CU_NAME"}, {&CTE_CU_TEL, "CTE_CU_TEL"},
                                                           {&CTE_CU_ADDR, "CTE_CU_ADDR"}, {&CTE_WK_NAME, "CTE_WK_NAME"},
                                                           {&CTE_ORD_NO, "CTE_ORD_NO"}};
    const QStringList hints = {QStringLiteral("가맹점명"), QStringLiteral("고객전화"), QStringLiteral("도착지"),
                               QStringLiteral("배송원연락처/명"), QStringLiteral("접수번호")};
    int h = 0;
    for (const auto &[box, name] : boxes) {
        *box = new QLineEdit(pnlSearch);
        (*box)->setObjectName(QLatin1String(name));
        // The hint shows while the box is empty; an empty box sets no condition.
        (*box)->setPlaceholderText(hints.at(h++));
        (*box)->setMinimumWidth(90);
        psBoxes->addWidget(*box);
        connect(*box, &QLineEdit::editingFinished, this, [this] {
            if (pgOrder->currentWidget() == pgOrderSameDay)
                procSameDayFilter();
            else
                proc_Filter();
        });
    }
    top->addWidget(pnlSearch, 1);

    // Status buttons and counters.
    auto *group2 = new QWidget(this);
    group2->setObjectName(QStringLiteral("cxGroupBox2"));
    auto *g2 = new QHBoxLayout(group2);
    g2->setContentsMargins(0, 0, 0, 0);
    pnlNormal = new QWidget(group2);
    pnlNormal->setObjectName(QStringLiteral("pnlNormal"));
    auto *pn = new QHBoxLayout(pnlNormal);
    pn->setContentsMargins(0, 0, 0, 0);
    const std::tuple<const char *, const char *, int, const char *> statusDefs[] = {
        {"CBT_ST_ACC", "접수", 1001, "CLB_ORD_CNT"},      {"CBT_ST_READY", "요청", 2001, "CLB_READY_CNT"},
        {"CBT_ST_BAECHA", "배차", 3001, "CLB_PICKUP_CNT"}, {"CBT_ST_PICKUP", "출발", 3003, "CLB_START_CNT"},
        {"CBT_ST_END", "완료", 4001, "CLB_FINISH_CNT"},    {"CBT_ST_CANCEL", "취소", 4002, "CLB_CANCEL_CNT"},
        {"CBT_ST_WAIT", "대기", 1002, "CLB_WAIT_CNT"},     {"CBT_ST_QUE", "문의", 4003, "CLB_ETC_CNT"},
    };
    CBT_ST_ALL = pastToggle(pnlNormal, "CBT_ST_ALL", QStringLiteral("전체"), true);
    auto *total = new QLabel(QStringLiteral("0"), pnlNormal);
    total->setObjectName(QStringLiteral("CLB_TOTAL_CNT"));
    total->setMinimumWidth(40);
    total->setAlignment(Qt::AlignCenter);
    countLabels.append(total);
    pn->addWidget(CBT_ST_ALL);
    pn->addWidget(total);
    for (const auto &[name, caption, tag, label] : statusDefs) {
        QToolButton *b = pastToggle(pnlNormal, name, QString::fromUtf8(caption), true);
        b->setProperty("statusTag", tag);
        statusButtons.append(b);
        auto *l = new QLabel(QStringLiteral("0"), pnlNormal);
        l->setObjectName(QLatin1String(label));
        l->setMinimumWidth(40);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        countLabels.append(l);
        pn->addWidget(b);
        pn->addWidget(l);
        connect(b, &QToolButton::clicked, this, &TFRM_ORD_OLD::statusMemberClicked);
    }
    pn->addStretch(1);
    g2->addWidget(pnlNormal);
    pnlSameDay = new QWidget(group2);
    pnlSameDay->setObjectName(QStringLiteral("pnlSameDay"));
    auto *pd = new QHBoxLayout(pnlSameDay);
    pd->setContentsMargins(0, 0, 0, 0);
    btnSameAll = pastToggle(pnlSameDay, "btnSameAll", QStringLiteral("전체"), true);
    auto *sameAll = new QLabel(QStringLiteral("0"), pnlSameDay);
    sameAll->setObjectName(QStringLiteral("lbSameAll"));
    sameAll->setMinimumWidth(40);
    sameAll->setAlignment(Qt::AlignCenter);
    sameDayLabels.append(sameAll);
    pd->addWidget(btnSameAll);
    pd->addWidget(sameAll);
    const std::tuple<const char *, const char *, int, const char *> sameDefs[] = {
        {"btnSame4001", "완료", 4001, "lbSame4001"}, {"btnSame1002", "대기", 1002, "lbSame1002"},
        {"btnSame4002", "취소", 4002, "lbSame4002"}, {"btnSame4003", "문의", 4003, "lbSame4003"}};
    for (const auto &[name, caption, tag, label] : sameDefs) {
        QToolButton *b = pastToggle(pnlSameDay, name, QString::fromUtf8(caption), true);
        b->setProperty("statusTag", tag);
        sameDayButtons.append(b);
        auto *l = new QLabel(QStringLiteral("0"), pnlSameDay);
        l->setObjectName(QLatin1String(label));
        l->setMinimumWidth(40);
        l->setAlignment(Qt::AlignCenter);
        sameDayLabels.append(l);
        pd->addWidget(b);
        pd->addWidget(l);
        connect(b, &QToolButton::clicked, this, [this] {
            bool all = true;
            for (QToolButton *x : sameDayButtons)
                all = all && x->isChecked();
            btnSameAll->setChecked(all);
            procSameDayFilter();
        });
    }
    connect(btnSameAll, &QToolButton::clicked, this, [this] {
        for (QToolButton *x : sameDayButtons)
            x->setChecked(btnSameAll->isChecked());
        procSameDayFilter();
    });
    pd->addStretch(1);
    g2->addWidget(pnlSameDay);
    pnlSameDay->hide();
    root->addWidget(group2);

    // The three tabs.
    pgOrder = new QTabWidget(this);
    pgOrder->setObjectName(QStringLiteral("pgOrder"));
    pgOrderNormal = new QWidget(pgOrder);
    pgOrderNormal->setObjectName(QStringLiteral("pgOrderNormal"));
    auto *pl = new QVBoxLayout(pgOrderNormal);
    pl->setContentsMargins(0, 0, 0, 0);
    cxGrid1 = pastGridView(pgOrderNormal, "cxGrid1", &CTV_MAIN);
    pl->addWidget(cxGrid1, 1);
    footerText = new QLabel(pgOrderNormal);
    footerText->setObjectName(QStringLiteral("CTV_MAIN_FOOTER"));
    footerText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pl->addWidget(footerText);
    pgA2Ord = new QWidget(pgOrder);
    pgA2Ord->setObjectName(QStringLiteral("pgA2Ord"));
    auto *al = new QVBoxLayout(pgA2Ord);
    al->setContentsMargins(0, 0, 0, 0);
    cxGrid2 = pastGridView(pgA2Ord, "cxGrid2", &CTV_TAKEOUT);
    al->addWidget(cxGrid2);
    pgOrderSameDay = new QWidget(pgOrder);
    pgOrderSameDay->setObjectName(QStringLiteral("pgOrderSameDay"));
    auto *dl = new QVBoxLayout(pgOrderSameDay);
    dl->setContentsMargins(0, 0, 0, 0);
    grdA3Day = pastGridView(pgOrderSameDay, "grdA3Day", &grdA3View);
    dl->addWidget(grdA3Day);
    pgOrder->addTab(pgOrderNormal, QStringLiteral("일반배송"));
    pgOrder->addTab(pgA2Ord, QStringLiteral("매장주문"));
    pgOrder->addTab(pgOrderSameDay, QStringLiteral("당일배송"));
    root->addWidget(pgOrder, 1);

    // Column layouts kept in the settings file.
    QSet<QString> internal = BoardInternalColumns(BoardGrid::Live);
    for (const BoardColumnInfo &info : BoardColumnInfos(OrderBoard::Completed))
        if (info.tag == 1)
            internal.insert(BoardColumnName(OrderBoard::Live, info.id));
    internal.remove(QStringLiteral("CTV_MAIN_ORD_ST_CODE"));
    internal.remove(QStringLiteral("CTV_MAIN_MASTER_ST_CODE"));
    m_generalLayout = new BoardLayoutKeeper(cxGrid1->horizontalHeader(), LiveBoardLayoutRules(QString()), internal, this);
    m_storeLayout = new BoardLayoutKeeper(cxGrid2->horizontalHeader(), PlainBoardLayoutRules(QStringLiteral("CTV_TAKEOUTOLD")),
                                          {QStringLiteral("CTV_TAKEOUT_ORD_BR_CODE"), QStringLiteral("CTV_TAKEOUT_CU_TEL2")},
                                          this);
    QSet<QString> sameHidden;
    for (const QString &n : SameDayHiddenColumns(SameDayBoard::Today))
        sameHidden.insert(n);
    m_sameDayLayout = new BoardLayoutKeeper(grdA3Day->horizontalHeader(), PlainBoardLayoutRules(QStringLiteral("grdA3View")),
                                            sameHidden, this);

    // Wiring.
    connect(CBT_SEARCH, &QPushButton::clicked, this, &TFRM_ORD_OLD::CBT_SEARCHClick);
    connect(btnOrdOldExcelSave, &QPushButton::clicked, this, &TFRM_ORD_OLD::btnOrdOldExcelSaveClick);
    connect(CBT_ST_ALL, &QToolButton::clicked, this, &TFRM_ORD_OLD::statusAllClicked);
    connect(CBT_DVRY_DIST, &QToolButton::clicked, this, [this] {
        CBT_DVRY_DIST->setChecked(true);
        statusAllClicked();
    });
    connect(CBT_PAY_ALL, &QToolButton::clicked, this, &TFRM_ORD_OLD::payAllClicked);
    for (QToolButton *b : {CBT_PAY_CASH, CBT_PAY_CARD, CBT_PAY_PRE})
        connect(b, &QToolButton::clicked, this, &TFRM_ORD_OLD::payMemberClicked);
    for (QToolButton *b : {CBT_ORD_IN, CBT_WK_IN, CBT_CTH_WK_OUT})
        connect(b, &QToolButton::clicked, this, &TFRM_ORD_OLD::proc_Filter);
    connect(TrackBar1, &QSlider::valueChanged, this, [this](int p) {
        lbDvryDistance->setText(PastDistanceLabel(p));
        if (G_INI)
            G_INI->WriteInteger(QStringLiteral("ORD_OLD"), QStringLiteral("DISPOS"), p);
        proc_Filter();
    });
    connect(CDE_TO, &QDateEdit::editingFinished, this, [this] {
        // The business day changes at 05:00.
        const QDate business = AppClock::now().addSecs(-5 * 3600).date();
        if (CDE_TO->date() >= business)
            CDE_TO->setDate(AppClock::now().date().addDays(-1));
    });
    connect(cbOrdBr, &QComboBox::currentIndexChanged, this, &TFRM_ORD_OLD::cbOrdBrChanged);
    connect(pgOrder, &QTabWidget::currentChanged, this, &TFRM_ORD_OLD::pgOrderChange);
    connect(cxGrid1, &QTableView::doubleClicked, this,
            [this](const QModelIndex &i) { openRecord(0, i.data(GridTableModel::kRecordRole).toInt()); });
    connect(cxGrid2, &QTableView::doubleClicked, this,
            [this](const QModelIndex &i) { openRecord(1, i.data(GridTableModel::kRecordRole).toInt()); });
    connect(grdA3Day, &QTableView::doubleClicked, this,
            [this](const QModelIndex &i) { openRecord(2, i.data(GridTableModel::kRecordRole).toInt()); });
    connect(cxGrid1, &QTableView::customContextMenuRequested, this, [this](const QPoint &pos) {
        const int record = pastRecordAt(cxGrid1, pos);
        if (record < 0)
            return;
        QMenu *menu = generalMenuFor(record);
        menu->exec(cxGrid1->viewport()->mapToGlobal(pos));
        menu->deleteLater();
    });
}

QMenu *TFRM_ORD_OLD::generalMenuFor(int record)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PPM_LIST"));
    menu->addSection(QStringLiteral("---- 기타업무 -----------"));
    const PastMenuPlan plan = PastGeneralMenuPlan(CTV_MAIN, record, G_SL_ST_CODE);
    using namespace BoardCol;
    const QString ordNo = pastGeneralCell(CTV_MAIN, record, ORD_NO);
    const QString store = pastGeneralCell(CTV_MAIN, record, ORD_ST_CODE);
    const QString courier = pastGeneralCell(CTV_MAIN, record, CTH_WK_CODE).trimmed();
    QAction *limit = menu->addAction(QStringLiteral("배송원배차제한"), this, [this, store, courier] {
        if (courier.isEmpty()) {
            say(QStringLiteral("해당주문에 배차된 배송원이 없습니다."));
            return;
        }
        if (m_hooks.courierLimit)
            m_hooks.courierLimit(store, courier);
    });
    limit->setObjectName(QStringLiteral("NEtcDvryRSTR"));
    limit->setVisible(plan.courierLimit);
    QAction *card = menu->addAction(QStringLiteral("카드전표"), this, [this, ordNo] {
        if (m_hooks.cardSlips)
            m_hooks.cardSlips(ordNo, QStringLiteral("2"));
    });
    card->setObjectName(QStringLiteral("NCardAppr"));
    card->setVisible(plan.cardSlip);
    return menu;
}

void TFRM_ORD_OLD::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Each visit starts as the top button opens the screen: the first one resets it, every one
    // shows the tabs of this login and activates the first.
    if (Tag == 0) {
        proc_init();
        Tag = 1;
    } else {
        openScreen();
    }
}

void TFRM_ORD_OLD::applyLookups()
{
    BoardColumnLookups l;
    l.status = pastCodeNames(CCB_O2);
    l.orderKind = pastCodeNames(CCB_O1);
    l.orderPath = pastCodeNames(CCB_O3);
    l.deliveryGroup = pastCodeNames(CCB_O8);
    l.posPath = pastCodeNames(CCB_PT);
    l.vanKind = pastCodeNames(CCB_VAN);
    l.dvryCount = pastCodeNames(cicbDvryCnt);
    const QList<BoardColumnInfo> &infos = BoardColumnInfos(OrderBoard::Completed);
    for (int c = 0; c < infos.size(); ++c)
        if (infos.at(c).lookup != BoardLookup::None)
            CTV_MAIN.setColumnLookup(c, BoardLookupNames(infos.at(c).lookup, l));
    CTV_TAKEOUT.setColumnLookup(CTV_TAKEOUT.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_STATUS_CD")), l.status);
    CTV_TAKEOUT.setColumnLookup(CTV_TAKEOUT.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_PATH_CD")), l.orderPath);
    CTV_TAKEOUT.setColumnLookup(CTV_TAKEOUT.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_TYPE")), l.orderKind);
    CTV_TAKEOUT.setColumnLookup(CTV_TAKEOUT.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_DATA_YN")),
                                {{QStringLiteral("N"), QStringLiteral("배달")}, {QStringLiteral("Y"), QStringLiteral("테이크아웃")}});
    const QString p = PastSameDayPrefix();
    grdA3View.setColumnLookup(grdA3View.columnIndex(p + QStringLiteral("ORD_STATUS_CD")), l.status);
    for (const char *c : {"DVRY_TYPE_CD", "CTH_DVRY_TYPE_CD", "ST_DVRY_TYPE_CD"})
        grdA3View.setColumnLookup(grdA3View.columnIndex(p + QLatin1String(c)), l.deliveryGroup);
}

void TFRM_ORD_OLD::proc_init()
{
    m_filling = true;
    CBT_ST_ALL->setChecked(true);
    for (QToolButton *b : statusButtons)
        b->setChecked(true);
    for (QToolButton *b : {CBT_PAY_ALL, CBT_PAY_CASH, CBT_PAY_CARD, CBT_PAY_PRE})
        b->setChecked(true);
    btnSameAll->setChecked(true);
    for (QToolButton *b : sameDayButtons)
        b->setChecked(true);
    applyLookups();
    CTV_MAIN.colours = PastStatusColours::Current();
    for (int i = 1; i < countLabels.size(); ++i) {
        QPalette pal = countLabels.at(i)->palette();
        pal.setColor(QPalette::Window, pastQColor(CTV_MAIN.colours.byLabel[size_t(i)]));
        countLabels.at(i)->setPalette(pal);
    }
    // The business day changes at 05:00: "yesterday" is the day before the business day.
    const QDate yesterday = AppClock::now().addSecs(-5 * 3600).date().addDays(-1);
    CDE_FROM->setDate(yesterday);
    CDE_TO->setDate(yesterday);
    CLB_DAYTERM->setText(QStringLiteral("어제"));
    // The branch box: a head office that runs deliveries may look at all branches.
    cbOrdBr->clear();
    const QString cls = G_USER_INFO.USER_TYPE_CD.left(1);
    if (cls != QLatin1String("1")) {
        if (cls == QLatin1String("7") && G_USER_INFO.DVRY_MNG_YN == QLatin1String("Y"))
            cbOrdBr->addItem(QStringLiteral("전체"), QStringLiteral("0"));
        const auto live = [](const QString &status) {
            return status != QLatin1String("0") && status != QLatin1String("2");
        };
        for (const THD_LIST &hd : G_HD_LIST)
            for (const TBR_LIST &br : hd.BR_LIST)
                if (live(hd.DATA_STATUS) && live(br.DATA_STATUS) && G_SL_BR_CODE.contains(br.BR_CODE)
                    && cbOrdBr->findData(QString(br.BR_CODE)) < 0)
                    cbOrdBr->addItem(br.BR_Name, QString(br.BR_CODE));
    }
    btnOrdOldExcelSave->setEnabled(HasAuthGrade(2));
    const int pos = G_INI ? G_INI->ReadInteger(QStringLiteral("ORD_OLD"), QStringLiteral("DISPOS"), 9) : 9;
    TrackBar1->setValue(qBound(0, pos, 10));
    lbDvryDistance->setText(PastDistanceLabel(TrackBar1->value()));
    m_filling = false;
    cbOrdBrChanged();
    proc_Load_Grid();
    openScreen();
}

void TFRM_ORD_OLD::openScreen()
{
    const bool normal = G_USER_SET.SEARCHNORMAL == QLatin1String("Y");
    const bool sameDay =
        G_USER_SET.SEARCHSAMEDAY == QLatin1String("Y") || G_USER_SET.SEARCHSAMEDAY_HUB == QLatin1String("Y");
    const bool store = G_USER_INFO.USER_TYPE_CD.left(1) == QLatin1String("1");
    pgOrder->setTabVisible(pgOrder->indexOf(pgOrderNormal), normal);
    pgOrder->setTabVisible(pgOrder->indexOf(pgOrderSameDay), sameDay);
    pgOrder->setTabVisible(pgOrder->indexOf(pgA2Ord), store);
    if (normal)
        pgOrder->setCurrentWidget(pgOrderNormal);
    else if (sameDay)
        pgOrder->setCurrentWidget(pgOrderSameDay);
    pgOrderChange();
}

void TFRM_ORD_OLD::pgOrderChange()
{
    const bool sameDay = pgOrder->currentWidget() == pgOrderSameDay;
    pnlNormal->setVisible(!sameDay);
    pnlShareFilter->setVisible(!sameDay);
    pnlSameDay->setVisible(sameDay);
    if (!sameDay)
        proc_Chk_Cnt();
}

void TFRM_ORD_OLD::cbOrdBrChanged()
{
    if (m_filling)
        return;
    const QString cls = G_USER_INFO.USER_TYPE_CD.left(1);
    if (cls == QLatin1String("5")) {
        if (G_USER_INFO.BR_DVRY_YN == QLatin1String("Y")) {
            selection = {G_USER_INFO.HD, G_USER_INFO.BR, G_USER_INFO.MNG_DVRY_TYPE_CD};
            for (QToolButton *b : {CBT_ORD_IN, CBT_WK_IN, CBT_CTH_WK_OUT})
                b->setEnabled(true);
        }
        return;
    }
    const bool none = cbOrdBr->currentIndex() <= 0;
    if (none) {
        selection = {};
    } else {
        selection = {QString(), cbOrdBr->currentData().toString(), QString()};
        // A later head office holding the same branch wins.
        for (const THD_LIST &hd : G_HD_LIST)
            for (const TBR_LIST &br : hd.BR_LIST)
                if (br.BR_CODE == selection.br) {
                    selection.hd = hd.HD_CODE;
                    selection.dvryType = br.DVRY_TYPE_CD;
                    break;
                }
    }
    for (QToolButton *b : {CBT_ORD_IN, CBT_WK_IN, CBT_CTH_WK_OUT})
        b->setEnabled(!none);
}

PastSearchPeriod TFRM_ORD_OLD::period() const
{
    return {CDE_FROM->date(), CDE_TO->date(), chkFinishSearch->isChecked()};
}

bool TFRM_ORD_OLD::checkPeriod()
{
    if (PastPeriodAllowed(CDE_FROM->date(), CDE_TO->date()))
        return true;
    say(PastPeriodTooLongText());
    const QDate yesterday = AppClock::now().date().addDays(-1);
    CDE_FROM->setDate(yesterday);
    CDE_TO->setDate(yesterday);
    return false;
}

void TFRM_ORD_OLD::applyPeriodTag(int tag, const QString &caption)
{
    CLB_DAYTERM->setText(caption);
    const QDate today = AppClock::now().date();
    if (tag >= 1 && tag <= 16) {
        CDE_FROM->setDate(today.addDays(-tag));
        CDE_TO->setDate(today.addDays(-tag));
    } else if (tag == 17) {
        CDE_FROM->setDate(today.addDays(-8));
        CDE_TO->setDate(today.addDays(-1));
    } else if (tag == 115) {
        CDE_FROM->setDate(today.addDays(-16));
        CDE_TO->setDate(today.addDays(-1));
    } else if (tag == 130) {
        CDE_FROM->setDate(today.addDays(-31));
        CDE_TO->setDate(today.addDays(-1));
    }
    CBT_SEARCHClick();
}

void TFRM_ORD_OLD::CBT_SEARCHClick()
{
    if (pgOrder->currentWidget() == pgOrderNormal)
        proc_CS01_01_V01();
    else if (pgOrder->currentWidget() == pgA2Ord)
        procA2OldOrder();
    else
        procSameDaySearch();
}

void TFRM_ORD_OLD::say(const QString &text)
{
    if (m_hooks.message)
        m_hooks.message(text);
    else
        MsgBox(text, QStringLiteral("I"));
}

void TFRM_ORD_OLD::tellIncomplete(const PastPageOutcome &outcome)
{
    const QString text = PastIncompleteText(outcome);
    if (!text.isEmpty())
        say(text);
}

void TFRM_ORD_OLD::proc_CS01_01_V01()
{
    if (!checkPeriod())
        return;
    const QString code = QLatin1String(kPastGeneralCode);
    const QStringList pages = m_request(code, QStringLiteral("ADM3"),
                                        PastGeneralPayload(PastSearchLogin::Current(), selection, period()),
                                        QStringLiteral("10000"), 30000);
    if (pages.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }
    CBT_SEARCH->setEnabled(false);
    CTV_MAIN.beginUpdate();
    CTV_MAIN.clearRecords();
    CTV_MAIN.clearSort();
    PastRowContext ctx = PastRowContext::Current();
    PayTotals scratch;
    const PastPageOutcome outcome = ReadPastPages(
        code, pages, [&](const QString &row) { return AppendPastGeneralRow(CTV_MAIN, row, ctx, scratch); },
        [](const QString &line) { WriteLog(line); });
    CTV_MAIN.endUpdate();
    // Stores the main window does not know yet are added, so later look-ups find them.
    QSet<QString> known;
    const int storeColumn = PastGeneralColumn(BoardCol::ORD_ST_CODE);
    for (int r = 0; r < CTV_MAIN.recordCount(); ++r) {
        const QString st = CTV_MAIN.recordValue(r, storeColumn).toString();
        if (st.isEmpty() || known.contains(st))
            continue;
        known.insert(st);
        if (!G_ST_LIST.contains(st))
            proc_Add_StNo(st);
    }
    CBT_SEARCH->setEnabled(true);
    proc_Filter();
    tellIncomplete(outcome);
}

void TFRM_ORD_OLD::procA2OldOrder()
{
    if (!checkPeriod())
        return;
    const QString code = QLatin1String(kPastStoreCode);
    const QStringList pages = m_request(code, QStringLiteral("ADM3"), PastStorePayload(PastSearchLogin::Current(), period()),
                                        QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }
    WriteLog(QStringLiteral("Send and Recv Succ"));
    CTV_TAKEOUT.beginUpdate();
    CTV_TAKEOUT.clearRecords();
    CTV_TAKEOUT.clearSort();
    const QStringList prepaid = G_SL_O3_COL11;
    const PastPageOutcome outcome = ReadPastPages(
        code, pages, [&](const QString &row) { return InsertPastStoreRow(CTV_TAKEOUT, row, prepaid); },
        [](const QString &line) { WriteLog(line); });
    CTV_TAKEOUT.endUpdate();
    proc_Filter();
    tellIncomplete(outcome);
}

void TFRM_ORD_OLD::procSameDaySearch()
{
    if (!checkPeriod())
        return;
    const QString code = QLatin1String(kPastSameDayCode);
    const QStringList pages = m_request(code, QStringLiteral("ADM3"),
                                        PastSameDayPayload(PastSearchLogin::Current(), period()),
                                        QStringLiteral("3000"), 30000);
    if (pages.isEmpty())
        return;
    pnlSearch->setEnabled(false);
    grdA3View.beginUpdate();
    grdA3View.clearRecords();
    grdA3View.clearSort();
    const PastPageOutcome outcome = ReadPastPages(
        code, pages, [&](const QString &row) { return AppendPastSameDayRow(grdA3View, row); },
        [](const QString &line) { WriteLog(line); });
    grdA3View.endUpdate();
    pnlSearch->setEnabled(true);
    showSameDayCounts();
    procSameDayFilter();
    tellIncomplete(outcome);
}

PastFilterInput TFRM_ORD_OLD::filterInput() const
{
    PastFilterInput in;
    in.sel = selection;
    in.ordIn = CBT_ORD_IN->isChecked();
    in.wkIn = CBT_WK_IN->isChecked();
    in.cthWkOut = CBT_CTH_WK_OUT->isChecked();
    in.payAll = CBT_PAY_ALL->isChecked();
    in.payCash = CBT_PAY_CASH->isChecked();
    in.payCard = CBT_PAY_CARD->isChecked();
    in.payPre = CBT_PAY_PRE->isChecked();
    in.statusAll = CBT_ST_ALL->isChecked();
    for (QToolButton *b : statusButtons)
        if (b->isChecked())
            in.statuses.append(b->property("statusTag").toInt());
    in.cuName = CTE_CU_NAME->text();
    in.cuTel = CTE_CU_TEL->text();
    in.cuAddr = CTE_CU_ADDR->text();
    in.wkName = CTE_WK_NAME->text();
    in.ordNo = CTE_ORD_NO->text();
    in.distanceLimit = PastDistanceLimit(TrackBar1->value());
    return in;
}

void TFRM_ORD_OLD::proc_Filter()
{
    if (m_filling)
        return;
    if (CTV_MAIN.recordCount() > 0)
        ApplyPastGeneralFilter(CTV_MAIN, filterInput());
    // The store grid: the ticked stores, its own status and payment, one group for three boxes.
    if (CTV_TAKEOUT.recordCount() > 0) {
        QStringList stores;
        if (G_USER_INFO.USER_TYPE_CD.left(1) != QLatin1String("1") && FRM_MAIN)
            stores = PastStoreSelection(
                FRM_MAIN->GS_CHK_STNO, G_SL_ST_CODE,
                [](const QString &code) {
                    const TST_LIST *st = G_ST_LIST.find(code);
                    return st ? QString(st->BR_CODE) : QString();
                },
                selection.br);
        ApplyPastStoreFilter(CTV_TAKEOUT, filterInput(), stores);
    }
    proc_Chk_Cnt();
}

void TFRM_ORD_OLD::procSameDayFilter()
{
    if (grdA3View.recordCount() == 0)
        return;
    PastSameDayFilterInput in;
    in.userClass = G_USER_INFO.USER_TYPE_CD.left(1);
    in.searchSameDay = G_USER_SET.SEARCHSAMEDAY == QLatin1String("Y");
    in.chosenBranch = selection.br;
    in.br = G_USER_INFO.BR;
    in.stDvryType = G_USER_INFO.ST_DVRY_TYPE_CD;
    in.sameDayNormal = G_USER_INFO.SAMEDAY_NORMAL_TYPE;
    in.sameDayLocal = G_USER_INFO.SAMEDAY_JISUN_TYPE;
    in.statusAll = btnSameAll->isChecked();
    for (QToolButton *b : sameDayButtons)
        if (b->isChecked())
            in.statuses.append(b->property("statusTag").toInt());
    in.ordNo = CTE_ORD_NO->text();
    in.wkName = CTE_WK_NAME->text();
    in.cuName = CTE_CU_NAME->text();
    in.cuTel = CTE_CU_TEL->text();
    in.cuAddr = CTE_CU_ADDR->text();
    ApplyPastSameDayFilter(grdA3View, PastSameDayPrefix(), in);
}

void TFRM_ORD_OLD::showSameDayCounts()
{
    const PastSameDayCounts c = CountPastSameDay(grdA3View, PastSameDayPrefix());
    const int values[] = {c.total, c.done, c.waiting, c.cancelled, c.inquiry};
    for (int i = 0; i < sameDayLabels.size() && i < 5; ++i)
        sameDayLabels.at(i)->setText(QString::number(values[i]));
}

void TFRM_ORD_OLD::proc_Chk_Cnt()
{
    const PastCounts counts = CountPastGeneral(CTV_MAIN);
    for (int i = 0; i < countLabels.size() && i < int(counts.labels.size()); ++i)
        countLabels.at(i)->setText(QString::number(counts.labels[size_t(i)]));
    // Sums of the money columns over the shown rows, with the pay breakdown.
    qint64 dvry = 0, pay = 0;
    const int dc = PastGeneralColumn(BoardCol::DVRY_AMT);
    const int pc = PastGeneralColumn(BoardCol::PAY_AMT);
    for (int row = 0; row < CTV_MAIN.rowCount(); ++row) {
        const int r = CTV_MAIN.recordOfRow(row);
        dvry += CTV_MAIN.recordValue(r, dc).toLongLong();
        pay += CTV_MAIN.recordValue(r, pc).toLongLong();
    }
    const QLocale c(QLocale::Korean);
    footerText->setText(counts.payText + QStringLiteral("    배달료 ") + c.toString(dvry) + QStringLiteral("    결제총액 ")
                        + c.toString(pay));
    if (pgOrder->currentWidget() == pgA2Ord) {
        // The store tab counts its own rows.
        std::array<int, 9> a{};
        const int sc = CTV_TAKEOUT.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_STATUS_CD"));
        for (int row = 0; row < CTV_TAKEOUT.rowCount(); ++row) {
            const int status = CTV_TAKEOUT.recordValue(CTV_TAKEOUT.recordOfRow(row), sc).toString().toInt();
            ++a[0];
            if (status == 1001 || status == 1002 || status == 2001)
                ++a[1];
            else if (status == 4001)
                ++a[5];
            else if (status == 4002)
                ++a[6];
            else
                ++a[8];
        }
        for (int i = 0; i < countLabels.size() && i < int(a.size()); ++i)
            countLabels.at(i)->setText(QString::number(a[size_t(i)]));
    }
}

void TFRM_ORD_OLD::statusAllClicked()
{
    const bool down = CBT_ST_ALL->isChecked();
    for (QToolButton *b : statusButtons)
        b->setChecked(down);
    proc_Filter();
}

void TFRM_ORD_OLD::statusMemberClicked()
{
    bool all = true;
    for (QToolButton *b : statusButtons)
        all = all && b->isChecked();
    CBT_ST_ALL->setChecked(all);
    proc_Filter();
}

void TFRM_ORD_OLD::payAllClicked()
{
    const bool down = CBT_PAY_ALL->isChecked();
    for (QToolButton *b : {CBT_PAY_CASH, CBT_PAY_CARD, CBT_PAY_PRE})
        b->setChecked(down);
    proc_Filter();
}

void TFRM_ORD_OLD::payMemberClicked()
{
    CBT_PAY_ALL->setChecked(CBT_PAY_CASH->isChecked() && CBT_PAY_CARD->isChecked() && CBT_PAY_PRE->isChecked());
    proc_Filter();
}

void TFRM_ORD_OLD::openRecord(int tab, int record)
{
    if (tab == 0) {
        if (record < 0 || record >= CTV_MAIN.recordCount())
            return;
        using namespace BoardCol;
        const QString ordNo = pastGeneralCell(CTV_MAIN, record, ORD_NO);
        const QString status = pastGeneralCell(CTV_MAIN, record, STATUS_CD);
        const QString kind = pastGeneralCell(CTV_MAIN, record, TYPE_CD);
        bool ok = false;
        const int n = pastGeneralCell(CTV_MAIN, record, TODAY_ALL_NO).toInt(&ok);
        const QString num = QString::number(ok ? n : 1);
        const int k = kind.toInt();
        if (m_hooks.ensureStore && k >= 1001 && k <= 1007)
            m_hooks.ensureStore(pastGeneralCell(CTV_MAIN, record, ORD_ST_CODE));
        if (k >= 1001 && k <= 1003) {
            if (m_hooks.modify)
                m_hooks.modify(ordNo, status, QStringLiteral("2"), num, QString(), QString());
        } else if (k >= 1004 && k <= 1007) {
            if (m_hooks.modifyQuick)
                m_hooks.modifyQuick(ordNo, status, num, QStringLiteral("2"));
        }
    } else if (tab == 1) {
        if (record < 0 || record >= CTV_TAKEOUT.recordCount() || !m_hooks.modify)
            return;
        if (m_hooks.ensureStore)
            m_hooks.ensureStore(pastCell(CTV_TAKEOUT, record, QStringLiteral("CTV_TAKEOUT_ORD_ST_CODE")));
        m_hooks.modify(pastCell(CTV_TAKEOUT, record, QStringLiteral("CTV_TAKEOUT_ORD_NO")),
                       pastCell(CTV_TAKEOUT, record, QStringLiteral("CTV_TAKEOUT_ORD_STATUS_CD")), QStringLiteral("2"),
                       pastCell(CTV_TAKEOUT, record, QStringLiteral("CTV_TAKEOUT_ORD_TODAY_ALL_NO")),
                       QStringLiteral("2"), QString());
    } else {
        if (record < 0 || record >= grdA3View.recordCount() || !m_hooks.modify)
            return;
        const QString p = PastSameDayPrefix();
        m_hooks.modify(pastCell(grdA3View, record, p + QStringLiteral("ORD_NO")),
                       pastCell(grdA3View, record, p + QStringLiteral("ORD_STATUS_CD")), QStringLiteral("2"),
                       pastCell(grdA3View, record, p + QStringLiteral("ORD_TODAY_ALL_NO")),
                       pastCell(grdA3View, record, p + QStringLiteral("ORD_TYPE_CD")), QString());
    }
}

void TFRM_ORD_OLD::btnOrdOldExcelSaveClick()
{
    btnOrdOldExcelSave->setEnabled(false);
    exportActive();
    btnOrdOldExcelSave->setEnabled(true);
}

void TFRM_ORD_OLD::exportActive()
{
    const QString proposed = CDE_FROM->date().toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('_')
                             + CDE_TO->date().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("내역.xlsx");
    const QString file = m_hooks.chooseFile
                             ? m_hooks.chooseFile(proposed)
                             : QFileDialog::getSaveFileName(this, QString(), proposed, QStringLiteral("xlsx (*.xlsx)"));
    if (file.isEmpty())
        return;
    QTableView *view = pgOrder->currentWidget() == pgOrderSameDay ? grdA3Day
                       : pgOrder->currentWidget() == pgA2Ord     ? cxGrid2
                                                                 : cxGrid1;
    ExportGridToExcel(view, file, false);
}

void TFRM_ORD_OLD::proc_Load_Grid()
{
    m_generalLayout->load();
    m_storeLayout->load();
    m_sameDayLayout->load();
}

PastOrdersHooks PastOrdersProgramHooks()
{
    PastOrdersHooks hooks;
    hooks.modify = [](const QString &no, const QString &st, const QString &gubun, const QString &num,
                      const QString &type, const QString &share) {
        if (FRM_MAIN)
            FRM_MAIN->proc_Ord_Modify(no, st, gubun, num, type, share);
    };
    hooks.modifyQuick = [](const QString &no, const QString &st, const QString &num, const QString &gubun) {
        if (FRM_MAIN)
            FRM_MAIN->proc_Ord_Modify_Quick(no, st, num, gubun);
    };
    hooks.cardSlips = [](const QString &no, const QString &gubun) { procCardApprList(no, gubun); };
    hooks.ensureStore = [](const QString &storeCode) {
        if (storeCode.isEmpty())
            return;
        if (!G_ST_LIST.contains(storeCode))
            proc_Add_StNo(storeCode);
        const TST_LIST *st = G_ST_LIST.find(storeCode);
        if (st && st->ST_NAME.isEmpty())
            proc_GetStInfo(storeCode);
    };
    hooks.courierLimit = [](const QString &, const QString &) {
        MsgBox(QStringLiteral("준비중입니다"), QStringLiteral("I"));
    };
    return hooks;
}

QWidget *MakePastOrdersScreen(TFRM_MAIN *main)
{
    auto *w = new TFRM_ORD_OLD(main);
    w->setHooks(PastOrdersProgramHooks());
    main->DockBoard(w);
    return w;
}

void InstallPastOrdersScreen()
{
    SetStartFormMaker(StartForm::TFRM_ORD_OLD, [](TFRM_MAIN *main) { return MakePastOrdersScreen(main); });
}
