#include "records/goods_parse.h"
#include "row_separator.h"

#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_test_support.h"
#include "records/device_records.h"
#include "records/reference_records.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{

// A goods row of the goods load: 39 fields (0..38) joined with a separator after each.
QStringList goodsFields(const QString &st, const QString &no, const QString &name, const QString &status = "1")
{
    QStringList f(39);
    f[0] = st;
    f[1] = no;
    f[2] = name;
    f[3] = status;
    f[10] = "12000";
    f[15] = "13000";
    f[25] = "1";
    f[38] = "500";
    return f;
}

QString joined(const QStringList &fields, bool trailing = true)
{
    QString out = fields.join(kSep);
    return trailing ? out + kSep : out;
}

QStringList groupFields(const QString &st, const QString &grp, const QString &no, const QString &status = "1")
{
    QStringList f(39);
    f[0] = st;
    f[1] = grp;
    f[2] = no;
    f[3] = QStringLiteral("그룹상품");
    f[4] = status;
    f[31] = "2";
    return f;
}

QStringList optionFields(const QString &st, const QString &goods, const QString &op, const QString &type,
                         const QString &status = "1")
{
    return {st, goods, op, status, type, QStringLiteral("매운맛"), "500", "1", "", ""};
}

QString page(const QStringList &row1, const QStringList &row2 = {}, const QStringList &row3 = {},
             const QString &outVal = {}, const QString &outCode = "1")
{
    QJsonObject o{{"OUT_CODE", outCode}, {"OUT_MSG", outCode == "1" ? "" : "실패"}, {"OUT_VAL", outVal},
                  {"OUT_ROW1", QJsonArray::fromStringList(row1)}, {"OUT_ROW2", QJsonArray::fromStringList(row2)},
                  {"OUT_ROW3", QJsonArray::fromStringList(row3)}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QJsonObject cols(const QStringList &fields)
{
    QJsonObject o;
    for (int i = 0; i < fields.size(); ++i)
        o.insert(QStringLiteral("C_%1").arg(i), fields.at(i));
    return o;
}

class GoodsParseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetReferenceRecords();
        G_GRP_PRINT.clear();
        G_FIELD_SEP = kSep;
        for (const char *code : {"S000101", "S000102"}) {
            TST_LIST &st = G_ST_LIST.append(QString::fromLatin1(code));
            st.ST_CODE = QString::fromLatin1(code);
            st.GOODS_GRP_LST.append("0").GRP_NO = "0";
            st.GOODS_GRP_LST.append("G0001").GRP_NO = "G0001";
        }
    }
    void TearDown() override
    {
        ResetReferenceRecords();
        G_GRP_PRINT.clear();
    }
    TST_LIST &store(int i = 0) { return G_ST_LIST.at(i); }

    LogCapture log;
};

TEST_F(GoodsParseTest, NewGoodsAreStoredWithTheirFieldsNameKeyAndMark)
{
    ParseGoodsSync({page({joined(goodsFields("S000101", "1", QStringLiteral("양념\r\n치킨")))}, {}, {}, " 20261211093000 ")},
                   0);
    ASSERT_EQ(store().GOODS_LIST.count(), 1);
    const TGOODS_LIST &g = store().GOODS_LIST.at(0);
    EXPECT_EQ(g.GOODS_NAME, QStringLiteral("양념  치킨"));
    EXPECT_EQ(g.GOODS_NAM, QStringLiteral("ㅇ"));
    EXPECT_EQ(g.ORD_PRICE, "12000");
    EXPECT_EQ(g.SELL_PRICE, "13000");
    EXPECT_EQ(g.CUP_DEPOSIT_PRICE, "500");
    EXPECT_EQ(store().SL_GOODS_NO(), QStringList{"1"});
    EXPECT_EQ(store().GOODS_SYNC_DT, "20261211093000");
}

