// Colour values of window descriptions: 0x00BBGGRR, system colours 0x80000000 + n, clNone; names and resolution.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

namespace rna::ui {

// The colour values themselves, in a namespace of their own so that the chart engine can take them in whole.
inline namespace colors {

// 0x00BBGGRR is an RGB colour (red in the low byte); 0x80000000 + n is the platform's system colour n; clNone
// means "no colour".
using TColor = std::uint32_t;

inline constexpr TColor clSystemColor = 0x80000000u;
inline constexpr TColor clNone = 0x1FFFFFFFu;

inline constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                        clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                        clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                        clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;

// System colours, in the platform's numbering.
inline constexpr TColor clScrollBar = clSystemColor + 0, clBackground = clSystemColor + 1,
                        clActiveCaption = clSystemColor + 2, clInactiveCaption = clSystemColor + 3,
                        clMenu = clSystemColor + 4, clWindow = clSystemColor + 5, clWindowFrame = clSystemColor + 6,
                        clMenuText = clSystemColor + 7, clWindowText = clSystemColor + 8,
                        clCaptionText = clSystemColor + 9, clActiveBorder = clSystemColor + 10,
                        clInactiveBorder = clSystemColor + 11, clAppWorkSpace = clSystemColor + 12,
                        clHighlight = clSystemColor + 13, clHighlightText = clSystemColor + 14,
                        clBtnFace = clSystemColor + 15, clBtnShadow = clSystemColor + 16,
                        clGrayText = clSystemColor + 17, clBtnText = clSystemColor + 18,
                        clInactiveCaptionText = clSystemColor + 19, clBtnHighlight = clSystemColor + 20,
                        cl3DDkShadow = clSystemColor + 21, cl3DLight = clSystemColor + 22,
                        clInfoText = clSystemColor + 23, clInfoBk = clSystemColor + 24;
inline constexpr int systemColorCount = 25;

// True for 0x80000000 + n with n a known system colour number.
inline constexpr bool isSystemColor(TColor color)
{
    return color >= clSystemColor && color - clSystemColor < TColor(systemColorCount);
}

}  // namespace colors

// "clRed", "clBtnFace", ... or "0x00BBGGRR"; nothing for an unknown text.
std::optional<TColor> colorFromText(const QString& text);
// The name of a named colour, else "0x00BBGGRR".
QString colorToText(TColor color);
// The RGB colour to draw with: system colours through the application palette (or our table where
// the palette has no role for them); clNone gives an invalid QColor.
QColor toQColor(TColor color);
// The 0x00BBGGRR value of an RGB colour.
TColor fromQColor(const QColor& color);

}  // namespace rna::ui
