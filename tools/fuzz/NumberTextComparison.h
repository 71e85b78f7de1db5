#pragma once
// Old-against-new checks of the number texts and the reader, shared by the fuzzer and the randomised
// comparison: the model's functions against the big-integer reference in tools/fuzz/reference/.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rna::fuzz {

// "" when ParseValue and the reference give the same value (bit for bit, sign of zero included) or the
// same error message for the text under the current decimal separator; otherwise both outcomes.
std::string CompareParse(std::string_view text);

// "" when the 18-digit expansion, FormatGeneral and FormatFixed with the screens' (4, 2) and (8, 4) and
// with the given precision and decimals are the same as the reference's; otherwise the first difference.
std::string CompareFormats(long double v, int precision, int decimals);

// The extended value of ten bytes in the x87 layout (significand, then sign and exponent), with the
// explicit integer bit made to agree with the exponent, so that every byte pattern is a valid value.
long double ExtendedFromBytes(const std::array<std::uint8_t, 10>& bytes);

}  // namespace rna::fuzz
