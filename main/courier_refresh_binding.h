#pragma once

#include "orders/courier_refresh.h"

// Binds the courier refresh to the main window's side panels (SidePanels()): after every refresh
// the courier panel takes the changed couriers, and the counters of the panel's branch selection
// (G_WK_CNT_BR) move with the board's. Without panels both are left alone.
void BindCourierRefreshToSidePanels(CourierListRefresh::Hooks &hooks);
