// Embedded pictures: each embedded format decodes, and no image-format plug-in library is loaded to do it.
#include "ui/EmbeddedImage.h"

#include <QFile>
#include <gtest/gtest.h>

using rna::ui::ReadEmbeddedImage;

namespace {

bool imageFormatPluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("/imageformats/");
}

TEST(EmbeddedImage, DecodesEachEmbeddedFormatWithoutImagePlugins)
{
    struct Case {
        const char* path;
        QSize size;
    };
    const Case cases[] = {
        {":/assets/icon/MAINICON.png", {32, 32}},
        {":/assets/ui/bkOK.bmp", {36, 18}},
        {":/assets/pictures/form1-diagram.bmp", {561, 130}},
        {":/assets/pictures/form2-diagram.bmp", {565, 244}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadEmbeddedImage(QString::fromLatin1(c.path)).size(), c.size) << c.path;
    EXPECT_TRUE(ReadEmbeddedImage(QStringLiteral(":/assets/pictures/none.bmp")).isNull());
    EXPECT_FALSE(imageFormatPluginLoaded());
}

}  // namespace
