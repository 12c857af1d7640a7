// The goods list, its export and the upload that reads the export back: list rows from the goods
// cache, the upload's row checks, and the workbook round trip through the project's own reader.
#include "store/goods_upload.h"
#include "store/product_goods_list.h"
#include "store/product_goods_ops.h"

#include "common/program_globals.h"
#include "grid/xlsx_reader.h"
#include "records/reference_records.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace
{
// A plain sheet written by the project's own export: row 1 captions, then rows of texts.
class UploadSheetSource : public ExportTableSource
{
public:
    UploadSheetSource(QStringList captions, QList<QStringList> rows)
        : m_captions(std::move(captions))
        , m_rows(std::move(rows))
    {
    }
    int exportColumnCount() const override { return int(m_captions.size()); }
    QString exportCaption(int c) const override { return m_captions.at(c); }
    bool exportColumnVisible(int) const override { return true; }
    bool exportColumnIsText(int) const override { return true; }
    int exportRowCount() const override { return int(m_rows.size()); }
    QVariant exportValue(int r, int c) const override { return m_rows.at(r).value(c); }

private:
    QStringList m_captions;
    QList<QStringList> m_rows;
};

const QStringList kUploadPlainCaptions = {"순번", "상품명", "주문배달가격", "주문배달할인가", "주문배달 할인기간",
                                    "주문배달 할인시간", "주문배달 1일 제한", "주문배달 1회 제한"};

class GoodsUploadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        G_FIELD_SEP = QStringLiteral("│");
    }
    void TearDown() override { G_ST_LIST.clear(); }

    GoodsUploadCheck check(const QList<QStringList> &rows, const QStringList &captions = kUploadPlainCaptions)
    {
        const QString path = dir.filePath(QStringLiteral("upload.xlsx"));
        const XlsxExportResult written = ExportTableToXlsx(UploadSheetSource(captions, rows), path);
        EXPECT_TRUE(written.ok) << written.error.toStdString();
        return CheckGoodsUploadFile(path);
    }

    TGOODS_LIST &addGoods(TST_LIST &st, const QString &no, const QString &name, const QString &status)
    {
        TGOODS_LIST &g = st.GOODS_LIST.append(no);
        g.ST_GOODS_NO = no;
        g.GOODS_NAME = name;
        g.DATA_STATUS = status;
        g.ORD_STATUS = QStringLiteral("1");
        return g;
    }

    QTemporaryDir dir;
};

TEST_F(GoodsUploadTest, RowChecksTable)
{
    struct Case
    {
        const char *what;
        QStringList row; // 순번 .. 1회 제한
        bool accepted;
        const char *price, *discount, *period, *time, *limitDay;
    };
    const QString longName = QString(34, QChar(0xAC00)); // 102 UTF-8 bytes
    const Case cases[] = {
        {"plain", {"1", "김치찌개", "9000", "", "", "", "", ""}, true, "9000", "0", "", "", "0"},
        {"discount equal to price", {"1", "a", "9000", "9000", "", "", "3", ""}, true, "9000", "9000", "", "", "3"},
        {"discount above price", {"1", "a", "9000", "9500", "", "", "", ""}, false, "", "", "", "", ""},
        {"negative price", {"1", "a", "-1", "", "", "", "", ""}, false, "", "", "", "", ""},
        {"thousands separator", {"1", "a", "9,000", "", "", "", "", ""}, false, "", "", "", "", ""},
        {"price not a number", {"1", "a", "구천", "", "", "", "", ""}, false, "", "", "", "", ""},
        {"period without time", {"1", "a", "100", "50", "2026-01-02~2026-02-03", "", "", ""}, true, "100", "50",
         "2026010220260203", "00002359", "0"},
        {"period and time", {"1", "a", "100", "", "2026-01-02~2026-02-03", "09:00~18:30", "", ""}, true, "100", "0",
         "2026010220260203", "09001830", "0"},
        {"time without period", {"1", "a", "100", "", "", "09:00~18:30", "", ""}, true, "100", "0", "", "09001830", "0"},
        {"period misplaced", {"1", "a", "100", "", "2026-1-02~2026-02-03", "", "", ""}, false, "", "", "", "", ""},
        {"period not digits", {"1", "a", "100", "", "2026-ab-02~2026-02-03", "", "", ""}, false, "", "", "", "", ""},
    };
    for (const Case &c : cases) {
        const GoodsUploadCheck r = check({c.row});
        EXPECT_EQ(r.ok(), c.accepted) << c.what << " " << r.report().toStdString();
        if (!c.accepted || r.rows.size() != 1)
            continue;
        const GoodsUploadRow &row = r.rows.first();
        EXPECT_EQ(row.sheetRow, 2) << c.what;
        EXPECT_EQ(row.price, QString::fromUtf8(c.price)) << c.what;
        EXPECT_EQ(row.discount, QString::fromUtf8(c.discount)) << c.what;
        EXPECT_EQ(row.period, QString::fromUtf8(c.period)) << c.what;
        EXPECT_EQ(row.timeWindow, QString::fromUtf8(c.time)) << c.what;
        EXPECT_EQ(row.limitDay, QString::fromUtf8(c.limitDay)) << c.what;
    }
    // A name over 100 bytes is refused as a price error.
    const GoodsUploadCheck tooLong = check({{"1", longName, "100", "", "", "", "", ""}});
    EXPECT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.priceErrors.size(), 1);
}

