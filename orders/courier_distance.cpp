#include "records/courier_records.h"

#include "common/daily_log.h"
#include "orders/order_list.h"
#include "text/text_helpers.h"

#include <exception>

namespace
{
QString pointKey(const QString &lng, const QString &lat)
{
    return lng + QLatin1Char(',') + lat;
}
} // namespace

double TMyWorker::getDistance()
{
    WKSlDistance.clear();
    double d = 0.0;
    if (WkLatY.isEmpty() || !WKOrders)
        return 0.0;
    try {
        for (int i = 0; i < WKOrders->Count(); ++i) {
            const TA1ORDER *order = WKOrders->GetRecord(i);
            if (!order || order->SA_LNG_X().isEmpty() || order->SA_LAT_Y().isEmpty()
                || order->EA_LNG_X().isEmpty() || order->EA_LAT_Y().isEmpty())
                continue;
            const QString start = pointKey(order->SA_LNG_X().toString(), order->SA_LAT_Y().toString());
            const QString end = pointKey(order->EA_LNG_X().toString(), order->EA_LAT_Y().toString());
            if (order->ORD_STATUS_CD() == u"3001") {
                // Assigned, not yet picked up: to the store, then on to the customer.
                if (!WKSlDistance.contains(start)) {
                    d += GetDistance(WkLanX, WkLatY, order->SA_LNG_X().toString(), order->SA_LAT_Y().toString());
                    WKSlDistance.append(start);
                }
                if (!WKSlDistance.contains(end)) {
                    d += GetDistance(order->SA_LNG_X().toString(), order->SA_LAT_Y().toString(), order->EA_LNG_X().toString(),
                                     order->EA_LAT_Y().toString());
                    WKSlDistance.append(end);
                }
            } else if (order->ORD_STATUS_CD() == u"3003") {
                // Departed: straight to the customer.
                if (!WKSlDistance.contains(end)) {
                    d += GetDistance(WkLanX, WkLatY, order->EA_LNG_X().toString(), order->EA_LAT_Y().toString());
                    WKSlDistance.append(end);
                }
            }
        }
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("TMyWorker.getDistance : ") + QString::fromLocal8Bit(e.what()));
        WKSlDistance.clear();
        return d / 1000.0;  // kilometres, like the normal result
    }
    WKSlDistance.clear();
    return d > 0.0 ? d / 1000.0 : 0.0;
}
