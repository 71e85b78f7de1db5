// Decimal to extended conversion. Short texts take one correctly rounded extended multiplication or
// division; the rest go through big integers: the digits D and 10^X become the ratio num / den, which is
// scaled by 2^b so that the quotient has 64 bits, and the remainder decides the rounding.
#include "tools/fuzz/reference/ReferenceNumericModel.h"

#include "tools/fuzz/reference/BigUnsigned.h"

#include <array>
#include <cfloat>
#include <cmath>

namespace rna::reference {

namespace {

static_assert(LDBL_MANT_DIG == 64, "the number texts need long double with a 64-bit significand");

// Values from 2^1024 - 2^970 up round to infinity as a double (ties go to the even significand 2^53).
constexpr long double DoubleOverflowThreshold = 0x1.fffffffffffff8p1023L;
// The weight of the last significand bit of the smallest extended values (subnormals included).
constexpr int MinBinaryExponent = -16445;
// A midpoint between two extended values has at most 11516 significant digits, so keeping 11600 digits
// and a sticky digit for any nonzero digit after them never changes the rounding.
constexpr std::int64_t MaxSignificantDigits = 11600;
// 10^(M-1) <= value < 10^M: above M = 310 every value overflows a double; below M = -4951 every value
// is less than half the smallest extended subnormal (2^-16446, about 1.8e-4951) and reads as zero.
constexpr std::int64_t MaxMagnitude = 310;
constexpr std::int64_t MinMagnitude = -4951;

// Holds the largest operand: 10^(11601 + 4951) or the digits shifted by 16445 bits, plus 64 bits.
using Big = BigUnsigned<1760>;

// The significant digits of a source: first and last nonzero digit, in one index space over both parts.
class DigitSpan {
public:
    explicit DigitSpan(const DecimalSource& source) : source_(source) {}

