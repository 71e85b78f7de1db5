#include "chart/series/TSeriesMarks.h"

#include "chart/series/TChartSeries.h"

namespace rna::chart {

TSeriesMarks::TSeriesMarks(TChartSeries& series)
    : series_(&series), arrow_(std::make_unique<TChartArrowPen>([this] { Changed(); })),
      frame_(std::make_unique<TChartPen>([this] { Changed(); })),
      font_(std::make_unique<TChartFont>([this] { Changed(); }))
{}

void TSeriesMarks::Changed() const
{
    series_->RequestRepaint();
}

void TSeriesMarks::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    Changed();
}

void TSeriesMarks::SetArrowLength(int value)
{
    if (value == arrowLength_)
        return;
    arrowLength_ = value;
    Changed();
}

void TSeriesMarks::SetStyle(TSeriesMarksStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    Changed();
}

void TSeriesMarks::SetBackColor(TColor value)
{
    if (value == backColor_)
        return;
    backColor_ = value;
    Changed();
}

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
