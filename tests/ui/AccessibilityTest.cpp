// What assistive technology reads of a window: its tree (controls in description order, painted ones included,
// navigable both ways), names and descriptions from the description, sliders in their window's units and set from
// outside as by a key press.
#include "RecordingForm.h"
#include "ui/AccessibleText.h"
#include "ui/TComboBox.h"
#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::RecordingForm;
using rna::ui::test::showActive;

namespace {

QAccessibleInterface* accessible(QObject& object)
{
    return QAccessible::queryAccessibleInterface(&object);
}

// A label, a picture painted over it, a slider, a second label, a list and a button.
const QByteArray kControls =
    "{\"kind\": \"TLabel\", \"name\": \"Label1\", \"bounds\": [50, 10, 60, 13], \"properties\": "
    "{\"Caption\": \"p = \"}},"
    "{\"kind\": \"TImage\", \"name\": \"Image1\", \"bounds\": [40, 5, 100, 60], \"properties\": "
    "{\"AccessibleName\": \"Schema\", \"AccessibleDescription\": \"intrarea, suma, iesirea\"}},"
    "{\"kind\": \"TTrackBar\", \"name\": \"TrackBar1\", \"bounds\": [10, 100, 150, 30], \"properties\": "
    "{\"AccessibleName\": \"Marimea de intrare p\", \"Min\": 0, \"Max\": 50, \"TabOrder\": 0}, "
    "\"events\": {\"OnChange\": \"TrackBar1Change\"}},"
    "{\"kind\": \"TLabel\", \"name\": \"Label2\", \"bounds\": [170, 100, 30, 13], \"properties\": "
    "{\"Caption\": \"0\", \"AccessibleDescription\": \"n = {n}, iesirea {iesire}\"}},"
    "{\"kind\": \"TComboBox\", \"name\": \"ComboBox1\", \"bounds\": [10, 150, 121, 21], \"properties\": "
    "{\"AccessibleName\": \"Functia de activare\", \"Items\": [\"Identitate\", \"Sigmoid logistic\"], "
    "\"ItemIndex\": 1, \"TabOrder\": 1}},"
    "{\"kind\": \"TBitBtn\", \"name\": \"BitBtn1\", \"bounds\": [10, 200, 75, 25], \"properties\": "
    "{\"Caption\": \"Inchide\", \"TabOrder\": 2}}";

struct TreeFixture {
    RecordingForm form{{"TrackBar1Change"}};
    TTrackBar* slider = nullptr;
    QList<int> positions;  // the position each OnChange saw

    TreeFixture()
    {
        form.load(describeWindow(kControls));
        slider = &form.control<TTrackBar>("TrackBar1");
        form.onCall("TrackBar1Change", [this](QObject*) { positions.append(slider->position()); });
    }
};

TEST(AccessibleWindow, ChildrenAreItsControlsInDescriptionOrderAndNavigateBothWays)
{
    TreeFixture f;
    // Shown and active, so that the focus ring's strips exist too: they are no controls.
    ASSERT_TRUE(showActive(f.form));
    QAccessibleInterface* window = accessible(f.form);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Test");

    struct Child {
        const char* name;
        QAccessible::Role role;
        const char* accessibleName;
    };
    const Child expected[] = {
        {"Label1", QAccessible::StaticText, "p = "},
        {"Image1", QAccessible::Graphic, "Schema"},
        {"TrackBar1", QAccessible::Slider, "Marimea de intrare p"},
        {"Label2", QAccessible::StaticText, "0"},
        {"ComboBox1", QAccessible::ComboBox, "Functia de activare"},
        {"BitBtn1", QAccessible::Button, "Inchide"},
    };
    ASSERT_EQ(window->childCount(), int(std::size(expected)));
    for (int i = 0; i < window->childCount(); ++i) {
        const Child& c = expected[i];
        SCOPED_TRACE(c.name);
        QAccessibleInterface* child = window->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->object()->objectName(), c.name);
        EXPECT_EQ(child->role(), c.role);
        EXPECT_EQ(child->text(QAccessible::Name), c.accessibleName);
        EXPECT_EQ(child->parent(), window);
        EXPECT_EQ(window->indexOfChild(child), i);
        EXPECT_FALSE(child->state().invisible);
        // Where the child is on the screen finds it again; Label1 also where the picture painted after it covers
        // it.
        const QPoint inside = child->rect().topLeft() + QPoint(3, 3);
        EXPECT_EQ(window->childAt(inside.x(), inside.y()), child);
    }
    EXPECT_EQ(window->child(int(std::size(expected))), nullptr);
    // The picture where no label lies.
    const QPoint pictureOnly = f.form.mapToGlobal(QPoint(120, 50));
    EXPECT_EQ(window->childAt(pictureOnly.x(), pictureOnly.y()), window->child(1));

    f.form.hide();
    EXPECT_TRUE(window->child(0)->state().invisible);
}

