#include "chart/scale/NumberSeparators.h"

namespace rna::chart {

namespace {

// Only the user-interface thread reads and writes it.
NumberSeparators current;

bool IsPrintableAscii(char c)
{
    return c > ' ' && c < 0x7F;
}

}  // namespace

void SetNumberSeparators(char decimal, char thousand)
{
    current.Decimal = IsPrintableAscii(decimal) ? decimal : '.';
    current.Thousand = IsPrintableAscii(thousand) || thousand == ' ' ? thousand : ',';
}

NumberSeparators CurrentNumberSeparators()
{
    return current;
}

}  // namespace rna::chart
