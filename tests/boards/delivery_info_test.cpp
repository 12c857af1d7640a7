#include "boards/delivery_info.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

namespace
{
TDVRY_GRP_INFO openGroup()
{
    TDVRY_GRP_INFO g;
    g.DVRY_TYPE_CD = "D001";
    g.STATUS_TYPE = "1";
    g.MNG_YN = true;
    g.MNG_ETIME = "2200";
    g.VIEW_DATA = "0000000000";
    g.ST_2001 = 1;
    g.WK_3001 = 2;
    g.WK_3003 = 3;
    g.WK_ATT_CNT = 4;
    g.SH_ST_2001 = 10;
    g.SH_WK_3001 = 20;
    g.SH_WK_3003 = 30;
    return g;
}

// 2026-12-14 is a Monday.
QDateTime at(int day, int h, int m)
{
    return QDateTime(QDate(2026, 12, day), QTime(h, m));
}

struct ClockPin
{
    explicit ClockPin(const QDateTime &t) { AppClock::setFixed(t); }
    ~ClockPin() { AppClock::clearFixed(); }
};
} // namespace

TEST(DeliveryInfoLine, PartsInTheirOrder)
{
    struct Case
    {
        const char *what;
        void (*edit)(TDVRY_GRP_INFO &);
        QDateTime now;
        QString line;
    };
    const std::vector<Case> cases = {
        {"counts", [](TDVRY_GRP_INFO &) {}, at(14, 21, 59), "요청:1 배차:2 출발:3 출근:4"},
        {"closing minute", [](TDVRY_GRP_INFO &) {}, at(14, 22, 0), "[영업상태 : 배차불가]"},
        {"outside business hours", [](TDVRY_GRP_INFO &g) { g.MNG_YN = false; }, at(14, 12, 0), "[영업상태 : 배차불가]"},
        {"shared counts added", [](TDVRY_GRP_INFO &g) { g.VIEW_DATA = "0000100000"; }, at(14, 12, 0),
         "요청:11 배차:22 출발:33 출근:4"},
        {"other flag: own counts", [](TDVRY_GRP_INFO &g) { g.VIEW_DATA = "0000200000"; }, at(14, 12, 0),
         "요청:1 배차:2 출발:3 출근:4"},
        {"stopped with a delay and a surcharge",
         [](TDVRY_GRP_INFO &g) {
             g.STATUS_TYPE = "0";
             g.DELAY_TIME = 15;
             g.EX_YN = "Y";
             g.EX_S_TIME = "1100";
             g.EX_E_TIME = "1300";
             g.EX_CHARGE = "500";
         },
         at(14, 12, 0), "[영업상태 : 배차불가][배송원 콜 보기 : 배송원 콜 안보임] [지연-15분] [할증 시간:500원]"},
        {"time window past midnight", [](TDVRY_GRP_INFO &g) { g.EX_YN = "Y"; g.EX_S_TIME = "2300"; g.EX_E_TIME = "0200"; g.EX_CHARGE = "1000"; },
         at(14, 1, 0), "요청:1 배차:2 출발:3 출근:4 [할증 시간:1000원]"},
        {"weekday of the business day: 03:00 Monday counts as Sunday",
         [](TDVRY_GRP_INFO &g) { g.EX_WEEKDAY_YN = "Y"; g.EX_WEEKDAY_FEE = "700"; g.EX_WEEKDAY_DAY = "1000000"; },
         at(14, 3, 0), "요청:1 배차:2 출발:3 출근:4 [할증 요일:700원]"},
        {"Monday afternoon has no Sunday surcharge",
         [](TDVRY_GRP_INFO &g) { g.EX_WEEKDAY_YN = "Y"; g.EX_WEEKDAY_FEE = "700"; g.EX_WEEKDAY_DAY = "1000000"; },
         at(14, 15, 0), "요청:1 배차:2 출발:3 출근:4"},
        {"weekday fee not a number",
         [](TDVRY_GRP_INFO &g) { g.EX_WEEKDAY_YN = "Y"; g.EX_WEEKDAY_FEE = "x"; g.EX_WEEKDAY_DAY = "1111111"; },
         at(14, 15, 0), "요청:1 배차:2 출발:3 출근:4"},
        {"weather in percent alone", [](TDVRY_GRP_INFO &g) { g.EX_ADD_YN = "Y"; g.EX_ADD_FEE = "10"; g.EX_ADD_TYPE = "2"; },
         at(14, 15, 0), "요청:1 배차:2 출발:3 출근:4 [할증 눈/비:10%]"},
        {"weather after a time surcharge",
         [](TDVRY_GRP_INFO &g) {
             g.EX_YN = "Y"; g.EX_S_TIME = "1400"; g.EX_E_TIME = "1600"; g.EX_CHARGE = "1000";
             g.EX_ADD_YN = "Y"; g.EX_ADD_FEE = "500"; g.EX_ADD_TYPE = "1";
         },
         at(14, 15, 0), "요청:1 배차:2 출발:3 출근:4 [할증 시간:1000원 눈/비:500원]"},
        {"weather of an unknown kind adds nothing",
         [](TDVRY_GRP_INFO &g) { g.EX_ADD_YN = "Y"; g.EX_ADD_FEE = "500"; g.EX_ADD_TYPE = "3"; },
         at(14, 15, 0), "요청:1 배차:2 출발:3 출근:4"},
        {"timed surcharge list replaces the window",
         [](TDVRY_GRP_INFO &g) {
             g.EX_YN = "Y"; g.EX_S_TIME = "1400"; g.EX_E_TIME = "1600"; g.EX_CHARGE = "1000";
             g.EX_TIME_STR = "*01_AA_14001600" "1" "300";
         },
         at(14, 15, 0), "요청:1 배차:2 출발:3 출근:4 [할증 시간:300원]"},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        ClockPin pin(k.now);
        TDVRY_GRP_INFO g = openGroup();
        k.edit(g);
        EXPECT_EQ(DeliveryInfoLine(g, k.now), k.line);
    }
}

