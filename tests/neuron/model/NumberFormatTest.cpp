#include "neuron/model/DecimalExpansion.h"
#include "neuron/model/NumericModel.h"
#include "tests/neuron/model/SeparatorGuard.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

using namespace rna::neuron;

namespace {

struct GeneralCase {
    long double value;
    const char* text;
};

struct FixedCase {
    long double value;
    int precision;
    int decimals;
    const char* text;
};

const long double sigmoidMinus10 = 1 / (std::exp(10.0L) + 1);

}  // namespace

TEST(FormatGeneral, FifteenDigitsAndTheThreeLayouts)
{
    const GeneralCase cases[] = {
        {0.0L, "0"},
        {-0.0L, "0"},
        {5.0L, "5"},
        {-0.1L, "-0.1"},
        {4.9L, "4.9"},
        {0.05L, "0.05"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {sigmoidMinus10, "4.53978687024344E-5"},
        {-0x1p-54L, "-5.55111512312578E-17"},
        {1e15L, "1E15"},
        {999999999999999.0L, "999999999999999"},
        {999999999999999.4L, "999999999999999"},
        {999999999999999.5L, "1E15"},  // the carry moves the value into the exponent form
        {9999999999999995.0L, "1E16"},
        {0.000099999999999999996L, "0.0001"},  // and out of it
        {123456.789L, "123456.789"},
        {-1234567890123456.0L, "-1.23456789012346E15"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {100.0L, "100"},
        {-1.5e300L, "-1.5E300"},
        {2.0L / 3, "0.666666666666667"},
        {1.0L / 3, "0.333333333333333"},
        // The 18-digit expansion is rounded first: ...3449999|9 becomes ...345000, then the 16th digit is 5.
        {0.1234567890123449999L, "0.123456789012345"},
        {0.12345678901234499L, "0.123456789012345"},
        {0.123456789012344899L, "0.123456789012345"},
        {0.1234567890123448L, "0.123456789012345"},
        {0.1234567890123443L, "0.123456789012344"},
        {std::numeric_limits<long double>::max(), "1.18973149535723E4932"},
        {std::numeric_limits<long double>::denorm_min(), "3.64519953188247E-4951"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308"},
        {std::numeric_limits<long double>::infinity(), "INF"},
        {-std::numeric_limits<long double>::infinity(), "-INF"},
        {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
    for (const GeneralCase& c : cases)
        EXPECT_EQ(FormatGeneral(c.value), c.text) << static_cast<double>(c.value);
}

TEST(FormatFixed, RoundsOnceHalfAwayFromZeroAndPadsTheDecimals)
{
    const FixedCase cases[] = {
        {0.0L, 4, 2, "0.00"},
        {10.0L, 4, 2, "10.00"},
        {-10.0L, 4, 2, "-10.00"},
        {-4.25L, 4, 2, "-4.25"},
        {-0x1p-54L, 4, 2, "0.00"},
        {-0x1p-54L, 8, 4, "0.0000"},
        {std::tanh(10.0L), 8, 4, "1.0000"},
        {std::tanh(-10.0L), 8, 4, "-1.0000"},
        {sigmoidMinus10, 8, 4, "0.0000"},
        {0.5L, 8, 4, "0.5000"},
        {0.125L, 4, 2, "0.13"},
        {-0.125L, 4, 2, "-0.13"},
        {0.375L, 4, 2, "0.38"},
        {0.005L, 4, 2, "0.01"},
        {-0.005L, 4, 2, "-0.01"},
        {0.004L, 4, 2, "0.00"},
        {-0.004L, 4, 2, "0.00"},  // zero after rounding has no sign
        {0.0004L, 4, 2, "0.00"},
        {0.12499999999999999999L, 4, 2, "0.13"},  // 18 digits round to 0.125 first
        {9.995, 4, 2, "9.99"},  // the double is 9.99499999999999922...
        {9.995L, 4, 2, "10.00"},  // 9.99499999999999999989... is 9.995 in 18 digits
        {1234.5678L, 4, 2, "1235.00"},  // at most `precision` significant digits
        {-1234.5678L, 6, 4, "-1234.5700"},
        {12345.678L, 4, 2, "1.235E4"},  // more integer digits than the precision
        {9999.7L, 4, 2, "1E4"},
        {25.05L, 6, 4, "25.0500"},
        {1.0L / 3, 6, 4, "0.3333"},
        {-2.0L / 3, 6, 4, "-0.6667"},
        {0.00005L, 8, 4, "0.0001"},
        {0.000049L, 8, 4, "0.0000"},
        {0.00051L, 8, 4, "0.0005"},
        {-0.0625L, 8, 4, "-0.0625"},
        {0.99995L, 8, 4, "1.0000"},
        {2.5L, 4, 0, "3"},
        {-0.4L, 4, 0, "0"},
        {0.6L, 4, 0, "1"},
        {7.0L, 4, 1, "7.0"},
        {1e-300L, 8, 4, "0.0000"},
    };
    for (const FixedCase& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.precision, c.decimals), c.text)
            << static_cast<double>(c.value) << " P=" << c.precision << " D=" << c.decimals;
}

TEST(FormatFixed, OutOfRangeArgumentsAreClampedNotOverrun)
{
    EXPECT_EQ(FormatFixed(1.5L, 0, 2), "2.00");  // precision at least 1
    EXPECT_EQ(FormatFixed(1.5L, 4, -3), "2");
    EXPECT_EQ(FormatFixed(0.1L, 40, 40), "0.100000000000000000");
    EXPECT_EQ(FormatFixed(-1e30L, 40, 2), "-1E30");
}

TEST(NumberFormats, WriteTheDecimalSeparatorSetting)
{
    const SeparatorGuard comma(',');
    EXPECT_EQ(FormatGeneral(-0.1L), "-0,1");
    EXPECT_EQ(FormatGeneral(sigmoidMinus10), "4,53978687024344E-5");
    EXPECT_EQ(FormatGeneral(123456.789L), "123456,789");
    EXPECT_EQ(FormatFixed(-4.25L, 4, 2), "-4,25");
    EXPECT_EQ(FormatFixed(1234.5678L, 4, 2), "1235,00");
    EXPECT_EQ(FormatFixed(12345.678L, 4, 2), "1,235E4");
}

// The exact 18-digit expansion against the standard library's own shortest-free scientific form.
TEST(DecimalExpansion, MatchesTheStandardConversionAcrossTheExtendedRange)
{
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int> wideExponent(-16440, 16380);
    std::uniform_int_distribution<int> usualExponent(-80, 80);
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t mantissa = random() | (std::uint64_t{1} << 63);
        const int exponent = i < 300 ? wideExponent(random) : usualExponent(random);
        const long double v = std::ldexp(static_cast<long double>(mantissa), exponent - 64);

        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 17).ptr;
        const std::string reference(buffer, end);  // d.ddddddddddddddddde±X
        std::string expectedDigits = reference.substr(0, 1) + reference.substr(2, 17);
        while (expectedDigits.back() == '0')
            expectedDigits.pop_back();
        const int expectedExponent = std::stoi(reference.substr(20)) + 1;

        const DecimalDigits d = DecimalExpansion(v);
        std::string digits;
        for (int k = 0; k < d.count; ++k)
            digits += static_cast<char>('0' + d.digits[k]);
        ASSERT_EQ(digits, expectedDigits) << reference;
        ASSERT_EQ(d.exponent, expectedExponent) << reference;
    }
}
