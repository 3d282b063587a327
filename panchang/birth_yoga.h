#pragma once

#include "reading/chart_state.h"

namespace zorvane {

// Sidereal offset of the panchang in degrees for a Julian ephemeris day.
double PanchangAyanamsaOffset(double jde);

// Reads the time base that ComputeBirthNakshatra prepared, computes the
// Julian ephemeris day, the offset and the two apparent longitudes, and
// writes YogaName.
void ComputeBirthYoga(ChartState& chart);

}  // namespace zorvane
