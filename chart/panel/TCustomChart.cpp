#include "chart/panel/TCustomChart.h"

#include <algorithm>

#include "chart/axis/PaintAxis.h"
#include "chart/panel/ChartAccessible.h"
#include "chart/panel/FitAxes.h"
#include "chart/panel/FitSeriesMargins.h"

namespace rna::chart {

namespace {
// Pixels between a title and the plotting area.
constexpr int TitleGap = 5;
}  // namespace

TCustomChart::TCustomChart(QWidget* parent) : TCustomAxisPanel(parent)
{
    ChartAccessible::Install();
    backWall_.Brush().SetStyle(TBrushStyle::bsClear);
}

TCustomChart::~TCustomChart() = default;

void TCustomChart::SetBackColor(TColor value)
{
    backWall_.SetColor(value);
    if (!IsLoading())
        backWall_.Brush().SetStyle(TBrushStyle::bsSolid);
}

bool TCustomChart::IsFreeSeriesColor(TColor color) const
{
    return color != backWall_.Color() && TCustomAxisPanel::IsFreeSeriesColor(color);
}

void TCustomChart::FitAxes()
{
    rna::chart::FitAxes(*this);
}

void TCustomChart::FitSeriesMargins()
{
    rna::chart::FitSeriesMargins(*this);
}

void TCustomChart::PaintAxis(TCustomChartAxis& axis, const ChartLayout& layout,
                             const TCustomChartAxis::LayoutState& placed)
{
    rna::chart::PaintAxis(axis, AxisPaintContext{Canvas(), layout.PlotRect, Color()}, placed);
}

// The legend's own drawing is not part of this chart engine; a hidden legend takes no space.
void TCustomChart::LayOutTitleBlocks()
{
    if (title_.Visible())
        titlePlacement_ = LayOutTitle(title_, true);
    if (foot_.Visible())
        footPlacement_ = LayOutTitle(foot_, false);
}

void TCustomChart::DrawTitleBlocks()
{
    if (title_.Visible())
        DrawTitle(title_, titlePlacement_);
    if (foot_.Visible())
        DrawTitle(foot_, footPlacement_);
}

bool TCustomChart::Framed(const TChartTitle& title)
{
    return title.Frame().Visible() && title.Frame().Color() != clUseSeriesColor;
}

// A solid brush without a colour of its own leaves the box unfilled.
bool TCustomChart::Filled(const TChartTitle& title)
{
    return title.Brush().Style() != TBrushStyle::bsSolid || title.FillColor() != clUseSeriesColor;
}

TCustomChart::TitlePlacement TCustomChart::LayOutTitle(TChartTitle& title, bool atTop)
{
    TChartCanvas3D& canvas = Canvas();
    SelectChartFont(title.Font());
    const int h = canvas.FontHeight();
    const int n = int(title.Text().size());
    const bool framed = Framed(title);
    const bool filled = Filled(title);
    const int fw = framed ? title.Frame().Width() : 0;
    const Rect& plot = PlotRect();
    Rect work{plot.Left + fw, 0, plot.Right - fw, 0};
    if (atTop) {
        work.Top = plot.Top + fw;
        work.Bottom = work.Top - TitleGap;
    } else {
        work.Bottom = plot.Bottom - fw;
        work.Top = work.Bottom + TitleGap;
    }
    Rect box = work;
    if (atTop)
        box.Bottom = work.Top + n * h;
    else
        box.Top = work.Bottom - n * h;
    if (framed)
        box = {box.Left - fw, box.Top - fw, box.Right + fw, box.Bottom + fw};
    if ((framed || filled) && title.AdjustFrame())
        AdjustTitleBox(title, box);
    title.SetTitleBox(box);
    int y = atTop ? (n > 0 ? work.Top + n * h : work.Top - TitleGap) + fw
                  : (n > 0 ? work.Bottom - n * h : work.Bottom + TitleGap) - fw;
    if (atTop)
        PlotRect().Top = y + TitleGap;
    else
        PlotRect().Bottom = y - TitleGap;
    NormalizePlotRect();
    return {work, atTop, framed || filled};
}

void TCustomChart::DrawTitle(const TChartTitle& title, const TitlePlacement& placement)
{
    TChartCanvas3D& canvas = Canvas();
    SelectChartFont(title.Font());
    PrepareTitleFill(title);
    if (Framed(title))
        canvas.UseVisiblePen(title.Frame());
    else
        canvas.Pen().SetStyle(TPenStyle::psClear);
    if (placement.BoxDrawn)
        canvas.DrawRect(title.TitleBox());
    DrawTitleLines(title, placement.Lines, placement.AtTop);
}

void TCustomChart::PrepareTitleFill(const TChartTitle& title)
{
    TChartCanvas3D& canvas = Canvas();
    const TChartBrush& brush = title.Brush();
    const TColor color = title.FillColor();
    if (brush.Style() == TBrushStyle::bsSolid) {
        if (color != clUseSeriesColor)
            canvas.Brush().SetColor(color);
        canvas.Brush().SetStyle(color != clUseSeriesColor ? TBrushStyle::bsSolid : TBrushStyle::bsClear);
        return;
    }
    canvas.Brush().SetColor(brush.Color());
    canvas.Brush().SetStyle(brush.Style());
    const bool transparent = color == clUseSeriesColor;
    canvas.SetTextBackMode(transparent ? TRANSPARENT : OPAQUE);
    if (!transparent)
        canvas.SetTextBackColor(color);
}

// Fits the box width to the widest line plus the width of "W".
void TCustomChart::AdjustTitleBox(const TChartTitle& title, Rect& box)
{
    const TChartCanvas3D& canvas = Canvas();
    int widest = 0;
    for (const QString& line : title.Text())
        widest = std::max(widest, canvas.TextWidthOf(line));
    const int m = widest + canvas.TextWidthOf(QStringLiteral("W"));
    switch (title.Alignment()) {
    case TAlignment::taLeftJustify:
        box.Right = box.Left + m;
        break;
    case TAlignment::taRightJustify:
        box.Left = box.Right - m;
        break;
    case TAlignment::taCenter: {
        const int c = (box.Left + box.Right) / 2;
        box.Left = c - m / 2;
        box.Right = c + m / 2;
        break;
    }
    }
}

// Lines go downwards from the top of a title, upwards from the bottom of a foot.
void TCustomChart::DrawTitleLines(const TChartTitle& title, const Rect& work, bool atTop)
{
    TChartCanvas3D& canvas = Canvas();
    canvas.SetTextAlign(TA_LEFT | TA_TOP);
    canvas.SetTextBackMode(TRANSPARENT);
    const int h = canvas.FontHeight();
    const int halfW = canvas.TextWidthOf(QStringLiteral("W")) / 2;
    const QStringList& lines = title.Text();
    const int n = int(lines.size());
    for (int i = 0; i < n; ++i) {
        const QString& line = atTop ? lines[i] : lines[n - 1 - i];
        const int y = atTop ? work.Top + i * h : work.Bottom - (i + 1) * h;
        const int tw = canvas.TextWidthOf(line);
        int x = (work.Left + work.Right) / 2 - tw / 2;
        if (title.Alignment() == TAlignment::taLeftJustify)
            x = work.Left + halfW;
        if (title.Alignment() == TAlignment::taRightJustify)
            x = work.Right - tw - halfW;
        canvas.DrawTextAt(x, y, line);
    }
}

// The back wall outlines the plotting area including its right and bottom edges.
void TCustomChart::PaintWalls()
{
    TChartCanvas3D& canvas = Canvas();
    canvas.UseVisiblePen(backWall_.Pen());
    PrepareBackWallBrush();
    const Rect& plot = PlotRect();
    canvas.DrawRectangle(plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1);
}

void TCustomChart::PrepareBackWallBrush()
{
    TChartCanvas3D& canvas = Canvas();
    const TBrushStyle style = backWall_.Brush().Style();
    if (backWall_.Color() == clUseSeriesColor && style == TBrushStyle::bsSolid) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        return;
    }
    TColor color = backWall_.Color();
    const TColor background = backWall_.Brush().Color();
    if (style != TBrushStyle::bsSolid && color == background)
        color = background == clBlack ? clWhite : clBlack;
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(style);
    if (style == TBrushStyle::bsSolid) {
        canvas.SetTextBackMode(TRANSPARENT);
    } else {
        canvas.SetTextBackMode(OPAQUE);
        canvas.SetTextBackColor(background);
    }
}

}  // namespace rna::chart
