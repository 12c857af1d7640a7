#include "reception/reception_rules.h"

#include "records/delivery_group_records.h"
#include "records/reference_records.h"
#include "reference/reference_state.h"

#include <gtest/gtest.h>

namespace
{
TST_LIST rulesStore(const QString &code, const QString &shopType, const QString &status, const QString &share,
                    const QString &multi)
{
    TST_LIST s;
    s.ST_CODE = code;
    s.ST_NAME = QStringLiteral("가게") + code;
    s.SHOP_TYPE = shopType;
    s.DATA_STAUS = status;
    s.ST_SHAREYN = share;
    s.MULTI_TYPE = multi;
    return s;
}

TDVRY_GRP_INFO rulesGroup(const QString &code, const QString &status, int delay)
{
    TDVRY_GRP_INFO g;
    g.DVRY_TYPE_CD = code;
    g.STATUS_TYPE = status;
    g.DELAY_TIME = delay;
    return g;
}
} // namespace

TEST(ReceptionRules, LockTimeRoundsToTheOfferedChoices)
{
    const struct
    {
        int seconds;
        QString shown;
    } cases[] = {
        {0, "즉시"},  {-1, "공유안함"}, {1, "10초"},  {15, "20초"},  {60, "1분"},     {61, "2분"},
        {90, "2분"},  {180, "3분"},     {181, "5분"}, {300, "5분"},  {301, "10분"},   {600, "10분"},
        {601, "공유안함"}, {700, "공유안함"}, {-5, "공유안함"},
    };
    for (const auto &c : cases) {
        const int index = ChoiceIndex(LockTimeChoices(), LockTimeValue(c.seconds));
        ASSERT_GE(index, 0) << c.seconds;
        EXPECT_EQ(LockTimeChoices().at(index).text, c.shown) << c.seconds;
    }
}

TEST(ReceptionRules, StoreListAndDefaultStore)
{
    ResetReferenceRecords();
    G_ST_LIST.append("0000001", rulesStore("0000001", "1", "0", "N", "N"));   // switched off
    G_ST_LIST.append("0000002", rulesStore("0000002", "5", "1", "N", "N"));   // quick store
    G_ST_LIST.append("0000003", rulesStore("0000003", "1", "1", "Y", "N"));   // shared
    G_ST_LIST.append("0000004", rulesStore("0000004", "1", "1", "N", "S"));   // subordinate
    G_ST_LIST.append("0000005", rulesStore("0000005", "7", "x", "N", "M"));   // status not a number: listed
    G_ST_LIST.append("0000006", rulesStore("0000006", "2", "1", "N", "N"));

    StoreGridFill fill = BuildStoreGrid(QString(), QStringLiteral("N"));
    QStringList codes;
    for (const QVariantList &row : fill.rows)
        codes << row.at(kStCode).toString();
    EXPECT_EQ(codes, (QStringList{"0000004", "0000005", "0000006"}));
    EXPECT_EQ(fill.rows.at(0).at(kStMulti).toString(), QStringLiteral("종속"));
    EXPECT_EQ(fill.rows.at(1).at(kStMulti).toString(), QStringLiteral("메인"));
    EXPECT_EQ(fill.rows.at(2).at(kStMulti).toString(), QStringLiteral("개별"));
    EXPECT_EQ(fill.defaultCode, QStringLiteral("0000005")) << "a subordinate store only for a multi-store user";

    fill = BuildStoreGrid(QString(), QStringLiteral("S"));
    EXPECT_EQ(fill.defaultCode, QStringLiteral("0000004"));
    fill = BuildStoreGrid(QStringLiteral("0000006"), QStringLiteral("S"));
    EXPECT_TRUE(fill.defaultCode.isEmpty()) << "a window that has its store keeps it";
    ResetReferenceRecords();
}

TEST(ReceptionRules, ManagementHoursDecideTheShownStatus)
{
    TDVRY_GRP_INFO g = rulesGroup("G1", "1", 0);
    g.BMNG_TIME = "Y";
    g.MNG_STIME = "2200";
    g.MNG_ETIME = "0400";
    EXPECT_EQ(GroupStatusShown(g, "2330"), QStringLiteral("1"));
    EXPECT_EQ(GroupStatusShown(g, "0300"), QStringLiteral("1"));
    EXPECT_EQ(GroupStatusShown(g, "1200"), QStringLiteral("0"));
    g.MNG_STIME = "0900";
    g.MNG_ETIME = "1800";
    EXPECT_EQ(GroupStatusShown(g, "1200"), QStringLiteral("1"));
    EXPECT_EQ(GroupStatusShown(g, "1801"), QStringLiteral("0"));
    g.BMNG_TIME = "N";
    EXPECT_EQ(GroupStatusShown(g, "1801"), QStringLiteral("1")) << "no management hours kept";
    g.BMNG_TIME = "Y";
    g.MNG_ETIME = "";
    EXPECT_EQ(GroupStatusShown(g, "1801"), QStringLiteral("1"));
    g.STATUS_TYPE = "2";
    g.MNG_ETIME = "1800";
    EXPECT_EQ(GroupStatusShown(g, "2000"), QStringLiteral("2")) << "only the in-service state is turned off";
}

