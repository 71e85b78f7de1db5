// What assistive technology reads of a window: a window named by its caption, whose children are its controls in
// description order, the windowed ones and the ones it paints (labels, pictures) alike.
#pragma once

#include <QAccessibleWidget>
#include <vector>

namespace rna::ui {

class TForm;

class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(TForm& form);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    // The child at a point of the screen: a windowed control over the painted ones, a label over a picture.
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    TForm& form() const;
    std::vector<QObject*> children() const;
};

}  // namespace rna::ui
