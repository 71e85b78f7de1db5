// Axis drawing on small images: ticks, grid, minor ticks, label placement, the tick list.
#include "chart/axis/AxisLayout.h"
#include "chart/axis/PaintAxis.h"
#include "chart/axis/TChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"

#include <QImage>
#include <gtest/gtest.h>

#include <vector>

using namespace rna::chart;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Gray = qRgb(128, 128, 128);
const QRgb Black = qRgb(0, 0, 0);

// An image of the given size, white, with the axis drawn onto it.
class TAxisImage {
public:
    TAxisImage(int width, int height) : bounds_{0, 0, width, height}
    {
        canvas_.BeginDrawing(nullptr, bounds_);
        canvas_.Brush().SetColor(clWhite);
        canvas_.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas_.FillRectangle(bounds_);
    }

    TChartCanvas3D& Canvas() { return canvas_; }

    const QImage& Paint(TCustomChartAxis& axis, const Rect& plot, TickPositions& ticks)
    {
        ticks = PaintAxis(axis, {canvas_, plot, clWhite}, axis.Layout());
        canvas_.EndDrawing(nullptr, {});
        image_ = canvas_.Image().convertToFormat(QImage::Format_RGB32);
        return image_;
    }

private:
    Rect bounds_;
    TChartCanvas3D canvas_;
    QImage image_;
};

// The single-input screen's bottom axis on a plotting area of (30, 10) - (430, 150).
void SetUpSingleInputBottomAxis(TChartAxis& bottom, TChartCanvas& canvas, const Rect& plot)
{
    bottom.SetIsHorizontal(true);
    bottom.SetAutomatic(false);
    bottom.SetMaximum(10.05);
    bottom.SetMinimum(-10.05);
    bottom.SetIncrement(2);
    bottom.SetLabelsOnAxis(false);
    bottom.SetExactDateTime(false);
    bottom.TicksInner().SetVisible(false);
    bottom.SetLabelStyle(TAxisLabelStyle::talValue);
    bottom.ResolveRange();
    Rect r{plot.Left, plot.Top, plot.Right, plot.Bottom + 40};
    ReserveAxisSpace(bottom, r, canvas);
    bottom.PlaceAxisEnds(plot.Left, plot.Width());
}

std::vector<int> Positions(const TickPositions& ticks)
{
    std::vector<int> v;
    for (int i = 0; i < ticks.Count(); ++i)
        v.push_back(ticks[i]);
    return v;
}

int CountColumnPixels(const QImage& image, int x, int y0, int y1, QRgb color)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        n += image.pixel(x, y) == color ? 1 : 0;
    return n;
}

}  // namespace

TEST(AxisPaintTest, SingleInputBottomAxis)
{
    const Rect plot{30, 10, 430, 150};
    TAxisImage img(460, 200);
    TChartAxis bottom(nullptr);
    SetUpSingleInputBottomAxis(bottom, img.Canvas(), plot);
    TickPositions ticks;
    const QImage& image = img.Paint(bottom, plot, ticks);

    std::vector<int> expected;
    for (int v = 10; v >= -10; v -= 2)
        expected.push_back(bottom.ValueToPixel(v));
    ASSERT_EQ(Positions(ticks), expected);  // 11 labels, highest first
    EXPECT_EQ(AxisLinePosition(bottom, plot), 150);

    for (int p : expected) {
        // Outer tick: the four rows below the axis line (150) in grey.
        for (int y = 151; y <= 154; ++y)
            EXPECT_EQ(image.pixel(p, y), Gray) << "tick at " << p << ", row " << y;
        EXPECT_NE(image.pixel(p, 155), Gray);
        // Dotted grey grid line over the plotting area, no inner tick.
        EXPECT_GE(CountColumnPixels(image, p, 11, 149, Gray), 60) << "grid at " << p;
    }
    // Three minor ticks between neighbours (every 0.5 in value), two rows long.
    for (std::size_t i = 1; i < expected.size(); ++i) {
        const double d = (expected[i] - expected[i - 1]) / 4.0;
        for (int j = 1; j <= 3; ++j) {
            const int q = expected[i] - static_cast<int>(std::nearbyint(j * d));
            EXPECT_EQ(image.pixel(q, 151), Gray) << "minor tick at " << q;
            EXPECT_EQ(image.pixel(q, 152), Gray);
            EXPECT_NE(image.pixel(q, 153), Gray);
        }
    }
    // None beyond the ends: ±10.5 lies outside ±10.05.
    for (int x = bottom.StartPixel() + 1; x < expected.back(); ++x)
        EXPECT_NE(image.pixel(x, 151), Gray) << x;
    for (int x = expected.front() + 1; x < bottom.EndPixel(); ++x)
        EXPECT_NE(image.pixel(x, 151), Gray) << x;
    // The axis line, two pixels wide, in black.
    EXPECT_EQ(image.pixel(230, 150), Black);
}

