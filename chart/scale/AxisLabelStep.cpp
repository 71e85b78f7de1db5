#include "chart/scale/AxisLabelStep.h"

#include "chart/scale/AxisScale.h"

#include <algorithm>
#include <cmath>

namespace rna::chart {

namespace {
constexpr double MinimumStep = 1e-12;
constexpr double IntLimit = 2147483647.0;
}  // namespace

double NextNiceStep(double c)
{
    // Zero, negative or non-finite steps have no next step; the callers stop on them.
    if (!(c > 0) || !std::isfinite(c))
        return c;
    // Split c into mantissa * 10^e. Scaling by repeated * 10 or * 0.1 drifts (1e-12 comes back
    // as 0.99999999999999989), so the mantissa is compared with a relative tolerance.
    constexpr double tolerance = 1 - 1e-9;
    int e = static_cast<int>(std::floor(std::log10(c)));
    double decade = std::pow(10.0, e);
    if (!(decade > 0) || !std::isfinite(decade))
        return 2 * c;  // subnormal steps: no decade to snap to
    double m = c / decade;
    if (m >= 10 * tolerance) {
        m = 1;
        decade = std::pow(10.0, ++e);
    } else if (m < tolerance) {
        m = 10 * m;
        decade = std::pow(10.0, --e);
    }
    if (m < 2 * tolerance)
        return 2 * decade;
    if (m < 5 * tolerance)
        return 5 * decade;
    return std::pow(10.0, e + 1);
}

int AxisLabelCountLimit(int labelSize, int labelsSeparation, int pixelLength)
{
    if (labelSize <= 0)
        return 1;
    long double z = labelSize;
    if (labelsSeparation > 0)
        z += AxisScale::Round(labelsSeparation * 0.01L * labelSize);
    const long double k = AxisScale::Round(pixelLength / z);
    return static_cast<int>(std::clamp<long double>(k, -IntLimit, IntLimit));
}

double AxisLabelStep(const AxisStepInput& in)
{
    if (in.CountLimit < 1)
        return MinimumStep;
    double c = in.Increment > 0 ? in.Increment : (std::fabs(in.RangeSpan) >= 1 ? 1 : MinimumStep);
    if (in.LabelsSeparation > 0) {
        while (std::isfinite(c)) {
            const double r = in.RangeSpan / c;
            if (std::fabs(r) < IntLimit && AxisScale::Round(r) <= in.CountLimit)
                break;
            const double next = NextNiceStep(c);
            if (!(next > c))
                break;
            c = next;
        }
    }
    return std::max(c, MinimumStep);
}

}  // namespace rna::chart
