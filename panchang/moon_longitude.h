#pragma once

#include "reading/chart_state.h"

namespace zorvane {

// Apparent tropical longitude of the Moon in 0..360 degrees; writes the
// longitude before reduction to chart.MoonLongitudeUnreduced.
double PanchangMoonLongitude(double jde, ChartState& chart);

// The same with the nutation already computed for this jde.
double PanchangMoonLongitude(double jde, double nutationDegrees, ChartState& chart);

}  // namespace zorvane
