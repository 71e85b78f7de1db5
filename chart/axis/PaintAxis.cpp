#include "chart/axis/PaintAxis.h"

#include "chart/axis/AxisLayout.h"
#include "chart/axis/TCustomChartAxis.h"
#include "chart/canvas/TChartCanvas.h"
#include "chart/scale/AxisScale.h"

namespace rna::chart {

namespace {

// One drawing of one axis: the steps of PaintAxis over what this drawing found out so far.
class AxisPainter {
public:
    AxisPainter(TCustomChartAxis& axis, const AxisPaintContext& context, const TCustomChartAxis::LayoutState& placed)
        : axis_(axis), placed_(placed), scale_(placed.Scale), canvas_(context.Canvas), plot_(context.PlotRect),
          color_(context.ChartColor), line_(AxisLinePosition(axis, context.PlotRect))
    {}

    TickPositions Paint()
    {
        canvas_.Font().Assign(axis_.LabelsFont());
        const double step = axis_.LabelStep(canvas_, scale_);
        DrawTitle();
        if (step > 0 && scale_.RangeHigh >= scale_.RangeLow)
            DrawLabels(step);
        DrawAxisLine();
        if (axis_.Ticks().Visible())
            DrawTicks(axis_.Ticks(), 1, axis_.TickLength());
        if (axis_.Grid().Visible())
            DrawGrid();
        if (axis_.TicksInner().Visible())
            DrawTicks(axis_.TicksInner(), -1, -axis_.TickInnerLength());
        if (!ticks_.Empty() && axis_.MinorTicks().Visible())
            DrawMinor(axis_.MinorTicks(), false);
        if (!ticks_.Empty() && axis_.MinorGrid().Visible())
            DrawMinor(axis_.MinorGrid(), true);
        return ticks_;
    }

private:
    // Texts go onto the chart without a box of their own: a clear brush means a transparent
    // text background.
    void UseTextBackground()
    {
        canvas_.Brush().SetColor(color_);
        canvas_.Brush().SetStyle(TBrushStyle::bsClear);
        canvas_.SetTextBackMode(TRANSPARENT);
    }

    void DrawTitle()
    {
        const TChartAxisTitle& title = axis_.Title();
        if (title.Caption().isEmpty())
            return;
        canvas_.Font().Assign(title.Font());
        UseTextBackground();
        if (axis_.IsHorizontal())
            PlaceAxisText(axis_, canvas_, scale_.CenterPixel, placed_.TitlePos, title.Angle(), title.Caption());
        else
            PlaceAxisText(axis_, canvas_, placed_.TitlePos, scale_.CenterPixel, title.Angle(), title.Caption());
    }

    void DrawLabels(double step)
    {
        switch (axis_.EffectiveLabelStyle()) {
        case TAxisLabelStyle::talValue:
            if (!axis_.ForEachNextAxisLabel([this](double v) { DrawLabel(v, axis_.FormatAxisLabel(v)); }))
                for (double v : axis_.LabelValues(step, scale_))
                    DrawLabel(v, axis_.FormatAxisLabel(v));
            break;
        case TAxisLabelStyle::talMark:
        case TAxisLabelStyle::talText:
            axis_.ForEachPointLabel([this](double v, const QString& text) { DrawLabel(v, text); });
            break;
        default:
            break;
        }
    }

    void DrawLabel(double value, const QString& text)
    {
        const int p = scale_.ValueToPixel(value);
        if (!axis_.LabelsOnAxis() && !(scale_.StartPixel < p && p < scale_.EndPixel))
            return;
        if (!axis_.TickOnLabelsOnly())
            ticks_.Add(p);
        if (!axis_.Labels())
            return;
        if (axis_.TickOnLabelsOnly())
            ticks_.Add(p);
        canvas_.Font().Assign(axis_.LabelsFont());
        UseTextBackground();
        if (axis_.IsHorizontal())
            PlaceAxisText(axis_, canvas_, p, placed_.LabelsPos, axis_.LabelsAngle(), text);
        else
            PlaceAxisText(axis_, canvas_, placed_.LabelsPos, p, axis_.LabelsAngle(), text);
    }

