#include "records/business_rules.h"
#include "records/session_records.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

TEST(AuthGradeTest, GradeIsCharactersTwoToFourOrTen)
{
    const std::pair<QString, int> cases[] = {
        {"5001", 1}, {"5000", 0}, {"7010", 10}, {"1999", 999}, {"5", 10}, {"", 10}, {"5abc", 10}, {"50x1", 10},
    };
    for (const auto &[code, grade] : cases)
        EXPECT_EQ(ParseUserAuthGrade(code), grade) << code.toStdString();
}

TEST(AuthGradeTest, ALevelIsOpenToItsGradeAndSmaller)
{
    ResetSessionRecords();
    const struct
    {
        int grade, level;
        bool open;
    } cases[] = {
        {3, 3, true}, {3, 4, true}, {3, 2, false}, {0, 0, true}, {0, 5, true}, {10, 9, false}, {1, -1, false},
    };
    for (const auto &c : cases) {
        G_USER_INFO.UserAuthGrade = c.grade;
        EXPECT_EQ(HasAuthGrade(c.level), c.open) << "grade " << c.grade << " level " << c.level;
    }
    ResetSessionRecords();
}

namespace
{
const QDateTime kNow(QDate(2026, 7, 9), QTime(12, 0, 0));

TOrderVisibility order(const QString &br = "B900", const QString &status = "2001")
{
    TOrderVisibility o;
    o.ORD_BR_CODE = br;
    o.ST_DVRY_BR_CODE = br;
    o.DVRY_TYPE_CD = "G200";
    o.ST_DVRY_TYPE_CD = "G201";
    o.CTH_ST_CODE = "S000009";
    o.CTH_DVRY_TYPE_CD = "G202";
    o.ORD_STATUS_CD = status;
    o.READY_CHANGE_DATE = "2026-07-09 11:50:00";
    o.DVRY_LOCK_TIME = 120;
    o.isDelivery = true;
    return o;
}

TVisibilityContext distributor()
{
    TVisibilityContext c;
    c.USER_TYPE_CD = "5001";
    c.BR = "B100";
    c.MNG_DVRY_TYPE_CD = "G100";
    c.shares = {{"G100", "G200", 300}};
    c.now = kNow;
    return c;
}

TVisibilityContext headOffice()
{
    TVisibilityContext c;
    c.USER_TYPE_CD = "7001";
    c.now = kNow;
    return c;
}
} // namespace

TEST(OrderVisibilityTest, StoreUsersSeeEverythingAndOtherClassesNothing)
{
    TVisibilityContext c = distributor();
    c.USER_TYPE_CD = "1001";
    EXPECT_TRUE(CheckOrderAdd(order(), c));
    for (const char *cls : {"3001", "9001", ""}) {
        c.USER_TYPE_CD = cls;
        EXPECT_FALSE(CheckOrderAdd(order(), c)) << cls;
    }
}

TEST(OrderVisibilityTest, DistributorSeesItsOwnBranchEvenForTakeouts)
{
    TOrderVisibility o = order("B100", "1002");
    o.isDelivery = false;
    EXPECT_TRUE(CheckOrderAdd(o, distributor()));
    o.ORD_BR_CODE = "B999"; // the store's delivery group belongs to the branch
    EXPECT_TRUE(CheckOrderAdd(o, distributor()));
    o.ST_DVRY_BR_CODE = "B998";
    EXPECT_FALSE(CheckOrderAdd(o, distributor()));
}

TEST(OrderVisibilityTest, DistributorSeesOrdersOfItsManagedGroupAndMasterStore)
{
    TVisibilityContext c = distributor();
    c.BR_ST_CODE = "S000009";
    EXPECT_TRUE(CheckOrderAdd(order("B900", "3003"), c));
    c.BR_ST_CODE.clear();
    c.ST_DVRY_TYPE_CD = "G202";
    EXPECT_TRUE(CheckOrderAdd(order("B900", "3003"), c));
    c.ST_DVRY_TYPE_CD.clear();
    TOrderVisibility o = order("B900", "3003");
    o.DVRY_TYPE_CD = "G100";
    EXPECT_TRUE(CheckOrderAdd(o, c));
    o.DVRY_TYPE_CD = "G200";
    o.ST_DVRY_TYPE_CD = "G100";
    EXPECT_TRUE(CheckOrderAdd(o, c));
    // An empty master-store code never matches an order without one.
    c.MNG_DVRY_TYPE_CD = "G100";
    o = order("B900", "3003");
    o.CTH_ST_CODE.clear();
    EXPECT_FALSE(CheckOrderAdd(o, c));
}

