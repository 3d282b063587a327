#include "core/sky/sun_longitude.h"

#include <cmath>

#include "core/time/angles.h"
#include "core/sky/nutation.h"
#include "core/time/epochs.h"

namespace zorvane {

namespace {
// pi as the theory writes it, to decide when the eccentric anomaly is a
// half turn and the tangent of its half is infinite.
constexpr double kPi = 3.14159265358979;
constexpr double kHalfTurnTolerance = 0.0000000001;
// Solve Kepler's equation until the correction is below this, in degrees.
constexpr double kKeplerToleranceDegrees = 0.0000003;
// Newton's method meets that tolerance in four steps or fewer for the Sun's
// eccentricity; the bound only guards against a value that never settles.
constexpr int kKeplerMaxSteps = 50;
// Constant of aberration, arc-seconds.
constexpr double kAberrationArcseconds = 20.496;
}  // namespace

double SolveKepler(double meanAnomalyDegrees, double eccentricity, double toleranceDegrees) {
    const double m = meanAnomalyDegrees * kDegToRad;
    double E = m;
    const double tolerance = toleranceDegrees * kDegToRad;
    for (int step = 0; step < kKeplerMaxSteps; ++step) {
        const double delta = (m + eccentricity * std::sin(E) - E) / (1 - eccentricity * std::cos(E));
        E = E + delta;
        if (!(std::fabs(delta) >= tolerance)) break;
    }
    return E;
}

double PanchangSunLongitudeUnreduced(double jde) {
    return PanchangSunLongitudeUnreduced(jde, NutationInLongitude(jde));
}

double PanchangSunLongitudeUnreduced(double jde, double nutationDegrees) {
    return ComputeSunTheory(jde, nutationDegrees).longitudeUnreduced;
}

SunTheory ComputeSunTheory(double jde, double nutationDegrees) {
    SunTheory sun;
    const double d = jde - kJ1900JulianDay;
    const double T = d / kDaysPerJulianCentury;
    const double T2 = T * T;
    const double T3 = T * T * T;

    // Mean longitude (not reduced) and mean perigee less a half turn, degrees.
    const double L = 279.696678 + 0.9856473354 * d + 1.089 * T2 / kArcsecondsPerDegree;
    const double P = 101.220833 + 6189.03 * T / kArcsecondsPerDegree + 1.63 * T2 / kArcsecondsPerDegree +
                     0.012 * T3 / kArcsecondsPerDegree;
    const double M0 = ReduceDegrees(L - P + 180);
    // Three long-period terms in the mean anomaly, arc-seconds.
    const double M = M0 + ((1.882 - 0.016 * T) * std::sin((57.24 + 150.27 * T) * kDegToRad) +
                           6.4 * std::sin((231.19 + 20.2 * T) * kDegToRad) +
                           0.266 * std::sin((31.8 + 119 * T) * kDegToRad)) /
                              kArcsecondsPerDegree;
    const double e = 0.01675104 - 0.0000418 * T - 0.000000126 * T2;
    const double E = SolveKepler(M, e, kKeplerToleranceDegrees);

    double nu = E;
    if (!(std::fabs(E - kPi) < kHalfTurnTolerance)) {
        nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
    }
    const double trueAnomaly = ReduceDegrees(nu * kRadToDeg);

    // Planetary and lunar perturbation arguments, degrees.
    const double A = 153.23 + 22518.7541 * T;
    const double B = 216.57 + 45037.5082 * T;
    const double C = 312.69 + 32964.3577 * T;
    const double D = 350.74 + 445267.1142 * T - 0.00144 * T2;
    const double H = 353.4 + 65928.7155 * T;
    const double J = 315.6 + 893.3 * T;
    // Perturbations in longitude (degrees) and radius vector (astronomical units).
    const double dL = 0.00134 * std::cos(A * kDegToRad) + 0.00154 * std::cos(B * kDegToRad) +
                      0.002 * std::cos(C * kDegToRad) + 0.00179 * std::sin(D * kDegToRad) +
                      0.202 * std::sin(J * kDegToRad) / kArcsecondsPerDegree;
    const double dR = 0.00000543 * std::sin(A * kDegToRad) + 0.00001575 * std::sin(B * kDegToRad) +
                      0.00001627 * std::sin(C * kDegToRad) + 0.00003076 * std::cos(D * kDegToRad) +
                      0.00000926999999 * std::sin(H * kDegToRad);

    const double trueLongitude = (L + dL + trueAnomaly) - M0;
    const double radiusVector = 1.0000002 * (1 - e * e) / (1 + e * std::cos(trueAnomaly * kDegToRad)) + dR;
    const double aberration = kAberrationArcseconds * (1 - e * e) / radiusVector / kArcsecondsPerDegree;
    const double lambda = (trueLongitude + nutationDegrees) - aberration;

    sun.meanLongitude = L;
    sun.perigee = P;
    sun.meanAnomaly = M0;
    sun.perturbedMeanAnomaly = M;
    sun.eccentricity = e;
    sun.eccentricAnomaly = E;
    sun.trueAnomaly = trueAnomaly;
    sun.radiusVector = radiusVector;
    sun.longitudeUnreduced = lambda;
    return sun;
}

}  // namespace zorvane
