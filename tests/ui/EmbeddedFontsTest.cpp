#include "ui/EmbeddedFonts.h"
#include "ui/TFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

using rna::ui::TFont;

// Every face a description names is mapped to one the program carries, regular and bold, so a machine without
// the faces (Windows) measures the same texts as one with them.
TEST(EmbeddedFonts, CarryTheFacesTheDescriptionsAreMappedTo)
{
    const QStringList families = rna::ui::registerEmbeddedFonts();
    for (const char* described : {"MS Sans Serif", "Arial"}) {
        const QString face = TFont::mappedFace(QString::fromLatin1(described));
        ASSERT_TRUE(families.contains(face)) << described << " -> " << face.toStdString();
        const QStringList styles = QFontDatabase::styles(face);
        EXPECT_TRUE(styles.contains(QStringLiteral("Regular"))) << face.toStdString();
        EXPECT_TRUE(styles.contains(QStringLiteral("Bold"))) << face.toStdString();
        TFont bold{QString::fromLatin1(described)};
        bold.bold = true;
        EXPECT_EQ(QFontInfo(bold.toQFont()).family(), face);
        EXPECT_TRUE(QFontInfo(bold.toQFont()).bold());
    }
}
