#include "neuron/model/NumberText.h"

namespace rna::neuron {

void NumberText::AppendInteger(int value)
{
    if (value < 0)
        Append('-');
    // Negated as unsigned so that the most negative int is written too.
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    std::array<char, 12> reversed{};
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (length > 0)
        Append(reversed[--length]);
}

}  // namespace rna::neuron