    std::int64_t Size() const
    {
        return static_cast<std::int64_t>(source_.integerDigits.size() + source_.fractionDigits.size());
    }
    int At(std::int64_t i) const
    {
        const auto integerSize = static_cast<std::int64_t>(source_.integerDigits.size());
        const char c = i < integerSize ? source_.integerDigits[i] : source_.fractionDigits[i - integerSize];
        return c - '0';
    }
    // Index of the first nonzero digit, or Size() when all are zero.
    std::int64_t FirstNonzero() const
    {
        std::int64_t i = 0;
        while (i < Size() && At(i) == 0)
            ++i;
        return i;
    }
    std::int64_t LastNonzero() const
    {
        std::int64_t i = Size() - 1;
        while (i > 0 && At(i) == 0)
            --i;
        return i;
    }
    // The power of ten of the digit just after index i's place: the value of digit i is 10^(Place(i) - 1).
    std::int64_t Place(std::int64_t i) const
    {
        return source_.exponent + static_cast<std::int64_t>(source_.integerDigits.size()) - i;
    }

private:
    const DecimalSource& source_;
};

// Significant digits D and exponent X with value = D x 10^X; D has at most MaxSignificantDigits + 1 digits.
struct Significand {
    std::int64_t first = 0;
    std::int64_t last = 0;  // last digit used
    bool sticky = false;  // a nonzero digit after `last` was dropped
    std::int64_t exponent = 0;  // X
};

Significand SignificantDigits(const DigitSpan& digits, std::int64_t first)
{
    Significand s;
    s.first = first;
    s.last = digits.LastNonzero();
    if (s.last - first + 1 > MaxSignificantDigits) {
        s.last = first + MaxSignificantDigits - 1;
        s.sticky = true;
    }
    s.exponent = digits.Place(s.last) - 1 - (s.sticky ? 1 : 0);
    return s;
}

// Exact powers of ten in extended precision: 10^27 = 5^27 x 2^27 and 5^27 < 2^64.
constexpr std::array<long double, 28> PowersOfTen = [] {
    std::array<long double, 28> powers{};
    long double p = 1;
    for (long double& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// One correctly rounded operation on exact operands, when D fits 64 bits and 10^|X| is exact.
std::optional<long double> ShortConversion(const DigitSpan& digits, const Significand& s)
{
    if (s.sticky || s.last - s.first + 1 > 19 || s.exponent > 27 || s.exponent < -27)
        return std::nullopt;
    std::uint64_t d = 0;
    for (std::int64_t i = s.first; i <= s.last; ++i)
        d = d * 10 + static_cast<std::uint64_t>(digits.At(i));
    const long double value = static_cast<long double>(d);
    return s.exponent >= 0 ? value * PowersOfTen[s.exponent] : value / PowersOfTen[-s.exponent];
}

void ReadSignificand(const DigitSpan& digits, const Significand& s, Big& d)
{
    d.Assign(0);
    std::int64_t i = s.first;
    while (i <= s.last) {
        std::uint32_t chunk = 0;
        std::uint32_t scale = 1;
        for (int k = 0; k < 9 && i <= s.last; ++k, ++i) {
            chunk = chunk * 10 + static_cast<std::uint32_t>(digits.At(i));
            scale *= 10;
        }
        d.MultiplyAdd(scale, chunk);
    }
    if (s.sticky)
        d.MultiplyAdd(10, 1);
}

// q = floor(num / den) for a quotient below 2^64; num is left holding the remainder.
std::uint64_t Divide(Big& num, const Big& den, Big& shifted)
{
    shifted.Assign(den);
    shifted.ShiftLeft(63);
    std::uint64_t q = 0;
    for (int bit = 63; bit >= 0; --bit) {
        if (Compare(num, shifted) >= 0) {
            num.Subtract(shifted);
            q |= std::uint64_t{1} << bit;
        }
        shifted.ShiftRightOne();
    }
    return q;
}

// num / den rounded to 64 significant bits (fewer for subnormals), as q x 2^b.
long double RoundQuotient(Big& num, Big& den)
{
    int b = std::max(num.BitLength() - den.BitLength() - 63, MinBinaryExponent);
    if (b < 0)
        num.ShiftLeft(-b);
    else
        den.ShiftLeft(b);
    Big shifted;
    std::uint64_t q = Divide(num, den, shifted);  // 2^62 <= q < 2^64 unless b was raised to the minimum
    if (q < (std::uint64_t{1} << 63) && b > MinBinaryExponent) {
        num.ShiftLeft(1);
        q <<= 1;
        --b;
        if (Compare(num, den) >= 0) {
            num.Subtract(den);
            q |= 1;
        }
    }
    num.ShiftLeft(1);
    const int half = Compare(num, den);
    if (half > 0 || (half == 0 && (q & 1) != 0)) {
        if (++q == 0) {  // 2^64: one bit more
            q = std::uint64_t{1} << 63;
            ++b;
        }
    }
    return std::ldexp(static_cast<long double>(q), b);
}

std::optional<long double> Convert(const DecimalSource& source, bool allowShortcut)
{
    const DigitSpan digits(source);
    const std::int64_t first = digits.FirstNonzero();
    if (first == digits.Size())
        return 0.0L;
    const std::int64_t magnitude = digits.Place(first);
    if (magnitude > MaxMagnitude)
        return std::nullopt;
    if (magnitude < MinMagnitude)
        return 0.0L;
    const Significand s = SignificantDigits(digits, first);
    if (allowShortcut) {
        if (const auto value = ShortConversion(digits, s))
            return value;
    }
    Big num;
    Big den(1);
    ReadSignificand(digits, s, num);
    if (s.exponent >= 0)
        num.MultiplyPow10(static_cast<int>(s.exponent));
    else
        den.MultiplyPow10(static_cast<int>(-s.exponent));
    const long double value = RoundQuotient(num, den);
    if (value >= DoubleOverflowThreshold)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<long double> DecimalToExtended(const DecimalSource& source)
{
    return Convert(source, true);
}

std::optional<long double> DecimalToExtendedExact(const DecimalSource& source)
{
    return Convert(source, false);
}

}  // namespace rna::reference
