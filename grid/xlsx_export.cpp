#include "grid/xlsx_export.h"
#include "grid/variant_number.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
// Excel keeps at most this many characters in a cell.
constexpr int kMaxCellChars = 32767;
constexpr double kMaxColumnWidth = 255;
constexpr double kMinColumnWidth = 4;


QString errorText(lxw_error e)
{
    return QString::fromUtf8(lxw_strerror(e));
}

// "#,##0" as the sheet shows a number, for the column width.
QString groupedNumber(double d)
{
    const qlonglong n = qlonglong(std::llround(d));
    QString digits = QString::number(n < 0 ? -n : n);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

class Workbook
{
public:
    explicit Workbook(const QString &path, const QString &tmpDir)
        : m_tmpDir(QFile::encodeName(tmpDir))
    {
        lxw_workbook_options options = {};
        options.constant_memory = 1; // rows go to a temporary file as they are written
        options.tmpdir = m_tmpDir.data();
        options.use_zip64 = 1;
        m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book); // only after a failure; the file is discarded then
    }
    lxw_workbook *book() const { return m_book; }
    lxw_error close()
    {
        if (!m_book)
            return LXW_NO_ERROR;
        const lxw_error e = workbook_close(m_book);
        m_book = nullptr;
        return e;
    }

private:
    QByteArray m_tmpDir;
    lxw_workbook *m_book = nullptr;
};

struct Formats
{
    lxw_format *header = nullptr;
    lxw_format *text = nullptr;
    lxw_format *number = nullptr;
};

Formats makeFormats(lxw_workbook *book)
{
    Formats f;
    f.header = workbook_add_format(book);
    format_set_pattern(f.header, LXW_PATTERN_SOLID);
    format_set_bg_color(f.header, 0xC0DCC0);
    format_set_align(f.header, LXW_ALIGN_CENTER);
    f.text = workbook_add_format(book);
    format_set_num_format(f.text, "@");
    format_set_align(f.text, LXW_ALIGN_LEFT);
    f.number = workbook_add_format(book);
    format_set_num_format(f.number, "#,##0");
    format_set_align(f.number, LXW_ALIGN_RIGHT);
    return f;
}

// Writes one cell; returns the width its text takes, or 0 when nothing was written.
lxw_error writeCell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const QVariant &value,
                    bool textColumn, bool asText, const Formats &f, double *width)
{
    *width = 0;
    if (!value.isValid() || value.isNull())
        return LXW_NO_ERROR;
    if (!asText) {
        double d = 0;
        bool ok = IsNumericVariant(value);
        if (ok)
            d = value.toDouble();
        else
            d = value.toString().trimmed().toDouble(&ok);
        if (ok && std::isfinite(d)) {
            *width = XlsxTextWidth(groupedNumber(d));
            return worksheet_write_number(sheet, row, col, d, f.number);
        }
    }
    QString text = value.toString();
    if (text.isEmpty())
        return LXW_NO_ERROR;
    if (text.size() > kMaxCellChars)
        text.truncate(kMaxCellChars);
    *width = XlsxTextWidth(text);
    return worksheet_write_string(sheet, row, col, text.toUtf8().constData(),
                                  textColumn ? f.text : f.number);
}
} // namespace

double XlsxTextWidth(const QString &text)
{
    double w = 0;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF)
                          || (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF)
                          || (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60)
                          || (u >= 0xFFE0 && u <= 0xFFE6);
        if (!c.isLowSurrogate())
            w += wide ? 2 : 1;
    }
    return w;
}

