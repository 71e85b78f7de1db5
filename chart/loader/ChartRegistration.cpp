#include "chart/loader/ChartRegistration.h"

#include "chart/axis/TChartAxis.h"
#include "chart/axis/TChartDepthAxis.h"
#include "chart/loader/AxisPropertyTable.h"
#include "chart/loader/ChartEnumNames.h"
#include "chart/loader/ChartPropertyTables.h"
#include "chart/loader/SeriesKinds.h"
#include "chart/panel/TChart.h"
#include "ui/CommonProperties.h"
#include "ui/ControlRegistry.h"
#include "ui/TForm.h"

namespace rna::chart {

using ui::PropertyTable;
using ui::PropertyValue;

namespace {

// A chart takes the focus only by Tab (when TabStop is on), never by a click: clicks zoom and pan.
void AddControlProperties(PropertyTable<TChart>& t)
{
    ui::addWindowedControlProperties(t, ui::ClickFocus::No);
    t.ignore("ParentColor");
}

void AddPanelProperties(PropertyTable<TChart>& t)
{
    using C = TChart;
    t.add("Color", &C::SetColor)
        .add("BevelOuter", &C::SetBevelOuter)
        .add("BevelInner", &C::SetBevelInner)
        .add("BevelWidth", &C::SetBevelWidth)
        .add("BorderWidth", &C::SetBorderWidth)
        .add("MarginLeft", &C::SetMarginLeft)
        .add("MarginTop", &C::SetMarginTop)
        .add("MarginRight", &C::SetMarginRight)
        .add("MarginBottom", &C::SetMarginBottom)
        .add("View3D", &C::SetView3D)
        .add("View3DWalls", &C::SetView3DWalls)
        .add("Chart3DPercent", &C::SetChart3DPercent)
        .add("Monochrome", &C::SetMonochrome)
        .add("PrintProportional", &C::SetPrintProportional)
        .add("BackImage", &C::SetBackImage)
        .add("BackImageInside", &C::SetBackImageInside)
        .add("BackImageMode", &C::SetBackImageMode)
        .add("AllowZoom", &C::SetAllowZoom)
        .add("AnimatedZoom", &C::SetAnimatedZoom)
        .add("AnimatedZoomSteps", &C::SetAnimatedZoomSteps)
        .add("AllowPanning", &C::SetAllowPanning)
        .nested<TChartGradient>(
            "Gradient", [](C& c) -> TChartGradient& { return c.Gradient(); }, GradientPropertyTable())
        .nested<TView3DOptions>(
            "View3DOptions", [](C& c) -> TView3DOptions& { return c.View3DOptions(); }, View3DOptionsPropertyTable());
}

void AddChartProperties(PropertyTable<TChart>& t)
{
    using C = TChart;
    t.add("AxisVisible", &C::SetAxisVisible)
        .add("ClipPoints", &C::SetClipPoints)
        .add("MaxPointsPerPage", &C::SetMaxPointsPerPage)
        .add("Page", &C::SetPage)
        .add("ScaleLastPage", &C::SetScaleLastPage)
        .add("BackColor", &C::SetBackColor)
        .nested<TChartPen>(
            "Frame", [](C& c) -> TChartPen& { return c.Frame(); }, PenPropertyTable())
        .nested<TChartTitle>(
            "Title", [](C& c) -> TChartTitle& { return c.Title(); }, TitlePropertyTable())
        .nested<TChartTitle>(
            "Foot", [](C& c) -> TChartTitle& { return c.Foot(); }, TitlePropertyTable())
        .nested<TChartWall>(
            "BackWall", [](C& c) -> TChartWall& { return c.BackWall(); }, WallPropertyTable())
        .nested<TChartWall>(
            "LeftWall", [](C& c) -> TChartWall& { return c.LeftWall(); }, WallPropertyTable())
        .nested<TChartWall>(
            "BottomWall", [](C& c) -> TChartWall& { return c.BottomWall(); }, WallPropertyTable())
        .nested<TChartLegend>(
            "Legend", [](C& c) -> TChartLegend& { return c.Legend(); }, LegendPropertyTable());
}

void AddAxisProperties(PropertyTable<TChart>& t)
{
    using A = TCustomChartAxis;
    t.nested<A>(
         "BottomAxis", [](TChart& c) -> A& { return *c.BottomAxis(); }, AxisPropertyTable())
        .nested<A>(
            "TopAxis", [](TChart& c) -> A& { return *c.TopAxis(); }, AxisPropertyTable())
        .nested<A>(
            "LeftAxis", [](TChart& c) -> A& { return *c.LeftAxis(); }, AxisPropertyTable())
        .nested<A>(
            "RightAxis", [](TChart& c) -> A& { return *c.RightAxis(); }, AxisPropertyTable())
        .nested<A>(
            "DepthAxis", [](TChart& c) -> A& { return *c.DepthAxis(); }, AxisPropertyTable());
}

TChart* CreateChart(const ui::CreateContext& context)
{
    auto* chart = new TChart(qobject_cast<QWidget*>(&context.parent));
    chart->setObjectName(context.name);
    chart->SetLoading(true);
    return chart;
}

}  // namespace

std::shared_ptr<const PropertyTable<TChart>> ChartPropertyTable()
{
    static const auto table = [] {
        auto t = std::make_shared<PropertyTable<TChart>>();
        AddControlProperties(*t);
        AddPanelProperties(*t);
        AddChartProperties(*t);
        AddAxisProperties(*t);
        return t;
    }();
    return table;
}

void RegisterChartKinds(ui::ControlRegistry& registry)
{
    registry.add(ui::ControlKindBuilder<TChart>("TChart")
                     .create(&CreateChart)
                     .properties(ChartPropertyTable())
                     .loaded([](TChart& chart) { chart.SetLoading(false); })
                     .build());
    RegisterSeriesKinds(registry);
}

void RegisterChartKinds()
{
    RegisterChartKinds(ui::ControlRegistry::global());
}

}  // namespace rna::chart
