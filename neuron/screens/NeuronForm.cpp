#include "neuron/screens/NeuronForm.h"

#include "ui/HandlerTable.h"

namespace rna::neuron {

NeuronForm::NeuronForm(std::vector<PanelRow> rows, int halfRange, const char* netLabel, const char* outputLabel)
    : neuron_((rows.size() - 1) / 2), panel_({"neuron",
                                              std::move(rows),
                                              "ComboBox1",
                                              "Chart1",
                                              "Series1",
                                              "Series2",
                                              halfRange,
                                              {"n", {4, 2}, netLabel},
                                              {"iesire", {8, 4}, outputLabel}},
                                             neuron_, neuron_)
{}

NeuronForm::~NeuronForm() = default;

void NeuronForm::declareHandlers(rna::ui::HandlerTable& table)
{
    table.add(QStringLiteral("FormShow"), [this](QObject*) { panel_.showFirstFunction(); });
    panel_.declareHandlers(table, [this] { panel_.recompute(); });
    table.add(QStringLiteral("BitBtn1Click"), [this](QObject*) { closeForm(); });
}

void NeuronForm::afterLoad()
{
    panel_.bind(*this);
    panel_.setOutputShown([this](double) {
        if (shownChange_)
            shownChange_();
    });
}

ScreenValues NeuronForm::values() const
{
    return {panel_.values()};
}

}  // namespace rna::neuron
