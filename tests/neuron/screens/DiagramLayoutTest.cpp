// Where the labels sit over the block diagrams: no label covers a pixel the picture paints.
#include "ScreenDriver.h"

#include "neuron/screens/TForm1.h"
#include "neuron/screens/TForm2.h"
#include "neuron/screens/TForm3.h"
#include "ui/FormLoader.h"
#include "ui/TImage.h"

#include <QPainter>
#include <memory>
#include <set>

namespace rna::neuron::test {
namespace {

// What the picture control paints on its window, with everything else left fully transparent.
QImage PaintedPicture(const rna::ui::TForm& window, const rna::ui::TImage& picture)
{
    QImage layer(window.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.translate(picture.boundsRect().topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), picture.boundsRect().size()));
    picture.paint(painter);
    return layer;
}

std::unique_ptr<rna::ui::TForm> NewWindow(const std::string& name)
{
    if (name == "Form1")
        return std::make_unique<TForm1>();
    if (name == "Form2")
        return std::make_unique<TForm2>();
    return std::make_unique<TForm3>();
}

// The labels of the window whose rectangles, less `margin` pixels on each side, cover a pixel the picture paints
// at least half opaque.
std::set<std::string> LabelsOnTheDiagram(const rna::ui::TForm& window, const rna::ui::TImage& picture, int margin = 0)
{
    const QImage layer = PaintedPicture(window, picture);
    std::set<std::string> covering;
    int labels = 0;
    for (const rna::ui::TGraphicControl* control : window.graphicControls()) {
        const auto* label = qobject_cast<const rna::ui::TLabel*>(control);
        if (!label)
            continue;
        ++labels;
        const QRect box = label->boundsRect().adjusted(margin, margin, -margin, -margin) & layer.rect();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (qAlpha(layer.pixel(x, y)) >= 128)
                    covering.insert(label->objectName().toStdString() + " at " + std::to_string(x) + "," +
                                    std::to_string(y));
    }
    EXPECT_GT(labels, 20);
    return covering;
}

const std::pair<const char*, const char*> Pictures[] = {{"Form1", "Image1"}, {"Form2", "Image2"}, {"Form3", "Image2"}};

TEST(DiagramLayout, NoLabelCoversAColouredPixelOfTheDiagram)
{
    for (const auto& [windowName, pictureName] : Pictures) {
        SCOPED_TRACE(windowName);
        ScreenDriver screen(windowName);
        const auto& picture = screen.get<rna::ui::TImage>(pictureName);
        ASSERT_FALSE(picture.picture().isNull());
        EXPECT_EQ(LabelsOnTheDiagram(*screen.window, picture), std::set<std::string>());
    }
}

// Loaded for screens of 120, 144 and 192 pixels per inch, each window has its places, its pictures and its
// charts scaled by one ratio: the labels keep off the diagram as at 96 (where a label's edge touches the diagram,
// places and picture are rounded apart by up to a pixel), and each chart keeps the size of its description,
// drawn at that many device pixels to each of its own.
TEST(DiagramLayout, AtOtherDensitiesPicturesAndChartsScaleWithThePlaces)
{
    ScreenDriver started("Form1");  // the program's kinds and resources, for the windows loaded below
    for (const double dpi : {120.0, 144.0, 192.0}) {
        for (const auto& [windowName, pictureName] : Pictures) {
            SCOPED_TRACE(testing::Message() << windowName << " at " << dpi);
            const std::unique_ptr<rna::ui::TForm> window = NewWindow(windowName);
            const QString path = QStringLiteral(":/assets/forms/%1.json").arg(QLatin1String(windowName));
            rna::ui::FormLoader::loadFile(*window, path, rna::ui::LoadOptions{dpi});
            const auto& picture = window->control<rna::ui::TImage>(QString::fromLatin1(pictureName));
            EXPECT_EQ(LabelsOnTheDiagram(*window, picture, 1), std::set<std::string>());

            const std::unique_ptr<rna::ui::TForm> described = NewWindow(windowName);
            rna::ui::FormLoader::loadFile(*described, path, rna::ui::LoadOptions{96.0});
            for (auto* chart : window->findChildren<rna::chart::TChart*>()) {
                const auto* atDesign = described->findChild<rna::chart::TChart*>(chart->objectName());
                ASSERT_NE(atDesign, nullptr);
                EXPECT_EQ(chart->ChartWidth(), atDesign->width());
                EXPECT_EQ(chart->ChartHeight(), atDesign->height());
                EXPECT_NEAR(chart->ContentScale(), double(chart->width()) / atDesign->width(), 0.01);
                EXPECT_GT(chart->ContentScale(), 1.2);
            }
        }
    }
}

}  // namespace
}  // namespace rna::neuron::test
