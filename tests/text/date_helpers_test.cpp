#include "text/date_helpers.h"
#include "platform/clock.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

namespace
{
class DateHelpersTest : public ::testing::Test
{
protected:
    void TearDown() override { AppClock::clearFixed(); }
    static void at(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0)
    {
        AppClock::setFixed(QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms)));
    }
};

TEST_F(DateHelpersTest, BusinessDayChangesAtFiveInTheMorning)
{
    const struct
    {
        int h, mi, s;
        const char *date;
    } cases[] = {
        {4, 59, 59, "2026-03-01"}, {5, 0, 0, "2026-03-02"}, {0, 0, 0, "2026-03-01"}, {23, 59, 59, "2026-03-02"},
    };
    for (const auto &c : cases) {
        at(2026, 3, 2, c.h, c.mi, c.s);
        EXPECT_EQ(BusinessDateStr("yyyy-mm-dd"), c.date) << c.h << ":" << c.mi;
    }
    // Across a month and a year boundary.
    at(2026, 1, 1, 4, 59);
    EXPECT_EQ(BusinessDateStr("yyyymmdd"), "20251231");
    at(2026, 3, 1, 4, 0);
    EXPECT_EQ(BusinessDateStr("yyyymmdd"), "20260228");
}

TEST_F(DateHelpersTest, NowStrKnowsTheSixFormatsOnly)
{
    at(2026, 7, 9, 8, 5, 3, 42);
    EXPECT_EQ(NowStr("yyyy-mm-dd hh:mm:ss"), "2026-07-09 08:05:03");
    EXPECT_EQ(NowStr("yyyymmddhhmmss"), "20260709080503");
    EXPECT_EQ(NowStr("yyyymmdd"), "20260709");
    EXPECT_EQ(NowStr("yyyy-mm-dd"), "2026-07-09");
    EXPECT_EQ(NowStr("hhmmss"), "080503");
    EXPECT_EQ(NowStr("yyyy-mm-dd hh:mm:ss:zzz"), "2026-07-09 08:05:03:042");
    EXPECT_EQ(NowStr("dd/mm/yyyy"), "");
}

TEST_F(DateHelpersTest, YmdDashAndDateDigits)
{
    EXPECT_EQ(FormatYmdDash("20260709"), "2026-07-09");
    EXPECT_EQ(FormatYmdDash("2026"), "3000-12-31");
    EXPECT_EQ(FormatYmdDash("2026070"), "3000-12-31");
    EXPECT_EQ(FormatDateDigits("20260709"), "2026-07-09");
    EXPECT_EQ(FormatDateDigits("20260709183005"), "2026-07-09 18:30:05");
    EXPECT_EQ(FormatDateDigits(""), "");
    EXPECT_EQ(FormatDateDigits("202607"), "");
}

TEST_F(DateHelpersTest, WeekdaysInOrderWithLeadingSpaces)
{
    EXPECT_EQ(WeekdaysText("0100010"), " 월 금");
    EXPECT_EQ(WeekdaysText("1000001"), " 일 토");
    EXPECT_EQ(WeekdaysText("0000000"), " 일 월 화 수 목 금 토");
    EXPECT_EQ(WeekdaysText(""), " 일 월 화 수 목 금 토");
    EXPECT_EQ(WeekdaysText("01"), " 월");
}

TEST_F(DateHelpersTest, TimeWindowsIncludingPastMidnight)
{
    const struct
    {
        const char *t, *start, *end;
        bool inside;
    } cases[] = {
        {"2330", "2200", "0200", true},  {"0100", "2200", "0200", true},  {"1200", "2200", "0200", false},
        {"2200", "2200", "0200", true},  {"0200", "2200", "0200", true},  {"0201", "2200", "0200", false},
        {"0900", "0900", "1800", true},  {"1800", "0900", "1800", true},  {"1801", "0900", "1800", false},
        {"1000", "", "1800", false},     {"1000", "0900", "", false},     {"1000", "900", "1800", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TimeInRange(c.t, c.start, c.end), c.inside) << c.t << " " << c.start << "-" << c.end;
}

TEST_F(DateHelpersTest, EncodeDateFallsBackToNow)
{
    at(2026, 7, 9, 8, 5);
    EXPECT_EQ(EncodeDateStr("2024", "2", "29"), QDateTime(QDate(2024, 2, 29), QTime(0, 0)));
    EXPECT_EQ(EncodeDateStr("2025", "2", "29"), AppClock::now());
    EXPECT_EQ(EncodeDateStr("x", "1", "1"), AppClock::now());
}

TEST_F(DateHelpersTest, ClockTextsAndDurationsPastADay)
{
    EXPECT_EQ(ClockToMinSecText("01:05:07"), "65분07초");
    EXPECT_EQ(ClockToMinSecText("25:00:00"), "1500분00초");
    EXPECT_EQ(ClockToMinSecText(""), "");
    EXPECT_EQ(ClockToMinSecText("1:2"), "");

    EXPECT_EQ(DurationClock(qint64(25) * 3600 * 1000 + 61000, true), "25:01:01");
    EXPECT_EQ(DurationClock(-qint64(90) * 60 * 1000, false), "01:30");
    EXPECT_EQ(DurationMinutes(qint64(26) * 3600 * 1000 + 59999), 26 * 60);
}

TEST_F(DateHelpersTest, ElapsedMinutesCapAtNinetyNine)
{
    at(2026, 7, 9, 12, 0);
    EXPECT_EQ(ElapsedMinText("2026-07-09 11:55:00", true), "05");
    EXPECT_EQ(ElapsedMinText("2026-07-09 10:21:00", true), "99");
    EXPECT_EQ(ElapsedMinText("2026-07-09 10:20:00", true), "99+");
    EXPECT_EQ(ElapsedMinText("2026-07-09 10:20:00", false), "99_");
    EXPECT_EQ(ElapsedMinText("2026-07-09 12:07:30", false), "07");
    EXPECT_EQ(ElapsedMinText("garbage", true), "00");
}
} // namespace
