// The canvas' rasterisers: lines, round-nib lines and ellipse rings as pixel paths and spans of rows.
#pragma once

#include <QPoint>
#include <QRect>
#include <array>
#include <cstddef>
#include <list>
#include <vector>

#include "chart/canvas/EllipseRaster.h"
#include "chart/canvas/TChartPen.h"

namespace rna::chart {

// On/off run lengths of a one-pixel pen style, starting with "on"; no runs for a solid line.
struct DashPattern {
    std::array<int, 6> runs{};
    int count = 0;
    int period = 0;

    bool Solid() const { return count == 0; }
    // Whether the pixel `index` steps from the start of a line is set.
    bool On(int index) const;
};

constexpr DashPattern PatternOf(TPenStyle style, bool alternate)
{
    if (alternate)
        return {{1, 1}, 2, 2};
    switch (style) {
    case TPenStyle::psDash:
        return {{18, 6}, 2, 24};
    case TPenStyle::psDot:
        return {{3, 3}, 2, 6};
    case TPenStyle::psDashDot:
        return {{9, 6, 3, 6}, 4, 24};
    case TPenStyle::psDashDotDot:
        return {{9, 3, 3, 3, 3, 3}, 6, 24};
    default:
        return {};
    }
}

// The pixels of the line from (x0, y0) by (dx, dy), one per step along the longer axis: pixel i lies i steps
// along it and round(i * shorter / longer) steps across (halves away from the start). The rounded step
// across is carried as an exact quotient and remainder instead of being divided out for every pixel.
class LineWalk {
public:
    LineWalk(int x0, int y0, int dx, int dy);
    QPoint Pixel() const { return {x_, y_}; }
    bool AlongX() const { return alongX_; }
    void Next()
    {
        // The step across grows by at most one per pixel, since across_ <= divisor_.
        remainder_ += across_;
        const bool stepAcross = remainder_ >= divisor_;
        if (stepAcross)
            remainder_ -= divisor_;
        if (alongX_) {
            x_ += sx_;
            y_ += stepAcross ? sy_ : 0;
        } else {
            y_ += sy_;
            x_ += stepAcross ? sx_ : 0;
        }
    }

private:
    int x_;
    int y_;
    int sx_;
    int sy_;
    bool alongX_;
    long long across_;
    long long divisor_;
    long long remainder_;  // of (i * across_ + divisor_ / 2) divided by divisor_
};

// Adds the pixels left .. right of row y, lengthening the last rectangle when it covers the same
// columns on the row above, so that a straight stretch of rows becomes one rectangle.
void AddSpan(std::vector<QRect>& spans, int left, int right, int y);

// The pixels of the line from (x0, y0) to (x1, y1) without its end pixel, from the start (none when the two
// points are one).
void LinePixels(int x0, int y0, int x1, int y1, std::vector<QPoint>& path);

// Rows of ellipses in boxes at (0, 0), as EllipseRows gives them; a box elsewhere has the same rows moved by
// its left edge. Markers and round nibs are many ellipses of a few sizes, so the shapes used last are kept,
// the latest at the back; a list, so that the rows of one shape stay in place while the next is looked up.
class EllipseShapes {
public:
    const std::vector<EllipseRow>& Rows(int width, int height);

private:
    struct Entry {
        int width = 0;
        int height = 0;
        std::vector<EllipseRow> rows;
    };
    static constexpr std::size_t MaxShapes = 8;
    std::list<Entry> shapes_;
};

// A round nib `width` pixels wide swept along the line from (x0, y0) to (x1, y1), both end points included,
// as spans. Across the line the nib is as wide as the pen and lies as a pen of that width grows (2 pixels
// cover x - 1 and x, 3 pixels x - 1 to x + 1); along the line it takes the nearest odd size, so that it
// centres on the end points and both ends reach past them alike: a 3-pixel line gets a one-pixel tip beyond
// each end, a 2-pixel line ends at its end points. The nib is the ellipse of its box; being convex, it leaves
// one span per row. `rows` is scratch space.
void RoundNibSpans(int x0, int y0, int x1, int y1, int width, EllipseShapes& shapes, std::vector<EllipseRow>& rows,
                   std::vector<QRect>& spans);

// An ellipse in the box (x0, y0) - (x1, y1), right and bottom edges excluded, with a solid outline `width`
// pixels wide: the spans of its inside and of the outline left and right of it. A wide outline grows around
// the one-pixel one as a wide line grows (up and left first); the inside is what the innermost outline
// encloses. The three never overlap, so raster modes such as xor draw each pixel once.
struct RingSpans {
    std::vector<QRect> inside;
    std::vector<QRect> left;
    std::vector<QRect> right;
};
void EllipseRingSpans(int x0, int y0, int x1, int y1, int width, EllipseShapes& shapes, RingSpans& spans);

// The outline `width` pixels wide just inside `outer`, as four rectangles that cover each of its pixels once:
// the top and bottom rows span the whole width, the left and right columns lie between them. Where the
// rectangle is too small for two rows or two columns of that width, the second is empty (or short).
std::array<QRect, 4> OutlineBands(const QRect& outer, int width);

}  // namespace rna::chart
