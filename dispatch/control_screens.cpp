#include "dispatch/control_screens.h"

#include "orders/control_ready_orders.h"
#include "orders/order_globals.h"
#include "orders/order_list.h"
#include "orders/order_record.h"

DispatchControlScreens &DispatchControlScreens::Instance()
{
    static DispatchControlScreens screens;
    return screens;
}

void DispatchControlScreens::attach(ControlScreenCore *core)
{
    m_core = core;
}

void DispatchControlScreens::detach(ControlScreenCore *core)
{
    if (m_core == core)
        m_core = nullptr;
}

IControlScreens::Screen DispatchControlScreens::ScreenOf(ControlVariant variant)
{
    switch (variant) {
    case ControlVariant::Map: return MapScreen;
    case ControlVariant::Courier: return ListScreen;
    case ControlVariant::OrderCentred: break;
    }
    return OrderScreen;
}

ControlScreenCore *DispatchControlScreens::open(Screen screen) const
{
    return m_core && ScreenOf(m_core->variant()) == screen ? m_core.data() : nullptr;
}

bool DispatchControlScreens::isOpen(Screen screen) const
{
    return open(screen) != nullptr;
}

bool DispatchControlScreens::hasWaitingRow(Screen screen, const QString &orderNo) const
{
    const ControlScreenCore *c = open(screen);
    return c && c->waiting().hasRow(orderNo);
}

void DispatchControlScreens::addWaitingRow(Screen screen, const TA1ORDER &order)
{
    if (ControlScreenCore *c = open(screen))
        c->waiting().appendRow(order.ORD_NO().toString());
}

void DispatchControlScreens::removeWaitingRow(Screen screen, const QString &orderNo)
{
    if (ControlScreenCore *c = open(screen))
        c->waiting().removeRow(orderNo);
}

QString DispatchControlScreens::waitingRowStamp(Screen screen, const QString &orderNo) const
{
    const ControlScreenCore *c = open(screen);
    return c ? c->waiting().stamp(orderNo) : QString();
}

void DispatchControlScreens::SetReadyCallUpdate(Screen screen, const TA1ORDER &order)
{
    if (ControlScreenCore *c = open(screen))
        c->SetReadyCallUpdate(order);
}

// The map screen's panel of nearby orders and the map marks belong to the map page, which
// draws them once it is there; the boards need nothing of them.
void DispatchControlScreens::removeOrderGridRow(const QString &) {}
void DispatchControlScreens::SetDrawMapOrdReadyAdd(Screen, const TA1ORDER &, int) {}
void DispatchControlScreens::SetDrawMapDeleteOrd(Screen, const TA1ORDER &) {}
void DispatchControlScreens::SetDrawMapOrdDelete(const QString &, const QString &) {}
void DispatchControlScreens::SetDrawMapOrdBaeChaAdd(const TA1ORDER &, int) {}

void DispatchControlScreens::clearWaitingRows(Screen screen)
{
    if (ControlScreenCore *c = open(screen))
        c->waiting().clear();
}

void DispatchControlScreens::beginWaitingUpdate(Screen screen)
{
    if (ControlScreenCore *c = open(screen))
        c->waiting().beginUpdate();
}

void DispatchControlScreens::endWaitingUpdate(Screen screen)
{
    if (ControlScreenCore *c = open(screen))
        c->waiting().endUpdate();
}

void DispatchControlScreens::SetWorkControlFirstReadyData()
{
    if (!m_core)
        return;
    static const TA1Orders none;
    const TA1Orders *live = liveOrders ? liveOrders() : nullptr;
    FillControlReadyOrders(*this, G_MAP_ORDERS, live ? *live : none);
    m_core->proc_Readycall_filter();
}

void DispatchControlScreens::proc_WorkReadInfo(Screen screen)
{
    if (ControlScreenCore *c = open(screen))
        c->proc_WorkReadInfo();
}

void DispatchControlScreens::proc_WorkChangeInfo(Screen screen)
{
    if (ControlScreenCore *c = open(screen))
        c->proc_WorkChangeInfo();
}

void DispatchControlScreens::proc_SetWorkPosotionChange()
{
    // The courier markers are redrawn from this queue by the map page; without it the queue
    // only needs emptying.
    if (m_core)
        G_SL_WK_CHG[3].clear();
}

void DispatchControlScreens::proc_OrderChangeMultiInfo(bool)
{
    if (ControlScreenCore *c = open(OrderScreen))
        c->proc_OrderChangeMultiInfo();
}
