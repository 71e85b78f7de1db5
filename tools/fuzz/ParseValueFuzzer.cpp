// Feeds arbitrary bytes to ParseValue with both separators and checks what holds for every input:
// no crash and no undefined behaviour (the sanitizers), only our own error for unreadable texts, the value
// of the C library's exact reader in the "C" locale, and FormatGeneral stable on its own output.
// Every result is also compared with the earlier big-integer implementation (tools/fuzz/reference/): the
// same value or the same error for the text, and the same texts for values derived from the input.
#include "neuron/model/NumericModel.h"
#include "tools/fuzz/NumberTextComparison.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <optional>
#include <string>
#include <string_view>

using namespace rna::neuron;

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text, const std::string& detail = {})
{
    std::fprintf(stderr, "%s\ntext (%zu bytes): '%.*s'\n%s\n", what, text.size(), static_cast<int>(text.size()),
                 text.data(), detail.c_str());
    std::abort();
}

std::optional<long double> TryParse(std::string_view text)
{
    try {
        return ParseValue(text);
    } catch (const ValueParseError& error) {
        if (error.Message() != "'" + std::string(text) + "' is not a valid floating point value")
            Fail("wrong message", text, error.Message());
        return std::nullopt;
    }
}

// From 1.797693134862314995e308 (which the 18-digit expansion makes ...3150) up to DBL_MAX the general
// text is 1.79769313486232E308, beyond the double range, so it is rejected when read back.
bool GeneralTextMayOverflow(long double v)
{
    return std::fabs(v) >= 1.79769313486231499e308L;
}

void CheckGeneralStable(long double v, std::string_view text)
{
    const std::string first = FormatGeneral(v);
    const std::optional<long double> reread = TryParse(first);
    if (!reread) {
        if (!GeneralTextMayOverflow(v))
            Fail("FormatGeneral output not readable", text, first);
        return;
    }
    const std::string second = FormatGeneral(*reread);
    if (second != first)
        Fail("FormatGeneral not stable", text, first + " -> " + second);
}

// For moderate values the fixed text is within half a unit of its last decimal.
void CheckFixed(long double v, std::string_view text)
{
    const std::string fixed = FormatFixed(v, 8, 4);
    if (std::fabs(v) >= 1000)
        return;
    const std::optional<long double> reread = TryParse(fixed);
    if (!reread || std::fabs(*reread - v) > 0.50000001e-4L)
        Fail("FormatFixed output off", text, fixed);
}

// Only texts the reader accepted come here; they have no NUL and the same grammar with '.' as separator,
// which strtold also reads, except a mantissa without digits ("." or ".e5"), which is zero.
void CheckAgainstCLibrary(long double v, std::string_view text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    std::string copy(text);
    char* end = nullptr;
    const long double expected = strtold_l(copy.c_str(), &end, cLocale);
    if (end == copy.c_str()) {
        if (v != 0)
            Fail("digitless mantissa not zero", text);
        return;
    }
    if (expected != v || std::signbit(expected) != std::signbit(v))
        Fail("differs from strtold", text);
}

void CheckSameAsReference(const std::string& difference, std::string_view text)
{
    if (!difference.empty())
        Fail("differs from the reference", text, difference);
}

// Layout arguments from two input bytes, reaching a little beyond the range the formats accept.
int ByteInRange(std::string_view text, std::size_t index, int lowest, int highest)
{
    const auto byte = index < text.size() ? static_cast<unsigned char>(text[index]) : 0u;
    return lowest + static_cast<int>(byte % static_cast<unsigned>(highest - lowest + 1));
}

void CheckWithSeparator(std::string_view text, char separator)
{
    SetDecimalSeparator(separator);
    CheckSameAsReference(rna::fuzz::CompareParse(text), text);
    const std::optional<long double> v = TryParse(text);
    if (!v)
        return;
    if (!std::isfinite(*v))
        Fail("non-finite value accepted", text);
    if (separator == '.')
        CheckAgainstCLibrary(*v, text);
    CheckGeneralStable(*v, text);
    CheckGeneralStable(static_cast<double>(*v), text);
    CheckFixed(*v, text);
    const int precision = ByteInRange(text, 0, -1, 20);
    const int decimals = ByteInRange(text, 1, -2, 20);
    CheckSameAsReference(rna::fuzz::CompareFormats(*v, precision, decimals), text);
    CheckSameAsReference(rna::fuzz::CompareFormats(static_cast<double>(*v), precision, decimals), text);
}

// The input's first ten bytes read as an extended value, with layout arguments from the next two.
void CheckBytesAsValue(std::string_view text)
{
    std::array<std::uint8_t, 10> bytes{};
    // An empty input may come with no storage: copied element-wise, nothing is read then.
    std::copy_n(text.begin(), std::min(text.size(), bytes.size()), bytes.begin());
    const long double v = rna::fuzz::ExtendedFromBytes(bytes);
    const int precision = ByteInRange(text, 10, -1, 20);
    const int decimals = ByteInRange(text, 11, -2, 20);
    CheckSameAsReference(rna::fuzz::CompareFormats(v, precision, decimals), text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckWithSeparator(text, '.');
    CheckWithSeparator(text, ',');
    CheckBytesAsValue(text);
    return 0;
}
