#include "grid/grid_table_model.h"

#include <algorithm>
#include <limits>

namespace
{
// Few removal/insert runs reach the views as row signals; beyond this a single layout change
// is cheaper for them than hundreds of signals.
constexpr size_t kMaxRuns = 32;

// Contiguous runs [first, last] of positions whose flag is set.
std::vector<std::pair<int, int>> runsOf(const std::vector<char> &flags)
{
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < int(flags.size()); ++i) {
        if (!flags[size_t(i)])
            continue;
        if (!runs.empty() && runs.back().second == i - 1)
            runs.back().second = i;
        else
            runs.emplace_back(i, i);
    }
    return runs;
}
} // namespace

GridTableModel::GridTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    m_filter.setSource(this);
}

GridTableModel::~GridTableModel() = default;

void GridTableModel::setColumns(const QList<GridColumn> &columns)
{
    beginResetModel();
    ++m_outsideWrites;
    m_columns = columns;
    m_sortKeysStale = true;
    if (m_sortColumn >= m_columns.size())
        m_sortColumn = -1;
    for (QVariantList &r : m_records)
        while (r.size() < m_columns.size())
            r.append(QVariant());
    endResetModel();
}

void GridTableModel::setColumnLookup(int column, const QHash<QString, QString> &lookup)
{
    if (column < 0 || column >= m_columns.size())
        return;
    m_columns[column].lookup = lookup;
    if (m_sortColumn == column)
        m_sortKeysStale = true;
    if (!m_visible.empty())
        emit dataChanged(index(0, column), index(int(m_visible.size()) - 1, column), {Qt::DisplayRole});
}

int GridTableModel::columnIndex(const QString &name) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns.at(c).name == name)
            return c;
    return -1;
}

QVariant GridTableModel::recordValue(int record, int column) const
{
    if (record < 0 || record >= recordCount() || column < 0 || column >= m_columns.size())
        return {};
    return m_records[size_t(record)].at(column);
}

const QVariant &GridTableModel::recordCell(int record, int column) const
{
    static const QVariant empty;
    if (record < 0 || record >= recordCount() || column < 0 || column >= m_columns.size())
        return empty;
    return m_records[size_t(record)].at(column);
}

QString GridTableModel::displayText(int record, int column) const
{
    const QVariant v = recordValue(record, column);
    if (column >= 0 && column < m_columns.size() && !m_columns.at(column).lookup.isEmpty())
        return m_columns.at(column).lookup.value(v.toString());
    return v.toString();
}

QVariant GridTableModel::filterValue(int record, int column) const
{
    if (column < 0 || column >= m_columns.size())
        return {};
    return m_records[size_t(record)].at(column);
}

const QVariant *GridTableModel::filterValueRef(int record, int column) const
{
    if (column < 0 || column >= m_columns.size())
        return nullptr;
    const QVariantList &values = m_records[size_t(record)];
    return column < values.size() ? &values.at(column) : nullptr;
}

void GridTableModel::setRecordValue(int record, int column, const QVariant &value)
{
    if (record < 0 || record >= recordCount() || column < 0 || column >= m_columns.size())
        return;
    QVariant &cell = m_records[size_t(record)][column];
    if (cell == value && cell.typeId() == value.typeId())
        return;
    if (column == m_keyColumn)
        m_keysValid = false; // rebuilt on the next lookup
    cell = value;
    ++m_outsideWrites;
    beginUpdate();
    if (!m_changed[size_t(record)]) {
        m_changed[size_t(record)] = 1;
        m_changedList.push_back(record);
    }
    m_changedColMin = m_changedColMin < 0 ? column : std::min(m_changedColMin, column);
    m_changedColMax = std::max(m_changedColMax, column);
    endUpdate();
}

QVariantList &GridTableModel::recordCells(int record)
{
    return m_records.at(size_t(record));
}

void GridTableModel::recordCellsChanged(int record, int firstColumn, int lastColumn)
{
    firstColumn = std::max(firstColumn, 0);
    lastColumn = std::min(lastColumn, int(m_columns.size()) - 1);
    if (record < 0 || record >= recordCount() || firstColumn > lastColumn)
        return;
    if (m_keyColumn >= firstColumn && m_keyColumn <= lastColumn)
        m_keysValid = false;
    beginUpdate();
    if (!m_changed[size_t(record)]) {
        m_changed[size_t(record)] = 1;
        m_changedList.push_back(record);
    }
    m_changedColMin = m_changedColMin < 0 ? firstColumn : std::min(m_changedColMin, firstColumn);
    m_changedColMax = std::max(m_changedColMax, lastColumn);
    endUpdate();
}

