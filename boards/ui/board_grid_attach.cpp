#include "boards/ui/board_grid_attach.h"

#include <QHeaderView>
#include <QTableView>

BoardGridParts AttachBoardGrid(QTableView *view, const BoardGridAttach &a)
{
    BoardGridParts parts;
    parts.delegate = InstallBoardDelegate(view, a.grid, a.model, a.colours);
    parts.events = new BoardGridEvents(view, a.grid, a.model, a.selection, a.hooks);
    BoardLayoutRules rules;
    switch (a.grid) {
    case BoardGrid::Live: rules = LiveBoardLayoutRules(a.controlScreenType); break;
    case BoardGrid::Completed: rules = CompletedBoardLayoutRules(); break;
    case BoardGrid::StoreOrders: rules = PlainBoardLayoutRules(QStringLiteral("CTV_TAKEOUT")); break;
    }
    parts.layout = new BoardLayoutKeeper(view->horizontalHeader(), rules,
                                         BoardInternalColumns(a.grid) + a.moreInternalColumns, view);
    parts.layout->load();
    return parts;
}
