// A series drawn as a polyline through its points, markers hidden unless asked for.
#pragma once

#include "chart/series/TCustomSeries.h"

namespace rna::chart {

class TLineSeries : public TCustomSeries {
    Q_OBJECT

public:
    explicit TLineSeries(QObject* parent = nullptr);

    // From a series of another kind the markers are hidden; a line series always draws its line.
    void Assign(const TChartSeries& source) override;
};

}  // namespace rna::chart
