#include "chart/canvas/RubberBand.h"

#include <QPainter>

#include "chart/canvas/ChartFontQt.h"

namespace rna::chart {

namespace {

QRect ToQRect(const Rect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

void NotXorFill(QPainter& painter, const QRect& area, TColor pen)
{
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.fillRect(area, ToQColor(pen));
}

}  // namespace

std::array<Rect, 4> RubberBandEdges(const Rect& corners)
{
    const int left = std::min(corners.Left, corners.Right);
    const int right = std::max(corners.Left, corners.Right);
    const int top = std::min(corners.Top, corners.Bottom);
    const int bottom = std::max(corners.Top, corners.Bottom);
    if (left == right || top == bottom)
        return {};
    // Top and bottom rows span the whole width; the columns lie between them. A rectangle one pixel wide
    // or high has no second column or row.
    const Rect topRow{left, top, right, top + 1};
    const Rect bottomRow = bottom - 1 > top ? Rect{left, bottom - 1, right, bottom} : Rect{};
    const Rect leftColumn{left, top + 1, left + 1, bottom - 1};
    const Rect rightColumn = right - 1 > left ? Rect{right - 1, top + 1, right, bottom - 1} : Rect{};
    return {topRow, bottomRow, leftColumn, rightColumn};
}

void DrawRubberBand(QImage& image, const Rect& corners, TColor pen)
{
    QPainter painter(&image);
    const Rect bounds{0, 0, image.width(), image.height()};
    for (const Rect& edge : RubberBandEdges(corners))
        if (const Rect r = Intersect(edge, bounds); !r.IsEmpty())
            NotXorFill(painter, ToQRect(r), pen);
}

void PaintRubberBand(QPainter& target, const QImage& shown, const Rect& corners, TColor pen)
{
    target.save();
    const Rect bounds{0, 0, shown.width(), shown.height()};
    for (const Rect& edge : RubberBandEdges(corners)) {
        if (shown.isNull()) {
            if (!edge.IsEmpty())
                NotXorFill(target, ToQRect(edge), pen);
            continue;
        }
        const Rect r = Intersect(edge, bounds);
        if (r.IsEmpty())
            continue;
        QImage strip = shown.copy(ToQRect(r));
        {
            QPainter painter(&strip);
            NotXorFill(painter, strip.rect(), pen);
        }
        target.setCompositionMode(QPainter::CompositionMode_Source);
        target.drawImage(QPoint(r.Left, r.Top), strip);
    }
    target.restore();
}

}  // namespace rna::chart
