#pragma once
// The transfer functions, one row each: everything the program knows about a function is derived from here.
#include <array>
#include <cstddef>
#include <string_view>

namespace rna::neuron {

// The items of a screen's drop-down list, in list order; the list's selected index is the kind.
enum class TransferKind { Identity = 0, HyperbolicTangent = 1, LogisticSigmoid = 2 };

// The function values, in extended precision: x, (e^(2x) - 1) / (e^(2x) + 1) and 1 / (e^(-x) + 1).
long double IdentityValue(long double x);
long double HyperbolicTangentValue(long double x);
long double LogisticSigmoidValue(long double x);

// The left axis of a function's chart. A bounded function has fixed limits; one that grows with its argument
// spans the sampled half range R as well: maximum + R and minimum - R.
struct TransferAxisRange {
    long double maximum;
    long double minimum;
    bool spansHalfRange;
};

struct TransferFunction {
    TransferKind kind;
    // The item text of the screens' lists, as their descriptions give it (translations come with the texts).
    std::string_view name;
    // The function's name in files (lessons): stable, the same in every language.
    std::string_view fileName;
    long double (*value)(long double x);
    TransferAxisRange axis;
};

// In list order: a row's index is its kind and the list index that selects it.
inline constexpr std::array TransferFunctions{
    TransferFunction{TransferKind::Identity, "Identitate", "identity", IdentityValue, {0.05L, -0.05L, true}},
    TransferFunction{
        TransferKind::HyperbolicTangent, "Tangent hiperbolic", "tanh", HyperbolicTangentValue, {1.05L, -1.05L, false}},
    TransferFunction{
        TransferKind::LogisticSigmoid, "Sigmoid logistic", "logistic", LogisticSigmoidValue, {1.05L, -0.05L, false}},
};

constexpr bool RowsAreInKindOrder()
{
    for (std::size_t i = 0; i < TransferFunctions.size(); ++i)
        if (static_cast<std::size_t>(TransferFunctions[i].kind) != i)
            return false;
    return true;
}
static_assert(RowsAreInKindOrder(), "a row's index must be its kind");

// Whether a list index selects a function (-1, no selection, does not).
constexpr bool IsTransferKind(int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < TransferFunctions.size();
}

constexpr const TransferFunction& TransferFunctionOf(TransferKind kind)
{
    return TransferFunctions[static_cast<std::size_t>(kind)];
}

}  // namespace rna::neuron
