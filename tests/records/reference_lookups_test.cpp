#include "records/business_rules.h"
#include "records/delivery_group_records.h"
#include "records/device_records.h"
#include "records/reference_lookups.h"
#include "records/session_records.h"
#include "settings/system_helpers.h"
#include "platform/clock.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace
{
class ReferenceLookupsTest : public ::testing::Test
{
protected:
    void SetUp() override { resetAll(); }
    void TearDown() override
    {
        resetAll();
        AppClock::clearFixed();
    }
    static void resetAll()
    {
        ResetSessionRecords();
        ResetReferenceRecords();
        ResetDeviceRecords();
    }
    static TST_LIST &addStore(const QString &code, const QString &br, const QString &master, const QString &group)
    {
        TST_LIST st;
        st.ST_CODE = code;
        st.BR_CODE = br;
        st.BR_MASTER_YN = master;
        st.DVRY_TYPE_CD = group;
        return G_ST_LIST.append(code, st);
    }
};

TEST_F(ReferenceLookupsTest, BranchAndHeadOfficeNames)
{
    addStore("S000001", "B100", "N", "G001");
    addStore("S000002", "B100", "Y", "G002");
    addStore("S000003", "B200", "Y", "G003");
    EXPECT_EQ(GetBranchDvryType("B100"), "G002");
    EXPECT_EQ(GetBranchDvryType("B300"), "");

    THD_LIST hd;
    hd.HD_CODE = "H0001";
    hd.HD_Name = "서울본사";
    TBR_LIST br;
    br.BR_CODE = "B100";
    br.BR_Name = "강남지사";
    hd.BR_LIST.append("B100", br);
    G_HD_LIST.append("H0001", hd);
    EXPECT_EQ(GetHdName("H0001"), "서울본사");
    EXPECT_EQ(GetHdName(" "), "");
    EXPECT_EQ(GetHdName("H9999"), "");
    EXPECT_EQ(GetBranchName("H0001", "B100"), "강남지사");
    EXPECT_EQ(GetBranchName("H0001", "B999"), "");
    EXPECT_EQ(GetBranchName("", "B100"), "");
}

TEST_F(ReferenceLookupsTest, GoodsLookupsGiveBlankRecordsWhenMissing)
{
    TST_LIST &st = addStore("S000001", "B100", "N", "G001");
    TGOODS_LIST g;
    g.ST_CODE = "S000001";
    g.ST_GOODS_NO = "G10";
    g.GOODS_NAME = "짜장면";
    g.ORD_PRICE = "7000";
    g.SELL_PRICE = "6500";
    TGOOD_OP add;
    add.ST_GOODS_OP_NO = "A1";
    add.OPTION_NAME = "곱빼기";
    g.ADD.append("A1", add);
    st.GOODS_LIST.append("G10", g);

    const TGOODS_LIST found = GetStGoods("S000001", "G10");
    EXPECT_EQ(found.GOODS_NAME, "짜장면");
    EXPECT_EQ(GetGoodsPrice(0, found), "7000");
    EXPECT_EQ(GetGoodsPrice(1, found), "6500");
    EXPECT_EQ(GetGoodsAddItem(found, "A1").OPTION_NAME, "곱빼기");
    const TGOOD_OP none = GetGoodsAddItem(found, "A9");
    EXPECT_EQ(none.ST_GOODS_OP_NO.str(), "A9");
    EXPECT_TRUE(none.OPTION_NAME.isEmpty());

    const TGOODS_LIST blank = GetStGoods("S000009", "G10");
    EXPECT_EQ(blank.ST_CODE.str(), "S000009");
    EXPECT_EQ(blank.ST_GOODS_NO.str(), "G10");
    EXPECT_TRUE(blank.GOODS_NAME.isEmpty());
    EXPECT_TRUE(GetStGoods("S000001", "G99").GOODS_NAME.isEmpty());
}

TEST_F(ReferenceLookupsTest, DiscountWindowFollowsTheBusinessDate)
{
    TGOODS_LIST g;
    g.ORD_DN_PERIOD = "2026070120260709";
    g.ORD_DN_TIME = "22000200";
    const struct
    {
        QDateTime now;
        bool open;
    } cases[] = {
        {QDateTime(QDate(2026, 7, 9), QTime(23, 30)), true},
        {QDateTime(QDate(2026, 7, 10), QTime(1, 30)), true},  // still the 9th's business day
        {QDateTime(QDate(2026, 7, 10), QTime(12, 0)), false}, // past the end date
        {QDateTime(QDate(2026, 7, 5), QTime(12, 0)), false},  // outside the hours
        {QDateTime(QDate(2026, 6, 30), QTime(23, 0)), false},
    };
    for (const auto &c : cases) {
        AppClock::setFixed(c.now);
        EXPECT_EQ(IsOrdDiscountTime(g), c.open) << c.now.toString().toStdString();
    }
    g.ORD_DN_TIME = "";
    AppClock::setFixed(QDateTime(QDate(2026, 7, 9), QTime(23, 30)));
    EXPECT_FALSE(IsOrdDiscountTime(g));
}

TEST_F(ReferenceLookupsTest, CodesPrinterGroupsAndPrinters)
{
    TCOM_CODE_LIST row;
    row.SY_CODE = "O4";
    row.DT_CODE = "01";
    row.DT_NAME = "고객취소";
    row.DT_VALUE = "v1";
    row.DT_VALUE2 = "v2";
    G_COM_CODE_LIST.append(row);
    EXPECT_EQ(GetComCodeValue("O4", "01", 0), "고객취소");
    EXPECT_EQ(GetComCodeValue("O4", "01", 1), "v1");
    EXPECT_EQ(GetComCodeValue("O4", "01", 2), "v2");
    EXPECT_EQ(GetComCodeValue("O4", "01", 3), "");
    EXPECT_EQ(GetComCodeValue("O4", "02", 0), "");

    TGrpPrint grp;
    grp.sCode = "P2";
    G_GRP_PRINT.append(TGrpPrint());
    G_GRP_PRINT.append(grp);
    EXPECT_EQ(FindGrpPrint("P2"), 1);
    EXPECT_EQ(FindGrpPrint("P9"), -1);

    EXPECT_FALSE(AnyPrinterUsed());
    G_PRINT_SET[3].Use_yn = true;
    EXPECT_TRUE(AnyPrinterUsed());
}

TEST_F(ReferenceLookupsTest, ProvinceStrippingUsesTheSessionAliases)
{
    QString result;
    StripProvinceText("서울특별시 강남구 역삼동 1", result);
    EXPECT_EQ(result, "서울특별시 강남구 역삼동 1") << "no aliases loaded yet";
    G_SL_PROVINCE = G_PROVINCE_NAMES;
    StripProvinceText("서울특별시 강남구 역삼동 1", result);
    EXPECT_EQ(result, "역삼동 1");
}

TEST_F(ReferenceLookupsTest, OrderTimeColumnsUseThePcSettings)
{
    AppClock::setFixed(QDateTime(QDate(2026, 7, 9), QTime(12, 0)));
    G_USER_SET.ORDER_TIME_VIEW = {"1", "2", "0", ""};
    const TOrderTimes t = {"2026-07-09 11:00:00", "2026-07-09 11:05:00", "2026-07-09 11:12:30",
                           "2026-07-09 11:30:00", "2026-07-09 11:50:15", "4001"};
    const TOrderTimeColumns c = DateTimeToAddStr4(t);
    EXPECT_EQ(c.tmReq, "11:05");
    EXPECT_EQ(c.tmCTH, "7분30초");
    EXPECT_EQ(c.tmStart, "11:30(17분30초)");
    EXPECT_EQ(c.tmEnd, "11:50(20분15초)");
}

TEST_F(ReferenceLookupsTest, VisibilityReadsTheSessionGlobals)
{
    AppClock::setFixed(QDateTime(QDate(2026, 7, 9), QTime(12, 0)));
    G_USER_INFO.USER_TYPE_CD = "5001";
    G_USER_INFO.BR = "B100";
    G_USER_INFO.MNG_DVRY_TYPE_CD = "G100";
    TSHARE_GROUP share;
    share.SH_DVRY_TYPE_CD = "G100";
    share.DVRY_TYPE_CD = "G200";
    share.SHARE_TIME = 60;
    G_SHARE_GROUP.append(share);

    TOrderVisibility o;
    o.ORD_BR_CODE = "B900";
    o.ST_DVRY_BR_CODE = "B900";
    o.DVRY_TYPE_CD = "G200";
    o.ORD_STATUS_CD = "2001";
    o.READY_CHANGE_DATE = "2026-07-09 11:58:00";
    o.DVRY_LOCK_TIME = 60;
    EXPECT_TRUE(CheckOrderAdd(o));
    o.READY_CHANGE_DATE = "2026-07-09 11:58:01";
    EXPECT_FALSE(CheckOrderAdd(o));

    G_USER_INFO.USER_TYPE_CD = "7001";
    EXPECT_FALSE(CheckOrderViewList(o));
    G_SL_SEL_BR_CODE = QStringList{"B900"};
    EXPECT_TRUE(CheckOrderViewList(o));
}

TEST_F(ReferenceLookupsTest, GridRowHeightsBySize)
{
    const std::pair<int, int> cases[] = {{8, 27}, {9, 28}, {10, 29}, {11, 31}, {12, 32}, {13, 33}, {14, 34}, {15, 26}, {7, 26}, {0, 26}};
    for (const auto &[size, height] : cases)
        EXPECT_EQ(GridRowHeightForFontSize(size), height) << size;
}

TEST_F(ReferenceLookupsTest, WriteIniStringNeverCreatesTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("app_env.ini");
    EXPECT_FALSE(WriteIniString(path, "User", "A", "1"));
    EXPECT_FALSE(QFileInfo::exists(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(WriteIniString(path, "User", "A", "1"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("A=1"));
}
} // namespace
