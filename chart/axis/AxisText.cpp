#include "chart/axis/AxisText.h"

#include "chart/canvas/TChartCanvas.h"

#include <algorithm>

namespace rna::chart {

QStringList TextLines(const QString& text)
{
    QStringList lines = text.split(LineBreak);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

int LineCount(const QString& text)
{
    return static_cast<int>(TextLines(text).size());
}

int WidestLine(const TChartCanvas& canvas, const QString& text)
{
    int widest = 0;
    for (const QString& line : TextLines(text))
        widest = std::max(widest, canvas.TextWidthOf(line));
    return widest;
}

}  // namespace rna::chart
