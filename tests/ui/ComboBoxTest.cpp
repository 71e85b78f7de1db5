// Drop-down list rules: picks (also of the selected item), typing closed and dropped down, no events from code.
#include "RecordingForm.h"
#include "ui/TBitBtn.h"
#include "ui/TComboBox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::RecordingForm;

namespace {

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
        form.show();
        list->setFocus();
    }
    int changes() const { return form.count("ComboBox1Change"); }
    void dropDown()
    {
        list->showPopup();
        EXPECT_TRUE(rna::ui::test::waitFor([&] { return list->isDroppedDown(); }, 2000));
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
    QTest::keyClicks(f.list, "Identitate");
    EXPECT_EQ(f.list->text(), "Identitate");
    EXPECT_EQ(f.changes(), 10) << "one event per typed character";
    EXPECT_EQ(f.indexes, QList<int>(10, -1));
    EXPECT_EQ(f.texts.first(), "I");
    QTest::keyClick(f.list, Qt::Key_Backspace);
    EXPECT_EQ(f.changes(), 11);
    EXPECT_EQ(f.list->text(), "Identitat");
}

TEST(List, LeavingTheListAfterTypingAnItemsTextKeepsTheSelectionCleared)
{
    ListFixture f;
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    f.list->setFocus();
    QTest::keyClicks(f.list, "Sigmoid logistic");
    const int typed = f.changes();
    f.form.control<TBitBtn>("BitBtn1").setFocus();  // the edit field's editing ends here
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
    QTest::keyClicks(f.list->view(), c.typed);
    EXPECT_EQ(f.list->text(), QString::fromLatin1(c.typed)) << "typed characters go to the edit field";
    EXPECT_EQ(f.list->itemIndex(), c.expectedIndex);
    EXPECT_EQ(f.changes(), int(qstrlen(c.typed)));
    EXPECT_TRUE(f.list->isDroppedDown());
    f.list->hidePopup();
}

INSTANTIATE_TEST_SUITE_P(Cases, ListDroppedDown,
                         ::testing::Values(DroppedCase{"t", 1}, DroppedCase{"SIG", 2}, DroppedCase{"i", 0},
                                           DroppedCase{"tx", -1}, DroppedCase{"identitatex", -1},
                                           DroppedCase{"Sigmoid logistic", 2}));

TEST(List, PickingAnItemSetsTheTextThenClickThenChange)
{
    ListFixture f;
    for (int round = 0; round < 2; ++round) {  // the second pick is of the item already selected
        f.dropDown();
        QAbstractItemView* view = f.list->view();
        const QRect item = view->visualRect(f.list->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        EXPECT_TRUE(rna::ui::test::waitFor([&] { return !f.list->isDroppedDown(); }, 2000));
    }
    EXPECT_EQ(f.form.log, QStringList({"ComboBox1Click(ComboBox1)", "ComboBox1Change(ComboBox1)",
                                       "ComboBox1Click(ComboBox1)", "ComboBox1Change(ComboBox1)"}));
    EXPECT_EQ(f.texts, QStringList({"Tangent hiperbolic", "Tangent hiperbolic"}));
    EXPECT_EQ(f.indexes, QList<int>({1, 1}));
}

TEST(List, ArrowKeysOnTheClosedListMoveTheSelection)
{
    ListFixture f;
    QTest::keyClick(f.list, Qt::Key_Down);
    QTest::keyClick(f.list, Qt::Key_Down);
    QTest::keyClick(f.list, Qt::Key_Down);
    QTest::keyClick(f.list, Qt::Key_Down);  // already at the last item: no move, no event
    QTest::keyClick(f.list, Qt::Key_Up);
    EXPECT_EQ(f.indexes, QList<int>({0, 1, 2, 1}));
    EXPECT_EQ(f.texts, QStringList({"Identitate", "Tangent hiperbolic", "Sigmoid logistic", "Tangent hiperbolic"}));
}

TEST(List, EnterOnTheClosedListClicksTheDefaultButtonAndAddsNoItem)
{
    ListFixture f;
    QTest::keyClicks(f.list, "Nou");
    f.form.log.clear();
    QTest::keyClick(f.list, Qt::Key_Return);
    EXPECT_EQ(f.form.log, QStringList({"BitBtn1Click(BitBtn1)"}));
    EXPECT_EQ(f.list->count(), 3);
    EXPECT_EQ(f.list->text(), "Nou");
}

TEST(List, TheDroppedDownListKeepsEnterAndEscape)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        ListFixture f;
        f.dropDown();
        QTest::keyClick(f.list->view(), key);
        EXPECT_TRUE(rna::ui::test::waitFor([&] { return !f.list->isDroppedDown(); }, 2000));
        EXPECT_TRUE(f.form.log.isEmpty()) << "key " << key << " " << f.form.log.join(",").toStdString();
        EXPECT_EQ(f.list->count(), 3);
    }
}

}  // namespace
