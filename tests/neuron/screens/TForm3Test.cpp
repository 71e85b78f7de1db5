// The network window through simulated input: the chain from the input to the output neuron through the edit
// boxes' change events, counted in the order the charts are refilled.
#include "ScreenDriver.h"

#include <QScreen>
#include <cmath>

namespace rna::neuron::test {
namespace {

using Log = std::vector<std::string>;

class Form3Screen : public ::testing::Test {
protected:
    // Records each refill of the output chart with the net input it shows; the hidden charts' refills plainly.
    ClearRecorder Refills()
    {
        return ClearRecorder(screen, {"Series1", "Series2", "Series3"}, [this] { return screen.caption("Label31"); });
    }

    ScreenDriver screen{"Form3"};
};

TEST_F(Form3Screen, FirstShowingHasEmptyChartsZerosAndIdentitateEverywhere)
{
    for (const char* list : {"ComboBox1", "ComboBox2", "ComboBox3"})
        EXPECT_EQ(screen.listText(list), "Identitate") << list;
    for (const char* series : {"Series1", "Series2", "Series3", "Series4"})
        EXPECT_TRUE(screen.points(series).empty()) << series;
    for (const char* chart : {"Chart1", "Chart2", "Chart3"})
        EXPECT_EQ(screen.leftAxis(chart), (AxisRange{-1.05, 1.05})) << chart;
    EXPECT_EQ(screen.editText("Edit1"), "0");
    EXPECT_EQ(screen.editText("Edit2"), "0");
    EXPECT_EQ(screen.caption("Label30"), "0");
    EXPECT_EQ(screen.caption("Label31"), "0");
    EXPECT_EQ(QApplication::focusWidget(), &screen.get<QWidget>("ComboBox1"));
}

TEST_F(Form3Screen, PickingTheSigmoidForTheFirstHiddenNeuronRunsTheOutputNeuronThroughEdit1)
{
    ClearRecorder clears = Refills();
    screen.pick("ComboBox1", 2);
    EXPECT_EQ(clears.log, (Log{"Series1 0", "Series3 0.0000"}));
    EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-0.05, 1.05}));
    EXPECT_EQ(screen.editText("Edit1"), "0.5");
    EXPECT_EQ(screen.caption("Label31"), "0.0000");
    EXPECT_EQ(screen.caption("Label30"), "0.0000");
    EXPECT_EQ(screen.leftAxis("Chart3"), (AxisRange{-25.05, 25.05}));
    const std::vector<Point> curve = screen.points("Series3");
    const std::vector<Point> marker = screen.points("Series4");
    ASSERT_EQ(curve.size(), 51u);
    ASSERT_EQ(marker.size(), 51u);
    EXPECT_EQ(curve.front(), (Point{-25, -25}));
    EXPECT_EQ(marker.front(), (Point{0, -25}));
    EXPECT_EQ(marker.back(), (Point{0, 25}));
    EXPECT_TRUE(screen.points("Series2").empty());
}

// One press of the input slider's arrow key: hidden neuron 1, the output neuron with the new a1 and the old a2,
// hidden neuron 2, the output neuron again with both; the release (same position) changes no text.
TEST_F(Form3Screen, MovingTheInputRefillsInTheOrderOfTheChain)
{
    screen.key("TrackBar2", Qt::Key_End);  // w1 = 1
    screen.key("TrackBar3", Qt::Key_Home);  // w2 = -1
    screen.key("TrackBar6", Qt::Key_End);  // v1 = 1
    screen.key("TrackBar7", Qt::Key_End);  // v2 = 1
    ClearRecorder clears = Refills();
    auto& input = screen.get<rna::ui::TTrackBar>("TrackBar1");
    screen.window->focusControl(input);

    QTest::keyPress(&input, Qt::Key_Down);
    EXPECT_EQ(clears.log, (Log{"Series1 0.0000", "Series3 0.1000", "Series2 0.1000", "Series3 0.0000"}));
    clears.log.clear();
    QTest::keyRelease(&input, Qt::Key_Down);
    EXPECT_EQ(clears.log, (Log{"Series1 0.0000", "Series2 0.0000"}));

    EXPECT_EQ(screen.caption("Label22"), "0.1");
    EXPECT_EQ(screen.editText("Edit1"), "0.1");
    EXPECT_EQ(screen.editText("Edit2"), "-0.1");
    EXPECT_EQ(screen.caption("Label30"), "0.0000");
}

