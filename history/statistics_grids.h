#pragma once

#include "grid/grid_table_model.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The six result grids of the statistics screen: which reply field each column shows, its bands,
// its footer, and the footer figures the screen computes itself.
namespace Statistics
{
enum class FooterKind
{
    None,
    Sum,
    Count,    // number of shown rows, as "전체: n"
    Average,  // average of the shown rows
    Computed, // a percentage computed from other footers
};

enum class CellFormat
{
    Text,
    Money,    // thousands separators, no decimals
    Percent,  // up to two decimals
    Distance, // km with two decimals and "Km"
};

struct StatColumn
{
    QString name;      // component name ("grdPeriodcol05")
    int field = 0;     // the reply field it shows
    QStringList bands; // top down
    QString caption;
    CellFormat format = CellFormat::Money;
    FooterKind footer = FooterKind::None;
    bool hidden = false;
    bool sortable = false;  // a click on its caption sorts by it (courier and store grids)
    bool separator = false; // opens a band group: drawn with a line on its left
};

struct StatGridLayout
{
    QString viewName;          // "grdPeriodBndBand"
    QList<StatColumn> columns; // in display order
    int sortField = 0;         // initial sort, ascending
    int statusField = -1;      // the result filter's status field (courier and store grids)
    QList<int> nameFields;     // what the re-search text is matched against
    int maxField() const;
    int columnOfField(int field) const; // first column showing it, -1 when none
};

const StatGridLayout &GridLayoutOfTab(int tab);
// Columns for a GridTableModel, in the layout's order.
QList<GridColumn> ModelColumns(const StatGridLayout &layout);

// "45.6%" from a per-mille value; "0.7%" for 7, "100.0%" for 1000.
QString FormatPerMille(qint64 perMille);
// count * 1000 / denominator in whole numbers, truncated toward zero; 0 for a zero denominator.
qint64 PerMille(qint64 count, qint64 denominator);

// Reads reply pages into the model: one record per row of "OUT_ROW1", every column taking its
// field (an empty field reads "0"). A failed page (OUT_CODE not "1") ends the reading with its
// message; a row with too few fields, or a text where a number belongs, ends it with the screen's
// error. Rows read before stay.
struct LoadResult
{
    enum Outcome
    {
        Loaded,
        NoReply,    // no page came back
        ServerFail, // a page with OUT_CODE other than "1"
        BadRow,     // a row the grid cannot take
    };
    Outcome outcome = Loaded;
    QString outCode, outMsg; // ServerFail
    QString error;           // BadRow: what was wrong (for the log)
    int rows = 0;
};
LoadResult LoadStatisticsPages(const StatGridLayout &layout, const QStringList &pages, GridTableModel &model);

// The footer texts by column index of the layout: sums, counts and averages over the rows the
// model shows, then the percentages of the tab. Columns without a footer are absent.
QHash<int, QString> ComputeFooters(int tab, const StatGridLayout &layout, const GridTableModel &model);

// The courier grid's distances: total = Trunc(m) / 1000 and average = Trunc(m / count) / 1000 km;
// both 0 when the count text is "0" or the distance is not above 0.
struct CourierDistance
{
    double totalKm = 0;
    double averageKm = 0;
};
CourierDistance CourierDistanceOf(const QString &countText, double metres);
// Applies CourierDistanceOf to every record of the courier grid.
void ApplyCourierDistances(const StatGridLayout &layout, GridTableModel &model);

// The result filter of the courier and store grids: the status values ticked (none ticked lets all
// through) and the re-search text matched anywhere in the name fields.
void ApplyResultFilter(const StatGridLayout &layout, GridTableModel &model, const QStringList &tickedStatuses,
                       const QString &searchText);

// Band sorting: the same column again turns the direction, another starts ascending.
struct BandSort
{
    int column = -1;
    bool ascending = false;
    void click(int clickedColumn);
};

// How a cell shows its value.
QString FormatCell(CellFormat format, const QVariant &value);
} // namespace Statistics
