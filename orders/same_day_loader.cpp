#include "orders/same_day_loader.h"
#include "orders/sync_mark.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "orders/same_day_engine.h"
#include "records/session_records.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace
{
const QString kSameDayCode = QStringLiteral("CS01_32_V02");
const QString kSameDayCallType = QStringLiteral("ADM12");

QString distributorKind(int normalType, int gansunType, int jisunType)
{
    const bool legs = gansunType == 1 || jisunType == 1;
    if (normalType == 1)
        return legs ? QStringLiteral("3") : QStringLiteral("1");
    return legs ? QStringLiteral("2") : QString();
}
} // namespace

QString SameDaySearchKind(const QString &userClass, int normalType, int gansunType, int jisunType)
{
    if (userClass == QLatin1String("7"))
        return QStringLiteral("1");
    if (userClass == QLatin1String("5"))
        return distributorKind(normalType, gansunType, jisunType);
    return QString();
}

QString SameDaySearchKind()
{
    return SameDaySearchKind(QString(G_USER_INFO.USER_TYPE_CD).left(1), G_USER_INFO.SAMEDAY_NORMAL_TYPE,
                             G_USER_INFO.SAMEDAY_GANSUN_TYPE, G_USER_INFO.SAMEDAY_JISUN_TYPE);
}

QString SameDayCompletedKind(const QString &userClass, int normalType, int gansunType, int jisunType)
{
    if (userClass == QLatin1String("7"))
        return QStringLiteral("1");
    return distributorKind(normalType, gansunType, jisunType);
}

QString SameDayCompletedKind()
{
    return SameDayCompletedKind(QString(G_USER_INFO.USER_TYPE_CD).left(1), G_USER_INFO.SAMEDAY_NORMAL_TYPE,
                                G_USER_INFO.SAMEDAY_GANSUN_TYPE, G_USER_INFO.SAMEDAY_JISUN_TYPE);
}

SameDayLoader::SameDayLoader(SameDayEngine &engine) : m_engine(engine)
{
    m_request = [](const QString &code, const QString &callType, const QString &val, const QString &pageCount,
                   int timeoutMs) { return RequestList(G_TCP_CLIENT, code, callType, val, pageCount, timeoutMs); };
    setHooks({});
}

void SameDayLoader::setHooks(Hooks hooks)
{
    m_hooks = std::move(hooks);
    if (!m_hooks.log)
        m_hooks.log = [](const QString &line) { WriteLog(line); };
}

void SameDayLoader::log(const QString &line) const
{
    m_hooks.log(line);
}

QString SameDayLoader::payload(const QString &kind, const QString &flag, const QString &mark) const
{
    const QStringList fields = {G_USER_INFO.ID, QString(G_USER_INFO.USER_TYPE_CD).left(1), G_USER_INFO.HD,
                                G_USER_INFO.BR, kind, flag, mark};
    return JoinRequestFields(fields);
}

bool SameDayLoader::accepted(const QStringList &pages, QString *outVal)
{
    const QJsonObject head = QJsonDocument::fromJson(pages.first().toUtf8()).object();
    const QString code = head.value(QLatin1String("OUT_CODE")).toString();
    if (code != QLatin1String("1")) {
        // A refused load is not queued: its pages would empty the board at a rebuild, and its
        // mark would skip changes the client never received.
        log(kSameDayCode + QStringLiteral(" is Fail ") + code + QLatin1Char(':')
            + head.value(QLatin1String("OUT_MSG")).toString());
        return false;
    }
    if (outVal) {
        QString next = head.value(QLatin1String("OUT_VAL")).toString();
        if (!IsUsableSyncMark(next)) {
            log(kSameDayCode + QStringLiteral(" sync mark refused, the board is rebuilt at the next load"));
            next.clear();
        }
        *outVal = next;
    }
    return true;
}

bool SameDayLoader::proc_Load_A3_SameDay(const QString &sSearchType)
{
    if (m_hooks.setFilterBarEnabled)
        m_hooks.setFilterBarEnabled(false);
    if (m_hooks.resetPollPhase)
        m_hooks.resetPollPhase();
    const QString sent = sA3DaySyncDate;
    const QStringList pages = m_request(kSameDayCode, kSameDayCallType, payload(sSearchType, QStringLiteral("0"), sent),
                                        QStringLiteral("3000"), 30000);
    if (m_hooks.setFilterBarEnabled)
        m_hooks.setFilterBarEnabled(true);
    if (pages.isEmpty()) {
        log(kSameDayCode + QStringLiteral(" ERR[NO RESULT]"));
        G_CONNECTED = false;
        return false;
    }
    QString next;
    if (!accepted(pages, &next))
        return false;
    m_engine.enqueue(QStringLiteral("A3,0,") + sent, pages);
    sA3DaySyncDate = next;
    return true;
}

bool SameDayLoader::procLoadA3OrderFinish(const QString &sSearchType)
{
    if (m_hooks.setFilterBarEnabled)
        m_hooks.setFilterBarEnabled(false);
    if (m_hooks.resetPollPhase)
        m_hooks.resetPollPhase();
    const QStringList pages = m_request(kSameDayCode, kSameDayCallType, payload(sSearchType, QStringLiteral("1"), QString()),
                                        QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        if (m_hooks.setFilterBarEnabled)
            m_hooks.setFilterBarEnabled(true);
        log(kSameDayCode + QStringLiteral(" ERR[NO RESULT]"));
        G_CONNECTED = false;
        return false;
    }
    if (!accepted(pages, nullptr)) {
        if (m_hooks.setFilterBarEnabled)
            m_hooks.setFilterBarEnabled(true);
        return false;
    }
    bA3FinOrd = true;
    // The filter bar comes back when the engine has applied the batch.
    m_engine.enqueue(QStringLiteral("A3,1,") + (m_hooks.liveMark ? m_hooks.liveMark() : QString()), pages);
    return true;
}

void SameDayLoader::edSameDayTotalDblClick()
{
    // Asking for every change since a fixed old moment could bring thousands of pages; an empty
    // mark is the ordinary full reload.
    sA3DaySyncDate.clear();
}
