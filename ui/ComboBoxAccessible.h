// What assistive technology reads of a drop-down list: its name (what it chooses, "Functia de activare"), not its
// current item, which is its value; its edit field as its child; dropping the list down as its action.
#pragma once

#include <QAccessibleWidget>

namespace rna::ui {

class TComboBox;

class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(TComboBox& list);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    // Name: the given name, else the current text; Value: the current text.
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TComboBox& list() const;
};

}  // namespace rna::ui
