// The chart background gradient: visibility, direction and the two end colours.
#pragma once

#include "chart/canvas/TChartCanvas.h"
#include "chart/canvas/TChartPen.h"
#include "chart/core/ChartColor.h"

namespace rna::chart {

class TChartGradient {
public:
    explicit TChartGradient(TNotifyChange onChange = {}) : onChange_(std::move(onChange)) {}
    TChartGradient(const TChartGradient&) = delete;
    TChartGradient& operator=(const TChartGradient&) = delete;

    bool Visible() const { return visible_; }
    TGradientDirection Direction() const { return direction_; }
    TColor StartColor() const { return startColor_; }
    TColor EndColor() const { return endColor_; }
    void SetVisible(bool value) { Store(visible_, value); }
    void SetDirection(TGradientDirection value) { Store(direction_, value); }
    void SetStartColor(TColor value) { Store(startColor_, value); }
    void SetEndColor(TColor value) { Store(endColor_, value); }

private:
    template <typename T>
    void Store(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        if (onChange_)
            onChange_();
    }

    bool visible_ = false;
    TGradientDirection direction_ = TGradientDirection::gdTopBottom;
    TColor startColor_ = clWhite;
    TColor endColor_ = clYellow;
    TNotifyChange onChange_;
};

}  // namespace rna::chart
