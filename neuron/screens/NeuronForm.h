// A window that shows one neuron with one panel (the single-input and two-input windows): its handlers are the
// panel's, FormShow (the list shows "Identitate" again; nothing is recomputed) and BitBtn1Click ("Inchide":
// closes the window, which hides it and keeps its state). A slider writes its value label, every label is read
// back into the neuron, n is computed and shown, then the chart is refilled for the selected function and the
// output shown.
#pragma once

#include "neuron/model/Neuron.h"
#include "neuron/screens/NeuronPanel.h"
#include "ui/TForm.h"

namespace rna::neuron {

class NeuronForm : public rna::ui::TForm {
    Q_OBJECT
public:
    ~NeuronForm() override;

    // The window's neuron, as last computed.
    const Neuron& model() const { return neuron_; }
    // The neuron's values, net input, function and output ("iesire"), as the screen shows them.
    ScreenValues values() const;
    // Runs whenever what the screen shows was computed again (a slider or the list moved).
    void setOnShownChange(std::function<void()> changed) { shownChange_ = std::move(changed); }

protected:
    // The rows p, w, b or p1, p2, w1, w2, b; the curve sampled at -halfRange ... halfRange; the labels of n (fixed
    // 4, 2) and of the output (fixed 8, 4). The list, the chart and its series have the same names on both windows.
    NeuronForm(std::vector<PanelRow> rows, int halfRange, const char* netLabel, const char* outputLabel);

    void declareHandlers(rna::ui::HandlerTable& table) override;
    void afterLoad() override;

private:
    Neuron neuron_;
    NeuronPanel panel_;
    std::function<void()> shownChange_;
};

}  // namespace rna::neuron
