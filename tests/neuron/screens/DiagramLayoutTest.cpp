// Where the labels sit over the block diagrams: no label covers a pixel the picture paints.
#include "ScreenDriver.h"

#include "ui/TImage.h"

#include <QPainter>

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

TEST(DiagramLayout, NoLabelCoversAColouredPixelOfTheDiagram)
{
    const std::pair<const char*, const char*> pictures[] = {
        {"Form1", "Image1"}, {"Form2", "Image2"}, {"Form3", "Image2"}};
    for (const auto& [windowName, pictureName] : pictures) {
        SCOPED_TRACE(windowName);
        ScreenDriver screen(windowName);
        const auto& picture = screen.get<rna::ui::TImage>(pictureName);
        ASSERT_FALSE(picture.picture().isNull());
        const QImage layer = PaintedPicture(*screen.window, picture);
        int labels = 0;
        for (const rna::ui::TGraphicControl* control : screen.window->graphicControls()) {
            const auto* label = qobject_cast<const rna::ui::TLabel*>(control);
            if (!label)
                continue;
            ++labels;
            const QRect box = label->boundsRect() & layer.rect();
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    ASSERT_EQ(qAlpha(layer.pixel(x, y)), 0)
                        << label->objectName().toStdString() << " covers the diagram at " << x << "," << y;
        }
        EXPECT_GT(labels, 20);
    }
}

}  // namespace
}  // namespace rna::neuron::test
