#include "chart/canvas/TChartCanvas3D.h"

#include <QGuiApplication>
#include <QPolygon>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "chart/canvas/ChartFontQt.h"
#include "chart/canvas/QtRealisation.h"

namespace rna::chart {

namespace {

int Interpolate(int from, int to, int step, int steps)
{
    return steps <= 1 ? from : from + (to - from) * step / (steps - 1);
}

TColor Blend(TColor from, TColor to, int step, int steps)
{
    return RgbColor(Interpolate(RedOf(from), RedOf(to), step, steps),
                    Interpolate(GreenOf(from), GreenOf(to), step, steps),
                    Interpolate(BlueOf(from), BlueOf(to), step, steps));
}

}  // namespace

TChartCanvas3D::TChartCanvas3D() = default;
TChartCanvas3D::~TChartCanvas3D() = default;

// ---- buffered painting ----

void TChartCanvas3D::SetView3D(bool view3D, int zoomPercent, bool zoomText)
{
    view3D_ = view3D;
    zoomFactor_ = view3D ? zoomPercent * 0.01 : 1.0;
    zoomText_ = zoomText;
}

Rect TChartCanvas3D::BeginDrawing(QPainter* target, const Rect& bounds, double ratio, double shownRatio)
{
    bounds_ = bounds;
    if (!buffered_) {
        grid_ = DeviceGrid();  // the target's own transform scales what is drawn
        StartPainter(target);
        return bounds;
    }
    grid_ = DeviceGrid(ratio);
    const int width = bounds.Width();
    const int height = bounds.Height();
    image_.Prepare(grid_.Edge(width), grid_.Edge(height), shownRatio > 0 ? shownRatio : grid_.Ratio());
    if (QPainter* painter = image_.Begin())
        StartPainter(painter);
    return {0, 0, width, height};
}

bool TChartCanvas3D::ImageFits(int width, int height, double ratio, double shownRatio) const
{
    const DeviceGrid grid(ratio);
    return !image_.IsNull() && grid_.Ratio() == grid.Ratio() && Image().width() == grid.Edge(width) &&
           Image().height() == grid.Edge(height) && Image().devicePixelRatio() == shownRatio;
}

void TChartCanvas3D::EndDrawing(QPainter* target, QPoint topLeft, const QRegion* area)
{
    if (buffered_) {
        image_.End();
        if (target != nullptr)
            image_.CopyTo(*target, topLeft, monochrome_, area);
        dirty_ = false;
    }
    ref_ = nullptr;
}

bool TChartCanvas3D::ShowCachedImage(QPainter* target, const QRegion* area)
{
    if (dirty_ || !buffered_ || image_.IsNull())
        return false;
    if (target != nullptr)
        image_.CopyTo(*target, QPoint(0, 0), monochrome_, area);
    return true;
}

bool TChartCanvas3D::SaveLayer()
{
    return Drawing() && ref_ == image_.Painter() && image_.SaveLayer();
}

bool TChartCanvas3D::RestoreLayer()
{
    return Drawing() && ref_ == image_.Painter() && image_.RestoreLayer();
}

void TChartCanvas3D::DiscardImage()
{
    if (ref_ != nullptr && ref_ == image_.Painter())
        ref_ = nullptr;
    image_.Discard();
}

void TChartCanvas3D::StartPainter(QPainter* painter)
{
    ref_ = painter;
    penDirty_ = brushDirty_ = fontDirty_ = true;
    clipped_ = false;
    image_.Direct().RemoveClip();
    if (painter == nullptr)
        return;
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
}

// The image in the old colours is of no further use.
void TChartCanvas3D::SetMonochrome(bool value)
{
    changes_.Store(monochrome_, value, [this] {
        DiscardImage();
        dirty_ = true;
    });
}

void TChartCanvas3D::SetBufferedDisplay(bool value)
{
    buffered_ = value;
    if (!value) {
        DiscardImage();
        dirty_ = true;
    }
}

void TChartCanvas3D::SetProjection(int, const Rect&, const Rect& chartRect)
{
    chartRect_ = chartRect;
}

// ---- realising pen, brush and font on the painter ----

bool TChartCanvas3D::ThinPen() const
{
    return AlternatePen() || Pen().Width() <= 1;
}

// Pens without gaps; a wide pen of another style is left to Qt's dashes.
bool TChartCanvas3D::SolidPen() const
{
    return Pen().Style() == TPenStyle::psSolid || Pen().Style() == TPenStyle::psInsideFrame;
}

// The raster mode of the pen alone: what solid writes of the pen's or the brush's colour need.
void TChartCanvas3D::ApplyPenMode()
{
    const QPainter::CompositionMode mode = CompositionOf(Pen().Mode());
    if (ref_->compositionMode() != mode)
        ref_->setCompositionMode(mode);
}

void TChartCanvas3D::ApplyPen()
{
    if (!penDirty_)
        return;
    penDirty_ = false;
    ref_->setCompositionMode(CompositionOf(Pen().Mode()));
    if (Pen().Style() == TPenStyle::psClear) {
        ref_->setPen(Qt::NoPen);
        return;
    }
    // Wide pens end and join round; what Qt still strokes itself (dashes, arcs) follows that.
    ref_->setPen(ToQPen(Pen(), grid_.LineWidth(Pen().Width()), AlternatePen()));
}

void TChartCanvas3D::ApplyBrush()
{
    ApplyBackground();
    if (!brushDirty_)
        return;
    brushDirty_ = false;
    ref_->setBrush(ToQBrush(Brush()));
}

// Hatched brushes fill their gaps with the text background colour in opaque mode. Qt's opaque mode
// also changes how outlines are rasterised, so it is switched on for hatched brushes only.
void TChartCanvas3D::ApplyBackground()
{
    const TBrushStyle style = Brush().Style();
    const bool hatched = style != TBrushStyle::bsSolid && style != TBrushStyle::bsClear;
    ref_->setBackgroundMode(hatched && textBackMode_ == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    ref_->setBackground(ToQColor(textBackColor_));
}

// ---- lines ----

void TChartCanvas3D::DrawLine(int x0, int y0, int x1, int y1)
{
    MovePenTo(x0, y0);
    DrawLineTo(x1, y1);
}

void TChartCanvas3D::DrawHorizLine(int x0, int x1, int y)
{
    MovePenTo(x0, y);
    DrawLineTo(x1, y);
}

void TChartCanvas3D::DrawVertLine(int x, int y0, int y1)
{
    MovePenTo(x, y0);
    DrawLineTo(x, y1);
}

void TChartCanvas3D::DrawLineTo(int x, int y)
{
    const QPoint from = penPos_;
    penPositionUsed_ = penPositionUsed_ || !penMoved_;
    penMoved_ = true;
    penPos_ = QPoint(x, y);
    if (ref_ == nullptr || Pen().Style() == TPenStyle::psClear)
        return;
    if (ThinPen())
        ThinLine(from.x(), from.y(), x, y);
    else
        WideLine(from.x(), from.y(), x, y);
}

// Solid colour in the copy mode is written into the image directly, as QPainter would write it; other
// modes, transforms and unbuffered targets go through the painter.
bool TChartCanvas3D::DirectWrites()
{
    return ref_ != nullptr && ref_ == image_.Painter() && !image_.Direct().IsNull() &&
           ref_->compositionMode() == QPainter::CompositionMode_SourceOver &&
           ref_->transform().type() == QTransform::TxNone;
}

void TChartCanvas3D::FillCells(int x, int y, int width, int height, const QColor& color)
{
    FillDevice(grid_.Cells(x, y, width, height), color);
}

void TChartCanvas3D::FillDevice(const QRect& rect, const QColor& color)
{
    if (DirectWrites())
        image_.Direct().Fill(rect, color.rgb());
    else
        WritingPainter()->fillRect(rect, color);
}

// Where a line `width` logical pixels wide through logical pixel x puts the device pixel it is centred on,
// as the round nib centres on it: its band of grid_.LineWidth(width) device pixels starts at the cell of the
// band's first logical pixel.
int TChartCanvas3D::NibCentre(int x, int width) const
{
    return grid_.Edge(x - width / 2) + grid_.LineWidth(width) / 2;
}

QPoint TChartCanvas3D::NibCentre(QPoint p, int width) const
{
    return {NibCentre(p.x(), width), NibCentre(p.y(), width)};
}

// One-pixel lines are rasterised here so that the end pixel is left out in every direction. A straight
// line covers the cells of its pixels along it; across it, and along the walk of a sloping line in device
// pixels, it is grid_.LineWidth(1) device pixels wide from the edge of the cell it starts in.
void TChartCanvas3D::ThinLine(int x0, int y0, int x1, int y1)
{
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const int adx = std::abs(dx);
    const int ady = std::abs(dy);
    const int steps = std::max(adx, ady);
    if (steps == 0)
        return;
    ApplyPenMode();  // the pixels are set with the pen's colour; the painter's pen is not used
    const int width = grid_.LineWidth(1);
    if (dx == 0 || dy == 0) {
        const int left = dx < 0 ? x1 + 1 : x0;
        const int top = dy < 0 ? y1 + 1 : y0;
        if (PatternOf(Pen().Style(), AlternatePen()).Solid()) {
            const QRect cells = grid_.Cells(left, top, std::max(adx, 1), std::max(ady, 1));
            FillDevice(dx == 0 ? QRect(cells.left(), cells.top(), width, cells.height())
                               : QRect(cells.left(), cells.top(), cells.width(), width),
                       ToQColor(Pen().Color()));
            return;
        }
        if (DirectWrites()) {
            PatternedStraightLine(x0, y0, x1, y1, PatternOf(Pen().Style(), AlternatePen()));
            return;
        }
        LinePixels(x0, y0, x1, y1, path_);
        PatternedPath(path_, steps, dy == 0, true);
        return;
    }
    const QPoint from = grid_.Edge(QPoint(x0, y0));
    const QPoint to = grid_.Edge(QPoint(x1, y1));
    LinePixels(from.x(), from.y(), to.x(), to.y(), path_);
    PatternedPath(path_, steps, adx >= ady, false);
}

// Sets the pixels of a one-pixel path in the pen's style, counting the pattern from its first pixel over
// `length` logical pixels. A path of logical pixels (`cells`) sets their cells along it, one of device pixels
// its pixels; either is as wide across as the canvas' one-pixel lines.
void TChartCanvas3D::PatternedPath(const std::vector<QPoint>& path, int length, bool alongX, bool cells)
{
    const DashPattern pattern = PatternOf(Pen().Style(), AlternatePen());
    // Styled lines fill their gaps with the text background colour in opaque mode.
    const bool fillGaps = textBackMode_ == OPAQUE && pattern.count > 0 && !AlternatePen();
    const int size = int(path.size());
    const auto on = [&](int i) { return pattern.On(size == length ? i : int(std::int64_t(i) * length / size)); };
    if (grid_.Identity()) {
        SetPathPixels(path, on, fillGaps);
        return;
    }
    const int width = grid_.LineWidth(1);
    std::vector<QRect>& set = penScratch_;
    std::vector<QRect>& gaps = gapScratch_;
    set.clear();
    gaps.clear();
    for (int i = 0; i < size; ++i) {
        const QPoint p = path[std::size_t(i)];
        QRect r = cells ? grid_.Cells(p.x(), p.y(), 1, 1) : QRect(p, QSize(1, 1));
        if (alongX)
            r.setHeight(width);
        else
            r.setWidth(width);
        if (on(i))
            set.push_back(r);
        else if (fillGaps)
            gaps.push_back(r);
    }
    SolidSpans(gaps, ToQColor(textBackColor_));
    PenSpans(set);
}

// A straight styled line written as the runs of its pattern, each dash (and, in opaque mode, each gap) one
// rectangle of cells as wide across as PatternedPath sets them pixel by pixel; grid lines are such lines.
void TChartCanvas3D::PatternedStraightLine(int x0, int y0, int x1, int y1, const DashPattern& pattern)
{
    const bool fillGaps = textBackMode_ == OPAQUE && pattern.count > 0 && !AlternatePen();
    const QRgb penColor = ToQColor(Pen().Color()).rgb();
    const QRgb gapColor = ToQColor(textBackColor_).rgb();
    const int width = grid_.LineWidth(1);
    const bool alongX = y0 == y1;
    const int length = alongX ? std::abs(x1 - x0) : std::abs(y1 - y0);
    const int direction = (alongX ? x1 - x0 : y1 - y0) < 0 ? -1 : 1;
    for (int i = 0; i < length;) {
        const int run = std::min(pattern.RunRest(i), length - i);
        const bool on = pattern.On(i);
        if (on || fillGaps) {
            // The logical pixels i ... i + run - 1 steps along the line from its start.
            const int first = (alongX ? x0 : y0) + direction * (direction > 0 ? i : i + run - 1);
            QRect cells = alongX ? grid_.Cells(first, y0, run, 1) : grid_.Cells(x0, first, 1, run);
            if (alongX)
                cells.setHeight(width);
            else
                cells.setWidth(width);
            image_.Direct().Fill(cells, on ? penColor : gapColor);
        }
        i += run;
    }
}

// The pixels themselves, at ratio 1: straight into the image, or as points through the painter.
template <typename On>
void TChartCanvas3D::SetPathPixels(const std::vector<QPoint>& path, const On& on, bool fillGaps)
{
    if (DirectWrites()) {
        const QRgb penColor = ToQColor(Pen().Color()).rgb();
        const QRgb gap = ToQColor(textBackColor_).rgb();
        for (std::size_t i = 0; i < path.size(); ++i) {
            if (on(int(i)))
                image_.Direct().Set(path[i].x(), path[i].y(), penColor);
            else if (fillGaps)
                image_.Direct().Set(path[i].x(), path[i].y(), gap);
        }
        return;
    }
    QPolygon points;
    QPolygon gaps;
    points.reserve(int(path.size()));
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (on(int(i)))
            points.append(path[i]);
        else if (fillGaps)
            gaps.append(path[i]);
    }
    if (!gaps.isEmpty()) {
        ref_->setPen(QPen(ToQColor(textBackColor_), 1, Qt::SolidLine, Qt::SquareCap));
        WritingPainter()->drawPoints(gaps);
    }
    ref_->setPen(QPen(ToQColor(Pen().Color()), 1, Qt::SolidLine, Qt::SquareCap));
    WritingPainter()->drawPoints(points);
    penDirty_ = true;
}

void TChartCanvas3D::WideLine(int x0, int y0, int x1, int y1)
{
    if (SolidPen()) {
        ApplyPenMode();
        RoundPenLine(x0, y0, x1, y1);
        return;
    }
    ApplyPen();
    WritingPainter()->drawLine(NibCentre(QPoint(x0, y0), Pen().Width()), NibCentre(QPoint(x1, y1), Pen().Width()));
}

// A pen wider than one pixel is a round nib swept along the line, end points included, so that lines
// end round and the segments of a polyline join round.
void TChartCanvas3D::RoundPenLine(int x0, int y0, int x1, int y1)
{
    const int w = Pen().Width();
    RoundNibSpans(NibCentre(x0, w), NibCentre(y0, w), NibCentre(x1, w), NibCentre(y1, w), grid_.LineWidth(w),
                  ellipseShapes_, rowsScratch_, penScratch_);
    PenSpans(penScratch_);
}

void TChartCanvas3D::PenSpans(const std::vector<QRect>& spans)
{
    SolidSpans(spans, ToQColor(Pen().Color()));
}

// Many spans of one colour in one raster mode: whether they go straight into the image is decided once.
void TChartCanvas3D::SolidSpans(const std::vector<QRect>& spans, const QColor& color)
{
    if (DirectWrites()) {
        const QRgb rgb = color.rgb();
        for (const QRect& span : spans)
            image_.Direct().Fill(span, rgb);
        return;
    }
    for (const QRect& span : spans)
        WritingPainter()->fillRect(span, color);
}

// Fills the spans with the brush, as FillRectangle fills a rectangle.
void TChartCanvas3D::FillSpans(const std::vector<QRect>& spans)
{
    if (spans.empty() || Brush().Style() == TBrushStyle::bsClear)
        return;
    if (Brush().Style() == TBrushStyle::bsSolid) {
        SolidSpans(spans, ToQColor(Brush().Color()));
        return;
    }
    ApplyBrush();
    ref_->setPen(Qt::NoPen);
    WritingPainter()->drawRects(spans.data(), int(spans.size()));
    penDirty_ = true;
}

// ---- shapes ----

void TChartCanvas3D::FillRectangle(const Rect& rect)
{
    if (ref_ == nullptr || Brush().Style() == TBrushStyle::bsClear)
        return;
    const QRect r = grid_.Cells(std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom),
                                std::abs(rect.Width()), std::abs(rect.Height()));
    if (r.isEmpty())
        return;
    ApplyPen();
    ApplyBrush();
    if (Brush().Style() == TBrushStyle::bsSolid) {
        WritingPainter()->fillRect(r, ToQColor(Brush().Color()));
        return;
    }
    ref_->setPen(Qt::NoPen);
    WritingPainter()->drawRect(r);
    penDirty_ = true;
}

