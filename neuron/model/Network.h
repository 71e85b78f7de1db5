#pragma once
// The 1-2-1 network as a value: the input p feeds two hidden neurons, whose outputs feed the output neuron as the
// stored numbers they are (never as the texts a screen shows for them).
#include "neuron/model/Neuron.h"

namespace rna::neuron {

class Network final : public NamedValues {
public:
    Network();

    // Hidden neuron 0 or 1, with the input p; the output neuron, with the hidden outputs as its inputs.
    Neuron& Hidden(std::size_t k) { return hidden_[k]; }
    const Neuron& Hidden(std::size_t k) const { return hidden_[k]; }
    Neuron& OutputNeuron() { return output_; }
    const Neuron& OutputNeuron() const { return output_; }

    double Input() const { return hidden_[0].Input(0); }
    // The input of both hidden neurons.
    void SetInput(double p);
    // The hidden outputs as stored become the output neuron's inputs.
    void FeedOutputNeuron();
    // The whole chain: both hidden neurons, then the output neuron from their outputs.
    Network& Evaluate();
    // This network at another input, evaluated; this one is unchanged.
    Network EvaluatedAt(double p) const;
    // The network's output at p.
    double OutputAt(double p) const { return EvaluatedAt(p).OutputNeuron().Output(); }

    // p, w1, w2, b1, b2, v1, v2, b3; results n1, n2, n3, a1, a2, a; functions f1, f2, f3.
    std::optional<double> Value(std::string_view name) const override;
    void SetValueAt(std::size_t index, double value) override;
    using NamedValues::Function;
    const std::optional<TransferKind>* Function(std::string_view name) const override;

private:
    // 0, 1: the hidden neurons; 2: the output neuron.
    const Neuron& Part(int k) const { return k == 2 ? output_ : hidden_[static_cast<std::size_t>(k)]; }
    Neuron& Part(int k) { return k == 2 ? output_ : hidden_[static_cast<std::size_t>(k)]; }

    std::array<Neuron, 2> hidden_{Neuron(1), Neuron(1)};
    Neuron output_{2};
};

}  // namespace rna::neuron
