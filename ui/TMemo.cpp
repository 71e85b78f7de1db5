#include "ui/TMemo.h"

#include "ui/WidgetLook.h"

#include <QKeyEvent>
#include <QMimeData>

namespace rna::ui {

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setScrollBars(TScrollStyle::ssNone);
    resize(185, 89);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { fire(onChange_, this); });
}

QStringList TMemo::lines() const
{
    return toPlainText().split(QLatin1Char('\n'));
}

void TMemo::setLines(const QStringList& lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
}

void TMemo::setReadOnlyMemo(bool on)
{
    setReadOnly(on);
    // A read-only memo still lets the user select and copy.
    if (on)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TMemo::setWordWrap(bool on)
{
    wordWrap_ = on;
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::setScrollBars(TScrollStyle style)
{
    const bool vertical = style == TScrollStyle::ssVertical || style == TScrollStyle::ssBoth;
    const bool horizontal = style == TScrollStyle::ssHorizontal || style == TScrollStyle::ssBoth;
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::setColor(TColor color)
{
    applyBaseColor(*this, color);
}

void TMemo::setTFont(const TFont& font)
{
    applyFont(*this, font);
}

void TMemo::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && wantReturns_ && isReadOnly()) {
        // The memo keeps Enter even when it cannot change: it never reaches the default button.
        event->accept();
        return;
    }
    if (enter && !wantReturns_) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

// Qt's text control (6.4) takes the first format of what it pastes without checking that there is one: a paste
// with nothing to paste (Ctrl+V with an empty clipboard, the middle button with no text selected anywhere on X11)
// crashed the program. Such a paste inserts nothing.
bool TMemo::canInsertFromMimeData(const QMimeData* source) const
{
    return source && !source->formats().isEmpty() && QPlainTextEdit::canInsertFromMimeData(source);
}

void TMemo::insertFromMimeData(const QMimeData* source)
{
    if (source && !source->formats().isEmpty())
        QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace rna::ui
