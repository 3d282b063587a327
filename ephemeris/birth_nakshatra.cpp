#include "ephemeris/birth_nakshatra.h"

#include <array>
#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/nakshatra_names.h"
#include "ephemeris/time_base.h"
#include "panchang/reduce_degrees.h"

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
constexpr std::array<MoonLongitudeTerm, 25> kMoonLongitudeTerms = {{
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
}};
static_assert(kMoonLongitudeTerms.size() == 25);

// Each nakshatra spans 800 arc-minutes (13 degrees 20 minutes).
constexpr double kNakshatraSpanArcminutes = 800.0;

double TermArgument(const MoonLongitudeTerm& term, double D, double M, double Mp, double F) {
    return term.d * D + term.m * M + term.mp * Mp + term.f * F;
}

}  // namespace

void ComputeBirthNakshatra(const BirthData& birth, ChartState& chart) {
    chart.NakshatraNames = NakshatraNames;
    PrepareTimeBase(birth, chart);

    const double T = chart.Centuries;
    chart.MoonLongitude = 218.3164591 + 481267.88134236 * T;
    double D = 297.8502042 + 445267.1115168 * T;
    double M = 357.5291092 + 35999.0502909 * T;
    double Mp = 134.9634114 + 477198.8676313 * T;
    double F = 93.2720993 + 483202.0175273 * T;
    D = D * chart.DegToRad;
    M = M * chart.DegToRad;
    Mp = Mp * chart.DegToRad;
    F = F * chart.DegToRad;
    chart.MoonElongation = D;
    chart.SunAnomaly = M;
    chart.MoonAnomaly = Mp;
    chart.EccentricityFactor = 1 - 0.002516 * T - 0.0000074 * (T * T);
    const double E = chart.EccentricityFactor;

    double sum = 0.0;
    for (const MoonLongitudeTerm& term : kMoonLongitudeTerms) {
        double value = term.coefficientDegrees * std::sin(TermArgument(term, D, M, Mp, F));
        if (term.timesE) value = value * E;
        sum = sum + value;
    }

    chart.MoonLongitude = ReduceDegrees(chart.MoonLongitude + sum);
    chart.MoonLongitude = chart.MoonLongitude + chart.Ayanamsa;
    if (chart.MoonLongitude < 0) {
        chart.MoonLongitude = chart.MoonLongitude + kDegreesPerTurn;
    }
    const double position = kMinutesPerDegree * chart.MoonLongitude / kNakshatraSpanArcminutes;
    const double slot = std::floor(position);
    // Only reachable with a positive offset, which no year offered gives; an
    // index outside the table then leaves the previous name.
    if (slot >= 0 && slot < static_cast<double>(chart.NakshatraNames.size())) {
        chart.NakshatraName = std::string(chart.NakshatraNames[static_cast<std::size_t>(slot)]);
    }
}

}  // namespace zorvane