int GridTableModel::appendRecords(std::vector<QVariantList> records)
{
    const int first = recordCount();
    if (records.empty())
        return first;
    beginUpdate();
    // Room grows geometrically: rows appended one at a time must not move every record each time.
    if (m_records.capacity() < m_records.size() + records.size())
        m_records.reserve(std::max(m_records.size() + records.size(), m_records.capacity() * 2));
    for (QVariantList &r : records) {
        r.resize(m_columns.size());
        m_records.push_back(std::move(r));
    }
    const int count = recordCount() - first;
    m_rowOf.resize(m_records.size(), -1);
    m_changed.resize(m_records.size(), 0);
    m_filter.recordsInserted(first, count);
    if (m_keyColumn >= 0 && m_keysValid)
        for (int r = first; r < recordCount(); ++r)
            addKey(r);
    if (m_appendedFrom < 0)
        m_appendedFrom = first;
    endUpdate();
    return first;
}

int GridTableModel::appendRecord(const QVariantList &values)
{
    std::vector<QVariantList> one;
    one.push_back(values);
    return appendRecords(std::move(one));
}

void GridTableModel::insertRecord(int at, const QVariantList &values)
{
    at = std::clamp(at, 0, recordCount());
    if (at == recordCount()) {
        appendRecord(values);
        return;
    }
    beginUpdate();
    QVariantList r = values;
    r.resize(m_columns.size());
    m_records.insert(m_records.begin() + at, std::move(r));
    for (int &rec : m_visible)
        if (rec >= at)
            ++rec;
    for (int &rec : m_changedList)
        if (rec >= at)
            ++rec;
    if (m_appendedFrom >= at)
        ++m_appendedFrom;
    m_changed.insert(m_changed.begin() + at, 0);
    m_rowOf.insert(m_rowOf.begin() + at, -1);
    m_filter.recordsInserted(at, 1);
    m_keysValid = false;
    m_sortKeysStale = true;
    m_structureChanged = true;
    endUpdate();
}

void GridTableModel::removeRecord(int record)
{
    removeRecords({record});
}

void GridTableModel::removeRecords(std::vector<int> records)
{
    std::vector<char> gone(m_records.size(), 0);
    bool any = false;
    for (int r : records)
        if (r >= 0 && r < recordCount()) {
            gone[size_t(r)] = 1;
            any = true;
        }
    if (!any)
        return;
    // The views let go of the rows first, while the records still exist.
    std::vector<int> kept;
    kept.reserve(m_visible.size());
    for (int rec : m_visible)
        if (!gone[size_t(rec)])
            kept.push_back(rec);
    commitVisible(std::move(kept));

    std::vector<int> remap(m_records.size(), -1);
    int out = 0;
    for (int r = 0; r < recordCount(); ++r) {
        if (gone[size_t(r)])
            continue;
        remap[size_t(r)] = out;
        if (out != r) {
            m_records[size_t(out)] = std::move(m_records[size_t(r)]);
            m_changed[size_t(out)] = m_changed[size_t(r)];
        }
        ++out;
    }
    m_records.resize(size_t(out));
    m_changed.resize(size_t(out));
    m_filter.recordsRemoved(gone);
    m_sortKeysStale = true;
    for (int &rec : m_visible)
        rec = remap[size_t(rec)];
    std::vector<int> changed;
    for (int rec : m_changedList)
        if (remap[size_t(rec)] >= 0)
            changed.push_back(remap[size_t(rec)]);
    m_changedList = std::move(changed);
    if (m_appendedFrom >= 0) {
        int firstAppended = -1;
        for (int r = m_appendedFrom; r < int(remap.size()) && firstAppended < 0; ++r)
            firstAppended = remap[size_t(r)];
        m_appendedFrom = firstAppended;
    }
    m_keysValid = false;
    rebuildRowIndex();
}

