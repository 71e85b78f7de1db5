// The transfer functions, the slider values and the net input, carried in extended precision.
#include "neuron/model/NumericModel.h"

#include <cfloat>
#include <cmath>

namespace rna::neuron {

static_assert(LDBL_MANT_DIG == 64, "the neuron arithmetic needs long double with a 64-bit significand");

long double IdentityValue(long double x)
{
    return x;
}

long double HyperbolicTangentValue(long double x)
{
    // e^(2x) is evaluated for the numerator and again for the denominator, as the quotient is defined.
    const long double numerator = std::exp(2 * x) - 1;
    const long double denominator = std::exp(2 * x) + 1;
    // Beyond x of about 5678 both overflow; the quotient's limit is 1 rather than inf / inf.
    if (std::isinf(denominator))
        return 1;
    return numerator / denominator;
}

long double LogisticSigmoidValue(long double x)
{
    return 1 / (std::exp(-x) + 1);
}

long double TransferValue(TransferKind kind, long double x)
{
    return TransferFunctionOf(kind).value(x);
}

double TransferOutput(TransferKind kind, double netInput)
{
    return static_cast<double>(TransferValue(kind, netInput));
}

long double SliderValue(int position, SliderScale scale)
{
    const long double value = position;
    return scale == SliderScale::Tenths ? value / 10 : value;
}

double SliderNumber(int position, SliderScale scale)
{
    return static_cast<double>(ParseValue(FormatGeneral(SliderValue(position, scale))));
}

double NetInput(std::span<const WeightedInput> terms, double threshold)
{
    if (terms.size() == 0)
        return threshold;
    auto term = terms.begin();
    long double sum = static_cast<long double>(term->input) * term->weight;
    for (++term; term != terms.end(); ++term)
        sum += static_cast<long double>(term->input) * term->weight;
    return static_cast<double>(sum + threshold);
}

}  // namespace rna::neuron
