#include "orders/ui/board_grid_attach.h"

#include <QHeaderView>
#include <QTableView>

BoardGridParts AttachBoardGrid(QTableView *view, const BoardGridAttach &a)
{
    BoardGridParts parts;
    parts.delegate = InstallBoardDelegate(view, a.grid, a.model, a.colours);
    parts.events = new BoardGridEvents(view, a.grid, a.model, a.selection, a.hooks);
    BoardLayoutSpec spec;
    switch (a.grid) {
    case BoardGrid::Live: spec = LiveBoardLayoutSpec(a.controlScreenType); break;
    case BoardGrid::Completed: spec = CompletedBoardLayoutSpec(); break;
    case BoardGrid::StoreOrders: spec = PlainBoardLayoutSpec(QStringLiteral("CTV_TAKEOUT")); break;
    }
    parts.layout = new BoardLayoutKeeper(view->horizontalHeader(), spec,
                                         BoardInternalColumns(a.grid) + a.moreInternalColumns, view);
    parts.layout->load();
    return parts;
}
