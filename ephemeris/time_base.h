#pragma once

#include "reading/birth_data.h"
#include "reading/chart_state.h"

namespace zorvane {

// The sidereal offset of the ephemeris in degrees (negative: a sidereal
// longitude is tropical + offset), for Julian centuries from 2000 January 1.5.
double AyanamsaOffset(double centuries);

// Fills the time-base group of ChartState from BirthData: date, clock time,
// zone after the summer-time step, signed longitude, universal time, day
// number, centuries and sidereal offset.
void PrepareTimeBase(const BirthData& birth, ChartState& chart);

}  // namespace zorvane
