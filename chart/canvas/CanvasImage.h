// The canvas' off-screen image and its image layer: what a chart is drawn into and what it copies back.
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "chart/canvas/ImagePixels.h"

namespace rna::chart {

// The image a buffered drawing draws into, in device pixels, with a painter and a direct writer over the same
// buffer; and the image layer: a copy of the image as the chart's drawing left it before its series (or after
// its first few series), so that a later drawing that would draw the same pixels up to there copies it back.
//
// Changed rectangles: from the moment a layer is saved or restored, every direct write records the rectangle
// it changed (device pixels of the image), so that restoring the layer copies back only those. A write through
// the painter changes pixels no one records: ForgetDifference says so, and the next restore copies the whole
// image.
class CanvasImage {
public:
    CanvasImage() = default;
    CanvasImage(const CanvasImage&) = delete;
    CanvasImage& operator=(const CanvasImage&) = delete;

    bool IsNull() const { return image_.isNull(); }
    // The image, whose device pixel ratio says how many of its pixels make one of the chart's own.
    const QImage& Image() const { return image_; }
    // Keeps the image when it has this size and ratio, else makes a new white one (none for an empty size).
    void Prepare(int width, int height, double ratio);
    // Starts drawing into the image: answers its painter, null when there is no image.
    QPainter* Begin();
    // Ends the drawing's painter; the image is complete.
    void End();
    QPainter* Painter() const { return painter_.get(); }
    // Solid writes straight into the scanlines (null outside a drawing or for other formats).
    ImagePixels& Direct() { return direct_; }
    void Discard();

    // Copies the image (monochrome: through a one-bit copy) onto target with its top-left corner at topLeft,
    // in target's own coordinates.
    void CopyTo(QPainter& target, QPoint topLeft, bool monochrome) const;

    // Only while drawing; SaveLayer answers whether it saved. RestoreLayer answers False (and copies nothing)
    // when there is no layer of the image's size or the system colours changed since it was saved.
    bool SaveLayer();
    bool RestoreLayer();
    void DiscardLayer()
    {
        layer_ = QImage();
        differenceKnown_ = false;
    }
    // A write the direct writer did not record: the next restore copies the whole image.
    void ForgetDifference() { differenceKnown_ = false; }
    // While known, the image equals the layer outside these rectangles (device pixels of the image).
    bool DifferenceKnown() const { return differenceKnown_; }
    const std::vector<QRect>& Difference() const { return difference_; }

private:
    void StartDifference();

    QImage image_;
    QImage layer_;
    qint64 layerPalette_ = 0;  // the system colours the layer was drawn with
    std::vector<QRect> difference_;
    bool differenceKnown_ = false;
    // Past this many rectangles a full copy is as quick as copying them one by one.
    static constexpr std::size_t MaxDifference = 16384;
    // During a drawing: image_'s pixels, and surface_, the same pixels as an image of ratio 1 for the painter,
    // so that the painter, like the direct writer, draws in device pixels.
    uchar* pixels_ = nullptr;
    QImage surface_;
    std::unique_ptr<QPainter> painter_;
    ImagePixels direct_;
};

}  // namespace rna::chart
