// Turns chart fonts and colours into Qt's font and colour objects, resolving system colours (canvas only).
#pragma once

#include <QColor>
#include <QFont>

#include "chart/canvas/TChartFont.h"
#include "chart/core/ChartColor.h"

namespace rna::chart {

// The Qt font for a chart font, with full hinting so that metrics are stable across platforms.
QFont ToQFont(const TChartFont& font);
// The RGB colour of a chart colour, system colours resolved.
QColor ToQColor(TColor color);
// Resolves a system colour to its current RGB value; any other colour is returned as its RGB part
// (clNone as white).
TColor ResolveColor(TColor color);
// Each RGB channel of the resolved colour reduced by the amount, never below 0 (3D shading).
TColor DarkenColor(TColor color, int amount);

}  // namespace rna::chart
