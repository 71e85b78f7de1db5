// Writes solid colour straight into the scanlines of a 32-bit image, clipped to a rectangle of it.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <algorithm>

namespace rna::chart {

// What QPainter does for an opaque colour in its copy mode without antialiasing, one pixel or one
// rectangle at a time, without its per-call set-up. The image must outlive the writer and keep its buffer.
class ImagePixels {
public:
    ImagePixels() = default;
    ImagePixels(uchar* bits, qsizetype bytesPerLine, int width, int height)
        : bits_(bits), bytesPerLine_(bytesPerLine), image_(0, 0, width, height), clip_(image_)
    {}

    bool IsNull() const { return bits_ == nullptr; }
    // Restricts writes to rect (within the image); an empty rect lets nothing through.
    void SetClip(const QRect& rect) { clip_ = rect.isEmpty() ? QRect() : rect & image_; }
    void RemoveClip() { clip_ = image_; }

    void Set(int x, int y, QRgb color)
    {
        if (!clip_.isEmpty() && clip_.contains(x, y))
            Row(y)[x] = color;
    }
    void Fill(const QRect& rect, QRgb color)
    {
        if (rect.isEmpty() || clip_.isEmpty())
            return;
        const QRect r = rect & clip_;
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::fill_n(Row(y) + r.left(), r.width(), color);
    }

private:
    QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_); }

    uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
    QRect image_;
    QRect clip_;
};

}  // namespace rna::chart
