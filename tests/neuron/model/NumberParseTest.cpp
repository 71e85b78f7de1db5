#include "neuron/model/CLocaleReader.h"
#include "neuron/model/DecimalToExtended.h"
#include "neuron/model/NumericModel.h"
#include "tests/neuron/model/SeparatorGuard.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace rna::neuron;

namespace {

struct ParseCase {
    const char* text;
    long double value;
};

std::string Message(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid floating point value";
}

// The message of the error ParseValue raises, or "" when it reads the text.
std::string ParseError(std::string_view text)
{
    try {
        ParseValue(text);
    } catch (const ValueParseError& error) {
        return error.Message();
    }
    return "";
}

// 2^1024 - 2^970: from here up a value rounds to infinity as a double.
const std::string doubleOverflowMidpoint =
    "179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017977587207096330"
    "286416692887910946555547851940402630657488671505820681908902000708383676273854845817711531764475730270069"
    "855571366959622842914819860834936475292719074168444365510704342711559699508093042880177904174497792";

// 2^1024 - 2^970 - 2^959: halfway between that midpoint and the extended value below it.
const std::string extendedRoundsToMidpoint =
    "179769313486231580788856314399603415539757441516100232780735665551647464529330797718042543632203994045097"
    "478883751882781333903089736236068538927903738904273658619908352552056966508215995839475016829080902525043"
    "031394967162883233725383018035973777855246200986636631027897928842158147369319501965882908217442304";

// 1 + 2^-64, halfway between 1 and the next extended value 1 + 2^-63.
const std::string halfwayAboveOne = "1.0000000000000000000542101086242752217003726400434970855712890625";

}  // namespace

TEST(ParseValue, ReadsTheNumberGrammarCorrectlyRounded)
{
    const ParseCase cases[] = {
        {"0", 0.0L},
        {"5", 5.0L},
        {"-1", -1.0L},
        {"0.3", 0.3L},
        {"-0.1", -0.1L},
        {"  +2.5  ", 2.5L},
        {".", 0.0L},
        {"-.5", -0.5L},
        {"5.", 5.0L},
        {".e7", 0.0L},
        {"1e3", 1000.0L},
        {"1E-3", 0.001L},
        {"2.5e+2", 250.0L},
        {"000123.4500", 123.45L},
        {"-5.55111512312578E-17", -5.55111512312578E-17L},
        {"4.53978687024344E-5", 4.53978687024344E-5L},
        {"1E15", 1e15L},
        {"12345678901234567890123", 12345678901234567890123.0L},
        {"0.000000000000000000000000000012345678901234567891", 0.000000000000000000000000000012345678901234567891L},
        {"1.7976931348623157e308", 1.7976931348623157e308L},
        {"4.9e-324", 4.9e-324L},
        {"1e-400", 1e-400L},
        {"3.6451995318824746025e-4951", 3.6451995318824746025e-4951L},  // the smallest subnormal
        {"1e-5000", 0.0L},
        {"0e999999999999999999999", 0.0L},
        {"1e-999999999999999999999", 0.0L},
        {"0.000001e6", 1.0L},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseValue(c.text), c.value) << c.text;
    EXPECT_TRUE(std::signbit(ParseValue("-0")));
}

TEST(ParseValue, RejectsEverythingElseWithTheTextInTheMessage)
{
    using namespace std::string_view_literals;
    const std::string_view texts[] = {
        ""sv,
        " "sv,
        "+"sv,
        "-"sv,
        "+-1"sv,
        "--1"sv,
        "1-"sv,
        "1e"sv,
        "1e+"sv,
        "e5"sv,
        "-e5"sv,
        "1.2.3"sv,
        "1,000"sv,
        "1 000"sv,
        "1'000"sv,
        "\t1"sv,
        "1\t"sv,
        "1\n"sv,
        "0x10"sv,
        "inf"sv,
        "nan"sv,
        "1d5"sv,
        "1e5.5"sv,
        "1e 5"sv,
        "1 e5"sv,
        "1\0"sv,
        "\0"
        "1"sv,
        "1\0"
        "2"sv,
        "\xef\xbc\x91"sv,
        "1e5000"sv,
        "-1e5000"sv,
        "1e309"sv,
        "1.8e308"sv,
        "-1.8e308"sv,
        "1e99999999999999999999"sv,
    };
    for (std::string_view text : texts) {
        EXPECT_EQ(ParseError(text), Message(text)) << text;
        try {
            ParseValue(text);
        } catch (const std::exception& error) {
            EXPECT_EQ(std::string(error.what()), Message(text).c_str()) << text;
        }
    }
}

