#include "core/sky/sidereal_moon.h"

#include "core/state/chart_state.h"

#include <array>
#include <cmath>

#include "core/time/angles.h"

namespace zorvane {

namespace {

// One periodic term of the Moon's longitude: coefficient (degrees) times the
// sine of d*D + m*M + mp*M' + f*F, times E when the Sun's anomaly enters.
struct MoonLongitudeTerm {
    double coefficientDegrees;
    int d;   // multiple of the mean elongation D
    int m;   // multiple of the Sun's mean anomaly M
    int mp;  // multiple of the Moon's mean anomaly M'
    int f;   // multiple of the argument of latitude F
    bool timesE;
};

// The 25 largest terms of the Moon's longitude, from Meeus, Astronomical
// Algorithms (2nd ed.), table 47.A (45.A in the 1st ed.); amplitudes in
// degrees. Summed in this row order.
constexpr std::array<MoonLongitudeTerm, 25> kMoonLongitudeTerms = std::to_array<MoonLongitudeTerm>({
    {+6.288774, 0, 0, 1, 0, false},   // M'
    {+1.274027, 2, 0, -1, 0, false},  // 2D - M'
    {+0.658314, 2, 0, 0, 0, false},   // 2D
    {+0.213618, 0, 0, 2, 0, false},   // 2M'
    {-0.185116, 0, 1, 0, 0, true},    // M
    {-0.114332, 0, 0, 0, 2, false},   // 2F
    {+0.058793, 2, 0, -2, 0, false},  // 2D - 2M'
    {+0.057066, 2, -1, -1, 0, true},  // 2D - M - M'
    {+0.053322, 2, 0, 1, 0, false},   // 2D + M'
    {+0.045758, 2, -1, 0, 0, true},   // 2D - M
    {-0.040923, 0, 1, -1, 0, true},   // M - M'
    {-0.034720, 1, 0, 0, 0, false},   // D
    {-0.030383, 0, 1, 1, 0, true},    // M + M'
    {+0.015327, 2, 0, 0, -2, false},  // 2D - 2F
    {-0.012528, 0, 0, 1, 2, false},   // M' + 2F
    {+0.010980, 0, 0, 1, -2, false},  // M' - 2F
    {+0.010675, 4, 0, -1, 0, false},  // 4D - M'
    {+0.010034, 0, 0, 3, 0, false},   // 3M'
    {+0.008548, 4, 0, -2, 0, false},  // 4D - 2M'
    {-0.007888, 2, 1, -1, 0, true},   // 2D + M - M'
    {-0.006766, 2, 1, 0, 0, true},    // 2D + M
    {-0.005163, 1, 0, -1, 0, false},  // D - M'
    {+0.004987, 1, 1, 0, 0, true},    // D + M
    {+0.004036, 2, -1, 1, 0, true},   // 2D - M + M'
    {+0.003994, 2, 0, 2, 0, false},   // 2D + 2M'
});

// Slots of the name list: 27 nakshatras and the empty slot of exactly 360.
constexpr int kNakshatraSlots = 28;

double TermArgument(const MoonLongitudeTerm& term, double D, double M, double Mp, double F) {
    return term.d * D + term.m * M + term.mp * Mp + term.f * F;
}

}  // namespace

double AyanamsaOffset(double T) {
    // Mean node and the Sun's mean longitude in degrees.
    const double node = 125.044555 - 1934.1361849 * T + 0.0020762 * (T * T);
    const double sunMeanLongitude = 280.466449 + 36000.7698231 * T + 0.0003106 * (T * T);
    // Nutation terms in arc-seconds; the second takes sin L, not sin 2L.
    const double nutationArcseconds =
        17.23 * std::sin(node * kDegToRad) + 1.27 * std::sin(sunMeanLongitude * kDegToRad);
    return (nutationArcseconds - (5025.64 * T + 1.11 * (T * T)) - 85886.27) /
           kArcsecondsPerDegree;
}

NakshatraMoon ComputeNakshatraMoon(double T) {
    NakshatraMoon moon;
    moon.meanLongitudeDegrees = 218.3164591 + 481267.88134236 * T;
    const double D = (297.8502042 + 445267.1115168 * T) * kDegToRad;
    const double M = (357.5291092 + 35999.0502909 * T) * kDegToRad;
    const double Mp = (134.9634114 + 477198.8676313 * T) * kDegToRad;
    const double F = (93.2720993 + 483202.0175273 * T) * kDegToRad;
    const double E = 1 - 0.002516 * T - 0.0000074 * (T * T);
    moon.elongationRadians = D;
    moon.sunAnomalyRadians = M;
    moon.moonAnomalyRadians = Mp;
    moon.latitudeArgumentRadians = F;
    moon.eccentricityFactor = E;

    double sum = 0.0;
    for (const MoonLongitudeTerm& term : kMoonLongitudeTerms) {
        double value = term.coefficientDegrees * std::sin(TermArgument(term, D, M, Mp, F));
        if (term.timesE) value = value * E;
        sum = sum + value;
    }

    moon.tropicalDegrees = ReduceDegrees(moon.meanLongitudeDegrees + sum);
    double sidereal = moon.tropicalDegrees + AyanamsaOffset(T);
    if (sidereal < 0) sidereal = sidereal + kDegreesPerTurn;
    moon.siderealDegrees = sidereal;
    return moon;
}

double NakshatraMoonSiderealDegrees(double T) {
    return ComputeNakshatraMoon(T).siderealDegrees;
}

double NakshatraPositionOf(double siderealDegrees) {
    return kMinutesPerDegree * siderealDegrees / kNakshatraSpanArcminutes;
}

std::optional<int> NakshatraSlotOf(double siderealDegrees) {
    const double slot = std::floor(NakshatraPositionOf(siderealDegrees));
    // Only reachable with a positive offset, which no year offered gives.
    if (!(slot >= 0 && slot < kNakshatraSlots)) return std::nullopt;
    return static_cast<int>(slot);
}

}  // namespace zorvane
