#pragma once

#include "orders/order_list.h"
#include "orders/order_seams.h"

// The first fill of the open courier-control screen's waiting-order grid, for the first open
// screen in this order:
// - the map screen: rebuilt from the waiting orders (statuses 2001, 2002 and 1002);
// - the list screen: the same;
// - the order screen: only its existing rows are refreshed from the live board's orders in
//   2001 or 2002; none are added or removed.
// Nothing when no control screen is open.
void FillControlReadyOrders(IControlScreens &screens, const TA1Orders &waitingOrders, const TA1Orders &liveOrders);
