#include "core/sky/sunrise.h"

#include "core/time/epochs.h"

#include <algorithm>
#include <cmath>

#include "core/time/angles.h"
#include "core/time/delta_t.h"
#include "core/sky/sun_longitude.h"

namespace zorvane {

namespace {

constexpr double kQuarterDay = 0.25;
// Greenwich mean sidereal time advances this many degrees per solar day.
constexpr double kSiderealDegreesPerDay = 360.98564736629;
constexpr double kEventToleranceDays = 0.1 / 86400.0;  // a tenth of a second
// The step shrinks by a factor of tens each time away from the polar
// circles; near them the Sun's change of declination slows it down.
constexpr int kMaxEventIterations = 30;
constexpr int kDaysPerWeek = 7;
constexpr double kSmallestLatitudeCosine = 1e-15;

// Into -180..180 degrees.
double WrapHalfTurn(double degrees) {
    return degrees - kDegreesPerTurn * std::round(degrees / kDegreesPerTurn);
}

struct SunPlace {
    double rightAscensionDegrees;
    double declinationDegrees;
};

SunPlace ApparentSun(double universalJd) {
    const double jde = EphemerisJulianDay(universalJd);
    const double lambda = PanchangSunLongitudeUnreduced(jde) * kDegToRad;
    const double epsilon = MeanObliquityDegrees((jde - kJ2000JulianDay) / kDaysPerJulianCentury) * kDegToRad;
    return {std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda)) * kRadToDeg,
            std::asin(std::sin(epsilon) * std::sin(lambda)) * kRadToDeg};
}

// Cosine of the hour angle at which the Sun stands at the rising altitude;
// beyond -1 or 1 the Sun does not reach that altitude this day.
double CosineOfRisingHourAngle(double latitudeDegrees, double declinationDegrees) {
    const double phi = latitudeDegrees * kDegToRad;
    const double delta = declinationDegrees * kDegToRad;
    // At a pole the rounded cosine of the latitude can come out a hair below
    // zero, which would turn polar day into night; a hair above keeps the sign.
    const double cosPhi = std::max(std::cos(phi), kSmallestLatitudeCosine);
    return (std::sin(kSunriseAltitudeDegrees * kDegToRad) - std::sin(phi) * std::sin(delta)) /
           (cosPhi * std::cos(delta));
}

enum class Horizon { Rising = -1, Setting = 1 };

// One rising or setting near the guess, or none when the Sun misses the
// rising altitude at some step.
std::optional<double> SunEvent(double guessJd, Horizon horizon, const GeoPlace& place) {
    double jd = guessJd;
    for (int i = 0; i < kMaxEventIterations; ++i) {
        const SunPlace sun = ApparentSun(jd);
        const double cosine = CosineOfRisingHourAngle(place.latitudeNorthDegrees, sun.declinationDegrees);
        if (!(std::fabs(cosine) <= 1)) return std::nullopt;
        const double wantedHourAngle = static_cast<int>(horizon) * std::acos(cosine) * kRadToDeg;
        const double hourAngle = GreenwichSiderealDegrees(jd) + place.longitudeEastDegrees - sun.rightAscensionDegrees;
        const double step = WrapHalfTurn(wantedHourAngle - hourAngle) / kSiderealDegreesPerDay;
        jd += step;
        if (std::fabs(step) < kEventToleranceDays) break;
    }
    return jd;
}

// The event that falls within the civil date [midnight, midnight + 1 day),
// trying the neighbouring guesses when the first lands on another date.
std::optional<double> SunEventOnDate(double guessJd, Horizon horizon, const GeoPlace& place, double midnightJd) {
    for (const double shiftDays : {0.0, -1.0, 1.0}) {
        const std::optional<double> jd = SunEvent(guessJd + shiftDays, horizon, place);
        if (jd && *jd >= midnightJd && *jd < midnightJd + 1) return jd;
    }
    return std::nullopt;
}

}  // namespace

// Greenwich mean sidereal time, degrees, for a universal-time Julian day.
// Meeus, Astronomical Algorithms (2nd ed.), eq. 12.4.
double GreenwichSiderealDegrees(double universalJd) {
    const double T = (universalJd - kJ2000JulianDay) / kDaysPerJulianCentury;
    return 280.46061837 + kSiderealDegreesPerDay * (universalJd - kJ2000JulianDay) + 0.000387933 * T * T -
           T * T * T / 38710000.0;
}

// Mean obliquity of the ecliptic, degrees, for Julian centuries from J2000.
// Meeus eq. 22.2: 23 degrees 26 minutes 21.448 seconds and its secular terms.
double MeanObliquityDegrees(double T) {
    const double arcseconds = 21.448 - 46.8150 * T - 0.00059 * T * T + 0.001813 * T * T * T;
    return 23.0 + 26.0 / kMinutesPerDegree + arcseconds / kArcsecondsPerDegree;
}

SunriseSunset ComputeSunriseSunset(double civilDayNumber, double clockLeadHours, const GeoPlace& place) {
    const double midnightJd = civilDayNumber - 0.5 - clockLeadHours / kHoursPerDay;
    // Local apparent noon, near enough to start from, moved onto the date.
    double noonJd = civilDayNumber - place.longitudeEastDegrees / kDegreesPerTurn;
    noonJd += std::floor((midnightJd + 0.5 - noonJd) + 0.5);

    SunriseSunset day;
    day.sunriseJd = SunEventOnDate(noonJd - kQuarterDay, Horizon::Rising, place, midnightJd);
    day.sunsetJd = SunEventOnDate(noonJd + kQuarterDay, Horizon::Setting, place, midnightJd);
    if (day.sunriseJd && day.sunsetJd) {
        day.passage = SunPassage::RisesAndSets;
    } else if (day.sunriseJd) {
        day.passage = SunPassage::NoSunset;
    } else if (day.sunsetJd) {
        day.passage = SunPassage::NoSunrise;
    } else {
        const double cosine =
            CosineOfRisingHourAngle(place.latitudeNorthDegrees, ApparentSun(noonJd).declinationDegrees);
        day.passage = cosine > 0 ? SunPassage::PolarNight : SunPassage::PolarDay;
    }
    return day;
}

int CivilWeekday(double civilDayNumber) {
    const auto count = static_cast<long long>(civilDayNumber) + 1;
    return static_cast<int>(((count % kDaysPerWeek) + kDaysPerWeek) % kDaysPerWeek);
}

}  // namespace zorvane
