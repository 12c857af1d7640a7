#pragma once

#include "orders/order_list.h"

#include <QStringList>

#include <array>

// Board selections: [1] ticked branches, [5] ticked order paths, [6] ticked POS types (the
// other entries belong to the selection screen).
extern std::array<QStringList, 8> G_SL_ORD_FILTER;
// Number of ticked branches, used as a flag: 1 means the board admission rule applies.
extern int G_BR_CHECKED;
// Delivery groups whose share rule makes their orders count as this login's own.
extern QStringList gsl_ShareGroup;
// Orders waiting for a courier that this login may dispatch (the control screens' waiting
// list); its numbers are G_MAP_ORDERS.Numbers().
extern TA1Orders G_MAP_ORDERS;
// Change lists drained by the control screens, [1] to [7]: [1] couriers whose current orders
// changed, [2] couriers refreshed by the courier list, [3] couriers whose position changed,
// [7] orders that passed the waiting-order routine. Entry 0 is unused.
extern std::array<QStringList, 8> G_SL_WK_CHG;

// Adds `value` to `list` unless it is there already.
void AddUnique(QStringList &list, const QString &value);

// Puts the order globals back to their start values (tests, re-initialisation).
void ResetOrderGlobals();
