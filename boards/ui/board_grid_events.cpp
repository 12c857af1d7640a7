#include "boards/ui/board_grid_events.h"

#include "grid/grid_table_model.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QItemSelectionModel>
#include <QTableView>


namespace
{
bool call(const std::function<bool()> &fn)
{
    return fn && fn();
}
} // namespace

BoardGridEvents::BoardGridEvents(QTableView *view, BoardGrid grid, GridTableModel *model, BoardSelection *selection,
                                 BoardEventHooks hooks)
    : QObject(view)
    , m_view(view)
    , m_grid(grid)
    , m_model(model)
    , m_selection(selection)
    , m_hooks(std::move(hooks))
{
    m_viewport = view->viewport();
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    // Every poll rebuilds the grid, which moves or drops the view's current row; the focus
    // follows the order, not the row number, so a menu opened on an order still acts on it.
    if (QAbstractItemModel *shown = view->model()) {
        const auto changing = [this] { m_modelChanging = true; };
        const auto changed = [this] {
            m_modelChanging = false;
            restoreFocus();
        };
        connect(shown, &QAbstractItemModel::modelAboutToBeReset, this, changing);
        connect(shown, &QAbstractItemModel::layoutAboutToBeChanged, this, changing);
        connect(shown, &QAbstractItemModel::rowsAboutToBeRemoved, this, changing);
        connect(shown, &QAbstractItemModel::rowsAboutToBeInserted, this, changing);
        connect(shown, &QAbstractItemModel::modelReset, this, changed);
        connect(shown, &QAbstractItemModel::layoutChanged, this, changed);
        connect(shown, &QAbstractItemModel::rowsRemoved, this, changed);
        connect(shown, &QAbstractItemModel::rowsInserted, this, changed);
        connect(shown, &QAbstractItemModel::dataChanged, this, changed);
    }
    if (QItemSelectionModel *selection = view->selectionModel())
        connect(selection, &QItemSelectionModel::currentChanged, this, [this] {
            // Only the user's moves choose the order; the view's own moves during a rebuild do not.
            if (!m_modelChanging && !m_restoring)
                m_keptOrder = focusedOrderNo();
        });
}

QString BoardGridEvents::focusedOrderNo() const
{
    const int record = focusedRecord();
    return record < 0 ? QString() : BoardCellText(*m_model, record, BoardOrderNoColumn(m_grid));
}

void BoardGridEvents::restoreFocus()
{
    QAbstractItemModel *shown = m_view->model();
    if (m_keptOrder.isEmpty() || !shown || !m_model || focusedOrderNo() == m_keptOrder)
        return;
    for (int row = 0; row < shown->rowCount(); ++row) {
        const QModelIndex index = shown->index(row, std::max(m_view->currentIndex().column(), 0));
        const QVariant rec = index.data(GridTableModel::kRecordRole);
        if (rec.isValid() && BoardCellText(*m_model, rec.toInt(), BoardOrderNoColumn(m_grid)) == m_keptOrder) {
            m_restoring = true;
            m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                                  | QItemSelectionModel::Rows);
            m_restoring = false;
            return;
        }
    }
}

int BoardGridEvents::focusedRecord() const
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || !m_model)
        return -1;
    const QVariant rec = current.data(GridTableModel::kRecordRole);
    if (!rec.isValid())
        return -1;
    const int record = rec.toInt();
    return record >= 0 && record < m_model->recordCount() ? record : -1;
}

QString &BoardGridEvents::selectField()
{
    return m_grid == BoardGrid::Completed ? m_selection->FSELECT_ORD_NO_COMP : m_selection->FSELECT_ORD_NO;
}

void BoardGridEvents::toggleCheck(int record)
{
    const int c = m_model->columnIndex(BoardCheckColumn(m_grid));
    if (c < 0 || record < 0)
        return;
    m_model->beginUpdate();
    m_model->setRecordValue(record, c, !m_model->recordValue(record, c).toBool());
    m_model->endUpdate();
}

void BoardGridEvents::ctrlClick()
{
    if (!call(m_hooks.controlScreenExists)) {
        if (m_hooks.openControlScreen)
            m_hooks.openControlScreen();
        return;
    }
    if (!call(m_hooks.controlScreenShowing)) {
        if (m_hooks.openControlScreen)
            m_hooks.openControlScreen();
    } else {
        toggleCheck(focusedRecord());
    }
    if (m_hooks.orderAddDelInMap)
        m_hooks.orderAddDelInMap(m_selection->FSELECT_ORD_NO, 1);
}

