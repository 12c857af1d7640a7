// Arbitrary bytes as order replies: as one row for the live and same-day row readers, as a page
// read directly and by the general parser (the two must agree), and as the page of a full
// rebuild, an incremental batch and a completed reload of the live-order engine.
// Nothing may crash, a refused row must leave its order as it was, and the board counters must
// equal a recount after every batch.
#include "orders/live_order_engine.h"
#include "orders/order_globals.h"
#include "orders/order_record.h"
#include "orders/order_row_pages.h"
#include "orders/same_day_record.h"
#include "records/session_records.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);

    // The direct reading of a page and the general parser agree on every page.
    {
        std::vector<PageRow> direct, general;
        QString directError, generalError;
        const bool directOk = ReadOrderRowPage(text, direct, &directError);
        if (directOk != ReadOrderRowPageByDocument(text, general, &generalError) || direct.size() != general.size()
            || (!directOk && directError != generalError))
            std::abort();
        for (size_t i = 0; i < direct.size(); ++i)
            if (direct[i].isText != general[i].isText || direct[i].text != general[i].text)
                std::abort();
    }

    TA1ORDER order;
    order.set(A1::ORD_MEMO, u"before");
    if (!proc_SetA1OrderFromRow(order, text, {}) && order.ORD_MEMO() != u"before")
        std::abort();
    for (int f = 0; f < A1::kTextCount; ++f)
        order.text(A1::Field(f));
    order.GetAddr();
    order.GetSaAddr();

    TA3ORDER sameDay;
    sameDay.set(A3::ORD_MEMO, u"before");
    if (!proc_SetA3OrderFromRow(sameDay, text) && sameDay.ORD_MEMO() != u"before")
        std::abort();
    sameDay.GetChgStatus();
    TA1ORDER copy;
    proc_A3ToA1Order(sameDay, copy);

    ResetOrderGlobals();
    G_USER_INFO.USER_TYPE_CD = "5001";
    G_USER_INFO.DATA_STATUS = "1";
    G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("BR1")};
    LiveOrderEngine engine;
    engine.setLogger([](const QString &) {});
    engine.setStoreIndexer([](const QString &) { return 0; });
    for (const char *header : {"A1,0,", "A1,0,1", "A1,1,", "A1,0,2"}) {
        engine.enqueue(QString::fromLatin1(header), {text});
        engine.dispatchPending();
        if (!(engine.counts() == engine.recount()))
            std::abort();
    }
    return 0;
}
