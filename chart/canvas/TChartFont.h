// Fonts of chart objects (titles, axis labels, legend): face, size, colour, style, and the chart default.
#pragma once

#include <QString>

#include "chart/core/ChangeNotifier.h"
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

    const QString& Name() const { return settings_.Name; }
    // Height in pixels; negative values are character heights (-11 is 8 points at 96 dots per inch).
    int Height() const { return settings_.Height; }
    // Point size: -Height * 72 / PixelsPerInch, rounded.
    int Size() const;
    TColor Color() const { return settings_.Color; }
    TFontStyles Style() const { return settings_.Style; }
    int Charset() const { return settings_.Charset; }
    int PixelsPerInch() const { return settings_.PixelsPerInch; }

    void SetName(const QString& value) { changes_.Store(settings_.Name, value); }
    void SetHeight(int value) { changes_.Store(settings_.Height, value); }
    void SetSize(int points);
    void SetColor(TColor value) { changes_.Store(settings_.Color, value); }
    void SetStyle(TFontStyles value) { changes_.Store(settings_.Style, value); }
    void SetCharset(int value) { changes_.Store(settings_.Charset, value); }
    // Changes the resolution the point size refers to, keeping the point size.
    void SetPixelsPerInch(int value);

    void Assign(const TChartFont& source) { changes_.Store(settings_, source.settings_); }
    void SetOnChange(TNotifyChange onChange) { changes_.SetOnChange(std::move(onChange)); }
    // Equal when every setting is equal (the owners' callbacks do not count).
    friend bool operator==(const TChartFont& a, const TChartFont& b) { return a.settings_ == b.settings_; }

private:
    struct Settings {
        QString Name;
        int Height = -11;
        TColor Color = clBlack;
        TFontStyles Style = 0;
        int Charset = DEFAULT_CHARSET;
        int PixelsPerInch = ScreenPixelsPerInch;
        friend bool operator==(const Settings&, const Settings&) = default;
    };

    Settings settings_;
    ChangeNotifier changes_;
};

// "Arial", or the toolkit's default face on a Japanese-language system.
QString DefaultFontName();
// 8, or the toolkit's default point size on a Japanese-language system.
int DefaultFontSize();
// True when size, name, colour (black), style (none) and character set equal the defaults.
bool IsDefaultFont(const TChartFont& font);

}  // namespace rna::chart
