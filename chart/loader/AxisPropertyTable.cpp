#include "chart/loader/AxisPropertyTable.h"

#include "chart/axis/TCustomChartAxis.h"
#include "chart/loader/ChartPropertyTables.h"

namespace rna::chart {

using rna::ui::PropertyTable;
using rna::ui::PropertyValue;

namespace {

std::shared_ptr<const PropertyTable<TChartAxisTitle>> TitleTable()
{
    auto t = std::make_shared<PropertyTable<TChartAxisTitle>>();
    t->add("Caption", [](TChartAxisTitle& a, const PropertyValue& v) { a.SetCaption(v.toString()); })
        .add("Angle",
             [](TChartAxisTitle& a, const PropertyValue& v) { ApplyChecked(v, [&] { a.SetAngle(v.toInt()); }); })
        .add("Font", [](TChartAxisTitle& a, const PropertyValue& v) { ApplyFontProperty(a.Font(), v); });
    return t;
}

using Axis = TCustomChartAxis;

template <class P>
void AddPen(PropertyTable<Axis>& t, const char* name, P& (Axis::*pen)())
{
    static const auto pens = PenPropertyTable();
    t.nested<TChartPen>(
        name, [pen](Axis& a) -> TChartPen& { return (a.*pen)(); }, pens);
}

void AddRange(PropertyTable<Axis>& t)
{
    t.add("Automatic", [](Axis& a, const PropertyValue& v) { a.SetAutomatic(v.toBool()); })
        .add("AutomaticMaximum", [](Axis& a, const PropertyValue& v) { a.SetAutomaticMaximum(v.toBool()); })
        .add("AutomaticMinimum", [](Axis& a, const PropertyValue& v) { a.SetAutomaticMinimum(v.toBool()); })
        .add("Maximum", [](Axis& a, const PropertyValue& v) { ApplyChecked(v, [&] { a.SetMaximum(v.toDouble()); }); })
        .add("Minimum", [](Axis& a, const PropertyValue& v) { ApplyChecked(v, [&] { a.SetMinimum(v.toDouble()); }); })
        .add("Increment",
             [](Axis& a, const PropertyValue& v) { ApplyChecked(v, [&] { a.SetIncrement(v.toDouble()); }); })
        .add("Inverted", [](Axis& a, const PropertyValue& v) { a.SetInverted(v.toBool()); })
        .add("Logarithmic",
             [](Axis& a, const PropertyValue& v) { ApplyChecked(v, [&] { a.SetLogarithmic(v.toBool()); }); })
        .add("LogarithmicBase",
             [](Axis& a, const PropertyValue& v) { ApplyChecked(v, [&] { a.SetLogarithmicBase(v.toInt()); }); });
}

void AddLabels(PropertyTable<Axis>& t)
{
    t.add("Labels", [](Axis& a, const PropertyValue& v) { a.SetLabels(v.toBool()); })
        .add("LabelsAngle",
             [](Axis& a, const PropertyValue& v) { ApplyChecked(v, [&] { a.SetLabelsAngle(v.toInt()); }); })
        .add("LabelsFont", [](Axis& a, const PropertyValue& v) { ApplyFontProperty(a.LabelsFont(), v); })
        .add("LabelsMultiLine", [](Axis& a, const PropertyValue& v) { a.SetLabelsMultiLine(v.toBool()); })
        .add("LabelsOnAxis", [](Axis& a, const PropertyValue& v) { a.SetLabelsOnAxis(v.toBool()); })
        .add("LabelsSeparation",
             [](Axis& a, const PropertyValue& v) { ApplyChecked(v, [&] { a.SetLabelsSeparation(v.toInt()); }); })
        .add("LabelsSize", [](Axis& a, const PropertyValue& v) { a.SetLabelsSize(v.toInt()); })
        .add("LabelStyle",
             [](Axis& a, const PropertyValue& v) {
                 a.SetLabelStyle(v.toEnum<TAxisLabelStyle>({{"talAuto", TAxisLabelStyle::talAuto},
                                                            {"talNone", TAxisLabelStyle::talNone},
                                                            {"talValue", TAxisLabelStyle::talValue},
                                                            {"talMark", TAxisLabelStyle::talMark},
                                                            {"talText", TAxisLabelStyle::talText}}));
             })
        .add("AxisValuesFormat",
             [](Axis& a, const PropertyValue& v) { ApplyChecked(v, [&] { a.SetAxisValuesFormat(v.toString()); }); })
        .add("DateTimeFormat", [](Axis& a, const PropertyValue& v) { a.SetDateTimeFormat(v.toString()); })
        .add("ExactDateTime", [](Axis& a, const PropertyValue& v) { a.SetExactDateTime(v.toBool()); })
        .add("RoundFirstLabel", [](Axis& a, const PropertyValue& v) { a.SetRoundFirstLabel(v.toBool()); });
}

void AddLinesAndPlace(PropertyTable<Axis>& t)
{
    AddPen<TChartAxisPen>(t, "Axis", &Axis::Axis);
    AddPen<TDottedGrayPen>(t, "Grid", &Axis::Grid);
    AddPen<TChartHiddenPen>(t, "MinorGrid", &Axis::MinorGrid);
    AddPen<TDarkGrayPen>(t, "Ticks", &Axis::Ticks);
    AddPen<TDarkGrayPen>(t, "TicksInner", &Axis::TicksInner);
    AddPen<TDarkGrayPen>(t, "MinorTicks", &Axis::MinorTicks);
    t.add("GridCentered", [](Axis& a, const PropertyValue& v) { a.SetGridCentered(v.toBool()); })
        .add("TickLength", [](Axis& a, const PropertyValue& v) { a.SetTickLength(v.toInt()); })
        .add("TickInnerLength", [](Axis& a, const PropertyValue& v) { a.SetTickInnerLength(v.toInt()); })
        .add("MinorTickLength", [](Axis& a, const PropertyValue& v) { a.SetMinorTickLength(v.toInt()); })
        .add("MinorTickCount", [](Axis& a, const PropertyValue& v) { a.SetMinorTickCount(v.toInt()); })
        .add("TickOnLabelsOnly", [](Axis& a, const PropertyValue& v) { a.SetTickOnLabelsOnly(v.toBool()); })
        .add("TitleSize", [](Axis& a, const PropertyValue& v) { a.SetTitleSize(v.toInt()); })
        .add("StartPosition", [](Axis& a, const PropertyValue& v) { a.SetStartPosition(v.toDouble()); })
        .add("EndPosition", [](Axis& a, const PropertyValue& v) { a.SetEndPosition(v.toDouble()); })
        .add("PositionPercent", [](Axis& a, const PropertyValue& v) { a.SetPositionPercent(v.toDouble()); })
        .add("Visible", [](Axis& a, const PropertyValue& v) { a.SetVisible(v.toBool()); });
    t.nested<TChartAxisTitle>(
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