void GridTableModel::clearRecords()
{
    beginResetModel();
    ++m_outsideWrites;
    m_records.clear();
    m_visible.clear();
    m_rowOf.clear();
    m_changed.clear();
    m_changedList.clear();
    m_appendedFrom = -1;
    m_keysValid = false;
    m_sortKeysStale = true;
    m_filter.recordsReset();
    endResetModel();
}

void GridTableModel::setKeyColumn(int column)
{
    m_keyColumn = column;
    m_keysValid = false;
}

void GridTableModel::addKey(int record) const
{
    // The first record of a repeated code is the one found. A key column the grid does not have
    // (the columns were changed after it was set) finds nothing rather than reading past a row.
    const QString key = m_records[size_t(record)].value(m_keyColumn).toString();
    if (!m_keys.contains(key))
        m_keys.insert(key, record);
}

void GridTableModel::rebuildKeys() const
{
    m_keys.clear();
    m_keys.reserve(recordCount());
    for (int r = 0; r < recordCount(); ++r)
        addKey(r);
    m_keysValid = true;
}

int GridTableModel::findRecord(const QString &key) const
{
    if (m_keyColumn < 0)
        return -1;
    if (!m_keysValid)
        rebuildKeys();
    return m_keys.value(key, -1);
}

int GridTableModel::recordOfRow(int row) const
{
    return row >= 0 && row < int(m_visible.size()) ? m_visible[size_t(row)] : -1;
}

int GridTableModel::rowOfRecord(int record) const
{
    return record >= 0 && record < int(m_rowOf.size()) ? m_rowOf[size_t(record)] : -1;
}

bool GridTableModel::recordShown(int record) const
{
    return rowOfRecord(record) >= 0;
}

void GridTableModel::beginUpdate()
{
    ++m_updateDepth;
}

void GridTableModel::endUpdate()
{
    if (m_updateDepth <= 0)
        return;
    if (--m_updateDepth == 0)
        flush();
}

void GridTableModel::setFilterGroup(int slot, const FilterGroup &group)
{
    beginUpdate();
    m_filter.setGroup(slot, group);
    endUpdate();
}

void GridTableModel::clearFilterGroup(int slot)
{
    beginUpdate();
    m_filter.clearGroup(slot);
    endUpdate();
}

void GridTableModel::setFilterEnabled(bool on)
{
    if (m_filterOn == on)
        return;
    beginUpdate();
    m_filterOn = on;
    m_structureChanged = true;
    endUpdate();
}

void GridTableModel::sort(int column, Qt::SortOrder order)
{
    if (column >= m_columns.size())
        return;
    beginUpdate();
    m_sortColumn = column;
    m_sortOrder = order;
    m_structureChanged = true;
    endUpdate();
}

void GridTableModel::clearSort()
{
    sort(-1);
}

bool GridTableModel::acceptedNow(int record) const
{
    return !m_filterOn || m_filter.accepts(record);
}

bool GridTableModel::lessRecord(int a, int b) const
{
    int c = 0;
    if (m_sortNumeric) {
        const double x = m_numKeys[size_t(a)], y = m_numKeys[size_t(b)];
        c = x < y ? -1 : (x > y ? 1 : 0);
    } else {
        c = QString::compare(m_textKeys[size_t(a)], m_textKeys[size_t(b)]);
    }
    if (c != 0)
        return m_sortOrder == Qt::AscendingOrder ? c < 0 : c > 0;
    return a < b;
}

void GridTableModel::setSortKey(int record)
{
    const QVariant &v = m_records[size_t(record)].at(m_sortColumn);
    if (m_sortNumeric) {
        // Numbers kept as text (as the server sends them) still sort as numbers; a cell that
        // is not a number sorts before every number.
        bool ok = false;
        const double d = v.toDouble(&ok);
        m_numKeys[size_t(record)] = ok ? d : -std::numeric_limits<double>::infinity();
    } else {
        m_textKeys[size_t(record)] = v.toString();
    }
}

