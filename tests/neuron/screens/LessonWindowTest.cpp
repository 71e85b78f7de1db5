// Lessons in the windows: a file opens on its own screen with exactly its values (the screens' handlers ran, so
// the labels, charts and outputs follow), Ctrl+R goes back to it, Ctrl+S saves what reopens identical, locked
// controls are disabled and say so, and a bad file changes nothing.
#include "ScreenDriver.h"

#include "app/LessonWindows.h"
#include "app/THelpForm.h"
#include "neuron/lesson/LessonFile.h"
#include "neuron/lesson/LessonScreens.h"
#include "neuron/screens/TForm1.h"
#include "neuron/screens/TForm2.h"
#include "neuron/screens/TForm3.h"
#include "ui/AccessibleText.h"
#include "ui/TRichView.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

namespace rna::neuron::test {
namespace {

using rna::app::LessonWindows;

QString example(const char* name)
{
    return QStringLiteral(RNA_SOURCE_DIR "/docs/examples/") + QLatin1String(name);
}

// Every value the screen shows, by name, over all its neurons.
std::map<QString, double> shownNumbers(const ScreenValues& values)
{
    std::map<QString, double> numbers;
    for (const NeuronValues& neuron : values)
        for (const ShownValue& value : neuron.values)
            numbers[value.name] = value.number;
    return numbers;
}

ScreenValues valuesOf(const rna::ui::TForm& window)
{
    if (&window == Form1)
        return Form1->values();
    return &window == Form2 ? Form2->values() : Form3->values();
}

struct LessonScreenDriver : ScreenDriver {
    LessonScreenDriver() : ScreenDriver("Form1")
    {
        lessons().setFileNameChooser([this](rna::ui::TForm&, LessonWindows::Dialog dialog) {
            ++dialogs[dialog];
            return answer;
        });
    }
    LessonWindows& lessons() { return program.lessons(); }
    rna::ui::TForm& form(const char* name) { return *program.findForm(QLatin1String(name)); }
    void press(rna::ui::TForm& on, Qt::Key key)
    {
        on.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&on));
        QTest::keyClick(&on, key, Qt::ControlModifier);
    }

    QString answer;
    std::map<LessonWindows::Dialog, int> dialogs;
};

TEST(LessonWindows, ALessonOpensOnItsScreenWithExactlyItsValues)
{
    struct Case {
        const char* file;
        const char* window;
        std::map<QString, double> numbers;  // as the screen's values() reports them after the handlers ran
    };
    const Case cases[] = {
        {"single-input.rna", "Form1", {{"p", 2.5}, {"w", -0.4}, {"b", 1}, {"functia", 1}}},
        {"two-input.rna", "Form2", {{"p1", 1.5}, {"p2", 3}, {"w1", 0.5}, {"w2", -0.8}, {"b", -2}, {"functia", 2}}},
        {"network.rna", "Form3", {{"p", 2}, {"w1", 0.5}, {"w2", -0.3}, {"b2", 1}, {"v1", 0.8}, {"v2", -0.6}}},
    };
    LessonScreenDriver screen;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        // Opened with Ctrl+O from the single-input window, whichever screen the lesson is for.
        screen.answer = example(c.file);
        screen.press(screen.form("Form1"), Qt::Key_O);
        rna::ui::TForm& window = screen.form(c.window);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(screen.lessons().stateOf(window), ReadLessonFile(example(c.file)));
        const std::map<QString, double> shown = shownNumbers(valuesOf(window));
        for (const auto& [name, number] : c.numbers)
            EXPECT_DOUBLE_EQ(shown.at(name), number) << name.toStdString();
        EXPECT_TRUE(window.caption().endsWith(QStringLiteral(" - ") + QLatin1String(c.file)))
            << window.caption().toStdString();
    }
    EXPECT_EQ(screen.dialogs[LessonWindows::Dialog::Open], 3);
    EXPECT_TRUE(screen.errors.empty());
}

