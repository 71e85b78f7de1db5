// Slider rules: key directions on both orientations, OnChange counts per user action and per change from code.
#include "RecordingForm.h"
#include "ui/TTrackBar.h"

#include <QDialog>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::pressKey;
using rna::ui::test::RecordingForm;
using rna::ui::test::showActive;
using rna::ui::test::waitFor;

namespace {

struct SliderFixture {
    RecordingForm form{{"TrackBar1Change"}};
    TTrackBar* slider = nullptr;
    QList<int> positions;  // the position seen by each OnChange

    explicit SliderFixture(bool vertical, int position = 5)
    {
        const QByteArray bounds = vertical ? "[20, 20, 45, 150]" : "[20, 20, 150, 45]";
        form.load(
            describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"TrackBar1\", \"bounds\": " + bounds +
                           ", \"properties\": {\"Min\": 0, \"Max\": 10, \"Position\": " + QByteArray::number(position) +
                           ", \"Orientation\": \"" + (vertical ? "trVertical" : "trHorizontal") +
                           "\"}, \"events\": {\"OnChange\": \"TrackBar1Change\"}}"));
        slider = &form.control<TTrackBar>("TrackBar1");
        form.onCall("TrackBar1Change", [this](QObject*) { positions.append(slider->position()); });
        form.show();
    }
    int changes() const { return form.count("TrackBar1Change"); }
};

struct KeyCase {
    const char* name;
    bool vertical;
    Qt::Key key;
    int expected;  // from position 5 in 0 ... 10, line step 1, page step 2
};

class SliderKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SliderKeys, MovesAndFiresOnPressAndRelease)
{
    const KeyCase& c = GetParam();
    SliderFixture f(c.vertical);
    QTest::keyPress(f.slider, c.key);
    EXPECT_EQ(f.slider->position(), c.expected);
    EXPECT_EQ(f.changes(), 1);
    QTest::keyRelease(f.slider, c.key);
    EXPECT_EQ(f.changes(), 2);
    EXPECT_EQ(f.positions, QList<int>({c.expected, c.expected}));
}

