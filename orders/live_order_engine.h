#pragma once

#include "orders/order_list.h"
#include "orders/order_row_pages.h"
#include "orders/order_seams.h"

#include <QJsonArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <deque>
#include <functional>
#include <vector>

// One batch of the live-order queue: the header "A1," + flag + "," + mark and the reply pages
// of one load, one JSON text per reply frame. Flag "0": live orders (an empty mark asked for
// everything, so the batch rebuilds the board; otherwise it holds what changed since the mark);
// flag "1": the completed orders.
struct OrderBatch
{
    QString header;
    QStringList pages;
    // Told whether the batch was applied (false: a page could not be read or the apply broke
    // off), so a sync mark moves on only with what the boards really hold.
    std::function<void(bool applied)> done;
};

// The board's running status counters: [0] every counted order, [1]..[8] by status group.
struct StatusCounts
{
    std::array<int, 9> FI_CALL_SUM{};
    // Per store (index in G_ST_LIST): the counters of 1001, 2001/2002, 3001, 3003 and 4001.
    std::vector<std::array<int, 5>> stores;

    // The group of a status: 1 1001, 2 2001/2002, 3 3001, 4 3003, 5 4001, 6 1002/1007,
    // 7 4002, 8 any other.
    static int func_GetStatusTypeIndex(int status);
    // The store counter of a status, -1 for statuses without one.
    static int storeSlot(int status);
    // Equal figures; a store missing from one side counts as all zeros.
    bool operator==(const StatusCounts &o) const;
};

// The live-order engine: it takes the batches of the live and completed loaders, applies them to
// the boards' order lists on the user-interface thread and decides the receipts and sounds. It
// owns the live board, the held orders and the completed board; it keeps the couriers' lists and
// the waiting orders (G_MY_WORKER, G_MAP_ORDERS) in step; it tells the views through the seams.
// Nothing here takes a lock: the producer and the dispatcher both run on the UI thread.
class LiveOrderEngine : public QObject
{
    Q_OBJECT
public:
    explicit LiveOrderEngine(QObject *parent = nullptr);
    ~LiveOrderEngine() override;

    void setBoardSink(IBoardSink *sink) { m_sink = sink; }
    void setPrinter(IOrderPrinter *printer) { m_printer = printer; }
    void setSoundPlayer(ISoundPlayer *sounds) { m_sounds = sounds; }
    void setControlScreens(IControlScreens *screens) { m_screens = screens; }
    // The board admission rule; by default the shared rule with the session's context.
    void setAdmissionRule(std::function<bool(const TA1ORDER &)> rule) { m_admission = std::move(rule); }
    // Where log lines go (the daily log by default).
    void setLogger(std::function<void(const QString &)> log) { m_log = std::move(log); }
    // Store index of a store code, adding the store when it is not known yet.
    void setStoreIndexer(std::function<int(const QString &)> indexer) { m_storeIndex = std::move(indexer); }

    // Producer side. A batch is appended as a whole: between beginBatch and endBatch the
    // dispatcher leaves the queue alone (bA1Add). Batches queue up one after the other.
    void beginBatch(const QString &header);
    void addPage(const QString &page);
    void endBatch(std::function<void(bool applied)> done = {});
    void enqueue(const QString &header, const QStringList &pages,
                 std::function<void(bool applied)> done = {});
    bool bA1Add() const { return m_adding; }
    int pendingBatches() const { return int(m_queue.size()); }

    // Applies every queued batch (the dispatcher; also scheduled as a queued call after each
    // endBatch). Safe to call at any time on the UI thread.
    void dispatchPending();

    // The lists. gA1Orders is in the live board's row order; its numbers are gslA1BoardOrdNo.
    const TA1Orders &gA1Orders() const { return m_live; }
    const TA1Orders &gA1ReadyOrders() const { return m_ready; }
    const TA1Orders &gA1CompOrders() const { return m_comp; }

