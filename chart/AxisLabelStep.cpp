#include "chart/AxisLabelStep.h"

#include "chart/TAxisScale.h"

#include <algorithm>
#include <cmath>

namespace rna::chart {

namespace {
constexpr double MinimumStep = 1e-12;
constexpr double IntLimit = 2147483647.0;
} // namespace

double NextNiceStep(double c)
{
    // Zero, negative or non-finite steps have no next step; the callers stop on them.
    if (!(c > 0) || !std::isfinite(c))
        return c;
    if (c >= 10)
        return NextNiceStep(c * 0.1) * 10;
    if (c < 1)
        return NextNiceStep(c * 10) * 0.1;
    if (c < 2)
        return 2;
    if (c < 5)
        return 5;
    return 10;
}

int AxisLabelCountLimit(int labelSize, int labelsSeparation, int pixelLength)
{
    if (labelSize <= 0)
        return 1;
    long double z = labelSize;
    if (labelsSeparation > 0)
        z += TAxisScale::Round(labelsSeparation * 0.01L * labelSize);
    const long double k = TAxisScale::Round(pixelLength / z);
    return static_cast<int>(std::clamp<long double>(k, -IntLimit, IntLimit));
}

double AxisLabelStep(const TAxisStepInput& in)
{
    if (in.CountLimit < 1)
        return MinimumStep;
    double c = in.Increment > 0 ? in.Increment : (std::fabs(in.RangeSpan) >= 1 ? 1 : MinimumStep);
    if (in.LabelsSeparation > 0) {
        while (std::isfinite(c)) {
            const double r = in.RangeSpan / c;
            if (std::fabs(r) < IntLimit && TAxisScale::Round(r) <= in.CountLimit)
                break;
            const double next = NextNiceStep(c);
            if (!(next > c))
                break;
            c = next;
        }
    }
    return std::max(c, MinimumStep);
}

} // namespace rna::chart
