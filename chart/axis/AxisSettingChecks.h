// The checks of axis settings, each raising the error text users see.
#pragma once

namespace rna::chart {

// `what` angle outside 0 .. 359: ChartException "<what> Angle must be between 0 and 359 degrees".
void CheckAngle(int angle, const char* what);

}  // namespace rna::chart
