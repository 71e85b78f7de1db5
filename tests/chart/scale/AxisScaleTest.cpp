// Value <-> pixel mapping of an axis: rounding, directions, degenerate ranges, margins.
#include "chart/scale/AxisScale.h"

#include <gtest/gtest.h>

#include <limits>

using rna::chart::AxisScale;

namespace {

AxisScale MakeScale(bool horizontal, bool inverted, double low, double high, int start, int end)
{
    AxisScale s;
    s.Horizontal = horizontal;
    s.Inverted = inverted;
    s.SetRange(low, high);
    s.SetPixels(start, end);
    return s;
}

}  // namespace

TEST(AxisScaleTest, RoundTakesHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(AxisScale::Round(2.5), 2);
    EXPECT_EQ(AxisScale::Round(3.5), 4);
    EXPECT_EQ(AxisScale::Round(-2.5), -2);
    EXPECT_EQ(AxisScale::Round(-2.6), -3);
    EXPECT_EQ(AxisScale::Round(0.49999), 0);
}

TEST(AxisScaleTest, ValueToPixelInAllFourDirections)
{
    struct Row {
        bool horizontal, inverted;
        double value;
        int pixel;
    };
    // Range -1.05 .. 1.05 on pixels 20 .. 130.
    const Row rows[] = {
        {false, false, 0, 75},    {false, false, 1.05, 20}, {false, false, -1.05, 130}, {false, true, 1.05, 130},
        {false, true, -1.05, 20}, {true, false, -1.05, 20}, {true, false, 1.05, 130},   {true, true, -1.05, 130},
        {true, true, 1.05, 20},   {false, false, 0.5, 49},  // 130 - Round(1.55 * 110 / 2.1) = 130 - 81
    };
    for (const Row& r : rows) {
        const AxisScale s = MakeScale(r.horizontal, r.inverted, -1.05, 1.05, 20, 130);
        EXPECT_EQ(s.ValueToPixel(r.value), r.pixel)
            << "horizontal " << r.horizontal << " inverted " << r.inverted << " value " << r.value;
    }
}

TEST(AxisScaleTest, DegenerateRangesMapToTheCentre)
{
    const AxisScale flat = MakeScale(true, false, 3, 3, 10, 101);
    EXPECT_EQ(flat.CenterPixel, 55);
    EXPECT_EQ(flat.ValueToPixel(3), 55);
    EXPECT_EQ(flat.ValueToPixel(-1e9), 55);

    const AxisScale s = MakeScale(true, false, 0, 1, 0, 100);
    EXPECT_EQ(s.ValueToPixel(1e8), 50);  // 1e10 pixels: beyond the integer range
    EXPECT_EQ(s.ValueToPixel(2e7), 2000000000);
    EXPECT_EQ(s.ValueToPixel(std::numeric_limits<double>::quiet_NaN()), 50);
    EXPECT_EQ(s.ValueToPixel(std::numeric_limits<double>::infinity()), 50);

    // Just inside the integer range, far from the surface: saturates, never wraps around.
    const AxisScale shifted = MakeScale(true, false, 0, 1, 1000, 1100);
    EXPECT_EQ(shifted.ValueToPixel(21474830), std::numeric_limits<int>::max());
    const AxisScale vertical = MakeScale(false, false, 0, 1, 1000, 1100);
    EXPECT_EQ(vertical.ValueToPixel(21474830), 1100 - 2147483000);
    EXPECT_EQ(vertical.ValueToPixel(-21474830), std::numeric_limits<int>::max());
}

TEST(AxisScaleTest, PixelToValueMirrorsTheMapping)
{
    for (bool horizontal : {true, false}) {
        for (bool inverted : {false, true}) {
            const AxisScale s = MakeScale(horizontal, inverted, -10, 30, 100, 300);
            for (int p = 100; p <= 300; p += 25)
                EXPECT_EQ(s.ValueToPixel(s.PixelToValue(p)), p);
        }
    }
    EXPECT_EQ(MakeScale(true, false, -10, 30, 100, 100).PixelToValue(100), 0);
}

TEST(AxisScaleTest, PlaceEndsUsesPercentPositions)
{
    AxisScale s;
    s.PlaceEnds(13, 407, 0, 100);
    EXPECT_EQ(s.StartPixel, 13);
    EXPECT_EQ(s.EndPixel, 420);
    EXPECT_EQ(s.PixelLength, 407);
    EXPECT_EQ(s.CenterPixel, 216);
    s.PlaceEnds(0, 5, 10, 50);  // 0.5 -> 0 and 2.5 -> 2: halves to even
    EXPECT_EQ(s.StartPixel, 0);
    EXPECT_EQ(s.EndPixel, 2);
    s.PlaceEnds(-7, 0, 0, 100);
    EXPECT_EQ(s.CenterPixel, -7);
}

TEST(AxisScaleTest, ShrinkRangeByMarginsKeepsOldEndsInside)
{
    AxisScale h = MakeScale(true, false, 0, 100, 0, 100);
    h.ShrinkRangeByMargins(10, 10, 0, 100, 0, 100);
    EXPECT_EQ(h.StartPixel, 0);
    EXPECT_EQ(h.EndPixel, 100);
    EXPECT_DOUBLE_EQ(h.RangeLow, -12.5);
    EXPECT_DOUBLE_EQ(h.RangeHigh, 112.5);
    EXPECT_EQ(h.ValueToPixel(0), 10);
    EXPECT_EQ(h.ValueToPixel(100), 90);

    AxisScale v = MakeScale(false, false, 0, 100, 0, 100);
    v.ShrinkRangeByMargins(20, 0, 0, 100, 0, 100);
    EXPECT_LT(v.RangeLow, v.RangeHigh);
    EXPECT_EQ(v.ValueToPixel(100), 20);
    EXPECT_EQ(v.ValueToPixel(0), 100);

    AxisScale same = MakeScale(false, false, -1.05, 1.05, 20, 130);
    same.ShrinkRangeByMargins(0, 0, 20, 110, 0, 100);
    EXPECT_DOUBLE_EQ(same.RangeLow, -1.05);
    EXPECT_DOUBLE_EQ(same.RangeHigh, 1.05);
}
