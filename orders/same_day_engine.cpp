#include "orders/same_day_engine.h"

#include "common/daily_log.h"
#include "orders/courier_lists.h"
#include "orders/order_globals.h"
#include "platform/clock.h"
#include "records/business_rules.h"
#include "records/session_records.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QTimer>

#include <exception>

namespace
{
bool isFinal(QStringView status)
{
    return status == u"4001" || status == u"4002";
}

// The default rule for the waiting orders of the control screens: the ticked branches and, for
// a partner head office delivering business to business, its view list.
bool defaultWaitingVisible(const TA1ORDER &order)
{
    const bool btob = QString(G_USER_INFO.USER_TYPE_CD).left(1) == QLatin1String("7")
                      && QString(G_USER_INFO.BTOB_YN) == QLatin1String("Y");
    if (G_BR_CHECKED != 1 && !btob)
        return true;
    const TVisibilityContext ctx = CurrentVisibilityContext();
    bool v = true;
    if (G_BR_CHECKED == 1)
        v = order.GetCheckOrderAdd(ctx);
    if (btob)
        v = CheckOrderViewList(order.visibilityFields(), ctx);
    return v;
}
} // namespace

SameDayEngine::SameDayEngine(QObject *parent) : QObject(parent)
{
    setHooks({});
}

SameDayEngine::~SameDayEngine() = default;

void SameDayEngine::setHooks(Hooks hooks)
{
    m_hooks = std::move(hooks);
    if (!m_hooks.myOrder)
        m_hooks.myOrder = [](const A3Values &o) { return o.GetMyOrder(); };
    if (!m_hooks.waitingVisible)
        m_hooks.waitingVisible = defaultWaitingVisible;
    if (!m_hooks.log)
        m_hooks.log = [](const QString &line) { WriteLog(line); };
    if (!m_hooks.now)
        m_hooks.now = [] { return AppClock::now(); };
}

void SameDayEngine::log(const QString &line) const
{
    m_hooks.log(line);
}

// ---- producer -------------------------------------------------------------------------------

void SameDayEngine::beginBatch(const QString &header)
{
    m_adding = true;
    m_building = Batch{header, {}};
}

void SameDayEngine::addPage(const QString &page)
{
    m_building.pages.append(page);
}

void SameDayEngine::endBatch()
{
    m_queue.push_back(std::move(m_building));
    m_building = Batch();
    m_adding = false;
    if (!m_scheduled && QCoreApplication::instance()) {
        m_scheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_scheduled = false;
            dispatchPending();
        });
    }
}

void SameDayEngine::enqueue(const QString &header, const QStringList &pages)
{
    beginBatch(header);
    for (const QString &p : pages)
        addPage(p);
    endBatch();
}

// ---- dispatcher -----------------------------------------------------------------------------

void SameDayEngine::dispatchPending()
{
    if (m_adding || m_dispatching)
        return;
    m_dispatching = true;
    while (!m_queue.empty()) {
        Batch batch = std::move(m_queue.front());
        m_queue.pop_front();
        if (m_hooks.setPollTimer)
            m_hooks.setPollTimer(false);
        try {
            A3Dispatch(batch);
        } catch (const std::exception &e) {
            log(QStringLiteral("A3Dispatch Exception Err ") + QString::fromLocal8Bit(e.what()));
        } catch (...) {
            log(QStringLiteral("A3Dispatch Exception Err"));
        }
        if (m_hooks.setPollTimer)
            m_hooks.setPollTimer(true);
        emit batchApplied(batch.header);
    }
    m_dispatching = false;
}

void SameDayEngine::A3Dispatch(const Batch &batch)
{
    const QStringList head = batch.header.split(QLatin1Char(','));
    if (head.size() < 3 || head.at(0) != QLatin1String("A3")) {
        if (head.value(0) != QLatin1String("A3"))
            return;
        log(QStringLiteral("A3Dispatch bad header [") + batch.header.left(40) + QLatin1Char(']'));
        return;
    }
    m_modified = false;
    if (head.at(1) != QLatin1String("0")) {
        A3CompAdd(batch);
        return;
    }
    if (head.at(2).isEmpty())
        A3ProcAdd(batch);
    else
        A3ProcOrder(batch);

    if (!m_screens)
        return;
    IControlScreens::Screen screen;
    if (m_screens->isOpen(IControlScreens::ListScreen))
        screen = IControlScreens::ListScreen;
    else if (m_screens->isOpen(IControlScreens::MapScreen))
        screen = IControlScreens::MapScreen;
    else
        return;
    if (!m_wkFirstRead) {
        m_wkFirstRead = true;
        m_screens->SetWorkControlFirstReadyData();
    }
    if (m_modified) {
        log(QStringLiteral("A3Order : 2"));
        m_screens->proc_WorkChangeInfo(screen);
        log(QStringLiteral("A3Order : 3"));
    }
}

