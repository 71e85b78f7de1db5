// The zoom rectangle drawn over a shown chart in not-XOR pen mode: a second drawing gives the pixels back.
#pragma once

#include <QImage>
#include <QRect>
#include <array>

#include "chart/canvas/DeviceGrid.h"
#include "chart/core/ChartColor.h"
#include "chart/core/ChartGeometry.h"

class QPainter;

namespace rna::chart {

// The one-pixel outline of the rectangle with corners (X0, Y0) and (X1, Y1) given as Left, Top, Right,
// Bottom in any order. The corners are put in order and the right and bottom edges left out, as every
// rectangle of the canvas; each pixel of the outline lies in exactly one of the four runs, so that the
// not-XOR drawing never applies twice to a pixel. Runs of a degenerate rectangle are empty.
std::array<Rect, 4> RubberBandEdges(const Rect& corners);

// The same outline in the device pixels of `grid`, as the canvas draws a rectangle's one-pixel outline: each
// edge as wide as its one-pixel lines, from the edge of its cell.
std::array<QRect, 4> RubberBandBands(const Rect& corners, const DeviceGrid& grid);

// Each outline pixel of image becomes NOT (pen XOR pixel), on the RGB channels; the corners are in the chart's
// own pixels, which lie on the image's pixels as `grid` says (the chart canvas' grid of the image).
void DrawRubberBand(QImage& image, const Rect& corners, TColor pen, const DeviceGrid& grid = {});

// Draws on target what DrawRubberBand would leave on `shown`, the picture target shows: only the outline
// pixels are written, composed on copies of `shown`, so the target itself needs no raster operations and
// `shown` is left as it is. Without a picture (null `shown`) the not-XOR mode is applied to the target
// directly, which only a raster target supports. `shown` is drawn pixel for pixel at target's origin.
void PaintRubberBand(QPainter& target, const QImage& shown, const Rect& corners, TColor pen,
                     const DeviceGrid& grid = {});

}  // namespace rna::chart
