// The demonstration windows as assistive technology reads them: every focusable control named, sliders in the
// screen's units and set from outside as by the keyboard, the charts' summaries, and the screens' values.
#include "ScreenDriver.h"
#include "neuron/screens/TForm3.h"

#include <QAccessible>
#include <map>
#include <set>

namespace rna::neuron::test {
namespace {

QAccessibleInterface* accessible(QObject& object)
{
    return QAccessible::queryAccessibleInterface(&object);
}

struct WindowNames {
    const char* window;
    std::map<std::string, std::string> names;  // every control Tab reaches -> what it is read as
};

const WindowNames kNames[] = {
    {"Form0",
     {{"BitBtn1", "Neuronul cu o intrare"},
      {"BitBtn2", "Neuronul cu doua intrari"},
      {"BitBtn3", "Retea neuronala"},
      {"BitBtn4", "Iesire"}}},
    {"Form1",
     {{"ComboBox1", "Functia de activare"},
      {"TrackBar1", "Marimea de intrare p"},
      {"TrackBar2", "Ponderea w"},
      {"TrackBar3", "Pragul b"},
      {"Memo1", "Instructiuni"},
      {"BitBtn1", "Inchide"}}},
    {"Form2",
     {{"TrackBar1", "Marimea de intrare p1"},
      {"TrackBar2", "Marimea de intrare p2"},
      {"TrackBar3", "Ponderea w1"},
      {"TrackBar4", "Ponderea w2"},
      {"TrackBar5", "Pragul b"},
      {"ComboBox1", "Functia de activare"},
      {"Memo1", "Instructiuni"},
      {"BitBtn1", "Inchide"}}},
    {"Form3",
     {{"TrackBar1", "Marimea de intrare p"},
      {"ComboBox1", "Functia de activare a neuronului 1"},
      {"ComboBox2", "Functia de activare a neuronului 2"},
      {"ComboBox3", "Functia de activare a neuronului de iesire"},
      {"TrackBar2", "Ponderea w1 a neuronului 1"},
      {"TrackBar3", "Ponderea w2 a neuronului 2"},
      {"TrackBar4", "Pragul b1 al neuronului 1"},
      {"TrackBar5", "Pragul b2 al neuronului 2"},
      {"TrackBar6", "Ponderea v1 a neuronului de iesire"},
      {"TrackBar7", "Ponderea v2 a neuronului de iesire"},
      {"TrackBar8", "Pragul b3 al neuronului de iesire"},
      {"Memo1", "Instructiuni"},
      {"Edit1", "Iesirea neuronului 1 (a1)"},
      {"Edit2", "Iesirea neuronului 2 (a2)"},
      {"BitBtn1", "Inchide"}}},
};

class Names : public ::testing::TestWithParam<WindowNames> {};

// Each window is a window named by its caption; its children are its windowed and painted controls, each with the
// window as parent; every control Tab reaches has its name.
TEST_P(Names, EveryFocusableControlIsNamedAndTheTreeHoldsTogether)
{
    const WindowNames& w = GetParam();
    rna::app::Program program(ProgramPath);
    rna::ui::TForm& form = *program.findForm(QLatin1String(w.window));
    QAccessibleInterface* window = accessible(form);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), form.caption());
    std::map<std::string, std::string> focusable;
    int painted = 0, windowed = 0;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->parent(), window);
        EXPECT_EQ(window->indexOfChild(child), i);
        const auto* widget = qobject_cast<const QWidget*>(child->object());
        (widget ? windowed : painted) += 1;
        if (widget && (widget->focusPolicy() & Qt::TabFocus))
            focusable[child->object()->objectName().toStdString()] = child->text(QAccessible::Name).toStdString();
    }
    EXPECT_EQ(focusable, w.names);
    EXPECT_EQ(painted, int(form.graphicControls().size()));
    EXPECT_GT(windowed, 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, Names, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return std::string(info.param.window); });

