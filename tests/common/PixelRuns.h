// How many distinct columns and rows a part of an image has: what tells a drawing made at a device pixel ratio
// from a smaller drawing enlarged by repeating its pixels.
#pragma once

#include <QImage>
#include <QRect>

namespace rna::test {

// The number of runs of equal neighbouring columns (rows) in the area: an image enlarged from one w pixels
// wide by repeating pixels has at most w, however the repeats are placed.
inline int DistinctColumns(const QImage& image, const QRect& area)
{
    int runs = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool same = x > area.left();
        for (int y = area.top(); same && y <= area.bottom(); ++y)
            same = image.pixel(x, y) == image.pixel(x - 1, y);
        runs += same ? 0 : 1;
    }
    return runs;
}

inline int DistinctRows(const QImage& image, const QRect& area)
{
    int runs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool same = y > area.top();
        for (int x = area.left(); same && x <= area.right(); ++x)
            same = image.pixel(x, y) == image.pixel(x, y - 1);
        runs += same ? 0 : 1;
    }
    return runs;
}

}  // namespace rna::test
