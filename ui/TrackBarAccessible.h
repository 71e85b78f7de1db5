// What assistive technology reads of a slider: its name, the value the window shows for its position (p = 2.5, not
// position 25) with the window's own text for it, and the labels that show that value. A value set from outside
// moves the slider as one key press does, handlers and all.
#pragma once

#include <QAccessibleWidget>

namespace rna::ui {

class TTrackBar;

class TrackBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TrackBarAccessible(TTrackBar& slider);

    void* interface_cast(QAccessible::InterfaceType type) override;
    // The value's text is the window's (its separator included).
    QString text(QAccessible::Text t) const override;
    // The labels that name the slider (the value label beside it).
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

    QVariant currentValue() const override;
    // Rounded to the nearest position and clamped into the range; anything that is not a number is ignored.
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TTrackBar& slider() const;
};

}  // namespace rna::ui
