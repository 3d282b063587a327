#pragma once

#include "reading/chart_state.h"

namespace zorvane {

// Eccentric anomaly in radians for a mean anomaly in degrees, by Newton's
// method until the last correction is below the tolerance (degrees).
double SolveKepler(double meanAnomalyDegrees, double eccentricity, double toleranceDegrees);

// Apparent tropical longitude of the Sun in 0..360 degrees; writes the
// longitude before reduction to chart.SunLongitudeUnreduced.
double PanchangSunLongitude(double jde, ChartState& chart);

// The same with the nutation already computed for this jde (the Moon and the
// Sun of one reading share it).
double PanchangSunLongitude(double jde, double nutationDegrees, ChartState& chart);

}  // namespace zorvane