TEST(DeliveryInfoLine, CaptionOnlyForOneTickedBranch)
{
    const QList<TDVRY_GRP_INFO> groups = {openGroup()};
    std::array<QStringList, 8> sel;
    const QDateTime now = at(14, 12, 0);
    EXPECT_EQ(DeliveryInfoCaption(groups, sel, now), "");
    sel[2] = QStringList{"D001"};
    sel[4] = QStringList{"B1"};
    EXPECT_EQ(DeliveryInfoCaption(groups, sel, now), "  요청:1 배차:2 출발:3 출근:4");
    sel[2] = QStringList{"D001", "D002"};
    sel[4] = QStringList{"B1", "B2"};
    EXPECT_EQ(DeliveryInfoCaption(groups, sel, now), "");
    sel[2] = QStringList{"D999"};
    sel[4] = QStringList{"B9"};
    EXPECT_EQ(DeliveryInfoCaption(groups, sel, now), "");
    EXPECT_EQ(DeliveryInfoCaption({}, sel, now), "");
}

TEST(NoticeTicker, EachNoticeStandsSixTicksWithABlink)
{
    const QString stx(QChar(0x0002));
    NoticeTicker t;
    bool changed = false;
    ASSERT_TRUE(t.setNotices({"첫 공지" + stx + "11", "둘째 공지" + stx + "22"}, changed));
    EXPECT_EQ(t.items(), (QList<TickerNotice>{{"첫 공지", 11}, {"둘째 공지", 22}}));
    EXPECT_EQ(t.current()->seqNo, 11);

    QString seen;
    for (int i = 0; i < 13; ++i) {
        t.tick(false, true);
        seen += t.visible() ? QString::number(t.current()->seqNo % 10) : QStringLiteral("-");
    }
    // shown, shown, blink, shown, shown, off and next; and round again after the last.
    EXPECT_EQ(seen, "11-11-22-22-1");

    // The same list again changes nothing; the position runs on.
    EXPECT_FALSE(t.setNotices({"첫 공지" + stx + "11", "둘째 공지" + stx + "22"}, changed));
    // A flagged change rebuilds and starts at the first notice; the flag is cleared.
    changed = true;
    EXPECT_TRUE(t.setNotices({"첫 공지" + stx + "11", "둘째 공지" + stx + "22"}, changed));
    EXPECT_FALSE(changed);
    EXPECT_EQ(t.currentIndex(), 0);
}

TEST(NoticeTicker, FrozenWhileTheListIsOpenOrTheBarHidden)
{
    const QString stx(QChar(0x0002));
    NoticeTicker t;
    bool changed = false;
    t.setNotices({"a" + stx + "1", "b" + stx + "2"}, changed);
    t.tick(false, true);
    t.tick(false, true);
    t.tick(false, true);
    const int phase = t.phase();
    const bool visible = t.visible();
    for (int i = 0; i < 10; ++i) {
        t.tick(true, true);
        t.tick(false, false);
    }
    EXPECT_EQ(t.phase(), phase);
    EXPECT_EQ(t.visible(), visible);
    EXPECT_EQ(t.currentIndex(), 0);
}

TEST(NoticeTicker, BadEntriesAreSkippedNotHalfBuilt)
{
    const QString stx(QChar(0x0002));
    NoticeTicker t;
    bool changed = false;
    QStringList rejected;
    ASSERT_TRUE(t.setNotices({"a" + stx + "1", "no separator", "b" + stx + "x", "c" + stx + "3"}, changed, &rejected));
    EXPECT_EQ(t.items(), (QList<TickerNotice>{{"a", 1}, {"c", 3}}));
    EXPECT_EQ(rejected, (QStringList{"no separator", "b" + stx + "x"}));

    ASSERT_TRUE(t.setNotices({}, changed));
    EXPECT_FALSE(t.hasItems());
    EXPECT_EQ(t.current(), nullptr);
    EXPECT_FALSE(t.visible());
}
