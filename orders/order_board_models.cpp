#include "orders/order_board_models.h"

#include "orders/live_order_engine.h"

#include <algorithm>

OrderBoardModels::OrderBoardModels()
{
    setColumns({}, {});
}

OrderBoardModels::~OrderBoardModels() = default;

void OrderBoardModels::setColumns(const BoardColumnLookups &lookups, const BoardCaptionWords &words)
{
    CTV_MAIN.setColumns(BoardColumns(OrderBoard::Live, lookups, words));
    CTV_MAIN_COMP.setColumns(BoardColumns(OrderBoard::Completed, lookups, words));
    CTV_MAIN.setKeyColumn(BoardColumnIndex(OrderBoard::Live, BoardCol::ORD_NO));
    CTV_MAIN_COMP.setKeyColumn(BoardColumnIndex(OrderBoard::Completed, BoardCol::ORD_NO));
}

std::array<int, 9> OrderBoardModels::engineCounts() const
{
    return m_engine ? m_engine->counts().FI_CALL_SUM : std::array<int, 9>{};
}

void OrderBoardModels::proc_ReCountStatusCallSum()
{
    sums.replace(::proc_ReCountStatusCallSum(CTV_MAIN, CTV_MAIN_COMP, CountSelections::Current()), engineCounts());
}

void OrderBoardModels::zeroCounters()
{
    sums.replace({}, engineCounts());
    payTotals.clear();
}

int OrderBoardModels::recordOf(OrderBoard board, int engineRow)
{
    const std::vector<int> &gone = pending(board).removed;
    if (gone.empty() || engineRow < 0)
        return engineRow;
    // The smallest r with r - (records gone up to r) == engineRow is the row's record.
    int r = engineRow;
    for (;;) {
        const int before = int(std::upper_bound(gone.begin(), gone.end(), r) - gone.begin());
        if (engineRow + before == r)
            return r;
        r = engineRow + before;
    }
}

void OrderBoardModels::flushRemovals(OrderBoard board)
{
    std::vector<int> gone;
    gone.swap(pending(board).removed);
    if (gone.empty())
        return;
    if (board == OrderBoard::Live)
        liveTimes.removedMany(gone);
    model(board).removeRecords(std::move(gone));
}

void OrderBoardModels::beginUpdate(OrderBoard board)
{
    ++pending(board).depth;
    if (m_depth++ == 0 || !m_haveCtx) {
        m_ctx = m_contextSource ? m_contextSource() : BoardRowContext::Current();
        m_haveCtx = true;
    }
    model(board).beginUpdate();
}

void OrderBoardModels::endUpdate(OrderBoard board)
{
    Pending &p = pending(board);
    if (p.depth > 0 && --p.depth == 0)
        flushRemovals(board);
    model(board).endUpdate();
    if (m_depth > 0 && --m_depth == 0)
        m_haveCtx = false;
}

void OrderBoardModels::boardReset(OrderBoard board)
{
    pending(board).removed.clear();
    model(board).clearRecords();
    if (board == OrderBoard::Live) {
        // A full rebuild: the engine counts every order in again from zero.
        liveTimes.reset();
        sums.zeroForRebuild();
    }
    // The pay totals are those of the completed rows; with the rows gone, so are they.
    payTotals.clear();
}

void OrderBoardModels::fill(OrderBoard board, int record, const TA1ORDER &order)
{
    if (!m_haveCtx) {
        m_ctx = m_contextSource ? m_contextSource() : BoardRowContext::Current();
        m_haveCtx = m_depth > 0;
    }
    if (board == OrderBoard::Live) {
        proc_SetA1Order(CTV_MAIN, record, &order, m_ctx);
        liveTimes.changed(record);
    } else {
        proc_SetA1CompOrder(CTV_MAIN_COMP, record, &order, m_ctx, payTotals);
    }
}

void OrderBoardModels::rowInserted(OrderBoard board, int row, const TA1ORDER &order)
{
    GridTableModel &m = model(board);
    const int live = m.recordCount() - int(pending(board).removed.size());
    int record = 0;
    if (row >= live) {
        record = m.appendRecord({});
    } else {
        // Not the engine's way (it appends), but kept right: the waiting removals go first.
        flushRemovals(board);
        record = std::max(row, 0);
        m.insertRecord(record, {});
    }
    if (board == OrderBoard::Live)
        liveTimes.inserted(record);
    fill(board, record, order);
}

void OrderBoardModels::rowChanged(OrderBoard board, int row, const TA1ORDER &order)
{
    const int record = recordOf(board, row);
    if (row < 0 || record >= model(board).recordCount())
        return;
    fill(board, record, order);
}

void OrderBoardModels::rowRemoved(OrderBoard board, int row)
{
    GridTableModel &m = model(board);
    const int record = recordOf(board, row);
    if (row < 0 || record >= m.recordCount())
        return;
    if (board == OrderBoard::Completed)
        payTotals.remove(m.recordValue(record, BoardColumnIndex(board, BoardCol::ORD_NO)).toString());
    Pending &p = pending(board);
    p.removed.insert(std::upper_bound(p.removed.begin(), p.removed.end(), record), record);
    if (p.depth == 0)
        flushRemovals(board);
}

void OrderBoardModels::batchApplied()
{
    flushRemovals(OrderBoard::Live);
    flushRemovals(OrderBoard::Completed);
    sums.follow(engineCounts());
    if (m_afterBatch)
        m_afterBatch();
}
