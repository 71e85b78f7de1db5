#include "neuron/model/CLocaleReader.h"

#include <cstdlib>

#if defined(_WIN32)

namespace rna::neuron {

// MinGW-w64's own reader reads into the x87 extended format exactly (Windows' C library stops at double), and it
// takes '.' as the decimal point whatever the locale.
long double ReadExtendedInCLocale(const char* text)
{
    return __mingw_strtold(text, nullptr);
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
