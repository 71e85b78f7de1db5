// Widens the ranges of automatic axis ends so that the pixels the series ask for stay free.
#pragma once

namespace rna::chart {

class TCustomAxisPanel;

void FitSeriesMargins(TCustomAxisPanel& chart);

}  // namespace rna::chart
