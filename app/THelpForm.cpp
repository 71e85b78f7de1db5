#include "app/THelpForm.h"

#include "ui/TRichView.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <algorithm>

namespace rna::app {

void THelpForm::declareHandlers(rna::ui::HandlerTable& table)
{
    table.add(QStringLiteral("BitBtn1Click"), this, &THelpForm::BitBtn1Click);
}

void THelpForm::afterLoad()
{
    RichView1 = &control<rna::ui::TRichView>(QStringLiteral("RichView1"));
    addWindowKey(QKeySequence(Qt::Key_Escape), [this](QObject*) { closeForm(); });
}

void THelpForm::BitBtn1Click(QObject* /*sender*/)
{
    closeForm();
}

void THelpForm::showBeside(const QString& html, rna::ui::TForm& window)
{
    RichView1->setRichText(html);
    const QString title = RichView1->documentTitle();
    if (!title.isEmpty())
        setCaption(title);
    appearBeside(window);
}

void THelpForm::showPlainBeside(const QString& caption, const QString& text, rna::ui::TForm& window)
{
    RichView1->setPlainText(text);
    setCaption(caption);
    appearBeside(window);
}

void THelpForm::appearBeside(rna::ui::TForm& window)
{
    if (!placed_)
        moveBeside(window);
    placed_ = true;
    const bool windowWasActive = window.isActiveWindow();
    setAttribute(Qt::WA_ShowWithoutActivating);
    setVisible(true);
    raise();
    // Where the platform activates a shown window anyway (its activation may still be on its way), the window the
    // user works in asks for it back.
    if (windowWasActive)
        window.activateWindow();
    // Window managers raise the window they activate: the help goes back in front of it.
    raise();
}

QPoint THelpForm::placeBeside(const QRect& desktop, const QRect& windowFrame, const QSize& outerSize)
{
    int left = windowFrame.right() + 1;
    if (left + outerSize.width() > desktop.right() + 1) {
        left = windowFrame.left() - outerSize.width();
        if (left < desktop.left())
            left = desktop.right() + 1 - outerSize.width();
    }
    const int top = std::min(windowFrame.top(), desktop.bottom() + 1 - outerSize.height());
    return {std::max(desktop.left(), left), std::max(desktop.top(), top)};
}

// Frames are counted as the window's own: the help window gets the same kind of title bar.
void THelpForm::moveBeside(const rna::ui::TForm& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    const QPoint outer = placeBeside(desktop, frame, size().grownBy(margins));
    setGeometry(QRect(outer + QPoint(margins.left(), margins.top()), size()));
}

}  // namespace rna::app
