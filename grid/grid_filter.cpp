#include "grid/grid_filter.h"
#include "grid/variant_number.h"

#include <QSet>

#include <algorithm>
#include <bit>

namespace
{

bool cellNumber(const QVariant &v, double *out)
{
    if (IsNumericVariant(v)) {
        *out = v.toDouble();
        return true;
    }
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        *out = static_cast<const QString *>(v.constData())->toDouble(&ok);
        return ok;
    }
    return false;
}

// The cell as text without copying when it already is text.
struct CellText
{
    explicit CellText(const QVariant &v)
    {
        if (v.typeId() == QMetaType::QString)
            ref = static_cast<const QString *>(v.constData());
        else {
            own = v.toString();
            ref = &own;
        }
    }
    const QString *ref;
    QString own;
};
} // namespace

FilterCondition FilterCondition::make(int column, FilterOp op, const QVariant &value)
{
    FilterCondition c;
    c.column = column;
    c.op = op;
    c.value = value;
    return c;
}

FilterCondition FilterCondition::inList(int column, const QVariantList &values, bool negate)
{
    FilterCondition c;
    c.column = column;
    c.op = negate ? FilterOp::NotInList : FilterOp::InList;
    c.values = values;
    return c;
}

// ---------------------------------------------------------------------------------------------

LikePattern::LikePattern(const QString &pattern, Qt::CaseSensitivity cs)
    : m_cs(cs)
{
    const QStringList parts = pattern.split(QLatin1Char('%'));
    m_anchoredStart = !pattern.startsWith(QLatin1Char('%'));
    m_anchoredEnd = !pattern.endsWith(QLatin1Char('%'));
    for (const QString &p : parts) {
        if (p.isEmpty())
            continue;
        Segment s;
        s.text = cs == Qt::CaseInsensitive ? p.toCaseFolded() : p;
        s.hasAny = p.contains(QLatin1Char('_'));
        m_segments.push_back(std::move(s));
    }
    // A pattern of '%' only (or empty with '%') matches everything; an empty pattern matches
    // only the empty text, which the anchors below express.
}

bool LikePattern::segmentAt(const Segment &s, QStringView text, qsizetype pos) const
{
    if (pos < 0 || pos + s.text.size() > text.size())
        return false;
    for (qsizetype i = 0; i < s.text.size(); ++i) {
        const QChar p = s.text.at(i);
        if (p == QLatin1Char('_'))
            continue;
        QChar c = text.at(pos + i);
        if (m_cs == Qt::CaseInsensitive)
            c = c.toCaseFolded();
        if (c != p)
            return false;
    }
    return true;
}

qsizetype LikePattern::findSegment(const Segment &s, QStringView text, qsizetype from) const
{
    if (!s.hasAny)
        return text.indexOf(s.text, from, m_cs);
    for (qsizetype pos = from; pos + s.text.size() <= text.size(); ++pos)
        if (segmentAt(s, text, pos))
            return pos;
    return -1;
}