TEST(ParseValue, OverflowLimitIsTheDoubleRoundingBoundary)
{
    EXPECT_EQ(static_cast<double>(ParseValue("1.797693134862315807e308")), DBL_MAX);
    EXPECT_EQ(ParseError(doubleOverflowMidpoint), Message(doubleOverflowMidpoint));
    EXPECT_EQ(ParseError("-" + doubleOverflowMidpoint), Message("-" + doubleOverflowMidpoint));
    // The value is rounded to extended first: everything from halfway below the midpoint's extended
    // neighbour up reaches the midpoint and so overflows as a double; one less still reads as DBL_MAX.
    EXPECT_EQ(ParseError(extendedRoundsToMidpoint), Message(extendedRoundsToMidpoint));
    std::string oneLess = extendedRoundsToMidpoint;
    oneLess.back() = '3';
    EXPECT_EQ(static_cast<double>(ParseValue(oneLess)), DBL_MAX);
    EXPECT_EQ(static_cast<double>(ParseValue("-" + oneLess)), -DBL_MAX);
}

TEST(ParseValue, LongDigitStringsAreReadExactly)
{
    const std::string zeros(6000, '0');
    EXPECT_EQ(ParseValue("0." + zeros + "1e6001"), 1.0L);
    EXPECT_EQ(ParseValue("1" + zeros + "e-6000"), 1.0L);
    EXPECT_EQ(ParseValue("-" + zeros + "42"), -42.0L);
    EXPECT_EQ(ParseError("1" + zeros), Message("1" + zeros));

    // 20000 threes: more digits than are ever kept, so the tail decides only through the sticky digit.
    const std::string threes(20000, '3');
    EXPECT_EQ(ParseValue(threes + "e-19999"), 10.0L / 3);
    EXPECT_EQ(ParseValue("0." + threes), 1.0L / 3);

    // Exactly halfway: ties to even. Any nonzero digit however far behind decides upwards, none downwards.
    const long double one = 1.0L;
    const long double nextAboveOne = 1.0L + 0x1p-63L;
    EXPECT_EQ(ParseValue(halfwayAboveOne), one);
    EXPECT_EQ(ParseValue(halfwayAboveOne + zeros + zeros), one);
    EXPECT_EQ(ParseValue(halfwayAboveOne + zeros + zeros + "1"), nextAboveOne);
    EXPECT_EQ(ParseValue(halfwayAboveOne + "00001"), nextAboveOne);
    const std::string belowHalfway = halfwayAboveOne.substr(0, halfwayAboveOne.size() - 1) + "4" + zeros + "9";
    EXPECT_EQ(ParseValue(belowHalfway), one);
}

TEST(ParseValue, ReadsTheDecimalSeparatorSettingOnly)
{
    const SeparatorGuard comma(',');
    EXPECT_EQ(ParseValue("0,3"), 0.3L);
    EXPECT_EQ(ParseValue("-4,53978687024344E-5"), -4.53978687024344E-5L);
    EXPECT_EQ(ParseValue(","), 0.0L);
    for (const char* text : {"0.3", "1.000", "1.000,5", "1,2,3", "5.55E-17"})
        EXPECT_EQ(ParseError(text), Message(text)) << text;
}

