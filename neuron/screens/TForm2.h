// The two-input neuron window: sliders for p1, p2, w1, w2 and b, the net input n = p1·w1 + p2·w2 + b, and the
// chosen transfer function's chart with the green line at n.
#pragma once

#include "neuron/screens/NeuronForm.h"

namespace rna::neuron {

class TForm2 : public NeuronForm {
    Q_OBJECT
public:
    TForm2();
};

// The program-wide instance, set by start-up while the window exists.
extern TForm2* Form2;

}  // namespace rna::neuron
