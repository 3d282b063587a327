#pragma once

#include <optional>

namespace zorvane {

// The sidereal offset of the ephemeris in degrees (negative: a sidereal
// longitude is tropical + offset), for Julian centuries from 2000 January 1.5.
double AyanamsaOffset(double centuries);

// The nakshatra's Moon for one moment, step by step. T is Julian centuries
// from 2000 January 1.5 (CenturiesSinceJ2000). The arguments are in radians
// and not reduced.
struct NakshatraMoon {
    double meanLongitudeDegrees = 0;   // L', not reduced
    double elongationRadians = 0;      // D
    double sunAnomalyRadians = 0;      // M
    double moonAnomalyRadians = 0;     // M'
    double latitudeArgumentRadians = 0;  // F
    double eccentricityFactor = 0;     // E
    double tropicalDegrees = 0;        // 0..360
    double siderealDegrees = 0;        // tropical + AyanamsaOffset(T), 0..360
};
NakshatraMoon ComputeNakshatraMoon(double centuries);

// The sidereal longitude of the nakshatra's Moon in degrees, 0..360, that
// ComputeBirthNakshatra names the nakshatra from.
double NakshatraMoonSiderealDegrees(double centuries);

// Nakshatras elapsed at a sidereal longitude (degrees): the whole part
// counts the nakshatras passed, the fraction how far into the current one.
// The one conversion the birth nakshatra, its bounds and the dasha share.
double NakshatraPositionOf(double siderealDegrees);

// The nakshatra slot of a sidereal longitude (degrees): 0..26, or 27 (the
// empty name slot) for exactly 360. Nothing outside 0..360.
std::optional<int> NakshatraSlotOf(double siderealDegrees);

}  // namespace zorvane
