#include "ui/TImage.h"

#include "ui/EmbeddedImage.h"
#include "ui/PaintRatio.h"
#include "ui/TForm.h"

#include <QPainter>
#include <algorithm>

namespace rna::ui {

TImage::TImage(TForm& form) : TGraphicControl(form)
{
    setBounds(QRect(0, 0, 105, 105));
}

const QImage& TImage::picture() const
{
    if (!pendingFile_.isEmpty()) {
        picture_ = ReadEmbeddedImage(pendingFile_);
        pendingFile_.clear();
    }
    return picture_;
}

void TImage::setPicture(const QImage& picture)
{
    picture_ = picture;
    pendingFile_.clear();
    file_.clear();
    pictureSize_ = picture.size();
    dropMasked();
    if (autoSize_ && hasPicture())
        setBounds(QRect(boundsRect().topLeft(), pictureSize_));
    invalidate();
}

void TImage::setPictureFile(const QString& path, QSize size)
{
    picture_ = QImage();
    pendingFile_ = path;
    file_ = path;
    pictureSize_ = size;
    dropMasked();
    if (autoSize_ && hasPicture())
        setBounds(QRect(boundsRect().topLeft(), pictureSize_));
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
    if (on && hasPicture())
        setBounds(QRect(boundsRect().topLeft(), pictureSize_));
}

QColor TImage::transparentColor() const
{
    const QImage& image = picture();
    if (image.isNull())
        return {};
    return image.pixelColor(0, image.height() - 1);
}

void TImage::dropMasked()
{
    masked_ = QImage();
    maskedValid_ = false;
    stretched_ = QImage();
    device_ = QImage();
}

QString TImage::scaledFile(const QString& path, int scale)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? path : path.left(dot)) + QStringLiteral("@%1x.png").arg(scale);
}

QImage TImage::sourceForRatio(qreal ratio) const
{
    if (!file_.isEmpty() && ratio > 1) {
        for (const int scale : {2, 3}) {
            if (scale < ratio && scale != 3)
                continue;
            const QImage scaled = ReadEmbeddedImage(scaledFile(file_, scale));
            if (!scaled.isNull())
                return scaled;
        }
    }
    return picture();
}

void TImage::paintAtRatio(QPainter& painter, QPoint origin, QSize size, qreal shown) const
{
    const QSize device(qRound(size.width() * shown), qRound(size.height() * shown));
    if (device_.size() != device || device_.devicePixelRatio() != shown) {
        const qreal enlargement =
            std::max(qreal(device.width()) / pictureSize_.width(), qreal(device.height()) / pictureSize_.height());
        QImage source = sourceForRatio(enlargement).convertToFormat(QImage::Format_ARGB32);
        if (transparent_) {
            // The transparent colour is the bottom-left pixel's, at every scale.
            const QRgb key = source.pixel(0, source.height() - 1);
            for (int y = 0; y < source.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
                std::replace(line, line + source.width(), key, QRgb(0));
            }
        }
        device_ = source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                      .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        device_.setDevicePixelRatio(shown);
    }
    painter.drawImage(origin, device_);
}

void TImage::setContentScale(qreal scale)
{
    if (scale == contentScale_)
        return;
    contentScale_ = scale;
    device_ = QImage();
    invalidate();
}

void TImage::paintStretched(QPainter& painter) const
{
    // A window repaints small parts of the picture at a time (the labels over it); a copy kept scaled to the
    // control's size makes each of them a plain copy.
    const QSize size(width(), height());
    if (stretched_.size() != size) {
        const QImage& image = transparent_ ? maskedPicture() : picture();
        if (!transparent_ && image.hasAlphaChannel()) {
            // Partly transparent pixels could blend differently from a copy: scaled at each paint.
            painter.drawImage(QRect(QPoint(0, 0), size), image);
            return;
        }
        // The same nearest-pixel scaling a stretched paint uses, so copying it 1:1 puts every pixel where that
        // paint puts it; its pixels are opaque or fully transparent, so Source here and SourceOver there agree.
        stretched_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
        stretched_.fill(Qt::transparent);
        QPainter scaler(&stretched_);
        scaler.setRenderHint(QPainter::SmoothPixmapTransform, false);
        scaler.setCompositionMode(QPainter::CompositionMode_Source);
        scaler.drawImage(QRect(QPoint(0, 0), size), image);
        scaler.end();
        // The transparent copy is not needed while the scaled one fits; another size makes it again.
        masked_ = QImage();
        maskedValid_ = false;
    }
    painter.drawImage(QPoint(0, 0), stretched_);
}

const QImage& TImage::maskedPicture() const
{
    if (maskedValid_)
        return masked_;
    maskedValid_ = true;
    masked_ = picture().convertToFormat(QImage::Format_ARGB32);
    if (masked_.isNull())
        return masked_;
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
    if (!hasPicture())
        return;
    const qreal shown = paintRatio(painter);
    if (shown * contentScale_ != 1.0) {
        if (stretch_) {
            if (width() > 0 && height() > 0)
                paintAtRatio(painter, QPoint(0, 0), QSize(width(), height()), shown);
            return;
        }
        const QSize size(qRound(pictureSize_.width() * contentScale_), qRound(pictureSize_.height() * contentScale_));
        QPoint origin(0, 0);
        if (center_)
            origin = QPoint((width() - size.width()) / 2, (height() - size.height()) / 2);
        paintAtRatio(painter, origin, size, shown);
        return;
    }
    // Nearest-pixel scaling keeps the transparency mask exact when stretching.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (stretch_) {
        if (width() > 0 && height() > 0)
            paintStretched(painter);
        return;
    }
    const QImage& image = transparent_ ? maskedPicture() : picture();
    QPoint origin(0, 0);
    if (center_)
        origin = QPoint((width() - image.width()) / 2, (height() - image.height()) / 2);
    painter.drawImage(origin, image);
}

}  // namespace rna::ui
