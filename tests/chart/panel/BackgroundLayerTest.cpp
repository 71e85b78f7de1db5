// The kept background layer: a drawing that copies it must give the pixels a full drawing gives, and the
// chart events must run as often and in the order they would without it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <functional>
#include <string>

#include "PanelTestChart.h"
#include "chart/axis/TChartAxis.h"
#include "chart/scale/NumberSeparators.h"
#include "chart/series/TLineSeries.h"

using namespace rna::chart;
using rna::chart::test::RecordingChart;

namespace {

// A screen-like chart with a curve whose points a drag would refill.
struct LayerChart {
    RecordingChart chart;
    TLineSeries curve;
    TLineSeries marker;

    LayerChart()
    {
        chart.resize(220, 230);
        chart.SetBevelOuter(TBevelCut::bvNone);
        chart.SetView3D(false);
        chart.Legend().SetVisible(false);
        chart.Title().SetText({"Functia"});
        chart.BottomAxis()->Title().SetCaption(QStringLiteral("Intrare neta"));
        chart.BottomAxis()->SetAutomatic(false);
        chart.BottomAxis()->SetMaximum(5.05);
        chart.BottomAxis()->SetMinimum(-5.05);
        chart.LeftAxis()->SetIncrement(0.25);  // labels with decimals
        curve.SetParentChart(&chart);
        marker.SetParentChart(&chart);
        marker.LinePen().SetWidth(3);
        Refill(0.5, 1.0);
    }
    void Refill(double markerX, double scale)
    {
        curve.ClearPoints();
        marker.ClearPoints();
        for (int x = -5; x <= 5; ++x) {
            curve.AddPoint(x, scale * x * 0.15);
            marker.AddPoint(markerX, scale * x * 0.15);
        }
    }
    // Refills the marker alone, at markerX over the curve's heights.
    void MoveMarker(double markerX)
    {
        marker.ClearPoints();
        for (int x = -5; x <= 5; ++x)
            marker.AddPoint(markerX, x * 0.15);
    }
    // Refills the curve with the same points, but for the one at x = 2 (a change only a look at the
    // points can tell, as the screens refill their series).
    void RefillCurve(double y2, TColor color2)
    {
        curve.ClearPoints();
        for (int x = -5; x <= 5; ++x)
            curve.AddPoint(x, x == 2 ? y2 : x * 0.15, QString(), x == 2 ? color2 : clUseSeriesColor);
    }
    QImage Draw()
    {
        chart.Draw();
        return chart.Canvas().Image().copy();
    }
};

struct PaletteRestorer {
    QPalette saved = QApplication::palette();
    ~PaletteRestorer() { QApplication::setPalette(saved); }
};

}  // namespace

