// Picture painted by its form: natural size at the top-left, centred or stretched; transparent colour = bottom-left
// pixel.
#pragma once

#include "ui/ContentScale.h"
#include "ui/TGraphicControl.h"

#include <QImage>

namespace rna::ui {

class TImage : public TGraphicControl, public ContentScale {
    Q_OBJECT
public:
    explicit TImage(TForm& form);

    // The picture, decoded first if it was given as a file.
    const QImage& picture() const;
    void setPicture(const QImage& picture);
    // The picture in the embedded file at path, of size (from the file's header, see EmbeddedImageSize). The file
    // is decoded when the picture is first needed (painting, picture(), transparentColor()): a window holds its
    // pictures from start-up on, mostly long before it is first shown.
    void setPictureFile(const QString& path, QSize size);
    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    bool center() const { return center_; }
    void setCenter(bool on);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    // The colour left unpainted when Transparent is on: the bottom-left pixel's.
    QColor transparentColor() const;

    void paint(QPainter& painter) const override;
    // At a density other than 96 the picture is shown `scale` times its size, as the window's places are.
    void setContentScale(qreal scale) override;

    // The file of the same picture drawn at `scale` times its size (form1-diagram@2x.png beside
    // form1-diagram.bmp), for screens with more device pixels; used when it exists.
    static QString scaledFile(const QString& path, int scale);

private:
    // picture_ with the transparent colour's pixels fully transparent. It is made by the first paint that needs it
    // and kept until the picture or Transparent changes: a window holds its pictures from start-up on, often long
    // before it is first shown, and this copy takes four bytes a pixel.
    const QImage& maskedPicture() const;
    // Paints the picture (masked when Transparent) scaled to the control's size by nearest pixel, from stretched_:
    // made by the first stretched paint at a size, kept until the picture, Transparent or the size changes.
    void paintStretched(QPainter& painter) const;
    // At a device pixel ratio or density other than 1: the picture drawn from the best of its files and scaled
    // smoothly to the device pixels of `size` (of the window's own pixels, `shown` device pixels to each), so
    // that it shows no steps of enlarged pixels.
    void paintAtRatio(QPainter& painter, QPoint origin, QSize size, qreal shown) const;
    // The picture at `ratio`: from the file made at the smallest scale not below it (2 or 3; 3 above that), or
    // from the picture itself when there is no such file.
    QImage sourceForRatio(qreal ratio) const;
    void dropMasked();
    bool hasPicture() const { return !pictureSize_.isEmpty(); }

    mutable QImage picture_;
    mutable QString pendingFile_;  // set while the picture is still to be decoded from this file
    QSize pictureSize_;
    mutable QImage masked_;
    mutable bool maskedValid_ = false;
    mutable QImage stretched_;
    QString file_;  // the embedded file the picture came from, if any
    mutable QImage device_;  // the picture at the device pixels of the last paint at another ratio
    qreal contentScale_ = 1;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

}  // namespace rna::ui
