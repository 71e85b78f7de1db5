#include "chart/canvas/ChartFontQt.h"

#include "ui/TColor.h"
#include "ui/TFont.h"
#include <cmath>

namespace rna::chart {

namespace {
// Character height of a font whose cell height (ascent + descent) is given: about 87 % of it.
constexpr double CharHeightPerCellHeight = 0.87;
}  // namespace

TColor ResolveColor(TColor color)
{
    if (color == clNone)
        return clWhite;
    if ((color & 0xFF000000u) == 0)
        return color;  // already red, green and blue
    return ui::fromQColor(ui::toQColor(color));
}

TColor DarkenColor(TColor color, int amount)
{
    const TColor rgb = ResolveColor(color);
    auto channel = [amount](int value) { return value - amount < 0 ? 0 : value - amount; };
    return RgbColor(channel(RedOf(rgb)), channel(GreenOf(rgb)), channel(BlueOf(rgb)));
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ResolveColor(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

QFont ToQFont(const TChartFont& font)
{
    QFont result(ui::TFont::mappedFace(font.Name()));
    const int height = font.Height();
    const int pixels = height < 0 ? -height : int(std::lround(height * CharHeightPerCellHeight));
    result.setPixelSize(pixels > 0 ? pixels : 1);
    result.setBold((font.Style() & fsBold) != 0);
    result.setItalic((font.Style() & fsItalic) != 0);
    result.setUnderline((font.Style() & fsUnderline) != 0);
    result.setStrikeOut((font.Style() & fsStrikeOut) != 0);
    result.setHintingPreference(QFont::PreferFullHinting);
    return result;
}

}  // namespace rna::chart
