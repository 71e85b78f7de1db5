#include "chart/loader/ChartRegistration.h"

#include "chart/axis/TChartAxis.h"
#include "chart/axis/TChartDepthAxis.h"
#include "chart/loader/AxisPropertyTable.h"
#include "chart/loader/ChartPropertyTables.h"
#include "chart/loader/SeriesKinds.h"
#include "chart/panel/TChart.h"
#include "ui/ControlRegistry.h"
#include "ui/TForm.h"

namespace rna::chart {

using ui::PropertyTable;
using ui::PropertyValue;

namespace {

TBevelCut BevelOf(const PropertyValue& v)
{
    using B = TBevelCut;
    return v.toEnum<B>(
        {{"bvNone", B::bvNone}, {"bvLowered", B::bvLowered}, {"bvRaised", B::bvRaised}, {"bvSpace", B::bvSpace}});
}

void AddControlProperties(PropertyTable<TChart>& t)
{
    t.add("Visible", [](TChart& c, const PropertyValue& v) { c.setVisible(v.toBool()); })
        .add("Enabled", [](TChart& c, const PropertyValue& v) { c.setEnabled(v.toBool()); })
        .add("Tag", [](TChart&, const PropertyValue& v) { v.toInt(); })
        .add("Hint", [](TChart& c, const PropertyValue& v) { c.setToolTip(v.toString()); })
        .add("ShowHint", [](TChart&, const PropertyValue& v) { v.toBool(); })
        .add("ParentShowHint", [](TChart&, const PropertyValue& v) { v.toBool(); })
        .add("ParentColor", [](TChart&, const PropertyValue& v) { v.toBool(); })
        .add("TabStop",
             [](TChart& c, const PropertyValue& v) { c.setFocusPolicy(v.toBool() ? Qt::StrongFocus : Qt::NoFocus); })
        .add("TabOrder", [](TChart& c, const PropertyValue& v) {
            if (auto* form = qobject_cast<ui::TForm*>(c.window()))
                form->setTabOrderOf(&c, v.toInt());
        });
}

void AddPanelProperties(PropertyTable<TChart>& t)
{
    using P = TPanningMode;
    using M = TChartBackImageMode;
    t.add("Color", [](TChart& c, const PropertyValue& v) { c.SetColor(v.toColor()); })
        .add("BevelOuter", [](TChart& c, const PropertyValue& v) { c.SetBevelOuter(BevelOf(v)); })
        .add("BevelInner", [](TChart& c, const PropertyValue& v) { c.SetBevelInner(BevelOf(v)); })
        .add("BevelWidth", [](TChart& c, const PropertyValue& v) { c.SetBevelWidth(v.toInt()); })
        .add("BorderWidth", [](TChart& c, const PropertyValue& v) { c.SetBorderWidth(v.toInt()); })
        .add("MarginLeft", [](TChart& c, const PropertyValue& v) { c.SetMarginLeft(v.toInt()); })
        .add("MarginTop", [](TChart& c, const PropertyValue& v) { c.SetMarginTop(v.toInt()); })
        .add("MarginRight", [](TChart& c, const PropertyValue& v) { c.SetMarginRight(v.toInt()); })
        .add("MarginBottom", [](TChart& c, const PropertyValue& v) { c.SetMarginBottom(v.toInt()); })
        .add("View3D", [](TChart& c, const PropertyValue& v) { c.SetView3D(v.toBool()); })
        .add("View3DWalls", [](TChart& c, const PropertyValue& v) { c.SetView3DWalls(v.toBool()); })
        .add("Chart3DPercent",
             [](TChart& c, const PropertyValue& v) { ApplyChecked(v, [&] { c.SetChart3DPercent(v.toInt()); }); })
        .add("Monochrome", [](TChart& c, const PropertyValue& v) { c.SetMonochrome(v.toBool()); })
        .add("PrintProportional", [](TChart& c, const PropertyValue& v) { c.SetPrintProportional(v.toBool()); })
        .add("BackImage", [](TChart& c, const PropertyValue& v) { c.SetBackImage(v.toPicture()); })
        .add("BackImageInside", [](TChart& c, const PropertyValue& v) { c.SetBackImageInside(v.toBool()); })
        .add("BackImageMode",
             [](TChart& c, const PropertyValue& v) {
                 c.SetBackImageMode(v.toEnum<M>(
                     {{"pbmStretch", M::pbmStretch}, {"pbmTile", M::pbmTile}, {"pbmCenter", M::pbmCenter}}));
             })
        .add("AllowZoom", [](TChart& c, const PropertyValue& v) { c.SetAllowZoom(v.toBool()); })
        .add("AnimatedZoom", [](TChart& c, const PropertyValue& v) { c.SetAnimatedZoom(v.toBool()); })
        .add("AnimatedZoomSteps", [](TChart& c, const PropertyValue& v) { c.SetAnimatedZoomSteps(v.toInt()); })
        .add("AllowPanning",
             [](TChart& c, const PropertyValue& v) {
                 c.SetAllowPanning(v.toEnum<P>({{"pmNone", P::pmNone},
                                                {"pmHorizontal", P::pmHorizontal},
                                                {"pmVertical", P::pmVertical},
                                                {"pmBoth", P::pmBoth}}));
             })
        .nested<TChartGradient>(
            "Gradient", [](TChart& c) -> TChartGradient& { return c.Gradient(); }, GradientPropertyTable())
        .nested<TView3DOptions>(
            "View3DOptions", [](TChart& c) -> TView3DOptions& { return c.View3DOptions(); },
            View3DOptionsPropertyTable());
}

void AddChartProperties(PropertyTable<TChart>& t)
{
    t.add("AxisVisible", [](TChart& c, const PropertyValue& v) { c.SetAxisVisible(v.toBool()); })
        .add("ClipPoints", [](TChart& c, const PropertyValue& v) { c.SetClipPoints(v.toBool()); })
        .add("MaxPointsPerPage",
             [](TChart& c, const PropertyValue& v) { ApplyChecked(v, [&] { c.SetMaxPointsPerPage(v.toInt()); }); })
        .add("Page", [](TChart& c, const PropertyValue& v) { c.SetPage(v.toInt()); })
        .add("ScaleLastPage", [](TChart& c, const PropertyValue& v) { c.SetScaleLastPage(v.toBool()); })
        .add("BackColor", [](TChart& c, const PropertyValue& v) { c.SetBackColor(v.toColor()); })
        .nested<TChartPen>(
            "Frame", [](TChart& c) -> TChartPen& { return c.Frame(); }, PenPropertyTable())
        .nested<TChartTitle>(
            "Title", [](TChart& c) -> TChartTitle& { return c.Title(); }, TitlePropertyTable())
        .nested<TChartTitle>(
            "Foot", [](TChart& c) -> TChartTitle& { return c.Foot(); }, TitlePropertyTable())
        .nested<TChartWall>(
            "BackWall", [](TChart& c) -> TChartWall& { return c.BackWall(); }, WallPropertyTable())
        .nested<TChartWall>(
            "LeftWall", [](TChart& c) -> TChartWall& { return c.LeftWall(); }, WallPropertyTable())
        .nested<TChartWall>(
            "BottomWall", [](TChart& c) -> TChartWall& { return c.BottomWall(); }, WallPropertyTable())
        .nested<TChartLegend>(
            "Legend", [](TChart& c) -> TChartLegend& { return c.Legend(); }, LegendPropertyTable());
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
                     .bounds([](TChart& chart, const QRect& rect) { chart.setGeometry(rect); })
                     .loaded([](TChart& chart) { chart.SetLoading(false); })
                     .build());
    RegisterSeriesKinds(registry);
}

void RegisterChartKinds()
{
    RegisterChartKinds(ui::ControlRegistry::global());
}

}  // namespace rna::chart
