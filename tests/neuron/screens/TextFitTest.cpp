// Every text of the four windows in the window font, measured against its control at the layouts' density:
// memos show all their lines, lists their items from the first letter, wrapping labels their words within their
// width; and the capitals are as tall as those of the face the windows had before.
#include "ScreenDriver.h"

#include <QTextBlock>
#include <QTextCursor>

namespace rna::neuron::test {
namespace {

// A line edit keeps two pixels free at each side of its text.
constexpr int LineEditMargin = 2;

const char* const Windows[] = {"Form0", "Form1", "Form2", "Form3"};

// Down to the last line with text, every line lies inside the memo's visible area.
TEST(TextFit, MemosShowAllTheirLines)
{
    for (const char* name : Windows) {
        ScreenDriver screen(name);
        for (rna::ui::TMemo* memo : screen.window->findChildren<rna::ui::TMemo*>()) {
            SCOPED_TRACE(name + (" " + memo->objectName().toStdString()));
            QTextBlock last = memo->document()->lastBlock();
            while (last.isValid() && last.text().trimmed().isEmpty())
                last = last.previous();
            ASSERT_TRUE(last.isValid());
            QTextCursor end(last);
            end.movePosition(QTextCursor::EndOfBlock);
            EXPECT_GE(memo->cursorRect(QTextCursor(memo->document())).top(), 0);
            EXPECT_LE(memo->cursorRect(end).bottom(), memo->viewport()->height() - 1)
                << "the last line is cut or hidden";
        }
    }
}

// An item chosen from code, while the list has no focus, shows from its first letter, also one longer than the
// edit field; and every item of the two wider lists fits whole.
TEST(TextFit, ListsShowTheirItemsFromTheFirstLetter)
{
    for (const char* name : Windows) {
        ScreenDriver screen(name);
        for (rna::ui::TComboBox* list : screen.window->findChildren<rna::ui::TComboBox*>()) {
            list->clearFocus();
            const int room = list->lineEdit()->contentsRect().width() - 2 * LineEditMargin;
            for (int i = 0; i < list->count(); ++i) {
                SCOPED_TRACE(name + (" " + list->objectName().toStdString() + ": " + list->itemText(i).toStdString()));
                list->setItemIndex(i);
                list->lineEdit()->grab();  // a line edit scrolls its text to the caret when it paints
                const QPoint leftEdge(list->lineEdit()->contentsRect().left() + LineEditMargin + 1,
                                      list->lineEdit()->height() / 2);
                EXPECT_EQ(list->lineEdit()->cursorPositionAt(leftEdge), 0);
                if (list->width() > 100) {
                    EXPECT_LE(list->lineEdit()->fontMetrics().horizontalAdvance(list->itemText(i)), room);
                }
            }
        }
    }
}

// A label that wraps its caption cannot break a word: each word must fit its width.
TEST(TextFit, WrappingLabelsHoldTheirWords)
{
    for (const char* name : Windows) {
        ScreenDriver screen(name);
        for (const rna::ui::TGraphicControl* control : screen.window->graphicControls()) {
            const auto* label = qobject_cast<const rna::ui::TLabel*>(control);
            if (label == nullptr || !label->wordWrap())
                continue;
            const QFontMetrics metrics(label->tfont().toQFont());
            for (const QString& word : label->caption().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                EXPECT_LE(metrics.horizontalAdvance(word), label->width())
                    << name << " " << label->objectName().toStdString() << ": " << word.toStdString();
        }
    }
}

// Readable: the window face's capitals are at least as tall as the regular face's at the same size.
TEST(TextFit, TheWindowFaceKeepsTheCapitalHeight)
{
    ScreenDriver screen("Form0");  // the program's application object and fonts
    const QFont window = rna::ui::TFont{}.toQFont();
    QFont regular = window;
    regular.setFamily(QStringLiteral("Liberation Sans"));
    EXPECT_NE(QFontInfo(window).family(), QFontInfo(regular).family());
    EXPECT_GE(QFontMetrics(window).tightBoundingRect(QStringLiteral("H")).height(),
              QFontMetrics(regular).tightBoundingRect(QStringLiteral("H")).height());
}

}  // namespace
}  // namespace rna::neuron::test
