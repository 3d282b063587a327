#pragma once

#include <optional>

#include "core/sky/sunrise.h"
#include "core/state/chart_state.h"

namespace zorvane {

// One limb around the birth: its index from 0 in its own list (tithi 0..29,
// karana 0..59, yoga and nakshatra 0..26) and the moments, universal-time
// Julian days, when it began and when it ends.
struct LimbSpan {
    int index = 0;
    double startJd = 0;
    double endJd = 0;
};

// Why sunrise, sunset or vara are missing, when they are.
enum class SunNote {
    None,
    NeedsLatitude,
    PolarNight,
    PolarDay,
    NoSunrise,
    NoSunset,
};

// Everything shown about a birth beyond its two names. Angles in degrees,
// times as universal-time Julian days; the window and the command line only
// format it.
struct BirthDetails {
    double universalJd = 0;     // the birth
    double clockLeadHours = 0;  // the birth's clock ahead of universal time, summer time included

    // The sidereal offsets as positive angles.
    double ayanamsaDegrees = 0;          // of the nakshatra's Moon
    double panchangAyanamsaDegrees = 0;  // of the panchang

    // From the nakshatra's Moon.
    double moonSiderealDegrees = 0;
    int moonSign = 0;  // 0 Mesha .. 11 Meena
    LimbSpan nakshatra;
    int pada = 1;  // 1..4

    // From the yoga's panchang theory.
    double sunSiderealDegrees = 0;
    int sunSign = 0;
    LimbSpan tithi;
    LimbSpan karana;
    LimbSpan yoga;

    // At the birth place on the birth's civil date; missing without a valid
    // latitude (all three) or where the Sun does not rise or set (sunrise,
    // sunset, and the vara's bounds; the vara is then the civil weekday).
    std::optional<double> sunriseJd;
    std::optional<double> sunsetJd;
    std::optional<int> weekday;  // the vara, 0 Ravivara (Sunday) .. 6
    std::optional<double> varaStartJd;
    std::optional<double> varaEndJd;
    SunNote sunNote = SunNote::None;
};

// The details of a reading that ComputeBirthNakshatra and ComputeBirthYoga
// have computed into chart. The latitude is in degrees, north positive;
// nothing when the reading has no valid one.
// What the details say of a day whose Sun does not both rise and set.
SunNote SunNoteOf(SunPassage passage);

BirthDetails ComputeBirthDetails(const ChartState& chart, std::optional<double> latitudeNorthDegrees);

}  // namespace zorvane
