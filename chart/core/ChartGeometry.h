// Integer rectangles with exclusive right and bottom edges, and the rounding helpers of the layout.
#pragma once

#include <algorithm>
#include <cstdint>

namespace rna::chart {

// Left/Top inclusive, Right/Bottom exclusive, as the drawing primitives take them.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr int CenterX() const { return (Left + Right) / 2; }
    constexpr int CenterY() const { return (Top + Bottom) / 2; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The overlap of two rectangles; empty (IsEmpty) when they do not overlap.
constexpr Rect Intersect(const Rect& a, const Rect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t p = std::int64_t(a) * b;
    const bool negative = (p < 0) != (c < 0);
    const std::int64_t ap = p < 0 ? -p : p;
    const std::int64_t ac = c < 0 ? -std::int64_t(c) : c;
    const std::int64_t q = (2 * ap + ac) / (2 * ac);
    return int(negative ? -q : q);
}

}  // namespace rna::chart
