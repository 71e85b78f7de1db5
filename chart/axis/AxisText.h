// Lines of axis texts: a carriage return (character 13) separates the lines of a label or title.
#pragma once

#include <QString>
#include <QStringList>

namespace rna::chart {

class TChartCanvas;

inline constexpr QChar LineBreak = QChar(13);

// The lines of a text; a text ending in a separator has no further line, an empty text none.
QStringList TextLines(const QString& text);
int LineCount(const QString& text);
// The width of the widest line in the canvas' current font.
int WidestLine(const TChartCanvas& canvas, const QString& text);

}  // namespace rna::chart
