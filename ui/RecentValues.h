// A handful of recently used values (measured sizes, laid-out texts) kept for reuse: looked up by a predicate, the
// least recently used dropped first when a new one does not fit.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace rna::ui {

template <class T, std::size_t Capacity>
class RecentValues {
public:
    // The first value matching, now the most recently used; null if none does. A found value stays where it is in
    // memory only when T keeps it behind a pointer (entries move within the list).
    template <class Match>
    T* find(Match match)
    {
        const auto found = std::find_if(entries_.begin(), entries_.end(), match);
        if (found == entries_.end())
            return nullptr;
        std::rotate(found, found + 1, entries_.end());
        return &entries_.back();
    }

    // Keeps value as the most recently used, dropping the least recently used one when full.
    T& add(T value)
    {
        if (entries_.size() == Capacity)
            entries_.erase(entries_.begin());
        entries_.push_back(std::move(value));
        return entries_.back();
    }

    void clear() { entries_.clear(); }

private:
    std::vector<T> entries_;  // the most recently used last
};

}  // namespace rna::ui
