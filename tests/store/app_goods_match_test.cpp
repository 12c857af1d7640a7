// Delivery-app goods matching: the links put into slots, the action of each slot, and the
// workbook round trip through the project's own writer and reader.
#include "store/app_goods_match.h"

#include "common/program_globals.h"
#include "grid/xlsx_reader.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace
{
QString matchPage(const QList<QStringList> &links, const QString &outCode = QStringLiteral("1"))
{
    QJsonArray rows;
    for (const QStringList &l : links)
        rows.append(QJsonObject{{"C_0", l.at(0)}, {"C_1", "S1"}, {"C_2", l.at(1)}, {"C_3", l.at(2)}, {"C_4", l.at(3)}});
    return QString::fromUtf8(
        QJsonDocument(QJsonObject{{"OUT_CODE", outCode}, {"OUT_MSG", ""}, {"OUT_ROW1", rows}}).toJson(QJsonDocument::Compact));
}

QList<AppGoodsMatchRow> twoGoods()
{
    AppGoodsMatchRow a;
    a.goodsNo = QStringLiteral("G1");
    a.name = QStringLiteral("후라이드");
    a.price = QStringLiteral("18000");
    a.status = QStringLiteral("1");
    AppGoodsMatchRow b = a;
    b.goodsNo = QStringLiteral("G2");
    b.name = QStringLiteral("양념");
    b.status = QStringLiteral("0");
    return {a, b};
}

TEST(AppGoodsMatchTest, LinksFillTheFirstFreeSlotsAndAtMostFive)
{
    QList<AppGoodsMatchRow> rows = twoGoods();
    QList<QStringList> links;
    for (int i = 0; i < 6; ++i)
        links << QStringList{QStringLiteral("B%1").arg(i), "G1", "1", QStringLiteral("배민%1").arg(i)};
    links << QStringList{"Y1", "G2", "2", "요기요양념"} << QStringList{"X1", "G9", "1", "없는상품"}
          << QStringList{"X2", "G1", "7", "없는어플"};
    ASSERT_TRUE(ApplyAppGoodsLinks(rows, {matchPage(links)}));
    EXPECT_EQ(rows.at(0).code[0][0], QStringLiteral("B0"));
    EXPECT_EQ(rows.at(0).appName[0][4], QStringLiteral("배민4"));
    for (int s = 0; s < kAppGoodsSlots; ++s)
        EXPECT_NE(rows.at(0).code[0][s], QStringLiteral("B5")) << "a sixth link is not shown";
    EXPECT_EQ(rows.at(1).code[1][0], QStringLiteral("Y1"));
    EXPECT_TRUE(rows.at(1).code[0][0].isEmpty());
    // A failing page ends the reading; what was read stays.
    QList<AppGoodsMatchRow> partial = twoGoods();
    EXPECT_FALSE(ApplyAppGoodsLinks(partial, {matchPage({{"B0", "G1", "1", "a"}}), matchPage({}, "0")}));
    EXPECT_EQ(partial.at(0).code[0][0], QStringLiteral("B0"));
    EXPECT_FALSE(ApplyAppGoodsLinks(partial, {}));
}

TEST(AppGoodsMatchTest, SlotActions)
{
    struct Case
    {
        const char *code, *name, *action;
    };
    const Case cases[] = {{"", "", ""}, {" ", " ", ""}, {"", "새이름", "1"}, {"B1", "바뀐이름", "2"}, {"B1", " ", "0"}};
    for (const Case &c : cases)
        EXPECT_EQ(AppGoodsSlotAction(QString::fromUtf8(c.code), QString::fromUtf8(c.name)), QString::fromUtf8(c.action))
            << c.code << "/" << c.name;
    G_FIELD_SEP = QStringLiteral("│");
    QList<AppGoodsMatchRow> rows = twoGoods();
    rows[0].appName[2][1] = QStringLiteral("배달통후라이드");
    rows[1].code[0][0] = QStringLiteral("B7");
    const QList<AppGoodsSlotSave> saves = AppGoodsSaves(rows, QStringLiteral("demo"), QStringLiteral("S1"));
    ASSERT_EQ(saves.size(), 2);
    EXPECT_EQ(saves.at(0).payload, QStringLiteral("demo│1││S1│G1│3│배달통후라이드│"));
    EXPECT_EQ(saves.at(1).payload, QStringLiteral("demo│0│B7│S1│G2│1││"));
    EXPECT_EQ(AppGoodsLoadPayload(QStringLiteral("B1"), QStringLiteral("S1")), QStringLiteral("3│B1│S1│N│"));
}

TEST(AppGoodsMatchTest, TheExportReadsBackIntoTheSameSlots)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QList<AppGoodsMatchRow> rows = twoGoods();
    rows[0].code[0][0] = QStringLiteral("B1");
    rows[0].appName[0][0] = QStringLiteral("배민 후라이드");
    rows[0].appName[2][4] = QStringLiteral("배달통 5번");
    rows[1].code[1][0] = QStringLiteral("Y1");
    rows[1].appName[1][0] = QStringLiteral("요기요 양념");
    const QString path = dir.filePath(QStringLiteral("match.xlsx"));
    ASSERT_TRUE(ExportTableToXlsx(AppGoodsMatchExport(rows), path).ok);
    XlsxReader reader;
    XlsxSheet sheet;
    ASSERT_TRUE(reader.open(path));
    ASSERT_TRUE(reader.readSheet(0, &sheet));

    QList<AppGoodsMatchRow> back = twoGoods();
    back[0].code[0][0] = QStringLiteral("B1");
    back[1].code[1][0] = QStringLiteral("Y1");
    back[1].appName[0][3] = QStringLiteral("파일에 없는 이름");
    QString error;
    ASSERT_TRUE(ReadAppGoodsSheet(back, sheet, &error)) << error.toStdString();
    for (int r = 0; r < 2; ++r)
        for (int a = 0; a < kAppGoodsApps; ++a)
            for (int s = 0; s < kAppGoodsSlots; ++s)
                EXPECT_EQ(back.at(r).appName[a][s], rows.at(r).appName[a][s]) << r << a << s;
    // Reading a goods sheet instead is refused and changes nothing.
    XlsxSheet other;
    QList<AppGoodsMatchRow> untouched = rows;
    EXPECT_FALSE(ReadAppGoodsSheet(untouched, other, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(untouched.at(0).appName[0][0], QStringLiteral("배민 후라이드"));
}
} // namespace
