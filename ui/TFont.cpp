#include "ui/TFont.h"

#include <cstdlib>

namespace rna::ui {

QString TFont::mappedFace(const QString& name)
{
    // The descriptions' window face has no free copy. Its characters are narrow: the layouts give its texts
    // little room (a memo line of 161 pixels, "CONEXIUNILOR" in 81), so it is mapped to the narrow cut of
    // the face whose capitals it has. "Arial" (the charts' face) has a metric-compatible free copy.
    if (name == QLatin1String("MS Sans Serif") || name == QLatin1String("Microsoft Sans Serif"))
        return QStringLiteral("Liberation Sans Narrow");
    if (name == QLatin1String("Arial"))
        return QStringLiteral("Liberation Sans");
    return name;
}

QFont TFont::toQFont() const
{
    QFont font(mappedFace(name));
    font.setPixelSize(std::max(1, std::abs(height)));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

}  // namespace rna::ui
