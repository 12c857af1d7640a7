#include "orders/live_order_loader.h"

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
const QString kCode = QStringLiteral("CS01_01_V07");
// A mark is echoed back to the server with every load; a reply with an absurd one is not trusted.
constexpr int kMaxMark = 64;

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
    QString val;
    for (const QString &f : fields)
        val += f + G_FIELD_SEP;
    return val;
}

bool LiveOrderLoader::proc_Load_Order()
{
    ++FTEST_CNT;
    const QStringList pages = m_request(kCode, QStringLiteral("ADM10"), payload(QStringLiteral("0"), gsSyncDate),
                                        QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        WriteLog(kCode + QStringLiteral(" ERR[NO RESULT] - ") + QString::number(FTEST_CNT));
        G_CONNECTED = false;
        return false;
    }
    const QJsonObject head = firstPage(pages);
    WriteLog(pages.first());
    if (head.value(QLatin1String("OUT_CODE")).toString() != QLatin1String("1"))
        WriteLog(kCode + QStringLiteral(" is Fail ") + head.value(QLatin1String("OUT_CODE")).toString()
                 + QLatin1Char(':') + head.value(QLatin1String("OUT_MSG")).toString());
    m_engine.beginBatch(QStringLiteral("A1,0,") + gsSyncDate);
    for (const QString &p : pages)
        m_engine.addPage(p);
    QString next = head.value(QLatin1String("OUT_VAL")).toString();
    if (next.size() > kMaxMark || next.contains(G_FIELD_SEP)) {
        WriteLog(kCode + QStringLiteral(" sync mark refused, the board is rebuilt at the next load"));
        next.clear();
    }
    gsSyncDate = next;
    m_engine.endBatch();
    return true;
}

bool LiveOrderLoader::procLoadA1OrderFinish()
{
    const QStringList pages = m_request(kCode, QStringLiteral("ADM10"), payload(QStringLiteral("1"), QString()),
                                        QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        WriteLog(kCode + QStringLiteral(" ERR[NO RESULT]"));
        return false;
    }
    bA1FinOrd = true;
    const QJsonObject head = firstPage(pages);
    if (head.value(QLatin1String("OUT_CODE")).toString() != QLatin1String("1"))
        WriteLog(kCode + QStringLiteral(" is Fail ") + head.value(QLatin1String("OUT_CODE")).toString()
                 + QLatin1Char(':') + head.value(QLatin1String("OUT_MSG")).toString());
    m_engine.enqueue(QStringLiteral("A1,1,") + gsSyncDate, pages);
    return true;
}

void LiveOrderLoader::reloadAll()
{
    gsSyncDate.clear();
    bA1FinOrd = false;
}
