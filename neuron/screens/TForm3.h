// The simple network window: the input p feeds two hidden neurons, whose outputs a1 and a2 feed the output
// neuron. Each neuron is a panel with its own function list and chart; the output neuron's chart carries the green
// line. The window's model is the network; the chain between the panels is below.
//
// The chain of recomputations from the input to the output. Each event runs these steps, in this order:
//
// | event                                      | steps                                              |
// |--------------------------------------------|----------------------------------------------------|
// | p (TrackBar1)                              | RecomputeHidden1, then RecomputeHidden2            |
// | w1 or b1 (TrackBar2, TrackBar4)            | RecomputeHidden1                                   |
// | w2 or b2 (TrackBar3, TrackBar5)            | RecomputeHidden2                                   |
// | v1, v2 or b3 (TrackBar6, 7, 8)             | RecomputeOutput                                    |
// | function of neuron 1 or 2 (ComboBox1, 2)   | RefillHidden1 or RefillHidden2                     |
// | function of the output neuron (ComboBox3)  | RefillOutput                                       |
// | text of a1 or a2 changed (Edit1, Edit2)    | RecomputeOutput                                    |
//
// Every slider first writes its value label. FormShow sets the three lists to "Identitate" and recomputes nothing;
// BitBtn1Click ("Inchide") closes the window, which hides it and keeps its state.
// RecomputeHiddenK: p, wK and bK read back from their labels, nK = p·wK + bK, then RefillHiddenK.
// RefillHiddenK: chart K and aK for the neuron's function; writing a changed aK into its edit box runs the box's
//   change event, and with it RecomputeOutput, before the step ends.
// RecomputeOutput: v1, v2 and b3 read back, n3 = a1·v1 + a2·v2 + b3 from the stored a1 and a2, shown, then
//   RefillOutput.
// RefillOutput: chart 3 and the output a for the output neuron's function, shown.
#pragma once

#include "neuron/model/Network.h"
#include "neuron/screens/NeuronPanel.h"
#include "ui/TForm.h"

namespace rna::ui {
class TEdit;
}

namespace rna::neuron {

class TForm3 : public rna::ui::TForm {
    Q_OBJECT
public:
    TForm3();
    ~TForm3() override;

    // The window's network, as last computed.
    const Network& model() const { return network_; }
    // Per neuron, as the screen shows them: "neuron1" p, w1, b1, n1, the function and a1; "neuron2" p, w2, b2,
    // n2, the function and a2; "neuron3" v1, v2, b3, n3, the function and the output ("iesire").
    ScreenValues values() const;
    // Runs whenever something the screen shows was computed again (any slider, list or edit box).
    void setOnShownChange(std::function<void()> changed) { shownChange_ = std::move(changed); }

protected:
    void declareHandlers(rna::ui::HandlerTable& table) override;
    void afterLoad() override;

private:
    // The steps of the chain (see the table above).
    void RecomputeHidden1();
    void RecomputeHidden2();
    void RecomputeOutput();

    // Writes a hidden output; its edit box's change event recomputes the output neuron. When the box already
    // shows that text (the user typed it) no event comes, and the output neuron is recomputed here instead
    // if it last used another value of this output.
    void WriteHiddenOutput(rna::ui::TEdit& edit, double output, double usedByOutputNeuron);

    Network network_;
    NeuronPanel hidden1_;
    NeuronPanel hidden2_;
    NeuronPanel output_;
    ScreenSlider input_;  // TrackBar1 and Label22: p, which both hidden neurons read
    std::function<void()> shownChange_;
};

// The program-wide instance, set by start-up while the window exists.
extern TForm3* Form3;

}  // namespace rna::neuron
