// The title of an axis: caption, angle and font; drawn in the axis' title band.
#pragma once

#include "chart/canvas/TChartFont.h"

#include <QString>

namespace rna::chart {

class TCustomChartAxis;

class TChartAxisTitle {
public:
    explicit TChartAxisTitle(TCustomChartAxis& axis);
    TChartAxisTitle(const TChartAxisTitle&) = delete;
    TChartAxisTitle& operator=(const TChartAxisTitle&) = delete;

    TCustomChartAxis& Axis() const { return axis_; }

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& value);
    int Angle() const { return angle_; }
    // Outside 0 .. 359 throws ChartException and keeps the old angle.
    void SetAngle(int value);
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }

    void Assign(const TChartAxisTitle& source);

private:
    TCustomChartAxis& axis_;
    QString caption_;
    int angle_ = 0;
    TChartFont font_;
};

}  // namespace rna::chart
