// The main menu through simulated input: buttons, keyboard focus, Enter, and the end of the program.
#include "ProgramUnderTest.h"

#include "neuron/screens/TForm1.h"
#include "neuron/screens/TForm2.h"
#include "neuron/screens/TForm3.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <array>
#include <gtest/gtest.h>

namespace rna::app::test {
namespace {

using rna::ui::TForm;

struct MenuEntry {
    const char* button;
    const char* formName;
};
// Each demonstration button of the main menu and the window it opens.
constexpr std::array<MenuEntry, 3> MenuEntries{{
    {"BitBtn1", "Form1"},
    {"BitBtn2", "Form2"},
    {"BitBtn3", "Form3"},
}};

class MainMenu : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(showAndActivate(*Form0)); }

    TForm& form(const char* name) const
    {
        TForm* found = program.findForm(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    bool terminated() const { return program.application().terminated(); }

    Program program{ProgramPath};
};

TEST_F(MainMenu, ButtonPressedTwiceShowsItsWindowOnceAndOnlyRaisesItTheSecondTime)
{
    for (const MenuEntry& entry : MenuEntries) {
        SCOPED_TRACE(entry.button);
        TForm& window = form(entry.formName);
        ShowCounter counter(window);

        QTest::mouseClick(&button(*Form0, entry.button), Qt::LeftButton);
        ASSERT_TRUE(window.isVisible());
        // The user moves the window; a second press must neither re-run OnShow nor place it again.
        const QPoint movedTo = window.pos() + QPoint(13, 17);
        window.move(movedTo);
        QTest::mouseClick(&button(*Form0, entry.button), Qt::LeftButton);

        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(counter.onShowCalls, 1);
        EXPECT_EQ(counter.showEvents, 1);
        EXPECT_EQ(window.pos(), movedTo);
        EXPECT_TRUE(Form0->isVisible());
        EXPECT_FALSE(terminated());
    }
}

TEST_F(MainMenu, DemonstrationWindowsAreCentredOnTheDesktopTheFirstTime)
{
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    for (const MenuEntry& entry : MenuEntries) {
        SCOPED_TRACE(entry.formName);
        TForm& window = form(entry.formName);
        QTest::mouseClick(&button(*Form0, entry.button), Qt::LeftButton);
        const QRect frame = window.frameGeometry();
        EXPECT_EQ(frame.left(), desktop.left() + (desktop.width() - frame.width()) / 2);
        EXPECT_EQ(frame.top(), desktop.top() + (desktop.height() - frame.height()) / 2);
    }
}

TEST_F(MainMenu, FocusStartsOnTheFirstButtonAndTabFollowsTheTabOrder)
{
    EXPECT_EQ(QApplication::focusWidget(), &button(*Form0, "BitBtn1"));
    const char* const forward[] = {"BitBtn2", "BitBtn3", "BitBtn4", "BitBtn1"};
    for (const char* expected : forward) {
        pressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &button(*Form0, expected)) << "Tab to " << expected;
    }
    const char* const backward[] = {"BitBtn4", "BitBtn3", "BitBtn2", "BitBtn1"};
    for (const char* expected : backward) {
        pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), &button(*Form0, expected)) << "Shift+Tab to " << expected;
    }
}

TEST_F(MainMenu, EnterAndSpaceOnAFocusedButtonActivateThatButtonNotTheDefaultOne)
{
    struct Case {
        MenuEntry entry;
        Qt::Key key;
    };
    const Case cases[] = {
        {MenuEntries[0], Qt::Key_Return},
        {MenuEntries[1], Qt::Key_Return},
        {MenuEntries[2], Qt::Key_Space},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.button);
        TForm& window = form(c.entry.formName);
        ShowCounter counter(window);
        ASSERT_TRUE(showAndActivate(*Form0));
        button(*Form0, c.entry.button).setFocus();
        ASSERT_EQ(QApplication::focusWidget(), &button(*Form0, c.entry.button));

        pressKey(c.key);

        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(counter.onShowCalls, 1);
        EXPECT_FALSE(terminated()) << "the default button \"Iesire\" must not have been clicked";
    }
}

TEST_F(MainMenu, EnterWithTheFocusOnIesireEndsTheProgram)
{
    button(*Form0, "BitBtn4").setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &button(*Form0, "BitBtn4"));
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(terminated());
}

TEST_F(MainMenu, ClosedDemonstrationWindowIsHiddenKeepsItsPlaceAndComesBack)
{
    enum class CloseBy { Click, Enter };
    for (const CloseBy closeBy : {CloseBy::Click, CloseBy::Enter}) {
        for (const MenuEntry& entry : MenuEntries) {
            SCOPED_TRACE(testing::Message() << entry.formName << (closeBy == CloseBy::Click ? " click" : " Enter"));
            TForm& window = form(entry.formName);
            ShowCounter counter(window);
            QTest::mouseClick(&button(*Form0, entry.button), Qt::LeftButton);
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            const QPoint leftAt = window.pos() + QPoint(-21, 9);
            window.move(leftAt);

            if (closeBy == CloseBy::Click)
                QTest::mouseClick(&button(window, "BitBtn1"), Qt::LeftButton);
            else
                pressKey(Qt::Key_Return);
            EXPECT_FALSE(window.isVisible());
            EXPECT_TRUE(Form0->isVisible());
            EXPECT_FALSE(terminated());

            QTest::mouseClick(&button(*Form0, entry.button), Qt::LeftButton);
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(window.pos(), leftAt);
            EXPECT_EQ(counter.onShowCalls, 2);
            // Leave it hidden for the next round.
            window.closeForm();
        }
    }
}

// The ways a user ends the program, each with all three demonstration windows open, inside the real loop.
TEST(ProgramRun, EndingTheMainWindowEndsTheLoopWithExitCodeZeroWhileDemonstrationWindowsAreOpen)
{
    enum class Ending { IesireClick, IesireEnter, MainWindowClose };
    for (const Ending ending : {Ending::IesireClick, Ending::IesireEnter, Ending::MainWindowClose}) {
        SCOPED_TRACE(static_cast<int>(ending));
        Program program(ProgramPath);
        bool allOpen = false;
        QTimer::singleShot(0, [&] {
            for (const MenuEntry& entry : MenuEntries)
                QTest::mouseClick(&button(*Form0, entry.button), Qt::LeftButton);
            allOpen =
                rna::neuron::Form1->isVisible() && rna::neuron::Form2->isVisible() && rna::neuron::Form3->isVisible();
            switch (ending) {
            case Ending::IesireClick:
                QTest::mouseClick(&button(*Form0, "BitBtn4"), Qt::LeftButton);
                break;
            case Ending::IesireEnter:
                QTest::keyClick(&button(*Form0, "BitBtn4"), Qt::Key_Return);
                break;
            case Ending::MainWindowClose:
                Form0->close();  // the close box
                break;
            }
        });
        // Should the program not end, the loop is stopped with a code the test rejects.
        QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });

        EXPECT_EQ(program.run(), 0);
        EXPECT_TRUE(allOpen);
        EXPECT_TRUE(program.application().terminated());
    }
}

}  // namespace
}  // namespace rna::app::test
