#include "neuron/model/TransferCurve.h"

#include "neuron/model/NumericModel.h"

namespace rna::neuron {

const std::vector<double>& TransferCurve::Values(TransferKind kind, int halfRange)
{
    if (known_ && kind == kind_ && halfRange == halfRange_)
        return values_;
    values_.clear();
    for (int i = -halfRange; i <= halfRange; ++i)
        values_.push_back(static_cast<double>(TransferValue(kind, i)));
    known_ = true;
    kind_ = kind;
    halfRange_ = halfRange;
    return values_;
}

}  // namespace rna::neuron
