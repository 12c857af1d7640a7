#include "history/ui/statistics_screen.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "grid/grid_table_model.h"
#include "grid/ui/banded_header.h"
#include "grid/ui/combo_box_fill.h"
#include "grid/ui/grid_export.h"
#include "grid/ui/grid_footer.h"
#include "history/performance_detail.h"
#include "history/ui/performance_popup.h"
#include "main/top_menu.h"
#include "main/ui/main_window.h"
#include "main/ui/start_forms.h"
#include "platform/clock.h"
#include "records/business_rules.h"
#include "records/session_records.h"
#include "reference/reference_state.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

using namespace Statistics;

namespace
{
// Shows the cells in their tab's formats and draws the line that opens a band group.
class StatisticsCellDelegate : public QStyledItemDelegate
{
public:
    StatisticsCellDelegate(const StatGridLayout *layout, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_layout(layout)
    {
    }

    QString displayText(const QVariant &value, const QLocale &) const override
    {
        Q_UNUSED(value);
        return QString(); // painted in initStyleOption, where the column is known
    }

    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const StatColumn &c = m_layout->columns.at(index.column());
        option->text = FormatCell(c.format, index.data(Qt::EditRole));
        option->displayAlignment = Qt::AlignVCenter | (c.format == CellFormat::Text ? Qt::AlignLeft : Qt::AlignRight);
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (!m_layout->columns.at(index.column()).separator)
            return;
        painter->save();
        painter->fillRect(QRect(option.rect.left(), option.rect.top(), 2, option.rect.height()), QColor(0xAB, 0xAB, 0xAB));
        painter->restore();
    }

private:
    const StatGridLayout *m_layout;
};

TFRM_STATISTICS::FileChooser &fileChooser()
{
    static TFRM_STATISTICS::FileChooser fn;
    return fn;
}

TFRM_STATISTICS::DetailRunner &detailRunner()
{
    static TFRM_STATISTICS::DetailRunner fn;
    return fn;
}

QString currentMonthText()
{
    return AppClock::now().date().toString(QStringLiteral("yyyy-MM"));
}

const QList<QPair<QString, QString>> &courierStatuses()
{
    static const QList<QPair<QString, QString>> list = {{QStringLiteral("삭제"), QStringLiteral("0")},
                                                        {QStringLiteral("정상"), QStringLiteral("1")},
                                                        {QStringLiteral("정지"), QStringLiteral("2")},
                                                        {QStringLiteral("머니부족"), QStringLiteral("9")},
                                                        {QStringLiteral("퇴사자"), QStringLiteral("3")}};
    return list;
}

const QList<QPair<QString, QString>> &storeStatuses()
{
    static const QList<QPair<QString, QString>> list = {{QStringLiteral("삭제"), QStringLiteral("0")},
                                                        {QStringLiteral("정상"), QStringLiteral("1")},
                                                        {QStringLiteral("정지"), QStringLiteral("2")},
                                                        {QStringLiteral("머니부족"), QStringLiteral("9")}};
    return list;
}

void copyComboItems(const QComboBox *from, QComboBox *to)
{
    to->clear();
    for (int i = 0; i < from->count(); ++i)
        to->addItem(from->itemText(i), from->itemData(i));
    for (int i = 0; i < from->count(); ++i)
        for (int role : {int(Qt::UserRole) + 1, int(Qt::UserRole) + 2, int(Qt::UserRole) + 3})
            to->setItemData(i, from->itemData(i, role), role);
    to->setCurrentIndex(to->count() > 0 ? 0 : -1);
}
} // namespace