TEST(AxisPaintTest, LabelsOnTheAxisEnds)
{
    const Rect plot{20, 10, 220, 110};
    for (bool onAxis : {true, false}) {
        TAxisImage img(260, 150);
        TChartAxis bottom(nullptr);
        bottom.SetIsHorizontal(true);
        bottom.SetRange(-10, 10);
        bottom.SetIncrement(5);
        bottom.SetLabelStyle(TAxisLabelStyle::talValue);
        bottom.SetLabelsOnAxis(onAxis);
        bottom.ResolveRange();
        bottom.PlaceAxisEnds(plot.Left, plot.Width());
        bottom.LabelsPos = 117;
        TickPositions ticks;
        img.Paint(bottom, plot, ticks);
        const std::vector<int> all{220, 170, 120, 70, 20};
        const std::vector<int> inner{170, 120, 70};
        // -10 lies exactly on the lower end: labelled like 10 on the upper end.
        EXPECT_EQ(Positions(ticks), onAxis ? all : inner);
    }
}

TEST(AxisPaintTest, GridCenteredBetweenLabels)
{
    const Rect plot{100, 10, 200, 60};
    TAxisImage img(240, 100);
    TChartAxis bottom(nullptr);
    bottom.SetIsHorizontal(true);
    bottom.SetRange(0, 2);
    bottom.SetIncrement(1);
    bottom.SetLabelStyle(TAxisLabelStyle::talValue);
    bottom.SetGridCentered(true);
    bottom.MinorTicks().SetVisible(false);
    bottom.ResolveRange();
    bottom.PlaceAxisEnds(plot.Left, plot.Width());
    bottom.LabelsPos = 67;
    TickPositions ticks;
    const QImage& image = img.Paint(bottom, plot, ticks);
    ASSERT_EQ(Positions(ticks), (std::vector<int>{200, 150, 100}));
    EXPECT_GT(CountColumnPixels(image, 125, 12, 58, Gray), 10);
    EXPECT_GT(CountColumnPixels(image, 175, 12, 58, Gray), 10);
    EXPECT_EQ(CountColumnPixels(image, 150, 12, 58, Gray), 0);
    EXPECT_EQ(CountColumnPixels(image, 140, 12, 58, Gray), 0);
}

TEST(AxisPaintTest, LeftLabelIsRightAlignedAndCentredOnItsPixel)
{
    const Rect plot{60, 20, 200, 130};
    TAxisImage img(240, 160);
    TChartAxis left(nullptr);
    left.SetRange(-1.05, 1.05);
    left.SetLabelStyle(TAxisLabelStyle::talValue);
    left.Grid().SetVisible(false);
    left.Ticks().SetVisible(false);
    left.MinorTicks().SetVisible(false);
    left.ResolveRange();
    left.PlaceAxisEnds(plot.Top, plot.Height());
    left.LabelsPos = 50;
    ASSERT_EQ(left.ValueToPixel(0), 75);
    img.Canvas().Font().Assign(left.LabelsFont());
    const int h = img.Canvas().FontHeight();
    const int w = img.Canvas().TextWidthOf(QStringLiteral("0"));
    // Whatever text background the canvas had, labels are drawn without a box.
    img.Canvas().SetTextBackColor(clRed);
    img.Canvas().SetTextBackMode(OPAQUE);
    TickPositions ticks;
    const QImage& image = img.Paint(left, plot, ticks);
    ASSERT_EQ(Positions(ticks), (std::vector<int>{23, 75, 127}));  // 1, 0, -1
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.pixel(x, y), qRgb(255, 0, 0)) << x << ", " << y;

    // The ink of "0" lies in the cell (50 - w, 75 - h div 2) .. (50, 75 - h div 2 + h).
    const int top = 75 - h / 2;
    int inside = 0;
    for (int y = top - 4; y < top + h + 4; ++y) {
        for (int x = 50 - w - 4; x < 54; ++x) {
            const bool ink = qGray(image.pixel(x, y)) < 160;
            const bool inCell = x >= 50 - w && x < 50 && y >= top && y < top + h;
            if (ink && !inCell && y > 66 && y < 84)
                ADD_FAILURE() << "ink outside the label cell at " << x << ", " << y;
            inside += ink && inCell ? 1 : 0;
        }
    }
    EXPECT_GT(inside, 5);
}

TEST(AxisPaintTest, WithoutLabelsOnlyTheAxisLineIsDrawn)
{
    const Rect plot{20, 10, 220, 110};
    TAxisImage img(260, 150);
    TChartAxis bottom(nullptr);
    bottom.SetIsHorizontal(true);
    bottom.SetRange(-10, 10);
    bottom.SetLabelStyle(TAxisLabelStyle::talValue);
    bottom.SetLabels(false);
    bottom.ResolveRange();
    bottom.PlaceAxisEnds(plot.Left, plot.Width());
    TickPositions ticks;
    const QImage& image = img.Paint(bottom, plot, ticks);
    EXPECT_EQ(ticks.Count(), 0);
    int nonWhite = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            nonWhite += (image.pixel(x, y) != White && (y < 109 || y > 110)) ? 1 : 0;
    EXPECT_EQ(nonWhite, 0);
    EXPECT_EQ(image.pixel(100, 110), Black);
}

