#include "chart/panel/TChartWall.h"

#include "chart/panel/TCustomAxisPanel.h"

namespace rna::chart {

TChartWall::TChartWall(TCustomAxisPanel& chart, TColor defaultColor)
    : chart_(chart), defaultColor_(defaultColor), color_(defaultColor), brush_(chart.ChangeHandler()),
      pen_(chart.ChangeHandler())
{}

void TChartWall::Changed()
{
    chart_.ScheduleRedraw();
}

}  // namespace rna::chart
