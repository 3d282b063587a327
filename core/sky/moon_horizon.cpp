#include "core/sky/moon_horizon.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/sky/moon_longitude.h"
#include "core/sky/nutation.h"
#include "core/time/angles.h"
#include "core/time/delta_t.h"

namespace zorvane {

namespace {

constexpr double kJ2000JulianDay = 2451545.0;  // 2000 January 1.5

// Multiples of the mean elongation D, the Sun's anomaly M, the Moon's
// anomaly M' and the argument of latitude F, and the coefficient.
struct MoonTerm {
    int d;
    int m;
    int mp;
    int f;
    double coefficient;
};

// Meeus table 47.B, the Moon's latitude, in millionths of a degree.
constexpr auto kLatitudeTerms = std::to_array<MoonTerm>({
    {0, 0, 0, 1, 5128122},
    {0, 0, 1, 1, 280602},
    {0, 0, 1, -1, 277693},
    {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},
    {2, 0, -1, -1, 46271},
    {2, 0, 0, 1, 32573},
    {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},
    {0, 0, 2, -1, 8822},
});

// Meeus table 47.A, the cosine terms of the Moon's distance, in metres.
constexpr auto kDistanceTerms = std::to_array<MoonTerm>({
    {0, 0, 1, 0, -20905355},
    {2, 0, -1, 0, -3699111},
    {2, 0, 0, 0, -2955968},
    {0, 0, 2, 0, -569925},
    {2, 0, -2, 0, 246158},
    {2, -1, 0, 0, -204586},
    {2, 0, 1, 0, -170733},
    {2, -1, -1, 0, -152138},
    {0, 1, -1, 0, -129620},
    {1, 0, 0, 0, 108743},
    {0, 1, 1, 0, 104755},
});

constexpr double kMillionths = 1e-6;
constexpr double kMetresPerKilometre = 1000.0;
constexpr double kMeanDistanceKilometres = 385000.56;  // Meeus eq. 47.1's constant
constexpr double kEarthRadiusKilometres = 6378.14;
// Meeus ch. 15: the altitude of the Moon's centre at a rising is
// 0.7275 times its parallax less 34 arc-minutes.
constexpr double kParallaxShareAtRising = 0.7275;
constexpr double kRefractionAtRisingDegrees = 34.0 / 60.0;

// The Moon moves a turn against the sky about once a month, so its hour
// angle grows by about 347.8 degrees a day: the window is sampled every hour,
// safely below the shortest gap between a rising and a setting, and each
// change of side refined by secant and bisection to a tenth of a second.
constexpr double kSampleDays = 1.0 / 24.0;
constexpr double kRefineToleranceDays = 0.1 / 86400.0;
constexpr int kMaxRefineIterations = 50;

double Reduced(double degrees) { return degrees - kDegreesPerTurn * std::floor(degrees / kDegreesPerTurn); }

double SumOf(const auto& terms, double d, double m, double mp, double f, bool cosine) {
    double sum = 0;
    for (const MoonTerm& term : terms) {
        const double argument = (term.d * d + term.m * m + term.mp * mp + term.f * f) * kDegToRad;
        sum += term.coefficient * (cosine ? std::cos(argument) : std::sin(argument));
    }
    return sum;
}

// The Moon's geocentric altitude less the altitude of a rising, degrees.
double AltitudeAboveRising(double universalJd, const GeoPlace& place) {
    const MoonSkyPlace moon = MoonSkyPlaceAt(universalJd);
    const double phi = place.latitudeNorthDegrees * kDegToRad;
    const double delta = moon.declinationDegrees * kDegToRad;
    const double hourAngle =
        (GreenwichSiderealDegrees(universalJd) + place.longitudeEastDegrees - moon.rightAscensionDegrees) * kDegToRad;
    const double altitude =
        std::asin(std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(hourAngle)) * kRadToDeg;
    return altitude - (kParallaxShareAtRising * moon.parallaxDegrees - kRefractionAtRisingDegrees);
}

// The moment in [low, high] where the altitude crosses the rising altitude,
// given its values at both ends of opposite signs.
double RefineCrossing(double low, double lowValue, double high, double highValue, const GeoPlace& place) {
    for (int i = 0; i < kMaxRefineIterations && high - low > kRefineToleranceDays; ++i) {
        double next = low - lowValue * (high - low) / (highValue - lowValue);
        // Keep well inside the bracket; a step that stalls at an end bisects.
        if (!(next > low + kRefineToleranceDays / 2 && next < high - kRefineToleranceDays / 2)) {
            next = (low + high) / 2;
        }
        const double value = AltitudeAboveRising(next, place);
        if ((value < 0) == (lowValue < 0)) {
            low = next;
            lowValue = value;
        } else {
            high = next;
            highValue = value;
        }
        if (value == 0) return next;
    }
    return (low + high) / 2;
}

}  // namespace

MoonSkyPlace MoonSkyPlaceAt(double universalJd) {
    const double jde = EphemerisJulianDay(universalJd);
    const double T = (jde - kJ2000JulianDay) / kDaysPerJulianCentury;
    // Meeus eqs. 47.2 to 47.5, the linear parts.
    const double d = Reduced(297.8501921 + 445267.1114034 * T);
    const double m = Reduced(357.5291092 + 35999.0502909 * T);
    const double mp = Reduced(134.9633964 + 477198.8675055 * T);
    const double f = Reduced(93.2720950 + 483202.0175233 * T);

    const double lambda = PanchangMoonLongitudeUnreduced(jde, NutationInLongitude(jde)) * kDegToRad;
    const double beta = SumOf(kLatitudeTerms, d, m, mp, f, false) * kMillionths * kDegToRad;
    const double distance =
        kMeanDistanceKilometres + SumOf(kDistanceTerms, d, m, mp, f, true) / kMetresPerKilometre;
    const double epsilon = MeanObliquityDegrees(T) * kDegToRad;

    MoonSkyPlace place;
    place.rightAscensionDegrees =
        std::atan2(std::sin(lambda) * std::cos(epsilon) - std::tan(beta) * std::sin(epsilon), std::cos(lambda)) *
        kRadToDeg;
    place.declinationDegrees =
        std::asin(std::sin(beta) * std::cos(epsilon) + std::cos(beta) * std::sin(epsilon) * std::sin(lambda)) *
        kRadToDeg;
    place.parallaxDegrees = std::asin(kEarthRadiusKilometres / distance) * kRadToDeg;
    return place;
}

MoonriseMoonset ComputeMoonriseMoonset(double fromJd, double toJd, const GeoPlace& place) {
    MoonriseMoonset found;
    double previousJd = fromJd;
    double previous = AltitudeAboveRising(fromJd, place);
    const int samples = static_cast<int>(std::ceil((toJd - fromJd) / kSampleDays));
    for (int i = 1; i <= samples && !(found.moonriseJd && found.moonsetJd); ++i) {
        const double jd = std::min(fromJd + i * kSampleDays, toJd);
        const double value = AltitudeAboveRising(jd, place);
        if ((previous < 0) != (value < 0)) {
            const double crossing = RefineCrossing(previousJd, previous, jd, value, place);
            if (crossing < toJd) {
                std::optional<double>& slot = previous < 0 ? found.moonriseJd : found.moonsetJd;
                if (!slot) slot = crossing;
            }
        }
        previousJd = jd;
        previous = value;
    }
    return found;
}

}  // namespace zorvane
