#pragma once

#include "core/state/birth_data.h"
#include "core/state/chart_state.h"

namespace zorvane {

// Prepares the time base, computes the Moon's sidereal longitude and writes
// NakshatraName.
void ComputeBirthNakshatra(const BirthData& birth, ChartState& chart);

}  // namespace zorvane
