// Pixels of an ellipse in a box, rasterised by the midpoint rule so that small ones come out round.
#pragma once

#include <QPoint>
#include <vector>

namespace rna::chart {

// The largest box side the rasteriser takes; its arithmetic then stays within 64 bits.
constexpr int MaxEllipseSize = 32768;

// One pixel row of an ellipse: the pixels left..right are the ellipse, innerLeft..innerRight of them
// lie inside its one-pixel outline (none when innerLeft > innerRight).
struct EllipseRow {
    int left = 0;
    int right = -1;
    int innerLeft = 0;
    int innerRight = -1;
};

// The rows y0 .. y1 - 1 of the ellipse in the box (x0, y0) - (x1, y1), right and bottom edges
// excluded, in the box's pixel columns; empty when the box is empty or larger than MaxEllipseSize.
// A 4 x 4 box leaves its corners empty; a box one pixel wide or high is all outline.
std::vector<EllipseRow> EllipseRows(int x0, int y0, int x1, int y1);

// The outline pixels of the same ellipse, each once, in order clockwise from the top.
std::vector<QPoint> EllipseOutline(int x0, int y0, int x1, int y1);

}  // namespace rna::chart
