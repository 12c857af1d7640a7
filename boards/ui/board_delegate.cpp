#include "boards/ui/board_delegate.h"

#include "boards/board_number_format.h"
#include "boards/board_order_open.h"
#include "boards/order_board_columns.h"
#include "grid/grid_table_model.h"
#include "platform/clock.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QHelpEvent>
#include <QToolTip>

namespace
{
QColor rgb(quint32 value)
{
    return QColor(int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF));
}
} // namespace

BoardDelegate::BoardDelegate(BoardGrid grid, GridTableModel *model, std::function<BoardColours()> colours,
                             QObject *parent)
    : QStyledItemDelegate(parent)
    , m_grid(grid)
    , m_model(model)
    , m_colours(std::move(colours))
    , m_now([] { return AppClock::now().toSecsSinceEpoch(); })
{
    if (m_model) {
        const auto stale = [this] { m_indexesValid = false; };
        connect(m_model, &QAbstractItemModel::modelReset, this, stale);
        connect(m_model, &QAbstractItemModel::columnsInserted, this, stale);
        connect(m_model, &QAbstractItemModel::columnsRemoved, this, stale);
        connect(m_model, &QAbstractItemModel::columnsMoved, this, stale);
        connect(m_model, &QAbstractItemModel::headerDataChanged, this, stale);
    }
}

int BoardDelegate::recordOf(const QModelIndex &index) const
{
    if (!index.isValid())
        return -1;
    const QVariant rec = index.data(GridTableModel::kRecordRole);
    return rec.isValid() ? rec.toInt() : -1;
}

BoardCellLook BoardDelegate::lookOf(const QModelIndex &index, bool selected) const
{
    const int record = recordOf(index);
    if (!m_model || record < 0 || record >= m_model->recordCount())
        return {};
    const BoardColours colours = m_colours ? m_colours() : BoardColours{};
    if (!m_indexesValid) {
        m_indexes = BoardLookIndexesOf(*m_model, m_grid);
        m_indexesValid = true;
    }
    return BoardRowLook(m_grid, BoardRowCellsAt(*m_model, record, m_indexes), colours, m_now(), selected);
}

void BoardDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const bool selected = option->state & QStyle::State_Selected;
    const BoardCellLook look = lookOf(index, selected);
    if (look.hasBackground)
        option->backgroundBrush = QBrush(rgb(look.background));
    if (look.hasText) {
        option->palette.setColor(QPalette::Text, rgb(look.text));
        option->palette.setColor(QPalette::WindowText, rgb(look.text));
    }
    if (look.hasFont)
        option->font.setBold(look.bold);

    // Number columns in their display formats (money with thousands separators, minutes, km).
    if (index.isValid() && m_grid != BoardGrid::StoreOrders) {
        const QString format = formatOf(index);
        if (!format.isEmpty())
            option->text = FormatBoardNumber(index.data(Qt::DisplayRole), format);
    }

    // The selection column: a check box without text.
    const QString checkName = BoardCheckColumn(m_grid);
    if (!checkName.isEmpty() && m_model && index.isValid()) {
        const QString name = index.model()->headerData(index.column(), Qt::Horizontal, GridTableModel::kColumnNameRole).toString();
        if (name == checkName) {
            option->features |= QStyleOptionViewItem::HasCheckIndicator;
            const QVariant v = index.data(Qt::EditRole);
            option->checkState = (v.toBool() || v.toString() == QLatin1String("1")) ? Qt::Checked : Qt::Unchecked;
            option->text.clear();
            option->displayAlignment = Qt::AlignCenter;
        }
    }
}

QString BoardDelegate::shownText(const QModelIndex &index) const
{
    QStyleOptionViewItem option;
    initStyleOption(&option, index);
    return option.text;
}

QString BoardDelegate::formatOf(const QModelIndex &index) const
{
    if (m_formats.isEmpty()) {
        const OrderBoard board = m_grid == BoardGrid::Completed ? OrderBoard::Completed : OrderBoard::Live;
        for (const BoardColumnInfo &info : BoardColumnInfos(board))
            if (!info.format.isEmpty())
                m_formats.insert(info.name, info.format);
    }
    const QString name = index.model()->headerData(index.column(), Qt::Horizontal, GridTableModel::kColumnNameRole).toString();
    return m_formats.value(name);
}

bool BoardDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                              const QModelIndex &index)
{
    if (event && event->type() == QEvent::ToolTip && index.isValid()) {
        const QString name = index.model()->headerData(index.column(), Qt::Horizontal, GridTableModel::kColumnNameRole).toString();
        const QString hint = BoardCellHint(name, index.data(Qt::DisplayRole).toString());
        if (!hint.isEmpty()) {
            QToolTip::showText(event->globalPos(), hint, view);
            return true;
        }
        if (name == QLatin1String("CTV_MAIN_ORD_MEMO") || name == QLatin1String("CTV_MAIN_COMP_ORD_MEMO")) {
            QToolTip::hideText();
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

BoardDelegate *InstallBoardDelegate(QAbstractItemView *view, BoardGrid grid, GridTableModel *model,
                                    std::function<BoardColours()> colours)
{
    auto *delegate = new BoardDelegate(grid, model, std::move(colours), view);
    view->setItemDelegate(delegate);
    return delegate;
}
