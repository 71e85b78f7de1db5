// The chart panel's plotting rectangle: margins, titles and the repair of a squeezed area.
#include <gtest/gtest.h>

#include "PanelTestChart.h"

using namespace rna::chart;
using rna::chart::test::RecordingChart;

TEST(PanelLayout, PlotRectStartsFromTheMargins)
{
    struct Case {
        int width, height, marginRight, borderWidth;
        Rect expected;
    };
    const Case cases[] = {
        {433, 177, 3, 0, {13, 7, 420, 170}},  {105, 81, 5, 0, {3, 3, 100, 78}},
        {441, 177, 3, 0, {13, 7, 428, 170}},  // MulDiv(3, 441, 100) = 13.23 -> 13
        {450, 250, 3, 2, {16, 12, 434, 238}},  // the border is taken on every side
        {50, 50, 3, 0, {2, 2, 48, 48}},  // MulDiv(3, 50, 100) = 1.5 rounds away from zero
    };
    for (const Case& c : cases) {
        RecordingChart chart;
        chart.resize(c.width, c.height);
        chart.SetMarginRight(c.marginRight);
        chart.SetBorderWidth(c.borderWidth);
        chart.Draw();
        EXPECT_EQ(chart.startPlotRect, c.expected) << c.width << "x" << c.height;
    }
}

TEST(PanelLayout, TitleTakesItsLinesPlusFivePixels)
{
    struct Case {
        QStringList titleText;
        bool titleVisible;
        QStringList footText;
        int topShift, bottomShift;
    };
    const int h = 12;  // FontHeight of "Arial" 8 points
    const Case cases[] = {
        {{}, true, {}, 0, 0},
        {{"Tangent hiperbolic"}, true, {}, h + 5, 0},
        {{"Tangent hiperbolic"}, false, {}, 0, 0},
        {{"one", "two"}, true, {}, 2 * h + 5, 0},
        {{}, true, {"foot"}, 0, h + 5},
    };
    for (const Case& c : cases) {
        RecordingChart chart;
        chart.resize(433, 177);
        chart.Title().SetText(c.titleText);
        chart.Title().SetVisible(c.titleVisible);
        chart.Foot().SetText(c.footText);
        chart.Draw();
        EXPECT_EQ(chart.afterTitles.Top - chart.startPlotRect.Top, c.topShift) << c.titleText.join("|").toStdString();
        EXPECT_EQ(chart.startPlotRect.Bottom - chart.afterTitles.Bottom, c.bottomShift);
    }
}

TEST(PanelLayout, FramedTitleBoxIsFittedToTheText)
{
    RecordingChart chart;
    chart.resize(433, 177);
    chart.Title().SetText({"Sigmoid"});
    chart.Title().Frame().SetVisible(true);
    chart.Title().Frame().SetWidth(2);
    chart.Draw();
    const Rect box = chart.Title().TitleBox();
    EXPECT_EQ(box.Top, 7);  // the plot top; the frame pen grows the box outwards
    EXPECT_EQ(box.Bottom, 7 + 2 + 12 + 2);
    EXPECT_EQ(chart.afterTitles.Top, 7 + 2 + 12 + 2 + 5);
    chart.Canvas().Font().Assign(chart.Title().Font());
    const int m = chart.Canvas().TextWidthOf("Sigmoid") + chart.Canvas().TextWidthOf("W");
    const int centre = (13 + 2 + 420 - 2) / 2;
    EXPECT_EQ(box.Left, centre - m / 2);
    EXPECT_EQ(box.Right, centre + m / 2);
    EXPECT_TRUE(chart.Title().Clicked(centre, 10));
    chart.Title().SetVisible(false);
    EXPECT_FALSE(chart.Title().Clicked(centre, 10));
}

TEST(PanelLayout, SolidTitleBrushColourBecomesTheTitleColour)
{
    RecordingChart chart;
    chart.resize(200, 100);
    chart.Title().SetText({"T"});
    chart.Title().Brush().SetColor(clYellow);
    chart.Draw();
    EXPECT_EQ(chart.Title().FillColor(), clYellow);
    EXPECT_EQ(chart.Title().Color(), clUseSeriesColor);  // drawing changes no setting
    const QRgb pixel =
        chart.Canvas().Image().pixel(chart.Title().TitleBox().Left + 1, chart.Title().TitleBox().Top + 1);
    EXPECT_EQ(pixel, 0xFFFFFF00);
}

TEST(PanelLayout, NormalizePlotRectRepairsASqueezedArea)
{
    struct Case {
        Rect before;
        Rect after;
    };
    RecordingChart chart;
    chart.resize(100, 80);
    chart.Draw();  // DrawBounds (0, 0, 100, 80)
    const Case cases[] = {
        {{10, 10, 5, 4}, {10, 10, 11, 11}},  // right and bottom fell below: one pixel
        {{10, 10, 10, 10}, {10, 10, 110, 90}},  // equal: the control's width and height
        {{-5, -3, 50, 40}, {0, 0, 50, 40}},  // never left of or above the drawing
    };
    for (const Case& c : cases) {
        chart.SetPlotRect(c.before);
        chart.NormalizePlotRect();
        EXPECT_EQ(chart.PlotRect(), c.after);
    }
    chart.SetPlotRect({10, 20, 31, 61});
    chart.NormalizePlotRect();
    EXPECT_EQ(chart.PlotWidth(), 21);
    EXPECT_EQ(chart.PlotHeight(), 41);
    EXPECT_EQ(chart.PlotCenterX(), 20);
    EXPECT_EQ(chart.PlotCenterY(), 40);
}
