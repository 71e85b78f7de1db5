// The separators of the axis label texts, pushed in by start-up and by every locale change.
#pragma once

namespace rna::chart {

struct NumberSeparators {
    char Decimal = '.';
    char Thousand = ',';
};

// Stores the separators for every axis label drawn from now on. A decimal separator that is not printable
// ASCII is stored as '.', a digit grouping character that is neither printable ASCII nor a blank as ','.
void SetNumberSeparators(char decimal, char thousand);
NumberSeparators CurrentNumberSeparators();

}  // namespace rna::chart
