// The 18-digit expansion comes from the standard library's exact, locale-independent scientific form; the
// later rounding of the formats, half away from zero on the decimal digits, is our own.
#include "neuron/model/DecimalExpansion.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace rna::neuron {

namespace {

// Adds one to the last of the first `count` digits; false when every one of them was 9 (all become 0).
bool IncrementDigits(DecimalDigits& d, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        if (d.digits[i] < 9) {
            ++d.digits[i];
            return true;
        }
        d.digits[i] = 0;
    }
    return false;
}

void DropTrailingZeros(DecimalDigits& d)
{
    while (d.count > 0 && d.digits[d.count - 1] == 0)
        --d.count;
}

void RoundUp(DecimalDigits& d)
{
    if (!IncrementDigits(d, d.count)) {
        d.digits[0] = 1;
        d.count = 1;
        ++d.exponent;
    }
    DropTrailingZeros(d);
}

// X from the exponent part "e+X" or "e-X" of a scientific text.
int ReadExponent(std::string_view part)
{
    int exponent = 0;
    std::from_chars(part.data() + 2, part.data() + part.size(), exponent);
    return part[1] == '-' ? -exponent : exponent;
}

}  // namespace

DecimalDigits DecimalExpansion(long double v)
{
    DecimalDigits d;
    d.negative = std::signbit(v);
    if (v == 0)
        return d;
    // "d.ddddddddddddddddde-XXXX": MaxDigits digits, correctly rounded (a tie to the even digit). A value that
    // a double holds exactly (what the screens mostly format) is written from the double, which the library
    // does without the extended-precision arithmetic: the same number, so the same correctly rounded digits.
    std::array<char, 32> text{};
    const auto write = [&text](auto value) {
        return std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific,
                             DecimalDigits::MaxDigits - 1)
            .ptr;
    };
    const long double magnitude = std::fabs(v);
    const bool inDoubleRange = magnitude <= std::numeric_limits<double>::max();
    const double narrow = inDoubleRange ? static_cast<double>(magnitude) : 0.0;
    const char* end = inDoubleRange && static_cast<long double>(narrow) == magnitude ? write(narrow) : write(magnitude);
    d.digits[0] = static_cast<unsigned char>(text[0] - '0');
    for (int i = 1; i < DecimalDigits::MaxDigits; ++i)
        d.digits[i] = static_cast<unsigned char>(text[i + 1] - '0');
    d.count = DecimalDigits::MaxDigits;
    // The text writes d.ddd x 10^X; the digits here are 0.dddd x 10^(X + 1).
    const char* exponentPart = text.data() + DecimalDigits::MaxDigits + 1;
    d.exponent = ReadExponent(std::string_view(exponentPart, end - exponentPart)) + 1;
    DropTrailingZeros(d);
    return d;
}

void FinishDigits(DecimalDigits& d, bool roundUp)
{
    if (roundUp)
        RoundUp(d);
    else
        DropTrailingZeros(d);
}

void RoundDigitsHalfUp(DecimalDigits& d, int keep)
{
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digits[keep] >= 5;
    d.count = keep;
    FinishDigits(d, up);
}

}  // namespace rna::neuron
