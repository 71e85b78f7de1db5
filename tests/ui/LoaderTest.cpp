// The form loader: malformed descriptions fail naming file and entry; kinds registered by other libraries
// with nested objects and children; no events while loading; colours; density scaling.
#include "RecordingForm.h"
#include "ui/ControlRegistry.h"
#include "ui/DensityScaler.h"
#include "ui/LoadError.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/TMemo.h"
#include "ui/TTrackBar.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::RecordingForm;

namespace {

struct BadCase {
    const char* name;
    QByteArray json;
    const char* expected;  // part of the message
};

QByteArray labelWith(const QByteArray& properties)
{
    return describeWindow(
        "{\"kind\": \"TLabel\", \"name\": \"Label16\", \"bounds\": [1, 2, 3, 4], \"properties\": " + properties + "}");
}

class MalformedDescription : public ::testing::TestWithParam<BadCase> {};

TEST_P(MalformedDescription, FailsNamingTheFileAndTheEntry)
{
    const BadCase& c = GetParam();
    RecordingForm form({"Known"});
    try {
        form.load(c.json);
        ADD_FAILURE() << "loaded without error";
    } catch (const LoadError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("Test.json: ", 0), 0u) << message;
        EXPECT_NE(message.find(c.expected), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedDescription,
    ::testing::Values(
        BadCase{"NotJson", "{\"class\": ", "malformed JSON"},
        BadCase{"NotAnObject", "[1, 2]", "a window object was expected"},
        BadCase{"UnknownTopKey", "{\"class\": \"T\", \"name\": \"F\", \"colour\": 1}", "colour: unknown key"},
        BadCase{"NoName", "{\"class\": \"T\"}", "name: a string was expected"},
        BadCase{"UnknownKind", describeWindow("{\"kind\": \"TPanel\", \"name\": \"Panel1\"}"),
                "controls[0] Panel1.kind: unknown control kind 'TPanel'"},
        BadCase{"UnknownProperty", labelWith("{\"Captoin\": \"0\"}"),
                "controls[0] Label16.properties.Captoin: unknown property 'Captoin'"},
        BadCase{"UnknownEnum", labelWith("{\"Alignment\": \"taMiddle\"}"),
                "Label16.properties.Alignment: unknown enum name 'taMiddle'"},
        BadCase{"UnknownSetMember", labelWith("{\"Font\": {\"Style\": [\"fsBld\"]}}"),
                "Label16.properties.Font.Style: unknown set member 'fsBld'"},
        BadCase{"UnknownFontField", labelWith("{\"Font\": {\"Weight\": 700}}"), "Font.Weight: unknown font property"},
        BadCase{"UnknownColour", labelWith("{\"Color\": \"clPink\"}"), "Color: unknown colour 'clPink'"},
        BadCase{"ShortHexColour", labelWith("{\"Color\": \"0xFF\"}"), "unknown colour '0xFF'"},
        BadCase{"NumberAsString", labelWith("{\"Caption\": 5}"), "Caption: a string was expected"},
        BadCase{"StringAsNumber",
                describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"T\", \"properties\": {\"Max\": \"10\"}}"),
                "T.properties.Max: a number was expected"},
        BadCase{"FractionForInteger",
                describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"T\", \"properties\": {\"Max\": 1.5}}"),
                "an integer was expected"},
        BadCase{"ListNotArray",
                describeWindow("{\"kind\": \"TMemo\", \"name\": \"M\", \"properties\": {\"Lines\": \"a\"}}"),
                "M.properties.Lines: an array of strings was expected"},
        BadCase{"BadBounds", describeWindow("{\"kind\": \"TLabel\", \"name\": \"L\", \"bounds\": [1, 2, 3]}"),
                "L.bounds: [left, top, width, height] was expected"},
        BadCase{
            "MissingPicture",
            describeWindow("{\"kind\": \"TImage\", \"name\": \"Image1\", \"properties\": {\"Picture\": \"no.bmp\"}}"),
            "Image1.properties.Picture: picture 'no.bmp' not found"},
        BadCase{"DuplicateName",
                describeWindow("{\"kind\": \"TLabel\", \"name\": \"L\"}, {\"kind\": \"TLabel\", \"name\": \"L\"}"),
                "controls[1] L: missing or duplicate control name"},
        BadCase{"UnknownHandler",
                describeWindow("{\"kind\": \"TEdit\", \"name\": \"E\", \"events\": {\"OnChange\": \"Edit1Change\"}}"),
                "E.events.OnChange: unknown handler 'Edit1Change'"},
        BadCase{"UnknownEvent",
                describeWindow("{\"kind\": \"TEdit\", \"name\": \"E\", \"events\": {\"OnDblClick\": \"Known\"}}"),
                "E.events.OnDblClick: unknown event 'OnDblClick'"},
        BadCase{"UnknownWindowEvent", describeWindow("", "", "{\"OnCreate\": \"Known\"}"),
                "events.OnCreate: unknown event"},
        BadCase{"UnknownWindowProperty", describeWindow("", ", \"AlphaBlend\": true"), "properties.AlphaBlend"},
        BadCase{"IgnoredPropertyOfTheWrongType", labelWith("{\"Tag\": \"x\"}"),
                "Label16.properties.Tag: a number was expected"},
        BadCase{"RefusedBySetter",
                describeWindow("{\"kind\": \"TBitBtn\", \"name\": \"B\", \"properties\": {\"Margin\": 2}}"),
                "B.properties.Margin: only Margin -1"},
        BadCase{"OtherDensity", describeWindow("", ", \"PixelsPerInch\": 120").replace("\"PixelsPerInch\": 96, ", ""),
                "PixelsPerInch"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Loader, NamesRegisteredTwiceFailAtOnce)
{
    PropertyTable<TLabel> table;
    table.add("Caption", &TLabel::setCaption);
    EXPECT_THROW(table.add("Caption", &TLabel::setCaption), std::logic_error);
    EXPECT_THROW(table.ignore("NotInTheList"), std::logic_error);
    HandlerTable handlers;
    handlers.add("Click", [](QObject*) {});
    EXPECT_THROW(handlers.add("Click", [](QObject*) {}), std::logic_error);
}

// A hint shows as a tooltip on windowed and graphic controls alike.
TEST(Loader, HintsAreTooltipsOnEveryKind)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TLabel\", \"name\": \"L\", \"bounds\": [10, 10, 40, 13], "
                             " \"properties\": {\"Caption\": \"0\", \"Hint\": \"valoarea lui p\"}},"
                             "{\"kind\": \"TEdit\", \"name\": \"E\", \"bounds\": [10, 40, 80, 21], \"properties\": "
                             "{\"Hint\": \"iesirea\"}}"));
    form.show();
    EXPECT_EQ(form.control<TEdit>("E").toolTip(), "iesirea");
    QHelpEvent help(QEvent::ToolTip, QPoint(12, 15), form.mapToGlobal(QPoint(12, 15)));
    QApplication::sendEvent(&form, &help);
    EXPECT_TRUE(help.isAccepted());
    EXPECT_EQ(QToolTip::text(), "valoarea lui p");
    QToolTip::hideText();
}

