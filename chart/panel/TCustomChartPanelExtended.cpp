#include "chart/panel/TCustomChartPanelExtended.h"

namespace rna::chart {

TCustomChartPanelExtended::TCustomChartPanelExtended(QWidget* parent) : TCustomChartPanel(parent)
{}

void TCustomChartPanelExtended::SetBackImage(const QImage& image)
{
    Changes().Store(backImage_, image);
}

void TCustomChartPanelExtended::DrawPanelBackground(const Rect& rect)
{
    FillPanelBackground(rect);
    DrawBackImage(rect);
    if (Printing())
        return;
    Rect inner = rect;
    DrawPanelBorder(inner);
}

void TCustomChartPanelExtended::FillPanelBackground(const Rect& rect)
{
    TChartCanvas3D& canvas = Canvas();
    if (gradient_.Visible()) {
        canvas.FillGradient(rect, gradient_.StartColor(), gradient_.EndColor(), gradient_.Direction());
        return;
    }
    if (Printing())
        return;
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRectangle(rect);
}

void TCustomChartPanelExtended::DrawBackImage(const Rect& rect)
{
    if (!backImage_.isNull() && !backImageInside_)
        DrawPicture(rect);
}

void TCustomChartPanelExtended::DrawPicture(const Rect& rect)
{
    TChartCanvas3D& canvas = Canvas();
    switch (backImageMode_) {
    case TChartBackImageMode::pbmStretch:
        canvas.StretchPicture(rect, backImage_);
        break;
    case TChartBackImageMode::pbmCenter:
        canvas.DrawPicture(rect.CenterX() - backImage_.width() / 2, rect.CenterY() - backImage_.height() / 2,
                           backImage_);
        break;
    case TChartBackImageMode::pbmTile:
        canvas.ClipToRect(rect);
        for (int y = rect.Top; y < rect.Bottom; y += backImage_.height())
            for (int x = rect.Left; x < rect.Right; x += backImage_.width())
                canvas.DrawPicture(x, y, backImage_);
        canvas.RemoveClip();
        break;
    }
}

}  // namespace rna::chart
