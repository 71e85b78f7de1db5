// The series kinds the form loader can create inside a chart, with their published properties by name.
#pragma once

#include "ui/PropertyTable.h"

#include <memory>

namespace rna::ui {
class ControlRegistry;
}

namespace rna::chart {

class TLineSeries;
class TPointSeries;

// "SeriesColor", "LinePen.Width", "Pointer.Style", "Marks.Visible", "XValues.Order", "Title", ...
std::shared_ptr<const rna::ui::PropertyTable<TLineSeries>> LineSeriesPropertyTable();
std::shared_ptr<const rna::ui::PropertyTable<TPointSeries>> PointSeriesPropertyTable();

// Adds TLineSeries and TPointSeries: children of a chart entry, owned by the window, drawn by that chart.
void RegisterSeriesKinds(rna::ui::ControlRegistry& registry);

}  // namespace rna::chart
