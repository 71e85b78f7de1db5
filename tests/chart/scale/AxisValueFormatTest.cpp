// Number patterns of axis labels ("#,##0.###" and friends).
#include "chart/scale/AxisValueFormat.h"

#include <gtest/gtest.h>

using rna::chart::AxisValueFormat;

namespace {

QString Fmt(const char* pattern, double v, QChar dec = u'.', QChar thou = u',')
{
    const auto f = AxisValueFormat::Parse(QString::fromLatin1(pattern));
    EXPECT_TRUE(f.has_value()) << pattern;
    return f ? f->Format(v, dec, thou) : QString();
}

}  // namespace

TEST(AxisValueFormatTest, DefaultPattern)
{
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {1234.5, "1,234.5"},
        {-10, "-10"},
        {0.05, "0.05"},
        {0.0004, "0"},
        {-0.0004, "0"},
        {-1e-17, "0"},
        {0, "0"},
        {10, "10"},
        {0.0005, "0.001"},
        {-0.0005, "-0.001"},
        {2.0000000000000004, "2"},
        {1234567.891, "1,234,567.891"},
        {999.9996, "1,000"},
        {-999999.9999, "-1,000,000"},
        {123, "123"},
        {0.1 + 0.2, "0.3"},
        {-15, "-15"},
        {1e15, "1,000,000,000,000,000"},
        {7.0 - 2 * 3.45, "0.1"},
    };
    const AxisValueFormat f;
    for (const Row& r : rows)
        EXPECT_EQ(f.Format(r.value, u'.', u','), QString::fromLatin1(r.text)) << r.value;
}

TEST(AxisValueFormatTest, SeparatorsComeFromTheCaller)
{
    EXPECT_EQ(AxisValueFormat().Format(1234.5, u',', u'.'), QStringLiteral("1.234,5"));
    EXPECT_EQ(AxisValueFormat().Format(-0.25, u',', u' '), QStringLiteral("-0,25"));
}

TEST(AxisValueFormatTest, OtherPatterns)
{
    EXPECT_EQ(Fmt("0.00", 1.5), "1.50");
    EXPECT_EQ(Fmt("0.00", -0.001), "0.00");
    EXPECT_EQ(Fmt("000", 7), "007");
    EXPECT_EQ(Fmt("0", 2.5), "3");  // halves away from zero
    EXPECT_EQ(Fmt("0", -2.5), "-3");
    EXPECT_EQ(Fmt("#.##", 0.5), ".5");
    EXPECT_EQ(Fmt("#,##0", 1234567), "1,234,567");
    EXPECT_EQ(Fmt("0.0#", 3.14159), "3.14");
    EXPECT_EQ(Fmt("0.0#", 3), "3.0");
}

TEST(AxisValueFormatTest, PatternsWithOtherCharactersAreRejected)
{
    for (const char* bad : {"", "0.0.0", "0%", "#,##0.### ", "0.0,0", "abc", "0E+00", ",."})
        EXPECT_FALSE(AxisValueFormat::Parse(QString::fromLatin1(bad)).has_value()) << bad;
}