QStringList SameDayEngine::rowsOf(const Batch &batch, const QString &where)
{
    QStringList rows;
    for (const QString &page : batch.pages) {
        QJsonParseError err{};
        const QJsonDocument doc = QJsonDocument::fromJson(page.toUtf8(), &err);
        if (err.error != QJsonParseError::NoError || !doc.isObject()) {
            log(where + QStringLiteral(" page is not JSON, skipped: ") + err.errorString());
            continue;
        }
        const QJsonArray array = doc.object().value(QLatin1String("OUT_ROW1")).toArray();
        for (const QJsonValue &v : array) {
            if (v.isString())
                rows.append(v.toString());
            else
                log(where + QStringLiteral(" row is not text, skipped"));
        }
    }
    return rows;
}

std::shared_ptr<TA3ORDER> SameDayEngine::parse(const QString &row, const QString &where)
{
    auto order = std::make_shared<TA3ORDER>();
    QString error;
    if (!proc_SetA3OrderFromRow(*order, row, &error)) {
        ++m_refused;
        log(where + QStringLiteral(" row refused [") + row.left(20) + QStringLiteral("] ") + error);
        return nullptr;
    }
    if (order->GetChgStatus().isEmpty()) {
        ++m_refused;
        log(where + QStringLiteral(" row refused [") + row.left(20) + QStringLiteral("] status is not a number"));
        return nullptr;
    }
    order->set(A3::ORD_TYPE, u"1");
    return order;
}

void SameDayEngine::bracket(bool begin)
{
    if (begin) {
        if (m_hooks.setFilterBarEnabled)
            m_hooks.setFilterBarEnabled(false);
        if (m_sink) {
            m_sink->beginUpdate(SameDayBoard::Today);
            m_sink->beginUpdate(SameDayBoard::Completed);
        }
        return;
    }
    if (m_sink) {
        m_sink->endUpdate(SameDayBoard::Completed);
        m_sink->endUpdate(SameDayBoard::Today);
    }
    if (m_hooks.setFilterBarEnabled)
        m_hooks.setFilterBarEnabled(true);
}

void SameDayEngine::afterBatch()
{
    // A count or filter that fails must not stop the same-day updates.
    try {
        if (m_hooks.countView)
            m_hooks.countView();
        if (m_hooks.applyFilter)
            m_hooks.applyFilter();
    } catch (const std::exception &e) {
        log(QStringLiteral("proc_A3Filter Exception Err ") + QString::fromLocal8Bit(e.what()));
    }
}

// ---- counters -------------------------------------------------------------------------------

int SameDayEngine::slotOf(const A3Values &o)
{
    return o.GetChgStatus().toInt();
}

bool SameDayEngine::mine(const A3Values &o) const
{
    return m_hooks.myOrder(o);
}

void SameDayEngine::countIn(const A3Values &o)
{
    if (!mine(o))
        return;
    ++m_counts[0];
    const int s = slotOf(o);
    if (s >= 1 && s <= 12)
        ++m_counts[size_t(s)];
}

void SameDayEngine::countOut(const A3Values &o)
{
    if (!mine(o))
        return;
    --m_counts[0];
    const int s = slotOf(o);
    if (s >= 1 && s <= 12)
        --m_counts[size_t(s)];
}

SameDayCounts SameDayEngine::recount() const
{
    SameDayCounts c{};
    for (const TA3Orders *list : {&m_today, &m_comp})
        for (const auto &o : list->Records()) {
            if (!o || !m_hooks.myOrder(*o))
                continue;
            ++c[0];
            const int s = slotOf(*o);
            if (s >= 1 && s <= 12)
                ++c[size_t(s)];
        }
    return c;
}

// ---- couriers -------------------------------------------------------------------------------