    void DrawAxisLine()
    {
        if (!axis_.Axis().Visible())
            return;
        canvas_.UseVisiblePen(axis_.Axis());
        if (axis_.IsHorizontal())
            canvas_.DrawHorizLine(scale_.StartPixel, scale_.EndPixel, line_);
        else
            canvas_.DrawVertLine(line_, scale_.StartPixel, scale_.EndPixel);
    }

    // A segment across the axis at p, starting `offset` pixels off the line, `length` long;
    // positive values point outward.
    void DrawTick(int p, int offset, int length)
    {
        const int line = line_;
        if (axis_.IsHorizontal()) {
            const int sign = axis_.IsFarSide() ? -1 : 1;
            canvas_.DrawVertLine(p, line + sign * offset, line + sign * (offset + length));
        } else {
            const int sign = axis_.IsFarSide() ? 1 : -1;
            canvas_.DrawHorizLine(line + sign * offset, line + sign * (offset + length), p);
        }
    }

    void DrawTicks(const TChartPen& pen, int offset, int length)
    {
        canvas_.UseVisiblePen(pen);
        for (int i = 0; i < ticks_.Count(); ++i)
            DrawTick(ticks_[i], offset, length);
    }

    void DrawGridLine(int q)
    {
        if (axis_.IsHorizontal())
            canvas_.DrawVertLine(q, plot_.Top, plot_.Bottom);
        else
            canvas_.DrawHorizLine(plot_.Left, plot_.Right, q);
    }

    void UseGridPen(const TChartPen& pen)
    {
        canvas_.Brush().SetStyle(TBrushStyle::bsClear);
        canvas_.SetTextBackMode(TRANSPARENT);
        canvas_.UseVisiblePen(pen);
        if (canvas_.Pen().Color() == clUseSeriesColor)
            canvas_.Pen().SetColor(clGray);
    }

    void DrawGrid()
    {
        UseGridPen(axis_.Grid());
        for (int i = 0; i < ticks_.Count(); ++i) {
            if (!axis_.GridCentered())
                DrawGridLine(ticks_[i]);
            else if (i >= 1)
                DrawGridLine(static_cast<int>(AxisScale::Round((ticks_[i] + ticks_[i - 1]) * 0.5L)));
        }
        canvas_.SetTextBackMode(OPAQUE);
    }

    void DrawMinorMark(int q, bool grid)
    {
        if (!(scale_.StartPixel < q && q < scale_.EndPixel))
            return;
        if (grid)
            DrawGridLine(q);
        else
            DrawTick(q, 1, axis_.MinorTickLength());
    }

    void DrawMinor(const TChartPen& pen, bool grid)
    {
        if (grid)
            UseGridPen(pen);
        else
            canvas_.UseVisiblePen(pen);
        const int m = axis_.MinorTickCount();
        const int n = ticks_.Count();
        if (n > 1) {
            const double d0 = (ticks_[1] - ticks_[0]) * 1.0 / (m + 1);
            for (int i = 1; i <= m; ++i) {
                const int shift = static_cast<int>(AxisScale::Round(i * static_cast<long double>(d0)));
                DrawMinorMark(ticks_[0] - shift, grid);
                DrawMinorMark(ticks_[n - 1] + shift, grid);
            }
        }
        for (int i = 1; i < n; ++i) {
            const double d = (ticks_[i] - ticks_[i - 1]) * 1.0 / (m + 1);
            for (int j = 1; j <= m; ++j)
                DrawMinorMark(ticks_[i] - static_cast<int>(AxisScale::Round(j * static_cast<long double>(d))), grid);
        }
        if (grid)
            canvas_.SetTextBackMode(OPAQUE);
    }

    TCustomChartAxis& axis_;
    const TCustomChartAxis::LayoutState& placed_;
    const AxisScale& scale_;  // the range in use and the pixel ends, as placed
    TChartCanvas& canvas_;
    Rect plot_;
    TColor color_;
    int line_;  // where the axis line lies in this drawing
    TickPositions ticks_;
};

}  // namespace

TickPositions PaintAxis(TCustomChartAxis& axis, const AxisPaintContext& context,
                        const TCustomChartAxis::LayoutState& placed)
{
    return AxisPainter(axis, context, placed).Paint();
}

}  // namespace rna::chart