TEST(LessonWindows, ResetSaveAndReopen)
{
    LessonScreenDriver screen;
    rna::ui::TForm& window = screen.form("Form1");
    // Without a lesson, Ctrl+R is the starting values.
    screen.moveSlider("TrackBar1", 7);
    screen.pick("ComboBox1", 2);
    screen.press(window, Qt::Key_R);
    EXPECT_EQ(screen.lessons().stateOf(window), StartingLesson(*LessonScreenOfWindow(u"Form1")));
    EXPECT_DOUBLE_EQ(shownNumbers(Form1->values()).at(QStringLiteral("p")), 0);

    screen.lessons().open(example("threshold-lesson.rna"));
    const Lesson opened = ReadLessonFile(example("threshold-lesson.rna"));
    screen.moveSlider("TrackBar3", 3);
    EXPECT_DOUBLE_EQ(shownNumbers(Form1->values()).at(QStringLiteral("b")), 3);
    screen.press(window, Qt::Key_R);
    EXPECT_EQ(screen.lessons().stateOf(window), opened);
    EXPECT_DOUBLE_EQ(shownNumbers(Form1->values()).at(QStringLiteral("b")), 0);

    // Saved with its texts and locks, and read back as the window shows it.
    screen.moveSlider("TrackBar3", 4);
    const Lesson reached = screen.lessons().stateOf(window);
    QTemporaryDir folder;
    screen.answer = folder.filePath(QStringLiteral("elev.rna"));
    screen.press(window, Qt::Key_S);
    EXPECT_EQ(screen.dialogs[LessonWindows::Dialog::Save], 1);
    const Lesson saved = ReadLessonFile(screen.answer);
    EXPECT_EQ(saved, reached);
    EXPECT_EQ(saved.title, opened.title);
    EXPECT_EQ(saved.locked, opened.locked);
    screen.press(window, Qt::Key_R);
    screen.lessons().open(screen.answer);
    EXPECT_EQ(screen.lessons().stateOf(window), saved);
    EXPECT_TRUE(screen.errors.empty());
}

TEST(LessonWindows, LockedControlsAndTheNoteBesideTheWindow)
{
    LessonScreenDriver screen;
    rna::ui::TForm& window = screen.form("Form1");
    const QString ownCaption = window.caption();
    screen.lessons().open(example("threshold-lesson.rna"));
    const struct {
        const char* control;
        bool locked;
    } controls[] = {{"TrackBar1", true}, {"TrackBar2", true}, {"TrackBar3", false}, {"ComboBox1", true}};
    for (const auto& c : controls) {
        SCOPED_TRACE(c.control);
        QWidget& control = screen.get<QWidget>(c.control);
        EXPECT_EQ(control.isEnabled(), !c.locked);
        EXPECT_EQ(rna::ui::accessibleDescription(control),
                  c.locked ? QStringLiteral("Blocat in aceasta lectie") : QString());
    }
    EXPECT_EQ(window.caption(), ownCaption + QStringLiteral(" - Pragul neuronului"));
    rna::app::THelpForm* note = screen.lessons().noteOf(window);
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->caption(), QStringLiteral("Pragul neuronului"));
    EXPECT_TRUE(note->view().toPlainText().contains(QStringLiteral("Mutati pragul b")));

    // Markup in a lesson's text is shown as written; a lesson without locks frees every control.
    QTemporaryDir folder;
    Lesson marked = StartingLesson(*LessonScreenOfWindow(u"Form1"));
    marked.text = QStringLiteral("<b>gros</b> <a href=\"file:///etc/passwd\">link</a>");
    const QString path = folder.filePath(QStringLiteral("marcaj.rna"));
    SaveLessonFile(path, marked);
    screen.lessons().open(path);
    EXPECT_EQ(note->view().toPlainText(), marked.text.toString());
    EXPECT_EQ(window.caption(), ownCaption + QStringLiteral(" - marcaj.rna"));
    for (const auto& c : controls) {
        EXPECT_TRUE(screen.get<QWidget>(c.control).isEnabled()) << c.control;
        EXPECT_TRUE(rna::ui::accessibleDescription(screen.get<QWidget>(c.control)).isEmpty()) << c.control;
    }
}

// What every window shows: each screen's state, caption and visibility.
struct Everything {
    std::vector<Lesson> states;
    QStringList captions;
    std::vector<bool> visible;
    bool operator==(const Everything&) const = default;
};

