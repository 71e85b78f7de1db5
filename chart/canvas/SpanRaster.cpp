#include "chart/canvas/SpanRaster.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace rna::chart {

bool DashPattern::On(int index) const
{
    if (count == 0)
        return true;
    int position = index % period;
    for (int run = 0; run < count; ++run) {
        if (position < runs[run])
            return run % 2 == 0;
        position -= runs[run];
    }
    return false;
}

LineWalk::LineWalk(int x0, int y0, int dx, int dy)
    : x_(x0), y_(y0), sx_(dx < 0 ? -1 : 1), sy_(dy < 0 ? -1 : 1), alongX_(std::abs(dx) >= std::abs(dy)),
      across_(2LL * std::min(std::abs(dx), std::abs(dy))), divisor_(2LL * std::max(std::abs(dx), std::abs(dy))),
      remainder_(divisor_ / 2)
{}

void AddSpan(std::vector<QRect>& spans, int left, int right, int y)
{
    if (left > right)
        return;
    if (!spans.empty()) {
        QRect& last = spans.back();
        if (last.left() == left && last.right() == right && last.bottom() == y - 1) {
            last.setBottom(y);
            return;
        }
    }
    spans.emplace_back(QPoint(left, y), QPoint(right, y));
}

void LinePixels(int x0, int y0, int x1, int y1, std::vector<QPoint>& path)
{
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    path.clear();
    for (LineWalk walk(x0, y0, dx, dy); int(path.size()) < steps; walk.Next())
        path.push_back(walk.Pixel());
}

const std::vector<EllipseRow>& EllipseShapes::Rows(int width, int height)
{
    for (auto shape = shapes_.begin(); shape != shapes_.end(); ++shape)
        if (shape->width == width && shape->height == height) {
            shapes_.splice(shapes_.end(), shapes_, shape);
            return shape->rows;
        }
    if (shapes_.size() == MaxShapes)
        shapes_.pop_front();
    shapes_.push_back({width, height, EllipseRows(0, 0, width, height)});
    return shapes_.back().rows;
}

void RoundNibSpans(int x0, int y0, int x1, int y1, int width, EllipseShapes& shapes, std::vector<EllipseRow>& rows,
                   std::vector<QRect>& spans)
{
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const int along = steps == 0 || width % 2 == 1 ? width : width - 1;  // a dot has no direction
    const bool horizontal = std::abs(dx) >= std::abs(dy);
    const int nibWidth = horizontal ? along : width;
    const int nibHeight = horizontal ? width : along;
    const int left = -(nibWidth / 2);
    const int up = -(nibHeight / 2);
    const std::vector<EllipseRow>& nib = shapes.Rows(nibWidth, nibHeight);  // columns from 0: shift by left
    const int top = std::min(y0, y1) + up;
    rows.assign(std::abs(dy) + nibHeight, EllipseRow{INT_MAX, INT_MIN});
    LineWalk walk(x0, y0, dx, dy);
    for (int i = 0; i <= steps; ++i, walk.Next()) {
        const QPoint p = walk.Pixel();
        for (int r = 0; r < int(nib.size()); ++r) {
            EllipseRow& row = rows[p.y() + up + r - top];
            row.left = std::min(row.left, p.x() + left + nib[r].left);
            row.right = std::max(row.right, p.x() + left + nib[r].right);
        }
    }
    spans.clear();
    for (int i = 0; i < int(rows.size()); ++i)
        AddSpan(spans, rows[i].left, rows[i].right, top + i);
}

void EllipseRingSpans(int x0, int y0, int x1, int y1, int width, EllipseShapes& shapes, RingSpans& spans)
{
    const int out = width / 2;
    const int in = width - 1 - out;
    // Both shapes come with columns from 0; ox and ix move them to their boxes.
    const int ox = x0 - out;
    const int ix = x0 + in;
    const std::vector<EllipseRow>& outer = shapes.Rows(x1 + in - ox, y1 + in - (y0 - out));
    const std::vector<EllipseRow>& inner = shapes.Rows(x1 - out - ix, y1 - out - (y0 + in));
    spans.inside.clear();
    spans.left.clear();
    spans.right.clear();
    for (int i = 0; i < int(outer.size()); ++i) {
        const int y = y0 - out + i;
        const int k = y - (y0 + in);
        const bool hollow = k >= 0 && k < int(inner.size()) && inner[k].innerLeft <= inner[k].innerRight;
        if (!hollow) {
            AddSpan(spans.left, ox + outer[i].left, ox + outer[i].right, y);
            continue;
        }
        AddSpan(spans.left, ox + outer[i].left, ix + inner[k].innerLeft - 1, y);
        AddSpan(spans.right, ix + inner[k].innerRight + 1, ox + outer[i].right, y);
        AddSpan(spans.inside, ix + inner[k].innerLeft, ix + inner[k].innerRight, y);
    }
}

std::array<QRect, 4> OutlineBands(const QRect& outer, int width)
{
    if (outer.isEmpty())
        return {};
    const int left = outer.left();
    const int top = outer.top();
    const int right = outer.right() + 1;
    const int bottom = outer.bottom() + 1;
    const int topEnd = std::min(top + width, bottom);
    const int bottomStart = std::max(topEnd, bottom - width);
    const int leftEnd = std::min(left + width, right);
    const int rightStart = std::max(leftEnd, right - width);
    const auto band = [](int x0, int y0, int x1, int y1) { return QRect(x0, y0, x1 - x0, y1 - y0); };
    return {band(left, top, right, topEnd), band(left, bottomStart, right, bottom),
            band(left, topEnd, leftEnd, bottomStart), band(rightStart, topEnd, right, bottomStart)};
}

}  // namespace rna::chart
