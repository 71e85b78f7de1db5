#include "chart/AxisPropertyTable.h"

#include "chart/ChartException.h"
#include "chart/TCustomChartAxis.h"

#include <utility>

namespace rna::chart {

using rna::ui::PropertyTable;
using rna::ui::PropertyValue;

namespace {

// Runs a setter and turns a refused value into a load error for this entry.
template <class F>
void Checked(const PropertyValue& v, F&& set)
{
    try {
        set();
    } catch (const ChartException& e) {
        v.fail(QString::fromStdString(e.what()));
    }
}

std::shared_ptr<const PropertyTable<TChartPen>> PenTable()
{
    auto t = std::make_shared<PropertyTable<TChartPen>>();
    t->add("Color", [](TChartPen& p, const PropertyValue& v) { p.SetColor(v.toColor()); })
        .add("Width", [](TChartPen& p, const PropertyValue& v) { p.SetWidth(v.toInt()); })
        .add("Visible", [](TChartPen& p, const PropertyValue& v) { p.SetVisible(v.toBool()); })
        .add("SmallDots", [](TChartPen& p, const PropertyValue& v) { p.SetSmallDots(v.toBool()); })
        .add("Style", [](TChartPen& p, const PropertyValue& v) {
            p.SetStyle(v.toEnum<TPenStyle>({{"psSolid", TPenStyle::psSolid}, {"psDash", TPenStyle::psDash},
                                            {"psDot", TPenStyle::psDot}, {"psDashDot", TPenStyle::psDashDot},
                                            {"psDashDotDot", TPenStyle::psDashDotDot},
                                            {"psClear", TPenStyle::psClear},
                                            {"psInsideFrame", TPenStyle::psInsideFrame}}));
        })
        .add("Mode", [](TChartPen& p, const PropertyValue& v) {
            p.SetMode(v.toEnum<TPenMode>(
                {{"pmBlack", TPenMode::pmBlack}, {"pmWhite", TPenMode::pmWhite}, {"pmNop", TPenMode::pmNop},
                 {"pmNot", TPenMode::pmNot}, {"pmCopy", TPenMode::pmCopy}, {"pmNotCopy", TPenMode::pmNotCopy},
                 {"pmMergePenNot", TPenMode::pmMergePenNot}, {"pmMaskPenNot", TPenMode::pmMaskPenNot},
                 {"pmMergeNotPen", TPenMode::pmMergeNotPen}, {"pmMaskNotPen", TPenMode::pmMaskNotPen},
                 {"pmMerge", TPenMode::pmMerge}, {"pmNotMerge", TPenMode::pmNotMerge}, {"pmMask", TPenMode::pmMask},
                 {"pmNotMask", TPenMode::pmNotMask}, {"pmXor", TPenMode::pmXor}, {"pmNotXor", TPenMode::pmNotXor}}));
        });
    return t;
}

int CharsetNumber(const QString& name)
{
    static const std::pair<const char*, int> names[] = {
        {"ANSI_CHARSET", 0},       {"DEFAULT_CHARSET", 1},      {"SYMBOL_CHARSET", 2},
        {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},    {"GB2312_CHARSET", 134},
        {"CHINESEBIG5_CHARSET", 136}, {"OEM_CHARSET", 255},     {"GREEK_CHARSET", 161},
    };
    for (const auto& [text, number] : names)
        if (name == QLatin1String(text))
            return number;
    return DEFAULT_CHARSET;
}

QString CharsetName(int number)
{
    return number == 0 ? QStringLiteral("ANSI_CHARSET") : QStringLiteral("DEFAULT_CHARSET");
}

// A chart font from a description's font object; the fields not given keep their values.
void ApplyFont(TChartFont& font, const PropertyValue& v)
{
    rna::ui::TFont base;
    base.name = font.Name();
    base.height = font.Height();
    base.color = font.Color();
    base.charset = CharsetName(font.Charset());
    base.bold = (font.Style() & fsBold) != 0;
    base.italic = (font.Style() & fsItalic) != 0;
    base.underline = (font.Style() & fsUnderline) != 0;
    base.strikeOut = (font.Style() & fsStrikeOut) != 0;
    const rna::ui::TFont f = v.toFont(base);
    font.SetName(f.name);
    font.SetHeight(f.height);
    font.SetColor(f.color);
    font.SetCharset(CharsetNumber(f.charset));
    font.SetStyle((f.bold ? fsBold : 0u) | (f.italic ? fsItalic : 0u) | (f.underline ? fsUnderline : 0u) |
                  (f.strikeOut ? fsStrikeOut : 0u));
}

std::shared_ptr<const PropertyTable<TChartAxisTitle>> TitleTable()
{
    auto t = std::make_shared<PropertyTable<TChartAxisTitle>>();
    t->add("Caption", [](TChartAxisTitle& a, const PropertyValue& v) { a.SetCaption(v.toString()); })
        .add("Angle", [](TChartAxisTitle& a, const PropertyValue& v) { Checked(v, [&] { a.SetAngle(v.toInt()); }); })
        .add("Font", [](TChartAxisTitle& a, const PropertyValue& v) { ApplyFont(a.Font(), v); });
    return t;
}

using Axis = TCustomChartAxis;

template <class P>
void AddPen(PropertyTable<Axis>& t, const char* name, P& (Axis::*pen)())
{
    static const auto pens = PenTable();
    t.nested<TChartPen>(name, [pen](Axis& a) -> TChartPen& { return (a.*pen)(); }, pens);
}

void AddRange(PropertyTable<Axis>& t)
{
    t.add("Automatic", [](Axis& a, const PropertyValue& v) { a.SetAutomatic(v.toBool()); })
        .add("AutomaticMaximum", [](Axis& a, const PropertyValue& v) { a.SetAutomaticMaximum(v.toBool()); })
        .add("AutomaticMinimum", [](Axis& a, const PropertyValue& v) { a.SetAutomaticMinimum(v.toBool()); })
        .add("Maximum", [](Axis& a, const PropertyValue& v) { Checked(v, [&] { a.SetMaximum(v.toDouble()); }); })
        .add("Minimum", [](Axis& a, const PropertyValue& v) { Checked(v, [&] { a.SetMinimum(v.toDouble()); }); })
        .add("Increment", [](Axis& a, const PropertyValue& v) { Checked(v, [&] { a.SetIncrement(v.toDouble()); }); })
        .add("Inverted", [](Axis& a, const PropertyValue& v) { a.SetInverted(v.toBool()); })
        .add("Logarithmic", [](Axis& a, const PropertyValue& v) { Checked(v, [&] { a.SetLogarithmic(v.toBool()); }); })
        .add("LogarithmicBase",
             [](Axis& a, const PropertyValue& v) { Checked(v, [&] { a.SetLogarithmicBase(v.toInt()); }); });
}

void AddLabels(PropertyTable<Axis>& t)
{
    t.add("Labels", [](Axis& a, const PropertyValue& v) { a.SetLabels(v.toBool()); })
        .add("LabelsAngle", [](Axis& a, const PropertyValue& v) { Checked(v, [&] { a.SetLabelsAngle(v.toInt()); }); })
        .add("LabelsFont", [](Axis& a, const PropertyValue& v) { ApplyFont(a.LabelsFont(), v); })
        .add("LabelsMultiLine", [](Axis& a, const PropertyValue& v) { a.SetLabelsMultiLine(v.toBool()); })
        .add("LabelsOnAxis", [](Axis& a, const PropertyValue& v) { a.SetLabelsOnAxis(v.toBool()); })
        .add("LabelsSeparation",
             [](Axis& a, const PropertyValue& v) { Checked(v, [&] { a.SetLabelsSeparation(v.toInt()); }); })
        .add("LabelsSize", [](Axis& a, const PropertyValue& v) { a.SetLabelsSize(v.toInt()); })
        .add("LabelStyle", [](Axis& a, const PropertyValue& v) {
            a.SetLabelStyle(v.toEnum<TAxisLabelStyle>(
                {{"talAuto", TAxisLabelStyle::talAuto}, {"talNone", TAxisLabelStyle::talNone},
                 {"talValue", TAxisLabelStyle::talValue}, {"talMark", TAxisLabelStyle::talMark},
                 {"talText", TAxisLabelStyle::talText}}));
        })
        .add("AxisValuesFormat",
             [](Axis& a, const PropertyValue& v) { Checked(v, [&] { a.SetAxisValuesFormat(v.toString()); }); })
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
    t.nested<TChartAxisTitle>("Title", [](Axis& a) -> TChartAxisTitle& { return a.Title(); }, TitleTable());
}

} // namespace

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

} // namespace rna::chart
