// Arbitrary bytes as an uploaded .xlsx file: the package, its XML and every number in it must be
// refused with a message or read into a sheet that stays within the sheet's bounds.
// Bytes that start like a zip file ("PK") are the file itself. Anything else is taken as the XML
// of the parts, separated by NUL bytes (sheet, shared strings, styles, workbook, workbook
// relations), and packed into a sound zip first: mutations of a zip file mostly break its
// checksums, so this is the way for the fuzzer to reach the XML readers.
#include "records/session_records.h"
#include "grid/xlsx_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <zip.h>

#include <cstdint>
#include <cstdlib>

namespace
{
struct TempFile
{
    QString path = QDir::tempPath() + QStringLiteral("/xlsx_reader_fuzz_%1.xlsx").arg(QCoreApplication::applicationPid());
    ~TempFile() { QFile::remove(path); }
};

const QByteArray kDefaultWorkbook =
    "<workbook xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";

bool writePackage(const QString &path, const QList<QByteArray> &xml)
{
    static const char *const names[] = {"xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "xl/styles.xml",
                                        "xl/workbook.xml", "xl/_rels/workbook.xml.rels"};
    zipFile zf = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zf)
        return false;
    for (int i = 0; i < 5; ++i) {
        const QByteArray data = i < xml.size() ? xml.at(i) : (i == 3 ? kDefaultWorkbook : QByteArray());
        if (i >= xml.size() && i != 3)
            continue;
        zip_fileinfo info{};
        zipOpenNewFileInZip64(zf, names[i], &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 1, 0);
        zipWriteInFileInZip(zf, data.constData(), unsigned(data.size()));
        zipCloseFileInZip(zf);
    }
    return zipClose(zf, nullptr) == ZIP_OK;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TempFile file;
    // Refusals are logged; a folder that cannot hold files keeps the log writes cheap and silent.
    G_LOG_DIR = QStringLiteral("/dev/null/");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.startsWith("PK")) {
        QFile out(file.path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        out.write(bytes);
    } else if (!writePackage(file.path, bytes.split('\0'))) {
        std::abort();
    }

    // The reference parser on the leading bytes, as a cell's r attribute would give them.
    int row = -1, col = -1;
    const QString ref = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(std::min<size_t>(size, 24)));
    if (XlsxReader::parseCellRef(ref, &row, &col)
        && (row < 0 || row >= kXlsxMaxRows || col < 0 || col >= kXlsxMaxColumns))
        std::abort();

    XlsxReader reader;
    if (!reader.open(file.path)) {
        if (reader.errorString().isEmpty())
            std::abort();
        return 0;
    }
    const int sheets = std::min<int>(int(reader.sheetNames().size()), 4);
    for (int i = 0; i < sheets; ++i) {
        XlsxSheet sheet;
        if (!reader.readSheet(i, &sheet)) {
            if (reader.errorString().isEmpty() || sheet.cellCount() != 0)
                std::abort();
            continue;
        }
        if (sheet.rowCount() < 0 || sheet.rowCount() > kXlsxMaxRows || sheet.columnCount() < 0
            || sheet.columnCount() > kXlsxMaxColumns || sheet.cellCount() > XlsxReadLimits().cells)
            std::abort();
        for (const XlsxColumnInfo &c : sheet.columns)
            if (c.first < 0 || c.first > c.last || c.last >= kXlsxMaxColumns)
                std::abort();
        // The last cell is where the counts say; every cell reads back with its format.
        if (sheet.cellCount() > 0 && !sheet.cell(sheet.rowCount() - 1, 0).present) {
            bool found = false;
            for (int c = 0; c < sheet.columnCount() && !found; ++c)
                found = sheet.cell(sheet.rowCount() - 1, c).present;
            if (!found)
                std::abort();
        }
        for (int r = 0; r < std::min(sheet.rowCount(), 8); ++r)
            for (int c = 0; c < std::min(sheet.columnCount(), 8); ++c)
                reader.cellFormat(sheet.cell(r, c).style);
        sheet.column(0);
    }
    return 0;
}