void TChartCanvas3D::DrawRectangle(int x0, int y0, int x1, int y1)
{
    if (x1 < x0)
        std::swap(x0, x1);
    if (y1 < y0)
        std::swap(y0, y1);
    if (ref_ == nullptr || x1 == x0 || y1 == y0)
        return;
    FillRectangle({x0, y0, x1, y1});
    if (Pen().Style() == TPenStyle::psClear)
        return;
    if (ThinPen()) {
        RectangleOutline(x0, y0, x1, y1);
        return;
    }
    ApplyPen();
    if (SolidPen()) {
        RoundPenLine(x0, y0, x1 - 1, y0);
        RoundPenLine(x1 - 1, y0, x1 - 1, y1 - 1);
        RoundPenLine(x1 - 1, y1 - 1, x0, y1 - 1);
        RoundPenLine(x0, y1 - 1, x0, y0);
        return;
    }
    ref_->setBrush(Qt::NoBrush);
    brushDirty_ = true;
    const int w = Pen().Width();
    // Qt outlines a rectangle one pixel beyond its right and bottom edges.
    WritingPainter()->drawRect(
        QRect(NibCentre(QPoint(x0, y0), w), NibCentre(QPoint(x1 - 1, y1 - 1), w) - QPoint(1, 1)));
}

