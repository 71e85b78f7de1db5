// Colour values of the chart engine: 32-bit colours, named and system colours, the default palette.
#pragma once

#include "ui/TColor.h"

#include <array>

namespace rna::chart {

// TColor, the named and the system colours are the windowing layer's. Inside the chart engine 0x80000000 also
// serves as clUseSeriesColor.
using namespace ui::colors;

// The owner's colour is to be taken (series points, pointer brushes, titles, walls).
inline constexpr TColor clUseSeriesColor = 0x80000000;

// Automatic series colours and per-point colours, indexed by n mod 16.
inline constexpr std::array<TColor, 16> DefaultPalette = {clRed,     clGreen,  clYellow, clBlue,   clWhite, clGray,
                                                          clFuchsia, clTeal,   clNavy,   clMaroon, clLime,  clOlive,
                                                          clPurple,  clSilver, clAqua,   clBlack};

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
