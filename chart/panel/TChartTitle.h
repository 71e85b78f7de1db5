// A block of text lines above (title) or below (foot) the plotting area, with an optional box.
#pragma once

#include <QStringList>

#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/core/ChartGeometry.h"
#include "chart/panel/TChartFontObject.h"
#include "ui/FormTypes.h"

namespace rna::chart {

using ui::TAlignment;

class TChartTitle : public TChartFontObject {
public:
    // onChange: the chart's change callback, for the title's settings, font, brush and frame.
    explicit TChartTitle(const TNotifyChange& onChange);

    const QStringList& Text() const { return text_; }
    void SetText(const QStringList& value) { Changes().Store(text_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Changes().Store(visible_, value); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { Changes().Store(alignment_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Changes().Store(color_, value); }
    // The colour of the title box: Color, or the solid brush's colour while Color is clUseSeriesColor.
    TColor FillColor() const
    {
        const bool solid = brush_.Style() == TBrushStyle::bsSolid;
        return color_ == clUseSeriesColor && solid ? brush_.Color() : color_;
    }
    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool value) { Changes().Store(adjustFrame_, value); }
    TChartBrush& Brush() { return brush_; }
    TChartHiddenPen& Frame() { return frame_; }
    const TChartBrush& Brush() const { return brush_; }
    const TChartHiddenPen& Frame() const { return frame_; }

    // The box of the last drawing; a click inside it while visible is a click on the title.
    const Rect& TitleBox() const { return titleBox_; }
    void SetTitleBox(const Rect& box) { titleBox_ = box; }
    bool Clicked(int x, int y) const { return visible_ && titleBox_.Contains(x, y); }

private:
    QStringList text_;
    bool visible_ = true;
    TAlignment alignment_ = TAlignment::taCenter;
    TColor color_ = clUseSeriesColor;
    bool adjustFrame_ = true;
    TChartBrush brush_;
    TChartHiddenPen frame_;
    Rect titleBox_;
};

}  // namespace rna::chart
