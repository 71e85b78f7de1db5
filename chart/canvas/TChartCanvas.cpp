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
        current_ = nullptr;
        FontChanged();
    });
}

namespace {
// More fonts than a chart uses (titles, axis labels and titles, marks); past it the oldest is dropped.
constexpr std::size_t MaxRealisedFonts = 8;
// Texts kept per font: far more than the labels of a chart, few enough to stay small.
constexpr qsizetype MaxKeptWidths = 512;
}  // namespace

TChartCanvas::RealisedFontEntry::RealisedFontEntry(const TChartFont& source) : font(ToQFont(source)), metrics(font)
{
    settings.Assign(source);
}

const TChartCanvas::RealisedFontEntry& TChartCanvas::Realised() const
{
    if (current_ != nullptr)
        return *current_;
    for (const auto& entry : realised_)
        if (entry->settings == font_)
            return *(current_ = entry.get());
    if (realised_.size() == MaxRealisedFonts)
        realised_.erase(realised_.begin());
    realised_.push_back(std::make_unique<RealisedFontEntry>(font_));
    return *(current_ = realised_.back().get());
}

int TChartCanvas::TextWidthOf(const QString& text) const
{
    const RealisedFontEntry& entry = Realised();
    const auto kept = entry.widths.constFind(text);
    if (kept != entry.widths.constEnd())
        return *kept;
    const int width = MeasureText(entry.font, entry.metrics, text);
    if (entry.widths.size() == MaxKeptWidths)
        current_->widths.clear();
    current_->widths.insert(text, width);
    return width;
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
