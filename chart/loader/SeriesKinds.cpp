#include "chart/loader/SeriesKinds.h"

#include "chart/loader/ChartEnumNames.h"
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
    using P = TSeriesPointer;
    auto t = std::make_shared<PropertyTable<P>>();
    t->add("Visible", &P::SetVisible)
        .add("HorizSize", &P::SetHorizSize)
        .add("VertSize", &P::SetVertSize)
        .add("InflateMargins", &P::SetInflateMargins)
        .add("Dark3D", &P::SetDark3D)
        .add("Draw3D", &P::SetDraw3D)
        .add("Style", &P::SetStyle)
        .nested<TChartPen>(
            "Pen", [](P& p) -> TChartPen& { return p.Pen(); }, PenPropertyTable())
        .nested<TChartBrush>(
            "Brush", [](P& p) -> TChartBrush& { return p.Brush(); }, BrushPropertyTable());
    return t;
}

std::shared_ptr<const PropertyTable<TSeriesMarks>> MarksTable()
{
    using M = TSeriesMarks;
    auto t = std::make_shared<PropertyTable<M>>();
    t->add("Visible", &M::SetVisible)
        .add("ArrowLength", &M::SetArrowLength)
        .add("BackColor", &M::SetBackColor)
        .add("Style", &M::SetStyle)
        .nested<TChartPen>(
            "Arrow", [](M& m) -> TChartPen& { return m.Arrow(); }, PenPropertyTable())
        .nested<TChartPen>(
            "Frame", [](M& m) -> TChartPen& { return m.Frame(); }, PenPropertyTable());
    return t;
}

std::shared_ptr<const PropertyTable<TChartValueList>> ValueListTable()
{
    using L = TChartValueList;
    auto t = std::make_shared<PropertyTable<L>>();
    t->add("Name", &L::SetName)
        .add("Multiplier", &L::SetMultiplier)
        .add("DateTime", &L::SetDateTime)
        .add("ValueSource", &L::SetValueSource)
        .add("Order", &L::SetOrder);
    return t;
}

// The settings every series kind publishes.
PropertyTable<TChartSeries> SeriesTable()
{
    using S = TChartSeries;
    PropertyTable<S> t;
    t.add("Active", &S::SetActive)
        .add("ColorEachPoint", &S::SetColorEachPoint)
        .add("SeriesColor", &S::SetSeriesColor)
        .add("ShowInLegend", &S::SetShowInLegend)
        .text("Title", &S::SetTitle)
        .add("Cursor", &S::SetCursor)
        .add("ValueFormat", &S::SetValueFormat)
        .add("PercentFormat", &S::SetPercentFormat)
        .add("ColorSource", &S::SetColorSource)
        .add("XLabelsSource", &S::SetXLabelsSource)
        .add("HorizAxis", &S::SetHorizAxis)
        .add("VertAxis", &S::SetVertAxis)
        .nested<TSeriesMarks>(
            "Marks", [](S& s) -> TSeriesMarks& { return s.Marks(); }, MarksTable())
        .nested<TChartValueList>(
            "XValues", [](S& s) -> TChartValueList& { return s.XValues(); }, ValueListTable())
        .nested<TChartValueList>(
            "YValues", [](S& s) -> TChartValueList& { return s.YValues(); }, ValueListTable());
    return t;
}

// What line and point series add: pen, markers, stairs.
PropertyTable<TCustomSeries> CustomSeriesTable()
{
    using S = TCustomSeries;
    PropertyTable<S> t;
    t.inherit(SeriesTable());
    t.add("Stairs", &S::SetStairs)
        .add("InvertedStairs", &S::SetInvertedStairs)
        .add("LineHeight", &S::SetLineHeight)
        .add("Dark3D", &S::SetDark3D)
        .add("LineBrush", &S::SetLineBrush)
        .nested<TChartPen>(
            "LinePen", [](S& s) -> TChartPen& { return s.LinePen(); }, PenPropertyTable())
        .nested<TSeriesPointer>(
            "Pointer", [](S& s) -> TSeriesPointer& { return s.Pointer(); }, PointerTable());
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
