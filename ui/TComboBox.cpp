#include "ui/TComboBox.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace rna::ui {

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);  // Enter never adds an item
    setCompleter(nullptr);
    setMaxVisibleItems(8);
    setFocusPolicy(Qt::StrongFocus);
    resize(145, 25);
    setCurrentIndex(-1);
    // Qt selects the item matching the typed text when editing ends and reports it as a pick; here a
    // typed text leaves the selection cleared.
    disconnect(lineEdit(), &QLineEdit::editingFinished, nullptr, nullptr);
    connect(this, &QComboBox::activated, this, &TComboBox::userPicked);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TComboBox::userEdited);
    view()->installEventFilter(this);
}

QStringList TComboBox::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list.append(itemText(i));
    return list;
}

void TComboBox::setItems(const QStringList& items)
{
    const QString keep = text();
    clear();
    addItems(items);
    setCurrentIndex(-1);
    showText(keep);
}

void TComboBox::setItemIndex(int index)
{
    if (index < -1 || index >= count() || index == currentIndex())
        return;
    if (index == -1) {
        selectKeepingText(-1);
        return;
    }
    setCurrentIndex(index);
    showText(itemText(index));
}

void TComboBox::pickAsUser(int index)
{
    if (index < 0 || index >= count())
        return;
    setCurrentIndex(index);
    userPicked(index);
}

void TComboBox::applyLoadedItemIndex()
{
    setItemIndex(loadedIndex_);
}

QString TComboBox::text() const
{
    return lineEdit()->text();
}

void TComboBox::setText(const QString& text)
{
    if (text == lineEdit()->text())
        return;
    showText(text);
}

// A text set while the user is not in the edit field shows from its first letter, as the platform's combo box
// shows it; in the field, the caret goes to its end as the user expects.
void TComboBox::showText(const QString& text)
{
    lineEdit()->setText(text);
    if (!lineEdit()->hasFocus())
        lineEdit()->setCursorPosition(0);
}

bool TComboBox::isDroppedDown() const
{
    return view()->isVisible();
}

void TComboBox::showPopup()
{
    QComboBox::showPopup();
    // With no item selected nothing is highlighted: the first Down goes to the first item (Qt's list would
    // make that one current already when it takes the focus, and Down would skip it).
    if (currentIndex() < 0)
        view()->selectionModel()->clearCurrentIndex();
    // Our filter must see the list's keys before Qt's own popup handling does.
    view()->removeEventFilter(this);
    view()->installEventFilter(this);
}

void TComboBox::selectKeepingText(int index)
{
    // Qt writes the item's text (or nothing) into the edit field when the index changes.
    const QString typed = lineEdit()->text();
    const int caret = lineEdit()->cursorPosition();
    setCurrentIndex(index);
    if (lineEdit()->text() != typed)
        lineEdit()->setText(typed);
    lineEdit()->setCursorPosition(caret);
}

int TComboBox::firstItemStartingWith(const QString& text) const
{
    if (text.isEmpty())
        return -1;
    for (int i = 0; i < count(); ++i)
        if (itemText(i).startsWith(text, Qt::CaseInsensitive))
            return i;
    return -1;
}

void TComboBox::userPicked(int index)
{
    // The edit field shows the picked item's text, then OnClick, then OnChange (also for the same item).
    if (index >= 0 && lineEdit()->text() != itemText(index))
        showText(itemText(index));
    fire(onClick_, this);
    fire(onChange_, this);
}

void TComboBox::userEdited(const QString& text)
{
    if (isDroppedDown()) {
        const int match = firstItemStartingWith(text);
        selectKeepingText(match);
        view()->setCurrentIndex(match >= 0 ? model()->index(match, modelColumn(), rootModelIndex()) : QModelIndex());
    } else
        selectKeepingText(-1);
    fire(onChange_, this);
}

void TComboBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The closed list does not keep Enter: it goes to the window's default button.
        event->ignore();
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key == Qt::Key_Up || key == Qt::Key_Down) && count() > 0) {
        event->accept();
        const int current = currentIndex();
        const int next = current < 0 ? 0 : std::clamp(current + (key == Qt::Key_Down ? 1 : -1), 0, count() - 1);
        if (next != current) {
            setCurrentIndex(next);
            lineEdit()->setText(itemText(next));
            userPicked(next);
        }
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool TComboBox::forwardToEditField(QKeyEvent* event)
{
    const int key = event->key();
    const bool editing = !event->text().isEmpty() && event->text().at(0).isPrint();
    const bool caretKey = key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left ||
                          key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
    if ((!editing && !caretKey) || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    QKeyEvent copy(event->type(), key, event->modifiers(), event->text(), event->isAutoRepeat(), event->count());
    QCoreApplication::sendEvent(lineEdit(), &copy);
    return true;
}

TComboBox::ListKey TComboBox::listKey(const QKeyEvent& event)
{
    const int key = event.key();
    const bool alt = event.modifiers() & Qt::AltModifier;
    if (key == Qt::Key_Escape)
        return ListKey::Close;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F4 ||
        (alt && (key == Qt::Key_Up || key == Qt::Key_Down)))
        return ListKey::Pick;
    return ListKey::Other;
}

void TComboBox::closeList(ListKey how)
{
    const QModelIndex highlighted = view()->currentIndex();
    hidePopup();
    if (how != ListKey::Pick || !highlighted.isValid())
        return;
    // The same as a click on that item: its text, then OnClick, then OnChange.
    const int index = highlighted.row();
    if (index != currentIndex())
        setCurrentIndex(index);
    userPicked(index);
}

bool TComboBox::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (watched == view() && (press || event->type() == QEvent::ShortcutOverride)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const ListKey kind = listKey(*key);
        if (!press) {
            // Qt would act on these keys at the shortcut check that precedes the key press; they are ours.
            if (kind != ListKey::Other)
                key->accept();
            return kind != ListKey::Other;
        }
        if (kind != ListKey::Other) {
            // The dropped-down list keeps these keys: Escape closes it, the others pick the highlighted item.
            closeList(kind);
            return true;
        }
        // While the list is dropped down, typing goes to the edit field.
        if (forwardToEditField(key))
            return true;
    }
    return QComboBox::eventFilter(watched, event);
}

}  // namespace rna::ui
