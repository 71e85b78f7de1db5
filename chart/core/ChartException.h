// The chart engine's own error kind; the message is shown to the user as it is.
#pragma once

#include <stdexcept>
#include <string>

namespace rna::chart {

class ChartException : public std::runtime_error {
public:
    explicit ChartException(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace rna::chart
