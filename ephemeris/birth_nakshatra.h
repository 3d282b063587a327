#pragma once

#include "reading/birth_data.h"
#include "reading/chart_state.h"

namespace zorvane {

// Prepares the time base, computes the Moon's sidereal longitude and writes
// NakshatraName.
void ComputeBirthNakshatra(const BirthData& birth, ChartState& chart);

}  // namespace zorvane
