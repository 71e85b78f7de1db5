// The chart background gradient: visibility, direction and the two end colours.
#pragma once

#include "chart/canvas/TChartCanvas.h"
#include "chart/core/ChangeNotifier.h"
#include "chart/core/ChartColor.h"

namespace rna::chart {

class TChartGradient {
public:
    explicit TChartGradient(TNotifyChange onChange = {}) : changes_(std::move(onChange)) {}
    TChartGradient(const TChartGradient&) = delete;
    TChartGradient& operator=(const TChartGradient&) = delete;

    bool Visible() const { return visible_; }
    TGradientDirection Direction() const { return direction_; }
    TColor StartColor() const { return startColor_; }
    TColor EndColor() const { return endColor_; }
    void SetVisible(bool value) { changes_.Store(visible_, value); }
    void SetDirection(TGradientDirection value) { changes_.Store(direction_, value); }
    void SetStartColor(TColor value) { changes_.Store(startColor_, value); }
    void SetEndColor(TColor value) { changes_.Store(endColor_, value); }

private:
    bool visible_ = false;
    TGradientDirection direction_ = TGradientDirection::gdTopBottom;
    TColor startColor_ = clWhite;
    TColor endColor_ = clYellow;
    ChangeNotifier changes_;
};

}  // namespace rna::chart
