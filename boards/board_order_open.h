#pragma once

#include "boards/board_drawing.h"

#include <QString>

class GridTableModel;

// What a double click on a board row asks the main window to do: open the order in the
// modification window (the reception window for delivery kinds, the quick window for the quick
// kinds), or nothing.
struct BoardOrderOpen
{
    enum Kind
    {
        None,
        Modify,      // proc_Ord_Modify
        ModifyQuick, // proc_Ord_Modify_Quick
    };
    Kind kind = None;
    QString ordNo;
    QString status;
    QString ordGubun = QStringLiteral("1");
    QString dayNo;      // the day's number over all stores, as decimal text
    QString orderType;  // "2" for an app-channel store order
    QString shareGroup;
    QString storeCode;  // made known to the main window before the order opens

    bool operator==(const BoardOrderOpen &) const = default;
};

// Reads the row of `record` and decides how it opens. Kinds 1001-1003 open in the modification
// window, 1004-1007 in the quick one, any other kind (1009 same day) not at all; a store order
// always opens as an app-channel order. The completed grid passes no share group.
BoardOrderOpen DecideBoardOrderOpen(BoardGrid grid, const GridTableModel &model, int record);

// Names of the order-number, status and group-number columns of a grid, and of its check-box
// column (empty for the store-order grid).
QString BoardOrderNoColumn(BoardGrid grid);
QString BoardStatusColumn(BoardGrid grid);
QString BoardCheckColumn(BoardGrid grid);

// The text of a named cell; empty when the grid has no such column.
QString BoardCellText(const GridTableModel &model, int record, const QString &columnName);
