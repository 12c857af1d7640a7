#include "history/statistics_query.h"

#include <gtest/gtest.h>

using namespace Statistics;

TEST(StatisticsPeriod, DayRangeAllowsLessThanOneCalendarMonth)
{
    struct Case
    {
        const char *start, *end;
        bool ok;
        const char *message;
    };
    const Case cases[] = {
        {"2025-03-01", "2025-03-31", true, ""},
        {"2025-02-28", "2025-03-31", false, "검색기간은 시작일로부터 최대 1개월입니다."},
        {"2025-02-16", "2025-03-15", true, ""},
        {"2025-02-15", "2025-03-15", false, "검색기간은 시작일로부터 최대 1개월입니다."},
        // No check compares start and end otherwise: a start after the end goes out as it is.
        {"2025-03-20", "2025-03-10", true, ""},
        {"", "2025-03-10", false, "조회기간 시작 범위가 없습니다."},
        {"    -  -  ", "2025-03-10", false, "조회기간 시작 범위가 없습니다."},
        {"2025-03-01", "  ", false, "조회기간 종료 범위가 없습니다."},
        {"2025-13-01", "2025-03-10", false, "조회기간을 잘못 입력 하셨습니다."},
    };
    for (const Case &c : cases) {
        PeriodInput in;
        in.dayStart = QString::fromUtf8(c.start);
        in.dayEnd = QString::fromUtf8(c.end);
        const PeriodCheck r = CheckPeriod(kPeriodTab, in);
        EXPECT_EQ(r.ok, c.ok) << c.start << " " << c.end;
        EXPECT_EQ(r.message, QString::fromUtf8(c.message)) << c.start << " " << c.end;
        EXPECT_EQ(r.kind, "1");
        if (r.ok) {
            EXPECT_EQ(r.from, QString::fromUtf8(c.start).remove('-'));
            EXPECT_EQ(r.to, QString::fromUtf8(c.end).remove('-'));
        }
    }
    PeriodInput blankEnd;
    blankEnd.dayStart = "2025-03-01";
    EXPECT_EQ(CheckPeriod(kCourierTab, blankEnd).focus, PeriodField::DayEnd);
}

TEST(StatisticsPeriod, MonthRangeCoversSixMonthsOnPeriodAndSettlementTabsElseThree)
{
    struct Case
    {
        int tab;
        const char *start, *end;
        bool ok;
        const char *from;
        const char *message;
    };
    const Case cases[] = {
        {kPeriodTab, "2025-01", "2025-06", true, "202501", ""},
        {kPeriodTab, "2024-12", "2025-06", false, "", "검색기간은 시작일로부터 최대 6개월입니다."},
        {kSettlementTab, "2025-01", "2025-06", true, "202501", ""},
        {kWeekdayTab, "2025-04", "2025-06", true, "202504", ""},
        {kWeekdayTab, "2025-03", "2025-06", false, "", "검색기간은 시작일로부터 최대 3개월입니다."},
        {kTimeTab, "2025-3", "2025-05", true, "202503", ""},
        {kCourierTab, "2025-03", "2025-06", false, "", "검색기간은 시작일로부터 최대 3개월입니다."},
        {kStoreTab, "2025-04", "2025-6", true, "202504", ""},
        {kStoreTab, "2025-0", "2025-06", false, "", "조회기간을 잘못 입력 하셨습니다."},
        {kStoreTab, "202504", "2025-06", true, "202504", ""}, // six characters: the sixth is the month
        {kStoreTab, "2025", "2025-06", false, "", "조회기간 시작 범위가 없습니다."},
        {kStoreTab, "2025-04", "2025-006", false, "", "조회기간 종료 범위가 없습니다."},
    };
    for (const Case &c : cases) {
        PeriodInput in;
        in.monthRange = true;
        in.monthStart = QString::fromUtf8(c.start);
        in.monthEnd = QString::fromUtf8(c.end);
        const PeriodCheck r = CheckPeriod(c.tab, in);
        EXPECT_EQ(r.ok, c.ok) << c.tab << " " << c.start << " " << c.end;
        EXPECT_EQ(r.message, QString::fromUtf8(c.message)) << c.tab << " " << c.start << " " << c.end;
        EXPECT_EQ(r.kind, "2");
        if (r.ok) {
            EXPECT_EQ(r.from, QString::fromUtf8(c.from));
        }
    }
}

