#include "orders/live_order_loader.h"
#include "orders/sync_mark.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "orders/live_order_engine.h"
#include "records/session_records.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace
{
const QString kLiveCode = QStringLiteral("CS01_01_V07");

QJsonObject firstPage(const QStringList &pages)
{
    return QJsonDocument::fromJson(pages.value(0).toUtf8()).object();
}
} // namespace

LiveOrderLoader::LiveOrderLoader(LiveOrderEngine &engine) : m_engine(engine)
{
    m_request = [](const QString &code, const QString &callType, const QString &val, const QString &pageCount,
                   int timeoutMs) { return RequestList(G_TCP_CLIENT, code, callType, val, pageCount, timeoutMs); };
}

QString LiveOrderLoader::payload(const QString &flag, const QString &mark) const
{
    const QStringList fields = {G_USER_INFO.ID,
                                G_USER_INFO.USER_TYPE_CD,
                                G_USER_INFO.HD,
                                G_USER_INFO.BR,
                                G_USER_INFO.ST,
                                flag,
                                mark,
                                QString(G_USER_INFO.BTOB_YN) == QLatin1String("Y") ? QStringLiteral("1")
                                                                                   : QStringLiteral("0")};
    return JoinRequestFields(fields);
}

void LiveOrderLoader::rearm()
{
    if (hooks.rearmPoll)
        hooks.rearmPoll();
    if (hooks.passTime)
        hooks.passTime(true);
}

LiveOrderLoader::~LiveOrderLoader()
{
    // Batches still queued no longer reach this loader's mark.
    ++*m_generation;
}

namespace
{
bool replyFailed(const QJsonObject &head)
{
    if (head.value(QLatin1String("OUT_CODE")).toString() == QLatin1String("1"))
        return false;
    WriteLog(kLiveCode + QStringLiteral(" is Fail ") + head.value(QLatin1String("OUT_CODE")).toString() + QLatin1Char(':')
             + head.value(QLatin1String("OUT_MSG")).toString());
    return true;
}
} // namespace

bool LiveOrderLoader::proc_Load_Order()
{
    if (hooks.passTime)
        hooks.passTime(false);
    ++FTEST_CNT;
    const QStringList pages = m_request(kLiveCode, QStringLiteral("ADM10"), payload(QStringLiteral("0"), gsSyncDate),
                                        QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        WriteLog(kLiveCode + QStringLiteral(" ERR[NO RESULT] - ") + QString::number(FTEST_CNT));
        rearm();
        G_CONNECTED = false;
        return false;
    }
    const QJsonObject head = firstPage(pages);
    WriteLog(pages.first());
    // A failure reply changes nothing: the next load asks the same question again.
    if (!replyFailed(head)) {
        QString next = head.value(QLatin1String("OUT_VAL")).toString();
        if (!IsUsableSyncMark(next)) {
            WriteLog(kLiveCode + QStringLiteral(" sync mark refused, the board is rebuilt at the next load"));
            next.clear();
        }
        const std::weak_ptr<int> generation = m_generation;
        const int queuedIn = *m_generation;
        const bool rebuild = gsSyncDate.isEmpty();
        m_engine.beginBatch(QStringLiteral("A1,0,") + gsSyncDate);
        for (const QString &p : pages)
            m_engine.addPage(p);
        m_engine.endBatch([this, generation, queuedIn, next, rebuild](bool applied) {
            const std::shared_ptr<int> alive = generation.lock();
            if (!alive || *alive != queuedIn)
                return;
            if (applied) {
                gsSyncDate = next;
            } else {
                gsSyncDate.clear();
                WriteLog(kLiveCode + QStringLiteral(" batch not applied, the board is rebuilt at the next load"));
            }
            if (rebuild)
                rebuildDone();
        });
    }
    rearm();
    if (QString(G_USER_INFO.USER_TYPE_CD).startsWith(QLatin1Char('1')) && hooks.recountStoreCalls)
        hooks.recountStoreCalls();
    return true;
}

bool LiveOrderLoader::procLoadA1OrderFinish()
{
    const QStringList pages = m_request(kLiveCode, QStringLiteral("ADM10"), payload(QStringLiteral("1"), QString()),
                                        QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        WriteLog(kLiveCode + QStringLiteral(" ERR[NO RESULT]"));
        return false;
    }
    // A failure reply would empty the completed board; it is logged and the board kept.
    if (replyFailed(firstPage(pages)))
        return true;
    bA1FinOrd = true;
    ++m_completedQueued;
    const std::weak_ptr<int> generation = m_generation;
    const int queuedIn = *m_generation;
    m_engine.enqueue(QStringLiteral("A1,1,") + gsSyncDate, pages, [this, generation, queuedIn](bool) {
        const std::shared_ptr<int> alive = generation.lock();
        if (alive && *alive == queuedIn)
            --m_completedQueued;
    });
    return true;
}

void LiveOrderLoader::rebuildDone()
{
    // A rebuild empties the completed board too (also when the batch could not be applied in
    // full). Unless a completed load is still queued behind it, the board is not loaded any
    // more: the flag says so, and the board is asked for again.
    if (!bA1FinOrd || m_completedQueued > 0)
        return;
    bA1FinOrd = false;
    WriteLog(kLiveCode + QStringLiteral(" completed board emptied by a rebuild, it is loaded again"));
    if (hooks.completedEmptied)
        hooks.completedEmptied();
}

void LiveOrderLoader::reloadAll()
{
    ++*m_generation;
    gsSyncDate.clear();
    bA1FinOrd = false;
    m_completedQueued = 0;
}
