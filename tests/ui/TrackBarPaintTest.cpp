// Slider pictures: a paint that copies the kept layers gives the pixels of one that draws every part through the
// style, after every kind of change the picture depends on.
#include "RecordingForm.h"
#include "ui/TTrackBar.h"

#include <QImage>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::pressKey;
using rna::ui::test::RecordingForm;
using rna::ui::test::showActive;

namespace {

struct PaintStep {
    const char* name;
    std::function<void()> change;  // applied after the steps before it
    bool layersUsable;
};

QImage picture(TTrackBar& slider, bool keepLayers)
{
    slider.setKeepsStillLayers(keepLayers);
    QImage image = slider.grab().toImage();
    slider.setKeepsStillLayers(true);
    return image;
}

// After each change, at the slider's position and at Min, Max and a middle position: the same pixels both ways.
TEST(SliderPicture, CopiedLayersMatchDrawingThroughTheStyle)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"T\", \"bounds\": [20, 20, 150, 45], "
                             "\"properties\": {\"Max\": 10, \"Position\": 3, \"TabOrder\": 0}},"
                             "{\"kind\": \"TBitBtn\", \"name\": \"B\", \"bounds\": [20, 200, 75, 25], "
                             "\"properties\": {\"Kind\": \"bkOK\", \"TabOrder\": 1}}"));
    ASSERT_TRUE(showActive(form));
    auto& s = form.control<TTrackBar>("T");
    auto& button = form.control<QWidget>("B");
    QPalette colours = s.palette();
    colours.setColor(QPalette::Button, QColor(200, 120, 40));
    colours.setColor(QPalette::Highlight, QColor(20, 160, 60));
    colours.setColor(QPalette::WindowText, QColor(150, 0, 150));

    const PaintStep steps[] = {
        {"FirstPaint", [] {}, true},
        {"ToMax", [&] { s.setPosition(10); }, true},
        {"NewMax", [&] { s.setMax(50); }, true},
        {"NewMin", [&] { s.setMin(-20); }, true},
        {"Frequency", [&] { s.setFrequency(7); }, true},
        {"TicksBoth", [&] { s.setTickMarks(TTickMark::tmBoth); }, true},
        {"TicksTopLeft", [&] { s.setTickMarks(TTickMark::tmTopLeft); }, true},
        {"TicksAtEndsOnly", [&] { s.setTickStyle(TTickStyle::tsManual); }, true},
        {"ThumbLength", [&] { s.setThumbLength(14); }, true},
        {"SelectionStart", [&] { s.setSelStart(-5); }, true},
        {"SelectionEnd", [&] { s.setSelEnd(30); }, true},
        // Focus moved by the keyboard is outlined.
        {"TabAway",
         [&] {
             pressKey(Qt::Key_Tab);
             EXPECT_TRUE(button.hasFocus());
         },
         true},
        {"TabBack",
         [&] {
             pressKey(Qt::Key_Tab);
             EXPECT_TRUE(s.hasFocus());
         },
         true},
        {"HoverOnThumb",
         [&] {
             QTest::mouseMove(&s, s.thumbRect().center());
             EXPECT_TRUE(s.underMouse());
         },
         true},
        {"HoverAway", [&] { QTest::mouseMove(&button, QPoint(5, 5)); }, true},
        {"Disabled", [&] { s.setEnabled(false); }, true},
        {"Enabled", [&] { s.setEnabled(true); }, true},
        {"Palette", [&] { s.setPalette(colours); }, true},
        {"WindowColour", [&] { form.setColor(0x0080FFFF); }, true},
        {"Resized", [&] { s.resize(230, 32); }, true},
        {"Vertical", [&] { s.setTrackOrientation(TTrackBarOrientation::trVertical); }, true},
        {"VerticalShape", [&] { s.resize(45, 150); }, true},
        {"ThumbHidden", [&] { s.setSliderVisible(false); }, true},
        {"ThumbShown", [&] { s.setSliderVisible(true); }, true},
        // A thumb as wide as the slider covers the tick marks, which are drawn over it: drawn as before.
        {"ThumbOverTicks", [&] { s.setThumbLength(45); }, false},
        {"ThumbNarrowAgain", [&] { s.setThumbLength(10); }, true},
    };
    for (const PaintStep& step : steps) {
        step.change();
        QCoreApplication::processEvents();
        const int kept = s.position();
        for (int position : {kept, s.min(), s.max(), (s.min() + s.max()) / 2 + 1}) {
            s.setPosition(position, Notify::No);
            const QImage copied = picture(s, true);
            EXPECT_EQ(s.stillLayersUsable(), step.layersUsable) << step.name;
            EXPECT_TRUE(copied == picture(s, false)) << step.name << " at position " << position;
        }
        s.setPosition(kept, Notify::No);
    }
}

// A slider on a window paints its whole rectangle, so a move of its thumb repaints the slider alone, not the
// window's labels and pictures beneath it (also after the style has polished it for showing).
TEST(SliderPicture, AMovedThumbRepaintsNothingBeneath)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"T\", \"bounds\": [20, 20, 150, 45]}"));
    ASSERT_TRUE(showActive(form));
    auto& s = form.control<TTrackBar>("T");
    QCoreApplication::processEvents();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } windowPaints, sliderPaints;
    form.installEventFilter(&windowPaints);
    s.installEventFilter(&sliderPaints);
    s.setPosition(7);
    QCoreApplication::sendPostedEvents(&form, QEvent::UpdateRequest);
    EXPECT_EQ(sliderPaints.paints, 1);
    EXPECT_EQ(windowPaints.paints, 0);
}

}  // namespace
