#include "grid/xlsx_reader.h"

#include "common/daily_log.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <unzip.h>

#include <algorithm>
#include <cmath>

namespace
{
// Counts no real workbook comes near; they only keep a hostile file from filling the memory.
constexpr int kMaxSheets = 65536;
constexpr int kMaxRelationships = 2 * kMaxSheets;
constexpr int kMaxStyleEntries = 65536; // cell formats, fills and number formats each
constexpr int kMaxColumnEntries = kXlsxMaxColumns;
constexpr double kWidestColumn = 255; // characters, the widest column a spreadsheet shows

// Number formats that a workbook refers to by id without listing them.
QString builtinFormat(int id)
{
    static const QHash<int, QString> kBuiltin = {
        {0, "General"},    {1, "0"},         {2, "0.00"},       {3, "#,##0"},
        {4, "#,##0.00"},   {9, "0%"},        {10, "0.00%"},     {11, "0.00E+00"},
        {12, "# ?/?"},     {13, "# \?\?/\?\?"},  {14, "mm-dd-yy"},  {15, "d-mmm-yy"},
        {16, "d-mmm"},     {17, "mmm-yy"},   {18, "h:mm AM/PM"}, {19, "h:mm:ss AM/PM"},
        {20, "h:mm"},      {21, "h:mm:ss"},  {22, "m/d/yy h:mm"}, {37, "#,##0 ;(#,##0)"},
        {38, "#,##0 ;[Red](#,##0)"}, {39, "#,##0.00;(#,##0.00)"}, {40, "#,##0.00;[Red](#,##0.00)"},
        {45, "mm:ss"},     {46, "[h]:mm:ss"}, {47, "mmss.0"},   {48, "##0.0E+0"},
        {49, "@"},
    };
    return kBuiltin.value(id);
}

// Text of an <si> or <is> element: its <t> runs joined (phonetic runs left out).
QString readRichText(QXmlStreamReader &x, const QString &endName)
{
    QString text;
    int skipDepth = 0;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == u"rPh")
                ++skipDepth;
            else if (x.name() == u"t" && skipDepth == 0)
                text += x.readElementText();
        } else if (x.isEndElement()) {
            if (x.name() == u"rPh")
                --skipDepth;
            else if (x.name() == endName)
                break;
        }
    }
    return text;
}

QString resolveTarget(const QString &target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    return QStringLiteral("xl/") + target;
}

// A whole number of ASCII digits from 1 to max (no sign, no blanks); false for anything else,
// however many digits it has.
bool parseOrdinal(QStringView text, int max, int *out)
{
    if (text.isEmpty())
        return false;
    int value = 0;
    for (const QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return false;
        value = value * 10 + (ch.unicode() - '0');
        if (value > max)
            return false;
    }
    if (value < 1)
        return false;
    *out = value;
    return true;
}

// An optionally signed whole number, saturated to [lo, hi]; false when it is not one.
bool parseClamped(QStringView text, int lo, int hi, int *out)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+'))
        ++i;
    if (i == text.size())
        return false;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch < u'0' || ch > u'9')
            return false;
        if (value <= qint64(hi) + 1) // further digits only push it further out of range
            value = value * 10 + (ch.unicode() - '0');
    }
    if (negative)
        value = -value;
    *out = int(std::clamp<qint64>(value, lo, hi));
    return true;
}

QString cellName(int row, int column)
{
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters + QString::number(row + 1);
}

QString sizeText(qint64 bytes)
{
    if (bytes >= 1024 * 1024)
        return QString::number(bytes / (1024 * 1024)) + QStringLiteral("MB");
    return QString::number(std::max<qint64>(bytes / 1024, 1)) + QStringLiteral("KB");
}

// Attribute text cut for a message: a hostile value may be any length.
QString shown(QStringView value)
{
    return value.size() > 40 ? value.left(40).toString() + QStringLiteral("...") : value.toString();
}
} // namespace