Everything everything(LessonScreenDriver& screen)
{
    Everything all;
    for (const char* name : {"Form0", "Form1", "Form2", "Form3"}) {
        rna::ui::TForm& window = screen.form(name);
        if (LessonScreenOfWindow(window.name()))
            all.states.push_back(screen.lessons().stateOf(window));
        all.captions.append(window.caption());
        all.visible.push_back(window.isVisible());
    }
    return all;
}

TEST(LessonWindows, ABadFileShowsItsMessageAndChangesNothing)
{
    LessonScreenDriver screen;
    screen.lessons().open(example("threshold-lesson.rna"));
    screen.moveSlider("TrackBar3", 2);
    QTemporaryDir folder;
    const struct {
        const char* name;
        QByteArray text;
        const char* part;  // of the message, after the file's path
    } cases[] = {
        {"sintaxa.rna", "{\"format\": \"rna-lesson\",\n\"version\": 1,,}", "linia 2, coloana 14"},
        {"pas.rna", R"({"format": "rna-lesson", "version": 1, "screen": "network", "values": {"p": 2.55}})",
         "values.p = 2.55 nu se poate alege pe cursor: valorile merg de la 0 la 5, din 0.1 in 0.1"},
        {"noua.rna", R"({"format": "rna-lesson", "version": 3, "screen": "network"})", "o versiune mai noua"},
        {"functie.rna", R"({"format": "rna-lesson", "version": 1, "screen": "two-input", "functions": {"f": "relu"}})",
         "functions.f: \"relu\" nu este o functie cunoscuta (se asteapta una dintre: identity, tanh, logistic)"},
    };
    const Everything before = everything(screen);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(QLatin1String(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.text);
        file.close();
        screen.errors.clear();
        screen.answer = path;
        screen.press(screen.form("Form1"), Qt::Key_O);
        ASSERT_EQ(screen.errors.size(), 1u);
        const QString message = QString::fromStdString(screen.errors.front());
        EXPECT_GE(message.indexOf(path), 0) << message.toStdString();
        EXPECT_GT(message.indexOf(QString::fromUtf8(c.part)), message.indexOf(path)) << message.toStdString();
        EXPECT_TRUE(everything(screen) == before);
    }
}

// A file dropped on any window opens, the main menu's Ctrl+O too.
TEST(LessonWindows, DroppedFilesAndTheMainMenuOpenLessons)
{
    LessonScreenDriver screen;
    rna::ui::TForm& menu = screen.form("Form0");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(example("two-input.rna"))});
    // As the windowing system delivers a drop: the drag enters the window, then the files are let go there.
    QDragEnterEvent enter(QPoint(100, 140), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&menu, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 140), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&menu, &drop);
    EXPECT_TRUE(drop.isAccepted());
    QCoreApplication::processEvents();  // the files open once the drop has ended
    EXPECT_EQ(screen.lessons().stateOf(screen.form("Form2")), ReadLessonFile(example("two-input.rna")));

    screen.answer = example("network.rna");
    screen.press(menu, Qt::Key_O);
    EXPECT_EQ(screen.lessons().stateOf(screen.form("Form3")), ReadLessonFile(example("network.rna")));
    EXPECT_TRUE(screen.errors.empty());
}

// The table of names agrees with the windows: each named slider exists and the screen reads it in the lesson's
// units, and each list holds the functions the lesson names.
TEST(LessonWindows, TheScreensTableMatchesTheWindows)
{
    LessonScreenDriver screen;
    for (const LessonScreen& lessonScreen : LessonScreens()) {
        rna::ui::TForm& window = screen.form(lessonScreen.window.toLatin1().constData());
        for (const LessonValue& value : lessonScreen.values) {
            SCOPED_TRACE(value.name.toStdString());
            const auto& slider = window.control<rna::ui::TTrackBar>(value.control);
            EXPECT_EQ(slider.min(), value.min);
            EXPECT_EQ(slider.max(), value.max);
            for (int position = value.min; position <= value.max; ++position)
                EXPECT_EQ(slider.valueOf(position), value.valueOf(position));
        }
        for (const LessonFunction& function : lessonScreen.functions)
            EXPECT_EQ(window.control<rna::ui::TComboBox>(function.control).count(), LessonFunctionNames().size());
    }
}

}  // namespace
}  // namespace rna::neuron::test
