#include "ui/TImage.h"

#include "ui/TForm.h"

#include <QPainter>

namespace rna::ui {

TImage::TImage(TForm& form) : TGraphicControl(form)
{
    setBounds(QRect(0, 0, 105, 105));
}

void TImage::setPicture(const QImage& picture)
{
    picture_ = picture;
    dropMasked();
    if (autoSize_ && !picture_.isNull())
        setBounds(QRect(boundsRect().topLeft(), picture_.size()));
    invalidate();
}

void TImage::setStretch(bool on)
{
    if (on == stretch_)
        return;
    stretch_ = on;
    invalidate();
}

void TImage::setCenter(bool on)
{
    if (on == center_)
        return;
    center_ = on;
    invalidate();
}

void TImage::setTransparent(bool on)
{
    if (on == transparent_)
        return;
    transparent_ = on;
    dropMasked();
    invalidate();
}

void TImage::setAutoSize(bool on)
{
    if (on == autoSize_)
        return;
    autoSize_ = on;
    if (on && !picture_.isNull())
        setBounds(QRect(boundsRect().topLeft(), picture_.size()));
}

QColor TImage::transparentColor() const
{
    if (picture_.isNull())
        return {};
    return picture_.pixelColor(0, picture_.height() - 1);
}

void TImage::dropMasked()
{
    masked_ = QImage();
    maskedValid_ = false;
}

const QImage& TImage::maskedPicture() const
{
    if (maskedValid_)
        return masked_;
    maskedValid_ = true;
    masked_ = picture_.convertToFormat(QImage::Format_ARGB32);
    const int width = masked_.width();
    const int height = masked_.height();
    const QRgb key = masked_.pixel(0, height - 1);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked_.scanLine(y));
        for (int x = 0; x < width; ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return masked_;
}

void TImage::paint(QPainter& painter) const
{
    if (picture_.isNull())
        return;
    const QImage& image = transparent_ ? maskedPicture() : picture_;
    // Nearest-pixel scaling keeps the transparency mask exact when stretching.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (stretch_) {
        painter.drawImage(QRect(0, 0, width(), height()), image);
        return;
    }
    QPoint origin(0, 0);
    if (center_)
        origin = QPoint((width() - image.width()) / 2, (height() - image.height()) / 2);
    painter.drawImage(origin, image);
}

}  // namespace rna::ui