// The outline rows and columns as one-pixel lines would draw them, each pixel once at device ratios: a line
// as wide as the canvas' one-pixel lines along each edge, the columns between the rows.
void TChartCanvas3D::RectangleOutline(int x0, int y0, int x1, int y1)
{
    if (grid_.Identity()) {
        ThinLine(x0, y0, x1, y0);
        ThinLine(x0, y1 - 1, x1, y1 - 1);
        ThinLine(x0, y0 + 1, x0, y1 - 1);
        ThinLine(x1 - 1, y0 + 1, x1 - 1, y1 - 1);
        return;
    }
    ApplyPenMode();
    const int width = grid_.LineWidth(1);
    const QRect outer(QPoint(grid_.Edge(x0), grid_.Edge(y0)),
                      QPoint(grid_.Edge(x1 - 1) + width - 1, grid_.Edge(y1 - 1) + width - 1));
    penScratch_.clear();
    for (const QRect& band : OutlineBands(outer, width))
        if (!band.isEmpty())
            penScratch_.push_back(band);
    PenSpans(penScratch_);
}

// Ellipses are rasterised here rather than by Qt, whose small ones are square (a 4 x 4 ring with its
// corners set); they are written as spans of rows.
void TChartCanvas3D::DrawEllipse(int x0, int y0, int x1, int y1)
{
    if (x1 < x0)
        std::swap(x0, x1);
    if (y1 < y0)
        std::swap(y0, y1);
    if (ref_ == nullptr || x1 - x0 < 1 || y1 - y0 < 1)
        return;
    ApplyPenMode();  // outline and inside are set as spans of colour; the painter's pen is not used
    const QRect box = grid_.Cells(Rect{x0, y0, x1, y1});
    const int left = box.left();
    const int top = box.top();
    const int right = box.right() + 1;
    const int bottom = box.bottom() + 1;
    const bool clear = Pen().Style() == TPenStyle::psClear;
    if (!clear && !(ThinPen() && !PatternOf(Pen().Style(), AlternatePen()).Solid())) {
        EllipseRing(left, top, right, bottom);
        return;
    }
    const std::vector<EllipseRow> rows = EllipseRows(left, top, right, bottom);
    std::vector<QRect> fill;
    for (int i = 0; i < int(rows.size()); ++i)
        AddSpan(fill, clear ? rows[i].left : rows[i].innerLeft, clear ? rows[i].right : rows[i].innerRight, top + i);
    FillSpans(fill);
    if (!clear) {
        const std::vector<QPoint> outline = EllipseOutline(left, top, right, bottom);
        const int length = int(std::lround(double(outline.size()) / grid_.Ratio()));
        PatternedPath(outline, std::max(1, length), true, false);
    }
}

