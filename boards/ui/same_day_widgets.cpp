#include "boards/ui/same_day_widgets.h"

#include "grid/grid_table_model.h"
#include "grid/ui/grid_layout_view.h"
#include "boards/logistics_board.h"
#include "boards/same_day_board.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QToolButton>

namespace
{
// Row colours: the same-day grid paints the status colour behind black text; the logistics
// grid writes rows out of step in purple. Selected rows keep the grid's own colours (white text
// on the logistics grid).
class RowColourDelegate : public QStyledItemDelegate
{
public:
    RowColourDelegate(SameDayGridView *view, SameDayGridView::Kind kind) : QStyledItemDelegate(view), m_view(view), m_kind(kind) {}
    StatusColourFn colours;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const GridTableModel *m = m_view->gridModel();
        const int record = m->recordOfRow(index.row());
        if (record < 0)
            return;
        const bool selected = option->state & QStyle::State_Selected;
        if (m_kind == SameDayGridView::Kind::Logistics) {
            const QColor text = selected ? QColor(Qt::white)
                                : LogisticsRowMarked(*m, record) ? QColor(128, 0, 128)
                                                                  : QColor(Qt::black);
            option->palette.setColor(QPalette::Text, text);
            option->palette.setColor(QPalette::HighlightedText, text);
            return;
        }
        if (m_kind != SameDayGridView::Kind::SameDay || selected)
            return;
        option->palette.setColor(QPalette::Text, Qt::black);
        if (!colours)
            return;
        const int statusColumn = m->columnIndex(QStringLiteral("grdA3Col_ORD_STATUS_CD"));
        const QString key = SameDayStatusColourKey(m->recordValue(record, statusColumn).toString());
        if (key.isEmpty())
            return;
        const QColor c = colours(key);
        if (c.isValid())
            option->backgroundBrush = c;
    }

private:
    SameDayGridView *m_view;
    SameDayGridView::Kind m_kind;
};

const char *const kTexts[] = {"00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00"};
} // namespace

// ---- grid -----------------------------------------------------------------------------------

SameDayGridView::SameDayGridView(GridTableModel *model, Kind kind, const QStringList &hiddenColumns, QWidget *parent)
    : QTableView(parent), m_model(model), m_kind(kind)
{
    setModel(model);
    setObjectName(kind == Kind::SameDay     ? QStringLiteral("grdA3View")
                  : kind == Kind::Completed ? QStringLiteral("grdEndView")
                                            : QStringLiteral("grdHUBView"));
    setItemDelegate(new RowColourDelegate(this, kind));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    if (kind == Kind::SameDay) {
        setSelectionMode(QAbstractItemView::ExtendedSelection);
        setSelectionBehavior(QAbstractItemView::SelectItems);
    } else {
        setSelectionMode(QAbstractItemView::SingleSelection);
        setSelectionBehavior(QAbstractItemView::SelectRows);
    }
    verticalHeader()->setDefaultSectionSize(30);
    verticalHeader()->hide();
    horizontalHeader()->setMinimumHeight(30);
    horizontalHeader()->setSectionsMovable(true);
    // Rows stay in the order the board holds them until the user sorts by a column.
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
    for (int c = 0; c < model->columnCount(); ++c)
        setColumnHidden(c, hiddenColumns.contains(model->column(c).name));
}

void SameDayGridView::setStatusColours(StatusColourFn fn)
{
    static_cast<RowColourDelegate *>(itemDelegate())->colours = std::move(fn);
    viewport()->update();
}

void SameDayGridView::keepLayout(const QString &section)
{
    delete m_layout;
    m_layout = new GridLayoutKeeper(horizontalHeader(), section, {}, this);
    m_layout->restore();
}

int SameDayGridView::focusedRecord() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? m_model->recordOfRow(i.row()) : -1;
}

QList<int> SameDayGridView::selectedRecords() const
{
    QList<int> rows;
    for (const QModelIndex &i : selectionModel()->selectedIndexes())
        if (!rows.contains(i.row()))
            rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    QList<int> records;
    for (int r : rows)
        records.append(m_model->recordOfRow(r));
    return records;
}

void SameDayGridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton || (event->modifiers() & Qt::ControlModifier))
        return;
    const int record = focusedRecord();
    if (record >= 0)
        emit recordDoubleClicked(record);
}

// ---- count labels ---------------------------------------------------------------------------

SameDayCountBar::SameDayCountBar(QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    const auto &defs = SameDayCountLabels();
    for (size_t i = 0; i < defs.size(); ++i) {
        auto *l = new QLabel(QString::fromLatin1(kTexts[i]), this);
        l->setObjectName(defs[i].name);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(40);
        l->setAutoFillBackground(true);
        l->setStyleSheet(QStringLiteral("background: white;"));
        l->installEventFilter(this);
        row->addWidget(l);
        m_labels[i] = l;
    }
    row->addStretch();
}

void SameDayCountBar::showCounts(const std::array<QString, 12> &texts)
{
    for (size_t i = 0; i < texts.size(); ++i)
        m_labels[i]->setText(texts[i]);
}

void SameDayCountBar::applyColours(const StatusColourFn &fn)
{
    const auto &defs = SameDayCountLabels();
    for (size_t i = 0; i < defs.size(); ++i) {
        const QColor c = defs[i].colourKey.isEmpty() || !fn ? QColor(Qt::white) : fn(defs[i].colourKey);
        m_labels[i]->setStyleSheet(QStringLiteral("background: %1;").arg((c.isValid() ? c : QColor(Qt::white)).name()));
    }
}

bool SameDayCountBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto &defs = SameDayCountLabels();
        for (size_t i = 0; i < defs.size(); ++i) {
            if (watched != m_labels[i])
                continue;
            if (i == 0)
                emit totalDoubleClicked();
            else
                emit colourRequested(defs[i].colourKey);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- filter bar -----------------------------------------------------------------------------

SameDayFilterBarWidget::SameDayFilterBarWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlSameDayFiltr"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    auto toggle = [&](const QString &name, const QString &caption) {
        auto *b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(caption);
        b->setCheckable(true);
        row->addWidget(b);
        return b;
    };
    m_total = toggle(QStringLiteral("btnSameDayTotal"), QStringLiteral("전체"));
    connect(m_total, &QToolButton::clicked, this, [this](bool down) {
        m_state.btnSameDayTotalClick(down);
        sync();
        if (m_tab == SameDayTab::Today)
            emit a3FilterRequested();
    });
    const struct
    {
        const char *name, *caption;
    } buttons[] = {{"btnSameDayReg", "접수"},    {"btnSameDayReady", "요청"},    {"btnSameDayPick", "배차"},
                   {"btnSameDayStart", "출발"},  {"btnSameDayComplete", "완료"}, {"btnSameDayWait", "대기"},
                   {"btnSameDayCancel", "취소"}, {"btnSameDayQ", "문의"},        {"btnSameDay6000", "집화"},
                   {"btnSameDay7000", "간선"},   {"btnSameDay8000", "지선"},     {"btnSameDay9000", "택배"}};
    for (int tag = 1; tag <= SameDayFilterBar::kButtons; ++tag) {
        QToolButton *b = toggle(QString::fromLatin1(buttons[tag - 1].name), QString::fromUtf8(buttons[tag - 1].caption));
        connect(b, &QToolButton::clicked, this, [this, tag](bool down) { statusClicked(tag, down); });
        m_buttons[size_t(tag)] = b;
    }
    m_buttons[12]->hide();
    m_all = toggle(QStringLiteral("btnSameDayAll"), QStringLiteral("당일\n배송"));
    m_all->hide();
    connect(m_all, &QToolButton::clicked, this, [this](bool down) {
        m_state.all = down;
        if (m_tab == SameDayTab::Today)
            emit a3FilterRequested();
    });
    m_order = searchBox(QStringLiteral("edSameDayOrder"), kSameDayOrderHint);
    m_store = searchBox(QStringLiteral("edSameDayStore"), kSameDayStoreHint);
    m_worker = searchBox(QStringLiteral("edSameDayWorker"), kSameDayWorkerHint);
    m_cust = searchBox(QStringLiteral("edSameDayCust"), kSameDayCustHint);
    for (QLineEdit *e : {m_order, m_store, m_worker, m_cust})
        row->addWidget(e);
    m_in = new QCheckBox(kSameDayIn, this);
    m_in->setObjectName(QStringLiteral("chkSameDayIn"));
    m_in->setChecked(true);
    m_out = new QCheckBox(kSameDayOut, this);
    m_out->setObjectName(QStringLiteral("chkSameDayOut"));
    for (QCheckBox *c : {m_in, m_out}) {
        row->addWidget(c);
        connect(c, &QCheckBox::clicked, this, [this] {
            m_state.in = m_in->isChecked();
            m_state.out = m_out->isChecked();
            if (m_tab == SameDayTab::Logistics)
                emit hubFilterRequested();
        });
    }
    m_oneDay = toggle(QStringLiteral("btnA3OneDay"), QStringLiteral("당일배송"));
    m_tb = toggle(QStringLiteral("btnA3TB"), QStringLiteral("택배"));
    m_oneDay->setChecked(true);
    m_tb->setChecked(true);
    connect(m_oneDay, &QToolButton::clicked, this, [this](bool down) {
        m_state.oneDay = down;
        emit a3FilterRequested();
    });
    // The parcel button has no event of its own: it counts at the next rebuild.
    connect(m_tb, &QToolButton::toggled, this, [this](bool down) { m_state.tb = down; });
    row->addStretch();
    setTab(SameDayTab::Today);
    // The total button is pressed from the start, with every button it stands for.
    m_state.btnSameDayTotalClick(true);
    sync();
}

