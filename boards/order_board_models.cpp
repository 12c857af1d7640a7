#include "boards/order_board_models.h"

#include "orders/live_order_engine.h"
#include "records/reference_records.h"

#include <algorithm>

OrderBoardModels::OrderBoardModels()
{
    setColumns({}, {});
}

OrderBoardModels::~OrderBoardModels() = default;

bool OrderBoardModels::FillInputs::same(const FillInputs &o) const
{
    const TOrderLogin &a = ctx.login, &b = o.ctx.login;
    return a.userClass == b.userClass && a.BR == b.BR && a.HD == b.HD && a.selBranches == b.selBranches
           && a.selPaths == b.selPaths && a.selPosTypes == b.selPosTypes && a.prepaidPaths == b.prepaidPaths
           && ctx.brDvryYn == o.ctx.brDvryYn && ctx.cookViewType == o.ctx.cookViewType
           && ctx.storeCodes == o.ctx.storeCodes && ctx.exportPaths == o.ctx.exportPaths
           && provinces == o.provinces && codeList == o.codeList && codeCount == o.codeCount;
}

void OrderBoardModels::refreshContext()
{
    m_ctx = m_contextSource ? m_contextSource() : BoardRowContext::Current();
    FillInputs now;
    now.ctx = m_ctx;
    now.provinces = G_SL_PROVINCE;
    // Held here, the code list's data changes address whenever the list is changed.
    now.codes = G_COM_CODE_LIST;
    now.codeList = now.codes.constData();
    now.codeCount = now.codes.size();
    if (!now.same(m_fillInputs))
        ++m_fillGeneration;
    m_fillInputs = std::move(now);
}

void OrderBoardModels::syncLiveFills()
{
    if (CTV_MAIN.outsideWrites() != m_seenOutsideWrites) {
        m_seenOutsideWrites = CTV_MAIN.outsideWrites();
        ++m_fillGeneration;
    }
    if (m_liveFills.size() != size_t(CTV_MAIN.recordCount())) {
        m_liveFills.clear();
        m_liveFills.resize(size_t(CTV_MAIN.recordCount()));
    }
}

void OrderBoardModels::setColumns(const BoardColumnLookups &lookups, const BoardCaptionWords &words)
{
    ++m_fillGeneration;
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
    if (board == OrderBoard::Live) {
        liveTimes.removedMany(gone);
        if (m_liveFills.size() == size_t(CTV_MAIN.recordCount())) {
            size_t out = 0, next = 0;
            for (size_t r = 0; r < m_liveFills.size(); ++r) {
                if (next < gone.size() && gone[next] == int(r)) {
                    ++next;
                    continue;
                }
                m_liveFills[out++] = std::move(m_liveFills[r]);
            }
            m_liveFills.resize(out);
        } else {
            m_liveFills.clear();
        }
    }
    model(board).removeRecords(std::move(gone));
}

void OrderBoardModels::beginUpdate(OrderBoard board)
{
    ++pending(board).depth;
    if (m_depth++ == 0 || !m_haveCtx) {
        refreshContext();
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
        m_liveFills.clear();
        sums.zeroForRebuild();
    }
    // The pay totals are those of the completed rows; with the rows gone, so are they.
    payTotals.clear();
}

void OrderBoardModels::fill(OrderBoard board, int record, const TA1ORDER &order)
{
    if (!m_haveCtx) {
        refreshContext();
        m_haveCtx = m_depth > 0;
    }
    if (board == OrderBoard::Live) {
        syncLiveFills();
        if (record < 0 || size_t(record) >= m_liveFills.size()) {
            proc_SetA1Order(CTV_MAIN, record, &order, m_ctx);
            liveTimes.changed(record);
            return;
        }
        std::unique_ptr<LiveRowFill> &last = m_liveFills[size_t(record)];
        const bool known = last && last->generation == m_fillGeneration
                           && last->values.ORD_NO() == order.ORD_NO();
        proc_SetA1Order(CTV_MAIN, record, &order, m_ctx, known ? &last->values : nullptr);
        if (!last)
            last = std::make_unique<LiveRowFill>();
        last->values = order;
        last->generation = m_fillGeneration;
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
    if (board == OrderBoard::Live)
        syncLiveFills();
    if (row >= live) {
        record = m.appendRecord({});
    } else {
        // Not the engine's way (it appends), but kept right: the waiting removals go first.
        flushRemovals(board);
        record = std::max(row, 0);
        m.insertRecord(record, {});
    }
    if (board == OrderBoard::Live) {
        liveTimes.inserted(record);
        if (size_t(record) <= m_liveFills.size())
            m_liveFills.insert(m_liveFills.begin() + record, nullptr);
    }
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
