#include "chart/scale/AxisValueFormat.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace rna::chart {

namespace {

// Decimal digits of |value| and the position of the decimal point in them:
// the value is 0.d1d2d3... * 10^pointPos. 18 significant digits, as the fixed format uses.
struct DecimalDigits {
    std::string Digits;
    int PointPos = 0;
};

DecimalDigits DecimalDigitsOf(double magnitude)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17e", magnitude);
    DecimalDigits d;
    const std::string s(buf);
    const auto e = s.find('e');
    d.Digits = s.substr(0, 1) + s.substr(2, e - 2);
    d.PointPos = std::stoi(s.substr(e + 1)) + 1;
    return d;
}

// Rounds the digits to `decimals` places after the point, halves away from zero.
void RoundDigits(DecimalDigits& d, int decimals)
{
    const int keep = d.PointPos + decimals;
    if (keep < 0) {
        d.Digits.clear();
        return;
    }
    if (keep >= static_cast<int>(d.Digits.size()))
        return;
    const bool up = d.Digits[keep] >= '5';
    d.Digits.resize(keep);
    if (!up)
        return;
    int i = keep - 1;
    while (i >= 0 && d.Digits[i] == '9')
        d.Digits[i--] = '0';
    if (i >= 0) {
        ++d.Digits[i];
    } else {
        d.Digits.insert(d.Digits.begin(), '1');
        ++d.PointPos;
    }
}

// The digits before the point, without leading zeros but at least `minDigits` of them.
std::string IntegerDigits(const DecimalDigits& d, int minDigits)
{
    const int size = static_cast<int>(d.Digits.size());
    std::string digits = d.PointPos > 0 ? d.Digits.substr(0, std::min(d.PointPos, size)) : std::string();
    digits.append(std::max(0, d.PointPos - static_cast<int>(digits.size())), '0');
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');
    return digits;
}

// The digits after the point, trailing zeros dropped down to `minDigits`.
std::string FractionDigits(const DecimalDigits& d, int minDigits, int maxDigits)
{
    std::string digits;
    for (int i = 0; i < maxDigits; ++i) {
        const int at = d.PointPos + i;
        digits += (at >= 0 && at < static_cast<int>(d.Digits.size())) ? d.Digits[at] : '0';
    }
    while (static_cast<int>(digits.size()) > minDigits && digits.back() == '0')
        digits.pop_back();
    return digits;
}

QString GroupedInteger(const std::string& digits, QChar separator)
{
    QString out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += QChar(digits[i]);
    }
    return out;
}

}  // namespace

std::optional<AxisValueFormat> AxisValueFormat::Parse(const QString& pattern)
{
    AxisValueFormat f;
    f.minIntegerDigits_ = 0;
    f.maxDecimals_ = 0;
    f.grouping_ = false;
    bool inFraction = false;
    int digits = 0;
    for (const QChar ch : pattern) {
        if (ch == u'.' && !inFraction) {
            inFraction = true;
        } else if (ch == u',' && !inFraction) {
            f.grouping_ = true;
        } else if (ch == u'0' || ch == u'#') {
            ++digits;
            if (!inFraction) {
                f.minIntegerDigits_ += ch == u'0' ? 1 : 0;
            } else {
                ++f.maxDecimals_;
                if (ch == u'0')
                    f.minDecimals_ = f.maxDecimals_;
            }
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    return f;
}

QString AxisValueFormat::Format(double value, QChar decimalSeparator, QChar thousandSeparator) const
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    DecimalDigits d = DecimalDigitsOf(std::fabs(value));
    RoundDigits(d, maxDecimals_);
    const bool zero = d.Digits.find_first_not_of('0') == std::string::npos;
    const std::string whole = IntegerDigits(d, minIntegerDigits_);
    const std::string fraction = FractionDigits(d, minDecimals_, maxDecimals_);
    QString out = (value < 0 && !zero) ? QStringLiteral("-") : QString();
    out += grouping_ ? GroupedInteger(whole, thousandSeparator) : QString::fromStdString(whole);
    if (!fraction.empty())
        out += decimalSeparator + QString::fromStdString(fraction);
    return out;
}

}  // namespace rna::chart
