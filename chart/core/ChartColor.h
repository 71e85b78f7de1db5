// Colour values of the chart engine: 32-bit colours, named and system colours, the default palette.
#pragma once

#include <array>
#include <cstdint>

namespace rna::chart {

// 0x00BBGGRR is an RGB colour (red in the low byte); 0x80000000 + n is system colour n;
// clNone means "no colour"; inside the chart engine 0x80000000 is also clUseSeriesColor.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;

// The owner's colour is to be taken (series points, pointer brushes, titles, walls).
inline constexpr TColor clUseSeriesColor = 0x80000000;

inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clScrollBar = clSystemColor + 0;
inline constexpr TColor clBackground = clSystemColor + 1;
inline constexpr TColor clActiveCaption = clSystemColor + 2;
inline constexpr TColor clInactiveCaption = clSystemColor + 3;
inline constexpr TColor clMenu = clSystemColor + 4;
inline constexpr TColor clWindow = clSystemColor + 5;
inline constexpr TColor clWindowFrame = clSystemColor + 6;
inline constexpr TColor clMenuText = clSystemColor + 7;
inline constexpr TColor clWindowText = clSystemColor + 8;
inline constexpr TColor clCaptionText = clSystemColor + 9;
inline constexpr TColor clActiveBorder = clSystemColor + 10;
inline constexpr TColor clInactiveBorder = clSystemColor + 11;
inline constexpr TColor clAppWorkSpace = clSystemColor + 12;
inline constexpr TColor clHighlight = clSystemColor + 13;
inline constexpr TColor clHighlightText = clSystemColor + 14;
inline constexpr TColor clBtnFace = clSystemColor + 15;
inline constexpr TColor clBtnShadow = clSystemColor + 16;
inline constexpr TColor clGrayText = clSystemColor + 17;
inline constexpr TColor clBtnText = clSystemColor + 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor + 19;
inline constexpr TColor clBtnHighlight = clSystemColor + 20;
inline constexpr TColor cl3DDkShadow = clSystemColor + 21;
inline constexpr TColor cl3DLight = clSystemColor + 22;
inline constexpr TColor clInfoText = clSystemColor + 23;
inline constexpr TColor clInfoBk = clSystemColor + 24;
inline constexpr int SystemColorCount = 25;

// Automatic series colours and per-point colours, indexed by n mod 16.
inline constexpr std::array<TColor, 16> DefaultPalette = {clRed,     clGreen,  clYellow, clBlue,   clWhite, clGray,
                                                          clFuchsia, clTeal,   clNavy,   clMaroon, clLime,  clOlive,
                                                          clPurple,  clSilver, clAqua,   clBlack};

inline constexpr bool IsSystemColor(TColor c)
{
    return (c & 0xFF000000u) == clSystemColor && (c & 0x00FFFFFFu) < SystemColorCount;
}

inline constexpr TColor RgbColor(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
inline constexpr int RedOf(TColor c)
{
    return int(c & 0xFF);
}
inline constexpr int GreenOf(TColor c)
{
    return int((c >> 8) & 0xFF);
}
inline constexpr int BlueOf(TColor c)
{
    return int((c >> 16) & 0xFF);
}

}  // namespace rna::chart
