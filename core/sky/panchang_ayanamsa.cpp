#include "core/sky/panchang_ayanamsa.h"

#include <cmath>

#include "core/time/angles.h"
#include "core/time/epochs.h"

namespace zorvane {

double PanchangAyanamsaOffset(double jde) {
    const double T = (jde - kJ1900JulianDay) / kDaysPerJulianCentury;
    const double node = 259.183275 - 1934.14200833321 * T + 0.0020777778 * (T * T) +
                        0.0000022222222 * (T * T * T);
    const double L = 279.696678 + 36000.76892 * T + 0.0003025 * (T * T);
    const double nutationArcseconds = 1.27 * std::sin(2 * L * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
    return (nutationArcseconds - (5025.64 + 1.11 * T) * T - 80861.27) / kArcsecondsPerDegree;
}

}  // namespace zorvane
