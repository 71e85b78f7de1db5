// Start-up: application title and icon, the four windows created hidden from their descriptions with the
// window properties and buttons they declare, and the program-wide window names.
#include "ProgramUnderTest.h"

#include "neuron/screens/TForm1.h"
#include "neuron/screens/TForm2.h"
#include "neuron/screens/TForm3.h"
#include "ui/FormLoader.h"
#include "ui/TColor.h"

#include <QIcon>
#include <QTimer>
#include <gtest/gtest.h>

namespace rna::app::test {
namespace {

using rna::ui::TBitBtn;
using rna::ui::TBitBtnKind;
using rna::ui::TBorderIcons;
using rna::ui::TColor;
using rna::ui::TForm;

// Counts the paint events a window receives.
class PaintCounter : public QObject {
public:
    PaintCounter(QWidget& window, int& paints) : paints_(paints) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints_;
        return false;
    }

private:
    int& paints_;
};

TEST(Startup, TitleComesFromTheProgramFileAndCaptionsErrorBoxes)
{
    Program program("/opt/rna/RNA.Release");
    EXPECT_EQ(program.application().title(), QStringLiteral("Rna"));
    QString caption;
    program.application().setErrorPresenter(
        [&](const QString& shownCaption, const QString&) { caption = shownCaption; });
    program.application().showError(QStringLiteral("x"));
    EXPECT_EQ(caption, QStringLiteral("Rna"));
    // The main window's own caption is not the title.
    EXPECT_EQ(Form0->caption(), QStringLiteral("RNA - Introducere"));
}

TEST(Startup, ProgramIconIsOurThirtyTwoPixelIcon)
{
    Program program(ProgramPath);
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_EQ(Form0->windowIcon().cacheKey(), icon.cacheKey());
}

TEST(Startup, WindowsAreCreatedHiddenInOrderAndTheFirstIsTheMainWindow)
{
    Program program(ProgramPath);
    const auto& forms = program.application().forms();
    ASSERT_EQ(forms.size(), 4u);
    const TForm* expected[] = {Form0, rna::neuron::Form1, rna::neuron::Form2, rna::neuron::Form3};
    const char* names[] = {"Form0", "Form1", "Form2", "Form3"};
    for (std::size_t i = 0; i < forms.size(); ++i) {
        EXPECT_EQ(forms[i].get(), expected[i]) << names[i];
        EXPECT_EQ(forms[i]->name(), QLatin1String(names[i]));
        EXPECT_EQ(program.findForm(QLatin1String(names[i])), expected[i]);
        EXPECT_FALSE(forms[i]->isVisible()) << names[i];
    }
    EXPECT_EQ(program.application().mainForm(), Form0);
    EXPECT_EQ(program.findForm(QStringLiteral("Form4")), nullptr);
}

// Later windows hold charts; a started program's loader must accept them.
TEST(Startup, LoaderKnowsTheChartKinds)
{
    Program program(ProgramPath);
    const QByteArray description = R"({"class": "TForm", "name": "ChartWindow", "properties": {},
        "controls": [{"kind": "TChart", "name": "Chart1", "bounds": [8, 8, 200, 150],
                      "children": [{"kind": "TLineSeries", "name": "Series1"}]}]})";
    TForm window;
    EXPECT_NO_THROW(rna::ui::FormLoader::loadString(window, description, QStringLiteral("ChartWindow.json")));
    EXPECT_NE(window.findComponent(QStringLiteral("Series1")), nullptr);
}

TEST(Startup, ProgramWideWindowNamesLiveAsLongAsTheProgram)
{
    {
        Program program(ProgramPath);
        EXPECT_NE(Form0, nullptr);
        EXPECT_NE(rna::neuron::Form3, nullptr);
    }
    EXPECT_EQ(Form0, nullptr);
    EXPECT_EQ(rna::neuron::Form1, nullptr);
    EXPECT_EQ(rna::neuron::Form2, nullptr);
    EXPECT_EQ(rna::neuron::Form3, nullptr);
}

