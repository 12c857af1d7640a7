#include "history/ui/performance_popup.h"

#include "common/interface_texts.h"
#include "common/message_box.h"
#include "grid/grid_table_model.h"
#include "grid/ui/grid_export.h"
#include "grid/ui/grid_footer.h"
#include "history/ui/statistics_screen.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace PerformanceDetail;

namespace
{
// Amounts with thousands separators, the distance in km with three decimals.
class DetailCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QLocale numbers(QLocale::English);
        const QVariant v = index.data(Qt::EditRole);
        switch (index.column()) {
        case kGrossCost:
        case kFee:
        case kNetCost:
            option->text = numbers.toString(v.toLongLong());
            break;
        case kDistance:
            option->text = numbers.toString(v.toDouble(), 'f', 3) + QStringLiteral("Km");
            break;
        default:
            break;
        }
    }
};
} // namespace

TFRM_PPL_DETAIL_GRADE::TFRM_PPL_DETAIL_GRADE(const QString &type, const QString &code, const QString &name,
                                             QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog)
    , m_type(type)
    , lbSearchCode(code)
{
    setObjectName(QStringLiteral("FRM_PPL_DETAIL_GRADE"));
    setModal(true);
    const bool courier = type == QLatin1String(kCourierType);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(1, 1, 1, 1);
    pnlTitle = new QWidget(this);
    pnlTitle->setObjectName(QStringLiteral("pnlTitle"));
    pnlTitle->setAutoFillBackground(true);
    pnlTitle->setStyleSheet(QStringLiteral("background: #3C5A82; color: white;"));
    auto *titleLayout = new QHBoxLayout(pnlTitle);
    lbTitle = new QLabel(courier ? QStringLiteral("배송원상세실적") : QStringLiteral("가맹점상세실적"), pnlTitle);
    titleLayout->addWidget(lbTitle);
    titleLayout->addStretch(1);
    pnlTitle->installEventFilter(this);
    lbTitle->installEventFilter(this);
    root->addWidget(pnlTitle);

    auto *bar = new QHBoxLayout;
    root->addLayout(bar);
    cxGroupBox20 = new QGroupBox(this);
    auto *period = new QHBoxLayout(cxGroupBox20);
    period->addWidget(new QLabel(QStringLiteral("기간"), cxGroupBox20));
    CDE_DGRADE_SD = new QDateEdit(cxGroupBox20);
    CDE_DGRADE_ED = new QDateEdit(cxGroupBox20);
    for (QDateEdit *e : {CDE_DGRADE_SD, CDE_DGRADE_ED}) {
        e->setDisplayFormat(QStringLiteral("yyyy-MM-dd ddd"));
        e->setCalendarPopup(true);
    }
    period->addWidget(CDE_DGRADE_SD);
    period->addWidget(new QLabel(QStringLiteral("~"), cxGroupBox20));
    period->addWidget(CDE_DGRADE_ED);
    bar->addWidget(cxGroupBox20);
    lbSearchTitle = new QLabel(courier ? QStringLiteral("배송원 명") : QStringLiteral("가맹점 명"), this);
    lbSearchValue = new QLabel(name, this);
    lbSearchValue->setStyleSheet(QStringLiteral("font-weight: bold;"));
    bar->addSpacing(12);
    bar->addWidget(lbSearchTitle);
    bar->addWidget(lbSearchValue);
    bar->addStretch(1);
    CBT_DGRADE = new QPushButton(QStringLiteral("검색"), this);
    btnExcel = new QPushButton(QStringLiteral("엑셀다운"), this);
    CBT_GRADE_CLOSE = new QPushButton(QStringLiteral("닫기"), this);
    bar->addWidget(CBT_DGRADE);
    bar->addWidget(btnExcel);
    bar->addWidget(CBT_GRADE_CLOSE);
    connect(CBT_DGRADE, &QPushButton::clicked, this, &TFRM_PPL_DETAIL_GRADE::procMonthlyLoad);
    connect(btnExcel, &QPushButton::clicked, this, &TFRM_PPL_DETAIL_GRADE::exportGrid);
    connect(CBT_GRADE_CLOSE, &QPushButton::clicked, this, &QDialog::close);

    m_model = new GridTableModel(this);
    QList<GridColumn> columns;
    const QStringList names = ColumnNames();
    const QStringList captions = ColumnCaptions();
    for (int c = 0; c < kColumnCount; ++c) {
        GridColumn g;
        g.name = names.at(c);
        g.caption = captions.at(c);
        g.type = c == kOrderNo || c >= kGrossCost ? (c == kDistance ? GridValueType::Float : GridValueType::Integer)
                                                   : GridValueType::Text;
        columns << g;
    }
    m_model->setColumns(columns);
    CGTV_DETAIL_GRADE_VIEW = new QTableView(this);
    CGTV_DETAIL_GRADE_VIEW->setObjectName(QStringLiteral("CGTV_DETAIL_GRADE_VIEW"));
    CGTV_DETAIL_GRADE_VIEW->setModel(m_model);
    CGTV_DETAIL_GRADE_VIEW->setItemDelegate(new DetailCellDelegate(CGTV_DETAIL_GRADE_VIEW));
    CGTV_DETAIL_GRADE_VIEW->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CGTV_DETAIL_GRADE_VIEW->setSelectionBehavior(QAbstractItemView::SelectRows);
    CGTV_DETAIL_GRADE_VIEW->verticalHeader()->hide();
    QHeaderView *h = CGTV_DETAIL_GRADE_VIEW->horizontalHeader();
    const QFontMetrics fm(h->font());
    h->setMinimumHeight(fm.height() * 2 + 8);
    for (int c = 0; c < kColumnCount; ++c) {
        h->setSectionHidden(c, !ColumnShown(c, type));
        int w = 0;
        for (const QString &line : captions.at(c).split(QLatin1Char('\n')))
            w = std::max(w, fm.horizontalAdvance(line));
        h->resizeSection(c, std::max(w + 20, c == kOrderDate ? 150 : 90));
    }
    root->addWidget(CGTV_DETAIL_GRADE_VIEW, 1);
    m_footer = new GridFooterBar(CGTV_DETAIL_GRADE_VIEW, this);
    root->addWidget(m_footer);
    m_model->sort(kOrderDate, Qt::AscendingOrder);

    resize(courier ? 1191 : 1085, 600);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

QString TFRM_PPL_DETAIL_GRADE::title() const
{
    return lbTitle->text();
}

void TFRM_PPL_DETAIL_GRADE::setPeriod(const Period &period)
{
    CDE_DGRADE_SD->setDate(period.start);
    CDE_DGRADE_ED->setDate(period.end);
}

Period TFRM_PPL_DETAIL_GRADE::period() const
{
    return {CDE_DGRADE_SD->date(), CDE_DGRADE_ED->date()};
}

void TFRM_PPL_DETAIL_GRADE::procSetEnable(bool flag)
{
    for (QWidget *w : {static_cast<QWidget *>(btnExcel), static_cast<QWidget *>(CBT_DGRADE),
                       static_cast<QWidget *>(CBT_GRADE_CLOSE), static_cast<QWidget *>(cxGroupBox20)})
        w->setEnabled(flag);
}

void TFRM_PPL_DETAIL_GRADE::procMonthlyLoad()
{
    procSetEnable(false);
    const Period p = period();
    if (PeriodTooLong(p)) {
        MsgBox(QString::fromUtf8(kTooLongMessage), QStringLiteral("I"));
        procSetEnable(true);
        return;
    }
    m_model->clearRecords();
    const LoadOutcome loaded = LoadChunks(lbSearchCode, m_type, p);
    if (!loaded.rows.isEmpty()) {
        std::vector<QVariantList> rows(loaded.rows.cbegin(), loaded.rows.cend());
        m_model->appendRecords(std::move(rows));
    }
    refreshFooter();
    if (loaded.noReply)
        MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
    procSetEnable(true);
}

void TFRM_PPL_DETAIL_GRADE::refreshFooter()
{
    const QLocale numbers(QLocale::English);
    m_footer->clearTexts();
    m_footer->setText(kOrderDate, QStringLiteral("전체 건수: %1 건").arg(numbers.toString(m_model->rowCount())));
    for (int c : {int(kGrossCost), int(kFee), int(kNetCost)}) {
        qint64 sum = 0;
        for (int r = 0; r < m_model->recordCount(); ++r)
            sum += m_model->recordValue(r, c).toLongLong();
        m_footer->setText(c, numbers.toString(sum));
    }
}

void TFRM_PPL_DETAIL_GRADE::exportGrid()
{
    const QString proposed = ExportFileName(lbSearchValue->text(), period(), title());
    const QString file = TFRM_STATISTICS::ChooseFile(proposed);
    if (file.isEmpty())
        return;
    ExportGridToExcel(CGTV_DETAIL_GRADE_VIEW, file, false);
}

bool TFRM_PPL_DETAIL_GRADE::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == pnlTitle || watched == lbTitle) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_dragFrom = static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - frameGeometry().topLeft();
            return true;
        }
        if (event->type() == QEvent::MouseMove && (static_cast<QMouseEvent *>(event)->buttons() & Qt::LeftButton)) {
            move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - m_dragFrom);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