// Every slider value of every scale is written exactly and reads back as the double nearest position / 10.
TEST(ParseValue, SliderValuesSurviveTheirLabels)
{
    struct Range {
        SliderScale scale;
        int first;
        int last;
        double divisor;
    };
    const Range ranges[] = {
        {SliderScale::Tenths, 0, 50, 10}, {SliderScale::Tenths, -10, 10, 10}, {SliderScale::Units, -5, 5, 1}};
    for (char separator : {'.', ','}) {
        const SeparatorGuard guard(separator);
        for (const Range& range : ranges) {
            for (int position = range.first; position <= range.last; ++position) {
                const std::string text = FormatGeneral(SliderValue(position, range.scale));
                EXPECT_LE(text.size(), 4u) << text;
                EXPECT_EQ(static_cast<double>(ParseValue(text)), position / range.divisor) << text;
            }
        }
    }
    const std::pair<int, const char*> labels[] = {{0, "0"},    {3, "0.3"},   {25, "2.5"}, {50, "5"},
                                                  {-10, "-1"}, {-1, "-0.1"}, {10, "1"}};
    for (const auto& [position, text] : labels)
        EXPECT_EQ(FormatGeneral(SliderValue(position, SliderScale::Tenths)), text);
    EXPECT_EQ(FormatGeneral(SliderValue(-5, SliderScale::Units)), "-5");
}

// Random decimal texts against the C library's correctly rounded reader in the "C" locale, and the
// short-text shortcut against the big-integer path.
TEST(ParseValue, AgreesWithTheCLibraryReaderOnRandomTexts)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> length(1, 40);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-360, 340);
    for (int i = 0; i < 4000; ++i) {
        std::string text;
        const int digits = length(random);
        const int point = std::uniform_int_distribution<int>(0, digits)(random);
        for (int k = 0; k < digits; ++k) {
            if (k == point)
                text += '.';
            text += static_cast<char>('0' + digit(random));
        }
        text += "e" + std::to_string(i % 4 == 0 ? exponent(random) / 10 : exponent(random));

        const long double expected = ReadExtendedInCLocale(text.c_str());
        if (std::fabs(expected) >= 0x1.fffffffffffff8p1023L) {
            EXPECT_EQ(ParseError(text), Message(text));
            continue;
        }
        ASSERT_EQ(ParseValue(text), expected) << text;

        const std::size_t dot = text.find('.');
        const std::size_t e = text.find('e');
        DecimalSource source;
        source.integerDigits = std::string_view(text).substr(0, std::min(dot, e));
        if (dot != std::string::npos)
            source.fractionDigits = std::string_view(text).substr(dot + 1, e - dot - 1);
        source.exponent = std::stoll(text.substr(e + 1));
        ASSERT_EQ(DecimalToExtendedExact(source), DecimalToExtended(source)) << text;
    }
}

// The C library's locale never reaches the reader: texts on every path (short, long, subnormal) read the same
// with a comma locale set as in the "C" locale. Skipped where the system has no comma locale.
TEST(ParseValue, IgnoresTheCLibraryLocale)
{
    const char* const texts[] = {"2.5", "1.00000000000000000000000000001", "12345678901234567890.5e-30", "3.3e-4940",
                                 "0.1e-4951"};
    std::vector<long double> inC;
    for (const char* text : texts)
        inC.push_back(ParseValue(text));
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* const commaLocales[] = {"de_DE.UTF-8", "ro_RO.UTF-8", "fr_FR.UTF-8", "German", "Romanian"};
    const char* chosen = nullptr;
    for (const char* name : commaLocales) {
        if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',') {
            chosen = name;
            break;
        }
    }
    if (!chosen) {
        std::setlocale(LC_ALL, previous.c_str());
        GTEST_SKIP() << "no locale with a decimal comma on this system";
    }
    for (std::size_t i = 0; i < inC.size(); ++i) {
        EXPECT_EQ(ParseValue(texts[i]), inC[i]) << texts[i] << " in " << chosen;
        EXPECT_EQ(ReadExtendedInCLocale(texts[i]), inC[i]) << texts[i] << " in " << chosen;
    }
    std::setlocale(LC_ALL, previous.c_str());
}