TEST(Startup, EveryWindowHasTheDeclaredPropertiesAndItsOkButton)
{
    struct Case {
        const char* form;
        const char* caption;
        QSize client;
        TBorderIcons icons;
        TColor color;
        const char* okButton;
        QRect okBounds;
        const char* okCaption;
    };
    const Case cases[] = {
        {"Form0",
         "RNA - Introducere",
         {211, 155},
         rna::ui::biSystemMenu,
         rna::ui::clBtnFace,
         "BitBtn4",
         {72, 120, 75, 25},
         "Iesire"},
        {"Form1",
         "Principiul de functionare al neuronului cu o intrare",
         {658, 401},
         0,
         rna::ui::clMenu,
         "BitBtn1",
         {544, 360, 81, 25},
         "Inchide"},
        {"Form2",
         "Principiul de functionare al neuronului cu doua intrari",
         {640, 491},
         rna::ui::biHelp,
         rna::ui::clBtnFace,
         "BitBtn1",
         {528, 448, 81, 25},
         "Inchide"},
        {"Form3",
         "O retea neuronala simpla",
         {785, 496},
         0,
         rna::ui::clBtnFace,
         "BitBtn1",
         {680, 448, 75, 25},
         "Inchide"},
    };
    Program program(ProgramPath);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        const TForm& form = *program.findForm(QLatin1String(c.form));
        EXPECT_EQ(form.caption(), QLatin1String(c.caption));
        EXPECT_EQ(QSize(form.clientWidth(), form.clientHeight()), c.client);
        EXPECT_EQ(form.borderStyle(), rna::ui::TFormBorderStyle::bsSingle);
        EXPECT_EQ(form.borderIcons(), c.icons);
        EXPECT_EQ(form.color(), c.color);
        EXPECT_EQ(form.position(), rna::ui::TPosition::poDesktopCenter);
        EXPECT_EQ(form.tfont().name, QStringLiteral("MS Sans Serif"));
        EXPECT_EQ(form.tfont().height, -11);
        EXPECT_EQ(form.tfont().color, rna::ui::clWindowText);
        EXPECT_FALSE(form.tfont().bold);

        const TBitBtn& ok = button(form, c.okButton);
        EXPECT_EQ(ok.geometry(), c.okBounds);
        EXPECT_EQ(ok.caption(), QLatin1String(c.okCaption));
        EXPECT_EQ(ok.kind(), TBitBtnKind::bkOK);
        EXPECT_TRUE(ok.isDefaultButton());
        EXPECT_EQ(form.defaultButton(), &ok);
        EXPECT_EQ(ok.modalResult(), rna::ui::TModalResult::mrOk);
        EXPECT_FALSE(ok.glyph().isNull());
    }
}

TEST(Startup, MainMenuButtonsArePlainExceptIesire)
{
    struct Case {
        const char* name;
        QRect bounds;
        const char* caption;
    };
    const Case cases[] = {
        {"BitBtn1", {16, 8, 177, 25}, "Neuronul cu o intrare"},
        {"BitBtn2", {16, 40, 177, 25}, "Neuronul cu doua intrari"},
        {"BitBtn3", {16, 72, 177, 25}, "Retea neuronala"},
    };
    Program program(ProgramPath);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TBitBtn& plain = button(*Form0, c.name);
        EXPECT_EQ(plain.geometry(), c.bounds);
        EXPECT_EQ(plain.caption(), QLatin1String(c.caption));
        EXPECT_EQ(plain.kind(), TBitBtnKind::bkCustom);
        EXPECT_FALSE(plain.isDefaultButton());
        EXPECT_FALSE(plain.isCancel());
        EXPECT_EQ(plain.modalResult(), rna::ui::TModalResult::mrNone);
        EXPECT_TRUE(plain.glyph().isNull());
    }
}

// The benchmarks' start-up measurement: with the variable at 1 the event loop ends right after the main menu's
// first paint; otherwise the program runs on (here until a timer ends it).
TEST(Startup, ExitAfterFirstPaintOnlyWhenTheVariableIsOne)
{
    struct Case {
        const char* value;
        bool endsAfterPaint;
    };
    const Case cases[] = {{"1", true}, {"0", false}, {"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        qputenv("RNA_BENCH_EXIT_AFTER_FIRST_PAINT", c.value);
        Program program(ProgramPath);
        int paints = 0;
        bool timerEnded = false;
        PaintCounter counter(*Form0, paints);
        QTimer::singleShot(1000, [&] {
            timerEnded = true;
            QCoreApplication::quit();
        });
        EXPECT_EQ(program.run(), 0);
        EXPECT_GE(paints, 1);
        EXPECT_EQ(timerEnded, !c.endsAfterPaint);
    }
    qunsetenv("RNA_BENCH_EXIT_AFTER_FIRST_PAINT");
}

}  // namespace
}  // namespace rna::app::test
