// ParseValue: [blanks][+|-]digits[separator digits][(E|e)[+|-]digits][blanks], with at least one digit or
// the separator in the mantissa. Any other text, and any value beyond the range of double, is an error.
#include "neuron/model/DecimalToExtended.h"
#include "neuron/model/NumericModel.h"

#include <cstddef>
#include <cstdint>

namespace rna::neuron {

namespace {

// Far beyond any exponent that leaves a finite nonzero value; larger written exponents saturate here.
constexpr std::int64_t ExponentLimit = 1'000'000'000'000;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    bool Accept(char c)
    {
        if (AtEnd() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }
    void SkipBlanks()
    {
        while (Accept(' ')) {}
    }
    std::string_view Digits()
    {
        const std::size_t start = pos_;
        while (!AtEnd() && IsDigit(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }
    // An optional sign; true for "-".
    bool Sign()
    {
        if (Accept('-'))
            return true;
        Accept('+');
        return false;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::int64_t SaturatedExponent(std::string_view digits, bool negative)
{
    std::int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value >= ExponentLimit) {
            value = ExponentLimit;
            break;
        }
    }
    return negative ? -value : value;
}

struct ScannedNumber {
    bool valid = false;
    bool negative = false;
    DecimalSource source;
};

ScannedNumber Scan(std::string_view text, char separator)
{
    ScannedNumber number;
    Scanner scanner(text);
    scanner.SkipBlanks();
    number.negative = scanner.Sign();
    number.source.integerDigits = scanner.Digits();
    const bool hasSeparator = scanner.Accept(separator);
    if (hasSeparator)
        number.source.fractionDigits = scanner.Digits();
    if (number.source.integerDigits.empty() && !hasSeparator)
        return number;
    if (scanner.Accept('E') || scanner.Accept('e')) {
        const bool negativeExponent = scanner.Sign();
        const std::string_view exponentDigits = scanner.Digits();
        if (exponentDigits.empty())
            return number;
        number.source.exponent = SaturatedExponent(exponentDigits, negativeExponent);
    }
    scanner.SkipBlanks();
    number.valid = scanner.AtEnd();
    return number;
}

template <typename Conversion>
long double Parse(Conversion conversion, std::string_view text)
{
    const ScannedNumber number = Scan(text, DecimalSeparator());
    if (!number.valid)
        throw ValueParseError(text);
    const std::optional<long double> magnitude = conversion(number.source);
    if (!magnitude)
        throw ValueParseError(text);
    return number.negative ? -*magnitude : *magnitude;
}

}  // namespace

long double ParseValue(std::string_view text)
{
    return Parse([](const DecimalSource& source) { return DecimalToExtended(source); }, text);
}

long double ParseValueWith(DecimalConversion conversion, std::string_view text)
{
    return Parse(conversion, text);
}

}  // namespace rna::neuron
