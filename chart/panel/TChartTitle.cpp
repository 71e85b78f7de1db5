#include "chart/panel/TChartTitle.h"

namespace rna::chart {

TChartTitle::TChartTitle(const TNotifyChange& onChange) : TChartFontObject(onChange), brush_(onChange), frame_(onChange)
{
    Font().SetColor(clBlue);
}

}  // namespace rna::chart
