#pragma once

#include <QList>
#include <QtAlgorithms>

#include <iterator>
#include <utility>

// An ordered list that owns its entries through pointers, so that a reference to an entry
// stays valid while other entries are appended or removed. Copying the list copies every
// entry with the entry's own copy constructor (the tree's copy rules); iterating yields the
// entries themselves.
template <typename T>
class xml_owning_list
{
public:
    template <typename Entry, typename PointerIterator>
    class basic_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = Entry *;
        using reference = Entry &;

        basic_iterator() = default;
        explicit basic_iterator(PointerIterator position) : position(position) {}
        reference operator*() const { return **position; }
        pointer operator->() const { return *position; }
        basic_iterator &operator++()
        {
            ++position;
            return *this;
        }
        basic_iterator operator++(int)
        {
            basic_iterator before = *this;
            ++position;
            return before;
        }
        bool operator==(const basic_iterator &other) const { return position == other.position; }
        bool operator!=(const basic_iterator &other) const { return position != other.position; }

    private:
        PointerIterator position{};
    };
    using iterator = basic_iterator<T, typename QList<T *>::const_iterator>;
    using const_iterator = basic_iterator<const T, typename QList<T *>::const_iterator>;

    xml_owning_list() = default;
    xml_owning_list(const xml_owning_list &other)
    {
        entries.reserve(other.entries.size());
        for (const T *entry : other.entries)
            entries.append(new T(*entry));
    }
    xml_owning_list(xml_owning_list &&other) noexcept : entries(std::exchange(other.entries, {})) {}
    xml_owning_list &operator=(const xml_owning_list &other)
    {
        if (this != &other) {
            xml_owning_list copy(other);
            std::swap(entries, copy.entries);
        }
        return *this;
    }
    xml_owning_list &operator=(xml_owning_list &&other) noexcept
    {
        std::swap(entries, other.entries);
        return *this;
    }
    ~xml_owning_list() { clear(); }

    qsizetype size() const { return entries.size(); }
    bool isEmpty() const { return entries.isEmpty(); }

    T &operator[](qsizetype i) { return *entries[i]; }
    const T &operator[](qsizetype i) const { return *entries[i]; }
    const T &at(qsizetype i) const { return *entries.at(i); }

    // Stores a copy (or the moved entry) at the end; returns the stored entry.
    T &append(const T &entry) { return adopt(new T(entry)); }
    T &append(T &&entry) { return adopt(new T(std::move(entry))); }

    void removeAt(qsizetype i) { delete entries.takeAt(i); }
    // Position of the entry that is this very object, -1 when it is not in the list.
    qsizetype indexOf(const T *entry) const
    {
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (entries.at(i) == entry)
                return i;
        }
        return -1;
    }
    void clear()
    {
        qDeleteAll(entries);
        entries.clear();
    }

    iterator begin() { return iterator(entries.cbegin()); }
    iterator end() { return iterator(entries.cend()); }
    const_iterator begin() const { return const_iterator(entries.cbegin()); }
    const_iterator end() const { return const_iterator(entries.cend()); }

private:
    T &adopt(T *entry)
    {
        entries.append(entry);
        return *entry;
    }

    QList<T *> entries;
};
