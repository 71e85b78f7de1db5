#include "tools/fuzz/NumberTextComparison.h"

#include "neuron/model/DecimalExpansion.h"
#include "neuron/model/NumericModel.h"
#include "tools/fuzz/reference/ReferenceNumericModel.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace rna::fuzz {

namespace {

// A parse outcome as text: the value in hexadecimal (exact) or the error message.
template <typename Parse>
std::string Outcome(Parse parse, std::string_view text)
{
    try {
        const long double v = parse(text);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%La", v);
        return buffer;
    } catch (const neuron::ValueParseError& error) {
        return "error " + error.Message();
    }
}

template <typename Digits>
std::string DigitText(const Digits& d)
{
    std::string text = d.negative ? "-0." : "0.";
    for (int i = 0; i < d.count; ++i)
        text += static_cast<char>('0' + d.digits[i]);
    return text + "e" + std::to_string(d.exponent);
}

std::string Difference(const char* what, const std::string& model, const std::string& reference)
{
    if (model == reference)
        return {};
    return std::string(what) + ": model '" + model + "', reference '" + reference + "'";
}

}  // namespace

std::string CompareParse(std::string_view text)
{
    return Difference("ParseValue", Outcome(neuron::ParseValue, text), Outcome(reference::ParseValue, text));
}

std::string CompareFormats(long double v, int precision, int decimals)
{
    std::string difference;
    if (std::isfinite(v))
        difference =
            Difference("expansion", DigitText(neuron::DecimalExpansion(v)), DigitText(reference::DecimalExpansion(v)));
    if (difference.empty())
        difference = Difference("FormatGeneral", neuron::FormatGeneral(v), reference::FormatGeneral(v));
    const int layouts[][2] = {{4, 2}, {8, 4}, {precision, decimals}};
    for (const auto& [p, d] : layouts) {
        if (difference.empty())
            difference = Difference(("FormatFixed(" + std::to_string(p) + ", " + std::to_string(d) + ")").c_str(),
                                    neuron::FormatFixed(v, p, d), reference::FormatFixed(v, p, d));
    }
    return difference;
}

long double ExtendedFromBytes(const std::array<std::uint8_t, 10>& bytes)
{
    std::uint64_t significand = 0;
    std::memcpy(&significand, bytes.data(), sizeof significand);
    const unsigned signAndExponent = bytes[8] | (bytes[9] << 8);
    const int biasedExponent = static_cast<int>(signAndExponent & 0x7FFF);
    long double v = 0;
    if (biasedExponent == 0x7FFF)
        v = significand << 1 == 0 ? std::numeric_limits<long double>::infinity()
                                  : std::numeric_limits<long double>::quiet_NaN();
    else if (biasedExponent == 0)  // subnormal: no integer bit, the exponent of the smallest normals
        v = std::ldexp(static_cast<long double>(significand & ~(std::uint64_t{1} << 63)), -16445);
    else
        v = std::ldexp(static_cast<long double>(significand | (std::uint64_t{1} << 63)), biasedExponent - 16383 - 63);
    return (signAndExponent & 0x8000) != 0 ? -v : v;
}

}  // namespace rna::fuzz
