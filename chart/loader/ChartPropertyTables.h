// Published properties of the chart's owned objects (pens, brushes, fonts, titles, walls) for the form loader.
#pragma once

#include "chart/canvas/TChartFont.h"
#include "ui/FontProperties.h"
#include "ui/PropertyTable.h"

#include <memory>

namespace rna::chart {

class TChartPen;
class TChartBrush;
class TChartTitle;
class TChartWall;
class TChartLegend;
class TChartGradient;
class TView3DOptions;

// "Color", "Mode", "Style", "Width", "Visible", "SmallDots".
std::shared_ptr<const ui::PropertyTable<TChartPen>> PenPropertyTable();
// "Color", "Style".
std::shared_ptr<const ui::PropertyTable<TChartBrush>> BrushPropertyTable();
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

// A chart font as the description's font entry sees it, and back.
ui::TFont DescribedFont(const TChartFont& font);
void ApplyDescribedFont(TChartFont& font, const ui::TFont& described);

// A font owned by T under `name`, read and written through the window layer's one font table.
template <class T>
void AddFont(ui::PropertyTable<T>& table, const char* name, TChartFont& (T::*font)())
{
    table.template nestedValue<ui::TFont>(
        name, [font](T& owner) { return DescribedFont((owner.*font)()); },
        [font](T& owner, const ui::TFont& described) { ApplyDescribedFont((owner.*font)(), described); },
        ui::fontPropertyTable());
}

}  // namespace rna::chart