XlsxExportResult ExportTableToXlsx(const ExportTableSource &source, const QString &fileName)
{
    XlsxExportResult result;
    const int rows = source.exportRowCount();
    const int cols = source.exportColumnCount();
    const int bandLevels = std::clamp(source.exportBandLevels(), 0, 8);
    if (rows > kXlsxMaxDataRows - bandLevels) {
        result.error = QStringLiteral("엑셀 시트 한 장에는 %1행까지만 저장할 수 있습니다. (%2행)")
                           .arg(kXlsxMaxDataRows - bandLevels)
                           .arg(rows);
        return result;
    }
    if (cols > LXW_COL_MAX) {
        result.error = QStringLiteral("엑셀 시트 한 장에는 %1열까지만 저장할 수 있습니다.").arg(LXW_COL_MAX);
        return result;
    }
    const QFileInfo target(fileName);
    const QDir dir = target.absoluteDir();
    if (fileName.isEmpty() || !dir.exists()) {
        result.error = QStringLiteral("저장경로가 잘못되었습니다.");
        return result;
    }
    QString partPath;
    {
        QTemporaryFile part(dir.filePath(target.fileName() + QStringLiteral(".XXXXXX.part")));
        part.setAutoRemove(false);
        if (!part.open()) {
            result.error = QStringLiteral("파일을 저장할 수 없습니다: %1").arg(fileName);
            return result;
        }
        partPath = part.fileName();
    }
    Workbook wb(partPath, dir.absolutePath());
    const auto fail = [&](const QString &why) {
        wb.close();
        QFile::remove(partPath);
        result.ok = false;
        result.error = QStringLiteral("엑셀 파일을 만들지 못했습니다: %1").arg(why);
        return result;
    };
    if (!wb.book())
        return fail(fileName);
    lxw_worksheet *sheet = workbook_add_worksheet(wb.book(), nullptr);
    const Formats f = makeFormats(wb.book());

    std::vector<char> visible(size_t(cols), 0), text(size_t(cols), 0), asText(size_t(cols), 0);
    std::vector<double> width(size_t(cols), 0);
    for (int c = 0; c < cols; ++c)
        visible[size_t(c)] = source.exportColumnVisible(c);
    // Band rows, first as the sheet is streamed row by row: a band is one merged cell over the
    // neighbouring shown columns that agree on it and on every band above it (the same caption
    // under two parents is two bands).
    for (int level = 0; level < bandLevels; ++level) {
        auto pathOf = [&](int c) {
            QStringList path;
            for (int l = 0; l <= level; ++l)
                path << source.exportBandCaption(l, c);
            return path;
        };
        int c = 0;
        while (c < cols) {
            const QStringList path = pathOf(c);
            int last = c;
            while (last + 1 < cols && visible[size_t(last + 1)] && visible[size_t(c)] && pathOf(last + 1) == path)
                ++last;
            const QString caption = path.last();
            if (visible[size_t(c)] && !caption.isEmpty()) {
                const QByteArray utf8 = caption.toUtf8();
                const lxw_error e = last > c
                                        ? worksheet_merge_range(sheet, lxw_row_t(level), lxw_col_t(c), lxw_row_t(level),
                                                                lxw_col_t(last), utf8.constData(), f.header)
                                        : worksheet_write_string(sheet, lxw_row_t(level), lxw_col_t(c),
                                                                 utf8.constData(), f.header);
                if (e != LXW_NO_ERROR)
                    return fail(errorText(e));
            }
            c = last + 1;
        }
    }
    for (int c = 0; c < cols; ++c) {
        text[size_t(c)] = source.exportColumnIsText(c);
        asText[size_t(c)] = source.exportValuesAsText(c);
        const QString caption = source.exportCaption(c);
        width[size_t(c)] = XlsxTextWidth(caption);
        const lxw_error e = worksheet_write_string(sheet, lxw_row_t(bandLevels), lxw_col_t(c),
                                                   caption.toUtf8().constData(), f.header);
        if (e != LXW_NO_ERROR)
            return fail(errorText(e));
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            if (!visible[size_t(c)])
                continue;
            double w = 0;
            const lxw_error e = writeCell(sheet, lxw_row_t(r + 1 + bandLevels), lxw_col_t(c),
                                          source.exportValue(r, c), text[size_t(c)], asText[size_t(c)], f,
                                          &w);
            if (e != LXW_NO_ERROR)
                return fail(errorText(e));
            width[size_t(c)] = std::max(width[size_t(c)], w);
        }
        ++result.rowsWritten;
    }
    for (int c = 0; c < cols; ++c) {
        lxw_row_col_options hidden = {};
        hidden.hidden = visible[size_t(c)] ? 0 : 1;
        const double w = visible[size_t(c)]
                             ? std::clamp(width[size_t(c)] + 2, kMinColumnWidth, kMaxColumnWidth)
                             : 0;
        worksheet_set_column_opt(sheet, lxw_col_t(c), lxw_col_t(c), w,
                                 text[size_t(c)] ? f.text : f.number, &hidden);
    }
    const lxw_error e = wb.close();
    if (e != LXW_NO_ERROR)
        return fail(errorText(e));

    // Replace an earlier file only now that the new one is complete.
    if (QFile::exists(fileName) && !QFile::remove(fileName))
        return fail(QStringLiteral("%1 을(를) 덮어쓸 수 없습니다").arg(fileName));
    if (!QFile::rename(partPath, fileName))
        return fail(fileName);
    result.ok = true;
    return result;
}
