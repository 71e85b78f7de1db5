#include "ui/TFont.h"

#include <cstdlib>

namespace rna::ui {

QString TFont::mappedFace(const QString& name)
{
    // The descriptions' window face has no free copy; Liberation Sans matches its widths within a pixel.
    if (name == QLatin1String("MS Sans Serif") || name == QLatin1String("Arial") ||
        name == QLatin1String("Microsoft Sans Serif"))
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
