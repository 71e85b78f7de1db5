// Series from a window description: kinds, nested settings by name, refused values as load errors.
#include "chart/core/ChartColor.h"
#include "chart/loader/SeriesKinds.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "chart/series/TSeriesMarks.h"
#include "ui/ControlRegistry.h"
#include "ui/FormLoader.h"
#include "ui/LoadError.h"
#include "ui/TForm.h"

#include <gtest/gtest.h>

using namespace rna::chart;

namespace {

// A chart kind of this test only, so that series entries have a chart to live in.
void RegisterKinds()
{
    auto& registry = rna::ui::ControlRegistry::global();
    RegisterSeriesKinds(registry);
    registry.add(rna::ui::ControlKindBuilder<TChart>("SeriesTestChart")
                     .create([](const rna::ui::CreateContext& c) { return new TChart(&c.form); })
                     .build());
}

QByteArray Window(const QString& series)
{
    return QStringLiteral(R"({"class": "TForm", "name": "FormS", "properties": {}, "controls": [
        {"kind": "SeriesTestChart", "name": "Chart1", "children": [%1]}]})")
        .arg(series)
        .toUtf8();
}

TEST(SeriesLoaderTest, ScreenSeriesSettingsLoad)
{
    RegisterKinds();
    rna::ui::TForm form;
    rna::ui::FormLoader::loadString(form, Window(R"(
        {"kind": "TLineSeries", "name": "Series1", "properties": {
            "Marks.ArrowLength": 8, "Marks.Visible": false, "SeriesColor": "clRed", "Title": "curba",
            "Pointer.HorizSize": 2, "Pointer.InflateMargins": true, "Pointer.Style": "psCircle",
            "Pointer.Visible": true, "Pointer.VertSize": 2,
            "XValues": {"DateTime": false, "Name": "X", "Multiplier": 1, "Order": "loAscending"},
            "YValues.DateTime": false, "YValues.Name": "Y", "YValues.Multiplier": 1, "YValues.Order": "loNone"}},
        {"kind": "TLineSeries", "name": "Series2", "properties": {
            "SeriesColor": "clGreen", "LinePen.Width": 3, "Pointer.Style": "psRectangle"}},
        {"kind": "TPointSeries", "name": "Series3"})"),
                                    "FormS.json");
    auto& chart = form.control<TChart>("Chart1");
    auto& series1 = form.control<TLineSeries>("Series1");
    auto& series2 = form.control<TLineSeries>("Series2");
    auto& series3 = form.control<TPointSeries>("Series3");
    ASSERT_EQ(chart.SeriesCount(), 3);
    EXPECT_EQ(chart.Series(0), &series1);  // list order is description order
    EXPECT_EQ(chart.Series(1), &series2);
    EXPECT_EQ(series1.ParentChart(), &chart);
    EXPECT_EQ(series1.SeriesColor(), clRed);
    EXPECT_EQ(series1.Title(), "curba");
    EXPECT_TRUE(series1.Pointer().Visible());
    EXPECT_EQ(series1.Pointer().Style(), TSeriesPointerStyle::psCircle);
    EXPECT_EQ(series1.Pointer().HorizSize(), 2);
    EXPECT_EQ(series1.Pointer().VertSize(), 2);
    EXPECT_EQ(series1.Marks().ArrowLength(), 8);
    EXPECT_EQ(series1.XValues().Order(), TChartListOrder::loAscending);
    EXPECT_EQ(series1.YValues().Order(), TChartListOrder::loNone);
    EXPECT_EQ(series2.SeriesColor(), clGreen);
    EXPECT_EQ(series2.LinePen().Width(), 3);
    EXPECT_FALSE(series2.Pointer().Visible());
    // A series without a colour of its own gets a free default colour from its chart.
    EXPECT_NE(series3.SeriesColor(), clUseSeriesColor);
    EXPECT_NE(series3.SeriesColor(), clRed);
    EXPECT_NE(series3.SeriesColor(), clGreen);
}

struct BadEntry {
    const char* name;
    const char* properties;
    const char* messagePart;
};

class SeriesLoaderErrorTest : public ::testing::TestWithParam<BadEntry> {};

TEST_P(SeriesLoaderErrorTest, BadSettingsFailNamingTheEntry)
{
    RegisterKinds();
    rna::ui::TForm form;
    const QString entry = QStringLiteral(R"({"kind": "TLineSeries", "name": "Series1", "properties": {%1}})")
                              .arg(QString::fromUtf8(GetParam().properties));
    try {
        rna::ui::FormLoader::loadString(form, Window(entry), "FormS.json");
        FAIL() << "no load error";
    } catch (const rna::ui::LoadError& error) {
        const QString message = QString::fromUtf8(error.what());
        EXPECT_TRUE(message.contains("FormS.json")) << message.toStdString();
        EXPECT_TRUE(message.contains("Series1")) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(GetParam().messagePart))) << message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SeriesLoaderErrorTest,
                         ::testing::Values(BadEntry{"UnknownProperty", R"("LinePen.Widht": 2)", "Widht"},
                                           BadEntry{"UnknownEnum", R"("Pointer.Style": "psOval")", "psOval"},
                                           BadEntry{"UnknownOrder", R"("XValues.Order": "loUp")", "loUp"},
                                           BadEntry{"ZeroPointerSize", R"("Pointer.HorizSize": 0)",
                                                    "Pointer size must be greater than zero"},
                                           BadEntry{"UnknownColour", R"("SeriesColor": "clRosu")", "clRosu"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
