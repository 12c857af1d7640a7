// The storing half of the reference loaders, fed with reply pages: no server involved.
#include "common/qstring_print.h"
#include "link/link_state.h"
#include "link/link_test_support.h"
#include "reference/edition_table.h"
#include "reference/page_addresses.h"
#include "reference/reference_loaders.h"
#include "reference/reference_test_support.h"

#include <gtest/gtest.h>

namespace
{
using namespace ReplyPages;

class ReferenceLoadersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSessionRecords();
        ResetAllReference();
        ClearPageAddresses();
        G_LOG_DIR = log.dir();
    }
    void TearDown() override
    {
        ResetAllReference();
        ResetSessionRecords();
    }

    LogCapture log;
};

// ----- Code tables ----------------------------------------------------------------------------

QStringList code(const QString &sy, const QString &dt, const QString &name, const QString &status = "1",
                 const QString &value = QString(), const QString &value2 = QString())
{
    return {sy, "그룹", dt, name, "20260101000000", "1", "", "", value, status, value2};
}

TEST_F(ReferenceLoadersTest, SystemCodesFillPickListsByTheirRules)
{
    ApplySysCodePages({textPage({code("02", "1001", "접수됨"), code("02", "9001", "보류"), code("02", "2001", "배차요청"),
                                 code("O8", "D001", "강남배송"), code("O8", "D900", "폐지", "0"),
                                 code("O4", "01", "고객 취소", "1", "1"), code("O4", "02", "지연", "1", "0"),
                                 code("O4", "03", "미사용", "0", "1"), code("VT", "1", "오토바이")})});

    EXPECT_EQ(G_COM_CODE_LIST.size(), 9);
    // Statuses: preloaded ones keep their names and images; a missing one is added without image.
    EXPECT_EQ(CCB_O2.nameOf("1001"), "접수");
    EXPECT_EQ(CCB_O2.nameOf("2001"), "요청");
    ASSERT_TRUE(CCB_O2.contains("9001"));
    EXPECT_EQ(CCB_O2.at(CCB_O2.indexOf("9001")).description, "보류");
    EXPECT_EQ(CCB_O2.at(CCB_O2.indexOf("9001")).imageIndex, -1);
    // An inactive delivery group is stored but not named.
    EXPECT_TRUE(FindComCode("O8", "D900"));
    EXPECT_EQ(CCB_O8.count(), 1);
    // Cancel reasons: active ones, and those with value "1" also for the alarm window.
    EXPECT_EQ(CCB_O4.count(), 2);
    ASSERT_EQ(CCB_O4_1.count(), 1);
    EXPECT_EQ(CCB_O4_1.at(0).value, "01");
    EXPECT_EQ(CCB_VAN.nameOf("1"), "오토바이");
}

TEST_F(ReferenceLoadersTest, StatusRequestIsNamedRequestWhenThePreloadLacksIt)
{
    CCB_O2.clear();
    ApplySysCodePages({textPage({code("02", "2001", "배차요청")})});
    EXPECT_EQ(CCB_O2.nameOf("2001"), "요청");
}

TEST_F(ReferenceLoadersTest, CancelReasonsBuildAllSixMenus)
{
    ApplySysCodePages({textPage({code("O4", "01", "고객 취소"), code("O4", "02", "지연"), code("O4", "X9", "기타")})});
    const TCancelMenus &m = G_CANCEL_MENUS;
    for (const auto *menu : {&m.boardCancel, &m.acceptCancel, &m.acceptQuickCancel, &m.NStatusCancel,
                             &m.NStatusCancelNAcc, &m.mnDayChg4002})
        ASSERT_EQ(menu->size(), 3);
    EXPECT_EQ(m.boardCancel.at(0).tag, 1);
    EXPECT_EQ(m.boardCancel.at(2).tag, 1001);  // not a number
    EXPECT_EQ(m.acceptQuickCancel.at(1).caption, "지연");
    for (const auto *menu : {&m.NStatusCancel, &m.NStatusCancelNAcc, &m.mnDayChg4002}) {
        EXPECT_EQ(menu->at(1).tag, 4002);
        EXPECT_EQ(menu->at(1).hint, "02");
    }
    EXPECT_EQ(m.mnDayChg4002.at(0).groupIndex, 1);
    EXPECT_EQ(m.NStatusCancel.at(0).groupIndex, 0);
}