const XlsxCell &XlsxSheet::cell(int row, int column) const
{
    static const XlsxCell kEmpty;
    const auto it = std::lower_bound(m_cells.begin(), m_cells.end(), std::make_pair(row, column),
                                     [](const Entry &e, const std::pair<int, int> &pos) {
                                         return std::make_pair(e.row, e.column) < pos;
                                     });
    if (it == m_cells.end() || it->row != row || it->column != column)
        return kEmpty;
    return it->cell;
}

XlsxColumnInfo XlsxSheet::column(int c) const
{
    for (const XlsxColumnInfo &info : columns)
        if (c >= info.first && c <= info.last)
            return info;
    XlsxColumnInfo none;
    none.first = none.last = c;
    return none;
}

void XlsxSheet::addCell(int row, int column, XlsxCell cell)
{
    m_cells.push_back(Entry{row, column, std::move(cell)});
}

void XlsxSheet::finish()
{
    const auto before = [](const Entry &a, const Entry &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    };
    if (!std::is_sorted(m_cells.begin(), m_cells.end(), before))
        std::stable_sort(m_cells.begin(), m_cells.end(), before);
    // A cell the sheet gives twice keeps its later value.
    size_t kept = 0;
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (kept > 0 && !before(m_cells[kept - 1], m_cells[i]))
            m_cells[kept - 1] = std::move(m_cells[i]);
        else if (kept++ != i)
            m_cells[kept - 1] = std::move(m_cells[i]);
    }
    m_cells.resize(kept);
    m_rowCount = m_cells.empty() ? 0 : m_cells.back().row + 1;
    m_columnCount = 0;
    for (const Entry &e : m_cells)
        m_columnCount = std::max(m_columnCount, e.column + 1);
}

XlsxReader::XlsxReader(XlsxReadLimits limits)
    : m_limits(limits)
{
}

XlsxReader::~XlsxReader()
{
    close();
}

void XlsxReader::close()
{
    if (m_zip)
        unzClose(static_cast<unzFile>(m_zip));
    m_zip = nullptr;
    m_sheetNames.clear();
    m_sheetPaths.clear();
    m_shared.clear();
    m_formats.clear();
}

bool XlsxReader::fail(const QString &userText, const QString &detail)
{
    m_error = userText;
    WriteLog(QStringLiteral("XlsxReader : ") + m_path + QStringLiteral(" : ") + detail);
    return false;
}

bool XlsxReader::open(const QString &path)
{
    close();
    m_error.clear();
    m_path = path;
    m_zip = unzOpen64(QFile::encodeName(path).constData());
    if (!m_zip)
        return fail(QStringLiteral("엑셀 파일을 열 수 없습니다: %1").arg(QFileInfo(path).fileName()),
                    QStringLiteral("not a readable zip package"));
    if (!loadWorkbook() || !loadSharedStrings() || !loadStyles()) {
        close();
        return false;
    }
    return true;
}

XlsxReader::Entry XlsxReader::readEntry(const QString &name, QByteArray *out)
{
    out->clear();
    auto *zip = static_cast<unzFile>(m_zip);
    if (!zip || unzLocateFile(zip, name.toUtf8().constData(), 1) != UNZ_OK)
        return Entry::Missing;
    const QString damaged = QStringLiteral("엑셀 파일이 손상되었습니다 (%1).").arg(name);
    const QString tooLarge = QStringLiteral("엑셀 파일이 너무 큽니다 (%1: 최대 %2).").arg(name, sizeText(m_limits.partBytes));
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        fail(damaged, name + QStringLiteral(" has no readable header"));
        return Entry::Failed;
    }
    // The declared size is checked first, and the reading stops at the limit anyway in case
    // the declaration lies.
    if (info.uncompressed_size > quint64(m_limits.partBytes)) {
        fail(tooLarge, name + QStringLiteral(" declares %1 bytes").arg(info.uncompressed_size));
        return Entry::Failed;
    }
    if (unzOpenCurrentFile(zip) != UNZ_OK) {
        fail(damaged, name + QStringLiteral(" cannot be opened"));
        return Entry::Failed;
    }
    out->reserve(qsizetype(info.uncompressed_size));
    char buf[65536];
    int n = 0;
    while ((n = unzReadCurrentFile(zip, buf, sizeof buf)) > 0) {
        if (out->size() + n > m_limits.partBytes) {
            unzCloseCurrentFile(zip);
            out->clear();
            fail(tooLarge, name + QStringLiteral(" holds more than its declared %1 bytes")
                                      .arg(info.uncompressed_size));
            return Entry::Failed;
        }
        out->append(buf, n);
    }
    const int closed = unzCloseCurrentFile(zip);
    if (n != 0 || closed != UNZ_OK) {
        out->clear();
        fail(damaged, name + QStringLiteral(" is damaged (%1, %2)").arg(n).arg(closed));
        return Entry::Failed;
    }
    return Entry::Read;
}

