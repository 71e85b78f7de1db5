// Drop-down list rules: picks (also of the selected item), typing closed and dropped down, no events from code.
#include "RecordingForm.h"
#include "ui/TBitBtn.h"
#include "ui/TComboBox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::pressKey;
using rna::ui::test::RecordingForm;
using rna::ui::test::showActive;
using rna::ui::test::typeText;
using rna::ui::test::waitFor;

namespace {

enum class OpenBy { ArrowClick, AltDown };

struct ListFixture {
    RecordingForm form{{"ComboBox1Change", "ComboBox1Click", "BitBtn1Click"}};
    TComboBox* list = nullptr;
    QList<int> indexes;  // the selected index seen by each OnChange
    QStringList texts;  // the text seen by each OnChange

    ListFixture()
    {
        form.load(describeWindow(
            "{\"kind\": \"TComboBox\", \"name\": \"ComboBox1\", \"bounds\": [10, 10, 121, 21], "
            "\"properties\": {\"Items\": [\"Identitate\", \"Tangent hiperbolic\", \"Sigmoid logistic\"], "
            "\"ItemHeight\": 13, \"TabOrder\": 0}, "
            "\"events\": {\"OnChange\": \"ComboBox1Change\", \"OnClick\": \"ComboBox1Click\"}},"
            "{\"kind\": \"TBitBtn\", \"name\": \"BitBtn1\", \"bounds\": [10, 100, 75, 25], "
            "\"properties\": {\"Kind\": \"bkOK\", \"Caption\": \"Inchide\", \"TabOrder\": 1}, "
            "\"events\": {\"OnClick\": \"BitBtn1Click\"}}"));
        list = &form.control<TComboBox>("ComboBox1");
        form.onCall("ComboBox1Change", [this](QObject*) {
            indexes.append(list->itemIndex());
            texts.append(list->text());
        });
        // The list is first in tab order: the activation gives it the focus.
        EXPECT_TRUE(showActive(form));
        EXPECT_TRUE(waitFor([&] { return list->hasFocus(); }));
    }
    int changes() const { return form.count("ComboBox1Change"); }
    void dropDown(OpenBy how = OpenBy::ArrowClick)
    {
        if (how == OpenBy::AltDown) {
            pressKey(Qt::Key_Down, Qt::AltModifier);
        } else {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = true;
            option.subControls = QStyle::SC_All;
            const QRect arrow =
                list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
            QTest::mouseClick(list, Qt::LeftButton, {}, arrow.center());
        }
        EXPECT_TRUE(waitFor([&] { return list->isDroppedDown(); }, 2000));
    }
};

TEST(List, LoadedWithItemsNoSelectionNoText)
{
    ListFixture f;
    EXPECT_EQ(f.list->items(), QStringList({"Identitate", "Tangent hiperbolic", "Sigmoid logistic"}));
    EXPECT_EQ(f.list->itemIndex(), -1);
    EXPECT_EQ(f.list->text(), QString());
    EXPECT_TRUE(f.form.log.isEmpty());
}

TEST(List, SettingIndexOrTextFromCodeFiresNothing)
{
    ListFixture f;
    f.list->setItemIndex(1);
    EXPECT_EQ(f.list->text(), "Tangent hiperbolic");
    f.list->setItemIndex(1);
    f.list->setItemIndex(0);
    f.list->setText("abc");
    f.list->setItemIndex(-1);
    EXPECT_EQ(f.list->itemIndex(), -1);
    EXPECT_TRUE(f.form.log.isEmpty());
}

TEST(List, TypingWithTheListClosedClearsTheSelectionEvenForAnItemsText)
{
    ListFixture f;
    f.list->setItemIndex(2);
    f.list->lineEdit()->selectAll();
    typeText("Identitate");
    EXPECT_EQ(f.list->text(), "Identitate");
    EXPECT_EQ(f.changes(), 10) << "one event per typed character";
    EXPECT_EQ(f.indexes, QList<int>(10, -1));
    EXPECT_EQ(f.texts.first(), "I");
    pressKey(Qt::Key_Backspace);
    EXPECT_EQ(f.changes(), 11);
    EXPECT_EQ(f.list->text(), "Identitat");
}

TEST(List, LeavingTheListAfterTypingAnItemsTextKeepsTheSelectionCleared)
{
    ListFixture f;
    typeText("Sigmoid logistic");
    const int typed = f.changes();
    pressKey(Qt::Key_Tab);  // the edit field's editing ends here
    ASSERT_TRUE(f.form.control<TBitBtn>("BitBtn1").hasFocus());
    EXPECT_EQ(f.list->itemIndex(), -1);
    EXPECT_EQ(f.list->text(), "Sigmoid logistic");
    EXPECT_EQ(f.changes(), typed);
}

struct DroppedCase {
    const char* typed;
    int expectedIndex;
};

class ListDroppedDown : public ::testing::TestWithParam<DroppedCase> {};

TEST_P(ListDroppedDown, TypingSelectsTheFirstItemStartingWithTheTextIgnoringCase)
{
    const DroppedCase& c = GetParam();
    ListFixture f;
    f.dropDown();
    typeText(QString::fromLatin1(c.typed));
    EXPECT_EQ(f.list->text(), QString::fromLatin1(c.typed)) << "typed characters go to the edit field";
    EXPECT_EQ(f.list->itemIndex(), c.expectedIndex);
    EXPECT_EQ(f.changes(), int(qstrlen(c.typed)));
    EXPECT_TRUE(f.list->isDroppedDown());
    pressKey(Qt::Key_Escape);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListDroppedDown,
                         ::testing::Values(DroppedCase{"t", 1}, DroppedCase{"SIG", 2}, DroppedCase{"i", 0},
                                           DroppedCase{"tx", -1}, DroppedCase{"identitatex", -1},
                                           DroppedCase{"Sigmoid logistic", 2}));

TEST(List, PickingAnItemSetsTheTextThenClickThenChange)
{
    ListFixture f;
    // The second pick is of the item already selected.
    for (OpenBy how : {OpenBy::ArrowClick, OpenBy::AltDown}) {
        f.dropDown(how);
        QAbstractItemView* view = f.list->view();
        const QRect item = view->visualRect(f.list->model()->index(1, 0));
        // The user moves onto the item first (Qt ignores a release that comes too soon after the opening click).
        QTest::mouseMove(view->viewport(), item.center());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        EXPECT_TRUE(waitFor([&] { return !f.list->isDroppedDown(); }, 2000));
    }
    EXPECT_EQ(f.form.log, QStringList({"ComboBox1Click(ComboBox1)", "ComboBox1Change(ComboBox1)",
                                       "ComboBox1Click(ComboBox1)", "ComboBox1Change(ComboBox1)"}));
    EXPECT_EQ(f.texts, QStringList({"Tangent hiperbolic", "Tangent hiperbolic"}));
    EXPECT_EQ(f.indexes, QList<int>({1, 1}));
}

struct ListKeysCase {
    const char* name;
    OpenBy openBy;
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;  // pressed in the dropped-down list
    int picked;  // -1: closed without a pick
};

class DroppedDownListKeys : public ::testing::TestWithParam<ListKeysCase> {};

// The arrows move the highlight only; Enter or Alt+Up picks it as a click does; Escape closes without a pick.
TEST_P(DroppedDownListKeys, PickTheHighlightedItemLikeAClick)
{
    const ListKeysCase& c = GetParam();
    ListFixture f;
    f.dropDown(c.openBy);
    for (const auto& [key, modifiers] : c.keys)
        pressKey(key, modifiers);
    EXPECT_TRUE(waitFor([&] { return !f.list->isDroppedDown(); }, 2000));
    EXPECT_EQ(f.list->itemIndex(), c.picked);
    if (c.picked < 0) {
        EXPECT_TRUE(f.form.log.isEmpty()) << f.form.log.join(",").toStdString();
        EXPECT_EQ(f.list->text(), QString());
    } else {
        EXPECT_EQ(f.form.log, QStringList({"ComboBox1Click(ComboBox1)", "ComboBox1Change(ComboBox1)"}));
        EXPECT_EQ(f.indexes, QList<int>({c.picked}));
        EXPECT_EQ(f.texts, QStringList({f.list->itemText(c.picked)}));
    }
    EXPECT_TRUE(f.list->hasFocus()) << "the focus is back on the list";
    EXPECT_EQ(f.list->count(), 3);
}

const Qt::KeyboardModifiers kNoModifier = Qt::NoModifier;
const Qt::KeyboardModifiers kAlt = Qt::AltModifier;

INSTANTIATE_TEST_SUITE_P(
    Cases, DroppedDownListKeys,
    ::testing::Values(
        ListKeysCase{"ClickDownDownEnter",
                     OpenBy::ArrowClick,
                     {{Qt::Key_Down, kNoModifier}, {Qt::Key_Down, kNoModifier}, {Qt::Key_Return, kNoModifier}},
                     1},
        ListKeysCase{"AltDownDownDownUpEnter",
                     OpenBy::AltDown,
                     {{Qt::Key_Down, kNoModifier},
                      {Qt::Key_Down, kNoModifier},
                      {Qt::Key_Down, kNoModifier},
                      {Qt::Key_Up, kNoModifier},
                      {Qt::Key_Enter, Qt::KeypadModifier}},
                     1},
        ListKeysCase{"ClickDownAltUp", OpenBy::ArrowClick, {{Qt::Key_Down, kNoModifier}, {Qt::Key_Up, kAlt}}, 0},
        ListKeysCase{
            "AltDownDownEscape", OpenBy::AltDown, {{Qt::Key_Down, kNoModifier}, {Qt::Key_Escape, kNoModifier}}, -1},
        ListKeysCase{"ClickEnterWithNothingHighlighted", OpenBy::ArrowClick, {{Qt::Key_Return, kNoModifier}}, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(List, ArrowKeysOnTheClosedListMoveTheSelection)
{
    ListFixture f;
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Down);  // already at the last item: no move, no event
    pressKey(Qt::Key_Up);
    EXPECT_EQ(f.indexes, QList<int>({0, 1, 2, 1}));
    EXPECT_EQ(f.texts, QStringList({"Identitate", "Tangent hiperbolic", "Sigmoid logistic", "Tangent hiperbolic"}));
}

TEST(List, EnterOnTheClosedListClicksTheDefaultButtonAndAddsNoItem)
{
    ListFixture f;
    typeText("Nou");
    f.form.log.clear();
    pressKey(Qt::Key_Return);
    EXPECT_EQ(f.form.log, QStringList({"BitBtn1Click(BitBtn1)"}));
    EXPECT_EQ(f.list->count(), 3);
    EXPECT_EQ(f.list->text(), "Nou");
}

}  // namespace
