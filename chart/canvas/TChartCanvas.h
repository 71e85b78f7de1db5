// The drawing interface of the chart engine: 2D primitives, pen/brush/font selection, text measurement.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartFont.h"
#include "chart/canvas/TChartPen.h"
#include "chart/core/ChartColor.h"
#include "chart/core/ChartGeometry.h"

namespace rna::chart {

// Text alignment flags (horizontal | vertical).
inline constexpr int TA_LEFT = 0;
inline constexpr int TA_RIGHT = 2;
inline constexpr int TA_CENTER = 6;
inline constexpr int TA_TOP = 0;
inline constexpr int TA_BOTTOM = 8;
inline constexpr int TA_BASELINE = 24;

// Background modes of text and hatched brushes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

enum class TGradientDirection {
    gdTopBottom,
    gdBottomTop,
    gdLeftRight,
    gdRightLeft,
    gdFromCenter,
    gdFromTopLeft,
    gdFromBottomLeft
};

class TChartCanvas {
public:
    TChartCanvas();
    TChartCanvas(const TChartCanvas&) = delete;
    TChartCanvas& operator=(const TChartCanvas&) = delete;
    virtual ~TChartCanvas() = default;

    // The pen, brush and font every primitive uses. Changing them takes effect at the next primitive.
    TChartPen& Pen() { return pen_; }
    TChartBrush& Brush() { return brush_; }
    TChartFont& Font() { return font_; }
    const TChartPen& Pen() const { return pen_; }
    const TChartBrush& Brush() const { return brush_; }
    const TChartFont& Font() const { return font_; }

    // Width and height of a text in the current font (one line); 0 when it cannot be measured.
    int TextWidthOf(const QString& text) const;
    int TextHeightOf(const QString& text) const;
    int FontHeight() const { return TextHeightOf(QStringLiteral("W")); }

    // A hidden pen only makes the canvas pen clear; a small-dots pen of width 1 draws every other pixel.
    void UseVisiblePen(const TChartPen& pen);
    // True when the canvas pen is the alternate-pixel pen of UseVisiblePen.
    bool AlternatePen() const { return alternatePen_; }
    // Black solid pen, white solid brush, black 10-point font, white transparent text background.
    virtual void ResetDrawingState();

    virtual TColor TextBackColor() const = 0;
    virtual int TextBackMode() const = 0;
    virtual bool Monochrome() const = 0;
    virtual int TextAlign() const = 0;
    virtual bool BufferedDisplay() const = 0;
    virtual void SetTextBackColor(TColor color) = 0;
    virtual void SetTextBackMode(int mode) = 0;
    virtual void SetMonochrome(bool value) = 0;
    virtual void PutPixel(int x, int y, TColor color) = 0;
    virtual void SetTextAlign(int flags) = 0;
    virtual void SetBufferedDisplay(bool value) = 0;
    virtual void DrawArc(const Rect& box, QPoint start, QPoint end) = 0;
    virtual void DrawPicture(int x, int y, const QImage& picture) = 0;
    virtual void DrawEllipse(int x0, int y0, int x1, int y1) = 0;
    virtual void FillRectangle(const Rect& rect) = 0;
    virtual void DrawBevel(const Rect& rect, TColor topLeft, TColor bottomRight, int width) = 0;
    virtual void DrawLineTo(int x, int y) = 0;
    virtual void MovePenTo(int x, int y) = 0;
    virtual void DrawPie(const Rect& box, QPoint start, QPoint end) = 0;
    virtual void DrawRectangle(int x0, int y0, int x1, int y1) = 0;
    virtual void DrawRoundRect(int x0, int y0, int x1, int y1, int cornerWidth, int cornerHeight) = 0;
    virtual void StretchPicture(const Rect& rect, const QImage& picture) = 0;
    virtual void DrawTextAt(int x, int y, const QString& text) = 0;
    virtual void ClipToRect(const Rect& rect) = 0;
    virtual void DrawHorizLine(int x0, int x1, int y) = 0;
    virtual void DrawRect(const Rect& rect) = 0;
    virtual void DrawVertLine(int x, int y0, int y1) = 0;
    virtual void FillBackground(const Rect& rect) = 0;
    virtual void FillGradient(const Rect& rect, TColor start, TColor end, TGradientDirection direction) = 0;
    virtual void MarkDirty() = 0;
    virtual void DrawLine(int x0, int y0, int x1, int y1) = 0;
    virtual void DrawPolygon(const std::vector<QPoint>& points) = 0;
    virtual void DrawRotatedText(int x, int y, int angle, const QString& text) = 0;
    virtual void RemoveClip() = 0;

    // Drops the widths kept of the texts measured so far: the next measurement of each text measures it anew.
    void ForgetTextWidths()
    {
        for (const auto& entry : realised_)
            entry->widths.clear();
    }

protected:
    // The width of one line of text in a font, as QFontMetrics::horizontalAdvance gives it. A canvas that draws
    // text may measure it with the shaping it draws from, so that the text is shaped once.
    virtual int MeasureText(const QFont&, const QFontMetrics& metrics, const QString& text) const
    {
        return metrics.horizontalAdvance(text);
    }
    // Called whenever the pen, brush or font object changes, so the drawing surface can follow.
    virtual void PenChanged() {}
    virtual void BrushChanged() {}
    virtual void FontChanged() {}
    // The Qt font of the current font and its metrics. Each font the canvas was given is realised once and
    // kept (a chart switches between a few), with the widths of the texts measured in it.
    const QFont& RealisedFont() const { return Realised().font; }
    const QFontMetrics& RealisedMetrics() const { return Realised().metrics; }

private:
    struct RealisedFontEntry {
        explicit RealisedFontEntry(const TChartFont& source);
        TChartFont settings;
        QFont font;
        QFontMetrics metrics;
        QHash<QString, int> widths;
    };
    const RealisedFontEntry& Realised() const;

    TChartPen pen_;
    TChartBrush brush_;
    TChartFont font_;
    bool alternatePen_ = false;
    mutable std::vector<std::unique_ptr<RealisedFontEntry>> realised_;
    mutable RealisedFontEntry* current_ = nullptr;  // the entry of the current font, once looked up
};

}  // namespace rna::chart
