// What a chart's drawing up to its axes depended on, kept with the image layer of that drawing.
#pragma once

#include <vector>

#include "chart/axis/TCustomChartAxis.h"
#include "chart/canvas/CanvasState.h"
#include "chart/panel/ChartLayout.h"
#include "chart/core/ChartGeometry.h"
#include "chart/scale/NumberSeparators.h"

namespace rna::chart {

class TCustomAxisPanel;

// The background (panel, titles, walls, axes) is drawn from the chart's settings, the size of the drawing,
// the canvas' state, the number separators and, through the axis layout, the series. A drawing that finds
// all of these as the last kept layer found them draws the same background pixels, so it copies the layer
// instead. The chart's setting changes are counted by the chart; the series' part is compared through the
// layout they lead to: the layer's layout and this drawing's are compared as two values.
class BackgroundLayer {
public:
    // The layer matches what a drawing starts from: the same settings, bounds, canvas state and separators.
    bool MatchesStart(unsigned settingsChanges, const Rect& bounds, const TChartCanvas3D& canvas) const;
    // The layout the layer was drawn with (where the titles left the plotting rectangle, what the axes left
    // of it, each axis' placement).
    const ChartLayout& Layout() const { return layout_; }
    // Whether this drawing's layout would come out as the one last worked out for the layer: what a layout
    // reads besides the settings, the bounds and the canvas' state is as it was then. That is each axis'
    // resolved range and the pixel ends the last drawing left it (label steps are measured along them),
    // whether it is in use, its wall, date-time values and label style, and the margins the series ask of
    // it. Resolves the axes' ranges first, as a layout would.
    bool LayoutInputsMatch(TCustomAxisPanel& chart);
    // The layout just worked out, from the inputs LayoutInputsMatch last saw, is the layer's: the inputs are
    // kept, so that the next drawing that finds them puts the layer's layout back.
    void KeepLayoutInputs();
    // Gives the canvas the state the layer's drawing left it in.
    void RestoreEndState(TChartCanvas3D& canvas) const;

    // Remembers the start of a drawing (before anything is drawn), then the drawing's layout and the canvas'
    // state at the end of the layer's drawing.
    void BeginKeeping(unsigned settingsChanges, const Rect& bounds, TChartCanvas3D& canvas);
    void EndKeeping(const ChartLayout& layout, const TChartCanvas3D& canvas);
    void Forget() { valid_ = layoutKnown_ = false; }

    // Whether a layer may stand for the drawing at all: no chart event runs inside it, it is 2D on the
    // image, and no axis takes its labels from the series' points.
    static bool MayKeep(const TCustomAxisPanel& chart);

private:
    struct LayoutInput {
        AxisScale Scale;
        bool InUse = false;
        int WallSize = 0;
        bool DateTime = false;
        TAxisLabelStyle LabelStyle = TAxisLabelStyle::talAuto;
        int MarginStart = 0;
        int MarginEnd = 0;
        friend bool operator==(const LayoutInput&, const LayoutInput&) = default;
    };

    bool valid_ = false;
    unsigned settingsChanges_ = 0;
    Rect bounds_;
    NumberSeparators separators_;
    CanvasState startState_;
    QPoint startPenPos_;
    bool startPenPosUsed_ = false;  // whether the drawing drew from the pen position it found
    ChartLayout layout_;
    // The inputs of the layer's layout, once a drawing has worked the layout out from them again.
    bool layoutKnown_ = false;
    std::vector<LayoutInput> layoutInputs_;
    std::vector<LayoutInput> inputScratch_;  // this drawing's inputs, reused between drawings
    CanvasState endState_;
    QPoint endPenPos_;
};

}  // namespace rna::chart
