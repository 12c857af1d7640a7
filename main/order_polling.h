#pragma once

#include "orders/order_poller.h"
#include "orders/store_cash_loads.h"

#include <functional>

class MessageCenter;

// The order-page poll as the main window runs it: the poll with the main window's own duties
// bound (delivery-group information, message check, keep-alive, reconnect to the stored server,
// cash balance into status panel 3, store connection states into the side panels). The order
// board binds its own duties (tab visibility, the open drop-down, the live and store-order loads,
// the courier list, same-day and logistics loads, the information bar, the ticker) into
// poller.hooks when it is made.
class OrderPolling
{
public:
    explicit OrderPolling(TickSource *source = nullptr);

    OrderPoller poller;
    StoreCashLoads storeCash;

    // The main window's side; each may be empty.
    struct WindowHooks
    {
        std::function<void(const QString &)> setCashPanel;  // status bar panel 3
        std::function<void(qint64 available, qint64 free)> setReceptionBalances;
    };
    void bindWindow(WindowHooks window);
    // The message check and its counter are the message center's: a check started anywhere
    // restarts the poll's count.
    void bindMessages(MessageCenter *center);

    // TMR_SEARCH on (ticks do nothing until the initialization is done) and off.
    void start() { poller.start(); }
    void stop()
    {
        poller.stop();
        poller.setPassTimeEnabled(false);
    }
    // The re-initialization: the cash, store-state and courier marks are emptied, so the next
    // loads fetch everything.
    void reinitialize();
};
