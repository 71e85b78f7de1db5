#pragma once
// The numeric model of the neuron demonstrations: transfer functions, net input, chart refill, number texts.
//
// Intermediate results are carried in long double (a 64-bit significand on the targets we build for) and
// rounded to double wherever a quantity is stored. Number texts never depend on the C library's locale:
// the decimal separator is the setting below, and no thousands separator is written or accepted.
#include "neuron/model/TransferChartBinding.h"
#include "neuron/model/TransferFunctionTable.h"
#include "neuron/model/ValueParseError.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace rna::neuron {

// The kind's function at x (TransferFunctions), in extended precision.
long double TransferValue(TransferKind kind, long double x);
// A neuron's output for its stored net input: the function's extended value rounded to double once. The identity
// gives the net input itself: a double widened and rounded back is the same double.
double TransferOutput(TransferKind kind, double netInput);

// Tenths: input and weight sliders (position / 10); Units: threshold sliders (the position itself).
enum class SliderScale { Tenths, Units };
long double SliderValue(int position, SliderScale scale);
// The number a slider position stands for once its label has been written and read back (the copy that counts):
// ParseValue(FormatGeneral(SliderValue(position))) rounded to double.
double SliderNumber(int position, SliderScale scale);

// One term of a net input: a stored input (or hidden output) and its weight.
struct WeightedInput {
    double input = 0;
    double weight = 0;
};

// The sum of input x weight over the terms, left to right, plus the threshold. Products and sums are
// carried in extended precision; the result is rounded to double once, at the end.
double NetInput(std::span<const WeightedInput> terms, double threshold);
inline double NetInput(std::initializer_list<WeightedInput> terms, double threshold)
{
    return NetInput(std::span<const WeightedInput>(terms.begin(), terms.size()), threshold);
}

// Whether the chart has a marker series (the green line at the net input) besides its curve.
enum class MarkerSeries { Absent, Present };

// Refills a transfer-function chart for the list's selected index (0, 1, 2, or -1 for no selection),
// sampling the integers -halfRange ... halfRange, with the marker at netInput. Returns the output,
// which also becomes lastOutput; with no selection the series are only cleared and lastOutput is returned.
double FillTransferChart(TransferChartBinding& chart, MarkerSeries marker, int selectedIndex, int halfRange,
                         double netInput, double& lastOutput);
// The same refill without the output (a Neuron computes its own).
void DrawTransferChart(TransferChartBinding& chart, MarkerSeries marker, int selectedIndex, int halfRange,
                       double netInput);

// At most 15 significant digits; exponent form below 0.0001 and from 10^15 ("4.53978687024344E-5", "1E15").
// Infinities and NaN, which no computation here produces, are written "INF", "-INF" and "NAN".
std::string FormatGeneral(long double v);
// Rounded half away from zero to `decimals` decimals but at most `precision` significant digits,
// always with exactly `decimals` decimals ("0.00", "-4.25", "1.0000"); with more integer digits than
// `precision` it is the general form with `precision` digits. precision is taken in 1 ... 18 and
// decimals in 0 ... 18, the digits the 18-digit decimal expansion provides.
std::string FormatFixed(long double v, int precision, int decimals);
// Reads [blanks][sign]digits[separator digits][(E|e)[sign]digits][blanks], correctly rounded.
// Throws ValueParseError for any other text and for values beyond the range of double.
long double ParseValue(std::string_view text);

// The decimal separator used to write and read numbers ('.' by default). A character that would make
// number texts ambiguous (not printable ASCII, a digit, a sign, a blank, 'E' or 'e') is stored as '.'.
void SetDecimalSeparator(char c);
char DecimalSeparator();

}  // namespace rna::neuron
