#pragma once
// A short text built in place, so that formatting a number allocates at most the result string.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace rna::neuron {

class NumberText {
public:
    // The longest text the formats produce is a sign, 18 integer digits, a separator and 18 decimals.
    static constexpr std::size_t Capacity = 64;

    void Append(char c)
    {
        if (size_ < Capacity)
            chars_[size_++] = c;
    }
    void Append(std::string_view text)
    {
        for (char c : text)
            Append(c);
    }
    void AppendRepeated(char c, int count)
    {
        for (int i = 0; i < count; ++i)
            Append(c);
    }
    void AppendDigit(int digit) { Append(static_cast<char>('0' + digit)); }
    void AppendInteger(int value);

    std::string ToString() const { return std::string(chars_.data(), size_); }

private:
    std::array<char, Capacity> chars_{};
    std::size_t size_ = 0;
};

}  // namespace rna::neuron
