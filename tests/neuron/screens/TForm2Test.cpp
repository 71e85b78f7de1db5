// The two-input neuron window through simulated input: both inputs in the net input, the wider sample range,
// repeated picks and the editable memo.
#include "ScreenDriver.h"

namespace rna::neuron::test {
namespace {

struct Sliders {
    int p1, p2, w1, w2, b;
};

void Move(ScreenDriver& screen, const Sliders& s)
{
    screen.moveSlider("TrackBar1", s.p1);
    screen.moveSlider("TrackBar2", s.p2);
    screen.moveSlider("TrackBar3", s.w1);
    screen.moveSlider("TrackBar4", s.w2);
    screen.moveSlider("TrackBar5", s.b);
}

struct Case {
    Sliders sliders;
    int function;
    const char* nText;
    const char* outText;
    AxisRange axis;
    double markerX;
};

class Form2Cases : public ::testing::TestWithParam<Case> {};

TEST_P(Form2Cases, BothInputsMakeTheNetInput)
{
    const Case& c = GetParam();
    ScreenDriver screen("Form2");
    screen.pick("ComboBox1", c.function);
    Move(screen, c.sliders);
    EXPECT_EQ(screen.caption("Label24"), c.nText);
    EXPECT_EQ(screen.caption("Label28"), c.outText);
    EXPECT_EQ(screen.leftAxis("Chart1"), c.axis);
    const std::vector<Point> curve = screen.points("Series1");
    const std::vector<Point> marker = screen.points("Series2");
    ASSERT_EQ(curve.size(), 31u);
    ASSERT_EQ(marker.size(), 31u);
    EXPECT_EQ(curve.front().x, -15);
    EXPECT_EQ(curve.back().x, 15);
    for (std::size_t i = 0; i < marker.size(); ++i)
        EXPECT_EQ(marker[i], (Point{c.markerX, curve[i].y})) << i;
}

INSTANTIATE_TEST_SUITE_P(Table, Form2Cases,
                         ::testing::Values(Case{{1, 0, 0, 0, 0}, 0, "0.00", "0.0000", {-15.05, 15.05}, 0},
                                           Case{{50, 50, 10, 10, 5}, 0, "15.00", "15.0000", {-15.05, 15.05}, 15},
                                           Case{{50, 50, -10, -10, -5}, 2, "-15.00", "0.0000", {-0.05, 1.05}, -15},
                                           Case{{25, 0, 10, 3, 0}, 0, "2.50", "2.5000", {-15.05, 15.05}, 2.5},
                                           Case{{30, 20, -5, 10, -1}, 1, "-0.50", "-0.4621", {-1.05, 1.05}, -0.5}));

TEST(Form2Screen, SwitchingFunctionsReplacesBothSeriesOncePerPickAlsoForTheSameItem)
{
    ScreenDriver screen("Form2");
    ClearRecorder clears(screen, {"Series1", "Series2"});
    screen.pick("ComboBox1", 0);
    screen.pick("ComboBox1", 1);
    screen.pick("ComboBox1", 1);
    EXPECT_EQ(clears.log, (std::vector<std::string>{"Series1", "Series2", "Series1", "Series2", "Series1", "Series2"}));
    EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-1.05, 1.05}));
    const std::vector<Point> marker = screen.points("Series2");
    ASSERT_EQ(marker.size(), 31u);
    EXPECT_LT(marker.front().y, -0.999999);
    EXPECT_GT(marker.back().y, 0.999999);
}

TEST(Form2Screen, EnterInTheEditableMemoStartsANewLineElsewhereItHidesTheWindow)
{
    ScreenDriver screen("Form2");
    auto& memo = screen.get<rna::ui::TMemo>("Memo1");
    const int lines = memo.lines().size();
    screen.key("Memo1", Qt::Key_Return);
    EXPECT_TRUE(screen.window->isVisible());
    EXPECT_EQ(memo.lines().size(), lines + 1);
    screen.key("TrackBar5", Qt::Key_Return);
    EXPECT_FALSE(screen.window->isVisible());
}

}  // namespace
}  // namespace rna::neuron::test
