// Writes solid colour straight into the scanlines of a 32-bit image, clipped to a rectangle of it.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <algorithm>
#include <vector>

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
    // Adds the part of the image each write changes to rects (null: none), a run of pixels along a row as
    // one rectangle.
    void RecordInto(std::vector<QRect>* rects) { written_ = rects; }
    // Restricts writes to rect (within the image); an empty rect lets nothing through.
    void SetClip(const QRect& rect) { clip_ = rect.isEmpty() ? QRect() : rect & image_; }
    void RemoveClip() { clip_ = image_; }

    void Set(int x, int y, QRgb color)
    {
        if (clip_.isEmpty() || !clip_.contains(x, y))
            return;
        Row(y)[x] = color;
        if (written_ == nullptr)
            return;
        if (!written_->empty()) {
            QRect& last = written_->back();
            if (last.top() == y && last.bottom() == y && last.right() + 1 == x) {
                last.setRight(x);
                return;
            }
        }
        written_->emplace_back(x, y, 1, 1);
    }
    void Fill(const QRect& rect, QRgb color)
    {
        if (rect.isEmpty() || clip_.isEmpty())
            return;
        const QRect r = rect & clip_;
        if (r.isEmpty())
            return;
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::fill_n(Row(y) + r.left(), r.width(), color);
        if (written_ != nullptr)
            written_->push_back(r);
    }

private:
    QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_); }

    uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
    QRect image_;
    QRect clip_;
    std::vector<QRect>* written_ = nullptr;
};

}  // namespace rna::chart
