#include "chart/panel/BackgroundLayer.h"

#include "chart/panel/FitSeriesMargins.h"
#include "chart/panel/TCustomAxisPanel.h"

namespace rna::chart {

namespace {

bool SameSeparators(NumberSeparators a, NumberSeparators b)
{
    return a.Decimal == b.Decimal && a.Thousand == b.Thousand;
}

}  // namespace

bool BackgroundLayer::MatchesStart(unsigned settingsChanges, const Rect& bounds, const TChartCanvas3D& canvas) const
{
    return valid_ && settingsChanges == settingsChanges_ && bounds == bounds_ &&
           SameSeparators(separators_, CurrentNumberSeparators()) && startState_.Holds(canvas) &&
           (!startPenPosUsed_ || canvas.PenPosition() == startPenPos_);
}

void BackgroundLayer::RestoreEndState(TChartCanvas3D& canvas) const
{
    endState_.Restore(canvas);
    canvas.MovePenTo(endPenPos_.x(), endPenPos_.y());
}

bool BackgroundLayer::LayoutInputsMatch(TCustomAxisPanel& chart)
{
    inputScratch_.clear();
    for (TCustomChartAxis* axis : chart.AxesList()) {
        axis->ResolveRange();
        LayoutInput input{axis->Scale(), chart.AxisInUse(*axis), chart.AxisWallSize(*axis), chart.SeriesDateTime(*axis),
                          axis->EffectiveLabelStyle()};
        SeriesMargins(chart, *axis, input.MarginStart, input.MarginEnd);
        inputScratch_.push_back(input);
    }
    return layoutKnown_ && inputScratch_ == layoutInputs_;
}

void BackgroundLayer::KeepLayoutInputs()
{
    layoutInputs_.swap(inputScratch_);
    layoutKnown_ = true;
}

void BackgroundLayer::BeginKeeping(unsigned settingsChanges, const Rect& bounds, TChartCanvas3D& canvas)
{
    valid_ = layoutKnown_ = false;
    settingsChanges_ = settingsChanges;
    bounds_ = bounds;
    separators_ = CurrentNumberSeparators();
    startState_.Capture(canvas);
    startPenPos_ = canvas.PenPosition();
    canvas.WatchPenPosition();
}

void BackgroundLayer::EndKeeping(const ChartLayout& layout, const TChartCanvas3D& canvas)
{
    startPenPosUsed_ = canvas.PenPositionUsed();
    layout_ = layout;
    endState_.Capture(canvas);
    endPenPos_ = canvas.PenPosition();
    valid_ = true;
}

bool BackgroundLayer::MayKeep(const TCustomAxisPanel& chart)
{
    if (chart.HasBackgroundEvents() || chart.View3D() || chart.Printing() || !chart.Canvas().BufferedDisplay())
        return false;
    for (const TCustomChartAxis* axis : chart.AxesList()) {
        if (!chart.AxisInUse(*axis))
            continue;
        const TAxisLabelStyle style = axis->EffectiveLabelStyle();
        if (style == TAxisLabelStyle::talMark || style == TAxisLabelStyle::talText)
            return false;
    }
    return true;
}

}  // namespace rna::chart
