// Base of chart objects that own a font (titles, legend): the chart reference and the font.
#pragma once

#include "chart/canvas/TChartFont.h"

namespace rna::chart {

class TCustomAxisPanel;

class TChartFontObject {
public:
    explicit TChartFontObject(TCustomAxisPanel& chart);
    TChartFontObject(const TChartFontObject&) = delete;
    TChartFontObject& operator=(const TChartFontObject&) = delete;
    virtual ~TChartFontObject() = default;

    TCustomAxisPanel& ParentChart() const { return chart_; }
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }

protected:
    void Repaint();

private:
    TCustomAxisPanel& chart_;
    TChartFont font_;
};

}  // namespace rna::chart
