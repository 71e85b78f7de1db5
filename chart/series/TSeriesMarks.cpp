#include "chart/series/TSeriesMarks.h"

namespace rna::chart {

TSeriesMarks::TSeriesMarks(const TNotifyChange& onChange)
    : changes_(onChange), arrow_(std::make_unique<TChartArrowPen>(onChange)),
      frame_(std::make_unique<TChartPen>(onChange)), font_(std::make_unique<TChartFont>(onChange))
{}

void TSeriesMarks::Assign(const TSeriesMarks& source)
{
    SetVisible(source.visible_);
    SetArrowLength(source.arrowLength_);
    SetStyle(source.style_);
    SetBackColor(source.backColor_);
    arrow_->Assign(*source.arrow_);
    frame_->Assign(*source.frame_);
    font_->Assign(*source.font_);
}

}  // namespace rna::chart