TEST_F(GoodsParseTest, MarkComesFromTheFirstPageOnlyAndABlankOneKeepsTheOldMark)
{
    store().GOODS_SYNC_DT = "20260101000000";
    ParseGoodsSync({page({}, {}, {}, "  "), page({}, {}, {}, "20261212000000")}, 0);
    EXPECT_EQ(store().GOODS_SYNC_DT, "20260101000000");
}

TEST_F(GoodsParseTest, StatusZeroMarksACachedItemDeletedButStoresAnUncachedOne)
{
    ParseGoodsSync({page({joined(goodsFields("S000101", "1", QStringLiteral("후라이드")))})}, 0);
    QStringList deleted = goodsFields("S000101", "1", QStringLiteral("바뀐이름"), "0");
    ParseGoodsSync({page({joined(deleted), joined(goodsFields("S000101", "2", QStringLiteral("새상품"), "0"))},
                         {}, {joined(optionFields("S000101", "1", "001", "1"))})},
                   0);
    const TGOODS_LIST &g = store().GOODS_LIST.at(0);
    EXPECT_EQ(g.DATA_STATUS, "0");
    EXPECT_EQ(g.ST_CODE, "");
    EXPECT_EQ(g.GOODS_NAME, QStringLiteral("후라이드"));
    EXPECT_EQ(g.OP1.count(), 1) << "options still attach to a deleted item";
    const TGOODS_LIST &fresh = store().GOODS_LIST.at(1);
    EXPECT_EQ(fresh.ST_CODE, "S000101");
    EXPECT_EQ(fresh.GOODS_NAME, QStringLiteral("새상품"));
}

TEST_F(GoodsParseTest, StoringAnItemAgainEmptiesItsAdditionalGoodsButKeepsItsOptions)
{
    const QString row = joined(goodsFields("S000101", "1", QStringLiteral("족발")));
    ParseGoodsSync({page({row}, {}, {joined(optionFields("S000101", "1", "001", "1")),
                                     joined(optionFields("S000101", "1", "A01", "5")),
                                     joined(optionFields("S000101", "1", "A02", "5"))})},
                   0);
    ASSERT_EQ(store().GOODS_LIST.at(0).ADD.count(), 2);
    ParseGoodsSync({page({row}, {}, {joined(optionFields("S000101", "1", "A03", "5"))})}, 0);
    const TGOODS_LIST &g = store().GOODS_LIST.at(0);
    EXPECT_EQ(g.SL_ADD(), QStringList{"1 A03"});
    EXPECT_EQ(g.SL_OP1(), QStringList{"1 001"});
}

// Long lists (a store's goods, a group's copies, an item with many additional goods) are searched
// through an index while a reply is merged; it must see every entry, the ones of earlier pages and
// the ones a list got after it was emptied by the same reply.
TEST_F(GoodsParseTest, LongListsStillFindEveryKnownKey)
{
    auto adds = [](const char *prefix, int n) {
        QStringList rows;
        for (int i = 1; i <= n; ++i)
            rows << joined(optionFields("S000101", "1", QStringLiteral("%1%2").arg(prefix).arg(i, 2, 10, QLatin1Char('0')), "5"));
        return rows;
    };
    QStringList goods, groups;
    for (int i = 1; i <= 30; ++i) {
        goods << joined(goodsFields("S000101", QString::number(i), QStringLiteral("상품")));
        groups << joined(groupFields("S000101", "G0001", QString::number(i)));
    }
    const QStringList again = {joined(goodsFields("S000101", "1", QStringLiteral("다시"))),
                               joined(goodsFields("S000101", "25", QStringLiteral("바뀜")))};
    ParseGoodsSync({page(goods, groups, adds("A", 18)), page(again, {groups.at(24)}, adds("B", 17) + adds("A", 1))}, 0);

    EXPECT_EQ(store().GOODS_LIST.count(), 30);
    EXPECT_EQ(store().GOODS_LIST.at(24).GOODS_NAME, QStringLiteral("바뀜"));
    EXPECT_EQ(store().GOODS_GRP_LST.at(1).GOODS.count(), 30);
    const TGOODS_LIST &first = store().GOODS_LIST.at(0);
    ASSERT_EQ(first.ADD.count(), 18) << "the emptied list is rebuilt from the rows after it";
    EXPECT_EQ(first.SL_ADD().first(), "1 B01");
    EXPECT_EQ(first.ADD.at(0).ST_GOODS_OP_NO, "B01");
    EXPECT_EQ(first.SL_ADD().last(), "1 A01");
    EXPECT_EQ(first.ADD.at(17).ST_GOODS_OP_NO, "A01");
}

