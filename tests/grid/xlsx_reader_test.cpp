// Workbooks crafted part by part, for what a hostile or broken file may put in its numbers.
#include "common/daily_log.h"
#include "records/session_records.h"
#include "grid/xlsx_reader.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <zip.h>

#include <functional>

namespace
{
struct ZipEntry
{
    const char *name;
    QByteArray data;
};

bool writeZip(const QString &path, const QList<ZipEntry> &parts)
{
    zipFile zf = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zf)
        return false;
    bool ok = true;
    for (const ZipEntry &p : parts) {
        zip_fileinfo info{};
        ok = ok
             && zipOpenNewFileInZip64(zf, p.name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                      Z_DEFAULT_COMPRESSION, 0) == ZIP_OK
             && zipWriteInFileInZip(zf, p.data.constData(), unsigned(p.data.size())) == ZIP_OK
             && zipCloseFileInZip(zf) == ZIP_OK;
    }
    return zipClose(zf, nullptr) == ZIP_OK && ok;
}

const QByteArray kWorkbook =
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet name=\"상품\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";

QByteArray sheet(const QByteArray &cols, const QByteArray &data)
{
    return "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           + (cols.isEmpty() ? QByteArray() : "<cols>" + cols + "</cols>") + "<sheetData>" + data
           + "</sheetData></worksheet>";
}

QByteArray sharedStrings(int count)
{
    QByteArray xml = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    for (int i = 0; i < count; ++i)
        xml += "<si><t>s" + QByteArray::number(i) + "</t></si>";
    return xml + "</sst>";
}

class XlsxReaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        G_LOG_DIR = m_dir.path() + QStringLiteral("/LOG/");
        QDir().mkpath(G_LOG_DIR);
    }
    void TearDown() override { G_LOG_DIR.clear(); }

    // A one-sheet workbook with the given sheet part and, when strings > 0, that many shared strings.
    QString book(const QByteArray &sheetXml, int strings = 0)
    {
        const QString path = m_dir.filePath(QStringLiteral("book%1.xlsx").arg(++m_count));
        QList<ZipEntry> parts = {{"xl/workbook.xml", kWorkbook}, {"xl/worksheets/sheet1.xml", sheetXml}};
        if (strings > 0)
            parts.append({"xl/sharedStrings.xml", sharedStrings(strings)});
        EXPECT_TRUE(writeZip(path, parts));
        return path;
    }
    QByteArray log() const
    {
        QFile f(DailyLogPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    int m_count = 0;
};

TEST_F(XlsxReaderTest, HostileNumbersInASheetAreRefusedWithAMessage)
{
    struct Case
    {
        const char *what;
        QByteArray data;
        int strings;
        const char *message; // part of the text the user is shown
    };
    const Case cases[] = {
        {"column letters overflowing int", "<row r=\"1\"><c r=\"" + QByteArray(60, 'A') + "1\"><v>1</v></c></row>", 0, "셀 위치"},
        {"column past XFD", R"(<row r="1"><c r="XFE1"><v>1</v></c></row>)", 0, "셀 위치"},
        {"cell reference row past the sheet", R"(<row r="1"><c r="A1048577"><v>1</v></c></row>)", 0, "셀 위치"},
        {"cell reference row overflowing int", R"(<row r="1"><c r="A99999999999999999999"><v>1</v></c></row>)", 0, "셀 위치"},
        {"signed cell reference row", R"(<row r="1"><c r="A-1"><v>1</v></c></row>)", 0, "셀 위치"},
        {"cell before any row", R"(<c><v>1</v></c><row r="1"/>)", 0, "셀 위치"},
        {"cell past the last column of its row",
         R"(<row r="1"><c r="XFD1"><v>1</v></c><c><v>2</v></c></row>)", 0, "셀 위치"},
        {"row number near the int limit", R"(<row r="2147483647"><c><v>1</v></c></row>)", 0, "행 번호"},
        {"row number past the int limit", R"(<row r="2147483648"><c><v>1</v></c></row>)", 0, "행 번호"},
        {"row number of two billion", R"(<row r="2000000000"><c><v>1</v></c></row>)", 0, "행 번호"},
        {"row number one past the sheet", R"(<row r="1048577"><c><v>1</v></c></row>)", 0, "행 번호"},
        {"row number zero", R"(<row r="0"><c><v>1</v></c></row>)", 0, "행 번호"},
        {"negative row number", R"(<row r="-5"><c><v>1</v></c></row>)", 0, "행 번호"},
        {"row without number after the last row", R"(<row r="1048576"/><row><c><v>1</v></c></row>)", 0, "행 번호"},
        {"shared string past the table", R"(<row r="1"><c r="A1" t="s"><v>2</v></c></row>)", 2, "문자열 번호"},
        {"negative shared string", R"(<row r="1"><c r="A1" t="s"><v>-1</v></c></row>)", 2, "문자열 번호"},
        {"shared string overflowing int", R"(<row r="1"><c r="A1" t="s"><v>99999999999</v></c></row>)", 2, "문자열 번호"},
        {"shared string without a table", R"(<row r="1"><c r="A1" t="s"><v>0</v></c></row>)", 0, "문자열 번호"},
        {"shared string that is no number", R"(<row r="1"><c r="A1" t="s"><v>x</v></c></row>)", 2, "문자열 번호"},
        {"broken XML", R"(<row r="1"><c r="A1"><v>1</v></row>)", 0, "읽을 수 없습니다"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        XlsxReader reader;
        ASSERT_TRUE(reader.open(book(sheet({}, c.data), c.strings))) << reader.errorString().toStdString();
        XlsxSheet s;
        EXPECT_FALSE(reader.readSheet(0, &s));
        EXPECT_TRUE(reader.errorString().contains(QString::fromUtf8(c.message))) << reader.errorString().toStdString();
        EXPECT_TRUE(reader.errorString().contains(QStringLiteral("상품"))) << reader.errorString().toStdString();
        EXPECT_EQ(s.cellCount(), 0);
        EXPECT_EQ(s.rowCount(), 0);
    }
    // Each refusal is also in the daily log, with what was wrong.
    const QByteArray logged = log();
    EXPECT_TRUE(logged.contains("XlsxReader : ")) << logged.constData();
    EXPECT_TRUE(logged.contains("row number \"2147483648\"")) << logged.constData();
    // A hostile value is cut in the log line.
    EXPECT_FALSE(logged.contains(QByteArray(60, 'A')));
}

TEST_F(XlsxReaderTest, ValuesMerelyOffTheSheetGiveABoundedResult)
{
    // Column ranges only carry layout: they are cut to the sheet, nonsense ones dropped.
    const QByteArray cols = R"(<col min="-2147483648" max="3" width="5"/>)"
                            R"(<col min="5" max="99999999999999" width="7" hidden="1"/>)"
                            R"(<col min="4" max="2" width="9"/>)"
                            R"(<col min="x" max="4" width="9"/>)"
                            R"(<col min="10" max="10" width="1e308"/>)"
                            R"(<col min="11" max="11" width="nan"/>)"
                            R"(<col min="12" max="12" width="-3"/>)";
    // The last cells of the sheet cost one cell each, not rows and columns up to them.
    const QByteArray data = R"(<row r="1048576"><c r="XFD1048576"><v>42</v></c></row>)"
                            R"(<row r="2"><c r="B2"><v>first</v></c><c r="B2" t="inlineStr"><is><t>later</t></is></c></row>)"
                            R"(<row r="1"><c><v>1</v></c><c><v>2</v></c><c><v>inf</v></c><c><v>nan</v></c></row>)";
    XlsxReader reader;
    ASSERT_TRUE(reader.open(book(sheet(cols, data)))) << reader.errorString().toStdString();
    XlsxSheet s;
    ASSERT_TRUE(reader.readSheet(0, &s)) << reader.errorString().toStdString();
    ASSERT_EQ(s.columns.size(), 5u);
    // Widths stay within what a column can show.
    EXPECT_EQ(s.columns[2].width, 255);
    EXPECT_EQ(s.columns[3].width, 0);
    EXPECT_EQ(s.columns[4].width, 0);
    EXPECT_EQ(s.column(0).width, 5);
    EXPECT_EQ(s.column(2).width, 5);
    EXPECT_EQ(s.column(3).width, 0);
    EXPECT_TRUE(s.column(4).hidden);
    EXPECT_EQ(s.columns[1].last, kXlsxMaxColumns - 1);

    EXPECT_EQ(s.rowCount(), kXlsxMaxRows);
    EXPECT_EQ(s.columnCount(), kXlsxMaxColumns);
    EXPECT_EQ(s.cellCount(), 6);
    EXPECT_EQ(s.cell(kXlsxMaxRows - 1, kXlsxMaxColumns - 1).number, 42);
    EXPECT_EQ(s.cell(1, 1).text, "later"); // a cell given twice keeps its later value
    EXPECT_EQ(s.cell(0, 0).text, "1");     // rows out of order still land where they say
    EXPECT_EQ(s.cell(0, 1).text, "2");
    // Numbers no amount can hold stay text.
    for (int c : {2, 3}) {
        EXPECT_FALSE(s.cell(0, c).isNumber) << c;
        EXPECT_EQ(s.cell(0, c).number, 0) << c;
    }
    EXPECT_EQ(s.cell(0, 2).text, "inf");
    EXPECT_FALSE(s.cell(0, 4).present);
    EXPECT_FALSE(s.cell(-1, -1).present);
    EXPECT_FALSE(s.cell(INT_MAX, INT_MAX).present);
}

TEST_F(XlsxReaderTest, PartsAndCellsAreCapped)
{
    XlsxReadLimits small;
    small.partBytes = 4096;
    small.cells = 3;
    QByteArray cells;
    for (int i = 0; i < 4; ++i)
        cells += "<c><v>" + QByteArray::number(i) + "</v></c>";
    QByteArray big;
    for (int i = 1; i <= 400; ++i)
        big += "<row r=\"" + QByteArray::number(i) + "\"/>";

    struct Case
    {
        const char *what;
        std::function<QString()> file;
        bool opens;       // the failure comes with open() rather than readSheet()
        const char *message;
    };
    const Case cases[] = {
        {"a sheet part larger than the cap", [&] { return book(sheet({}, big)); }, true, "너무 큽니다"},
        {"more cells than the cap", [&] { return book(sheet({}, "<row>" + cells + "</row>")); }, true, "셀이 너무 많습니다"},
        {"more shared strings than the cap", [&] { return book(sheet({}, {}), 4); }, false, "문자열이 너무 많습니다"},
        {"a shared-string part larger than the cap", [&] { return book(sheet({}, {}), 400); }, false, "너무 큽니다"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        XlsxReader reader(small);
        const bool opened = reader.open(c.file());
        ASSERT_EQ(opened, c.opens) << reader.errorString().toStdString();
        if (opened) {
            XlsxSheet s;
            EXPECT_FALSE(reader.readSheet(0, &s));
            EXPECT_EQ(s.cellCount(), 0);
        } else {
            EXPECT_TRUE(reader.sheetNames().isEmpty());
        }
        EXPECT_TRUE(reader.errorString().contains(QString::fromUtf8(c.message))) << reader.errorString().toStdString();
    }

    // Within the caps the same reader reads on.
    XlsxReader reader(small);
    ASSERT_TRUE(reader.open(book(sheet({}, "<row>" + cells.left(cells.size() / 2) + "</row>"), 3)));
    XlsxSheet s;
    ASSERT_TRUE(reader.readSheet(0, &s)) << reader.errorString().toStdString();
    EXPECT_EQ(s.cellCount(), 2);
}

TEST_F(XlsxReaderTest, BrokenPackagesAreRefusedWithAMessage)
{
    const QString noBook = m_dir.filePath(QStringLiteral("nobook.xlsx"));
    ASSERT_TRUE(writeZip(noBook, {{"xl/worksheets/sheet1.xml", sheet({}, {})}}));
    const QString noSheets = m_dir.filePath(QStringLiteral("nosheets.xlsx"));
    ASSERT_TRUE(writeZip(noSheets, {{"xl/workbook.xml", "<workbook><sheets/></workbook>"}}));
    const QString missingSheet = m_dir.filePath(QStringLiteral("missing.xlsx"));
    ASSERT_TRUE(writeZip(missingSheet, {{"xl/workbook.xml", kWorkbook}}));
    // A sheet whose compressed data was damaged after it was written.
    const QString damaged = m_dir.filePath(QStringLiteral("damaged.xlsx"));
    {
        QByteArray rows;
        for (int i = 1; i <= 50; ++i)
            rows += "<row r=\"" + QByteArray::number(i) + "\"><c><v>" + QByteArray::number(i * 7) + "</v></c></row>";
        ASSERT_TRUE(writeZip(damaged, {{"xl/worksheets/sheet1.xml", sheet({}, rows)}, {"xl/workbook.xml", kWorkbook}}));
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        for (int i = 60; i < 90; ++i) // inside the sheet's data, which starts at byte 54
            bytes[i] = char(bytes[i] ^ 0x5A);
        f.seek(0);
        f.write(bytes);
    }

    struct Case
    {
        QString file;
        bool opens;
        const char *message;
    };
    for (const Case &c : {Case{noBook, false, "통합 문서가 아닙니다"}, Case{noSheets, false, "시트가 없습니다"},
                          Case{missingSheet, true, "내용이 없습니다"}, Case{damaged, true, "손상되었습니다"},
                          Case{m_dir.filePath(QStringLiteral("none.xlsx")), false, "열 수 없습니다"}}) {
        SCOPED_TRACE(c.file.toStdString());
        XlsxReader reader;
        bool ok = reader.open(c.file);
        EXPECT_EQ(ok, c.opens) << reader.errorString().toStdString();
        if (ok) {
            XlsxSheet s;
            ok = reader.readSheet(0, &s);
            EXPECT_FALSE(ok);
        }
        EXPECT_FALSE(reader.errorString().isEmpty());
        EXPECT_TRUE(reader.errorString().contains(QString::fromUtf8(c.message)))
            << reader.errorString().toStdString();
    }
}

TEST(XlsxReaderRefs, CellReferencesStayOnTheSheet)
{
    struct Ref
    {
        const char *text;
        bool ok;
        int row, col;
    };
    for (const Ref &r : {Ref{"A1", true, 0, 0}, Ref{"xfd1048576", true, 1048575, 16383}, Ref{"A01", true, 0, 0},
                         Ref{"XFE1", false, 0, 0}, Ref{"A1048577", false, 0, 0}, Ref{"AAAAAAAAAAAAAAA1", false, 0, 0},
                         Ref{"A2147483648", false, 0, 0}, Ref{"A+1", false, 0, 0}, Ref{"A 1", false, 0, 0}, Ref{"A1 ", false, 0, 0},
                         Ref{"", false, 0, 0}, Ref{"1", false, 0, 0}, Ref{"A1B", false, 0, 0}}) {
        int row = -1, col = -1;
        EXPECT_EQ(XlsxReader::parseCellRef(QString::fromLatin1(r.text), &row, &col), r.ok) << r.text;
        if (r.ok) {
            EXPECT_EQ(row, r.row) << r.text;
            EXPECT_EQ(col, r.col) << r.text;
        }
    }
}
} // namespace
