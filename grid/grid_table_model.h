#pragma once

#include "grid/grid_filter.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <vector>

// Value type of a grid column: decides alignment, sorting and the spreadsheet format.
enum class GridValueType
{
    Text,
    Integer,
    Float,
};

struct GridColumn
{
    QString name;    // component name, stable across releases (saved layouts refer to it)
    QString caption; // header text
    GridValueType type = GridValueType::Text;
    // Code-to-name pick list: the cell keeps the code, the grid shows the name.
    QHash<QString, QString> lookup;
};

// A grid's records and the rows it shows. Records are every row the screen holds, in the order
// it added them; rows are the records that pass the filter, in sort order. Changes are gathered
// between beginUpdate() and endUpdate() and reach the views as few signals: one insert per
// appended batch, one range dataChanged for changed rows, one layout change when the order or
// the row set changed much.
class GridTableModel : public QAbstractTableModel, public FilterRowSource
{
    Q_OBJECT
public:
    static constexpr int kRawValueRole = Qt::UserRole + 1;   // the cell's stored value
    static constexpr int kColumnNameRole = Qt::UserRole + 2; // header: GridColumn::name
    static constexpr int kRecordRole = Qt::UserRole + 3;     // record index of a row

    explicit GridTableModel(QObject *parent = nullptr);
    ~GridTableModel() override;

    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const { return m_columns; }
    const GridColumn &column(int c) const { return m_columns.at(c); }
    int columnIndex(const QString &name) const;
    // Replaces the code-to-name pick list of one column; the records and the views' layout stay.
    void setColumnLookup(int column, const QHash<QString, QString> &lookup);

    // Records -----------------------------------------------------------------------------
    int recordCount() const { return int(m_records.size()); }
    QVariant recordValue(int record, int column) const;
    // The stored cell itself (an empty value outside the records), for readers that look at many
    // cells a row and need no copy of each.
    const QVariant &recordCell(int record, int column) const;
    // The cell as the grid shows it (the lookup name for a pick-list column).
    QString displayText(int record, int column) const;
    void setRecordValue(int record, int column, const QVariant &value);
    // A whole record rewritten in place (row fillers that write every cell): the cells to write
    // into, then recordCellsChanged() for the columns written, which tells the filter, the sort
    // and the views as setRecordValue() would. An index outside the records throws.
    QVariantList &recordCells(int record);
    void recordCellsChanged(int record, int firstColumn, int lastColumn);
    // Counts the writes that did not go through recordCells(): setRecordValue(), setData(), new
    // columns, cleared records. A row filler that skips cells it wrote before and whose inputs
    // did not change checks this first: any other write since then may have changed those cells.
    quint64 outsideWrites() const { return m_outsideWrites; }
    // Appends records (each a list of column values; short lists are padded). Returns the
    // index of the first one.
    int appendRecords(std::vector<QVariantList> records);
    int appendRecord(const QVariantList &values);
    void insertRecord(int at, const QVariantList &values);
    void removeRecord(int record);
    void removeRecords(std::vector<int> records);
    void clearRecords();

    // Key column: records can be found by its text (an order number, a courier code).
    void setKeyColumn(int column);
    int findRecord(const QString &key) const;

    // Rows --------------------------------------------------------------------------------
    int recordOfRow(int row) const;
    // -1 when the record is filtered out.
    int rowOfRecord(int record) const;
    bool recordShown(int record) const;

    // Batching: nested brackets; the outermost endUpdate() evaluates and signals once.
    void beginUpdate();
    void endUpdate();

    // Filter --------------------------------------------------------------------------------
    void setFilterGroup(int slot, const FilterGroup &group);
    void clearFilterGroup(int slot);
    FilterGroup filterGroup(int slot) const { return m_filter.group(slot); }
    // Off: every record is shown (the criteria are kept).
    void setFilterEnabled(bool on);
    bool filterEnabled() const { return m_filterOn; }

    // Sort ----------------------------------------------------------------------------------
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    void clearSort();

    // QAbstractTableModel ---------------------------------------------------------------------
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // FilterRowSource
    int filterRecordCount() const override { return recordCount(); }
    QVariant filterValue(int record, int column) const override;
    const QVariant *filterValueRef(int record, int column) const override;

private:
    bool lessRecord(int a, int b) const;
    void prepareSortKeys();
    void setSortKey(int record);
    std::vector<int> buildVisible() const;
    void commitVisible(std::vector<int> next);
    void flush();
    void rebuildKeys() const;
    void addKey(int record) const;
    void rebuildRowIndex();
    bool acceptedNow(int record) const;

    QList<GridColumn> m_columns;
    std::vector<QVariantList> m_records;
    std::vector<int> m_visible;  // row -> record
    std::vector<int> m_rowOf;    // record -> row or -1
    GridFilter m_filter;
    bool m_filterOn = true;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_sortKeysColumn = -1;
    bool m_sortKeysStale = true;
    bool m_sortNumeric = false;
    std::vector<double> m_numKeys;   // per record, numeric sort column
    std::vector<QString> m_textKeys; // per record, text sort column
    quint64 m_outsideWrites = 0;
    int m_keyColumn = -1;
    mutable QHash<QString, int> m_keys;
    mutable bool m_keysValid = false;

    int m_updateDepth = 0;
    bool m_structureChanged = false; // records added or removed while batching
    int m_appendedFrom = -1;         // first record appended in this batch
    std::vector<char> m_changed;     // per record: changed in this batch
    std::vector<int> m_changedList;
    int m_changedColMin = -1;
    int m_changedColMax = -1;
};
