// Window rules: showing (OnShow, centring once), closing, focus on activation, tab order, Enter router, buttons.
#include "RecordingForm.h"
#include "ui/TApplication.h"
#include "ui/TBitBtn.h"
#include "ui/TEdit.h"
#include "ui/TTrackBar.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace rna::ui;
using rna::ui::test::describeWindow;
using rna::ui::test::pressKey;
using rna::ui::test::RecordingForm;
using rna::ui::test::showActive;
using rna::ui::test::waitFor;

namespace {

const QByteArray kControls =
    "{\"kind\": \"TTrackBar\", \"name\": \"TrackBar1\", \"bounds\": [10, 10, 100, 20], \"properties\": {\"TabOrder\": "
    "2}},"
    "{\"kind\": \"TEdit\", \"name\": \"Edit1\", \"bounds\": [10, 40, 100, 20], \"properties\": {\"TabOrder\": 0}},"
    "{\"kind\": \"TBitBtn\", \"name\": \"BitBtn1\", \"bounds\": [10, 70, 100, 25], "
    " \"properties\": {\"Caption\": \"Neuronul\", \"TabOrder\": 1}, \"events\": {\"OnClick\": \"BitBtn1Click\"}},"
    "{\"kind\": \"TBitBtn\", \"name\": \"BitBtn2\", \"bounds\": [10, 100, 75, 25], "
    " \"properties\": {\"Kind\": \"bkOK\", \"Caption\": \"Inchide\", \"TabOrder\": 3}, "
    " \"events\": {\"OnClick\": \"BitBtn2Click\"}}";

struct WindowFixture {
    RecordingForm form{{"FormShow", "BitBtn1Click", "BitBtn2Click"}};
    QList<bool> visibleAtShow;
    QList<QPoint> placeAtShow;

