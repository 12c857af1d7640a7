// The reference loaders against the in-process sandbox and its demo world.
#include "common/qstring_print.h"
#include "link/link_state.h"
#include "link/sandbox_link_fixture.h"
#include "reference/goods_loaders.h"
#include "reference/page_addresses.h"
#include "reference/reference_loaders.h"
#include "reference/reference_test_support.h"
#include "text/phone_helpers.h"

#include <gtest/gtest.h>

namespace
{
class ReferenceSandboxTest : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetAllReference();
        ClearPageAddresses();
        // The demo distributor of the Gangnam branch.
        G_USER_INFO.ID = QStringLiteral("branch01");
        G_USER_INFO.USER_TYPE_CD = QStringLiteral("5000");
        G_USER_INFO.HD = QStringLiteral("H0001");
        G_USER_INFO.BR = QStringLiteral("B000101");
        G_USER_INFO.MNG_DVRY_TYPE_CD = QStringLiteral("D001");
    }
    void TearDown() override
    {
        ResetAllReference();
        SandboxLinkTest::TearDown();
    }

    QList<SandboxRequest> requests(const QString &code) const
    {
        QList<SandboxRequest> out;
        for (const SandboxRequest &r : host->receivedRequests()) {
            if (r.reqNum == code)
                out.append(r);
        }
        return out;
    }

    void loadOrganisation()
    {
        proc_HdList();
        proc_BrList();
        proc_Share_List();
        proc_Dvry_Out_List();
        proc_StList();
    }
};

TEST_F(ReferenceSandboxTest, CodeTablesAndConfigurationComeFromTheWorld)
{
    proc_syscode();
    procO3List();
    procPTList();
    proc_Com_CS_Code();

    EXPECT_TRUE(CCB_O8.contains("D001"));
    EXPECT_FALSE(CCB_O8.contains("D900"));
    EXPECT_TRUE(FindComCode("O8", "D900"));
    EXPECT_EQ(CCB_O4.count(), 5);
    EXPECT_EQ(CCB_O4_1.count(), 3);
    EXPECT_EQ(G_CANCEL_MENUS.boardCancel.size(), 5);
    EXPECT_EQ(CCB_O2.nameOf("2001"), "요청");
    EXPECT_EQ(CCB_O2.nameOf("4005"), "반송");
    EXPECT_EQ(CCB_O3.count(), 4 + 6);
    EXPECT_EQ(CCB_PT.count(), 2);
    EXPECT_TRUE(G_SL_O3_VAL2.contains("2001"));
    EXPECT_EQ(CCB_CID.count(), 2);
    EXPECT_TRUE(G_URL_MAIN_HOME.startsWith("https://"));
    EXPECT_EQ(G_STATS_LIMIT_FROM, "0600");
    EXPECT_EQ(G_USER_INFO.MAP_GUBUN, "1");

    const QList<SandboxRequest> sys = requests("CS00_01_V02");
    ASSERT_EQ(sys.size(), 1);
    EXPECT_EQ(sys.first().callType, "ADM3");
    EXPECT_EQ(sys.first().pageCount, "3000");
    EXPECT_EQ(sys.first().val, G_FIELD_SEP.repeated(5));
    EXPECT_EQ(requests("CS00_17_V02").first().val, "O3" + G_FIELD_SEP.repeated(6));
    EXPECT_EQ(requests("CS00_10_V01").first().val, G_FIELD_SEP + G_FIELD_SEP + "1" + G_FIELD_SEP + G_FIELD_SEP);

    // A code group is asked for once.
    proc_GetCodeList("BT");
    proc_GetCodeList("BT");
    EXPECT_EQ(requests("CS00_17_V02").size(), 3);
    EXPECT_TRUE(FindComCode("BT", "004"));
}

