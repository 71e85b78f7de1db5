#include "chart/axis/TChartAxisTitle.h"

#include "chart/axis/AxisSettingChecks.h"
#include "chart/axis/TCustomChartAxis.h"

namespace rna::chart {

TChartAxisTitle::TChartAxisTitle(TCustomChartAxis& axis) : axis_(axis), font_([&axis] { axis.NotifyChange(); })
{}

void TChartAxisTitle::SetCaption(const QString& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    axis_.ScheduleRedraw();
}

void TChartAxisTitle::SetAngle(int value)
{
    if (value == angle_)
        return;
    CheckAngle(value, "Axis Title");
    angle_ = value;
    axis_.ScheduleRedraw();
}

void TChartAxisTitle::Assign(const TChartAxisTitle& source)
{
    SetCaption(source.caption_);
    SetAngle(source.angle_);
    font_.Assign(source.font_);
}

}  // namespace rna::chart
