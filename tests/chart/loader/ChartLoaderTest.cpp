// Loading charts and their series from window descriptions.
#include <gtest/gtest.h>

#include "chart/axis/TChartAxis.h"
#include "chart/loader/ChartRegistration.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "ui/FormLoader.h"
#include "ui/LoadError.h"
#include "ui/TForm.h"

#include <QTest>

using namespace rna::chart;
using rna::ui::FormLoader;
using rna::ui::LoadError;
using rna::ui::TForm;

namespace {

// A window holding one chart entry with the given properties and children (JSON texts).
QByteArray WindowWithChart(const QString& properties, const QString& children = "[]")
{
    return QStringLiteral(R"({"class": "TFormT", "name": "FormT",
    "properties": {"ClientWidth": 640, "ClientHeight": 300},
    "controls": [{"kind": "TChart", "name": "Chart1", "bounds": [192, 8, 433, 177],
                  "properties": %1, "children": %2}]})")
        .arg(properties, children)
        .toUtf8();
}

class ChartLoader : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterChartKinds(); }
    TForm form;
    TChart& Load(const QString& properties, const QString& children = "[]")
    {
        FormLoader::loadString(form, WindowWithChart(properties, children), "FormT.json");
        return form.control<TChart>("Chart1");
    }
};

}  // namespace

TEST_F(ChartLoader, SingleInputScreenChartLoadsItsSettings)
{
    TChart& chart = Load(R"({
      "BackWall": {"Brush": {"Color": "clWhite", "Style": "bsClear"}},
      "Title.Text": ["Functia de transfer a neuronului"],
      "BottomAxis": {"Automatic": false, "AutomaticMaximum": false, "AutomaticMinimum": false,
                     "Maximum": 10.05, "Minimum": -10.05, "Increment": 2, "LabelsOnAxis": false,
                     "Title": {"Caption": "Intrare neta"}},
      "LeftAxis": {"Automatic": false, "AutomaticMaximum": false, "AutomaticMinimum": false,
                   "Maximum": 1, "Minimum": -1},
      "Legend": {"Visible": false}, "View3D": false, "BevelOuter": "bvNone", "TabOrder": 1})",
                         R"([{"kind": "TLineSeries", "name": "Series1", "properties": {"SeriesColor": "clRed"}},
                           {"kind": "TLineSeries", "name": "Series2", "properties": {"SeriesColor": "clGreen"}}])");
    EXPECT_EQ(chart.geometry(), QRect(192, 8, 433, 177));
    EXPECT_EQ(chart.BackWall().Brush().Color(), clWhite);
    EXPECT_EQ(chart.BackWall().Brush().Style(), TBrushStyle::bsClear);
    EXPECT_EQ(chart.Title().Text(), QStringList{"Functia de transfer a neuronului"});
    EXPECT_FALSE(chart.Legend().Visible());
    EXPECT_FALSE(chart.View3D());
    EXPECT_EQ(chart.BevelOuter(), TBevelCut::bvNone);
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Maximum(), 10.05);
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Minimum(), -10.05);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), 1);
    EXPECT_FALSE(chart.IsLoading());
    ASSERT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(chart.Series(0), &form.control<TLineSeries>("Series1"));
    EXPECT_EQ(chart.Series(1)->SeriesColor(), clGreen);
    EXPECT_EQ(chart.Series(0)->ParentChart(), &chart);
}

TEST_F(ChartLoader, RangeChecksAreOffWhileLoading)
{
    // Keys are applied in name order, so Maximum (-5) comes before Minimum (-10): only a suspended check lets
    // the maximum go below the old minimum 0.
    TChart& chart = Load(R"({"LeftAxis": {"Automatic": false, "Maximum": -5, "Minimum": -10}})");
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), -5);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), -10);
    EXPECT_ANY_THROW(chart.LeftAxis()->SetMaximum(-20));  // checked again after loading
}