TEST_F(ReferenceSandboxTest, OrganisationStoresAndDeliveryGroupsOfADistributor)
{
    loadOrganisation();

    EXPECT_EQ(G_SL_HD_CODE, QStringList({"H0001"}));
    EXPECT_EQ(G_HD_LIST.at(0).SL_BRLIST(), QStringList({"B000101"}));
    EXPECT_EQ(G_SL_BR_DVRY_TYPE, QStringList({"D001"}));
    EXPECT_EQ(requests("CS00_02_V01").first().callType, "ADM1");
    EXPECT_EQ(requests("CS00_09_V01").first().val.split(G_FIELD_SEP).value(5), "D001");
    EXPECT_FALSE(G_SHARE_GROUP.isEmpty());

    ASSERT_EQ(G_ST_LIST.count(), 12);
    EXPECT_EQ(G_SL_ST_CODE.first(), "S000101");
    EXPECT_EQ(G_ST_LIST.at(0).ST_NAME, "행복치킨 본점");
    EXPECT_EQ(G_USER_INFO.BR_ST_CODE, "S000101");  // the branch's master store
    EXPECT_TRUE(GS_CHK_STNO.startsWith(",S000101,"));
    EXPECT_TRUE(G_HAS_DELIVERY_STORE);
    EXPECT_EQ(requests("CS00_04_V02").first().val,
              "5000" + G_FIELD_SEP + "H0001" + G_FIELD_SEP + "B000101" + G_FIELD_SEP + G_FIELD_SEP + G_FIELD_SEP);
    // Own group first, then the group some stores also deliver through.
    ASSERT_GE(G_DVRY_GRP_INFO.size(), 2);
    EXPECT_EQ(G_DVRY_GRP_INFO.at(0).DVRY_TYPE_CD, "D001");
    EXPECT_EQ(G_DVRY_GRP_INFO.at(1).DVRY_TYPE_CD, "D002");

    proc_Dvry_List_Init();
    EXPECT_FALSE(G_DVRY_GRP_INFO.at(0).EX_CHARGE.isEmpty());
    proc_Dvry_info();
    EXPECT_GT(G_DVRY_GRP_INFO.at(0).WK_ATT_CNT, 0);
    const QString mark = G_DVRY_INFO_SYNC;
    EXPECT_EQ(mark.size(), 14);
    EXPECT_EQ(requests("CS00_00_V01").first().callType, "CMM5");
    proc_Dvry_info();
    EXPECT_EQ(requests("CS00_00_V01").last().val.split(G_FIELD_SEP).value(2), mark);
    EXPECT_EQ(requests("CS00_00_V01").last().val.split(G_FIELD_SEP).value(1), "D001,D002");

    host->clearReceived();
    proc_Dvry_List_MSG(QString(), 0);
    EXPECT_TRUE(requests("CS09_03_V01").isEmpty());
    G_DVRY_GRP_INFO[1].EX_CHARGE.clear();
    proc_Dvry_List_MSG("D002", 1);
    EXPECT_FALSE(G_DVRY_GRP_INFO.at(1).EX_CHARGE.isEmpty());
}

TEST_F(ReferenceSandboxTest, CouriersAndTelephoneListsOfTheBranch)
{
    loadOrganisation();
    proc_Load_TelList();
    proc_Load_WkTelList();
    GetMyWorkList();

    ASSERT_EQ(G_ST_TEL_LIST.count(), 12);
    for (const TST_TEL_LIST &t : G_ST_TEL_LIST) {
        EXPECT_FALSE(t.ST_TEL.contains('-'));
        EXPECT_EQ(G_SL_ST_CODE.at(t.ST_Idx), t.ST_CODE);
    }
    // An incoming call is matched after the same normalisation.
    const int idx = G_SL_ST_TEL.indexOf(RemoveHyphens(G_ST_LIST.at(3).ST_TEL));
    ASSERT_GE(idx, 0);
    EXPECT_EQ(G_ST_TEL_LIST.at(idx).ST_CODE, G_SL_ST_CODE.at(3));

    ASSERT_GE(G_MY_WORKER.MyWorkerArray.count(), 25);
    bool quoted = false;
    for (const TMyWorker &w : G_MY_WORKER.MyWorkerArray) {
        EXPECT_EQ(w.BrCode, "B000101");
        EXPECT_EQ(w.DataStatus, "1");
        quoted = quoted || w.Wkname.endsWith(" \"번개\"");
    }
    EXPECT_TRUE(quoted);
    EXPECT_EQ(G_WK_TEL_LIST.count(), G_MY_WORKER.MyWorkerArray.count());
    EXPECT_EQ(requests("CS00_16_V01").first().val.split(G_FIELD_SEP).value(0), "branch01");
}

