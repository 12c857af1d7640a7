#include "orders/live_order_engine.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "orders/courier_lists.h"
#include "orders/order_globals.h"
#include "orders/order_row_pages.h"
#include "platform/clock.h"
#include "records/device_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace
{
constexpr QChar kJobSep = QChar(0x0002);

bool isStatus(QStringView s, const char16_t *a) { return s == QStringView(a); }

int statusOf(const TA1ORDER &o) { return StatusNumber(o.ORD_STATUS_CD(), 0); }

QChar fieldSep()
{
    return G_FIELD_SEP.isEmpty() ? QChar(0x2502) : G_FIELD_SEP.at(0);
}
} // namespace

struct LiveOrderEngine::BatchContext
{
    TOrderLogin login;
    TVisibilityContext visibility;
    bool visibilityLoaded = false;
    QSet<QString> branches;  // ticked branches: the counters count only their orders
    bool btob = false;       // partner head office with business-to-business delivery
    bool listOpen = false, mapOpen = false, orderOpen = false;
};

int StatusCounts::func_GetStatusTypeIndex(int status)
{
    switch (status) {
    case 1001: return 1;
    case 2001:
    case 2002: return 2;
    case 3001: return 3;
    case 3003: return 4;
    case 4001: return 5;
    case 1002:
    case 1007: return 6;
    case 4002: return 7;
    default: return 8;
    }
}

int StatusCounts::storeSlot(int status)
{
    switch (status) {
    case 1001: return 0;
    case 2001:
    case 2002: return 1;
    case 3001: return 2;
    case 3003: return 3;
    case 4001: return 4;
    default: return -1;
    }
}

bool StatusCounts::operator==(const StatusCounts &o) const
{
    if (FI_CALL_SUM != o.FI_CALL_SUM)
        return false;
    const size_t n = std::max(stores.size(), o.stores.size());
    for (size_t i = 0; i < n; ++i) {
        const std::array<int, 5> a = i < stores.size() ? stores[i] : std::array<int, 5>{};
        const std::array<int, 5> b = i < o.stores.size() ? o.stores[i] : std::array<int, 5>{};
        if (a != b)
            return false;
    }
    return true;
}

LiveOrderEngine::LiveOrderEngine(QObject *parent) : QObject(parent)
{
    m_log = [](const QString &line) { WriteLog(line); };
    m_visibleFn = [this](const TA1ORDER &o) { return visible(o); };
    m_storeIndex = [](const QString &code) {
        const int i = int(G_SL_ST_CODE.indexOf(code));
        if (i >= 0)
            return i;
        TST_LIST store;
        store.ST_CODE = code;
        G_ST_LIST.append(code, store);
        return G_ST_LIST.count() - 1;
    };
}

LiveOrderEngine::~LiveOrderEngine() = default;

void LiveOrderEngine::log(const QString &line) const
{
    if (m_log)
        m_log(line);
}

// ---- producer -------------------------------------------------------------------------------

void LiveOrderEngine::beginBatch(const QString &header)
{
    m_adding = true;
    m_building = OrderBatch{header, {}, {}};
}

void LiveOrderEngine::addPage(const QString &page)
{
    m_building.pages.append(page);
}

void LiveOrderEngine::endBatch(std::function<void(bool)> done)
{
    m_building.done = std::move(done);
    m_queue.push_back(std::move(m_building));
    m_building = OrderBatch();
    m_adding = false;
    // The dispatcher runs as a queued call on the UI thread (without an application, only when
    // called).
    if (!m_scheduled && QCoreApplication::instance()) {
        m_scheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_scheduled = false;
            dispatchPending();
        });
    }
}

void LiveOrderEngine::enqueue(const QString &header, const QStringList &pages, std::function<void(bool)> done)
{
    beginBatch(header);
    for (const QString &p : pages)
        addPage(p);
    endBatch(std::move(done));
}

// ---- dispatcher -----------------------------------------------------------------------------

void LiveOrderEngine::dispatchPending()
{
    if (m_adding || m_dispatching)
        return;
    m_dispatching = true;
    while (!m_queue.empty()) {
        OrderBatch batch = std::move(m_queue.front());
        m_queue.pop_front();
        // A failing batch is logged and dropped; it never stops the batches after it.
        bool applied = false;
        emit batchStarting(batch.header);
        try {
            applied = A1Dispatch(batch);
        } catch (const std::exception &e) {
            log(QStringLiteral("A1Dispatch Exception Err ") + QString::fromLocal8Bit(e.what()));
        } catch (...) {
            log(QStringLiteral("A1Dispatch Exception Err"));
        }
        if (batch.done)
            batch.done(applied);
        emit batchApplied(batch.header);
    }
    m_dispatching = false;
}