TEST(Loader, FileErrorsNameTheFile)
{
    RecordingForm form;
    try {
        FormLoader::loadFile(form, QStringLiteral(":/assets/none/Missing.json"));
        ADD_FAILURE() << "loaded without error";
    } catch (const LoadError& error) {
        EXPECT_EQ(error.file(), ":/assets/none/Missing.json");
    }
}

TEST(Loader, RaisesNoEventsWhileLoadingAndBindsHandlersAfterwards)
{
    RecordingForm form({"Change"});
    form.load(describeWindow(
        "{\"kind\": \"TTrackBar\", \"name\": \"T\", \"properties\": {\"Min\": -5, \"Max\": 5, \"Position\": 3}, "
        " \"events\": {\"OnChange\": \"Change\"}},"
        "{\"kind\": \"TComboBox\", \"name\": \"C\", \"properties\": {\"Items\": [\"a \", \"b\"], \"ItemIndex\": 1, "
        " \"Text\": \"b\"}, \"events\": {\"OnChange\": \"Change\"}},"
        "{\"kind\": \"TEdit\", \"name\": \"E\", \"properties\": {\"Text\": \"0\"}, \"events\": {\"OnChange\": "
        "\"Change\"}},"
        "{\"kind\": \"TMemo\", \"name\": \"M\", \"properties\": {\"Lines\": [\"x \"]}, \"events\": {\"OnChange\": "
        "\"Change\"}}"));
    EXPECT_TRUE(form.log.isEmpty());
    EXPECT_EQ(form.control<TTrackBar>("T").position(), 3);
    EXPECT_EQ(form.control<TComboBox>("C").items(), QStringList({"a ", "b"}));
    EXPECT_EQ(form.control<TComboBox>("C").itemIndex(), 1);
    form.control<TTrackBar>("T").setPosition(4);
    form.control<TEdit>("E").setText("1");
    EXPECT_EQ(form.log, QStringList({"Change(T)", "Change(E)"}));
}

