#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

// An array of records with its parallel code list: the position of a code is the index of its
// record. Every change goes through this class, so the two can never drift apart and an index
// found in the code list is always valid for the records. Records live on the heap, so a
// reference to one stays valid while others are added or removed.
// Codes may repeat; indexOf finds the first, as the lists the server fills expect.
template <typename T>
class KeyedList
{
public:
    KeyedList() = default;
    KeyedList(const KeyedList &other) { copyFrom(other); }
    KeyedList(KeyedList &&) noexcept = default;
    KeyedList &operator=(const KeyedList &other)
    {
        if (this != &other) {
            clear();
            copyFrom(other);
        }
        return *this;
    }
    KeyedList &operator=(KeyedList &&) noexcept = default;

    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }

    // Appends a record under `code` and returns it.
    T &append(const QString &code, T value)
    {
        m_items.push_back(std::make_unique<T>(std::move(value)));
        m_codes.append(code);
        return *m_items.back();
    }
    // Appends an empty record under `code` and returns it; made in place, as the large records
    // (stores, couriers) cost as much to move as to make.
    T &append(const QString &code)
    {
        m_items.push_back(std::make_unique<T>());
        m_codes.append(code);
        return *m_items.back();
    }

    // Inserts at `index` (clamped to 0..count), keeping both lists in step; returns the record.
    T &insert(int index, const QString &code, T value = T())
    {
        index = std::clamp(index, 0, count());
        auto it = m_items.insert(m_items.begin() + index, std::make_unique<T>(std::move(value)));
        m_codes.insert(index, code);
        return **it;
    }

    int indexOf(const QString &code) const { return int(m_codes.indexOf(code)); }
    bool contains(const QString &code) const { return m_codes.contains(code); }

    // Bounds-checked access; an index outside the list throws instead of reading past the end.
    T &at(int index)
    {
        check(index);
        return *m_items[size_t(index)];
    }
    const T &at(int index) const
    {
        check(index);
        return *m_items[size_t(index)];
    }
    T &operator[](int index) { return at(index); }
    const T &operator[](int index) const { return at(index); }

    // The record at `index`, or nullptr when there is none.
    T *value(int index)
    {
        return index >= 0 && index < count() ? m_items[size_t(index)].get() : nullptr;
    }
    const T *value(int index) const
    {
        return index >= 0 && index < count() ? m_items[size_t(index)].get() : nullptr;
    }

    // The first record under `code`, or nullptr.
    T *find(const QString &code) { return value(indexOf(code)); }
    const T *find(const QString &code) const { return value(indexOf(code)); }

    QString codeAt(int index) const { return m_codes.value(index); }
    const QStringList &codes() const { return m_codes; }

    // Changes the code of an existing record (the record stays where it is).
    void setCode(int index, const QString &code)
    {
        check(index);
        m_codes[index] = code;
    }

    // Replaces the record at `index`; the old one is released.
    T &replace(int index, T value)
    {
        check(index);
        *m_items[size_t(index)] = std::move(value);
        return *m_items[size_t(index)];
    }

    void removeAt(int index)
    {
        check(index);
        m_items.erase(m_items.begin() + index);
        m_codes.removeAt(index);
    }

    void clear()
    {
        m_items.clear();
        m_codes.clear();
    }

    class iterator
    {
    public:
        using Base = typename std::vector<std::unique_ptr<T>>::iterator;
        explicit iterator(Base it) : m_it(it) {}
        T &operator*() const { return **m_it; }
        T *operator->() const { return m_it->get(); }
        iterator &operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator==(const iterator &o) const { return m_it == o.m_it; }
        bool operator!=(const iterator &o) const { return m_it != o.m_it; }

    private:
        Base m_it;
    };
    class const_iterator
    {
    public:
        using Base = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit const_iterator(Base it) : m_it(it) {}
        const T &operator*() const { return **m_it; }
        const T *operator->() const { return m_it->get(); }
        const_iterator &operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator==(const const_iterator &o) const { return m_it == o.m_it; }
        bool operator!=(const const_iterator &o) const { return m_it != o.m_it; }

    private:
        Base m_it;
    };
    iterator begin() { return iterator(m_items.begin()); }
    iterator end() { return iterator(m_items.end()); }
    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

private:
    void check(int index) const
    {
        if (index < 0 || index >= count())
            throw std::out_of_range("KeyedList index out of range");
    }
    void copyFrom(const KeyedList &other)
    {
        m_items.reserve(other.m_items.size());
        for (const auto &item : other.m_items)
            m_items.push_back(std::make_unique<T>(*item));
        m_codes = other.m_codes;
    }

    std::vector<std::unique_ptr<T>> m_items;
    QStringList m_codes;
};
