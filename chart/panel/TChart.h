// The chart control of the windows: a TCustomChart whose settings the form loader can set by name.
#pragma once

#include "chart/panel/TCustomChart.h"

namespace rna::chart {

class TChart : public TCustomChart {
    Q_OBJECT
public:
    explicit TChart(QWidget* parent = nullptr) : TCustomChart(parent) {}
};

}  // namespace rna::chart
