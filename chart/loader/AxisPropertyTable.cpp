#include "chart/loader/AxisPropertyTable.h"

#include "chart/axis/TCustomChartAxis.h"
#include "chart/loader/ChartEnumNames.h"
#include "chart/loader/ChartPropertyTables.h"

namespace rna::chart {

using rna::ui::PropertyTable;
using rna::ui::PropertyValue;

namespace {

std::shared_ptr<const PropertyTable<TChartAxisTitle>> TitleTable()
{
    auto t = std::make_shared<PropertyTable<TChartAxisTitle>>();
    t->text("Caption", &TChartAxisTitle::SetCaption).add("Angle", &TChartAxisTitle::SetAngle);
    AddFont<TChartAxisTitle>(*t, "Font", &TChartAxisTitle::Font);
    return t;
}

using Axis = TCustomChartAxis;

template <class P>
void AddPen(PropertyTable<Axis>& t, const char* name, P& (Axis::*pen)())
{
    t.nested<TChartPen>(
        name, [pen](Axis& a) -> TChartPen& { return (a.*pen)(); }, PenPropertyTable());
}

void AddRange(PropertyTable<Axis>& t)
{
    t.add("Automatic", &Axis::SetAutomatic)
        .add("AutomaticMaximum", &Axis::SetAutomaticMaximum)
        .add("AutomaticMinimum", &Axis::SetAutomaticMinimum)
        .add("Maximum", &Axis::SetMaximum)
        .add("Minimum", &Axis::SetMinimum)
        .add("Increment", &Axis::SetIncrement)
        .add("Inverted", &Axis::SetInverted)
        .add("Logarithmic", &Axis::SetLogarithmic)
        .add("LogarithmicBase", &Axis::SetLogarithmicBase);
}

void AddLabels(PropertyTable<Axis>& t)
{
    t.add("Labels", &Axis::SetLabels)
        .add("LabelsAngle", &Axis::SetLabelsAngle)
        .add("LabelsMultiLine", &Axis::SetLabelsMultiLine)
        .add("LabelsOnAxis", &Axis::SetLabelsOnAxis)
        .add("LabelsSeparation", &Axis::SetLabelsSeparation)
        .add("LabelsSize", &Axis::SetLabelsSize)
        .add("LabelStyle", &Axis::SetLabelStyle)
        .add("AxisValuesFormat", &Axis::SetAxisValuesFormat)
        .add("DateTimeFormat", &Axis::SetDateTimeFormat)
        .add("ExactDateTime", &Axis::SetExactDateTime)
        .add("RoundFirstLabel", &Axis::SetRoundFirstLabel);
    AddFont<Axis>(t, "LabelsFont", &Axis::LabelsFont);
}

void AddLinesAndPlace(PropertyTable<Axis>& t)
{
    AddPen<TChartAxisPen>(t, "Axis", &Axis::Axis);
    AddPen<TDottedGrayPen>(t, "Grid", &Axis::Grid);
    AddPen<TChartHiddenPen>(t, "MinorGrid", &Axis::MinorGrid);
    AddPen<TDarkGrayPen>(t, "Ticks", &Axis::Ticks);
    AddPen<TDarkGrayPen>(t, "TicksInner", &Axis::TicksInner);
    AddPen<TDarkGrayPen>(t, "MinorTicks", &Axis::MinorTicks);
    t.add("GridCentered", &Axis::SetGridCentered)
        .add("TickLength", &Axis::SetTickLength)
        .add("TickInnerLength", &Axis::SetTickInnerLength)
        .add("MinorTickLength", &Axis::SetMinorTickLength)
        .add("MinorTickCount", &Axis::SetMinorTickCount)
        .add("TickOnLabelsOnly", &Axis::SetTickOnLabelsOnly)
        .add("TitleSize", &Axis::SetTitleSize)
        .add("StartPosition", &Axis::SetStartPosition)
        .add("EndPosition", &Axis::SetEndPosition)
        .add("PositionPercent", &Axis::SetPositionPercent)
        .add("Visible", &Axis::SetVisible)
        .nested<TChartAxisTitle>(
            "Title", [](Axis& a) -> TChartAxisTitle& { return a.Title(); }, TitleTable());
}

}  // namespace

std::shared_ptr<const PropertyTable<TCustomChartAxis>> AxisPropertyTable()
{
    static const std::shared_ptr<const PropertyTable<Axis>> table = [] {
        auto t = std::make_shared<PropertyTable<Axis>>();
        AddRange(*t);
        AddLabels(*t);
        AddLinesAndPlace(*t);
        return t;
    }();
    return table;
}

}  // namespace rna::chart
