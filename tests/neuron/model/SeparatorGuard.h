#pragma once
// Sets the decimal separator for one test and restores the previous one afterwards.
#include "neuron/model/NumericModel.h"

class SeparatorGuard {
public:
    explicit SeparatorGuard(char separator) { rna::neuron::SetDecimalSeparator(separator); }
    ~SeparatorGuard() { rna::neuron::SetDecimalSeparator(previous_); }
    SeparatorGuard(const SeparatorGuard&) = delete;
    SeparatorGuard& operator=(const SeparatorGuard&) = delete;

private:
    char previous_ = rna::neuron::DecimalSeparator();
};
