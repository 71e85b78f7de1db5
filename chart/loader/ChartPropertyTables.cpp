#include "chart/loader/ChartPropertyTables.h"

#include "chart/canvas/TChartGradient.h"
#include "chart/loader/ChartEnumNames.h"
#include "chart/panel/TChartLegend.h"
#include "chart/panel/TChartTitle.h"
#include "chart/panel/TChartWall.h"
#include "chart/panel/TView3DOptions.h"

namespace rna::chart {

using ui::PropertyTable;
using ui::PropertyValue;

ui::TFont DescribedFont(const TChartFont& font)
{
    ui::TFont described;
    described.name = font.Name();
    described.height = font.Height();
    described.color = font.Color();
    described.charset = ui::TFontCharset(font.Charset());
    described.bold = (font.Style() & fsBold) != 0;
    described.italic = (font.Style() & fsItalic) != 0;
    described.underline = (font.Style() & fsUnderline) != 0;
    described.strikeOut = (font.Style() & fsStrikeOut) != 0;
    return described;
}

void ApplyDescribedFont(TChartFont& font, const ui::TFont& described)
{
    font.SetName(described.name);
    font.SetHeight(described.height);
    font.SetColor(described.color);
    font.SetCharset(int(described.charset));
    font.SetStyle((described.bold ? fsBold : 0u) | (described.italic ? fsItalic : 0u) |
                  (described.underline ? fsUnderline : 0u) | (described.strikeOut ? fsStrikeOut : 0u));
}

std::shared_ptr<const PropertyTable<TChartPen>> PenPropertyTable()
{
    static const auto table = [] {
        auto t = std::make_shared<PropertyTable<TChartPen>>();
        t->add("Color", &TChartPen::SetColor)
            .add("Mode", &TChartPen::SetMode)
            .add("Style", &TChartPen::SetStyle)
            .add("Width", &TChartPen::SetWidth)
            .add("Visible", &TChartPen::SetVisible)
            .add("SmallDots", &TChartPen::SetSmallDots);
        return t;
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TChartBrush>> BrushPropertyTable()
{
    static const auto table = [] {
        auto t = std::make_shared<PropertyTable<TChartBrush>>();
        t->add("Color", &TChartBrush::SetColor).add("Style", &TChartBrush::SetStyle);
        return t;
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TChartTitle>> TitlePropertyTable()
{
    static const auto table = [] {
        using T = TChartTitle;
        auto t = std::make_shared<PropertyTable<T>>();
        t->text("Text", &T::SetText)
            .add("Visible", &T::SetVisible)
            .add("Alignment", &T::SetAlignment)
            .add("Color", &T::SetColor)
            .add("AdjustFrame", &T::SetAdjustFrame)
            .nested<TChartBrush>(
                "Brush", [](T& title) -> TChartBrush& { return title.Brush(); }, BrushPropertyTable())
            .nested<TChartPen>(
                "Frame", [](T& title) -> TChartPen& { return title.Frame(); }, PenPropertyTable());
        AddFont<T>(*t, "Font", &T::Font);
        return t;
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TChartWall>> WallPropertyTable()
{
    static const auto table = [] {
        using W = TChartWall;
        auto t = std::make_shared<PropertyTable<W>>();
        t->add("Color", &W::SetColor)
            .add("Dark3D", &W::SetDark3D)
            .add("Size", &W::SetSize)
            .nested<TChartBrush>(
                "Brush", [](W& wall) -> TChartBrush& { return wall.Brush(); }, BrushPropertyTable())
            .nested<TChartPen>(
                "Pen", [](W& wall) -> TChartPen& { return wall.Pen(); }, PenPropertyTable());
        return t;
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TChartLegend>> LegendPropertyTable()
{
    static const auto table = [] {
        using L = TChartLegend;
        auto t = std::make_shared<PropertyTable<L>>();
        t->add("Visible", &L::SetVisible).add("Alignment", &L::SetAlignment);
        AddFont<L>(*t, "Font", &L::Font);
        return t;
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TChartGradient>> GradientPropertyTable()
{
    static const auto table = [] {
        using G = TChartGradient;
        auto t = std::make_shared<PropertyTable<G>>();
        t->add("Visible", &G::SetVisible)
            .add("StartColor", &G::SetStartColor)
            .add("EndColor", &G::SetEndColor)
            .add("Direction", &G::SetDirection);
        return t;
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TView3DOptions>> View3DOptionsPropertyTable()
{
    static const auto table = [] {
        using O = TView3DOptions;
        auto t = std::make_shared<PropertyTable<O>>();
        t->add("Elevation", &O::SetElevation)
            .add("HorizOffset", &O::SetHorizOffset)
            .add("Orthogonal", &O::SetOrthogonal)
            .add("Perspective", &O::SetPerspective)
            .add("Rotation", &O::SetRotation)
            .add("Tilt", &O::SetTilt)
            .add("VertOffset", &O::SetVertOffset)
            .add("Zoom", &O::SetZoom)
            .add("ZoomText", &O::SetZoomText);
        return t;
    }();
    return table;
}

}  // namespace rna::chart