TEST(Loader, ControlsAreFoundByNameAndKind)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TLabel\", \"name\": \"Label1\"}"));
    EXPECT_EQ(form.name(), "TestForm");
    EXPECT_EQ(form.findComponent("Label1")->objectName(), "Label1");
    EXPECT_THROW(form.control<TEdit>("Label1"), std::runtime_error);
    EXPECT_THROW(form.control<TLabel>("Label2"), std::runtime_error);
}

// A kind from another library: owned objects through nested tables, children created inside it.
class FakeAxis {
public:
    double maximum = 0;
    QStringList title;
};

class FakeSeries : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    TColor color = clNone;
};

class FakeChart : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    FakeAxis leftAxis;
    FakeAxis bottomAxis;
    std::vector<FakeSeries*> series;
};

void registerFakeKinds()
{
    auto axis = std::make_shared<PropertyTable<FakeAxis>>();
    axis->add("Maximum", [](FakeAxis& a, const PropertyValue& v) { a.maximum = v.toDouble(); })
        .add("Title", [](FakeAxis& a, const PropertyValue& v) { a.title = v.toStrings(); });
    auto chart = std::make_shared<PropertyTable<FakeChart>>();
    chart
        ->nested<FakeAxis>(
            "LeftAxis", [](FakeChart& c) -> FakeAxis& { return c.leftAxis; }, axis)
        .nested<FakeAxis>(
            "BottomAxis", [](FakeChart& c) -> FakeAxis& { return c.bottomAxis; }, axis);
    ControlRegistry::global().add(ControlKindBuilder<FakeChart>("TFakeChart")
                                      .create([](const CreateContext& c) { return new FakeChart(&c.form); })
                                      .properties(chart)
                                      .bounds([](FakeChart& c, const QRect& r) { c.setGeometry(r); })
                                      .build());
    auto series = std::make_shared<PropertyTable<FakeSeries>>();
    series->add("SeriesColor", [](FakeSeries& s, const PropertyValue& v) { s.color = v.toColor(); });
    ControlRegistry::global().add(ControlKindBuilder<FakeSeries>("TFakeSeries")
                                      .create([](const CreateContext& c) {
                                          auto* chart = qobject_cast<FakeChart*>(&c.parent);
                                          if (!chart)
                                              throw std::runtime_error("a series needs a chart");
                                          auto* s = new FakeSeries(chart);
                                          chart->series.push_back(s);
                                          return s;
                                      })
                                      .properties(series)
                                      .build());
}

TEST(Loader, KindsRegisteredElsewhereGetNestedObjectsAndChildren)
{
    registerFakeKinds();
    RecordingForm form;
    form.load(describeWindow(
        "{\"kind\": \"TFakeChart\", \"name\": \"Chart1\", \"bounds\": [192, 8, 433, 177], "
        " \"properties\": {\"LeftAxis\": {\"Maximum\": 10.05}, \"BottomAxis.Title\": [\"Intrare neta \"]}, "
        " \"children\": [{\"kind\": \"TFakeSeries\", \"name\": \"Series1\", \"properties\": {\"SeriesColor\": "
        "\"clRed\"}},"
        "              {\"kind\": \"TFakeSeries\", \"name\": \"Series2\", \"properties\": {\"SeriesColor\": "
        "\"0x00008000\"}}]}"));
    const FakeChart& chart = form.control<FakeChart>("Chart1");
    EXPECT_EQ(chart.geometry(), QRect(192, 8, 433, 177));
    EXPECT_EQ(chart.leftAxis.maximum, 10.05);
    EXPECT_EQ(chart.bottomAxis.title, QStringList({"Intrare neta "}));
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_EQ(chart.series[0]->color, clRed);
    EXPECT_EQ(chart.series[1]->color, clGreen);
    EXPECT_EQ(&form.control<FakeSeries>("Series2"), chart.series[1]);

    RecordingForm bad;
    try {
        bad.load(describeWindow("{\"kind\": \"TFakeChart\", \"name\": \"Chart1\", \"properties\": "
                                "{\"LeftAxis\": {\"Maximun\": 1}}, \"children\": [{\"kind\": \"TFakeSeries\", "
                                "\"name\": \"S\", \"properties\": {\"SeriesColour\": \"clRed\"}}]}"));
        ADD_FAILURE() << "loaded without error";
    } catch (const LoadError& error) {
        EXPECT_EQ(error.entry(), "controls[0] Chart1.properties.LeftAxis.Maximun");
    }
    try {
        RecordingForm other;
        other.load(
            describeWindow("{\"kind\": \"TFakeChart\", \"name\": \"Chart1\", \"children\": [{\"kind\": "
                           "\"TFakeSeries\", \"name\": \"S\", \"properties\": {\"SeriesColour\": \"clRed\"}}]}"));
        ADD_FAILURE() << "loaded without error";
    } catch (const LoadError& error) {
        EXPECT_EQ(error.entry(), "controls[0] Chart1.children[0] S.properties.SeriesColour");
    }
}