TEST_F(ReferenceLoadersTest, FailuresOfTheCodeLoadAreLoggedAndKeepWhatCameBefore)
{
    ApplySysCodePages({});
    EXPECT_TRUE(log.contains("CS00_01_V02 ERR[NO RESULT]"));

    // A short row is skipped; the rows around it and the page after it are stored; a failed page
    // ends the loop but the menus are still built.
    ApplySysCodePages({page({row(code("O4", "01", "고객 취소")), row({"O4", "02"}), 17, row(code("O1", "1", "배달"))}),
                       failPage("9", "점검 중"), textPage({code("O1", "2", "포장")})});
    EXPECT_EQ(G_COM_CODE_LIST.size(), 2);
    EXPECT_TRUE(log.contains("CS00_01_V02 Row Skip 2 3 of 11 columns"));
    EXPECT_TRUE(log.contains("CS00_01_V02 Row Skip 3 not a row"));
    EXPECT_TRUE(log.contains("CS00_01_V02 is Fail 9:점검 중"));
    EXPECT_EQ(G_CANCEL_MENUS.boardCancel.size(), 1);

    ApplySysCodePages({"{not json"});
    EXPECT_TRUE(G_COM_CODE_LIST.isEmpty());
    EXPECT_EQ(log.lines().last().left(33), "CS00_01_V02 Exception Err reply p");
}

TEST_F(ReferenceLoadersTest, OrderPathListsFollowTheirColumns)
{
    const auto path = [](const QString &dt, const QString &value2, const QString &c11, const QString &c14,
                         const QString &sy = "O3") {
        return fields(15, {{0, sy}, {2, dt}, {3, "경로" + dt}, {9, "1"}, {10, value2}, {11, c11}, {14, c14}});
    };
    ApplyCodeListPages("O3", {textPage({path("1", "100000000002", "1", "0"), path("2", "abc000000001", "0", "1"),
                                        path("3", "20000000000", "1", "1")})});
    ApplyCodeListPages("PT", {textPage({path("P1", "400000000002", "0", "0", "PT")})});

    EXPECT_EQ(G_SL_O3_COL11, QStringList({"1", "3"}));
    EXPECT_EQ(G_SL_O3_COL14, QStringList({"1", "P1"}));
    EXPECT_EQ(G_SL_O3_VAL2, QStringList({"1", "P1"}));  // "3" has only 11 characters
    EXPECT_EQ(CCB_O3.count(), 4 + 3);                   // after the preloaded ones
    EXPECT_EQ(CCB_O3.at(4).tag, 100);
    EXPECT_EQ(CCB_O3.at(5).tag, 110);
    EXPECT_EQ(CCB_PT.at(0).tag, 400);
    EXPECT_EQ(G_COM_CODE_LIST.first().DT_VALUE3, "1");
}

// ----- Configuration --------------------------------------------------------------------------

QStringList cfg(const QString &type, const QString &name, const QString &value)
{
    return {type, name, value, "", "20260101000000", "1"};
}

TEST_F(ReferenceLoadersTest, ConfigurationSetsGlobalsByTypeAndName)
{
    G_PROGRAM_NAME = QStringLiteral("OtherDesk");
    G_EDITION_IDX = 24;
    ApplyConfigPages({textPage({cfg("CID", "본사", "10.0.0.1:7790"), cfg("CAURL", "ADMIN_PAGE", "https://a.example/admin"),
                                cfg("CAURL", "ADMIN_PAGE_YOK", "https://y.example/admin"),
                                cfg("CAURL", "ADMIN_PAGE_DUXEL", "https://d.example/"),
                                cfg("CAURL", "ADMIN_PAGE_SPELK", "https://s.example/"),
                                cfg("CAURL", "MAIN_HOME", "http://home.example/"),
                                cfg("ATIM", "STATS_LIMIT_TIME", "06000900"), cfg("ATIM", "CASH_LIMIT_TIME", "0500060"),
                                cfg("BRCONTRACT", "X", "Y"), cfg("CALOG", "X", "https://log.example/up")})});
    EXPECT_EQ(G_CONFIG_CODE_LIST.size(), 10);
    EXPECT_EQ(CCB_CID.nameOf("10.0.0.1:7790"), "본사");
    EXPECT_EQ(G_URL_ADMIN_PAGE, "https://a.example/admin");
    EXPECT_EQ(G_URL_ADMIN_PAGE_DUXEL, "https://d.example/");
    EXPECT_TRUE(G_URL_ADMIN_PAGE_SPELK.isEmpty());
    EXPECT_EQ(G_URL_MAIN_HOME, "http://home.example/");
    EXPECT_EQ(G_STATS_LIMIT_FROM, "0600");
    EXPECT_EQ(G_STATS_LIMIT_TO, "0900");
    EXPECT_TRUE(G_CASH_LIMIT_FROM.isEmpty());  // seven characters
    EXPECT_EQ(G_BRCONTRACT, "Y");
    EXPECT_EQ(G_URL_CALOG, "https://log.example/up");
    EXPECT_EQ(G_USER_INFO.MAP_GUBUN, "1");
}

