#include "chart/canvas/TChartFont.h"

#include <QLocale>

#include "chart/core/ChartGeometry.h"

namespace rna::chart {

namespace {

// The toolkit's own default window font, used instead of "Arial" where that face is unsuitable.
constexpr const char* ToolkitDefaultFontName = "MS Sans Serif";
constexpr int ToolkitDefaultFontHeight = -11;

bool JapaneseLocale()
{
    return QLocale().language() == QLocale::Japanese;
}

}  // namespace

QString DefaultFontName()
{
    return JapaneseLocale() ? QString::fromLatin1(ToolkitDefaultFontName) : QStringLiteral("Arial");
}

int DefaultFontSize()
{
    if (!JapaneseLocale())
        return 8;
    return -MulDiv(ToolkitDefaultFontHeight, 72, ScreenPixelsPerInch);
}

TChartFont::TChartFont(TNotifyChange onChange)
    : settings_{.Name = DefaultFontName(), .Height = -MulDiv(DefaultFontSize(), ScreenPixelsPerInch, 72)},
      changes_(std::move(onChange))
{}

int TChartFont::Size() const
{
    return -MulDiv(settings_.Height, 72, settings_.PixelsPerInch);
}

void TChartFont::SetSize(int points)
{
    changes_.Store(settings_.Height, -MulDiv(points, settings_.PixelsPerInch, 72));
}

void TChartFont::SetPixelsPerInch(int value)
{
    if (value <= 0 || value == settings_.PixelsPerInch)
        return;
    const int points = Size();
    settings_.PixelsPerInch = value;
    SetSize(points);
}

bool IsDefaultFont(const TChartFont& font)
{
    return font.Size() == DefaultFontSize() && font.Name() == DefaultFontName() && font.Color() == clBlack &&
           font.Style() == 0 && font.Charset() == DEFAULT_CHARSET;
}

}  // namespace rna::chart
