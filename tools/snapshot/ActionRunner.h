// Runs scripted actions on a shown window through the input events a user's mouse and keyboard raise.
#pragma once

#include "tools/snapshot/SnapshotAction.h"

class QWidget;

namespace rna::ui {
class TComboBox;
class TForm;
class TTrackBar;
}  // namespace rna::ui

namespace rna::tools {

class ActionRunner {
public:
    explicit ActionRunner(rna::ui::TForm& window) : window_(window) {}

    void Run(const SnapshotAction& action);

private:
    void DragSlider(rna::ui::TTrackBar& slider, int target);
    void PressSliderKey(rna::ui::TTrackBar& slider, Qt::Key key);
    void PickListItem(rna::ui::TComboBox& list, int index);
    // Focuses the control, selects its whole text with the keyboard and types the new one over it.
    void TypeOver(QWidget& control, const QString& text);
    void ClickLabel(QObject& label);
    void PressFocusedKey(Qt::Key key);
    void ShowWindow();
    void AnnounceDecimalSeparator(const QLocale& locale);
    void DragChart(QWidget& chart, Qt::MouseButton button, QPoint from, QPoint to);
    void TurnWheel(QWidget& chart, int notches);

    rna::ui::TForm& window_;
};

}  // namespace rna::tools