struct ColorCase {
    const char* text;
    TColor value;
    QColor rgb;
};

class Colours : public ::testing::TestWithParam<ColorCase> {};

TEST_P(Colours, NamesAndNumbersResolveToRgb)
{
    const ColorCase& c = GetParam();
    const std::optional<TColor> value = colorFromText(QString::fromLatin1(c.text));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.value);
    EXPECT_EQ(toQColor(*value), c.rgb);
}

INSTANTIATE_TEST_SUITE_P(Cases, Colours,
                         ::testing::Values(ColorCase{"clTeal", 0x808000, QColor(0, 0x80, 0x80)},
                                           ColorCase{"clBlue", 0xFF0000, QColor(0, 0, 255)},
                                           ColorCase{"clRed", 0x0000FF, QColor(255, 0, 0)},
                                           ColorCase{"clGreen", 0x008000, QColor(0, 0x80, 0)},
                                           ColorCase{"clWhite", 0xFFFFFF, QColor(255, 255, 255)},
                                           ColorCase{"clMaroon", 0x000080, QColor(0x80, 0, 0)},
                                           ColorCase{"0x00C0C0C0", 0xC0C0C0, QColor(0xC0, 0xC0, 0xC0)},
                                           ColorCase{"0x00102030", 0x102030, QColor(0x30, 0x20, 0x10)},
                                           ColorCase{"clMenu", 0x80000004, QColor(0xF0, 0xF0, 0xF0)},
                                           ColorCase{"clNone", 0x1FFFFFFF, QColor()}));

TEST(Colours, SystemColoursFollowTheApplicationPalette)
{
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(toQColor(clBtnFace), palette.color(QPalette::Button));
    EXPECT_EQ(toQColor(clWindowText), palette.color(QPalette::WindowText));
    EXPECT_EQ(toQColor(clWindow), palette.color(QPalette::Base));
    EXPECT_EQ(colorToText(clBtnFace), "clBtnFace");
    EXPECT_EQ(colorToText(0x123456), "0x00123456");
    EXPECT_FALSE(colorFromText("clPink").has_value());
    EXPECT_FALSE(colorFromText("0xZZ000000").has_value());
}

TEST(Density, At96NothingIsScaled)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TEdit\", \"name\": \"E\", \"bounds\": [16, 8, 177, 25]}"),
              LoadOptions{96.0});
    EXPECT_EQ(form.control<TEdit>("E").geometry(), QRect(16, 8, 177, 25));
    EXPECT_EQ(form.clientWidth(), 400);
    EXPECT_EQ(form.font().pixelSize(), 11);
}

TEST(Density, AtTwiceTheDensityFontsAndPlacesGrowByTheTextHeightRatio)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TEdit\", \"name\": \"E\", \"bounds\": [16, 8, 177, 25]},"
                             "{\"kind\": \"TLabel\", \"name\": \"L\", \"bounds\": [10, 10, 8, 13], "
                             " \"properties\": {\"Caption\": \"0\", \"Font\": {\"Height\": -9}}}"),
              LoadOptions{192.0});
    EXPECT_EQ(form.font().pixelSize(), 22);
    EXPECT_EQ(form.control<TLabel>("L").tfont().height, -18);
    const int newHeight = QFontMetrics(form.tfont().toQFont()).height();
    EXPECT_EQ(form.control<TEdit>("E").geometry(),
              QRect(DensityScaler::mulDiv(16, newHeight, 12), DensityScaler::mulDiv(8, newHeight, 12),
                    DensityScaler::mulDiv(177, newHeight, 12), DensityScaler::mulDiv(25, newHeight, 12)));
    EXPECT_GT(form.clientWidth(), 700);
    EXPECT_EQ(form.control<TLabel>("L").left(), DensityScaler::mulDiv(10, newHeight, 12));
}

}  // namespace

#include "LoaderTest.moc"
