// Text measurement and placement of the chart canvas.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cmath>

#include "chart/canvas/ChartFontQt.h"
#include "chart/canvas/DeviceGrid.h"
#include "chart/canvas/TChartCanvas3D.h"

using namespace rna::chart;

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// Columns and rows of the image that hold a pixel other than white.
struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

InkBox InkOf(const QImage& image)
{
    InkBox box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != White) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

QImage DrawText(int align, int x, int y, const QString& text, int backMode = TRANSPARENT)
{
    TChartCanvas3D canvas;
    canvas.BeginDrawing(nullptr, {0, 0, 80, 40});
    canvas.Brush().SetColor(clWhite);
    canvas.FillRectangle({0, 0, 80, 40});
    canvas.SetTextAlign(align);
    canvas.SetTextBackMode(backMode);
    canvas.SetTextBackColor(clRed);
    canvas.DrawTextAt(x, y, text);
    canvas.EndDrawing(nullptr, {});
    return canvas.Image();
}

}  // namespace

TEST(CanvasText, DefaultChartFontMeasuresTwelvePixelsHigh)
{
    TChartCanvas3D canvas;
    EXPECT_EQ(canvas.Font().Name(), "Arial");
    EXPECT_EQ(canvas.Font().Size(), 8);
    EXPECT_EQ(canvas.Font().Height(), -11);
    EXPECT_EQ(canvas.FontHeight(), 12);
    EXPECT_EQ(canvas.TextHeightOf("gy"), 12);
    EXPECT_GT(canvas.TextWidthOf("10,05"), canvas.TextWidthOf("10"));
    EXPECT_EQ(canvas.TextWidthOf(""), 0);
    canvas.Font().SetSize(16);
    EXPECT_GT(canvas.FontHeight(), 12);  // measurement follows the font
}

TEST(CanvasText, AlignmentFlagsPlaceTheTextAroundTheAnchor)
{
    TChartCanvas3D canvas;
    const int width = canvas.TextWidthOf("WWW");
    const InkBox left = InkOf(DrawText(TA_LEFT | TA_TOP, 40, 10, "WWW"));
    EXPECT_GE(left.left, 40);
    EXPECT_LE(left.right, 40 + width);
    EXPECT_GE(left.top, 10);
    EXPECT_LT(left.bottom, 10 + 12);
    const InkBox right = InkOf(DrawText(TA_RIGHT | TA_TOP, 40, 10, "WWW"));
    EXPECT_LE(right.right, 40);  // a glyph may overhang its advance by a pixel
    EXPECT_GE(right.left, 40 - width);
    const InkBox centre = InkOf(DrawText(TA_CENTER | TA_BOTTOM, 40, 30, "WWW"));
    EXPECT_LT(centre.left, 40);
    EXPECT_GT(centre.right, 40);
    EXPECT_LT(centre.bottom, 30);
    EXPECT_GE(centre.top, 30 - 12);
}

TEST(CanvasText, OpaqueBackgroundFillsTheTextCell)
{
    TChartCanvas3D canvas;
    const int width = canvas.TextWidthOf("ab");
    const QImage image = DrawText(TA_LEFT | TA_TOP, 5, 5, "ab", OPAQUE);
    EXPECT_EQ(image.pixel(5, 5), 0xFFFF0000);
    EXPECT_EQ(image.pixel(5 + width - 1, 5 + 11), 0xFFFF0000);
    EXPECT_EQ(image.pixel(5 + width, 5), White);
    EXPECT_EQ(image.pixel(5, 5 + 12), White);
    EXPECT_EQ(image.pixel(4, 5), White);
}

TEST(CanvasText, RotatedTextAngleAbove360IsReduced)
{
    auto draw = [](int angle) {
        TChartCanvas3D canvas;
        canvas.BeginDrawing(nullptr, {0, 0, 40, 60});
        canvas.Brush().SetColor(clWhite);
        canvas.FillRectangle({0, 0, 40, 60});
        canvas.DrawRotatedText(20, 50, angle, "Wall");
        EXPECT_EQ(canvas.Brush().Style(), TBrushStyle::bsClear);
        canvas.EndDrawing(nullptr, {});
        return canvas.Image();
    };
    const QImage at90 = draw(90);
    EXPECT_EQ(at90, draw(450));
    const InkBox box = InkOf(at90);
    EXPECT_GT(box.bottom - box.top, box.right - box.left);  // reads upwards
    EXPECT_LT(box.bottom, 50);
    EXPECT_NE(at90, draw(0));
}