QLineEdit *SameDayFilterBarWidget::searchBox(const QString &name, const QString &hint)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(name);
    e->setPlaceholderText(hint);
    e->setMaxLength(100);
    e->setMinimumWidth(110);
    e->installEventFilter(this);
    connect(e, &QLineEdit::textChanged, this, [this] {
        m_state.order = m_order->text();
        m_state.store = m_store->text();
        m_state.worker = m_worker->text();
        m_state.cust = m_cust->text();
    });
    connect(e, &QLineEdit::returnPressed, this, &SameDayFilterBarWidget::requestForTab);
    connect(e, &QLineEdit::editingFinished, this, [this] {
        requestForTab();
    });
    return e;
}

bool SameDayFilterBarWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (qobject_cast<QLineEdit *>(watched)) {
        if (event->type() == QEvent::FocusIn)
            emit searchFocus(true);
        else if (event->type() == QEvent::FocusOut)
            emit searchFocus(false);
    }
    return QWidget::eventFilter(watched, event);
}

void SameDayFilterBarWidget::requestForTab()
{
    if (m_tab == SameDayTab::Logistics)
        emit hubFilterRequested();
    else
        emit a3FilterRequested();
}

void SameDayFilterBarWidget::statusClicked(int tag, bool down)
{
    m_state.btnSameDayRegClick(tag, down);
    sync();
    if (m_tab == SameDayTab::Today)
        emit a3FilterRequested();
}

void SameDayFilterBarWidget::sync()
{
    m_total->setChecked(m_state.total);
    for (int tag = 1; tag <= SameDayFilterBar::kButtons; ++tag)
        m_buttons[size_t(tag)]->setChecked(m_state.down[size_t(tag)]);
}

void SameDayFilterBarWidget::pressTotal()
{
    m_state.btnSameDayTotalClick(true);
    sync();
    emit a3FilterRequested();
}

void SameDayFilterBarWidget::setTab(SameDayTab tab)
{
    m_tab = tab;
    const bool hub = tab == SameDayTab::Logistics;
    m_store->setEnabled(!hub);
    m_cust->setVisible(!hub);
    m_in->setVisible(hub);
    m_out->setVisible(hub);
    m_oneDay->setVisible(!hub);
    m_tb->setVisible(!hub);
}
