#pragma once

#include "boards/board_time_texts.h"
#include "boards/order_rows.h"

#include <QSet>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class GridTableModel;

// The status group of a status: 1 1001, 2 2001/2002, 3 3001, 4 3003, 5 4001, 6 1002/1007,
// 7 4002, 8 any other.
int func_GetStatusTypeIndex(int status);

// The board's status counters as the labels show them. The engine keeps running counters of
// its own as orders come and go; these follow the engine's changes, so a recount after a change
// of the selections is carried on by the engine's later moves instead of being overwritten.
class BoardCallSums
{
public:
    std::array<int, 9> FI_CALL_SUM{};

    // Counts one order in (true) or out (false); nothing for a status below 1.
    void proc_GetStatusCallSum(int status, bool inc);
    // Applies what the engine's counters moved since the last call.
    void follow(const std::array<int, 9> &engine);
    // The live lists were rebuilt: everything starts from zero, the engine's counters too.
    void zeroForRebuild();
    // The figures of a recount replace the counters; `engine` is where the engine stands now.
    void replace(const std::array<int, 9> &figures, const std::array<int, 9> &engine);

private:
    std::array<int, 9> m_seen{};
};

// The selections an order is counted under: the login's class and the ticked branches, order
// paths and POS paths.
struct CountSelections
{
    QString userClass;
    QSet<QString> branches;  // G_SL_ORD_FILTER [1]
    QSet<QString> paths;     // [5]
    QSet<QString> posTypes;  // [6]
    static CountSelections Current();
};

// Whether an order counts under the selections (the counting rule of the labels).
bool func_CheckOrderViewYN(const CountSelections &sel, QStringView ordBrCode, QStringView cthBrCode, int status,
                           QStringView posTypeCd, QStringView pathCd);

// The counters counted afresh from every record of both boards (shown or filtered out).
std::array<int, 9> proc_ReCountStatusCallSum(const GridTableModel &live, const GridTableModel &completed,
                                             const CountSelections &sel);

// "선결제(n):sum 현금(n):sum 현금(P)(n):sum 카드(n):sum".
QString PayTotalsText(const PayTotals &totals);

// The ready-time cell of a live row by the request origin and the user's display mode.
struct ReadyTimeCell
{
    enum Kind
    {
        Unchanged,  // the cell keeps what it holds
        Empty,
        Minutes,
    };
    Kind kind = Unchanged;
    int minutes = 0;
    QString origin;  // "요청후" or "배차후"
};
ReadyTimeCell ReadyTimeFor(const BoardTimeTexts &texts, const QString &readyCthYn, const QString &cookViewType,
                           const QString &status, const QString &readyTime2, const QString &readyChangeDate2,
                           const QString &cthDate2);
// The same as of the program clock's now.
ReadyTimeCell ReadyTimeFor(const QString &readyCthYn, const QString &cookViewType, const QString &status,
                           const QString &readyTime2, const QString &readyChangeDate2, const QString &cthDate2);

// Per live record: whether its time columns must be worked out again. Times shown in whole
// minutes change at known moments; a row whose times did not change and whose next such moment
// has not come is skipped, so a pass over ten thousand rows costs little more than the rows that
// really change. The board sink reports every record that is inserted, refilled or removed.
class LiveTimeCache
{
public:
    void reset() { m_rows.clear(); }
    void inserted(int record);
    void changed(int record);
    void removed(int record);
    // Several records at once, ascending.
    void removedMany(const std::vector<int> &records);
    // Everything is worked out again at the next pass (settings changed, tests).
    void invalidate();

    struct Row
    {
        bool dirty = true;
        qint64 dueMs = 0;          // recompute from this moment on (wall-clock milliseconds)
        qint64 waitFromSecs = INT64_MAX;  // the wait sound is due after this second
    };
    Row &row(int record);

private:
    std::vector<Row> m_rows;
};

// Refreshes the time, ready-time and courier-arrival columns of one live record as of the texts'
// now and returns the moment (wall-clock milliseconds) from which they must be refreshed again.
// Both refreshers of the live board's time columns (the count pass and the elapsed-time tick)
// go through it, so they never disagree about a row.
qint64 RefreshLiveTimes(GridTableModel &live, int record, const QString &cookViewType, const BoardTimeTexts &texts);

struct CountPassInput
{
    bool bA1FinOrd = false;       // the completed orders have been loaded
    bool storeTabActive = false;  // the store-order tab is the active page
    std::array<int, 10> iA2OrdCount{};
    QString cookViewType;
};

struct CountPassResult
{
    QString payText;           // footer under the live board's address column
    int completedShown = 0;    // footer count of the completed board
    std::array<QString, 9> labels;  // by counter element: [0] total, [1] 접수 ... [8] 문의
    bool playWaitSound = false;
};

// The count pass: refreshes the time columns of the live rows the filter shows, checks for app
// orders waiting too long, and works out the footers and the labels.
CountPassResult proc_Chk_Cnt(GridTableModel &live, const GridTableModel &completed, BoardCallSums &sums,
                             const PayTotals &totals, const CountPassInput &in, LiveTimeCache &cache,
                             const std::function<void(const QString &)> &log = {});