TEST_F(Form3Screen, ChangesOfOneHiddenNeuronOrOfTheOutputNeuronRefillOnlyTheirPartOfTheChain)
{
    struct Case {
        const char* slider;
        Log refills;
    };
    const Case cases[] = {
        {"TrackBar2", {"Series1 0.0000", "Series1 0.0000"}},  // w1 with p = 0: a1 stays 0, no output neuron
        {"TrackBar4", {"Series1 0.0000", "Series3 1.0000", "Series1 1.0000"}},  // b1: a1 becomes 1
        {"TrackBar5", {"Series2 1.0000", "Series3 2.0000", "Series2 2.0000"}},  // b2: a2 becomes 1
        {"TrackBar8", {"Series3 3.0000", "Series3 3.0000"}},  // b3
    };
    screen.key("TrackBar6", Qt::Key_End);
    screen.key("TrackBar7", Qt::Key_End);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slider);
        ClearRecorder clears = Refills();
        screen.key(c.slider, Qt::Key_Right);
        EXPECT_EQ(clears.log, c.refills);
    }
}

TEST_F(Form3Screen, IdentityEverywhereWithTheExtremeSlidersGivesPlusAndMinusTwentyFive)
{
    screen.key("TrackBar1", Qt::Key_End);
    for (const char* slider : {"TrackBar2", "TrackBar3", "TrackBar4", "TrackBar5", "TrackBar6", "TrackBar7"})
        screen.key(slider, Qt::Key_End);
    EXPECT_EQ(screen.editText("Edit1"), "10");
    EXPECT_EQ(screen.editText("Edit2"), "10");
    EXPECT_EQ(screen.caption("Label31"), "20.0000");
    screen.key("TrackBar8", Qt::Key_End);
    EXPECT_EQ(screen.caption("Label29"), "5");
    EXPECT_EQ(screen.caption("Label31"), "25.0000");
    EXPECT_EQ(screen.caption("Label30"), "25.0000");
    EXPECT_EQ(screen.points("Series4").front(), (Point{25, -25}));

    // The green line stands at x = 25, inside the bottom axis (-25 ... 25.5), from -25 to 25.
    QImage chart = screen.render("Chart3");
    const int right = screen.xPixel("Chart3", 25);
    EXPECT_LT(right, screen.xPixel("Chart3", 25.5));
    EXPECT_TRUE(isGreen(chart.pixel(right, screen.yPixel("Chart3", 0))));
    EXPECT_TRUE(colourNear(chart, right, screen.yPixel("Chart3", 25), 2, isGreen));
    EXPECT_TRUE(colourNear(chart, right, screen.yPixel("Chart3", -25), 2, isGreen));

    for (const char* slider : {"TrackBar6", "TrackBar7", "TrackBar8"})
        screen.key(slider, Qt::Key_Home);
    EXPECT_EQ(screen.caption("Label31"), "-25.0000");
    EXPECT_EQ(screen.caption("Label30"), "-25.0000");
    EXPECT_EQ(screen.points("Series4").front(), (Point{-25, -25}));
    // x = -25 is the plotting area's left edge, which the series' clipping leaves out: no green anywhere else.
    chart = screen.render("Chart3");
    const int left = screen.xPixel("Chart3", -25);
    EXPECT_EQ(left, screen.get<rna::chart::TChart>("Chart3").BottomAxis()->StartPixel());
    for (int y = 0; y < chart.height(); ++y)
        for (int x = left + 1; x < chart.width(); ++x)
            ASSERT_FALSE(isGreen(chart.pixel(x, y))) << x << "," << y;
}

TEST_F(Form3Screen, TheHyperbolicTangentOfAThirdShowsFifteenDigitsInEdit1)
{
    screen.pick("ComboBox1", 1);
    screen.key("TrackBar2", Qt::Key_End);
    screen.moveSlider("TrackBar1", 3);
    EXPECT_EQ(screen.editText("Edit1"), "0.291312612451591");
    EXPECT_EQ(screen.get<rna::ui::TEdit>("Edit1").cursorPosition(), 0) << "the box shows the text's beginning";
}

TEST_F(Form3Screen, TheInputAloneFillsTheHiddenChartsButLeavesTheOutputNeuronAlone)
{
    screen.moveSlider("TrackBar1", 30);
    EXPECT_EQ(screen.points("Series1").size(), 21u);
    EXPECT_EQ(screen.points("Series2").size(), 21u);
    EXPECT_EQ(screen.editText("Edit1"), "0");
    EXPECT_TRUE(screen.points("Series3").empty());
    EXPECT_EQ(screen.caption("Label31"), "0");
}

