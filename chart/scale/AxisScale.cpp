#include "chart/scale/AxisScale.h"

#include <utility>

namespace rna::chart {

void AxisScale::SetRange(double low, double high)
{
    RangeLow = low;
    RangeHigh = high;
    RangeSpan = high - low;
}

void AxisScale::SetPixels(int startPixel, int endPixel)
{
    StartPixel = startPixel;
    EndPixel = endPixel;
    PixelLength = endPixel - startPixel;
    CenterPixel = (startPixel + endPixel) / 2;
}

void AxisScale::PlaceEnds(int s, int n, double startPosition, double endPosition)
{
    const long double len = n;
    SetPixels(s + static_cast<int>(Round(len * 0.01L * startPosition)),
              s + static_cast<int>(Round(len * 0.01L * endPosition)));
}

double AxisScale::PixelToValue(int pixel) const
{
    if (PixelLength < 1)
        return 0;
    const long double d = Inverted ? EndPixel - pixel : pixel - StartPixel;
    const double t = static_cast<double>(d * RangeSpan / PixelLength);
    return Horizontal ? RangeLow + t : RangeHigh - t;
}

void AxisScale::ShrinkRangeByMargins(int startMargin, int endMargin, int s, int n, double startPosition,
                                     double endPosition)
{
    const int s0 = StartPixel;
    const int e0 = EndPixel;
    SetPixels(StartPixel + startMargin, EndPixel - endMargin);
    double u = PixelToValue(s0);
    double w = PixelToValue(e0);
    PlaceEnds(s, n, startPosition, endPosition);
    if (u > w)
        std::swap(u, w);
    SetRange(u, w);
}

}  // namespace rna::chart