void BoardGridEvents::cellClicked(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &globalPos,
                                  const QModelIndex &index)
{
    const Qt::KeyboardModifiers mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int record = focusedRecord();

    if (m_grid == BoardGrid::StoreOrders) {
        if (button != Qt::RightButton)
            return;
        if (record >= 0)
            m_selection->FSELECT_ORD_NO = BoardCellText(*m_model, record, BoardOrderNoColumn(m_grid));
        if (m_hooks.prepareOrderPopup && m_hooks.prepareOrderPopup(m_grid) && m_hooks.popupOrderMenu)
            m_hooks.popupOrderMenu(globalPos);
        return;
    }

    if (record >= 0)
        selectField() = BoardCellText(*m_model, record, BoardOrderNoColumn(m_grid));

    // A plain click on the check box ticks or unticks it.
    if (button == Qt::LeftButton && mods == Qt::NoModifier && record >= 0 && index.isValid()
        && index.model()->headerData(index.column(), Qt::Horizontal, GridTableModel::kColumnNameRole).toString()
               == BoardCheckColumn(m_grid)) {
        toggleCheck(record);
        const int c = m_model->columnIndex(BoardCheckColumn(m_grid));
        const bool ticked = m_model->recordValue(record, c).toBool();
        BoardGridEvents *live = m_grid == BoardGrid::Live ? this : m_live.data();
        if (live)
            live->checkChanged(ticked);
        return;
    }

    if (m_grid == BoardGrid::Completed) {
        if (button == Qt::RightButton && m_hooks.prepareOrderPopup && m_hooks.prepareOrderPopup(m_grid)
            && m_hooks.popupOrderMenu)
            m_hooks.popupOrderMenu(globalPos);
        return;
    }

    if (button == Qt::LeftButton && mods == Qt::ControlModifier) {
        ctrlClick();
    } else if (button == Qt::RightButton && mods == Qt::AltModifier) {
        if (record >= 0 && BoardCellText(*m_model, record, BoardStatusColumn(m_grid)) == QLatin1String("2001")) {
            m_selection->FPOP_ORDER_NO = BoardCellText(*m_model, record, QStringLiteral("CTV_MAIN_ORD_NO"));
            m_selection->FPOP_ORD_GRP_NO = BoardCellText(*m_model, record, QStringLiteral("CTV_MAIN_ORD_GRP_NO"));
            if (m_hooks.openBundle)
                m_hooks.openBundle();
        }
    } else if (button == Qt::RightButton) {
        if (m_hooks.prepareOrderPopup && m_hooks.prepareOrderPopup(m_grid) && m_hooks.popupOrderMenu)
            m_hooks.popupOrderMenu(globalPos);
    }
}

void BoardGridEvents::checkChanged(bool ticked)
{
    const int record = focusedRecord();
    if (record < 0)
        return;
    const QString orderNo = BoardCellText(*m_model, record, BoardOrderNoColumn(m_grid));
    m_selection->FSELECT_ORD_NO = orderNo;
    const QString status = BoardCellText(*m_model, record, BoardStatusColumn(m_grid));
    if (ticked && status != QLatin1String("2001") && status != QLatin1String("2002"))
        return;
    if (!call(m_hooks.controlScreenExists) || !call(m_hooks.controlScreenShowing))
        return;
    const bool listed = m_hooks.multiDispatchHas && m_hooks.multiDispatchHas(orderNo);
    if (ticked != listed && m_hooks.orderAddDelInMap)
        m_hooks.orderAddDelInMap(m_selection->FSELECT_ORD_NO, 1);
}

void BoardGridEvents::cellDoubleClicked(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ControlModifier)
        return;
    if (m_grid == BoardGrid::StoreOrders && button != Qt::LeftButton)
        return;
    const int record = focusedRecord();
    if (record < 0)
        return;
    const BoardOrderOpen open = DecideBoardOrderOpen(m_grid, *m_model, record);
    if (open.kind == BoardOrderOpen::None)
        return;
    if (m_hooks.ensureStore)
        m_hooks.ensureStore(open.storeCode);
    if (m_hooks.openOrder)
        m_hooks.openOrder(open);
}

void BoardGridEvents::keyReleased(int key)
{
    if (m_grid == BoardGrid::StoreOrders || (key != Qt::Key_Up && key != Qt::Key_Down))
        return;
    const int record = focusedRecord();
    if (record >= 0)
        selectField() = BoardCellText(*m_model, record, BoardOrderNoColumn(m_grid));
}

bool BoardGridEvents::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
    if (mouse && watched == m_viewport) {
        if (type == QEvent::MouseButtonRelease) {
            auto *e = static_cast<QMouseEvent *>(event);
            const QModelIndex index = m_view->indexAt(e->position().toPoint());
            if (index.isValid()) {
                if (m_view->currentIndex().row() != index.row())
                    m_view->setCurrentIndex(index);
                cellClicked(e->button(), e->modifiers(), e->globalPosition().toPoint(), index);
            }
        } else {
            auto *e = static_cast<QMouseEvent *>(event);
            const QModelIndex index = m_view->indexAt(e->position().toPoint());
            if (index.isValid()) {
                if (m_view->currentIndex().row() != index.row())
                    m_view->setCurrentIndex(index);
                cellDoubleClicked(e->button(), e->modifiers());
            }
        }
    } else if (type == QEvent::KeyRelease && watched == m_view) {
        auto *e = static_cast<QKeyEvent *>(event);
        if (!e->isAutoRepeat())
            keyReleased(e->key());
    }
    return QObject::eventFilter(watched, event);
}