// The chart pushes its 3D settings in before a drawing; only a 3D drawing with text zoom scales rotated text.
TEST(CanvasText, RotatedTextFollowsThePushed3DZoom)
{
    auto inkWidth = [](bool view3D, int zoomPercent, bool zoomText) {
        TChartCanvas3D canvas;
        canvas.SetView3D(view3D, zoomPercent, zoomText);
        canvas.BeginDrawing(nullptr, {0, 0, 120, 60});
        canvas.Brush().SetColor(clWhite);
        canvas.FillRectangle({0, 0, 120, 60});
        canvas.DrawRotatedText(5, 5, 0, "Wall");
        canvas.EndDrawing(nullptr, {});
        const InkBox box = InkOf(canvas.Image());
        return box.right - box.left;
    };
    const int plain = inkWidth(false, 100, true);
    ASSERT_GT(plain, 0);
    const struct {
        bool view3D;
        int zoomPercent;
        bool zoomText, zoomed;
    } rows[] = {
        {false, 200, true, false}, {true, 100, true, false}, {true, 200, false, false}, {true, 200, true, true}};
    for (const auto& r : rows) {
        const int width = inkWidth(r.view3D, r.zoomPercent, r.zoomText);
        if (r.zoomed)
            EXPECT_GT(width, plain * 3 / 2) << r.view3D << " " << r.zoomPercent << " " << r.zoomText;
        else
            EXPECT_EQ(width, plain) << r.view3D << " " << r.zoomPercent << " " << r.zoomText;
    }
}

// The canvas draws a text from the glyphs of the shaping that measured it, and keeps them to draw it again: whatever
// the text, font and device pixel ratio, every drawing of it gives the pixels of Qt's own text drawing.
TEST(CanvasText, TextDrawnAgainGivesThePixelsOfQtsOwnTextDrawing)
{
    const QString texts[] = {"-10", "0,5", "Intrare neta", "Functia de transfer a neuronului", "AVATAR fi"};
    const std::pair<int, TFontStyles> fonts[] = {{8, 0}, {8, fsBold}, {12, fsItalic}, {10, fsUnderline}};
    for (const double ratio : {1.0, 2.0, 1.5}) {
        for (const auto& [size, style] : fonts) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << ", size " << size << ", style " << style);
            TChartCanvas3D canvas;
            canvas.Font().SetSize(size);
            canvas.Font().SetStyle(style);
            canvas.Font().SetColor(clBlue);
            canvas.SetTextBackMode(TRANSPARENT);
            QFont font = ToQFont(canvas.Font());
            if (ratio != 1)
                font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * ratio))));
            const DeviceGrid grid(ratio);
            for (int pass = 0; pass < 2; ++pass) {  // measured and drawn, then drawn from the kept glyphs
                for (const QString& text : texts) {
                    SCOPED_TRACE(testing::Message() << "pass " << pass << ": " << text.toStdString());
                    canvas.BeginDrawing(nullptr, {0, 0, 240, 24}, ratio);
                    canvas.Brush().SetColor(clWhite);
                    canvas.FillRectangle({0, 0, 240, 24});
                    canvas.DrawTextAt(3, 2, text);
                    canvas.EndDrawing(nullptr, {});

                    QImage expected(canvas.Image().size(), QImage::Format_RGB32);
                    expected.fill(Qt::white);
                    QPainter painter(&expected);
                    painter.setRenderHint(QPainter::TextAntialiasing, true);
                    painter.setFont(font);
                    painter.setPen(QColor(Qt::blue));
                    painter.drawText(QPoint(grid.Edge(3), grid.Edge(2) + QFontMetrics(font).ascent()), text);
                    painter.end();
                    QImage drawn = canvas.Image();
                    drawn.setDevicePixelRatio(1);
                    EXPECT_TRUE(drawn == expected);
                }
            }
        }
    }
}

// The width the layout is given comes from the shaping the text is drawn from, so it must be the width Qt's own
// measurement gives, for every text and font a chart uses, measured in a drawing or outside one, before or after
// it was drawn (sizes 8, 12 and 16 are the default font at device ratios 1, 1.5 and 2).
TEST(CanvasText, MeasuredWidthIsQtsHorizontalAdvance)
{
    const QString texts[] = {"-10",
                             "0,5",
                             "-0,75",
                             "1E-5",
                             "Intrare neta",
                             "Functia de transfer",
                             "AVATAR fi ffl",
                             "W",
                             " ",
                             "a  ",
                             "  b",
                             "x\ty",
                             "0",
                             "8",
                             "-",
                             "i",
                             "f"};
    const std::pair<int, TFontStyles> fonts[] = {{8, 0}, {8, fsBold}, {12, fsItalic}, {16, 0}, {10, fsUnderline}};
    for (const auto& [size, style] : fonts) {
        TChartCanvas3D canvas;
        canvas.Font().SetSize(size);
        canvas.Font().SetStyle(style);
        const QFontMetrics metrics(ToQFont(canvas.Font()));
        for (const bool drawing : {false, true}) {
            if (drawing)
                canvas.BeginDrawing(nullptr, {0, 0, 240, 24});
            for (const QString& text : texts) {
                SCOPED_TRACE(testing::Message() << "size " << size << ", style " << style << ", drawing " << drawing
                                                << ": '" << text.toStdString() << "'");
                canvas.ForgetKeptTexts();
                EXPECT_EQ(canvas.TextWidthOf(text), metrics.horizontalAdvance(text));
                canvas.DrawTextAt(3, 2, text);
                canvas.ForgetTextWidths();  // measured again from the kept glyphs
                EXPECT_EQ(canvas.TextWidthOf(text), metrics.horizontalAdvance(text));
            }
            if (drawing)
                canvas.EndDrawing(nullptr, {});
        }
    }
}
