// One chart axis: its published settings, the range in use and the value <-> pixel mapping.
#pragma once

#include "chart/axis/TChartAxisTitle.h"
#include "chart/canvas/TChartFont.h"
#include "chart/canvas/TChartPen.h"
#include "chart/core/ChangeNotifier.h"
#include "chart/core/ChartColor.h"
#include "chart/core/ChartGeometry.h"
#include "chart/scale/AxisScale.h"
#include "chart/scale/AxisValueFormat.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace rna::chart {

class AxisHost;
class TChartCanvas;

enum class TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

class TCustomChartAxis {
public:
    // `chart` may be null: an axis on its own has no series and no chart events.
    explicit TCustomChartAxis(AxisHost* chart);
    virtual ~TCustomChartAxis() = default;
    TCustomChartAxis(const TCustomChartAxis&) = delete;
    TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

    // Placement, fixed by the chart right after construction.
    bool IsHorizontal() const { return scale_.Horizontal; }
    void SetIsHorizontal(bool value) { scale_.Horizontal = value; }
    bool IsFarSide() const { return isFarSide_; }
    void SetIsFarSide(bool value) { isFarSide_ = value; }
    bool IsDepth() const { return isDepth_; }
    void SetIsDepth(bool value) { isDepth_ = value; }
    int DefaultTitleAngle() const { return defaultTitleAngle_; }
    void SetDefaultTitleAngle(int angle);  // also sets Title.Angle

    // --- range settings ---------------------------------------------------------------------
    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool value);
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool value);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double value);
    double Minimum() const { return minimum_; }
    void SetMinimum(double value);
    double Increment() const { return increment_; }
    void SetIncrement(double value);
    bool Inverted() const { return scale_.Inverted; }
    void SetInverted(bool value);
    bool Logarithmic() const { return logarithmic_; }
    void SetLogarithmic(bool value);
    int LogarithmicBase() const { return logarithmicBase_; }
    void SetLogarithmicBase(int value);
    // Both ends fixed at once (zoom, scroll): no range checks, swapped when low > high.
    void SetRange(double low, double high);
    // Both ends moved by offset (wheel scrolling): no range checks, the automatic switches turned off.
    void Scroll(double offset);

    // --- labels -----------------------------------------------------------------------------
    bool Labels() const { return labels_; }
    void SetLabels(bool value);
    int LabelsAngle() const { return labelsAngle_; }
    void SetLabelsAngle(int value);
    TChartFont& LabelsFont() { return labelsFont_; }
    const TChartFont& LabelsFont() const { return labelsFont_; }
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool value);
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool value);
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int value);
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int value);
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle value);
    const QString& AxisValuesFormat() const { return axisValuesFormat_; }
    // A pattern other than 0, #, ',' and '.' throws ChartException (a load error).
    void SetAxisValuesFormat(const QString& value);
    const QString& DateTimeFormat() const { return dateTimeFormat_; }
    void SetDateTimeFormat(const QString& value);
    bool ExactDateTime() const { return exactDateTime_; }
    void SetExactDateTime(bool value);
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool value);

    // --- lines and ticks --------------------------------------------------------------------
    TChartAxisPen& Axis() { return axisPen_; }
    const TChartAxisPen& Axis() const { return axisPen_; }
    TDottedGrayPen& Grid() { return grid_; }
    const TDottedGrayPen& Grid() const { return grid_; }
    bool GridCentered() const { return gridCentered_; }
    void SetGridCentered(bool value);
    TChartHiddenPen& MinorGrid() { return minorGrid_; }
    const TChartHiddenPen& MinorGrid() const { return minorGrid_; }
    TDarkGrayPen& Ticks() { return ticks_; }
    const TDarkGrayPen& Ticks() const { return ticks_; }
    int TickLength() const { return tickLength_; }
    void SetTickLength(int value);
    TDarkGrayPen& TicksInner() { return ticksInner_; }
    const TDarkGrayPen& TicksInner() const { return ticksInner_; }
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int value);
    TDarkGrayPen& MinorTicks() { return minorTicks_; }
    const TDarkGrayPen& MinorTicks() const { return minorTicks_; }
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value);
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int value);
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool value);

    // --- title and position -----------------------------------------------------------------
    TChartAxisTitle& Title() { return title_; }
    const TChartAxisTitle& Title() const { return title_; }
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int value);
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double value);
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double value);
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // --- range in use and mapping (fixed once per drawing) ----------------------------------
    const AxisScale& Scale() const { return scale_; }
    double RangeLow() const { return scale_.RangeLow; }
    double RangeHigh() const { return scale_.RangeHigh; }
    double RangeSpan() const { return scale_.RangeSpan; }
    int StartPixel() const { return scale_.StartPixel; }
    int EndPixel() const { return scale_.EndPixel; }
    int PixelLength() const { return scale_.PixelLength; }
    int CenterPixel() const { return scale_.CenterPixel; }
    int ValueToPixel(double value) const { return scale_.ValueToPixel(value); }
    double PixelToValue(int pixel) const { return scale_.PixelToValue(pixel); }

    // Fixed ends, or the series' extremes for automatic ends; then the range in use.
    void ResolveRange();
    // The pixel ends from the chart's final plotting rectangle.
    void PlaceAxisEnds(const Rect& plotRect);
    // Pixel ends inside an explicit plotting extent (s: first pixel, n: length).
    void PlaceAxisEnds(int s, int n);
    void ShrinkRangeByMargins(int startMargin, int endMargin);

    // Where the label band and the title band lie; fixed by each drawing's layout.
    int LabelsPos = 0;
    int TitlePos = 0;

    // Everything a chart's layout fixes on the axis, so that a drawing whose layout would fix the same
    // can put it back instead of working it out again.
    struct LayoutState {
        AxisScale Scale;
        int PlotStart = 0;
        int PlotLength = 0;
        int LabelsPos = 0;
        int TitlePos = 0;
        bool DateTime = false;
        friend bool operator==(const LayoutState&, const LayoutState&) = default;
    };
    LayoutState Layout() const { return {scale_, plotStart_, plotLength_, LabelsPos, TitlePos, isDateTime_}; }
    void SetLayout(const LayoutState& state);

    // --- labels: step, values, texts --------------------------------------------------------
    // The step between labels; label texts are measured in the canvas' current font. Over the axis' own range
    // in use and pixels, or over those a layout placed it at.
    double LabelStep(const TChartCanvas& canvas) const { return LabelStep(canvas, scale_); }
    double LabelStep(const TChartCanvas& canvas, const AxisScale& scale) const;
    // The label values of a value axis with this step, from the top down (over the given range in use).
    std::vector<double> LabelValues(double step) const { return LabelValues(step, scale_); }
    std::vector<double> LabelValues(double step, const AxisScale& scale) const;
    // Value text, then the chart's OnGetAxisLabel (when withEvent), then blanks to line breaks.
    QString FormatAxisLabel(double value, bool withEvent = true) const;
    TAxisLabelStyle EffectiveLabelStyle() const;
    // The text width a vertical axis reserves for its labels.
    int WidestLabel(const TChartCanvas& canvas) const;
    bool IsDateTime() const { return isDateTime_; }
    // True when the first active series drawn against this axis has date-time values along it.
    void RefreshDateTime();

    // The chart's OnGetNextAxisLabel, when assigned, supplies label values: each one in range is
    // passed to `label`. False when there is no handler or it stopped at once (then the
    // default sequence applies).
    bool ForEachNextAxisLabel(const std::function<void(double)>& label);
    // Labels taken from the series' points (talText: their labels, talMark: their values).
    void ForEachPointLabel(const std::function<void(double, const QString&)>& label) const;

    // Tells the chart that something about the axis changed (nothing without a chart).
    void ChangeNotify() const;

