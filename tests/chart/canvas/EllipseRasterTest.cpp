// The ellipse rasteriser on every box up to 40 x 40: shapes that are symmetric, closed and gap-free; round nibs
// swept along columns.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "chart/canvas/EllipseRaster.h"
#include "chart/canvas/SpanRaster.h"

using namespace rna::chart;

namespace {

using Pixels = std::set<std::pair<int, int>>;

// The outline pixels that the rows describe: each row's pixels outside its inside.
Pixels OutlineOfRows(const std::vector<EllipseRow>& rows, int y0)
{
    Pixels outline;
    for (int i = 0; i < int(rows.size()); ++i)
        for (int x = rows[i].left; x <= rows[i].right; ++x)
            if (x < rows[i].innerLeft || x > rows[i].innerRight)
                outline.insert({x, y0 + i});
    return outline;
}

bool Filled(const std::vector<EllipseRow>& rows, int y0, int x, int y)
{
    const int i = y - y0;
    return i >= 0 && i < int(rows.size()) && x >= rows[i].left && x <= rows[i].right;
}

}  // namespace

TEST(EllipseRaster, EveryBoxGivesASymmetricClosedOutline)
{
    const int x0 = 3;
    const int y0 = -2;
    for (int w = 1; w <= 40; ++w) {
        for (int h = 1; h <= 40; ++h) {
            SCOPED_TRACE(testing::Message() << w << " x " << h);
            const std::vector<EllipseRow> rows = EllipseRows(x0, y0, x0 + w, y0 + h);
            ASSERT_EQ(int(rows.size()), h);
            int leftmost = x0 + w;
            int rightmost = x0 - 1;
            for (int i = 0; i < h; ++i) {
                const EllipseRow& row = rows[i];
                const EllipseRow& mirror = rows[h - 1 - i];
                EXPECT_EQ(row.left - x0, x0 + w - 1 - row.right);  // left and right alike
                if (row.innerLeft <= row.innerRight) {
                    EXPECT_EQ(row.innerLeft + row.innerRight, row.left + row.right);
                }
                EXPECT_EQ(row.left, mirror.left);  // top and bottom alike
                EXPECT_EQ(row.innerLeft, mirror.innerLeft);
                EXPECT_LE(row.left, row.right);
                leftmost = std::min(leftmost, row.left);
                rightmost = std::max(rightmost, row.right);
                // Closed: every inside pixel has its four neighbours in the ellipse.
                for (int x = row.innerLeft; x <= row.innerRight; ++x) {
                    const int y = y0 + i;
                    EXPECT_TRUE(Filled(rows, y0, x - 1, y) && Filled(rows, y0, x + 1, y) &&
                                Filled(rows, y0, x, y - 1) && Filled(rows, y0, x, y + 1))
                        << x << "," << y;
                }
            }
            EXPECT_EQ(leftmost, x0);
            EXPECT_EQ(rightmost, x0 + w - 1);
            if (w == h) {  // a circle is the same turned a quarter
                for (int i = 0; i < h; ++i)
                    for (int j = 0; j < w; ++j)
                        EXPECT_EQ(Filled(rows, y0, x0 + j, y0 + i), Filled(rows, y0, x0 + i, y0 + j));
            }
            // The outline in order: the rows' outline pixels, each once, every one touching the next.
            const std::vector<QPoint> outline = EllipseOutline(x0, y0, x0 + w, y0 + h);
            Pixels seen;
            for (std::size_t k = 0; k < outline.size(); ++k) {
                const QPoint& p = outline[k];
                const QPoint& next = outline[(k + 1) % outline.size()];
                EXPECT_TRUE(seen.insert({p.x(), p.y()}).second) << "twice: " << p.x() << "," << p.y();
                if (w > 3 && h > 3) {  // narrower ones end in one-pixel spikes, walked down only
                    EXPECT_LE(std::max(std::abs(next.x() - p.x()), std::abs(next.y() - p.y())), 1)
                        << "gap after " << p.x() << "," << p.y();
                }
            }
            EXPECT_EQ(seen, OutlineOfRows(rows, y0));
        }
    }
}

TEST(EllipseRaster, EmptyAndOversizedBoxesGiveNothing)
{
    EXPECT_TRUE(EllipseRows(5, 5, 5, 9).empty());
    EXPECT_TRUE(EllipseRows(5, 5, 9, 4).empty());
    EXPECT_TRUE(EllipseOutline(0, 0, MaxEllipseSize + 1, 3).empty());
    EXPECT_EQ(EllipseRows(0, 0, MaxEllipseSize, 2).size(), 2u);
}

// A round nib swept along a column covers, row by row, exactly the nib's rows placed at every centre between the
// two ends (the nib is as wide as the pen, and along the line of the nearest odd size, as the rasteriser says).
TEST(EllipseRaster, ANibSweptAlongAColumnCoversTheNibAtEveryRowBetweenItsEnds)
{
    for (int width = 1; width <= 6; ++width) {
        for (int length = -7; length <= 7; ++length) {
            SCOPED_TRACE(testing::Message() << "width " << width << ", length " << length);
            const int x = 10;
            const int y0 = 20;
            const int y1 = y0 + length;
            EllipseShapes shapes;
            std::vector<EllipseRow> rows;
            std::vector<QRect> spans;
            RoundNibSpans(x, y0, x, y1, width, shapes, rows, spans);
            Pixels swept;
            for (const QRect& span : spans)
                for (int py = span.top(); py <= span.bottom(); ++py)
                    for (int px = span.left(); px <= span.right(); ++px)
                        EXPECT_TRUE(swept.insert({px, py}).second) << "spans overlap at " << px << "," << py;

            const int along = length == 0 || width % 2 == 1 ? width : width - 1;
            const std::vector<EllipseRow> nib = EllipseRows(0, 0, width, along);
            Pixels expected;
            for (int centre = std::min(y0, y1); centre <= std::max(y0, y1); ++centre)
                for (int r = 0; r < int(nib.size()); ++r)
                    for (int px = nib[r].left; px <= nib[r].right; ++px)
                        expected.insert({x - width / 2 + px, centre - along / 2 + r});
            EXPECT_EQ(swept, expected);
        }
    }
}
