// The program's windows under openbox on a private X display: centred by their outer frame on the first
// showing, and window-manager hints that offer only the title-bar buttons their border icons allow.
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

// The Motif hints Qt writes for the window manager: functions and decorations.
struct MotifHints {
    qulonglong flags = 0, functions = 0, decorations = 0;
};
constexpr qulonglong kFunctionsSet = 1, kDecorationsSet = 2;
constexpr qulonglong kFuncMinimize = 8, kFuncMaximize = 16, kFuncClose = 32;
constexpr qulonglong kDecorTitle = 8, kDecorMenu = 16, kDecorMinimize = 32, kDecorMaximize = 64;

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
        // The functions say what the window manager may offer: move (and resize, bounded by the fixed size),
        // close only with the close box, never minimise or maximise.
        ASSERT_TRUE(hints.flags & kFunctionsSet);
        EXPECT_EQ(hints.functions & (kFuncMinimize | kFuncMaximize), 0u);
        EXPECT_EQ(bool(hints.functions & kFuncClose), c.closeBox);
        // Decorations, when given, keep the title bar and leave out the minimise and maximise boxes.
        if (hints.flags & kDecorationsSet) {
            EXPECT_TRUE(hints.decorations & kDecorTitle);
            EXPECT_EQ(hints.decorations & (kDecorMinimize | kDecorMaximize), 0u);
            EXPECT_EQ(bool(hints.decorations & kDecorMenu), c.closeBox);
        }
    }
}

}  // namespace
}  // namespace rna::desktop::test
