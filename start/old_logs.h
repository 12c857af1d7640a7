#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Removes daily logs older than one calendar month before today from logDir. Only files named
// like a daily log are looked at: "yyyymmdd" + anything + ".log" (the daily log and its kin) and
// "yyyy-mm-dd.log" (the start-up error log); everything else in the folder, and every
// sub-folder, is left alone. So the record of a failed start survives the next start.
// Returns the names it deleted; a failure is logged as
// "procedure DeleteOldLogFile Exception Err " + text and ends the clean-up.
QStringList DeleteOldLogFile(const QString &logDir, const QDate &today);

// The date a daily-log file name carries, or an invalid date when the name is not one.
QDate DailyLogNameDate(const QString &fileName);
