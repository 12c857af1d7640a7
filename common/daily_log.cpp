#include "common/daily_log.h"

#include "common/caller_id_header.h"
#include "text/cp949.h"
#include "common/program_globals.h"
#include "platform/app_paths.h"
#include "platform/clock.h"

#include <QFile>

namespace
{
QString logDir()
{
    return G_LOG_DIR.isEmpty() ? AppPaths::logDir() : G_LOG_DIR;
}

QString cidDir()
{
    return G_CID_DIR.isEmpty() ? AppPaths::cidDir() : G_CID_DIR;
}

bool appendBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const bool ok = file.write(bytes) == bytes.size();
    file.close();
    return ok;
}
} // namespace

QString DailyLogPath()
{
    return logDir() + AppClock::now().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log");
}

void WriteLog(const QString &msg)
{
    const QDateTime now = AppClock::now();
    const QString path = logDir() + now.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log");
    const QString line = now.toString(QStringLiteral("dd HH:mm:ss:zzz")) + QLatin1Char('-') + msg
                         + QStringLiteral("\r\n");
    appendBytes(path, line.toUtf8());
}

void WriteLogTo(const QString &msg, const QString &fileName)
{
    const QString line = AppClock::now().toString(QStringLiteral("dd HH:mm:ss.zzz")) + QLatin1Char('-') + msg
                         + QStringLiteral("\r\n");
    appendBytes(fileName, line.toUtf8());
}

bool WriteCidLog(const HEADER &rec)
{
    const QDateTime now = AppClock::now();
    const QString path = cidDir() + now.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log");
    const QString line = QLatin1Char('(') + now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss:zzz"))
                         + QStringLiteral(") ") + rec.sSndTime.trimmed() + QLatin1Char(',')
                         + rec.sMainLn.trimmed() + QLatin1Char(',') + rec.sTelNum.trimmed()
                         + QLatin1Char(',') + rec.sLine.trimmed() + QLatin1Char('\n');
    if (appendBytes(path, Cp949::encode(line)))
        return true;
    WriteLog(QStringLiteral("WriteCidLog Err : ") + path);
    return false;
}

void WriteTimeGapOver(const QString &text, int seconds, const QDateTime &tStart, const QDateTime &tEnd)
{
    if (G_EDITION_IDX != 0)
        return;
    const qint64 gap = tEnd.toSecsSinceEpoch() - tStart.toSecsSinceEpoch();
    if (gap > seconds)
        WriteLog(QStringLiteral("WriteTimeGapOver(") + QString::number(seconds) + QStringLiteral("):") + text);
}