TEST_F(ReferenceLoadersTest, PagesOfTheSecondEditionAreIgnoredByThisOne)
{
    // This build ships no second edition (its row of the edition table is empty), so its
    // addresses never replace ours, whatever order they come in.
    G_PROGRAM_NAME = G_ED_PROGRAM_NAME.at(kThisEdition);
    ApplyConfigPages({textPage({cfg("CAURL", "ADMIN_PAGE", "https://a.example/"),
                                cfg("CAURL", "ADMIN_PAGE_YOK", "https://y.example/"),
                                cfg("CAURL", "WORK_ATTEND_YOK", "https://y.example/attend"),
                                cfg("ATIM", "CASH_LIMIT_TIME", "050006000")})});
    EXPECT_EQ(G_URL_ADMIN_PAGE, "https://a.example/");
    EXPECT_TRUE(G_URL_WORK_ATTEND.isEmpty());
    EXPECT_TRUE(G_CASH_LIMIT_TO.isEmpty());  // nine characters
}

TEST_F(ReferenceLoadersTest, OnlyWebAddressesBecomePageAddresses)
{
    G_URL_MAIN_HOME = QStringLiteral("https://default.example/");
    ApplyConfigPages({textPage({cfg("CAURL", "MAIN_HOME", "file:///usr/bin/xterm"),
                                cfg("CAURL", "ADDR_MAP", "javascript:alert(1)"), cfg("CALOG", "X", "C:\\tools\\up.exe"),
                                cfg("CAURL", "POLYGON_VIEW", "HTTPS://maps.example/p")})});
    EXPECT_EQ(G_URL_MAIN_HOME, "https://default.example/");
    EXPECT_TRUE(G_URL_ADDR_MAP.isEmpty());
    EXPECT_TRUE(G_URL_CALOG.isEmpty());
    EXPECT_EQ(G_URL_POLYGON_VIEW, "HTTPS://maps.example/p");
    EXPECT_TRUE(log.contains("CS00_10_V01 URL Refused MAIN_HOME"));
    EXPECT_TRUE(log.contains("CS00_10_V01 URL Refused ADDR_MAP"));
    EXPECT_EQ(G_CONFIG_CODE_LIST.size(), 4);  // the rows themselves are kept
}

TEST_F(ReferenceLoadersTest, EmptyConfigurationLeavesTheMapKind)
{
    G_USER_INFO.MAP_GUBUN = QStringLiteral("0");
    ApplyConfigPages({textPage({})});
    EXPECT_EQ(G_USER_INFO.MAP_GUBUN, "0");
}

// ----- Head offices, branches, share list ---------------------------------------------------

QJsonObject hd(const QString &code, const QString &status = "1")
{
    return objectRow({code, "본사" + code, "0215880001", "1000", status, "004", "123", "국민은행", "N"});
}

QJsonObject br(const QString &code, const QString &hdCode, const QString &dvry, const QString &status = "1")
{
    return objectRow({code, "총판" + code, "021234", "500", status, dvry, "088", "456", "신한은행", hdCode});
}

