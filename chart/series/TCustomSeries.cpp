#include "chart/series/TCustomSeries.h"

#include "chart/canvas/TChartCanvas3D.h"
#include "chart/scale/AxisScale.h"

#include <algorithm>
#include <cmath>

namespace rna::chart {

namespace {

// Positions beyond this are not drawn: the drawing surface cannot take them.
constexpr int PixelLimit = 32766;

bool InPixelRange(int pixel)
{
    return pixel >= -PixelLimit && pixel <= PixelLimit;
}

// Distance from (x, y) to the segment (x0, y0) - (x1, y1).
double DistanceToSegment(int x, int y, int x0, int y0, int x1, int y1)
{
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared == 0 ? 0 : ((x - x0) * dx + (y - y0) * dy) / lengthSquared;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
}

}  // namespace

TCustomSeries::TCustomSeries(QObject* parent)
    : TChartSeries(parent), linePen_(std::make_unique<TChartPen>([this] { ChangeNotify(); })),
      areaLinesPen_(std::make_unique<TChartPen>([this] { ChangeNotify(); })),
      pointer_(std::make_unique<TSeriesPointer>([this] { ChangeNotify(); }))
{
    SetDrawBetweenPoints(true);
}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::SetStairs(bool value)
{
    Changes().Store(stairs_, value);
}
void TCustomSeries::SetInvertedStairs(bool value)
{
    Changes().Store(invertedStairs_, value);
}
void TCustomSeries::SetLineBrush(TBrushStyle value)
{
    Changes().Store(lineBrush_, value);
}
void TCustomSeries::SetLineHeight(int value)
{
    Changes().Store(lineHeight_, value);
}
void TCustomSeries::SetDark3D(bool value)
{
    Changes().Store(dark3D_, value);
}
void TCustomSeries::SetAreaColor(TColor value)
{
    Changes().Store(areaColor_, value);
}
void TCustomSeries::SetAreaBrush(TBrushStyle value)
{
    Changes().Store(areaBrush_, value);
}
void TCustomSeries::SetDrawArea(bool value)
{
    Changes().Store(drawArea_, value);
}
void TCustomSeries::SetDrawLine(bool value)
{
    Changes().Store(drawLine_, value);
}

void TCustomSeries::Assign(const TChartSeries& source)
{
    TChartSeries::Assign(source);
    const auto* other = qobject_cast<const TCustomSeries*>(&source);
    if (other == nullptr)
        return;
    linePen_->Assign(*other->linePen_);
    areaLinesPen_->Assign(*other->areaLinesPen_);
    pointer_->Assign(*other->pointer_);
    SetStairs(other->stairs_);
    SetInvertedStairs(other->invertedStairs_);
    SetLineBrush(other->lineBrush_);
    SetLineHeight(other->lineHeight_);
    SetDark3D(other->dark3D_);
    SetAreaColor(other->areaColor_);
    SetAreaBrush(other->areaBrush_);
    SetDrawArea(other->drawArea_);
    SetDrawLine(other->drawLine_);
    SetClickableLine(other->clickableLine_);
    OnGetPointerStyle = other->OnGetPointerStyle;
    OnClickPointer = other->OnClickPointer;
}

// ---------------------------------------------------------------- drawing

void TCustomSeries::DrawAllValues(const SeriesPaintContext& context)
{
    Trail trail;
    for (int i = FirstValueIndex(); i <= LastValueIndex(); ++i)
        i = DrawPoint(context, trail, i);
}

// One point: the segment that ends at it (in its colour), then the marker of the point before,
// so that every marker lies over both segments that meet at it; the last marker comes last.
// Answers the last point drawn: the segments of the points after it may join its segment.
int TCustomSeries::DrawPoint(const SeriesPaintContext& context, Trail& trail, int index)
{
    const TColor color = PointColor(index);
    const int px = context.Horiz.ValueToPixel(XValueAt(index));
    int py = context.Vert.ValueToPixel(YValueAt(index));
    if (!InPixelRange(px) || !InPixelRange(py)) {
        trail.Color = color;
        return index;
    }
    TChartCanvas& canvas = context.Canvas;
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(color);
    const bool started = trail.Started;
    if (trail.Color == clNone || !started) {  // no segment joins an empty or missing point
        trail.X = px;
        trail.Y = py;
    }
    if (index == FirstValueIndex()) {
        if (index > 0)
            DrawEntrySegment(context, trail, index, px, py, color);
        if (index == LastValueIndex() && pointer_->Visible())
            DrawPointer(canvas, px, py, index, color);
    } else {
        const int last = ColumnRunEnd(context, trail, index, px, py, color);
        DrawSegment(canvas, trail, px, py, color);
        if (pointer_->Visible()) {
            if (trail.Color != clNone && started)
                DrawPointer(canvas, trail.X, trail.Y, index - 1, trail.Color);
            if (index == LastValueIndex() && color != clNone)
                DrawPointer(canvas, px, py, index, color);
        }
        index = last;
    }
    trail = {px, py, color, true};
    return index;
}

// The points after `index` whose segments continue the one from the trail to (px, py) along its pixel column, in
// the same direction and colour, are drawn with it as one line from the trail to the last of them: in the copy
// mode a solid pen with no markers between covers the pixels of the segments it stands for exactly (a one-pixel
// line leaves out only its end, a round nib swept along a column covers the rows it passes either way). Answers
// the last point of the run, with py moved to it. The screens' net-input line is 20 such segments.
int TCustomSeries::ColumnRunEnd(const SeriesPaintContext& context, const Trail& trail, int index, int px, int& py,
                                TColor color) const
{
    const TChartPen& pen = *linePen_;
    if (!drawLine_ || stairs_ || pointer_->Visible() || !pen.Visible() || pen.Style() != TPenStyle::psSolid ||
        pen.SmallDots() || pen.Mode() != TPenMode::pmCopy || color == clNone || trail.X != px || trail.Y == py)
        return index;
    const bool down = py > trail.Y;
    int last = index;
    for (int next = index + 1; next <= LastValueIndex(); ++next) {
        if (PointColor(next) != color || context.Horiz.ValueToPixel(XValueAt(next)) != px)
            break;
        const int y = context.Vert.ValueToPixel(YValueAt(next));
        if (!InPixelRange(y) || (down ? y < py : y > py))
            break;
        py = y;
        last = next;
    }
    return last;
}

// The first drawn point has hidden points before it: the line enters from the plot's edge.
void TCustomSeries::DrawEntrySegment(const SeriesPaintContext& context, Trail& trail, int index, int px, int py,
                                     TColor color)
{
    const int edge = context.Horiz.Inverted ? context.PlotRect.Right : context.PlotRect.Left;
    trail.X = edge;
    trail.Y = EntryPixelY(context, index, edge);
    if (!IsEmptyPoint(index - 1))
        DrawSegment(context.Canvas, trail, px, py, color);
}

int TCustomSeries::EntryPixelY(const SeriesPaintContext& context, int index, int edgePixel) const
{
    const double x0 = XValueAt(index - 1);
    const double x1 = XValueAt(index);
    const double y0 = YValueAt(index - 1);
    double y = y0;
    if (!stairs_ && x1 != x0) {
        const double xEdge = context.Horiz.PixelToValue(edgePixel);
        y = (YValueAt(index) - y0) * (xEdge - x0) / (x1 - x0) + y0;
    }
    return std::clamp(context.Vert.ValueToPixel(y), -PixelLimit, PixelLimit);
}

void TCustomSeries::DrawSegment(TChartCanvas& canvas, const Trail& trail, int px, int py, TColor color)
{
    if ((px == trail.X && py == trail.Y) || color == clNone || !drawLine_)
        return;
    canvas.UseVisiblePen(*linePen_);
    canvas.Pen().SetColor(color);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (!stairs_) {
        canvas.DrawLine(trail.X, trail.Y, px, py);
        return;
    }
    if (invertedStairs_)
        canvas.DrawLine(trail.X, trail.Y, trail.X, py);
    else
        canvas.DrawLine(trail.X, trail.Y, px, trail.Y);
    canvas.DrawLineTo(px, py);
}

void TCustomSeries::DrawPointer(TChartCanvas& canvas, int px, int py, int index, TColor color)
{
    const TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(*this, index) : pointer_->Style();
    pointer_->Draw(canvas, px, py, style, color);
}

// ---------------------------------------------------------------- hit testing and margins

bool TCustomSeries::ClickedPointer(int, int px, int py, int x, int y) const
{
    return std::abs(x - px) < pointer_->HorizSize() && std::abs(y - py) < pointer_->VertSize();
}

bool TCustomSeries::ClickedSegment(int index, int x, int y) const
{
    const int x0 = CalcXPos(index - 1);
    const int y0 = CalcYPos(index - 1);
    const int x1 = CalcXPos(index);
    const int y1 = CalcYPos(index);
    const double tolerance = linePen_->Width() / 2 + 1;
    if (!stairs_)
        return DistanceToSegment(x, y, x0, y0, x1, y1) <= tolerance;
    const int cornerX = invertedStairs_ ? x0 : x1;
    const int cornerY = invertedStairs_ ? y1 : y0;
    return DistanceToSegment(x, y, x0, y0, cornerX, cornerY) <= tolerance ||
           DistanceToSegment(x, y, cornerX, cornerY, x1, y1) <= tolerance;
}

int TCustomSeries::Clicked(int x, int y)
{
    const int first = FirstValueIndex();
    if (first < 0)
        return -1;
    for (int i = first; i <= LastValueIndex() && i < PointCount(); ++i) {
        const int px = CalcXPos(i);
        const int py = CalcYPos(i);
        if (pointer_->Visible() && ClickedPointer(i, px, py, x, y)) {
            if (OnClickPointer)
                OnClickPointer(*this, i, x, y);
            return i;
        }
        if (px == x && py == y)
            return i;
        if (clickableLine_ && drawLine_ && i > first && ClickedSegment(i, x, y))
            return i - 1;
    }
    return -1;
}

void TCustomSeries::CalcHorizMargins(int& left, int& right) const
{
    if (pointer_->Visible() && pointer_->InflateMargins()) {
        left = std::max(left, pointer_->HorizSize() + 1);
        right = std::max(right, pointer_->HorizSize() + 1);
    }
    if (stairs_ && drawLine_) {
        left = std::max(left, linePen_->Width());
        right = std::max(right, linePen_->Width());
    }
}

void TCustomSeries::CalcVerticalMargins(int& top, int& bottom) const
{
    if (pointer_->Visible() && pointer_->InflateMargins()) {
        top = std::max(top, pointer_->VertSize() + 1);
        bottom = std::max(bottom, pointer_->VertSize() + 1);
    }
    if (stairs_ && drawLine_) {
        top = std::max(top, linePen_->Width());
        bottom = std::max(bottom, linePen_->Width() + 1);
    }
    if (lineHeight_ > 0 && !drawArea_)
        bottom = std::max(bottom, lineHeight_);
}

}  // namespace rna::chart
