// The point markers of a series: shape, half-sizes, pen and brush, and their drawing in 2D.
#pragma once

#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/core/ChangeNotifier.h"
#include "chart/core/ChartColor.h"

#include <memory>

namespace rna::chart {

class TChartCanvas;

enum class TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot
};

class TSeriesPointer {
public:
    // onChange: the series' ChangeNotify, for the pointer's settings, pen and brush.
    explicit TSeriesPointer(const TNotifyChange& onChange);
    TSeriesPointer(const TSeriesPointer&) = delete;
    TSeriesPointer& operator=(const TSeriesPointer&) = delete;

    // Black outline; the fill takes the point's colour unless the brush has a colour of its own.
    TChartPen& Pen() { return *pen_; }
    const TChartPen& Pen() const { return *pen_; }
    TChartBrush& Brush() { return *brush_; }
    const TChartBrush& Brush() const { return *brush_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool value) { changes_.Store(visible_, value); }
    TSeriesPointerStyle Style() const { return style_; }
    void SetStyle(TSeriesPointerStyle value) { changes_.Store(style_, value); }
    // Half-sizes in pixels: a marker spans x - HorizSize .. x + HorizSize (ChartException below 1).
    int HorizSize() const { return horizSize_; }
    void SetHorizSize(int value);
    int VertSize() const { return vertSize_; }
    void SetVertSize(int value);
    // Whether the series asks the axes for room so that markers at the ends are not cut.
    bool InflateMargins() const { return inflateMargins_; }
    void SetInflateMargins(bool value) { changes_.Store(inflateMargins_, value); }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { changes_.Store(dark3D_, value); }
    bool Draw3D() const { return draw3D_; }
    void SetDraw3D(bool value) { changes_.Store(draw3D_, value); }

    // Canvas pen and brush from the pointer; clUseSeriesColor in either becomes `color`.
    void PrepareCanvas(TChartCanvas& canvas, TColor color) const;
    // Draws one marker centred on (x, y) with the pointer's half-sizes (canvas prepared first).
    void Draw(TChartCanvas& canvas, int x, int y, TSeriesPointerStyle style, TColor color) const;
    // The marker shape alone, with given half-sizes, on an already prepared canvas.
    static void DrawShape(TChartCanvas& canvas, int x, int y, int h, int v, TSeriesPointerStyle style, TColor color);

    void Assign(const TSeriesPointer& source);

private:
    void StoreSize(int& field, int value);
    static void DrawCross(TChartCanvas& canvas, int x, int y, int h, int v);
    static void DrawDiagCross(TChartCanvas& canvas, int x, int y, int h, int v);

    ChangeNotifier changes_;
    std::unique_ptr<TChartPen> pen_;
    std::unique_ptr<TChartBrush> brush_;
    bool visible_ = true;
    TSeriesPointerStyle style_ = TSeriesPointerStyle::psRectangle;
    int horizSize_ = 4;
    int vertSize_ = 4;
    bool inflateMargins_ = true;
    bool dark3D_ = true;
    bool draw3D_ = true;
};

}  // namespace rna::chart
