#include "boards/order_counts.h"

#include "grid/grid_table_model.h"
#include "orders/live_order_engine.h"
#include "orders/order_globals.h"
#include "platform/clock.h"
#include "records/order_time_texts.h"
#include "records/reference_lookups.h"
#include "records/session_records.h"
#include "text/date_helpers.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <optional>

namespace
{
// Column positions of the live board that the pass reads and writes.
struct LiveCols
{
    int status, ordDate2, readyChange2, pickup2, end2, cth2, addTime, addTimeAll, cthDate, pickupDate, endDate,
        readyChange, path, arrTime, readyTime, readyTime2, readyCthYn, cookAft, wkArrTime, wkArrTime2, wkArrDate;
};

const LiveCols &liveCols()
{
    static const LiveCols c = [] {
        using namespace BoardCol;
        const auto i = [](BoardCol::Id id) { return BoardColumnIndex(OrderBoard::Live, id); };
        return LiveCols{i(STATUS_CD),      i(ORD_DATE2),   i(READY_CHANGE_DATE2), i(PICKUP_DATE2),
                        i(END_DATE2),      i(CTH_DATE2),   i(ADD_TIME),           i(ADD_TIME_ALL),
                        i(CTH_DATE),       i(PICKUP_DATE), i(END_DATE),           i(READY_CHANGE_DATE),
                        i(ORD_PATH_CD),    i(ARR_TIME),    i(READY_TIME),         i(READY_TIME2),
                        i(READY_CTH_YN),   i(COOK_AFT),    i(CTH_WK_ARR_TIME),    i(CTH_WK_ARR_TIME2),
                        i(CTH_WK_ARR_DATE)};
    }();
    return c;
}

// The next moment after `now` at which a whole-minute count measured from `base` can change
// (durations are cut to whole minutes, and a before/after test flips at `base` itself).
qint64 nextStep(qint64 base, qint64 now)
{
    constexpr qint64 kStep = 60000;
    qint64 r = (now - base) % kStep;
    if (r < 0)
        r += kStep;
    return now + (kStep - r);
}

// Minutes of a "12분" / "-3분" text; nothing for an empty or unreadable text.
std::optional<int> minutesOf(const QString &text)
{
    QString t = text;
    t.remove(QStringLiteral("분"));
    bool ok = false;
    const int v = t.trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

ReadyTimeCell readyFromText(const QString &minutesText, const QString &origin)
{
    ReadyTimeCell c;
    c.origin = origin;
    const std::optional<int> m = minutesOf(minutesText);
    c.kind = m ? ReadyTimeCell::Minutes : ReadyTimeCell::Empty;
    c.minutes = m.value_or(0);
    return c;
}

ReadyTimeCell readyFromSetting(const QString &readyTime2, const QString &origin)
{
    return readyFromText(readyTime2.trimmed(), origin);
}

// The text of a cell; a text cell is shared, not converted.
QString cellText(const QVariant &v)
{
    if (v.metaType().id() == QMetaType::QString)
        return *static_cast<const QString *>(v.constData());
    return v.toString();
}

// Writes the cells of one record in place, leaving alone a cell that already holds the same value
// of the same type (as setRecordValue does), and tells the model which cells moved. Each moved
// cell is reported on its own, so a write never looks like a change of the key column.
class CellPutter
{
public:
    CellPutter(GridTableModel &grid, int record) : m_grid(grid), m_record(record), m_cells(grid.recordCells(record))
    {
        m_grid.beginUpdate();
    }
    ~CellPutter() { m_grid.endUpdate(); }
    CellPutter(const CellPutter &) = delete;
    CellPutter &operator=(const CellPutter &) = delete;

    void text(int col, const QString &v)
    {
        if (!valid(col))
            return;
        QVariant &cell = m_cells[col];
        if (cell.metaType().id() == QMetaType::QString && *static_cast<const QString *>(cell.constData()) == v)
            return;
        cell = v;
        m_grid.recordCellsChanged(m_record, col, col);
    }
    void number(int col, int v)
    {
        if (!valid(col))
            return;
        QVariant &cell = m_cells[col];
        if (cell.metaType().id() == QMetaType::Int && *static_cast<const int *>(cell.constData()) == v)
            return;
        cell = v;
        m_grid.recordCellsChanged(m_record, col, col);
    }
    void none(int col)
    {
        if (!valid(col))
            return;
        QVariant &cell = m_cells[col];
        if (!cell.isValid())
            return;
        cell = QVariant();
        m_grid.recordCellsChanged(m_record, col, col);
    }

private:
    bool valid(int col) const { return col >= 0 && col < m_cells.size() && col < m_grid.columnCount(); }

    GridTableModel &m_grid;
    int m_record;
    QVariantList &m_cells;
};

// Asks for the memory of the time cells of the rows a pass will refresh next: the cells of the
// next few rows, and the texts of the very next one (whose cells have arrived by then). Only a
// hint to the processor; what the pass reads and writes does not depend on it.
class TimeCellPrefetch
{
public:
    explicit TimeCellPrefetch(const GridTableModel &live) : m_live(live) {}

    // Looks from `position` on for the next rows that `due` picks.
    template <typename Due>
    void lookAhead(int position, const Due &due)
    {
        m_scan = std::max(m_scan, position + 1);
        const int rows = m_live.rowCount();
        while (m_count < kAhead && m_scan < rows) {
            const int rec = m_live.recordOfRow(m_scan++);
            if (!due(rec))
                continue;
            cells(rec);
            m_queue[size_t((m_head + m_count) % kAhead)] = rec;
            if (m_count++ == 0)
                texts(rec);
        }
    }
    // The pass has come to `rec`: the next queued row's texts are asked for.
    void reached(int rec)
    {
        if (m_count == 0 || m_queue[size_t(m_head)] != rec)
            return;
        m_head = (m_head + 1) % kAhead;
        if (--m_count > 0)
            texts(m_queue[size_t(m_head)]);
    }

private:
    static constexpr int kAhead = 4;

    static void touch(const void *p)
    {
#if defined(__GNUC__)
        __builtin_prefetch(p);
#else
        Q_UNUSED(p);
#endif
    }
    static const std::array<int, 19> &columns()
    {
        static const std::array<int, 19> c = [] {
            const LiveCols &l = liveCols();
            return std::array<int, 19>{l.status,    l.ordDate2,   l.readyChange2, l.pickup2,    l.end2,
                                       l.cth2,      l.readyCthYn, l.readyTime2,   l.wkArrDate,  l.wkArrTime2,
                                       l.addTime,   l.addTimeAll, l.cthDate,      l.pickupDate, l.endDate,
                                       l.readyChange, l.readyTime, l.cookAft,    l.wkArrTime};
        }();
        return c;
    }
    void cells(int rec) const
    {
        for (const int col : columns())
            touch(&m_live.recordCell(rec, col));
    }
    void texts(int rec) const
    {
        for (size_t i = 0; i < 10; ++i) {  // the input cells
            const QVariant &v = m_live.recordCell(rec, columns()[i]);
            if (v.metaType().id() == QMetaType::QString)
                touch(static_cast<const QString *>(v.constData())->constData());
        }
    }

    const GridTableModel &m_live;
    std::array<int, kAhead> m_queue{};
    int m_head = 0;
    int m_count = 0;
    int m_scan = 0;
};

QString thousands(double v)
{
    const qint64 n = qint64(std::llround(v));
    QString digits = QString::number(n < 0 ? -n : n);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}
} // namespace

int func_GetStatusTypeIndex(int status)
{
    return StatusCounts::func_GetStatusTypeIndex(status);
}

void BoardCallSums::proc_GetStatusCallSum(int status, bool inc)
{
    if (status < 1)
        return;
    const int d = inc ? 1 : -1;
    FI_CALL_SUM[0] += d;
    FI_CALL_SUM[size_t(func_GetStatusTypeIndex(status))] += d;
}

void BoardCallSums::follow(const std::array<int, 9> &engine)
{
    for (size_t i = 0; i < FI_CALL_SUM.size(); ++i)
        FI_CALL_SUM[i] += engine[i] - m_seen[i];
    m_seen = engine;
}

void BoardCallSums::zeroForRebuild()
{
    FI_CALL_SUM.fill(0);
    m_seen.fill(0);
}

void BoardCallSums::replace(const std::array<int, 9> &figures, const std::array<int, 9> &engine)
{
    FI_CALL_SUM = figures;
    m_seen = engine;
}

CountSelections CountSelections::Current()
{
    CountSelections s;
    s.userClass = QString(G_USER_INFO.USER_TYPE_CD).left(1);
    for (const QString &b : G_SL_ORD_FILTER[1])
        s.branches.insert(b);
    for (const QString &p : G_SL_ORD_FILTER[5])
        s.paths.insert(p);
    for (const QString &p : G_SL_ORD_FILTER[6])
        s.posTypes.insert(p);
    return s;
}

bool func_CheckOrderViewYN(const CountSelections &sel, QStringView ordBrCode, QStringView cthBrCode, int status,
                           QStringView posTypeCd, QStringView pathCd)
{
    if (sel.userClass == QLatin1String("1")) {
        if (!pathCd.isEmpty() && sel.paths.contains(pathCd.toString()))
            return true;
        return !posTypeCd.isEmpty() && sel.posTypes.contains(posTypeCd.toString());
    }
    if (!ordBrCode.isEmpty() && sel.branches.contains(ordBrCode.toString()))
        return true;
    if (!cthBrCode.isEmpty() && sel.branches.contains(cthBrCode.toString()))
        return true;
    return sel.userClass == QLatin1String("5") && cthBrCode.isEmpty() && status < 3001;
}

std::array<int, 9> proc_ReCountStatusCallSum(const GridTableModel &live, const GridTableModel &completed,
                                             const CountSelections &sel)
{
    BoardCallSums sums;
    const auto walk = [&](const GridTableModel &grid, OrderBoard board) {
        using namespace BoardCol;
        const int cStatus = BoardColumnIndex(board, STATUS_CD), cPath = BoardColumnIndex(board, ORD_PATH_CD),
                  cPos = BoardColumnIndex(board, POS_TYPE_CD), cCth = BoardColumnIndex(board, CTH_BR_CODE),
                  cBr = BoardColumnIndex(board, BR_CODE);
        for (int r = 0; r < grid.recordCount(); ++r) {
            bool ok = false;
            int status = grid.recordValue(r, cStatus).toString().toInt(&ok);
            if (!ok)
                status = 1001;
            if (func_CheckOrderViewYN(sel, grid.recordValue(r, cBr).toString(), grid.recordValue(r, cCth).toString(),
                                      status, grid.recordValue(r, cPos).toString(),
                                      grid.recordValue(r, cPath).toString()))
                sums.proc_GetStatusCallSum(status, true);
        }
    };
    walk(live, OrderBoard::Live);
    walk(completed, OrderBoard::Completed);
    return sums.FI_CALL_SUM;
}

QString PayTotalsText(const PayTotals &t)
{
    const auto part = [&t](int b) {
        return QLatin1Char('(') + thousands(t.FI_AMT_CNT[size_t(b)]) + QStringLiteral("):")
               + thousands(t.FI_AMT_SUM[size_t(b)]);
    };
    return QStringLiteral("선결제") + part(2) + QStringLiteral(" 현금") + part(0) + QStringLiteral(" 현금(P)") + part(3)
           + QStringLiteral(" 카드") + part(1);
}

ReadyTimeCell ReadyTimeFor(const QString &readyCthYn, const QString &cookViewType, const QString &status,
                           const QString &readyTime2, const QString &readyChangeDate2, const QString &cthDate2)
{
    const BoardTimeTexts texts(WallNowMs(), BoardTimeTexts::SettingsViewModes());
    return ReadyTimeFor(texts, readyCthYn, cookViewType, status, readyTime2, readyChangeDate2, cthDate2);
}

ReadyTimeCell ReadyTimeFor(const BoardTimeTexts &texts, const QString &readyCthYn, const QString &cookViewType,
                           const QString &status, const QString &readyTime2, const QString &readyChangeDate2,
                           const QString &cthDate2)
{
    bool ok = false;
    int statusNo = status.toInt(&ok);
    if (!ok)
        statusNo = 1001;
    const auto elapsed = [&](const QString &from) { return texts.elapsed(status, from, readyTime2, QString(), 1); };
    const auto over = [&](const QString &from) { return texts.over(from, QString(), readyTime2, statusNo); };
    ReadyTimeCell c;
    if (readyCthYn == QLatin1String("N")) {
        const QString origin = QStringLiteral("요청후");
        if (cookViewType == QLatin1String("2")) {
            if (status < QLatin1String("3003"))
                return readyFromSetting(readyTime2, origin);
            return {ReadyTimeCell::Empty, 0, origin};
        }
        if (cookViewType == QLatin1String("1")) {
            if (status < QLatin1String("2001"))
                return {ReadyTimeCell::Empty, 0, origin};
            return readyFromText(elapsed(readyChangeDate2), origin);
        }
        if (cookViewType == QLatin1String("3"))
            return readyFromText(over(readyChangeDate2), origin);
        return {ReadyTimeCell::Unchanged, 0, origin};
    }
    const QString origin = QStringLiteral("배차후");
    if (cookViewType == QLatin1String("2")) {
        if (status <= QLatin1String("3001"))
            return readyFromSetting(readyTime2, origin);
        return {ReadyTimeCell::Empty, 0, origin};
    }
    if (cookViewType == QLatin1String("1")) {
        if (status == QLatin1String("3001"))
            return readyFromText(elapsed(cthDate2), origin);
        if (status < QLatin1String("2001"))
            return {ReadyTimeCell::Empty, 0, origin};
        return readyFromText(elapsed(QString()), origin);
    }
    if (cookViewType == QLatin1String("3"))
        return readyFromText(over(cthDate2), origin);
    return {ReadyTimeCell::Unchanged, 0, origin};
}

void LiveTimeCache::inserted(int record)
{
    if (record < 0)
        return;
    if (size_t(record) >= m_rows.size())
        m_rows.resize(size_t(record) + 1);
    else
        m_rows.insert(m_rows.begin() + record, Row{});
    m_rows[size_t(record)] = Row{};
}

void LiveTimeCache::changed(int record)
{
    if (record >= 0 && size_t(record) < m_rows.size())
        m_rows[size_t(record)].dirty = true;
}

void LiveTimeCache::removed(int record)
{
    if (record >= 0 && size_t(record) < m_rows.size())
        m_rows.erase(m_rows.begin() + record);
}

void LiveTimeCache::removedMany(const std::vector<int> &records)
{
    size_t out = 0, next = 0;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        if (next < records.size() && records[next] == int(r)) {
            ++next;
            continue;
        }
        m_rows[out++] = m_rows[r];
    }
    m_rows.resize(out);
}

