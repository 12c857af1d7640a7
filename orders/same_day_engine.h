#pragma once

#include "orders/order_list.h"
#include "orders/order_seams.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <deque>
#include <functional>

// The two boards of same-day orders: orders under way and the completed (or cancelled) ones.
enum class SameDayBoard
{
    Today,
    Completed,
};

// What the same-day engine tells the board views. Rows are addressed by their position in the
// board's order list, which is also the record index of the view's grid.
class ISameDaySink
{
public:
    virtual ~ISameDaySink() = default;
    virtual void beginUpdate(SameDayBoard) {}
    virtual void endUpdate(SameDayBoard) {}
    virtual void boardReset(SameDayBoard board) = 0;
    // A row was appended at `row` (always the new last row) and must be filled from the order.
    virtual void rowInserted(SameDayBoard board, int row, const TA3ORDER &order) = 0;
    // The order at `row` changed; the row is refilled from it.
    virtual void rowChanged(SameDayBoard board, int row, const TA3ORDER &order) = 0;
    virtual void rowRemoved(SameDayBoard board, int row) = 0;
};

// Same-day counters: [0] every counted order, [1]..[12] by status slot, [13]..[20] unused.
using SameDayCounts = std::array<int, 21>;

// The same-day engine: it takes the batches of the same-day loaders ("A3,<flag>,<mark>" and the
// reply pages), applies them to the same-day board and the completed board on the UI thread and
// keeps the counters. Each applied order also goes, as a fresh live-order copy, through the
// couriers' lists and the waiting orders of the control screens.
class SameDayEngine : public QObject
{
    Q_OBJECT
public:
    // What the engine needs from the screen around it; every hook may be left empty.
    struct Hooks
    {
        // The poll timer is stopped while a batch is applied and started again afterwards.
        std::function<void(bool on)> setPollTimer;
        // The filter bar is disabled while a batch is applied.
        std::function<void(bool on)> setFilterBarEnabled;
        // After every batch: the count labels and the board filters.
        std::function<void()> countView;
        std::function<void()> applyFilter;
        // Whether an order concerns the login (counted); the session's rule by default.
        std::function<bool(const A3Values &)> myOrder;
        // Whether the login may see a waiting order (the control screens' lists); the shared
        // branch rule by default.
        std::function<bool(const TA1ORDER &)> waitingVisible;
        // Where log lines go (the daily log by default).
        std::function<void(const QString &)> log;
        // Now, for the stamp given to a new order's snapshot (the clock by default).
        std::function<QDateTime()> now;
    };

    explicit SameDayEngine(QObject *parent = nullptr);
    ~SameDayEngine() override;

    void setHooks(Hooks hooks);
    void setSink(ISameDaySink *sink) { m_sink = sink; }
    void setControlScreens(IControlScreens *screens) { m_screens = screens; }

    // Producer side: a batch is appended as a whole; between beginBatch and endBatch the
    // dispatcher leaves the queue alone.
    void beginBatch(const QString &header);
    void addPage(const QString &page);
    void endBatch();
    void enqueue(const QString &header, const QStringList &pages);
    bool bA3Add() const { return m_adding; }
    int pendingBatches() const { return int(m_queue.size()); }

    // Applies every queued batch; scheduled as a queued call after each endBatch. A batch that
    // fails is logged and dropped; the batches after it are still applied.
    void dispatchPending();

    const TA3Orders &gA3Orders() const { return m_today; }
    const TA3Orders &gA3CompOrders() const { return m_comp; }
    const SameDayCounts &iA3SameDayCount() const { return m_counts; }
    // The counters counted afresh from both boards.
    SameDayCounts recount() const;
    // A row was applied by the last batch.
    bool bA3Modify() const { return m_modified; }
    // Rows refused (and skipped) since the engine started.
    int refusedRows() const { return m_refused; }

signals:
    void batchApplied(const QString &header);

private:
    struct Batch
    {
        QString header;
        QStringList pages;
    };
    void A3Dispatch(const Batch &batch);
    void A3ProcAdd(const Batch &batch);
    void A3ProcOrder(const Batch &batch);
    void A3CompAdd(const Batch &batch);

    // Rows of the batch, page by page; a page that is not JSON is logged and skipped.
    QStringList rowsOf(const Batch &batch, const QString &where);
    // Parses a row into a fresh order; nullptr (logged) when the row is refused.
    std::shared_ptr<TA3ORDER> parse(const QString &row, const QString &where);
    void applyProcAddRow(const std::shared_ptr<TA3ORDER> &order);
    void applyChangedRow(const std::shared_ptr<TA3ORDER> &parsed);
    void applyCompRow(const std::shared_ptr<TA3ORDER> &order);
    // The live-order copy through the couriers' lists (and the waiting orders unless onlyCouriers).
    void copyToCouriers(const TA3ORDER &order, const QString &previousCourier, bool onlyCouriers);

    bool mine(const A3Values &o) const;
    void countIn(const A3Values &o);
    void countOut(const A3Values &o);
    static int slotOf(const A3Values &o);
    void bracket(bool begin);
    void afterBatch();
    void log(const QString &line) const;

    Hooks m_hooks;
    ISameDaySink *m_sink = nullptr;
    IControlScreens *m_screens = nullptr;

    std::deque<Batch> m_queue;
    Batch m_building;
    bool m_adding = false;
    bool m_dispatching = false;
    bool m_scheduled = false;

    TA3Orders m_today;
    TA3Orders m_comp;
    SameDayCounts m_counts{};
    bool m_modified = false;
    bool m_wkFirstRead = false;
    int m_refused = 0;
};
