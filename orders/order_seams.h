#pragma once

#include <QString>

struct TA1ORDER;

// The boards that the live-order engine keeps: the live board and the completed board.
enum class OrderBoard
{
    Live,
    Completed,
};

// What the engine tells the board views. Rows are addressed by their position in the board's
// order list; a view sorts and filters only in its own proxy.
class IBoardSink
{
public:
    virtual ~IBoardSink() = default;
    virtual void beginUpdate(OrderBoard) {}
    virtual void endUpdate(OrderBoard) {}
    // The board was emptied (full rebuild, completed reload).
    virtual void boardReset(OrderBoard board) = 0;
    // A row was appended at `row` (always the new last row).
    virtual void rowInserted(OrderBoard board, int row, const TA1ORDER &order) = 0;
    // The order at `row` changed; the row is refilled from it.
    virtual void rowChanged(OrderBoard board, int row, const TA1ORDER &order) = 0;
    virtual void rowRemoved(OrderBoard board, int row) = 0;
    // A batch was applied: re-filter and recount the boards.
    virtual void batchApplied() {}
};

// Receipt printing: prints `text` in `copies` on printer slot `slot`.
class IOrderPrinter
{
public:
    virtual ~IOrderPrinter() = default;
    virtual void printOrder(const QString &text, int copies, int slot) = 0;
};

// The program's sound slots.
class ISoundPlayer
{
public:
    virtual ~ISoundPlayer() = default;
    virtual void playSound(int slot) = 0;
};

// The courier-control screens, as far as the order dispatch feeds them. At most one of the
// list screen, the map screen and the order screen is used at a time; a screen that is not open
// ignores every call.
class IControlScreens
{
public:
    enum Screen
    {
        ListScreen,   // the list control screen
        MapScreen,    // the map control screen
        OrderScreen,  // the order control screen
    };
    virtual ~IControlScreens() = default;

    virtual bool isOpen(Screen screen) const = 0;
    // The map browser of the list screen is shown.
    virtual bool mapShown() const { return false; }

    // The screen's multi-dispatch grid and its order numbers.
    virtual bool hasWaitingRow(Screen screen, const QString &orderNo) const = 0;
    virtual void addWaitingRow(Screen screen, const TA1ORDER &order) = 0;
    virtual void removeWaitingRow(Screen screen, const QString &orderNo) = 0;
    // The modification stamp shown in the waiting row; empty when the row has none.
    virtual QString waitingRowStamp(Screen screen, const QString &orderNo) const = 0;
    virtual void SetReadyCallUpdate(Screen screen, const TA1ORDER &order) = 0;
    // The map screen's own order grid: removes the order there (the screen hides the panel
    // when the grid becomes empty).
    virtual void removeOrderGridRow(const QString &orderNo) = 0;

    // Map marks.
    virtual void SetDrawMapOrdReadyAdd(Screen screen, const TA1ORDER &order, int mode) = 0;
    virtual void SetDrawMapDeleteOrd(Screen screen, const TA1ORDER &order) = 0;
    // The order screen's marks, keyed by store code and today's number over all stores.
    virtual void SetDrawMapOrdDelete(const QString &storeCode, const QString &todayAllNo) = 0;
    virtual void SetDrawMapOrdBaeChaAdd(const TA1ORDER &order, int mode) = 0;

    // Empties the screen's multi-dispatch grid and its order numbers (and the selection list of
    // a screen that keeps one); between begin and end the grid repaints once.
    virtual void clearWaitingRows(Screen) {}
    virtual void beginWaitingUpdate(Screen) {}
    virtual void endWaitingUpdate(Screen) {}

    // Refreshes after a batch. Implementations fill the waiting rows with
    // FillControlReadyOrders (orders/control_ready_orders.h).
    virtual void SetWorkControlFirstReadyData() = 0;
    virtual void proc_WorkReadInfo(Screen screen) = 0;
    virtual void proc_WorkChangeInfo(Screen screen) = 0;
    virtual void proc_SetWorkPosotionChange() = 0;
    virtual void proc_OrderChangeMultiInfo(bool all) = 0;
};
