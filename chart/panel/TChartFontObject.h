// Base of chart objects that own a font (titles, legend): the font and the owner's change callback.
#pragma once

#include "chart/canvas/TChartFont.h"
#include "chart/core/ChangeNotifier.h"

namespace rna::chart {

class TChartFontObject {
public:
    // onChange: the chart's change callback, for the object's settings and its font.
    explicit TChartFontObject(const TNotifyChange& onChange) : font_(onChange), changes_(onChange) {}
    TChartFontObject(const TChartFontObject&) = delete;
    TChartFontObject& operator=(const TChartFontObject&) = delete;
    virtual ~TChartFontObject() = default;

    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }

protected:
    // The store-and-notify of the derived objects' setters.
    const ChangeNotifier& Changes() const { return changes_; }

private:
    TChartFont font_;
    ChangeNotifier changes_;
};

}  // namespace rna::chart
