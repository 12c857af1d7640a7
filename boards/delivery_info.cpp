#include "boards/delivery_info.h"

#include "records/order_time_texts.h"
#include "text/date_helpers.h"
#include "text/text_helpers.h"

namespace
{
QString statusPart(const TDVRY_GRP_INFO &g, const QDateTime &now)
{
    const QString end = QString(g.MNG_ETIME);
    const QString closing = end.mid(0, 2) + QLatin1Char(':') + end.mid(2, 2);
    if (g.STATUS_TYPE == QLatin1String("0") || !g.MNG_YN || now.toString(QStringLiteral("hh:mm")) == closing)
        return QStringLiteral("[영업상태 : 배차불가]");
    const QString view = QString(g.VIEW_DATA);
    const bool shared = view.size() >= 5 && view.at(4) == QLatin1Char('1');
    // Counts are summed in 64 bits: the server's numbers are not trusted to stay small.
    const qint64 requested = qint64(g.ST_2001) + (shared ? g.SH_ST_2001 : 0);
    const qint64 dispatched = qint64(g.WK_3001) + (shared ? g.SH_WK_3001 : 0);
    const qint64 departed = qint64(g.WK_3003) + (shared ? g.SH_WK_3003 : 0);
    return QStringLiteral("요청:") + QString::number(requested) + QLatin1Char(' ') + QStringLiteral("배차:")
           + QString::number(dispatched) + QLatin1Char(' ') + QStringLiteral("출발:") + QString::number(departed)
           + QLatin1Char(' ') + QStringLiteral("출근:") + QString::number(g.WK_ATT_CNT) + QLatin1Char(' ');
}

void appendSurcharge(QString &x, const QString &label, const QString &amount, const QString &unit)
{
    if (!x.isEmpty())
        x = (x + QLatin1Char(' ') + label + amount + unit).trimmed();
    else
        x = label + amount + unit;
}

QString surchargePart(const TDVRY_GRP_INFO &g, const QDateTime &now)
{
    QString x;
    if (g.EX_YN == QLatin1String("Y")
        && TimeInRange(now.toString(QStringLiteral("hhmm")), QString(g.EX_S_TIME).trimmed(), QString(g.EX_E_TIME).trimmed()))
        x = QStringLiteral("시간:") + QString(g.EX_CHARGE) + QStringLiteral("원");
    if (g.EX_YN == QLatin1String("Y")) {
        const QString timed = TimeSurchargeText(g.EX_TIME_STR);
        if (!timed.isEmpty())
            x = timed;
    }
    // Hours before 05:00 belong to the day before.
    const int day = now.addSecs(-5 * 3600).date().dayOfWeek() % 7; // 0 = Sunday
    const QString days = QString(g.EX_WEEKDAY_DAY);
    if (g.EX_WEEKDAY_YN == QLatin1String("Y") && TextToIntDef(QString(g.EX_WEEKDAY_FEE), 0) > 0 && day < days.size()
        && days.at(day) == QLatin1Char('1'))
        appendSurcharge(x, QStringLiteral("요일:"), QString(g.EX_WEEKDAY_FEE), QStringLiteral("원"));
    if (g.EX_ADD_YN == QLatin1String("Y") && TextToIntDef(QString(g.EX_ADD_FEE), 0) > 0) {
        if (g.EX_ADD_TYPE == QLatin1String("1"))
            appendSurcharge(x, QStringLiteral("눈/비:"), QString(g.EX_ADD_FEE), QStringLiteral("원"));
        else if (g.EX_ADD_TYPE == QLatin1String("2"))
            appendSurcharge(x, QStringLiteral("눈/비:"), QString(g.EX_ADD_FEE), QStringLiteral("%"));
    }
    if (!x.isEmpty())
        x = QStringLiteral("[할증 ") + x + QLatin1Char(']');
    return x;
}
} // namespace

QString DeliveryInfoLine(const TDVRY_GRP_INFO &g, const QDateTime &now)
{
    const QString s = statusPart(g, now);
    const QString x = surchargePart(g, now);
    const QString d = g.DELAY_TIME >= 1 ? QStringLiteral("[지연-") + QString::number(g.DELAY_TIME) + QStringLiteral("분] ")
                                        : QString();
    const QString c = g.STATUS_TYPE == QLatin1String("0") ? QStringLiteral("[배송원 콜 보기 : 배송원 콜 안보임] ") : QString();
    return (s + c + d + x).trimmed();
}

QString DeliveryInfoCaption(const QList<TDVRY_GRP_INFO> &groups, const std::array<QStringList, 8> &selections,
                            const QDateTime &now)
{
    if (selections[4].size() != 1 || selections[2].isEmpty() || groups.isEmpty())
        return QString();
    const QString code = selections[2].first();
    for (const TDVRY_GRP_INFO &g : groups) {
        if (g.DVRY_TYPE_CD != code)
            continue;
        const QString line = DeliveryInfoLine(g, now);
        return line.isEmpty() ? QString() : QStringLiteral("  ") + line;
    }
    return QString();
}

bool NoticeTicker::setNotices(const QStringList &entries, bool &changed, QStringList *rejected)
{
    if (entries.isEmpty()) {
        const bool had = !m_items.isEmpty();
        m_items.clear();
        m_text.clear();
        m_current = -1;
        m_visible = false;
        return had;
    }
    const QString text = entries.join(QLatin1Char('\n'));
    if (text == m_text && !changed)
        return false;
    changed = false;
    m_text = text;
    m_items.clear();
    for (const QString &entry : entries) {
        const QStringList parts = SplitText(QString(QChar(0x0002)), entry);
        bool ok = false;
        const int seqNo = parts.size() >= 2 ? parts.at(1).trimmed().toInt(&ok) : 0;
        if (!ok) {
            if (rejected)
                rejected->append(entry);
            continue;
        }
        m_items.append(TickerNotice{parts.at(0), seqNo});
    }
    m_current = m_items.isEmpty() ? -1 : 0;
    m_visible = !m_items.isEmpty();
    return true;
}

void NoticeTicker::tick(bool articleOpen, bool barVisible)
{
    if (articleOpen || !barVisible)
        return;
    ++m_phase;
    switch (m_phase % 6) {
    case 0:
        m_phase = 0;
        m_visible = false;
        break;
    case 3:
        m_visible = false;
        break;
    default:
        m_visible = true;
        break;
    }
    if (!m_items.isEmpty() && m_phase == 0)
        m_current = m_current + 1 >= m_items.size() ? 0 : m_current + 1;
}

const TickerNotice *NoticeTicker::current() const
{
    return m_current >= 0 && m_current < m_items.size() ? &m_items.at(m_current) : nullptr;
}
