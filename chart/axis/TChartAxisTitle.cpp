#include "chart/axis/TChartAxisTitle.h"

#include "chart/axis/AxisSettingChecks.h"

namespace rna::chart {

void TChartAxisTitle::SetAngle(int value)
{
    changes_.Store(angle_, value, [&] { CheckAngle(value, "Axis Title"); });
}

void TChartAxisTitle::Assign(const TChartAxisTitle& source)
{
    SetCaption(source.caption_);
    SetAngle(source.angle_);
    font_.Assign(source.font_);
}

}  // namespace rna::chart
