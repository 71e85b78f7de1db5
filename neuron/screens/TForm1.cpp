#include "neuron/screens/TForm1.h"

namespace rna::neuron {

TForm1* Form1 = nullptr;

TForm1::TForm1()
    : NeuronForm({{"p", "TrackBar1", "Label16"},
                  {"w", "TrackBar2", "Label17"},
                  {"b", "TrackBar3", "Label18", SliderScale::Units}},
                 10, "Label19", "Label24")
{}

}  // namespace rna::neuron
