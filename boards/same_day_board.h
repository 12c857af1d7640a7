#pragma once

#include "grid/grid_table_model.h"
#include "orders/same_day_engine.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The same-day boards' grids: the same-day grid grdA3View (orders under way) and the completed
// grid grdEndView. Column names are the grid's component names ("grdA3Col_ORD_NO",
// "grdEndCol_ORD_NO"); each column holds the same-named field of the order.

// Component name of a board's grid and the prefix of its columns.
QString SameDayGridName(SameDayBoard board);
QString SameDayColumnPrefix(SameDayBoard board);

// The columns in their order (99), with captions and value types.
QList<GridColumn> SameDayGridColumns(SameDayBoard board);
// Names of the columns not shown at start.
QStringList SameDayHiddenColumns(SameDayBoard board);

// The status group of a status ("1".."12", "-1" outside the table; empty when it is not a
// whole number): what StaGroup holds and what the status buttons filter on.
QString procSameDayGroup(QStringView status);

// The settings key ("Status" section) of the background colour a same-day row takes by its
// status; empty when the row keeps the grid's own background.
QString SameDayStatusColourKey(QStringView status);

// The count labels in their order with the counter slot each shows and its colour key.
struct SameDayCountLabel
{
    QString name;      // "edSameDayTotal", ...
    int slot;          // index in the counters
    QString colourKey; // "CB_1001", ...; empty for the total
};
const std::array<SameDayCountLabel, 12> &SameDayCountLabels();
// The texts of the count labels, in the order above. The completed and cancelled labels show
// "-" until the completed orders have been loaded.
std::array<QString, 12> proc_SameDayCountView(const SameDayCounts &counts, bool bA3FinOrd);

// A grid record's values for an order, in the grid's column order.
QVariantList SameDayRecordValues(const TA3ORDER &order, const QList<GridColumn> &columns,
                                 const QString &prefix);

// The two grids' records, kept in step with the engine's lists (record index = list index).
class SameDayBoardModels : public ISameDaySink
{
public:
    SameDayBoardModels();

    GridTableModel &model(SameDayBoard board) { return board == SameDayBoard::Today ? m_today : m_comp; }
    GridTableModel &grdA3View() { return m_today; }
    GridTableModel &grdEndView() { return m_comp; }

    // Writes one order into record `record`; a null order writes nothing and logs.
    void proc_SetA3Order(int record, const TA3ORDER *order);
    void proc_SetA3CompOrder(int record, const TA3ORDER *order);
    void setLogger(std::function<void(const QString &)> log) { m_log = std::move(log); }

    // ISameDaySink
    void beginUpdate(SameDayBoard board) override { model(board).beginUpdate(); }
    void endUpdate(SameDayBoard board) override { model(board).endUpdate(); }
    void boardReset(SameDayBoard board) override { model(board).clearRecords(); }
    void rowInserted(SameDayBoard board, int row, const TA3ORDER &order) override;
    void rowChanged(SameDayBoard board, int row, const TA3ORDER &order) override;
    void rowRemoved(SameDayBoard board, int row) override { model(board).removeRecord(row); }

private:
    void fill(SameDayBoard board, int record, const TA3ORDER *order, const char *errLine);

    GridTableModel m_today;
    GridTableModel m_comp;
    std::function<void(const QString &)> m_log;
};

// The double click on a same-day or completed row: the ordering store is made known (and its
// information loaded when its name is missing); only same-day orders of kind "1009" open.
struct SameDayOpenHooks
{
    // Index of a store code in the store list, adding the store when it is missing.
    std::function<int(const QString &storeCode)> storeIndex;
    // Whether the store at the index has no name yet, and loading its information.
    std::function<bool(int index)> storeNameMissing;
    std::function<void(const QString &storeCode)> loadStoreInfo;
    // Opens the order for modification: number, status, "1", reception number, kind, share group.
    std::function<void(const QString &, const QString &, const QString &, const QString &, const QString &,
                       const QString &)>
        openOrder;
};
// The default store hooks use the session's store list.
SameDayOpenHooks DefaultSameDayOpenHooks();
void grdA3ViewCellDblClick(const GridTableModel &grid, const QString &prefix, int record,
                           const SameDayOpenHooks &hooks);