void LiveOrderEngine::beginBatchContext()
{
    m_ctx = std::make_unique<BatchContext>();
    m_ctx->login = CurrentOrderLogin();
    for (const QString &b : G_SL_ORD_FILTER[1])
        m_ctx->branches.insert(b);
    m_ctx->btob = m_ctx->login.userClass == QLatin1String("7")
                  && QString(G_USER_INFO.BTOB_YN) == QLatin1String("Y");
    if (m_screens) {
        m_ctx->listOpen = m_screens->isOpen(IControlScreens::ListScreen);
        m_ctx->mapOpen = m_screens->isOpen(IControlScreens::MapScreen);
        m_ctx->orderOpen = m_screens->isOpen(IControlScreens::OrderScreen);
    }
}

bool LiveOrderEngine::orderScreenOnly() const
{
    return m_screens && !m_ctx->listOpen && m_ctx->orderOpen;
}

bool LiveOrderEngine::A1Dispatch(const OrderBatch &batch)
{
    const QStringList head = batch.header.split(QLatin1Char(','));
    if (head.size() < 3) {
        log(QStringLiteral("A1Dispatch bad header [") + batch.header.left(40) + QLatin1Char(']'));
        return false;
    }
    if (head.at(0) != QLatin1String("A1"))
        return false;
    beginBatchContext();
    m_modified = false;
    if (head.at(1) != QLatin1String("0")) {
        const bool applied = A1CompAdd(batch);
        if (m_sink)
            m_sink->batchApplied();
        return applied;
    }
    m_slPrint.clear();
    m_slAccept.clear();
    m_slBaecha.clear();
    m_slStart.clear();
    m_slFinish.clear();
    m_slDel.clear();
    const bool applied = head.at(2).isEmpty() ? A1ProcAdd(batch) : A1ProcOrder(batch);
    afterBatch();
    return applied;
}

void LiveOrderEngine::afterBatch()
{
    // Control screens: at most one is refreshed.
    if (m_screens) {
        if (m_ctx->listOpen) {
            if (!m_wkFirstRead) {
                m_wkFirstRead = true;
                m_screens->SetWorkControlFirstReadyData();
            }
            if (!G_SL_WK_CHG[2].isEmpty())
                m_screens->proc_WorkReadInfo(IControlScreens::ListScreen);
            if (!G_SL_WK_CHG[1].isEmpty())
                m_screens->proc_WorkChangeInfo(IControlScreens::ListScreen);
        } else if (m_ctx->mapOpen) {
            if (!m_wkFirstRead) {
                m_wkFirstRead = true;
                m_screens->SetWorkControlFirstReadyData();
            }
            if (m_modified || !G_SL_WK_CHG[2].isEmpty()) {
                m_screens->proc_WorkChangeInfo(IControlScreens::MapScreen);
                m_screens->proc_WorkReadInfo(IControlScreens::MapScreen);
            }
        } else if (m_ctx->orderOpen
                   && (QString(G_USER_INFO.BR_DVRY_YN) == QLatin1String("Y")
                       || m_ctx->login.userClass == QLatin1String("7"))) {
            if (!m_wkFirstReadO) {
                m_wkFirstReadO = true;
                m_screens->SetWorkControlFirstReadyData();
            }
            if (!G_SL_WK_CHG[2].isEmpty())
                m_screens->proc_WorkReadInfo(IControlScreens::OrderScreen);
            if (m_modified)
                m_screens->proc_WorkChangeInfo(IControlScreens::OrderScreen);
            if (!G_SL_WK_CHG[3].isEmpty())
                m_screens->proc_SetWorkPosotionChange();
        }
    }
    if (m_sink)
        m_sink->batchApplied();

    if (!m_slPrint.isEmpty()) {
        const QString dataStatus = G_USER_INFO.DATA_STATUS;
        if (dataStatus == QLatin1String("1")) {
            for (int i = 0; i < m_slPrint.size(); ++i) {
                const QString &job = m_slPrint.at(i);
                const QChar c = job.isEmpty() ? QChar() : job.at(0);
                const int slot = c.isDigit() ? c.digitValue() : 0;
                const QString text = job.mid(2);
                log(QStringLiteral("PRT[%1]:").arg(i) + text);
                if (m_printer)
                    m_printer->printOrder(text, 1, slot);
            }
        } else {
            log(QStringLiteral("\tSTATUS :[") + dataStatus
                + QStringLiteral("] CASH MINUS NOT PRTING[0]:"));
        }
    }

    // One sound of each kind per batch, however many orders asked for it.
    if (m_sounds) {
        if (!m_slAccept.isEmpty() && QString(G_USER_SET.Alam_1001) == QLatin1String("1"))
            m_sounds->playSound(3);
        if (!m_slBaecha.isEmpty() && QString(G_USER_SET.Alam_3001) == QLatin1String("1"))
            m_sounds->playSound(7);
        if (!m_slStart.isEmpty() && QString(G_USER_SET.Alam_3003) == QLatin1String("1"))
            m_sounds->playSound(5);
        if (!m_slFinish.isEmpty() && QString(G_USER_SET.Alam_4001) == QLatin1String("1"))
            m_sounds->playSound(4);
    }
}