// Sort keys are taken from the cells once, so that a sort or a merge compares plain numbers or
// strings instead of converting variants in every comparison.
void GridTableModel::prepareSortKeys()
{
    if (m_sortColumn < 0) {
        // Changes made while unsorted are not tracked in the keys.
        m_sortKeysStale = true;
        return;
    }
    const size_t n = m_records.size();
    const bool numeric = m_columns.at(m_sortColumn).type != GridValueType::Text;
    if (m_sortKeysColumn != m_sortColumn || m_sortKeysStale || numeric != m_sortNumeric) {
        m_sortKeysColumn = m_sortColumn;
        m_sortNumeric = numeric;
        m_sortKeysStale = false;
        m_numKeys.assign(numeric ? n : 0, 0.0);
        m_textKeys.assign(numeric ? 0 : n, QString());
        for (size_t r = 0; r < n; ++r)
            setSortKey(int(r));
        return;
    }
    const size_t had = numeric ? m_numKeys.size() : m_textKeys.size();
    if (numeric)
        m_numKeys.resize(n);
    else
        m_textKeys.resize(n);
    for (size_t r = had; r < n; ++r)
        setSortKey(int(r));
    for (int rec : m_changedList)
        if (size_t(rec) < had)
            setSortKey(rec);
}

std::vector<int> GridTableModel::buildVisible() const
{
    std::vector<int> rows;
    rows.reserve(m_records.size());
    for (int r = 0; r < recordCount(); ++r)
        if (acceptedNow(r))
            rows.push_back(r);
    if (m_sortColumn >= 0)
        std::sort(rows.begin(), rows.end(), [this](int a, int b) { return lessRecord(a, b); });
    return rows;
}

void GridTableModel::flush()
{
    const bool filterMoved = m_filter.hasPendingChanges() && m_filter.apply();
    bool flipped = false;
    for (int rec : m_changedList)
        flipped |= m_filter.recordChanged(rec);
    prepareSortKeys();
    const bool sortTouched = m_sortColumn >= 0 && m_changedColMin >= 0
                             && m_sortColumn >= m_changedColMin
                             && m_sortColumn <= m_changedColMax;

    const bool full = m_structureChanged || (filterMoved && m_filterOn)
                      || (m_sortColumn < 0 && flipped && m_filterOn);
    const bool resort = m_sortColumn >= 0 && !m_changedList.empty()
                        && ((flipped && m_filterOn) || sortTouched);
    std::vector<int> next;
    bool haveNext = true;
    if (full) {
        next = buildVisible();
    } else if (resort || m_appendedFrom >= 0) {
        // Changed records leave their rows and come back, with the appended ones, at their
        // sorted places; the unchanged rows keep their order.
        std::vector<int> added;
        if (resort) {
            next.reserve(m_visible.size() + m_changedList.size());
            for (int rec : m_visible)
                if (!m_changed[size_t(rec)])
                    next.push_back(rec);
            for (int rec : m_changedList)
                if (acceptedNow(rec) && (m_appendedFrom < 0 || rec < m_appendedFrom))
                    added.push_back(rec);
        } else {
            next = m_visible;
        }
        if (m_appendedFrom >= 0)
            for (int r = m_appendedFrom; r < recordCount(); ++r)
                if (acceptedNow(r))
                    added.push_back(r);
        if (m_sortColumn >= 0) {
            const auto less = [this](int a, int b) { return lessRecord(a, b); };
            std::sort(added.begin(), added.end(), less);
            std::vector<int> merged(next.size() + added.size());
            std::merge(next.begin(), next.end(), added.begin(), added.end(), merged.begin(), less);
            next = std::move(merged);
        } else {
            next.insert(next.end(), added.begin(), added.end());
        }
    } else {
        haveNext = false;
    }
    if (haveNext)
        commitVisible(std::move(next));

    // One range signal covers the changed rows that stay shown.
    int lo = -1, hi = -1;
    for (int rec : m_changedList) {
        const int row = rowOfRecord(rec);
        if (row < 0)
            continue;
        lo = lo < 0 ? row : std::min(lo, row);
        hi = std::max(hi, row);
    }
    const int colMin = m_changedColMin, colMax = m_changedColMax;
    for (int rec : m_changedList)
        m_changed[size_t(rec)] = 0;
    m_changedList.clear();
    m_changedColMin = m_changedColMax = -1;
    m_appendedFrom = -1;
    m_structureChanged = false;
    if (lo >= 0)
        emit dataChanged(index(lo, colMin), index(hi, colMax));
}