    // Running counters and the same figures counted afresh from the boards.
    const StatusCounts &counts() const { return m_counts; }
    StatusCounts recount() const;

    // 0 during and after a full rebuild, 1 once an incremental batch has run.
    int boardTag() const { return m_tag; }
    // What the last live batch queued.
    bool bA1Modify() const { return m_modified; }
    const QStringList &slPrint() const { return m_slPrint; }
    const QStringList &slAccept() const { return m_slAccept; }
    const QStringList &slBaecha() const { return m_slBaecha; }
    const QStringList &slStart() const { return m_slStart; }
    const QStringList &slFinish() const { return m_slFinish; }
    const QStringList &slDel() const { return m_slDel; }

signals:
    // A batch is about to be applied.
    void batchStarting(const QString &header);
    // A batch was applied (after prints and sounds).
    void batchApplied(const QString &header);

private:
    bool A1Dispatch(const OrderBatch &batch);
    bool A1ProcAdd(const OrderBatch &batch);
    bool A1CompAdd(const OrderBatch &batch);
    bool A1ProcOrder(const OrderBatch &batch);
    void A1ReadyOrder();
    void afterBatch();

    void applyChangedRow(const QString &row);
    void boardBranch(const std::shared_ptr<TA1ORDER> &order, int k, bool visible, int storeIdx);
    void heldBranch(const std::shared_ptr<TA1ORDER> &order, int k, bool visible, int storeIdx);
    void completedBranch(const std::shared_ptr<TA1ORDER> &order, int k, bool visible, int storeIdx);
    void processDeletes();

    bool visible(const TA1ORDER &order);
    int storeIndex(const TA1ORDER &order);
    void countIn(TA1ORDER &order, int storeIdx);
    void countOut(TA1ORDER &order);
    bool inBranches(QStringView branch) const;
    void recountOrder(TA1ORDER &order, int storeIdx);
    void zeroCounts();
    void addStoreCount(int storeIdx, int status, int delta);

    bool pathRule(const TA1ORDER &order) const;
    void queueSound(QStringList &list, const TA1ORDER &order, bool withPathRule);
    enum class PrintSwitch { New, Request, Modify };
    void queuePrints(const TA1ORDER &order, PrintSwitch kind, bool needData, bool onlyAddNoChanged);
    void emitInserted(OrderBoard board, int row, TA1ORDER &order);
    void emitChanged(OrderBoard board, int row, TA1ORDER &order);
    void emitRemoved(OrderBoard board, int row);
    void log(const QString &line) const;
    bool orderScreenOnly() const;
    void beginBatchContext();
    bool readPage(const QString &page, std::vector<PageRow> &rows, const QString &where);

    IBoardSink *m_sink = nullptr;
    IOrderPrinter *m_printer = nullptr;
    ISoundPlayer *m_sounds = nullptr;
    IControlScreens *m_screens = nullptr;
    std::function<bool(const TA1ORDER &)> m_admission;
    std::function<void(const QString &)> m_log;
    std::function<int(const QString &)> m_storeIndex;
    QHash<QString, int> m_storeCache;
    std::function<bool(const TA1ORDER &)> m_visibleFn;

    std::deque<OrderBatch> m_queue;
    OrderBatch m_building;
    bool m_adding = false;
    bool m_dispatching = false;
    bool m_scheduled = false;

    TA1Orders m_live;
    TA1Orders m_ready;
    TA1Orders m_comp;
    StatusCounts m_counts;

    int m_tag = 0;
    bool m_modified = false;
    bool m_wkFirstRead = false;
    bool m_wkFirstReadO = false;
    QStringList m_slPrint, m_slAccept, m_slBaecha, m_slStart, m_slFinish, m_slDel;

    // Per batch: the admission context, the login, the ticked branches.
    struct BatchContext;
    std::unique_ptr<BatchContext> m_ctx;
};
