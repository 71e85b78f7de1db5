#include "chart/canvas/EllipseRaster.h"

#include <algorithm>
#include <cstdint>

namespace rna::chart {

namespace {

// The arithmetic runs in doubled coordinates centred on the box, so that boxes of even and odd
// sizes are both exact: pixel column i of a box w wide lies at X = 2i - (w - 1), and the ellipse
// passes through X = +-a, Y = +-b with a = w - 1 and b = h - 1. Y counts upwards here.

// The quarter X >= 0, Y >= 0 of the outline, in order from the top to the side.
std::vector<QPoint> QuarterArc(int a, int b)
{
    const std::int64_t a2 = std::int64_t(a) * a;
    const std::int64_t b2 = std::int64_t(b) * b;
    // Negative inside the ellipse, positive outside.
    const auto f = [&](std::int64_t x, std::int64_t y) { return b2 * x * x + a2 * y * y - a2 * b2; };
    const int lowestRow = b & 1;  // the middle row, or the row just above the middle
    int x = a & 1;
    int y = b;
    std::vector<QPoint> arc{{x, y}};
    // While the curve is flatter than 45 degrees every column has one pixel, in the row nearer the
    // curve: the midpoint between the two candidate rows decides, and a midpoint on the curve counts
    // as outside, so the inner row wins a tie.
    while (x + 2 <= a && b2 * (x + 1) < a2 * (y - 1)) {
        x += 2;
        if (y > lowestRow && f(x, y - 1) >= 0)
            y -= 2;
        arc.emplace_back(x, y);
    }
    // Where it is steeper every row has one run, ending at the column nearer the curve (ties inward
    // again); the lowest row takes every column left, so flat ellipses reach the ends of their box.
    int previous = x;
    for (bool first = true;; first = false) {
        while (x + 2 <= a && (y <= lowestRow || f(x + 1, y) < 0))
            x += 2;
        for (int run = first ? previous + 2 : std::min(previous + 2, x); run <= x; run += 2)
            arc.emplace_back(run, y);
        previous = x;
        if (y <= lowestRow)
            break;
        y -= 2;
    }
    return arc;
}

bool Drawable(int width, int height)
{
    return width >= 1 && height >= 1 && width <= MaxEllipseSize && height <= MaxEllipseSize;
}

}  // namespace

std::vector<EllipseRow> EllipseRows(int x0, int y0, int x1, int y1)
{
    const int width = x1 - x0;
    const int height = y1 - y0;
    if (!Drawable(width, height))
        return {};
    std::vector<EllipseRow> rows(height, EllipseRow{x0, x1 - 1, x0, x0 - 1});
    if (width == 1 || height == 1)
        return rows;
    const int a = width - 1;
    const int b = height - 1;
    // The arc visits the rows from the top down and each row's pixels from the inside out: a row's
    // first pixel bounds its inside, its last one the ellipse.
    int previousTop = -1;
    for (const QPoint& p : QuarterArc(a, b)) {
        const int top = (b - p.y()) / 2;
        const bool firstOfRow = top != previousTop;
        previousTop = top;
        for (EllipseRow* row : {&rows[top], &rows[height - 1 - top]}) {
            if (firstOfRow) {
                row->innerLeft = x0 + (a - p.x()) / 2 + 1;
                row->innerRight = x0 + (a + p.x()) / 2 - 1;
            }
            row->left = x0 + (a - p.x()) / 2;
            row->right = x0 + (a + p.x()) / 2;
        }
    }
    return rows;
}

std::vector<QPoint> EllipseOutline(int x0, int y0, int x1, int y1)
{
    const int width = x1 - x0;
    const int height = y1 - y0;
    if (!Drawable(width, height))
        return {};
    std::vector<QPoint> outline;
    if (width == 1 || height == 1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                outline.emplace_back(x, y);
        return outline;
    }
    const int a = width - 1;
    const int b = height - 1;
    const std::vector<QPoint> arc = QuarterArc(a, b);
    const int n = int(arc.size());
    // The four mirrored quarters, clockwise: top to right, right to bottom, bottom to left, left to
    // top. A pixel on the vertical or horizontal axis belongs to two quarters and is taken once.
    const auto add = [&](const QPoint& p, int sx, int sy) {
        outline.emplace_back(x0 + (a + sx * p.x()) / 2, y0 + (b - sy * p.y()) / 2);
    };
    for (int i = 0; i < n; ++i)
        add(arc[i], 1, 1);
    for (int i = n - 1; i >= 0; --i)
        if (arc[i].y() != 0)
            add(arc[i], 1, -1);
    for (int i = 0; i < n; ++i)
        if (arc[i].x() != 0)
            add(arc[i], -1, -1);
    for (int i = n - 1; i >= 0; --i)
        if (arc[i].x() != 0 && arc[i].y() != 0)
            add(arc[i], -1, 1);
    return outline;
}

}  // namespace rna::chart