TFRM_STATISTICS::TFRM_STATISTICS(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FRM_STATISTICS"));
    setWindowTitle(QStringLiteral("통계"));
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    lbInfomation = new QLabel(BlackoutNoticeText(G_STATS_LIMIT_FROM, G_STATS_LIMIT_TO), this);
    lbInfomation->setObjectName(QStringLiteral("lbInfomation"));
    lbInfomation->setStyleSheet(QStringLiteral("color: #C00000; font-weight: bold;"));
    lbInfomation->hide();
    root->addWidget(lbInfomation);
    CPC_STATISTICS = new QTabWidget(this);
    CPC_STATISTICS->setObjectName(QStringLiteral("CPC_STATISTICS"));
    root->addWidget(CPC_STATISTICS, 1);
    for (int i = 0; i < kTabCount; ++i)
        buildTab(i);

    // Target combos by user class: a partner head office sees its branches, head offices and all;
    // every other class sees the branches it may look at.
    const QString userClass = QString(G_USER_INFO.USER_TYPE_CD).left(1);
    if (userClass == QLatin1String("7")) {
        FillHdCombo(m_tabs[kPeriodTab].target, QStringLiteral("5"), true);
        FillHdCombo(m_tabs[kSettlementTab].target, QStringLiteral("7"), true);
        FillHdCombo(m_tabs[kCourierTab].target, QStringLiteral("5"), false);
    } else {
        FillHdCombo(m_tabs[kPeriodTab].target, QStringLiteral("5"), false);
        copyComboItems(m_tabs[kPeriodTab].target, m_tabs[kSettlementTab].target);
        copyComboItems(m_tabs[kPeriodTab].target, m_tabs[kCourierTab].target);
    }
    copyComboItems(m_tabs[kPeriodTab].target, m_tabs[kWeekdayTab].target);
    copyComboItems(m_tabs[kPeriodTab].target, m_tabs[kTimeTab].target);
    copyComboItems(m_tabs[kCourierTab].target, m_tabs[kStoreTab].target);
    for (TabControls &t : m_tabs)
        if (t.target->currentIndex() < 0 && t.target->count() > 0)
            t.target->setCurrentIndex(0);
    for (int i : {int(kPeriodTab), int(kSettlementTab)}) {
        m_tabs[i].groupPanel->setVisible(userClass == QLatin1String("7"));
        m_tabs[i].byTarget->setChecked(true);
    }

    // Month picker.
    pnlPickerYearMonth = new QFrame(this);
    pnlPickerYearMonth->setObjectName(QStringLiteral("pnlPickerYearMonth"));
    pnlPickerYearMonth->setFrameShape(QFrame::Box);
    pnlPickerYearMonth->setAutoFillBackground(true);
    auto *pickerLayout = new QVBoxLayout(pnlPickerYearMonth);
    edPickerYear = new QSpinBox(pnlPickerYearMonth);
    edPickerYear->setObjectName(QStringLiteral("edPickerYear"));
    edPickerYear->setRange(2000, 3000);
    pickerLayout->addWidget(edPickerYear);
    auto *grid = new QGridLayout;
    for (int m = 1; m <= 12; ++m) {
        auto *b = new QPushButton(QStringLiteral("%1 월").arg(m), pnlPickerYearMonth);
        b->setObjectName(QStringLiteral("btnPickerMonth%1").arg(m, 2, 10, QLatin1Char('0')));
        b->setToolTip(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
        b->setCheckable(true);
        b->setAutoExclusive(true);
        grid->addWidget(b, (m - 1) / 4, (m - 1) % 4);
        connect(b, &QPushButton::clicked, this, [this, m] { pickMonth(m); });
        m_monthButtons << b;
    }
    pickerLayout->addLayout(grid);
    auto *today = new QPushButton(QStringLiteral("Today"), pnlPickerYearMonth);
    pickerLayout->addWidget(today);
    connect(today, &QPushButton::clicked, this, [this] {
        const QDate now = AppClock::now().date();
        edPickerYear->setValue(now.year());
        m_monthButtons.at(now.month() - 1)->setChecked(true);
        pnlPickerYearMonth->hide();
    });
    pnlPickerYearMonth->adjustSize();
    pnlPickerYearMonth->hide();

    // Status overlay.
    pnlStatus = new QFrame(this);
    pnlStatus->setObjectName(QStringLiteral("pnlStatus"));
    pnlStatus->setFrameShape(QFrame::Box);
    pnlStatus->setAutoFillBackground(true);
    auto *statusLayout = new QVBoxLayout(pnlStatus);
    statusLayout->addWidget(new QLabel(QStringLiteral("조회 중 입니다. 잠시 기다리세요."), pnlStatus));
    lbActivePage = new QLabel(pnlStatus);
    lbActivePage->setObjectName(QStringLiteral("lbActivePage"));
    lbActivePage->setAlignment(Qt::AlignCenter);
    statusLayout->addWidget(lbActivePage);
    pnlStatus->hide();

    connect(CPC_STATISTICS, &QTabWidget::currentChanged, this, &TFRM_STATISTICS::tabChanged);
    CPC_STATISTICS->setCurrentIndex(0);
    tabChanged(0);
}

TFRM_STATISTICS::~TFRM_STATISTICS() = default;

void TFRM_STATISTICS::buildTab(int index)
{
    TabControls t;
    t.page = new QWidget;
    t.page->setObjectName(QStringLiteral("tab%1").arg(index));
    auto *v = new QVBoxLayout(t.page);
    v->setContentsMargins(4, 4, 4, 4);
    auto *bar = new QHBoxLayout;
    v->addLayout(bar);
    bar->addWidget(new QLabel(QStringLiteral("집계대상"), t.page));
    t.target = new QComboBox(t.page);
    t.target->setMinimumWidth(200);
    bar->addWidget(t.target);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(QStringLiteral("집계기간"), t.page));
    t.dayRange = new QRadioButton(QStringLiteral("일구간"), t.page);
    t.monthRange = new QRadioButton(QStringLiteral("월구간"), t.page);
    auto *rangeGroup = new QButtonGroup(t.page);
    rangeGroup->addButton(t.dayRange);
    rangeGroup->addButton(t.monthRange);
    t.dayRange->setChecked(true);
    bar->addWidget(t.dayRange);
    bar->addWidget(t.monthRange);

    const QDate today = AppClock::now().date();
    t.dayPanel = new QWidget(t.page);
    auto *dayLayout = new QHBoxLayout(t.dayPanel);
    dayLayout->setContentsMargins(0, 0, 0, 0);
    t.dayStart = new QDateEdit(QDate(today.year(), today.month(), 1), t.dayPanel);
    t.dayEnd = new QDateEdit(today, t.dayPanel);
    for (QDateEdit *e : {t.dayStart, t.dayEnd}) {
        e->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        e->setCalendarPopup(true);
    }
    dayLayout->addWidget(t.dayStart);
    dayLayout->addWidget(new QLabel(QStringLiteral("~"), t.dayPanel));
    dayLayout->addWidget(t.dayEnd);
    bar->addWidget(t.dayPanel);

    t.monthPanel = new QWidget(t.page);
    auto *monthLayout = new QHBoxLayout(t.monthPanel);
    monthLayout->setContentsMargins(0, 0, 0, 0);
    t.monthStart = new QLineEdit(currentMonthText(), t.monthPanel);
    t.monthEnd = new QLineEdit(currentMonthText(), t.monthPanel);
    for (QLineEdit *e : {t.monthStart, t.monthEnd}) {
        e->setMaxLength(7);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000-00")) + 16);
        auto *pick = new QPushButton(QStringLiteral("..."), t.monthPanel);
        pick->setFixedWidth(pick->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
        connect(pick, &QPushButton::clicked, this, [this, e] { openMonthPicker(e); });
        monthLayout->addWidget(e);
        monthLayout->addWidget(pick);
        if (e == t.monthStart)
            monthLayout->addWidget(new QLabel(QStringLiteral("~"), t.monthPanel));
    }
    bar->addWidget(t.monthPanel);
    t.monthPanel->hide();
    connect(t.dayRange, &QRadioButton::toggled, this, [this, index] { applyRange(index); });

    if (index == kPeriodTab || index == kSettlementTab) {
        t.groupPanel = new QWidget(t.page);
        auto *g = new QHBoxLayout(t.groupPanel);
        g->setContentsMargins(12, 0, 0, 0);
        g->addWidget(new QLabel(QStringLiteral("집계구분"), t.groupPanel));
        t.byPeriod = new QRadioButton(QStringLiteral("기간별"), t.groupPanel);
        t.byTarget = new QRadioButton(QStringLiteral("대상별"), t.groupPanel);
        g->addWidget(t.byPeriod);
        g->addWidget(t.byTarget);
        bar->addWidget(t.groupPanel);
    }
    if (index == kPeriodTab) {
        connect(t.target, qOverload<int>(&QComboBox::activated), this, [this] {
            if (ComboTag(m_tabs[kPeriodTab].target) != kTagAll)
                m_tabs[kPeriodTab].byPeriod->setChecked(true);
        });
    }
    t.search = new QPushButton(QStringLiteral("조회"), t.page);
    t.excel = new QPushButton(QStringLiteral("엑셀다운"), t.page);
    connect(t.search, &QPushButton::clicked, this, &TFRM_STATISTICS::search);
    connect(t.excel, &QPushButton::clicked, this, &TFRM_STATISTICS::exportActive);
    bar->addSpacing(12);
    bar->addWidget(t.search);
    bar->addWidget(t.excel);
    bar->addStretch(1);

    if (index == kCourierTab || index == kStoreTab) {
        auto *filterBar = new QHBoxLayout;
        v->addLayout(filterBar);
        for (const auto &s : index == kCourierTab ? courierStatuses() : storeStatuses()) {
            auto *box = new QCheckBox(s.first, t.page);
            box->setProperty("status", s.second);
            box->setChecked(true);
            connect(box, &QCheckBox::toggled, this, &TFRM_STATISTICS::procFilter);
            filterBar->addWidget(box);
            t.statusBoxes << box;
        }
        filterBar->addSpacing(12);
        filterBar->addWidget(new QLabel(index == kCourierTab ? QStringLiteral("배송원 명/사번/코드")
                                                             : QStringLiteral("가맹점 명"),
                                        t.page));
        t.reFind = new QLineEdit(t.page);
        t.reFind->setMinimumWidth(160);
        filterBar->addWidget(t.reFind);
        auto *again = new QPushButton(QStringLiteral("결과내검색"), t.page);
        filterBar->addWidget(again);
        filterBar->addStretch(1);
        connect(again, &QPushButton::clicked, this, &TFRM_STATISTICS::procFilter);
        connect(t.reFind, &QLineEdit::returnPressed, this, &TFRM_STATISTICS::procFilter);
    }

    const StatGridLayout &layout = GridLayoutOfTab(index);
    t.model = new GridTableModel(this);
    t.model->setColumns(ModelColumns(layout));
    t.view = new QTableView(t.page);
    t.view->setObjectName(layout.viewName);
    t.header = new BandedHeaderView(t.view);
    t.view->setHorizontalHeader(t.header);
    t.view->setModel(t.model);
    t.view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t.view->setSelectionBehavior(QAbstractItemView::SelectRows);
    t.view->setSelectionMode(QAbstractItemView::SingleSelection);
    t.view->verticalHeader()->hide();
    t.view->setItemDelegate(new StatisticsCellDelegate(&layout, t.view));
    t.header->setSectionsClickable(true);
    v->addWidget(t.view, 1);
    t.footer = new GridFooterBar(t.view, t.page);
    v->addWidget(t.footer);
    m_tabs << t;
    applyLayout(index);
    if (index == kCourierTab || index == kStoreTab) {
        connect(t.header, &QHeaderView::sectionClicked, this, [this, index](int logical) {
            if (GridLayoutOfTab(index).columns.value(logical).sortable)
                sortClicked(index, logical);
        });
        // The store information band sorts by the store name.
        connect(t.header, &BandedHeaderView::bandClicked, this, [this, index](const QStringList &path, int first) {
            if (index == kStoreTab && path == QStringList{QStringLiteral("가맹점정보")})
                sortClicked(index, first);
        });
        connect(t.view, &QTableView::doubleClicked, this,
                [this, index](const QModelIndex &idx) { openDetail(index, idx.row()); });
    }
    CPC_STATISTICS->addTab(t.page, TabCaption(index));
}

void TFRM_STATISTICS::applyLayout(int index)
{
    TabControls &t = m_tabs[index];
    const StatGridLayout &layout = GridLayoutOfTab(index);
    const QFontMetrics fm(t.view->font());
    for (int c = 0; c < layout.columns.size(); ++c) {
        const StatColumn &col = layout.columns.at(c);
        t.header->setBandPath(c, col.bands);
        t.header->setSectionHidden(c, col.hidden);
        int width = 0;
        for (const QString &line : col.caption.split(QLatin1Char('\n')))
            width = std::max(width, fm.horizontalAdvance(line));
        t.header->resizeSection(c, std::max(width + 16, col.format == CellFormat::Text ? 100 : 64));
    }
    const int sortColumn = layout.columnOfField(layout.sortField);
    t.model->sort(sortColumn, Qt::AscendingOrder);
}

void TFRM_STATISTICS::tabChanged(int index)
{
    pnlPickerYearMonth->hide();
    m_focused = std::clamp(index, 0, int(kTabCount) - 1);
}

void TFRM_STATISTICS::applyRange(int index)
{
    TabControls &t = m_tabs[index];
    t.dayPanel->setVisible(t.dayRange->isChecked());
    t.monthPanel->setVisible(!t.dayRange->isChecked());
}

void TFRM_STATISTICS::openMonthPicker(QLineEdit *edit)
{
    edFocuseYearMonth = edit;
    const QString text = edit->text().trimmed();
    const QDate now = AppClock::now().date();
    int year = now.year(), month = now.month();
    if (text.size() == 7 || (text.size() == 6 && text.at(5) != QLatin1Char('0'))) {
        year = text.left(4).toInt();
        month = text.mid(5).toInt();
    } else {
        edit->setText(currentMonthText());
    }
    edPickerYear->setValue(year);
    if (month >= 1 && month <= 12)
        m_monthButtons.at(month - 1)->setChecked(true);
    else
        WriteLog(QStringLiteral("FindComponent error ") + QString::number(month));
    const QPoint at = edit->mapTo(this, QPoint(0, edit->height()));
    pnlPickerYearMonth->move(at.x(), std::max(0, at.y()));
    pnlPickerYearMonth->show();
    pnlPickerYearMonth->raise();
    pnlPickerYearMonth->setFocus();
}

void TFRM_STATISTICS::pickMonth(int month)
{
    if (edPickerYear->text().size() != 4 || !edFocuseYearMonth)
        return;
    edFocuseYearMonth->setText(edPickerYear->text() + QLatin1Char('-') + QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')));
    pnlPickerYearMonth->hide();
}

void TFRM_STATISTICS::procSetEnable(bool flag, const QString &message)
{
    pnlStatus->raise();
    lbActivePage->setText(QStringLiteral("( ") + (message.isEmpty() ? TabCaption(m_focused) : message)
                          + QStringLiteral(" )"));
    if (!flag) {
        pnlStatus->adjustSize();
        pnlStatus->move((width() - pnlStatus->width()) / 2, (height() - pnlStatus->height()) / 2);
    }
    pnlStatus->setVisible(!flag);
    CPC_STATISTICS->setEnabled(flag);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

TargetItem TFRM_STATISTICS::targetOf(int index) const
{
    const QComboBox *box = m_tabs.at(index).target;
    return {ComboValue(box), ComboTag(box)};
}

void TFRM_STATISTICS::setColumnCaption(int index, int field, const QString &caption, int width)
{
    TabControls &t = m_tabs[index];
    const int col = GridLayoutOfTab(index).columnOfField(field);
    if (col < 0)
        return;
    QList<GridColumn> columns = t.model->columns();
    if (columns[col].caption != caption) {
        columns[col].caption = caption;
        t.model->setColumns(columns);
    }
    if (width > 0)
        t.header->resizeSection(col, width);
}

void TFRM_STATISTICS::search()
{
    const int index = m_focused;
    TabControls &t = m_tabs[index];
    lbInfomation->setText(BlackoutNoticeText(G_STATS_LIMIT_FROM, G_STATS_LIMIT_TO));
    lbInfomation->setVisible(BlackoutNoticeShown(G_STATS_LIMIT_FROM, G_STATS_LIMIT_TO,
                                                 AppClock::now().toString(QStringLiteral("HHmm"))));
    procSetEnable(false);
    if (t.target->currentIndex() < 0) {
        procSetEnable(true);
        MsgBox(QStringLiteral("집계대상이 없습니다."), QStringLiteral("I"));
        t.target->setFocus();
        return;
    }
    const TargetItem target = targetOf(index);
    PeriodInput input;
    input.monthRange = t.monthRange->isChecked();
    input.dayStart = t.dayStart->text();
    input.dayEnd = t.dayEnd->text();
    input.monthStart = t.monthStart->text();
    input.monthEnd = t.monthEnd->text();
    const PeriodCheck period = CheckPeriod(index, input);
    if (!period.ok) {
        procSetEnable(true);
        MsgBox(period.message, QStringLiteral("I"));
        switch (period.focus) {
        case PeriodField::DayStart: t.dayStart->setFocus(); break;
        case PeriodField::DayEnd: t.dayEnd->setFocus(); break;
        case PeriodField::MonthStart: t.monthStart->setFocus(); t.monthStart->selectAll(); break;
        case PeriodField::MonthEnd: t.monthEnd->setFocus(); t.monthEnd->selectAll(); break;
        case PeriodField::None: break;
        }
        return;
    }
    t.model->clearRecords();
    t.footer->clearTexts();

    UserIdentity user{G_USER_INFO.ID, G_USER_INFO.USER_TYPE_CD, G_USER_INFO.HD};
    const bool distributor = user.userTypeCd.startsWith(QLatin1Char('5'));
    if (index == kPeriodTab && !distributor) {
        if (PeriodTabNeedsGroupQuestion(user, target, t.byTarget->isChecked())) {
            if (MsgBox(QString::fromUtf8(kGroupQuestion), QStringLiteral("Q")) != 1) {
                procSetEnable(true);
                return;
            }
            t.byPeriod->setChecked(true);
        }
    }
    const bool byTarget = t.byTarget && t.byTarget->isChecked();
    switch (index) {
    case kPeriodTab:
        if (distributor || !byTarget)
            setColumnCaption(index, 0, QStringLiteral("일자"), 100);
        else
            setColumnCaption(index, 0, QStringLiteral("총판명"), 200);
        break;
    case kWeekdayTab:
    case kTimeTab:
        t.header->setSectionHidden(0, distributor || target.tag != kTagAll);
        break;
    case kSettlementTab:
        if (distributor || !byTarget)
            setColumnCaption(index, 1, QStringLiteral("일자"), 100);
        else
            setColumnCaption(index, 1, QStringLiteral("대상명"), 200);
        break;
    default:
        break;
    }
    const SearchRequest request = BuildSearch(index, user, target, period, byTarget);
    const QStringList pages =
        RequestStatisticsPages(request.code, QStringLiteral("ADM3"), request.payload(), QStringLiteral("10000"), 90000);
    const LoadResult loaded = LoadStatisticsPages(GridLayoutOfTab(index), pages, *t.model);
    switch (loaded.outcome) {
    case LoadResult::NoReply:
        WriteLog(request.code + QStringLiteral(" ERR[NO RESULT]"));
        procSetEnable(true);
        return;
    case LoadResult::ServerFail:
        MsgBox(QStringLiteral("Code") + loaded.outCode + QStringLiteral(": ") + loaded.outMsg, QStringLiteral("I"));
        WriteLog(request.code + QStringLiteral(" is Fail ") + loaded.outCode + QLatin1Char(':') + loaded.outMsg);
        break;
    case LoadResult::BadRow:
        MsgBox(QStringLiteral("조회 중 오류가 발생했습니다."), QStringLiteral("I"));
        WriteLog(request.code + QStringLiteral("(") + GridLayoutOfTab(index).viewName + QStringLiteral(") Exception Err ")
                 + loaded.error);
        break;
    case LoadResult::Loaded:
        break;
    }
    if (index == kCourierTab && t.model->recordCount() > 0)
        ApplyCourierDistances(GridLayoutOfTab(index), *t.model);
    procSetEnable(true);
    procFilter();
    refreshFooters(index);
}

void TFRM_STATISTICS::refreshFooters(int index)
{
    TabControls &t = m_tabs[index];
    t.footer->clearTexts();
    if (t.model->recordCount() == 0)
        return;
    const QHash<int, QString> footers = ComputeFooters(index, GridLayoutOfTab(index), *t.model);
    for (auto it = footers.cbegin(); it != footers.cend(); ++it)
        t.footer->setText(it.key(), it.value());
}

void TFRM_STATISTICS::procFilter()
{
    const int index = m_focused;
    if (index != kCourierTab && index != kStoreTab)
        return;
    TabControls &t = m_tabs[index];
    QStringList ticked;
    for (const QCheckBox *box : t.statusBoxes)
        if (box->isChecked())
            ticked << box->property("status").toString();
    ApplyResultFilter(GridLayoutOfTab(index), *t.model, ticked, t.reFind->text());
    refreshFooters(index);
}

void TFRM_STATISTICS::sortClicked(int index, int column)
{
    TabControls &t = m_tabs[index];
    t.sort.click(column);
    const Qt::SortOrder order = t.sort.ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    t.model->clearSort();
    t.model->sort(column, order);
    t.header->setSortIndicatorShown(true);
    t.header->setSortIndicator(column, order);
}

void TFRM_STATISTICS::exportActive()
{
    const int index = m_focused;
    const QString path = ChooseFile(TabCaption(index) + QStringLiteral(".xlsx"));
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        MsgBox(QStringLiteral("저장경로가 잘못되었습니다."), QStringLiteral("I"));
        return;
    }
    const QString file = info.absoluteDir().filePath(SafeFileName(info.fileName()));
    ExportGridToExcel(m_tabs[index].view, file, false);
}

void TFRM_STATISTICS::openDetail(int index, int row)
{
    if (index != kCourierTab && index != kStoreTab)
        return;
    TabControls &t = m_tabs[index];
    if (row < 0 || row >= t.model->rowCount())
        return;
    procSetEnable(false, QStringLiteral("상세실적"));
    const StatGridLayout &layout = GridLayoutOfTab(index);
    const int record = t.model->recordOfRow(row);
    const QDate today = AppClock::now().date();
    const PerformanceDetail::Period period =
        t.dayRange->isChecked() ? PerformanceDetail::PeriodFromDays(t.dayStart->text(), t.dayEnd->text(), today)
                                : PerformanceDetail::PeriodFromMonth(t.monthStart->text(), today);
    const bool courier = index == kCourierTab;
    const QString code = t.model->recordValue(record, layout.columnOfField(courier ? 1 : 21)).toString();
    const QString name = t.model->recordValue(record, layout.columnOfField(courier ? 2 : 0)).toString();
    auto *popup = new TFRM_PPL_DETAIL_GRADE(courier ? QString::fromLatin1(PerformanceDetail::kCourierType)
                                                    : QString::fromLatin1(PerformanceDetail::kStoreType),
                                            code, name, window());
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setPeriod(period);
    popup->procMonthlyLoad();
    procSetEnable(true);
    if (detailRunner())
        detailRunner()(popup);
    else
        popup->exec();
}

TFRM_STATISTICS::FileChooser TFRM_STATISTICS::SetFileChooser(FileChooser chooser)
{
    FileChooser previous = std::move(fileChooser());
    fileChooser() = std::move(chooser);
    return previous;
}

QString TFRM_STATISTICS::ChooseFile(const QString &proposed)
{
    if (fileChooser())
        return fileChooser()(proposed);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), proposed,
                                        QStringLiteral("xlsx (*.xlsx)"));
}

TFRM_STATISTICS::DetailRunner TFRM_STATISTICS::SetDetailRunner(DetailRunner runner)
{
    DetailRunner previous = std::move(detailRunner());
    detailRunner() = std::move(runner);
    return previous;
}

void InstallStatisticsScreen()
{
    SetBoardScreenMaker(QString::fromLatin1(ScreenName::kStatistics),
                        [](TFRM_MAIN *main) -> QWidget * { return new TFRM_STATISTICS(main); });
}