// Sliders read the value the screen shows for their position, with the screen's text and separator.
TEST(AccessibleSliders, ReadInTheScreensUnits)
{
    struct Case {
        const char* window;
        const char* slider;
        int position;
        double value, minimum, maximum, step;
        const char* text;
        const char* label;  // the label that shows the value and names the slider
    };
    const Case cases[] = {
        {"Form1", "TrackBar1", 25, 2.5, 0, 5, 0.1, "2,5", "Label16"},
        {"Form1", "TrackBar2", -3, -0.3, -1, 1, 0.1, "-0,3", "Label17"},
        {"Form1", "TrackBar3", -5, -5, -5, 5, 1, "-5", "Label18"},
        {"Form2", "TrackBar4", 7, 0.7, -1, 1, 0.1, "0,7", "Label19"},
        {"Form3", "TrackBar8", 3, 3, -5, 5, 1, "3", "Label29"},
        {"Form3", "TrackBar7", -10, -1, -1, 1, 0.1, "-1", "Label28"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.slider);
        ScreenDriver screen(c.window);
        SeparatorAnnouncer separator;
        separator.comma();
        screen.moveSlider(c.slider, c.position);
        QAccessibleInterface* slider = accessible(screen.get<QObject>(c.slider));
        QAccessibleValueInterface* value = slider->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_DOUBLE_EQ(value->currentValue().toDouble(), c.value);
        EXPECT_DOUBLE_EQ(value->minimumValue().toDouble(), c.minimum);
        EXPECT_DOUBLE_EQ(value->maximumValue().toDouble(), c.maximum);
        EXPECT_DOUBLE_EQ(value->minimumStepSize().toDouble(), c.step);
        EXPECT_EQ(slider->text(QAccessible::Value).toStdString(), c.text);
        EXPECT_EQ(screen.caption(c.label), c.text);
        const auto labels = slider->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0].first->object()->objectName().toStdString(), c.label);
    }
}

// What the window shows after a replay: labels, chart points and axis, and the chart's summary.
struct Outcome {
    std::vector<std::string> captions;
    std::vector<Point> curve, marker;
    AxisRange axis;
    std::string summary;
    bool operator==(const Outcome&) const = default;
};

Outcome outcomeOf(const ScreenDriver& screen)
{
    Outcome o;
    for (const char* label : {"Label16", "Label17", "Label18", "Label19", "Label24"})
        o.captions.push_back(screen.caption(label));
    o.curve = screen.points("Series1");
    o.marker = screen.points("Series2");
    o.axis = screen.leftAxis("Chart1");
    o.summary = accessible(screen.get<QObject>("Chart1"))->text(QAccessible::Description).toStdString();
    return o;
}

// The README's example set through the sliders' value interface gives what the keyboard gives: labels, n, the
// output, the chart and its summary follow.
TEST(AccessibleSliders, AValueSetFromOutsideUpdatesTheScreenAsTheKeyboardDoes)
{
    Outcome byValue;
    {
        ScreenDriver screen("Form1");
        screen.pick("ComboBox1", 1);
        EXPECT_EQ(accessible(screen.get<QObject>("ComboBox1"))->text(QAccessible::Value), "Tangent hiperbolic");
        for (const auto& [slider, value] : {std::pair{"TrackBar1", 2.5}, {"TrackBar2", 0.8}, {"TrackBar3", -1.0}})
            accessible(screen.get<QObject>(slider))->valueInterface()->setCurrentValue(value);
        EXPECT_EQ(screen.get<rna::ui::TTrackBar>("TrackBar1").position(), 25);
        byValue = outcomeOf(screen);
    }
    ScreenDriver screen("Form1");
    screen.pick("ComboBox1", 1);
    screen.moveSlider("TrackBar1", 25);
    screen.moveSlider("TrackBar2", 8);
    screen.moveSlider("TrackBar3", -1);
    const Outcome byKeys = outcomeOf(screen);
    EXPECT_EQ(byValue.captions, byKeys.captions);
    EXPECT_EQ(byValue, byKeys);
    EXPECT_EQ(byKeys.captions, (std::vector<std::string>{"2.5", "0.8", "-1", "1.00", "0.7616"}));
    EXPECT_EQ(byKeys.summary, "Tangent hiperbolic; intrarea neta n = 1.00; iesirea 0.7616; axa orizontala de la "
                              "-10.05 la 10.05, axa verticala de la -1.05 la 1.05");
}