TEST_F(ReferenceLoadersTest, HeadOfficesAndBranchesAttachByCode)
{
    ApplyHdListPages({page({hd("H1"), hd("H1"), hd("H2"), hd("H3", "0")})});
    EXPECT_EQ(G_SL_HD_CODE, QStringList({"H1", "H2"}));
    EXPECT_EQ(G_HD_LIST.at(0).HD_Name, "본사H1");

    ApplyBrListPages({page({br("B1", "H1", "D1"), br("B2", "H2", "D2"), br("B3", "H1", "D1"), br("B4", "H3", "D3"),
                            br("B5", "H2", ""), br("B6", "H1", "D1", "0")})});
    EXPECT_EQ(G_HD_LIST.at(0).SL_BRLIST(), QStringList({"B1", "B3"}));
    EXPECT_EQ(G_HD_LIST.at(1).SL_BRLIST(), QStringList({"B2", "B5"}));
    EXPECT_EQ(G_HD_LIST.at(0).BR_LIST.at(1).MNG_YN, "N");
    // A branch without a group in a reply of several rows is not listed for a distributor.
    EXPECT_EQ(G_SL_BR_CODE, QStringList({"B1", "B2", "B3"}));
    EXPECT_EQ(G_SL_BR_DVRY_TYPE, QStringList({"D1", "D2"}));
}

TEST_F(ReferenceLoadersTest, GrouplessBranchIsListedForOneRowOrAStoreUser)
{
    ApplyHdListPages({page({hd("H1")})});
    ApplyBrListPages({page({br("B1", "H1", "")})});
    EXPECT_EQ(G_SL_BR_CODE, QStringList({"B1"}));

    G_USER_INFO.USER_TYPE_CD = QStringLiteral("1002");
    ApplyHdListPages({page({hd("H1")})});
    ApplyBrListPages({page({br("B1", "H1", ""), br("B2", "H1", "")})});
    EXPECT_EQ(G_SL_BR_CODE, QStringList({"B1", "B2"}));
}

TEST_F(ReferenceLoadersTest, ShareListTakesOnlyShareRows)
{
    QJsonObject noType = objectRow({"S", "D2", "D1", "60"});
    ApplyShareListPages({page({objectRow({"S", "D1", "D2", "x", "1"}), objectRow({"X", "D1", "D3", "30", "1"}), noType,
                               objectRow({"S", "D1", "D4", "20", "1"})})});
    ASSERT_EQ(G_SHARE_GROUP.size(), 3);
    EXPECT_EQ(G_SHARE_GROUP.at(0).SHARE_TIME, 10);
    EXPECT_TRUE(G_SHARE_GROUP.at(1).DVRY_SHARE_TYPE.isEmpty());
    EXPECT_EQ(gsl_ShareGroup, QStringList({"D1", "D1"}));
}

// ----- Delivery groups ------------------------------------------------------------------------

TEST_F(ReferenceLoadersTest, SupervisedHours)
{
    const struct { const char *bmng, *start, *end, *now; bool expected; } cases[] = {
        {"Y", "0900", "1800", "12:00", true},  {"Y", "0900", "1800", "20:00", false},
        {"Y", "2200", "0600", "23:00", true},  {"Y", "2200", "0600", "05:00", true},
        {"Y", "2200", "0600", "12:00", false}, {"N", "0900", "1800", "20:00", true},
        {"Y", "", "1800", "20:00", true},      {"Y", "0900", "1800", "18:00", true},
    };
    for (const auto &c : cases) {
        TDVRY_GRP_INFO e;
        e.BMNG_TIME = c.bmng;
        e.MNG_STIME = c.start;
        e.MNG_ETIME = c.end;
        EXPECT_EQ(SupervisedHours(e, QTime::fromString(c.now, "hh:mm")), c.expected) << c.start << "-" << c.end << " " << c.now;
    }
}

QStringList live(const QString &code, const QString &att)
{
    return fields(40, {{0, code}, {1, "Y"}, {6, "2"}, {8, att}, {15, "4"}, {37, "2200-2400:500"}, {39, "1"}});
}

