#include "records/order_time_texts.h"
#include "platform/clock.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

namespace
{
class OrderTimeTextsTest : public ::testing::Test
{
protected:
    void SetUp() override { AppClock::setFixed(QDateTime(QDate(2026, 7, 9), QTime(12, 0, 0))); }
    void TearDown() override { AppClock::clearFixed(); }
};

TEST_F(OrderTimeTextsTest, ElapsedColumnByStatusAndMode)
{
    const struct
    {
        const char *status, *time1, *time2, *end;
        int mode;
        const char *text;
    } cases[] = {
        {"1002", "2026-07-09 11:48:30", "", "", 0, "11분"},
        {"1002", "2026-07-09 12:10:00", "", "", 0, ""},        // not yet reached
        {"x", "2026-07-09 11:00:00", "", "", 0, "60분"},         // unreadable status counts as 1001
        {"2001", "2026-07-09 11:30:00", "20", "", 1, "10분"},    // past the ready time
        {"2001", "2026-07-09 11:50:00", "20", "", 1, "-10분"},   // ready in 10 minutes
        {"2001", "", "45", "", 1, "-45분"},
        {"3001", "", "1230", "", 2, "-30분"},
        {"3001", "", "1130", "", 2, "30분"},
        {"3001", "", "930", "", 2, "150분"},
        {"3001", "", "0130", "", 2, "-810분"},                   // before 05:00 means tomorrow
        {"3001", "", "2026-07-09 11:15:00", "", 3, "45분"},
        {"3001", "", "2026-07-09 12:15:00", "", 3, "-15분"},
        {"2001", "", "1230", "", 2, ""},
        {"3003", "", "2026-07-09 11:40:00", "", 0, "20분"},
        {"3003", "", "2026-07-09 11:40:00", "", 1, ""},
        {"4001", "2026-07-09 10:00:00", "", "2026-07-09 10:42:00", 0, "42분"},
        {"4002", "2026-07-09 10:00:00", "", "", 0, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OrderElapsedText(c.status, c.time1, c.time2, c.end, c.mode), QString::fromUtf8(c.text))
            << c.status << " mode " << c.mode << " " << c.time1 << c.time2;
}

TEST_F(OrderTimeTextsTest, DurationsOfADayAndMoreDoNotWrap)
{
    EXPECT_EQ(OrderElapsedText("1002", "2026-07-08 11:00:00", "", "", 0), "1500분");
    EXPECT_EQ(OverMinutesText("2026-07-08 11:00:00", "", "0", 2001), "1500분");
    const TOrderTimeColumns cols = DateTimeToAddStr4({"2026-07-08 10:00:00", "2026-07-08 11:00:00", "", "", "", "2001"}, "2222");
    EXPECT_EQ(cols.AAddTime, "1500");
    EXPECT_EQ(cols.AAddTimeAll, 1560);
}

TEST_F(OrderTimeTextsTest, OverMinutesAgainstNowOrTheEnd)
{
    EXPECT_EQ(OverMinutesText("2026-07-09 11:00:00", "", "30", 3001), "30분");
    EXPECT_EQ(OverMinutesText("2026-07-09 11:50:00", "", "30", 3001), "-20분");
    EXPECT_EQ(OverMinutesText("2026-07-09 11:00:00", "2026-07-09 11:45:00", "30", 4001), "15분");
    EXPECT_EQ(OverMinutesText("2026-07-09 11:00:00", "2026-07-09 11:20:00", "30", 4001), "-10분");
}

TEST_F(OrderTimeTextsTest, FourTimeColumnsAndTheirViews)
{
    const TOrderTimes t = {"2026-07-09 11:00:00", "2026-07-09 11:05:00", "2026-07-09 11:12:30",
                           "2026-07-09 11:30:00", "2026-07-09 11:50:15", "4001"};
    TOrderTimeColumns c = DateTimeToAddStr4(t, "0000");
    EXPECT_EQ(c.tmReq, "11:05(5분00초)");
    EXPECT_EQ(c.tmCTH, "11:12(7분30초)");
    EXPECT_EQ(c.tmStart, "11:30(17분30초)");
    EXPECT_EQ(c.tmEnd, "11:50(20분15초)");
    EXPECT_EQ(c.AAddTime, "45");
    EXPECT_EQ(c.AAddTimeAll, 50);

    c = DateTimeToAddStr4(t, "12");
    EXPECT_EQ(c.tmReq, "11:05");
    EXPECT_EQ(c.tmCTH, "7분30초");
    EXPECT_EQ(c.tmStart, "11:30(17분30초)"); // a missing mode shows both

    // Nothing reached yet: only the overall age counts.
    c = DateTimeToAddStr4({"2026-07-09 11:40:00", "", "", "", "", "1001"}, "0000");
    EXPECT_EQ(c.tmReq, "");
    EXPECT_EQ(c.tmEnd, "");
    EXPECT_EQ(c.AAddTime, "");
    EXPECT_EQ(c.AAddTimeAll, 20);
    // Pickup without dispatch measures from the request.
    c = DateTimeToAddStr4({"", "2026-07-09 11:00:00", "", "2026-07-09 11:25:00", "", "3003"}, "2222");
    EXPECT_EQ(c.tmStart, "25분00초");
    EXPECT_EQ(c.AAddTimeAll, -1);
}

TEST_F(OrderTimeTextsTest, TimedSurchargesAddUpInsideTheirWindows)
{
    EXPECT_EQ(TimeSurchargeText(""), "");
    EXPECT_EQ(TimeSurchargeText("*01_AA_110013001500"), "시간:500원");
    EXPECT_EQ(TimeSurchargeText("*01_AA_110013001500,*01_AA_1130123011000,*01_AA_1100130025"),
              "시간:1500원 5%");
    EXPECT_EQ(TimeSurchargeText("*01_AA_1300140011000"), "");
    // A window past midnight.
    AppClock::setFixed(QDateTime(QDate(2026, 7, 9), QTime(23, 30)));
    EXPECT_EQ(TimeSurchargeText("*01_AA_2200020021x,*01_AA_2200020023,*02_AA_2200020011000,*01_AA"), "시간:3%");
}

TEST_F(OrderTimeTextsTest, DateTimeStyles)
{
    const QString s = "2026-07-09 08:05:03";
    const std::pair<int, QString> cases[] = {
        {0, "08:05"},          {1, "07-09 08:05"},    {2, "26-07-09 08:05"}, {3, "07-09\n08:05"},
        {4, "08:05:03"},       {5, "07-09 08:05:03"}, {6, "26-07-09"},       {7, ""},
        {-1, ""},
    };
    for (const auto &[style, out] : cases)
        EXPECT_EQ(DateTimeToStr(s, style), out) << style;
    EXPECT_EQ(DateTimeToStr("", 0), "");
    EXPECT_EQ(DateTimeToStr("not a date", 0), "");
}
} // namespace
