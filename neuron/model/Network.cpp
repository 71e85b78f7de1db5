#include "neuron/model/Network.h"

namespace rna::neuron {

namespace {

using namespace std::string_view_literals;

constexpr std::array NetworkValueNames{"p"sv, "w1"sv, "w2"sv, "b1"sv, "b2"sv, "v1"sv, "v2"sv, "b3"sv};
constexpr std::array NetworkResultNames{"n1"sv, "n2"sv, "n3"sv, "a1"sv, "a2"sv, "a"sv};
constexpr std::array NetworkFunctionNames{"f1"sv, "f2"sv, "f3"sv};

// A network name and the name its neuron gives it: "w2" is hidden neuron 1's "w", "v1" the output neuron's "w1".
struct NeuronName {
    std::string_view network;
    int neuron;  // 0, 1: hidden; 2: output
    std::string_view own;
};

constexpr std::array NetworkNames{
    NeuronName{"w1", 0, "w"},  NeuronName{"w2", 1, "w"},  NeuronName{"b1", 0, "b"}, NeuronName{"b2", 1, "b"},
    NeuronName{"v1", 2, "w1"}, NeuronName{"v2", 2, "w2"}, NeuronName{"b3", 2, "b"}, NeuronName{"n1", 0, "n"},
    NeuronName{"n2", 1, "n"},  NeuronName{"n3", 2, "n"},  NeuronName{"a1", 0, "a"}, NeuronName{"a2", 1, "a"},
    NeuronName{"a", 2, "a"},   NeuronName{"f1", 0, "f"},  NeuronName{"f2", 1, "f"}, NeuronName{"f3", 2, "f"},
};

// The neuron's entry for a network name other than "p"; null for another name.
const NeuronName* Translate(std::string_view name)
{
    for (const NeuronName& entry : NetworkNames)
        if (entry.network == name)
            return &entry;
    return nullptr;
}

}  // namespace

Network::Network() : NamedValues(NetworkValueNames, NetworkResultNames, NetworkFunctionNames)
{}

void Network::SetInput(double p)
{
    hidden_[0].SetInput(0, p);
    hidden_[1].SetInput(0, p);
}

void Network::FeedOutputNeuron()
{
    output_.SetInput(0, hidden_[0].Output());
    output_.SetInput(1, hidden_[1].Output());
}

Network& Network::Evaluate()
{
    hidden_[0].Evaluate();
    hidden_[1].Evaluate();
    FeedOutputNeuron();
    output_.Evaluate();
    return *this;
}

Network Network::EvaluatedAt(double p) const
{
    Network copy = *this;
    copy.SetInput(p);
    copy.Evaluate();
    return copy;
}

std::optional<double> Network::Value(std::string_view name) const
{
    if (name == "p")
        return Input();
    const NeuronName* own = Translate(name);
    if (!own)
        return std::nullopt;
    return Part(own->neuron).Value(own->own);
}

void Network::SetValueAt(std::size_t index, double value)
{
    // p, then w1, w2, b1, b2 of the hidden neurons, then v1, v2, b3 of the output neuron.
    constexpr std::array hiddenIndex{1u, 1u, 2u, 2u};  // "w", "b" in a one-input neuron's names
    if (index == 0)
        SetInput(value);
    else if (index <= hiddenIndex.size())
        hidden_[(index - 1) % 2].SetValueAt(hiddenIndex[index - 1], value);
    else
        output_.SetValueAt(index - 3, value);  // v1, v2, b3: the output neuron's "w1", "w2", "b" (2, 3, 4)
}

const std::optional<TransferKind>* Network::Function(std::string_view name) const
{
    const NeuronName* own = Translate(name);
    if (!own)
        return nullptr;
    return Part(own->neuron).Function(own->own);
}

}  // namespace rna::neuron
