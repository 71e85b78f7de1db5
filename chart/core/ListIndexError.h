// The error raised when a point or value index lies outside its list.
#pragma once

#include <stdexcept>
#include <string>

namespace rna::chart {

class ListIndexError : public std::runtime_error {
public:
    explicit ListIndexError(int index)
        : std::runtime_error("List index out of bounds (" + std::to_string(index) + ")"), index_(index)
    {}

    int Index() const { return index_; }

private:
    int index_;
};

}  // namespace rna::chart