// ---- rules ----------------------------------------------------------------------------------

bool LiveOrderEngine::visible(const TA1ORDER &order)
{
    bool v = true;
    if (G_BR_CHECKED == 1) {
        if (m_admission) {
            v = m_admission(order);
        } else {
            if (!m_ctx->visibilityLoaded) {
                m_ctx->visibility = CurrentVisibilityContext();
                m_ctx->visibilityLoaded = true;
            }
            v = order.GetCheckOrderAdd(m_ctx->visibility);
        }
    }
    if (m_ctx->btob) {
        if (!m_ctx->visibilityLoaded) {
            m_ctx->visibility = CurrentVisibilityContext();
            m_ctx->visibilityLoaded = true;
        }
        v = CheckOrderViewList(order.visibilityFields(), m_ctx->visibility);
    }
    return v;
}

int LiveOrderEngine::storeIndex(const TA1ORDER &order)
{
    if (!m_storeIndex)
        return -1;
    const QString code = order.text(A1::ORD_ST_CODE);
    // Stores are only ever appended, so a remembered index stays right while it still names
    // the same store.
    const int known = m_storeCache.value(code, -1);
    if (known >= 0 && known < int(G_SL_ST_CODE.size()) && G_SL_ST_CODE.at(known) == code)
        return known;
    const int i = m_storeIndex(code);
    m_storeCache.insert(code, i);
    return i;
}

void LiveOrderEngine::addStoreCount(int storeIdx, int status, int delta)
{
    const int slot = StatusCounts::storeSlot(status);
    if (storeIdx < 0 || slot < 0)
        return;
    if (int(m_counts.stores.size()) <= storeIdx)
        m_counts.stores.resize(size_t(storeIdx) + 1, std::array<int, 5>{});
    m_counts.stores[size_t(storeIdx)][size_t(slot)] += delta;
    if (TST_LIST *st = G_ST_LIST.value(storeIdx)) {
        int *fields[5] = {&st->IST1, &st->IST2, &st->IST3, &st->IST4, &st->IST5};
        *fields[slot] += delta;
    }
}

// An order is counted under the status and store it had when it was counted in, and counted out
// under exactly those; so the running counters always equal a recount of the boards.
void LiveOrderEngine::countIn(TA1ORDER &order, int storeIdx)
{
    if (order.countedStatus >= 0)
        countOut(order);
    if (!inBranches(order.ORD_BR_CODE()))
        return;
    const int status = statusOf(order);
    if (status >= 1) {
        m_counts.FI_CALL_SUM[0] += 1;
        m_counts.FI_CALL_SUM[size_t(StatusCounts::func_GetStatusTypeIndex(status))] += 1;
    }
    addStoreCount(storeIdx, status, 1);
    order.countedStatus = status;
    order.countedStore = storeIdx;
}

bool LiveOrderEngine::inBranches(QStringView branch) const
{
    for (const QString &b : m_ctx->login.selBranches)
        if (b == branch)
            return true;
    return false;
}

void LiveOrderEngine::countOut(TA1ORDER &order)
{
    if (order.countedStatus < 0)
        return;
    const int status = order.countedStatus;
    if (status >= 1) {
        m_counts.FI_CALL_SUM[0] -= 1;
        m_counts.FI_CALL_SUM[size_t(StatusCounts::func_GetStatusTypeIndex(status))] -= 1;
    }
    addStoreCount(order.countedStore, status, -1);
    order.countedStatus = -1;
    order.countedStore = -1;
}

void LiveOrderEngine::recountOrder(TA1ORDER &order, int storeIdx)
{
    countOut(order);
    countIn(order, storeIdx);
}

void LiveOrderEngine::zeroCounts()
{
    m_counts.FI_CALL_SUM.fill(0);
    m_counts.stores.clear();
    for (TST_LIST &st : G_ST_LIST) {
        st.IST1 = st.IST2 = st.IST3 = st.IST4 = st.IST5 = 0;
    }
}

