#pragma once

#include "boards/order_actions.h"
#include "boards/order_bundle_feed.h"
#include "boards/ui/board_filter_bar.h"
#include "boards/ui/board_grid_attach.h"
#include "boards/ui/new_order_alarm_window.h"
#include "boards/ui/order_bundle_window.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class GridTableModel;
class OrderPopupMenu;
class QTableView;
class TFRM_ORD;

// What the grid side of the today's-orders screen needs from parts that are bound elsewhere
// (the store-order board, the courier list, the same-day panels). Every member may stay empty.
struct TodayOrdersGridOptions
{
    // "검색" on a same-day or logistics tab: runs that tab's own filter and answers true.
    std::function<bool()> runTabSearch;
    // The store-order board's reload (after an action on a store order).
    std::function<void()> reloadStoreOrders;
    // The courier list from the start (its sync mark is cleared first).
    std::function<void()> refreshCourierList;
};

// The grid side of the today's-orders screen, owned by the screen: the filter bar in the top
// panels, the drawing, events and layouts of the live and completed grids, the order popup with
// its actions, the bundle window in the live dispatch, the new-order alarm window and the
// spreadsheet export.
class TodayOrdersGridBinding : public QObject
{
    Q_OBJECT
public:
    TodayOrdersGridBinding(TFRM_ORD &screen, TodayOrdersGridOptions options);
    ~TodayOrdersGridBinding() override;

    BoardFilterBar *bar() const { return m_bar; }
    const BoardGridParts &liveParts() const { return m_live; }
    const BoardGridParts &completedParts() const { return m_completed; }
    const BoardGridParts &storeParts() const { return m_store; }
    OrderPopupMenu *popupMenu() const { return m_popup; }
    OrderActions &actions() { return *m_actions; }
    OrderPopupState &popupState() { return m_popupState; }
    OrderBundleWindow *bundleWindow() const { return m_bundleWindow; }
    // Made on first use.
    NewOrderAlarmWindow *alarmWindow();
    BoardColours &colours() { return m_colours; }
    BoardSelection &selection() { return m_selection; }

    // The store-order board's records, for the filter bar (found in CTV_TAKEOUT when the store
    // board was there first).
    void setStoreOrderModel(GridTableModel *model);
    // Fills the branch, path and POS-type lists for the logged-in user and takes the saved
    // distance; done once, after a login.
    void loadSelections();
    bool selectionsLoaded() const { return m_selectionsLoaded; }
    // The branch list of the board from the loaded lists, with each branch's code, delivery
    // group and master store: every branch ticked, or this login's saved ticks when savedTicks.
    // A store login gets its order-path and POS-type lists instead.
    void fillSelections(bool savedTicks);
    // The branch list closed as the user would (its change and close-up handlers run).
    void closeBranches();
    // The board's filter over the rows it holds.
    void runFilter();
    // The popup's cancel reasons and the alarm's reject reasons from the loaded code tables.
    void takeCodeTables();
    // The store's order-path and POS-path choices from the code tables as loaded now.
    void takeCodeChoices();
    // The grids' layouts from the settings file, with the control-screen choice of this login.
    void loadGridLayouts();
    // A selection drop-down of the board is open (the poll loads no order pages meanwhile).
    bool selectionOpen() const;

    // Plans the popup for the focused row of a grid; true when a menu would open.
    bool preparePopup(BoardGrid grid);
    // The status colours (key "CB_<status>") for the bar's labels and the grids' painting.
    void applyStatusColours(const QList<std::pair<QString, TColor>> &colours);
    // btnOrdExcelSave.
    void exportActiveBoard();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindFilterBar();
    void bindGrids();
    void bindPopup();
    void copyCounts();
    void findStoreOrderModel();
    void attachStoreGrid();
    QTableView *gridView(BoardGrid grid) const;
    GridTableModel *gridModel(BoardGrid grid) const;
    QString focusedOrderNo(BoardGrid grid) const;

    TFRM_ORD &m_screen;
    TodayOrdersGridOptions m_options;
    BoardFilterBar *m_bar = nullptr;
    GridTableModel *m_storeModel = nullptr;
    BoardSelection m_selection;
    BoardColours m_colours;
    BoardGridParts m_live;
    BoardGridParts m_completed;
    BoardGridParts m_store;
    BoardEventHooks m_eventHooks;
    BoardGrid m_popupGrid = BoardGrid::Live;  // the grid the last popup was planned for
    OrderPopupState m_popupState;
    OrderPopupMenu *m_popup = nullptr;
    std::unique_ptr<OrderActions> m_actions;
    std::optional<OrderMenuRow> m_popupRow;  // the row the last popup was planned for
    QPointer<OrderBundleWindow> m_bundleWindow;
    std::unique_ptr<OrderBundleFeed> m_feed;
    QPointer<NewOrderAlarmWindow> m_alarmWindow;
    bool m_selectionsLoaded = false;
    bool m_modelsGone = false;
};

// Binds the grid side onto a made screen; the binding is a child of the screen.
TodayOrdersGridBinding *BindTodayOrdersGrids(TFRM_ORD &screen, TodayOrdersGridOptions options = {});
// The binding of a screen, or null when it was not bound.
TodayOrdersGridBinding *TodayOrdersGrids(const TFRM_ORD *screen);
