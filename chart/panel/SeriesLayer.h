// The chart's first series whose drawing the image layer holds over the background.
#pragma once

#include <QPoint>
#include <QString>

#include <cstddef>
#include <vector>

#include "chart/canvas/CanvasState.h"
#include "chart/core/ChartColor.h"
#include "chart/core/ChartGeometry.h"
#include "chart/scale/AxisScale.h"

namespace rna::chart {

class TChartSeries;
class TCustomChartAxis;

// While a student drags a slider the screens clear and refill every series, though often only the last one
// (the marker) moves. A leading run of series that a drawing found exactly as the drawing before it found
// them is added to the image layer, so that the next drawings copy it with the background instead of
// drawing it. Only series drawn first may be held, since every later series is drawn over them.
//
// What a series' drawing depends on is recorded and compared: the series itself at its place in the list,
// its axes and their mappings, the plotting rectangle, whether it is active and clipped, its count of
// setting changes, every point's values, colour and label, and the range of points it finds visible. The
// canvas' state at its start is the one the background layer left, which the series layer needs: it is
// forgotten whenever the background is drawn anew.
class SeriesLayer {
public:
    // How many of the chart's first series the layer holds.
    std::size_t Held() const { return held_; }
    // The series the layer holds would draw what it holds in this drawing: the chart's layout is in
    // place. Also gives them the visible range that drawing them would find.
    // `mayHold` as for Drawn: with an event to run, the held series must be drawn.
    bool HeldSeriesMatch(const std::vector<TChartSeries*>& series, const Rect& plotRect, bool clip, bool mayHold);
    // Gives the canvas the state the drawing of the held series left it in.
    void RestoreEndState(TChartCanvas3D& canvas) const;
    // Series `index` was just drawn, after every series before it was held. When it was drawn as in the
    // drawing before (recorded then), it joins the layer: answers True, and the next series may join.
    // `mayHold` is False when a chart event runs while the series are drawn: nothing joins then.
    bool Drawn(std::size_t index, TChartSeries& series, const Rect& plotRect, bool clip, bool mayHold,
               TChartCanvas3D& canvas);
    // The layer no longer holds series (the background is drawn anew), nor are earlier drawings known.
    void Forget() { held_ = recorded_ = 0; }

private:
    struct Record {
        const TChartSeries* Series = nullptr;
        const TCustomChartAxis* Horiz = nullptr;
        const TCustomChartAxis* Vert = nullptr;
        AxisScale HorizScale;
        AxisScale VertScale;
        Rect PlotRect;
        bool Active = false;
        bool Clip = false;
        unsigned Changes = 0;
        int First = -1;
        int Last = -1;
        std::vector<double> X;
        std::vector<double> Y;
        std::vector<TColor> Colors;
        std::vector<QString> Labels;
        bool SameAs(const Record& other) const;
    };
    // Records what drawing the series depends on; sets its visible range when it is drawn at all.
    static void RecordSeries(TChartSeries& series, const Rect& plotRect, bool clip, Record& record);

    std::vector<Record> records_;  // the first recorded_ series as the last drawings found them
    std::size_t recorded_ = 0;
    std::size_t held_ = 0;  // the first held_ records are those of the series in the layer
    Record scratch_;  // this drawing's record, reused between drawings
    CanvasState endState_;
    QPoint endPenPos_;
};

}  // namespace rna::chart
