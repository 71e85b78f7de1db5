#include "chart/loader/ChartPropertyTables.h"

#include "chart/canvas/TChartGradient.h"
#include "chart/panel/TChartLegend.h"
#include "chart/panel/TChartTitle.h"
#include "chart/panel/TChartWall.h"
#include "chart/panel/TView3DOptions.h"

namespace rna::chart {

using ui::PropertyTable;
using ui::PropertyValue;

namespace {

TPenStyle PenStyleOf(const PropertyValue& v)
{
    using S = TPenStyle;
    return v.toEnum<S>({{"psSolid", S::psSolid},
                        {"psDash", S::psDash},
                        {"psDot", S::psDot},
                        {"psDashDot", S::psDashDot},
                        {"psDashDotDot", S::psDashDotDot},
                        {"psClear", S::psClear},
                        {"psInsideFrame", S::psInsideFrame}});
}

TPenMode PenModeOf(const PropertyValue& v)
{
    using M = TPenMode;
    return v.toEnum<M>({{"pmBlack", M::pmBlack},
                        {"pmWhite", M::pmWhite},
                        {"pmNop", M::pmNop},
                        {"pmNot", M::pmNot},
                        {"pmCopy", M::pmCopy},
                        {"pmNotCopy", M::pmNotCopy},
                        {"pmMergePenNot", M::pmMergePenNot},
                        {"pmMaskPenNot", M::pmMaskPenNot},
                        {"pmMergeNotPen", M::pmMergeNotPen},
                        {"pmMaskNotPen", M::pmMaskNotPen},
                        {"pmMerge", M::pmMerge},
                        {"pmNotMerge", M::pmNotMerge},
                        {"pmMask", M::pmMask},
                        {"pmNotMask", M::pmNotMask},
                        {"pmXor", M::pmXor},
                        {"pmNotXor", M::pmNotXor}});
}

TAlignment AlignmentOf(const PropertyValue& v)
{
    using A = TAlignment;
    return v.toEnum<A>(
        {{"taLeftJustify", A::taLeftJustify}, {"taRightJustify", A::taRightJustify}, {"taCenter", A::taCenter}});
}

int CharsetNumber(const QString& name)
{
    static const std::pair<const char*, int> names[] = {
        {"ANSI_CHARSET", 0},        {"DEFAULT_CHARSET", 1},   {"SYMBOL_CHARSET", 2},        {"SHIFTJIS_CHARSET", 128},
        {"HANGEUL_CHARSET", 129},   {"GB2312_CHARSET", 134},  {"CHINESEBIG5_CHARSET", 136}, {"OEM_CHARSET", 255},
        {"GREEK_CHARSET", 161},     {"TURKISH_CHARSET", 162}, {"BALTIC_CHARSET", 186},      {"RUSSIAN_CHARSET", 204},
        {"EASTEUROPE_CHARSET", 238}};
    for (const auto& [text, number] : names)
        if (name == QLatin1String(text))
            return number;
    return DEFAULT_CHARSET;
}

QString CharsetName(int number)
{
    static const std::pair<int, const char*> names[] = {
        {0, "ANSI_CHARSET"}, {2, "SYMBOL_CHARSET"}, {255, "OEM_CHARSET"}};
    for (const auto& [value, text] : names)
        if (value == number)
            return QString::fromLatin1(text);
    return QStringLiteral("DEFAULT_CHARSET");
}

}  // namespace

TBrushStyle BrushStyleProperty(const PropertyValue& v)
{
    using B = TBrushStyle;
    return v.toEnum<B>({{"bsSolid", B::bsSolid},
                        {"bsClear", B::bsClear},
                        {"bsHorizontal", B::bsHorizontal},
                        {"bsVertical", B::bsVertical},
                        {"bsFDiagonal", B::bsFDiagonal},
                        {"bsBDiagonal", B::bsBDiagonal},
                        {"bsCross", B::bsCross},
                        {"bsDiagCross", B::bsDiagCross}});
}

std::shared_ptr<const PropertyTable<TChartPen>> PenPropertyTable()
{
    static const auto table = [] {
        auto t = std::make_shared<PropertyTable<TChartPen>>();
        t->add("Color", [](TChartPen& p, const PropertyValue& v) { p.SetColor(v.toColor()); })
            .add("Mode", [](TChartPen& p, const PropertyValue& v) { p.SetMode(PenModeOf(v)); })
            .add("Style", [](TChartPen& p, const PropertyValue& v) { p.SetStyle(PenStyleOf(v)); })
            .add("Width", [](TChartPen& p, const PropertyValue& v) { p.SetWidth(v.toInt()); })
            .add("Visible", [](TChartPen& p, const PropertyValue& v) { p.SetVisible(v.toBool()); })
            .add("SmallDots", [](TChartPen& p, const PropertyValue& v) { p.SetSmallDots(v.toBool()); });
        return t;
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TChartBrush>> BrushPropertyTable()
{
    static const auto table = [] {
        auto t = std::make_shared<PropertyTable<TChartBrush>>();
        t->add("Color", [](TChartBrush& b, const PropertyValue& v) {
             b.SetColor(v.toColor());
         }).add("Style", [](TChartBrush& b, const PropertyValue& v) { b.SetStyle(BrushStyleProperty(v)); });
        return t;
    }();
    return table;
}

void ApplyFontProperty(TChartFont& font, const PropertyValue& value)
{
    ui::TFont base;
    base.name = font.Name();
    base.height = font.Height();
    base.color = font.Color();
    base.charset = CharsetName(font.Charset());
    base.bold = (font.Style() & fsBold) != 0;
    base.italic = (font.Style() & fsItalic) != 0;
    base.underline = (font.Style() & fsUnderline) != 0;
    base.strikeOut = (font.Style() & fsStrikeOut) != 0;
    const ui::TFont read = value.toFont(base);
    font.SetName(read.name);
    font.SetHeight(read.height);
    font.SetColor(read.color);
    font.SetCharset(CharsetNumber(read.charset));
    font.SetStyle((read.bold ? fsBold : 0u) | (read.italic ? fsItalic : 0u) | (read.underline ? fsUnderline : 0u) |
                  (read.strikeOut ? fsStrikeOut : 0u));
}

std::shared_ptr<const PropertyTable<TChartTitle>> TitlePropertyTable()
{
    static const auto table = [] {
        using T = TChartTitle;
        auto t = std::make_shared<PropertyTable<T>>();
        t->add("Text", [](T& title, const PropertyValue& v) { title.SetText(v.toStrings()); })
            .add("Visible", [](T& title, const PropertyValue& v) { title.SetVisible(v.toBool()); })
            .add("Alignment", [](T& title, const PropertyValue& v) { title.SetAlignment(AlignmentOf(v)); })
            .add("Font", [](T& title, const PropertyValue& v) { ApplyFontProperty(title.Font(), v); })
            .add("Color", [](T& title, const PropertyValue& v) { title.SetColor(v.toColor()); })
            .add("AdjustFrame", [](T& title, const PropertyValue& v) { title.SetAdjustFrame(v.toBool()); })
            .nested<TChartBrush>(
                "Brush", [](T& title) -> TChartBrush& { return title.Brush(); }, BrushPropertyTable())
            .nested<TChartPen>(
                "Frame", [](T& title) -> TChartPen& { return title.Frame(); }, PenPropertyTable());
        return t;
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TChartWall>> WallPropertyTable()
{
    static const auto table = [] {
        using W = TChartWall;
        auto t = std::make_shared<PropertyTable<W>>();
        t->add("Color", [](W& wall, const PropertyValue& v) { wall.SetColor(v.toColor()); })
            .add("Dark3D", [](W& wall, const PropertyValue& v) { wall.SetDark3D(v.toBool()); })
            .add("Size", [](W& wall, const PropertyValue& v) { wall.SetSize(v.toInt()); })
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
        using A = TLegendAlignment;
        auto t = std::make_shared<PropertyTable<L>>();
        t->add("Visible", [](L& legend, const PropertyValue& v) { legend.SetVisible(v.toBool()); })
            .add("Alignment",
                 [](L& legend, const PropertyValue& v) {
                     legend.SetAlignment(v.toEnum<A>({{"laLeft", A::laLeft},
                                                      {"laRight", A::laRight},
                                                      {"laTop", A::laTop},
                                                      {"laBottom", A::laBottom}}));
                 })
            .add("Font", [](L& legend, const PropertyValue& v) { ApplyFontProperty(legend.Font(), v); });
        return t;
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TChartGradient>> GradientPropertyTable()
{
    static const auto table = [] {
        using G = TChartGradient;
        using D = TGradientDirection;
        auto t = std::make_shared<PropertyTable<G>>();
        t->add("Visible", [](G& g, const PropertyValue& v) { g.SetVisible(v.toBool()); })
            .add("StartColor", [](G& g, const PropertyValue& v) { g.SetStartColor(v.toColor()); })
            .add("EndColor", [](G& g, const PropertyValue& v) { g.SetEndColor(v.toColor()); })
            .add("Direction", [](G& g, const PropertyValue& v) {
                g.SetDirection(v.toEnum<D>({{"gdTopBottom", D::gdTopBottom},
                                            {"gdBottomTop", D::gdBottomTop},
                                            {"gdLeftRight", D::gdLeftRight},
                                            {"gdRightLeft", D::gdRightLeft},
                                            {"gdFromCenter", D::gdFromCenter},
                                            {"gdFromTopLeft", D::gdFromTopLeft},
                                            {"gdFromBottomLeft", D::gdFromBottomLeft}}));
            });
        return t;
    }();
    return table;
}

std::shared_ptr<const PropertyTable<TView3DOptions>> View3DOptionsPropertyTable()
{
    static const auto table = [] {
        using O = TView3DOptions;
        auto t = std::make_shared<PropertyTable<O>>();
        t->add("Elevation", [](O& o, const PropertyValue& v) { o.SetElevation(v.toInt()); })
            .add("HorizOffset", [](O& o, const PropertyValue& v) { o.SetHorizOffset(v.toInt()); })
            .add("Orthogonal", [](O& o, const PropertyValue& v) { o.SetOrthogonal(v.toBool()); })
            .add("Perspective", [](O& o, const PropertyValue& v) { o.SetPerspective(v.toInt()); })
            .add("Rotation", [](O& o, const PropertyValue& v) { o.SetRotation(v.toInt()); })
            .add("Tilt", [](O& o, const PropertyValue& v) { o.SetTilt(v.toInt()); })
            .add("VertOffset", [](O& o, const PropertyValue& v) { o.SetVertOffset(v.toInt()); })
            .add("Zoom", [](O& o, const PropertyValue& v) { o.SetZoom(v.toInt()); })
            .add("ZoomText", [](O& o, const PropertyValue& v) { o.SetZoomText(v.toBool()); });
        return t;
    }();
    return table;
}

}  // namespace rna::chart
