#include "chart/axis/TCustomChartAxis.h"

#include "chart/axis/AxisSettingChecks.h"
#include "chart/axis/AxisText.h"
#include "chart/canvas/TChartCanvas.h"
#include "chart/core/AxisException.h"
#include "chart/scale/AxisLabelStep.h"
#include "chart/scale/AxisLabelValues.h"
#include "chart/scale/NumberSeparators.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace rna::chart {

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel* chart) : chart_(chart)
{
    scale_.Horizontal = false;  // the chart marks its bottom and top axes horizontal
}

template <class T>
void TCustomChartAxis::Store(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetDefaultTitleAngle(int angle)
{
    defaultTitleAngle_ = angle;
    title_.SetAngle(angle);
}

// --- range settings ---------------------------------------------------------------------------

void TCustomChartAxis::SetAutomatic(bool value)
{
    if (value == automatic_)
        return;
    automatic_ = value;
    if (!ChartLoading()) {
        automaticMinimum_ = value;
        automaticMaximum_ = value;
    }
    ScheduleRedraw();
}

// The two end flags keep Automatic true only while both ends follow the series.
void TCustomChartAxis::SetAutomaticMaximum(bool value)
{
    if (value == automaticMaximum_)
        return;
    automaticMaximum_ = value;
    if (!value || automaticMinimum_)
        automatic_ = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetAutomaticMinimum(bool value)
{
    if (value == automaticMinimum_)
        return;
    automaticMinimum_ = value;
    if (!value || automaticMaximum_)
        automatic_ = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetMaximum(double value)
{
    if (value == maximum_)
        return;
    if (!ChartLoading() && !(value >= minimum_))
        throw AxisException("Axis Maximum Value must be >= Minimum");
    maximum_ = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetMinimum(double value)
{
    if (value == minimum_)
        return;
    if (!ChartLoading() && value > maximum_)
        throw AxisException("Axis Minimum Value must be <= Maximum");
    minimum_ = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetIncrement(double value)
{
    if (value == increment_)
        return;
    if (!(value >= 0))
        throw AxisException("Axis increment must be >= 0");
    increment_ = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetInverted(bool value)
{
    Store(scale_.Inverted, value);
}

void TCustomChartAxis::SetLogarithmic(bool value)
{
    if (value == logarithmic_)
        return;
    if (value && isDateTime_)
        throw AxisException("DateTime Axis cannot be Logarithmic");
    if (value && (ResolvedEnd(false) < 0 || ResolvedEnd(true) < 0))
        throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
    logarithmic_ = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetLogarithmicBase(int value)
{
    if (value == logarithmicBase_)
        return;
    if (value < 2)
        throw AxisException("Axis Logarithmic Base should be >= 2");
    logarithmicBase_ = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetRange(double low, double high)
{
    automatic_ = false;
    automaticMinimum_ = false;
    automaticMaximum_ = false;
    if (low > high)
        std::swap(low, high);
    Store(minimum_, low);
    Store(maximum_, high);
    if (maximum_ - minimum_ < 1e-10)
        Store(maximum_, minimum_ + 1e-10);
}

// --- labels, lines, title, position -------------------------------------------------------------

void TCustomChartAxis::SetLabels(bool value)
{
    Store(labels_, value);
}

void TCustomChartAxis::SetLabelsAngle(int value)
{
    if (value == labelsAngle_)
        return;
    CheckAngle(value, "Axis Labels");
    labelsAngle_ = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetLabelsMultiLine(bool value)
{
    Store(labelsMultiLine_, value);
}
void TCustomChartAxis::SetLabelsOnAxis(bool value)
{
    Store(labelsOnAxis_, value);
}

void TCustomChartAxis::SetLabelsSeparation(int value)
{
    if (value == labelsSeparation_)
        return;
    if (value < 0)
        throw AxisException("Labels Separation % must be greater than 0");
    labelsSeparation_ = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetLabelsSize(int value)
{
    Store(labelsSize_, value);
}
void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle value)
{
    Store(labelStyle_, value);
}

void TCustomChartAxis::SetAxisValuesFormat(const QString& value)
{
    if (value == axisValuesFormat_)
        return;
    const std::optional<TAxisValueFormat> parsed = TAxisValueFormat::Parse(value);
    if (!parsed)
        throw ChartException("Axis values format '" + value.toStdString() +
                             "' is not supported: use only 0, #, ',' and '.'");
    valueFormat_ = *parsed;
    axisValuesFormat_ = value;
    ScheduleRedraw();
}

void TCustomChartAxis::SetDateTimeFormat(const QString& value)
{
    Store(dateTimeFormat_, value);
}
void TCustomChartAxis::SetExactDateTime(bool value)
{
    Store(exactDateTime_, value);
}
void TCustomChartAxis::SetRoundFirstLabel(bool value)
{
    Store(roundFirstLabel_, value);
}
void TCustomChartAxis::SetGridCentered(bool value)
{
    Store(gridCentered_, value);
}
void TCustomChartAxis::SetTickLength(int value)
{
    Store(tickLength_, value);
}
void TCustomChartAxis::SetTickInnerLength(int value)
{
    Store(tickInnerLength_, value);
}
void TCustomChartAxis::SetMinorTickLength(int value)
{
    Store(minorTickLength_, value);
}
void TCustomChartAxis::SetMinorTickCount(int value)
{
    Store(minorTickCount_, value);
}
void TCustomChartAxis::SetTickOnLabelsOnly(bool value)
{
    Store(tickOnLabelsOnly_, value);
}
void TCustomChartAxis::SetTitleSize(int value)
{
    Store(titleSize_, value);
}
void TCustomChartAxis::SetStartPosition(double value)
{
    Store(startPosition_, value);
}
void TCustomChartAxis::SetEndPosition(double value)
{
    Store(endPosition_, value);
}
void TCustomChartAxis::SetPositionPercent(double value)
{
    Store(positionPercent_, value);
}
void TCustomChartAxis::SetVisible(bool value)
{
    Store(visible_, value);
}

// --- range in use -----------------------------------------------------------------------------

double TCustomChartAxis::ResolvedEnd(bool upper) const
{
    const bool automatic = automatic_ || (upper ? automaticMaximum_ : automaticMinimum_);
    if (automatic)
        return AutomaticValue(upper);
    return upper ? maximum_ : minimum_;
}

void TCustomChartAxis::ResolveRange()
{
    // Stored directly: the automatic ends never go through the range checks.
    if (automatic_ || automaticMaximum_)
        maximum_ = AutomaticValue(true);
    if (automatic_ || automaticMinimum_)
        minimum_ = AutomaticValue(false);
    scale_.SetRange(minimum_, maximum_);
}

void TCustomChartAxis::PlaceAxisEnds(int s, int n)
{
    scale_.PlaceEnds(s, n, startPosition_, endPosition_);
    plotStart_ = s;
    plotLength_ = n;
}

void TCustomChartAxis::ShrinkRangeByMargins(int startMargin, int endMargin)
{
    scale_.ShrinkRangeByMargins(startMargin, endMargin, plotStart_, plotLength_, startPosition_, endPosition_);
}

// --- labels -----------------------------------------------------------------------------------

int TCustomChartAxis::LabelSize(const TChartCanvas& canvas) const
{
    const QString high = FormatAxisLabel(scale_.RangeHigh);
    const QString low = FormatAxisLabel(scale_.RangeLow);
    const auto widest = [&] { return std::max(WidestLine(canvas, high), WidestLine(canvas, low)); };
    const auto tallest = [&] { return canvas.FontHeight() * std::max(LineCount(high), LineCount(low)); };
    if (IsHorizontal())
        return (labelsAngle_ == 90 || labelsAngle_ == 270) ? tallest() : widest();
    return (labelsAngle_ == 0 || labelsAngle_ == 180) ? tallest() : widest();
}

double TCustomChartAxis::LabelStep(const TChartCanvas& canvas) const
{
    const int limit = AxisLabelCountLimit(LabelSize(canvas), labelsSeparation_, scale_.PixelLength);
    return AxisLabelStep({scale_.RangeSpan, increment_, labelsSeparation_, limit});
}

std::vector<double> TCustomChartAxis::LabelValues(double step) const
{
    return AxisLabelValues({scale_.RangeLow, scale_.RangeHigh, step, roundFirstLabel_});
}

QString TCustomChartAxis::ValueText(double value) const
{
    const NumberSeparators separators = CurrentNumberSeparators();
    return valueFormat_.Format(value, QChar::fromLatin1(separators.decimal), QChar::fromLatin1(separators.thousand));
}

QString TCustomChartAxis::FormatAxisLabel(double value, bool withEvent) const
{
    QString text = ValueText(value);
    if (withEvent)
        CallGetAxisLabel(text);
    if (labelsMultiLine_)
        text.replace(QLatin1Char(' '), LineBreak);
    return text;
}

int TCustomChartAxis::LabelTextWidth(const TChartCanvas& canvas, double value, bool withEvent) const
{
    return WidestLine(canvas, FormatAxisLabel(value, withEvent));
}

int TCustomChartAxis::WidestLabel(const TChartCanvas& canvas) const
{
    switch (EffectiveLabelStyle()) {
    case TAxisLabelStyle::talValue: {
        double low = scale_.RangeLow;
        double high = scale_.RangeHigh;
        if (roundFirstLabel_ || (isDateTime_ && exactDateTime_)) {
            const double c = LabelStep(canvas);
            low = std::trunc(low / c) * c;
            high = std::trunc(high / c) * c;
        }
        return std::max(LabelTextWidth(canvas, low, false), LabelTextWidth(canvas, high, false)) +
               canvas.TextWidthOf(QStringLiteral(" "));
    }
    case TAxisLabelStyle::talMark:
    case TAxisLabelStyle::talText:
        return WidestPointLabel(canvas);
    default:
        return 0;
    }
}

}  // namespace rna::chart
