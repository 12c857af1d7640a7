#include "records/order_time_texts.h"

#include "common/daily_log.h"
#include "text/date_helpers.h"
#include "text/text_helpers.h"
#include "platform/clock.h"

#include <QStringList>

namespace
{
QString minutesText(qint64 minutes, bool positive)
{
    return (positive ? QString() : QStringLiteral("-")) + QString::number(minutes) + QStringLiteral("분");
}

bool isOpenStatus(int s)
{
    return s == 1001 || s == 1002 || s == 1007 || s == 2001 || s == 2002 || s == 3001;
}

// Mode 2: the promised "hhnn" clock of today, or of tomorrow when it lies before the business
// day start; whole minutes to now and whether it has passed.
bool readyClockMinutes(const QString &clock, const QDateTime &now, qint64 &minutes, bool &positive)
{
    QString hhnn = clock.rightJustified(4, QLatin1Char('0')).right(4);
    bool okH = false, okN = false;
    const int hh = hhnn.left(2).toInt(&okH);
    const int nn = hhnn.mid(2, 2).toInt(&okN);
    const QTime t(hh, nn, 0);
    if (!okH || !okN || !t.isValid())
        return false;
    QDateTime target(now.date(), t);
    if (hhnn.left(2) < QLatin1String("05"))
        target = target.addDays(1);
    minutes = DurationMinutes(target.msecsTo(now));
    positive = target.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) < now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    return true;
}

bool openOrderMinutes(int mode, int s, const QString &time1, const QString &time2, const QDateTime &now,
                      qint64 &minutes, bool &positive)
{
    if (mode == 0) {
        const QDateTime t1 = ParseFmtDateTimeDef(time1);
        if (!(now > t1))
            return false;
        minutes = DurationMinutes(t1.msecsTo(now));
        return true;
    }
    if (mode == 1 && !time1.isEmpty()) {
        const QDateTime due = ParseFmtDateTimeDef(time1).addSecs(qint64(TextToIntDef(time2, 0)) * 60);
        minutes = DurationMinutes(due.msecsTo(now));
        positive = now > due;
        return true;
    }
    if (mode == 1) {
        // Without a request time the second value is the count itself.
        minutes = qAbs(qint64(TextToIntDef(time2, 0)));
        positive = false;
        return true;
    }
    if (mode == 2 && s == 3001 && !time2.isEmpty())
        return readyClockMinutes(time2, now, minutes, positive);
    if (mode == 3 && s == 3001 && !time2.isEmpty()) {
        const QDateTime t2 = ParseFmtDateTimeDef(time2);
        minutes = DurationMinutes(t2.msecsTo(now));
        positive = now > t2;
        return true;
    }
    return false;
}

// The view of one time column: its own clock, its duration in minutes and seconds, or both.
QString columnView(const QString &duration, const QString &ownTime, QChar mode)
{
    if (duration.isEmpty())
        return duration;
    const QString clock = DateTimeToStr(ownTime, 0);
    if (mode == QLatin1Char('1'))
        return clock;
    if (mode == QLatin1Char('2'))
        return ClockToMinSecText(duration);
    return clock + QLatin1Char('(') + ClockToMinSecText(duration) + QLatin1Char(')');
}

QString clockBetween(const QString &from, const QString &to)
{
    return DurationClock(ParseFmtDateTimeDef(from).msecsTo(ParseFmtDateTimeDef(to)), true);
}
} // namespace

QString OrderElapsedText(const QString &status, const QString &time1, const QString &time2,
                         const QString &endTime, int mode)
{
    const int s = TextToIntDef(status, 1001);
    const QDateTime now = AppClock::now();
    qint64 minutes = 0;
    bool positive = true;
    bool shown = false;
    if (isOpenStatus(s)) {
        shown = openOrderMinutes(mode, s, time1, time2, now, minutes, positive);
    } else if (s == 3003 && mode == 0) {
        minutes = DurationMinutes(ParseFmtDateTimeDef(time2).msecsTo(now));
        shown = true;
    } else if (s == 4001 && mode == 0) {
        minutes = DurationMinutes(ParseFmtDateTimeDef(time1).msecsTo(ParseFmtDateTimeDef(endTime)));
        shown = true;
    }
    return shown ? minutesText(minutes, positive) : QString();
}

QString OverMinutesText(const QString &startTime, const QString &endTime, const QString &addMinutes, int status)
{
    const QDateTime promised = ParseFmtDateTimeDef(startTime).addSecs(qint64(TextToIntDef(addMinutes, 0)) * 60);
    const QDateTime against = status < 4001 ? AppClock::now() : ParseFmtDateTimeDef(endTime);
    return minutesText(DurationMinutes(promised.msecsTo(against)), promised < against);
}