bool XlsxReader::loadWorkbook()
{
    QByteArray rels;
    QHash<QString, QString> targets;
    const Entry relsEntry = readEntry(QStringLiteral("xl/_rels/workbook.xml.rels"), &rels);
    if (relsEntry == Entry::Failed)
        return false;
    if (relsEntry == Entry::Read) {
        QXmlStreamReader x(rels);
        while (!x.atEnd() && targets.size() < kMaxRelationships) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"Relationship")
                targets.insert(x.attributes().value(QLatin1String("Id")).toString(),
                               resolveTarget(x.attributes().value(QLatin1String("Target")).toString()));
        }
    }
    QByteArray book;
    const Entry bookEntry = readEntry(QStringLiteral("xl/workbook.xml"), &book);
    if (bookEntry == Entry::Failed)
        return false;
    if (bookEntry == Entry::Missing)
        return fail(QStringLiteral("엑셀 통합 문서가 아닙니다: %1").arg(QFileInfo(m_path).fileName()),
                    QStringLiteral("no xl/workbook.xml"));
    QXmlStreamReader x(book);
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement() || x.name() != u"sheet")
            continue;
        if (m_sheetNames.size() >= kMaxSheets)
            return fail(QStringLiteral("엑셀 파일의 시트가 너무 많습니다 (최대 %1개).").arg(kMaxSheets),
                        QStringLiteral("more than %1 sheets").arg(kMaxSheets));
        QString id;
        for (const QXmlStreamAttribute &a : x.attributes())
            if (a.name() == u"id") // r:id in whatever prefix the writer chose
                id = a.value().toString();
        m_sheetNames << x.attributes().value(QLatin1String("name")).toString();
        m_sheetPaths << targets.value(id, QStringLiteral("xl/worksheets/sheet%1.xml")
                                              .arg(m_sheetNames.size()));
    }
    if (m_sheetNames.isEmpty())
        return fail(QStringLiteral("엑셀 파일에 시트가 없습니다."), QStringLiteral("the workbook lists no sheet"));
    return true;
}

bool XlsxReader::loadSharedStrings()
{
    QByteArray data;
    const Entry entry = readEntry(QStringLiteral("xl/sharedStrings.xml"), &data);
    if (entry != Entry::Read)
        return entry == Entry::Missing;
    QXmlStreamReader x(data);
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"si") {
            if (m_shared.size() >= m_limits.cells)
                return fail(QStringLiteral("엑셀 파일의 문자열이 너무 많습니다 (최대 %1개).").arg(m_limits.cells),
                            QStringLiteral("more than %1 shared strings").arg(m_limits.cells));
            m_shared << readRichText(x, QStringLiteral("si"));
        }
    }
    return true;
}