INSTANTIATE_TEST_SUITE_P(
    BothOrientations, SliderKeys,
    ::testing::Values(KeyCase{"HLeft", false, Qt::Key_Left, 4}, KeyCase{"HUp", false, Qt::Key_Up, 4},
                      KeyCase{"HRight", false, Qt::Key_Right, 6}, KeyCase{"HDown", false, Qt::Key_Down, 6},
                      KeyCase{"HPageUp", false, Qt::Key_PageUp, 3}, KeyCase{"HPageDown", false, Qt::Key_PageDown, 7},
                      KeyCase{"HHome", false, Qt::Key_Home, 0}, KeyCase{"HEnd", false, Qt::Key_End, 10},
                      KeyCase{"VLeft", true, Qt::Key_Left, 4}, KeyCase{"VUp", true, Qt::Key_Up, 4},
                      KeyCase{"VRight", true, Qt::Key_Right, 6}, KeyCase{"VDown", true, Qt::Key_Down, 6},
                      KeyCase{"VPageUp", true, Qt::Key_PageUp, 3}, KeyCase{"VPageDown", true, Qt::Key_PageDown, 7},
                      KeyCase{"VHome", true, Qt::Key_Home, 0}, KeyCase{"VEnd", true, Qt::Key_End, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Slider, DownOnVerticalAtMinMovesDownwards)
{
    SliderFixture f(true, 0);
    QTest::keyClick(f.slider, Qt::Key_Down);
    EXPECT_EQ(f.slider->position(), 1);
    ASSERT_GE(f.changes(), 1);
    EXPECT_EQ(f.positions.first(), 1);
}

TEST(Slider, KeyAtTheEndStillFiresUnchanged)
{
    SliderFixture f(false, 10);
    QTest::keyClick(f.slider, Qt::Key_Right);
    EXPECT_EQ(f.slider->position(), 10);
    EXPECT_EQ(f.positions, QList<int>({10, 10}));
}

TEST(Slider, AutorepeatFiresPerRepeatAndOnceAtTheEnd)
{
    SliderFixture f(false, 5);
    QTest::keyPress(f.slider, Qt::Key_Right);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(f.slider, &repeatRelease);
    QCoreApplication::sendEvent(f.slider, &repeatPress);
    QTest::keyRelease(f.slider, Qt::Key_Right);
    EXPECT_EQ(f.positions, QList<int>({6, 7, 7}));
}

TEST(Slider, OtherKeysFireNothing)
{
    SliderFixture f(false);
    QTest::keyClick(f.slider, Qt::Key_A);
    QTest::keyClick(f.slider, Qt::Key_Space);
    EXPECT_EQ(f.changes(), 0);
}

TEST(Slider, ThumbPressFiresNothingMovesFireEvenUnchangedReleaseFires)
{
    for (bool vertical : {false, true}) {
        SliderFixture f(vertical);
        // The thumb lies where the position maps; find it by pressing until a press leaves the position alone.
        QPoint thumb;
        for (int along = 0; along < 150 && thumb.isNull(); ++along) {
            const QPoint p = vertical ? QPoint(22, along) : QPoint(along, 22);
            QTest::mousePress(f.slider, Qt::LeftButton, {}, p);
            const bool moved = f.changes() > 0;
            QTest::mouseRelease(f.slider, Qt::LeftButton, {}, p);
            if (!moved)
                thumb = p;
            f.form.log.clear();
            f.positions.clear();
            f.slider->setPosition(5, Notify::No);
        }
        ASSERT_FALSE(thumb.isNull()) << "vertical " << vertical;
        QTest::mousePress(f.slider, Qt::LeftButton, {}, thumb);
        EXPECT_EQ(f.changes(), 0);
        QTest::mouseMove(f.slider, thumb);
        EXPECT_EQ(f.positions, QList<int>({5})) << "a drag move fires even without a change";
        const QPoint farEnd = vertical ? QPoint(22, 149) : QPoint(149, 22);
        QMouseEvent moveFar(QEvent::MouseMove, QPointF(farEnd), f.slider->mapToGlobal(QPointF(farEnd)), Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.slider, &moveFar);
        EXPECT_EQ(f.slider->position(), 10) << "dragging to the bottom or right end reaches Max";
        QTest::mouseRelease(f.slider, Qt::LeftButton, {}, farEnd);
        EXPECT_EQ(f.positions, QList<int>({5, 10, 10}));
    }
}

TEST(Slider, ChannelPressMovesOnePageTowardsTheClick)
{
    for (bool vertical : {false, true}) {
        SliderFixture f(vertical);
        const QPoint nearMin = vertical ? QPoint(22, 2) : QPoint(2, 22);
        QTest::mousePress(f.slider, Qt::LeftButton, {}, nearMin);
        EXPECT_EQ(f.positions, QList<int>({3}));
        QTest::mouseRelease(f.slider, Qt::LeftButton, {}, nearMin);
        EXPECT_EQ(f.positions, QList<int>({3, 3}));
        const QPoint nearMax = vertical ? QPoint(22, 147) : QPoint(147, 22);
        QTest::mouseClick(f.slider, Qt::LeftButton, {}, nearMax);
        EXPECT_EQ(f.positions, QList<int>({3, 3, 5, 5}));
    }
}

TEST(Slider, ChannelPressRepeatsWhileHeldUntilTheThumbArrives)
{
    SliderFixture f(false, 0);
    const QPoint nearMax(147, 22);
    QTest::mousePress(f.slider, Qt::LeftButton, {}, nearMax);
    // The repeat stops itself at the step that finds the thumb under the pointer.
    EXPECT_TRUE(waitFor([&] { return !f.slider->channelRepeating(); }, 3000));
    EXPECT_EQ(f.slider->position(), 10);
    const int beforeRelease = f.changes();
    QTest::mouseRelease(f.slider, Qt::LeftButton, {}, nearMax);
    EXPECT_EQ(f.changes(), beforeRelease + 1);
    EXPECT_EQ(f.positions.first(), 2);
    EXPECT_EQ(beforeRelease, 5) << "0 -> 2 -> 4 -> 6 -> 8 -> 10, one event each";
}

struct WheelCase {
    const char* name;
    std::vector<int> deltas;  // vertical wheel deltas, one event each, from position 5
    QList<int> expected;  // the position seen by each OnChange
};

class SliderWheel : public ::testing::TestWithParam<WheelCase> {};

// Each whole notch (120) is one line step, up towards Min, with the events of one action; parts add up.
TEST_P(SliderWheel, WholeNotchesStepPartsAddUp)
{
    const WheelCase& c = GetParam();
    SliderFixture f(false);
    const QPointF at(20, 20);
    for (int delta : c.deltas) {
        QWheelEvent wheel(at, f.slider->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::ScrollUpdate, false);
        QApplication::sendEvent(f.slider, &wheel);
        EXPECT_TRUE(wheel.isAccepted());
    }
    EXPECT_EQ(f.positions, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SliderWheel,
                         ::testing::Values(WheelCase{"NotchUp", {120}, {4, 4}}, WheelCase{"NotchDown", {-120}, {6, 6}},
                                           WheelCase{"TwoNotchesInOneEvent", {240}, {4, 4, 3, 3}},
                                           WheelCase{"EightEighthsOfANotch", std::vector<int>(8, 15), {4, 4}},
                                           WheelCase{"SevenEighthsMoveNothing", std::vector<int>(7, 15), {}},
                                           WheelCase{"ThreeHalves", {60, 60, 60}, {4, 4}},
                                           WheelCase{"ATurnBackStartsAfresh", {90, -60, -60}, {6, 6}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CodeCase {
    const char* name;
    int min, max, position;  // applied in this order from code, starting at 0 ... 10, position 5
    int expectedMin, expectedMax, expectedPosition, expectedEvents;
};

class SliderFromCode : public ::testing::TestWithParam<CodeCase> {};

TEST_P(SliderFromCode, FiresOnlyWhenThePositionMoves)
{
    const CodeCase& c = GetParam();
    SliderFixture f(false);
    f.slider->setMin(c.min);
    f.slider->setMax(c.max);
    f.slider->setPosition(c.position);
    EXPECT_EQ(f.slider->min(), c.expectedMin);
    EXPECT_EQ(f.slider->max(), c.expectedMax);
    EXPECT_EQ(f.slider->position(), c.expectedPosition);
    EXPECT_EQ(f.changes(), c.expectedEvents);
}

INSTANTIATE_TEST_SUITE_P(Cases, SliderFromCode,
                         ::testing::Values(CodeCase{"Unchanged", 0, 10, 5, 0, 10, 5, 0},
                                           CodeCase{"NewPosition", 0, 10, 7, 0, 10, 7, 1},
                                           CodeCase{"ClampedAboveMax", 0, 10, 99, 0, 10, 10, 1},
                                           CodeCase{"ClampedToCurrent", 0, 5, 9, 0, 5, 5, 0},
                                           CodeCase{"MinAboveMaxIgnored", 20, 10, 5, 0, 10, 5, 0},
                                           CodeCase{"MaxBelowMinIgnored", 0, -3, 5, 0, 10, 5, 0},
                                           CodeCase{"MinPushesPosition", 8, 10, 8, 8, 10, 8, 1},
                                           CodeCase{"MaxPullsPosition", 0, 2, 2, 0, 2, 2, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Slider, WithoutEventArgumentFiresNothing)
{
    SliderFixture f(false);
    f.slider->setPosition(1, Notify::No);
    f.slider->setMin(3, Notify::No);
    EXPECT_EQ(f.slider->position(), 3);
    EXPECT_EQ(f.changes(), 0);
}

TEST(Slider, LoadingAppliesRangeAndPositionTogetherWithoutEvents)
{
    RecordingForm form({"Change"});
    // Max below the default Min: applied one at a time it would be refused.
    form.load(describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"T\", \"bounds\": [0, 0, 100, 20], "
                             "\"properties\": {\"Max\": -1, \"Min\": -20, \"Position\": -7}, "
                             "\"events\": {\"OnChange\": \"Change\"}}"));
    const auto& slider = form.control<TTrackBar>("T");
    EXPECT_EQ(slider.min(), -20);
    EXPECT_EQ(slider.max(), -1);
    EXPECT_EQ(slider.position(), -7);
    EXPECT_TRUE(form.log.isEmpty());
}

struct TickCase {
    int min, max, frequency;
    TTickStyle style;
    std::vector<int> expected;
};

class SliderTicks : public ::testing::TestWithParam<TickCase> {};

TEST_P(SliderTicks, StandAtMinEveryFrequencyAndMax)
{
    const TickCase& c = GetParam();
    TTrackBar slider;
    slider.setMax(c.max);
    slider.setMin(c.min);
    slider.setFrequency(c.frequency);
    slider.setTickStyle(c.style);
    EXPECT_EQ(slider.tickPositions(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SliderTicks,
                         ::testing::Values(TickCase{-5, 5, 2, TTickStyle::tsAuto, {-5, -3, -1, 1, 3, 5}},
                                           TickCase{0, 50, 50, TTickStyle::tsAuto, {0, 50}},
                                           TickCase{-10, 10, 5, TTickStyle::tsAuto, {-10, -5, 0, 5, 10}},
                                           TickCase{0, 10, 3, TTickStyle::tsAuto, {0, 3, 6, 9, 10}},
                                           TickCase{0, 10, 3, TTickStyle::tsManual, {0, 10}},
                                           TickCase{0, 10, 3, TTickStyle::tsNone, {}}));

TEST(Slider, TheThumbIsThumbLengthAcrossTheChannelAndFollowsThePosition)
{
    for (bool vertical : {false, true}) {
        SliderFixture f(vertical, 0);
        f.slider->setThumbLength(12);
        const QRect atMin = f.slider->thumbRect();
        EXPECT_EQ(vertical ? atMin.width() : atMin.height(), 12);
        f.slider->setPosition(10);
        const QRect atMax = f.slider->thumbRect();
        // Min at the left or top, Max at the right or bottom.
        EXPECT_GT(vertical ? atMax.top() : atMax.left(), vertical ? atMin.top() : atMin.left());
    }
}

TEST(Slider, EnterGoesOnToTheDefaultButton)
{
    RecordingForm form({"Change", "Ok"});
    form.load(
        describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"T\", \"bounds\": [0, 0, 100, 20], "
                       "\"properties\": {\"TabOrder\": 0}, \"events\": {\"OnChange\": \"Change\"}},"
                       "{\"kind\": \"TBitBtn\", \"name\": \"B\", \"bounds\": [0, 50, 75, 25], "
                       "\"properties\": {\"Kind\": \"bkOK\", \"TabOrder\": 1}, \"events\": {\"OnClick\": \"Ok\"}}"));
    ASSERT_TRUE(showActive(form));
    ASSERT_TRUE(waitFor([&] { return form.control<TTrackBar>("T").hasFocus(); }));
    pressKey(Qt::Key_Return);
    EXPECT_EQ(form.log, QStringList({"Ok(B)"}));
}

// What takes the mouse away from a slider while its button is held down.
enum class Interruption { WindowHidden, ModalBoxOpens, OtherWindowActivated, MouseGrabbedElsewhere };

struct InterruptionCase {
    const char* name;
    Interruption interruption;
    bool onThumb;  // a thumb drag, else a channel repeat
};

class SliderInterrupted : public ::testing::TestWithParam<InterruptionCase> {};

// The action ends at once with the change event of a release, once; no repeat runs on unseen, and the next
// click is a click of its own.
TEST_P(SliderInterrupted, EndsTheHeldActionAsAReleaseWould)
{
    const InterruptionCase& c = GetParam();
    SliderFixture f(false);
    ASSERT_TRUE(showActive(f.form));
    const QPoint held = c.onThumb ? f.slider->thumbRect().center() : QPoint(2, 22);
    QTest::mousePress(f.slider, Qt::LeftButton, {}, held);
    const QList<int> pressed = c.onThumb ? QList<int>() : QList<int>({3});
    ASSERT_EQ(f.positions, pressed);

    QDialog box;
    QWidget other;
    QWidget grabber(&f.form);
    switch (c.interruption) {
    case Interruption::WindowHidden:
        f.form.closeForm();
        break;
    case Interruption::ModalBoxOpens:
        box.setModal(true);
        box.show();
        break;
    case Interruption::OtherWindowActivated:
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        break;
    case Interruption::MouseGrabbedElsewhere:
        grabber.show();
        grabber.grabMouse();
        break;
    }
    // The action ends with its release event (at once, or at the repeat's next step for a grab it finds then),
    // and with it the repeat.
    EXPECT_TRUE(waitFor([&] { return f.positions.size() > pressed.size(); }, 3000));
    EXPECT_FALSE(f.slider->channelRepeating());
    grabber.releaseMouse();
    const int at = c.onThumb ? 5 : 3;
    EXPECT_EQ(f.positions, pressed + QList<int>({at})) << "one release event, no further repeats";
    EXPECT_EQ(f.slider->position(), at);

    box.hide();
    other.hide();
    grabber.hide();
    f.form.log.clear();
    f.positions.clear();
    ASSERT_TRUE(showActive(f.form));
    QTest::mouseClick(f.slider, Qt::LeftButton, {}, QPoint(147, 22));
    EXPECT_EQ(f.positions, QList<int>({at + 2, at + 2})) << "the next click is not swallowed";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderInterrupted,
    ::testing::Values(InterruptionCase{"ChannelWindowHidden", Interruption::WindowHidden, false},
                      InterruptionCase{"ChannelModalBox", Interruption::ModalBoxOpens, false},
                      InterruptionCase{"ChannelOtherWindow", Interruption::OtherWindowActivated, false},
                      InterruptionCase{"ChannelMouseGrabbed", Interruption::MouseGrabbedElsewhere, false},
                      InterruptionCase{"ThumbWindowHidden", Interruption::WindowHidden, true},
                      InterruptionCase{"ThumbModalBox", Interruption::ModalBoxOpens, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The real sequence: Enter clicks the window's "Inchide" while the mouse holds the slider's channel.
TEST(Slider, EnterClosingTheWindowWhileTheChannelIsHeldStopsTheRepeat)
{
    RecordingForm form({"Change", "Close"});
    form.load(describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"T\", \"bounds\": [20, 20, 150, 45], "
                             "\"properties\": {\"Position\": 5, \"TabOrder\": 0}, "
                             "\"events\": {\"OnChange\": \"Change\"}},"
                             "{\"kind\": \"TBitBtn\", \"name\": \"B\", \"bounds\": [20, 100, 75, 25], "
                             "\"properties\": {\"Kind\": \"bkOK\", \"Caption\": \"Inchide\", \"TabOrder\": 1}, "
                             "\"events\": {\"OnClick\": \"Close\"}}"));
    form.onCall("Close", [&](QObject*) { form.closeForm(); });
    ASSERT_TRUE(showActive(form));
    auto& slider = form.control<TTrackBar>("T");
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(2, 22));
    ASSERT_TRUE(slider.hasFocus());
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(waitFor([&] { return form.count("Change") == 2; }, 3000));
    EXPECT_FALSE(slider.channelRepeating()) << "no step after the window closed";
    EXPECT_EQ(form.log, QStringList({"Change(T)", "Close(B)", "Change(T)"}));
    EXPECT_EQ(slider.position(), 3);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(2, 22));  // too late: nothing more
    EXPECT_EQ(form.count("Change"), 2);
}

}  // namespace

// A label the window paints under a slider does not show through it; away from the slider it is drawn.
TEST(Slider, CoversTheLabelsPaintedBeneathIt)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TLabel\", \"name\": \"Under\", \"bounds\": [10, 10, 40, 20], "
                             "\"properties\": {\"AutoSize\": false, \"Color\": \"clRed\", \"Transparent\": false}},"
                             "{\"kind\": \"TLabel\", \"name\": \"Beside\", \"bounds\": [10, 60, 40, 20], "
                             "\"properties\": {\"AutoSize\": false, \"Color\": \"clRed\", \"Transparent\": false}},"
                             "{\"kind\": \"TTrackBar\", \"name\": \"T\", \"bounds\": [0, 0, 100, 40]}"));
    const QImage picture = form.grab().toImage();
    EXPECT_EQ(picture.pixel(30, 70), qRgb(255, 0, 0));
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 50; ++x)
            ASSERT_NE(picture.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
}