StatusCounts LiveOrderEngine::recount() const
{
    StatusCounts c;
    QSet<QString> branches;
    for (const QString &b : G_SL_ORD_FILTER[1])
        branches.insert(b);
    auto add = [&](const TA1Orders &list) {
        for (const auto &o : list.Records()) {
            if (!branches.contains(o->text(A1::ORD_BR_CODE)))
                continue;
            const int status = statusOf(*o);
            if (status >= 1) {
                c.FI_CALL_SUM[0] += 1;
                c.FI_CALL_SUM[size_t(StatusCounts::func_GetStatusTypeIndex(status))] += 1;
            }
            const QString code = o->text(A1::ORD_ST_CODE);
            const int storeIdx = m_storeCache.value(code, int(G_SL_ST_CODE.indexOf(code)));
            const int slot = StatusCounts::storeSlot(status);
            if (storeIdx >= 0 && slot >= 0) {
                if (int(c.stores.size()) <= storeIdx)
                    c.stores.resize(size_t(storeIdx) + 1, std::array<int, 5>{});
                c.stores[size_t(storeIdx)][size_t(slot)] += 1;
            }
        }
    };
    add(m_live);
    add(m_comp);
    return c;
}

bool LiveOrderEngine::pathRule(const TA1ORDER &order) const
{
    return m_ctx->login.userClass != QLatin1String("1")
           || m_ctx->login.selPaths.contains(order.text(A1::ORD_PATH_CD));
}

void LiveOrderEngine::queueSound(QStringList &list, const TA1ORDER &order, bool withPathRule)
{
    if (!withPathRule || pathRule(order))
        list.append(order.text(A1::ORD_NO));
}

void LiveOrderEngine::queuePrints(const TA1ORDER &order, PrintSwitch kind, bool needData,
                                  bool onlyAddNoChanged)
{
    const bool delivered = order.GetDvryOrder();
    const bool addNoChanged = order.OLD_ORDER->ORD_TODAY_ADD_NO != order.ORD_TODAY_ADD_NO;
    if (needData && order.ORD_DATA_YN() != u"Y")
        return;
    for (int slot = 0; slot < int(G_PRINT_SET.size()); ++slot) {
        const TPRINT_SET &p = G_PRINT_SET[size_t(slot)];
        if (!p.Use_yn || QString(p.PRT_TYPE) != QLatin1String("0"))
            continue;
        bool print = false;
        switch (kind) {
        case PrintSwitch::New:
            print = QString(delivered ? p.PRT_ST_1001 : p.TPRT_ST_1001) == QLatin1String("1")
                    && (!onlyAddNoChanged || addNoChanged);
            break;
        case PrintSwitch::Request:
            print = QString(delivered ? p.PRT_ST_2001 : p.TPRT_ST_2001) == QLatin1String("1");
            break;
        case PrintSwitch::Modify: {
            if (QString(delivered ? p.PRT_ST_1002 : p.TPRT_ST_1002) != QLatin1String("1"))
                break;
            const QString every = delivered ? QString(p.PRT_ST_1002_1) : QString(p.TPRT_ST_1002_1);
            print = every == QLatin1String("1") || (every == QLatin1String("2") && addNoChanged);
            break;
        }
        }
        if (!print)
            continue;
        m_slPrint.append(QString::number(slot) + kJobSep + order.text(A1::ORD_NO) + kJobSep
                         + order.GetAddr() + kJobSep + QString::number(order.ORD_CU_END_CNT)
                         + kJobSep + order.text(A1::ORD_ST_NAME));
    }
}

void LiveOrderEngine::emitInserted(OrderBoard board, int row, TA1ORDER &order)
{
    if (board == OrderBoard::Live)
        order.boardRowStamp = order.text(A1::MOD_DATE_STAMP);
    if (m_sink)
        m_sink->rowInserted(board, row, order);
}

void LiveOrderEngine::emitChanged(OrderBoard board, int row, TA1ORDER &order)
{
    if (board == OrderBoard::Live)
        order.boardRowStamp = order.text(A1::MOD_DATE_STAMP);
    if (m_sink)
        m_sink->rowChanged(board, row, order);
}

void LiveOrderEngine::emitRemoved(OrderBoard board, int row)
{
    if (m_sink)
        m_sink->rowRemoved(board, row);
}

bool LiveOrderEngine::readPage(const QString &page, std::vector<PageRow> &rows, const QString &where)
{
    QString error;
    if (!ReadOrderRowPage(page, rows, &error)) {
        log(where + QStringLiteral(" Exception Err page is not JSON: ") + error);
        return false;
    }
    return true;
}

// ---- full rebuild ---------------------------------------------------------------------------

