#include "reception/menu_board_filter.h"
#include "reception/menu_board_keypad.h"
#include "reception/order_items.h"
#include "records/reference_records.h"

#include <gtest/gtest.h>

namespace {

TGOOD_OP orderItemsOp(const QString &no, const QString &name, const QString &price)
{
    TGOOD_OP op;
    op.ST_GOODS_OP_NO = no;
    op.OPTION_NAME = name;
    op.OPTION_PRICE = price;
    op.DATA_STATUS = QStringLiteral("1");
    return op;
}

TGOODS_LIST &orderItemsGoods(TST_LIST &st, const QString &no, const QString &name, const QString &price,
                             const QString &nam = QStringLiteral("ㄱ"))
{
    TGOODS_LIST g;
    g.ST_GOODS_NO = no;
    g.GOODS_NAME = name;
    g.GOODS_NAM = nam;
    g.ORD_PRICE = price;
    g.SELL_PRICE = QString::number(price.toLongLong() - 500);
    g.DATA_STATUS = QStringLiteral("1");
    g.ORD_STATUS = QStringLiteral("1");
    return st.GOODS_LIST.append(no, g);
}

// A store with a plain goods, a goods with options and extras, a deposit goods, an adult goods
// and a sold-out goods.
TST_LIST orderItemsStore(const QString &shopType = QStringLiteral("2"))
{
    TST_LIST st;
    st.ST_CODE = QStringLiteral("S0001");
    st.SHOP_TYPE = shopType;
    orderItemsGoods(st, QStringLiteral("1"), QStringLiteral("김밥"), QStringLiteral("3000"));
    TGOODS_LIST &chicken = orderItemsGoods(st, QStringLiteral("11"), QStringLiteral("치킨"), QStringLiteral("18000"),
                                           QStringLiteral("ㅊ"));
    chicken.OP1.append(QStringLiteral("001"), orderItemsOp("001", QStringLiteral("순살"), "2000"));
    chicken.OP1.append(QStringLiteral("002"), orderItemsOp("002", QStringLiteral("뼈"), "0"));
    chicken.OP2.append(QStringLiteral("001"), orderItemsOp("001", QStringLiteral("양념"), "1000"));
    chicken.ADD.append(QStringLiteral("A01"), orderItemsOp("A01", QStringLiteral("콜라"), "1500"));
    chicken.ADD.append(QStringLiteral("A02"), orderItemsOp("A02", QStringLiteral("치즈볼"), "3000"));
    chicken.OPTION_1_CNT = QStringLiteral("2");
    TGOODS_LIST &coffee = orderItemsGoods(st, QStringLiteral("20"), QStringLiteral("아메리카노"), QStringLiteral("4000"),
                                          QStringLiteral("ㅇ"));
    coffee.CUP_DEPOSIT_PRICE = QStringLiteral("300");
    TGOODS_LIST &zero = orderItemsGoods(st, QStringLiteral("21"), QStringLiteral("라떼"), QStringLiteral("4500"),
                                        QStringLiteral("ㄹ"));
    zero.CUP_DEPOSIT_PRICE = QStringLiteral("0");
    orderItemsGoods(st, QStringLiteral("30"), QStringLiteral("맥주"), QStringLiteral("5000"), QStringLiteral("ㅁ")).ADULT_YN =
        QStringLiteral("Y");
    orderItemsGoods(st, QStringLiteral("40"), QStringLiteral("Cake"), QStringLiteral("25000"), QString()).ORD_STATUS =
        QStringLiteral("2");
    orderItemsGoods(st, QStringLiteral("50"), QStringLiteral("7up"), QStringLiteral("33000"), QString());
    return st;
}

struct OrderItemsStep
{
    bool minus;
    const char *goods;
    const char *op1;
    const char *op2;
    const char *extra;
};

OrderItemChange orderItemsApply(OrderItemTree &tree, const TST_LIST &st, const OrderItemsStep &s,
                                bool adult = false)
{
    const QString ops[4] = {QString::fromUtf8(s.op1), QString::fromUtf8(s.op2), QString(), QString()};
    return tree.addGoods(st, s.minus, QString::fromUtf8(s.goods), ops, QString::fromUtf8(s.extra), true, adult);
}

TEST(OrderItemTreeTest, MergesRemovesAndNamesLines)
{
    struct Case
    {
        const char *what;
        QList<OrderItemsStep> steps;
        QStringList expected;  // "name|unit|qty|amount" per goods line, "  " prefix for extras
    };
    const QList<Case> cases{
        {"same goods twice merges", {{false, "1", "", "", ""}, {false, "1", "", "", ""}}, {"김밥|3000|2|6000"}},
        {"different options split",
         {{false, "11", "001", "", ""}, {false, "11", "002", "001", ""}, {false, "11", "001", "", ""}},
         {"치킨(순살)|20000|2|40000", "치킨(뼈,양념)|19000|1|19000"}},
        {"keys 1 and 11 never match", {{false, "1", "", "", ""}, {false, "11", "", "", ""}},
         {"김밥|3000|1|3000", "치킨|18000|1|18000"}},
        {"deposit only", {{false, "20", "", "", ""}}, {"아메리카노(컵보증금)|4300|1|4300"}},
        {"deposit 0 keeps the plain name", {{false, "21", "", "", ""}}, {"라떼|4500|1|4500"}},
        {"extra under a new line keeps its own name and price",
         {{false, "11", "001", "", "A01"}, {false, "11", "001", "", "A01"}},
         {"치킨(순살)|20000|1|20000", "  콜라|1500|2|3000"}},
        {"taking the last unit removes the extras",
         {{false, "11", "001", "", "A01"}, {true, "11", "001", "", ""}}, {}},
        {"taking away goods not in the list", {{false, "1", "", "", ""}, {true, "20", "", "", ""}},
         {"김밥|3000|1|3000"}},
        {"taking away a missing extra", {{false, "11", "", "", ""}, {true, "11", "", "", "A02"}},
         {"치킨|18000|1|18000"}},
        {"unknown goods and unknown extra add nothing", {{false, "999", "", "", ""}, {false, "11", "", "", "Z9"}}, {}},
        {"unknown option: empty name, price 0", {{false, "11", "009", "", ""}}, {"치킨|18000|1|18000"}},
    };
    const TST_LIST st = orderItemsStore();
    for (const Case &c : cases) {
        OrderItemTree tree;
        for (const OrderItemsStep &s : c.steps)
            orderItemsApply(tree, st, s, true);
        QStringList got;
        for (const OrderItemLine &l : tree.lines()) {
            got << QStringLiteral("%1|%2|%3|%4").arg(l.name).arg(l.unitPrice).arg(l.quantity).arg(l.amount);
            for (const OrderItemLine &e : l.extras)
                got << QStringLiteral("  %1|%2|%3|%4").arg(e.name).arg(e.unitPrice).arg(e.quantity).arg(e.amount);
        }
        EXPECT_EQ(got, c.expected) << c.what;
    }
}

TEST(OrderItemTreeTest, KeysAndSequences)
{
    const TST_LIST st = orderItemsStore();
    OrderItemTree tree;
    orderItemsApply(tree, st, {false, "1", "", "", ""});
    orderItemsApply(tree, st, {false, "11", "001", "", "A02"});
    ASSERT_EQ(tree.lines().size(), 2);
    EXPECT_EQ(tree.lines().at(0).key, QStringLiteral("1,,,,"));
    EXPECT_EQ(tree.lines().at(1).key, QStringLiteral("11,001,,,"));
    EXPECT_EQ(tree.lines().at(1).sequence, 2);
    EXPECT_EQ(tree.lines().at(1).extras.at(0).sequence, 2);
    EXPECT_EQ(tree.lines().at(1).extras.at(0).key, QStringLiteral("11,001,,,"));
    EXPECT_TRUE(tree.lines().at(1).extras.at(0).plainName.isEmpty());
}

TEST(OrderItemTreeTest, RefusalsByStoreKindAndDirection)
{
    struct Case
    {
        const char *shopType;
        const char *goods;
        bool minus;
        bool adultVerified;
        OrderItemChange expected;
    };
    const QList<Case> cases{
        {"2", "30", false, false, OrderItemChange::RefusedAdult},
        {"2", "30", false, true, OrderItemChange::Changed},
        {"1", "30", false, false, OrderItemChange::Changed},
        {"2", "40", false, true, OrderItemChange::RefusedSoldOut},
        {"1", "40", false, true, OrderItemChange::RefusedSoldOut},
        {"2", "30", true, false, OrderItemChange::Unchanged},  // taking away never checks
    };
    for (const Case &c : cases) {
        const TST_LIST st = orderItemsStore(QString::fromUtf8(c.shopType));
        OrderItemTree tree;
        const QString none[4];
        EXPECT_EQ(tree.addGoods(st, c.minus, QString::fromUtf8(c.goods), none, QString(), true, c.adultVerified),
                  c.expected)
            << c.shopType << " " << c.goods;
    }
    EXPECT_EQ(OrderItemRefusalText(OrderItemChange::RefusedAdult),
              QStringLiteral("성인 인증을 받은 고객만 성인 상품을 추가할 수 있습니다."));
    EXPECT_EQ(OrderItemRefusalText(OrderItemChange::RefusedSoldOut), QStringLiteral("품절 상품을 추가할 수 없습니다."));
}

TEST(OrderItemTreeTest, TotalsTable)
{
    struct Case
    {
        const char *what;
        QList<OrderItemsStep> steps;
        qint64 typedGoods, discount, service, prepaid;
        qint64 goods, amount, deposit;
    };
    const QList<Case> cases{
        {"lines and extras", {{false, "1", "", "", ""}, {false, "11", "001", "", "A01"}}, 0, 1000, 500, 2000,
         3000 + 20000 + 1500, 3000 + 20000 + 1500 - 1000 + 500 - 2000, 0},
        {"deposit counted in the goods amount", {{false, "20", "", "", ""}, {false, "20", "", "", ""}}, 0, 0, 0, 0,
         8600, 8600, 600},
        {"empty list keeps the typed amount", {}, 12000, 2000, 1000, 500, 12000, 10500, 0},
        {"discount above the goods gives a negative amount", {{false, "1", "", "", ""}}, 0, 5000, 0, 0, 3000, -2000, 0},
    };
    const TST_LIST st = orderItemsStore();
    for (const Case &c : cases) {
        OrderItemTree tree;
        for (const OrderItemsStep &s : c.steps)
            orderItemsApply(tree, st, s);
        OrderAmounts typed;
        typed.goods = c.typedGoods;
        typed.discount = c.discount;
        typed.service = c.service;
        typed.prepaid = c.prepaid;
        typed.deposit = 300;  // left from earlier lines; only the lines decide it
        const OrderAmounts out = tree.charge(typed, false, false, 0);
        EXPECT_EQ(out.goods, c.goods) << c.what;
        EXPECT_EQ(out.amount, c.amount) << c.what;
        EXPECT_EQ(out.deposit, c.deposit) << c.what;
    }
}

TEST(OrderItemTreeTest, ModifyWindowPrepaidZeroStaysZero)
{
    const TST_LIST st = orderItemsStore();
    OrderItemTree tree;
    orderItemsApply(tree, st, {false, "1", "", "", ""});
    EXPECT_EQ(tree.charge({}, true, true, 0).amount, 0);
    EXPECT_EQ(tree.charge({}, true, true, 500).amount, 3000);
    EXPECT_EQ(tree.charge({}, true, false, 0).amount, 3000);
    EXPECT_EQ(tree.charge({}, false, true, 0).amount, 3000);
}

// Every way of adding a unit stops at the same 99, and the goods amount never passes its box's
// limit, so no unit is silently lost or wrapped.
TEST(OrderItemTreeTest, QuantityAndAmountCaps)
{
    TST_LIST st = orderItemsStore();
    OrderItemTree tree;
    for (int i = 0; i < 99; ++i)
        ASSERT_EQ(orderItemsApply(tree, st, {false, "1", "", "", ""}), OrderItemChange::Changed);
    EXPECT_EQ(orderItemsApply(tree, st, {false, "1", "", "", ""}), OrderItemChange::RefusedCap);
    EXPECT_EQ(tree.stepQuantity(0, -1, +1), OrderItemChange::RefusedCap);
    EXPECT_EQ(tree.lines().at(0).quantity, 99);
    EXPECT_EQ(tree.stepQuantity(0, -1, -1), OrderItemChange::Changed);
    EXPECT_EQ(tree.lines().at(0).quantity, 98);

    orderItemsGoods(st, QStringLiteral("90"), QStringLiteral("코스"), QStringLiteral("999999999"));
    OrderItemTree big;
    int added = 0;
    while (orderItemsApply(big, st, {false, "90", "", "", ""}) == OrderItemChange::Changed)
        ++added;
    EXPECT_EQ(big.lines().at(0).unitPrice, kOrderItemMaxUnitPrice);
    EXPECT_EQ(big.lines().at(0).quantity, added);
    EXPECT_EQ(added, 99);  // 99 × 999,999 still fits in the goods amount
    EXPECT_LE(big.goodsTotal(), kOrderGoodsAmountMax);
    EXPECT_EQ(big.charge({}, false, false, 0).goods, 99 * kOrderItemMaxUnitPrice);
    EXPECT_EQ(big.setUnitPrice(0, -1, -5), OrderItemChange::Changed);
    EXPECT_EQ(big.charge({}, false, false, 0).goods, -495);
}

TEST(OrderItemTreeTest, StepAndRemoveExtraLines)
{
    const TST_LIST st = orderItemsStore();
    OrderItemTree tree;
    orderItemsApply(tree, st, {false, "11", "", "", "A01"});
    orderItemsApply(tree, st, {false, "11", "", "", "A02"});
    ASSERT_EQ(tree.lines().at(0).extras.size(), 2);
    EXPECT_EQ(tree.stepQuantity(0, 0, -1), OrderItemChange::Changed);
    ASSERT_EQ(tree.lines().at(0).extras.size(), 1);
    EXPECT_EQ(tree.lines().at(0).extras.at(0).no, QStringLiteral("A02"));
    EXPECT_FALSE(tree.removeLine(0, 5));
    EXPECT_TRUE(tree.removeLine(0, -1));
    EXPECT_TRUE(tree.isEmpty());
}

// Menu board ------------------------------------------------------------------------------

QStringList menuBoardNos(const QList<MenuBoardTile> &tiles)
{
    QStringList out;
    for (const MenuBoardTile &t : tiles)
        out << t.goodsNo;
    return out;
}

TEST(MenuBoardFilterTest, PriceBandsJoinWithoutGaps)
{
    struct Case
    {
        qint64 price;
        int band;
    };
    const QList<Case> cases{{0, 1},     {5000, 1},  {5001, 2},  {10000, 2}, {15000, 3}, {20000, 4},
                            {22000, 5}, {30000, 5}, {31000, 6}, {40000, 6}, {40001, 7}};
    for (const Case &c : cases) {
        for (int b = 1; b <= 7; ++b) {
            const MenuPriceBand band = MenuPriceBandOf(b);
            EXPECT_EQ(c.price > band.lower && c.price <= band.upper, b == c.band) << c.price << " band " << b;
        }
        const MenuPriceBand all = MenuPriceBandOf(0);
        EXPECT_TRUE(c.price > all.lower && c.price <= all.upper);
    }
}

TEST(MenuBoardFilterTest, ConsonantRanges)
{
    struct Case
    {
        int tag;
        const char *key;
        bool passes;
    };
    const QList<Case> cases{
        {0, "", true},     {1, "ㄱ", true},  {1, "ㄲ", true},  {1, "ㄷ", false}, {2, "ㄸ", true},
        {3, "ㅃ", true},   {3, "ㅅ", false}, {7, "ㅎ", true},  {8, "", true},    {8, "A", true},
        {8, "7", true},    {8, "ㄱ", false}, {8, "ㅎ", false}, {1, "", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MenuConsonantPasses(c.tag, QString::fromUtf8(c.key)), c.passes) << c.tag << " " << c.key;
}

TEST(MenuBoardFilterTest, FiltersTilesAndPages)
{
    TST_LIST st = orderItemsStore();
    MenuBoardFilter f;
    EXPECT_EQ(menuBoardNos(BuildMenuBoard(st, f)),
              QStringList({"1", "11", "20", "21", "30", "40", "50"}));  // other kinds show sold-out goods
    f.consonantTag = 8;
    EXPECT_EQ(menuBoardNos(BuildMenuBoard(st, f)), QStringList({"40", "50"}));
    f.consonantTag = 0;
    f.chargeIndex = 5;  // 25,000 sits in the class that once had a gap
    EXPECT_EQ(menuBoardNos(BuildMenuBoard(st, f)), QStringList({"40"}));
    f.chargeIndex = 0;
    f.name = QStringLiteral(" 치 ");
    const QList<MenuBoardTile> chicken = BuildMenuBoard(st, f);
    ASSERT_EQ(chicken.size(), 1);
    EXPECT_FALSE(chicken.at(0).plusMinus);
    EXPECT_EQ(chicken.at(0).price, 18000);
    f.name.clear();
    f.deliveryOrder = false;
    EXPECT_EQ(BuildMenuBoard(st, f).at(0).price, 2500);

    // A tile's price is the price of the line it makes.
    OrderItemTree tree;
    for (bool delivery : {true, false}) {
        f.deliveryOrder = delivery;
        const MenuBoardTile t = BuildMenuBoard(st, f).at(0);
        tree.clear();
        tree.addGoods(st, false, t.goodsNo, delivery, false);
        EXPECT_EQ(tree.lines().at(0).unitPrice, t.price);
    }

    TST_LIST one = orderItemsStore(QStringLiteral("1"));
    const QList<MenuBoardTile> kindOne = BuildMenuBoard(one, MenuBoardFilter{});
    EXPECT_FALSE(menuBoardNos(kindOne).contains("40"));
    EXPECT_FALSE(kindOne.at(0).saleSwitch);

    QList<MenuBoardTile> many;
    for (int i = 0; i < 41; ++i) {
        MenuBoardTile t;
        t.goodsNo = QString::number(i);
        many.append(t);
    }
    EXPECT_EQ(MenuBoardPageCount(many.size(), 20), 3);
    EXPECT_EQ(MenuBoardPageCount(0, 20), 1);
    EXPECT_EQ(MenuBoardPage(many, 2, 20).size(), 1);
    EXPECT_EQ(MenuBoardPage(many, 2, 20).at(0).goodsNo, QStringLiteral("40"));
    EXPECT_TRUE(MenuBoardPage(many, 3, 20).isEmpty());
}

TEST(MenuBoardFilterTest, GroupAndSaleStatus)
{
    TST_LIST st = orderItemsStore();
    TST_GOODS_GROUP_LIST grp;
    grp.GRP_NO = QStringLiteral("G1");
    grp.DATA_STATUS = QStringLiteral("1");
    TST_GOODS_GROUP_LIST &g = st.GOODS_GRP_LST.append(QStringLiteral("G1"), grp);
    g.GOODS.append(QStringLiteral(" 20"), *st.GOODS_LIST.find(QStringLiteral("20")));
    g.GOODS.append(QStringLiteral(" 1"), *st.GOODS_LIST.find(QStringLiteral("1")));
    MenuBoardFilter f;
    f.groupNo = QStringLiteral("G1");
    EXPECT_EQ(menuBoardNos(BuildMenuBoard(st, f)), QStringList({"20", "1"}));
    f.groupNo = QStringLiteral("nope");
    EXPECT_TRUE(BuildMenuBoard(st, f).isEmpty());

    MenuBoardSetSaleStatus(st, QStringLiteral("20"), QStringLiteral("2"));
    EXPECT_EQ(QString(st.GOODS_LIST.find(QStringLiteral("20"))->ORD_STATUS), QStringLiteral("2"));
    EXPECT_EQ(QString(st.GOODS_GRP_LST.at(st.GOODS_GRP_LST.indexOf(QStringLiteral("G1"))).GOODS.find(" 20")->ORD_STATUS),
              QStringLiteral("2"));
    OrderItemTree tree;
    EXPECT_EQ(tree.addGoods(st, false, QStringLiteral("20"), true, true), OrderItemChange::RefusedSoldOut);
}

} // namespace

namespace {

TEST(OrderItemTreeTest, ItemEditByteLimitsAndName)
{
    const QString none[4];
    const QString k100 = QString(33, QChar(0xAC00)) + QStringLiteral("a");  // 33 × 3 + 1 = 100 bytes
    const QString k300 = QString(100, QChar(0xAC00));                        // 300 bytes
    struct Case
    {
        QString goods;
        QString ops[4];
        int field;
        const char *message;
    };
    const QList<Case> cases{
        {k300, {k100, k100, k100, k100}, -1, ""},
        {k300 + QStringLiteral("a"), {}, 0, "상품명 글자수를 줄여주세요"},
        {QStringLiteral("  ") + k300 + QStringLiteral("  "), {}, -1, ""},  // trimmed first
        {QStringLiteral("x"), {k100 + QStringLiteral("b")}, 1, "옵션명1 글자수를 줄여주세요"},
        {QStringLiteral("x"), {QString(), QString(), k100 + QStringLiteral("b"), k100 + QStringLiteral("b")}, 3,
         "옵션명3 줄여주세요"},
    };
    for (const Case &c : cases) {
        int field = -2;
        EXPECT_EQ(OrderItemEditRefusal(c.goods, c.ops, &field), QString::fromUtf8(c.message));
        EXPECT_EQ(field, c.field);
    }

    const TST_LIST st = orderItemsStore();
    OrderItemTree tree;
    orderItemsApply(tree, st, {false, "11", "001", "001", ""});
    const QString names[4] = {QStringLiteral(" 순살 "), QStringLiteral("매운양념"), QString(), QString()};
    EXPECT_TRUE(tree.renameLine(0, -1, QStringLiteral(" 반반치킨 "), names));
    EXPECT_EQ(tree.lines().at(0).name, QStringLiteral("반반치킨(순살, 매운양념)"));
    EXPECT_EQ(tree.lines().at(0).plainName, QStringLiteral("반반치킨"));
    EXPECT_EQ(tree.lines().at(0).unitPrice, 21000);  // the price stays
    EXPECT_FALSE(tree.renameLine(0, -1, k300 + QStringLiteral("a"), none));
    EXPECT_FALSE(tree.renameLine(3, -1, QStringLiteral("x"), none));
}

} // namespace

namespace {

TEST(MenuKeypadTest, KeySequencesAndRefusals)
{
    struct Case
    {
        MenuKeypad::Mode mode;
        qint64 start;
        QStringList keys;
        qint64 value;
        const char *refusal;
    };
    const QList<Case> cases{
        {MenuKeypad::UnitPrice, 5000, {"1", "2", "3"}, 123, ""},
        {MenuKeypad::UnitPrice, 5000, {"1", "2", "3", "00"}, 12300, ""},
        {MenuKeypad::UnitPrice, 5000, {"9", "9", "9", "9", "9", "9", "9"}, 1000000, ""},
        {MenuKeypad::UnitPrice, 5000, {"5", "00", "00", "00", "00"}, 1000000, ""},
        {MenuKeypad::UnitPrice, 5000, {"00", "7"}, 7, ""},
        {MenuKeypad::UnitPrice, 5000, {"4", "CLS", "8"}, 8, ""},
        {MenuKeypad::Quantity, 3, {"0"}, 0, "상품수량은 0보다 커야합니다."},
        {MenuKeypad::Quantity, 3, {"1", "0", "0"}, 100, "상품수량은 최대 99개 입니다."},
        {MenuKeypad::Quantity, 3, {"9", "9"}, 99, ""},
        {MenuKeypad::Quantity, 3, {}, 3, ""},
        {MenuKeypad::Discount, 0, {"1", "5", "0", "0"}, 1500, ""},  // = goods 1,000 + service 500
        {MenuKeypad::Discount, 0, {"1", "5", "0", "1"}, 1501, "할인가격은 상품과 서비스금액의 합보다 클 수 없습니다."},
    };
    for (const Case &c : cases) {
        MenuKeypad pad;
        pad.open(c.mode, c.start);
        for (const QString &k : c.keys)
            pad.press(k);
        EXPECT_EQ(pad.value(), c.value) << c.keys.join(' ').toStdString();
        EXPECT_EQ(pad.refusal(1000, 500), QString::fromUtf8(c.refusal)) << c.keys.join(' ').toStdString();
    }
}

} // namespace
