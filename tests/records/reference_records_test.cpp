#include "records/reference_records.h"
#include "row_separator.h"
#include "common/reply_row.h"
#include "records/session_records.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

namespace
{

QString joinRow(const QStringList &fields, bool trailingSep = true)
{
    return fields.join(kSep) + (trailingSep ? kSep : QString());
}

QStringList numbered(const QString &prefix, int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << prefix + QString::number(i);
    return out;
}

QJsonObject objectRow(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

class ReferenceRecordsTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetReferenceRecords(); }
    void TearDown() override { ResetReferenceRecords(); }
};

TEST(ReplyRow, TextRowsSplitOnEverySeparatorAndUnescape)
{
    const ReplyRow row = ReplyRow::fromText(
        QStringLiteral("a&quot;b│c&#92;d││"), kSep);
    EXPECT_EQ(row.count(), 4);  // the trailing separator ends an empty last field
    EXPECT_EQ(row.text(0), QStringLiteral("a\"b"));
    EXPECT_EQ(row.text(1), QStringLiteral("c\\d"));
    EXPECT_EQ(row.text(2), QString());
    EXPECT_EQ(row.text(3), QString());
    EXPECT_EQ(row.text(4), QString());
    EXPECT_EQ(row.text(-1), QString());
    EXPECT_FALSE(row.has(4));

    const ReplyRow raw = ReplyRow::fromRawText(QStringLiteral("a&quot;b│x"), kSep);
    EXPECT_EQ(raw.text(0), QStringLiteral("a&quot;b"));
}

TEST(ReplyRow, SeparatorsOfOtherSizesAndEmptyRows)
{
    const ReplyRow two = ReplyRow::fromRawText(QStringLiteral("a||b||||c"), QStringLiteral("||"));
    EXPECT_EQ(two.count(), 4);
    EXPECT_EQ(two.text(1), QStringLiteral("b"));
    EXPECT_EQ(two.text(2), QString());
    EXPECT_EQ(two.text(3), QStringLiteral("c"));

    const ReplyRow none = ReplyRow::fromRawText(QStringLiteral("a│b"), QString());
    EXPECT_EQ(none.count(), 1);
    EXPECT_EQ(none.text(0), QStringLiteral("a│b"));

    EXPECT_EQ(ReplyRow::fromText(QString(), kSep).count(), 0);
    EXPECT_FALSE(ReplyRow::fromText(QString(), kSep).has(0));
    // A present but empty field is an empty text, not a missing one.
    EXPECT_FALSE(ReplyRow::fromText(QStringLiteral("│x"), kSep).text(0).isNull());
}

// Rows read one after the other through RepeatedTexts must read exactly as a fresh read does,
// whatever repeats, changes back or goes missing between rows.
TEST(ReplyRow, RepeatedTextsReadLikeAFreshRead)
{
    const QStringList rows = {
        QStringLiteral("S1│행복치킨│Y│H0001│02-1│"),
        QStringLiteral("S2│행복치킨│N│H0001│02-1│"),
        QStringLiteral("S3│소담&quot;한식│Y│H0001│02-2│x"),
        QStringLiteral("S4│소담&quot;한식│Y│H0002│02-2"),
        QStringLiteral("S5││Y│H0002"),
        QStringLiteral("S6│행복치킨│Y│H0001│02-1│"),
        QStringLiteral("S6│행복치킨│Y│H0001│02-1│"),
    };
    RepeatedTexts repeats;
    for (const QString &text : rows) {
        const ReplyRow row = ReplyRow::fromText(text, kSep);
        for (int c = -1; c <= 7; ++c) {
            const QString shared = row.text(c, repeats);
            EXPECT_EQ(shared, row.text(c)) << text.toStdString() << " column " << c;
            EXPECT_EQ(shared.isNull(), row.text(c).isNull()) << text.toStdString() << " column " << c;
            EXPECT_EQ(row.textIs(c, QLatin1String("Y")), row.text(c) == QLatin1String("Y"));
            EXPECT_EQ(row.textIs(c, QLatin1String("")), row.text(c).isEmpty());
        }
    }

    // A handed-out text is the caller's own: changing it changes no later read.
    RepeatedTexts again;
    const ReplyRow first = ReplyRow::fromText(rows.at(0), kSep);
    QString flag = first.text(2, again);
    QString head = first.text(3, again);
    flag.append(QLatin1Char('!'));
    head[0] = QLatin1Char('X');
    const ReplyRow second = ReplyRow::fromText(rows.at(1), kSep);
    EXPECT_EQ(second.text(2, again), QStringLiteral("N"));
    EXPECT_EQ(second.text(3, again), QStringLiteral("H0001"));
    EXPECT_EQ(ReplyRow::fromText(rows.at(2), kSep).text(2, again), QStringLiteral("Y"));
    EXPECT_EQ(ReplyRow::fromText(rows.at(2), kSep).text(3, again), QStringLiteral("H0001"));

    // Object rows read as they always do.
    const ReplyRow object = ReplyRow::fromObject(objectRow(QStringLiteral(R"({"C_0":"a","C_1":7})")));
    EXPECT_EQ(object.text(0, again), QStringLiteral("a"));
    EXPECT_EQ(object.text(1, again), QStringLiteral("7"));
    EXPECT_TRUE(object.textIs(1, QLatin1String("7")));
}

