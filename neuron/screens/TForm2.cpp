#include "neuron/screens/TForm2.h"

namespace rna::neuron {

TForm2* Form2 = nullptr;

TForm2::TForm2()
    : NeuronForm({{"p1", "TrackBar1", "Label16"},
                  {"p2", "TrackBar2", "Label17"},
                  {"w1", "TrackBar3", "Label18"},
                  {"w2", "TrackBar4", "Label19"},
                  {"b", "TrackBar5", "Label26", SliderScale::Units}},
                 15, "Label24", "Label28")
{}

}  // namespace rna::neuron
