#pragma once
// The leading decimal digits of an extended value, computed exactly, the digit rounding of the formats, and
// the formats over another digit expansion.
#include <array>
#include <string>

namespace rna::neuron {

// |v| = 0.d1 d2 ... d(count) x 10^exponent; count == 0 means the value is zero.
struct DecimalDigits {
    static constexpr int MaxDigits = 18;

    std::array<unsigned char, MaxDigits> digits{};
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

// The 18 leading significant digits of a finite value, rounded to nearest (a tie to the even digit),
// trailing zeros dropped.
DecimalDigits DecimalExpansion(long double v);

// Keeps `keep` digits from the first significant one; when the next digit is 5 or more the kept digits
// are increased by one, carrying leftwards (all nines give 1 and exponent + 1). keep <= 0 may leave zero.
void RoundDigitsHalfUp(DecimalDigits& d, int keep);

// The last digit increased by one, carrying leftwards as above, or left as it is; trailing zeros dropped
// either way. For another expansion that decides its last digit's rounding itself.
void FinishDigits(DecimalDigits& d, bool roundUp);

// A source of the 18-digit expansion, and the formats over a given one (FormatGeneral and FormatFixed use
// DecimalExpansion): an earlier expansion is checked by laying out its digits exactly as the program does.
using DigitExpansion = DecimalDigits (*)(long double);
std::string FormatGeneralWith(DigitExpansion expansion, long double v);
std::string FormatFixedWith(DigitExpansion expansion, long double v, int precision, int decimals);

}  // namespace rna::neuron