bool XlsxReader::loadStyles()
{
    QByteArray data;
    const Entry entry = readEntry(QStringLiteral("xl/styles.xml"), &data);
    if (entry != Entry::Read)
        return entry == Entry::Missing;
    // Formats past the caps are left out: their cells show as "General", which is all a
    // format changes.
    QHash<int, QString> custom;
    QStringList fills;
    QXmlStreamReader x(data);
    QString section;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isEndElement() && (x.name() == u"cellXfs" || x.name() == u"fills"))
            section.clear();
        if (!x.isStartElement())
            continue;
        const auto name = x.name();
        if (name == u"numFmt") {
            if (custom.size() < kMaxStyleEntries)
                custom.insert(x.attributes().value(QLatin1String("numFmtId")).toInt(),
                              x.attributes().value(QLatin1String("formatCode")).toString());
        } else if (name == u"fills" || name == u"cellXfs" || name == u"cellStyleXfs") {
            section = name.toString();
        } else if (section == u"fills" && name == u"fill") {
            if (fills.size() >= kMaxStyleEntries)
                section.clear();
            else
                fills << QString();
        } else if (section == u"fills" && name == u"fgColor" && !fills.isEmpty()) {
            const QString rgb = x.attributes().value(QLatin1String("rgb")).toString();
            fills.last() = rgb.size() == 8 ? rgb.mid(2) : rgb;
        } else if (section == u"cellXfs" && name == u"xf") {
            if (m_formats.size() >= size_t(kMaxStyleEntries))
                break;
            XlsxCellFormat f;
            const int id = x.attributes().value(QLatin1String("numFmtId")).toInt();
            f.numberFormat = custom.contains(id) ? custom.value(id) : builtinFormat(id);
            const int fill = x.attributes().value(QLatin1String("fillId")).toInt();
            if (fill >= 0 && fill < fills.size())
                f.fillRgb = fills.at(fill);
            m_formats.push_back(f);
        } else if (section == u"cellXfs" && name == u"alignment" && !m_formats.empty()) {
            m_formats.back().horizontal = x.attributes().value(QLatin1String("horizontal")).toString();
        }
    }
    return true;
}

XlsxCellFormat XlsxReader::cellFormat(int style) const
{
    if (style >= 0 && style < int(m_formats.size()))
        return m_formats[size_t(style)];
    XlsxCellFormat general;
    general.numberFormat = QStringLiteral("General");
    return general;
}

bool XlsxReader::parseCellRef(QStringView ref, int *row, int *column)
{
    qsizetype i = 0;
    int col = 0;
    while (i < ref.size() && ref[i].unicode() < 128 && ref[i].isLetter()) {
        col = col * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
        if (col > kXlsxMaxColumns) // stop before a long run of letters can overflow
            return false;
        ++i;
    }
    int r = 0;
    if (i == 0 || !parseOrdinal(ref.mid(i), kXlsxMaxRows, &r))
        return false;
    *row = r - 1;
    *column = col - 1;
    return true;
}

