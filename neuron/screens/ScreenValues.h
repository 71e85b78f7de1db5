// The values a screen shows, structured for whoever reports them (the charts' summaries for assistive technology,
// copying, export): per neuron, each value's name (the screen's symbol), the number text the screen writes for it
// and the number itself. Built from the screen's stored numbers, never read back from its labels.
#pragma once

#include "neuron/screens/ScreenText.h"

#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

namespace rna::ui {
class TComboBox;
}

namespace rna::neuron {

class ScreenChartBinding;

struct ShownValue {
    QString name;  // "p", "w1", "n", "iesire"; "functia" for the transfer function
    QString text;  // as the screen writes it; for "functia", the list's item (its text with none selected)
    double number = 0;  // for "functia", the list's selected index (-1: none)
};

struct NeuronValues {
    QString neuron;  // "neuron" on the one-neuron screens; "neuron1", "neuron2", "neuron3" on the network
    std::vector<ShownValue> values;

    // The value of that name, or null.
    const ShownValue* find(QStringView name) const;
};

using ScreenValues = std::vector<NeuronValues>;

// A value written as the screen writes it.
ShownValue shownValue(const char* name, double number, NumberStyle style);
// The transfer function of that list index (the model's, which is the list's selection), with the list's item.
ShownValue functionValue(const rna::ui::TComboBox& list, int index);

// Gives the chart's description its fields: the neuron's values, named after them ("{n}", "{iesire}"), the function
// the chart draws ("{functia}", the list's item), and its axes' ranges "{xmin}", "{xmax}", "{ymin}" and "{ymax}"
// (written as the axes write their labels). Worked out when assistive technology needs them, after each refill.
// A chart that draws no function has no description.
void describeChart(ScreenChartBinding& chart, const rna::ui::TComboBox& list, std::function<NeuronValues()> values);

}  // namespace rna::neuron
