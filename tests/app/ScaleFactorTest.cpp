// The three demonstration windows on screens Qt scales by 2 and by 1.5: their charts and diagrams are drawn
// at the screen's device pixels, not enlarged from pictures made at the window's own pixels.
#include "ProgramUnderTest.h"

#include "chart/panel/TChart.h"
#include "tests/common/Enlargement.h"
#include "ui/TComboBox.h"
#include "ui/TImage.h"
#include "ui/TTrackBar.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace rna::app::test {
namespace {

// QT_SCALE_FACTOR for one program started while it lives.
class ScaleFactor {
public:
    explicit ScaleFactor(const char* factor) : before_(qgetenv("QT_SCALE_FACTOR"))
    {
        qputenv("QT_SCALE_FACTOR", factor);
    }
    ~ScaleFactor()
    {
        if (before_.isNull())
            qunsetenv("QT_SCALE_FACTOR");
        else
            qputenv("QT_SCALE_FACTOR", before_);
    }
    ScaleFactor(const ScaleFactor&) = delete;
    ScaleFactor& operator=(const ScaleFactor&) = delete;

private:
    QByteArray before_;
};

// The device pixels of a control within its window's picture, less a pixel at each edge for rounding.
QRect DeviceRect(const QWidget& window, const QRect& logical, double ratio)
{
    const QRect device(qRound(logical.left() * ratio), qRound(logical.top() * ratio), qRound(logical.width() * ratio),
                       qRound(logical.height() * ratio));
    return device.adjusted(1, 1, -1, -1) & QRect(QPoint(0, 0), window.size() * ratio);
}

// Each chart shows a curve (the hyperbolic tangent, or what the sliders set) and each diagram its picture;
// neither repeats its rows or columns as an enlargement of the window's own pixels would, at 2 (made of 2 x 2
// blocks) or at 1.5 (every third row and column doubled).
TEST(ScaleFactor, ChartsAndDiagramsAreDrawnAtTheScreensPixels)
{
    for (const auto& [factor, ratio] : {std::pair{"2", 2.0}, std::pair{"1.5", 1.5}}) {
        const ScaleFactor scale(factor);
        Program program(ProgramPath);
        for (const char* name : {"Form1", "Form2", "Form3"}) {
            SCOPED_TRACE(testing::Message() << name << " at " << factor);
            rna::ui::TForm& window = *program.findForm(QString::fromLatin1(name));
            ASSERT_TRUE(showAndActivate(window));
            for (rna::ui::TComboBox* list : window.findChildren<rna::ui::TComboBox*>()) {
                list->setFocus();
                QTest::keyClick(list, Qt::Key_Down);  // the hyperbolic tangent
            }
            const QImage shown = window.grab().toImage();
            ASSERT_EQ(shown.devicePixelRatio(), ratio);
            for (const rna::chart::TChart* chart : window.findChildren<rna::chart::TChart*>()) {
                const QRect area = DeviceRect(window, chart->geometry(), ratio);
                EXPECT_FALSE(rna::test::RepeatsLikeAnEnlargement(shown, area, ratio))
                    << chart->objectName().toStdString();
                EXPECT_FALSE(rna::test::RepeatsLikeAnEnlargement(shown, area, ratio, true))
                    << chart->objectName().toStdString();
            }
            for (const rna::ui::TGraphicControl* control : window.graphicControls()) {
                if (qobject_cast<const rna::ui::TImage*>(control) == nullptr)
                    continue;
                const QRect area = DeviceRect(window, control->boundsRect(), ratio);
                EXPECT_FALSE(rna::test::RepeatsLikeAnEnlargement(shown, area, ratio));
                EXPECT_FALSE(rna::test::RepeatsLikeAnEnlargement(shown, area, ratio, true));
            }
            window.hide();
        }
    }
}

}  // namespace
}  // namespace rna::app::test
