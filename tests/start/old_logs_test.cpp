#include "start/old_logs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(DeleteOldLogFile, DeletesOnlyDailyLogsOlderThanOneMonth)
{
    QTemporaryDir dir;
    const QDate today(2026, 3, 31);
    const QStringList names = {
        QStringLiteral("20260331.log"),     // today
        QStringLiteral("20260228.log"),     // one calendar month back (Feb has no 31st): kept
        QStringLiteral("20260227.log"),     // older: deleted
        QStringLiteral("20260219.log"),     // 40 days back: deleted
        QStringLiteral("20250101_trace.log"),
        QStringLiteral("2026-02-01.log"),   // an old start-up error log: deleted when old
        QStringLiteral("2026-03-30.log"),   // the record of yesterday's failed start: kept
        QStringLiteral("notes.txt"),        // not a log: left alone
        QStringLiteral("abc"),              // short name: left alone
        QStringLiteral("20260101.txt"),     // dated but not a log: left alone
        QStringLiteral("99999999.log"),     // no date: left alone
    };
    for (const QString &n : names) {
        QFile f(dir.filePath(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("20200101.log")));

    QStringList deleted = DeleteOldLogFile(dir.path(), today);
    deleted.sort();
    EXPECT_EQ(deleted, (QStringList{"20250101_trace.log", "2026-02-01.log", "20260219.log", "20260227.log"}));
    QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    left.sort();
    EXPECT_EQ(left, (QStringList{"20200101.log", "2026-03-30.log", "20260101.txt", "20260228.log", "20260331.log",
                                 "99999999.log", "abc", "notes.txt"}));
}

TEST(DeleteOldLogFile, MissingFolderIsHarmless)
{
    EXPECT_TRUE(DeleteOldLogFile(QStringLiteral("/nonexistent/LOG/"), QDate(2026, 1, 1)).isEmpty());
}
