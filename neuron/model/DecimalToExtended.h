#pragma once
// Correctly rounded conversion of a decimal digit string to extended precision.
#include <cstdint>
#include <optional>
#include <string_view>

namespace rna::neuron {

// The digits of a number text without sign or separator: integerDigits, then fractionDigits, the whole
// scaled by 10^exponent. The exponent is saturated by the reader; anything beyond 10^±10^12 is the same.
struct DecimalSource {
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::int64_t exponent = 0;
};

// The magnitude rounded to the nearest extended value (ties to even), or nothing when the value would
// overflow a double once rounded to it. Digit strings of any length are read without overflow.
std::optional<long double> DecimalToExtended(const DecimalSource& source);

// The same conversion without the shortcut for short texts: the reference the shortcut is checked against.
std::optional<long double> DecimalToExtendedExact(const DecimalSource& source);

// A conversion of the digits, and the reader over a given one (ParseValue uses DecimalToExtended): an
// earlier conversion is checked behind exactly the program's scanning of the text.
using DecimalConversion = std::optional<long double> (*)(const DecimalSource& source);
long double ParseValueWith(DecimalConversion conversion, std::string_view text);

}  // namespace rna::neuron
