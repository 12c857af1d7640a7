#include "common/caller_id_header.h"
#include "text/cp949.h"
#include "common/daily_log.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace
{
class DailyLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        G_LOG_DIR = m_dir.path() + QStringLiteral("/LOG/");
        G_CID_DIR = m_dir.path() + QStringLiteral("/CID/");
        QDir().mkpath(G_LOG_DIR);
        QDir().mkpath(G_CID_DIR);
    }
    void TearDown() override
    {
        AppClock::clearFixed();
        ResetSessionRecords();
    }
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

TEST_F(DailyLogTest, LinesAroundMidnightGoToTwoFilesWithColonBeforeMilliseconds)
{
    AppClock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(23, 59, 59, 45)));
    WriteLog(QStringLiteral("before"));
    AppClock::setFixed(QDateTime(QDate(2026, 3, 10), QTime(0, 0, 0, 5)));
    WriteLog(QStringLiteral("after 접속"));

    EXPECT_EQ(read(G_LOG_DIR + QStringLiteral("20260309.log")), QByteArray("09 23:59:59:045-before\r\n"));
    EXPECT_EQ(read(G_LOG_DIR + QStringLiteral("20260310.log")),
              QStringLiteral("10 00:00:00:005-after 접속\r\n").toUtf8());
}

TEST_F(DailyLogTest, TraceLinesUseFullStopBeforeMilliseconds)
{
    AppClock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(14, 3, 27, 45)));
    const QString trace = m_dir.path() + QStringLiteral("/trace.log");
    WriteLogTo(QStringLiteral("CS00_01_V02"), trace);
    EXPECT_EQ(read(trace), QByteArray("09 14:03:27.045-CS00_01_V02\r\n"));
}

TEST_F(DailyLogTest, MissingFolderLosesTheLineSilently)
{
    G_LOG_DIR = m_dir.path() + QStringLiteral("/missing/");
    WriteLog(QStringLiteral("lost"));
    EXPECT_FALSE(QDir(G_LOG_DIR).exists());
}

TEST_F(DailyLogTest, CallerIdLineIsCodePageTextEndedByLineFeedOnly)
{
    AppClock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(8, 1, 2, 3)));
    HEADER rec;
    rec.sSndTime = QStringLiteral("08010203 ");
    rec.sMainLn = QStringLiteral(" 0212345678");
    rec.sTelNum = QStringLiteral("01012345678");
    rec.sLine = QStringLiteral("똠1");
    ASSERT_TRUE(WriteCidLog(rec));
    const QByteArray expected = Cp949::encode(
        QStringLiteral("(2026-03-09 08:01:02:003) 08010203,0212345678,01012345678,똠1\n"));
    EXPECT_EQ(read(G_CID_DIR + QStringLiteral("20260309.log")), expected);
    EXPECT_TRUE(expected.contains(QByteArray("\x8c\x63", 2)));
}

TEST_F(DailyLogTest, CallerIdWriteFailureIsReportedNotThrown)
{
    G_CID_DIR = m_dir.path() + QStringLiteral("/no-such-folder/");
    EXPECT_FALSE(WriteCidLog(HEADER{}));
}

TEST_F(DailyLogTest, TimeGapComparesWholeSecondsOnlyForTestEdition)
{
    AppClock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(10, 0, 0)));
    const QDateTime start(QDate(2026, 3, 9), QTime(9, 0, 0, 0));
    G_EDITION_IDX = 39;
    WriteTimeGapOver(QStringLiteral("slow"), 1, start, start.addSecs(3));
    EXPECT_TRUE(read(DailyLogPath()).isEmpty());

    G_EDITION_IDX = 0;
    WriteTimeGapOver(QStringLiteral("tie"), 1, start, start.addMSecs(1999));
    WriteTimeGapOver(QStringLiteral("slow"), 1, start, start.addSecs(3));
    EXPECT_EQ(read(DailyLogPath()), QByteArray("09 10:00:00:000-WriteTimeGapOver(1):slow\r\n"));
}

TEST_F(DailyLogTest, MessageBoxWithoutScreenLogsTheTextAndNeverAgreesToAQuestion)
{
    AppClock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(10, 0)));
    const MsgBoxHandler previous = SetMsgBoxHandler(nullptr);
    const struct
    {
        const char *kind;
        int result;
    } cases[] = {{"I", 1}, {"E", 1}, {"Q", 2}, {"S", 6}, {"X", 0}, {"", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(MsgBox(QStringLiteral("text ") + QLatin1String(c.kind), QLatin1String(c.kind)), c.result) << c.kind;

    int calls = 0;
    SetMsgBoxHandler([&calls](const QString &, const QString &) { return ++calls; });
    EXPECT_EQ(MsgBox(QStringLiteral("unknown"), QStringLiteral("i")), 0);
    EXPECT_EQ(calls, 0);
    SetMsgBoxHandler(previous);

    const QString log = QString::fromUtf8(read(G_LOG_DIR + QStringLiteral("20260309.log")));
    EXPECT_TRUE(log.contains(QStringLiteral("-MsgBox[Q] text Q\r\n")));
    EXPECT_EQ(log.count(QStringLiteral("MsgBox[")), 4);
}
} // namespace