bool LikePattern::matches(QStringView text) const
{
    if (m_segments.empty())
        return !(m_anchoredStart && m_anchoredEnd) || text.isEmpty();
    qsizetype pos = 0;
    size_t first = 0;
    size_t last = m_segments.size();
    if (m_anchoredStart) {
        if (!segmentAt(m_segments[0], text, 0))
            return false;
        pos = m_segments[0].text.size();
        first = 1;
        if (m_segments.size() == 1 && m_anchoredEnd)
            return pos == text.size();
    }
    qsizetype endLimit = text.size();
    if (m_anchoredEnd && last > first) {
        const Segment &tail = m_segments[last - 1];
        const qsizetype at = text.size() - tail.text.size();
        if (at < pos || !segmentAt(tail, text, at))
            return false;
        endLimit = at;
        --last;
    }
    // Leftmost placement of each middle segment is always the best choice between two '%'.
    const QStringView window = text.left(endLimit);
    for (size_t i = first; i < last; ++i) {
        const qsizetype at = findSegment(m_segments[i], window, pos);
        if (at < 0)
            return false;
        pos = at + m_segments[i].text.size();
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

struct GridFilter::Compiled
{
    struct Cond
    {
        int column = -1;
        FilterOp op = FilterOp::Equal;
        bool numeric = false;
        double number = 0;
        QString text;
        LikePattern like;
        std::vector<double> numbers;
        QSet<QString> texts;
    };
    FilterGroup source;
    FilterJoin join = FilterJoin::Or;
    Qt::CaseSensitivity cs = Qt::CaseSensitive;
    std::vector<Cond> conds;

    bool test(const Cond &c, const QVariant &cell) const
    {
        switch (c.op) {
        case FilterOp::InList:
        case FilterOp::NotInList: {
            bool hit = false;
            if (c.numeric) {
                double n = 0;
                hit = cellNumber(cell, &n)
                      && std::find(c.numbers.begin(), c.numbers.end(), n) != c.numbers.end();
            } else {
                const CellText t(cell);
                hit = c.texts.contains(cs == Qt::CaseInsensitive ? t.ref->toCaseFolded() : *t.ref);
            }
            return c.op == FilterOp::InList ? hit : !hit;
        }
        case FilterOp::Like:
        case FilterOp::NotLike: {
            const CellText t(cell);
            const bool hit = c.like.matches(*t.ref);
            return c.op == FilterOp::Like ? hit : !hit;
        }
        case FilterOp::Contains: {
            const CellText t(cell);
            return t.ref->contains(c.text, cs);
        }
        default:
            break;
        }
        int cmp = 0;
        if (c.numeric) {
            double n = 0;
            if (!cellNumber(cell, &n))
                return c.op == FilterOp::NotEqual;
            cmp = n < c.number ? -1 : (n > c.number ? 1 : 0);
        } else {
            const CellText t(cell);
            cmp = QString::compare(*t.ref, c.text, cs);
        }
        switch (c.op) {
        case FilterOp::Equal: return cmp == 0;
        case FilterOp::NotEqual: return cmp != 0;
        case FilterOp::Less: return cmp < 0;
        case FilterOp::LessEqual: return cmp <= 0;
        case FilterOp::Greater: return cmp > 0;
        case FilterOp::GreaterEqual: return cmp >= 0;
        default: return false;
        }
    }
};

GridFilter::GridFilter(const FilterRowSource *source)
    : m_source(source)
    , m_groups(kMaxGroups, nullptr)
{
    recordsReset();
}

GridFilter::~GridFilter()
{
    for (Compiled *g : m_groups)
        delete g;
}

void GridFilter::setSource(const FilterRowSource *source)
{
    m_source = source;
    recordsReset();
}

void GridFilter::setGroup(int slot, const FilterGroup &group)
{
    if (slot < 0 || slot >= kMaxGroups)
        return;
    if (group.isEmpty()) {
        clearGroup(slot);
        return;
    }
    if (m_groups[size_t(slot)] && m_groups[size_t(slot)]->source == group)
        return;
    delete m_groups[size_t(slot)];
    m_groups[size_t(slot)] = new Compiled;
    m_groups[size_t(slot)]->source = group;
    compile(slot);
    m_dirtyGroups |= std::uint64_t(1) << slot;
}

void GridFilter::clearGroup(int slot)
{
    if (slot < 0 || slot >= kMaxGroups || !m_groups[size_t(slot)])
        return;
    delete m_groups[size_t(slot)];
    m_groups[size_t(slot)] = nullptr;
    m_dirtyGroups |= std::uint64_t(1) << slot;
}

void GridFilter::clearAll()
{
    for (int k = 0; k < kMaxGroups; ++k)
        clearGroup(k);
}

FilterGroup GridFilter::group(int slot) const
{
    if (slot < 0 || slot >= kMaxGroups || !m_groups[size_t(slot)])
        return {};
    return m_groups[size_t(slot)]->source;
}

int GridFilter::activeGroupCount() const
{
    return int(std::count_if(m_groups.begin(), m_groups.end(), [](Compiled *g) { return g; }));
}

void GridFilter::compile(int slot)
{
    Compiled &g = *m_groups[size_t(slot)];
    g.join = g.source.join;
    g.cs = g.source.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (const FilterCondition &fc : g.source.conditions) {
        Compiled::Cond c;
        c.column = fc.column;
        c.op = fc.op;
        if (fc.op == FilterOp::InList || fc.op == FilterOp::NotInList) {
            c.numeric = !fc.values.isEmpty() && IsNumericVariant(fc.values.first());
            for (const QVariant &v : fc.values) {
                if (c.numeric)
                    c.numbers.push_back(v.toDouble());
                else
                    c.texts.insert(g.cs == Qt::CaseInsensitive ? v.toString().toCaseFolded()
                                                               : v.toString());
            }
        } else if (fc.op == FilterOp::Like || fc.op == FilterOp::NotLike) {
            c.like = LikePattern(fc.value.toString(), g.cs);
        } else if (fc.op == FilterOp::Contains) {
            c.text = fc.value.toString();
        } else {
            c.numeric = IsNumericVariant(fc.value);
            c.number = fc.value.toDouble();
            c.text = fc.value.toString();
        }
        g.conds.push_back(std::move(c));
    }
}

bool GridFilter::evaluate(const Compiled &g, int record) const
{
    if (g.conds.empty())
        return true;
    const bool wantAll = g.join == FilterJoin::And;
    for (const Compiled::Cond &c : g.conds) {
        const QVariant *cell = m_source->filterValueRef(record, c.column);
        const bool hit = cell ? g.test(c, *cell) : g.test(c, m_source->filterValue(record, c.column));
        if (hit != wantAll)
            return hit; // OR: first hit decides; AND: first miss decides
    }
    return wantAll;
}

void GridFilter::evaluateRecord(int record)
{
    std::uint64_t fails = 0;
    for (int k = 0; k < kMaxGroups; ++k) {
        const Compiled *g = m_groups[size_t(k)];
        if (g && !evaluate(*g, record))
            fails |= std::uint64_t(1) << k;
    }
    m_fails[size_t(record)] = fails;
}

bool GridFilter::apply()
{
    if (!m_source) {
        m_dirtyGroups = 0;
        m_fullPending = false;
        return false;
    }
    bool changed = false;
    const int n = int(m_fails.size());
    if (m_fullPending) {
        for (int r = 0; r < n; ++r) {
            const bool before = m_fails[size_t(r)] == 0;
            evaluateRecord(r);
            changed |= before != (m_fails[size_t(r)] == 0);
        }
    } else {
        // Record by record, so each record's cells are fetched from memory once for all the
        // changed groups.
        for (int r = 0; r < n; ++r) {
            std::uint64_t &f = m_fails[size_t(r)];
            const bool before = f == 0;
            for (std::uint64_t dirty = m_dirtyGroups; dirty; dirty &= dirty - 1) {
                const int k = std::countr_zero(dirty);
                const std::uint64_t bit = std::uint64_t(1) << k;
                const Compiled *g = m_groups[size_t(k)];
                if (!g || evaluate(*g, r))
                    f &= ~bit;
                else
                    f |= bit;
            }
            changed |= before != (f == 0);
        }
    }
    m_dirtyGroups = 0;
    m_fullPending = false;
    return changed;
}

void GridFilter::recordsReset()
{
    m_fails.assign(m_source ? size_t(std::max(0, m_source->filterRecordCount())) : 0, 0);
    m_fullPending = true;
    apply();
}

void GridFilter::recordsInserted(int first, int count)
{
    if (count <= 0)
        return;
    first = std::clamp(first, 0, int(m_fails.size()));
    m_fails.insert(m_fails.begin() + first, size_t(count), 0);
    if (m_source)
        for (int r = first; r < first + count; ++r)
            evaluateRecord(r);
}

void GridFilter::recordsRemoved(int first, int count)
{
    if (count <= 0 || first < 0 || first >= int(m_fails.size()))
        return;
    const int last = std::min(int(m_fails.size()), first + count);
    m_fails.erase(m_fails.begin() + first, m_fails.begin() + last);
}

void GridFilter::recordsRemoved(const std::vector<char> &remove)
{
    size_t out = 0;
    for (size_t r = 0; r < m_fails.size(); ++r)
        if (r >= remove.size() || !remove[r])
            m_fails[out++] = m_fails[r];
    m_fails.resize(out);
}

bool GridFilter::recordChanged(int record)
{
    if (!m_source || record < 0 || record >= int(m_fails.size()))
        return false;
    const bool before = m_fails[size_t(record)] == 0;
    evaluateRecord(record);
    return before != (m_fails[size_t(record)] == 0);
}

bool GridFilter::accepts(int record) const
{
    return record >= 0 && record < int(m_fails.size()) && m_fails[size_t(record)] == 0;
}
