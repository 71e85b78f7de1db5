// A chart for panel tests that records its drawings and the plotting rectangle at each layout step.
#pragma once

#include "chart/panel/TChart.h"

namespace rna::chart::test {

class RecordingChart : public TChart {
public:
    int renders = 0;
    Rect startPlotRect;  // PlotRect from the margins, before any title or axis
    Rect afterTitles;  // PlotRect after the titles took their space

    // Draws the whole chart into its own image, as a paint without a window would.
    void Draw() { DrawChart(nullptr, {0, 0, width(), height()}); }

protected:
    const ChartLayout& LayOutChart(const Rect& bounds) override
    {
        startPlotRect = PlotRect();
        return TChart::LayOutChart(bounds);
    }
    void RenderChart(const Rect& bounds, const ChartLayout& layout) override
    {
        ++renders;
        TChart::RenderChart(bounds, layout);
    }
    void LayOutTitleBlocks() override
    {
        TChart::LayOutTitleBlocks();
        afterTitles = PlotRect();
    }
};

}  // namespace rna::chart::test
