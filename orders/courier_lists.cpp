#include "orders/courier_lists.h"

#include "common/daily_log.h"
#include "orders/order_globals.h"
#include "records/courier_records.h"

#include <QHash>

#include <exception>

namespace
{
// Statuses in which an order sits on its courier's current-order list.
bool onCourierList(int status)
{
    return status == 3001 || status == 3003;
}

// The courier of a code. Couriers are looked up for every assigned order of a batch, so their
// places are remembered; a remembered place is used only while it still holds that courier.
TMyWorker *courier(const QString &code)
{
    static QHash<QString, int> places;
    const QStringList &codes = G_MY_WORKER.MyWorkerWkArray();
    const int known = places.value(code, -1);
    if (known >= 0 && known < codes.size() && codes.at(known) == code)
        return G_MY_WORKER.MyWorkerArray.value(known);
    const int i = int(codes.indexOf(code));
    if (i < 0)
        return nullptr;
    places.insert(code, i);
    return G_MY_WORKER.MyWorkerArray.value(i);
}

void removeFromCourier(TMyWorker &w, const QString &no)
{
    if (!w.WKOrders)
        return;
    const int i = w.WKOrders->IndexOf(no);
    if (i >= 0) {
        w.WKOrders->Delete(i);
        w.WkOrderNo = w.WKOrders->Numbers();
    }
}

// The status rule for the courier the order is (now) assigned to.
void applyToCourier(TMyWorker &w, const std::shared_ptr<TA1ORDER> &order, const QString &no,
                    int status)
{
    if (!w.WKOrders)
        w.WKOrders = std::make_shared<TA1Orders>();
    const int i = w.WKOrders->IndexOf(no);
    if (onCourierList(status)) {
        if (i >= 0)
            w.WKOrders->SetRecord(i, order);
        else
            w.WKOrders->Add(no, order);
    } else if (i >= 0) {
        w.WKOrders->Delete(i);
    }
    w.WkOrderNo = w.WKOrders->Numbers();
}

// 2002 (requested again) waits for a courier just as 2001 does: the board holds both alike, and
// the control screens build their ready orders from this list with 2002 among them, so an order
// in 2002 left out here would vanish from the screens while it still needs a courier.
bool isWaiting(QStringView status)
{
    return status == u"2001" || status == u"2002" || status == u"1002";
}

void removeFromScreens(IControlScreens *screens, const TA1ORDER &order, const QString &no,
                       bool mapGridToo)
{
    if (!screens)
        return;
    if (screens->isOpen(IControlScreens::ListScreen)) {
        if (screens->hasWaitingRow(IControlScreens::ListScreen, no)) {
            screens->removeWaitingRow(IControlScreens::ListScreen, no);
            screens->SetDrawMapDeleteOrd(IControlScreens::ListScreen, order);
        }
    } else if (screens->isOpen(IControlScreens::MapScreen)) {
        if (screens->hasWaitingRow(IControlScreens::MapScreen, no)) {
            screens->removeWaitingRow(IControlScreens::MapScreen, no);
            screens->SetDrawMapDeleteOrd(IControlScreens::MapScreen, order);
        }
        if (mapGridToo)
            screens->removeOrderGridRow(no);
    }
}
} // namespace

void proc_WkAddA1Order(const std::shared_ptr<TA1ORDER> &order)
{
    if (!order)
        return;
    if (order->OLD_ORDER && order->OLD_ORDER->CTH_WK_CODE() == order->CTH_WK_CODE()
        && !order->ORD_STATUS_CD().isEmpty())
        return;  // the same courier (or none): nothing moves
    const QString oldCode = order->OLD_ORDER ? order->OLD_ORDER->text(A1::CTH_WK_CODE) : QString();
    const QString newCode = order->text(A1::CTH_WK_CODE);
    const QString no = order->text(A1::ORD_NO);
    try {
        bool ok = false;
        const int status = order->ORD_STATUS_CD().toInt(&ok);
        if (!ok)
            throw std::runtime_error("status is not a number");
        if (oldCode == newCode)
            return;  // the shared record already shows its new values in the courier's list
        if (!oldCode.isEmpty()) {
            if (TMyWorker *w = courier(oldCode)) {
                G_SL_WK_CHG[1].append(oldCode);
                removeFromCourier(*w, no);
            }
        }
        if (!newCode.isEmpty()) {
            if (TMyWorker *w = courier(newCode)) {
                G_SL_WK_CHG[1].append(newCode);
                applyToCourier(*w, order, no, status);
            }
        }
    } catch (const std::exception &) {
        WriteLog(QStringLiteral("proc_WkAddA1Order: ") + oldCode + QLatin1Char(' ') + newCode
                 + QLatin1Char(' ') + no);
    }
}

void proc_WkDelA1Order(const std::shared_ptr<TA1ORDER> &order, IControlScreens *screens,
                       const std::function<bool(const TA1ORDER &)> &visible)
{
    if (!order)
        return;
    const QString no = order->text(A1::ORD_NO);
    try {
        G_SL_WK_CHG[7].append(no);
        const bool waiting = isWaiting(order->ORD_STATUS_CD());
        const int i = G_MAP_ORDERS.IndexOf(no);
        const bool known = i >= 0;
        if (waiting) {
            const bool shown = visible ? visible(*order) : true;
            if (shown) {
                if (known)
                    G_MAP_ORDERS.SetRecord(i, order);
                else
                    G_MAP_ORDERS.Add(no, order);
                if (!screens)
                    return;
                IControlScreens::Screen s;
                if (screens->isOpen(IControlScreens::ListScreen))
                    s = IControlScreens::ListScreen;
                else if (screens->isOpen(IControlScreens::MapScreen))
                    s = IControlScreens::MapScreen;
                else
                    return;
                if (!screens->hasWaitingRow(s, no)) {
                    screens->addWaitingRow(s, *order);
                    if (s == IControlScreens::ListScreen && screens->mapShown())
                        screens->SetDrawMapOrdReadyAdd(s, *order, 1);
                }
                const QString stamp = screens->waitingRowStamp(s, no);
                if (stamp.isEmpty() || stamp.compare(order->MOD_DATE_STAMP()) < 0)
                    screens->SetReadyCallUpdate(s, *order);
            } else {
                if (known)
                    G_MAP_ORDERS.Delete(i);
                removeFromScreens(screens, *order, no, true);
            }
        } else if (known) {
            removeFromScreens(screens, *order, no, false);
            G_MAP_ORDERS.Delete(i);
        }
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("proc_WkDelA1Order: ") + no + QLatin1Char(' ')
                 + QString::fromLocal8Bit(e.what()));
    }
}
