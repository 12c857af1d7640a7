#pragma once

#include "orders/order_list.h"
#include "orders/order_seams.h"

#include <functional>
#include <memory>

// Moves an order between the couriers' current-order lists (G_MY_WORKER) by its previous
// courier (the snapshot's CTH_WK_CODE), its present courier and its status, and queues the
// couriers whose list changed in G_SL_WK_CHG [1]. The previous and the present courier are
// handled independently: a previous courier that is not loaded does not keep the order from
// the present courier's list.
void proc_WkAddA1Order(const std::shared_ptr<TA1ORDER> &order);

// Keeps the waiting-order list G_MAP_ORDERS and the open control screen in step with an order:
// a waiting order (1002, 2001 or 2002) that this login may see is added or refreshed, any other
// is taken out. `visible` answers whether the login may see the order.
void proc_WkDelA1Order(const std::shared_ptr<TA1ORDER> &order, IControlScreens *screens,
                       const std::function<bool(const TA1ORDER &)> &visible);
