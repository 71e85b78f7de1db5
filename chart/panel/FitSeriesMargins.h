// Widens the ranges of automatic axis ends so that the pixels the series ask for stay free.
#pragma once

namespace rna::chart {

class TCustomAxisPanel;
class TCustomChartAxis;

void FitSeriesMargins(TCustomAxisPanel& chart);
// The largest margins the active series drawn against the axis ask for, at its start side (left, or top)
// and its end side (right, or bottom), kept only for automatic ends.
void SeriesMargins(const TCustomAxisPanel& chart, const TCustomChartAxis& axis, int& start, int& end);

}  // namespace rna::chart
