#pragma once

#include <optional>

namespace zorvane {

// A place on the Earth, degrees, north and east positive.
struct GeoPlace {
    double latitudeNorthDegrees = 0;
    double longitudeEastDegrees = 0;
};

// How the Sun meets the horizon on one civil date.
enum class SunPassage {
    RisesAndSets,
    PolarNight,  // below the horizon the whole day
    PolarDay,    // above the horizon the whole day
    NoSunrise,   // sets but does not rise on this date
    NoSunset,    // rises but does not set on this date
};

struct SunriseSunset {
    SunPassage passage = SunPassage::RisesAndSets;
    std::optional<double> sunriseJd;  // universal-time Julian days
    std::optional<double> sunsetJd;
};

// Altitude of the Sun's centre when its upper limb touches the horizon with
// standard refraction: -0 degrees 50 minutes.
inline constexpr double kSunriseAltitudeDegrees = -50.0 / 60.0;

// Sunrise and sunset of the Sun's upper limb at a place on a civil date.
// The date is given by its day number (the Julian day that begins at its
// noon) and the clock's lead on universal time in hours, so that "the date"
// runs from that clock's midnight to the next. Each moment is iterated from
// the panchang Sun's apparent longitude, the mean obliquity of date and
// Greenwich mean sidereal time until a step is below a tenth of a second.
SunriseSunset ComputeSunriseSunset(double civilDayNumber, double clockLeadHours, const GeoPlace& place);

// Greenwich mean sidereal time, degrees, for a universal-time Julian day.
double GreenwichSiderealDegrees(double universalJd);

// Mean obliquity of the ecliptic, degrees, for Julian centuries from J2000.
double MeanObliquityDegrees(double centuries);

// Weekday of a civil date from its day number, 0 for Sunday.
int CivilWeekday(double civilDayNumber);

}  // namespace zorvane
