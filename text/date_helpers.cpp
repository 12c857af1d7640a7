#include "text/date_helpers.h"

#include "text/text_helpers.h"
#include "platform/clock.h"

#include <QStringList>

const QString G_DAY_START_HOUR = QStringLiteral("05");

namespace
{
bool isFormatLetter(QChar c)
{
    const char l = c.toLower().toLatin1();
    return l == 'y' || l == 'm' || l == 'd' || l == 'h' || l == 'n' || l == 's' || l == 'z';
}

// Translates the program's format letters to Qt's: "m" after an hour is minutes, "n" always is.
QString toQtFormat(const QString &fmt)
{
    QString out;
    bool afterHour = false;
    for (int i = 0; i < fmt.size();) {
        const QChar c = fmt.at(i);
        int run = 1;
        while (i + run < fmt.size() && fmt.at(i + run).toLower() == c.toLower())
            ++run;
        const char l = c.toLower().toLatin1();
        if (!isFormatLetter(c)) {
            if (c.isLetter() || c == QLatin1Char('\''))
                out += QLatin1Char('\'') + QString(run, c).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
            else
                out += QString(run, c);
            i += run;
            continue;
        }
        QChar q;
        switch (l) {
        case 'y': q = QLatin1Char('y'); break;
        case 'm': q = afterHour ? QLatin1Char('m') : QLatin1Char('M'); break;
        case 'd': q = QLatin1Char('d'); break;
        case 'h': q = QLatin1Char('h'); break;
        case 'n': q = QLatin1Char('m'); break;
        case 's': q = QLatin1Char('s'); break;
        default: q = QLatin1Char('z'); break;
        }
        out += QString(run, q);
        afterHour = l == 'h';
        i += run;
    }
    return out;
}
} // namespace

QString FormatYmdDash(const QString &s)
{
    if (s.size() <= 7)
        return QStringLiteral("3000-12-31");
    return s.mid(0, 4) + QLatin1Char('-') + s.mid(4, 2) + QLatin1Char('-') + s.mid(6, 2);
}

QString NowStr(const QString &fmt)
{
    static const QStringList kAccepted = {
        QStringLiteral("yyyy-mm-dd hh:mm:ss"), QStringLiteral("yyyymmddhhmmss"), QStringLiteral("yyyymmdd"),
        QStringLiteral("yyyy-mm-dd"),          QStringLiteral("hhmmss"),         QStringLiteral("yyyy-mm-dd hh:mm:ss:zzz")};
    if (!kAccepted.contains(fmt))
        return QString();
    return FormatDateTimeFmt(fmt, AppClock::now());
}

QString WeekdaysText(const QString &flags)
{
    static const char16_t kDays[] = u"일월화수목금토";
    QString out;
    for (int i = 0; i < 7 && i < flags.size(); ++i) {
        if (flags.at(i) == QLatin1Char('1'))
            out += QLatin1Char(' ') + QChar(kDays[i]);
    }
    if (out.trimmed().isEmpty())
        return QStringLiteral(" 일 월 화 수 목 금 토");
    return out;
}

bool TimeInRange(const QString &t, const QString &start, const QString &end)
{
    if (start.isEmpty() || end.isEmpty() || start.size() != end.size())
        return false;
    if (end < start)
        return t <= end || t >= start;
    return start <= t && t <= end;
}

QString FormatDateTimeFmt(const QString &fmt, const QDateTime &when)
{
    return when.toString(toQtFormat(fmt));
}

QDateTime ParseFmtDateTime(const QString &s, bool *ok)
{
    static const QStringList kFormats = {QStringLiteral("yyyy-M-d H:m:s.z"), QStringLiteral("yyyy-M-d H:m:s"),
                                         QStringLiteral("yyyy-M-d H:m"), QStringLiteral("yyyy-M-d")};
    const QString text = s.trimmed();
    for (const QString &f : kFormats) {
        const QDateTime dt = QDateTime::fromString(text, f);
        if (dt.isValid()) {
            if (ok)
                *ok = true;
            return dt;
        }
    }
    if (ok)
        *ok = false;
    return QDateTime();
}

QDateTime ParseFmtDateTimeDef(const QString &s)
{
    bool ok = false;
    const QDateTime dt = ParseFmtDateTime(s, &ok);
    return ok ? dt : AppClock::now();
}

qint64 DurationMinutes(qint64 msecs) { return (msecs < 0 ? -msecs : msecs) / 60000; }

QString DurationClock(qint64 msecs, bool withSeconds)
{
    const qint64 secs = (msecs < 0 ? -msecs : msecs) / 1000;
    QString out = QStringLiteral("%1:%2").arg(secs / 3600, 2, 10, QLatin1Char('0')).arg((secs / 60) % 60, 2, 10, QLatin1Char('0'));
    if (withSeconds)
        out += QStringLiteral(":%1").arg(secs % 60, 2, 10, QLatin1Char('0'));
    return out;
}

QString BusinessDateStr(const QString &fmt)
{
    const int hours = TextToIntDef(G_DAY_START_HOUR, 5);
    return FormatDateTimeFmt(fmt, AppClock::now().addSecs(-qint64(hours) * 3600));
}

QString FormatDateDigits(const QString &s)
{
    if (s.size() == 8)
        return s.mid(0, 4) + QLatin1Char('-') + s.mid(4, 2) + QLatin1Char('-') + s.mid(6, 2);
    if (s.size() == 14)
        return s.mid(0, 4) + QLatin1Char('-') + s.mid(4, 2) + QLatin1Char('-') + s.mid(6, 2) + QLatin1Char(' ')
               + s.mid(8, 2) + QLatin1Char(':') + s.mid(10, 2) + QLatin1Char(':') + s.mid(12, 2);
    return QString();
}

QDateTime EncodeDateStr(const QString &year, const QString &month, const QString &day)
{
    bool okY = false, okM = false, okD = false;
    const QDate d(year.trimmed().toInt(&okY), month.trimmed().toInt(&okM), day.trimmed().toInt(&okD));
    if (!okY || !okM || !okD || !d.isValid())
        return AppClock::now();
    return QDateTime(d, QTime(0, 0));
}

QString ClockToMinSecText(const QString &s)
{
    if (s.isEmpty())
        return QString();
    const QStringList parts = s.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return QString();
    const int hh = TextToIntDef(parts.at(0), -1);
    const int nn = TextToIntDef(parts.at(1), -1);
    if (hh < 0 || nn < 0)
        return QString();
    return QString::number(hh * 60 + nn) + QStringLiteral("분") + parts.at(2) + QStringLiteral("초");
}

QString ElapsedMinText(const QString &s, bool flag)
{
    const QDateTime when = ParseFmtDateTimeDef(s);
    const qint64 m = DurationMinutes(when.msecsTo(AppClock::now()));
    if (m < 100)
        return QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
    return flag ? QStringLiteral("99+") : QStringLiteral("99_");
}
