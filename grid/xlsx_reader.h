#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// Reads the cells of .xlsx workbooks (the Office Open XML spreadsheet package): sheet names,
// cell values (shared, inline and formula-result strings, numbers, booleans), each cell's number
// format and horizontal alignment, and the column widths and hidden flags. Formulas are not
// evaluated; the value stored with them is read.

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

struct XlsxSheet
{
    QString name;
    std::vector<std::vector<XlsxCell>> rows; // row index -> cells by column index
    std::vector<XlsxColumnInfo> columns;

    int rowCount() const { return int(rows.size()); }
    // An empty cell when (row, column) holds none.
    const XlsxCell &cell(int row, int column) const;
    // Width and hidden flag of a column (0-based); width 0 when the sheet sets none.
    XlsxColumnInfo column(int column) const;
};

class XlsxReader
{
public:
    XlsxReader() = default;
    ~XlsxReader();
    XlsxReader(const XlsxReader &) = delete;
    XlsxReader &operator=(const XlsxReader &) = delete;

    bool open(const QString &path);
    void close();
    QString errorString() const { return m_error; }

    QStringList sheetNames() const { return m_sheetNames; }
    bool readSheet(int index, XlsxSheet *out);
    XlsxCellFormat cellFormat(int style) const;

    // "B12" -> (11, 1); false for text that is not a cell reference.
    static bool parseCellRef(QStringView ref, int *row, int *column);

private:
    bool readEntry(const QString &name, QByteArray *out);
    bool loadWorkbook();
    void loadSharedStrings();
    void loadStyles();

    void *m_zip = nullptr;
    QString m_error;
    QStringList m_sheetNames;
    QStringList m_sheetPaths;
    QStringList m_shared;
    std::vector<XlsxCellFormat> m_formats;
};