void GridTableModel::rebuildRowIndex()
{
    m_rowOf.assign(m_records.size(), -1);
    for (int row = 0; row < int(m_visible.size()); ++row)
        m_rowOf[size_t(m_visible[size_t(row)])] = row;
}

void GridTableModel::commitVisible(std::vector<int> next)
{
    if (next == m_visible)
        return;
    if (m_visible.empty()) {
        beginInsertRows({}, 0, int(next.size()) - 1);
        m_visible = std::move(next);
        rebuildRowIndex();
        endInsertRows();
        return;
    }
    if (next.empty()) {
        beginRemoveRows({}, 0, int(m_visible.size()) - 1);
        m_visible.clear();
        rebuildRowIndex();
        endRemoveRows();
        return;
    }
    std::vector<int> newRow(m_records.size(), -1);
    for (int q = 0; q < int(next.size()); ++q)
        newRow[size_t(next[size_t(q)])] = q;
    // m_rowOf still describes the rows the views know.
    std::vector<char> removed(m_visible.size(), 0), inserted(next.size(), 0);
    for (size_t p = 0; p < m_visible.size(); ++p)
        removed[p] = newRow[size_t(m_visible[p])] < 0;
    for (size_t q = 0; q < next.size(); ++q)
        inserted[q] = m_rowOf[size_t(next[q])] < 0;
    bool sameOrder = true;
    for (size_t p = 0, q = 0; sameOrder;) {
        while (p < m_visible.size() && removed[p])
            ++p;
        while (q < next.size() && inserted[q])
            ++q;
        if (p == m_visible.size() || q == next.size()) {
            sameOrder = p == m_visible.size() && q == next.size();
            break;
        }
        sameOrder = m_visible[p++] == next[q++];
    }
    const auto removedRuns = runsOf(removed);
    const auto insertedRuns = runsOf(inserted);
    if (sameOrder && removedRuns.size() + insertedRuns.size() <= kMaxRuns) {
        for (auto it = removedRuns.rbegin(); it != removedRuns.rend(); ++it) {
            beginRemoveRows({}, it->first, it->second);
            m_visible.erase(m_visible.begin() + it->first, m_visible.begin() + it->second + 1);
            endRemoveRows();
        }
        for (const auto &[a, b] : insertedRuns) {
            beginInsertRows({}, a, b);
            m_visible.insert(m_visible.begin() + a, next.begin() + a, next.begin() + b + 1);
            endInsertRows();
        }
        rebuildRowIndex();
        return;
    }
    const bool sameCount = m_visible.size() == next.size();
    const auto hint = sameCount ? QAbstractItemModel::VerticalSortHint
                                : QAbstractItemModel::NoLayoutChangeHint;
    emit layoutAboutToBeChanged({}, hint);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &idx : from) {
        const int rec = recordOfRow(idx.row());
        const int row = rec >= 0 ? newRow[size_t(rec)] : -1;
        to.append(row >= 0 ? createIndex(row, idx.column()) : QModelIndex());
    }
    changePersistentIndexList(from, to);
    m_visible = std::move(next);
    rebuildRowIndex();
    emit layoutChanged({}, hint);
}

int GridTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_visible.size());
}

int GridTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridTableModel::data(const QModelIndex &index, int role) const
{
    const int rec = recordOfRow(index.row());
    if (rec < 0 || index.column() < 0 || index.column() >= m_columns.size())
        return {};
    const GridColumn &col = m_columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (!col.lookup.isEmpty())
            return col.lookup.value(m_records[size_t(rec)].at(index.column()).toString());
        return m_records[size_t(rec)].at(index.column());
    case Qt::EditRole:
    case kRawValueRole:
        return m_records[size_t(rec)].at(index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (col.type == GridValueType::Text || !col.lookup.isEmpty()
                                          ? Qt::AlignLeft
                                          : Qt::AlignRight));
    case kRecordRole:
        return rec;
    default:
        return {};
    }
}

bool GridTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole && role != kRawValueRole)
        return false;
    const int rec = recordOfRow(index.row());
    if (rec < 0 || index.column() < 0 || index.column() >= m_columns.size())
        return false;
    setRecordValue(rec, index.column(), value);
    return true;
}

QVariant GridTableModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns.at(section).caption;
    if (role == kColumnNameRole)
        return m_columns.at(section).name;
    return {};
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
