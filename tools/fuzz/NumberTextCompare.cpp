// Randomised comparison of the number texts and the reader with the big-integer reference, over value
// classes that uniform random bits would almost never reach: ties of the 18-digit expansion, values a few
// units in the last place from the formats' rounding boundaries and from powers of ten, and the values the
// screens compute. Usage: rna_number_text_compare [values] [seed]; prints the first differences found.
#include "neuron/model/NumericModel.h"
#include "tools/fuzz/NumberTextComparison.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace rna::neuron;

namespace {

using Random = std::mt19937_64;

int Uniform(Random& random, int lowest, int highest)
{
    return std::uniform_int_distribution<int>(lowest, highest)(random);
}

std::string RandomDigits(Random& random, int count)
{
    std::string digits;
    for (int i = 0; i < count; ++i)
        digits += static_cast<char>('0' + Uniform(random, i == 0 ? 1 : 0, 9));
    return digits;
}

// Any finite or non-finite extended value, every binary exponent equally likely.
long double AnyExtended(Random& random)
{
    std::array<std::uint8_t, 10> bytes{};
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return rna::fuzz::ExtendedFromBytes(bytes);
}

long double AnyDouble(Random& random)
{
    const std::uint64_t bits = random();
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// A full 64-bit significand within the range the screens and most texts live in.
long double ModerateExtended(Random& random)
{
    const std::uint64_t significand = random() | (std::uint64_t{1} << 63);
    const long double v = std::ldexp(static_cast<long double>(significand), Uniform(random, -80, 80) - 63);
    return random() % 2 != 0 ? -v : v;
}

// m x 2^-k with exactly 19 significant digits, the last one 5: a tie for the 18-digit expansion.
long double ExpansionTie(Random& random)
{
    const int k = Uniform(random, 0, 27);
    long double power5 = 1;
    for (int i = 0; i < k; ++i)
        power5 *= 5;
    const auto lowest = static_cast<std::uint64_t>(std::ceil(1e18L / power5));
    const auto highest = static_cast<std::uint64_t>((1e19L - 1) / power5);
    std::uint64_t m = std::uniform_int_distribution<std::uint64_t>(lowest, highest)(random) | 1;
    if (k == 0)
        m = m / 10 * 10 + 5;
    return std::ldexp(static_cast<long double>(m), -k);
}

// The extended value nearest to a decimal ending in 5 (a halfway case of the 15-digit or the fixed
// rounding), or nearest to a power of ten, moved a few units in the last place either way.
long double NearDecimalBoundary(Random& random)
{
    std::string text = random() % 4 == 0 ? "1" : RandomDigits(random, Uniform(random, 1, 18)) + "5";
    text += "e" + std::to_string(random() % 16 == 0 ? Uniform(random, -4950, 4930) : Uniform(random, -30, 30));
    long double v = std::strtold(text.c_str(), nullptr);
    const long double direction = random() % 2 != 0 ? HUGE_VALL : -HUGE_VALL;
    for (int steps = Uniform(random, 0, 3); steps > 0; --steps)
        v = std::nextafter(v, direction);
    return v;
}

// A net input, curve point or output as the screens compute them.
long double ScreenValue(Random& random)
{
    const double p = static_cast<double>(SliderValue(Uniform(random, -10, 50), SliderScale::Tenths));
    const double w = static_cast<double>(SliderValue(Uniform(random, -10, 50), SliderScale::Tenths));
    const double q = static_cast<double>(SliderValue(Uniform(random, -10, 50), SliderScale::Tenths));
    const double v = static_cast<double>(SliderValue(Uniform(random, -10, 50), SliderScale::Tenths));
    const double b = static_cast<double>(SliderValue(Uniform(random, -5, 5), SliderScale::Units));
    const double n = random() % 2 != 0 ? NetInput({{p, w}}, b) : NetInput({{p, w}, {q, v}}, b);
    const auto kind = static_cast<TransferKind>(Uniform(random, 0, static_cast<int>(TransferFunctions.size()) - 1));
    return random() % 2 != 0 ? n : TransferValue(kind, random() % 2 != 0 ? n : Uniform(random, -10, 10));
}

// Number-like texts with blanks, signs, both separators, long digit strings and wide exponents.
std::string NumberLikeText(Random& random)
{
    static const std::string pieces[] = {" ", "+", "-", ".", ",", "e", "E", "0", "5", "9", "00000000"};
    std::string text;
    for (int parts = Uniform(random, 1, 6); parts > 0; --parts) {
        const int kind = Uniform(random, 0, 3);
        if (kind == 0)
            text += pieces[Uniform(random, 0, 10)];
        else if (kind == 1)
            text += RandomDigits(random, Uniform(random, 1, random() % 8 == 0 ? 400 : 25));
        else if (kind == 2)
            text += "e" + std::to_string(Uniform(random, -5000, 5000));
        else
            text += std::to_string(Uniform(random, 0, 99)) + "." + RandomDigits(random, Uniform(random, 1, 30));
    }
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    const long values = argc > 1 ? std::atol(argv[1]) : 3'000'000;
    Random random(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
    const std::function<long double(Random&)> classes[] = {AnyExtended,  AnyDouble,           ModerateExtended,
                                                           ExpansionTie, NearDecimalBoundary, ScreenValue};
    long differences = 0;
    const auto report = [&](const std::string& difference, const std::string& subject) {
        if (difference.empty())
            return;
        if (++differences <= 20)
            std::printf("%s\n  %s\n", subject.c_str(), difference.c_str());
    };
    for (long i = 0; i < values; ++i) {
        // The whole extended range is slow for the reference's long division; one value in 32 is enough.
        const std::size_t index = i % 32 == 0 ? 0 : 1 + i % (std::size(classes) - 1);
        const long double v = classes[index](random);
        SetDecimalSeparator(i % 2 == 0 ? '.' : ',');
        char subject[64];
        std::snprintf(subject, sizeof subject, "value %La", v);
        report(rna::fuzz::CompareFormats(v, Uniform(random, -1, 20), Uniform(random, -2, 20)), subject);
        if (i % 4 == 0) {
            const std::string text = NumberLikeText(random);
            for (char separator : {'.', ','}) {
                SetDecimalSeparator(separator);
                report(rna::fuzz::CompareParse(text), "text '" + text + "' with '" + separator + "'");
            }
        }
    }
    std::printf("%ld values, %ld texts compared: %ld differences\n", values, (values + 3) / 4, differences);
    return differences == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