TEST_F(ReferenceLoadersTest, LiveStateIsStoredByGroupCode)
{
    G_USER_INFO.MNG_DVRY_TYPE_CD = QStringLiteral("D001");
    for (const char *c : {"D001", "D002", "D005"}) {
        TDVRY_GRP_INFO e;
        e.DVRY_TYPE_CD = c;
        G_DVRY_GRP_INFO.append(e);
    }
    gsl_Out_DVRY = {"D002", "D005"};
    QJsonObject periods{{"OUT_ROW2", QJsonArray{row({"1", "100"})}}};
    ApplyDvryInfoPages({textPage({live("D005", "7"), live("D001", "3"), live("D777", "99")}, periods, "20260101")},
                       QTime(12, 0));
    EXPECT_EQ(G_DVRY_GRP_INFO.at(2).WK_ATT_CNT, 7);
    EXPECT_EQ(G_DVRY_GRP_INFO.at(2).EX_TIME_STR, "2200-2400:500");
    // A group this session does not hold does not overwrite the user's own group.
    EXPECT_EQ(G_DVRY_GRP_INFO.at(0).WK_ATT_CNT, 3);
    EXPECT_EQ(G_DVRY_GRP_INFO.at(1).WK_ATT_CNT, 0);
    EXPECT_EQ(G_DVRY_INFO_SYNC, "20260101");
    EXPECT_EQ(G_DVRY_INFO_TICKS, 3);
    EXPECT_EQ(G_MSG_CHK_TICKS, 60);

    ApplyDvryInfoPages({textPage({}, QJsonObject{{"OUT_ROW2", QJsonArray{row({"x", "y"})}}}, "20260102")}, QTime(12, 0));
    EXPECT_EQ(G_DVRY_INFO_TICKS, 10);
    EXPECT_EQ(G_MSG_CHK_TICKS, 5);

    // A failing first page keeps the previous mark; a short row is skipped with its line.
    ApplyDvryInfoPages({failPage("0", "오류")}, QTime(12, 0));
    EXPECT_EQ(G_DVRY_INFO_SYNC, "20260102");
    EXPECT_TRUE(log.contains("CS00_00_V01 is Fail 0:오류"));
    ApplyDvryInfoPages({textPage({fields(38, {{0, "D002"}, {8, "9"}}), live("D002", "5")})}, QTime(12, 0));
    EXPECT_EQ(G_DVRY_GRP_INFO.at(1).WK_ATT_CNT, 5);
    EXPECT_TRUE(log.contains("CS00_00_V01 Row Skip 1 39 of 40 columns"));
}

QStringList settings(const QString &code)
{
    return fields(34, {{0, code}, {1, "Y"}, {8, "Y"}, {9, "1800"}, {10, "0900"}, {32, "Y"}, {33, "2"}});
}

TEST_F(ReferenceLoadersTest, GroupSettingsOfANewGroupGetAnEntryAtItsCodePlace)
{
    G_USER_INFO.MNG_DVRY_TYPE_CD = QStringLiteral("D001");
    // Entry 0 is made on demand.
    ApplyDvryListInitPages({textPage({settings("D001"), settings("D009"), settings("D003")})}, QTime(12, 0));
    ASSERT_EQ(G_DVRY_GRP_INFO.size(), 3);
    EXPECT_EQ(gsl_Out_DVRY, QStringList({"D003", "D009"}));
    for (int i = 0; i < gsl_Out_DVRY.size(); ++i)
        EXPECT_EQ(G_DVRY_GRP_INFO.at(i + 1).DVRY_TYPE_CD, gsl_Out_DVRY.at(i));
    EXPECT_TRUE(G_DVRY_GRP_INFO.at(0).MNG_YN);
    EXPECT_EQ(G_DVRY_GRP_INFO.at(0).MNG_STIME, "0900");
    EXPECT_EQ(G_DVRY_GRP_INFO.at(2).EX_ADD_TYPE, "2");

    // One group's change: found by its code even when the caller's index is stale.
    QStringList changed = settings("D009");
    changed[1] = "N";
    ApplyDvryListMsgReply("D009", 1, textPage({changed}), QTime(20, 0));
    EXPECT_EQ(G_DVRY_GRP_INFO.at(2).EX_YN, "N");
    EXPECT_FALSE(G_DVRY_GRP_INFO.at(2).MNG_YN);
    EXPECT_EQ(G_DVRY_GRP_INFO.at(1).EX_YN, "Y");
}

TEST_F(ReferenceLoadersTest, DeliveryOutListKeepsEveryRowAndEachCodeOnce)
{
    const QStringList out = {"S1", "D002", "강남배송", "B1", "1000", "x", "Y", "500", "2200", "0600", "02-1"};
    QStringList other = out;
    other[0] = "S2";
    ApplyDvryOutPages({page({objectRow(out), objectRow(other)})});
    EXPECT_EQ(G_DVRY_OUT_LIST.size(), 2);
    EXPECT_EQ(G_DVRY_OUT_LIST.at(0).MNG_2_FEE, 0);
    EXPECT_EQ(gsl_Out_DVRY, QStringList({"D002"}));
}

// ----- Couriers and telephone lists -----------------------------------------------------------