void SameDayEngine::copyToCouriers(const TA3ORDER &order, const QString &previousCourier, bool onlyCouriers)
{
    auto copy = std::make_shared<TA1ORDER>();
    proc_A3ToA1Order(order, *copy);
    // The copy is fresh for every row and its snapshot knows no courier, which would leave the
    // order on the list of a courier it was taken from. When the courier changed, the snapshot
    // names the previous one so the order leaves that list; with the same courier it stays
    // empty, so the fresh copy replaces (or, past 3003, leaves) the courier's entry.
    if (!previousCourier.isEmpty() && previousCourier != order.CTH_WK_CODE())
        copy->OLD_ORDER->set(A1::CTH_WK_CODE, previousCourier);
    proc_WkAddA1Order(copy);
    if (!onlyCouriers)
        proc_WkDelA1Order(copy, m_screens, m_hooks.waitingVisible);
}

// ---- full rebuild ---------------------------------------------------------------------------

void SameDayEngine::A3ProcAdd(const Batch &batch)
{
    // The rebuild replaces the same-day board only; the completed board stays as it is, so its
    // orders are counted in again after the zeroing (else the next completed reload, which counts
    // them out one by one, would leave the counters short).
    m_counts.fill(0);
    for (const auto &o : m_comp.Records())
        if (o)
            countIn(*o);
    m_today.Clear();
    if (m_sink)
        m_sink->boardReset(SameDayBoard::Today);
    bracket(true);
    try {
        const QStringList rows = rowsOf(batch, QStringLiteral("A3ProcAdd"));
        for (const QString &row : rows) {
            try {
                if (auto order = parse(row, QStringLiteral("A3ProcAdd")))
                    applyProcAddRow(order);
            } catch (const std::exception &e) {
                log(QStringLiteral("A3ProcAdd Exception Err ") + QString::fromLocal8Bit(e.what()));
            }
        }
    } catch (...) {
        bracket(false);
        throw;
    }
    afterBatch();
    bracket(false);
}

void SameDayEngine::applyProcAddRow(const std::shared_ptr<TA3ORDER> &order)
{
    m_modified = true;
    const QString no = order->text(A3::ORD_NO);
    // A number repeated in one rebuild is one order: the later row refreshes the first entry
    // instead of showing and counting the order twice.
    const int known = m_today.IndexOf(no);
    QString previousCourier;
    if (known >= 0) {
        const auto &old = m_today.at(known);
        previousCourier = old->text(A3::CTH_WK_CODE);
        proc_CopyA3OldOrder(*order->OLD_ORDER, *old);
        countOut(*old);
        m_today.SetRecord(known, order);
    } else {
        m_today.Add(no, order);
    }
    copyToCouriers(*order, previousCourier, false);
    if (m_sink) {
        if (known >= 0)
            m_sink->rowChanged(SameDayBoard::Today, known, *order);
        else
            m_sink->rowInserted(SameDayBoard::Today, m_today.Count() - 1, *order);
    }
    countIn(*order);
}

// ---- incremental apply ----------------------------------------------------------------------

void SameDayEngine::A3ProcOrder(const Batch &batch)
{
    bracket(true);
    try {
        const QStringList rows = rowsOf(batch, QStringLiteral("A3ProcOrder"));
        for (const QString &row : rows) {
            try {
                if (auto order = parse(row, QStringLiteral("A3ProcOrder")))
                    applyChangedRow(order);
            } catch (const std::exception &e) {
                log(QStringLiteral("A3ProcOrder Exception Err ") + QString::fromLocal8Bit(e.what()));
            }
        }
    } catch (...) {
        bracket(false);
        throw;
    }
    afterBatch();
    bracket(false);
}

