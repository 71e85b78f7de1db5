// The value <-> pixel mapping of one axis: range in use, pixel range, and the two mirror functions.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace rna::chart {

// A small copyable value: the axis fixes it once per drawing (range, then pixel ends),
// and series map every point through ValueToPixel without asking anything else.
class AxisScale {
public:
    // Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
    // std::rint rounds as std::nearbyint does (to nearest, halves to even, in the default rounding mode) without
    // saving and restoring the floating-point environment: it may only raise the inexact flag, which nothing
    // reads. For long double it is one instruction, where nearbyint is a library call.
    static std::int64_t Round(long double x) { return static_cast<std::int64_t>(std::rint(x)); }

    friend bool operator==(const AxisScale&, const AxisScale&) = default;

    bool Horizontal = true;
    bool Inverted = false;

    double RangeLow = 0;
    double RangeHigh = 0;
    double RangeSpan = 0;

    int StartPixel = 0;
    int EndPixel = 0;
    int PixelLength = 0;
    int CenterPixel = 0;

    void SetRange(double low, double high);
    // s: first pixel of the plotting area along the axis, n: its length; positions in percent.
    void PlaceEnds(int s, int n, double startPosition, double endPosition);
    void SetPixels(int startPixel, int endPixel);

    int ValueToPixel(double value) const
    {
        if (RangeSpan == 0)
            return CenterPixel;
        const double t = static_cast<double>((static_cast<long double>(value) - RangeLow) * PixelLength / RangeSpan);
        if (!(std::fabs(t) < 2147483647.0))
            return CenterPixel;
        // t is a double, so rounding it as a double gives Round's result without the extended-precision call.
        const auto r = static_cast<std::int64_t>(std::nearbyint(t));
        const bool fromStart = Horizontal != Inverted;
        return Clamped(fromStart ? StartPixel + r : EndPixel - r);
    }

    double PixelToValue(int pixel) const;

    // Pixels far outside the drawing surface saturate instead of wrapping around.
    static int Clamped(std::int64_t pixel)
    {
        return static_cast<int>(std::clamp<std::int64_t>(pixel, INT32_MIN, INT32_MAX));
    }

    // Widens the range so that its old ends land `startMargin` and `endMargin` pixels inside
    // the axis; the pixel ends come back to (s, n, positions) afterwards.
    void ShrinkRangeByMargins(int startMargin, int endMargin, int s, int n, double startPosition, double endPosition);
};

}  // namespace rna::chart
