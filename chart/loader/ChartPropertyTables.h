// Published properties of the chart's owned objects (pens, brushes, fonts, titles, walls) for the form loader.
#pragma once

#include <memory>

#include <QString>

#include "chart/canvas/TChartBrush.h"
#include "chart/core/ChartException.h"
#include "ui/PropertyTable.h"

namespace rna::chart {

class TChartPen;
class TChartBrush;
class TChartFont;
class TChartTitle;
class TChartWall;
class TChartLegend;
class TChartGradient;
class TView3DOptions;

// Runs a setter and turns a value the chart refuses into a load error for this entry.
template <class F>
void ApplyChecked(const ui::PropertyValue& value, F&& set)
{
    try {
        set();
    } catch (const ChartException& e) {
        value.fail(QString::fromStdString(e.what()));
    }
}

// A brush style name ("bsSolid", "bsClear", ...); any other name fails.
TBrushStyle BrushStyleProperty(const ui::PropertyValue& value);
// "Color", "Mode", "Style", "Width", "Visible", "SmallDots".
std::shared_ptr<const ui::PropertyTable<TChartPen>> PenPropertyTable();
// "Color", "Style".
std::shared_ptr<const ui::PropertyTable<TChartBrush>> BrushPropertyTable();
// A font entry as a whole object ("Font": {"Name": "Arial", "Height": -11, "Color": "clBlue", "Style": []}).
void ApplyFontProperty(TChartFont& font, const ui::PropertyValue& value);
// "Text", "Visible", "Alignment", "Font", "Color", "Brush", "Frame", "AdjustFrame".
std::shared_ptr<const ui::PropertyTable<TChartTitle>> TitlePropertyTable();
// "Color", "Brush", "Pen", "Dark3D", "Size".
std::shared_ptr<const ui::PropertyTable<TChartWall>> WallPropertyTable();
// "Visible", "Alignment", "Font".
std::shared_ptr<const ui::PropertyTable<TChartLegend>> LegendPropertyTable();
// "Visible", "Direction", "StartColor", "EndColor".
std::shared_ptr<const ui::PropertyTable<TChartGradient>> GradientPropertyTable();
// "Elevation", "HorizOffset", "Orthogonal", "Perspective", "Rotation", "Tilt", "VertOffset", "Zoom", "ZoomText".
std::shared_ptr<const ui::PropertyTable<TView3DOptions>> View3DOptionsPropertyTable();

}  // namespace rna::chart
