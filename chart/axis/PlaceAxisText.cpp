#include "chart/axis/AxisText.h"
#include "chart/axis/PaintAxis.h"
#include "chart/axis/TCustomChartAxis.h"
#include "chart/canvas/TChartCanvas.h"
#include "chart/scale/AxisScale.h"

namespace rna::chart {

namespace {

// Level text: one DrawTextAt per line, aligned for the axis' side.
void PlaceLevelLines(const TCustomChartAxis& axis, TChartCanvas& canvas, int x, int y, const QStringList& lines)
{
    const int h = canvas.FontHeight();
    const int n = static_cast<int>(lines.size());
    if (axis.IsHorizontal() && !axis.IsFarSide()) {
        canvas.SetTextAlign(TA_CENTER | TA_TOP);
        for (int i = 0; i < n; ++i)
            canvas.DrawTextAt(x, y + i * h, lines[i]);
    } else if (axis.IsHorizontal()) {
        canvas.SetTextAlign(TA_CENTER | TA_BOTTOM);
        for (int i = 0; i < n; ++i)
            canvas.DrawTextAt(x, y - (n - 1 - i) * h, lines[i]);
    } else {
        canvas.SetTextAlign((axis.IsFarSide() ? TA_LEFT : TA_RIGHT) | TA_TOP);
        const int top = y - h / 2 - static_cast<int>(AxisScale::Round(h * 0.5L * (n + 1))) + h;
        for (int i = 0; i < n; ++i)
            canvas.DrawTextAt(x, top + i * h, lines[i]);
    }
}

// Text turned a quarter on a vertical axis: the lines stand side by side, centred on y, the
// first one farthest from the plotting area.
void PlaceUprightLines(TChartCanvas& canvas, int x, int y, int angle, const QStringList& lines)
{
    const int h = canvas.FontHeight();
    const int n = static_cast<int>(lines.size());
    canvas.SetTextAlign(TA_CENTER | TA_TOP);
    for (int i = 0; i < n; ++i) {
        const int across = angle == 90 ? x - (n - i) * h : x + (n - i) * h;
        canvas.DrawRotatedText(across, y, angle, lines[i]);
    }
}

}  // namespace

void PlaceAxisText(const TCustomChartAxis& axis, TChartCanvas& canvas, int x, int y, int angle, const QString& text)
{
    const QStringList lines = TextLines(text);
    if (lines.isEmpty())
        return;
    if (angle == 0)
        PlaceLevelLines(axis, canvas, x, y, lines);
    else if (!axis.IsHorizontal() && (angle == 90 || angle == 270))
        PlaceUprightLines(canvas, x, y, angle, lines);
    else
        for (const QString& line : lines)
            canvas.DrawRotatedText(x, y, angle, line);
    canvas.SetTextAlign(TA_LEFT | TA_TOP);
}

}  // namespace rna::chart
