// The sandbox's product handlers through the real link: what the product screens send lands in
// the goods tables and comes back through the goods loads.
#include "store/goods_group_edit.h"
#include "store/goods_upload.h"

#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "link/sandbox_link_fixture.h"
#include "records/goods_parse.h"
#include "records/reference_records.h"
#include "reference/goods_loaders.h"
#include "sandbox/request_check.h"
#include "sandbox/sandbox_request.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
class ProductsSandboxTest : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        ResetReferenceRecords();
        G_FIELD_SEP = QStringLiteral("│");
        st = host->database()->value(QStringLiteral("SELECT st_code FROM stores ORDER BY st_code LIMIT 1")).toString();
        TST_LIST &s = G_ST_LIST.append(st);
        s.ST_CODE = st;
        s.GOODS_GRP_LST.append(QStringLiteral("0")).GRP_NO = QStringLiteral("0");
    }
    void TearDown() override
    {
        ResetReferenceRecords();
        SandboxLinkTest::TearDown();
    }
    QJsonObject one(const QString &code, const QString &callType, const QString &val, const QString &items = {},
                    const QString &cols = {})
    {
        QString reply;
        RequestOne(G_TCP_CLIENT, code, callType, val, items, cols, 30000, reply);
        return QJsonDocument::fromJson(reply.toUtf8()).object();
    }
    QString db(const QString &sql, const QVariantList &binds) const { return host->database()->value(sql, binds).toString(); }

    QString st;
};

TEST_F(ProductsSandboxTest, BaseDataNewAndChangedReachTheGoodsCache)
{
    GoodsBaseData d;
    d.stCode = st;
    d.userId = QStringLiteral("demo");
    d.name = QStringLiteral("새메뉴");
    d.price = QStringLiteral("12000");
    d.discount = QStringLiteral("10000");
    d.period = QStringLiteral("2026120120261231");
    d.timeWindow = QStringLiteral("11001400");
    d.limitDay = QStringLiteral("5");
    d.limitOnce = QStringLiteral("1");
    const QJsonObject added = one(QString::fromLatin1(kGoodsBaseSaveCode), QStringLiteral("ADM1"), GoodsBasePayload(d));
    ASSERT_EQ(added.value("OUT_CODE").toString(), QStringLiteral("1"));
    const QString no = added.value("OUT_VAL").toString();
    ASSERT_FALSE(no.isEmpty());
    proc_Goods2(st, false);
    TGOODS_LIST g = G_ST_LIST.at(0).GOODS_LIST.at(G_ST_LIST.at(0).SL_GOODS_NO().indexOf(no));
    EXPECT_EQ(QString(g.GOODS_NAME), QStringLiteral("새메뉴"));
    EXPECT_EQ(QString(g.ORD_DN_PRICE), QStringLiteral("10000"));
    EXPECT_EQ(QString(g.ORD_DN_PERIOD), QStringLiteral("2026120120261231"));
    EXPECT_EQ(QString(g.ORD_DN_TIME), QStringLiteral("11001400"));
    EXPECT_EQ(QString(g.ORD_LIMIT_DAY), QStringLiteral("5"));

    d.goodsNo = no;
    d.price = QStringLiteral("9000");
    EXPECT_NE(one(QString::fromLatin1(kGoodsBaseSaveCode), QStringLiteral("ADM1"), GoodsBasePayload(d)).value("OUT_CODE").toString(),
              QStringLiteral("1"))
        << "a discount above the price is refused";
    d.discount = QStringLiteral("0");
    d.status = QStringLiteral("0");
    ASSERT_EQ(one(QString::fromLatin1(kGoodsBaseSaveCode), QStringLiteral("ADM1"), GoodsBasePayload(d)).value("OUT_CODE").toString(),
              QStringLiteral("1"));
    ParseGoodsDetail(RequestList(G_TCP_CLIENT, QString::fromLatin1(kGoodsDetailCode), QStringLiteral("ADM1"),
                                 JoinRequestFields({st, no}), QStringLiteral("3000"), 30000));
    g = G_ST_LIST.at(0).GOODS_LIST.at(G_ST_LIST.at(0).SL_GOODS_NO().indexOf(no));
    EXPECT_EQ(QString(g.DATA_STATUS), QStringLiteral("0"));
}

