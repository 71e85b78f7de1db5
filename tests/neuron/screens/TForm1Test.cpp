// The single-input neuron window through simulated input: labels, output, chart contents and pixels.
#include "ScreenDriver.h"

#include <cmath>

namespace rna::neuron::test {
namespace {

class Form1Screen : public ::testing::Test {
protected:
    ScreenDriver screen{"Form1"};
};

std::vector<Point> Diagonal(int halfRange)
{
    std::vector<Point> points;
    for (int i = -halfRange; i <= halfRange; ++i)
        points.push_back({double(i), double(i)});
    return points;
}

TEST_F(Form1Screen, FirstShowingHasAnEmptyChartIdentitateAndZeros)
{
    EXPECT_EQ(screen.listText("ComboBox1"), "Identitate");
    EXPECT_EQ(screen.get<rna::ui::TComboBox>("ComboBox1").itemIndex(), 0);
    for (const char* label : {"Label16", "Label17", "Label18", "Label19", "Label24"})
        EXPECT_EQ(screen.caption(label), "0") << label;
    EXPECT_TRUE(screen.points("Series1").empty());
    EXPECT_TRUE(screen.points("Series2").empty());
    EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-1, 1}));
    EXPECT_EQ(QApplication::focusWidget(), &screen.get<QWidget>("ComboBox1"));
    // Title and axes only: nothing of the curve's or the marker's colour is painted.
    const QImage chart = screen.render("Chart1");
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            ASSERT_FALSE(isRed(chart.pixel(x, y)) || isGreen(chart.pixel(x, y))) << x << "," << y;
}

TEST_F(Form1Screen, OneStepOfTheWeightSliderFillsTheIdentityChart)
{
    screen.moveSlider("TrackBar2", 0);
    screen.key("TrackBar2", Qt::Key_Right);
    EXPECT_EQ(screen.caption("Label17"), "0.1");
    EXPECT_EQ(screen.caption("Label19"), "0.00");
    EXPECT_EQ(screen.caption("Label24"), "0.0000");
    EXPECT_EQ(screen.points("Series1"), Diagonal(10));
    std::vector<Point> marker;
    for (int i = -10; i <= 10; ++i)
        marker.push_back({0, double(i)});
    EXPECT_EQ(screen.points("Series2"), marker);
    EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-10.05, 10.05}));
}

// Slider positions (p, w, b in positions), the function picked, and what the screen shows.
struct Case {
    int p, w, b;
    int function;
    const char *pText, *wText, *bText;
    const char* nText;
    const char* outText;
    AxisRange axis;
};

class Form1Cases : public ::testing::TestWithParam<Case> {};

TEST_P(Form1Cases, LabelsOutputAndAxisFollowTheSliders)
{
    const Case& c = GetParam();
    ScreenDriver screen("Form1");
    screen.pick("ComboBox1", c.function);
    screen.moveSlider("TrackBar1", c.p);
    screen.moveSlider("TrackBar2", c.w);
    screen.moveSlider("TrackBar3", c.b);
    EXPECT_EQ(screen.caption("Label16"), c.pText);
    EXPECT_EQ(screen.caption("Label17"), c.wText);
    EXPECT_EQ(screen.caption("Label18"), c.bText);
    EXPECT_EQ(screen.caption("Label19"), c.nText);
    EXPECT_EQ(screen.caption("Label24"), c.outText);
    EXPECT_EQ(screen.leftAxis("Chart1"), c.axis);
    EXPECT_EQ(screen.points("Series1").size(), 21u);
    EXPECT_TRUE(screen.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Form1Cases,
    ::testing::Values(Case{50, 10, 5, 0, "5", "1", "5", "10.00", "10.0000", {-10.05, 10.05}},
                      Case{50, -10, -5, 2, "5", "-1", "-5", "-10.00", "0.0000", {-0.05, 1.05}},
                      Case{50, -10, -5, 1, "5", "-1", "-5", "-10.00", "-1.0000", {-1.05, 1.05}},
                      Case{0, 0, 0, 2, "0", "0", "0", "0.00", "0.5000", {-0.05, 1.05}},
                      Case{0, 0, 0, 1, "0", "0", "0", "0.00", "0.0000", {-1.05, 1.05}},
                      // n is -2^-54 here (the product is carried in extended precision), shown as zero
                      Case{25, -4, 1, 0, "2.5", "-0.4", "1", "0.00", "0.0000", {-10.05, 10.05}},
                      Case{25, -4, 1, 1, "2.5", "-0.4", "1", "0.00", "0.0000", {-1.05, 1.05}},
                      Case{25, -4, 1, 2, "2.5", "-0.4", "1", "0.00", "0.5000", {-0.05, 1.05}},
                      Case{3, 10, 0, 0, "0.3", "1", "0", "0.30", "0.3000", {-10.05, 10.05}}));

TEST_F(Form1Screen, TheTinyNegativeNetInputIsStoredAndDrawnLeftOfZero)
{
    screen.moveSlider("TrackBar1", 25);
    screen.moveSlider("TrackBar2", -4);
    screen.moveSlider("TrackBar3", 1);
    const std::vector<Point> marker = screen.points("Series2");
    ASSERT_FALSE(marker.empty());
    EXPECT_EQ(marker.front().x, -std::ldexp(1.0, -54));
}

TEST_F(Form1Screen, SigmoidAtZeroShowsOneHalfBeforeAnySliderMoved)
{
    screen.pick("ComboBox1", 2);
    EXPECT_EQ(screen.caption("Label24"), "0.5000");
    EXPECT_EQ(screen.caption("Label19"), "0") << "a pick writes only the output";
    EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-0.05, 1.05}));
    const std::vector<Point> curve = screen.points("Series1");
    ASSERT_EQ(curve.size(), 21u);
    EXPECT_EQ(curve[10], (Point{0, 0.5}));
    EXPECT_DOUBLE_EQ(curve.back().y, 1 / (std::exp(-10.0) + 1));
}

