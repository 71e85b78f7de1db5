#include "neuron/screens/ScreenSlider.h"

#include "neuron/screens/ScreenText.h"
#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

namespace rna::neuron {

ScreenSlider::ScreenSlider(rna::ui::TTrackBar& slider, rna::ui::TLabel& label, SliderScale scale)
    : slider_(&slider), label_(&label), scale_(scale)
{
    // The text is written as the label will show it, with the separator of the moment it is read.
    slider.setReading({scale == SliderScale::Tenths ? 10 : 1,
                       [scale](int position) { return GeneralText(SliderValue(position, scale)); }});
    label.setLabelFor(&slider);
}

void ScreenSlider::writeValue() const
{
    WriteSliderValue(*label_, *slider_, scale_);
}

}  // namespace rna::neuron
