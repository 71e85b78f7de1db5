#include "chart/panel/TChartFontObject.h"

#include "chart/panel/TCustomAxisPanel.h"

namespace rna::chart {

TChartFontObject::TChartFontObject(TCustomAxisPanel& chart) : chart_(chart), font_(chart.ChangeHandler())
{}

void TChartFontObject::Repaint()
{
    chart_.ScheduleRedraw();
}

}  // namespace rna::chart