TEST_F(ProductsSandboxTest, GroupsTheirGoodsAndOrderAreStored)
{
    GoodsGroupRow row;
    row.no = QStringLiteral("N9");
    row.name = QStringLiteral("신메뉴");
    row.type = QStringLiteral("1");
    row.marker = QStringLiteral("1");
    const QStringList pages = RequestList(G_TCP_CLIENT, QString::fromLatin1(kGoodsGroupSaveCode), QStringLiteral("ADM1"),
                                          GoodsGroupSavePayload(row, st, QStringLiteral("demo"), 0), QStringLiteral("3000"), 30000);
    ASSERT_FALSE(pages.isEmpty());
    const QJsonArray rows = QJsonDocument::fromJson(pages.first().toUtf8()).object().value("OUT_ROW1").toArray();
    ASSERT_EQ(rows.size(), 1);
    row.no = rows.first().toObject().value("C_0").toString();
    ASSERT_TRUE(row.no.startsWith(QLatin1Char('G')));
    EXPECT_EQ(db(QStringLiteral("SELECT name FROM goods_groups WHERE st_code = ? AND grp_no = ?"), {st, row.no}),
              QStringLiteral("신메뉴"));

    const QStringList goods = {db(QStringLiteral("SELECT goods_no FROM goods WHERE st_code = ? ORDER BY view_order LIMIT 1"), {st}),
                               db(QStringLiteral("SELECT goods_no FROM goods WHERE st_code = ? ORDER BY view_order DESC LIMIT 1"), {st})};
    for (const QString &g : goods)
        AddGoodsToGroup(row, g);
    int n = 0;
    const QString batch = GoodsGroupGoodsPayload(row, st, &n);
    EXPECT_EQ(one(QString::fromLatin1(kGoodsGroupGoodsCode), QStringLiteral("CMM1"), batch, QString::number(n),
                  QStringLiteral("5")).value("OUT_CODE").toString(),
              QStringLiteral("1"));
    EXPECT_EQ(db(QStringLiteral("SELECT COUNT(*) FROM goods WHERE st_code = ? AND grp_no = ?"), {st, row.no}), QStringLiteral("2"));
    // Rows that do not add up to the columns are refused.
    EXPECT_NE(one(QString::fromLatin1(kGoodsGroupGoodsCode), QStringLiteral("CMM1"), batch, QString::number(n + 1),
                  QStringLiteral("5")).value("OUT_CODE").toString(),
              QStringLiteral("1"));

    EXPECT_EQ(one(QString::fromLatin1(kGoodsOrderCode), QStringLiteral("CMM1"), GoodsOrderPayload(st, {goods.at(1), goods.at(0)}, "demo"),
                  QStringLiteral("2"), QStringLiteral("4")).value("OUT_CODE").toString(),
              QStringLiteral("1"));
    EXPECT_EQ(db(QStringLiteral("SELECT goods_no FROM goods WHERE st_code = ? ORDER BY view_order LIMIT 1"), {st}), goods.at(1));
}
} // namespace

namespace
{
TEST(ProductBatchShapes, BatchesAreWholeRowsOfTheirFields)
{
    SandboxRequest r;
    r.reqNum = QStringLiteral("CS05_06_V02");
    r.callType = QStringLiteral("CMM1");
    r.val = QStringLiteral("G1│0│a│0│S1│G1│1│b│1│S1│");
    EXPECT_TRUE(SandboxRequestCheck::mismatch(r).isEmpty());
    r.val = QStringLiteral("G1│0│a│0│S1│G1│1│");
    EXPECT_FALSE(SandboxRequestCheck::mismatch(r).isEmpty());
    r.val.clear();
    EXPECT_FALSE(SandboxRequestCheck::mismatch(r).isEmpty());
    r.callType = QStringLiteral("ADM1");
    r.val = QStringLiteral("G1│0│a│0│S1│");
    EXPECT_FALSE(SandboxRequestCheck::mismatch(r).isEmpty());
}
} // namespace
