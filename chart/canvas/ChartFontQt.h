// Turns chart fonts and colours into Qt's font and colour objects (used by the canvas only).
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

}  // namespace rna::chart