TEST(ReceptionRules, SurchargeAndDelayTexts)
{
    EXPECT_EQ(GroupSurchargeText("Y", "500", "1800", "2200", "1900"), QStringLiteral("할증\n500원"));
    EXPECT_EQ(GroupSurchargeText("Y", "500", "1800", "2200", "2201"), QStringLiteral("미할증"));
    EXPECT_EQ(GroupSurchargeText("N", "500", "1800", "2200", "1900"), QStringLiteral("미할증"));
    EXPECT_EQ(GroupSurchargeText("Y", "500", "", "2200", "1900"), QStringLiteral("미할증"));
    EXPECT_EQ(GroupSurchargeText("Y", "500", "180", "2200", "1900"), QStringLiteral("미할증"));
    EXPECT_EQ(GroupDelayText(0, true), QStringLiteral("원활"));
    EXPECT_EQ(GroupDelayText(12, true), QStringLiteral("12분지연"));
    EXPECT_EQ(GroupDelayText(12, false), QStringLiteral("12지연"));
}

TEST(ReceptionRules, GroupLookupAndDelayNeverBorrowAnotherGroup)
{
    ResetReferenceRecords();
    gsl_Out_DVRY.clear();
    EXPECT_EQ(GroupDelayOf("G1"), 0) << "no groups at all";
    G_DVRY_GRP_INFO = {rulesGroup("OWN", "1", 9), rulesGroup("G2", "1", 4), rulesGroup("G3", "1", -3)};
    G_SL_BR_DVRY_TYPE = {QStringLiteral("OWN")};
    gsl_Out_DVRY = {QStringLiteral("G2"), QStringLiteral("G3")};
    EXPECT_EQ(GroupDelayOf("G2"), 4);
    EXPECT_EQ(GroupDelayOf("G3"), 0);
    EXPECT_EQ(GroupDelayOf("NONE"), 0) << "an unmatched group has no delay, not the first group's";
    EXPECT_EQ(FindOutGroupInfo("G3"), &G_DVRY_GRP_INFO[2]);
    EXPECT_EQ(FindOutGroupInfo("OWN"), &G_DVRY_GRP_INFO[0]) << "entry 0 when its code matches";
    EXPECT_EQ(FindOutGroupInfo("NONE"), nullptr);
    // A listed code whose entry is missing is not read past the end.
    gsl_Out_DVRY << QStringLiteral("G9");
    EXPECT_EQ(FindOutGroupInfo("G9"), nullptr);
    EXPECT_EQ(FindOwnGroupInfo("OWN"), &G_DVRY_GRP_INFO[1]) << "own list index 0 gives entry 1";
    gsl_Out_DVRY.clear();
    ResetReferenceRecords();
}

TEST(ReceptionRules, OrderPathChoices)
{
    auto code = [](const QString &dt, const QString &value, const QString &value2) {
        TCOM_CODE_LIST c;
        c.SY_CODE = "O3";
        c.DT_CODE = dt;
        c.DT_NAME = QStringLiteral("경로") + dt;
        c.DT_VALUE = value;
        c.DT_VALUE2 = value2;
        return c;
    };
    TCOM_CODE_LIST other = code("X", "1", "12");
    other.SY_CODE = "O4";
    const QList<TCOM_CODE_LIST> codes{code("1001", "1", "1201"), code("1002", "3", "130"),
                                      code("1003", "1", "xx01"), other, code("1004", "2", "")};
    auto names = [](const QList<OrderPathItem> &items) {
        QStringList list;
        for (const OrderPathItem &i : items)
            list << i.code;
        return list;
    };
    const QList<OrderPathItem> fresh = OrderPathItems(codes, true, QString(), "3");
    EXPECT_EQ(names(fresh), (QStringList{"1004"})) << "locked 1001/1003 and edition value 3 left out";
    EXPECT_EQ(fresh.at(0).tag, 11) << "tag not a number";
    EXPECT_EQ(names(OrderPathItems(codes, false, "1001", "3")), (QStringList{"1001"}));
    EXPECT_EQ(OrderPathItems(codes, false, "1001", "3").at(0).tag, 12);
    EXPECT_EQ(names(OrderPathItems(codes, false, "1004", "3")), (QStringList{"1002", "1004"}));
}

TEST(ReceptionRules, GoodsGroupsOfTheMenuBoard)
{
    TST_LIST s;
    s.SHOP_TYPE = "1";
    auto add = [&s](const QString &no, const QString &name, const QString &status, const QString &use) {
        TST_GOODS_GROUP_LIST &g = s.GOODS_GRP_LST.append(no);
        g.GRP_NO = no;
        g.GRP_NAME = name;
        g.DATA_STATUS = status;
        g.GRP_USE_TYPE = use;
    };
    add("1", "치킨&<맥주>", "1", "1");
    add("2", "꺼짐", "0", "1");
    add("3", "앱", "1", "3");
    add("4", "숨김", "1", "4");
    add("5", "콤보", "1", "5");
    QList<QStringList> rows = GoodsGroupRows(s, false);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(0), (QStringList{"전체", ""}));
    EXPECT_EQ(rows.at(1).at(0), QStringLiteral("치킨&&&lt;맥주&gt;"));
    EXPECT_EQ(GoodsGroupRows(s, true).size(), 2) << "app panel: only use type 3 after 전체";
    s.SHOP_TYPE = "2";
    rows = GoodsGroupRows(s, false);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.at(0).at(1), QStringLiteral("3"));
}

TEST(ReceptionRules, CloseReturnsWhereTheWindowCameFrom)
{
    EXPECT_EQ(CloseReturnOf(true, 2), CloseReturn::OtherTab);
    EXPECT_EQ(CloseReturnOf(false, 1), CloseReturn::Today);
    EXPECT_EQ(CloseReturnOf(false, 2), CloseReturn::Past);
    EXPECT_EQ(CloseReturnOf(false, 0), CloseReturn::Today) << "today's orders come to the front too";
    EXPECT_EQ(CloseReturnOf(false, 7), CloseReturn::Nothing);
}