void SameDayEngine::applyChangedRow(const std::shared_ptr<TA3ORDER> &parsed)
{
    m_modified = true;
    const QString no = parsed->text(A3::ORD_NO);
    int i = m_today.IndexOf(no);
    std::shared_ptr<TA3ORDER> order;
    if (i < 0) {
        order = parsed;
        TA3OLDORDER &snap = *order->OLD_ORDER;
        snap.set(A3::ORD_STATUS_CD, u"1001");
        snap.set(A3::MOD_DATE,
                 m_hooks.now().addDays(-1).toString(QStringLiteral("yyyyMMddhhmmsszzz")));
    } else {
        order = m_today.at(i);
        proc_CopyA3OldOrder(*order->OLD_ORDER, *order);
        // Stamps are compared as text: a row that is not newer than what the board shows is old.
        if (parsed->MOD_DATE().compare(order->OLD_ORDER->MOD_DATE()) <= 0)
            return;
        static_cast<A3Values &>(*order) = static_cast<const A3Values &>(*parsed);
    }
    const TA3OLDORDER &snap = *order->OLD_ORDER;
    copyToCouriers(*order, i >= 0 ? snap.text(A3::CTH_WK_CODE) : QString(), false);

    const bool moved = slotOf(*order) != slotOf(snap) || mine(*order) != mine(snap);
    if (!isFinal(order->ORD_STATUS_CD())) {
        if (i < 0) {
            m_today.Add(no, order);
            countIn(*order);
            if (m_sink)
                m_sink->rowInserted(SameDayBoard::Today, m_today.Count() - 1, *order);
        } else {
            if (moved) {
                countOut(snap);
                countIn(*order);
            }
            if (m_sink)
                m_sink->rowChanged(SameDayBoard::Today, i, *order);
        }
        return;
    }

    if (i >= 0) {
        countOut(snap);
        m_today.Delete(i);
        if (m_sink)
            m_sink->rowRemoved(SameDayBoard::Today, i);
    }
    const int c = m_comp.IndexOf(no);
    if (c < 0) {
        m_comp.Add(no, order);
        countIn(*order);
        if (m_sink)
            m_sink->rowInserted(SameDayBoard::Completed, m_comp.Count() - 1, *order);
        return;
    }
    // The completed entry is what is counted now; it becomes the order's snapshot.
    proc_CopyA3OldOrder(*order->OLD_ORDER, *m_comp.at(c));
    m_comp.SetRecord(c, order);
    if (slotOf(*order) != slotOf(*order->OLD_ORDER) || mine(*order) != mine(*order->OLD_ORDER)) {
        countOut(*order->OLD_ORDER);
        countIn(*order);
    }
    if (m_sink)
        m_sink->rowChanged(SameDayBoard::Completed, c, *order);
}

// ---- completed reload -----------------------------------------------------------------------

void SameDayEngine::A3CompAdd(const Batch &batch)
{
    // The completed orders are counted out one by one: a plain subtraction of the completed
    // slots would also take out completed orders that a rebuild left on the same-day board.
    for (const auto &o : m_comp.Records())
        if (o)
            countOut(*o);
    m_comp.Clear();
    if (m_sink)
        m_sink->boardReset(SameDayBoard::Completed);
    bracket(true);
    try {
        const QStringList rows = rowsOf(batch, QStringLiteral("A3CompAdd"));
        for (const QString &row : rows) {
            try {
                if (auto order = parse(row, QStringLiteral("A3CompAdd")))
                    applyCompRow(order);
            } catch (const std::exception &e) {
                log(QStringLiteral("A3CompAdd Exception Err ") + QString::fromLocal8Bit(e.what()));
            }
        }
    } catch (...) {
        bracket(false);
        throw;
    }
    afterBatch();
    bracket(false);
}

void SameDayEngine::applyCompRow(const std::shared_ptr<TA3ORDER> &order)
{
    const QString no = order->text(A3::ORD_NO);
    QString previousCourier;
    const int i = m_today.IndexOf(no);
    if (i >= 0) {
        const auto &board = m_today.at(i);
        previousCourier = board->text(A3::CTH_WK_CODE);
        countOut(*board);
        m_today.Delete(i);
        if (m_sink)
            m_sink->rowRemoved(SameDayBoard::Today, i);
    }
    const int c = m_comp.IndexOf(no);
    if (c >= 0) {
        // The same order twice in one reload: the later row replaces the first.
        previousCourier = m_comp.at(c)->text(A3::CTH_WK_CODE);
        countOut(*m_comp.at(c));
        m_comp.SetRecord(c, order);
    } else {
        m_comp.Add(no, order);
    }
    copyToCouriers(*order, previousCourier, true);
    if (m_sink) {
        if (c >= 0)
            m_sink->rowChanged(SameDayBoard::Completed, c, *order);
        else
            m_sink->rowInserted(SameDayBoard::Completed, m_comp.Count() - 1, *order);
    }
    countIn(*order);
}
