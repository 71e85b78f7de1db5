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
    std::function<void(RecordingForm&, TTrackBar&)> change;  // applied after the steps before it
    bool layersUsable;
};

QImage picture(TTrackBar& slider, bool keepLayers)
{
    slider.setKeepsStillLayers(keepLayers);
    QImage image = slider.grab().toImage();
    slider.setKeepsStillLayers(true);
    return image;
}

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
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
    auto& slider = form.control<TTrackBar>("T");
    auto& button = form.control<QWidget>("B");
    QPalette colours = slider.palette();
    colours.setColor(QPalette::Button, QColor(200, 120, 40));
    colours.setColor(QPalette::Highlight, QColor(20, 160, 60));
    colours.setColor(QPalette::WindowText, QColor(150, 0, 150));

    const PaintStep steps[] = {
        {"FirstPaint", [](RecordingForm&, TTrackBar&) {}, true},
        {"ToMax", [](RecordingForm&, TTrackBar& s) { s.setPosition(10); }, true},
        {"ToMin", [](RecordingForm&, TTrackBar& s) { s.setPosition(0); }, true},
        {"Range",
         [](RecordingForm&, TTrackBar& s) {
             s.setMax(50);
             s.setMin(-20);
             s.setPosition(13);
         },
         true},
        {"Frequency", [](RecordingForm&, TTrackBar& s) { s.setFrequency(7); }, true},
        {"TicksBoth", [](RecordingForm&, TTrackBar& s) { s.setTickMarks(TTickMark::tmBoth); }, true},
        {"TicksTopLeft", [](RecordingForm&, TTrackBar& s) { s.setTickMarks(TTickMark::tmTopLeft); }, true},
        {"TicksAtEndsOnly", [](RecordingForm&, TTrackBar& s) { s.setTickStyle(TTickStyle::tsManual); }, true},
        {"ThumbLength", [](RecordingForm&, TTrackBar& s) { s.setThumbLength(14); }, true},
        {"Selection",
         [](RecordingForm&, TTrackBar& s) {
             s.setSelStart(-5);
             s.setSelEnd(30);
         },
         true},
        // Focus moved by the keyboard is outlined.
        {"TabAway",
         [&](RecordingForm&, TTrackBar&) {
             pressKey(Qt::Key_Tab);
             EXPECT_TRUE(button.hasFocus());
         },
         true},
        {"TabBack",
         [](RecordingForm&, TTrackBar& s) {
             pressKey(Qt::Key_Tab);
             EXPECT_TRUE(s.hasFocus());
         },
         true},
        {"HoverOnThumb",
         [](RecordingForm&, TTrackBar& s) {
             QTest::mouseMove(&s, s.thumbRect().center());
             EXPECT_TRUE(s.underMouse());
         },
         true},
        {"HoverAway", [&](RecordingForm&, TTrackBar&) { QTest::mouseMove(&button, QPoint(5, 5)); }, true},
        {"Disabled", [](RecordingForm&, TTrackBar& s) { s.setEnabled(false); }, true},
        {"Enabled", [](RecordingForm&, TTrackBar& s) { s.setEnabled(true); }, true},
        {"Palette", [&](RecordingForm&, TTrackBar& s) { s.setPalette(colours); }, true},
        {"WindowColour", [](RecordingForm& f, TTrackBar&) { f.setColor(0x0080FFFF); }, true},
        {"Resized", [](RecordingForm&, TTrackBar& s) { s.resize(230, 32); }, true},
        {"Vertical",
         [](RecordingForm&, TTrackBar& s) {
             s.setTrackOrientation(TTrackBarOrientation::trVertical);
             s.resize(45, 150);
         },
         true},
        {"VerticalNoSelection",
         [](RecordingForm&, TTrackBar& s) {
             s.setSelStart(0);
             s.setSelEnd(0);
         },
         true},
        {"ThumbHidden", [](RecordingForm&, TTrackBar& s) { s.setSliderVisible(false); }, true},
        {"ThumbShown", [](RecordingForm&, TTrackBar& s) { s.setSliderVisible(true); }, true},
        // A thumb as wide as the slider covers the tick marks, which are drawn over it: drawn as before.
        {"ThumbOverTicks", [](RecordingForm&, TTrackBar& s) { s.setThumbLength(45); }, false},
        {"ThumbNarrowAgain", [](RecordingForm&, TTrackBar& s) { s.setThumbLength(10); }, true},
    };
    for (const PaintStep& step : steps) {
        step.change(form, slider);
        QCoreApplication::processEvents();
        const int kept = slider.position();
        for (int position : {kept, slider.min(), slider.max(), (slider.min() + slider.max()) / 2 + 1}) {
            slider.setPosition(position, Notify::No);
            const QImage copied = picture(slider, true);
            EXPECT_EQ(slider.stillLayersUsable(), step.layersUsable) << step.name;
            const QImage drawn = picture(slider, false);
            EXPECT_EQ(differingPixels(copied, drawn), 0) << step.name << " at position " << position;
        }
        slider.setPosition(kept, Notify::No);
    }
}

}  // namespace
