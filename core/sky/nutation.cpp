#include "core/sky/nutation.h"

#include <cmath>

#include "core/time/angles.h"
#include "core/sky/mean_elements.h"
#include "core/time/epochs.h"

namespace zorvane {

double NutationInLongitude(double jde) {
    const double T = (jde - kJ1900JulianDay) / kDaysPerJulianCentury;
    const double T2 = T * T;
    // Mean arguments referred to 1900, in degrees, then radians.
    const double L = (279.6967 + 36000.7689 * T + 0.000303 * T2) * kDegToRad;
    const double Lp = (270.4341639 + 481267.8831417 * T - 0.0011333333 * T2) * kDegToRad;
    const double M = SunMeanAnomaly1900Degrees(T, T2) * kDegToRad;
    const double Mp = (296.104608333376 + 477198.849108334 * T + 0.0091916667090522 * T2) * kDegToRad;
    const double D = MoonMeanElongation1900Degrees(T, T2) * kDegToRad;
    const double node = (259.183275000254 - 1934.14200833321 * T + 0.0020777778 * T2) * kDegToRad;

    // Nutation in longitude, arc-seconds, summed in this order.
    double psi = (-17.2327 - 0.01737 * T) * std::sin(node);
    psi = psi + 0.2088 * std::sin(2 * node);
    psi = psi + 0.0675 * std::sin(Mp);
    psi = psi - 0.0149 * std::sin(Mp - 2 * D);
    psi = psi - 0.0342 * std::sin(2 * Lp - node);
    psi = psi + 0.0114 * std::sin(2 * Lp - Mp);
    psi = psi - 0.2037 * std::sin(2 * Lp);
    psi = psi - 0.0261 * std::sin(2 * Lp + Mp);
    psi = psi + 0.0124 * std::sin(2 * L - node);
    psi = psi + 0.0214 * std::sin(2 * L - M);
    psi = psi - 1.2729 * std::sin(2 * L);
    psi = psi - 0.0497 * std::sin(2 * L + M);
    psi = psi + 0.1261 * std::sin(M);
    return psi / kArcsecondsPerDegree;
}

}  // namespace zorvane