    explicit WindowFixture(const QByteArray& icons = "[\"biSystemMenu\"]")
    {
        QByteArray json = describeWindow(kControls, ", \"Position\": \"poDesktopCenter\", \"Left\": 3, \"Top\": 4",
                                         "{\"OnShow\": \"FormShow\"}");
        json.replace("[\"biSystemMenu\"]", icons);
        form.load(json);
        form.onCall("FormShow", [this](QObject*) {
            visibleAtShow.append(form.isVisible());
            placeAtShow.append(form.pos());
        });
    }
    template <class T>
    T& control(const char* name)
    {
        return form.control<T>(QString::fromLatin1(name));
    }
};

TEST(Window, OnShowRunsBeforeVisibleAndBeforeCentringOnlyWhenHidden)
{
    WindowFixture f;
    f.form.showForm();
    f.form.showForm();  // already visible: only brought to the front
    EXPECT_EQ(f.form.count("FormShow"), 1);
    EXPECT_EQ(f.visibleAtShow, QList<bool>({false}));
    EXPECT_EQ(f.placeAtShow, QList<QPoint>({QPoint(3, 4)})) << "placed after OnShow";
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = f.form.frameGeometry();
    EXPECT_EQ(frame.left(), desktop.left() + (desktop.width() - frame.width()) / 2);
    EXPECT_EQ(frame.top(), desktop.top() + (desktop.height() - frame.height()) / 2);
    f.form.closeForm();
    EXPECT_FALSE(f.form.isVisible());
    f.form.showForm();
    EXPECT_EQ(f.form.count("FormShow"), 2) << "hidden and shown again runs OnShow again";
}

TEST(Window, CentredOnlyOnTheFirstShowingThenKeepsWhereItWasMoved)
{
    WindowFixture f;
    f.form.showForm();
    f.form.move(17, 23);
    const QPoint moved = f.form.pos();
    f.form.closeForm();
    f.form.showForm();
    EXPECT_EQ(f.form.pos(), moved);
    EXPECT_EQ(f.form.position(), TPosition::poDesigned);
}

TEST(Window, ClosingAWindowThatIsNotTheMainOneHidesItAndKeepsItsState)
{
    WindowFixture f;
    f.form.showForm();
    f.control<TTrackBar>("TrackBar1").setPosition(7);
    f.control<TEdit>("Edit1").setText("abc");
    f.form.closeForm();
    EXPECT_FALSE(f.form.isVisible());
    f.form.showForm();
    EXPECT_EQ(f.control<TTrackBar>("TrackBar1").position(), 7);
    EXPECT_EQ(f.control<TEdit>("Edit1").text(), "abc");
}

struct CloseCase {
    const char* name;
    const char* icons;
    bool closable;
    Qt::WindowFlags present;
    Qt::WindowFlags absent;
};

class WindowCloseBox : public ::testing::TestWithParam<CloseCase> {};

TEST_P(WindowCloseBox, ACloseRequestFromOutsideNeedsTheSystemMenu)
{
    const CloseCase& c = GetParam();
    WindowFixture f(c.icons);
    f.form.showForm();
    QCloseEvent request;
    QCoreApplication::sendEvent(&f.form, &request);
    EXPECT_EQ(f.form.isVisible(), !c.closable);
    EXPECT_EQ(f.form.windowFlags() & c.present, c.present);
    EXPECT_EQ(f.form.windowFlags() & c.absent, Qt::WindowFlags());
    EXPECT_EQ(f.form.minimumSize(), f.form.maximumSize()) << "bsSingle: fixed size";
    f.form.hide();
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowCloseBox,
                         ::testing::Values(CloseCase{"SystemMenu", "[\"biSystemMenu\"]", true,
                                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                                                     Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint},
                                           CloseCase{"NoIcons", "[]", false,
                                                     Qt::WindowTitleHint | Qt::CustomizeWindowHint,
                                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint},
                                           CloseCase{"HelpAlone", "[\"biHelp\"]", false, Qt::WindowTitleHint,
                                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                                         Qt::WindowContextHelpButtonHint}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Window, ActivationFocusesTheFirstControlInTabOrderLaterTheOneThatHadIt)
{
    WindowFixture f;
    f.form.showForm();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    EXPECT_TRUE(waitFor([&] { return f.control<TEdit>("Edit1").hasFocus(); }));
    f.control<TTrackBar>("TrackBar1").setFocus();
    f.form.closeForm();
    // Another window takes the activation meanwhile, as the desktop does when a window hides.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    f.form.showForm();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    EXPECT_TRUE(waitFor([&] { return f.control<TTrackBar>("TrackBar1").hasFocus(); }));
}

TEST(Window, FocusingAHiddenOrDisabledControlIsRefused)
{
    WindowFixture f;
    TEdit& edit = f.control<TEdit>("Edit1");
    EXPECT_THROW(f.form.focusControl(edit), std::runtime_error) << "the window is hidden";
    f.form.showForm();
    edit.setEnabled(false);
    try {
        f.form.focusControl(edit);
        ADD_FAILURE() << "a disabled control took the focus";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Cannot focus a disabled or invisible window");
    }
    edit.setEnabled(true);
    f.form.focusControl(edit);
    EXPECT_EQ(f.form.focusWidget(), &edit);
}

TEST(Window, TabAndShiftTabFollowTheTabOrder)
{
    WindowFixture f;
    f.form.showForm();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    f.control<TEdit>("Edit1").setFocus();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        pressKey(Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    visited.append(QApplication::focusWidget()->objectName());
    EXPECT_EQ(visited, QStringList({"BitBtn1", "TrackBar1", "BitBtn2", "Edit1", "BitBtn2"}));
}

TEST(EnterRouter, AFocusedButtonTakesEnterOtherwiseTheDefaultButton)
{
    WindowFixture f;
    ASSERT_TRUE(showActive(f.form));
    ASSERT_TRUE(waitFor([&] { return f.control<TEdit>("Edit1").hasFocus(); }));
    // Tab order: Edit1, BitBtn1, TrackBar1, BitBtn2.
    pressKey(Qt::Key_Tab);
    ASSERT_TRUE(f.control<TBitBtn>("BitBtn1").hasFocus());
    pressKey(Qt::Key_Return);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(f.control<TEdit>("Edit1").hasFocus());
    pressKey(Qt::Key_Return);
    pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Tab);
    ASSERT_TRUE(f.control<TTrackBar>("TrackBar1").hasFocus());
    pressKey(Qt::Key_Enter, Qt::KeypadModifier);
    pressKey(Qt::Key_Tab);
    ASSERT_TRUE(f.control<TBitBtn>("BitBtn2").hasFocus());
    pressKey(Qt::Key_Return);
    EXPECT_EQ(f.form.log, QStringList({"FormShow(TestForm)", "BitBtn1Click(BitBtn1)", "BitBtn2Click(BitBtn2)",
                                       "BitBtn2Click(BitBtn2)", "BitBtn2Click(BitBtn2)"}));
}

TEST(EnterRouter, TheEnterTargetFollowsTheFocus)
{
    WindowFixture f;
    ASSERT_TRUE(showActive(f.form));
    ASSERT_TRUE(waitFor([&] { return f.control<TEdit>("Edit1").hasFocus(); }));
    EXPECT_EQ(f.form.enterTarget(), &f.control<TBitBtn>("BitBtn2"));
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(f.form.enterTarget(), &f.control<TBitBtn>("BitBtn1"));
}

TEST(EnterRouter, ADisabledDefaultButtonIsNotClicked)
{
    WindowFixture f;
    ASSERT_TRUE(showActive(f.form));
    ASSERT_TRUE(waitFor([&] { return f.control<TEdit>("Edit1").hasFocus(); }));
    f.control<TBitBtn>("BitBtn2").setEnabled(false);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(f.form.count("BitBtn2Click"), 0);
}

TEST(BitBtn, OkKindGivesDefaultRoleModalResultGlyphAndKeepsTheCaption)
{
    WindowFixture f;
    TBitBtn& ok = f.control<TBitBtn>("BitBtn2");
    EXPECT_TRUE(ok.isDefaultButton());
    EXPECT_EQ(f.form.defaultButton(), &ok);
    EXPECT_EQ(ok.modalResult(), TModalResult::mrOk);
    EXPECT_EQ(ok.caption(), "Inchide");
    EXPECT_EQ(ok.glyph().size(), QSize(36, 18));
    EXPECT_EQ(ok.stateGlyph().size(), QSize(18, 18));
    EXPECT_EQ(qAlpha(ok.stateGlyph().pixel(0, 17)), 0) << "the olive background is transparent";
    TBitBtn& plain = f.control<TBitBtn>("BitBtn1");
    EXPECT_FALSE(plain.isDefaultButton());
    EXPECT_EQ(plain.modalResult(), TModalResult::mrNone);
    EXPECT_TRUE(plain.glyph().isNull());
}

TEST(BitBtn, OkKindWithoutCaptionGetsOk)
{
    RecordingForm form;
    form.load(describeWindow("{\"kind\": \"TBitBtn\", \"name\": \"B\", \"properties\": {\"Kind\": \"bkOK\"}}"));
    EXPECT_EQ(form.control<TBitBtn>("B").caption(), "OK");
}

TEST(BitBtn, GlyphAndCaptionAreCentredTogetherFourPixelsApart)
{
    WindowFixture f;
    const TBitBtn& ok = f.control<TBitBtn>("BitBtn2");
    const QRect glyph = ok.glyphRect();
    const QRect caption = ok.captionRect();
    EXPECT_EQ(caption.left() - (glyph.right() + 1), 4);
    const int leftMargin = glyph.left();
    const int rightMargin = ok.width() - (caption.right() + 1);
    EXPECT_LE(std::abs(leftMargin - rightMargin), 1);
    EXPECT_EQ(glyph.top(), (ok.height() - 18) / 2);
}

bool hasColour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

TEST(BitBtn, DisabledShowsTheSecondGlyph)
{
    WindowFixture f;
    TBitBtn& ok = f.control<TBitBtn>("BitBtn2");
    EXPECT_TRUE(hasColour(ok.stateGlyph(), qRgb(0, 0x80, 0)));
    ok.setEnabled(false);
    EXPECT_FALSE(hasColour(ok.stateGlyph(), qRgb(0, 0x80, 0)));
    EXPECT_TRUE(hasColour(ok.stateGlyph(), qRgb(0x80, 0x80, 0x80)));
}

TEST(BitBtn, AClickSetsTheWindowsModalResultBeforeOnClick)
{
    WindowFixture f;
    ASSERT_TRUE(showActive(f.form));
    TModalResult seen = TModalResult::mrNone;
    f.form.onCall("BitBtn2Click", [&](QObject*) { seen = f.form.modalResult(); });
    QTest::mouseClick(&f.control<TBitBtn>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(seen, TModalResult::mrOk);
    ASSERT_TRUE(f.control<TBitBtn>("BitBtn2").hasFocus()) << "the click gave it the focus";
    pressKey(Qt::Key_Space);
    EXPECT_EQ(f.form.count("BitBtn2Click"), 2);
}

}  // namespace
