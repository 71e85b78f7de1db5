#include "chart/loader/SeriesKinds.h"

#include "chart/loader/ChartPropertyTables.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "chart/series/TSeriesMarks.h"
#include "ui/ControlRegistry.h"
#include "ui/TForm.h"

namespace rna::chart {

using rna::ui::PropertyTable;
using rna::ui::PropertyValue;

namespace {

std::shared_ptr<const PropertyTable<TSeriesPointer>> PointerTable()
{
    auto t = std::make_shared<PropertyTable<TSeriesPointer>>();
    t->add("Visible", [](TSeriesPointer& p, const PropertyValue& v) { p.SetVisible(v.toBool()); })
        .add("HorizSize",
             [](TSeriesPointer& p, const PropertyValue& v) { ApplyChecked(v, [&] { p.SetHorizSize(v.toInt()); }); })
        .add("VertSize",
             [](TSeriesPointer& p, const PropertyValue& v) { ApplyChecked(v, [&] { p.SetVertSize(v.toInt()); }); })
        .add("InflateMargins", [](TSeriesPointer& p, const PropertyValue& v) { p.SetInflateMargins(v.toBool()); })
        .add("Dark3D", [](TSeriesPointer& p, const PropertyValue& v) { p.SetDark3D(v.toBool()); })
        .add("Draw3D", [](TSeriesPointer& p, const PropertyValue& v) { p.SetDraw3D(v.toBool()); })
        .add("Style",
             [](TSeriesPointer& p, const PropertyValue& v) {
                 using S = TSeriesPointerStyle;
                 p.SetStyle(v.toEnum<S>({{"psRectangle", S::psRectangle},
                                         {"psCircle", S::psCircle},
                                         {"psTriangle", S::psTriangle},
                                         {"psDownTriangle", S::psDownTriangle},
                                         {"psCross", S::psCross},
                                         {"psDiagCross", S::psDiagCross},
                                         {"psStar", S::psStar},
                                         {"psDiamond", S::psDiamond},
                                         {"psSmallDot", S::psSmallDot}}));
             })
        .nested<TChartPen>(
            "Pen", [](TSeriesPointer& p) -> TChartPen& { return p.Pen(); }, PenPropertyTable())
        .nested<TChartBrush>(
            "Brush", [](TSeriesPointer& p) -> TChartBrush& { return p.Brush(); }, BrushPropertyTable());
    return t;
}

std::shared_ptr<const PropertyTable<TSeriesMarks>> MarksTable()
{
    auto t = std::make_shared<PropertyTable<TSeriesMarks>>();
    t->add("Visible", [](TSeriesMarks& m, const PropertyValue& v) { m.SetVisible(v.toBool()); })
        .add("ArrowLength", [](TSeriesMarks& m, const PropertyValue& v) { m.SetArrowLength(v.toInt()); })
        .add("BackColor", [](TSeriesMarks& m, const PropertyValue& v) { m.SetBackColor(v.toColor()); })
        .add("Style",
             [](TSeriesMarks& m, const PropertyValue& v) {
                 using S = TSeriesMarksStyle;
                 m.SetStyle(v.toEnum<S>({{"smsValue", S::smsValue},
                                         {"smsPercent", S::smsPercent},
                                         {"smsLabel", S::smsLabel},
                                         {"smsLabelPercent", S::smsLabelPercent},
                                         {"smsLabelValue", S::smsLabelValue},
                                         {"smsLegend", S::smsLegend},
                                         {"smsPercentTotal", S::smsPercentTotal},
                                         {"smsLabelPercentTotal", S::smsLabelPercentTotal},
                                         {"smsXValue", S::smsXValue}}));
             })
        .nested<TChartPen>(
            "Arrow", [](TSeriesMarks& m) -> TChartPen& { return m.Arrow(); }, PenPropertyTable())
        .nested<TChartPen>(
            "Frame", [](TSeriesMarks& m) -> TChartPen& { return m.Frame(); }, PenPropertyTable());
    return t;
}

std::shared_ptr<const PropertyTable<TChartValueList>> ValueListTable()
{
    auto t = std::make_shared<PropertyTable<TChartValueList>>();
    t->add("Name", [](TChartValueList& l, const PropertyValue& v) { l.SetName(v.toString()); })
        .add("Multiplier", [](TChartValueList& l, const PropertyValue& v) { l.SetMultiplier(v.toDouble()); })
        .add("DateTime", [](TChartValueList& l, const PropertyValue& v) { l.SetDateTime(v.toBool()); })
        .add("ValueSource", [](TChartValueList& l, const PropertyValue& v) { l.SetValueSource(v.toString()); })
        .add("Order", [](TChartValueList& l, const PropertyValue& v) {
            using O = TChartListOrder;
            l.SetOrder(v.toEnum<O>(
                {{"loNone", O::loNone}, {"loAscending", O::loAscending}, {"loDescending", O::loDescending}}));
        });
    return t;
}

// The settings every series kind publishes.
PropertyTable<TChartSeries> SeriesTable()
{
    PropertyTable<TChartSeries> t;
    t.add("Active", [](TChartSeries& s, const PropertyValue& v) { s.SetActive(v.toBool()); })
        .add("ColorEachPoint", [](TChartSeries& s, const PropertyValue& v) { s.SetColorEachPoint(v.toBool()); })
        .add("SeriesColor", [](TChartSeries& s, const PropertyValue& v) { s.SetSeriesColor(v.toColor()); })
        .add("ShowInLegend", [](TChartSeries& s, const PropertyValue& v) { s.SetShowInLegend(v.toBool()); })
        .add("Title", [](TChartSeries& s, const PropertyValue& v) { s.SetTitle(v.toString()); })
        .add("Cursor", [](TChartSeries& s, const PropertyValue& v) { s.SetCursor(v.toInt()); })
        .add("ValueFormat", [](TChartSeries& s, const PropertyValue& v) { s.SetValueFormat(v.toString()); })
        .add("PercentFormat", [](TChartSeries& s, const PropertyValue& v) { s.SetPercentFormat(v.toString()); })
        .add("ColorSource", [](TChartSeries& s, const PropertyValue& v) { s.SetColorSource(v.toString()); })
        .add("XLabelsSource", [](TChartSeries& s, const PropertyValue& v) { s.SetXLabelsSource(v.toString()); })
        .add("HorizAxis",
             [](TChartSeries& s, const PropertyValue& v) {
                 using H = THorizAxis;
                 s.SetHorizAxis(v.toEnum<H>({{"aTopAxis", H::aTopAxis},
                                             {"aBottomAxis", H::aBottomAxis},
                                             {"aBothHorizAxis", H::aBothHorizAxis},
                                             {"aCustomHorizAxis", H::aCustomHorizAxis}}));
             })
        .add("VertAxis",
             [](TChartSeries& s, const PropertyValue& v) {
                 using V = TVertAxis;
                 s.SetVertAxis(v.toEnum<V>({{"aLeftAxis", V::aLeftAxis},
                                            {"aRightAxis", V::aRightAxis},
                                            {"aBothVertAxis", V::aBothVertAxis},
                                            {"aCustomVertAxis", V::aCustomVertAxis}}));
             })
        .nested<TSeriesMarks>(
            "Marks", [](TChartSeries& s) -> TSeriesMarks& { return s.Marks(); }, MarksTable())
        .nested<TChartValueList>(
            "XValues", [](TChartSeries& s) -> TChartValueList& { return s.XValues(); }, ValueListTable())
        .nested<TChartValueList>(
            "YValues", [](TChartSeries& s) -> TChartValueList& { return s.YValues(); }, ValueListTable());
    return t;
}

// What line and point series add: pen, markers, stairs.
PropertyTable<TCustomSeries> CustomSeriesTable()
{
    PropertyTable<TCustomSeries> t;
    t.inherit(SeriesTable());
    t.add("Stairs", [](TCustomSeries& s, const PropertyValue& v) { s.SetStairs(v.toBool()); })
        .add("InvertedStairs", [](TCustomSeries& s, const PropertyValue& v) { s.SetInvertedStairs(v.toBool()); })
        .add("LineHeight", [](TCustomSeries& s, const PropertyValue& v) { s.SetLineHeight(v.toInt()); })
        .add("Dark3D", [](TCustomSeries& s, const PropertyValue& v) { s.SetDark3D(v.toBool()); })
        .add("LineBrush", [](TCustomSeries& s, const PropertyValue& v) { s.SetLineBrush(BrushStyleProperty(v)); })
        .nested<TChartPen>(
            "LinePen", [](TCustomSeries& s) -> TChartPen& { return s.LinePen(); }, PenPropertyTable())
        .nested<TSeriesPointer>(
            "Pointer", [](TCustomSeries& s) -> TSeriesPointer& { return s.Pointer(); }, PointerTable());
    return t;
}

// A series entry lives inside its chart's entry: the window owns it, the chart draws it.
template <class S>
S* CreateSeries(const rna::ui::CreateContext& context)
{
    auto* series = new S(&context.form);
    if (auto* chart = qobject_cast<TCustomAxisPanel*>(&context.parent))
        series->SetParentChart(chart);
    return series;
}

}  // namespace

std::shared_ptr<const PropertyTable<TLineSeries>> LineSeriesPropertyTable()
{
    static const auto table = [] {
        auto t = std::make_shared<PropertyTable<TLineSeries>>();
        t->inherit(CustomSeriesTable());
        return std::shared_ptr<const PropertyTable<TLineSeries>>(t);
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TPointSeries>> PointSeriesPropertyTable()
{
    static const auto table = [] {
        auto t = std::make_shared<PropertyTable<TPointSeries>>();
        t->inherit(CustomSeriesTable());
        return std::shared_ptr<const PropertyTable<TPointSeries>>(t);
    }();
    return table;
}

void RegisterSeriesKinds(rna::ui::ControlRegistry& registry)
{
    registry.add(rna::ui::ControlKindBuilder<TLineSeries>("TLineSeries")
                     .create(&CreateSeries<TLineSeries>)
                     .properties(LineSeriesPropertyTable())
                     .build());
    registry.add(rna::ui::ControlKindBuilder<TPointSeries>("TPointSeries")
                     .create(&CreateSeries<TPointSeries>)
                     .properties(PointSeriesPropertyTable())
                     .build());
}

}  // namespace rna::chart