TEST_F(GoodsParseTest, CupDepositNeedsMoreThanThirtyNinePieces)
{
    store().GOODS_LIST.append("9").CUP_DEPOSIT_PRICE = "keep";
    QStringList f = goodsFields("S000101", "1", "a");
    QStringList shortRow = goodsFields("S000101", "9", "b").mid(0, 38);
    ParseGoodsSync({page({joined(f), joined(shortRow)})}, 0);
    EXPECT_EQ(store().GOODS_LIST.find("1")->CUP_DEPOSIT_PRICE, "500");
    EXPECT_EQ(store().GOODS_LIST.find("9")->CUP_DEPOSIT_PRICE, "keep");
    EXPECT_EQ(store().GOODS_LIST.find("9")->GOODS_NAME, "b");
}

TEST_F(GoodsParseTest, GroupRowsFindTheirGroupUnknownOnesLandInGroupZeroAndFillPrinterGroups)
{
    G_GRP_PRINT.append(TGrpPrint{});
    G_GRP_PRINT[0].sCode = "G0001";
    const QString known = joined(groupFields("S000101", "G0001", "1"));
    ParseGoodsSync({page({}, {known, joined(groupFields("S000101", "G9999", "2")), known})}, 0);
    EXPECT_EQ(store().GOODS_GRP_LST.at(1).SL_GOODS(), QStringList{" 1"});
    EXPECT_EQ(store().GOODS_GRP_LST.at(1).GOODS.at(0).OPTION_3_CNT, "2");
    EXPECT_EQ(store().GOODS_GRP_LST.at(0).SL_GOODS(), QStringList{" 2"});
    EXPECT_EQ(G_GRP_PRINT[0].slGoods, (QStringList{"1", "1"})) << "the same pair read twice is listed twice";
    EXPECT_EQ(store().GOODS_GRP_LST.count(), 2);
}

TEST_F(GoodsParseTest, OptionTypesSelectTheirListOrDropTheRow)
{
    ParseGoodsSync({page({joined(goodsFields("S000101", "1", "a"))})}, 0);
    struct Case
    {
        QString type;
        int op1, op2, add;
    };
    const Case cases[] = {{"0", 0, 0, 0}, {"6", 0, 0, 0}, {"-1", 0, 0, 0}, {"x", 1, 0, 0}, {"2", 0, 1, 0}, {"5", 0, 0, 1}};
    for (const Case &c : cases) {
        TGOODS_LIST &g = store().GOODS_LIST.at(0);
        g.OP1.clear();
        g.OP2.clear();
        g.ADD.clear();
        ParseGoodsSync({page({}, {}, {joined(optionFields("S000101", "1", "001", c.type))})}, 0);
        EXPECT_EQ(g.OP1.count(), c.op1) << c.type.toStdString();
        EXPECT_EQ(g.OP2.count(), c.op2) << c.type.toStdString();
        EXPECT_EQ(g.ADD.count(), c.add) << c.type.toStdString();
    }
    ParseGoodsSync({page({}, {}, {joined(optionFields("S000101", "404", "001", "1"))})}, 0);
    EXPECT_EQ(store().GOODS_LIST.count(), 1) << "options of an uncached item are dropped";
}