TEST(ReplyRow, ObjectRowsReadColumnsByKeyAndTolerateMissingOnes)
{
    const ReplyRow row = ReplyRow::fromObject(objectRow(
        QStringLiteral(R"({"C_0":" x ","C_1":12,"C_2":null,"C_3":1.5,"C_5":true,"OTHER":"y"})")));
    EXPECT_EQ(row.count(), 6);
    EXPECT_EQ(row.text(0), QStringLiteral(" x "));  // unchanged
    EXPECT_EQ(row.trimmed(0), QStringLiteral("x"));
    EXPECT_EQ(row.text(1), QStringLiteral("12"));
    EXPECT_EQ(row.text(2), QString());
    EXPECT_EQ(row.text(3), QStringLiteral("1.5"));
    EXPECT_EQ(row.text(4), QString());
    EXPECT_EQ(row.text(5), QStringLiteral("true"));
    EXPECT_EQ(row.toInt(1, -1), 12);
    EXPECT_EQ(row.toInt(0, -1), -1);
    EXPECT_EQ(row.toInt(9, 10), 10);

    EXPECT_EQ(ReplyRow::fromJson(QJsonValue(42), kSep).count(), 0);
}

TEST(JsonStr, TrimsAndGivesEmptyForMissingOrNull)
{
    const QJsonObject o = objectRow(QStringLiteral(R"({"A":"  Y ","B":null})"));
    EXPECT_EQ(JsonStr(o, QStringLiteral("A")), QStringLiteral("Y"));
    EXPECT_EQ(JsonStr(o, QStringLiteral("B")), QString());
    EXPECT_EQ(JsonStr(o, QStringLiteral("C")), QString());
}

// A code row of the right length, one cut short and one with extra columns.
TEST_F(ReferenceRecordsTest, CodeRowsOfAnyLengthFillWhatTheyHave)
{
    struct Case
    {
        const char *name;
        int columns;
    };
    for (const Case c : {Case{"right", 12}, Case{"short", 3}, Case{"long", 15}, Case{"empty", 0}}) {
        TCOM_CODE_LIST rec;
        rec.DT_VALUE3 = QStringLiteral("stale");
        FillComCodeRow(rec, ReplyRow::fromText(joinRow(numbered(QStringLiteral("v"), c.columns)), kSep));
        const QStringList got{rec.SY_CODE, rec.SY_NAME, rec.DT_CODE, rec.DT_NAME, rec.MOD_DATE,
                              rec.VIEW_ORDER, rec.PARENT_SY_CODE, rec.PARENT_DT_CODE,
                              rec.DT_VALUE, rec.DATA_STATUS, rec.DT_VALUE2, rec.DT_VALUE3};
        for (int i = 0; i < got.size(); ++i) {
            // Widths: PARENT_SY_CODE holds 2, DATA_STATUS 1.
            QString expected = i < c.columns ? QStringLiteral("v") + QString::number(i) : QString();
            if (i == 6)
                expected = expected.left(2);
            if (i == 9)
                expected = expected.left(1);
            EXPECT_EQ(got[i], expected) << c.name << " column " << i;
        }
    }
}

