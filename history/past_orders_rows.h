#pragma once

#include "boards/order_board_columns.h"
#include "boards/order_rows.h"
#include "grid/grid_table_model.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

// The grids of the past-orders screen and how a reply row becomes a record. The general grid has
// the today's board's columns under their CTV_MAIN names (its layout section is shared with the
// today's board), and its rows are written by the board's own filler with the rules of past
// orders on top: phones always shown with their middle block hidden, and contact data hidden for
// order paths not allowed out and for orders a week old or older.

// Columns of the general grid: the completed board's, named as the live board names them.
QList<GridColumn> PastGeneralColumns(const BoardColumnLookups &lookups = {}, const BoardCaptionWords &words = {});
// Position of a board column in the general grid; -1 when it has none.
int PastGeneralColumn(BoardCol::Id id);

// What the general filler reads besides the row.
struct PastRowContext
{
    BoardRowContext board;      // the board filler's context (login, store list, paths)
    QSet<QString> exportPaths;  // G_SL_O3_VAL2: paths whose contact data may be shown
    QDateTime now;              // the week-old rule measures against it
    static PastRowContext Current();

    // What the board's filler is handed: every path counts as allowed out there, since the
    // rules of past orders decide what is hidden afterwards. Kept across rows of one load.
    BoardRowContext fillBoard;
    bool fillReady = false;
};

// Contact data of a past order is hidden when its path is not allowed out, or when it was
// ordered seven or more whole days before now (an unreadable order time counts as now).
bool PastOrderPrivate(const QString &pathCode, const QString &orderTime, const PastRowContext &ctx);

// Appends one reply row (122 fields, escaping as sent) to the general grid. False, with the
// reason, for a row that cannot be read; the grid is then unchanged. One context serves all the
// rows of a load (it keeps what the rows share).
bool AppendPastGeneralRow(GridTableModel &grid, const QString &row, PastRowContext &ctx, PayTotals &scratch,
                          QString *error = nullptr);

// The same-day grid: the today's same-day grid's columns and row reading.
QList<GridColumn> PastSameDayColumns();
QString PastSameDayPrefix();
bool AppendPastSameDayRow(GridTableModel &grid, const QString &row, QString *error = nullptr);

// The store-order grid: fields of the store-order reply in order (at least 37 of 40), newest
// first. Pay text from charge type and pay code.
QList<GridColumn> PastStoreColumns();
inline constexpr int kPastStoreMinFields = 37;
QString PastStorePayText(const QString &chargeType, const QString &payCode, const QString &path,
                         const QString &payName, const QStringList &prepaidPaths);
bool InsertPastStoreRow(GridTableModel &grid, const QString &row, const QStringList &prepaidPaths,
                        QString *error = nullptr);
