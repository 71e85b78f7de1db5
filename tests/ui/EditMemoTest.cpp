// Edit box and memo rules: OnChange per different text, caret at the start, Enter and Tab handling.
#include "RecordingForm.h"
#include "ui/TEdit.h"
#include "ui/TMemo.h"

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

struct EditFixture {
    RecordingForm form{{"Edit1Change", "Ok", "MemoChange"}};
    TEdit* edit = nullptr;
    TMemo* editable = nullptr;
    TMemo* readOnly = nullptr;

    EditFixture()
    {
        form.load(describeWindow(
            "{\"kind\": \"TEdit\", \"name\": \"Edit1\", \"bounds\": [10, 10, 33, 15], "
            "\"properties\": {\"Text\": \"0\", \"BorderStyle\": \"bsNone\", \"Color\": \"clBtnFace\", "
            "\"Font\": {\"Color\": \"clBlue\", \"Style\": [\"fsBold\"]}, \"TabOrder\": 0}, "
            "\"events\": {\"OnChange\": \"Edit1Change\"}},"
            "{\"kind\": \"TMemo\", \"name\": \"Memo1\", \"bounds\": [10, 40, 169, 100], "
            "\"properties\": {\"Lines\": [\"Linia unu \", \"\", \"trei\"], \"TabOrder\": 1}, "
            "\"events\": {\"OnChange\": \"MemoChange\"}},"
            "{\"kind\": \"TMemo\", \"name\": \"Memo2\", \"bounds\": [200, 40, 169, 100], "
            "\"properties\": {\"Lines\": [\"citire\"], \"ReadOnly\": true, \"TabOrder\": 2}},"
            "{\"kind\": \"TBitBtn\", \"name\": \"BitBtn1\", \"bounds\": [10, 200, 75, 25], "
            "\"properties\": {\"Kind\": \"bkOK\", \"TabOrder\": 3}, \"events\": {\"OnClick\": \"Ok\"}}"));
        edit = &form.control<TEdit>("Edit1");
        editable = &form.control<TMemo>("Memo1");
        readOnly = &form.control<TMemo>("Memo2");
        // The edit box is first in tab order: the activation gives it the focus.
        EXPECT_TRUE(showActive(form));
        EXPECT_TRUE(waitFor([&] { return edit->hasFocus(); }));
    }
};

struct WriteCase {
    const char* name;
    const char* text;
    int expectedEvents;
};

class EditWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(EditWrite, FiresOncePerDifferentText)
{
    const WriteCase& c = GetParam();
    EditFixture f;
    f.edit->setText(QString::fromLatin1(c.text));
    EXPECT_EQ(f.form.count("Edit1Change"), c.expectedEvents);
    EXPECT_EQ(f.edit->text(), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(Cases, EditWrite,
                         ::testing::Values(WriteCase{"Same", "0", 0}, WriteCase{"Different", "0.5", 1},
                                           WriteCase{"Empty", "", 1}, WriteCase{"Long", "0.123456789012345678", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Edit, AfterAWriteTheCaretIsAtTheStart)
{
    EditFixture f;
    f.edit->setText("0.761594155955765");
    EXPECT_EQ(f.edit->cursorPosition(), 0);
}

TEST(Edit, LoadingFiresNothingAndKeepsTheDescribedLook)
{
    EditFixture f;
    EXPECT_EQ(f.edit->text(), "0");
    EXPECT_FALSE(f.edit->hasFrame());
    EXPECT_TRUE(f.edit->font().bold());
    EXPECT_EQ(f.edit->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(f.edit->font().pixelSize(), 11) << "the rest of the font comes from the window";
    EXPECT_TRUE(f.form.log.isEmpty());
}

TEST(Edit, EveryUserChangeFiresAndWritingBackTheSameTextDoesNot)
{
    EditFixture f;
    pressKey(Qt::Key_End);
    typeText("12");
    pressKey(Qt::Key_Backspace);
    EXPECT_EQ(f.form.count("Edit1Change"), 3);
    f.edit->setText("01");
    EXPECT_EQ(f.form.count("Edit1Change"), 3);
}

TEST(Edit, EnteringByKeyboardSelectsAllComingBackWithTheWindowKeepsCaretAndSelection)
{
    EditFixture f;
    EXPECT_EQ(f.edit->selectedText(), "0") << "entered on the window's activation";
    f.edit->setText("12345", Notify::No);
    pressKey(Qt::Key_End);
    pressKey(Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_EQ(f.edit->selectedText(), "5");
    // Another window takes the activation, then this one gets it back.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    ASSERT_TRUE(f.edit->hasFocus());
    EXPECT_EQ(f.edit->selectedText(), "5");
    EXPECT_EQ(f.edit->cursorPosition(), 4);
    // Leaving by Tab and coming back by Shift+Tab is an entry from the keyboard.
    pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(f.edit->hasFocus());
    EXPECT_EQ(f.edit->selectedText(), "12345");
}

TEST(Edit, EnterClicksTheDefaultButton)
{
    EditFixture f;
    pressKey(Qt::Key_Return);
    pressKey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(f.form.log, QStringList({"Ok(BitBtn1)", "Ok(BitBtn1)"}));
}

TEST(Edit, EnterWithAModifierClicksNothing)
{
    EditFixture f;
    for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
        pressKey(Qt::Key_Return, modifier);
    EXPECT_EQ(f.form.count("Ok"), 0);
}

TEST(Memo, LinesKeepTrailingBlanksAndEmptyLines)
{
    EditFixture f;
    EXPECT_EQ(f.editable->lines(), QStringList({"Linia unu ", "", "trei"}));
    EXPECT_EQ(f.editable->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(f.editable->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST(Memo, EnterInAnEditableMemoInsertsALineBreak)
{
    EditFixture f;
    pressKey(Qt::Key_Tab);
    ASSERT_TRUE(f.editable->hasFocus());
    f.editable->moveCursor(QTextCursor::End);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(f.editable->lines(), QStringList({"Linia unu ", "", "trei", ""}));
    EXPECT_EQ(f.form.count("Ok"), 0);
}

TEST(Memo, AReadOnlyMemoKeepsEnterAndDoesNothingWithIt)
{
    EditFixture f;
    pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Tab);
    ASSERT_TRUE(f.readOnly->hasFocus());
    pressKey(Qt::Key_Return);
    typeText("x");
    EXPECT_EQ(f.readOnly->lines(), QStringList({"citire"}));
    EXPECT_EQ(f.form.count("Ok"), 0);
}

TEST(Memo, TabMovesTheFocusInTabOrder)
{
    EditFixture f;
    pressKey(Qt::Key_Tab);
    ASSERT_TRUE(f.editable->hasFocus());
    pressKey(Qt::Key_Tab);
    EXPECT_TRUE(f.readOnly->hasFocus());
    EXPECT_EQ(f.editable->lines().size(), 3) << "no tab character inserted";
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(f.editable->hasFocus());
}

}  // namespace
