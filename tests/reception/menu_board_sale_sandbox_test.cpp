#include "link/sandbox_link_fixture.h"

#include "common/program_globals.h"
#include "reception/menu_board_filter.h"
#include "reception/menu_board_sale.h"
#include "reception/order_items.h"
#include "records/device_records.h"
#include "records/reference_records.h"
#include "reference/goods_loaders.h"

#include <gtest/gtest.h>

namespace
{

// One demo store with its groups and goods loaded from the sandbox, as a reception finds them.
class MenuBoardSaleSandboxTest : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetReferenceRecords();
        G_GRP_PRINT.clear();
        G_USER_INFO.USER_TYPE_CD = QStringLiteral("5000");
        G_USER_INFO.HD = QStringLiteral("H0001");
        stCode = host->database()
                     ->value(QStringLiteral("SELECT st_code FROM stores WHERE name LIKE '%커피%' ORDER BY st_code"))
                     .toString();
        ASSERT_FALSE(stCode.isEmpty());
        TST_LIST &st = G_ST_LIST.append(stCode);
        st.ST_CODE = stCode;
        st.SHOP_TYPE = "2";
        st.GOODS_GRP_LST.append(QStringLiteral("0")).GRP_NO = QStringLiteral("0");
        proc_GetStGoods_group(stCode);
        proc_Goods2(stCode, false);
        ASSERT_GT(store().GOODS_LIST.count(), 0);
        host->clearReceived();
    }
    void TearDown() override
    {
        ResetReferenceRecords();
        G_GRP_PRINT.clear();
        SandboxLinkTest::TearDown();
    }
    TST_LIST &store() { return G_ST_LIST[0]; }
    QString dbStatus(const QString &goodsNo) const
    {
        return host->database()
            ->value(QStringLiteral("SELECT ord_status FROM goods WHERE st_code = ? AND goods_no = ?"), {stCode, goodsNo})
            .toString();
    }

    QString stCode;
};

TEST_F(MenuBoardSaleSandboxTest, DemoStoreSellsGoodsWithOptionsDepositsAndSoldOutDishes)
{
    int withOptions = 0, withDeposit = 0, soldOut = 0;
    for (int i = 0; i < store().GOODS_LIST.count(); ++i) {
        const TGOODS_LIST &g = store().GOODS_LIST.at(i);
        withOptions += g.OP1.isEmpty() && g.ADD.isEmpty() ? 0 : 1;
        withDeposit += OrderPriceValue(g.CUP_DEPOSIT_PRICE) > 0 ? 1 : 0;
        soldOut += g.ORD_STATUS == QLatin1String("1") ? 0 : 1;
    }
    EXPECT_GT(withOptions, 0);
    EXPECT_GT(withDeposit, 0);
    EXPECT_GT(soldOut, 0);
    EXPECT_EQ(BuildMenuBoard(store(), MenuBoardFilter{}).size(), store().GOODS_LIST.count());
}

TEST_F(MenuBoardSaleSandboxTest, SwitchReachesTheServerTheCacheAndTheNextLoad)
{
    const QString goodsNo = store().GOODS_LIST.at(0).ST_GOODS_NO;
    ASSERT_EQ(dbStatus(goodsNo), QStringLiteral("1"));
    QString word;
    const QString status = GoodsSaleNextStatus(true, &word);
    EXPECT_EQ(GoodsSaleQuestion(word), QStringLiteral("[품절]상태로 변경하시겠습니까?"));

    const GoodsSaleSwitchResult r = ChangeGoodsSaleStatus(store(), goodsNo, status);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("상태를 변경했습니다"));
    ASSERT_EQ(host->receivedRequests().size(), 1);
    const SandboxRequest sent = host->receivedRequests().at(0);
    EXPECT_EQ(sent.reqNum, QStringLiteral("CS05_15_V01"));
    EXPECT_EQ(sent.callType, QStringLiteral("ADM1"));
    EXPECT_EQ(sent.fields().mid(0, 3), QStringList({stCode, goodsNo, QStringLiteral("2")}));
    EXPECT_EQ(dbStatus(goodsNo), QStringLiteral("2"));
    EXPECT_EQ(QString(store().GOODS_LIST.find(goodsNo)->ORD_STATUS), QStringLiteral("2"));
    OrderItemTree tree;
    EXPECT_EQ(tree.addGoods(store(), false, goodsNo, true, true), OrderItemChange::RefusedSoldOut);

    // A fresh load of the store's goods brings the switched status from the server.
    proc_Goods2(stCode, true);
    EXPECT_EQ(QString(store().GOODS_LIST.find(goodsNo)->ORD_STATUS), QStringLiteral("2"));
    EXPECT_EQ(ChangeGoodsSaleStatus(store(), goodsNo, GoodsSaleNextStatus(false)).ok, true);
    EXPECT_EQ(dbStatus(goodsNo), QStringLiteral("1"));
    EXPECT_EQ(tree.addGoods(store(), false, goodsNo, true, true), OrderItemChange::Changed);
}

TEST_F(MenuBoardSaleSandboxTest, RefusedSwitchChangesNothing)
{
    const QString goodsNo = store().GOODS_LIST.at(0).ST_GOODS_NO;
    const GoodsSaleSwitchResult unknown = ChangeGoodsSaleStatus(store(), QStringLiteral("NOPE"), QStringLiteral("2"));
    EXPECT_FALSE(unknown.ok);
    EXPECT_EQ(unknown.message, QStringLiteral("실패했습니다.\n등록되지 않은 상품입니다."));
    const GoodsSaleSwitchResult bad = ChangeGoodsSaleStatus(store(), goodsNo, QStringLiteral("7"));
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(QString(store().GOODS_LIST.find(goodsNo)->ORD_STATUS), QStringLiteral("1"));
    EXPECT_EQ(dbStatus(goodsNo), QStringLiteral("1"));
}

} // namespace