TEST(OrderVisibilityTest, SharedOrderAppearsExactlyAfterShareAndLockTime)
{
    // Requested at 11:50:00, lock 120 s, share 300 s: visible from 11:57:00 on.
    TVisibilityContext c = distributor();
    const struct
    {
        QTime now;
        QString status;
        bool visible;
    } cases[] = {
        {QTime(11, 56, 59), "2001", false}, {QTime(11, 57, 0), "2001", true}, {QTime(11, 57, 0), "2002", true},
        {QTime(12, 30, 0), "3001", false},  {QTime(12, 30, 0), "1002", false}, {QTime(11, 52, 0), "2001", false},
    };
    for (const auto &k : cases) {
        c.now = QDateTime(kNow.date(), k.now);
        EXPECT_EQ(CheckOrderAdd(order("B900", k.status), c), k.visible)
            << k.now.toString().toStdString() << " " << k.status.toStdString();
    }
}

TEST(OrderVisibilityTest, SharingNeedsAMatchingRuleAManagedGroupAndNoEndlessLock)
{
    TVisibilityContext c = distributor();
    c.now = QDateTime(kNow.date(), QTime(23, 0));
    TOrderVisibility o = order();
    EXPECT_TRUE(CheckOrderAdd(o, c));
    o.DVRY_TYPE_CD = "G777"; // no share rule for this group
    EXPECT_FALSE(CheckOrderAdd(o, c));
    o = order();
    o.DVRY_LOCK_TIME = -1; // never unlocked within the business day
    EXPECT_FALSE(CheckOrderAdd(o, c));
    o = order();
    o.isDelivery = false;
    EXPECT_FALSE(CheckOrderAdd(o, c));
    o = order();
    o.READY_CHANGE_DATE = "garbage";
    EXPECT_FALSE(CheckOrderAdd(o, c));
    c.MNG_DVRY_TYPE_CD.clear();
    EXPECT_FALSE(CheckOrderAdd(order(), c));
}

TEST(OrderVisibilityTest, HeadOfficeWithoutBranchFilterSeesAllThroughAddAndNoneThroughViewList)
{
    const TVisibilityContext c = headOffice();
    TOrderVisibility o = order();
    o.isDelivery = false;
    EXPECT_TRUE(CheckOrderAdd(o, c));
    o.BTOB_DVRY_TYPE_CD = "G300";
    EXPECT_FALSE(CheckOrderViewList(o, c));
}

TEST(OrderVisibilityTest, HeadOfficeFiltersByTickedBranchesAndGroups)
{
    TVisibilityContext c = headOffice();
    c.selBrCode = {"B100"};
    c.selDvryType = {"G100"};
    EXPECT_TRUE(CheckOrderAdd(order("B100"), c));
    EXPECT_FALSE(CheckOrderAdd(order("B900"), c));
    TOrderVisibility o = order("B900");
    o.DVRY_TYPE_CD = "G100";
    EXPECT_TRUE(CheckOrderAdd(o, c));
    o.isDelivery = false;
    EXPECT_FALSE(CheckOrderAdd(o, c));
    o = order("B900");
    c.selMasterSt = {"S000009"};
    EXPECT_TRUE(CheckOrderAdd(o, c));
    c.selMasterSt.clear();
    c.selMasterDvry = {"G202"};
    EXPECT_TRUE(CheckOrderAdd(o, c));
    // The dispatching side's group counts only for the view list.
    c.selMasterDvry.clear();
    c.selDvryType = {"G202"};
    EXPECT_FALSE(CheckOrderAdd(o, c));
    EXPECT_TRUE(CheckOrderViewList(o, c));
}

TEST(OrderVisibilityTest, ViewListShowsRequestedBusinessDeliveries)
{
    TVisibilityContext c = headOffice();
    c.selBrCode = {"B100"};
    TOrderVisibility o = order("B900", "2002");
    EXPECT_FALSE(CheckOrderViewList(o, c));
    o.BTOB_DVRY_TYPE_CD = "G300";
    EXPECT_TRUE(CheckOrderViewList(o, c));
    o.ORD_STATUS_CD = "3001";
    EXPECT_FALSE(CheckOrderViewList(o, c));
    EXPECT_TRUE(CheckOrderViewList(order("B100", "4001"), c));
}

TEST(StatusGroupsTest, MembershipIsExact)
{
    EXPECT_EQ(G_ORD_ST_ALL.size(), 18);
    EXPECT_EQ(G_ORD_ST_LEGS, G_ORD_ST_LEGS_B);
    EXPECT_TRUE(StrInArray("3001", G_ORD_ST_ACTIVE));
    EXPECT_FALSE(StrInArray("3003", G_ORD_ST_ACTIVE));
    EXPECT_FALSE(StrInArray("300", G_ORD_ST_CLOSED));
    EXPECT_TRUE(StrInArray("7203", G_ORD_ST_PICKUP_TRUNK));
    EXPECT_FALSE(StrInArray("7203", G_ORD_ST_PICKUP));
    EXPECT_EQ(G_PROVINCE_NAMES.size(), 47);
    EXPECT_EQ(G_DEF_COL_WIDTH.size(), 41u);
    EXPECT_EQ(G_DEF_COL_WIDTH.back(), 90);
}

