#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// Reads the cells of .xlsx workbooks (the Office Open XML spreadsheet package): sheet names,
// cell values (shared, inline and formula-result strings, numbers, booleans), each cell's number
// format and horizontal alignment, and the column widths and hidden flags. Formulas are not
// evaluated; the value stored with them is read.
//
// Workbooks come from users (goods lists that store owners upload), so every number in them is
// checked: cell positions must lie on the sheet (1,048,576 rows by 16,384 columns), shared-string
// numbers must name a string, and each part of the package and the number of cells are capped.
// A workbook that breaks a rule is refused with a message for the user (errorString()) and a
// line in the daily log; it never costs more memory than its cells need.

struct XlsxCell
{
    QString text;        // the value as text (numbers in their shortest form)
    bool isNumber = false;
    double number = 0;
    int style = 0;       // index into the workbook's cell formats
    bool present = false;
};

struct XlsxColumnInfo
{
    int first = 0; // 0-based, inclusive
    int last = 0;
    double width = 0;
    bool hidden = false;
};

struct XlsxCellFormat
{
    QString numberFormat; // format code ("General", "@", "#,##0", ...)
    QString horizontal;   // "left", "center", "right", or empty
    QString fillRgb;      // solid fill colour "RRGGBB", or empty
};

// The size of a sheet.
constexpr int kXlsxMaxRows = 1048576;
constexpr int kXlsxMaxColumns = 16384;

struct XlsxReadLimits
{
    qint64 partBytes = 64 * 1024 * 1024; // uncompressed size of one part of the package
    qint64 cells = 4 * 1024 * 1024;      // cells of one sheet, and strings of the shared table
};

class XlsxSheet
{
public:
    QString name;
    std::vector<XlsxColumnInfo> columns; // as listed by the sheet, clamped to the sheet's columns

    // One past the last row (column) that holds a cell; 0 for a sheet without cells.
    int rowCount() const { return m_rowCount; }
    int columnCount() const { return m_columnCount; }
    qsizetype cellCount() const { return qsizetype(m_cells.size()); }
    // An empty cell when (row, column) holds none.
    const XlsxCell &cell(int row, int column) const;
    // Width and hidden flag of a column (0-based); width 0 when the sheet sets none.
    XlsxColumnInfo column(int column) const;

private:
    friend class XlsxReader;
    struct Entry
    {
        int row;
        int column;
        XlsxCell cell;
    };
    // Cells are kept only where the sheet has them, sorted by (row, column) once read.
    void addCell(int row, int column, XlsxCell cell);
    void finish();

    std::vector<Entry> m_cells;
    int m_rowCount = 0;
    int m_columnCount = 0;
};

class XlsxReader
{
public:
    explicit XlsxReader(XlsxReadLimits limits = {});
    ~XlsxReader();
    XlsxReader(const XlsxReader &) = delete;
    XlsxReader &operator=(const XlsxReader &) = delete;

    bool open(const QString &path);
    void close();
    // Why the last open() or readSheet() failed, in words for the user.
    QString errorString() const { return m_error; }

    QStringList sheetNames() const { return m_sheetNames; }
    bool readSheet(int index, XlsxSheet *out);
    XlsxCellFormat cellFormat(int style) const;

    // "B12" -> (11, 1); false for text that is not a cell reference on the sheet.
    static bool parseCellRef(QStringView ref, int *row, int *column);

private:
    enum class Entry { Read, Missing, Failed };
    // Failed (with the error set) when the part is damaged or larger than the limit.
    Entry readEntry(const QString &name, QByteArray *out);
    bool loadWorkbook();
    bool loadSharedStrings();
    bool loadStyles();
    // Sets the message for the user and logs what was wrong; returns false for the caller.
    bool fail(const QString &userText, const QString &detail);

    XlsxReadLimits m_limits;
    void *m_zip = nullptr;
    QString m_path;
    QString m_error;
    QStringList m_sheetNames;
    QStringList m_sheetPaths;
    QStringList m_shared;
    std::vector<XlsxCellFormat> m_formats;
};
