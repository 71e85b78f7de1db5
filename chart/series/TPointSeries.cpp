#include "chart/series/TPointSeries.h"

namespace rna::chart {

TPointSeries::TPointSeries(QObject* parent) : TCustomSeries(parent)
{
    SetDrawLine(false);
}

void TPointSeries::Assign(const TChartSeries& source)
{
    TCustomSeries::Assign(source);
    SetDrawArea(false);
    SetDrawLine(false);
}

}  // namespace rna::chart
