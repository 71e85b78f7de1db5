// The application object: the dispatch point's error box (through the presenter seam), the locale hook,
// and which window ends the program.
#include "RecordingForm.h"
#include "ui/TApplication.h"
#include "ui/TBitBtn.h"
#include "ui/TEdit.h"
#include "ui/TTrackBar.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::RecordingForm;

namespace {

// Replaces the message box by a recorder for one test.
struct ErrorRecorder {
    QList<std::pair<QString, QString>> shown;
    TApplication::ErrorPresenter previous;

    ErrorRecorder()
    {
        previous = TApplication::current()->setErrorPresenter([this](const QString& caption, const QString& message) {
            shown.append({caption, message});
        });
    }
    ~ErrorRecorder() { TApplication::current()->setErrorPresenter(previous); }
};

struct TextCase {
    const char* message;
    const char* shown;
};

class ErrorText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ErrorText, AppendsAFullStopWhenTheLastCharacterSortsAfterIt)
{
    EXPECT_EQ(TApplication::errorText(QString::fromLatin1(GetParam().message)), QString::fromLatin1(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorText,
    ::testing::Values(TextCase{"Axis Minimum Value must be <= Maximum", "Axis Minimum Value must be <= Maximum."},
                      TextCase{"'abc' is not a valid floating point value",
                               "'abc' is not a valid floating point value."},
                      TextCase{"value 7", "value 7."}, TextCase{"done.", "done."}, TextCase{"what?", "what?."},
                      TextCase{"(x)", "(x)"}, TextCase{"stop!", "stop!"}, TextCase{"a-", "a-"}, TextCase{"a/", "a/."},
                      TextCase{"", ""}));

TEST(DispatchPoint, AnExceptionLeavingAHandlerIsShownAndTheProgramGoesOn)
{
    ErrorRecorder recorder;
    RecordingForm form({"Fail"});
    form.load(describeWindow("{\"kind\": \"TBitBtn\", \"name\": \"B\", \"bounds\": [0, 0, 75, 25], "
                             "\"events\": {\"OnClick\": \"Fail\"}}"));
    int calls = 0;
    form.onCall("Fail", [&](QObject*) {
        ++calls;
        throw std::runtime_error("Pointer size must be greater than zero");
    });
    form.show();
    QTest::mouseClick(&form.control<TBitBtn>("B"), Qt::LeftButton);
    QTest::mouseClick(&form.control<TBitBtn>("B"), Qt::LeftButton);
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(recorder.shown.size(), 2);
    EXPECT_EQ(recorder.shown[0].first, "Rna_ui_tests") << "the application title is the caption";
    EXPECT_EQ(recorder.shown[0].second, "Pointer size must be greater than zero.");
}

// What a real error box showed; the box is closed with a click on its OK button.
struct ShownBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    int buttons;
};

// The application's own presenter (Qt's message box), with a timer that reads and closes every box it opens.
struct RealErrorBoxes {
    QList<ShownBox> shown;
    TApplication::ErrorPresenter previous;
    QTimer closer;

    RealErrorBoxes()
    {
        previous = TApplication::current()->setErrorPresenter(&TApplication::showMessageBox);
        QObject::connect(&closer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            shown.append({box->windowTitle(), box->text(), box->icon(), int(box->buttons().size())});
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        closer.start(20);
    }
    ~RealErrorBoxes() { TApplication::current()->setErrorPresenter(previous); }
};

// A slider's channel held while its handler fails: the repeat stops before the box opens, one box is shown,
// and the next click is the user's own.
TEST(DispatchPoint, AFailingHandlerOfAHeldSliderShowsOneRealErrorBox)
{
    RealErrorBoxes boxes;
    RecordingForm form({"Change"});
    form.load(describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"T\", \"bounds\": [20, 20, 150, 45], "
                             "\"properties\": {\"Position\": 5}, \"events\": {\"OnChange\": \"Change\"}}"));
    bool failing = true;
    form.onCall("Change", [&](QObject*) {
        if (failing)
            throw std::runtime_error("Pointer size must be greater than zero");
    });
    auto& slider = form.control<TTrackBar>("T");
    form.show();
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(2, 22));  // returns once the box is closed
    EXPECT_FALSE(slider.channelRepeating()) << "the repeat stopped before the box opened";
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].caption, "Rna_ui_tests");
    EXPECT_EQ(boxes.shown[0].text, "Pointer size must be greater than zero.");
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes.shown[0].buttons, 1);
    EXPECT_EQ(form.log, QStringList({"Change(T)", "Change(T)"})) << "the failed step and the end of the action";
    EXPECT_EQ(slider.position(), 3);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(2, 22));
    EXPECT_EQ(form.count("Change"), 2) << "the action already ended";

    failing = false;
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(147, 22));
    EXPECT_EQ(slider.position(), 5);
    EXPECT_EQ(form.count("Change"), 4);
    EXPECT_EQ(boxes.shown.size(), 1);
}

