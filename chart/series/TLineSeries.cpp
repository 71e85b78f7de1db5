#include "chart/series/TLineSeries.h"

namespace rna::chart {

TLineSeries::TLineSeries(QObject* parent) : TCustomSeries(parent)
{
    SetDrawLine(true);
    Pointer().SetVisible(false);
}

void TLineSeries::Assign(const TChartSeries& source)
{
    TCustomSeries::Assign(source);
    if (qobject_cast<const TLineSeries*>(&source) == nullptr)
        Pointer().SetVisible(false);
    SetDrawArea(false);
    SetDrawLine(true);
}

}  // namespace rna::chart
