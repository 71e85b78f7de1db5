#include "chart/canvas/CanvasImage.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace rna::chart {

void CanvasImage::Prepare(int width, int height, double ratio)
{
    if (!image_.isNull() &&
        (image_.width() != width || image_.height() != height || image_.devicePixelRatio() != ratio))
        Discard();
    if (image_.isNull() && width > 0 && height > 0) {
        image_ = QImage(width, height, QImage::Format_RGB32);
        image_.fill(Qt::white);
        image_.setDevicePixelRatio(ratio);
        fresh_ = true;
    }
}

QPainter* CanvasImage::Begin()
{
    if (image_.isNull())
        return nullptr;
    // The pixels direct writes go to: taken before the painter starts, so that both see one buffer.
    pixels_ = image_.bits();
    surface_ = QImage(pixels_, image_.width(), image_.height(), image_.bytesPerLine(), image_.format());
    direct_ = image_.format() == QImage::Format_RGB32
                  ? ImagePixels(pixels_, image_.bytesPerLine(), image_.width(), image_.height())
                  : ImagePixels();
    if (difference_.size() > MaxDifference)
        differenceKnown_ = false;
    direct_.RecordInto(differenceKnown_ ? &difference_ : nullptr);
    changes_.clear();
    changesKnown_ = !fresh_;
    fresh_ = false;
    changesFrom_ = difference_.size();
    painter_ = std::make_unique<QPainter>(&surface_);
    return painter_.get();
}

void CanvasImage::End()
{
    if (painter_ != nullptr)
        CollectWrites();
    painter_.reset();
    surface_ = QImage();
    pixels_ = nullptr;
}

void CanvasImage::Discard()
{
    DiscardLayer();
    direct_.RecordInto(nullptr);
    direct_ = ImagePixels();
    End();
    image_ = QImage();
    changesKnown_ = false;
}

void CanvasImage::CopyTo(QPainter& target, QPoint topLeft, bool monochrome, const QRegion* area) const
{
    if (image_.isNull())
        return;
    target.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QImage source = monochrome ? image_.convertToFormat(QImage::Format_Mono) : image_;
    if (area == nullptr) {
        target.drawImage(topLeft, source);
        return;
    }
    const double ratio = image_.devicePixelRatio();
    const int whole = int(ratio);
    if (whole == ratio && image_.width() % whole == 0 && image_.height() % whole == 0) {
        for (const QRect& rect : *area) {
            const QRect part = rect & Area();
            if (!part.isEmpty())
                target.drawImage(
                    QRectF(part.translated(topLeft)), source,
                    QRectF(part.x() * whole, part.y() * whole, part.width() * whole, part.height() * whole));
        }
        return;
    }
    // At other ratios a shown pixel is no whole number of device pixels: the image is drawn whole, clipped.
    target.save();
    target.setClipRegion(area->translated(topLeft), Qt::IntersectClip);
    target.drawImage(topLeft, source);
    target.restore();
}

QRect CanvasImage::Area() const
{
    const double ratio = image_.devicePixelRatio();
    return {0, 0, int(std::ceil(image_.width() / ratio)), int(std::ceil(image_.height() / ratio))};
}

QRect CanvasImage::Shown(const QRect& device) const
{
    const double ratio = image_.devicePixelRatio();
    if (ratio == 1)
        return device;
    return QRect(
        QPoint(int(std::floor(device.left() / ratio)), int(std::floor(device.top() / ratio))),
        QPoint(int(std::ceil((device.right() + 1) / ratio)) - 1, int(std::ceil((device.bottom() + 1) / ratio)) - 1));
}

QRegion CanvasImage::ChangedArea() const
{
    if (image_.isNull())
        return {};
    if (!changesKnown_)
        return Area();
    if (changes_.size() > MaxAreaRects) {
        QRect bounds;
        for (const QRect& rect : changes_)
            bounds |= rect;
        return Shown(bounds);
    }
    // Rectangles that lie together are joined while that adds few pixels (the body and the round tips of a line
    // become one): a region of a few rectangles is quicker to build and to copy.
    std::vector<QRect> joined;
    for (const QRect& rect : changes_) {
        const auto size = [](const QRect& r) { return qint64(r.width()) * r.height(); };
        const auto together = std::find_if(joined.begin(), joined.end(), [&](const QRect& other) {
            const QRect both = other | rect;
            return size(both) <= size(other) + size(rect) + both.width() + both.height();
        });
        if (together != joined.end())
            *together |= rect;
        else
            joined.push_back(rect);
    }
    QRegion area;
    for (const QRect& rect : joined)
        area += Shown(rect);
    return area;
}

void CanvasImage::CollectWrites()
{
    if (!differenceKnown_)
        changesKnown_ = false;
    else if (changesKnown_)
        changes_.insert(changes_.end(), difference_.begin() + std::ptrdiff_t(changesFrom_), difference_.end());
}

bool CanvasImage::SaveLayer()
{
    if (painter_ == nullptr)
        return false;
    CollectWrites();
    if (layer_.size() != image_.size() || layer_.format() != image_.format())
        layer_ = QImage(image_.size(), image_.format());
    std::memcpy(layer_.bits(), image_.constBits(), std::size_t(image_.sizeInBytes()));
    layerPalette_ = QGuiApplication::palette().cacheKey();
    layerUsed_ = false;
    StartDifference();
    return true;
}

void CanvasImage::StartDifference()
{
    difference_.clear();
    differenceKnown_ = true;
    changesFrom_ = 0;
    direct_.RecordInto(&difference_);
}

bool CanvasImage::RestoreLayer()
{
    if (painter_ == nullptr || layer_.size() != image_.size() || layer_.format() != image_.format() ||
        layerPalette_ != QGuiApplication::palette().cacheKey())
        return false;
    uchar* pixels = pixels_;
    if (!differenceKnown_) {
        std::memcpy(pixels, layer_.constBits(), std::size_t(image_.sizeInBytes()));
        changesKnown_ = false;
    } else {
        // Every rectangle written since the layer was saved or restored changes back, this drawing's or not.
        if (changesKnown_)
            changes_.insert(changes_.end(), difference_.begin(), difference_.end());
        // Both images have the same size and format, so one offset serves both.
        const qsizetype stride = image_.bytesPerLine();
        const uchar* layer = layer_.constBits();
        for (const QRect& r : difference_) {
            const qsizetype end = (r.bottom() + 1) * stride;
            qsizetype offset = r.top() * stride + r.left() * 4;
            if (r.width() == 1) {  // the pixels of steep lines: copied without a call each
                for (; offset < end; offset += stride)
                    std::copy_n(layer + offset, 4, pixels + offset);
                continue;
            }
            for (; offset < end; offset += stride)
                std::memcpy(pixels + offset, layer + offset, std::size_t(r.width()) * 4);
        }
    }
    layerUsed_ = true;
    StartDifference();
    return true;
}

}  // namespace rna::chart
