#pragma once

#include "orders/order_record.h"
#include "orders/same_day_record.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

// A list of order records shared by pointer with its parallel list of order numbers. One record
// may sit in several lists at once (the live board, the held orders, the waiting orders of the
// control screens, a courier's current orders); it lives while any list holds it. Entries keep
// insertion order, so an index is also the row of the grid that shows the list. Every change
// goes through this class, so the numbers can never drift from the records. Look-ups by number
// go through an index of number -> entry serial: serials grow with every Add and keep their
// order, so a position is a binary search away, and removing an entry costs no rebuild of the
// index (a batch that takes a thousand orders off a board of ten thousand stays cheap).
template <typename T>
class SharedOrderList
{
public:
    using Ptr = std::shared_ptr<T>;

    int Count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }

    // Appends the record under its order number; returns its index.
    int Add(Ptr record)
    {
        const QString no = record ? record->ORD_NO().toString() : QString();
        return Add(no, std::move(record));
    }
    int Add(const QString &no, Ptr record)
    {
        m_items.push_back(std::move(record));
        m_numbers.append(no);
        m_serials.push_back(m_nextSerial++);
        if (!m_dirty) {
            auto it = m_index.find(no);
            if (it == m_index.end())
                m_index.insert(no, {m_serials.back(), 1});
            else
                ++it->count;
        }
        return int(m_items.size()) - 1;
    }
    // Appends a copy of `order` (tests and small lists).
    int add(const T &order) { return Add(std::make_shared<T>(order)); }

    // The record at the index; an index outside the list throws.
    T *GetRecord(int index) const { return at(index).get(); }
    const Ptr &at(int index) const
    {
        check(index);
        return m_items[size_t(index)];
    }
    // The record at the index, or nullptr.
    Ptr value(int index) const
    {
        return index >= 0 && index < Count() ? m_items[size_t(index)] : Ptr();
    }

    // Stores `record` at the index; the list lets go of the record that was there (nothing
    // happens when it is the same record).
    void SetRecord(int index, Ptr record)
    {
        check(index);
        if (m_items[size_t(index)] == record)
            return;
        m_items[size_t(index)] = std::move(record);
    }

    void Delete(int index)
    {
        check(index);
        if (!m_dirty) {
            auto it = m_index.find(m_numbers.at(index));
            if (it == m_index.end())
                m_dirty = true;
            else if (it->count <= 1)
                m_index.erase(it);
            else if (it->serial == m_serials[size_t(index)])
                m_dirty = true;  // the first of repeated numbers goes: find the next one afresh
            else
                --it->count;
        }
        m_items.erase(m_items.begin() + index);
        m_numbers.removeAt(index);
        m_serials.erase(m_serials.begin() + index);
    }

    // Removes every entry whose number is in `numbers`; returns the removed indexes, highest
    // first (so a view can remove its rows one by one). One pass, whatever the count.
    std::vector<int> DeleteNumbers(const QSet<QString> &numbers)
    {
        std::vector<int> removed;
        size_t out = 0;
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (numbers.contains(m_numbers.at(qsizetype(i)))) {
                removed.push_back(int(i));
                continue;
            }
            if (out != i) {
                m_items[out] = std::move(m_items[i]);
                m_numbers[qsizetype(out)] = m_numbers.at(qsizetype(i));
                m_serials[out] = m_serials[i];
            }
            ++out;
        }
        if (!removed.empty()) {
            m_items.resize(out);
            m_numbers.resize(qsizetype(out));
            m_serials.resize(out);
            m_dirty = true;
        }
        std::reverse(removed.begin(), removed.end());
        return removed;
    }

    void Clear()
    {
        // A list cleared for a rebuild usually fills up to its old size again: the index keeps
        // room for that many numbers instead of growing through every size on the way.
        const qsizetype had = qsizetype(m_items.size());
        m_items.clear();
        m_numbers.clear();
        m_serials.clear();
        m_index.clear();
        if (had > 64)
            m_index.reserve(had);
        m_dirty = false;
    }

    // Position of the first entry with the number, -1 when none.
    int IndexOf(const QString &no) const
    {
        if (m_dirty)
            rebuildIndex();
        const auto it = m_index.constFind(no);
        if (it == m_index.constEnd())
            return -1;
        const auto pos = std::lower_bound(m_serials.begin(), m_serials.end(), it->serial);
        return pos != m_serials.end() && *pos == it->serial ? int(pos - m_serials.begin()) : -1;
    }
    int IndexOf(QStringView no) const { return IndexOf(no.toString()); }
    bool Contains(const QString &no) const { return IndexOf(no) >= 0; }
    Ptr Find(const QString &no) const { return value(IndexOf(no)); }

    const QStringList &Numbers() const { return m_numbers; }
    const std::vector<Ptr> &Records() const { return m_items; }

private:
    void check(int index) const
    {
        if (index < 0 || index >= Count())
            throw std::out_of_range("List index out of bounds");
    }
    void rebuildIndex() const
    {
        m_index.clear();
        m_index.reserve(m_numbers.size());
        for (int i = 0; i < int(m_numbers.size()); ++i) {
            auto it = m_index.find(m_numbers.at(i));
            if (it == m_index.end())
                m_index.insert(m_numbers.at(i), {m_serials[size_t(i)], 1});
            else
                ++it->count;
        }
        m_dirty = false;
    }

    struct IndexEntry
    {
        qint64 serial = 0;  // serial of the first entry with the number
        int count = 0;      // entries with the number
    };

    std::vector<Ptr> m_items;
    QStringList m_numbers;
    std::vector<qint64> m_serials;  // ascending, one per entry
    qint64 m_nextSerial = 0;
    mutable QHash<QString, IndexEntry> m_index;
    mutable bool m_dirty = false;
};

// Live orders: a board's orders, the held orders, the waiting orders, a courier's orders.
class TA1Orders : public SharedOrderList<TA1ORDER>
{
};
// Same-day orders.
class TA3Orders : public SharedOrderList<TA3ORDER>
{
};

// One-line order summaries; nothing keys them by number.
class TViewOrders
{
public:
    int Count() const { return int(m_items.size()); }
    int Add(std::shared_ptr<TViewOrder> v)
    {
        m_items.push_back(std::move(v));
        return Count() - 1;
    }
    TViewOrder *GetRecord(int index) const
    {
        if (index < 0 || index >= Count())
            throw std::out_of_range("List index out of bounds");
        return m_items[size_t(index)].get();
    }
    void SetRecord(int index, std::shared_ptr<TViewOrder> v)
    {
        GetRecord(index);
        if (m_items[size_t(index)] != v)
            m_items[size_t(index)] = std::move(v);
    }
    void Delete(int index)
    {
        GetRecord(index);
        m_items.erase(m_items.begin() + index);
    }
    void Clear() { m_items.clear(); }

private:
    std::vector<std::shared_ptr<TViewOrder>> m_items;
};
