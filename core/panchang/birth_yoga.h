#pragma once

#include <optional>

#include "core/state/chart_state.h"

namespace zorvane {

// The yoga position of a pair of unreduced apparent longitudes (degrees) and
// the panchang's sidereal offset: counted in yogas, 0 <= y < 27.
double YogaPositionOf(double moonUnreducedDegrees, double sunUnreducedDegrees, double ayanamsaDegrees);

// The yoga slot of a position, 0..26; nothing for a position that is not a
// number.
std::optional<int> YogaSlotOf(double yogaPosition);

// Reads the time base that ComputeBirthNakshatra prepared, computes the
// Julian ephemeris day, the offset and the two apparent longitudes, and
// writes YogaName.
void ComputeBirthYoga(ChartState& chart);

}  // namespace zorvane