// A solid outline in the pen's width around the brush's inside, in device pixels; wide pens of other styles
// draw solid outlines.
void TChartCanvas3D::EllipseRing(int x0, int y0, int x1, int y1)
{
    EllipseRingSpans(x0, y0, x1, y1, grid_.LineWidth(ThinPen() ? 1 : Pen().Width()), ellipseShapes_, ringScratch_);
    FillSpans(ringScratch_.inside);
    PenSpans(ringScratch_.left);
    PenSpans(ringScratch_.right);
}

void TChartCanvas3D::DrawRoundRect(int x0, int y0, int x1, int y1, int cornerWidth, int cornerHeight)
{
    if (x1 < x0)
        std::swap(x0, x1);
    if (y1 < y0)
        std::swap(y0, y1);
    if (ref_ == nullptr || x1 - x0 < 1 || y1 - y0 < 1)
        return;
    ApplyPen();
    ApplyBrush();
    const QRect box = grid_.Cells(Rect{x0, y0, x1, y1});
    WritingPainter()->drawRoundedRect(QRect(box.left(), box.top(), box.width() - 1, box.height() - 1),
                                      grid_.Ratio() * cornerWidth / 2.0, grid_.Ratio() * cornerHeight / 2.0);
}

// A one-pixel outline is rasterised edge by edge, so that every vertex is set exactly once.
void TChartCanvas3D::DrawPolygon(const std::vector<QPoint>& points)
{
    if (ref_ == nullptr || points.size() < 3)
        return;
    ApplyPen();
    ApplyBrush();
    const bool roundEdges = !ThinPen() && SolidPen();
    std::vector<QPoint> device(points);
    for (QPoint& p : device)
        p = NibCentre(p, std::max(1, Pen().Width()));
    if ((!ThinPen() && !roundEdges) || Pen().Style() == TPenStyle::psClear) {
        WritingPainter()->drawPolygon(device.data(), int(device.size()));
        return;
    }
    if (Brush().Style() != TBrushStyle::bsClear) {
        ref_->setPen(Qt::NoPen);
        WritingPainter()->drawPolygon(device.data(), int(device.size()));
        penDirty_ = true;
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPoint& from = points[i];
        const QPoint& to = points[(i + 1) % points.size()];
        if (roundEdges)
            RoundPenLine(from.x(), from.y(), to.x(), to.y());
        else
            ThinLine(from.x(), from.y(), to.x(), to.y());
    }
}

