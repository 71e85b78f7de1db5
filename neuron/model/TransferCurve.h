#pragma once
// The samples of one transfer function over one range, kept between the refills of a chart.
#include <vector>

namespace rna::neuron {

enum class TransferKind;

// A chart is refilled at every move of a slider, mostly with the same function over the same range; the
// extended-precision exponentials of its samples are the dearest part of a refill, so they are computed only
// when the function or the range differ from the last ones asked for.
class TransferCurve {
public:
    // F(i) rounded to double, for i = -halfRange ... halfRange in order.
    const std::vector<double>& Values(TransferKind kind, int halfRange);

private:
    bool known_ = false;
    TransferKind kind_{};
    int halfRange_ = 0;
    std::vector<double> values_;
};

}  // namespace rna::neuron
