#include "boards/ui/store_order_view.h"

#include "grid/ui/grid_font.h"
#include "boards/store_order_board.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableView>

namespace
{
// Puts the header's sort mark where the model's sort is, without sorting again.
void showModelSort(QHeaderView *header, const GridTableModel &model)
{
    if (header->sortIndicatorSection() == model.sortColumn()
        && (model.sortColumn() < 0 || header->sortIndicatorOrder() == model.sortOrder()))
        return;
    const QSignalBlocker block(header);
    header->setSortIndicator(model.sortColumn(), model.sortOrder());
    header->viewport()->update();
}
} // namespace

QTableView *CreateStoreOrderView(StoreOrderBoard &board, QWidget *parent)
{
    GridTableModel &model = board.CTV_TAKEOUT();
    auto *view = new QTableView(parent);
    view->setObjectName(QStringLiteral("CTV_TAKEOUT"));
    view->setModel(&model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setWordWrap(false);
    view->verticalHeader()->setVisible(false);
    QHeaderView *header = view->horizontalHeader();
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(true);
    ApplyGridFontSize(view);

    // Enabling sorting sorts by the header's mark at once: give it the model's sort first.
    header->setSortIndicator(model.sortColumn(), model.sortOrder());
    view->setSortingEnabled(true);
    // A sort that leaves the rows where they were sends no signal of its own; any change of the
    // rows is a moment to look.
    const auto follow = [header, &model] { showModelSort(header, model); };
    QObject::connect(&model, &QAbstractItemModel::layoutChanged, view, follow);
    QObject::connect(&model, &QAbstractItemModel::modelReset, view, follow);
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, view, follow);
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved, view, follow);
    return view;
}
