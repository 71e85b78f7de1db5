// The chart drawing canvas: draws through QPainter into an off-screen image with exact pixel rules.
#pragma once

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <memory>
#include <optional>
#include <vector>

#include "chart/canvas/CanvasImage.h"
#include "chart/canvas/DeviceGrid.h"
#include "chart/canvas/SpanRaster.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChangeNotifier.h"

namespace rna::chart {

// Pixel rules held by every primitive: filled shapes and rectangles exclude their right and bottom
// edges, a one-pixel line excludes its end pixel, wider pens end and join round, no antialiasing.
// Outside a paint nothing is drawn, but text can still be measured.
//
// Every coordinate is in the chart's own (logical) pixels, and so is every text measure: the layout is the
// same at every device pixel ratio. A buffered drawing may rasterise at a ratio (DeviceGrid): its image has
// that many device pixels to each logical one, shapes and fills cover their cells, lines are
// round(ratio x width) device pixels wide, text is drawn in its font at the device's size.
class TChartCanvas3D : public TCanvas3D {
public:
    TChartCanvas3D();
    ~TChartCanvas3D() override;

    // The chart's 3D settings for the drawings that follow, pushed in before each drawing: whether it
    // is drawn in 3D, its zoom in percent and whether rotated text zooms with it.
    void SetView3D(bool view3D, int zoomPercent, bool zoomText);
    // Buffered painting. BeginDrawing answers the bounds to draw into: (0, 0, w, h) of the off-screen
    // image, or the given bounds on the target when unbuffered. target may be null (draw into the image).
    // A buffered drawing rasterises at `ratio` device pixels to each of the chart's own; the image says it has
    // `shownRatio` device pixels to each pixel of what shows it (the same ratio, unless the chart's pixels are
    // larger than its window's, see ChartWidget::ContentScale).
    Rect BeginDrawing(QPainter* target, const Rect& bounds, double ratio = 1.0, double shownRatio = 0);
    // Whether the image is of a drawing of width x height of the chart's own pixels at those ratios.
    bool ImageFits(int width, int height, double ratio, double shownRatio) const;
    // Copies the image onto target at topLeft (when buffered and target is given), all of it or only `area` (in
    // the pixels of what shows the image, from its top-left corner); the image is current.
    void EndDrawing(QPainter* target, QPoint topLeft, const QRegion* area = nullptr);
    // Copies the current image (or `area` of it) to target at (0, 0) and answers True, or answers False when it
    // is stale.
    bool ShowCachedImage(QPainter* target, const QRegion* area = nullptr);
    // What the last buffered drawing changed in the image, in the pixels of what shows it: only what a target that
    // holds the image before that drawing needs copied. All of the image when not known (CanvasImage).
    QRegion ChangedArea() const { return image_.ChangedArea(); }
    bool Dirty() const { return dirty_; }
    bool Drawing() const { return ref_ != nullptr; }
    // The off-screen image (null before the first buffered paint), in device pixels: its device pixel ratio
    // says how many of them make one of the chart's own.
    const QImage& Image() const { return image_.Image(); }
    // The grid of the current (or last) buffered drawing.
    const DeviceGrid& Grid() const { return grid_; }
    const Rect& Bounds() const { return bounds_; }
    // The image layer (CanvasImage): only during a buffered drawing. RestoreLayer answers False (and copies
    // nothing) when there is no layer of the image's size or the system colours changed since it was saved.
    // SaveLayer answers whether it saved.
    bool SaveLayer();
    bool RestoreLayer();
    void DiscardLayer() { image_.DiscardLayer(); }
    bool LayerUsed() const { return image_.LayerUsed(); }
    // Drops the glyphs and widths kept of the texts drawn so far: the next drawing measures and lays out every
    // text anew, as a drawing from scratch does.
    void ForgetKeptTexts()
    {
        glyphs_.clear();
        ForgetTextWidths();
    }
    // Called when a setting of the canvas needs the chart to repaint (Monochrome).
    void SetOnChange(TNotifyChange onChange) { changes_.SetOnChange(std::move(onChange)); }

