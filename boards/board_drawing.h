#pragma once

#include "settings/color_text.h"

#include <QHash>
#include <QString>

#include <array>

class GridTableModel;
struct TUSER_SET;

// The three order grids of the today's-orders screen.
enum class BoardGrid
{
    Live,        // CTV_MAIN
    Completed,   // CTV_MAIN_COMP
    StoreOrders, // CTV_TAKEOUT
};

// Colours are 0xRRGGBB throughout.
struct BoardColours
{
    // Status colours, keyed by the Tag of their count label: 1001 CLB_ORD_CNT, 2001 CLB_READY_CNT,
    // 3001 CLB_PICKUP_CNT, 3003 CLB_START_CNT, 4001 CLB_FINISH_CNT, 1002 CLB_WAIT_CNT,
    // 4002 CLB_CANCEL_CNT, 4003 CLB_ETC_CNT.
    QHash<int, quint32> status;
    quint32 normalB = 0xFFFFFF;        // ColorNormalB
    quint32 normalF = 0x000000;        // ColorNormalF
    quint32 stNoChkB = 0x0000FF;       // ColorOrdStNoChkB
    quint32 stNoChkF = 0xFFFF00;       // ColorOrdStNoChkF
    quint32 dvryNoAddrB = 0xFF8000;    // ColorOrdDvryNoAddrB
    quint32 cardCancelF = 0xFF0000;    // ColorOrdCardCancelF

    // The six user colours of the settings record; the status colours are left as they are.
    void takeUserColours(const TUSER_SET &set);
    // A status colour as the settings file's "Status" section stores it ("CB_1001" and so on,
    // blue-green-red). Keys of other boards ("CB_6000") are ignored; system colours are mapped
    // to their usual light-theme values.
    void setStatusColour(const QString &key, TColor colour);
    // White when the label has no colour yet.
    quint32 statusColour(int tag) const;
};

// A TColor (blue-green-red, or a system colour) as 0xRRGGBB.
quint32 RgbOfTColor(TColor colour);

// The few cells of a row that decide its look, as the grid holds them.
struct BoardRowCells
{
    QString status;      // *_STATUS_CD / CTV_TAKEOUT_ORD_STATUS_CD
    QString orderPath;   // CTV_MAIN_ORD_PATH_CD
    QString arrTime;     // CTV_MAIN_ARR_TIME
    QString orderDate2;  // CTV_MAIN_ORD_DATE2 (the order time unformatted)
    QString takeoutYn;   // *_TAKEOUT_YN
    QString xyAccType;   // *_XY_ACC_TYPE
    QString tranType;    // *_TRAN_TYPE / CTV_TAKEOUT_CHARGE_HISTORY
    QString payType;     // pay-type text
};

// Names of the columns a grid's look reads.
struct BoardLookColumns
{
    QString status, orderPath, arrTime, orderDate2, takeoutYn, xyAccType, tranType, payType;
};
const BoardLookColumns &BoardLookColumnsOf(BoardGrid grid);

// Where the look columns are in a grid's model (-1 for a column it does not have). Painting
// resolves them once per column set rather than by name for every cell.
struct BoardLookIndexes
{
    int status = -1, orderPath = -1, arrTime = -1, orderDate2 = -1, takeoutYn = -1, xyAccType = -1,
        tranType = -1, payType = -1;
};
BoardLookIndexes BoardLookIndexesOf(const GridTableModel &model, BoardGrid grid);

// Reads the look cells of one record; cells the grid does not have stay empty.
BoardRowCells BoardRowCellsOf(const GridTableModel &model, int record, BoardGrid grid);
BoardRowCells BoardRowCellsAt(const GridTableModel &model, int record, const BoardLookIndexes &at);

// How a row is painted. Nothing is set for a selected row, which keeps the grid's selection
// colours; otherwise the background is always set, the text colour and the font only where the
// rules say.
struct BoardCellLook
{
    bool hasBackground = false;
    quint32 background = 0;
    bool hasText = false;
    quint32 text = 0;
    bool hasFont = false;
    bool bold = false;
    // A live app order that has waited for the store too long.
    bool waitingAppOrder = false;

    bool operator==(const BoardCellLook &) const = default;
};

// The fixed colour of status 1007 in the live grid.
constexpr quint32 kStatus1007Rgb = 0x898C22;

// A live order of path "1016" (app order) still without an arrival time that was taken more than
// 10 seconds before nowSecs (Unix seconds). An order time that cannot be read never counts.
bool IsWaitingAppOrder(const BoardRowCells &cells, qint64 nowSecs);

// The look of every cell of a row. The row's look does not depend on the column; the column
// matters only for the memo hint (BoardCellHint).
BoardCellLook BoardRowLook(BoardGrid grid, const BoardRowCells &cells, const BoardColours &colours,
                           qint64 nowSecs, bool selected);

// The hint of a cell: a memo cell's own text, so that a long memo can be read in full; empty for
// every other column.
QString BoardCellHint(const QString &columnName, const QString &cellText);