TEST_F(ReferenceLoadersTest, CouriersSkipStoppedOnesAndUnescapeNames)
{
    int refreshed = 0;
    QObject receiver;
    QObject::connect(&ReferenceEvents(), &ReferenceNotifier::changed, &receiver,
                     [&refreshed](ReferenceEvent e) { refreshed += e == ReferenceEvent::CouriersLoaded; });
    ApplyMyWorkPages({page({row({"H1", "본사", "B1", "총판", "D001", "W00001", "김민준", "1"}),
                            row({"H1", "본사", "B1", "총판", "D001", "W00002", "이서연", "0"}),
                            row({"H1", "본사", "B1", "총판", "D001", "W00003", "박 &quot;번개&quot;", "1"}),
                            row({"H1", "본사", "B1"})})});
    EXPECT_EQ(G_MY_WORKER.MyWorkerWkArray(), QStringList({"W00001", "W00003"}));
    const TMyWorker &w = G_MY_WORKER.MyWorkerArray.at(1);
    EXPECT_EQ(w.Wkname, "박 \"번개\"");
    EXPECT_EQ(w.WKChangeYN, 2);
    EXPECT_EQ(w.WkCash, "0");
    EXPECT_TRUE(w.WKOrders);
    EXPECT_TRUE(log.contains("CS00_16_V01 Row Skip 4 4 of 8 columns"));
    EXPECT_EQ(refreshed, 1);
}

TEST_F(ReferenceLoadersTest, TelephoneListsPairNumbersWithEntriesAcrossPages)
{
    proc_Add_StNo("S1");
    ApplyStTelPages({textPage({{"S1", "02-123-4567"}, {"S9", "051-000-1111"}}), textPage({{"S1", "010-9999-0000"}})});
    EXPECT_EQ(G_SL_ST_TEL, QStringList({"021234567", "0510001111", "01099990000"}));
    EXPECT_EQ(G_ST_TEL_LIST.at(0).ST_Idx, 0);
    EXPECT_EQ(G_ST_TEL_LIST.at(1).ST_Idx, -1);
    EXPECT_EQ(G_ST_TEL_LIST.at(2).ST_CODE, "S1");

    ApplyWkTelPages({textPage({{"W00001", "010-1111-2222", "H1", "B1"}, {"W00002", "010"}})});
    EXPECT_EQ(G_SL_WK_TEL, QStringList({"01011112222"}));
    EXPECT_TRUE(log.contains("CS00_15_V01 Row Skip 2 3 of 4 columns"));

    ApplyStTelPages({});
    EXPECT_TRUE(G_ST_TEL_LIST.isEmpty());
    EXPECT_TRUE(log.contains("CS00_14_V01 ERR[NO RESULT]"));
}

// ----- Stores ---------------------------------------------------------------------------------

QStringList store(const QString &code, const QString &status, const QList<QPair<int, QString>> &more = {})
{
    QStringList f = fields(37, {{0, code}, {1, "가게" + code}, {6, status}, {7, "37.5"}, {8, "127.0"}, {10, "D002"},
                                {16, "N"}, {23, "5"}, {29, "B1"}, {34, "1"}});
    for (const auto &[i, v] : more)
        f[i] = v;
    return f;
}

