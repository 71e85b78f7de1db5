// A series drawn as points joined by line segments, with optional markers: the drawing of line and point kinds.
#pragma once

#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/series/TChartSeries.h"
#include "chart/series/TSeriesPointer.h"

#include <functional>
#include <memory>

namespace rna::chart {

class TCustomSeries : public TChartSeries {
    Q_OBJECT

public:
    using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TChartSeries& sender, int valueIndex)>;
    using TSeriesClickPointerEvent = std::function<void(TCustomSeries& sender, int valueIndex, int x, int y)>;

    explicit TCustomSeries(QObject* parent = nullptr);
    ~TCustomSeries() override;

    void Assign(const TChartSeries& source) override;

    // Width, style and visibility of the segments; their colour comes from the points.
    TChartPen& LinePen() { return *linePen_; }
    const TChartPen& LinePen() const { return *linePen_; }
    TSeriesPointer& Pointer() { return *pointer_; }
    const TSeriesPointer& Pointer() const { return *pointer_; }
    TChartPen& AreaLinesPen() { return *areaLinesPen_; }

    bool Stairs() const { return stairs_; }
    void SetStairs(bool value);
    // Vertical step first instead of horizontal.
    bool InvertedStairs() const { return invertedStairs_; }
    void SetInvertedStairs(bool value);
    TBrushStyle LineBrush() const { return lineBrush_; }
    void SetLineBrush(TBrushStyle value);
    int LineHeight() const { return lineHeight_; }
    void SetLineHeight(int value);
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value);
    TColor AreaColor() const { return areaColor_; }
    void SetAreaColor(TColor value);
    TBrushStyle AreaBrush() const { return areaBrush_; }
    void SetAreaBrush(TBrushStyle value);
    bool DrawArea() const { return drawArea_; }
    void SetDrawArea(bool value);
    // Whether segments are drawn at all.
    bool DrawLine() const { return drawLine_; }
    void SetDrawLine(bool value);
    // Whether a click on a segment counts as a hit.
    bool ClickableLine() const { return clickableLine_; }
    void SetClickableLine(bool value) { clickableLine_ = value; }

    TOnGetPointerStyle OnGetPointerStyle;
    TSeriesClickPointerEvent OnClickPointer;

    bool HasDrawingEvents() const override { return TChartSeries::HasDrawingEvents() || OnGetPointerStyle; }
    int Clicked(int x, int y) override;
    void CalcHorizMargins(int& left, int& right) const override;
    void CalcVerticalMargins(int& top, int& bottom) const override;

    // Whether the marker of point `index` drawn at (px, py) covers the mouse position.
    virtual bool ClickedPointer(int index, int px, int py, int x, int y) const;
    // Draws the marker of point `index` at (px, py) in `color`.
    virtual void DrawPointer(TChartCanvas& canvas, int px, int py, int index, TColor color);

protected:
    void DrawAllValues(const SeriesPaintContext& context) override;

private:
    // What the drawing of one point hands on to the next within one paint: where the segment to
    // the next point starts, and the colour of the point there (clNone: no segment).
    struct Trail {
        int X = 0;
        int Y = 0;
        TColor Color = clNone;
        bool Started = false;
    };

    int DrawPoint(const SeriesPaintContext& context, Trail& trail, int index);
    int ColumnRunEnd(const SeriesPaintContext& context, const Trail& trail, int index, int px, int& py,
                     TColor color) const;
    void DrawEntrySegment(const SeriesPaintContext& context, Trail& trail, int index, int px, int py, TColor color);
    void DrawSegment(TChartCanvas& canvas, const Trail& trail, int px, int py, TColor color);
    int EntryPixelY(const SeriesPaintContext& context, int index, int edgePixel) const;
    bool ClickedSegment(int index, int x, int y) const;

    std::unique_ptr<TChartPen> linePen_;
    std::unique_ptr<TChartPen> areaLinesPen_;
    std::unique_ptr<TSeriesPointer> pointer_;
    bool stairs_ = false;
    bool invertedStairs_ = false;
    TBrushStyle lineBrush_ = TBrushStyle::bsSolid;
    int lineHeight_ = 0;
    bool dark3D_ = true;
    TColor areaColor_ = clUseSeriesColor;
    TBrushStyle areaBrush_ = TBrushStyle::bsSolid;
    bool drawArea_ = false;
    bool drawLine_ = false;
    bool clickableLine_ = true;
};

}  // namespace rna::chart
