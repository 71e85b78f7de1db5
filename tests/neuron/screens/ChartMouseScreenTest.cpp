// Mouse zoom on a demonstration chart: what the screen's refills do to it, and drags cut short by the window.
#include "ScreenDriver.h"

#include <QWheelEvent>
#include <cstdlib>

namespace rna::neuron::test {
namespace {

class ChartMouseScreen : public ::testing::Test {
protected:
    rna::chart::TChart& chart() const { return screen.get<rna::chart::TChart>("Chart1"); }
    AxisRange bottomAxis() const { return {chart().BottomAxis()->Minimum(), chart().BottomAxis()->Maximum()}; }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(&chart(), Qt::LeftButton, {}, from);
        for (QPoint p = from; p != to;) {
            p += QPoint(p.x() < to.x() ? 1 : p.x() > to.x() ? -1 : 0, p.y() < to.y() ? 1 : p.y() > to.y() ? -1 : 0);
            QTest::mouseMove(&chart(), p);
        }
        QTest::mouseRelease(&chart(), Qt::LeftButton, {}, to);
    }

    ScreenDriver screen{"Form1"};
    const QPoint upperLeft{150, 50};
    const QPoint lowerRight{260, 120};
};

// Every refill sets the left axis again; the bottom axis keeps the zoom until the undo, which brings back the
// left range of the function shown at the first zoom.
TEST_F(ChartMouseScreen, RefillsResetTheLeftAxisTheBottomAxisStaysZoomedUntilTheUndo)
{
    screen.key("TrackBar2", Qt::Key_Right);
    ASSERT_EQ(screen.leftAxis("Chart1"), (AxisRange{-10.05, 10.05}));
    screen.render("Chart1");
    drag(upperLeft, lowerRight);
    const AxisRange zoomedBottom = bottomAxis();
    EXPECT_LT(zoomedBottom.maximum - zoomedBottom.minimum, 20.1);
    EXPECT_LT(screen.leftAxis("Chart1").maximum, 10.05);

    screen.key("TrackBar1", Qt::Key_Right);
    EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-10.05, 10.05}));
    EXPECT_EQ(bottomAxis(), zoomedBottom);
    screen.pick("ComboBox1", 1);
    EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-1.05, 1.05}));
    EXPECT_EQ(bottomAxis(), zoomedBottom);

    screen.render("Chart1");
    drag(lowerRight, upperLeft);
    EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-10.05, 10.05}));
    EXPECT_EQ(bottomAxis(), (AxisRange{-10.05, 10.05}));
}

// The wheel scrolls the left axis as far as the user likes, above or below the function's range; the next refill
// sets the function's range again whichever way it went, without an error.
TEST_F(ChartMouseScreen, ARefillAfterTheWheelScrolledTheLeftAxisAwaySetsItsRangeAgain)
{
    screen.key("TrackBar2", Qt::Key_Right);
    screen.pick("ComboBox1", 1);
    ASSERT_EQ(screen.leftAxis("Chart1"), (AxisRange{-1.05, 1.05}));
    for (const int notches : {-60, 60}) {
        SCOPED_TRACE(notches);
        screen.render("Chart1");
        const QPointF centre = chart().rect().center();
        for (int i = 0; i < std::abs(notches); ++i) {
            QWheelEvent wheel(centre, chart().mapToGlobal(centre), {}, {0, notches < 0 ? -120 : 120}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&chart(), &wheel);
        }
        const AxisRange scrolled = screen.leftAxis("Chart1");
        ASSERT_TRUE(notches < 0 ? scrolled.minimum > 1.05 : scrolled.maximum < -1.05) << scrolled;
        screen.key("TrackBar1", Qt::Key_Right);
        EXPECT_EQ(screen.leftAxis("Chart1"), (AxisRange{-1.05, 1.05}));
        EXPECT_TRUE(screen.errors.empty()) << screen.errors.front();
    }
}

// Enter clicks the window's "Inchide" button, or the chart is hidden, while the left button is held: the drag
// ends at once, the window comes back without the rubber band, and the late release zooms nothing.
TEST_F(ChartMouseScreen, ADragCutShortByHidingZoomsNothing)
{
    screen.key("TrackBar2", Qt::Key_Right);
    const QImage before = screen.render("Chart1");
    const AxisRange left = screen.leftAxis("Chart1");
    const std::function<void()> cuts[] = {
        [&] {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            ASSERT_FALSE(screen.window->isVisible());
            screen.show();
        },
        [&] {
            chart().hide();
            QTest::mouseMove(&chart(), lowerRight);
            chart().show();
        },
    };
    for (const auto& cut : cuts) {
        QTest::mousePress(&chart(), Qt::LeftButton, {}, upperLeft);
        QTest::mouseMove(&chart(), lowerRight - QPoint(10, 10));
        EXPECT_NE(screen.render("Chart1"), before) << "the rubber band shows";
        cut();
        EXPECT_EQ(screen.render("Chart1"), before);
        QTest::mouseMove(&chart(), lowerRight);
        QTest::mouseRelease(&chart(), Qt::LeftButton, {}, lowerRight);
        EXPECT_EQ(screen.leftAxis("Chart1"), left);
        EXPECT_EQ(bottomAxis(), (AxisRange{-10.05, 10.05}));
    }
}

}  // namespace
}  // namespace rna::neuron::test