bool XlsxReader::readSheet(int index, XlsxSheet *out)
{
    *out = XlsxSheet();
    m_error.clear();
    if (index < 0 || index >= m_sheetPaths.size()) {
        m_error = QStringLiteral("시트 %1이(가) 없습니다.").arg(index + 1);
        return false;
    }
    const QString sheetName = m_sheetNames.at(index);
    QByteArray data;
    const Entry entry = readEntry(m_sheetPaths.at(index), &data);
    if (entry == Entry::Failed)
        return false;
    if (entry == Entry::Missing)
        return fail(QStringLiteral("엑셀 파일에 시트 '%1'의 내용이 없습니다.").arg(sheetName),
                    m_sheetPaths.at(index) + QStringLiteral(" is missing"));
    // A bad position is refused rather than skipped: reading on would hand over a sheet with
    // cells silently left out or moved.
    const auto badPosition = [&](const QString &what, const QString &detail) {
        *out = XlsxSheet();
        return fail(QStringLiteral("시트 '%1'의 %2이(가) 잘못되었습니다.").arg(sheetName, what),
                    m_sheetPaths.at(index) + QStringLiteral(" : ") + detail);
    };
    QXmlStreamReader x(data);
    int rowIndex = -1;
    int colIndex = -1;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        const auto name = x.name();
        const QXmlStreamAttributes a = x.attributes();
        if (name == u"col") {
            // Widths are layout only: a range reaching off the sheet is cut to it.
            XlsxColumnInfo c;
            int first = 0, last = 0;
            if (out->columns.size() >= size_t(kMaxColumnEntries)
                || !parseClamped(a.value(QLatin1String("min")), 1, kXlsxMaxColumns, &first)
                || !parseClamped(a.value(QLatin1String("max")), 1, kXlsxMaxColumns, &last) || first > last)
                continue;
            c.first = first - 1;
            c.last = last - 1;
            const double width = a.value(QLatin1String("width")).toDouble();
            c.width = std::isfinite(width) ? std::clamp(width, 0.0, kWidestColumn) : 0.0;
            c.hidden = a.value(QLatin1String("hidden")) == u"1" || a.value(QLatin1String("hidden")) == u"true";
            out->columns.push_back(c);
        } else if (name == u"row") {
            if (a.hasAttribute(QLatin1String("r"))) {
                int r = 0;
                if (!parseOrdinal(a.value(QLatin1String("r")), kXlsxMaxRows, &r))
                    return badPosition(QStringLiteral("행 번호"),
                                       QStringLiteral("row number \"%1\"").arg(shown(a.value(QLatin1String("r")))));
                rowIndex = r - 1;
            } else if (rowIndex + 1 >= kXlsxMaxRows) {
                return badPosition(QStringLiteral("행 번호"), QStringLiteral("a row past the last row"));
            } else {
                ++rowIndex;
            }
            colIndex = -1;
        } else if (name == u"c") {
            int r = rowIndex, c = colIndex + 1;
            if (a.hasAttribute(QLatin1String("r"))) {
                if (!parseCellRef(a.value(QLatin1String("r")), &r, &c))
                    return badPosition(QStringLiteral("셀 위치"),
                                       QStringLiteral("cell reference \"%1\"").arg(shown(a.value(QLatin1String("r")))));
            } else if (rowIndex < 0) {
                return badPosition(QStringLiteral("셀 위치"), QStringLiteral("a cell without a position before any row"));
            } else if (c >= kXlsxMaxColumns) {
                return badPosition(QStringLiteral("셀 위치"), QStringLiteral("a cell past the last column"));
            }
            if (out->m_cells.size() >= size_t(m_limits.cells)) {
                *out = XlsxSheet();
                return fail(QStringLiteral("시트 '%1'의 셀이 너무 많습니다 (최대 %2개).").arg(sheetName).arg(m_limits.cells),
                            m_sheetPaths.at(index) + QStringLiteral(" : more than %1 cells").arg(m_limits.cells));
            }
            rowIndex = r;
            colIndex = c;
            XlsxCell cell;
            cell.present = true;
            cell.style = a.value(QLatin1String("s")).toInt();
            const QString type = a.value(QLatin1String("t")).toString();
            QString raw;
            while (!x.atEnd()) {
                x.readNext();
                if (x.isStartElement() && x.name() == u"v")
                    raw = x.readElementText();
                else if (x.isStartElement() && x.name() == u"is")
                    raw = readRichText(x, QStringLiteral("is"));
                else if (x.isEndElement() && x.name() == u"c")
                    break;
            }
            if (type == u"s") {
                bool ok = false;
                const int i = raw.trimmed().toInt(&ok);
                if (!ok || i < 0 || i >= m_shared.size())
                    return badPosition(QStringLiteral("문자열 번호"),
                                       QStringLiteral("cell %1 names shared string \"%2\" of %3")
                                           .arg(cellName(r, c), shown(raw))
                                           .arg(m_shared.size()));
                cell.text = m_shared.at(i);
            } else if (type == u"b") {
                cell.text = raw == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
            } else if (type.isEmpty() || type == u"n") {
                bool ok = false;
                const double number = raw.toDouble(&ok);
                // "inf" and "nan" stay text: no caller can take them as an amount.
                cell.isNumber = ok && std::isfinite(number);
                cell.number = cell.isNumber ? number : 0.0;
                cell.text = cell.isNumber ? QString::number(cell.number, 'g', 15) : raw;
            } else {
                cell.text = raw; // inlineStr, str (formula result), e (error text)
            }
            out->addCell(r, c, std::move(cell));
        }
    }
    if (x.hasError()) {
        *out = XlsxSheet();
        return fail(QStringLiteral("시트 '%1'을(를) 읽을 수 없습니다: %2").arg(sheetName, x.errorString()),
                    m_sheetPaths.at(index) + QStringLiteral(" : ") + x.errorString());
    }
    out->name = sheetName;
    out->finish();
    return true;
}
