// Exact binary-to-decimal digit generation: the value is written as the ratio r / s of two big integers,
// scaled by a power of ten into [0.1, 1), and the digits are produced one at a time by long division.
#include "tools/fuzz/reference/ReferenceNumericModel.h"

#include "tools/fuzz/reference/BigUnsigned.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace rna::reference {

namespace {

static_assert(LDBL_MANT_DIG == 64, "the number texts need long double with a 64-bit significand");

// The largest operands: 2^16384 (the top of the range) times 10 and 2, or 2^16508 for the smallest
// subnormal's denominator, or its numerator times 10^4951.
using Big = BigUnsigned<544>;

// Sets r / s = |v| / 10^exponent with 0.1 <= r / s < 1 and returns exponent.
int ScaleToUnitInterval(long double v, Big& r, Big& s)
{
    int binaryExponent = 0;
    const long double fraction = std::frexp(std::fabs(v), &binaryExponent);
    r.Assign(static_cast<std::uint64_t>(std::ldexp(fraction, 64)));
    s.Assign(1);
    const int shift = binaryExponent - 64;
    if (shift >= 0)
        r.ShiftLeft(shift);
    else
        s.ShiftLeft(-shift);

    // 10^(exponent - 1) <= |v| < 10^exponent, estimated from 2^(binaryExponent - 1) <= |v| and corrected.
    int exponent = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398120)) + 1;
    if (exponent >= 0)
        s.MultiplyPow10(exponent);
    else
        r.MultiplyPow10(-exponent);
    while (Compare(r, s) >= 0) {
        s.MultiplyAdd(10);
        ++exponent;
    }
    return exponent;
}

}  // namespace

DecimalDigits DecimalExpansion(long double v)
{
    DecimalDigits d;
    d.negative = std::signbit(v);
    if (v == 0)
        return d;
    Big r;
    Big s;
    d.exponent = ScaleToUnitInterval(v, r, s);
    r.MultiplyAdd(10);
    while (Compare(r, s) < 0) {  // r / s was below 0.1: the estimate was one too high
        --d.exponent;
        r.MultiplyAdd(10);
    }
    for (int i = 0; i < DecimalDigits::MaxDigits; ++i) {
        if (i > 0)
            r.MultiplyAdd(10);
        unsigned char digit = 0;
        for (; Compare(r, s) >= 0; ++digit)
            r.Subtract(s);
        d.digits[i] = digit;
    }
    d.count = DecimalDigits::MaxDigits;
    r.ShiftLeft(1);
    const int half = Compare(r, s);
    neuron::FinishDigits(d, half > 0 || (half == 0 && d.digits[d.count - 1] % 2 == 1));
    return d;
}

}  // namespace rna::reference
