#include "chart/panel/TChartTitle.h"

#include "chart/panel/TCustomAxisPanel.h"

namespace rna::chart {

TChartTitle::TChartTitle(TCustomAxisPanel& chart)
    : TChartFontObject(chart), brush_(chart.ChangeHandler()), frame_(chart.ChangeHandler())
{
    Font().SetColor(clBlue);
}

void TChartTitle::SetText(const QStringList& value)
{
    if (text_ == value)
        return;
    text_ = value;
    ParentChart().ChangeNotify();
}

}  // namespace rna::chart
