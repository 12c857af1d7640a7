#pragma once

#include "grid/xlsx_export.h"

#include <QString>
#include <QStringList>

#include <functional>

class QAbstractItemView;

// A grid view as the spreadsheet export sees it: the rows the view shows, in its order, and its
// columns in display order. Code columns of a GridTableModel give their shown name; a column is
// a text column when the model says so (GridTableModel) or, for other models, unless its first
// filled cell is a number.
class GridViewExportSource : public ExportTableSource
{
public:
    explicit GridViewExportSource(QAbstractItemView *view, bool includeHiddenColumns = true);

    int exportColumnCount() const override;
    QString exportCaption(int column) const override;
    bool exportColumnVisible(int column) const override;
    bool exportColumnIsText(int column) const override;
    bool exportValuesAsText(int column) const override;
    int exportRowCount() const override;
    QVariant exportValue(int row, int column) const override;
    // A view with a BandedHeaderView writes its bands above the captions.
    int exportBandLevels() const override;
    QString exportBandCaption(int level, int column) const override;

private:
    struct Column
    {
        int logical;
        bool visible;
        bool text;
        bool lookup;
    };
    QAbstractItemView *m_view;
    QList<Column> m_columns;
    QList<QStringList> m_bandPaths; // per exported column
    int m_bandLevels = 0;
};

// Exports the grid to fileName, then opens the file for the user. Failures are shown with the
// message box. Without includeHiddenColumns the sheet holds only the columns the view shows.
// True when the file was written.
bool ExportGridToExcel(QAbstractItemView *view, const QString &fileName, bool includeHiddenColumns = true);

// What opens a finished export (the desktop's handler for .xlsx files by default); tests put
// a recorder here. Returns the previous one.
using ExportOpenHandler = std::function<void(const QString &fileName)>;
ExportOpenHandler SetExportOpenHandler(ExportOpenHandler handler);
