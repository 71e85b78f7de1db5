// The depth axis of a chart (hidden unless the chart is drawn in 3D).
#pragma once

#include "chart/axis/TCustomChartAxis.h"

namespace rna::chart {

class TChartDepthAxis : public TCustomChartAxis {
public:
    explicit TChartDepthAxis(AxisHost* chart) : TCustomChartAxis(chart)
    {
        SetIsDepth(true);
        SetIsFarSide(true);
        SetVisible(false);
    }
};

}  // namespace rna::chart