TEST_F(GoodsParseTest, ADamagedRowIsSkippedAndLoggedAndTheRestIsMerged)
{
    ParseGoodsSync({page({joined(goodsFields("S000101", "1", "a")), joined({"S000101", "2", "short"}),
                          joined(goodsFields("S000101", "3", "c"))},
                         {}, {joined({"S000101", "1"})})},
                   0);
    EXPECT_EQ(store().SL_GOODS_NO(), (QStringList{"1", "3"}));
    EXPECT_TRUE(log.contains("CS00_06_V04 Exception Err 0    1 : short row")) << log.lines().join('\n').toStdString();
    EXPECT_TRUE(log.contains("CS00_06_V04 Exception Err 0    0 : short row"));
}

TEST_F(GoodsParseTest, FailuresAreLoggedAndStopThePages)
{
    ParseGoodsSync({}, 0);
    EXPECT_TRUE(log.contains("CS00_06_V04 ERR[NO RESULT]"));
    ParseGoodsSync({page({joined(goodsFields("S000101", "1", "a"))}),
                    page({joined(goodsFields("S000101", "2", "b"))}, {}, {}, {}, "5"),
                    page({joined(goodsFields("S000101", "3", "c"))})},
                   0);
    EXPECT_EQ(store().SL_GOODS_NO(), QStringList{"1"});
    EXPECT_TRUE(log.contains(QStringLiteral("CS00_06_V04 is Fail 5:실패")));
    ParseGoodsSync({"not json"}, 0);
    EXPECT_TRUE(log.contains("not json Exception Err 0    0"));
    EXPECT_TRUE(log.contains("CS00_06_V04 Exception Err reply page is not a JSON object"));
}

TEST_F(GoodsParseTest, DetailRowsNameTheirStoreAndTheMarkGoesToTheNextStoreRun)
{
    QStringList a = goodsFields("S000102", "7", QStringLiteral("짜장면"));
    a.removeLast();  // no "C_38": the cup deposit reads as ""
    const QJsonObject unknown = cols(goodsFields("S999999", "8", "x"));
    QStringList grp = groupFields("S000102", "G0001", "7").mid(0, 31);
    grp[29] = "3";
    QJsonObject p{{"OUT_CODE", "1"}, {"OUT_MSG", ""}, {"OUT_VAL", "20261211120000"},
                  {"OUT_ROW1", QJsonArray{unknown, cols(a)}},
                  {"OUT_ROW2", QJsonArray{cols(grp)}},
                  {"OUT_ROW3", QJsonArray{cols(optionFields("S000102", "7", "001", "1"))}}};
    ParseGoodsDetail({QString::fromUtf8(QJsonDocument(p).toJson())});
    EXPECT_EQ(store(0).GOODS_LIST.count(), 0);
    EXPECT_EQ(store(0).GOODS_SYNC_DT, "");
    ASSERT_EQ(store(1).GOODS_LIST.count(), 1);
    EXPECT_EQ(store(1).GOODS_SYNC_DT, "20261211120000");
    EXPECT_EQ(store(1).GOODS_LIST.at(0).CUP_DEPOSIT_PRICE, "");
    EXPECT_EQ(store(1).GOODS_LIST.at(0).OP1.count(), 1);
    const TGOODS_LIST &copy = store(1).GOODS_GRP_LST.at(1).GOODS.at(0);
    EXPECT_EQ(copy.OPTION_3_CNT, "3");
    EXPECT_EQ(copy.FR_GOODS_CODE, "") << "the detail layout carries no tail beyond C_30";
}

TEST_F(GoodsParseTest, GroupRowOfAStoreWithoutGroupsGetsAnUnnumberedGroup)
{
    store(1).GOODS_GRP_LST.clear();
    QJsonObject p{{"OUT_CODE", "1"}, {"OUT_ROW2", QJsonArray{cols(groupFields("S000102", "G0001", "7").mid(0, 31))}}};
    ParseGoodsDetail({QString::fromUtf8(QJsonDocument(p).toJson())});
    ASSERT_EQ(store(1).GOODS_GRP_LST.count(), 1);
    EXPECT_EQ(store(1).GOODS_GRP_LST.at(0).SL_GOODS(), QStringList{" 7"});
}
} // namespace
