// The focus ring: round the control that has the focus while its window is active, from the moment the window
// opens; two pixels wide and clearly darker than what it lies on, beneath the labels beside the control; gone when
// the window is left.
#include "ui/FocusRing.h"
#include "RecordingForm.h"
#include "ui/TLabel.h"

#include <QImage>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::RecordingForm;
using rna::ui::test::showActive;
using rna::ui::test::waitFor;

namespace {

// The relative luminance contrast of two colours (1 to 21).
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct RingFixture {
    RecordingForm form;
    QWidget* slider = nullptr;
    QWidget* list = nullptr;

    RingFixture()
    {
        form.load(describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"TrackBar1\", \"bounds\": [40, 40, 120, 20], "
                                 "\"properties\": {\"TabOrder\": 0}},"
                                 "{\"kind\": \"TLabel\", \"name\": \"Label1\", \"bounds\": [160, 45, 30, 13], "
                                 "\"properties\": {\"Caption\": \"p1 = \"}},"
                                 "{\"kind\": \"TComboBox\", \"name\": \"ComboBox1\", \"bounds\": [40, 120, 121, 21], "
                                 "\"properties\": {\"Items\": [\"Identitate\"], \"TabOrder\": 1}}"));
        slider = &form.control<QWidget>("TrackBar1");
        list = &form.control<QWidget>("ComboBox1");
    }

    // Whether the two pixels all round the control are the ring's, on the window as it is painted now, except
    // where a label lies over them.
    bool ringed(const QWidget& control)
    {
        const QImage picture = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect label = form.control<TLabel>("Label1").boundsRect();
        const QRect inner = control.geometry();
        const QRect outer =
            inner.adjusted(-FocusRing::kWidth, -FocusRing::kWidth, FocusRing::kWidth, FocusRing::kWidth);
        for (int y = outer.top(); y <= outer.bottom(); ++y)
            for (int x = outer.left(); x <= outer.right(); ++x)
                if (!inner.contains(x, y) && (picture.pixel(x, y) == FocusRing::kColor) == label.contains(x, y))
                    return false;
        return true;
    }
    // No pixel of the ring's colour just outside the control.
    bool unmarked(const QWidget& control)
    {
        const QImage picture = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect outer =
            control.geometry().adjusted(-FocusRing::kWidth, -FocusRing::kWidth, FocusRing::kWidth, FocusRing::kWidth);
        for (int x = outer.left(); x <= outer.right(); ++x)
            if (picture.pixel(x, outer.top()) == FocusRing::kColor ||
                picture.pixel(x, outer.bottom()) == FocusRing::kColor)
                return false;
        return true;
    }
};

TEST(FocusRing, RingsTheFocusedControlFromTheWindowsOpeningAndFollowsTab)
{
    RingFixture f;
    ASSERT_TRUE(showActive(f.form));
    // The first control gets the focus as the window opens, and the ring with it: no Tab needed.
    ASSERT_TRUE(waitFor([&] { return f.form.markedControl() == f.slider; }));
    EXPECT_TRUE(f.ringed(*f.slider)) << "the label beside the slider is left as it is";
    EXPECT_TRUE(f.unmarked(*f.list));
    // Clearly visible on the window's colour just outside it.
    const QRgb window = f.form.grab().toImage().pixel(f.slider->geometry().topLeft() - QPoint(4, 4));
    EXPECT_GE(contrast(FocusRing::kColor, window), 3.0);

    QTest::keyClick(f.slider, Qt::Key_Tab);
    ASSERT_TRUE(waitFor([&] { return f.form.markedControl() == f.list; }));
    EXPECT_TRUE(f.ringed(*f.list));
    EXPECT_TRUE(f.unmarked(*f.slider));
}

TEST(FocusRing, LeavesWithTheActivationAndComesBackWithIt)
{
    RingFixture f;
    ASSERT_TRUE(showActive(f.form));
    ASSERT_TRUE(waitFor([&] { return f.form.markedControl() == f.slider; }));
    RecordingForm other;
    other.load(describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"TrackBar1\", \"bounds\": [10, 10, 100, 20]}"));
    ASSERT_TRUE(showActive(other));
    ASSERT_TRUE(waitFor([&] { return f.form.markedControl() == nullptr; }));
    EXPECT_TRUE(f.unmarked(*f.slider));
    EXPECT_EQ(other.markedControl(), &other.control<QWidget>("TrackBar1"));
    other.hide();
    ASSERT_TRUE(showActive(f.form));
    ASSERT_TRUE(waitFor([&] { return f.form.markedControl() == f.slider; }));
    EXPECT_TRUE(f.ringed(*f.slider));
}

}  // namespace