TEST_F(GoodsUploadTest, ABadRowRefusesTheWholeFileAndNamesItsRow)
{
    const GoodsUploadCheck r = check({{"1", "좋은상품", "1000", "", "", "", "", ""},
                                      {"2", "", "", "", "", "", "", ""}, // blank name: skipped, no report
                                      {"3", "비싼할인", "1000", "2000", "", "", "", ""},
                                      {"4", "날짜틀림", "1000", "", "2026-01-01~26-02-02", "", "", ""}});
    EXPECT_FALSE(r.ok());
    const QString report = r.report();
    EXPECT_TRUE(report.contains(QStringLiteral("4행 비싼할인"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("5행 날짜틀림"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("날짜 형식이 잘못 입력되었습니다.")));
    EXPECT_TRUE(report.contains(QStringLiteral("하나도 등록하지 않았습니다")));
    EXPECT_FALSE(report.contains(QStringLiteral("좋은상품")));
}

TEST_F(GoodsUploadTest, UnreadableAndEmptyFilesAreReportedNotSilent)
{
    const QString junk = dir.filePath(QStringLiteral("junk.xlsx"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("PK\x03\x04 not really a workbook");
    f.close();
    const GoodsUploadCheck bad = CheckGoodsUploadFile(junk);
    EXPECT_FALSE(bad.ok());
    EXPECT_TRUE(bad.report().startsWith(QStringLiteral("엑셀 파일을 읽을 수 없습니다."))) << bad.report().toStdString();
    EXPECT_FALSE(CheckGoodsUploadFile(dir.filePath(QStringLiteral("missing.xlsx"))).ok());
    const GoodsUploadCheck empty = check({});
    EXPECT_FALSE(empty.ok());
    EXPECT_EQ(empty.report(), QStringLiteral("파일에 올릴 상품이 없습니다."));
}

TEST_F(GoodsUploadTest, UploadSendsOneBasePayloadPerRowAndReportsFailures)
{
    const GoodsUploadCheck r = check({{"1", "가", "1000", "100", "2026-01-02~2026-02-03", "", "2", "1"},
                                      {"2", "나", "2000", "", "", "", "", ""},
                                      {"3", "다", "3000", "", "", "", "", ""}});
    ASSERT_TRUE(r.ok()) << r.report().toStdString();
    QStringList sent;
    int call = 0;
    const GoodsUploadResult result = RunGoodsUpload(
        QStringLiteral("S000101"), QStringLiteral("demo"), r.rows,
        [&](const QString &code, const QString &callType, const QString &payload) {
            EXPECT_EQ(code, QStringLiteral("CS05_02_V01"));
            EXPECT_EQ(callType, QStringLiteral("ADM1"));
            sent << payload;
            switch (call++) {
            case 0: return QStringLiteral(R"({"OUT_CODE":"1","OUT_MSG":"","OUT_VAL":"0010100049"})");
            case 1: return QStringLiteral(R"({"OUT_CODE":"0","OUT_MSG":"중복"})");
            default: return QString();
            }
        });
    ASSERT_EQ(sent.size(), 3);
    EXPECT_EQ(sent.first(), QStringLiteral("S000101││demo│가│1│1│1000│100│2026010220260203│00002359│2│1││"));
    EXPECT_EQ(result.added, 1);
    ASSERT_EQ(result.failures.size(), 2);
    EXPECT_EQ(result.failures.at(0), QStringLiteral("3행 나-0:중복"));
    EXPECT_TRUE(result.failures.at(1).startsWith(QStringLiteral("4행 다"))) << "no reply is a failure, not a success";
}

TEST_F(GoodsUploadTest, ListRowsComeFromTheCacheWithoutDeletedGoods)
{
    TST_LIST &st = G_ST_LIST.append(QStringLiteral("S000101"));
    st.ST_CODE = QStringLiteral("S000101");
    TGOODS_LIST &a = addGoods(st, QStringLiteral("A1"), QStringLiteral("후라이드"), QStringLiteral("1"));
    a.ORD_PRICE = QStringLiteral("18000");
    a.ORD_DN_PRICE = QStringLiteral("x");
    a.ORD_DN_PERIOD = QStringLiteral("2026010220260203");
    a.ORD_DN_TIME = QStringLiteral("09001830");
    addGoods(st, QStringLiteral("A2"), QStringLiteral("지운상품"), QStringLiteral("0"));
    addGoods(st, QStringLiteral("A3"), QStringLiteral("멈춘상품"), QStringLiteral("2"));
    addGoods(st, QStringLiteral("A4"), QStringLiteral("이상한상태"), QStringLiteral("9"));
    const QList<QVariantList> rows = ProductGoodsRows(QStringLiteral("S000101"));
    ASSERT_EQ(rows.size(), 3);
    using C = ProductGoodsColumn;
    EXPECT_EQ(rows.at(0).at(int(C::ViewNo)).toInt(), 0);
    EXPECT_EQ(rows.at(2).at(int(C::ViewNo)).toInt(), 2);
    EXPECT_EQ(rows.at(0).at(int(C::OrdPrice)).toDouble(), 18000);
    EXPECT_EQ(rows.at(0).at(int(C::OrdDiscount)).toDouble(), 0);
    EXPECT_EQ(rows.at(0).at(int(C::OrdPeriod)).toString(), QStringLiteral("2026-01-02~2026-02-03"));
    EXPECT_EQ(rows.at(0).at(int(C::OrdTime)).toString(), QStringLiteral("09:00~18:30"));
    EXPECT_EQ(rows.at(1).at(int(C::StatusName)).toString(), QStringLiteral("정지"));
    EXPECT_EQ(rows.at(2).at(int(C::StatusName)).toString(), QStringLiteral("캐쉬부족"));
    EXPECT_EQ(GoodsDataStatusName(QStringLiteral("7")), QStringLiteral("7")) << "no read past the table";
    EXPECT_EQ(GoodsUseStatusName(QStringLiteral("x")), QStringLiteral("정상")) << "not a number counts as 1";
    EXPECT_TRUE(ProductGoodsRows(QStringLiteral("S999999")).isEmpty());
}

TEST_F(GoodsUploadTest, TheExportReadsBackAsTheSameGoods)
{
    TST_LIST &st = G_ST_LIST.append(QStringLiteral("S000101"));
    st.ST_CODE = QStringLiteral("S000101");
    TGOODS_LIST &a = addGoods(st, QStringLiteral("A1"), QStringLiteral("양념치킨"), QStringLiteral("1"));
    a.ORD_PRICE = QStringLiteral("19000");
    a.ORD_DN_PRICE = QStringLiteral("17000");
    a.ORD_DN_PERIOD = QStringLiteral("2026010220260203");
    a.ORD_DN_TIME = QStringLiteral("11001400");
    a.ORD_LIMIT_DAY = QStringLiteral("30");
    a.ORD_LIMIT_ONCE = QStringLiteral("2");
    TGOODS_LIST &b = addGoods(st, QStringLiteral("A2"), QStringLiteral("콜라 500ml"), QStringLiteral("1"));
    b.ORD_PRICE = QStringLiteral("2000");
    // Both layouts the export writes: with and without the administrators' goods-number column.
    for (bool withNo : {false, true}) {
        const QString path = dir.filePath(QStringLiteral("export%1.xlsx").arg(withNo));
        const XlsxExportResult written =
            ExportTableToXlsx(ProductGoodsExport(ProductGoodsRows(QStringLiteral("S000101")), withNo), path);
        ASSERT_TRUE(written.ok) << written.error.toStdString();
        XlsxReader reader;
        XlsxSheet sheet;
        ASSERT_TRUE(reader.open(path));
        ASSERT_TRUE(reader.readSheet(0, &sheet));
        EXPECT_EQ(sheet.cell(0, 1).text, QStringLiteral("상품명"));
        const GoodsUploadCheck r = CheckGoodsUpload(sheet);
        ASSERT_TRUE(r.ok()) << r.report().toStdString();
        ASSERT_EQ(r.rows.size(), 2);
        const GoodsUploadRow &row = r.rows.first();
        EXPECT_EQ(row.name, QStringLiteral("양념치킨"));
        EXPECT_EQ(row.price, QStringLiteral("19000"));
        EXPECT_EQ(row.discount, QStringLiteral("17000"));
        EXPECT_EQ(row.period, QStringLiteral("2026010220260203"));
        EXPECT_EQ(row.timeWindow, QStringLiteral("11001400"));
        EXPECT_EQ(row.limitDay, QStringLiteral("30"));
        EXPECT_EQ(row.limitOnce, QStringLiteral("2"));
        EXPECT_EQ(r.rows.at(1).name, QStringLiteral("콜라 500ml"));
        EXPECT_EQ(r.rows.at(1).timeWindow, QString());
        // Uploading the export unchanged adds nothing; a changed price is a new product.
        int unchanged = -1;
        EXPECT_TRUE(GoodsUploadNewRows(QStringLiteral("S000101"), r.rows, &unchanged).isEmpty());
        EXPECT_EQ(unchanged, 2);
        QList<GoodsUploadRow> edited = r.rows;
        edited[1].price = QStringLiteral("2500");
        const QList<GoodsUploadRow> fresh = GoodsUploadNewRows(QStringLiteral("S000101"), edited, &unchanged);
        ASSERT_EQ(fresh.size(), 1);
        EXPECT_EQ(fresh.first().name, QStringLiteral("콜라 500ml"));
        EXPECT_EQ(unchanged, 1);
    }
    EXPECT_EQ(ProductGoodsExportFileName(QStringLiteral("치킨집"), QStringLiteral("20261211")),
              QStringLiteral("치킨집_상품_20261211.xlsx"));
}

TEST(GoodsGroupDialogTest, UseTypesAndRefusals)
{
    auto names = [](const QString &shop) {
        QStringList out;
        for (const auto &item : GoodsGroupUseTypeItems(shop))
            out << item.first + QLatin1Char('=') + item.second;
        return out;
    };
    EXPECT_EQ(names(QStringLiteral("1")), (QStringList{"1=매장판매상품", "3=배달주문상품", "4=상품통계용", "5=프린터용"}));
    EXPECT_EQ(names(QStringLiteral("2")), (QStringList{"1=매장판매상품", "4=상품통계용", "5=프린터용"}));
    struct Case
    {
        const char *shop, *type, *name, *refusal;
    };
    const Case cases[] = {
        {"2", "3", "음료", "등록/수정 할 수 없는 그룹구분입니다."},
        {"1", "3", "음료", ""},
        {"1", "1", "   ", "그룹명을 입력하세요"},
        {"2", "1", "음료", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GoodsGroupApplyRefusal(QString::fromUtf8(c.shop), QString::fromUtf8(c.type), QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.refusal))
            << c.shop << c.type << c.name;
}
} // namespace