bool LiveOrderEngine::A1ProcAdd(const OrderBatch &batch)
{
    bool allRead = true;
    m_tag = 0;
    for (const auto &o : m_live.Records())
        o->countedStatus = -1;
    for (const auto &o : m_comp.Records())
        o->countedStatus = -1;
    m_live.Clear();
    m_ready.Clear();
    m_comp.Clear();
    G_MAP_ORDERS.Clear();
    if (m_sink) {
        m_sink->beginUpdate(OrderBoard::Live);
        m_sink->boardReset(OrderBoard::Live);
        m_sink->boardReset(OrderBoard::Completed);
    }
    zeroCounts();

    std::vector<FieldSpan> columns;
    columns.reserve(kA1RowColumns + 1);
    QString buffer;
    const QChar sep = fieldSep();
    std::vector<PageRow> rows;
    for (const QString &page : batch.pages) {
        if (!readPage(page, rows, QStringLiteral("A1ProcAdd"))) {
            allRead = false;
            continue;
        }
        for (const PageRow &v : rows) {
            QString no;
            try {
                m_modified = true;
                if (!v.isText || !SplitRowSpans(v.text, sep, buffer, columns)
                    || columns.empty()) {
                    log(QStringLiteral("A1ProcAdd Exception Err row is not an order row"));
                    continue;
                }
                no = QStringView(buffer).mid(columns[0].pos, columns[0].len).toString();
                if (m_live.Contains(no) || m_ready.Contains(no))
                    continue;
                auto order = std::make_shared<TA1ORDER>();
                QString error;
                if (!proc_SetA1OrderFromSpans(*order, buffer, columns, gsl_ShareGroup, &error)) {
                    log(QStringLiteral("A1ProcAdd Exception Err ") + error);
                    log(QStringLiteral("Order No is ") + no.left(40));
                    continue;
                }
                if (!visible(*order))
                    continue;
                order->set(A1::ORD_TYPE, u"0");
                proc_WkAddA1Order(order);
                proc_WkDelA1Order(order, m_screens, m_visibleFn);
                const QStringView status = order->ORD_STATUS_CD();
                if (isStatus(status, u"2001") || isStatus(status, u"2002")) {
                    m_ready.Add(no, order);
                    continue;
                }
                countIn(*order, storeIndex(*order));
                if (m_screens && m_ctx->orderOpen) {
                    if (!isStatus(status, u"3001") && !isStatus(status, u"3003"))
                        m_screens->SetDrawMapOrdDelete(order->text(A1::ORD_ST_CODE),
                                                       QString::number(order->ORD_TODAY_ALL_NO));
                    else
                        m_screens->SetDrawMapOrdBaeChaAdd(*order, 1);
                }
                const int row = m_live.Add(no, order);
                emitInserted(OrderBoard::Live, row, *order);
            } catch (const std::exception &e) {
                log(QStringLiteral("A1ProcAdd Exception Err ") + QString::fromLocal8Bit(e.what()));
                log(QStringLiteral("Order No is ") + no.left(40));
            }
        }
    }
    if (m_sink)
        m_sink->endUpdate(OrderBoard::Live);
    A1ReadyOrder();
    return allRead;
}

// ---- completed reload -----------------------------------------------------------------------

bool LiveOrderEngine::A1CompAdd(const OrderBatch &batch)
{
    bool allRead = true;
    // The reload replaces the completed board: its orders leave the counters first.
    for (const auto &o : m_comp.Records())
        countOut(*o);
    m_comp.Clear();
    if (m_sink) {
        m_sink->beginUpdate(OrderBoard::Completed);
        m_sink->boardReset(OrderBoard::Completed);
        m_sink->beginUpdate(OrderBoard::Live);
    }
    std::vector<FieldSpan> columns;
    QString buffer;
    const QChar sep = fieldSep();
    QSet<QString> leftLive;
    std::vector<PageRow> rows;
    for (const QString &page : batch.pages) {
        if (!readPage(page, rows, QStringLiteral("A1CompAdd"))) {
            allRead = false;
            continue;
        }
        for (const PageRow &v : rows) {
            try {
                m_modified = true;
                if (!v.isText || !SplitRowSpans(v.text, sep, buffer, columns)) {
                    log(QStringLiteral("A1CompAdd Exception Err row is not an order row"));
                    continue;
                }
                auto order = std::make_shared<TA1ORDER>();
                QString error;
                if (!proc_SetA1OrderFromSpans(*order, buffer, columns, gsl_ShareGroup, &error)) {
                    log(QStringLiteral("A1CompAdd Exception Err ") + error);
                    continue;
                }
                order->set(A1::ORD_TYPE, u"0");
                const QString no = order->text(A1::ORD_NO);
                const bool shown = visible(*order);
                // A finished order leaves the live board whether or not this login sees it
                // finished, so it is never on both boards.
                const int k = m_live.IndexOf(no);
                if (k >= 0) {
                    countOut(*m_live.at(k));
                    log(QStringLiteral("DEL : ") + no + QStringLiteral(", iRow : ") + QString::number(k));
                    m_live.Delete(k);
                    emitRemoved(OrderBoard::Live, k);
                    leftLive.insert(no);
                }
                if (shown && !m_comp.Contains(no)) {
                    const int storeIdx = storeIndex(*order);
                    countIn(*order, storeIdx);
                    const int row = m_comp.Add(no, order);
                    emitInserted(OrderBoard::Completed, row, *order);
                }
            } catch (const std::exception &e) {
                log(QStringLiteral("A1CompAdd Exception Err ") + QString::fromLocal8Bit(e.what()));
            }
        }
    }
    // A finished order is no longer held either.
    if (!leftLive.isEmpty())
        m_ready.DeleteNumbers(leftLive);
    if (m_sink) {
        m_sink->endUpdate(OrderBoard::Live);
        m_sink->endUpdate(OrderBoard::Completed);
    }
    return allRead;
}

