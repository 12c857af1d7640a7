#pragma once

#include "common/caller_id_header.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// One row of the call history grid.
struct CallHistoryRow
{
    QString sndTime;   // "수신시간"
    QString caller;    // "발신자번호", hyphenated
    QString mainLine;  // "수신번호", hyphenated
    QString received = QStringLiteral("수신");
    QString line;      // "PRI_NUM"
};

// The call-log folder (G_CID_DIR once the start has set it); ends with '/'.
QString CallLogDir();
// Today's call log file: the call-log folder + "yyyymmdd.log".
QString CallLogPath(const QDate &day);
// One log line as a row: the text after the first ") ", split at ","; nothing for a line that is
// not a call (no ") ", fewer than four pieces).
std::optional<CallHistoryRow> ParseCallLogLine(const QString &line);
// The rows of a log file; nothing when the file does not exist (the grid then keeps its rows).
// At most kMaxHistoryRows of the file's last lines are read.
inline constexpr int kMaxHistoryRows = 20000;
std::optional<QList<CallHistoryRow>> LoadCallLog(const QString &path);
// The record a history row routes again ("117", the extension's first four characters as
// station).
HEADER CallRecordOfHistoryRow(const CallHistoryRow &row, const QString &extension);
