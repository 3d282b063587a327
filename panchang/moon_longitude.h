#pragma once

#include "reading/chart_state.h"

namespace zorvane {

// The lunar theory's steps for one Julian ephemeris day, kept for checking.
// Angles in degrees, corrections and sums in arc-seconds.
struct MoonTheory {
    double meanLongitude = 0;       // L'
    double meanElongation = 0;      // D0
    double perigee = 0;             // mean perigee
    double sunMeanAnomaly = 0;      // M0
    double meanAnomaly = 0;         // l0, 0..360
    double node = 0;                // ascending node
    double argumentOfLatitude = 0;  // F0, 0..360
    double dL = 0;
    double dPerigee = 0;
    double dNode = 0;
    double dM = 0;
    double k = 0;                   // latitude factor
    double E = 0;                   // eccentricity factor
    double mainSum = 0;
    double minorSum = 0;
    double longPeriodSum = 0;
    double longitudeUnreduced = 0;  // apparent longitude, whole turns kept
};
MoonTheory ComputeMoonTheory(double jde, double nutationDegrees);

// Apparent tropical longitude of the Moon in 0..360 degrees; writes the
// longitude before reduction to chart.MoonLongitudeUnreduced.
double PanchangMoonLongitude(double jde, ChartState& chart);

// The same with the nutation already computed for this jde.
double PanchangMoonLongitude(double jde, double nutationDegrees, ChartState& chart);

}  // namespace zorvane
