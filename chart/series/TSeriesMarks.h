// The texts a series can show beside its points: their settings (no chart of the program shows them).
#pragma once

#include "chart/canvas/TChartFont.h"
#include "chart/canvas/TChartPen.h"
#include "chart/core/ChangeNotifier.h"
#include "chart/core/ChartColor.h"

#include <memory>

namespace rna::chart {

enum class TSeriesMarksStyle {
    smsValue,
    smsPercent,
    smsLabel,
    smsLabelPercent,
    smsLabelValue,
    smsLegend,
    smsPercentTotal,
    smsLabelPercentTotal,
    smsXValue
};

class TSeriesMarks {
public:
    // onChange: the series' ChangeNotify, for the marks' settings, pens and font.
    explicit TSeriesMarks(const TNotifyChange& onChange);
    TSeriesMarks(const TSeriesMarks&) = delete;
    TSeriesMarks& operator=(const TSeriesMarks&) = delete;

    bool Visible() const { return visible_; }
    void SetVisible(bool value) { changes_.Store(visible_, value); }
    int ArrowLength() const { return arrowLength_; }
    void SetArrowLength(int value) { changes_.Store(arrowLength_, value); }
    TSeriesMarksStyle Style() const { return style_; }
    void SetStyle(TSeriesMarksStyle value) { changes_.Store(style_, value); }
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value) { changes_.Store(backColor_, value); }
    TChartArrowPen& Arrow() { return *arrow_; }
    TChartPen& Frame() { return *frame_; }
    TChartFont& Font() { return *font_; }
    void Assign(const TSeriesMarks& source);

private:
    ChangeNotifier changes_;
    bool visible_ = false;
    int arrowLength_ = 8;
    TSeriesMarksStyle style_ = TSeriesMarksStyle::smsLabel;
    TColor backColor_ = 0x80FFFF;
    std::unique_ptr<TChartArrowPen> arrow_;
    std::unique_ptr<TChartPen> frame_;
    std::unique_ptr<TChartFont> font_;
};

}  // namespace rna::chart