TEST_F(Form3Screen, APickInTheOutputListBeforeAnySliderShowsTheFunctionAtZero)
{
    const char* outputs[] = {"0.0000", "0.0000", "0.5000"};
    for (int function = 0; function < 3; ++function) {
        ClearRecorder clears(screen, {"Series1", "Series2", "Series3"});
        screen.pick("ComboBox3", function);
        EXPECT_EQ(clears.log, Log{"Series3"});
        EXPECT_EQ(screen.caption("Label30"), outputs[function]);
        EXPECT_EQ(screen.points("Series4").front().x, 0);
    }
}

TEST_F(Form3Screen, TypingIntoAnEditBoxRecomputesTheOutputNeuronFromTheStoredOutputsOnly)
{
    screen.key("TrackBar4", Qt::Key_End);  // b1 = 5: a1 = 5
    screen.key("TrackBar6", Qt::Key_End);  // v1 = 1
    ASSERT_EQ(screen.caption("Label31"), "5.0000");
    const std::vector<Point> output = screen.points("Series4");
    ClearRecorder clears = Refills();
    screen.typeOver("Edit2", QStringLiteral("7.5"));
    EXPECT_EQ(clears.log, (Log{"Series3 5.0000", "Series3 5.0000", "Series3 5.0000"})) << "one per typed character";
    EXPECT_EQ(screen.editText("Edit2"), "7.5");
    EXPECT_EQ(screen.caption("Label30"), "5.0000");
    EXPECT_EQ(screen.points("Series4"), output);
    // The typed text is only shown: v2 still multiplies the stored a2, which is 0.
    screen.key("TrackBar7", Qt::Key_End);
    EXPECT_EQ(screen.caption("Label31"), "5.0000");
    EXPECT_EQ(screen.editText("Edit2"), "7.5");
}

// A hidden output whose new text is already in its edit box raises no change event; the output neuron is
// recomputed all the same when it used another value of that output, and only then.
TEST_F(Form3Screen, TheOutputNeuronFollowsAHiddenOutputEvenWhenItsTextWasTypedBefore)
{
    screen.key("TrackBar6", Qt::Key_End);  // v1 = 1
    screen.key("TrackBar7", Qt::Key_End);  // v2 = 1
    screen.typeOver("Edit1", QStringLiteral("0.5"));
    ClearRecorder clears = Refills();
    screen.pick("ComboBox1", 2);  // a1 = F(0) = 0.5, the text typed
    EXPECT_EQ(clears.log, (Log{"Series1 0.0000", "Series3 0.5000"}));
    EXPECT_EQ(screen.caption("Label30"), "0.5000");
    EXPECT_EQ(screen.points("Series4").front().x, 0.5);

    // The same for a2, written by a slider's chain.
    screen.typeOver("Edit2", QStringLiteral("1"));
    clears.log.clear();
    screen.key("TrackBar5", Qt::Key_Right);  // b2 = 1: a2 = 1, the text typed; the release changes nothing
    EXPECT_EQ(clears.log, (Log{"Series2 0.5000", "Series3 1.5000", "Series2 1.5000"}));
    EXPECT_EQ(screen.caption("Label30"), "1.5000");
}

