#pragma once

#include <QString>
#include <QVariant>

// A grid handed to the user as an .xlsx workbook of one sheet:
// - a banded grid first gets one row per band level: each band's caption once, merged over the
//   neighbouring columns it spans, styled like the captions;
// - row 1 (after the band rows): the caption of every column, centred on a light green
//   background (192, 220, 192);
// - one row per row the grid shows, in its order;
// - a hidden column keeps its caption, gets width 0 (hidden) and no data;
// - text columns are formatted "@" and left-aligned, the others "#,##0" and right-aligned;
// - columns are as wide as their longest text.
// Rows are streamed to the file as they are written, so a large grid does not have to fit in
// memory twice.

// What the export reads; a grid view, a model or a plain list can stand behind it.
class ExportTableSource
{
public:
    virtual ~ExportTableSource() = default;
    virtual int exportColumnCount() const = 0;
    virtual QString exportCaption(int column) const = 0;
    virtual bool exportColumnVisible(int column) const = 0;
    // Text columns keep every value as text (codes with leading zeros, telephone numbers).
    virtual bool exportColumnIsText(int column) const = 0;
    // Values written as text whatever the column's format (the shown names of a code column).
    virtual bool exportValuesAsText(int column) const { return exportColumnIsText(column); }
    virtual int exportRowCount() const = 0;
    // The value to write: the shown name for a code column, else the stored value.
    virtual QVariant exportValue(int row, int column) const = 0;
    // Band rows above the captions (0 for a plain grid) and a column's band caption on a level,
    // "" where the column has no band at that level.
    virtual int exportBandLevels() const { return 0; }
    virtual QString exportBandCaption(int level, int column) const
    {
        Q_UNUSED(level);
        Q_UNUSED(column);
        return {};
    }
};

struct XlsxExportResult
{
    bool ok = false;
    QString error; // for the user, when !ok
    int rowsWritten = 0;
};

// The most data rows one sheet holds (the caption row takes one of the format's rows).
constexpr int kXlsxMaxDataRows = 1048575;

// Writes the workbook to fileName. The file is written beside its target and moved over it only
// when complete, so a failed export leaves an earlier file of that name as it was.
XlsxExportResult ExportTableToXlsx(const ExportTableSource &source, const QString &fileName);

// Column width in the sheet's character units for a text as a spreadsheet shows it: wide
// (Hangul, CJK) characters count twice.
double XlsxTextWidth(const QString &text);
