#pragma once

namespace zorvane {

// Mean elements that the Moon's theory and the nutation share, in degrees,
// for T in Julian centuries from 1900 January 0.5 (T2 = T * T). The nutation
// stops at T2; the Moon's theory adds a T3 term to each.

inline double SunMeanAnomaly1900Degrees(double T, double T2) {
    return 358.475833333333 + 35999.0497499996 * T - 0.000150000005960465 * T2;
}

inline double MoonMeanElongation1900Degrees(double T, double T2) {
    return 350.737486111058 + 445267.114216667 * T - 0.00143611113230387 * T2;
}

}  // namespace zorvane
