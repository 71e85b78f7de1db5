#include "chart/canvas/TChartCanvas.h"

#include <QFontMetrics>

#include "chart/canvas/ChartFontQt.h"

namespace rna::chart {

TChartCanvas::TChartCanvas() : brush_({}, clWhite, TBrushStyle::bsSolid)
{
    pen_.SetOnChange([this] {
        alternatePen_ = false;
        PenChanged();
    });
    brush_.SetOnChange([this] { BrushChanged(); });
    font_.SetOnChange([this] {
        qfont_.reset();
        metrics_.reset();
        FontChanged();
    });
}

const QFont& TChartCanvas::RealisedFont() const
{
    if (!qfont_)
        qfont_ = ToQFont(font_);
    return *qfont_;
}

const QFontMetrics& TChartCanvas::RealisedMetrics() const
{
    if (!metrics_)
        metrics_.emplace(RealisedFont());
    return *metrics_;
}

int TChartCanvas::TextWidthOf(const QString& text) const
{
    return RealisedMetrics().horizontalAdvance(text);
}

// Every line of the current font is as high as the font; the text itself does not change it.
int TChartCanvas::TextHeightOf(const QString&) const
{
    return RealisedMetrics().height();
}

void TChartCanvas::UseVisiblePen(const TChartPen& pen)
{
    if (!pen.Visible()) {
        pen_.SetStyle(TPenStyle::psClear);
        return;
    }
    pen_.SetColor(pen.Color());
    pen_.SetMode(pen.Mode());
    if (pen.SmallDots() && pen.Width() == 1) {
        pen_.SetWidth(1);
        pen_.SetStyle(TPenStyle::psSolid);
        alternatePen_ = true;
        PenChanged();
        return;
    }
    pen_.SetWidth(pen.Width());
    pen_.SetStyle(pen.Style());
    if (alternatePen_) {
        alternatePen_ = false;
        PenChanged();
    }
}

void TChartCanvas::ResetDrawingState()
{
    pen_.SetColor(clBlack);
    pen_.SetWidth(1);
    pen_.SetStyle(TPenStyle::psSolid);
    pen_.SetMode(TPenMode::pmCopy);
    brush_.SetColor(clWhite);
    brush_.SetStyle(TBrushStyle::bsSolid);
    font_.SetColor(clBlack);
    font_.SetSize(10);
    SetTextBackColor(clWhite);
    SetTextBackMode(TRANSPARENT);
}

}  // namespace rna::chart