    // Clips series to the inside of the plotting rectangle: (left + 1, top + 1, right, bottom - 1).
    void ClipToPlotArea(const Rect& rect, int z0, int z1);
    bool Clipped() const { return clipped_; }
    const Rect& ClipRect() const { return clipRect_; }
    // The projection of 3D positions; in 2D it only records the chart rectangle.
    void SetProjection(int depth, const Rect& bounds, const Rect& chartRect);
    bool View3D() const { return view3D_; }
    double ZoomFactor() const { return zoomFactor_; }
    QPoint PenPosition() const { return penPos_; }
    // From WatchPenPosition on, PenPositionUsed tells whether a line was drawn from the pen position found
    // there, before anything moved the pen: whether what was drawn since depends on that position.
    void WatchPenPosition() { penMoved_ = penPositionUsed_ = false; }
    bool PenPositionUsed() const { return penPositionUsed_; }

    TColor TextBackColor() const override { return textBackColor_; }
    int TextBackMode() const override { return textBackMode_; }
    bool Monochrome() const override { return monochrome_; }
    int TextAlign() const override { return textAlign_; }
    bool BufferedDisplay() const override { return buffered_; }
    void SetTextBackColor(TColor color) override { textBackColor_ = color; }
    void SetTextBackMode(int mode) override { textBackMode_ = mode; }
    void SetMonochrome(bool value) override;
    void PutPixel(int x, int y, TColor color) override;
    void SetTextAlign(int flags) override { textAlign_ = flags; }
    void SetBufferedDisplay(bool value) override;
    void DrawArc(const Rect& box, QPoint start, QPoint end) override;
    void DrawPicture(int x, int y, const QImage& picture) override;
    void DrawEllipse(int x0, int y0, int x1, int y1) override;
    void FillRectangle(const Rect& rect) override;
    void DrawBevel(const Rect& rect, TColor topLeft, TColor bottomRight, int width) override;
    void DrawLineTo(int x, int y) override;
    void MovePenTo(int x, int y) override
    {
        penPos_ = QPoint(x, y);
        penMoved_ = true;
    }
    void DrawPie(const Rect& box, QPoint start, QPoint end) override;
    void DrawRectangle(int x0, int y0, int x1, int y1) override;
    void DrawRoundRect(int x0, int y0, int x1, int y1, int cornerWidth, int cornerHeight) override;
    void StretchPicture(const Rect& rect, const QImage& picture) override;
    void DrawTextAt(int x, int y, const QString& text) override;
    void ClipToRect(const Rect& rect) override;
    void DrawHorizLine(int x0, int x1, int y) override;
    void DrawRect(const Rect& rect) override { DrawRectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void DrawVertLine(int x, int y0, int y1) override;
    void FillBackground(const Rect& rect) override { FillRectangle(rect); }
    void FillGradient(const Rect& rect, TColor start, TColor end, TGradientDirection direction) override;
    void MarkDirty() override { dirty_ = true; }
    void DrawLine(int x0, int y0, int x1, int y1) override;
    void DrawPolygon(const std::vector<QPoint>& points) override;
    void DrawRotatedText(int x, int y, int angle, const QString& text) override;
    void RemoveClip() override;

    void MoveTo3D(int x, int y, int) override { MovePenTo(x, y); }
    void LineTo3D(int x, int y, int) override { DrawLineTo(x, y); }
    void HorizLine3D(int x0, int x1, int y, int) override { DrawHorizLine(x0, x1, y); }
    void VertLine3D(int x, int y0, int y1, int) override { DrawVertLine(x, y0, y1); }
    void LineWithZ(int x0, int y0, int x1, int y1, int) override { DrawLine(x0, y0, x1, y1); }
    void RectangleWithZ(const Rect& rect, int) override { DrawRect(rect); }
    void EllipseWithZ(int x0, int y0, int x1, int y1, int) override { DrawEllipse(x0, y0, x1, y1); }
    void PolygonWithZ(const std::vector<QPoint>& points, int) override { DrawPolygon(points); }
    void TextOut3D(int x, int y, int, const QString& text) override { DrawTextAt(x, y, text); }
    void RotatedTextWithZ(int x, int y, int, int angle, const QString& text) override
    {
        DrawRotatedText(x, y, angle, text);
    }
    void Pixel3D(int x, int y, int z, TColor color) override;
    QPoint Calculate3DPosition(int x, int y, int) const override { return {x, y}; }
    QPoint Calculate2DPosition(int x, int y, int) const override { return {x, y}; }
    bool SupportsFullRotation() const override { return false; }
    bool SupportsID() const override { return false; }

protected:
    void PenChanged() override { penDirty_ = true; }
    void BrushChanged() override { brushDirty_ = true; }
    void FontChanged() override { fontDirty_ = true; }

private:
    void DiscardImage();
    void StartPainter(QPainter* painter);
    void ApplyPen();
    void ApplyPenMode();
    void ApplyBrush();
    void ApplyBackground();
    bool ThinPen() const;
    bool DirectWrites();
    int NibCentre(int x, int width) const;
    QPoint NibCentre(QPoint p, int width) const;
    // The painter, for a call that writes pixels: what it changes is not known, so the image no longer
    // differs from the layer by the recorded rectangles only.
    QPainter* WritingPainter()
    {
        image_.ForgetDifference();
        return ref_;
    }
    bool SolidPen() const;
    void ThinLine(int x0, int y0, int x1, int y1);
    void PatternedPath(const std::vector<QPoint>& path, int length, bool alongX, bool cells);
    void PatternedStraightLine(int x0, int y0, int x1, int y1, const DashPattern& pattern);
    template <typename On>
    void SetPathPixels(const std::vector<QPoint>& path, const On& on, bool fillGaps);
    void WideLine(int x0, int y0, int x1, int y1);
    void RoundPenLine(int x0, int y0, int x1, int y1);
    void RectangleOutline(int x0, int y0, int x1, int y1);
    void EllipseRing(int x0, int y0, int x1, int y1);
    void FillCells(int x, int y, int width, int height, const QColor& color);
    void FillDevice(const QRect& rect, const QColor& color);
    void FillSpans(const std::vector<QRect>& spans);
    void PenSpans(const std::vector<QRect>& spans);
    void SolidSpans(const std::vector<QRect>& spans, const QColor& color);
    void DrawPictureIn(const Rect& rect, const QImage& picture);
    void DrawTextLine(int x, int y, const QString& text);
    const QFont& DrawingFont();
    const QFontMetrics& DrawingMetrics();
    // A text's glyphs in a font, laid out as QPainter::drawText lays them out, with the baseline they lie on and
    // the text's width as QFontMetrics::horizontalAdvance gives it, all from one shaping of the text. Until the
    // text is drawn, its glyphs stay in the layout that shaped it (Layout), taken from it at the first drawing.
    struct TextGlyphs {
        QFont Font;
        QString Text;
        Qt::LayoutDirection Direction = Qt::LeftToRight;
        mutable std::unique_ptr<QTextLayout> Layout;
        mutable QList<QGlyphRun> Runs;
        qreal Baseline = 0;
        int Width = 0;
    };
    const TextGlyphs& GlyphsOf(const QFont& font, const QString& text) const;
    int MeasureText(const QFont& font, const QFontMetrics& metrics, const QString& text) const override;
    double ArcAngle(const Rect& box, QPoint p) const;
    struct ArcGeometry {
        QRect Box;
        int Start = 0;
        int Span = 0;
    };
    ArcGeometry Arc(const Rect& box, QPoint start, QPoint end) const;

    CanvasImage image_;
    DeviceGrid grid_;
    // The font of the current font at the device's size.
    struct DeviceFont {
        QFont Source;
        double Ratio = 1.0;
        QFont Font;
        QFontMetrics Metrics;
    };
    std::optional<DeviceFont> deviceFont_;
    // The texts measured or drawn last (a chart's labels and titles), the latest at the back: a text the layout
    // measured is drawn from the shaping of that measurement, and drawing one again draws its glyphs, without
    // shaping the text again, which was most of the cost of drawing it.
    mutable std::vector<TextGlyphs> glyphs_;
    static constexpr std::size_t MaxKeptGlyphs = 64;
    std::vector<QPoint> path_;  // the pixels of the line being drawn, kept to save allocations
    // Spans and rows of the shape being drawn, kept likewise.
    std::vector<QRect> penScratch_;
    std::vector<QRect> gapScratch_;
    std::vector<EllipseRow> rowsScratch_;
    RingSpans ringScratch_;
    EllipseShapes ellipseShapes_;
    QPainter* ref_ = nullptr;
    bool buffered_ = true;
    bool monochrome_ = false;
    bool dirty_ = true;
    Rect bounds_;
    bool view3D_ = false;
    double zoomFactor_ = 1.0;
    bool zoomText_ = true;
    Rect chartRect_;
    QPoint penPos_;
    bool penMoved_ = false;
    bool penPositionUsed_ = false;
    int textAlign_ = TA_LEFT | TA_TOP;
    TColor textBackColor_ = clWhite;
    int textBackMode_ = OPAQUE;
    bool clipped_ = false;
    Rect clipRect_;
    bool penDirty_ = true;
    bool brushDirty_ = true;
    bool fontDirty_ = true;
    ChangeNotifier changes_;
};

}  // namespace rna::chart
