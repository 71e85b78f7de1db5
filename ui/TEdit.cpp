#include "ui/TEdit.h"

#include "ui/WidgetLook.h"

#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

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

void TEdit::setBorderStyle(TEditBorderStyle style)
{
    setFrame(style == TEditBorderStyle::bsSingle);
    coverWindowBeneath();
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

void TEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        coverWindowBeneath();
}

void TEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    coverWindowBeneath();
}

void TEdit::showEvent(QShowEvent* event)
{
    QLineEdit::showEvent(event);
    coverWindowBeneath();
}

void TEdit::coverWindowBeneath()
{
    // A box that paints every pixel of its rectangle opaquely hides the window beneath, so Qt need not paint the
    // window's pictures and labels under it first at every change of its text. A hidden box paints nothing: it is
    // looked at when shown, which spares the loading of a window the probe for each property set.
    if (!isVisible())
        return;
    setAttribute(Qt::WA_OpaquePaintEvent, panelIsOpaque());
}

bool TEdit::panelIsOpaque() const
{
    // Asks the style what it draws rather than knowing it: a frame's rounded corners or a colour that is not
    // opaque leave pixels to the window. The panel is painted off screen in every colour group and in the states
    // that change without a palette or style event (focus, hover); every pixel must come out opaque.
    if (size().isEmpty())
        return false;
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    QImage probe(size(), QImage::Format_ARGB32_Premultiplied);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const bool focusAndHover : {false, true}) {
            panel.palette.setCurrentColorGroup(group);
            panel.state.setFlag(QStyle::State_HasFocus, focusAndHover);
            panel.state.setFlag(QStyle::State_MouseOver, focusAndHover);
            probe.fill(Qt::transparent);
            QPainter painter(&probe);
            style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
            painter.end();
            for (int y = 0; y < probe.height(); ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(probe.constScanLine(y));
                if (!std::all_of(line, line + probe.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; }))
                    return false;
            }
        }
    }
    return true;
}

}  // namespace rna::ui
