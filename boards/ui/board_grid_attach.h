#pragma once

#include "boards/ui/board_delegate.h"
#include "boards/ui/board_grid_events.h"
#include "boards/ui/board_layout_keeper.h"

class QTableView;

// Everything one order grid of the today's-orders screen gets from this folder: its painting,
// its mouse and key events and its layout in the settings file.
struct BoardGridParts
{
    BoardDelegate *delegate = nullptr;
    BoardGridEvents *events = nullptr;
    BoardLayoutKeeper *layout = nullptr;
};

struct BoardGridAttach
{
    BoardGrid grid = BoardGrid::Live;
    GridTableModel *model = nullptr;  // the grid's records (the view may show them through a proxy)
    BoardSelection *selection = nullptr;
    BoardEventHooks hooks;
    std::function<BoardColours()> colours;
    // Internal columns the screen marks beyond the designed ones.
    QSet<QString> moreInternalColumns;
    // The user's control screen (G_USER_SET.ViewWorkControlType): "1" shows the live check boxes.
    QString controlScreenType;
};

// Installs the parts on the view (all owned by it) and applies the saved layout.
BoardGridParts AttachBoardGrid(QTableView *view, const BoardGridAttach &attach);
