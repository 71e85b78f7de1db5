// FormatGeneral and FormatFixed: both start from the exact 18-digit decimal expansion of the value and
// round it once more on the decimal digits, half away from zero.
#include "neuron/model/DecimalExpansion.h"
#include "neuron/model/NumberText.h"
#include "neuron/model/NumericModel.h"

#include <algorithm>
#include <cmath>

namespace rna::neuron {

namespace {

constexpr int GeneralPrecision = 15;

// Infinities and NaN never come from the screens; they get a readable text rather than digits.
bool AppendNonFinite(long double v, NumberText& text)
{
    if (std::isnan(v)) {
        text.Append("NAN");
        return true;
    }
    if (std::isinf(v)) {
        text.Append(v < 0 ? "-INF" : "INF");
        return true;
    }
    return false;
}

// d.count digits after the first `from` ones, then zeros up to `width` digits in all.
void AppendDigitsPadded(const DecimalDigits& d, int from, int width, NumberText& text)
{
    for (int i = 0; i < width; ++i)
        text.AppendDigit(from + i < d.count ? d.digits[from + i] : 0);
}

void AppendExponentForm(const DecimalDigits& d, char separator, NumberText& text)
{
    text.AppendDigit(d.digits[0]);
    if (d.count > 1) {
        text.Append(separator);
        AppendDigitsPadded(d, 1, d.count - 1, text);
    }
    text.Append('E');
    text.AppendInteger(d.exponent - 1);
}

// The general layout of nonzero digits already rounded to at most `precision` digits.
void AppendGeneral(const DecimalDigits& d, int precision, char separator, NumberText& text)
{
    if (d.negative)
        text.Append('-');
    const int e = d.exponent;
    if (e > precision || e < -3) {
        AppendExponentForm(d, separator, text);
    } else if (e <= 0) {
        text.Append('0');
        text.Append(separator);
        text.AppendRepeated('0', -e);
        AppendDigitsPadded(d, 0, d.count, text);
    } else {
        AppendDigitsPadded(d, 0, e, text);
        if (d.count > e) {
            text.Append(separator);
            AppendDigitsPadded(d, e, d.count - e, text);
        }
    }
}

// Digits already rounded to the fixed layout's position; zero is written unsigned.
void AppendFixed(const DecimalDigits& d, int decimals, char separator, NumberText& text)
{
    const int e = d.count == 0 ? 0 : d.exponent;
    if (d.negative && d.count > 0)
        text.Append('-');
    if (e <= 0)
        text.Append('0');
    else
        AppendDigitsPadded(d, 0, e, text);
    if (decimals <= 0)
        return;
    text.Append(separator);
    const int leadingZeros = e < 0 ? std::min(-e, decimals) : 0;
    text.AppendRepeated('0', leadingZeros);
    AppendDigitsPadded(d, std::max(e, 0), decimals - leadingZeros, text);
}

// The two formats over an expansion: a direct call for the program's own, a pointer for another one.
template <typename Expansion>
std::string General(Expansion expansion, long double v)
{
    NumberText text;
    if (AppendNonFinite(v, text))
        return text.ToString();
    DecimalDigits d = expansion(v);
    if (d.count == 0)
        return "0";
    RoundDigitsHalfUp(d, GeneralPrecision);
    AppendGeneral(d, GeneralPrecision, DecimalSeparator(), text);
    return text.ToString();
}

template <typename Expansion>
std::string Fixed(Expansion expansion, long double v, int precision, int decimals)
{
    NumberText text;
    if (AppendNonFinite(v, text))
        return text.ToString();
    precision = std::clamp(precision, 1, DecimalDigits::MaxDigits);
    decimals = std::clamp(decimals, 0, DecimalDigits::MaxDigits);
    DecimalDigits d = expansion(v);
    if (d.count > 0)
        RoundDigitsHalfUp(d, d.exponent + decimals < 0 ? -1 : std::min(d.exponent + decimals, precision));
    if (d.count > 0 && d.exponent > precision)
        AppendGeneral(d, precision, DecimalSeparator(), text);
    else
        AppendFixed(d, decimals, DecimalSeparator(), text);
    return text.ToString();
}

constexpr auto OwnExpansion = [](long double v) { return DecimalExpansion(v); };

}  // namespace

std::string FormatGeneral(long double v)
{
    return General(OwnExpansion, v);
}

std::string FormatFixed(long double v, int precision, int decimals)
{
    return Fixed(OwnExpansion, v, precision, decimals);
}

std::string FormatGeneralWith(DigitExpansion expansion, long double v)
{
    return General(expansion, v);
}

std::string FormatFixedWith(DigitExpansion expansion, long double v, int precision, int decimals)
{
    return Fixed(expansion, v, precision, decimals);
}

}  // namespace rna::neuron