// ---- incremental apply ----------------------------------------------------------------------

bool LiveOrderEngine::A1ProcOrder(const OrderBatch &batch)
{
    bool allRead = true;
    m_tag = 1;
    if (m_sink) {
        m_sink->beginUpdate(OrderBoard::Live);
        m_sink->beginUpdate(OrderBoard::Completed);
    }
    std::vector<PageRow> rows;
    for (const QString &page : batch.pages) {
        if (!readPage(page, rows, QStringLiteral("A1ProcOrder"))) {
            allRead = false;
            continue;
        }
        for (const PageRow &v : rows) {
            // A row that cannot be applied is logged and skipped; the rest of the batch, the
            // removals and the held orders still run.
            try {
                m_modified = true;
                if (!v.isText) {
                    log(QStringLiteral("A1ProcOrder Exception Err row is not an order row"));
                    continue;
                }
                applyChangedRow(v.text);
            } catch (const std::exception &e) {
                log(QStringLiteral("A1ProcOrder Exception Err ") + QString::fromLocal8Bit(e.what()));
            }
        }
    }
    if (m_sink) {
        m_sink->endUpdate(OrderBoard::Completed);
        m_sink->endUpdate(OrderBoard::Live);
    }
    processDeletes();
    A1ReadyOrder();
    return allRead;
}

void LiveOrderEngine::applyChangedRow(const QString &row)
{
    QString buffer;
    std::vector<FieldSpan> columns;
    columns.reserve(kA1RowColumns + 1);
    if (!SplitRowSpans(row, fieldSep(), buffer, columns) || int(columns.size()) < kA1RowColumns) {
        log(QStringLiteral("A1ProcOrder Exception Err row has %1 of %2 columns")
                .arg(columns.size())
                .arg(kA1RowColumns));
        return;
    }
    auto col = [&](int c) { return QStringView(buffer).mid(columns[size_t(c)].pos, columns[size_t(c)].len); };
    const QString no = col(0).toString();
    const int k = m_live.IndexOf(no);
    std::shared_ptr<TA1ORDER> order;
    if (k < 0) {
        order = std::make_shared<TA1ORDER>();
        order->OLD_ORDER->set(A1::ORD_STATUS_CD, u"0");
        order->OLD_ORDER->set(A1::MOD_DATE_STAMP,
                              AppClock::now().addDays(-1).toString(QStringLiteral("yyyyMMddhhmmsszzz")));
    } else {
        order = m_live.at(k);
        proc_CopyA1OldOrder(*order->OLD_ORDER, *order);
        if (col(87).compare(order->MOD_DATE_STAMP()) <= 0)
            return;
    }
    QString error;
    if (!proc_SetA1OrderFromSpans(*order, buffer, columns, gsl_ShareGroup, &error)) {
        log(QStringLiteral("A1ProcOrder Exception Err ") + error);
        log(QStringLiteral("Order No is ") + no.left(40));
        return;
    }
    const bool shown = visible(*order);
    const int storeIdx = storeIndex(*order);
    TA1OLDORDER &old = *order->OLD_ORDER;
    if (old.EA_LAT_Y().isEmpty())
        old.set(A1::EA_LAT_Y, order->EA_LAT_Y());
    if (old.EA_LNG_X().isEmpty())
        old.set(A1::EA_LNG_X, order->EA_LNG_X());
    order->set(A1::ORD_TYPE, u"0");
    proc_WkAddA1Order(order);
    proc_WkDelA1Order(order, m_screens, m_visibleFn);

    const QStringView status = order->ORD_STATUS_CD();
    if (isStatus(status, u"4001") || isStatus(status, u"4002"))
        completedBranch(order, k, shown, storeIdx);
    else if (isStatus(status, u"2001") || isStatus(status, u"2002"))
        heldBranch(order, k, shown, storeIdx);
    else
        boardBranch(order, k, shown, storeIdx);
}

