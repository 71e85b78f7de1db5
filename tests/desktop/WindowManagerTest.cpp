// The program's windows under openbox on a private X display: centred by their outer frame on the first
// showing, window-manager hints that offer only the title-bar buttons their border icons allow, and a window
// minimised through the window manager brought back by its main menu button.
#include "PrivateDesktop.h"
#include "app/Program.h"
#include "app/TForm0.h"
#include "ui/TBitBtn.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace rna::desktop::test {
namespace {

using rna::ui::TForm;

QString xclient(const QString& program, const QStringList& arguments)
{
    return PrivateDesktop::runClient(qEnvironmentVariable("DISPLAY"), program, arguments);
}

QString xprop(const TForm& form, const char* property)
{
    return xclient(QStringLiteral("xprop"),
                   {QStringLiteral("-id"), QString::number(form.winId()), QString::fromLatin1(property)});
}

// The numbers of a property as xprop prints them ("NAME(TYPE) = 1, 1, 20, 1"); empty when it is not set.
QList<qulonglong> numbers(const QString& property)
{
    QList<qulonglong> values;
    const int equals = property.indexOf(QLatin1Char('='));
    if (equals < 0)
        return values;
    for (const QString& part : property.mid(equals + 1).split(QLatin1Char(','))) {
        bool ok = false;
        const qulonglong value = part.trimmed().toULongLong(&ok, 0);
        if (ok)
            values.append(value);
    }
    return values;
}

// Where the X server has the window's client area, and the frame the window manager put around it.
struct Placement {
    QRect client;
    QMargins frame;
    QRect outer() const { return client.marginsAdded(frame); }
};

Placement placementOf(const TForm& form)
{
    Placement placement;
    const QString info = xclient(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(form.winId())});
    auto field = [&](const char* name) {
        const QRegularExpression pattern(QString::fromLatin1(name) + QStringLiteral(":\\s*(-?\\d+)"));
        return pattern.match(info).captured(1).toInt();
    };
    placement.client =
        QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"));
    const QList<qulonglong> extents = numbers(xprop(form, "_NET_FRAME_EXTENTS"));  // left, right, top, bottom
    if (extents.size() == 4)
        placement.frame = QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
    return placement;
}

QRect centredOnDesktop(const QSize& outer)
{
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    return QRect(desktop.left() + (desktop.width() - outer.width()) / 2,
                 desktop.top() + (desktop.height() - outer.height()) / 2, outer.width(), outer.height());
}

struct Window {
    const char* name;
    const char* menuButton;  // the main menu button that shows it; none for the main menu itself
};

const Window kWindows[] = {{"Form0", nullptr}, {"Form1", "BitBtn1"}, {"Form2", "BitBtn2"}, {"Form3", "BitBtn3"}};

// Shows every window the way the user does: the main menu, then each demonstration from its button.
void showAll(const rna::app::Program& program)
{
    for (const Window& window : kWindows) {
        TForm* form = program.findForm(QLatin1String(window.name));
        if (window.menuButton)
            QTest::mouseClick(&rna::app::Form0->control<rna::ui::TBitBtn>(QLatin1String(window.menuButton)),
                              Qt::LeftButton);
        else
            form->showForm();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form)) << window.name;
    }
}

TEST(UnderAWindowManager, EveryWindowIsCentredByItsOuterFrameOnTheFirstShowing)
{
    rna::app::Program program("/usr/local/bin/RNA");
    showAll(program);
    for (const Window& window : kWindows) {
        SCOPED_TRACE(window.name);
        const TForm& form = *program.findForm(QLatin1String(window.name));
        // The window manager frames the window after it is mapped; the window is placed again then.
        Placement placement;
        const bool centred = QTest::qWaitFor(
            [&] {
                placement = placementOf(form);
                return !placement.frame.isNull() && placement.outer() == centredOnDesktop(placement.outer().size());
            },
            5000);
        EXPECT_TRUE(centred) << "outer frame at " << placement.outer().x() << ", " << placement.outer().y()
                             << ", frame " << placement.frame.top() << " above";
        EXPECT_EQ(placement.client.size(), form.size());
        EXPECT_FALSE(placement.frame.isNull()) << "openbox framed the window";
        EXPECT_EQ(form.frameGeometry(), placement.outer()) << "Qt knows the frame as the server has it";
    }
}

// The Motif hints the window manager reads: which operations it offers and which decorations it draws.
struct MotifHints {
    qulonglong flags = 0, functions = 0, decorations = 0;
};
constexpr qulonglong kFunctionsSet = 1, kDecorationsSet = 2;
constexpr qulonglong kFuncMove = 4, kFuncClose = 32;
constexpr qulonglong kDecorBorder = 2, kDecorTitle = 8, kDecorMenu = 16;