// The angle, in degrees counterclockwise from the x axis, of a point seen from the box centre.
double TChartCanvas3D::ArcAngle(const Rect& box, QPoint p) const
{
    const double cx = (box.Left + box.Right) / 2.0;
    const double cy = (box.Top + box.Bottom) / 2.0;
    return std::atan2(cy - p.y(), p.x() - cx) * 180.0 / std::numbers::pi;
}

// The box in device pixels as Qt's arcs take it, and the start and span of the arc in sixteenths of a degree,
// counterclockwise from the start point to the end point as seen from the box centre.
TChartCanvas3D::ArcGeometry TChartCanvas3D::Arc(const Rect& box, QPoint start, QPoint end) const
{
    const double from = ArcAngle(box, start);
    double span = std::fmod(ArcAngle(box, end) - from + 360.0, 360.0);
    if (span == 0)
        span = 360.0;
    const QRect cells = grid_.Cells(box);
    return {QRect(cells.left(), cells.top(), cells.width() - 1, cells.height() - 1), int(std::lround(from * 16)),
            int(std::lround(span * 16))};
}

void TChartCanvas3D::DrawArc(const Rect& box, QPoint start, QPoint end)
{
    if (ref_ == nullptr || box.IsEmpty())
        return;
    const ArcGeometry arc = Arc(box, start, end);
    ApplyPen();
    WritingPainter()->drawArc(arc.Box, arc.Start, arc.Span);
}