private:
    // True while the chart reads its layout description: the range checks are off.
    bool ChartLoading() const;
    double AutomaticValue(bool upper) const;
    // The end ResolveRange would give, without storing it.
    double ResolvedEnd(bool upper) const;
    int LabelSize(const TChartCanvas& canvas, const AxisScale& scale) const;
    int LabelTextWidth(const TChartCanvas& canvas, double value, bool withEvent) const;
    QString ValueText(double value) const;
    void CallGetAxisLabel(QString& text) const;
    int WidestPointLabel(const TChartCanvas& canvas) const;

    AxisHost* chart_ = nullptr;
    ChangeNotifier changes_{[this] { ChangeNotify(); }};
    AxisScale scale_;
    int plotStart_ = 0;  // the plotting extent the pixel ends were placed in
    int plotLength_ = 0;
    bool isFarSide_ = false;
    bool isDepth_ = false;
    int defaultTitleAngle_ = 0;
    bool isDateTime_ = false;

    bool automatic_ = true;
    bool automaticMaximum_ = true;
    bool automaticMinimum_ = true;
    double maximum_ = 0;
    double minimum_ = 0;
    double increment_ = 0;
    bool logarithmic_ = false;
    int logarithmicBase_ = 10;

    bool labels_ = true;
    int labelsAngle_ = 0;
    TChartFont labelsFont_{[this] { ChangeNotify(); }};
    bool labelsMultiLine_ = false;
    bool labelsOnAxis_ = true;
    int labelsSeparation_ = 10;
    int labelsSize_ = 0;
    TAxisLabelStyle labelStyle_ = TAxisLabelStyle::talAuto;
    QString axisValuesFormat_ = QString::fromLatin1(AxisValueFormat::DefaultPattern);
    AxisValueFormat valueFormat_;
    struct ValueTextEntry {
        double Value = 0;
        char Decimal = 0;
        char Thousand = 0;
        QString Text;  // null while the slot is unused
    };
    mutable std::array<ValueTextEntry, 32> valueTexts_;
    QString dateTimeFormat_;
    bool exactDateTime_ = true;
    bool roundFirstLabel_ = true;

    TChartAxisPen axisPen_{[this] { ChangeNotify(); }};
    TDottedGrayPen grid_{[this] { ChangeNotify(); }};
    bool gridCentered_ = false;
    TChartHiddenPen minorGrid_{[this] { ChangeNotify(); }};
    TDarkGrayPen ticks_{[this] { ChangeNotify(); }};
    int tickLength_ = 4;
    TDarkGrayPen ticksInner_{[this] { ChangeNotify(); }};
    int tickInnerLength_ = 0;
    TDarkGrayPen minorTicks_{[this] { ChangeNotify(); }};
    int minorTickLength_ = 2;
    int minorTickCount_ = 3;
    bool tickOnLabelsOnly_ = true;

    TChartAxisTitle title_{[this] { ChangeNotify(); }};
    int titleSize_ = 0;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;
    bool visible_ = true;
};

}  // namespace rna::chart