TEST_F(Form1Screen, TheGreenLineAndTheCurveEndsArePaintedWhereTheValuesAre)
{
    screen.moveSlider("TrackBar1", 50);
    screen.moveSlider("TrackBar2", 10);
    screen.moveSlider("TrackBar3", 5);
    ASSERT_EQ(screen.caption("Label19"), "10.00");
    const QImage chart = screen.render("Chart1");
    const int lineX = screen.xPixel("Chart1", 10);
    const int top = screen.yPixel("Chart1", 10);
    const int bottom = screen.yPixel("Chart1", -10);
    ASSERT_LT(top + 10, bottom);
    // The 3-pixel green line at x = 10 runs from y -10 to 10; nothing green lies left of it.
    for (int y = top + 4; y <= bottom - 4; ++y)
        EXPECT_TRUE(isGreen(chart.pixel(lineX, y))) << "row " << y;
    for (int x = 0; x < lineX - 2; ++x)
        for (int y = 0; y < chart.height(); ++y)
            ASSERT_FALSE(isGreen(chart.pixel(x, y))) << x << "," << y;
    // The red diagonal with its round markers ends at (-10, -10) and (10, 10), and goes no further.
    const int left = screen.xPixel("Chart1", -10);
    EXPECT_TRUE(colourNear(chart, left, bottom, 5, isRed));
    EXPECT_TRUE(colourNear(chart, lineX, top, 5, isRed));
    EXPECT_FALSE(colourNear(chart, left - 10, bottom, 4, isRed));
    EXPECT_FALSE(colourNear(chart, left, bottom + 10, 4, isRed));
}

TEST_F(Form1Screen, TheZeroUnderTheThresholdSliderRecomputesOtherLabelsDoNothing)
{
    screen.clickLabel("Label14");  // "5", under the threshold slider's right end
    EXPECT_TRUE(screen.points("Series1").empty());
    screen.clickLabel("Label15");
    EXPECT_EQ(screen.caption("Label16"), "0");
    EXPECT_EQ(screen.caption("Label19"), "0.00");
    EXPECT_EQ(screen.caption("Label24"), "0.0000");
    EXPECT_EQ(screen.points("Series1"), Diagonal(10));
    EXPECT_EQ(screen.points("Series2").size(), 21u);
}

// The empty chart is painted after each change: two paints in a row then compare two empty series.
TEST_F(Form1Screen, TypingIntoTheClosedListEmptiesTheChartKeepsTheAxisAndRewritesTheLastOutput)
{
    const auto redrawnWithoutCurve = [this] {
        const QImage chart = screen.render("Chart1");
        for (int y = 0; y < chart.height(); ++y)
            for (int x = 0; x < chart.width(); ++x)
                if (isRed(chart.pixel(x, y)))
                    return false;
        return true;
    };
    screen.moveSlider("TrackBar1", 50);
    screen.moveSlider("TrackBar2", 10);
    ASSERT_EQ(screen.caption("Label24"), "5.0000");
    ClearRecorder clears(screen, {"Series1", "Series2"});
    screen.typeOver("ComboBox1", QStringLiteral("Sig"));
    EXPECT_TRUE(redrawnWithoutCurve());
    EXPECT_EQ(clears.log, (std::vector<std::string>{"Series1", "Series2", "Series1", "Series2", "Series1", "Series2"}))
        << "one refill per typed character";
    EXPECT_EQ(screen.get<rna::ui::TComboBox>("ComboBox1").itemIndex(), -1);
    EXPECT_TRUE(screen.points("Series1").empty());
    EXPECT_TRUE(screen.points("Series2").empty());
    EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-10.05, 10.05}));
    EXPECT_EQ(screen.caption("Label24"), "5.0000");
    // Every slider move from now on clears the chart and writes the last output again.
    screen.key("TrackBar3", Qt::Key_Right);
    EXPECT_EQ(screen.caption("Label19"), "6.00");
    EXPECT_EQ(screen.caption("Label24"), "5.0000");
    EXPECT_TRUE(screen.points("Series1").empty());
    EXPECT_TRUE(redrawnWithoutCurve());
    screen.key("TrackBar1", Qt::Key_Right);
    EXPECT_TRUE(redrawnWithoutCurve());
}

