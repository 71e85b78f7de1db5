// The title of an axis: caption, angle and font; drawn in the axis' title band.
#pragma once

#include "chart/canvas/TChartFont.h"
#include "chart/core/ChangeNotifier.h"

#include <QString>

namespace rna::chart {

class TChartAxisTitle {
public:
    // onChange: the axis' ChangeNotify, for the caption, the angle and the font.
    explicit TChartAxisTitle(const TNotifyChange& onChange) : font_(onChange), changes_(onChange) {}
    TChartAxisTitle(const TChartAxisTitle&) = delete;
    TChartAxisTitle& operator=(const TChartAxisTitle&) = delete;

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& value) { changes_.Store(caption_, value); }
    int Angle() const { return angle_; }
    // Outside 0 .. 359 throws ChartException and keeps the old angle.
    void SetAngle(int value);
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }

    void Assign(const TChartAxisTitle& source);

private:
    QString caption_;
    int angle_ = 0;
    TChartFont font_;
    ChangeNotifier changes_;
};

}  // namespace rna::chart