void TChartCanvas3D::DrawPie(const Rect& box, QPoint start, QPoint end)
{
    if (ref_ == nullptr || box.IsEmpty())
        return;
    const ArcGeometry arc = Arc(box, start, end);
    ApplyPen();
    ApplyBrush();
    WritingPainter()->drawPie(arc.Box, arc.Start, arc.Span);
}

void TChartCanvas3D::DrawBevel(const Rect& rect, TColor topLeft, TColor bottomRight, int width)
{
    Pen().SetWidth(1);
    Rect r{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
    for (int ring = 0; ring < width; ++ring) {
        Pen().SetColor(topLeft);
        MovePenTo(r.Left, r.Bottom);
        DrawLineTo(r.Left, r.Top);
        DrawLineTo(r.Right, r.Top);
        Pen().SetColor(bottomRight);
        DrawLineTo(r.Right, r.Bottom);
        DrawLineTo(r.Left - 1, r.Bottom);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
}

void TChartCanvas3D::FillGradient(const Rect& rect, TColor start, TColor end, TGradientDirection direction)
{
    if (ref_ == nullptr || rect.IsEmpty())
        return;
    using D = TGradientDirection;
    const TColor from = ResolveColor(start);
    const TColor to = ResolveColor(end);
    const bool vertical = direction == D::gdTopBottom || direction == D::gdBottomTop;
    const bool horizontal = direction == D::gdLeftRight || direction == D::gdRightLeft;
    const int span = vertical ? rect.Height() : horizontal ? rect.Width() : std::max(rect.Width(), rect.Height());
    const int bands = std::min(256, span);
    const bool reversed = direction == D::gdBottomTop || direction == D::gdRightLeft;
    ref_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    penDirty_ = true;
    QColor color;
    TColor last = clNone;
    for (int band = 0; band < bands; ++band) {
        const TColor c = Blend(from, to, reversed ? bands - 1 - band : band, bands);
        if (c != last)
            color = ToQColor(last = c);  // a new colour only when the band colour changes
        const int a = band * span / bands;
        const int b = (band + 1) * span / bands;
        if (vertical) {
            FillCells(rect.Left, rect.Top + a, rect.Width(), b - a, color);
        } else if (horizontal) {
            FillCells(rect.Left + a, rect.Top, b - a, rect.Height(), color);
        } else if (direction == D::gdFromCenter) {
            const int dx = band * rect.Width() / (2 * bands);
            const int dy = band * rect.Height() / (2 * bands);
            FillCells(rect.Left + dx, rect.Top + dy, rect.Width() - 2 * dx, rect.Height() - 2 * dy, color);
        } else {
            const int w = rect.Width() - band * rect.Width() / bands;
            const int h = rect.Height() - band * rect.Height() / bands;
            const int top = direction == D::gdFromTopLeft ? rect.Top : rect.Bottom - h;
            FillCells(rect.Left, top, w, h, color);
        }
    }
}

// ---- pixels and pictures ----

void TChartCanvas3D::PutPixel(int x, int y, TColor color)
{
    if (ref_ == nullptr)
        return;
    ref_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    penDirty_ = true;
    FillCells(x, y, 1, 1, ToQColor(color));
}

void TChartCanvas3D::Pixel3D(int x, int y, int, TColor color)
{
    if (Pen().Width() <= 1) {
        PutPixel(x, y, color);
        return;
    }
    if (ref_ == nullptr || Pen().Style() == TPenStyle::psClear)
        return;
    ApplyPen();
    RoundPenLine(x, y, x, y);  // a zero-length line: one print of the round nib
}

void TChartCanvas3D::DrawPicture(int x, int y, const QImage& picture)
{
    if (ref_ == nullptr || picture.isNull())
        return;
    ref_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    penDirty_ = true;
    if (picture.depth() != 1) {
        DrawPictureIn(Rect{x, y, x + picture.width(), y + picture.height()}, picture);
        return;
    }
    QImage mono = picture;
    mono.setColor(0, ToQColor(Font().Color()).rgb());
    mono.setColor(1, ToQColor(Brush().Color()).rgb());
    DrawPictureIn(Rect{x, y, x + picture.width(), y + picture.height()}, mono);
}

// A picture scaled into the cells of rect: at ratio 1 pixel for pixel (or stretched by nearest pixel), at other
// ratios smoothly.
void TChartCanvas3D::DrawPictureIn(const Rect& rect, const QImage& picture)
{
    const QRect cells = grid_.Cells(rect);
    if (grid_.Identity() && cells.size() == picture.size()) {
        WritingPainter()->drawImage(cells.topLeft(), picture);
        return;
    }
    ref_->setRenderHint(QPainter::SmoothPixmapTransform, !grid_.Identity());
    WritingPainter()->drawImage(cells, picture);
    ref_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void TChartCanvas3D::StretchPicture(const Rect& rect, const QImage& picture)
{
    if (ref_ == nullptr || picture.isNull() || rect.IsEmpty())
        return;
    ref_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    penDirty_ = true;
    DrawPictureIn(rect, picture);
}

// ---- text ----

void TChartCanvas3D::DrawTextAt(int x, int y, const QString& text)
{
    if (ref_ == nullptr || text.isEmpty())
        return;
    DrawTextLine(x, y, text);
}

// Draws one line anchored at (x, y) by the text alignment flags, in the painter's current transform. At device
// ratios the anchor is the device edge of (x, y), and the font, its measures and the text's width are the
// device's, so that the text is aligned at its anchor as sharply as at ratio 1.
void TChartCanvas3D::DrawTextLine(int x, int y, const QString& text)
{
    const QFontMetrics& metrics = DrawingMetrics();
    const int width = grid_.Identity() ? TextWidthOf(text) : metrics.horizontalAdvance(text);
    const int height = metrics.height();
    const int ax = grid_.Edge(x);
    const int ay = grid_.Edge(y);
    const int horizontal = textAlign_ & TA_CENTER;
    const int vertical = textAlign_ & TA_BASELINE;
    const int left = horizontal == TA_CENTER ? ax - width / 2 : horizontal == TA_RIGHT ? ax - width : ax;
    const int top = vertical == TA_BASELINE ? ay - metrics.ascent() : vertical == TA_BOTTOM ? ay - height : ay;
    ref_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    penDirty_ = true;
    if (textBackMode_ == OPAQUE)
        WritingPainter()->fillRect(QRect(left, top, width, height), ToQColor(textBackColor_));
    if (fontDirty_) {
        ref_->setFont(DrawingFont());
        fontDirty_ = false;
    }
    ref_->setPen(ToQColor(Font().Color()));
    ref_->setBackgroundMode(Qt::TransparentMode);  // the cell background is filled above, as one rectangle
    const QPoint baseline(left, top + metrics.ascent());
    const QFont& font = ref_->font();
    // Kept glyphs are drawn where drawText draws them: upright, without lines that drawText adds itself.
    if (ref_->transform().type() > QTransform::TxTranslate || font.underline() || font.strikeOut() || font.overline()) {
        WritingPainter()->drawText(baseline, text);
        return;
    }
    const TextGlyphs& glyphs = GlyphsOf(font, text);
    if (glyphs.Layout) {  // measured, not drawn yet: its glyphs come from the shaping of the measurement
        glyphs.Runs = glyphs.Layout->lineAt(0).glyphRuns();
        glyphs.Layout.reset();
    }
    QPainter* painter = WritingPainter();
    for (const QGlyphRun& run : glyphs.Runs)
        painter->drawGlyphRun(QPointF(baseline.x(), baseline.y() - glyphs.Baseline), run);
}

// The text is shaped once: its width and its glyphs come from the same layout, which keeps what it shaped
// (setCacheEnabled) until the glyphs are taken from it.
const TChartCanvas3D::TextGlyphs& TChartCanvas3D::GlyphsOf(const QFont& font, const QString& text) const
{
    const Qt::LayoutDirection direction =
        ref_ != nullptr ? ref_->layoutDirection() : QGuiApplication::layoutDirection();
    for (auto kept = glyphs_.rbegin(); kept != glyphs_.rend(); ++kept)
        if (kept->Text == text && kept->Direction == direction && kept->Font == font)
            return *kept;
    if (glyphs_.size() == MaxKeptGlyphs)
        glyphs_.erase(glyphs_.begin());
    auto layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option;
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    const QTextLine line = layout->createLine();
    layout->endLayout();
    if (!line.isValid())
        glyphs_.push_back({font, text, direction, {}, {}, 0, QFontMetrics(font).horizontalAdvance(text)});
    else  // the line's advance counts trailing blanks too, as horizontalAdvance does
        glyphs_.push_back(
            {font, text, direction, std::move(layout), {}, line.ascent(), qRound(line.horizontalAdvance())});
    return glyphs_.back();
}

// A single character is measured from its advance, which needs no shaping: the layout measures one character
// (a blank, the "W" of a margin) far more often than it draws one.
int TChartCanvas3D::MeasureText(const QFont& font, const QFontMetrics& metrics, const QString& text) const
{
    if (text.size() == 1 && !text.front().isSurrogate())
        return metrics.horizontalAdvance(text.front());
    return text.isEmpty() ? 0 : GlyphsOf(font, text).Width;
}

// The font text is drawn in: the realised font at ratio 1, else the same font at the device's size, kept
// until the font or the ratio changes.
const QFont& TChartCanvas3D::DrawingFont()
{
    if (grid_.Identity())
        return RealisedFont();
    if (!deviceFont_ || deviceFont_->Source != RealisedFont() || deviceFont_->Ratio != grid_.Ratio()) {
        QFont font = RealisedFont();
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * grid_.Ratio()))));
        deviceFont_.emplace(DeviceFont{RealisedFont(), grid_.Ratio(), font, QFontMetrics(font)});
    }
    return deviceFont_->Font;
}

