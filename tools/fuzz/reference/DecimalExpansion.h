#pragma once
// The leading decimal digits of an extended value, computed exactly, and the digit rounding of the formats.
#include <array>

namespace rna::reference {

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

}  // namespace rna::reference
