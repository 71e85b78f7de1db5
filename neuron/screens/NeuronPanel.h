// One neuron's controls on a screen, found by their names in the window's description: the rows that set its
// values (a slider and the label that shows its value), its function list, its chart, and the labels of its net
// input and output. It writes what the controls set into the screen's model and shows what the model computes.
#pragma once

#include "neuron/model/NamedValues.h"
#include "neuron/model/Neuron.h"
#include "neuron/screens/ScreenSlider.h"
#include "neuron/screens/ScreenText.h"
#include "neuron/screens/ScreenValues.h"

#include <functional>
#include <memory>
#include <vector>

namespace rna::ui {
class HandlerTable;
class TComboBox;
class TForm;
class TLabel;
}  // namespace rna::ui

namespace rna::neuron {

class ScreenChartBinding;

// A value of the neuron set on the screen: its name in the screen's model, its slider and the label that shows it.
struct PanelRow {
    const char* name;
    const char* slider;  // null: a label of another row (the network's input), read here too
    const char* label;
    SliderScale scale = SliderScale::Tenths;
};

// A result of the neuron: its name in values(), how it is written, and its label (null: not shown by a label).
struct PanelResult {
    const char* name;
    NumberStyle style;
    const char* label = nullptr;
};

struct PanelDescription {
    const char* neuron;  // its name in values(): "neuron"; "neuron1" ... "neuron3" on the network
    std::vector<PanelRow> rows;  // in the order they are read
    const char* list;
    const char* chart;
    const char* curve;
    const char* marker;  // null: the chart has no net-input line
    int halfRange;  // the curve is sampled at -halfRange ... halfRange
    PanelResult net;
    PanelResult output;
};

class NeuronPanel {
public:
    // model holds the named values of the rows; neuron is the one this panel computes (a part of model).
    NeuronPanel(PanelDescription description, NamedValues& model, Neuron& neuron);
    ~NeuronPanel();

    // The handlers the description binds: each row's slider ("TrackBar1Change") writes its label, then runs
    // recompute; the list's ("ComboBox1Change") refills.
    void declareHandlers(rna::ui::HandlerTable& table, std::function<void()> recompute);
    // Finds the controls (the screen's afterLoad); the model's function becomes the list's.
    void bind(rna::ui::TForm& form);
    // Runs after each refill with the output (the network's hidden outputs go on through the chain).
    void setOutputShown(std::function<void(double)> shown) { outputShown_ = std::move(shown); }

    // Writes the row's slider value into its label, the copy of the value that counts.
    void writeRow(std::size_t row) const;
    // Reads every row's label back into the model, in order; each is stored as soon as it is read.
    void readRows();
    // The neuron's net input, shown in its label.
    void computeNet();
    // The list's function into the model, the neuron's output, the chart refilled for it; the output shown.
    double refill();
    // readRows, computeNet, refill.
    void recompute();
    // The window is shown again: the list shows the first function; nothing is recomputed.
    void showFirstFunction();

    // The rows' values, the net input, the function and the output, as the screen shows them.
    NeuronValues values() const;

private:
    PanelDescription description_;
    NamedValues& model_;
    Neuron& neuron_;
    std::vector<ScreenSlider> sliders_;  // one per row (empty for rows without their own slider)
    std::vector<rna::ui::TLabel*> labels_;
    std::vector<std::size_t> valueIndex_;  // each row's value in the model
    rna::ui::TComboBox* list_ = nullptr;
    rna::ui::TLabel* netLabel_ = nullptr;
    rna::ui::TLabel* outputLabel_ = nullptr;
    std::unique_ptr<ScreenChartBinding> chart_;
    std::function<void(double)> outputShown_;
};

}  // namespace rna::neuron
