#include "orders/order_board_models.h"

#include "orders/live_order_engine.h"

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

void OrderBoardModels::beginUpdate(OrderBoard board)
{
    if (m_depth++ == 0 || !m_haveCtx) {
        m_ctx = m_contextSource ? m_contextSource() : BoardRowContext::Current();
        m_haveCtx = true;
    }
    model(board).beginUpdate();
}

void OrderBoardModels::endUpdate(OrderBoard board)
{
    model(board).endUpdate();
    if (m_depth > 0 && --m_depth == 0)
        m_haveCtx = false;
}

void OrderBoardModels::boardReset(OrderBoard board)
{
    model(board).clearRecords();
    if (board == OrderBoard::Live) {
        // A full rebuild: the engine counts every order in again from zero.
        liveTimes.reset();
        sums.zeroForRebuild();
    }
    // The pay totals are those of the completed rows; with the rows gone, so are they.
    payTotals.clear();
}

void OrderBoardModels::fill(OrderBoard board, int row, const TA1ORDER &order)
{
    if (!m_haveCtx) {
        m_ctx = m_contextSource ? m_contextSource() : BoardRowContext::Current();
        m_haveCtx = m_depth > 0;
    }
    if (board == OrderBoard::Live) {
        proc_SetA1Order(CTV_MAIN, row, &order, m_ctx);
        liveTimes.changed(row);
    } else {
        proc_SetA1CompOrder(CTV_MAIN_COMP, row, &order, m_ctx, payTotals);
    }
}

void OrderBoardModels::rowInserted(OrderBoard board, int row, const TA1ORDER &order)
{
    GridTableModel &m = model(board);
    if (row >= m.recordCount())
        row = m.appendRecord({});
    else
        m.insertRecord(std::max(row, 0), {});
    if (board == OrderBoard::Live)
        liveTimes.inserted(row);
    fill(board, row, order);
}

void OrderBoardModels::rowChanged(OrderBoard board, int row, const TA1ORDER &order)
{
    if (row < 0 || row >= model(board).recordCount())
        return;
    fill(board, row, order);
}

void OrderBoardModels::rowRemoved(OrderBoard board, int row)
{
    GridTableModel &m = model(board);
    if (row < 0 || row >= m.recordCount())
        return;
    if (board == OrderBoard::Completed)
        payTotals.remove(m.recordValue(row, BoardColumnIndex(board, BoardCol::ORD_NO)).toString());
    else
        liveTimes.removed(row);
    m.removeRecord(row);
}

void OrderBoardModels::batchApplied()
{
    sums.follow(engineCounts());
    if (m_afterBatch)
        m_afterBatch();
}
