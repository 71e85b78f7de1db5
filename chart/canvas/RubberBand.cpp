#include "chart/canvas/RubberBand.h"

#include <QPainter>

#include "chart/canvas/ChartFontQt.h"
#include "chart/canvas/SpanRaster.h"
#include "ui/PaintRatio.h"

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

Rect Ordered(const Rect& corners)
{
    return {std::min(corners.Left, corners.Right), std::min(corners.Top, corners.Bottom),
            std::max(corners.Left, corners.Right), std::max(corners.Top, corners.Bottom)};
}

}  // namespace

std::array<Rect, 4> RubberBandEdges(const Rect& corners)
{
    std::array<Rect, 4> edges{};
    const std::array<QRect, 4> bands = OutlineBands(ToQRect(Ordered(corners)), 1);
    for (std::size_t i = 0; i < bands.size(); ++i)
        if (!bands[i].isEmpty())
            edges[i] = {bands[i].left(), bands[i].top(), bands[i].right() + 1, bands[i].bottom() + 1};
    return edges;
}

std::array<QRect, 4> RubberBandBands(const Rect& corners, const DeviceGrid& grid)
{
    const Rect r = Ordered(corners);
    if (r.IsEmpty())
        return {};
    const int width = grid.LineWidth(1);
    return OutlineBands(QRect(QPoint(grid.Edge(r.Left), grid.Edge(r.Top)),
                              QPoint(grid.Edge(r.Right - 1) + width - 1, grid.Edge(r.Bottom - 1) + width - 1)),
                        width);
}

void DrawRubberBand(QImage& image, const Rect& corners, TColor pen, const DeviceGrid& grid)
{
    // Drawn in the image's own pixels whatever its ratio: on a view of its pixels with none.
    QImage pixels(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format());
    QPainter painter(&pixels);
    for (const QRect& band : RubberBandBands(corners, grid))
        if (const QRect r = band & pixels.rect(); !r.isEmpty())
            NotXorFill(painter, r, pen);
}

void PaintRubberBand(QPainter& target, const QImage& shown, const Rect& corners, TColor pen, const DeviceGrid& grid)
{
    target.save();
    if (shown.isNull()) {
        for (const Rect& edge : RubberBandEdges(corners))
            if (!edge.IsEmpty())
                NotXorFill(target, ToQRect(edge), pen);
        target.restore();
        return;
    }
    // The strips are placed in target's device pixels where the picture's own pixels are shown: the picture is
    // drawn pixel for pixel at its origin's device position rounded, so that is where its pixel (0, 0) lies.
    const qreal scale = rna::ui::paintRatio(target);
    const QPointF origin = target.deviceTransform().map(QPointF(0, 0));
    const QPointF shift(qRound(origin.x()) - origin.x(), qRound(origin.y()) - origin.y());
    target.setWorldTransform(QTransform::fromScale(1 / scale, 1 / scale), true);
    for (const QRect& band : RubberBandBands(corners, grid)) {
        const QRect r = band & shown.rect();
        if (r.isEmpty())
            continue;
        QImage strip = shown.copy(r);
        strip.setDevicePixelRatio(1);
        {
            QPainter painter(&strip);
            NotXorFill(painter, strip.rect(), pen);
        }
        target.setCompositionMode(QPainter::CompositionMode_Source);
        target.drawImage(QPointF(r.left() + shift.x(), r.top() + shift.y()), strip);
    }
    target.restore();
}

}  // namespace rna::chart
