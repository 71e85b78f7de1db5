#include "neuron/model/CLocaleReader.h"

#include <cstdlib>

#if defined(_WIN32)

#include <clocale>
#include <string>

namespace rna::neuron {

// MinGW-w64's own reader reads into the x87 extended format exactly (Windows' C library stops at double), but it
// takes the C library locale's decimal point and has no variant with a locale of its own: the '.' of the text is
// written as that locale's decimal point before reading.
long double ReadExtendedInCLocale(const char* text)
{
    const char* point = std::localeconv()->decimal_point;
    if (!point || (point[0] == '.' && point[1] == '\0'))
        return __mingw_strtold(text, nullptr);
    std::string local(text);
    if (const std::size_t dot = local.find('.'); dot != std::string::npos)
        local.replace(dot, 1, point);
    return __mingw_strtold(local.c_str(), nullptr);
}

}  // namespace rna::neuron

#else

#include <locale.h>

namespace rna::neuron {

namespace {

// The "C" locale object for the C library's reader, made once and kept for the program's lifetime.
locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

long double ReadExtendedInCLocale(const char* text)
{
    return strtold_l(text, nullptr, CLocale());
}

}  // namespace rna::neuron

#endif
