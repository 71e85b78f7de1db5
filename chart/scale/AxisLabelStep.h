// The step between axis labels: how many labels fit, and the "nice" step sequence 1, 2, 5, 10, ...
#pragma once

namespace rna::chart {

// The next step of the sequence ... 0.5, 1, 2, 5, 10, 20 ... after c (c itself need not be on it).
double NextNiceStep(double c);

// How many labels of size `labelSize` (pixels, separation included by the rule below) fit
// into `pixelLength` pixels: Round(pixelLength / (z + Round(separation% of z))), 1 for z <= 0.
int AxisLabelCountLimit(int labelSize, int labelsSeparation, int pixelLength);

struct AxisStepInput {
    double RangeSpan = 0;
    double Increment = 0;  // 0 = automatic
    int LabelsSeparation = 10;  // percent; 0 switches the fitting off
    int CountLimit = 1;  // from AxisLabelCountLimit
};

// The step of a value axis: Increment (or 1, or 1e-12 for spans below 1) enlarged along
// NextNiceStep until the labels fit; never below 1e-12.
double AxisLabelStep(const AxisStepInput& in);

}  // namespace rna::chart
