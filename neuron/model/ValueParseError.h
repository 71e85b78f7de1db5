#pragma once
// The error raised when a text cannot be read as a number.
#include <exception>
#include <string>
#include <string_view>

namespace rna::neuron {

class ValueParseError : public std::exception {
public:
    // The message is "'<text>' is not a valid floating point value", the text kept byte for byte.
    explicit ValueParseError(std::string_view text);

    const char* what() const noexcept override { return message_.c_str(); }
    // The whole message, also when the text holds a NUL character (what() stops there).
    const std::string& Message() const noexcept { return message_; }

private:
    std::string message_;
};

}  // namespace rna::neuron
