#pragma once

#include "core/state/birth_data.h"
#include "core/state/chart_state.h"

namespace zorvane {

// Fills the time-base group of ChartState from BirthData: date, clock time,
// zone after the summer-time step, signed longitude, universal time, day
// number, centuries and sidereal offset.
void PrepareTimeBase(const BirthData& birth, ChartState& chart);

}  // namespace zorvane
