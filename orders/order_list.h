#pragma once

#include "common/keyed_list.h"
#include "orders/order_record.h"

// A list of live orders with their order numbers for look-up: a board's orders or a courier's
// current orders. The number list is the code list of the keyed list, so the two stay parallel.
class TA1Orders : public KeyedList<TA1ORDER>
{
public:
    int Count() const { return count(); }
    // The order at `index`, or nullptr outside 0 .. Count() - 1.
    const TA1ORDER *GetRecord(int index) const { return value(index); }
    TA1ORDER *GetRecord(int index) { return value(index); }
    // Appends a copy of `order` under its order number.
    TA1ORDER &add(const TA1ORDER &order) { return append(order.ORD_NO, order); }
};
