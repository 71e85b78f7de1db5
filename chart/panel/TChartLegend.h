// The chart legend's settings; a hidden legend draws nothing and takes no space.
#pragma once

#include "chart/panel/TChartFontObject.h"

namespace rna::chart {

enum class TLegendAlignment { laLeft, laRight, laTop, laBottom };

class TChartLegend : public TChartFontObject {
public:
    using TChartFontObject::TChartFontObject;

    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Store(visible_, value); }
    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment value) { Store(alignment_, value); }
    // A legend at the left or right is laid out before the titles.
    bool Vertical() const { return alignment_ == TLegendAlignment::laLeft || alignment_ == TLegendAlignment::laRight; }

private:
    template <typename T>
    void Store(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Repaint();
    }

    bool visible_ = true;
    TLegendAlignment alignment_ = TLegendAlignment::laRight;
};

}  // namespace rna::chart
