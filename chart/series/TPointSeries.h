// A series drawn as markers only, without segments.
#pragma once

#include "chart/series/TCustomSeries.h"

namespace rna::chart {

class TPointSeries : public TCustomSeries {
    Q_OBJECT

public:
    explicit TPointSeries(QObject* parent = nullptr);

    // A point series keeps its markers and never draws segments.
    void Assign(const TChartSeries& source) override;
};

}  // namespace rna::chart