TEST_F(ReferenceSandboxTest, StoreNamesAndOneStoreLoad)
{
    proc_StList();
    proc_St_Favarity3("S000101", false);
    const TST_LIST &st = G_ST_LIST.at(0);
    EXPECT_GE(st.ST_MSG_ADDR.count(), 3);  // the default group and the store's own
    EXPECT_GE(st.ST_MSG_ADDR2.size(), 6);
    EXPECT_GE(st.KEYWORD_ADDR_NO, 1);
    const SandboxRequest first = requests("CS00_07_V05").first();
    EXPECT_EQ(first.pageCount, "2000");
    EXPECT_EQ(first.val, "S000101" + G_FIELD_SEP + "0" + G_FIELD_SEP + "0" + G_FIELD_SEP);

    proc_St_Favarity3("S000101", false);
    EXPECT_EQ(requests("CS00_07_V05").size(), 1);
    proc_St_Favarity3("S000101", true);
    EXPECT_EQ(requests("CS00_07_V05").size(), 2);
    EXPECT_EQ(requests("CS00_07_V05").last().val, first.val);

    host->clearReceived();
    proc_GetStInfo("S000102");
    // The store's goods groups and goods follow its record.
    const TST_LIST *loaded = G_ST_LIST.find("S000102");
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->GOODS_LIST.isEmpty());
    EXPECT_EQ(requests(kGoodsGroupCode).size(), 1);
    EXPECT_EQ(requests(kGoodsGroupCode).first().val.section(G_FIELD_SEP, 3, 3), "S000102");
    EXPECT_EQ(requests("CS00_04_V02").first().val,
              "3000" + G_FIELD_SEP + "H0001" + G_FIELD_SEP + "B000101" + G_FIELD_SEP + "S000102" + G_FIELD_SEP
                  + G_FIELD_SEP);
    proc_GetStInfo("S999999");
    EXPECT_EQ(requests("CS00_04_V02").size(), 1);
    EXPECT_TRUE(log.contains("CS00_04_V02 Unknown Store S999999"));
    EXPECT_EQ(requests(kGoodsGroupCode).size(), 1);
}

TEST_F(ReferenceSandboxTest, RefusedAndDamagedRepliesAreLogged)
{
    host->setHandler("CS00_16_V01", [](const SandboxRequest &) {
        return SandboxReply::code("0", "점검 중입니다.");
    });
    host->setHandler("CS00_14_V01", [](const SandboxRequest &) {
        SandboxReply reply = SandboxReply::rowsOf({{"S000101", "02-555-0101"}});
        reply.rows.append(42);
        reply.rows.append(SandboxText::joinFields({"S000102", "02-555-0102"}));
        return reply;
    });
    GetMyWorkList();
    EXPECT_TRUE(log.contains("CS00_16_V01 is Fail 0:점검 중입니다."));
    EXPECT_TRUE(G_MY_WORKER.MyWorkerArray.isEmpty());

    proc_Load_TelList();
    EXPECT_TRUE(log.contains("CS00_14_V01 Row Skip 2 not a row"));
    EXPECT_EQ(G_SL_ST_TEL, QStringList({"025550101", "025550102"}));

    proc_HdList();
    ASSERT_EQ(G_HD_LIST.count(), 1);
    // A reply that cannot be read is no reply: logged, and the list keeps what it had.
    LinkFaults faults;
    faults.garbageFrame = true;
    faults.onlyForCode = "CS00_02_V01";
    faults.once = true;
    host->setFaults(faults);
    proc_HdList();
    EXPECT_TRUE(log.contains("CS00_02_V01 ERR[NO RESULT]"));
    EXPECT_EQ(G_HD_LIST.count(), 1);
}

TEST_F(ReferenceSandboxTest, DemoWorldHasItsCouriersAndAccounts)
{
    const auto db = host->database();
    EXPECT_EQ(db->value("SELECT COUNT(*) FROM couriers").toInt(), 120);
    EXPECT_EQ(db->value("SELECT COUNT(*) FROM stores").toInt(), 41);
    EXPECT_EQ(db->value("SELECT type_cd FROM users WHERE id = 'branch01'").toString(), "5000");
    EXPECT_EQ(db->value("SELECT mng_dvry_type FROM users WHERE id = 'branch01'").toString(),
              db->value("SELECT dvry_type_cd FROM branches WHERE br_code = 'B000101'").toString());
}
} // namespace
