// The chart's axis layout step: resolve ranges, take the axes' bands, fix the pixel ends.
#pragma once

namespace rna::chart {

class TCustomAxisPanel;

void FitAxes(TCustomAxisPanel& chart);

}  // namespace rna::chart
