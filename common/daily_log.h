#pragma once

#include <QDateTime>
#include <QString>

struct HEADER;

// Appends "dd hh:mm:ss:zzz-<msg>" CR LF to LOG/<yyyymmdd>.log. A failed write is silent: the
// log is a diagnostic channel and must never break the caller.
void WriteLog(const QString &msg);

// Appends "dd hh:mm:ss.zzz-<msg>" CR LF to the given trace file, creating it when missing.
void WriteLogTo(const QString &msg, const QString &fileName);

// Appends one caller-ID line to CID/<yyyymmdd>.log in the Korean code page, ended by LF only.
// Returns false when the line could not be written; the failure is also noted in the daily log
// instead of being thrown at the call-routing code.
bool WriteCidLog(const HEADER &rec);

// Logs "WriteTimeGapOver(<seconds>):<text>" when the whole-second gap between tStart and tEnd
// exceeds seconds. Only the test edition (row 0) writes it.
void WriteTimeGapOver(const QString &text, int seconds, const QDateTime &tStart, const QDateTime &tEnd);

// Full path of today's daily log file.
QString DailyLogPath();
