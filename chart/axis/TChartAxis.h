// The top, bottom, left and right axes of a chart.
#pragma once

#include "chart/axis/TCustomChartAxis.h"

namespace rna::chart {

class TChartAxis : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;
};

}  // namespace rna::chart
