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
    : name_(DefaultFontName()), height_(-MulDiv(DefaultFontSize(), ScreenPixelsPerInch, 72)),
      onChange_(std::move(onChange))
{}

template <typename T>
void TChartFont::Store(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    if (onChange_)
        onChange_();
}

int TChartFont::Size() const
{
    return -MulDiv(height_, 72, pixelsPerInch_);
}

void TChartFont::SetName(const QString& value)
{
    Store(name_, value);
}
void TChartFont::SetHeight(int value)
{
    Store(height_, value);
}
void TChartFont::SetSize(int points)
{
    Store(height_, -MulDiv(points, pixelsPerInch_, 72));
}
void TChartFont::SetColor(TColor value)
{
    Store(color_, value);
}
void TChartFont::SetStyle(TFontStyles value)
{
    Store(style_, value);
}
void TChartFont::SetCharset(int value)
{
    Store(charset_, value);
}

void TChartFont::SetPixelsPerInch(int value)
{
    if (value <= 0 || value == pixelsPerInch_)
        return;
    const int points = Size();
    pixelsPerInch_ = value;
    Store(height_, -MulDiv(points, pixelsPerInch_, 72));
}

void TChartFont::Assign(const TChartFont& source)
{
    if (&source == this)
        return;
    const bool same = name_ == source.name_ && height_ == source.height_ && color_ == source.color_ &&
                      style_ == source.style_ && charset_ == source.charset_ && pixelsPerInch_ == source.pixelsPerInch_;
    if (same)
        return;
    name_ = source.name_;
    height_ = source.height_;
    color_ = source.color_;
    style_ = source.style_;
    charset_ = source.charset_;
    pixelsPerInch_ = source.pixelsPerInch_;
    if (onChange_)
        onChange_();
}

bool IsDefaultFont(const TChartFont& font)
{
    return font.Size() == DefaultFontSize() && font.Name() == DefaultFontName() && font.Color() == clBlack &&
           font.Style() == 0 && font.Charset() == DEFAULT_CHARSET;
}

}  // namespace rna::chart
