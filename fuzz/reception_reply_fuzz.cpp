// Feeds arbitrary bytes as the replies the reception window reads: the customer lookup's page, the
// delivery fee and the address service's answer. Whatever they hold, the readers must not crash,
// and what they keep must stay within what the window can show.
#include "common/program_globals.h"
#include "reception/address_search_passes.h"
#include "reception/customer_lookup.h"
#include "reception/delivery_fee.h"

#include <QDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool once = [] {
        G_FIELD_SEP = QString(QChar(0x2502));
        G_LOG_DIR = QDir::tempPath() + QStringLiteral("/reception_reply_fuzz/");
        return true;
    }();
    (void)once;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const CustomerLookupResult c = ReadCustomerLookup({text}, [](const QString &) -> std::optional<CustomerGoodsInfo> {
        CustomerGoodsInfo g;
        g.name = QStringLiteral("상품");
        g.price = 1000;
        g.option = [](int, const QString &) -> std::optional<std::pair<QString, qint64>> {
            return std::make_pair(QStringLiteral("옵션"), qint64(100));
        };
        return g;
    });
    for (const CustomerPastOrder &o : c.orders)
        if (o.columns.size() != 15)
            std::abort();
    if (c.customer)
        CustomerDateTimeText(c.customer->authDateTime);

    const DeliveryFeeResult f = ReadDeliveryFeeReply(text, QStringLiteral("500"));
    if (!std::isfinite(f.distance))
        std::abort();
    DeliveryDistanceText(f.distance);

    AddressSearch search([&text](const FormFields &) { return text; });
    const AddressSearchOutcome a =
        search.run(QStringLiteral("역삼"), QStringLiteral("5"), AddressSearchStore{QStringLiteral("127.0"), QStringLiteral("37.5"), {}});
    for (const AddressSearchRow &r : a.rows)
        if (r.addr.ADDR_LAT_X.size() > 20 || r.addr.ADDR_LAT_Y.size() > 20)
            std::abort();
    return 0;
}
