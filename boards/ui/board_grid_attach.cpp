#include "boards/ui/board_grid_attach.h"

#include "grid/ui/grid_layout_view.h"
#include "boards/board_layout.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

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
    // Each column starts as wide as its design (its caption, or its longer content); a saved
    // layout then gives the user's widths.
    QHeaderView *header = view->horizontalHeader();
    const QFontMetrics fm(header->font());
    for (int logical = 0; logical < header->count(); ++logical) {
        const QString name = HeaderColumnName(header, logical);
        const QString caption = view->model()->headerData(logical, Qt::Horizontal, Qt::DisplayRole).toString();
        const int designed = BoardDesignedWidth(name);
        header->resizeSection(logical, std::max({designed, fm.horizontalAdvance(caption) + 24, 40}));
    }
    parts.layout = new BoardLayoutKeeper(view->horizontalHeader(), rules,
                                         BoardInternalColumns(a.grid) + a.moreInternalColumns, view);
    parts.layout->load();
    return parts;
}