void LiveOrderEngine::boardBranch(const std::shared_ptr<TA1ORDER> &order, int k, bool shown,
                                  int storeIdx)
{
    const QString no = order->text(A1::ORD_NO);
    const QStringView status = order->ORD_STATUS_CD();
    const bool assigned = isStatus(status, u"3001") || isStatus(status, u"3003");
    if (!assigned && orderScreenOnly() && m_screens->hasWaitingRow(IControlScreens::OrderScreen, no))
        m_screens->removeWaitingRow(IControlScreens::OrderScreen, no);
    const int r = m_ready.IndexOf(no);
    if (r >= 0)
        m_ready.Delete(r);
    if (!shown) {
        if (k >= 0) {
            m_slDel.append(no);
            countOut(*order);
        }
        return;
    }
    if (orderScreenOnly()) {
        if (!assigned)
            m_screens->SetDrawMapOrdDelete(order->text(A1::ORD_ST_CODE),
                                           QString::number(order->ORD_TODAY_ALL_NO));
        else
            m_screens->SetDrawMapOrdBaeChaAdd(*order, k < 0 ? 1 : 2);
        if (m_screens->hasWaitingRow(IControlScreens::OrderScreen, no))
            m_screens->removeWaitingRow(IControlScreens::OrderScreen, no);
    }
    const int st = StatusNumber(status, 1001);
    if (k < 0) {
        const int row = m_live.Add(no, order);
        countIn(*order, storeIdx);
        if (st == 1001 || st == 1002 || st == 1007) {
            queuePrints(*order, PrintSwitch::New, true, false);
            queueSound(m_slAccept, *order, true);
        } else if (st == 3001) {
            queueSound(m_slBaecha, *order, true);
        } else if (st == 3003) {
            queueSound(m_slStart, *order, true);
        }
        emitInserted(OrderBoard::Live, row, *order);
        return;
    }
    // Recounted on every change, so a change of branch is followed as well as one of status.
    recountOrder(*order, storeIdx);
    if (status != order->OLD_ORDER->ORD_STATUS_CD()) {
        if (st == 1001) {
            queueSound(m_slAccept, *order, false);
            queuePrints(*order, PrintSwitch::New, true, true);
        } else if (st == 3001) {
            queueSound(m_slBaecha, *order, true);
        } else if (st == 3003) {
            queueSound(m_slStart, *order, true);
        }
    } else if (!order->MOD_DATE_STAMP().contains(order->ORD_DATE())
               && order->GetMyOrder(m_ctx->login)) {
        queuePrints(*order, PrintSwitch::Modify, true, false);
    }
    emitChanged(OrderBoard::Live, k, *order);
}

void LiveOrderEngine::heldBranch(const std::shared_ptr<TA1ORDER> &order, int k, bool shown,
                                 int storeIdx)
{
    const QString no = order->text(A1::ORD_NO);
    if (m_ctx->btob && order->BTOB_DVRY_TYPE_CD().isEmpty() && shown)
        shown = inBranches(order->ORD_BR_CODE());
    if (k >= 0) {
        if (shown) {
            recountOrder(*order, storeIdx);
        } else {
            m_slDel.append(no);
            countOut(*order);
        }
    }
    if (shown) {
        const int r = m_ready.IndexOf(no);
        if (r >= 0)
            m_ready.SetRecord(r, order);
        else
            m_ready.Add(no, order);
    }
}

void LiveOrderEngine::completedBranch(const std::shared_ptr<TA1ORDER> &order, int k, bool shown,
                                      int storeIdx)
{
    const QString no = order->text(A1::ORD_NO);
    if (k >= 0) {
        m_slDel.append(no);
        countOut(*order);
        if (order->ORD_STATUS_CD() == u"4001" && order->OLD_ORDER->ORD_STATUS_CD() != u"4001")
            queueSound(m_slFinish, *order, true);
    }
    // A finished order is no longer held, even when it was not on the board.
    const int r = m_ready.IndexOf(no);
    if (r >= 0)
        m_ready.Delete(r);
    const int c = m_comp.IndexOf(no);
    if (c >= 0 && shown) {
        // The stored completed record leaves the counters under what it was counted as; the new
        // one comes in under its own status (a 4001/4002 change is followed).
        const std::shared_ptr<TA1ORDER> previous = m_comp.at(c);
        countOut(*previous);
        m_comp.SetRecord(c, order);
        countIn(*order, storeIdx);
        emitChanged(OrderBoard::Completed, c, *order);
    } else if (c >= 0) {
        countOut(*m_comp.at(c));
        m_comp.Delete(c);
        emitRemoved(OrderBoard::Completed, c);
    } else if (shown) {
        const int row = m_comp.Add(no, order);
        countIn(*order, storeIdx);
        emitInserted(OrderBoard::Completed, row, *order);
    }
    if (orderScreenOnly()) {
        if (m_screens->hasWaitingRow(IControlScreens::OrderScreen, no))
            m_screens->removeWaitingRow(IControlScreens::OrderScreen, no);
        m_screens->SetDrawMapOrdDelete(order->text(A1::ORD_ST_CODE),
                                       QString::number(order->ORD_TODAY_ALL_NO));
    }
}