TEST(AxisPaintTest, TheTickListStopsAtItsCapacity)
{
    const Rect plot{0, 0, 300, 50};
    TAxisImage img(300, 80);
    TChartAxis bottom(nullptr);
    bottom.SetIsHorizontal(true);
    bottom.SetRange(0, 5000);
    bottom.SetIncrement(1);
    bottom.SetLabelsSeparation(0);  // no fitting: 5001 labels
    bottom.SetLabelStyle(TAxisLabelStyle::talValue);
    bottom.ResolveRange();
    bottom.PlaceAxisEnds(plot.Left, plot.Width());
    TickPositions ticks;
    img.Paint(bottom, plot, ticks);
    EXPECT_EQ(ticks.Count(), TickPositions::Capacity);
    EXPECT_EQ(ticks[0], 300);
}

TEST(AxisPaintTest, AFlatRangeLabelsTheCentre)
{
    const Rect plot{0, 0, 100, 50};
    TAxisImage img(120, 80);
    TChartAxis bottom(nullptr);
    bottom.SetIsHorizontal(true);
    bottom.SetLabelStyle(TAxisLabelStyle::talValue);
    bottom.SetAutomatic(false);
    bottom.SetMaximum(4);
    bottom.SetMinimum(4);
    bottom.ResolveRange();
    bottom.PlaceAxisEnds(plot.Left, plot.Width());
    TickPositions ticks;
    img.Paint(bottom, plot, ticks);
    ASSERT_GT(ticks.Count(), 0);
    for (int i = 0; i < ticks.Count(); ++i)
        EXPECT_EQ(ticks[i], 50);
}

namespace {

struct TInkBox {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // right/bottom inclusive
    bool Empty() const { return right < 0; }
};

TInkBox InkOf(const QImage& image)
{
    TInkBox box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) >= 160)
                continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

}  // namespace

TEST(AxisPaintTest, PlaceAxisTextOnEverySide)
{
    struct Row {
        const char* side;
        bool horizontal, farSide;
        int angle;
    };
    const Row rows[] = {{"bottom", true, false, 0}, {"top", true, true, 0},     {"left", false, false, 0},
                        {"right", false, true, 0},  {"left", false, false, 90}, {"right", false, true, 270}};
    const int x = 100;
    const int y = 80;
    for (const Row& r : rows) {
        TChartAxis axis(nullptr);
        axis.SetIsHorizontal(r.horizontal);
        axis.SetIsFarSide(r.farSide);
        TAxisImage img(200, 160);
        TChartCanvas& canvas = img.Canvas();
        canvas.Font().Assign(axis.LabelsFont());
        canvas.SetTextBackMode(TRANSPARENT);
        const int h = canvas.FontHeight();
        const int w = canvas.TextWidthOf(QStringLiteral("Wggggg"));
        PlaceAxisText(axis, canvas, x, y, r.angle, QStringLiteral("Wggggg\rWg"));
        EXPECT_EQ(canvas.TextAlign(), TA_LEFT | TA_TOP) << r.side;
        TickPositions none;
        TChartAxis hidden(nullptr);  // finishes the drawing without adding anything
        hidden.Axis().SetVisible(false);
        const TInkBox ink = InkOf(img.Paint(hidden, {0, 0, 1, 1}, none));
        ASSERT_FALSE(ink.Empty()) << r.side;
        const std::string what = std::string(r.side) + " " + std::to_string(r.angle);
        if (r.angle == 0 && r.horizontal) {
            // Two lines centred on x, below y (bottom) or ending at y (top).
            EXPECT_NEAR((ink.left + ink.right) / 2.0, x, 2) << what;
            EXPECT_GE(ink.top, r.farSide ? y - 2 * h : y) << what;
            EXPECT_LT(ink.bottom, r.farSide ? y : y + 2 * h) << what;
            EXPECT_GT(ink.bottom - ink.top, h) << what;
        } else if (r.angle == 0) {
            // Right-aligned at x (left axis) or starting at x (right axis), the block centred on y.
            EXPECT_GE(ink.left, r.farSide ? x : x - w) << what;
            EXPECT_LT(ink.right, r.farSide ? x + w : x) << what;
            EXPECT_GE(ink.top, y - h) << what;
            EXPECT_LT(ink.bottom, y + h) << what;
        } else {
            // Turned a quarter: two columns of height h beside x, the text running along y.
            EXPECT_GE(ink.left, r.angle == 90 ? x - 2 * h : x) << what;
            EXPECT_LT(ink.right, r.angle == 90 ? x : x + 2 * h) << what;
            EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left) << what;
            EXPECT_NEAR((ink.top + ink.bottom) / 2.0, y, 3) << what;
        }
    }
}
