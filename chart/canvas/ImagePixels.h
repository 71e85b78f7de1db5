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
        : bits_(bits), bytesPerLine_(bytesPerLine), width_(width), height_(height)
    {
        RemoveClip();
    }

    bool IsNull() const { return bits_ == nullptr; }
    // Adds the part of the image each write changes to rects (null: none), a run of pixels along a row as
    // one rectangle.
    void RecordInto(std::vector<QRect>* rects) { written_ = rects; }
    // Restricts writes to rect (within the image); an empty rect lets nothing through.
    void SetClip(const QRect& rect)
    {
        if (rect.isEmpty()) {
            SetClipEdges(0, 0, -1, -1);
            return;
        }
        SetClipEdges(std::max(rect.left(), 0), std::max(rect.top(), 0), std::min(rect.right(), width_ - 1),
                     std::min(rect.bottom(), height_ - 1));
    }
    void RemoveClip() { SetClipEdges(0, 0, width_ - 1, height_ - 1); }

    void Set(int x, int y, QRgb color)
    {
        if (x < clipLeft_ || x > clipRight_ || y < clipTop_ || y > clipBottom_)
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
        if (rect.isEmpty())
            return;
        // The part of rect inside the clip, by edges (inclusive), as QRect's intersection would give it.
        const int left = std::max(rect.left(), clipLeft_);
        const int right = std::min(rect.right(), clipRight_);
        const int top = std::max(rect.top(), clipTop_);
        const int bottom = std::min(rect.bottom(), clipBottom_);
        if (left > right || top > bottom)
            return;
        for (int y = top; y <= bottom; ++y)
            std::fill_n(Row(y) + left, right - left + 1, color);
        if (written_ != nullptr)
            written_->push_back(QRect(QPoint(left, top), QPoint(right, bottom)));
    }

private:
    QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_); }
    // Edges are inclusive; a clip that lets nothing through has left > right or top > bottom.
    void SetClipEdges(int left, int top, int right, int bottom)
    {
        clipLeft_ = left;
        clipTop_ = top;
        clipRight_ = right;
        clipBottom_ = bottom;
    }

    uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
    int width_ = 0;
    int height_ = 0;
    int clipLeft_ = 0;
    int clipTop_ = 0;
    int clipRight_ = -1;
    int clipBottom_ = -1;
    std::vector<QRect>* written_ = nullptr;
};

}  // namespace rna::chart
