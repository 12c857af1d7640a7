#include "devices/call_history.h"

#include "devices/caller_id_records.h"
#include "common/program_globals.h"
#include "platform/app_paths.h"
#include "text/cp949.h"
#include "text/phone_helpers.h"

#include <QFile>
#include <QStringList>

QString CallLogDir()
{
    return G_CID_DIR.isEmpty() ? AppPaths::cidDir() : G_CID_DIR;
}

QString CallLogPath(const QDate &day)
{
    return CallLogDir() + day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log");
}

std::optional<CallHistoryRow> ParseCallLogLine(const QString &line)
{
    const qsizetype start = line.indexOf(QStringLiteral(") "));
    if (start < 0)
        return std::nullopt;
    QString rest = line.mid(start + 2);
    while (rest.endsWith(QLatin1Char('\n')) || rest.endsWith(QLatin1Char('\r')))
        rest.chop(1);
    const QStringList p = rest.split(QLatin1Char(','));
    if (p.size() < 4)
        return std::nullopt;
    CallHistoryRow row;
    row.sndTime = p.at(0);
    row.caller = FormatPhone(p.at(2), 0);
    row.mainLine = FormatPhone(p.at(1), 0);
    row.line = p.at(3);
    return row;
}

std::optional<QList<CallHistoryRow>> LoadCallLog(const QString &path)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A day's log is small; a damaged or foreign file is read only up to its last few megabytes.
    constexpr qint64 kMaxLogBytes = 4 * 1024 * 1024;
    if (file.size() > kMaxLogBytes)
        file.seek(file.size() - kMaxLogBytes);
    QList<CallHistoryRow> rows;
    const QList<QByteArray> lines = file.readAll().split('\n');
    const qsizetype first = std::max<qsizetype>(0, lines.size() - kMaxHistoryRows);
    for (qsizetype i = first; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        if (auto row = ParseCallLogLine(Cp949::decode(lines.at(i))))
            rows << *row;
    }
    return rows;
}

HEADER CallRecordOfHistoryRow(const CallHistoryRow &row, const QString &extension)
{
    HEADER rec = BlankCallRecord();
    rec.sType = QStringLiteral("117");
    rec.sResult = QStringLiteral("00");
    rec.sTelNum = RemoveHyphens(row.caller);
    rec.sMainLn = RemoveHyphens(row.mainLine);
    rec.sLine = row.line;
    rec.sStation = extension.left(4);
    rec.sSndTime = row.sndTime;
    return FitCallRecord(rec);
}
