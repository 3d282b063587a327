#include "panchang/moon_longitude.h"

#include <array>
#include <cmath>

#include "ephemeris/angles.h"
#include "panchang/moon_terms.h"
#include "panchang/nutation.h"
#include "panchang/panchang_time.h"
#include "panchang/reduce_degrees.h"

namespace zorvane {

namespace {

// A term of the form coefficient * sin 2pi(constant + rate * d).
struct LongPeriodTerm {
    double coefficientArcseconds;
    double constantTurns;
    double ratePerDayTurns;
};

// Further long-period terms of the Moon's longitude; amplitudes in
// arc-seconds, phases in turns, rates in turns per day from 1900 January 0.5.
constexpr std::array<LongPeriodTerm, 8> kFurtherLongPeriodTerms = {{
    {0.822, 0.3248, -0.0017125594},
    {0.307, 0.14905, -0.0034251187},
    {0.348, 0.68266, -0.0006873156},
    {0.662, 0.65162, +0.0365724168},
    {0.643, 0.88098, -0.0025069941},
    {1.137, 0.85823, +0.036448727},
    {0.436, 0.71892, +0.036217918},
    {0.327, 0.97639, +0.000173491},
}};
static_assert(kFurtherLongPeriodTerms.size() == 8);

constexpr double kTwoPi = kDegreesPerTurn * kDegToRad;

double TermArgument(const MoonTerm& term, double l, double m, double f, double D) {
    return term.l * l + term.M * m + term.F * f + term.D * D;
}

}  // namespace

MoonTheory ComputeMoonTheory(double jde, double nutationDegrees) {
    MoonTheory moon;
    const double d = jde - kJ1900JulianDay;
    const double T = d / kDaysPerJulianCentury;
    const double T2 = T * T;
    const double T3 = T * T * T;

    // Mean elements, degrees. L', D0 and M0 are not reduced.
    const double Lp = 270.4337361 + 13.1763965445281 * d - 5.86 * T2 / kArcsecondsPerDegree +
                      0.0068 * T3 / kArcsecondsPerDegree;
    const double D0 = 350.737486111058 + 445267.114216667 * T - 0.00143611113230387 * T2 +
                      0.0000018888889 * T3;
    const double perigee = 334.329556 + 14648522.52 * T / kArcsecondsPerDegree -
                           37.17 * T2 / kArcsecondsPerDegree - 0.045 * T3 / kArcsecondsPerDegree;
    const double M0 = 358.475833333333 + 35999.0497499996 * T - 0.000150000005960465 * T2 -
                      0.0000033333333623078 * T3;
    const double l0 = ReduceDegrees(Lp - perigee);
    const double node = 259.183275 - 6962911.23 * T / kArcsecondsPerDegree + 7.48 * T2 / kArcsecondsPerDegree +
                        0.008 * T3 / kArcsecondsPerDegree;
    const double F0 = ReduceDegrees(Lp - node);

    // Long-period arguments.
    const double t1 = d * 1e-12;
    const double t2 = d * d * 1e-16;
    const double S1 = std::sin(kTwoPi * (0.53733431 - 10104982 * t1 + 191 * t2));
    const double a2 = kTwoPi * (0.71995354 - 147094228 * t1 + 43 * t2);
    const double S2 = std::sin(a2);
    const double C2 = std::cos(a2);
    const double S3 = std::sin(kTwoPi * (0.14222222 + 1536238 * t1));
    const double a4 = kTwoPi * (0.48398132 - 147269147 * t1 + 43 * t2);
    const double S4 = std::sin(a4);
    const double C4 = std::cos(a4);
    const double S5 = std::sin(kTwoPi * (0.52453688 - 147162675 * t1 + 43 * t2));
    const double S6 = std::sin(kTwoPi * (0.84536324 - 11459387 * t1));
    const double S7 = std::sin(kTwoPi * (0.23363774 + 1232723 * t1 + 191 * t2));
    const double S8 = std::sin(kTwoPi * (0.5875 + 9050118 * t1));
    const double S9 = std::sin(kTwoPi * (0.61043085 - 67718733 * t1));

    // Additive corrections, arc-seconds.
    const double dL = 0.84 * S3 + 0.31 * S7 + 14.27 * S1 + 7.261 * S2 + 0.282 * S4 + 0.237 * S6;
    const double dPerigee = -2.1 * S3 - 2.076 * S2 - 0.84 * S4 - 0.593 * S6;
    const double dNode = 0.63 * S3 + 95.96 * S2 + 15.58 * S4 + 1.86 * S5;
    const double dM = -6.4 * S3 - 0.27 * S8 - 1.89 * S6 + 0.2 * S9;
    const double g = (-4.318 * C2 - 0.698 * C4) / kArcsecondsPerDegree / kDegreesPerTurn;
    const double k = 1.000002708 + 139.978 * g;

    // Arguments in radians.
    const double l = (l0 + (dL - dPerigee) / kArcsecondsPerDegree) * kDegToRad;
    const double m = (M0 + dM / kArcsecondsPerDegree) * kDegToRad;
    const double f = (F0 + (dL - dNode) / kArcsecondsPerDegree) * kDegToRad;
    const double D = (D0 + (dL - dM) / kArcsecondsPerDegree) * kDegToRad;
    const double E = 1 - 0.00000006832 * d;

    double mainSum = 0;
    for (const MoonTerm& term : MoonMainTerms) {
        double v = std::sin(TermArgument(term, l, m, f, D));
        if (term.M != 0) {
            v = v * E;
            if (term.M == 2 || term.M == -2) v = v * E;
        }
        if (term.F != 0) v = v * (k * k);
        mainSum = mainSum + v * term.coefficientArcseconds;
    }
    double minorSum = 0;
    for (const MoonTerm& term : MoonMinorTerms) {
        minorSum = minorSum + term.coefficientArcseconds * std::sin(TermArgument(term, l, m, f, D));
    }
    double longPeriodSum = 0;
    for (const LongPeriodTerm& term : kFurtherLongPeriodTerms) {
        longPeriodSum = longPeriodSum + term.coefficientArcseconds *
                                            std::sin(kTwoPi * (term.constantTurns + term.ratePerDayTurns * d));
    }

    moon.meanLongitude = Lp;
    moon.meanElongation = D0;
    moon.perigee = perigee;
    moon.sunMeanAnomaly = M0;
    moon.meanAnomaly = l0;
    moon.node = node;
    moon.argumentOfLatitude = F0;
    moon.dL = dL;
    moon.dPerigee = dPerigee;
    moon.dNode = dNode;
    moon.dM = dM;
    moon.k = k;
    moon.E = E;
    moon.mainSum = mainSum;
    moon.minorSum = minorSum;
    moon.longPeriodSum = longPeriodSum;
    moon.longitudeUnreduced =
        (Lp + nutationDegrees) + (dL + mainSum + minorSum + longPeriodSum) / kArcsecondsPerDegree;
    return moon;
}

double PanchangMoonLongitude(double jde, ChartState& chart) {
    return PanchangMoonLongitude(jde, NutationInLongitude(jde), chart);
}

double PanchangMoonLongitude(double jde, double nutationDegrees, ChartState& chart) {
    const MoonTheory moon = ComputeMoonTheory(jde, nutationDegrees);
    chart.MoonLongitudeUnreduced = moon.longitudeUnreduced;
    return ReduceDegrees(moon.longitudeUnreduced);
}

}  // namespace zorvane
