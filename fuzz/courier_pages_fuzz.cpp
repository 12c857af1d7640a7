// Arbitrary bytes as courier-list replies: as a whole page, and as the rows of a page applied twice
// (first seen, then reported again). Nothing may crash, and the counters kept row by row must
// equal a recount after every page.
#include "orders/courier_refresh.h"
#include "orders/order_globals.h"
#include "records/courier_records.h"
#include "records/session_records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace
{
void checkCounters(const int *main, const QStringList &mainBranches)
{
    int c[kCourierCountSlots];
    CountCouriers(G_SL_ORD_FILTER[1], c);
    if (!std::equal(c, c + kCourierCountSlots, G_WK_CNT))
        std::abort();
    CountCouriers(mainBranches, c);
    if (!std::equal(c, c + kCourierCountSlots, main))
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);

    ResetOrderGlobals();
    ResetCourierRecords();
    ResetCourierRefreshGlobals();
    G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("BR1")};
    const QStringList mainBranches{QStringLiteral("BR1"), QStringLiteral("BR2")};
    int main[kCourierCountSlots] = {};
    CourierListRefresh::Hooks hooks;
    hooks.request = [](const QString &, const QString &, const QString &, const QString &, int) { return QStringList(); };
    hooks.mainBranches = [&mainBranches] { return mainBranches; };
    hooks.mainCounts = main;
    hooks.log = [](const QString &) {};
    CourierListRefresh refresh(hooks);

    refresh.applyPages({text});
    checkCounters(main, mainBranches);

    // The bytes as rows, one per line, in a page of their own.
    QJsonArray rows;
    for (const QString &line : text.split(QLatin1Char('\n')))
        rows.append(line);
    const QJsonObject page{{QStringLiteral("OUT_CODE"), QStringLiteral("1")},
                           {QStringLiteral("OUT_VAL"), QStringLiteral("1")},
                           {QStringLiteral("OUT_ROW1"), rows}};
    const QString pageText = QString::fromUtf8(QJsonDocument(page).toJson(QJsonDocument::Compact));
    for (int pass = 0; pass < 2; ++pass) {
        refresh.applyPages({pageText});
        checkCounters(main, mainBranches);
    }
    return 0;
}
