#pragma once

#include "grid/grid_table_model.h"
#include "boards/order_counts.h"
#include "boards/order_rows.h"
#include "orders/order_seams.h"
#include "records/reference_records.h"

#include <functional>
#include <memory>
#include <vector>

class LiveOrderEngine;

// The grid models of the live and the completed board, kept in step with the live-order engine:
// record i of a model is entry i of the engine's list (gA1Orders, gA1CompOrders); sorting and
// filtering happen only in the model's rows. Every inserted or changed order is written by the
// row fillers. The models also keep what the count pass needs: the status counters, the pay
// totals of the completed board and the live rows' time refresh marks.
class OrderBoardModels : public IBoardSink
{
public:
    OrderBoardModels();
    ~OrderBoardModels() override;

    // The engine whose running counters the status counters follow (may be null in tests).
    void setEngine(const LiveOrderEngine *engine) { m_engine = engine; }
    // What the fillers read of the session; by default BoardRowContext::Current() at the start of
    // each batch.
    void setContextSource(std::function<BoardRowContext()> source) { m_contextSource = std::move(source); }
    // Runs after every applied batch, once the counters are up to date: the screen's filter run,
    // which ends in the count pass.
    void setAfterBatch(std::function<void()> fn) { m_afterBatch = std::move(fn); }

    GridTableModel CTV_MAIN;
    GridTableModel CTV_MAIN_COMP;
    BoardCallSums sums;      // FI_CALL_SUM
    PayTotals payTotals;     // FI_AMT_SUM / FI_AMT_CNT
    LiveTimeCache liveTimes;

    GridTableModel &model(OrderBoard board) { return board == OrderBoard::Live ? CTV_MAIN : CTV_MAIN_COMP; }

    // Sets the column lists (code names and edition captions) of both models.
    void setColumns(const BoardColumnLookups &lookups, const BoardCaptionWords &words);

    // The counters counted afresh from both boards under the current selections.
    void proc_ReCountStatusCallSum();
    // Zeroes the counters and the pay totals (screen creation).
    void zeroCounters();

    // IBoardSink
    void beginUpdate(OrderBoard board) override;
    void endUpdate(OrderBoard board) override;
    void boardReset(OrderBoard board) override;
    void rowInserted(OrderBoard board, int row, const TA1ORDER &order) override;
    void rowChanged(OrderBoard board, int row, const TA1ORDER &order) override;
    void rowRemoved(OrderBoard board, int row) override;
    void batchApplied() override;

    // The context of the running batch (refreshed at its first beginUpdate).
    const BoardRowContext &context() const { return m_ctx; }

private:
    // Rows the engine removed are taken out of the model in one pass when its batch ends (one by
    // one, each removal would move every record after it). Until then the engine's row k is the
    // k-th record that is not waiting to go.
    struct Pending
    {
        int depth = 0;
        std::vector<int> removed;  // model records, ascending
    };
    Pending &pending(OrderBoard board) { return board == OrderBoard::Live ? m_livePending : m_compPending; }
    int recordOf(OrderBoard board, int engineRow);
    void flushRemovals(OrderBoard board);
    void fill(OrderBoard board, int row, const TA1ORDER &order);
    std::array<int, 9> engineCounts() const;
    void refreshContext();
    void syncLiveFills();

    // What a live row was last written from. A refill then writes only the cells whose fields
    // changed (a tick refills a thousand rows, each changed in a few fields), as long as nothing
    // else the cells are made of moved: the context and the code lists (m_fillGeneration), or a
    // cell written from outside (the model's outsideWrites()).
    struct LiveRowFill
    {
        A1Values values;
        quint64 generation = 0;
    };
    // What the rows are written under besides their orders.
    struct FillInputs
    {
        BoardRowContext ctx;
        QStringList provinces;
        const void *codeList = nullptr;  // G_COM_CODE_LIST's data, held by `codes`
        qsizetype codeCount = 0;
        QList<TCOM_CODE_LIST> codes;
        bool same(const FillInputs &o) const;
    };
    std::vector<std::unique_ptr<LiveRowFill>> m_liveFills;  // per live record
    FillInputs m_fillInputs;
    quint64 m_fillGeneration = 1;
    quint64 m_seenOutsideWrites = 0;

    const LiveOrderEngine *m_engine = nullptr;
    std::function<BoardRowContext()> m_contextSource;
    std::function<void()> m_afterBatch;
    BoardRowContext m_ctx;
    bool m_haveCtx = false;
    int m_depth = 0;
    Pending m_livePending;
    Pending m_compPending;
};
