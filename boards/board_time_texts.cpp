#include "boards/board_time_texts.h"

#include "platform/clock.h"
#include "records/session_records.h"
#include "text/date_helpers.h"
#include "text/text_helpers.h"

#include <QDate>
#include <QTime>

namespace
{
constexpr qint64 kDayMs = 24LL * 3600 * 1000;
constexpr qint64 kUnixJulianDay = 2440588;

qint64 wall(const QDate &d, const QTime &t)
{
    return (d.toJulianDay() - kUnixJulianDay) * kDayMs + t.msecsSinceStartOfDay();
}

int digits(QStringView s, int from, int len)
{
    int v = 0;
    for (int i = from; i < from + len; ++i) {
        const char16_t c = s.at(i).unicode();
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

// "yyyy-mm-dd hh:nn:ss", the form every reply uses.
bool canonical(QStringView s, QDate &date, QTime &time)
{
    if (s.size() != 19 || s.at(4) != u'-' || s.at(7) != u'-' || s.at(10) != u' ' || s.at(13) != u':'
        || s.at(16) != u':')
        return false;
    const int y = digits(s, 0, 4), mo = digits(s, 5, 2), d = digits(s, 8, 2);
    const int h = digits(s, 11, 2), mi = digits(s, 14, 2), se = digits(s, 17, 2);
    if (y < 0 || mo < 0 || d < 0 || h < 0 || mi < 0 || se < 0)
        return false;
    date = QDate(y, mo, d);
    time = QTime(h, mi, se);
    return date.isValid() && time.isValid();
}

qint64 durationMinutes(qint64 ms)
{
    return (ms < 0 ? -ms : ms) / 60000;
}

QString minutesText(qint64 minutes, bool positive)
{
    return (positive ? QString() : QStringLiteral("-")) + QString::number(minutes) + QStringLiteral("분");
}

bool isOpenStatus(int s)
{
    return s == 1001 || s == 1002 || s == 1007 || s == 2001 || s == 2002 || s == 3001;
}

void appendTwo(QString &out, qint64 v)
{
    out.append(QLatin1Char(char('0' + v / 10 % 10))).append(QLatin1Char(char('0' + v % 10)));
}

QString clockOf(const QString &text)
{
    QDate d;
    QTime t;
    if (canonical(QStringView(text).trimmed(), d, t))
        return QStringView(text).trimmed().mid(11, 5).toString();
    return DateTimeToStr(text, 0);
}
} // namespace

std::optional<qint64> WallMs(QStringView text)
{
    const QStringView s = text.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    QDate d;
    QTime t;
    if (canonical(s, d, t))
        return wall(d, t);
    bool ok = false;
    const QDateTime dt = ParseFmtDateTime(s.toString(), &ok);
    if (!ok)
        return std::nullopt;
    return wall(dt.date(), dt.time());
}

qint64 WallNowMs()
{
    const QDateTime n = AppClock::now();
    return wall(n.date(), n.time());
}

BoardTimeTexts::BoardTimeTexts(qint64 nowWallMs, const QString &viewModes) : m_now(nowWallMs), m_modes(viewModes)
{
}

QString BoardTimeTexts::SettingsViewModes()
{
    QString modes;
    for (const auto &mode : G_USER_SET.ORDER_TIME_VIEW)
        modes += mode.str().isEmpty() ? QStringLiteral("0") : mode.str().left(1);
    return modes;
}

qint64 BoardTimeTexts::orNow(const QString &text) const
{
    return WallMs(text).value_or(m_now);
}

QString BoardTimeTexts::columnView(std::optional<qint64> duration, const QString &ownTime, QChar mode) const
{
    if (!duration)
        return QString();
    if (mode == QLatin1Char('1'))
        return clockOf(ownTime);
    // ClockToMinSecText of the duration clock: whole minutes, then the seconds as two digits.
    // Written into one text of the right size: the count pass makes four of these a row.
    const qint64 secs = (*duration < 0 ? -*duration : *duration) / 1000;
    char16_t minutes[24];
    int n = 0;
    for (qint64 m = secs / 60; n == 0 || m > 0; m /= 10)
        minutes[n++] = char16_t(u'0' + m % 10);
    const QString clock = mode == QLatin1Char('2') ? QString() : clockOf(ownTime);
    QString out;
    out.reserve(clock.size() + n + 6);
    if (mode != QLatin1Char('2'))
        out.append(clock).append(QLatin1Char('('));
    while (n > 0)
        out.append(QChar(minutes[--n]));
    out.append(u'분');
    appendTwo(out, secs % 60);
    out.append(u'초');
    if (mode != QLatin1Char('2'))
        out.append(QLatin1Char(')'));
    return out;
}

BoardTimeTexts::WallTimes BoardTimeTexts::wallTimes(const TOrderTimes &t)
{
    return {WallMs(t.orderTime), WallMs(t.reqTime), WallMs(t.dispatchTime), WallMs(t.pickupTime), WallMs(t.endTime)};
}

TOrderTimeColumns BoardTimeTexts::addStr4(const TOrderTimes &t) const
{
    return addStr4(t, wallTimes(t));
}

TOrderTimeColumns BoardTimeTexts::addStr4(const TOrderTimes &t, const WallTimes &ms) const
{
    TOrderTimeColumns out;
    // Each time is read once; one that cannot be read stands for now.
    const qint64 ordered = ms.order.value_or(m_now), requested = ms.req.value_or(m_now),
                 dispatched = ms.dispatch.value_or(m_now), picked = ms.pickup.value_or(m_now),
                 ended = ms.end.value_or(m_now);
    std::optional<qint64> req, cth, start, end;
    if (!t.reqTime.isEmpty())
        req = ordered - requested;
    if (!t.dispatchTime.isEmpty() && !t.reqTime.isEmpty())
        cth = dispatched - requested;
    if (!t.dispatchTime.isEmpty() && !t.pickupTime.isEmpty())
        start = picked - dispatched;
    else if (!t.reqTime.isEmpty() && !t.pickupTime.isEmpty())
        start = picked - requested;
    if (!t.endTime.isEmpty()) {
        if (!t.pickupTime.isEmpty())
            end = ended - picked;
        else if (!t.dispatchTime.isEmpty())
            end = ended - dispatched;
        else if (!t.reqTime.isEmpty())
            end = ended - requested;
        else if (!t.orderTime.isEmpty())
            end = ended - ordered;
    }
    const auto mode = [this](int i) { return i < m_modes.size() ? m_modes.at(i) : QChar(); };
    out.tmReq = columnView(req, t.reqTime, mode(0));
    out.tmCTH = columnView(cth, t.dispatchTime, mode(1));
    out.tmStart = columnView(start, t.pickupTime, mode(2));
    out.tmEnd = columnView(end, t.endTime, mode(3));

    if (!t.reqTime.isEmpty()) {
        if (!t.endTime.isEmpty())
            out.AAddTime = QString::number(durationMinutes(ended - requested));
        else if (m_now > requested)
            out.AAddTime = QString::number(durationMinutes(m_now - requested));
    }
    if (!t.orderTime.isEmpty()) {
        if (!t.endTime.isEmpty())
            out.AAddTimeAll = int(durationMinutes(ended - ordered));
        else if (m_now > ordered)
            out.AAddTimeAll = int(durationMinutes(m_now - ordered));
    }
    return out;
}

QString BoardTimeTexts::elapsed(const QString &status, const QString &time1, const QString &time2,
                                const QString &endTime, int mode) const
{
    const int s = TextToIntDef(status, 1001);
    qint64 minutes = 0;
    bool positive = true;
    bool shown = false;
    if (isOpenStatus(s)) {
        if (mode == 0) {
            const qint64 t1 = orNow(time1);
            shown = m_now > t1;
            minutes = durationMinutes(m_now - t1);
        } else if (mode == 1 && !time1.isEmpty()) {
            const qint64 due = orNow(time1) + qint64(TextToIntDef(time2, 0)) * 60000;
            minutes = durationMinutes(m_now - due);
            positive = m_now > due;
            shown = true;
        } else if (mode == 1) {
            minutes = qAbs(qint64(TextToIntDef(time2, 0)));
            positive = false;
            shown = true;
        } else if (mode == 2 && s == 3001 && !time2.isEmpty()) {
            // A promised "hhnn" clock of today, or of tomorrow before the business day starts.
            const QString hhnn = time2.rightJustified(4, QLatin1Char('0')).right(4);
            bool okH = false, okN = false;
            const int hh = hhnn.left(2).toInt(&okH);
            const int nn = hhnn.mid(2, 2).toInt(&okN);
            if (okH && okN && QTime(hh, nn, 0).isValid()) {
                qint64 target = (m_now >= 0 ? m_now / kDayMs : (m_now - kDayMs + 1) / kDayMs) * kDayMs
                                + qint64(hh) * 3600000 + qint64(nn) * 60000;
                if (hhnn.left(2) < QLatin1String("05"))
                    target += kDayMs;
                minutes = durationMinutes(m_now - target);
                positive = target / 1000 < m_now / 1000;
                shown = true;
            }
        } else if (mode == 3 && s == 3001 && !time2.isEmpty()) {
            const qint64 t2 = orNow(time2);
            minutes = durationMinutes(m_now - t2);
            positive = m_now > t2;
            shown = true;
        }
    } else if (s == 3003 && mode == 0) {
        minutes = durationMinutes(m_now - orNow(time2));
        shown = true;
    } else if (s == 4001 && mode == 0) {
        minutes = durationMinutes(orNow(endTime) - orNow(time1));
        shown = true;
    }
    return shown ? minutesText(minutes, positive) : QString();
}

QString BoardTimeTexts::over(const QString &startTime, const QString &endTime, const QString &addMinutes,
                             int status) const
{
    const qint64 promised = orNow(startTime) + qint64(TextToIntDef(addMinutes, 0)) * 60000;
    const qint64 against = status < 4001 ? m_now : orNow(endTime);
    return minutesText(durationMinutes(against - promised), promised < against);
}
