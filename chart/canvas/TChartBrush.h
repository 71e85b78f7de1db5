// Fill brushes of chart objects: a colour and a fill style (solid, clear or a hatch pattern).
#pragma once

#include "chart/canvas/TChartPen.h"
#include "chart/core/ChartColor.h"

namespace rna::chart {

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TChartBrush {
public:
    // Walls, titles and legends start without a colour of their own (clUseSeriesColor).
    explicit TChartBrush(TNotifyChange onChange = {}, TColor color = clUseSeriesColor,
                         TBrushStyle style = TBrushStyle::bsSolid)
        : color_(color), style_(style), onChange_(std::move(onChange))
    {}
    TChartBrush(const TChartBrush&) = delete;
    TChartBrush& operator=(const TChartBrush&) = delete;

    TColor Color() const { return color_; }
    TBrushStyle Style() const { return style_; }
    void SetColor(TColor value);
    void SetStyle(TBrushStyle value);
    void Assign(const TChartBrush& source);
    void SetOnChange(TNotifyChange onChange) { onChange_ = std::move(onChange); }

private:
    void Changed() const
    {
        if (onChange_)
            onChange_();
    }

    TColor color_;
    TBrushStyle style_;
    TNotifyChange onChange_;
};

}  // namespace rna::chart