TEST_F(ChartLoader, NestedAndDottedNamesReachTheOwnedObjects)
{
    TChart& chart = Load(R"({
      "MarginRight": 5, "Title.Visible": false, "Title.Text": ["TChart  "],
      "Title": {"Font": {"Color": "clRed", "Style": ["fsBold"]}, "Alignment": "taLeftJustify",
                "Frame": {"Visible": true, "Width": 2}},
      "Foot.Brush.Style": "bsCross", "Frame": {"Color": "clGray"}, "LeftWall.Color": "0x00123456",
      "Gradient": {"Visible": true, "Direction": "gdLeftRight"}, "Chart3DPercent": 30,
      "View3DOptions": {"Zoom": 80}, "Color": "clWindow"})");
    EXPECT_EQ(chart.MarginRight(), 5);
    EXPECT_FALSE(chart.Title().Visible());
    EXPECT_EQ(chart.Title().Text(), QStringList{"TChart  "});  // trailing blanks kept
    EXPECT_EQ(chart.Title().Font().Color(), clRed);
    EXPECT_EQ(chart.Title().Font().Style(), TFontStyles(fsBold));
    EXPECT_EQ(chart.Title().Font().Name(), "Arial");
    EXPECT_EQ(chart.Title().Alignment(), rna::ui::TAlignment::taLeftJustify);
    EXPECT_TRUE(chart.Title().Frame().Visible());
    EXPECT_EQ(chart.Title().Frame().Width(), 2);
    EXPECT_EQ(chart.Foot().Brush().Style(), TBrushStyle::bsCross);
    EXPECT_EQ(chart.BackWall().Pen().Color(), clGray);
    EXPECT_EQ(chart.LeftWall().Color(), 0x123456u);
    EXPECT_TRUE(chart.Gradient().Visible());
    EXPECT_EQ(chart.Gradient().Direction(), TGradientDirection::gdLeftRight);
    EXPECT_EQ(chart.Chart3DPercent(), 30);
    EXPECT_EQ(chart.View3DOptions().Zoom(), 80);
    EXPECT_EQ(chart.Color(), clWindow);
}

TEST_F(ChartLoader, BadEntriesFailNamingTheEntry)
{
    struct Case {
        const char* properties;
        const char* expectedInMessage;
    };
    const Case cases[] = {
        {R"({"Title": {"Txt": ["x"]}})", "Txt"},
        {R"({"BevelOuter": "bvBogus"})", "bvBogus"},
        {R"({"Chart3DPercent": 0})", "3D effect percent must be between 1 and 100"},
        {R"({"MaxPointsPerPage": -1})", "MaxPointsPerPage must be >= 0"},
        {R"({"BackWall": {"Brush": {"Color": "clNoSuchColour"}}})", "BackWall"},
        {R"({"View3D": 1})", "View3D"},
    };
    for (const Case& c : cases) {
        TForm window;
        try {
            FormLoader::loadString(window, WindowWithChart(c.properties), "FormT.json");
            ADD_FAILURE() << c.properties;
        } catch (const LoadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.expectedInMessage), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("FormT.json"), std::string::npos) << e.what();
        }
    }
}

// Clicks on a chart zoom and pan, so they never take the focus from the control the user is working with; Tab
// reaches the chart only when its TabStop is on.
TEST(ChartFocus, TabStopDecidesTabAndAClickNeverFocuses)
{
    RegisterChartKinds();
    for (const bool tabStop : {false, true}) {
        TForm window;
        FormLoader::loadString(window,
                               QStringLiteral(R"({"class": "TFormT", "name": "FormT",
            "properties": {"ClientWidth": 300, "ClientHeight": 200},
            "controls": [{"kind": "TEdit", "name": "Edit1", "bounds": [8, 8, 80, 21], "properties": {"TabOrder": 0}},
                         {"kind": "TChart", "name": "Chart1", "bounds": [8, 40, 200, 120],
                          "properties": {"TabOrder": 1, "TabStop": %1}}]})")
                                   .arg(tabStop ? "true" : "false")
                                   .toUtf8(),
                               "FormT.json");
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        auto& edit = window.control<QWidget>("Edit1");
        auto& chart = window.control<TChart>("Chart1");
        edit.setFocus();
        QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(100, 60));
        EXPECT_TRUE(edit.hasFocus()) << tabStop;
        QTest::keyClick(&edit, Qt::Key_Tab);
        EXPECT_EQ(chart.hasFocus(), tabStop);
    }
}