TEST_F(ReferenceRecordsTest, ConfigRowKeepsAHundredCharacterValue)
{
    TCONFIG_CODE_LIST rec;
    const QString url = QStringLiteral("https://example.test/") + QString(120, QLatin1Char('p'));
    FillConfigCodeRow(rec, ReplyRow::fromFields(
        {QStringLiteral("CAURL"), QStringLiteral("WORK_CONTROL"), url, QString(), QString(), QStringLiteral("1")}));
    EXPECT_EQ(rec.CFG_TYPE, QStringLiteral("CAURL"));
    EXPECT_EQ(rec.CFG_VALUE, url.left(100));
    EXPECT_EQ(rec.DATA_STATUS, QStringLiteral("1"));
}

TEST_F(ReferenceRecordsTest, HeadOfficeAndBranchRowsFromObjects)
{
    THD_LIST &hd = G_HD_LIST.append(QStringLiteral("H0001"));
    FillHdRow(hd, ReplyRow::fromObject(objectRow(QStringLiteral(
        R"({"C_0":"H0001","C_1":"본사","C_2":"02-123-4567","C_3":"1000","C_4":"1",)"
        R"("C_5":"004","C_6":"1234567890123456789012345678","C_7":"은행","C_8":" Y "})"))));
    EXPECT_EQ(hd.HD_Name, QStringLiteral("본사"));
    EXPECT_EQ(hd.CYBANK_ACCOUNT, QStringLiteral("123456789012345678901234"));  // 24 wide
    EXPECT_EQ(hd.BR_MNG_ADD_PRICE_YN, QStringLiteral("Y"));

    // A branch row without C_8 and C_9 and with an extra column.
    TBR_LIST &br = hd.BR_LIST.append(QStringLiteral("B000001"));
    FillBrRow(br, ReplyRow::fromObject(objectRow(QStringLiteral(
        R"({"C_0":"B000001","C_1":"지점","C_4":"1","C_5":"D001","C_12":"extra"})"))));
    EXPECT_EQ(br.BR_CODE, QStringLiteral("B000001"));
    EXPECT_EQ(br.DVRY_TYPE_CD, QStringLiteral("D001"));
    EXPECT_EQ(br.HD_CODE, QString());
    EXPECT_EQ(br.MNG_YN, QStringLiteral("N"));

    EXPECT_EQ(FindBranch(QStringLiteral("B000001")), &br);
    EXPECT_EQ(FindBranch(QStringLiteral("B999999")), nullptr);
    EXPECT_EQ(hd.SL_BRLIST(), QStringList{QStringLiteral("B000001")});
}

TEST_F(ReferenceRecordsTest, ShareAndDeliveryOutRowsDefaultTheirNumbers)
{
    TSHARE_GROUP share;
    FillShareGroupRow(share, ReplyRow::fromObject(objectRow(
        QStringLiteral(R"({"C_0":"S","C_1":"D001","C_2":"D002","C_3":"abc"})"))));
    EXPECT_EQ(share.SHARE_TIME, 10);
    EXPECT_EQ(share.DVRY_SHARE_TYPE, QString());

    TDVRY_LIST out;
    FillDvryOutRow(out, ReplyRow::fromObject(objectRow(QStringLiteral(
        R"({"C_0":"S0000012345","C_1":"D001","C_4":"x","C_5":"300","C_7":"500","C_8":"2200"})"))));
    EXPECT_EQ(out.ST_CODE, QStringLiteral("S000001"));
    EXPECT_EQ(out.MNG_1_FEE, 0);
    EXPECT_EQ(out.MNG_2_FEE, 300);
    EXPECT_EQ(out.EX_CHARGE, 500);
    EXPECT_EQ(out.EX_E_TIME, QString());
}