void LiveTimeCache::invalidate()
{
    for (Row &r : m_rows)
        r.dirty = true;
}

LiveTimeCache::Row &LiveTimeCache::row(int record)
{
    if (size_t(record) >= m_rows.size())
        m_rows.resize(size_t(record) + 1);
    return m_rows[size_t(record)];
}

qint64 RefreshLiveTimes(GridTableModel &live, int record, const QString &cookViewType, const BoardTimeTexts &texts)
{
    const qint64 nowMs = texts.now();
    const LiveCols &c = liveCols();
    // The cells are read in place and written only where the text or number really moves: the
    // count pass runs this for every changed row of a tick, and a copied or rewritten cell costs
    // more than working out the text.
    const auto cell = [&](int col) { return cellText(live.recordCell(record, col)); };
    TOrderTimes t;
    t.status = cell(c.status);
    t.orderTime = cell(c.ordDate2);
    t.reqTime = cell(c.readyChange2);
    t.pickupTime = cell(c.pickup2);
    t.endTime = cell(c.end2);
    t.dispatchTime = cell(c.cth2);
    const BoardTimeTexts::WallTimes ms = BoardTimeTexts::wallTimes(t);
    const TOrderTimeColumns tc = texts.addStr4(t, ms);
    const ReadyTimeCell ready = ReadyTimeFor(texts, cell(c.readyCthYn), cookViewType, t.status, cell(c.readyTime2),
                                             t.reqTime, t.dispatchTime);
    const QString arrDate = cell(c.wkArrDate).trimmed();
    const QString arrival = arrDate.isEmpty()
                                ? texts.elapsed(t.status, t.dispatchTime, cell(c.wkArrTime2), QString(), 2)
                                : texts.elapsed(t.status, t.dispatchTime, arrDate, QString(), 3);

    if (record >= 0 && record < live.recordCount()) {
        CellPutter put(live, record);
        bool isNumber = false;
        const int addTime = tc.AAddTime.toInt(&isNumber);
        if (isNumber)
            put.number(c.addTime, addTime);
        if (tc.AAddTimeAll < 0)
            put.none(c.addTimeAll);
        else
            put.number(c.addTimeAll, tc.AAddTimeAll);
        put.text(c.cthDate, tc.tmCTH);
        put.text(c.pickupDate, tc.tmStart);
        put.text(c.endDate, tc.tmEnd);
        put.text(c.readyChange, tc.tmReq);
        if (ready.kind == ReadyTimeCell::Minutes)
            put.number(c.readyTime, ready.minutes);
        else if (ready.kind == ReadyTimeCell::Empty)
            put.none(c.readyTime);
        put.text(c.cookAft, ready.origin);
        put.text(c.wkArrTime, arrival);
    }

    // Clock-based texts (a promised "hhnn") step on whole minutes of the wall clock.
    qint64 due = nextStep(0, nowMs);
    for (const std::optional<qint64> &at : {ms.order, ms.req, ms.pickup, ms.end, ms.dispatch, WallMs(arrDate)})
        if (at)
            due = std::min(due, nextStep(*at, nowMs));
    return due;
}

