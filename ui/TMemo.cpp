#include "ui/TMemo.h"

#include "ui/WidgetLook.h"

#include <QKeyEvent>

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

}  // namespace rna::ui
