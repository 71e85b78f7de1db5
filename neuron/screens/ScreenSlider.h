// A slider of a screen with the label that shows its value: its handler writes the value through it, and assistive
// technology reads the slider in the value's units, with the screen's text for it, named by that label.
#pragma once

#include "neuron/model/NumericModel.h"

namespace rna::ui {
class TLabel;
class TTrackBar;
}  // namespace rna::ui

namespace rna::neuron {

class ScreenSlider {
public:
    ScreenSlider() = default;
    ScreenSlider(rna::ui::TTrackBar& slider, rna::ui::TLabel& label, SliderScale scale);

    // Writes FormatGeneral(SliderValue(position)) into the label, which keeps the value that counts.
    void writeValue() const;

private:
    rna::ui::TTrackBar* slider_ = nullptr;
    rna::ui::TLabel* label_ = nullptr;
    SliderScale scale_ = SliderScale::Units;
};

}  // namespace rna::neuron
