// Label step and label values of a value axis.
#include "chart/scale/AxisLabelStep.h"
#include "chart/scale/AxisLabelValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace rna::chart;

namespace {

std::vector<double> Labels(double low, double high, double increment, int limit)
{
    const double step = AxisLabelStep({high - low, increment, 10, limit});
    return AxisLabelValues({low, high, step, true});
}

std::vector<double> Sequence(double from, double to, double by)
{
    std::vector<double> v;
    for (double x = from; x >= to - 1e-9; x -= by)
        v.push_back(x);
    return v;
}

void ExpectValues(const std::vector<double>& got, const std::vector<double>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 1e-9) << "label " << i;
}

}  // namespace

TEST(AxisLabelStepTest, NextNiceStepClimbsOneTwoFive)
{
    const double rows[][2] = {{1, 2},
                              {2, 5},
                              {5, 10},
                              {10, 20},
                              {20, 50},
                              {50, 100},
                              {1.5, 2},
                              {3, 5},
                              {7, 10},
                              {0.5, 1},
                              {0.2, 0.5},
                              {1e-12, 2e-12},
                              {2e-12, 5e-12},
                              {5e-12, 1e-11},
                              {300, 500},
                              {1e6, 2e6},
                              {0.9999999999999999, 2},
                              {1.9999999999999998, 5},
                              {9.999999999999998, 20},
                              {1e300, 2e300}};
    for (const auto& r : rows)
        EXPECT_NEAR(NextNiceStep(r[0]), r[1], r[1] * 1e-12) << "after " << r[0];
    EXPECT_EQ(NextNiceStep(0), 0);  // no next step: callers stop instead of recursing forever
    EXPECT_TRUE(std::isinf(NextNiceStep(INFINITY)));
}

TEST(AxisLabelStepTest, CountLimitFromLabelSize)
{
    EXPECT_EQ(AxisLabelCountLimit(0, 10, 400), 1);
    EXPECT_EQ(AxisLabelCountLimit(12, 10, 0), 0);  // first drawing: no pixels yet
    EXPECT_EQ(AxisLabelCountLimit(20, 10, 407), 18);  // 407 / 22 = 18.5: halves to even
    EXPECT_EQ(AxisLabelCountLimit(20, 0, 407), 20);  // 20.35
    EXPECT_EQ(AxisLabelCountLimit(25, 10, 110), 4);  // 25 + Round(2.5) = 27; 110 / 27 = 4.07
}

TEST(AxisLabelStepTest, IncrementIsALowerBoundEnlargedUntilLabelsFit)
{
    EXPECT_DOUBLE_EQ(AxisLabelStep({20.1, 2, 10, 10}), 2);
    EXPECT_DOUBLE_EQ(AxisLabelStep({20.1, 2, 10, 9}), 5);
    EXPECT_DOUBLE_EQ(AxisLabelStep({20.1, 0, 10, 8}), 5);  // 1, 2, 5
    EXPECT_DOUBLE_EQ(AxisLabelStep({20.1, 0, 10, 21}), 1);
    EXPECT_DOUBLE_EQ(AxisLabelStep({20.1, 0, 10, 15}), 2);
    EXPECT_DOUBLE_EQ(AxisLabelStep({2.1, 0, 10, 2}), 1);
    EXPECT_DOUBLE_EQ(AxisLabelStep({20.1, 2, 0, 1}), 2);  // separation 0: no fitting
    EXPECT_DOUBLE_EQ(AxisLabelStep({20.1, 2, 10, 0}), 1e-12);  // nothing fits
    EXPECT_DOUBLE_EQ(AxisLabelStep({0, 0, 10, 3}), 1e-12);
    const double small = AxisLabelStep({0.5, 0, 10, 4});  // climbs from 1e-12
    EXPECT_NEAR(small, 0.2, 1e-15);
    EXPECT_GT(NextNiceStep(4.9e-324), 4.9e-324);
    // A span that is not a number still ends the search, and gives no labels.
    EXPECT_TRUE(AxisLabelValues({NAN, NAN, AxisLabelStep({NAN, 0, 10, 3}), true}).empty());
    EXPECT_GT(AxisLabelStep({1e300, 0, 10, 3}), 1e299);
}

TEST(AxisLabelStepTest, LabelValuesFromTheTopDown)
{
    ExpectValues(Labels(-10.05, 10.05, 2, 10), Sequence(10, -10, 2));
    ExpectValues(Labels(-10.05, 10.05, 2, 9), {10, 5, 0, -5, -10});
    ExpectValues(Labels(-10.05, 10.05, 0, 8), {10, 5, 0, -5, -10});
    ExpectValues(Labels(-1.05, 1.05, 0, 2), {1, 0, -1});
    ExpectValues(Labels(-0.05, 1.05, 0, 2), {1, 0});
    ExpectValues(Labels(-15.05, 15.05, 0, 7), {15, 10, 5, 0, -5, -10, -15});
}

TEST(AxisLabelStepTest, ANegativeLowerEndIsLabelledLikeThePositiveUpperEnd)
{
    ExpectValues(AxisLabelValues({-10, 10, 2, true}), Sequence(10, -10, 2));
    ExpectValues(AxisLabelValues({-25, 25.5, 5, true}), Sequence(25, -25, 5));
    ExpectValues(AxisLabelValues({0, 10, 5, true}), {10, 5, 0});
    ExpectValues(AxisLabelValues({5, 15, 5, true}), {15, 10, 5});
    EXPECT_LT(AxisLabelLowerLimit(-10), -10);
    EXPECT_LT(AxisLabelLowerLimit(10), 10);
    EXPECT_LT(AxisLabelLowerLimit(0), 0);
    EXPECT_GT(AxisLabelLowerLimit(-10), -10.0001);
}

TEST(AxisLabelStepTest, LabelValueLimits)
{
    EXPECT_EQ(AxisLabelValues({0, 10000, 1, true}).size(), 0u);  // 10000 labels: none
    EXPECT_EQ(AxisLabelValues({0, 9999, 1, true}).size(), 10000u);
    EXPECT_EQ(AxisLabelValues({0, 10, 0, true}).size(), 0u);
    EXPECT_EQ(AxisLabelValues({10, 0, 1, true}).size(), 0u);
    ExpectValues(AxisLabelValues({-3.3, 7.7, 2, false}), {7.7, 5.7, 3.7, 1.7, -0.3, -2.3});
    // A flat range: the step is 1e-12 and the few labels all show (about) the one value.
    const std::vector<double> flat = AxisLabelValues({4, 4, 1e-12, true});
    ASSERT_FALSE(flat.empty());
    EXPECT_LE(flat.size(), 10u);
    for (double v : flat)
        EXPECT_NEAR(v, 4, 1e-10);
}

TEST(AxisLabelStepTest, LoopEndsWhenTheStepNoLongerChangesTheValue)
{
    // 1e-12 is far below the spacing of doubles near 1e6: v - step == v.
    EXPECT_LE(AxisLabelValues({1e6, 1e6 + 1e-9, 1e-12, true}).size(), 2u);
    EXPECT_LE(AxisLabelValues({1e20, 1e20, 1e-12, true}).size(), 1u);
    EXPECT_LE(AxisLabelValues({1e300, 1.0000000001e300, 1e-12, true}).size(), 1u);
}