// A chart's summary describes what it draws: nothing before its first refill, nor while no function is chosen, and
// the function it draws when the list was reset without a refill.
TEST(ChartSummary, FollowsTheRefillsOfItsChart)
{
    ScreenDriver screen("Form3");
    const auto summary = [&](const char* chart) {
        return accessible(screen.get<QObject>(chart))->text(QAccessible::Description).toStdString();
    };
    EXPECT_EQ(summary("Chart1"), "");
    EXPECT_EQ(accessible(screen.get<QObject>("Chart1"))->text(QAccessible::Name), "Functia de transfer a neuronului 1");
    EXPECT_EQ(accessible(screen.get<QObject>("Chart3"))->role(), QAccessible::Chart);
    EXPECT_EQ(accessible(screen.get<QObject>("Chart3"))->text(QAccessible::Name),
              "Functia de transfer a neuronului de pe ultimul strat");
    screen.pick("ComboBox1", 2);
    screen.moveSlider("TrackBar1", 20);
    screen.moveSlider("TrackBar2", 5);
    EXPECT_EQ(summary("Chart1"), "Sigmoid logistic; intrarea neta n1 = 1; iesirea a1 = 0.731058578630005; axa "
                                 "orizontala de la -10 la 10, axa verticala de la -0.05 la 1.05");
    // The hidden output reached the output neuron through its edit box.
    EXPECT_EQ(summary("Chart3"), "Identitate; intrarea neta n3 = 0.0000; iesirea 0.0000; axa orizontala de la -25 la "
                                 "25.5, axa verticala de la -25.05 la 25.05");
    // Shown again, the list reads "Identitate" while the chart still draws the sigmoid.
    const std::string sigmoid = summary("Chart1");
    screen.window->hide();
    screen.show();
    EXPECT_EQ(screen.listText("ComboBox1"), "Identitate");
    EXPECT_EQ(summary("Chart1"), sigmoid);
    screen.typeOver("ComboBox1", QStringLiteral("x"));
    EXPECT_EQ(summary("Chart1"), "") << "the chart is empty";
}

// The screens' values are those the screens show, control by control.
TEST(ScreenValues, AreWhatTheScreenShows)
{
    struct Shown {
        const char* neuron;
        const char* value;
        const char* control;  // a label, an edit box or a list
    };
    const Shown form3[] = {
        {"neuron1", "p", "Label22"},         {"neuron1", "w1", "Label23"}, {"neuron1", "b1", "Label25"},
        {"neuron1", "functia", "ComboBox1"}, {"neuron1", "a1", "Edit1"},   {"neuron2", "p", "Label22"},
        {"neuron2", "w2", "Label24"},        {"neuron2", "b2", "Label26"}, {"neuron2", "functia", "ComboBox2"},
        {"neuron2", "a2", "Edit2"},          {"neuron3", "v1", "Label27"}, {"neuron3", "v2", "Label28"},
        {"neuron3", "b3", "Label29"},        {"neuron3", "n3", "Label31"}, {"neuron3", "functia", "ComboBox3"},
        {"neuron3", "iesire", "Label30"},
    };
    ScreenDriver screen("Form3");
    screen.pick("ComboBox1", 1);
    screen.pick("ComboBox2", 2);
    screen.pick("ComboBox3", 1);
    for (const auto& [slider, position] : std::vector<std::pair<const char*, int>>{{"TrackBar1", 20},
                                                                                   {"TrackBar2", 5},
                                                                                   {"TrackBar3", -3},
                                                                                   {"TrackBar5", 1},
                                                                                   {"TrackBar6", 8},
                                                                                   {"TrackBar7", -6},
                                                                                   {"TrackBar8", 1}})
        screen.moveSlider(slider, position);
    const ScreenValues values = static_cast<const TForm3&>(*screen.window).values();
    ASSERT_EQ(values.size(), 3u);
    std::set<std::string> seen;
    for (const Shown& s : form3) {
        SCOPED_TRACE(std::string(s.neuron) + " " + s.value);
        const auto neuron = std::find_if(values.begin(), values.end(),
                                         [&](const NeuronValues& n) { return n.neuron == QLatin1String(s.neuron); });
        ASSERT_NE(neuron, values.end());
        const ShownValue* value = neuron->find(QString::fromLatin1(s.value));
        ASSERT_NE(value, nullptr);
        QObject& control = screen.get<QObject>(s.control);
        const std::string shown = qobject_cast<rna::ui::TLabel*>(&control)  ? screen.caption(s.control)
                                  : qobject_cast<rna::ui::TEdit*>(&control) ? screen.editText(s.control)
                                                                            : screen.listText(s.control);
        EXPECT_EQ(value->text.toStdString(), shown);
        seen.insert(std::string(s.neuron) + " " + s.value);
    }
    // n1 and n2 are shown nowhere; every other value is.
    std::size_t count = 0;
    for (const NeuronValues& n : values)
        count += n.values.size();
    EXPECT_EQ(count, seen.size() + 2);
    EXPECT_EQ(values[0].find(u"n1")->number, 1.0);
    EXPECT_EQ(values[0].find(u"functia")->number, 1.0);
}

}  // namespace
}  // namespace rna::neuron::test
