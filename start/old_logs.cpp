#include "start/old_logs.h"

#include "common/daily_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

QDate DailyLogNameDate(const QString &fileName)
{
    static const QRegularExpression compact(QStringLiteral("^(\\d{8}).*\\.log$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dashed(QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})\\.log$"), QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch m = compact.match(fileName);
    if (m.hasMatch())
        return QDate::fromString(m.captured(1), QStringLiteral("yyyyMMdd"));
    m = dashed.match(fileName);
    if (m.hasMatch())
        return QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd"));
    return {};
}

QStringList DeleteOldLogFile(const QString &logDir, const QDate &today)
{
    QStringList deleted;
    const QDate cutOff = today.addMonths(-1);
    const QDir dir(logDir);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &file : files) {
        const QDate date = DailyLogNameDate(file.fileName());
        if (!date.isValid() || date >= cutOff)
            continue;
        QFile f(file.absoluteFilePath());
        if (!f.remove()) {
            WriteLog(QStringLiteral("procedure DeleteOldLogFile Exception Err ") + f.errorString());
            break;
        }
        deleted << file.fileName();
    }
    return deleted;
}
