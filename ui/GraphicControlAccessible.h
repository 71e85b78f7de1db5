// What assistive technology reads of a painted control: a label as static text named by its caption, a picture
// as a graphic with its description; a child of its window, placed where the window paints it.
#pragma once

#include <QAccessibleObject>

namespace rna::ui {

class TGraphicControl;

class GraphicControlAccessible : public QAccessibleObject {
public:
    explicit GraphicControlAccessible(TGraphicControl& control);

    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QRect rect() const override;
    // A label that names a control: it is the label of that control.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

private:
    TGraphicControl* control() const;
};

}  // namespace rna::ui