const QFontMetrics& TChartCanvas3D::DrawingMetrics()
{
    if (grid_.Identity())
        return RealisedMetrics();
    DrawingFont();
    return deviceFont_->Metrics;
}

void TChartCanvas3D::DrawRotatedText(int x, int y, int angle, const QString& text)
{
    Brush().SetStyle(TBrushStyle::bsClear);
    if (ref_ == nullptr || text.isEmpty())
        return;
    if (angle > 360)
        angle -= 360;
    ref_->save();
    ref_->translate(grid_.Edge(x), grid_.Edge(y));
    ref_->rotate(-angle);
    if (view3D_ && zoomText_ && zoomFactor_ != 1.0) {
        QFont zoomed = DrawingFont();
        zoomed.setPixelSize(std::max(1, int(std::lround(std::abs(Font().Height()) * zoomFactor_ * grid_.Ratio()))));
        ref_->setFont(zoomed);
    } else {
        ref_->setFont(DrawingFont());
    }
    fontDirty_ = false;
    DrawTextLine(0, 0, text);  // the origin is the anchor's device edge already
    ref_->restore();
    penDirty_ = brushDirty_ = fontDirty_ = true;
}

// ---- clipping ----

void TChartCanvas3D::ClipToRect(const Rect& rect)
{
    clipped_ = true;
    clipRect_ = rect;
    if (ref_ == nullptr)
        return;
    const QRect clip = grid_.Cells(rect.Left, rect.Top, std::max(0, rect.Width()), std::max(0, rect.Height()));
    ref_->setClipRect(clip);
    image_.Direct().SetClip(clip);
}

void TChartCanvas3D::ClipToPlotArea(const Rect& rect, int, int)
{
    ClipToRect({rect.Left + 1, rect.Top + 1, rect.Right, rect.Bottom - 1});
}

void TChartCanvas3D::RemoveClip()
{
    clipped_ = false;
    image_.Direct().RemoveClip();
    if (ref_ != nullptr)
        ref_->setClipping(false);
}

}  // namespace rna::chart