TEST_F(Form1Screen, EnterInASliderOrTheClosedListHidesTheWindowInTheMemoItDoesNothing)
{
    for (const char* control : {"TrackBar1", "ComboBox1"}) {
        SCOPED_TRACE(control);
        screen.key(control, Qt::Key_Return);
        EXPECT_FALSE(screen.window->isVisible());
        screen.show();
    }
    auto& memo = screen.get<rna::ui::TMemo>("Memo1");
    const QString before = memo.text();
    screen.key("Memo1", Qt::Key_Return);
    EXPECT_TRUE(screen.window->isVisible());
    EXPECT_EQ(memo.text(), before);
}

TEST_F(Form1Screen, HidingAndShowingKeepsEverythingButTheListWhichGoesBackToIdentitate)
{
    screen.moveSlider("TrackBar1", 20);
    screen.moveSlider("TrackBar2", 5);
    screen.pick("ComboBox1", 1);
    const std::vector<Point> curve = screen.points("Series1");
    const std::string output = screen.caption("Label24");
    ClearRecorder clears(screen, {"Series1", "Series2"});

    QTest::mouseClick(&screen.get<QWidget>("BitBtn1"), Qt::LeftButton);
    ASSERT_FALSE(screen.window->isVisible());
    screen.show();

    EXPECT_TRUE(clears.log.empty()) << "showing recomputes nothing";
    EXPECT_EQ(screen.listText("ComboBox1"), "Identitate");
    EXPECT_EQ(screen.get<rna::ui::TTrackBar>("TrackBar1").position(), 20);
    EXPECT_EQ(screen.caption("Label16"), "2");
    EXPECT_EQ(screen.caption("Label17"), "0.5");
    EXPECT_EQ(screen.caption("Label24"), output);
    EXPECT_EQ(screen.points("Series1"), curve);
    EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-1.05, 1.05}));
}

// A separator changed while the window holds values: the label written with the old one cannot be read back.
TEST_F(Form1Screen, AChangedDecimalSeparatorStopsTheComputationUntilTheLabelsReadAgain)
{
    SeparatorAnnouncer separator;
    screen.moveSlider("TrackBar1", 3);
    screen.moveSlider("TrackBar2", 10);
    ASSERT_EQ(screen.caption("Label19"), "0.30");
    const std::vector<Point> marker = screen.points("Series2");

    separator.comma();
    screen.key("TrackBar3", Qt::Key_Right);  // a press and a release: the handler fails twice
    EXPECT_EQ(screen.errors, std::vector<std::string>(2, "'0.3' is not a valid floating point value."));
    EXPECT_EQ(screen.caption("Label18"), "1") << "the slider's own label is written first";
    EXPECT_EQ(screen.caption("Label19"), "0.30");
    EXPECT_EQ(screen.points("Series2"), marker);

    // Its own slider rewrites the label with the new separator: everything computes again.
    screen.errors.clear();
    screen.key("TrackBar1", Qt::Key_Right);
    EXPECT_TRUE(screen.errors.empty());
    EXPECT_EQ(screen.caption("Label16"), "0,4");
    EXPECT_EQ(screen.caption("Label19"), "1,40");
    EXPECT_EQ(screen.caption("Label24"), "1,4000");

    // Back to the point: "0,4" fails now, until its slider moves again.
    separator.point();
    screen.key("TrackBar3", Qt::Key_Left);
    EXPECT_EQ(screen.errors, std::vector<std::string>(2, "'0,4' is not a valid floating point value."));
    screen.key("TrackBar1", Qt::Key_Left);
    EXPECT_EQ(screen.caption("Label19"), "0.30");
    EXPECT_EQ(screen.caption("Label24"), "0.3000");
}

}  // namespace
}  // namespace rna::neuron::test