TEST(UnderAWindowManager, TitleBarButtonsAreOnlyThoseTheBorderIconsAllow)
{
    struct Case {
        const char* name;
        bool closeBox;  // biSystemMenu: the system menu and the close box
    };
    // The main menu has the system menu only; the demonstration windows have no border icons (Form2: biHelp
    // alone, which brings no button either).
    const Case cases[] = {{"Form0", true}, {"Form1", false}, {"Form2", false}, {"Form3", false}};
    rna::app::Program program("/usr/local/bin/RNA");
    showAll(program);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TForm& form = *program.findForm(QLatin1String(c.name));
        const Qt::WindowFlags flags = form.windowFlags();
        EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
        EXPECT_TRUE(flags & Qt::WindowTitleHint);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(bool(flags & Qt::WindowCloseButtonHint), c.closeBox);
        EXPECT_EQ(bool(flags & Qt::WindowSystemMenuHint), c.closeBox);

        const QList<qulonglong> values = numbers(xprop(form, "_MOTIF_WM_HINTS"));
        ASSERT_EQ(values.size(), 5);
        const MotifHints hints{values[0], values[1], values[2]};
        // Both fields are given: a window manager that reads only one of them still sees the whole intent.
        EXPECT_EQ(hints.flags, kFunctionsSet | kDecorationsSet);
        // The fixed-size windows can be moved, and closed only with the close box; never resized, minimised
        // or maximised. The frame is a title bar and a border, with the system menu only beside the close box.
        EXPECT_EQ(hints.functions, kFuncMove | (c.closeBox ? kFuncClose : 0));
        EXPECT_EQ(hints.decorations, kDecorBorder | kDecorTitle | (c.closeBox ? kDecorMenu : 0));
    }
}

// A program driving the desktop (the storm) finds each window by the name of its description, whatever the
// language of its caption.
TEST(UnderAWindowManager, EachWindowCarriesTheNameOfItsDescriptionAsItsRole)
{
    rna::app::Program program("/usr/local/bin/RNA");
    showAll(program);
    for (const char* name : {"Form0", "Form1", "Form2", "Form3"}) {
        SCOPED_TRACE(name);
        const TForm& form = *program.findForm(QLatin1String(name));
        EXPECT_EQ(xprop(form, "WM_WINDOW_ROLE").trimmed(),
                  QStringLiteral("WM_WINDOW_ROLE(STRING) = \"%1\"").arg(QLatin1String(name)));
    }
}

// The state the window manager gives a window ("Normal", "Iconic"), as xprop names it; empty when it has none.
QString wmState(const TForm& form)
{
    const QRegularExpression pattern(QStringLiteral("window state:\\s*(\\w+)"));
    return pattern.match(xprop(form, "WM_STATE")).captured(1);
}

// Without a task bar the main menu's button is the only way back to a window minimised through the window
// manager (openbox keeps a minimise button on every title bar): a real click on it must bring the window back
// and activate it. The click comes through the X server, as the window manager weighs the program's
// activation request against the user's last input.
TEST(UnderAWindowManager, TheMenuButtonBringsBackAWindowMinimisedThroughTheWindowManager)
{
    rna::app::Program program("/usr/local/bin/RNA");
    showAll(program);
    for (const Window& window : kWindows) {
        if (!window.menuButton)
            continue;
        SCOPED_TRACE(window.name);
        TForm& form = *program.findForm(QLatin1String(window.name));
        ASSERT_TRUE(PrivateDesktop::xdotool({QStringLiteral("windowminimize"), QString::number(form.winId())}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return wmState(form) == QLatin1String("Iconic"); }, 5000))
            << "minimised by the window manager";
        ASSERT_TRUE(
            PrivateDesktop::xdotool({QStringLiteral("windowactivate"), QString::number(rna::app::Form0->winId())}));
        ASSERT_TRUE(QTest::qWaitForWindowActive(rna::app::Form0)) << "the main menu in front, ready for the click";
        const auto& button = rna::app::Form0->control<rna::ui::TBitBtn>(QLatin1String(window.menuButton));
        const QPoint at = button.mapToGlobal(button.rect().center());
        ASSERT_TRUE(PrivateDesktop::xdotool({QStringLiteral("mousemove"), QString::number(at.x()),
                                             QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return wmState(form) == QLatin1String("Normal"); }, 5000)) << "shown again";
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);
    }
}

}  // namespace
}  // namespace rna::desktop::test
