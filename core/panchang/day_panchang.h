#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/panchang/birth_details.h"
#include "core/panchang/day_periods.h"
#include "core/sky/sunrise.h"
#include "core/time/zone_date.h"

namespace zorvane {

// A place's clock: its lead on universal time, in minutes (east positive),
// at a universal-time Julian day. The atlas's zones follow their history
// through it (summer time can begin during a day); a typed zone is a constant.
using ZoneOffsetAt = std::function<int(double universalJd)>;

// The panchang of one civil date at one place: the day runs from the
// date's sunrise to the next, as the vara does.
struct DayPanchang {
    CivilDate date;
    GeoPlace place;
    double sunriseJd = 0;
    double sunsetJd = 0;
    double nextSunriseJd = 0;
    std::optional<double> moonriseJd;  // within the civil date
    std::optional<double> moonsetJd;
    int weekday = 0;  // the vara, 0 Ravivara .. 6 Shanivara

    // Every limb that runs during the day, in order; the first began at or
    // before sunrise, the last ends at or after the next sunrise.
    std::vector<LimbSpan> tithis;      // index 0..29
    std::vector<LimbSpan> nakshatras;  // index 0..26
    std::vector<LimbSpan> padas;       // index 0..107
    std::vector<LimbSpan> yogas;       // index 0..26
    std::vector<LimbSpan> karanas;     // index 0..59

    DayPeriods periods;
    std::vector<Period> varjyam;
    std::vector<Period> amritaKalam;

    // The Sun's sidereal signs during the day: a second one means a
    // sankranti, at its start.
    std::vector<LimbSpan> sunSigns;
};

// Why a date has no panchang at a place.
enum class DayRefusal { None, NoSunrise };

struct DayPanchangResult {
    std::optional<DayPanchang> day;
    DayRefusal refusal = DayRefusal::None;
    SunNote sunNote = SunNote::None;
};

// The panchang of a civil date (Gregorian from 1582-10-15, Julian before, as
// the rest of the program) at a place whose clock the offset function gives.
// Sunrise and sunset are the upper limb's with refraction, from the same
// function as the birth details; the limbs' bounds from the same search.
DayPanchangResult ComputeDayPanchang(const CivilDate& date, const GeoPlace& place, const ZoneOffsetAt& offsetAt);

// Tithi index 0..29 -> the 1..30 that TithiName and PakshaName take.
inline int TithiNumber(const LimbSpan& tithi) { return tithi.index + 1; }

}  // namespace zorvane
