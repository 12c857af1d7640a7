#include "reference/goods_loaders.h"
#include "row_separator.h"

#include "common/program_globals.h"
#include "link/request_link.h"
#include "link/sandbox_link_fixture.h"
#include "records/device_records.h"
#include "records/goods_parse.h"
#include "records/reference_records.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{

// The demo world's stores in G_ST_LIST, each with its default group "0", as the store loader
// leaves them.
class GoodsLoadersTest : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetReferenceRecords();
        G_GRP_PRINT.clear();
        G_FIELD_SEP = kSep;
        G_USER_INFO.USER_TYPE_CD = QStringLiteral("5000");
        G_USER_INFO.HD = QStringLiteral("H0001");
        G_USER_INFO.BR = QString();
        G_USER_INFO.ST = QString();
        for (const QVariantList &r : host->database()->rows(QStringLiteral("SELECT st_code FROM stores ORDER BY st_code"))) {
            TST_LIST &st = G_ST_LIST.append(r.at(0).toString());
            st.ST_CODE = r.at(0).toString();
            st.GOODS_GRP_LST.append(QStringLiteral("0")).GRP_NO = QStringLiteral("0");
        }
        host->clearReceived();
    }
    void TearDown() override
    {
        ResetReferenceRecords();
        G_GRP_PRINT.clear();
        SandboxLinkTest::TearDown();
    }

    QList<SandboxRequest> sent(const QString &code) const
    {
        QList<SandboxRequest> out;
        for (const SandboxRequest &r : host->receivedRequests()) {
            if (r.reqNum == code)
                out << r;
        }
        return out;
    }
    int goodsInDb(const QString &st) const
    {
        return host->database()->value(QStringLiteral("SELECT COUNT(*) FROM goods WHERE st_code = ?"), {st}).toInt();
    }
};

TEST_F(GoodsLoadersTest, GroupsOfTheHeadOfficeStoresFollowTheDefaultGroupAndMakePrinterGroups)
{
    proc_Goods_group();
    const QList<SandboxRequest> reqs = sent("CS00_05_V01");
    ASSERT_EQ(reqs.size(), 1);
    EXPECT_EQ(reqs[0].callType, "ADM1");
    EXPECT_EQ(reqs[0].pageCount, "3000");
    EXPECT_EQ(reqs[0].val, "5000" + kSep + "H0001" + kSep + kSep + kSep + kSep);
    const TST_LIST &first = *G_ST_LIST.find("S000101");
    ASSERT_GT(first.GOODS_GRP_LST.count(), 2);
    EXPECT_EQ(first.SL_GROUP_NO().first(), "0");
    EXPECT_EQ(first.SL_GROUP_NO().at(1), "G0001");
    EXPECT_FALSE(first.GOODS_GRP_LST.at(1).GRP_NAME.isEmpty());
    // Head office H0001 owns the Seoul stores only; the Busan stores get no groups.
    const QString busan = host->database()->value("SELECT st_code FROM stores WHERE hd_code = 'H0002' LIMIT 1").toString();
    EXPECT_EQ(G_ST_LIST.find(busan)->GOODS_GRP_LST.count(), 1);
    EXPECT_FALSE(G_GRP_PRINT.isEmpty());
    EXPECT_EQ(G_GRP_PRINT.first().sCode, "G0001");

    // Reloading rebuilds the printer groups; one store's groups add to them.
    const int printers = G_GRP_PRINT.size();
    proc_GetStGoods_group("S000101");
    EXPECT_EQ(sent("CS00_05_V01").last().val, "3000" + kSep + "H0001" + kSep + kSep + "S000101" + kSep + kSep);
    EXPECT_EQ(G_GRP_PRINT.size(), printers + 2);
}

TEST_F(GoodsLoadersTest, GroupRowsWithStatusZeroOrOfUnknownStoresAreDropped)
{
    auto row = [](const QString &st, const QString &grp, const QString &status, const QString &use) {
        return QJsonObject{{"C_0", st}, {"C_1", grp}, {"C_2", "그룹"}, {"C_3", status}, {"C_4", use}};
    };
    QJsonObject p{{"OUT_CODE", "1"},
                  {"OUT_ROW1", QJsonArray{row("S000101", "X1", "0", "5"), row("S999999", "X2", "1", "5"),
                                          QJsonValue("broken"), row("S000101", "X3", "1", "1")}}};
    ParseGoodsGroups({QString::fromUtf8(QJsonDocument(p).toJson())}, true);
    EXPECT_EQ(G_ST_LIST.find("S000101")->SL_GROUP_NO(), (QStringList{"0", "X3"}));
    EXPECT_TRUE(G_GRP_PRINT.isEmpty());
    EXPECT_TRUE(log.contains("CS00_05_V01 Exception Err row 2 is not a goods-group row"));
}

