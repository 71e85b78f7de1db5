// A number format pattern made of 0, #, ',' and '.' ("#,##0.###"), parsed once and applied to values.
#pragma once

#include <QString>

#include <optional>

namespace rna::chart {

class AxisValueFormat {
public:
    static constexpr const char* DefaultPattern = "#,##0.###";

    // Accepts only patterns of '0' and '#' digits with ',' grouping before an optional single '.';
    // anything else has no meaning here and gives no format.
    static std::optional<AxisValueFormat> Parse(const QString& pattern);

    AxisValueFormat() = default;  // the default pattern

    // The value rounded half away from zero to MaxDecimals, trailing '#' decimals dropped;
    // a value that rounds to zero has no minus sign.
    QString Format(double value, QChar decimalSeparator, QChar thousandSeparator) const;

    int MinIntegerDigits() const { return minIntegerDigits_; }
    int MinDecimals() const { return minDecimals_; }
    int MaxDecimals() const { return maxDecimals_; }
    bool Grouping() const { return grouping_; }

private:
    int minIntegerDigits_ = 1;
    int minDecimals_ = 0;
    int maxDecimals_ = 3;
    bool grouping_ = true;
};

}  // namespace rna::chart
