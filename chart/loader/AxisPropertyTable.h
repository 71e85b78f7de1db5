// The axes' published properties for the form loader (a chart's "LeftAxis": {...} and the others).
#pragma once

#include "ui/PropertyTable.h"

#include <memory>

namespace rna::chart {

class TCustomChartAxis;

// Every published axis property by name; pens, fonts and the title as nested objects.
// A value an axis setter refuses is a load error naming the entry.
std::shared_ptr<const rna::ui::PropertyTable<TCustomChartAxis>> AxisPropertyTable();

}  // namespace rna::chart
