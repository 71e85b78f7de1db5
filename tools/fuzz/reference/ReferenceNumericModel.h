#pragma once
// The earlier big-integer digit generation and decimal reading, kept only as the fuzzers' reference, and the
// number texts and the reader built on them: the program's own layout and scanning around the old conversions.
#include "neuron/model/DecimalExpansion.h"
#include "neuron/model/DecimalToExtended.h"

#include <optional>
#include <string>
#include <string_view>

namespace rna::reference {

using neuron::DecimalDigits;
using neuron::DecimalSource;

// The 18 leading significant digits by long division of big integers (DecimalExpansion's contract).
DecimalDigits DecimalExpansion(long double v);

// Decimal digits to extended by big-integer division (DecimalToExtended's contract), with a shortcut of its
// own for short texts, and the same without it.
std::optional<long double> DecimalToExtended(const DecimalSource& source);
std::optional<long double> DecimalToExtendedExact(const DecimalSource& source);

inline std::string FormatGeneral(long double v)
{
    return neuron::FormatGeneralWith(DecimalExpansion, v);
}

inline std::string FormatFixed(long double v, int precision, int decimals)
{
    return neuron::FormatFixedWith(DecimalExpansion, v, precision, decimals);
}

inline long double ParseValue(std::string_view text)
{
    return neuron::ParseValueWith(DecimalToExtended, text);
}

}  // namespace rna::reference