TEST_F(Form3Screen, AnUnchangedHiddenOutputOrAChangedTextRunsTheOutputNeuronNeverTwice)
{
    struct Case {
        const char* what;
        int function;
        Log refills;
    };
    // Identity and the hyperbolic tangent give 0 at n1 = 0: the same text and the same value.
    const Case cases[] = {
        {"identity to tangent", 1, {"Series1"}},
        {"tangent to sigmoid", 2, {"Series1", "Series3"}},
        {"sigmoid to sigmoid", 2, {"Series1"}},
        {"sigmoid to identity", 0, {"Series1", "Series3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClearRecorder clears(screen, {"Series1", "Series2", "Series3"});
        screen.pick("ComboBox1", c.function);
        EXPECT_EQ(clears.log, c.refills);
    }
}

TEST_F(Form3Screen, EnterInASliderAClosedListOrAnEditBoxHidesTheWindowInTheMemoItStartsALine)
{
    for (const char* control : {"TrackBar8", "ComboBox2", "Edit1"}) {
        SCOPED_TRACE(control);
        screen.key(control, Qt::Key_Return);
        EXPECT_FALSE(screen.window->isVisible());
        screen.show();
    }
    auto& memo = screen.get<rna::ui::TMemo>("Memo1");
    const int lines = memo.lines().size();
    screen.key("Memo1", Qt::Key_Return);
    EXPECT_TRUE(screen.window->isVisible());
    EXPECT_EQ(memo.lines().size(), lines + 1);
}

TEST_F(Form3Screen, ShowingAgainResetsTheThreeListsWithoutRecomputing)
{
    screen.pick("ComboBox1", 1);
    screen.pick("ComboBox2", 2);
    screen.pick("ComboBox3", 2);
    screen.key("TrackBar1", Qt::Key_End);
    const Log before{screen.editText("Edit1"), screen.editText("Edit2"), screen.caption("Label30")};
    ClearRecorder clears = Refills();
    QTest::mouseClick(&screen.get<QWidget>("BitBtn1"), Qt::LeftButton);
    ASSERT_FALSE(screen.window->isVisible());
    screen.show();
    EXPECT_TRUE(clears.log.empty());
    for (const char* list : {"ComboBox1", "ComboBox2", "ComboBox3"})
        EXPECT_EQ(screen.listText(list), "Identitate") << list;
    EXPECT_EQ((Log{screen.editText("Edit1"), screen.editText("Edit2"), screen.caption("Label30")}), before);
    EXPECT_EQ(screen.leftAxis("Chart3"), (AxisRange{-0.05, 1.05}));
}

// Whatever is typed into the lists' edit fields and the edit boxes, the stored numbers stay as they were.
TEST_F(Form3Screen, AnyTypedTextLeavesTheStoredValuesIntact)
{
    screen.key("TrackBar1", Qt::Key_End);
    screen.key("TrackBar2", Qt::Key_End);  // a1 = 5
    const QString texts[] = {QStringLiteral("abc"),
                             QStringLiteral("1e999"),
                             QStringLiteral("-"),
                             QStringLiteral("%s%n"),
                             QString(300, QLatin1Char('9')),
                             QStringLiteral("\u00e9\u00df"),
                             QString()};
    for (const QString& text : texts) {
        screen.typeOver("Edit1", text);
        screen.typeOver("Edit2", text);
        screen.typeOver("ComboBox1", text);
        screen.typeOver("ComboBox3", text);
        screen.typeOver("Memo1", text);
    }
    EXPECT_TRUE(screen.errors.empty());
    EXPECT_TRUE(screen.points("Series1").empty()) << "the list has no selection";
    // The stored a1 is still 5 and the output neuron still computes from it.
    screen.pick("ComboBox3", 0);
    screen.key("TrackBar6", Qt::Key_End);
    EXPECT_EQ(screen.caption("Label31"), "5.0000");
    EXPECT_EQ(screen.caption("Label30"), "5.0000");
}

TEST_F(Form3Screen, AChangedDecimalSeparatorIsReportedAndTheNetworkComputesAgainOnceItIsBack)
{
    SeparatorAnnouncer separator;
    screen.moveSlider("TrackBar6", 5);  // v1 = 0.5
    screen.key("TrackBar4", Qt::Key_End);  // a1 = 5
    ASSERT_EQ(screen.caption("Label31"), "2.5000");
    separator.comma();
    screen.key("TrackBar4", Qt::Key_Left);  // a1 = 4: Edit1 changes, the output neuron reads "0.5"
    EXPECT_EQ(screen.errors.front(), "'0.5' is not a valid floating point value.");
    EXPECT_EQ(screen.editText("Edit1"), "4");
    EXPECT_EQ(screen.caption("Label31"), "2.5000");
    separator.point();
    screen.errors.clear();
    screen.key("TrackBar8", Qt::Key_Right);
    EXPECT_TRUE(screen.errors.empty());
    EXPECT_EQ(screen.caption("Label31"), "3.0000");  // 4·0.5 + 1
}

// The window is repainted only where something changed (the labels with new captions, the slider, the edit
// boxes, the refilled charts); after each step it shows what painting it whole shows.
TEST_F(Form3Screen, AfterEachStepTheWindowShowsWhatAWholeRepaintShows)
{
    screen.key("TrackBar2", Qt::Key_End);
    screen.key("TrackBar3", Qt::Key_Home);
    screen.key("TrackBar6", Qt::Key_End);
    screen.key("TrackBar7", Qt::Key_End);
    screen.pick("ComboBox3", 2);
    auto& input = screen.get<rna::ui::TTrackBar>("TrackBar1");
    screen.window->focusControl(input);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_End}) {
        QTest::keyClick(&input, key);
        QCoreApplication::processEvents();
        const QImage shown =
            screen.window->screen()->grabWindow(screen.window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage whole = screen.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), whole.size());
        EXPECT_TRUE(shown == whole) << "after key " << key << ", p = " << screen.caption("Label22");
    }
}

}  // namespace
}  // namespace rna::neuron::test
