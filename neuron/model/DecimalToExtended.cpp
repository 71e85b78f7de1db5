// Decimal to extended conversion. Short texts, which include every text the screens write, take one
// correctly rounded extended multiplication or division of exact operands; the rest go to the standard
// library's correctly rounded reader, which is independent of the C library's locale (CLocaleReader.h).
#include "neuron/model/DecimalToExtended.h"

#include "neuron/model/CLocaleReader.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace rna::neuron {

namespace {

static_assert(LDBL_MANT_DIG == 64, "the number texts need long double with a 64-bit significand");

// Values from 2^1024 - 2^970 up round to infinity as a double (ties go to the even significand 2^53).
constexpr long double DoubleOverflowThreshold = 0x1.fffffffffffff8p1023L;

// Exact powers of ten in extended precision: 10^27 = 5^27 x 2^27 and 5^27 < 2^64.
constexpr int MaxExactPowerOfTen = 27;
constexpr std::array<long double, MaxExactPowerOfTen + 1> PowersOfTen = [] {
    std::array<long double, MaxExactPowerOfTen + 1> powers{};
    long double p = 1;
    for (long double& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// value = digits x 10^exponent, with at most 19 significant digits so that they fit 64 bits.
struct ShortDecimal {
    std::uint64_t digits = 0;
    std::int64_t exponent = 0;
};

constexpr std::int64_t MaxShortDigits = 19;

// The significant digits of the source when there are few enough of them; leading zeros are skipped and
// trailing zeros go into the exponent.
std::optional<ShortDecimal> ShortForm(const DecimalSource& source)
{
    ShortDecimal s;
    std::int64_t significant = 0;  // digits from the first nonzero one on
    std::int64_t trailingZeros = 0;  // zeros after the last nonzero digit so far
    for (std::string_view part : {source.integerDigits, source.fractionDigits}) {
        for (char c : part) {
            if (c == '0') {
                trailingZeros += significant > 0 ? 1 : 0;
                continue;
            }
            significant += trailingZeros + 1;
            if (significant > MaxShortDigits)
                return std::nullopt;
            for (; trailingZeros > 0; --trailingZeros)
                s.digits *= 10;
            s.digits = s.digits * 10 + static_cast<std::uint64_t>(c - '0');
        }
    }
    s.exponent = source.exponent + trailingZeros - static_cast<std::int64_t>(source.fractionDigits.size());
    return s;
}

// One correctly rounded operation on exact operands, when the digits fit 64 bits and 10^|X| is exact.
std::optional<long double> ShortConversion(const DecimalSource& source)
{
    const std::optional<ShortDecimal> s = ShortForm(source);
    if (!s || s->exponent > MaxExactPowerOfTen || s->exponent < -MaxExactPowerOfTen)
        return std::nullopt;
    const auto digits = static_cast<long double>(s->digits);
    return s->exponent >= 0 ? digits * PowersOfTen[s->exponent] : digits / PowersOfTen[-s->exponent];
}

// The source as a text both library readers accept: digits, '.', digits, 'e', exponent.
std::string LibraryText(const DecimalSource& source)
{
    std::string text;
    text.reserve(source.integerDigits.size() + source.fractionDigits.size() + 24);
    text += source.integerDigits.empty() ? std::string_view("0") : source.integerDigits;
    text += '.';
    text += source.fractionDigits;
    text += 'e';
    text += std::to_string(source.exponent);
    return text;
}

// Correctly rounded to extended, ties to even, for digit strings of any length. from_chars leaves results
// outside the normal extended range unset (subnormals, underflow to zero, infinity); the C library's
// reader in the "C" locale gives those, and every value where from_chars does not read extended in full.
long double LibraryConversion(const DecimalSource& source)
{
    const std::string text = LibraryText(source);
    long double value = 0;
    if (!FromCharsReadsExtended || std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc{})
        value = ReadExtendedInCLocale(text.c_str());
    return value;
}

}  // namespace

std::optional<long double> DecimalToExtended(const DecimalSource& source)
{
    // Short values stay below 10^46, far inside the range of double.
    if (const std::optional<long double> value = ShortConversion(source))
        return value;
    return DecimalToExtendedExact(source);
}

std::optional<long double> DecimalToExtendedExact(const DecimalSource& source)
{
    const long double value = LibraryConversion(source);
    if (value >= DoubleOverflowThreshold)
        return std::nullopt;
    return value;
}

}  // namespace rna::neuron
