// F1 help: each window opens its own help, in the program's language, beside it and without taking the
// keyboard from it; Escape (in either window) or the help's button closes it.
#include "ProgramUnderTest.h"

#include "app/THelpForm.h"
#include "ui/TRichView.h"

#include <QTest>
#include <gtest/gtest.h>

namespace rna::app::test {
namespace {

using rna::ui::TForm;

struct HelpCase {
    Language language;
    const char* window;
    const char* caption;
    const char* passage;  // a part of its text that only this window's help has
};

const HelpCase HelpCases[] = {
    {Language::Romanian, "Form0", "Ajutor: RNA - Introducere", "Din acest meniu se deschid trei"},
    {Language::Romanian, "Form1", "Ajutor: neuronul cu o intrare", "n = p\u00b7w + b"},
    {Language::Romanian, "Form2", "Ajutor: neuronul cu doua intrari", "n = p1\u00b7w1 + p2\u00b7w2 + b"},
    {Language::Romanian, "Form3", "Ajutor: o retea neuronala simpla", "n3 = a1\u00b7v1 + a2\u00b7v2 + b3"},
    {Language::English, "Form0", "Help: RNA - Introduction", "This menu opens three"},
    {Language::English, "Form1", "Help: the neuron with one input", "n = p\u00b7w + b"},
    {Language::English, "Form2", "Help: the neuron with two inputs", "n = p1\u00b7w1 + p2\u00b7w2 + b"},
    {Language::English, "Form3", "Help: a simple neural network", "n3 = a1\u00b7v1 + a2\u00b7v2 + b3"},
};

// A part every demonstration's help takes in: the mouse on a chart.
const char* ChartPassage(Language language)
{
    return language == Language::Romanian ? "Rotita mouse-ului" : "The mouse wheel";
}

TEST(Help, F1OpensTheWindowsOwnHelpBesideItWithoutTakingTheKeyboard)
{
    for (const HelpCase& c : HelpCases) {
        SCOPED_TRACE(c.window + std::string(c.language == Language::English ? " en" : " ro"));
        Program program(ProgramPath, c.language);
        TForm& window = *program.findForm(QString::fromLatin1(c.window));
        ASSERT_TRUE(showAndActivate(*Form0));
        ASSERT_TRUE(showAndActivate(window));
        QWidget* focused = QApplication::focusWidget();
        pressKey(Qt::Key_F1);
        THelpForm* help = program.help().helpOf(window);
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->caption(), QString::fromUtf8(c.caption));
        const QString text = help->view().toPlainText();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.passage))) << text.toStdString();
        EXPECT_EQ(text.contains(QString::fromLatin1(ChartPassage(c.language))), window.name() != "Form0");
        EXPECT_TRUE(text.contains(QStringLiteral("Ctrl+Shift+C")));
        EXPECT_FALSE(text.contains(QStringLiteral("<!--include"))) << "every shared part is taken in";
        // The keys still go to the window.
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), focused);
        EXPECT_TRUE(window.isActiveWindow());
        // Escape in the window closes its help; F1 brings it back, its button closes it.
        pressKey(Qt::Key_Escape);
        EXPECT_FALSE(help->isVisible());
        EXPECT_TRUE(window.isVisible());
        pressKey(Qt::Key_F1);
        EXPECT_TRUE(help->isVisible());
        QTest::mouseClick(&help->control<rna::ui::TBitBtn>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        EXPECT_FALSE(help->isVisible());
    }
}

TEST(Help, PlacedBesideItsWindowWhereTheDesktopHasRoom)
{
    const QRect desktop(0, 0, 1920, 1040);
    const QSize help(530, 510);
    struct Case {
        QRect window;
        QPoint expected;
    };
    const Case cases[] = {
        {QRect(631, 300, 660, 430), QPoint(1291, 300)},  // centred on a wide desktop: right of it
        {QRect(1200, 300, 660, 430), QPoint(670, 300)},  // near the right edge: left of it
        {QRect(500, 300, 1000, 430), QPoint(1390, 300)},  // room on neither side: against the right edge
        {QRect(631, 700, 660, 330), QPoint(1291, 530)},  // low on the desktop: raised to keep its bottom in
        {QRect(-50, -20, 660, 430), QPoint(610, 0)},  // partly off the desktop: its top kept on it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.window.x() << ',' << c.window.y());
        EXPECT_EQ(THelpForm::placeBeside(desktop, c.window, help), c.expected);
    }
}

TEST(Help, EscapeInTheHelpWindowClosesItAndOtherWindowsKeepTheirHelp)
{
    Program program(ProgramPath);
    ASSERT_TRUE(showAndActivate(*Form0));
    program.help().show(*Form0);
    TForm& demonstration = *program.findForm(QStringLiteral("Form1"));
    ASSERT_TRUE(showAndActivate(demonstration));
    program.help().show(demonstration);
    THelpForm& help = *program.help().helpOf(demonstration);
    ASSERT_TRUE(showAndActivate(help));
    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    EXPECT_TRUE(program.help().helpOf(*Form0)->isVisible()) << "each window has a help window of its own";
    EXPECT_TRUE(demonstration.isVisible());
}

}  // namespace
}  // namespace rna::app::test