TEST_F(GoodsLoadersTest, GoodsAreLoadedOncePerStoreUntilAReloadIsForced)
{
    proc_Goods_group();
    host->clearReceived();
    proc_Goods2("S000101", false);
    TST_LIST &st = *G_ST_LIST.find("S000101");
    ASSERT_EQ(sent("CS00_06_V04").size(), 1);
    const SandboxRequest first = sent("CS00_06_V04").first();
    EXPECT_EQ(first.callType, "ADM3");
    EXPECT_EQ(first.pageCount, "2000");
    EXPECT_EQ(first.val, "S000101" + kSep + kSep);
    EXPECT_EQ(st.GOODS_LIST.count(), goodsInDb("S000101"));
    EXPECT_FALSE(st.GOODS_SYNC_DT.isEmpty());
    int copies = 0;
    for (const TST_GOODS_GROUP_LIST &g : st.GOODS_GRP_LST)
        copies += g.GOODS.count();
    EXPECT_EQ(copies, st.GOODS_LIST.count());
    EXPECT_EQ(st.GOODS_GRP_LST.at(0).GOODS.count(), 0) << "every demo goods item has a group of its own";
    int options = 0;
    for (const TGOODS_LIST &g : st.GOODS_LIST)
        options += g.OP1.count() + g.ADD.count();
    EXPECT_GT(options, 0);

    proc_Goods2("S000101", false);
    EXPECT_EQ(sent("CS00_06_V04").size(), 1) << "a loaded store is not asked again";

    // A forced reload keeps the groups (the default group first) and the goods find them again.
    const QStringList groups = st.SL_GROUP_NO();
    proc_Goods2("S000101", true);
    ASSERT_EQ(sent("CS00_06_V04").size(), 2);
    EXPECT_EQ(sent("CS00_06_V04").last().val, "S000101" + kSep + kSep);
    EXPECT_EQ(st.SL_GROUP_NO(), groups);
    EXPECT_EQ(st.GOODS_LIST.count(), goodsInDb("S000101"));
    int again = 0;
    for (const TST_GOODS_GROUP_LIST &g : st.GOODS_GRP_LST)
        again += g.GOODS.count();
    EXPECT_EQ(again, copies);
    EXPECT_EQ(st.GOODS_GRP_LST.at(0).GOODS.count(), 0);
}

TEST_F(GoodsLoadersTest, StoreCodesNotInTheListAreRefusedWithoutARequest)
{
    for (const QString &code : {QString(), QStringLiteral("   "), QStringLiteral("S999999")})
        proc_Goods2(code, true);
    EXPECT_TRUE(sent("CS00_06_V04").isEmpty());
}

TEST_F(GoodsLoadersTest, AReplyWithoutMarkIsAskedForAgain)
{
    host->setHandler("CS00_06_V04", [](const SandboxRequest &) { return SandboxReply(); });
    proc_Goods2("S000101", false);
    proc_Goods2("S000101", false);
    EXPECT_EQ(sent("CS00_06_V04").size(), 2);
}

TEST_F(GoodsLoadersTest, NoReplyRefusedReplyAndDamagedRowsAreLogged)
{
    LinkFaults faults;
    faults.garbageFrame = true;
    faults.onlyForCode = "CS00_06_V04";
    faults.once = true;
    host->setFaults(faults);
    proc_Goods2("S000101", false);
    EXPECT_TRUE(log.contains("CS00_06_V04 ERR[NO RESULT]")) << log.lines().join('\n').toStdString();
    EXPECT_EQ(G_ST_LIST.find("S000101")->GOODS_LIST.count(), 0);

    // The link may have been dropped by the broken frame; connect again for the next requests.
    if (!G_CONNECTED)
        ASSERT_TRUE(ConnectServer(G_TCP_CLIENT, G_SERVER_HOST, G_SERVER_PORT, 10000));
    host->setHandler("CS00_05_V01", [](const SandboxRequest &) { return SandboxReply::code("9", "권한이 없습니다."); });
    proc_Goods_group();
    EXPECT_TRUE(log.contains(QStringLiteral("CS00_05_V01 is Fail 9:권한이 없습니다.")));

    host->setHandler("CS00_06_V04", [](const SandboxRequest &) {
        QStringList good(39);
        good[0] = "S000101";
        good[1] = "1";
        good[2] = "후라이드치킨";
        good[3] = "1";
        QJsonObject p{{"OUT_CODE", "1"}, {"OUT_VAL", "20261211000000"},
                      {"OUT_ROW1", QJsonArray{SandboxText::joinFields({"S000101", "2", "짧은행"}),
                                              SandboxText::joinFields(good)}}};
        return SandboxReply::explicitPages({QString::fromUtf8(QJsonDocument(p).toJson(QJsonDocument::Compact))});
    });
    proc_Goods2("S000101", false);
    EXPECT_EQ(G_ST_LIST.find("S000101")->SL_GOODS_NO(), QStringList{"1"});
    EXPECT_TRUE(log.contains("CS00_06_V04 Exception Err 0    0 : short row"));
}
} // namespace

namespace
{
TEST_F(GoodsLoadersTest, TheSandboxsGoodsDetailMergesIntoALoadedStore)
{
    proc_Goods_group();
    proc_Goods2("S000101", false);
    TST_LIST &st = *G_ST_LIST.find("S000101");
    const int goods = st.GOODS_LIST.count();
    const QString goodsNo = st.SL_GOODS_NO().first();
    host->database()->exec("UPDATE goods SET name = '새이름' WHERE st_code = 'S000101' AND goods_no = ?", {goodsNo});
    ParseGoodsDetail(RequestList(G_TCP_CLIENT, QString::fromLatin1(kGoodsDetailCode), QStringLiteral("ADM3"),
                                 "S000101" + kSep + goodsNo + kSep, QStringLiteral("3000"), 30000));
    EXPECT_EQ(st.GOODS_LIST.count(), goods);
    EXPECT_EQ(st.GOODS_LIST.find(goodsNo)->GOODS_NAME, QStringLiteral("새이름"));
    int named = 0;
    for (const TST_GOODS_GROUP_LIST &g : st.GOODS_GRP_LST) {
        if (const TGOODS_LIST *copy = g.GOODS.find(' ' + goodsNo))
            named += copy->GOODS_NAME == QStringLiteral("새이름");
    }
    EXPECT_EQ(named, 1);
}
} // namespace
