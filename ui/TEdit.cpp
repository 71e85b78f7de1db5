#include "ui/TEdit.h"

#include "ui/WidgetLook.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace rna::ui {

TEdit::TEdit(QWidget* parent) : QLineEdit(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    resize(121, 25);
    connect(this, &QLineEdit::textChanged, this, &TEdit::textChangedByAnyone);
}

void TEdit::setText(const QString& text, Notify notify)
{
    if (text == QLineEdit::text())
        return;
    lastText_ = text;
    QLineEdit::setText(text);
    // The caret at the start, so a long text shows its beginning.
    setCursorPosition(0);
    if (notify == Notify::Yes)
        fire(onChange_, this);
}

void TEdit::textChangedByAnyone(const QString& text)
{
    // Writes from code set lastText_ first and fire themselves; what is left here is the user's change.
    if (text == lastText_)
        return;
    lastText_ = text;
    fire(onChange_, this);
}

void TEdit::setColor(TColor color)
{
    color_ = color;
    applyBaseColor(*this, color);
}

void TEdit::setTFont(const TFont& font)
{
    applyFont(*this, font);
}

void TEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();  // for the window's default button
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Entering the box from the keyboard selects all (Qt does this only when nothing is selected). Coming back
    // with its window (ActiveWindowFocusReason) is no entry: caret and selection stay as they were.
    const bool keyboard = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
                          event->reason() == Qt::ShortcutFocusReason;
    if (autoSelect_ && keyboard)
        selectAll();
    else if (!autoSelect_ && keyboard)
        deselect();
}

}  // namespace rna::ui
