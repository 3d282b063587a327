#include "core/sky/moon_longitude.h"

#include <array>
#include <cmath>

#include "core/time/angles.h"
#include "core/sky/mean_elements.h"
#include "core/sky/moon_terms.h"
#include "core/sky/nutation.h"
#include "core/time/epochs.h"

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
constexpr std::array<LongPeriodTerm, 8> kFurtherLongPeriodTerms = std::to_array<LongPeriodTerm>({
    {0.822, 0.3248, -0.0017125594},
    {0.307, 0.14905, -0.0034251187},
    {0.348, 0.68266, -0.0006873156},
    {0.662, 0.65162, +0.0365724168},
    {0.643, 0.88098, -0.0025069941},
    {1.137, 0.85823, +0.036448727},
    {0.436, 0.71892, +0.036217918},
    {0.327, 0.97639, +0.000173491},
});

constexpr double kTwoPi = kDegreesPerTurn * kDegToRad;

double TermArgument(const MoonTerm& term, double l, double m, double f, double D) {
    return term.l * l + term.M * m + term.F * f + term.D * D;
}

// The additive corrections from the long-period arguments, arc-seconds, and
// the latitude factor.
struct LongPeriodCorrections {
    double dL;
    double dPerigee;
    double dNode;
    double dM;
    double k;
};

LongPeriodCorrections ComputeLongPeriodCorrections(double d) {
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

    LongPeriodCorrections c{};
    c.dL = 0.84 * S3 + 0.31 * S7 + 14.27 * S1 + 7.261 * S2 + 0.282 * S4 + 0.237 * S6;
    c.dPerigee = -2.1 * S3 - 2.076 * S2 - 0.84 * S4 - 0.593 * S6;
    c.dNode = 0.63 * S3 + 95.96 * S2 + 15.58 * S4 + 1.86 * S5;
    c.dM = -6.4 * S3 - 0.27 * S8 - 1.89 * S6 + 0.2 * S9;
    const double g = (-4.318 * C2 - 0.698 * C4) / kArcsecondsPerDegree / kDegreesPerTurn;
    c.k = 1.000002708 + 139.978 * g;
    return c;
}

}  // namespace

MoonMeanElements ComputeMoonMeanElements(double jde) {
    MoonMeanElements mean;
    const double d = jde - kJ1900JulianDay;
    const double T = d / kDaysPerJulianCentury;
    const double T2 = T * T;
    const double T3 = T * T * T;

    // L', D0 and M0 are not reduced.
    const double Lp = 270.4337361 + 13.1763965445281 * d - 5.86 * T2 / kArcsecondsPerDegree +
                      0.0068 * T3 / kArcsecondsPerDegree;
    const double perigee = 334.329556 + 14648522.52 * T / kArcsecondsPerDegree -
                           37.17 * T2 / kArcsecondsPerDegree - 0.045 * T3 / kArcsecondsPerDegree;
    const double node = 259.183275 - 6962911.23 * T / kArcsecondsPerDegree + 7.48 * T2 / kArcsecondsPerDegree +
                        0.008 * T3 / kArcsecondsPerDegree;
    mean.daysSince1900 = d;
    mean.meanLongitude = Lp;
    mean.meanElongation = MoonMeanElongation1900Degrees(T, T2) + 0.0000018888889 * T3;
    mean.perigee = perigee;
    mean.sunMeanAnomaly = SunMeanAnomaly1900Degrees(T, T2) - 0.0000033333333623078 * T3;
    mean.meanAnomaly = ReduceDegrees(Lp - perigee);
    mean.node = node;
    mean.argumentOfLatitude = ReduceDegrees(Lp - node);
    return mean;
}

MoonPeriodicTerms ComputeMoonPeriodicTerms(const MoonMeanElements& mean) {
    const double d = mean.daysSince1900;
    const LongPeriodCorrections c = ComputeLongPeriodCorrections(d);

    // Arguments in radians.
    const double l = (mean.meanAnomaly + (c.dL - c.dPerigee) / kArcsecondsPerDegree) * kDegToRad;
    const double m = (mean.sunMeanAnomaly + c.dM / kArcsecondsPerDegree) * kDegToRad;
    const double f = (mean.argumentOfLatitude + (c.dL - c.dNode) / kArcsecondsPerDegree) * kDegToRad;
    const double D = (mean.meanElongation + (c.dL - c.dM) / kArcsecondsPerDegree) * kDegToRad;
    const double E = 1 - 0.00000006832 * d;

    double mainSum = 0;
    for (const MoonTerm& term : MoonMainTerms) {
        double v = std::sin(TermArgument(term, l, m, f, D));
        if (term.M != 0) {
            v = v * E;
            if (term.M == 2 || term.M == -2) v = v * E;
        }
        if (term.F != 0) v = v * (c.k * c.k);
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

    MoonPeriodicTerms periodic;
    periodic.dL = c.dL;
    periodic.dPerigee = c.dPerigee;
    periodic.dNode = c.dNode;
    periodic.dM = c.dM;
    periodic.k = c.k;
    periodic.E = E;
    periodic.mainSum = mainSum;
    periodic.minorSum = minorSum;
    periodic.longPeriodSum = longPeriodSum;
    return periodic;
}

MoonTheory ComputeMoonTheory(double jde, double nutationDegrees) {
    MoonTheory moon;
    static_cast<MoonMeanElements&>(moon) = ComputeMoonMeanElements(jde);
    static_cast<MoonPeriodicTerms&>(moon) = ComputeMoonPeriodicTerms(moon);
    moon.longitudeUnreduced = (moon.meanLongitude + nutationDegrees) +
                              (moon.dL + moon.mainSum + moon.minorSum + moon.longPeriodSum) / kArcsecondsPerDegree;
    return moon;
}

double PanchangMoonLongitudeUnreduced(double jde) {
    return PanchangMoonLongitudeUnreduced(jde, NutationInLongitude(jde));
}

double PanchangMoonLongitudeUnreduced(double jde, double nutationDegrees) {
    return ComputeMoonTheory(jde, nutationDegrees).longitudeUnreduced;
}

}  // namespace zorvane
