#include "chart/canvas/TChartBrush.h"

namespace rna::chart {

void TChartBrush::SetColor(TColor value)
{
    if (color_ == value)
        return;
    color_ = value;
    Changed();
}

void TChartBrush::SetStyle(TBrushStyle value)
{
    if (style_ == value)
        return;
    style_ = value;
    Changed();
}

void TChartBrush::Assign(const TChartBrush& source)
{
    if (color_ == source.color_ && style_ == source.style_)
        return;
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}

}  // namespace rna::chart