TEST_F(ReferenceLoadersTest, StoreListSkipsClosedStoresAndKeepsIndexesAligned)
{
    G_USER_INFO.USER_TYPE_CD = QStringLiteral("3000");
    G_USER_INFO.MNG_DVRY_TYPE_CD = QStringLiteral("D001");
    for (const auto &[st, dvry] : QList<QPair<QString, QString>>{{"A", "D005"}, {"C", "D001"}, {"A", "D002"}}) {
        TDVRY_LIST out;
        out.ST_CODE = st;
        out.DVRY_TYPE_CD = dvry;
        out.BR_TEL = "02-1";
        G_DVRY_OUT_LIST.append(out);
    }
    ApplyStListPages({textPage({store("A", "1"), store("B", "0"), store("C", "9", {{10, "D001"}, {34, "4"}}),
                                store("E", "4")})},
                     QDate(2028, 2, 10));
    EXPECT_EQ(G_SL_ST_CODE, QStringList({"A", "C", "E"}));
    EXPECT_EQ(GS_CHK_STNO, ",A,C");
    EXPECT_EQ(CCB_STNO.count(), 3);
    EXPECT_TRUE(G_HAS_DELIVERY_STORE);
    EXPECT_TRUE(G_HAS_QUICK_STORE);
    EXPECT_EQ(G_ST_LIST.at(0).ST_SHAREYN, "N");
    EXPECT_EQ(G_ST_LIST.at(0).SL_GROUP_NO(), QStringList({"0"}));
    EXPECT_EQ(G_ST_LIST.at(0).CHARGE_DAY_POS, "2028-02-05");
    // Each store copies its own delivery-out rows, in list order, without the telephone.
    ASSERT_EQ(G_ST_LIST.at(0).DVRY_OUT_LIST.size(), 2);
    EXPECT_EQ(G_ST_LIST.at(0).DVRY_OUT_LIST.at(0).DVRY_TYPE_CD, "D005");
    EXPECT_EQ(G_ST_LIST.at(0).DVRY_OUT_LIST.at(1).DVRY_TYPE_CD, "D002");
    EXPECT_TRUE(G_ST_LIST.at(0).DVRY_OUT_LIST.at(1).BR_TEL.isEmpty());
    EXPECT_EQ(G_ST_LIST.at(1).DVRY_OUT_LIST.size(), 1);
    // Own group first and once, then the other groups in code order.
    ASSERT_EQ(G_DVRY_GRP_INFO.size(), 2);
    EXPECT_EQ(G_DVRY_GRP_INFO.at(0).DVRY_TYPE_CD, "D001");
    EXPECT_EQ(G_DVRY_GRP_INFO.at(1).DVRY_TYPE_CD, "D002");

    proc_Add_StNo("D");
    EXPECT_EQ(G_SL_ST_CODE.indexOf("D"), 3);
    EXPECT_EQ(G_ST_LIST.at(3).ST_CODE, "D");
}

TEST_F(ReferenceLoadersTest, ChargeDay)
{
    EXPECT_EQ(ChargeDayText("32", QDate(2028, 2, 3)), "2028-02-29");
    EXPECT_EQ(ChargeDayText("32", QDate(2027, 2, 3)), "2027-02-28");
    EXPECT_EQ(ChargeDayText("5", QDate(2027, 7, 3)), "2027-07-05");
    EXPECT_EQ(ChargeDayText("15", QDate(2027, 7, 3)), "2027-07-15");
}

TEST_F(ReferenceLoadersTest, DistributorTakesItsMasterStoresAndFirstCoordinates)
{
    G_USER_INFO.USER_TYPE_CD = QStringLiteral("5000");
    ApplyHdListPages({page({hd("H1")})});
    ApplyBrListPages({page({br("B1", "H1", "D001")})});
    QStringList shortRow = store("X", "1");
    shortRow = shortRow.mid(0, 30);
    ApplyStListPages({textPage({store("A", "1", {{16, "Y"}, {7, "1.5"}, {8, "2.5"}}), shortRow,
                                store("C", "1", {{16, "Y"}, {7, "9"}, {8, "9"}, {10, "D003"}, {29, "B7"}})}),
                      failPage("0", "끝")},
                     QDate(2027, 7, 3));
    EXPECT_EQ(G_USER_INFO.BR_ST_CODE, "C");
    EXPECT_EQ(G_USER_INFO.ST_DVRY_TYPE_CD, "D003");
    EXPECT_EQ(G_USER_INFO.ST_LNG_X, "2.5");
    EXPECT_EQ(G_USER_INFO.MNG_DVRY_TYPE_CD, "D001");
    EXPECT_EQ(G_ST_LIST.at(0).ST_SHAREYN, "N");  // its branch is the head office's
    EXPECT_EQ(G_ST_LIST.at(1).ST_SHAREYN, "Y");
    EXPECT_TRUE(log.contains("CS00_04_V02 Row Skip 2 31 of 36 columns"));
    EXPECT_TRUE(log.contains("CS00_04_V02 is Fail 0:끝"));
    // The steps after the pages still ran.
    EXPECT_EQ(G_DVRY_GRP_INFO.size(), 3);
}

