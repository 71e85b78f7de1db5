// The screens' number texts: slider values written into their labels and read back, results in their formats.
#pragma once

#include "neuron/model/NumericModel.h"

#include <QString>

namespace rna::ui {
class TLabel;
class TTrackBar;
}  // namespace rna::ui

namespace rna::neuron {

// Writes FormatGeneral(SliderValue(position)) into the label, which keeps the value that counts.
void WriteSliderValue(rna::ui::TLabel& label, const rna::ui::TTrackBar& slider, SliderScale scale);
// Reads a value label back with ParseValue, rounded to double as every stored quantity is.
// Throws ValueParseError when the text was written with another decimal separator.
double ReadLabelValue(const rna::ui::TLabel& label);

QString GeneralText(long double value);
QString FixedText(long double value, int precision, int decimals);

// How a screen writes a result: the general format (precision 0), or fixed with that precision and decimals.
struct NumberStyle {
    int precision = 0;
    int decimals = 0;
};
QString StyledText(long double value, NumberStyle style);

}  // namespace rna::neuron
