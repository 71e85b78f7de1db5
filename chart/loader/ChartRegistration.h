// Registers the chart control (TChart) and its series kinds with the form loader.
#pragma once

#include <memory>

#include "ui/PropertyTable.h"

namespace rna::ui {
class ControlRegistry;
}

namespace rna::chart {

class TChart;

// Every published chart property by name, with nested tables for the owned objects ("Title",
// "BackWall", "Legend", "LeftAxis", ...). A value a setter refuses is a load error naming the entry.
std::shared_ptr<const ui::PropertyTable<TChart>> ChartPropertyTable();

// Adds the "TChart" kind (range checks off from its creation until the window's loaded step) and the
// series kinds that may be its children. Call once at start-up, before loading a window.
void RegisterChartKinds(ui::ControlRegistry& registry);
void RegisterChartKinds();

}  // namespace rna::chart
