#include "ui/ComboBoxAccessible.h"

#include "ui/TComboBox.h"

#include <QLineEdit>

namespace rna::ui {

ComboBoxAccessible::ComboBoxAccessible(TComboBox& list) : QAccessibleWidget(&list, QAccessible::ComboBox)
{}

TComboBox& ComboBoxAccessible::list() const
{
    return static_cast<TComboBox&>(*widget());
}

int ComboBoxAccessible::childCount() const
{
    return list().lineEdit() ? 1 : 0;
}

QAccessibleInterface* ComboBoxAccessible::child(int index) const
{
    return index == 0 && list().lineEdit() ? QAccessible::queryAccessibleInterface(list().lineEdit()) : nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child && list().lineEdit() && child->object() == list().lineEdit() ? 0 : -1;
}

QString ComboBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value || (t == QAccessible::Name && list().accessibleName().isEmpty()))
        return list().text();
    return QAccessibleWidget::text(t);
}

QAccessible::State ComboBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list().isDroppedDown();
    state.collapsed = !state.expanded;
    state.editable = list().isEditable();
    state.hasPopup = true;
    return state;
}

QStringList ComboBoxAccessible::actionNames() const
{
    return QStringList({showMenuAction(), pressAction()}) + QAccessibleWidget::actionNames();
}

void ComboBoxAccessible::doAction(const QString& actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (list().isDroppedDown())
        list().hidePopup();
    else
        list().showPopup();
}

}  // namespace rna::ui
