// How the canvas' pens, brushes and raster modes become Qt's: the enumeration maps and the pen and brush objects.
#pragma once

#include <QBrush>
#include <QPainter>
#include <QPen>

#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"

namespace rna::chart {

QPainter::CompositionMode CompositionOf(TPenMode mode);
Qt::PenStyle QtPenStyle(TPenStyle style);
Qt::BrushStyle QtBrushStyle(TBrushStyle style);

// The Qt pen of a visible chart pen drawn `width` pixels wide: wide pens end and join round, as the canvas'
// own wide lines do, and the alternate pen sets every other pixel.
QPen ToQPen(const TChartPen& pen, int width, bool alternate);
QBrush ToQBrush(const TChartBrush& brush);

}  // namespace rna::chart
