// The decimal separator of the number texts, set from the user's locale at start-up and on every settings change.
#include "neuron/model/NumericModel.h"

#include <atomic>

namespace rna::neuron {

namespace {

// Atomic only so that a reader on another thread never sees a torn or racy value; the program itself
// reads and writes it on the user-interface thread.
std::atomic<char> decimalSeparator{'.'};

bool IsPrintableAscii(char c)
{
    return c > ' ' && c < 0x7F;
}

// A separator that is also part of the number grammar would make texts read back differently.
bool IsUsableDecimalSeparator(char c)
{
    const bool digit = c >= '0' && c <= '9';
    return IsPrintableAscii(c) && !digit && c != '+' && c != '-' && c != 'E' && c != 'e';
}

}  // namespace

void SetDecimalSeparator(char c)
{
    decimalSeparator.store(IsUsableDecimalSeparator(c) ? c : '.', std::memory_order_relaxed);
}

char DecimalSeparator()
{
    return decimalSeparator.load(std::memory_order_relaxed);
}

}  // namespace rna::neuron
