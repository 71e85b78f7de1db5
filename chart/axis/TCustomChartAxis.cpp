#include "chart/axis/TCustomChartAxis.h"

#include "chart/axis/AxisHost.h"
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

TCustomChartAxis::TCustomChartAxis(AxisHost* chart) : chart_(chart)
{
    scale_.Horizontal = false;  // the chart marks its bottom and top axes horizontal
}

void TCustomChartAxis::ChangeNotify() const
{
    if (chart_ != nullptr)
        chart_->ChangeNotify();
}

bool TCustomChartAxis::ChartLoading() const
{
    return chart_ != nullptr && chart_->IsLoading();
}

void TCustomChartAxis::SetDefaultTitleAngle(int angle)
{
    defaultTitleAngle_ = angle;
    title_.SetAngle(angle);
}

// --- range settings ---------------------------------------------------------------------------

void TCustomChartAxis::SetAutomatic(bool value)
{
    changes_.Store(automatic_, value, [&] {
        if (!ChartLoading()) {
            automaticMinimum_ = value;
            automaticMaximum_ = value;
        }
    });
}

// The two end flags keep Automatic true only while both ends follow the series.
void TCustomChartAxis::SetAutomaticMaximum(bool value)
{
    changes_.Store(automaticMaximum_, value, [&] {
        if (!value || automaticMinimum_)
            automatic_ = value;
    });
}

void TCustomChartAxis::SetAutomaticMinimum(bool value)
{
    changes_.Store(automaticMinimum_, value, [&] {
        if (!value || automaticMaximum_)
            automatic_ = value;
    });
}

void TCustomChartAxis::SetMaximum(double value)
{
    changes_.Store(maximum_, value, [&] {
        if (!ChartLoading() && !(value >= minimum_))
            throw AxisException("Axis Maximum Value must be >= Minimum");
    });
}

void TCustomChartAxis::SetMinimum(double value)
{
    changes_.Store(minimum_, value, [&] {
        if (!ChartLoading() && value > maximum_)
            throw AxisException("Axis Minimum Value must be <= Maximum");
    });
}

void TCustomChartAxis::SetIncrement(double value)
{
    changes_.Store(increment_, value, [&] {
        if (!(value >= 0))
            throw AxisException("Axis increment must be >= 0");
    });
}

void TCustomChartAxis::SetInverted(bool value)
{
    changes_.Store(scale_.Inverted, value);
}

void TCustomChartAxis::SetLogarithmic(bool value)
{
    changes_.Store(logarithmic_, value, [&] {
        if (value && isDateTime_)
            throw AxisException("DateTime Axis cannot be Logarithmic");
        if (value && (ResolvedEnd(false) < 0 || ResolvedEnd(true) < 0))
            throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
    });
}

void TCustomChartAxis::SetLogarithmicBase(int value)
{
    changes_.Store(logarithmicBase_, value, [&] {
        if (value < 2)
            throw AxisException("Axis Logarithmic Base should be >= 2");
    });
}

void TCustomChartAxis::SetRange(double low, double high)
{
    automatic_ = false;
    automaticMinimum_ = false;
    automaticMaximum_ = false;
    if (low > high)
        std::swap(low, high);
    changes_.Store(minimum_, low);
    changes_.Store(maximum_, high);
    if (maximum_ - minimum_ < 1e-10)
        changes_.Store(maximum_, minimum_ + 1e-10);
}

void TCustomChartAxis::Scroll(double offset)
{
    automatic_ = false;
    automaticMinimum_ = false;
    automaticMaximum_ = false;
    changes_.Store(maximum_, maximum_ + offset);
    changes_.Store(minimum_, minimum_ + offset);
}

// --- labels, lines, title, position -------------------------------------------------------------

void TCustomChartAxis::SetLabels(bool value)
{
    changes_.Store(labels_, value);
}

void TCustomChartAxis::SetLabelsAngle(int value)
{
    changes_.Store(labelsAngle_, value, [&] { CheckAngle(value, "Axis Labels"); });
}

void TCustomChartAxis::SetLabelsMultiLine(bool value)
{
    changes_.Store(labelsMultiLine_, value);
}
void TCustomChartAxis::SetLabelsOnAxis(bool value)
{
    changes_.Store(labelsOnAxis_, value);
}

