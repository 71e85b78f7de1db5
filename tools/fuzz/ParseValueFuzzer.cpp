// Feeds arbitrary bytes to ParseValue with both separators and checks what holds for every input:
// no crash and no undefined behaviour (the sanitizers), only our own error for unreadable texts, the value
// of the C library's exact reader in the "C" locale, and FormatGeneral stable on its own output.
#include "neuron/model/NumericModel.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

void CheckWithSeparator(std::string_view text, char separator)
{
    SetDecimalSeparator(separator);
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
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckWithSeparator(text, '.');
    CheckWithSeparator(text, ',');
    return 0;
}
