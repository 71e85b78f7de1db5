#pragma once
// One neuron as a value: its inputs and weights, its threshold and transfer function, and the net input and
// output it last computed. A screen shows one and writes into it; a lesson or an exercise sets and computes one
// without a window.
#include "neuron/model/NamedValues.h"
#include "neuron/model/NumericModel.h"

#include <array>
#include <cstddef>

namespace rna::neuron {

class Neuron final : public NamedValues {
public:
    static constexpr std::size_t MaxInputs = 2;

    // A neuron with 1 or 2 inputs (other counts are taken as the nearer one), every number 0, the identity.
    explicit Neuron(std::size_t inputs = 1);

    std::size_t InputCount() const { return count_; }
    double Input(std::size_t i) const { return terms_[i].input; }
    double Weight(std::size_t i) const { return terms_[i].weight; }
    double Threshold() const { return threshold_; }
    std::optional<TransferKind> TransferFunction() const { return function_; }
    void SetInput(std::size_t i, double value) { terms_[i].input = value; }
    void SetWeight(std::size_t i, double value) { terms_[i].weight = value; }
    void SetThreshold(double value) { threshold_ = value; }
    void SetTransferFunction(std::optional<TransferKind> kind) { function_ = kind; }

    // The results as last computed; they stay until the next computation, whatever was set since.
    double Net() const { return net_; }
    double Output() const { return output_; }

    // The screens' two steps. The net input: the inputs times the weights, plus the threshold (NetInput).
    double ComputeNet();
    // The output: the function at the stored net input. With no function the output stays the last one computed,
    // as a screen whose list has no selection goes on showing it.
    double ComputeOutput();
    // Both steps.
    Neuron& Evaluate();
    // This neuron with input i replaced, evaluated; this one is unchanged.
    Neuron EvaluatedWith(std::size_t i, double input) const;

    // p, w, b with one input; p1, p2, w1, w2, b with two; results n and a; function f.
    std::optional<double> Value(std::string_view name) const override;
    void SetValueAt(std::size_t index, double value) override;
    using NamedValues::Function;
    const std::optional<TransferKind>* Function(std::string_view name) const override;

private:
    // The stored number a name stands for; null for another name.
    const double* Slot(std::string_view name) const;

    std::array<WeightedInput, MaxInputs> terms_{};
    std::size_t count_ = 1;
    double threshold_ = 0;
    std::optional<TransferKind> function_ = TransferKind::Identity;
    double net_ = 0;
    double output_ = 0;
};

}  // namespace rna::neuron
