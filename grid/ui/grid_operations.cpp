#include "grid/ui/grid_operations.h"

#include "grid/grid_table_model.h"
#include "common/message_box.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QScrollBar>
#include <QTableView>
#include <QTreeView>

namespace
{
// Record access through whatever stands between a view and its data: a GridTableModel
// (records and rows of its own) and/or a chain of proxies over a plain model.
class Records
{
public:
    explicit Records(QAbstractItemView *view)
        : m_view(view)
        , m_top(view ? view->model() : nullptr)
    {
        QAbstractItemModel *m = m_top;
        while (auto *proxy = qobject_cast<QAbstractProxyModel *>(m)) {
            m_chain.prepend(proxy); // bottom first
            m = proxy->sourceModel();
        }
        m_base = m;
        m_grid = qobject_cast<GridTableModel *>(m);
    }

    bool valid() const { return m_base != nullptr; }
    int count() const { return m_grid ? m_grid->recordCount() : m_base->rowCount(); }

    QVariant value(int rec, int col) const
    {
        return m_grid ? m_grid->recordValue(rec, col) : m_base->index(rec, col).data(Qt::EditRole);
    }

    void setValue(int rec, int col, const QVariant &v)
    {
        if (m_grid)
            m_grid->setRecordValue(rec, col, v);
        else
            m_base->setData(m_base->index(rec, col), v, Qt::EditRole);
    }

    // The record's index in the view's model; invalid when the filter hides it.
    QModelIndex viewIndex(int rec, int col) const
    {
        QModelIndex idx = m_grid ? m_grid->index(m_grid->rowOfRecord(rec), col) : m_base->index(rec, col);
        for (QAbstractProxyModel *p : m_chain) {
            if (!idx.isValid())
                break;
            idx = p->mapFromSource(idx);
        }
        return idx;
    }

    // Passes the filter and is not hidden or folded away in the view.
    bool shown(int rec) const
    {
        const QModelIndex idx = viewIndex(rec, 0);
        if (!idx.isValid())
            return false;
        if (auto *table = qobject_cast<QTableView *>(m_view))
            return !table->isRowHidden(idx.row());
        if (auto *tree = qobject_cast<QTreeView *>(m_view)) {
            for (QModelIndex p = idx.parent(); p.isValid(); p = p.parent())
                if (!tree->isExpanded(p))
                    return false;
            return !tree->isRowHidden(idx.row(), idx.parent());
        }
        return true;
    }

    int recordOfViewRow(int row) const
    {
        QModelIndex idx = m_top->index(row, 0);
        for (auto it = m_chain.rbegin(); it != m_chain.rend() && idx.isValid(); ++it)
            idx = (*it)->mapToSource(idx);
        if (!idx.isValid())
            return -1;
        return m_grid ? m_grid->recordOfRow(idx.row()) : idx.row();
    }

    void begin()
    {
        if (m_grid)
            m_grid->beginUpdate();
    }
    void end()
    {
        if (m_grid)
            m_grid->endUpdate();
    }

    // Inserts a copy of record `from` at `at`.
    bool insertCopy(int at, int from)
    {
        if (m_grid) {
            QVariantList values;
            for (int c = 0; c < m_grid->columnCount(); ++c)
                values << m_grid->recordValue(from, c);
            m_grid->insertRecord(at, values);
            return true;
        }
        if (!m_base->insertRow(at))
            return false;
        const int src = from >= at ? from + 1 : from;
        for (int c = 0; c < m_base->columnCount(); ++c)
            m_base->setItemData(m_base->index(at, c), m_base->itemData(m_base->index(src, c)));
        return true;
    }

    void remove(int rec)
    {
        if (m_grid)
            m_grid->removeRecord(rec);
        else
            m_base->removeRow(rec);
    }

private:
    QAbstractItemView *m_view;
    QAbstractItemModel *m_top;
    QAbstractItemModel *m_base = nullptr;
    GridTableModel *m_grid = nullptr;
    QList<QAbstractProxyModel *> m_chain;
};

bool focusRecord(QAbstractItemView *view, const Records &r, int rec, int column)
{
    const QModelIndex idx = r.viewIndex(rec, qMax(0, column));
    if (!idx.isValid())
        return false;
    view->setCurrentIndex(idx);
    view->scrollTo(idx);
    return true;
}
} // namespace

int GridFindNext(QAbstractItemView *view, const QString &text, int column, int fromRecord)
{
    if (text.trimmed().isEmpty())
        return fromRecord;
    const Records r(view);
    if (r.valid()) {
        for (int rec = qMax(0, fromRecord); rec < r.count(); ++rec) {
            if (!r.shown(rec) || !r.value(rec, column).toString().contains(text, Qt::CaseSensitive))
                continue;
            focusRecord(view, r, rec, column);
            return rec + 1;
        }
    }
    MsgBox(QStringLiteral("찾는 검색어가 더이상 없습니다."), QStringLiteral("I"));
    return 0;
}

bool GridFocusRecord(QAbstractItemView *view, int record, int column)
{
    const Records r(view);
    if (!r.valid() || record < 0 || record >= r.count())
        return false;
    return focusRecord(view, r, record, column);
}

void GridSetColumnAll(QAbstractItemView *view, const QVariant &value, int column)
{
    Records r(view);
    if (!r.valid())
        return;
    r.begin();
    for (int rec = 0; rec < r.count(); ++rec)
        r.setValue(rec, column, value);
    r.end();
}

void GridSetColumnFiltered(QAbstractItemView *view, const QVariant &value, int column)
{
    Records r(view);
    if (!r.valid())
        return;
    r.begin();
    for (int rec = 0; rec < r.count(); ++rec)
        if (r.viewIndex(rec, 0).isValid())
            r.setValue(rec, column, value);
    r.end();
}

bool GridMoveRecord(QAbstractItemView *view, int mode)
{
    if (!view || !view->model())
        return false;
    const QModelIndex cur = view->currentIndex();
    if (!cur.isValid() || cur.parent().isValid())
        return false;
    Records r(view);
    const int row = cur.row();
    const int rows = view->model()->rowCount();
    const int f = r.recordOfViewRow(row);
    if (f < 0)
        return false;
    int t = -1;
    switch (mode) {
    case 1: t = row > 0 ? 0 : -1; break;
    case 2: t = row > 0 ? r.recordOfViewRow(row - 1) : -1; break;
    case 3: t = row < rows - 1 ? r.recordOfViewRow(row + 1) : -1; break;
    case 4: t = row < rows - 1 ? r.count() - 1 : -1; break;
    default: break;
    }
    if (t < 0)
        return false;
    // Up: the copy goes in at t; down: just after t. The original then goes away.
    const int at = mode <= 2 ? t : t + 1;
    r.begin();
    if (!r.insertCopy(at, f)) {
        r.end();
        return false;
    }
    const int original = f >= at ? f + 1 : f;
    r.remove(original);
    const int moved = at > original ? at - 1 : at;
    r.end();
    focusRecord(view, r, moved, cur.column());
    return true;
}

void GridScrollPage(QWidget *container, bool down)
{
    if (!container)
        return;
    const auto grids = container->findChildren<QAbstractItemView *>(QString(), Qt::FindDirectChildrenOnly);
    if (grids.isEmpty())
        return;
    grids.first()->verticalScrollBar()->triggerAction(down ? QAbstractSlider::SliderPageStepAdd
                                                           : QAbstractSlider::SliderPageStepSub);
}
