// Feeds arbitrary bytes as a reply page to the store-state and cash loads: whatever the page holds,
// they must not crash, and every amount they keep must be one the server could have meant.
#include "common/program_globals.h"
#include "link/link_state.h"
#include "orders/store_cash_loads.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QDir>

#include <cstdint>
#include <cstdlib>

namespace
{
constexpr qint64 kLimit = 999'999'999'999'999;

void checkFigures(const TCashFigures &f)
{
    for (qint64 v : {f.cash, f.deposit, f.outstanding})
        if (v > kLimit || v < -kLimit)
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool once = [] {
        G_FIELD_SEP = QString(QChar(0x2502));
        G_LOG_DIR = QDir::tempPath() + QStringLiteral("/store_cash_reply_fuzz/");
        return true;
    }();
    (void)once;
    ResetReferenceRecords();
    G_USER_INFO = TUSER_INFO();
    G_USER_INFO.USER_CODE = "B000101";
    for (const char *code : {"S000101", "S000102"})
        G_ST_LIST.append(QString::fromLatin1(code)).ST_CODE = QString::fromLatin1(code);
    THD_LIST &hd = G_HD_LIST.append(QStringLiteral("H0001"));
    hd.HD_CODE = "H0001";
    hd.BR_LIST.append(QStringLiteral("B000101")).BR_CODE = "B000101";

    const QString page = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    StoreCashLoads loads;
    loads.setRequest([&page](const QString &, const QString &, const QString &, const QString &, int) {
        return QStringList{page, page};
    });
    QString panel;
    loads.hooks.setCashPanel = [&panel](const QString &t) { panel = t; };
    loads.procLoadStStatus();
    loads.proc_Load_Cash();
    if (loads.gsSyncCashDate.size() > 64 || loads.gsSyncStDate.size() > 64)
        std::abort();
    checkFigures(G_USER_INFO.CASH);
    for (const TST_LIST &st : G_ST_LIST)
        checkFigures(st.CASH);
    checkFigures(G_HD_LIST.at(0).CASH);
    checkFigures(G_HD_LIST.at(0).BR_LIST.at(0).CASH);
    if (G_ST_LIST.count() != 2 || G_HD_LIST.count() != 1)
        std::abort();
    return 0;
}
