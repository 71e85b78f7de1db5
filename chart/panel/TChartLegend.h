// The chart legend's settings; a hidden legend draws nothing and takes no space.
#pragma once

#include "chart/panel/TChartFontObject.h"

namespace rna::chart {

enum class TLegendAlignment { laLeft, laRight, laTop, laBottom };

class TChartLegend : public TChartFontObject {
public:
    using TChartFontObject::TChartFontObject;

    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Changes().Store(visible_, value); }
    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment value) { Changes().Store(alignment_, value); }
    // A legend at the left or right is laid out before the titles.
    bool Vertical() const { return alignment_ == TLegendAlignment::laLeft || alignment_ == TLegendAlignment::laRight; }

private:
    bool visible_ = true;
    TLegendAlignment alignment_ = TLegendAlignment::laRight;
};

}  // namespace rna::chart
