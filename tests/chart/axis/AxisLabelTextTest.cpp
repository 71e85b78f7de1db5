// Label texts of an axis: the default format with the chart's separators, multi-line labels.
#include "chart/axis/TChartAxis.h"
#include "chart/scale/NumberSeparators.h"

#include <gtest/gtest.h>

using namespace rna::chart;

namespace {

// Restores the chart's separators after a test changed them.
struct SeparatorGuard {
    NumberSeparators saved = CurrentNumberSeparators();
    ~SeparatorGuard() { SetNumberSeparators(saved.Decimal, saved.Thousand); }
};

}  // namespace

TEST(AxisLabelTextTest, DefaultFormatWithPointAndComma)
{
    SeparatorGuard guard;
    SetNumberSeparators('.', ',');
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

TEST(AxisLabelTextTest, SeparatorsFollowTheChartSettings)
{
    SeparatorGuard guard;
    SetNumberSeparators(',', '.');
    TChartAxis a(nullptr);
    EXPECT_EQ(a.FormatAxisLabel(1234.5), QStringLiteral("1.234,5"));
    EXPECT_EQ(a.FormatAxisLabel(-0.25), QStringLiteral("-0,25"));
}

TEST(AxisLabelTextTest, MultiLineLabelsBreakAtBlanks)
{
    SeparatorGuard guard;
    SetNumberSeparators('.', ' ');
    TChartAxis a(nullptr);
    a.SetLabelsMultiLine(true);
    EXPECT_EQ(a.FormatAxisLabel(1234567), QStringLiteral("1\r234\r567"));
    a.SetLabelsMultiLine(false);
    EXPECT_EQ(a.FormatAxisLabel(1234567), QStringLiteral("1 234 567"));
}

TEST(AxisLabelTextTest, UnusableSeparatorsFallBackToPointAndComma)
{
    SeparatorGuard guard;
    const struct {
        char decimal, thousand, storedDecimal, storedThousand;
    } rows[] = {{',', '.', ',', '.'}, {'\'', ' ', '\'', ' '}, {'\xa0', '\xa0', '.', ','}, {'\0', '\t', '.', ','}};
    for (const auto& row : rows) {
        SetNumberSeparators(row.decimal, row.thousand);
        EXPECT_EQ(CurrentNumberSeparators().Decimal, row.storedDecimal) << int(row.decimal);
        EXPECT_EQ(CurrentNumberSeparators().Thousand, row.storedThousand) << int(row.thousand);
    }
}
