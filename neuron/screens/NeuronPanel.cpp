#include "neuron/screens/NeuronPanel.h"

#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "neuron/screens/ScreenChartBinding.h"
#include "ui/HandlerTable.h"
#include "ui/TComboBox.h"
#include "ui/TForm.h"
#include "ui/TLabel.h"
#include "ui/TTrackBar.h"

#include <stdexcept>
#include <string>

namespace rna::neuron {

using rna::chart::TChart;
using rna::chart::TLineSeries;

namespace {

template <class T>
T* optionalControl(const rna::ui::TForm& form, const char* name)
{
    return name ? &form.control<T>(QLatin1String(name)) : nullptr;
}

}  // namespace

NeuronPanel::NeuronPanel(PanelDescription description, NamedValues& model, Neuron& neuron)
    : description_(std::move(description)), model_(model), neuron_(neuron)
{}

NeuronPanel::~NeuronPanel() = default;

void NeuronPanel::declareHandlers(rna::ui::HandlerTable& table, std::function<void()> recompute)
{
    for (std::size_t row = 0; row < description_.rows.size(); ++row)
        if (const char* slider = description_.rows[row].slider)
            table.add(QLatin1String(slider) + QStringLiteral("Change"), [this, row, recompute](QObject*) {
                writeRow(row);
                recompute();
            });
    table.add(QLatin1String(description_.list) + QStringLiteral("Change"), [this](QObject*) { refill(); });
}

void NeuronPanel::bind(rna::ui::TForm& form)
{
    for (const PanelRow& row : description_.rows) {
        valueIndex_.push_back(model_.ValueIndex(row.name));
        if (valueIndex_.back() == NamedValues::NoValue)
            throw std::logic_error(std::string("the screen's model has no value ") + row.name);
        labels_.push_back(&form.control<rna::ui::TLabel>(QLatin1String(row.label)));
        auto* slider = optionalControl<rna::ui::TTrackBar>(form, row.slider);
        sliders_.push_back(slider ? ScreenSlider(*slider, *labels_.back(), row.scale) : ScreenSlider());
    }
    list_ = &form.control<rna::ui::TComboBox>(QLatin1String(description_.list));
    netLabel_ = optionalControl<rna::ui::TLabel>(form, description_.net.label);
    outputLabel_ = optionalControl<rna::ui::TLabel>(form, description_.output.label);
    chart_ = std::make_unique<ScreenChartBinding>(form.control<TChart>(QLatin1String(description_.chart)),
                                                  form.control<TLineSeries>(QLatin1String(description_.curve)),
                                                  optionalControl<TLineSeries>(form, description_.marker));
    neuron_.SetTransferFunction(TransferKindAt(list_->itemIndex()));
    describeChart(*chart_, *list_, [this] { return values(); });
}

void NeuronPanel::writeRow(std::size_t row) const
{
    sliders_[row].writeValue();
}

void NeuronPanel::readRows()
{
    for (std::size_t row = 0; row < labels_.size(); ++row)
        model_.SetValueAt(valueIndex_[row], ReadLabelValue(*labels_[row]));
}

void NeuronPanel::computeNet()
{
    const double net = neuron_.ComputeNet();
    if (netLabel_)
        netLabel_->setCaption(StyledText(net, description_.net.style));
}

double NeuronPanel::refill()
{
    const int index = list_->itemIndex();
    neuron_.SetTransferFunction(TransferKindAt(index));
    const double output = neuron_.ComputeOutput();
    RedrawTransferChart(*chart_, index, description_.halfRange, neuron_.Net());
    if (outputLabel_)
        outputLabel_->setCaption(StyledText(output, description_.output.style));
    if (outputShown_)
        outputShown_(output);
    return output;
}

void NeuronPanel::recompute()
{
    readRows();
    computeNet();
    refill();
}

void NeuronPanel::showFirstFunction()
{
    list_->setItemIndex(0);
    neuron_.SetTransferFunction(TransferKindAt(list_->itemIndex()));
}

NeuronValues NeuronPanel::values() const
{
    NeuronValues shown{QLatin1String(description_.neuron), {}};
    for (const PanelRow& row : description_.rows)
        shown.values.push_back(shownValue(row.name, model_.Value(row.name).value_or(0), NumberStyle{}));
    shown.values.push_back(shownValue(description_.net.name, neuron_.Net(), description_.net.style));
    shown.values.push_back(functionValue(*list_, ListIndexOf(neuron_.TransferFunction())));
    shown.values.push_back(shownValue(description_.output.name, neuron_.Output(), description_.output.style));
    return shown;
}

}  // namespace rna::neuron
