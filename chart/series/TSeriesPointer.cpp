#include "chart/series/TSeriesPointer.h"

#include "chart/canvas/TChartCanvas.h"
#include "chart/core/ChartException.h"

namespace rna::chart {

TSeriesPointer::TSeriesPointer(const TNotifyChange& onChange)
    : changes_(onChange), pen_(std::make_unique<TChartPen>(onChange)), brush_(std::make_unique<TChartBrush>(onChange))
{}

void TSeriesPointer::StoreSize(int& field, int value)
{
    if (value < 1)
        throw ChartException("Pointer size must be greater than zero");
    changes_.Store(field, value);
}

void TSeriesPointer::SetHorizSize(int value)
{
    StoreSize(horizSize_, value);
}

void TSeriesPointer::SetVertSize(int value)
{
    StoreSize(vertSize_, value);
}

void TSeriesPointer::Assign(const TSeriesPointer& source)
{
    pen_->Assign(*source.pen_);
    brush_->Assign(*source.brush_);
    SetVisible(source.visible_);
    SetStyle(source.style_);
    SetHorizSize(source.horizSize_);
    SetVertSize(source.vertSize_);
    SetInflateMargins(source.inflateMargins_);
    SetDark3D(source.dark3D_);
    SetDraw3D(source.draw3D_);
}

void TSeriesPointer::PrepareCanvas(TChartCanvas& canvas, TColor color) const
{
    canvas.UseVisiblePen(*pen_);
    if (pen_->Visible() && pen_->Color() == clUseSeriesColor)
        canvas.Pen().SetColor(color);
    canvas.Brush().Assign(*brush_);
    if (brush_->Color() == clUseSeriesColor)
        canvas.Brush().SetColor(color);
}

void TSeriesPointer::Draw(TChartCanvas& canvas, int x, int y, TSeriesPointerStyle style, TColor color) const
{
    PrepareCanvas(canvas, color);
    DrawShape(canvas, x, y, horizSize_, vertSize_, style, color);
}

void TSeriesPointer::DrawCross(TChartCanvas& canvas, int x, int y, int h, int v)
{
    canvas.DrawLine(x, y - v, x, y + v + 1);
    canvas.DrawLine(x - h, y, x + h + 1, y);
}

void TSeriesPointer::DrawDiagCross(TChartCanvas& canvas, int x, int y, int h, int v)
{
    canvas.DrawLine(x - h, y - v, x + h + 1, y + v + 1);
    canvas.DrawLine(x + h, y - v, x - h - 1, y + v + 1);
}

void TSeriesPointer::DrawShape(TChartCanvas& canvas, int x, int y, int h, int v, TSeriesPointerStyle style,
                               TColor color)
{
    const int left = x - h;
    const int right = x + h;
    const int top = y - v;
    const int bottom = y + v;
    switch (style) {
    case TSeriesPointerStyle::psRectangle:
        canvas.DrawRectangle(left, top, right + 1, bottom + 1);
        break;
    case TSeriesPointerStyle::psCircle:
        canvas.DrawEllipse(left, top, right, bottom);
        break;
    case TSeriesPointerStyle::psTriangle:
        canvas.DrawPolygon({QPoint(left, bottom), QPoint(right, bottom), QPoint(x, top)});
        break;
    case TSeriesPointerStyle::psDownTriangle:
        canvas.DrawPolygon({QPoint(left, top), QPoint(right, top), QPoint(x, bottom)});
        break;
    case TSeriesPointerStyle::psCross:
        canvas.Pen().SetColor(color);
        DrawCross(canvas, x, y, h, v);
        break;
    case TSeriesPointerStyle::psDiagCross:
        canvas.Pen().SetColor(color);
        DrawDiagCross(canvas, x, y, h, v);
        break;
    case TSeriesPointerStyle::psStar:
        canvas.Pen().SetColor(color);
        DrawCross(canvas, x, y, h, v);
        DrawDiagCross(canvas, x, y, h, v);
        break;
    case TSeriesPointerStyle::psDiamond:
        canvas.DrawPolygon({QPoint(left, y), QPoint(x, top), QPoint(right, y), QPoint(x, bottom)});
        break;
    case TSeriesPointerStyle::psSmallDot:
        canvas.PutPixel(x, y, color);
        break;
    }
}

}  // namespace rna::chart
