// Arbitrary bytes as same-day and logistics replies: as the page of a same-day rebuild, an
// incremental batch and a completed reload, and as a logistics page. Nothing may crash, and the
// same-day counters must equal a recount after every batch.
#include "boards/logistics_board.h"
#include "orders/order_globals.h"
#include "orders/same_day_engine.h"
#include "records/courier_records.h"
#include "records/session_records.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);

    ResetOrderGlobals();
    ResetCourierRecords();
    G_USER_INFO.USER_TYPE_CD = "5001";
    G_USER_INFO.BR = "BR1";
    G_USER_INFO.BR_ST_CODE = "U1";
    SameDayEngine engine;
    SameDayEngine::Hooks hooks;
    hooks.log = [](const QString &) {};
    engine.setHooks(hooks);
    for (const char *header : {"A3,0,", "A3,0,1", "A3,1,", "A3,0,2"}) {
        engine.enqueue(QString::fromLatin1(header), {text, text});
        engine.dispatchPending();
        if (engine.iA3SameDayCount() != engine.recount())
            std::abort();
    }

    LogisticsBoard board;
    LogisticsBoard::Hooks h;
    h.log = [](const QString &) {};
    board.setHooks(h);
    board.applyPages({text, text});
    if (board.gslHUBKeys().size() != board.grdHUBView().recordCount())
        std::abort();
    return 0;
}
