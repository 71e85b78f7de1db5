#include "chart/scale/AxisLabelValues.h"

#include <cmath>
#include <cstdint>

namespace rna::chart {

namespace {

// Largest magnitude whose quotient still converts to a 64-bit integer.
constexpr double TruncLimit = 9.2e18;

double FirstLabelValue(const AxisLabelRange& r)
{
    if (r.RangeLow == r.RangeHigh || !r.RoundFirstLabel)
        return r.RangeHigh;
    const double q = r.RangeHigh / r.Step;
    if (!(std::fabs(q) < TruncLimit))
        return r.RangeHigh;  // so large that it has no fraction left to drop
    return static_cast<double>(static_cast<std::int64_t>(q)) * r.Step;
}

}  // namespace

double AxisLabelLowerLimit(double rangeLow)
{
    const double shifted = rangeLow - 1e-12;
    return rangeLow >= 0 ? shifted / 1.000000000001 : shifted * 1.000000000001;
}

std::vector<double> AxisLabelValues(const AxisLabelRange& r)
{
    std::vector<double> values;
    if (!(r.Step > 0) || !(r.RangeHigh >= r.RangeLow))
        return values;
    const double count = std::fabs((r.RangeHigh - r.RangeLow) / r.Step);
    if (!(count < MaxAxisLabelCount))
        return values;
    double v = FirstLabelValue(r);
    while (v > r.RangeHigh) {
        const double next = v - r.Step;
        if (!(next < v))
            return values;
        v = next;
    }
    const double limit = AxisLabelLowerLimit(r.RangeLow);
    values.reserve(static_cast<std::size_t>(count) + 2);
    while (v >= limit) {
        values.push_back(v);
        const double next = v - r.Step;
        if (!(next < v))
            break;
        v = next;
    }
    return values;
}

}  // namespace rna::chart
