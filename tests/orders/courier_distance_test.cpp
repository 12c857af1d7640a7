#include "records/courier_records.h"
#include "text/text_helpers.h"
#include "orders/order_list.h"

#include <gtest/gtest.h>

namespace
{
// Points around a courier in Seoul.
const QString kWkX = QStringLiteral("127.0276");
const QString kWkY = QStringLiteral("37.4979");
const QString kStoreX = QStringLiteral("127.0300");
const QString kStoreY = QStringLiteral("37.5000");
const QString kDest1X = QStringLiteral("127.0400");
const QString kDest1Y = QStringLiteral("37.5100");
const QString kDest2X = QStringLiteral("127.0200");
const QString kDest2Y = QStringLiteral("37.5200");

TA1ORDER distanceOrder(const QString &no, const QString &status, const QString &sx, const QString &sy,
               const QString &ex, const QString &ey)
{
    TA1ORDER o;
    o.set(A1::ORD_NO, no);
    o.set(A1::ORD_STATUS_CD, status);
    o.set(A1::SA_LNG_X, sx);
    o.set(A1::SA_LAT_Y, sy);
    o.set(A1::EA_LNG_X, ex);
    o.set(A1::EA_LAT_Y, ey);
    return o;
}

TMyWorker courierWith(std::initializer_list<TA1ORDER> orders)
{
    TMyWorker w;
    w.WkLanX = kWkX;
    w.WkLatY = kWkY;
    w.WKOrders = std::make_shared<TA1Orders>();
    for (const TA1ORDER &o : orders)
        w.WKOrders->add(o);
    return w;
}

double metres(const QString &x1, const QString &y1, const QString &x2, const QString &y2)
{
    return GetDistance(x1, y1, x2, y2);
}

TEST(CourierDistance, CountsEveryPointOnce)
{
    const double toStore = metres(kWkX, kWkY, kStoreX, kStoreY);
    const double storeTo1 = metres(kStoreX, kStoreY, kDest1X, kDest1Y);
    const double storeTo2 = metres(kStoreX, kStoreY, kDest2X, kDest2Y);
    const double wkTo1 = metres(kWkX, kWkY, kDest1X, kDest1Y);
    ASSERT_GT(toStore, 0.0);

    struct Case
    {
        const char *name;
        TMyWorker courier;
        double expectedKm;
    };
    const Case cases[] = {
        {"two pickups at one store, two destinations",
         courierWith({distanceOrder("1", "3001", kStoreX, kStoreY, kDest1X, kDest1Y),
                      distanceOrder("2", "3001", kStoreX, kStoreY, kDest2X, kDest2Y)}),
         (toStore + storeTo1 + storeTo2) / 1000.0},
        {"two departed orders to one destination",
         courierWith({distanceOrder("1", "3003", kStoreX, kStoreY, kDest1X, kDest1Y),
                      distanceOrder("2", "3003", kDest2X, kDest2Y, kDest1X, kDest1Y)}),
         wkTo1 / 1000.0},
        {"assigned and departed to the same destination",
         courierWith({distanceOrder("1", "3001", kStoreX, kStoreY, kDest1X, kDest1Y),
                      distanceOrder("2", "3003", kStoreX, kStoreY, kDest1X, kDest1Y)}),
         (toStore + storeTo1) / 1000.0},
        {"other statuses and missing coordinates are skipped",
         courierWith({distanceOrder("1", "4001", kStoreX, kStoreY, kDest1X, kDest1Y),
                      distanceOrder("2", "3001", kStoreX, QString(), kDest1X, kDest1Y),
                      distanceOrder("3", "3003", kStoreX, kStoreY, kDest2X, QString())}),
         0.0},
        {"no orders", courierWith({}), 0.0},
    };
    for (Case c : cases) {
        EXPECT_NEAR(c.courier.getDistance(), c.expectedKm, 1e-9) << c.name;
        EXPECT_TRUE(c.courier.WKSlDistance.isEmpty()) << c.name;
    }
}

TEST(CourierDistance, NoPositionOrNoOrderListGivesZero)
{
    TMyWorker noPosition = courierWith({distanceOrder("1", "3003", kStoreX, kStoreY, kDest1X, kDest1Y)});
    noPosition.WkLatY = QString();
    EXPECT_EQ(noPosition.getDistance(), 0.0);

    TMyWorker noList;
    noList.WkLanX = kWkX;
    noList.WkLatY = kWkY;
    EXPECT_EQ(noList.getDistance(), 0.0);
}
} // namespace
