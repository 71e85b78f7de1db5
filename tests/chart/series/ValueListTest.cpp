// Ordered insertion, statistics, multiplier and index errors of a series' value lists.
#include "chart/core/ListIndexError.h"
#include "chart/series/TChartSeries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

using namespace rna::chart;

namespace {

std::vector<double> Values(const TChartValueList& list)
{
    std::vector<double> out;
    for (int i = 0; i < list.ValueCount(); ++i)
        out.push_back(list.ValueAt(i));
    return out;
}

struct OrderCase {
    const char* name;
    TChartListOrder order;
    std::vector<double> initial;
    double added;
    int expectedIndex;
    std::vector<double> expected;
};

class AddInOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(AddInOrderTest, StoresValueWhereTheOrderWantsIt)
{
    const OrderCase& c = GetParam();
    TChartSeries series;
    TChartValueList& list = series.YValues();
    list.SetOrder(c.order);
    for (double v : c.initial)
        list.AddInOrder(v);
    EXPECT_EQ(list.AddInOrder(c.added), c.expectedIndex);
    EXPECT_EQ(Values(list), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddInOrderTest,
    ::testing::Values(
        OrderCase{"AscendingEqualGoesAfterEquals", TChartListOrder::loAscending, {1, 5, 5, 9}, 5, 3, {1, 5, 5, 5, 9}},
        OrderCase{"AscendingSmallestGoesFirst", TChartListOrder::loAscending, {1, 5, 5, 9}, 0, 0, {0, 1, 5, 5, 9}},
        OrderCase{"AscendingLargestAppends", TChartListOrder::loAscending, {1, 5}, 7, 2, {1, 5, 7}},
        OrderCase{"AscendingEmpty", TChartListOrder::loAscending, {}, 3, 0, {3}},
        OrderCase{"DescendingEqualGoesAfterEquals", TChartListOrder::loDescending, {9, 5, 1}, 5, 2, {9, 5, 5, 1}},
        OrderCase{"DescendingLargestGoesFirst", TChartListOrder::loDescending, {9, 5, 1}, 10, 0, {10, 9, 5, 1}},
        OrderCase{"DescendingSmallestAppends", TChartListOrder::loDescending, {9, 5, 1}, 0, 3, {9, 5, 1, 0}},
        OrderCase{"NoneAppends", TChartListOrder::loNone, {9, 1, 5}, 3, 3, {9, 1, 5, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValueListTest, AscendingRunKeepsCallOrderAndIndexes)
{
    TChartSeries series;
    for (int x = -10; x <= 10; ++x)
        EXPECT_EQ(series.AddPoint(x, x * 2), x + 10);
    ASSERT_EQ(series.PointCount(), 21);
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(series.XValueAt(i), i - 10);
        EXPECT_EQ(series.YValueAt(i), 2 * (i - 10));
    }
}

TEST(ValueListTest, EqualXValuesKeepArrivalOrderWithTheirY)
{
    TChartSeries series;
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(series.AddPoint(2.5, i), i);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(series.YValueAt(i), i);
}

TEST(ValueListTest, NaNIsAppendedInAnAscendingList)
{
    TChartSeries series;
    TChartValueList& x = series.XValues();
    x.AddInOrder(1);
    x.AddInOrder(2);
    EXPECT_EQ(x.AddInOrder(std::numeric_limits<double>::quiet_NaN()), 2);
    // Nothing compares greater than a NaN at the end, so later values are appended as well.
    EXPECT_EQ(x.AddInOrder(1.5), 3);
}

TEST(ValueListTest, StatisticsAreLazyAndFollowChanges)
{
    TChartSeries series;
    TChartValueList& y = series.YValues();
    EXPECT_EQ(y.Highest(), 0);
    EXPECT_EQ(y.Lowest(), 0);
    EXPECT_EQ(y.Sum(), 0);
    EXPECT_EQ(y.SumOfMagnitudes(), 0);

    y.AddInOrder(-3);
    EXPECT_EQ(y.Highest(), -3);
    EXPECT_EQ(y.Lowest(), -3);
    EXPECT_EQ(y.Sum(), -3);
    EXPECT_EQ(y.SumOfMagnitudes(), 3);

    y.AddInOrder(5);
    y.AddInOrder(-7);
    EXPECT_EQ(y.Highest(), 5);
    EXPECT_EQ(y.Lowest(), -7);
    EXPECT_EQ(y.Sum(), -5);
    EXPECT_EQ(y.SumOfMagnitudes(), 15);

    y.ReplaceAt(2, 10);
    EXPECT_EQ(y.Highest(), 10);
    EXPECT_EQ(y.Lowest(), -3);
    y.RemoveAt(2);
    EXPECT_EQ(y.Highest(), 5);
    y.RemoveAll();
    EXPECT_EQ(y.Highest(), 0);
    EXPECT_EQ(y.SumOfMagnitudes(), 0);
}

TEST(ValueListTest, MultiplierScalesReadingNotOrdering)
{
    TChartSeries series;
    TChartValueList& x = series.XValues();
    x.AddInOrder(3);
    x.SetMultiplier(2);
    EXPECT_EQ(x.ValueAt(0), 6);
    EXPECT_EQ(x.RawValueAt(0), 3);
    EXPECT_EQ(x.Highest(), 6);
    EXPECT_EQ(x.LastValue(), 6);
    // 4 is stored after the raw 3 although the read value 6 is larger.
    EXPECT_EQ(x.AddInOrder(4), 1);
    EXPECT_EQ(x.ValueAt(1), 8);
    EXPECT_EQ(x.IndexOfValue(8), 1);
    EXPECT_EQ(x.IndexOfValue(4), -1);
}

struct IndexCase {
    const char* name;
    std::function<void(TChartValueList&)> call;
    int badIndex;
};

class ValueListIndexTest : public ::testing::TestWithParam<IndexCase> {};

TEST_P(ValueListIndexTest, OutOfBoundsRaisesAndChangesNothing)
{
    TChartSeries series;
    TChartValueList& y = series.YValues();
    y.AddInOrder(1);
    y.AddInOrder(2);
    try {
        GetParam().call(y);
        FAIL() << "no error raised";
    } catch (const ListIndexError& error) {
        EXPECT_EQ(error.Index(), GetParam().badIndex);
        EXPECT_EQ(std::string(error.what()), "List index out of bounds (" + std::to_string(GetParam().badIndex) + ")");
    }
    EXPECT_EQ(Values(y), (std::vector<double>{1, 2}));
}

INSTANTIATE_TEST_SUITE_P(Cases, ValueListIndexTest,
                         ::testing::Values(IndexCase{"ValueAtCount", [](TChartValueList& l) { l.ValueAt(2); }, 2},
                                           IndexCase{"ValueAtNegative", [](TChartValueList& l) { l.ValueAt(-1); }, -1},
                                           IndexCase{"ReplaceAt", [](TChartValueList& l) { l.ReplaceAt(5, 0); }, 5},
                                           IndexCase{"RemoveAt", [](TChartValueList& l) { l.RemoveAt(2); }, 2},
                                           IndexCase{"InsertAtBeyondCount",
                                                     [](TChartValueList& l) { l.InsertAt(3, 0); }, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueListTest, LastValueOfAnEmptyListRaises)
{
    TChartSeries series;
    EXPECT_THROW(series.YValues().LastValue(), ListIndexError);
}

TEST(ValueListTest, InsertAtCountAppendsAndIgnoresOrder)
{
    TChartSeries series;
    TChartValueList& x = series.XValues();  // ascending
    x.AddInOrder(5);
    x.InsertAt(1, 1);
    x.InsertAt(0, 9);
    EXPECT_EQ(Values(x), (std::vector<double>{9, 5, 1}));
}

TEST(ValueListTest, RotateLeftAndRenumber)
{
    TChartSeries series;
    TChartValueList& y = series.YValues();
    y.RotateLeft();  // nothing on an empty list
    EXPECT_EQ(y.ValueCount(), 0);
    for (double v : {4.0, 5.0, 6.0})
        y.AddInOrder(v);
    y.RotateLeft();
    EXPECT_EQ(Values(y), (std::vector<double>{5, 6, 4}));
    y.Renumber();
    EXPECT_EQ(Values(y), (std::vector<double>{0, 1, 2}));
}

TEST(ValueListTest, AssignCopiesSettingsNotNameOrValues)
{
    TChartSeries a;
    TChartSeries b;
    a.YValues().SetOrder(TChartListOrder::loDescending);
    a.YValues().SetDateTime(true);
    a.YValues().SetMultiplier(3);
    a.YValues().AddInOrder(1);
    b.YValues().Assign(a.YValues());
    EXPECT_EQ(b.YValues().Order(), TChartListOrder::loDescending);
    EXPECT_TRUE(b.YValues().DateTime());
    EXPECT_EQ(b.YValues().Multiplier(), 3);
    EXPECT_EQ(b.YValues().Name(), "Y");
    EXPECT_EQ(b.YValues().ValueCount(), 0);
}

// Sorting moves whole points: x, y, colours and labels stay together.
TEST(ValueListTest, SortPointsMovesWholePointsBothOrders)
{
    for (TChartListOrder order : {TChartListOrder::loAscending, TChartListOrder::loDescending}) {
        TChartSeries series;
        series.XValues().SetOrder(TChartListOrder::loNone);
        std::mt19937 random(7);
        std::uniform_int_distribution<int> pick(-50, 50);
        for (int i = 0; i < 200; ++i) {
            const int x = pick(random);
            series.AddPoint(x, x * 10, QString::number(x), static_cast<TColor>(x + 100));
        }
        series.XValues().SetOrder(order);
        series.XValues().SortPoints();
        for (int i = 0; i < series.PointCount(); ++i) {
            const double x = series.XValueAt(i);
            EXPECT_EQ(series.YValueAt(i), x * 10);
            EXPECT_EQ(series.PointLabel(i), QString::number(x));
            EXPECT_EQ(series.PointColor(i), static_cast<TColor>(x + 100));
            if (i == 0)
                continue;
            if (order == TChartListOrder::loAscending) {
                EXPECT_LE(series.XValueAt(i - 1), x);
            } else {
                EXPECT_GE(series.XValueAt(i - 1), x);
            }
        }
    }
}

TEST(ValueListTest, SortPointsWithOrderNoneLeavesPointsAlone)
{
    TChartSeries series;
    series.XValues().SetOrder(TChartListOrder::loNone);
    for (double x : {3.0, 1.0, 2.0})
        series.AddPoint(x, 0);
    series.XValues().SortPoints();
    EXPECT_EQ(Values(series.XValues()), (std::vector<double>{3, 1, 2}));
}

}  // namespace
