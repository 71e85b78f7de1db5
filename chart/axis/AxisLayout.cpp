#include "chart/axis/AxisLayout.h"

#include "chart/axis/TCustomChartAxis.h"
#include "chart/canvas/TChartCanvas.h"
#include "chart/scale/AxisScale.h"

#include <algorithm>

namespace rna::chart {

namespace {

constexpr std::size_t AxesTakingSpace = 5;

enum class Side { Bottom, Top, Left, Right };

Side SideOf(const TCustomChartAxis& axis)
{
    if (axis.IsHorizontal())
        return axis.IsFarSide() ? Side::Top : Side::Bottom;
    return axis.IsFarSide() ? Side::Right : Side::Left;
}

void Take(const TCustomChartAxis& axis, Rect& r, int n)
{
    switch (SideOf(axis)) {
    case Side::Bottom:
        r.Bottom -= n;
        break;
    case Side::Top:
        r.Top += n;
        break;
    case Side::Left:
        r.Left += n;
        break;
    case Side::Right:
        r.Right -= n;
        break;
    }
}

// q moved outward (away from the plotting area) by n pixels.
int Outward(const TCustomChartAxis& axis, int q, int n)
{
    const Side side = SideOf(axis);
    return (side == Side::Bottom || side == Side::Right) ? q + n : q - n;
}

int OtherExtent(const TCustomChartAxis& axis, const Rect& r)
{
    return axis.IsHorizontal() ? r.Height() : r.Width();
}

bool UprightFor(const TCustomChartAxis& axis, int angle)
{
    // Text whose height runs across the axis: level text on a horizontal axis, upright on a vertical one.
    if (axis.IsHorizontal())
        return angle == 0 || angle == 180;
    return angle == 90 || angle == 270;
}

}  // namespace

int TickBandSize(const TCustomChartAxis& axis)
{
    int n = (axis.Axis().Visible() ? axis.Axis().Width() : 0) + (axis.Ticks().Visible() ? axis.TickLength() : 0);
    if (axis.MinorTicks().Visible())
        n = std::max(n, axis.MinorTickLength());
    return n;
}

int LabelBandSize(const TCustomChartAxis& axis, TChartCanvas& canvas)
{
    if (axis.LabelsSize() != 0)
        return axis.LabelsSize();
    canvas.Font().Assign(axis.LabelsFont());
    if (UprightFor(axis, axis.LabelsAngle()))
        return canvas.FontHeight();
    return axis.WidestLabel(canvas);
}

int TitleBandSize(const TCustomChartAxis& axis, TChartCanvas& canvas)
{
    if (axis.TitleSize() != 0)
        return axis.TitleSize();
    canvas.Font().Assign(axis.Title().Font());
    if (UprightFor(axis, axis.Title().Angle()))
        return canvas.FontHeight();
    return canvas.TextWidthOf(axis.Title().Caption());
}

int AxisPositionOffset(const TCustomChartAxis& axis, int q, int extent)
{
    if (axis.PositionPercent() == 0)
        return q;
    int d = static_cast<int>(AxisScale::Round(axis.PositionPercent() * 0.01L * extent));
    if (axis.IsFarSide())
        d = -d;
    return axis.IsHorizontal() ? q - d : q + d;
}

int AxisEdge(const TCustomChartAxis& axis, const Rect& r)
{
    switch (SideOf(axis)) {
    case Side::Bottom:
        return r.Bottom;
    case Side::Top:
        return r.Top;
    case Side::Left:
        return r.Left;
    case Side::Right:
        return r.Right;
    }
    return r.Left;
}

void ReserveAxisSpace(TCustomChartAxis& axis, Rect& r, TChartCanvas& canvas, int wallSize)
{
    axis.RefreshDateTime();
    if (axis.IsDepth()) {
        axis.TitlePos = r.Right;
    } else if (!axis.Title().Caption().isEmpty()) {
        Take(axis, r, TitleBandSize(axis, canvas));
        axis.TitlePos = AxisEdge(axis, r);
    }
    if (axis.Labels()) {
        Take(axis, r, LabelBandSize(axis, canvas));
        axis.LabelsPos = AxisEdge(axis, r);
    }
    const int ticks = TickBandSize(axis) + wallSize;
    if (ticks > 0)
        Take(axis, r, ticks);
    axis.TitlePos = AxisPositionOffset(axis, axis.TitlePos, OtherExtent(axis, r));
    axis.LabelsPos = AxisPositionOffset(axis, axis.LabelsPos, OtherExtent(axis, r));
}

int AxisLinePosition(const TCustomChartAxis& axis, const Rect& plotRect)
{
    return AxisPositionOffset(axis, AxisEdge(axis, plotRect), OtherExtent(axis, plotRect));
}

void PlaceAxisOutside(TCustomChartAxis& axis, const Rect& r, TChartCanvas& canvas)
{
    axis.RefreshDateTime();
    axis.LabelsPos = Outward(axis, AxisLinePosition(axis, r), TickBandSize(axis));
    axis.TitlePos = Outward(axis, axis.LabelsPos, LabelBandSize(axis, canvas));
}

Rect LayoutAxes(const std::vector<AxisSlot>& axes, Rect plotRect, TChartCanvas& canvas)
{
    Rect t = plotRect;
    for (std::size_t i = 0; i < axes.size(); ++i) {
        if (!axes[i].InUse || axes[i].Axis == nullptr)
            continue;
        Rect r = t;
        if (i < AxesTakingSpace)
            ReserveAxisSpace(*axes[i].Axis, r, canvas, axes[i].WallSize);
        else
            PlaceAxisOutside(*axes[i].Axis, r, canvas);
        const Rect overlap = Intersect(r, t);
        if (!overlap.IsEmpty())
            t = overlap;
    }
    return t;
}

}  // namespace rna::chart
