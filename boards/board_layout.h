#pragma once

#include "grid/grid_layout.h"
#include "boards/board_drawing.h"

#include <QSet>
#include <QString>
#include <QStringList>

class TIniFile;

// How the layout of one order grid is kept in the settings file.
struct BoardLayoutRules
{
    QString section;      // "MAIN_GIRD", "MAIN_GIRD_COMP", "CTV_TAKEOUT", "grdA3View", ...
    QString checkColumn;  // the check-box column the loader places itself; empty when none
    bool visibilityPass = false; // hidden captions of "ORD_COLUMN" and internal columns apply
    bool checkVisible = false;   // the check-box column is shown
};

// The live grid (check column shown only when the user's control screen is the order-control
// screen, controlScreenType "1"), the completed grid, the store-order grid and the same-day
// grids (section = the view's name).
BoardLayoutRules LiveBoardLayoutRules(const QString &controlScreenType);
BoardLayoutRules CompletedBoardLayoutRules();
BoardLayoutRules PlainBoardLayoutRules(const QString &section);

// Width of the check-box columns as the loader sets them.
constexpr int kBoardCheckColumnWidth = 25;

// A column of a grid as the loader sees it.
struct BoardLayoutColumn
{
    QString name;
    QString caption;
    int width = 0;     // the designed or current width
    bool visible = true;
    bool internal = false; // Tag 1: always hidden
};

// Columns designed as internal (always hidden) in the live and completed grids; the screen adds
// the ones it marks itself.
QSet<QString> BoardInternalColumns(BoardGrid grid);

// Captions that the settings screen hid ("ORD_COLUMN": caption=0).
QSet<QString> ReadHiddenCaptions(const TIniFile *ini);

// The width a board column is designed with when its content is longer than its caption; 0 for
// the others, which are as wide as their caption.
int BoardDesignedWidth(const QString &columnName);
// The width for display position `position` when the stored one is missing or not a number:
// the shared default of that position, or the column's designed width past the end of the
// shared table.
int BoardDefaultWidth(int position, int designedWidth);

// The layout to apply at start: saved order and widths, visibility by the hidden captions and
// internal columns (for grids with a visibility pass; internal columns stay hidden whatever the
// file says), and the check-box column at position 0. current is the grid's columns in display
// order. A missing section leaves the order and widths as they are.
GridLayout LoadBoardLayout(const TIniFile *ini, const BoardLayoutRules &rules,
                           const QList<BoardLayoutColumn> &current, const QSet<QString> &hiddenCaptions);

// Writes "Name_" + i and "Width_" + i for every position but the check-box column's. With
// `previous`, only positions that changed are written.
bool SaveBoardLayout(TIniFile *ini, const BoardLayoutRules &rules, const GridLayout &layout,
                     const GridLayout *previous = nullptr);
