// The C library's correctly rounded decimal reader in extended precision, '.' being the decimal point whatever
// locale the program runs in: the one place where the model depends on the platform's C library.
#pragma once

namespace rna::neuron {

// Whether the standard library's std::from_chars reads long double in full: MinGW-w64's GCC 12 library reads
// it through double (53 bits), so there every long text goes to the C library's reader instead.
#if defined(_WIN32)
inline constexpr bool FromCharsReadsExtended = false;
#else
inline constexpr bool FromCharsReadsExtended = true;
#endif

// The value of the decimal number at the start of text ("0.1e-4950", "12.5e3"), rounded to the nearest extended
// value as the C library's strtold rounds it in the "C" locale: subnormals, zero and infinity included.
long double ReadExtendedInCLocale(const char* text);

}  // namespace rna::neuron