CountPassResult proc_Chk_Cnt(GridTableModel &live, const GridTableModel &completed, BoardCallSums &sums,
                             const PayTotals &totals, const CountPassInput &in, LiveTimeCache &cache,
                             const std::function<void(const QString &)> &log)
{
    CountPassResult out;
    out.payText = PayTotalsText(totals);
    const LiveCols &c = liveCols();
    const BoardTimeTexts texts(WallNowMs(), BoardTimeTexts::SettingsViewModes());
    const qint64 nowMs = texts.now();
    const qint64 nowSecs = nowMs / 1000;
    bool waitSound = false;
    live.beginUpdate();
    int position = 0;
    // The rows to work out are scattered over thousands of records, each cell and text in memory
    // of its own: the cells of the next few are asked for while this one is worked out.
    TimeCellPrefetch ahead(live);
    try {
        for (; position < live.rowCount(); ++position) {
            ahead.lookAhead(position, [&cache, nowMs](int rec) {
                const LiveTimeCache::Row &r = cache.row(rec);
                return r.dirty || nowMs >= r.dueMs;
            });
            const int rec = live.recordOfRow(position);
            LiveTimeCache::Row &row = cache.row(rec);
            if (row.dirty || nowMs >= row.dueMs) {
                ahead.reached(rec);
                row.dueMs = RefreshLiveTimes(live, rec, in.cookViewType, texts);
                row.waitFromSecs = INT64_MAX;
                if (cellText(live.recordCell(rec, c.path)) == QLatin1String("1016")
                    && cellText(live.recordCell(rec, c.arrTime)).isEmpty())
                    if (const std::optional<qint64> ms = WallMs(cellText(live.recordCell(rec, c.ordDate2))))
                        row.waitFromSecs = *ms / 1000 + 10;
                row.dirty = false;
            }
            if (!waitSound && nowSecs > row.waitFromSecs)
                waitSound = true;
        }
    } catch (const std::exception &e) {
        if (log)
            log(QStringLiteral("proc_Chk_Cnt_1 ") + QString::number(position) + QLatin1Char(' ')
                + QString::fromLocal8Bit(e.what()));
    }
    live.endUpdate();
    out.completedShown = completed.rowCount();

    std::array<int, 9> &f = sums.FI_CALL_SUM;
    if (!in.bA1FinOrd) {
        f[5] = 0;
        f[7] = 0;
    }
    for (size_t i = 0; i < 9; ++i)
        out.labels[i] = QString::number(f[i]);
    if (!in.bA1FinOrd) {
        out.labels[5] = QStringLiteral("-");
        out.labels[7] = QStringLiteral("-");
    }
    int total = 0;
    for (size_t i = 1; i < 9; ++i)
        total += f[i];
    out.labels[0] = QString::number(total);
    if (in.storeTabActive)
        for (size_t i = 0; i < 9; ++i)
            out.labels[i] = QString::number(in.iA2OrdCount[i]);
    out.playWaitSound = waitSound;
    return out;
}
