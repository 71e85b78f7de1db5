// The error kind of axis settings ("Axis Minimum Value must be <= Maximum", ...).
#pragma once

#include "chart/core/ChartException.h"

namespace rna::chart {

class AxisException : public ChartException {
public:
    explicit AxisException(const std::string& message) : ChartException(message) {}
};

}  // namespace rna::chart
