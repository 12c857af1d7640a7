#pragma once

#include "text/shared_text.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

// KeyedList's interface for the bulk caches (a store's goods, the goods copies of its groups, the
// option lists of every goods item): eight bytes while empty, codes kept as shared texts, records
// on the heap so that a reference to one stays valid while others are added or removed. Most
// goods have no options, and 200,000 goods with five option lists each would otherwise carry a
// million empty lists.
//
// codes() gives the code list as a QStringList. It is built on the first call and from then on
// kept in step with every change, so the reference it returns stays valid and current.
// Codes may repeat; indexOf finds the first.
template <typename T>
class CompactKeyedList
{
public:
    CompactKeyedList() = default;
    CompactKeyedList(const CompactKeyedList &other) { copyFrom(other); }
    CompactKeyedList(CompactKeyedList &&) noexcept = default;
    CompactKeyedList &operator=(const CompactKeyedList &other)
    {
        if (this != &other) {
            clear();
            copyFrom(other);
        }
        return *this;
    }
    CompactKeyedList &operator=(CompactKeyedList &&other)
    {
        if (this == &other)
            return *this;
        if (d && d->mirror) {
            // Keep our code list object: references to it stay valid and see the new codes.
            d->items = other.d ? std::move(other.d->items) : std::vector<Item>();
            other.clear();
            rebuildMirror();
        } else {
            d = std::move(other.d);
        }
        return *this;
    }

    int count() const { return d ? int(d->items.size()) : 0; }
    bool isEmpty() const { return count() == 0; }

    void reserve(int n)
    {
        if (n > 0)
            impl().items.reserve(size_t(n));
    }

    // Appends a record under `code` and returns it.
    T &append(const QString &code, T value = T()) { return append(SharedText(code), std::move(value)); }
    T &append(SharedText code, T value = T())
    {
        Impl &i = impl();
        i.items.push_back(Item{std::make_unique<T>(std::move(value)), std::move(code)});
        if (i.mirror)
            i.mirror->append(i.items.back().code.str());
        return *i.items.back().record;
    }

    // Inserts at `index` (clamped to 0..count), keeping records and codes in step; returns the record.
    T &insert(int index, const QString &code, T value = T())
    {
        index = std::clamp(index, 0, count());
        Impl &i = impl();
        auto it = i.items.insert(i.items.begin() + index, Item{std::make_unique<T>(std::move(value)), SharedText(code)});
        if (i.mirror)
            i.mirror->insert(index, code);
        return *it->record;
    }

    int indexOf(QStringView code) const
    {
        if (!d)
            return -1;
        for (size_t i = 0; i < d->items.size(); ++i) {
            if (d->items[i].code.equals(code))
                return int(i);
        }
        return -1;
    }
    int indexOf(const QString &code) const { return indexOf(QStringView(code)); }
    bool contains(const QString &code) const { return indexOf(code) >= 0; }

    // Bounds-checked access; an index outside the list throws instead of reading past the end.
    T &at(int index)
    {
        check(index);
        return *d->items[size_t(index)].record;
    }
    const T &at(int index) const
    {
        check(index);
        return *d->items[size_t(index)].record;
    }
    T &operator[](int index) { return at(index); }
    const T &operator[](int index) const { return at(index); }

    // The record at `index`, or nullptr when there is none.
    T *value(int index) { return index >= 0 && index < count() ? d->items[size_t(index)].record.get() : nullptr; }
    const T *value(int index) const
    {
        return index >= 0 && index < count() ? d->items[size_t(index)].record.get() : nullptr;
    }

    // The first record under `code`, or nullptr.
    T *find(const QString &code) { return value(indexOf(code)); }
    const T *find(const QString &code) const { return value(indexOf(code)); }

    QString codeAt(int index) const { return index >= 0 && index < count() ? d->items[size_t(index)].code.str() : QString(); }
    const SharedText &codeTextAt(int index) const
    {
        check(index);
        return d->items[size_t(index)].code;
    }

    const QStringList &codes() const
    {
        Impl &i = impl();
        if (!i.mirror) {
            auto mirror = std::make_unique<QStringList>();
            mirror->reserve(qsizetype(i.items.size()));
            for (const Item &item : i.items)
                mirror->append(item.code.str());
            i.mirror = std::move(mirror);
        }
        return *i.mirror;
    }

    // Changes the code of an existing record (the record stays where it is).
    void setCode(int index, const QString &code)
    {
        check(index);
        d->items[size_t(index)].code = SharedText(code);
        if (d->mirror)
            (*d->mirror)[index] = code;
    }

    // Replaces the record at `index`; the old one is released.
    T &replace(int index, T value)
    {
        check(index);
        *d->items[size_t(index)].record = std::move(value);
        return *d->items[size_t(index)].record;
    }

    void removeAt(int index)
    {
        check(index);
        d->items.erase(d->items.begin() + index);
        if (d->mirror)
            d->mirror->removeAt(index);
    }

    void clear()
    {
        if (!d)
            return;
        if (d->mirror) {
            // Someone holds the code list: keep it (empty) rather than leave them a dead reference.
            d->items.clear();
            d->items.shrink_to_fit();
            d->mirror->clear();
        } else {
            d.reset();
        }
    }

private:
    struct Item
    {
        std::unique_ptr<T> record;
        SharedText code;
    };
    struct Impl
    {
        std::vector<Item> items;
        std::unique_ptr<QStringList> mirror;
    };

public:
    template <typename Ref, typename Base>
    class basic_iterator
    {
    public:
        explicit basic_iterator(Base it) : m_it(it) {}
        Ref &operator*() const { return *m_it->record; }
        Ref *operator->() const { return m_it->record.get(); }
        basic_iterator &operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator==(const basic_iterator &o) const { return m_it == o.m_it; }
        bool operator!=(const basic_iterator &o) const { return m_it != o.m_it; }

    private:
        Base m_it;
    };
    using iterator = basic_iterator<T, typename std::vector<Item>::iterator>;
    using const_iterator = basic_iterator<const T, typename std::vector<Item>::const_iterator>;

    iterator begin() { return d ? iterator(d->items.begin()) : iterator({}); }
    iterator end() { return d ? iterator(d->items.end()) : iterator({}); }
    const_iterator begin() const { return d ? const_iterator(d->items.cbegin()) : const_iterator({}); }
    const_iterator end() const { return d ? const_iterator(d->items.cend()) : const_iterator({}); }

private:
    Impl &impl() const
    {
        if (!d)
            d = std::make_unique<Impl>();
        return *d;
    }
    void check(int index) const
    {
        if (index < 0 || index >= count())
            throw std::out_of_range("KeyedList index out of range");
    }
    void copyFrom(const CompactKeyedList &other)
    {
        if (!other.d || other.d->items.empty())
            return;
        Impl &i = impl();
        i.items.reserve(other.d->items.size());
        for (const Item &item : other.d->items)
            i.items.push_back(Item{std::make_unique<T>(*item.record), item.code});
        rebuildMirror();
    }
    void rebuildMirror()
    {
        if (!d || !d->mirror)
            return;
        d->mirror->clear();
        d->mirror->reserve(qsizetype(d->items.size()));
        for (const Item &item : d->items)
            d->mirror->append(item.code.str());
    }

    // Created on first use; mutable so that codes() of a const list can build its mirror.
    mutable std::unique_ptr<Impl> d;
};
