// Arbitrary bytes as store-order reply pages, applied as a first load and then as changes after a
// mark. Nothing may crash, the grid and its number list must name the same records, and the row
// counter must equal the number of records.
#include "boards/store_order_board.h"
#include "records/reference_records.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace
{
void check(const StoreOrderBoard &board)
{
    const GridTableModel &m = board.CTV_TAKEOUT();
    const QStringList &numbers = board.gsl_A2OrdNo();
    if (m.recordCount() != numbers.size() || board.iA2OrdCount()[0] != m.recordCount())
        std::abort();
    for (int r = 0; r < m.recordCount(); ++r)
        if (m.recordValue(r, 0).toString() != numbers.at(r) || board.recordOf(numbers.at(r)) != r)
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    G_ST_LIST.clear();
    StoreOrderBoard board;
    StoreOrderBoard::Hooks hooks;
    hooks.log = [](const QString &) {};
    hooks.addStore = [](const QString &) {};
    board.setHooks(hooks);
    // The same text as both pages of a reply; the mark it gives (if any) is sent back next time.
    board.setRequest([&text](const QString &, const QString &, const QString &, const QString &, int) {
        return QStringList{text, text};
    });
    for (int load = 0; load < 3; ++load) {
        if (load == 2 && board.gsA2SyncDate.isEmpty())
            board.gsA2SyncDate = QStringLiteral("1");
        board.proc_Load_A2_Order_new();
        check(board);
    }
    board.procA2Check();
    return 0;
}
