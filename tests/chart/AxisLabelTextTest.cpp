// Label texts of an axis: the default format with the numeric model's separators, multi-line labels.
#include "chart/TChartAxis.h"
#include "neuron/NumericModel.h"

#include <gtest/gtest.h>

using namespace rna::chart;

namespace {

// Restores the numeric model's separators after a test changed them.
struct SeparatorGuard {
    char decimal = rna::neuron::DecimalSeparator();
    char thousand = rna::neuron::ThousandSeparator();
    ~SeparatorGuard()
    {
        rna::neuron::SetDecimalSeparator(decimal);
        rna::neuron::SetThousandSeparator(thousand);
    }
};

}  // namespace

TEST(AxisLabelTextTest, DefaultFormatWithPointAndComma)
{
    SeparatorGuard guard;
    rna::neuron::SetDecimalSeparator('.');
    rna::neuron::SetThousandSeparator(',');
    TChartAxis a(nullptr);
    const std::pair<double, const char*> rows[] = {
        {1234.5, "1,234.5"},
        {-10, "-10"},
        {0.05, "0.05"},
        {0.0004, "0"},
        {-0.0004, "0"},
        {-1e-17, "0"},
        {10 - 10 * 2.0 / 2 - 1e-15, "0"},
    };
    for (const auto& [value, text] : rows)
        EXPECT_EQ(a.FormatAxisLabel(value), QString::fromLatin1(text)) << value;
}

TEST(AxisLabelTextTest, SeparatorsFollowTheNumericModel)
{
    SeparatorGuard guard;
    rna::neuron::SetDecimalSeparator(',');
    rna::neuron::SetThousandSeparator('.');
    TChartAxis a(nullptr);
    EXPECT_EQ(a.FormatAxisLabel(1234.5), QStringLiteral("1.234,5"));
    EXPECT_EQ(a.FormatAxisLabel(-0.25), QStringLiteral("-0,25"));
}

TEST(AxisLabelTextTest, MultiLineLabelsBreakAtBlanks)
{
    SeparatorGuard guard;
    rna::neuron::SetThousandSeparator(' ');
    TChartAxis a(nullptr);
    a.SetLabelsMultiLine(true);
    EXPECT_EQ(a.FormatAxisLabel(1234567), QStringLiteral("1\r234\r567"));
    a.SetLabelsMultiLine(false);
    EXPECT_EQ(a.FormatAxisLabel(1234567), QStringLiteral("1 234 567"));
}
