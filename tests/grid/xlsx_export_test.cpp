#include "grid/xlsx_export.h"
#include "grid/xlsx_reader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <functional>

namespace
{
struct Column
{
    QString caption;
    bool visible = true;
    bool text = true;
};

class ListSource : public ExportTableSource
{
public:
    QList<Column> columns;
    int rows = 0;
    std::function<QVariant(int, int)> value;

    int exportColumnCount() const override { return int(columns.size()); }
    QString exportCaption(int c) const override { return columns.at(c).caption; }
    bool exportColumnVisible(int c) const override { return columns.at(c).visible; }
    bool exportColumnIsText(int c) const override { return columns.at(c).text; }
    int exportRowCount() const override { return rows; }
    QVariant exportValue(int r, int c) const override { return value(r, c); }
};

XlsxSheet readBack(const QString &path, XlsxReader &reader)
{
    XlsxSheet sheet;
    EXPECT_TRUE(reader.open(path)) << reader.errorString().toStdString();
    EXPECT_TRUE(reader.readSheet(0, &sheet)) << reader.errorString().toStdString();
    return sheet;
}

struct XlsxExportTest : ::testing::Test
{
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(XlsxExportTest, ZeroRowsGiveTheCaptionRowOnly)
{
    ListSource src;
    src.columns = {{"접수번호", true, true}, {"금액", true, false}};
    src.value = [](int, int) { return QVariant(); };
    const XlsxExportResult r = ExportTableToXlsx(src, path("empty.xlsx"));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.rowsWritten, 0);

