// Arbitrary bytes as an uploaded .xlsx file: the package, its XML and every number in it must be
// refused with a message or read into a sheet that stays within the sheet's bounds.
#include "common/session_records.h"
#include "common/xlsx_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace
{
struct TempFile
{
    QString path = QDir::tempPath() + QStringLiteral("/xlsx_reader_fuzz_%1.xlsx").arg(QCoreApplication::applicationPid());
    ~TempFile() { QFile::remove(path); }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TempFile file;
    // Refusals are logged; a folder that cannot hold files keeps the log writes cheap and silent.
    G_LOG_DIR = QStringLiteral("/dev/null/");
    {
        QFile out(file.path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        out.write(reinterpret_cast<const char *>(data), qint64(size));
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
