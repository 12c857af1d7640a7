#include "grid/xlsx_reader.h"

#include <QFile>
#include <QXmlStreamReader>

#include <unzip.h>

namespace
{
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
} // namespace

const XlsxCell &XlsxSheet::cell(int row, int column) const
{
    static const XlsxCell kEmpty;
    if (row < 0 || row >= int(rows.size()) || column < 0)
        return kEmpty;
    const auto &r = rows[size_t(row)];
    return column < int(r.size()) ? r[size_t(column)] : kEmpty;
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

bool XlsxReader::open(const QString &path)
{
    close();
    m_error.clear();
    m_zip = unzOpen64(QFile::encodeName(path).constData());
    if (!m_zip) {
        m_error = QStringLiteral("not a readable .xlsx file: %1").arg(path);
        return false;
    }
    if (!loadWorkbook()) {
        close();
        return false;
    }
    loadSharedStrings();
    loadStyles();
    return true;
}

bool XlsxReader::readEntry(const QString &name, QByteArray *out)
{
    out->clear();
    auto *zip = static_cast<unzFile>(m_zip);
    if (!zip || unzLocateFile(zip, name.toUtf8().constData(), 1) != UNZ_OK)
        return false;
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return false;
    out->reserve(qsizetype(info.uncompressed_size));
    char buf[65536];
    int n = 0;
    while ((n = unzReadCurrentFile(zip, buf, sizeof buf)) > 0)
        out->append(buf, n);
    const bool ok = n == 0 && unzCloseCurrentFile(zip) == UNZ_OK;
    if (!ok)
        m_error = QStringLiteral("damaged entry %1").arg(name);
    return ok;
}

bool XlsxReader::loadWorkbook()
{
    QByteArray rels;
    QHash<QString, QString> targets;
    if (readEntry(QStringLiteral("xl/_rels/workbook.xml.rels"), &rels)) {
        QXmlStreamReader x(rels);
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"Relationship")
                targets.insert(x.attributes().value(QLatin1String("Id")).toString(),
                               resolveTarget(x.attributes().value(QLatin1String("Target")).toString()));
        }
    }
    QByteArray book;
    if (!readEntry(QStringLiteral("xl/workbook.xml"), &book)) {
        m_error = QStringLiteral("no workbook in the file");
        return false;
    }
    QXmlStreamReader x(book);
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement() || x.name() != u"sheet")
            continue;
        QString id;
        for (const QXmlStreamAttribute &a : x.attributes())
            if (a.name() == u"id") // r:id in whatever prefix the writer chose
                id = a.value().toString();
        m_sheetNames << x.attributes().value(QLatin1String("name")).toString();
        m_sheetPaths << targets.value(id, QStringLiteral("xl/worksheets/sheet%1.xml")
                                              .arg(m_sheetNames.size()));
    }
    if (m_sheetNames.isEmpty()) {
        m_error = QStringLiteral("the workbook lists no sheet");
        return false;
    }
    return true;
}

void XlsxReader::loadSharedStrings()
{
    QByteArray data;
    if (!readEntry(QStringLiteral("xl/sharedStrings.xml"), &data))
        return;
    QXmlStreamReader x(data);
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"si")
            m_shared << readRichText(x, QStringLiteral("si"));
    }
}

void XlsxReader::loadStyles()
{
    QByteArray data;
    if (!readEntry(QStringLiteral("xl/styles.xml"), &data))
        return;
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
            custom.insert(x.attributes().value(QLatin1String("numFmtId")).toInt(),
                          x.attributes().value(QLatin1String("formatCode")).toString());
        } else if (name == u"fills" || name == u"cellXfs" || name == u"cellStyleXfs") {
            section = name.toString();
        } else if (section == u"fills" && name == u"fill") {
            fills << QString();
        } else if (section == u"fills" && name == u"fgColor" && !fills.isEmpty()) {
            const QString rgb = x.attributes().value(QLatin1String("rgb")).toString();
            fills.last() = rgb.size() == 8 ? rgb.mid(2) : rgb;
        } else if (section == u"cellXfs" && name == u"xf") {
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
    while (i < ref.size() && ref[i].isLetter() && ref[i].unicode() < 128) {
        col = col * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
        ++i;
    }
    if (i == 0 || i == ref.size() || col > 16384)
        return false;
    bool ok = false;
    const int r = ref.mid(i).toInt(&ok);
    if (!ok || r < 1)
        return false;
    *row = r - 1;
    *column = col - 1;
    return true;
}

bool XlsxReader::readSheet(int index, XlsxSheet *out)
{
    *out = XlsxSheet();
    if (index < 0 || index >= m_sheetPaths.size()) {
        m_error = QStringLiteral("no sheet %1").arg(index);
        return false;
    }
    QByteArray data;
    if (!readEntry(m_sheetPaths.at(index), &data)) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("sheet %1 is missing").arg(m_sheetPaths.at(index));
        return false;
    }
    out->name = m_sheetNames.at(index);
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
            XlsxColumnInfo c;
            c.first = a.value(QLatin1String("min")).toInt() - 1;
            c.last = a.value(QLatin1String("max")).toInt() - 1;
            c.width = a.value(QLatin1String("width")).toDouble();
            c.hidden = a.value(QLatin1String("hidden")) == u"1" || a.value(QLatin1String("hidden")) == u"true";
            out->columns.push_back(c);
        } else if (name == u"row") {
            const int r = a.value(QLatin1String("r")).toInt();
            rowIndex = r > 0 ? r - 1 : rowIndex + 1;
            colIndex = -1;
        } else if (name == u"c") {
            int r = rowIndex, c = colIndex + 1;
            if (a.hasAttribute(QLatin1String("r")) && !parseCellRef(a.value(QLatin1String("r")), &r, &c))
                continue;
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
                const int i = raw.toInt();
                cell.text = i >= 0 && i < m_shared.size() ? m_shared.at(i) : QString();
            } else if (type == u"b") {
                cell.text = raw == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
            } else if (type.isEmpty() || type == u"n") {
                bool ok = false;
                cell.number = raw.toDouble(&ok);
                cell.isNumber = ok;
                cell.text = ok ? QString::number(cell.number, 'g', 15) : raw;
            } else {
                cell.text = raw; // inlineStr, str (formula result), e (error text)
            }
            if (size_t(r) >= out->rows.size())
                out->rows.resize(size_t(r) + 1);
            auto &cells = out->rows[size_t(r)];
            if (size_t(c) >= cells.size())
                cells.resize(size_t(c) + 1);
            cells[size_t(c)] = std::move(cell);
        }
    }
    if (x.hasError()) {
        m_error = QStringLiteral("sheet %1: %2").arg(out->name, x.errorString());
        return false;
    }
    return true;
}
