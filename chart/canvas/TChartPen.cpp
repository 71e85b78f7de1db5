#include "chart/canvas/TChartPen.h"

namespace rna::chart {

template <typename T>
void TChartPen::Store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TChartPen::Changed() const
{
    if (onChange_)
        onChange_();
}

void TChartPen::SetColor(TColor value)
{
    Store(color_, value);
}
void TChartPen::SetMode(TPenMode value)
{
    Store(mode_, value);
}
void TChartPen::SetStyle(TPenStyle value)
{
    Store(style_, value);
}
void TChartPen::SetWidth(int value)
{
    Store(width_, value);
}
void TChartPen::SetVisible(bool value)
{
    Store(visible_, value);
}
void TChartPen::SetSmallDots(bool value)
{
    Store(smallDots_, value);
}

void TChartPen::Assign(const TChartPen& source)
{
    if (&source == this)
        return;
    const bool same = color_ == source.color_ && mode_ == source.mode_ && style_ == source.style_ &&
                      width_ == source.width_ && visible_ == source.visible_ && smallDots_ == source.smallDots_;
    if (same)
        return;
    color_ = source.color_;
    mode_ = source.mode_;
    style_ = source.style_;
    width_ = source.width_;
    visible_ = source.visible_;
    smallDots_ = source.smallDots_;
    Changed();
}

}  // namespace rna::chart
