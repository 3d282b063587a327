#pragma once

namespace zorvane {

// Eccentric anomaly in radians for a mean anomaly in degrees, by Newton's
// method until the last correction is below the tolerance (degrees), or after
// a bounded number of steps.
double SolveKepler(double meanAnomalyDegrees, double eccentricity, double toleranceDegrees);

// The solar theory's steps for one Julian ephemeris day, kept for checking.
struct SunTheory {
    double meanLongitude = 0;         // L, degrees, not reduced
    double perigee = 0;               // P, mean perigee less a half turn, degrees
    double meanAnomaly = 0;           // M0, degrees, 0..360
    double perturbedMeanAnomaly = 0;  // M, degrees
    double eccentricity = 0;
    double eccentricAnomaly = 0;      // radians
    double trueAnomaly = 0;           // degrees, 0..360
    double radiusVector = 0;          // astronomical units
    double longitudeUnreduced = 0;    // apparent longitude, degrees, whole turns kept
};
SunTheory ComputeSunTheory(double jde, double nutationDegrees);

// Apparent tropical longitude of the Sun in degrees, whole turns kept (the
// yoga subtracts a fixed origin before reducing).
double PanchangSunLongitudeUnreduced(double jde);

// The same with the nutation already computed for this jde (the Moon and the
// Sun of one reading share it).
double PanchangSunLongitudeUnreduced(double jde, double nutationDegrees);

}  // namespace zorvane