// Each change comes between a first and a second drawing of two equal charts; one of them has an
// OnBeforeDrawAxes handler, which makes every drawing a full one. Both must draw the same pixels.
TEST(BackgroundLayer, DrawingAfterAChangeEqualsAFullDrawing)
{
    struct Case {
        const char* name;
        std::function<void(LayerChart&)> change;
    };
    const Case cases[] = {
        {"nothing but the series' points", [](LayerChart& c) { c.Refill(-2.3, 1.0); }},
        // A wide dashed line is left to the painter: the layer cannot tell which pixels it covered.
        {"series drawn by the painter", [](LayerChart& c) { c.marker.LinePen().SetStyle(TPenStyle::psDash); }},
        {"automatic left axis follows the points", [](LayerChart& c) { c.Refill(1.0, 3.0); }},
        {"automatic left axis moves by a hair", [](LayerChart& c) { c.Refill(1.0, 1.0001); }},
        {"x values become date-times",
         [](LayerChart& c) {
             c.curve.XValues().SetDateTime(true);
             c.marker.XValues().SetDateTime(true);
         }},
        {"title text", [](LayerChart& c) { c.chart.Title().SetText({"Alta"}); }},
        {"left axis fixed",
         [](LayerChart& c) {
             c.chart.LeftAxis()->SetAutomatic(false);
             c.chart.LeftAxis()->SetMaximum(2);
             c.chart.LeftAxis()->SetMinimum(-0.5);
         }},
        {"series hidden", [](LayerChart& c) { c.curve.SetActive(false); }},
        {"size", [](LayerChart& c) { c.chart.resize(200, 240); }},
        {"number separators", [](LayerChart&) { SetNumberSeparators(',', '.'); }},
        {"label event assigned",
         [](LayerChart& c) {
             c.chart.SetOnGetAxisLabel(
                 [](TCustomChartAxis&, TChartSeries*, int, QString& text) { text += QStringLiteral("!"); });
         }},
        {"system colours",
         [](LayerChart&) {
             QPalette palette = QApplication::palette();
             palette.setColor(QPalette::Active, QPalette::Button, QColor(10, 200, 30));
             QApplication::setPalette(palette);
         }},
        {"canvas state left by another user",
         [](LayerChart& c) {
             c.chart.Canvas().SetTextBackMode(OPAQUE);
             c.chart.Canvas().Brush().SetColor(clRed);
             c.chart.Canvas().MovePenTo(3, 3);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PaletteRestorer palette;
        LayerChart layered;
        LayerChart full;
        full.chart.SetOnBeforeDrawAxes([] {});
        // The first drawing starts from a new canvas, the later ones from the state a drawing leaves.
        ASSERT_EQ(layered.Draw(), full.Draw());
        // Two more drawings, so that the layer's layout is known and put back rather than worked out.
        for (double markerX : {-1.2, 2.4}) {
            layered.Refill(markerX, 1.0);
            full.Refill(markerX, 1.0);
            ASSERT_EQ(layered.Draw(), full.Draw());
        }
        c.change(layered);
        c.change(full);
        EXPECT_EQ(layered.Draw(), full.Draw());
        layered.Refill(3.1, 1.0);  // and once more with the layer of the second drawing
        full.Refill(3.1, 1.0);
        EXPECT_EQ(layered.Draw(), full.Draw());
        SetNumberSeparators('.', ',');
    }
}

TEST(BackgroundLayer, ChartEventsRunOncePerDrawingInOrder)
{
    struct Case {
        const char* name;
        bool beforeAxes;
        const char* perDrawing;
    };
    const Case cases[] = {
        {"series and after-draw events", false, "sa"},
        {"with the axes' event", true, "xsa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LayerChart layered;
        std::string calls;
        if (c.beforeAxes)
            layered.chart.SetOnBeforeDrawAxes([&] { calls += 'x'; });
        layered.chart.SetOnBeforeDrawSeries([&] { calls += 's'; });
        layered.chart.SetOnAfterDraw([&] { calls += 'a'; });
        std::string expected;
        for (double markerX : {0.0, 1.5, -2.0, -2.0}) {
            layered.Refill(markerX, 1.0);
            layered.Draw();
            expected += c.perDrawing;
        }
        EXPECT_EQ(calls, expected);
    }
}

// Once the curve has stayed the same over two drawings, the layer holds it with the background and the
// drawings after copy it. A change of the curve, or of what its drawing reads, must draw it again: each
// drawing must equal that of a chart that keeps no layer at all. The marker moves at every drawing.
TEST(SeriesLayer, HeldSeriesIsDrawnAgainAfterAChange)
{
    struct Case {
        const char* name;
        std::function<void(LayerChart&)> change;
    };
    const Case cases[] = {
        {"one point's value, refilled", [](LayerChart& c) { c.RefillCurve(0.6, clUseSeriesColor); }},
        {"one point's colour, refilled", [](LayerChart& c) { c.RefillCurve(0.3, clRed); }},
        {"one point's colour, set", [](LayerChart& c) { c.curve.SetPointColor(4, clGreen); }},
        {"series colour", [](LayerChart& c) { c.curve.SetSeriesColor(clFuchsia); }},
        {"line width", [](LayerChart& c) { c.curve.LinePen().SetWidth(2); }},
        {"markers shown", [](LayerChart& c) { c.curve.Pointer().SetVisible(true); }},
        {"series hidden", [](LayerChart& c) { c.curve.SetActive(false); }},
        {"fewer visible points", [](LayerChart& c) { c.chart.BottomAxis()->SetMaximum(3.05); }},
        {"points not clipped", [](LayerChart& c) { c.chart.SetClipPoints(false); }},
        {"series order: the curve over the marker",
         [](LayerChart& c) {
             c.curve.SetParentChart(nullptr);
             c.curve.SetParentChart(&c.chart);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LayerChart layered;
        LayerChart full;
        full.chart.SetOnBeforeDrawAxes([] {});
        full.chart.LeftAxis()->SetAutomatic(false);  // the same fixed axis on both, so that a changed point
        full.chart.LeftAxis()->SetMinimum(-1);  // does not move it
        full.chart.LeftAxis()->SetMaximum(1);
        layered.chart.LeftAxis()->SetAutomatic(false);
        layered.chart.LeftAxis()->SetMinimum(-1);
        layered.chart.LeftAxis()->SetMaximum(1);
        for (double markerX : {0.5, -1.2, 2.4, 1.1}) {
            layered.MoveMarker(markerX);
            full.MoveMarker(markerX);
            layered.RefillCurve(0.3, clUseSeriesColor);
            full.RefillCurve(0.3, clUseSeriesColor);
            ASSERT_EQ(layered.Draw(), full.Draw());
        }
        c.change(layered);
        c.change(full);
        EXPECT_EQ(layered.Draw(), full.Draw());
        for (double markerX : {-3.3, 0.7, 4.0}) {  // held again from the second of these on
            layered.MoveMarker(markerX);
            full.MoveMarker(markerX);
            EXPECT_EQ(layered.Draw(), full.Draw());
        }
    }
}

// Only series drawn first, straight over the background, may be held: a series that stays the same after
// one that changes at every drawing is drawn every time, over the changed one.
TEST(SeriesLayer, SeriesAfterAChangingOneIsDrawnEveryTime)
{
    LayerChart layered;
    LayerChart full;
    full.chart.SetOnBeforeDrawAxes([] {});
    for (LayerChart* c : {&layered, &full}) {
        c->chart.LeftAxis()->SetAutomatic(false);
        c->chart.LeftAxis()->SetMinimum(-1);
        c->chart.LeftAxis()->SetMaximum(1);
        c->curve.LinePen().SetWidth(1);
        c->marker.LinePen().SetWidth(5);  // wide enough to cover the curve where they cross
    }
    for (double y2 : {0.3, -0.5, 0.8, 0.2, 0.9}) {
        SCOPED_TRACE(y2);
        layered.MoveMarker(0.4);
        full.MoveMarker(0.4);
        layered.RefillCurve(y2, clUseSeriesColor);
        full.RefillCurve(y2, clUseSeriesColor);
        EXPECT_EQ(layered.Draw(), full.Draw());
    }
}

// Events assigned to a series the layer holds (which tells the chart nothing) run at every drawing after,
// and what they change is drawn.
TEST(SeriesLayer, EventsOfAHeldSeriesRun)
{
    LayerChart layered;
    LayerChart full;
    full.chart.SetOnBeforeDrawAxes([] {});
    for (LayerChart* c : {&layered, &full}) {
        c->curve.Pointer().SetVisible(true);
        for (double markerX : {0.5, -1.2, 2.4}) {
            c->MoveMarker(markerX);
            c->Draw();
        }
    }
    std::string calls;
    layered.curve.BeforeDrawValues = [&](TChartSeries&) { calls += 'b'; };
    layered.curve.AfterDrawValues = [&](TChartSeries&) { calls += 'a'; };
    for (LayerChart* c : {&layered, &full})
        c->curve.OnGetPointerStyle = [](TChartSeries&, int) { return TSeriesPointerStyle::psDiamond; };
    for (double markerX : {0.5, -1.2, 2.4}) {
        layered.MoveMarker(markerX);
        full.MoveMarker(markerX);
        EXPECT_EQ(layered.Draw(), full.Draw());
    }
    EXPECT_EQ(calls, "bababa");

    // The chart's event before the series, assigned while the curve is held.
    layered.curve.BeforeDrawValues = nullptr;
    layered.curve.AfterDrawValues = nullptr;
    for (LayerChart* c : {&layered, &full})
        c->curve.OnGetPointerStyle = nullptr;
    for (double markerX : {0.5, -1.2, 2.4}) {
        layered.MoveMarker(markerX);
        layered.Draw();
    }
    layered.chart.SetOnBeforeDrawSeries([&] {
        calls += 's';
        layered.chart.Canvas().Brush().SetColor(clRed);
        layered.chart.Canvas().FillRectangle({0, 0, 400, 400});
    });
    full.chart.SetOnBeforeDrawSeries([&] {
        full.chart.Canvas().Brush().SetColor(clRed);
        full.chart.Canvas().FillRectangle({0, 0, 400, 400});
    });
    calls.clear();
    for (double markerX : {0.5, -1.2}) {
        layered.MoveMarker(markerX);
        full.MoveMarker(markerX);
        EXPECT_EQ(layered.Draw(), full.Draw());
    }
    EXPECT_EQ(calls, "ss");
}
