#include "orders/control_ready_orders.h"

#include "orders/order_record.h"

namespace
{
bool inStatus(const TA1ORDER &order, std::initializer_list<const char16_t *> statuses)
{
    const QStringView status = order.ORD_STATUS_CD();
    for (const char16_t *s : statuses)
        if (status == QStringView(s))
            return true;
    return false;
}

void rebuild(IControlScreens &screens, IControlScreens::Screen screen, const TA1Orders &waiting)
{
    screens.beginWaitingUpdate(screen);
    screens.clearWaitingRows(screen);
    for (const auto &order : waiting.Records()) {
        if (!order || !inStatus(*order, {u"2001", u"2002", u"1002"}))
            continue;
        const QString no = order->text(A1::ORD_NO);
        if (!screens.hasWaitingRow(screen, no))
            screens.addWaitingRow(screen, *order);
        screens.SetReadyCallUpdate(screen, *order);
    }
    screens.endWaitingUpdate(screen);
}
} // namespace

void FillControlReadyOrders(IControlScreens &screens, const TA1Orders &waitingOrders, const TA1Orders &liveOrders)
{
    if (screens.isOpen(IControlScreens::MapScreen)) {
        rebuild(screens, IControlScreens::MapScreen, waitingOrders);
    } else if (screens.isOpen(IControlScreens::ListScreen)) {
        rebuild(screens, IControlScreens::ListScreen, waitingOrders);
    } else if (screens.isOpen(IControlScreens::OrderScreen)) {
        const auto screen = IControlScreens::OrderScreen;
        screens.beginWaitingUpdate(screen);
        for (const auto &order : liveOrders.Records()) {
            if (order && inStatus(*order, {u"2001", u"2002"})
                && screens.hasWaitingRow(screen, order->text(A1::ORD_NO)))
                screens.SetReadyCallUpdate(screen, *order);
        }
        screens.endWaitingUpdate(screen);
    }
}
