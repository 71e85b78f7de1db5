// The values a value axis labels, from the top of the range downwards.
#pragma once

#include <vector>

namespace rna::chart {

struct AxisLabelRange {
    double RangeLow = 0;
    double RangeHigh = 0;
    double Step = 0;
    bool RoundFirstLabel = true;
};

// More labels than this (span / step) and the axis draws none.
inline constexpr double MaxAxisLabelCount = 10000;

// The lower limit a label may reach: a hair below RangeLow, on whichever side of zero it is,
// so that a label lying exactly on the lower end is kept.
double AxisLabelLowerLimit(double rangeLow);

// RangeHigh (or the multiple of Step at or below it) down to RangeLow in Step decrements.
// Ends also when a decrement no longer changes the value.
std::vector<double> AxisLabelValues(const AxisLabelRange& r);

}  // namespace rna::chart
