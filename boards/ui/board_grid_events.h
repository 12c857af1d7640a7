#pragma once

#include "boards/board_order_open.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class GridTableModel;
class QTableView;

// Orders the today's-orders screen remembers from its grids.
struct BoardSelection
{
    QString FSELECT_ORD_NO;      // focused live or store-order row
    QString FSELECT_ORD_NO_COMP; // focused completed row
    QString FPOP_ORDER_NO;       // order handed to the bundle form
    QString FPOP_ORD_GRP_NO;     // its bundle group
};

// What the grid events need from the main window, the order-control screen and the popup menu.
// A missing hook is a screen that is not there: the step that needs it does nothing.
struct BoardEventHooks
{
    // The order-control screen and its multi-dispatch list.
    std::function<bool()> controlScreenExists;
    std::function<bool()> controlScreenShowing;
    // Opens the user's configured control screen (the main window's top button).
    std::function<void()> openControlScreen;
    // Adds the order to the multi-dispatch list or takes it out (proc_OrderAddDelInMap).
    std::function<void(const QString &orderNo, int type)> orderAddDelInMap;
    // The multi-dispatch grid holds the order (column DMO_ORD_NO, exact text).
    std::function<bool(const QString &orderNo)> multiDispatchHas;
    // Prepares the order popup menu for the focused row of the grid; false when there is none.
    std::function<bool(BoardGrid grid)> prepareOrderPopup;
    std::function<void(const QPoint &globalPos)> popupOrderMenu;
    // Opens the bundle form for FPOP_ORDER_NO / FPOP_ORD_GRP_NO.
    std::function<void()> openBundle;
    // Makes the store known to the main window (added to the store list, its record loaded).
    std::function<void(const QString &storeCode)> ensureStore;
    // Opens the order in the modification window.
    std::function<void(const BoardOrderOpen &open)> openOrder;
};

// The mouse and key behaviour of one order grid: it follows the focused row into the screen's
// selection fields, hands Ctrl-clicked and ticked orders to the multi-dispatch list, opens the
// popup menu and the bundle form, and opens an order on a double click. Install it on the view
// that shows the grid's GridTableModel (directly or through a proxy); it is owned by the view.
class BoardGridEvents : public QObject
{
    Q_OBJECT
public:
    BoardGridEvents(QTableView *view, BoardGrid grid, GridTableModel *model, BoardSelection *selection,
                    BoardEventHooks hooks);

    // The check-box column's change on the focused row of the live grid: the handler of both
    // check columns works on that row.
    void checkChanged(bool ticked);

    // Entry points of the view events, also used by tests.
    void cellClicked(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &globalPos,
                     const QModelIndex &index);
    void cellDoubleClicked(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void keyReleased(int key);

    // The live grid's events, for the check handler of the completed grid.
    void setLiveEvents(BoardGridEvents *live) { m_live = live; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int focusedRecord() const;
    QString focusedOrderNo() const;
    void restoreFocus();
    QString &selectField();
    void toggleCheck(int record);
    void ctrlClick();

    QTableView *m_view;
    // Compared by address only: events still arrive while the view is being torn down, when no
    // method of it may be called any more.
    QObject *m_viewport = nullptr;
    BoardGrid m_grid;
    GridTableModel *m_model;
    BoardSelection *m_selection;
    BoardEventHooks m_hooks;
    QPointer<BoardGridEvents> m_live;
    QString m_keptOrder;  // the order the user focused
    bool m_modelChanging = false;
    bool m_restoring = false;
};
