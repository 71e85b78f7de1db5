// The canvas' off-screen image and its image layer: what a chart is drawn into and what it copies back.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
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
//
// What a drawing changed: the rectangles it restored from the layer and those it wrote. A drawing that restored
// the layer and wrote only directly knows them, and then only they need to reach the window; any other drawing
// (the first into a new image, one that drew its background or wrote through the painter) changed the whole
// image as far as anyone knows.
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
    // in target's own coordinates: all of it, or only `area` of it (in the pixels of what shows the image, its
    // device pixels divided by its ratio, from its top-left corner).
    void CopyTo(QPainter& target, QPoint topLeft, bool monochrome, const QRegion* area = nullptr) const;

    // The part of the image the last drawing changed, in the pixels of what shows the image (each device pixel
    // rectangle widened to the whole pixels that hold it); all of the image when that is not known.
    QRegion ChangedArea() const;
    // All of the image, in the same pixels.
    QRect Area() const;

    // Only while drawing; SaveLayer answers whether it saved. RestoreLayer answers False (and copies nothing)
    // when there is no layer of the image's size or the system colours changed since it was saved.
    bool SaveLayer();
    bool RestoreLayer();
    void DiscardLayer()
    {
        layer_ = QImage();
        differenceKnown_ = false;
    }
    // Whether a drawing restored the layer saved last (a discarded one included) before the next was saved.
    bool LayerUsed() const { return layerUsed_; }
    // A write the direct writer did not record: the next restore copies the whole image.
    void ForgetDifference() { differenceKnown_ = false; }
    // While known, the image equals the layer outside these rectangles (device pixels of the image).
    bool DifferenceKnown() const { return differenceKnown_; }
    const std::vector<QRect>& Difference() const { return difference_; }

private:
    void StartDifference();
    // Adds the rectangles written since the layer was saved or restored (from changesFrom_ on) to the
    // drawing's changes, which are no longer known when some write went unrecorded.
    void CollectWrites();
    QRect Shown(const QRect& device) const;

    QImage image_;
    QImage layer_;
    qint64 layerPalette_ = 0;  // the system colours the layer was drawn with
    bool layerUsed_ = false;
    std::vector<QRect> difference_;
    bool differenceKnown_ = false;
    // Past this many rectangles a full copy is as quick as copying them one by one.
    static constexpr std::size_t MaxDifference = 16384;
    // The rectangles the current (or last) drawing changed, while known; the first changesFrom_ rectangles of
    // difference_ are older writes, which only a restore changes again.
    std::vector<QRect> changes_;
    bool changesKnown_ = false;
    std::size_t changesFrom_ = 0;
    bool fresh_ = false;  // the image was made (white) since the last drawing
    // Past this many rectangles the changed area is their bounding rectangle: cheaper to build and to copy.
    static constexpr std::size_t MaxAreaRects = 64;
    // During a drawing: image_'s pixels, and surface_, the same pixels as an image of ratio 1 for the painter,
    // so that the painter, like the direct writer, draws in device pixels.
    uchar* pixels_ = nullptr;
    QImage surface_;
    std::unique_ptr<QPainter> painter_;
    ImagePixels direct_;
};

}  // namespace rna::chart
