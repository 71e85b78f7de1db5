#include "chart/axis/AxisSettingChecks.h"

#include "chart/core/ChartException.h"

#include <string>

namespace rna::chart {

void CheckAngle(int angle, const char* what)
{
    if (angle < 0 || angle > 359)
        throw ChartException(std::string(what) + " Angle must be between 0 and 359 degrees");
}

}  // namespace rna::chart