TOrderTimeColumns DateTimeToAddStr4(const TOrderTimes &t, const QString &viewModes)
{
    TOrderTimeColumns out;
    const QDateTime now = AppClock::now();
    if (!t.reqTime.isEmpty())
        out.tmReq = clockBetween(t.reqTime, t.orderTime);
    if (!t.dispatchTime.isEmpty() && !t.reqTime.isEmpty())
        out.tmCTH = clockBetween(t.reqTime, t.dispatchTime);
    if (!t.dispatchTime.isEmpty() && !t.pickupTime.isEmpty())
        out.tmStart = clockBetween(t.dispatchTime, t.pickupTime);
    else if (!t.reqTime.isEmpty() && !t.pickupTime.isEmpty())
        out.tmStart = clockBetween(t.reqTime, t.pickupTime);
    if (!t.endTime.isEmpty()) {
        for (const QString &from : {t.pickupTime, t.dispatchTime, t.reqTime, t.orderTime}) {
            if (!from.isEmpty()) {
                out.tmEnd = clockBetween(from, t.endTime);
                break;
            }
        }
    }
    auto mode = [&viewModes](int i) { return i < viewModes.size() ? viewModes.at(i) : QChar(); };
    out.tmReq = columnView(out.tmReq, t.reqTime, mode(0));
    out.tmCTH = columnView(out.tmCTH, t.dispatchTime, mode(1));
    out.tmStart = columnView(out.tmStart, t.pickupTime, mode(2));
    out.tmEnd = columnView(out.tmEnd, t.endTime, mode(3));

    if (!t.reqTime.isEmpty()) {
        const QDateTime req = ParseFmtDateTimeDef(t.reqTime);
        if (!t.endTime.isEmpty())
            out.AAddTime = QString::number(DurationMinutes(req.msecsTo(ParseFmtDateTimeDef(t.endTime))));
        else if (now > req)
            out.AAddTime = QString::number(DurationMinutes(req.msecsTo(now)));
    }
    if (!t.orderTime.isEmpty()) {
        const QDateTime ordered = ParseFmtDateTimeDef(t.orderTime);
        if (!t.endTime.isEmpty())
            out.AAddTimeAll = int(DurationMinutes(ordered.msecsTo(ParseFmtDateTimeDef(t.endTime))));
        else if (now > ordered)
            out.AAddTimeAll = int(DurationMinutes(ordered.msecsTo(now)));
    }
    return out;
}

QString TimeSurchargeText(const QString &list)
{
    if (list.isEmpty())
        return QString();
    const QString now = AppClock::now().toString(QStringLiteral("hhmm"));
    qint64 won = 0;
    qint64 percent = 0;
    for (const QString &entry : SplitText(QStringLiteral(","), list)) {
        if (!entry.startsWith(QLatin1String("*01_AA")) || entry.size() < 16)
            continue;
        const QString start = entry.mid(7, 4);
        const QString end = entry.mid(11, 4);
        const QChar kind = entry.at(15);
        if (!TimeInRange(now, start, end))
            continue;
        const int amount = TextToIntDef(entry.mid(16), 0);
        if (kind == QLatin1Char('1'))
            won += amount;
        else if (kind == QLatin1Char('2'))
            percent += amount;
    }
    const QString head = QStringLiteral("시간:");
    if (won > 0 && percent > 0)
        return head + QString::number(won) + QStringLiteral("원 ") + QString::number(percent) + QLatin1Char('%');
    if (won > 0)
        return head + QString::number(won) + QStringLiteral("원");
    if (percent > 0)
        return head + QString::number(percent) + QLatin1Char('%');
    return QString();
}

QString DateTimeToStr(const QString &s, int style)
{
    static const QStringList kStyles = {QStringLiteral("hh:nn"),    QStringLiteral("mm-dd hh:nn"),
                                        QStringLiteral("yy-mm-dd hh:nn"), QStringLiteral("mm-dd hh:nn"),
                                        QStringLiteral("hh:nn:ss"), QStringLiteral("mm-dd hh:nn:ss"),
                                        QStringLiteral("yy-mm-dd")};
    if (s.isEmpty() || style < 0 || style >= kStyles.size())
        return QString();
    bool ok = false;
    const QDateTime dt = ParseFmtDateTime(s, &ok);
    if (!ok) {
        WriteLog(QStringLiteral("DateTimeToStr_err : ") + s + QStringLiteral(" e : '") + s
                 + QStringLiteral("' is not a valid date and time"));
        return QString();
    }
    const QString text = FormatDateTimeFmt(kStyles.at(style), dt);
    if (style == 3)
        return text.left(5) + QLatin1Char('\n') + text.mid(6, 5);
    return text;
}
