// Fonts of chart objects (titles, axis labels, legend): face, size, colour, style, and the chart default.
#pragma once

#include <QString>

#include "chart/canvas/TChartPen.h"
#include "chart/core/ChartColor.h"

namespace rna::chart {

// Font style set as bit flags.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int ScreenPixelsPerInch = 96;

class TChartFont {
public:
    // The chart default: "Arial", 8 points, black, no style.
    explicit TChartFont(TNotifyChange onChange = {});
    TChartFont(const TChartFont&) = delete;
    TChartFont& operator=(const TChartFont&) = delete;

    const QString& Name() const { return name_; }
    // Height in pixels; negative values are character heights (-11 is 8 points at 96 dots per inch).
    int Height() const { return height_; }
    // Point size: -Height * 72 / PixelsPerInch, rounded.
    int Size() const;
    TColor Color() const { return color_; }
    TFontStyles Style() const { return style_; }
    int Charset() const { return charset_; }
    int PixelsPerInch() const { return pixelsPerInch_; }

    void SetName(const QString& value);
    void SetHeight(int value);
    void SetSize(int points);
    void SetColor(TColor value);
    void SetStyle(TFontStyles value);
    void SetCharset(int value);
    // Changes the resolution the point size refers to, keeping the point size.
    void SetPixelsPerInch(int value);

    void Assign(const TChartFont& source);
    void SetOnChange(TNotifyChange onChange) { onChange_ = std::move(onChange); }

private:
    template <typename T>
    void Store(T& field, const T& value);

    QString name_;
    int height_ = -11;
    TColor color_ = clBlack;
    TFontStyles style_ = 0;
    int charset_ = DEFAULT_CHARSET;
    int pixelsPerInch_ = ScreenPixelsPerInch;
    TNotifyChange onChange_;
};

// "Arial", or the toolkit's default face on a Japanese-language system.
QString DefaultFontName();
// 8, or the toolkit's default point size on a Japanese-language system.
int DefaultFontSize();
// True when size, name, colour (black), style (none) and character set equal the defaults.
bool IsDefaultFont(const TChartFont& font);

}  // namespace rna::chart
