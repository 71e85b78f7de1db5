// The calculation of a screen's neurons with its numbers filled in: each neuron's net input as the sum of its
// weighted inputs and threshold, then its output through its function ("n = p·w + b = 2.5 · 0.8 + (-1) = 1.00",
// "a = tanh(n) = tanh(1.00) = 0.7616"). Every number is the text the screen writes for it; a number with a sign
// is put in parentheses. The network's output neuron takes the hidden outputs as the stored numbers it uses,
// written with all the digits the general format gives.
#pragma once

#include "neuron/model/Network.h"
#include "neuron/screens/ScreenValues.h"

#include <QString>
#include <QStringList>

namespace rna::neuron {

// The single-input or two-input screen: the net input line and the output line.
QStringList NeuronCalculation(const NeuronValues& shown);
// The network: both hidden neurons, then the output neuron fed with the network's stored hidden outputs.
QStringList NetworkCalculation(const ScreenValues& shown, const Network& network);

}  // namespace rna::neuron