class ThrowingPainter : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { throw std::runtime_error("paint failed"); }
};

TEST(DispatchPoint, PaintEventsPassThroughItToo)
{
    ErrorRecorder recorder;
    ThrowingPainter widget;
    widget.resize(20, 20);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.repaint();
    EXPECT_TRUE(rna::ui::test::waitFor([&] { return !recorder.shown.isEmpty(); }));
    ASSERT_FALSE(recorder.shown.isEmpty());
    EXPECT_EQ(recorder.shown.first().second, "paint failed.");
}

TEST(DispatchPoint, LocaleChangeReachesTheHookOnce)
{
    int calls = 0;
    TApplication::current()->setLocaleChangeHook([&] { ++calls; });
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(TApplication::current(), &change);
    EXPECT_EQ(calls, 1);
    TApplication::current()->setLocaleChangeHook({});
}

TEST(Application, ClosingTheMainWindowTerminatesClosingAnotherHides)
{
    TApplication& app = *TApplication::current();
    ASSERT_EQ(app.mainForm(), nullptr) << "no test before this one adopts windows";
    auto main = std::make_unique<RecordingForm>();
    main->load(describeWindow(""));
    auto other = std::make_unique<RecordingForm>();
    other->load(describeWindow(""));
    RecordingForm& mainRef = *main;
    RecordingForm& otherRef = *other;
    app.adoptForm(std::move(main));
    app.adoptForm(std::move(other));
    EXPECT_EQ(app.mainForm(), &mainRef);
    mainRef.showForm();
    otherRef.showForm();
    otherRef.closeForm();
    EXPECT_FALSE(otherRef.isVisible());
    EXPECT_FALSE(app.terminated());
    otherRef.showForm();
    mainRef.closeForm();  // ends the program even while another window is visible
    EXPECT_TRUE(app.terminated());
    mainRef.hide();
    otherRef.hide();
}

}  // namespace

namespace {

TEST(DispatchPoint, AnExceptionInANestedHandlerStopsTheOuterHandlerToo)
{
    ErrorRecorder recorder;
    RecordingForm form({"Outer", "Inner"});
    form.load(describeWindow("{\"kind\": \"TTrackBar\", \"name\": \"T\", \"events\": {\"OnChange\": \"Outer\"}},"
                             "{\"kind\": \"TEdit\", \"name\": \"E\", \"events\": {\"OnChange\": \"Inner\"}}"));
    bool outerFinished = false;
    form.onCall("Outer", [&](QObject*) {
        form.control<TEdit>("E").setText("0.5");  // runs Inner, which fails
        outerFinished = true;
    });
    form.onCall("Inner", [](QObject*) { throw std::runtime_error("'0,5' is not a valid floating point value"); });
    form.control<TTrackBar>("T").setPosition(3);
    EXPECT_FALSE(outerFinished);
    ASSERT_EQ(recorder.shown.size(), 1);
    EXPECT_EQ(recorder.shown[0].second, "'0,5' is not a valid floating point value.");
    EXPECT_EQ(form.log, QStringList({"Outer(T)", "Inner(E)"}));
}

}  // namespace