TEST(StatisticsPeriod, BlackoutNoticeShowsInsideItsWindowOnly)
{
    EXPECT_EQ(BlackoutNoticeText("1800", "2200"), "※ 18:00 ~ 22:00 사이에는 조회가 불가합니다.");
    struct Case
    {
        const char *from, *to, *now;
        bool shown;
    };
    const Case cases[] = {
        {"1800", "2200", "1759", false}, {"1800", "2200", "1800", true}, {"1800", "2200", "2200", true},
        {"1800", "2200", "2201", false}, {"2300", "0100", "2330", false}, {"2300", "0100", "0030", false},
        {"", "", "1200", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(BlackoutNoticeShown(c.from, c.to, c.now), c.shown) << c.from << "-" << c.to << " " << c.now;
}

TEST(StatisticsSearch, EachTabAndUserClassSendsItsCodeAndFields)
{
    const UserIdentity distributor{"branch01", "5000", "H0001"};
    const UserIdentity head{"head01", "7001", "H0001"};
    PeriodCheck days;
    days.ok = true;
    days.kind = "1";
    days.from = "20251101";
    days.to = "20251130";
    const TargetItem all{"", kTagAll};
    const TargetItem branch{"B000101", kTagBranch};
    const TargetItem office{"H0002", kTagHeadOffice};
    struct Case
    {
        int tab;
        UserIdentity user;
        TargetItem target;
        bool byTarget;
        const char *code;
        QStringList fields;
    };
    const Case cases[] = {
        {kPeriodTab, distributor, branch, true, "CS02_02_V01", {"branch01", "5000", "B000101", "1", "20251101", "20251130"}},
        {kPeriodTab, head, all, true, "CS02_03_V01", {"head01", "7001", "H0001", "", "1", "20251101", "20251130", "1"}},
        {kPeriodTab, head, office, false, "CS02_03_V01", {"head01", "7001", "H0002", "H0002", "1", "20251101", "20251130", "2"}},
        {kWeekdayTab, head, branch, false, "CS02_04_V01", {"head01", "7001", "H0001", "B000101", "20251101", "20251130"}},
        {kTimeTab, distributor, all, false, "CS02_05_V01", {"branch01", "5000", "H0001", "", "20251101", "20251130"}},
        {kSettlementTab, distributor, all, true, "CS02_06_V01", {"branch01", "5000", "", "1", "20251101", "20251130"}},
        {kSettlementTab, head, all, true, "CS02_07_V01", {"head01", "7001", "H0001", "", "1", "0", "20251101", "20251130", "1"}},
        {kSettlementTab, head, office, true, "CS02_07_V01", {"head01", "7001", "H0002", "H0002", "1", "1", "20251101", "20251130", "1"}},
        {kSettlementTab, head, branch, false, "CS02_07_V01", {"head01", "7001", "H0001", "B000101", "1", "2", "20251101", "20251130", "2"}},
        {kCourierTab, head, branch, false, "CS02_08_V01", {"head01", "7001", "B000101", "1", "20251101", "20251130"}},
        {kStoreTab, distributor, branch, false, "CS02_09_V01", {"branch01", "5000", "H0001", "B000101", "1", "20251101", "20251130"}},
    };
    for (const Case &c : cases) {
        const SearchRequest r = BuildSearch(c.tab, c.user, c.target, days, c.byTarget);
        EXPECT_EQ(r.code, QString::fromLatin1(c.code)) << c.tab;
        EXPECT_EQ(r.fields, c.fields) << c.tab << " " << c.code;
    }
    // Every field is closed by the separator, the last one too.
    const SearchRequest one = BuildSearch(kCourierTab, distributor, all, days, false);
    EXPECT_EQ(one.payload(), QString("branch01│5000││1│20251101│20251130│"));

    EXPECT_TRUE(PeriodTabNeedsGroupQuestion(head, branch, true));
    EXPECT_FALSE(PeriodTabNeedsGroupQuestion(head, branch, false));
    EXPECT_FALSE(PeriodTabNeedsGroupQuestion(head, all, true));
    EXPECT_FALSE(PeriodTabNeedsGroupQuestion(distributor, branch, true));
}