TEST_F(ReferenceLoadersTest, OneStoreLoadRefusesAStoreNotInTheList)
{
    EXPECT_FALSE(ApplyStInfoPages("S404", {textPage({store("S404", "1")})}, QDate(2027, 1, 1)));
    EXPECT_TRUE(G_ST_LIST.isEmpty());
    EXPECT_TRUE(log.contains("CS00_04_V02 Unknown Store S404"));

    proc_Add_StNo("S1");
    EXPECT_TRUE(ApplyStInfoPages("S1", {textPage({store("S1", "1", {{1, "새가게"}})})}, QDate(2027, 1, 1)));
    EXPECT_EQ(G_ST_LIST.at(0).ST_NAME, "새가게");
    EXPECT_EQ(GS_CHK_STNO, ",S1");
}

// ----- Frequently used names ------------------------------------------------------------------

QStringList name(const QString &grp, const QString &word, const QString &sido, const QString &sigungu,
                 const QString &dong)
{
    return fields(17, {{0, "S1"}, {1, grp}, {2, "7"}, {3, word}, {4, sido}, {5, sigungu}, {6, dong}, {9, dong},
                       {11, "건물"}, {14, "37.1"}, {15, "127.1"}});
}

TEST_F(ReferenceLoadersTest, StoreNamesFillGroupsAndFlatList)
{
    TST_LIST st;
    ASSERT_TRUE(PrepareStoreNames(st, false));
    QJsonObject names{{"OUT_ROW2", QJsonArray{row(name("1", "한빛아파트", "세종특별자치시", "", "나성동")),
                                                row(name("0", "그린타워", "제주특별자치도", "제주시", "나성동")),
                                                row(name("9", "없는그룹", "서울특별시", "강남구", "역삼동"))}}};
    ApplyStoreNamesPages(st, {textPage({{"S1", "1", "아파트", "1", "7"}, {"S1", "2", "상가", "1", "1234"},
                                        {"S1", "1", "아파트단지", "1", "12"}},
                                       names)});
    ASSERT_EQ(st.SL_GRP_KEYNO(), QStringList({"0", "1", "2"}));
    EXPECT_EQ(st.ST_MSG_ADDR.at(0).GRP_TEXT, "기타");
    EXPECT_EQ(st.ST_MSG_ADDR.at(1).GRP_TEXT, "아파트단지");
    EXPECT_EQ(st.ST_MSG_ADDR.at(1).VIEW_ORDER, "012");
    EXPECT_EQ(st.ST_MSG_ADDR.at(2).VIEW_ORDER, "123");
    ASSERT_EQ(st.ST_MSG_ADDR.at(1).MSG_LIST.size(), 1);
    const TMSG_ADDR &a = st.ST_MSG_ADDR.at(1).MSG_LIST.first();
    EXPECT_EQ(a.ADDR_1, "세종");
    EXPECT_EQ(a.ADDR_2, "세종");
    EXPECT_EQ(a.WORD_ADDR_NAME, "ㅎ");
    EXPECT_EQ(st.ST_MSG_ADDR.at(0).MSG_LIST.first().ADDR_1, "제주");
    EXPECT_EQ(st.ST_MSG_ADDR2.size(), 2);
    EXPECT_EQ(st.ST_MSG_ADDR2.at(1).GRP_TEXT, "기타");
    EXPECT_EQ(st.SL_MSG_DONG, QStringList({"나성동"}));
    EXPECT_EQ(st.KEYWORD_GRP_NO, 2);
    EXPECT_EQ(st.KEYWORD_ADDR_NO, 9);

    // Loaded: no second request unless forced; a forced reload keeps only the default group.
    EXPECT_FALSE(PrepareStoreNames(st, false));
    EXPECT_TRUE(PrepareStoreNames(st, true));
    EXPECT_EQ(st.ST_MSG_ADDR.count(), 1);
    EXPECT_TRUE(st.ST_MSG_ADDR.at(0).MSG_LIST.isEmpty());
    EXPECT_EQ(st.KEYWORD_ADDR_NO, 0);
}

TEST_F(ReferenceLoadersTest, EmptyNamesReplyMarksTheStoreLoaded)
{
    TST_LIST st;
    PrepareStoreNames(st, false);
    ApplyStoreNamesPages(st, {textPage({})});
    EXPECT_EQ(st.ST_MSG_ADDR.count(), 1);
    EXPECT_EQ(st.KEYWORD_ADDR_NO, 1);

    TST_LIST other;
    PrepareStoreNames(other, false);
    ApplyStoreNamesPages(other, {});
    EXPECT_EQ(other.KEYWORD_ADDR_NO, 0);
    EXPECT_TRUE(log.contains("CS00_07_V05 ERR[NO RESULT]"));
}
} // namespace
