#pragma once

#include <QDateTime>
#include <QString>

// Date texts use the program's formats: dates "yyyy-mm-dd", times "hh:nn:ss" (format
// letters: "mm" right after an hour means minutes, "nn" always means minutes).

// "yyyymmdd" -> "yyyy-mm-dd"; a text of 7 characters or fewer gives "3000-12-31" (no end date).
QString FormatYmdDash(const QString &s);

// The current time in one of the six formats the program uses ("yyyy-mm-dd hh:mm:ss",
// "yyyymmddhhmmss", "yyyymmdd", "yyyy-mm-dd", "hhmmss", "yyyy-mm-dd hh:mm:ss:zzz"); any other
// format gives the empty text.
QString NowStr(const QString &fmt);

// " 일 월 ..." for the days whose flag (Sunday first) is "1"; every day when none is set.
QString WeekdaysText(const QString &flags);

// Whether the "hhnn" text t lies in [start, end], the window running past midnight when end
// sorts before start. False when start or end is empty or their lengths differ.
bool TimeInRange(const QString &t, const QString &start, const QString &end);

// Formats when with one of the program's formats ("yyyy-mm-dd hh:nn:ss", "yymmdd", ...).
QString FormatDateTimeFmt(const QString &fmt, const QDateTime &when);

// Reads a date-time text of the program's format ("yyyy-mm-dd", optionally followed by
// "hh:nn", "hh:nn:ss" or "hh:nn:ss.zzz"); ok tells whether it parsed.
QDateTime ParseFmtDateTime(const QString &s, bool *ok = nullptr);
// As ParseFmtDateTime, giving the current time when the text does not parse (also when empty).
QDateTime ParseFmtDateTimeDef(const QString &s);

// A duration as a clock text "hh:nn" or "hh:nn:ss" of its absolute value. The hours do not wrap
// at a day: 25 hours show as "25:00".
QString DurationClock(qint64 msecs, bool withSeconds);
// Whole minutes of the absolute value of a duration.
qint64 DurationMinutes(qint64 msecs);

// The current time minus the business-day start hour (05), formatted with fmt: the business
// day changes at 05:00, so at 04:59 on the 2nd the business date is the 1st.
QString BusinessDateStr(const QString &fmt);


// 8 digits -> "yyyy-mm-dd", 14 digits -> "yyyy-mm-dd hh:nn:ss"; empty for any other input.
QString FormatDateDigits(const QString &s);

// The date of the three numbers; the current time when they do not form a date.
QDateTime EncodeDateStr(const QString &year, const QString &month, const QString &day);

// "hh:nn:ss" -> minutes "분" seconds "초" (seconds as written); empty for an empty or bad text.
QString ClockToMinSecText(const QString &s);

// Whole minutes between s and now in two digits; 100 and more give "99+" (flag) or "99_".
QString ElapsedMinText(const QString &s, bool flag);

// Hour at which the business day starts; earlier hours belong to the day before.
extern const QString G_DAY_START_HOUR;
