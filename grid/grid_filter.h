#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <vector>

// Row filtering for the grids: an AND of condition groups, each group joined by OR (or AND).
// An empty group restricts nothing. The filter keeps, per record, which groups it fails, so a
// changed group is re-evaluated alone and a changed record only against the groups it has; no
// pattern is recompiled or re-run per row.

enum class FilterOp
{
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Like,     // SQL-style pattern: '%' any run, '_' one character
    NotLike,
    Contains, // plain substring: user search text without wildcards
    InList,
    NotInList,
};

enum class FilterJoin
{
    Or,
    And,
};

// One condition on one column. The operand decides how a cell compares: a numeric operand
// (int, double, ...) compares the cell as a number, any other operand compares it as text
// (ordinal, case-sensitive unless the group says otherwise). A cell that is not a number never
// satisfies a numeric comparison (only NotEqual / NotInList hold for it).
struct FilterCondition
{
    int column = -1;
    FilterOp op = FilterOp::Equal;
    QVariant value;
    QVariantList values; // InList / NotInList

    static FilterCondition make(int column, FilterOp op, const QVariant &value);
    static FilterCondition inList(int column, const QVariantList &values, bool negate = false);
    bool operator==(const FilterCondition &o) const = default;
};

struct FilterGroup
{
    FilterJoin join = FilterJoin::Or;
    QList<FilterCondition> conditions;
    // Text comparisons and patterns ignore case.
    bool caseInsensitive = false;

    bool isEmpty() const { return conditions.isEmpty(); }
    FilterGroup &add(const FilterCondition &c)
    {
        conditions.append(c);
        return *this;
    }
    bool operator==(const FilterGroup &o) const = default;
};

// A compiled LIKE pattern; matching walks the text once per '%' segment.
class LikePattern
{
public:
    LikePattern() = default;
    explicit LikePattern(const QString &pattern, Qt::CaseSensitivity cs = Qt::CaseSensitive);
    bool matches(QStringView text) const;

private:
    struct Segment
    {
        QString text;
        bool hasAny = false; // holds '_'
    };
    bool segmentAt(const Segment &s, QStringView text, qsizetype pos) const;
    qsizetype findSegment(const Segment &s, QStringView text, qsizetype from) const;

    std::vector<Segment> m_segments;
    bool m_anchoredStart = true;
    bool m_anchoredEnd = true;
    Qt::CaseSensitivity m_cs = Qt::CaseSensitive;
};

// What the filter reads: the records and their cell values.
class FilterRowSource
{
public:
    virtual ~FilterRowSource() = default;
    virtual int filterRecordCount() const = 0;
    virtual QVariant filterValue(int record, int column) const = 0;
    // The cell itself, when the source keeps it as a QVariant (saves a copy per tested cell);
    // nullptr makes the filter ask filterValue().
    virtual const QVariant *filterValueRef(int record, int column) const { return nullptr; }
};

class GridFilter
{
public:
    static constexpr int kMaxGroups = 64;

    explicit GridFilter(const FilterRowSource *source = nullptr);
    ~GridFilter();
    GridFilter(const GridFilter &) = delete;
    GridFilter &operator=(const GridFilter &) = delete;

    void setSource(const FilterRowSource *source);

    // Groups live in numbered slots (0..kMaxGroups-1) that callers keep for a kind of criteria.
    // Setting a group only marks it; apply() evaluates what was marked.
    void setGroup(int slot, const FilterGroup &group);
    void clearGroup(int slot);
    void clearAll();
    FilterGroup group(int slot) const;
    // Slots whose group holds at least one condition.
    int activeGroupCount() const;

    // Evaluates the marked groups over every record. Returns true when any record's acceptance
    // changed.
    bool apply();
    bool hasPendingChanges() const { return m_dirtyGroups != 0 || m_fullPending; }

    // Index upkeep, called by the owner of the records after it changed them.
    void recordsReset();
    void recordsInserted(int first, int count);
    void recordsRemoved(int first, int count);
    // Removes the records whose flag is set (remove.size() == record count before removal).
    void recordsRemoved(const std::vector<char> &remove);
    // Re-evaluates one record against every group; true when its acceptance changed.
    bool recordChanged(int record);

    bool accepts(int record) const;
    int recordCount() const { return int(m_fails.size()); }

private:
    struct Compiled;

    bool evaluate(const Compiled &g, int record) const;
    void evaluateRecord(int record);
    void compile(int slot);

    const FilterRowSource *m_source = nullptr;
    std::vector<Compiled *> m_groups;   // kMaxGroups entries; nullptr when unused
    std::vector<std::uint64_t> m_fails; // per record: bit k set = fails group k
    std::uint64_t m_dirtyGroups = 0;
    bool m_fullPending = false;
};
