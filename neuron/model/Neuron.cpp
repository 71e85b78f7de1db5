#include "neuron/model/Neuron.h"

#include <algorithm>

namespace rna::neuron {

namespace {

using namespace std::string_view_literals;

constexpr std::array OneInputNames{"p"sv, "w"sv, "b"sv};
constexpr std::array TwoInputNames{"p1"sv, "p2"sv, "w1"sv, "w2"sv, "b"sv};
constexpr std::array ResultNamesOfNeuron{"n"sv, "a"sv};
constexpr std::array FunctionNamesOfNeuron{"f"sv};

}  // namespace

Neuron::Neuron(std::size_t inputs)
    : NamedValues(inputs <= 1 ? Names(OneInputNames) : Names(TwoInputNames), ResultNamesOfNeuron,
                  FunctionNamesOfNeuron),
      count_(std::clamp<std::size_t>(inputs, 1, MaxInputs))
{}

double Neuron::ComputeNet()
{
    net_ = NetInput(std::span<const WeightedInput>(terms_.data(), count_), threshold_);
    return net_;
}

double Neuron::ComputeOutput()
{
    if (function_)
        output_ = TransferOutput(*function_, net_);
    return output_;
}

Neuron& Neuron::Evaluate()
{
    ComputeNet();
    ComputeOutput();
    return *this;
}

Neuron Neuron::EvaluatedWith(std::size_t i, double input) const
{
    Neuron copy = *this;
    copy.SetInput(i, input);
    copy.Evaluate();
    return copy;
}

const double* Neuron::Slot(std::string_view name) const
{
    if (name == "b")
        return &threshold_;
    if (name == "n")
        return &net_;
    if (name == "a")
        return &output_;
    // "p", "w" with one input; "p1", "p2", "w1", "w2" with two.
    const std::size_t digits = count_ == 1 ? 0 : 1;
    if (name.size() != 1 + digits || (name[0] != 'p' && name[0] != 'w'))
        return nullptr;
    const std::size_t i = digits == 0 ? 0 : static_cast<std::size_t>(name[1] - '1');
    if (i >= count_)
        return nullptr;
    return name[0] == 'p' ? &terms_[i].input : &terms_[i].weight;
}

std::optional<double> Neuron::Value(std::string_view name) const
{
    if (const double* slot = Slot(name))
        return *slot;
    return std::nullopt;
}

void Neuron::SetValueAt(std::size_t index, double value)
{
    // In the order of the names: the inputs, the weights, the threshold.
    if (index < count_)
        terms_[index].input = value;
    else if (index < 2 * count_)
        terms_[index - count_].weight = value;
    else
        threshold_ = value;
}

const std::optional<TransferKind>* Neuron::Function(std::string_view name) const
{
    return name == "f" ? &function_ : nullptr;
}

}  // namespace rna::neuron
