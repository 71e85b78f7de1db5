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
