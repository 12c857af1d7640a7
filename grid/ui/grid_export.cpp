#include "grid/ui/grid_export.h"
#include "grid/variant_number.h"

#include "grid/grid_table_model.h"
#include "grid/ui/banded_header.h"
#include "common/message_box.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QDesktopServices>
#include <QHeaderView>
#include <QTableView>
#include <QTreeView>
#include <QUrl>

#include <algorithm>

namespace
{
ExportOpenHandler &openHandler()
{
    static ExportOpenHandler handler = [](const QString &fileName) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
    };
    return handler;
}

QHeaderView *columnHeader(QAbstractItemView *view)
{
    if (auto *table = qobject_cast<QTableView *>(view))
        return table->horizontalHeader();
    if (auto *tree = qobject_cast<QTreeView *>(view))
        return tree->header();
    return nullptr;
}

GridTableModel *gridBeneath(QAbstractItemModel *m)
{
    while (auto *proxy = qobject_cast<QAbstractProxyModel *>(m))
        m = proxy->sourceModel();
    return qobject_cast<GridTableModel *>(m);
}

} // namespace

GridViewExportSource::GridViewExportSource(QAbstractItemView *view, bool includeHiddenColumns)
    : m_view(view)
{
    QAbstractItemModel *m = view ? view->model() : nullptr;
    if (!m)
        return;
    const GridTableModel *grid = gridBeneath(m);
    const QHeaderView *header = columnHeader(view);
    const int count = m->columnCount();
    for (int v = 0; v < count; ++v) {
        const int logical = header ? header->logicalIndex(v) : v;
        const bool visible = !header || !header->isSectionHidden(logical);
        if (!visible && !includeHiddenColumns)
            continue;
        Column c{logical, visible, true, false};
        if (grid && logical < grid->columnCount()) {
            // A proxy may reorder rows but keeps the grid's columns.
            const GridColumn &gc = grid->column(logical);
            c.text = gc.type == GridValueType::Text;
            c.lookup = !gc.lookup.isEmpty();
        } else {
            for (int r = 0; r < m->rowCount(); ++r) {
                const QVariant value = m->index(r, logical).data(Qt::EditRole);
                if (value.isValid() && !value.toString().isEmpty()) {
                    c.text = !IsNumericVariant(value);
                    break;
                }
            }
        }
        m_columns.append(c);
    }
    if (const auto *banded = qobject_cast<const BandedHeaderView *>(header)) {
        for (const Column &c : m_columns) {
            m_bandPaths.append(banded->bandPath(c.logical));
            m_bandLevels = std::max(m_bandLevels, int(m_bandPaths.last().size()));
        }
    }
}

int GridViewExportSource::exportBandLevels() const
{
    return m_bandLevels;
}

QString GridViewExportSource::exportBandCaption(int level, int column) const
{
    const QStringList path = m_bandPaths.value(column);
    return level >= 0 && level < path.size() ? path.at(level) : QString();
}

int GridViewExportSource::exportColumnCount() const
{
    return int(m_columns.size());
}

QString GridViewExportSource::exportCaption(int column) const
{
    return m_view->model()->headerData(m_columns.at(column).logical, Qt::Horizontal).toString();
}

bool GridViewExportSource::exportColumnVisible(int column) const
{
    return m_columns.at(column).visible;
}

bool GridViewExportSource::exportColumnIsText(int column) const
{
    return m_columns.at(column).text;
}

bool GridViewExportSource::exportValuesAsText(int column) const
{
    return m_columns.at(column).text || m_columns.at(column).lookup;
}

int GridViewExportSource::exportRowCount() const
{
    return m_view && m_view->model() ? m_view->model()->rowCount() : 0;
}

QVariant GridViewExportSource::exportValue(int row, int column) const
{
    const Column &c = m_columns.at(column);
    const QModelIndex idx = m_view->model()->index(row, c.logical);
    return idx.data(c.lookup ? Qt::DisplayRole : Qt::EditRole);
}

bool ExportGridToExcel(QAbstractItemView *view, const QString &fileName, bool includeHiddenColumns)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const GridViewExportSource source(view, includeHiddenColumns);
    const XlsxExportResult result = ExportTableToXlsx(source, fileName);
    QApplication::restoreOverrideCursor();
    if (!result.ok) {
        MsgBox(result.error, QStringLiteral("E"));
        return false;
    }
    if (openHandler())
        openHandler()(fileName);
    return true;
}

ExportOpenHandler SetExportOpenHandler(ExportOpenHandler handler)
{
    ExportOpenHandler previous = std::move(openHandler());
    openHandler() = std::move(handler);
    return previous;
}