TEST(StatusColourTest, KnownStatusesOnlyOthersEmpty)
{
    G_STATUS_COLOR_1002 = "#111111";
    G_STATUS_COLOR_3003 = "#333333";
    EXPECT_EQ(GetStatusLabelColor("1002"), "#111111");
    EXPECT_EQ(GetStatusLabelColor("3003"), "#333333");
    EXPECT_EQ(GetStatusLabelColor("4001"), "");
    EXPECT_EQ(GetStatusColor("1002"), "#333333");
    EXPECT_EQ(GetStatusColor("2001"), "#0000FF");
    EXPECT_EQ(GetStatusColor("3001"), "#FF00FF");
    EXPECT_EQ(GetStatusColor("3003"), "#FF2B00");
    EXPECT_EQ(GetStatusColor("4002"), "");
    // Settings colours keep red in the low byte.
    EXPECT_EQ(ColorToHtml(ColorFromRgb(255, 128, 0)), "#FF8000");
    EXPECT_EQ(ColorToHtml(clBlue), "#0000FF");
    EXPECT_EQ(ColorToHtml(0x000000), "#000000");
    G_STATUS_COLOR_1002.clear();
    G_STATUS_COLOR_3003.clear();
}

TEST(TextRulesTest, OptionsPasswordsAndSplitting)
{
    EXPECT_EQ(MakeOptionText("", "", "", "", "500"), "(컵보증금)");
    EXPECT_EQ(MakeOptionText("곱빼기", "", "", "", "0"), "(곱빼기)");
    EXPECT_EQ(MakeOptionText("곱빼기", "", "맵게", "", "500"), "(곱빼기, 맵게,컵보증금)");
    EXPECT_EQ(MakeOptionText("", "", "", "", ""), "");

    EXPECT_TRUE(IsStrongPassword("abcD12"));
    EXPECT_TRUE(IsStrongPassword("abc!12"));
    EXPECT_FALSE(IsStrongPassword("abc$+<=>12"));
    EXPECT_FALSE(IsStrongPassword("ABCDEF"));
    EXPECT_FALSE(IsStrongPassword(""));

    QStringList list = {"old"};
    EXPECT_TRUE(SplitNoSpace(" 1, 22 ,3 3", ",", list));
    EXPECT_EQ(list, QStringList({"1", "22", "33"}));
    EXPECT_TRUE(SplitNoSpace("a,b,", ",", list));
    EXPECT_EQ(list, QStringList({"a", "b"}));
    EXPECT_FALSE(SplitNoSpace("  ", ",", list));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_FALSE(SplitNoSpace("a,b", " ", list));

    EXPECT_EQ(PosIgnoreSpace("101 동", "래미안 101동 1203호"), 4);
    EXPECT_EQ(PosIgnoreSpace("상가", "래미안 101동"), 0);
    EXPECT_EQ(PosIgnoreSpace("  ", "래미안 101동"), 0);
    EXPECT_EQ(DigitsOnly("010-12a34"), "0101234");
    EXPECT_EQ(SafeFileName("a\\b/c:d*e?f\"g<h>i|j[1]"), "abcdefghij(1)");
    EXPECT_EQ(IfEmptyStr("", "b"), "b");
    EXPECT_EQ(IfEmptyStr("a", "b"), "a");
    EXPECT_EQ(CutByBytes("똠양꿍", 3), "똠");
}

TEST(TextRulesTest, ReceiptWrappingByBytes)
{
    const QString forty(40, QLatin1Char('x'));
    EXPECT_EQ(WrapPrintText(forty), QString(27, QLatin1Char('x')) + "\n" + QString(13, QLatin1Char('x')));
    const QString hundred(100, QLatin1Char('y'));
    EXPECT_EQ(WrapPrintText(hundred), QString(27, 'y') + "\n" + QString(34, 'y') + "\n" + QString(34, 'y') + "\n"
                                          + QString(5, 'y'));
    // Hangul counts two bytes: the 14th syllable crosses 26 bytes and ends the first line.
    const QString hangul(20, QChar(0xAC00));
    EXPECT_EQ(WrapPrintText(hangul), QString(14, QChar(0xAC00)) + "\n" + QString(6, QChar(0xAC00)));
    EXPECT_EQ(WrapPrintText(""), "");
}
