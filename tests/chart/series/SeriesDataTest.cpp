// Point storage of a series: adding with its events, clearing, deleting, colours, labels, dependents.
#include "chart/axis/TChartAxis.h"
#include "chart/core/ChartException.h"
#include "chart/core/ListIndexError.h"
#include "chart/panel/TChart.h"
#include "chart/series/TChartSeries.h"
#include "chart/series/TSeriesMarks.h"

#include <gtest/gtest.h>

using namespace rna::chart;

namespace {

// Draws the chart once into its image, so that the image is no longer stale.
void Settle(TChart& chart)
{
    chart.resize(200, 150);
    chart.DrawChart(nullptr, Rect{0, 0, 200, 150});
    ASSERT_FALSE(chart.Canvas().Dirty());
}

TEST(SeriesDataTest, OnBeforeAddSeesPendingValuesAndMayChangeOrRefuseThem)
{
    TChartSeries series;
    series.OnBeforeAdd = [](TChartSeries& s) {
        if (s.XValues().PendingValue() < 0)
            return false;
        s.YValues().SetPendingValue(s.YValues().PendingValue() * 100);
        return true;
    };
    int afterCalls = 0;
    int lastIndex = -2;
    series.OnAfterAdd = [&](TChartSeries&, int index) {
        ++afterCalls;
        lastIndex = index;
    };
    EXPECT_EQ(series.AddPoint(-1, 1), -1);
    EXPECT_EQ(series.PointCount(), 0);
    EXPECT_EQ(afterCalls, 0);
    EXPECT_EQ(series.AddPoint(2, 3), 0);
    EXPECT_EQ(series.AddPoint(1, 4), 0);
    EXPECT_EQ(afterCalls, 2);
    EXPECT_EQ(lastIndex, 0);
    EXPECT_EQ(series.YValueAt(0), 400);
    EXPECT_EQ(series.YValueAt(1), 300);
}

// Refilling asks for one repaint per point and draws nothing: the chart renders once, at its next paint.
TEST(SeriesDataTest, EveryAddAndClearRequestsOneRepaintWhenActive)
{
    TChart chart;
    TChartSeries series;
    series.AddPoint(0, 0);  // no chart: nothing to ask
    series.SetParentChart(&chart);
    Settle(chart);
    int before = chart.RedrawRequests();
    series.ClearPoints();
    for (int i = -25; i <= 25; ++i)
        series.AddPoint(i, i);
    EXPECT_EQ(chart.RedrawRequests() - before, 52);
    EXPECT_TRUE(chart.Canvas().Dirty());

    series.SetActive(false);
    before = chart.RedrawRequests();
    series.AddPoint(30, 0);
    series.DeletePoint(0);
    series.ClearPoints();
    EXPECT_EQ(chart.RedrawRequests(), before);
}

TEST(SeriesDataTest, ClearPointsEmptiesEverythingAndRunsItsEvent)
{
    TChartSeries series;
    series.AddPoint(1, 2, "a", clRed);
    series.AddPoint(2, 3, "b", clBlue);
    int clears = 0;
    series.OnClearValues = [&](TChartSeries&) { ++clears; };
    series.ClearPoints();
    EXPECT_EQ(series.PointCount(), 0);
    EXPECT_EQ(series.YValues().ValueCount(), 0);
    EXPECT_EQ(series.PointLabel(0), "");
    EXPECT_EQ(series.StoredPointColor(0), clUseSeriesColor);
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(series.YValues().Highest(), 0);
}

TEST(SeriesDataTest, ClearPointsOutsideAChartJustEmpties)
{
    TChartSeries series;
    series.AddPoint(1, 2);
    series.ClearPoints();
    EXPECT_EQ(series.PointCount(), 0);
}

TEST(SeriesDataTest, PointColorRules)
{
    TChartSeries series;
    series.SetSeriesColor(clRed);
    series.AddPoint(0, 0);  // no colour of its own
    series.AddPoint(1, 0, "", clBlue);
    series.AddEmptyPointXY(2, 0);
    EXPECT_EQ(series.PointColor(0), clRed);
    EXPECT_EQ(series.PointColor(1), clBlue);
    EXPECT_EQ(series.PointColor(2), clNone);
    EXPECT_TRUE(series.IsEmptyPoint(2));
    EXPECT_FALSE(series.IsEmptyPoint(0));
    EXPECT_EQ(series.PointColor(99), clRed);  // beyond the stored colours
    EXPECT_EQ(series.PointColor(-1), clRed);

    series.SetColorEachPoint(true);
    EXPECT_EQ(series.PointColor(0), DefaultPalette[0]);
    for (int i = 3; i < 20; ++i)
        series.AddPoint(i, 0);
    EXPECT_EQ(series.PointColor(17), DefaultPalette[1]);
    EXPECT_EQ(series.PointColor(1), clBlue);  // its own colour wins

    series.SetColorEachPoint(false);  // resets every stored colour
    EXPECT_EQ(series.PointColor(1), clRed);
    EXPECT_EQ(series.PointColor(2), clRed);
}

TEST(SeriesDataTest, LabelsAreCopiesAndEmptyMeansNone)
{
    TChartSeries series;
    QString text = "unu";
    series.AddPoint(0, 0, text);
    series.AddPoint(1, 0, "");
    text[0] = 'U';
    EXPECT_EQ(series.PointLabel(0), "unu");
    EXPECT_EQ(series.PointLabel(1), "");
    EXPECT_EQ(series.PointLabel(5), "");
    series.SetPointLabel(1, "doi");
    EXPECT_EQ(series.PointLabel(1), "doi");
}

TEST(SeriesDataTest, AddValueAndEmptyPoints)
{
    TChartSeries series;
    EXPECT_EQ(series.AddValue(7), 0);
    EXPECT_EQ(series.AddValue(8, "x"), 1);
    EXPECT_EQ(series.AddEmptyPoint("gol"), 2);
    EXPECT_EQ(series.XValueAt(1), 1);
    EXPECT_EQ(series.YValueAt(1), 8);
    EXPECT_EQ(series.YValueAt(2), 0);
    EXPECT_TRUE(series.IsEmptyPoint(2));
    EXPECT_EQ(series.PointLabel(2), "gol");
}

TEST(SeriesDataTest, DeleteAndExchangeMoveEveryPart)
{
    TChartSeries series;
    series.XValues().SetOrder(TChartListOrder::loNone);
    series.AddPoint(0, 10, "a", clRed);
    series.AddPoint(1, 11, "b", clBlue);
    series.AddPoint(2, 12, "c", clGreen);
    series.ExchangePoints(0, 2);
    EXPECT_EQ(series.XValueAt(0), 2);
    EXPECT_EQ(series.YValueAt(0), 12);
    EXPECT_EQ(series.PointLabel(0), "c");
    EXPECT_EQ(series.PointColor(0), clGreen);
    series.DeletePoint(1);
    ASSERT_EQ(series.PointCount(), 2);
    EXPECT_EQ(series.PointLabel(1), "a");
    EXPECT_EQ(series.PointColor(1), clRed);
    EXPECT_EQ(series.YValueAt(1), 10);
}

TEST(SeriesDataTest, IndexErrorsChangeNothing)
{
    TChartSeries series;
    series.AddPoint(0, 1, "a");
    EXPECT_THROW(series.DeletePoint(1), ListIndexError);
    EXPECT_THROW(series.DeletePoint(-1), ListIndexError);
    EXPECT_THROW(series.ExchangePoints(0, 3), ListIndexError);
    EXPECT_THROW(series.XValueAt(1), ListIndexError);
    EXPECT_EQ(series.PointCount(), 1);
    EXPECT_EQ(series.PointLabel(0), "a");
    EXPECT_THROW(series.FillSampleValues(0), ChartException);
    try {
        series.FillSampleValues(-3);
    } catch (const ChartException& error) {
        EXPECT_STREQ(error.what(), "FillSampleValues NumValues must be > 0");
    }
    series.FillSampleValues(5);
    EXPECT_EQ(series.PointCount(), 5);
}

TEST(SeriesDataTest, EqualSettingsRequestNoRepaint)
{
    TChart chart;
    TChartSeries series;
    series.SetParentChart(&chart);
    series.SetSeriesColor(clRed);
    series.SetTitle("t");
    series.XValues().SetMultiplier(2);
    series.AddPoint(1, 1);
    Settle(chart);
    const int before = chart.RedrawRequests();
    series.SetSeriesColor(clRed);
    series.SetTitle("t");
    series.SetActive(true);
    series.SetShowInLegend(true);
    series.SetHorizAxis(THorizAxis::aBottomAxis);
    series.XValues().SetMultiplier(2);
    series.XValues().SetDateTime(false);
    series.Marks().SetArrowLength(8);
    series.SetColorEachPoint(false);
    series.SetPointColor(0, clUseSeriesColor);
    EXPECT_FALSE(chart.Canvas().Dirty());
    const std::vector<std::function<void()>> changes = {[&] { series.SetSeriesColor(clGreen); },
                                                        [&] { series.SetTitle("u"); },
                                                        [&] { series.XValues().SetMultiplier(1); },
                                                        [&] { series.XValues().SetDateTime(true); },
                                                        [&] { series.SetVertAxis(TVertAxis::aRightAxis); },
                                                        [&] { series.Marks().SetVisible(true); }};
    EXPECT_EQ(chart.RedrawRequests(), before);
    for (const auto& change : changes) {
        const int count = chart.RedrawRequests();
        change();
        EXPECT_EQ(chart.RedrawRequests() - count, 1);
    }
}

TEST(SeriesDataTest, AxesResolveFromTheChart)
{
    TChart chart;
    TChartSeries series;
    EXPECT_EQ(series.GetHorizAxis(), nullptr);
    series.SetParentChart(&chart);
    EXPECT_EQ(series.GetHorizAxis(), chart.BottomAxis());
    EXPECT_EQ(series.GetVertAxis(), chart.LeftAxis());
    series.SetHorizAxis(THorizAxis::aTopAxis);
    series.SetVertAxis(TVertAxis::aRightAxis);
    EXPECT_EQ(series.GetHorizAxis(), chart.TopAxis());
    EXPECT_EQ(series.GetVertAxis(), chart.RightAxis());
    EXPECT_TRUE(series.AssociatedToAxis(*chart.TopAxis()));
    EXPECT_FALSE(series.AssociatedToAxis(*chart.BottomAxis()));
    series.SetHorizAxis(THorizAxis::aBothHorizAxis);
    EXPECT_TRUE(series.AssociatedToAxis(*chart.TopAxis()));
    EXPECT_TRUE(series.AssociatedToAxis(*chart.BottomAxis()));
    series.SetParentChart(nullptr);
    EXPECT_EQ(series.GetVertAxis(), nullptr);
    EXPECT_EQ(chart.SeriesCount(), 0);
}

TEST(SeriesDataTest, DestroyedSeriesLeavesItsChart)
{
    TChart chart;
    {
        TChartSeries series;
        series.SetParentChart(&chart);
        EXPECT_EQ(chart.SeriesCount(), 1);
    }
    EXPECT_EQ(chart.SeriesCount(), 0);
}

TEST(SeriesDataTest, DestroyedChartLeavesItsSeriesWithoutChart)
{
    TChartSeries series;
    {
        TChart chart;
        series.SetParentChart(&chart);
    }
    EXPECT_EQ(series.ParentChart(), nullptr);
    EXPECT_EQ(series.GetHorizAxis(), nullptr);
    series.AddPoint(1, 1);  // no chart left to ask for a repaint
    EXPECT_EQ(series.PointCount(), 1);
}

TEST(SeriesDataTest, DependentsFollowTheirSource)
{
    TChartSeries source;
    TChartSeries copy;
    source.AddPoint(1, 10, "a", clRed);
    copy.AddDataSource(source);
    ASSERT_EQ(copy.PointCount(), 1);
    EXPECT_EQ(copy.PointLabel(0), "a");

    source.AddPoint(2, 20);
    ASSERT_EQ(copy.PointCount(), 2);
    EXPECT_EQ(copy.YValueAt(1), 20);

    source.YValues().ReplaceAt(0, 11);  // modify: reload
    EXPECT_EQ(copy.YValueAt(0), 11);

    source.YValues().SetMultiplier(2);  // refresh: reload with the read values
    EXPECT_EQ(copy.YValueAt(1), 40);

    source.DeletePoint(0);
    ASSERT_EQ(copy.PointCount(), 1);
    EXPECT_EQ(copy.XValueAt(0), 2);

    copy.UpdateFlags().OnClear = false;
    source.ClearPoints();
    EXPECT_EQ(copy.PointCount(), 1);

    copy.RemoveDataSource(source);
    source.AddPoint(5, 5);
    EXPECT_EQ(copy.PointCount(), 1);
}

TEST(SeriesDataTest, DependencyCyclesAreRefused)
{
    TChartSeries a;
    TChartSeries b;
    b.AddDataSource(a);
    a.AddDataSource(b);  // would notify in a circle
    a.AddDataSource(a);
    EXPECT_TRUE(a.DataSources().empty());
    a.AddPoint(1, 1);
    EXPECT_EQ(b.PointCount(), 1);
}

TEST(SeriesDataTest, DestroyingASourceDetachesDependents)
{
    TChartSeries copy;
    {
        TChartSeries source;
        copy.AddDataSource(source);
    }
    EXPECT_TRUE(copy.DataSources().empty());
}

}  // namespace