    XlsxReader reader;
    const XlsxSheet sheet = readBack(path("empty.xlsx"), reader);
    EXPECT_EQ(sheet.rowCount(), 1);
    EXPECT_EQ(sheet.cell(0, 0).text, "접수번호");
    EXPECT_EQ(sheet.cell(0, 1).text, "금액");
    const XlsxCellFormat header = reader.cellFormat(sheet.cell(0, 0).style);
    EXPECT_EQ(header.fillRgb.toUpper(), "C0DCC0");
    EXPECT_EQ(header.horizontal, "center");
    // The data columns carry their format even without rows.
    EXPECT_GT(sheet.column(0).width, 0);
    EXPECT_FALSE(sheet.column(1).hidden);
}

TEST_F(XlsxExportTest, CellsKeepTheirValuesAndFormats)
{
    ListSource src;
    src.columns = {{"번호", true, true},
                   {"금액", true, false},
                   {"고객전화", false, true},
                   {"상태", true, true},
                   {"거리", true, false}};
    const QVariantList rows[] = {
        {"0071", 12500, "010-1234-5678", "접수", 1.234},
        {"0072", "5000", "010-0000-0000", "배차", QVariant()},
        {"0073", "미정", "", "", "abc"},
    };
    src.rows = 3;
    src.value = [&](int r, int c) { return rows[r].at(c); };
    const XlsxExportResult result = ExportTableToXlsx(src, path("cells.xlsx"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.rowsWritten, 3);

    XlsxReader reader;
    const XlsxSheet s = readBack(path("cells.xlsx"), reader);
    ASSERT_EQ(s.rowCount(), 4);
    // Text column: kept as text with leading zeros, "@", left.
    EXPECT_FALSE(s.cell(1, 0).isNumber);
    EXPECT_EQ(s.cell(1, 0).text, "0071");
    EXPECT_EQ(reader.cellFormat(s.cell(1, 0).style).numberFormat, "@");
    EXPECT_EQ(reader.cellFormat(s.cell(1, 0).style).horizontal, "left");
    // Number column: numbers (also from numeric text), "#,##0", right.
    EXPECT_TRUE(s.cell(1, 1).isNumber);
    EXPECT_EQ(s.cell(1, 1).number, 12500);
    EXPECT_TRUE(s.cell(2, 1).isNumber);
    EXPECT_EQ(s.cell(2, 1).number, 5000);
    EXPECT_EQ(reader.cellFormat(s.cell(1, 1).style).numberFormat, "#,##0");
    EXPECT_EQ(reader.cellFormat(s.cell(1, 1).style).horizontal, "right");
    EXPECT_DOUBLE_EQ(s.cell(1, 4).number, 1.234); // the format rounds the view, not the value
    // Text that is no number stays text in a number column; empty cells stay empty.
    EXPECT_FALSE(s.cell(3, 1).isNumber);
    EXPECT_EQ(s.cell(3, 1).text, "미정");
    EXPECT_FALSE(s.cell(2, 4).present);
    EXPECT_FALSE(s.cell(3, 3).present);
    // Hidden column: caption kept, no data, width 0 and hidden.
    EXPECT_EQ(s.cell(0, 2).text, "고객전화");
    for (int r = 1; r <= 3; ++r)
        EXPECT_FALSE(s.cell(r, 2).present) << r;
    EXPECT_TRUE(s.column(2).hidden);
    EXPECT_EQ(s.column(2).width, 0);
    // Widths follow the longest text; Hangul counts double.
    EXPECT_GE(s.column(3).width, XlsxTextWidth("접수"));
    EXPECT_GE(s.column(1).width, XlsxTextWidth("12,500"));
}

TEST_F(XlsxExportTest, LargeExportsWriteEveryRow)
{
    // More rows than the old sheet format held, and past a 70,000-row block boundary.
    ListSource src;
    src.columns = {{"번호", true, true}, {"금액", true, false}};
    src.rows = 70001;
    src.value = [](int r, int c) { return c == 0 ? QVariant(QString::number(r)) : QVariant(r * 10); };
    const XlsxExportResult result = ExportTableToXlsx(src, path("large.xlsx"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.rowsWritten, 70001);

    XlsxReader reader;
    const XlsxSheet s = readBack(path("large.xlsx"), reader);
    ASSERT_EQ(s.rowCount(), 70002);
    for (int r : {0, 65535, 65536, 69999, 70000}) {
        EXPECT_EQ(s.cell(r + 1, 0).text, QString::number(r));
        EXPECT_EQ(s.cell(r + 1, 1).number, r * 10.0);
    }
}

TEST_F(XlsxExportTest, RefusesMoreRowsThanASheetHoldsAndKeepsTheOldFile)
{
    QFile old(path("keep.xlsx"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier export");
    old.close();

    ListSource src;
    src.columns = {{"번호", true, true}};
    src.rows = kXlsxMaxDataRows + 1;
    src.value = [](int, int) { return QVariant("x"); };
    const XlsxExportResult result = ExportTableToXlsx(src, path("keep.xlsx"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "earlier export");
    old.close();

    // A folder that does not exist is refused before anything is written.
    src.rows = 1;
    EXPECT_FALSE(ExportTableToXlsx(src, dir.filePath("no/such/folder/x.xlsx")).ok);

    // A good export replaces the earlier file and leaves no part file behind.
    ASSERT_TRUE(ExportTableToXlsx(src, path("keep.xlsx")).ok);
    XlsxReader reader;
    EXPECT_EQ(readBack(path("keep.xlsx"), reader).cell(1, 0).text, "x");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.xlsx"});
}

TEST(XlsxReader, ReadsSharedStringsAndCellReferences)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("shared.xlsx");
    lxw_workbook *book = workbook_new(QFile::encodeName(file).constData());
    lxw_worksheet *ws = workbook_add_worksheet(book, "상품");
    worksheet_write_string(ws, 0, 0, "상품명", nullptr);
    worksheet_write_string(ws, 0, 2, "가격", nullptr);
    worksheet_write_string(ws, 2, 0, "치킨", nullptr);
    worksheet_write_number(ws, 2, 2, 18000, nullptr);
    worksheet_write_boolean(ws, 3, 27, 1, nullptr);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);

    XlsxReader reader;
    ASSERT_TRUE(reader.open(file));
    EXPECT_EQ(reader.sheetNames(), QStringList{"상품"});
    XlsxSheet s;
    ASSERT_TRUE(reader.readSheet(0, &s));
    EXPECT_EQ(s.cell(0, 2).text, "가격");
    EXPECT_FALSE(s.cell(1, 0).present);
    EXPECT_EQ(s.cell(2, 0).text, "치킨");
    EXPECT_EQ(s.cell(2, 2).text, "18000");
    EXPECT_EQ(s.cell(3, 27).text, "TRUE");
    EXPECT_FALSE(reader.readSheet(1, &s));

    EXPECT_FALSE(reader.open(dir.filePath("missing.xlsx")));
    QFile junk(dir.filePath("junk.xlsx"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a zip");
    junk.close();
    EXPECT_FALSE(reader.open(junk.fileName()));

    struct Ref
    {
        const char *text;
        int row, col;
        bool ok;
    };
    for (const Ref &r : {Ref{"A1", 0, 0, true}, Ref{"AB12", 11, 27, true}, Ref{"XFD1048576", 1048575, 16383, true},
                         Ref{"1A", 0, 0, false}, Ref{"A0", 0, 0, false}, Ref{"A", 0, 0, false}}) {
        int row = -1, col = -1;
        EXPECT_EQ(XlsxReader::parseCellRef(QString::fromLatin1(r.text), &row, &col), r.ok) << r.text;
        if (r.ok) {
            EXPECT_EQ(row, r.row) << r.text;
            EXPECT_EQ(col, r.col) << r.text;
        }
    }
}
} // namespace