TEST_F(ReferenceRecordsTest, StoreCodesAreTheStoreListsOwnCodes)
{
    G_ST_LIST.append(QStringLiteral("S000001")).ST_NAME = QStringLiteral("하나");
    G_ST_LIST.append(QStringLiteral("S000002")).ST_NAME = QStringLiteral("둘");
    EXPECT_EQ(G_SL_ST_CODE.indexOf(QStringLiteral("S000009")), -1);

    // A store added later lands at the end of both.
    G_ST_LIST.append(QStringLiteral("S000003"));
    EXPECT_EQ(G_SL_ST_CODE.size(), 3);
    EXPECT_EQ(G_SL_ST_CODE.indexOf(QStringLiteral("S000003")), G_ST_LIST.count() - 1);

    G_ST_LIST.removeAt(0);
    EXPECT_EQ(G_ST_LIST.at(G_SL_ST_CODE.indexOf(QStringLiteral("S000002"))).ST_NAME, QStringLiteral("둘"));

    ResetReferenceRecords();
    EXPECT_TRUE(G_SL_ST_CODE.isEmpty());
    EXPECT_EQ(G_ST_LIST.count(), 0);
}

TEST_F(ReferenceRecordsTest, GoodsCachesKeepTheirKeyListsInStep)
{
    TST_LIST &st = G_ST_LIST.append(QStringLiteral("S000001"));
    st.GOODS_GRP_LST.append(QStringLiteral("0"));  // the default group
    st.GOODS_GRP_LST.append(QStringLiteral("15"));
    TGOODS_LIST &goods = st.GOODS_LIST.append(QStringLiteral("100"));
    goods.OP1.append(QStringLiteral("100 1"));
    goods.ADD.append(QStringLiteral("100 9"));
    st.GOODS_GRP_LST.at(1).GOODS.append(QStringLiteral(" 100"), goods);

    EXPECT_EQ(st.SL_GROUP_NO().indexOf(QStringLiteral("15")), 1);
    EXPECT_EQ(st.SL_GOODS_NO(), QStringList{QStringLiteral("100")});
    EXPECT_EQ(goods.SL_OP1(), QStringList{QStringLiteral("100 1")});
    // The copy inside the group is its own record.
    st.GOODS_GRP_LST.at(1).GOODS.at(0).ORD_STATUS = QStringLiteral("0");
    EXPECT_EQ(goods.ORD_STATUS, QString());
}

TEST_F(ReferenceRecordsTest, ResetEmptiesEveryList)
{
    G_HD_LIST.append(QStringLiteral("H0001"));
    G_COM_CODE_LIST.append(TCOM_CODE_LIST());
    G_CONFIG_CODE_LIST.append(TCONFIG_CODE_LIST());
    G_DVRY_GRP_INFO.append(TDVRY_GRP_INFO());
    G_SHARE_GROUP.append(TSHARE_GROUP());
    for (QStringList *l : {&G_SL_BR_CODE, &G_SL_SEL_BR_CODE, &G_SL_SEL_DVRY_TYPE, &G_SL_SEL_MASTER_ST,
                           &G_SL_SEL_MASTER_DVRY, &G_SL_SEL_PATH_CD, &G_SL_SEL_POS_TYPE,
                           &G_SL_MASTER_ST_CODE, &G_SL_MASTER_DVRY_TYPE, &G_SL_MASTER_BR_CODE,
                           &G_SL_PROVINCE, &G_SL_BR_DVRY_TYPE, &G_SL_O3_COL11})
        l->append(QStringLiteral("x"));

    ResetReferenceRecords();
    EXPECT_TRUE(G_SL_HD_CODE.isEmpty());
    EXPECT_TRUE(G_COM_CODE_LIST.isEmpty());
    EXPECT_TRUE(G_CONFIG_CODE_LIST.isEmpty());
    EXPECT_TRUE(G_DVRY_GRP_INFO.isEmpty());
    EXPECT_TRUE(G_SHARE_GROUP.isEmpty());
    EXPECT_TRUE(G_SL_SEL_BR_CODE.isEmpty());
    EXPECT_TRUE(G_SL_MASTER_BR_CODE.isEmpty());
    EXPECT_TRUE(G_SL_PROVINCE.isEmpty());
}
} // namespace
