#pragma once

namespace zorvane {

// The lunar theory in three steps, each a pure function of the Julian
// ephemeris day, kept apart for checking. Angles in degrees, corrections and
// sums in arc-seconds.

// Mean elements.
struct MoonMeanElements {
    double daysSince1900 = 0;       // d, days from 1900 January 0.5
    double meanLongitude = 0;       // L'
    double meanElongation = 0;      // D0
    double perigee = 0;             // mean perigee
    double sunMeanAnomaly = 0;      // M0
    double meanAnomaly = 0;         // l0, 0..360
    double node = 0;                // ascending node
    double argumentOfLatitude = 0;  // F0, 0..360
};
MoonMeanElements ComputeMoonMeanElements(double jde);

// Long-period corrections and the three sums of periodic terms.
struct MoonPeriodicTerms {
    double dL = 0;
    double dPerigee = 0;
    double dNode = 0;
    double dM = 0;
    double k = 0;                   // latitude factor
    double E = 0;                   // eccentricity factor
    double mainSum = 0;
    double minorSum = 0;
    double longPeriodSum = 0;
};
MoonPeriodicTerms ComputeMoonPeriodicTerms(const MoonMeanElements& mean);

// Every step and their sum, the apparent longitude.
struct MoonTheory : MoonMeanElements, MoonPeriodicTerms {
    double longitudeUnreduced = 0;  // apparent longitude, whole turns kept
};
MoonTheory ComputeMoonTheory(double jde, double nutationDegrees);

// Apparent tropical longitude of the Moon in degrees, whole turns kept (the
// yoga subtracts a fixed origin before reducing).
double PanchangMoonLongitudeUnreduced(double jde);

// The same with the nutation already computed for this jde.
double PanchangMoonLongitudeUnreduced(double jde, double nutationDegrees);

}  // namespace zorvane