void TCustomChartAxis::SetLabelsSeparation(int value)
{
    changes_.Store(labelsSeparation_, value, [&] {
        if (value < 0)
            throw AxisException("Labels Separation % must be greater than 0");
    });
}

void TCustomChartAxis::SetLabelsSize(int value)
{
    changes_.Store(labelsSize_, value);
}
void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle value)
{
    changes_.Store(labelStyle_, value);
}

// The pattern is parsed before it is stored; one that cannot be parsed keeps the old format.
void TCustomChartAxis::SetAxisValuesFormat(const QString& value)
{
    changes_.Store(axisValuesFormat_, value, [&] {
        const std::optional<AxisValueFormat> parsed = AxisValueFormat::Parse(value);
        if (!parsed)
            throw ChartException("Axis values format '" + value.toStdString() +
                                 "' is not supported: use only 0, #, ',' and '.'");
        valueFormat_ = *parsed;
        valueTexts_ = {};
    });
}

void TCustomChartAxis::SetDateTimeFormat(const QString& value)
{
    changes_.Store(dateTimeFormat_, value);
}
void TCustomChartAxis::SetExactDateTime(bool value)
{
    changes_.Store(exactDateTime_, value);
}
void TCustomChartAxis::SetRoundFirstLabel(bool value)
{
    changes_.Store(roundFirstLabel_, value);
}
void TCustomChartAxis::SetGridCentered(bool value)
{
    changes_.Store(gridCentered_, value);
}
void TCustomChartAxis::SetTickLength(int value)
{
    changes_.Store(tickLength_, value);
}
void TCustomChartAxis::SetTickInnerLength(int value)
{
    changes_.Store(tickInnerLength_, value);
}
void TCustomChartAxis::SetMinorTickLength(int value)
{
    changes_.Store(minorTickLength_, value);
}
void TCustomChartAxis::SetMinorTickCount(int value)
{
    changes_.Store(minorTickCount_, value);
}
void TCustomChartAxis::SetTickOnLabelsOnly(bool value)
{
    changes_.Store(tickOnLabelsOnly_, value);
}
void TCustomChartAxis::SetTitleSize(int value)
{
    changes_.Store(titleSize_, value);
}
void TCustomChartAxis::SetStartPosition(double value)
{
    changes_.Store(startPosition_, value);
}
void TCustomChartAxis::SetEndPosition(double value)
{
    changes_.Store(endPosition_, value);
}
void TCustomChartAxis::SetPositionPercent(double value)
{
    changes_.Store(positionPercent_, value);
}
void TCustomChartAxis::SetVisible(bool value)
{
    changes_.Store(visible_, value);
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

void TCustomChartAxis::PlaceAxisEnds(const Rect& plotRect)
{
    if (IsHorizontal())
        PlaceAxisEnds(plotRect.Left, plotRect.Width());
    else
        PlaceAxisEnds(plotRect.Top, plotRect.Height());
}

void TCustomChartAxis::PlaceAxisEnds(int s, int n)
{
    scale_.PlaceEnds(s, n, startPosition_, endPosition_);
    plotStart_ = s;
    plotLength_ = n;
}

void TCustomChartAxis::SetLayout(const LayoutState& state)
{
    scale_ = state.Scale;
    plotStart_ = state.PlotStart;
    plotLength_ = state.PlotLength;
    LabelsPos = state.LabelsPos;
    TitlePos = state.TitlePos;
    isDateTime_ = state.DateTime;
}

void TCustomChartAxis::ShrinkRangeByMargins(int startMargin, int endMargin)
{
    scale_.ShrinkRangeByMargins(startMargin, endMargin, plotStart_, plotLength_, startPosition_, endPosition_);
}

// --- labels -----------------------------------------------------------------------------------

int TCustomChartAxis::LabelSize(const TChartCanvas& canvas, const AxisScale& scale) const
{
    const QString high = FormatAxisLabel(scale.RangeHigh);
    const QString low = FormatAxisLabel(scale.RangeLow);
    const auto widest = [&] { return std::max(WidestLine(canvas, high), WidestLine(canvas, low)); };
    const auto tallest = [&] { return canvas.FontHeight() * std::max(LineCount(high), LineCount(low)); };
    if (IsHorizontal())
        return (labelsAngle_ == 90 || labelsAngle_ == 270) ? tallest() : widest();
    return (labelsAngle_ == 0 || labelsAngle_ == 180) ? tallest() : widest();
}

double TCustomChartAxis::LabelStep(const TChartCanvas& canvas, const AxisScale& scale) const
{
    const int limit = AxisLabelCountLimit(LabelSize(canvas, scale), labelsSeparation_, scale.PixelLength);
    return AxisLabelStep({scale.RangeSpan, increment_, labelsSeparation_, limit});
}

std::vector<double> TCustomChartAxis::LabelValues(double step, const AxisScale& scale) const
{
    return AxisLabelValues({scale.RangeLow, scale.RangeHigh, step, roundFirstLabel_});
}

QString TCustomChartAxis::ValueText(double value) const
{
    // Layout and drawing ask for the same few values again and again: each text is formatted once and kept
    // in a slot chosen by the value, until another value or other separators take the slot.
    const NumberSeparators separators = CurrentNumberSeparators();
    ValueTextEntry& entry = valueTexts_[std::hash<double>{}(value) % valueTexts_.size()];
    if (!entry.Text.isNull() && entry.Value == value && entry.Decimal == separators.Decimal &&
        entry.Thousand == separators.Thousand && std::signbit(entry.Value) == std::signbit(value))
        return entry.Text;
    entry = {value, separators.Decimal, separators.Thousand,
             valueFormat_.Format(value, QChar::fromLatin1(separators.Decimal), QChar::fromLatin1(separators.Thousand))};
    return entry.Text;
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

// --- what the chart tells about its series and its label events -------------------------------------

namespace {

constexpr double NextLabelTolerance = 1e-7;
constexpr int NextLabelLastIndex = 2000;

}  // namespace

double TCustomChartAxis::AutomaticValue(bool upper) const
{
    return chart_ != nullptr ? chart_->SeriesExtreme(*this, upper) : 0;
}

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const
{
    if (labelStyle_ != TAxisLabelStyle::talAuto)
        return labelStyle_;
    if (chart_ == nullptr)
        return IsDepth() ? TAxisLabelStyle::talText : TAxisLabelStyle::talNone;
    return chart_->AutomaticLabelStyle(*this);
}

void TCustomChartAxis::RefreshDateTime()
{
    isDateTime_ = chart_ != nullptr && chart_->SeriesDateTime(*this);
}

void TCustomChartAxis::CallGetAxisLabel(QString& text) const
{
    if (chart_ != nullptr)
        chart_->GetAxisLabel(const_cast<TCustomChartAxis&>(*this), text);
}

bool TCustomChartAxis::ForEachNextAxisLabel(const std::function<void(double)>& label)
{
    if (chart_ == nullptr || !chart_->HasNextAxisLabel())
        return false;
    double value = scale_.RangeLow;
    bool stop = true;
    for (int index = 0; index <= NextLabelLastIndex; ++index) {
        chart_->GetNextAxisLabel(*this, index, value, stop);
        if (stop)
            return index > 0;
        const bool inRange =
            value >= scale_.RangeLow - NextLabelTolerance && value <= scale_.RangeHigh + NextLabelTolerance;
        if (!inRange)
            break;
        label(value);
    }
    return true;
}

void TCustomChartAxis::ForEachPointLabel(const std::function<void(double, const QString&)>& label) const
{
    if (chart_ == nullptr)
        return;
    const bool marks = EffectiveLabelStyle() == TAxisLabelStyle::talMark;
    chart_->ForEachSeriesPoint(*this, [&](double value, const QString& pointLabel) {
        const QString text = marks ? FormatAxisLabel(value) : pointLabel;
        if (!text.isEmpty())
            label(value, text);
    });
}

int TCustomChartAxis::WidestPointLabel(const TChartCanvas& canvas) const
{
    int widest = 0;
    ForEachPointLabel([&](double, const QString& text) { widest = std::max(widest, canvas.TextWidthOf(text)); });
    return widest;
}

}  // namespace rna::chart
