// Picture painted by its form: natural size at the top-left, centred or stretched; transparent colour = bottom-left
// pixel.
#pragma once

#include "ui/TGraphicControl.h"

#include <QImage>

namespace rna::ui {

class TImage : public TGraphicControl {
    Q_OBJECT
public:
    explicit TImage(TForm& form);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
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

private:
    void rebuildMasked();

    QImage picture_;
    QImage masked_;  // picture_ with the transparent colour's pixels fully transparent
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

}  // namespace rna::ui
