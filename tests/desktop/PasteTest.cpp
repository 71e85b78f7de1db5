// Pastes with nothing to paste into the editable memo, through the X server's clipboard and selection: Ctrl+V
// with an empty clipboard and the middle button with no text selected anywhere insert nothing (they crashed
// the program in Qt's text control).
#include "PrivateDesktop.h"
#include "app/Program.h"
#include "app/TForm0.h"
#include "ui/TBitBtn.h"
#include "ui/TMemo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace rna::desktop::test {
namespace {

TEST(UnderAWindowManager, PastingNothingIntoTheMemoInsertsNothing)
{
    rna::app::Program program("/usr/local/bin/RNA");
    rna::app::Form0->showForm();
    QTest::mouseClick(&rna::app::Form0->control<rna::ui::TBitBtn>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    rna::ui::TForm& window = *program.findForm(QStringLiteral("Form2"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto& memo = window.control<rna::ui::TMemo>(QStringLiteral("Memo1"));
    ASSERT_FALSE(memo.isReadOnly());
    const QString before = memo.toPlainText();
    // Nobody owns the clipboard or the selection any more.
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    QGuiApplication::clipboard()->clear(QClipboard::Selection);

    const QPoint at = memo.mapToGlobal(memo.rect().center());
    ASSERT_TRUE(PrivateDesktop::xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                                         QStringLiteral("click"), QStringLiteral("1"), QStringLiteral("key"),
                                         QStringLiteral("ctrl+v"), QStringLiteral("key"),
                                         QStringLiteral("shift+Insert"), QStringLiteral("click"), QStringLiteral("2"),
                                         QStringLiteral("type"), QStringLiteral("x")}));
    // The typed x comes after the pastes, so once it is there they have been handled.
    EXPECT_TRUE(QTest::qWaitFor([&] { return memo.toPlainText().size() == before.size() + 1; }, 5000))
        << memo.toPlainText().toStdString();
    EXPECT_EQ(memo.toPlainText().count(QLatin1Char('x')), before.count(QLatin1Char('x')) + 1);
}

}  // namespace
}  // namespace rna::desktop::test
