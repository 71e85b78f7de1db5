// Fill brushes of chart objects: a colour and a fill style (solid, clear or a hatch pattern).
#pragma once

#include "chart/core/ChangeNotifier.h"
#include "chart/core/ChartColor.h"

namespace rna::chart {

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TChartBrush {
public:
    // Walls, titles and legends start without a colour of their own (clUseSeriesColor).
    explicit TChartBrush(TNotifyChange onChange = {}, TColor color = clUseSeriesColor,
                         TBrushStyle style = TBrushStyle::bsSolid)
        : settings_{color, style}, changes_(std::move(onChange))
    {}
    TChartBrush(const TChartBrush&) = delete;
    TChartBrush& operator=(const TChartBrush&) = delete;

    TColor Color() const { return settings_.Color; }
    TBrushStyle Style() const { return settings_.Style; }
    void SetColor(TColor value) { changes_.Store(settings_.Color, value); }
    void SetStyle(TBrushStyle value) { changes_.Store(settings_.Style, value); }
    void Assign(const TChartBrush& source) { changes_.Store(settings_, source.settings_); }
    void SetOnChange(TNotifyChange onChange) { changes_.SetOnChange(std::move(onChange)); }
    // Equal when every setting is equal (the owners' callbacks do not count).
    friend bool operator==(const TChartBrush& a, const TChartBrush& b) { return a.settings_ == b.settings_; }

private:
    struct Settings {
        TColor Color;
        TBrushStyle Style;
        friend bool operator==(const Settings&, const Settings&) = default;
    };

    Settings settings_;
    ChangeNotifier changes_;
};

}  // namespace rna::chart
