#include "neuron/model/ValueParseError.h"

namespace rna::neuron {

namespace {

std::string ComposeMessage(std::string_view text)
{
    constexpr std::string_view tail = "' is not a valid floating point value";
    std::string message;
    message.reserve(text.size() + tail.size() + 1);
    message += '\'';
    message += text;
    message += tail;
    return message;
}

}  // namespace

ValueParseError::ValueParseError(std::string_view text) : message_(ComposeMessage(text))
{}

}  // namespace rna::neuron
