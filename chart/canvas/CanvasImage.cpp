#include "chart/canvas/CanvasImage.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
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
    painter_ = std::make_unique<QPainter>(&surface_);
    return painter_.get();
}

void CanvasImage::End()
{
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
}

void CanvasImage::CopyTo(QPainter& target, QPoint topLeft, bool monochrome) const
{
    if (image_.isNull())
        return;
    target.setCompositionMode(QPainter::CompositionMode_SourceOver);
    target.drawImage(topLeft, monochrome ? image_.convertToFormat(QImage::Format_Mono) : image_);
}

bool CanvasImage::SaveLayer()
{
    if (painter_ == nullptr)
        return false;
    if (layer_.size() != image_.size() || layer_.format() != image_.format())
        layer_ = QImage(image_.size(), image_.format());
    std::memcpy(layer_.bits(), image_.constBits(), std::size_t(image_.sizeInBytes()));
    layerPalette_ = QGuiApplication::palette().cacheKey();
    StartDifference();
    return true;
}

void CanvasImage::StartDifference()
{
    difference_.clear();
    differenceKnown_ = true;
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
    } else {
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
    StartDifference();
    return true;
}

}  // namespace rna::chart