void LiveOrderEngine::processDeletes()
{
    if (m_slDel.isEmpty())
        return;
    if (m_sink)
        m_sink->beginUpdate(OrderBoard::Live);
    QSet<QString> gone;
    std::vector<int> removedAt;  // original positions already taken out
    for (const QString &no : std::as_const(m_slDel)) {
        if (gone.contains(no)) {
            log(QStringLiteral("DEL : ") + no + QStringLiteral(", iRow : -1"));
            continue;
        }
        const int orig = m_live.IndexOf(no);
        if (orig < 0) {
            log(QStringLiteral("DEL : ") + no + QStringLiteral(", iRow : -1"));
            continue;
        }
        int k = orig;
        for (int before : removedAt)
            if (before < orig)
                --k;
        log(QStringLiteral("DEL : ") + no + QStringLiteral(", iRow : ") + QString::number(k));
        removedAt.push_back(orig);
        gone.insert(no);
        emitRemoved(OrderBoard::Live, k);
    }
    m_live.DeleteNumbers(gone);
    m_ready.DeleteNumbers(gone);
    if (m_sink)
        m_sink->endUpdate(OrderBoard::Live);
}

// ---- held orders ----------------------------------------------------------------------------

void LiveOrderEngine::A1ReadyOrder()
{
    if (m_sink)
        m_sink->beginUpdate(OrderBoard::Live);
    try {
        const std::vector<std::shared_ptr<TA1ORDER>> held = m_ready.Records();
        for (const auto &order : held) {
            QString no;
            try {
                no = order->text(A1::ORD_NO);
                const int k = m_live.IndexOf(no);
                const bool shown = visible(*order);
                proc_WkDelA1Order(order, m_screens, m_visibleFn);
                const TA1OLDORDER &old = *order->OLD_ORDER;
                if (shown) {
                    if (orderScreenOnly() && m_screens->hasWaitingRow(IControlScreens::OrderScreen, no)
                        && !old.ORD_NO().isEmpty()
                        && (order->EA_LNG_X() != old.EA_LNG_X() || order->EA_LAT_Y() != old.EA_LAT_Y()))
                        m_screens->SetDrawMapOrdReadyAdd(IControlScreens::OrderScreen, *order, 2);
                    const QStringView oldStatus = old.ORD_STATUS_CD();
                    const bool wasAssignedOrHeld2 = isStatus(oldStatus, u"2002")
                                                    || isStatus(oldStatus, u"3001")
                                                    || isStatus(oldStatus, u"3003");
                    if (k < 0) {
                        m_modified = true;
                        const int row = m_live.Add(no, order);
                        if (m_tag == 1 && order->GetMyOrder(m_ctx->login)) {
                            if (!wasAssignedOrHeld2 && !oldStatus.startsWith(u'3'))
                                queuePrints(*order, PrintSwitch::Request, false, false);
                            if (!isStatus(oldStatus, u"2001") && !isStatus(oldStatus, u"2002"))
                                queueSound(m_slAccept, *order, true);
                        }
                        countIn(*order, storeIndex(*order));
                        emitInserted(OrderBoard::Live, row, *order);
                    } else {
                        const std::shared_ptr<TA1ORDER> onBoard = m_live.at(k);
                        const QString rowStamp = onBoard->boardRowStamp.isEmpty()
                                                     ? QStringLiteral("0")
                                                     : onBoard->boardRowStamp;
                        if (order->MOD_DATE_STAMP().compare(rowStamp) > 0) {
                            m_modified = true;
                            if (onBoard != order) {
                                countOut(*onBoard);
                                m_live.SetRecord(k, order);
                            }
                            recountOrder(*order, storeIndex(*order));
                            if (m_tag == 1 && order->GetMyOrder(m_ctx->login) && !wasAssignedOrHeld2)
                                queuePrints(*order, PrintSwitch::Modify, false, false);
                            emitChanged(OrderBoard::Live, k, *order);
                        }
                    }
                } else {
                    if (orderScreenOnly() && m_screens->hasWaitingRow(IControlScreens::OrderScreen, no)) {
                        m_screens->removeWaitingRow(IControlScreens::OrderScreen, no);
                        m_screens->SetDrawMapOrdDelete(order->text(A1::ORD_ST_CODE),
                                                       QString::number(order->ORD_TODAY_ALL_NO));
                    }
                    if (k >= 0) {
                        countOut(*m_live.at(k));
                        log(QStringLiteral("DEL2 : ") + no + QStringLiteral(", iRow : ") + QString::number(k));
                        m_live.Delete(k);
                        emitRemoved(OrderBoard::Live, k);
                    }
                }
            } catch (const std::exception &e) {
                log(QStringLiteral("A1ReadyOrder2 ") + QString::fromLocal8Bit(e.what()));
            }
        }
    } catch (const std::exception &e) {
        log(QStringLiteral("A1ReadyOrder ") + QString::fromLocal8Bit(e.what()));
    }
    if (m_sink)
        m_sink->endUpdate(OrderBoard::Live);
}
