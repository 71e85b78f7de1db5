#pragma once
// The number texts and the reader as they were before they moved to the standard library's conversions:
// big-integer digit generation and decimal reading, kept only as the fuzzers' reference.
//
// They share the decimal separator setting, the text buffer and the error type with the model; everything
// else is their own, so that a missing piece fails to compile instead of quietly using the new code.
#include "neuron/model/NumberText.h"
#include "neuron/model/NumericModel.h"
#include "neuron/model/ValueParseError.h"

#include <string>
#include <string_view>

namespace rna::reference {

using neuron::DecimalSeparator;
using neuron::NumberText;
using neuron::ValueParseError;

std::string FormatGeneral(long double v);
std::string FormatFixed(long double v, int precision, int decimals);
long double ParseValue(std::string_view text);

}  // namespace rna::reference