TEST(AccessibleDescription, FieldsAreFilledInWhenReadAndAHoleLeavesNoDescription)
{
    struct Case {
        const char* pattern;
        const char* expected;
    };
    const AccessibleFields values{{"n", "1.00"}, {"iesire", "0.7616"}, {"gol", ""}};
    const Case cases[] = {
        {"n = {n}, iesirea {iesire}", "n = 1.00, iesirea 0.7616"},
        {"{n}{iesire}", "1.000.7616"},
        {"[{gol}]", "[]"},
        {"fara campuri", "fara campuri"},
        {"n = {m}", ""},  // no such value
        {"n = {n", ""},  // unmatched braces
        {"n = n}", ""},
        {"n = }n{", ""},
        {"{}", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillFields(QString::fromLatin1(c.pattern), values), c.expected) << c.pattern;

    // The values come from the window's code, worked out when they are read (nobody listens offscreen).
    TreeFixture f;
    auto& label = f.form.control<TLabel>("Label2");
    QAccessibleInterface* read = accessible(label);
    EXPECT_EQ(read->text(QAccessible::Description), "") << "no values yet";
    AccessibleFields current = values;
    int workedOut = 0;
    setAccessibleFieldsSource(label, [&] {
        ++workedOut;
        return current;
    });
    EXPECT_EQ(read->text(QAccessible::Description), "n = 1.00, iesirea 0.7616");
    EXPECT_EQ(read->text(QAccessible::Description), "n = 1.00, iesirea 0.7616");
    EXPECT_EQ(workedOut, 1) << "worked out again only after a change";
    current = {{"n", "2.00"}};
    accessibleFieldsChanged(label);
    accessibleFieldsChanged(label);
    EXPECT_EQ(workedOut, 1) << "not while nobody reads";
    EXPECT_EQ(read->text(QAccessible::Description), "") << "a value missing";
    EXPECT_EQ(workedOut, 2);
    // A label without a name of its own reads as its caption, whatever it becomes.
    label.setCaption(QStringLiteral("1.00"));
    EXPECT_EQ(read->text(QAccessible::Name), "1.00");
    // The picture's description is its text as given.
    EXPECT_EQ(accessible(f.form.control<QObject>("Image1"))->text(QAccessible::Description), "intrarea, suma, iesirea");
}

// A slider of 0 ... 50 read in tenths, as p is: positions 0 ... 50 are the values 0 ... 5.
struct ReadInTenths : TreeFixture {
    ReadInTenths()
    {
        slider->setReading(
            {10, [](int position) { return QStringLiteral("%1,%2").arg(position / 10).arg(position % 10); }});
        value = accessible(*slider)->valueInterface();
    }
    QAccessibleValueInterface* value = nullptr;
};

TEST(AccessibleSlider, ReadsInTheWindowsUnitsWithTheWindowsText)
{
    ReadInTenths f;
    ASSERT_NE(f.value, nullptr);
    f.slider->setPosition(25);
    EXPECT_EQ(f.value->currentValue().toDouble(), 2.5);
    EXPECT_EQ(f.value->minimumValue().toDouble(), 0.0);
    EXPECT_EQ(f.value->maximumValue().toDouble(), 5.0);
    EXPECT_EQ(f.value->minimumStepSize().toDouble(), 0.1);
    EXPECT_EQ(accessible(*f.slider)->text(QAccessible::Value), "2,5");

    // The value label and the slider name each other.
    auto& label = f.form.control<TLabel>("Label2");
    label.setLabelFor(f.slider);
    const auto sliderRelations = accessible(*f.slider)->relations(QAccessible::Label);
    ASSERT_EQ(sliderRelations.size(), 1);
    EXPECT_EQ(sliderRelations[0].first->object(), &label);
    const auto labelRelations = accessible(label)->relations(QAccessible::Labelled);
    ASSERT_EQ(labelRelations.size(), 1);
    EXPECT_EQ(labelRelations[0].first->object(), f.slider);
}

TEST(AccessibleSlider, AValueSetFromOutsideMovesItAsOneKeyPressDoes)
{
    struct Case {
        QVariant asked;
        int position;  // from 10
        int changes;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {2.5, 25, 2},
        {2.54, 25, 2},
        {2.56, 26, 2},
        {1.0, 10, 2},  // unchanged: an action all the same
        {99.0, 50, 2},
        {-3.0, 0, 2},
        {QStringLiteral("4"), 40, 2},
        {nan, 10, 0},
        {QStringLiteral("x"), 10, 0},
    };
    // What a key press gives: OnChange for the move and once more when the key comes up.
    ReadInTenths keys;
    keys.slider->setPosition(10, Notify::No);
    QTest::keyClick(keys.slider, Qt::Key_Right);
    ASSERT_EQ(keys.positions, QList<int>({11, 11}));

    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked.toString().toStdString());
        ReadInTenths f;
        f.slider->setPosition(10, Notify::No);
        f.value->setCurrentValue(c.asked);
        EXPECT_EQ(f.slider->position(), c.position);
        EXPECT_EQ(f.positions, QList<int>(c.changes, c.position));
    }
}

TEST(AccessibleSlider, QtsOwnSetterCannotBypassTheChangeEvent)
{
    // Any other way to Qt's value (a stock interface, QAbstractSlider's API) is a position set from code.
    TreeFixture f;
    f.slider->setValue(7);
    f.slider->setValue(7);
    f.slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.positions, QList<int>({7, 8}));
}

TEST(AccessibleList, IsNamedByWhatItChoosesAndReadsItsItemAsItsValue)
{
    TreeFixture f;
    auto& list = f.form.control<TComboBox>("ComboBox1");
    QAccessibleInterface* read = accessible(list);
    EXPECT_EQ(read->text(QAccessible::Name), "Functia de activare");
    EXPECT_EQ(read->text(QAccessible::Value), "Sigmoid logistic");
    ASSERT_EQ(read->childCount(), 1);
    EXPECT_EQ(read->child(0)->parent(), read) << "the edit field";
    EXPECT_EQ(read->indexOfChild(read->child(0)), 0);
}

}  // namespace
