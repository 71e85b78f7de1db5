// Axis settings read from a window description through the axis property table.
#include "chart/loader/AxisPropertyTable.h"
#include "chart/axis/TChartAxis.h"
#include "ui/LoadError.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace rna::chart;
using rna::ui::LoadError;
using rna::ui::PropertyValue;

namespace {

void Load(TCustomChartAxis& axis, const char* json)
{
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(json));
    ASSERT_TRUE(doc.isObject()) << json;
    AxisPropertyTable()->apply(
        axis, PropertyValue(doc.object(), QStringLiteral("Form1.json"), QStringLiteral("Chart1.BottomAxis")));
}

QString LoadProblem(const char* json)
{
    TChartAxis axis(nullptr);
    try {
        Load(axis, json);
    } catch (const LoadError& e) {
        return e.problem() + QStringLiteral(" @ ") + e.entry();
    }
    return QStringLiteral("(loaded)");
}

}  // namespace

TEST(AxisPropertyTableTest, SingleInputBottomAxis)
{
    TChartAxis axis(nullptr);
    axis.SetIsHorizontal(true);
    Load(axis, R"({"Automatic": false, "AutomaticMaximum": false, "AutomaticMinimum": false,
                   "Increment": 2, "LabelsOnAxis": false, "ExactDateTime": false,
                   "Maximum": 10.05, "Minimum": -10.05, "TicksInner.Visible": false,
                   "Title": {"Caption": "Intrare neta"}})");
    EXPECT_FALSE(axis.Automatic());
    EXPECT_FALSE(axis.AutomaticMaximum());
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_EQ(axis.Increment(), 2);
    EXPECT_FALSE(axis.LabelsOnAxis());
    EXPECT_FALSE(axis.ExactDateTime());
    EXPECT_EQ(axis.Maximum(), 10.05);
    EXPECT_EQ(axis.Minimum(), -10.05);
    EXPECT_FALSE(axis.TicksInner().Visible());
    EXPECT_EQ(axis.Title().Caption(), QStringLiteral("Intrare neta"));
}

TEST(AxisPropertyTableTest, PensFontsAndEnums)
{
    TChartAxis axis(nullptr);
    Load(axis, R"({"Grid": {"Color": "clRed", "Style": "psSolid", "Width": 2}, "Axis.Visible": false,
                   "LabelsFont": {"Name": "Arial", "Height": -13, "Style": ["fsBold"]},
                   "Title": {"Angle": 90, "Font": {"Color": "clBlue"}}, "LabelStyle": "talValue",
                   "AxisValuesFormat": "0.00", "MinorTickCount": 4, "PositionPercent": 12.5})");
    EXPECT_EQ(axis.Grid().Color(), clRed);
    EXPECT_EQ(axis.Grid().Style(), TPenStyle::psSolid);
    EXPECT_EQ(axis.Grid().Width(), 2);
    EXPECT_FALSE(axis.Axis().Visible());
    EXPECT_EQ(axis.LabelsFont().Height(), -13);
    EXPECT_EQ(axis.LabelsFont().Style(), TFontStyles(fsBold));
    EXPECT_EQ(axis.LabelsFont().Name(), QStringLiteral("Arial"));
    EXPECT_EQ(axis.Title().Angle(), 90);
    EXPECT_EQ(axis.Title().Font().Color(), clBlue);
    EXPECT_EQ(axis.LabelStyle(), TAxisLabelStyle::talValue);
    EXPECT_EQ(axis.AxisValuesFormat(), QStringLiteral("0.00"));
    EXPECT_EQ(axis.MinorTickCount(), 4);
    EXPECT_EQ(axis.PositionPercent(), 12.5);
}

TEST(AxisPropertyTableTest, BadEntriesAreLoadErrors)
{
    const std::pair<const char*, const char*> rows[] = {
        {R"({"Maximumm": 1})", "unknown property 'Maximumm'"},
        {R"({"LabelStyle": "talValues"})", "unknown enum name 'talValues'"},
        {R"({"AxisValuesFormat": "0.0 %"})", "Axis values format '0.0 %' is not supported"},
        {R"({"Increment": -1})", "Axis increment must be >= 0"},
        {R"({"LabelsAngle": 400})", "Axis Labels Angle must be between 0 and 359 degrees"},
        {R"({"Title": {"Angle": -5}})", "Axis Title Angle must be between 0 and 359 degrees"},
        {R"({"Grid": {"Style": "psDotted"}})", "unknown enum name 'psDotted'"},
    };
    for (const auto& [json, problem] : rows)
        EXPECT_TRUE(LoadProblem(json).contains(QString::fromLatin1(problem))) << LoadProblem(json).toStdString();
}
