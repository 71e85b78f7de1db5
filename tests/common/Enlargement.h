// Tells a drawing made at a device pixel ratio from a smaller drawing enlarged by repeating its pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <cmath>

namespace rna::test {

// Whether the columns (or, `rows`, the rows) of the area repeat as an image enlarged `ratio` times by
// repeating pixels repeats them: for some placement of the enlargement, every two neighbouring columns that
// come from one pixel of the smaller image are equal. A drawing made at the device's pixels has columns that
// differ within such a pair wherever something slopes or is text.
inline bool RepeatsLikeAnEnlargement(const QImage& image, const QRect& area, double ratio, bool rows = false)
{
    const int first = rows ? area.top() : area.left();
    const int last = rows ? area.bottom() : area.right();
    const auto same = [&](int a, int b) {
        for (int i = rows ? area.left() : area.top(); i <= (rows ? area.right() : area.bottom()); ++i)
            if ((rows ? image.pixel(i, a) : image.pixel(a, i)) != (rows ? image.pixel(i, b) : image.pixel(b, i)))
                return false;
        return true;
    };
    // Placements a quarter of a device pixel apart, over one pixel of the smaller image.
    for (double shift = 0; shift < ratio; shift += 0.25) {
        bool repeats = true;
        for (int j = first; repeats && j < last; ++j) {
            const bool onePixel =
                std::floor((j - first + shift) / ratio) == std::floor((j + 1 - first + shift) / ratio);
            repeats = !onePixel || same(j, j + 1);
        }
        if (repeats)
            return true;
    }
    return false;
}

}  // namespace rna::test
