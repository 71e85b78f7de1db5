// The single-input neuron window: sliders for p, w and b, the net input n = p·w + b, and the chosen transfer
// function's chart with the green line at n. A click on the "0" under the threshold slider runs the input
// slider's handler (TrackBar1Change).
#pragma once

#include "neuron/screens/NeuronForm.h"

namespace rna::neuron {

class TForm1 : public NeuronForm {
    Q_OBJECT
public:
    TForm1();
};

// The program-wide instance, set by start-up while the window exists.
extern TForm1* Form1;

}  // namespace rna::neuron
