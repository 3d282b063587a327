#include "core/panchang/day_panchang.h"

#include "core/panchang/day_limbs.h"
#include "core/panchang/period_tables.h"
#include "core/sky/moon_horizon.h"
#include "core/time/angles.h"
#include "core/time/day_number.h"

namespace zorvane {

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kNoonDays = 0.5;

// Sunrise and sunset of the civil date on the clock in force at the place's
// mean noon of that date (the clocks change at night, so that is the day's).
SunriseSunset SunOfDate(double dayNumber, const GeoPlace& place, const ZoneOffsetAt& offsetAt) {
    const double meanNoonJd = dayNumber - place.longitudeEastDegrees / kDegreesPerTurn;
    const double leadHours = offsetAt(meanNoonJd) * kHoursPerDay / kMinutesPerDay;
    return ComputeSunriseSunset(dayNumber, leadHours, place);
}

// The universal moment of a civil date's midnight on the place's clock: the
// offset read at the midnight that the first guess gives (a clock changes
// at most once around a midnight, so a second reading settles it).
double MidnightJd(double dayNumber, const ZoneOffsetAt& offsetAt) {
    const double guess = dayNumber - kNoonDays - offsetAt(dayNumber - kNoonDays) / kMinutesPerDay;
    return dayNumber - kNoonDays - offsetAt(guess) / kMinutesPerDay;
}

}  // namespace

DayPanchangResult ComputeDayPanchang(const CivilDate& date, const GeoPlace& place, const ZoneOffsetAt& offsetAt) {
    DayPanchangResult result;
    const double dayNumber = DayNumber(date.month, date.day, date.year);
    const SunriseSunset today = SunOfDate(dayNumber, place, offsetAt);
    const SunriseSunset tomorrow = SunOfDate(dayNumber + 1, place, offsetAt);
    result.sunNote = SunNoteOf(today.passage);
    if (!today.sunriseJd || !today.sunsetJd || !tomorrow.sunriseJd || *today.sunsetJd < *today.sunriseJd) {
        result.refusal = DayRefusal::NoSunrise;
        if (result.sunNote == SunNote::None) result.sunNote = SunNoteOf(tomorrow.passage);
        return result;
    }

    DayPanchang day;
    day.date = date;
    day.place = place;
    day.sunriseJd = *today.sunriseJd;
    day.sunsetJd = *today.sunsetJd;
    day.nextSunriseJd = *tomorrow.sunriseJd;
    day.weekday = CivilWeekday(dayNumber);

    const double midnightJd = MidnightJd(dayNumber, offsetAt);
    const double nextMidnightJd = MidnightJd(dayNumber + 1, offsetAt);
    const MoonriseMoonset moon = ComputeMoonriseMoonset(midnightJd, nextMidnightJd, place);
    day.moonriseJd = moon.moonriseJd;
    day.moonsetJd = moon.moonsetJd;

    const double from = day.sunriseJd;
    const double to = day.nextSunriseJd;
    day.tithis = LimbSpansBetween(Limb::Tithi, from, to);
    day.nakshatras = LimbSpansBetween(Limb::Nakshatra, from, to);
    day.padas = PadaSpansBetween(from, to);
    day.yogas = LimbSpansBetween(Limb::Yoga, from, to);
    day.karanas = LimbSpansBetween(Limb::Karana, from, to);
    day.periods = ComputeDayPeriods(day.sunriseJd, day.sunsetJd, day.nextSunriseJd, day.weekday);
    day.varjyam = NakshatraKalas(day.nakshatras, kVarjyamStartGhatis, from, to);
    day.amritaKalam = NakshatraKalas(day.nakshatras, kAmritaStartGhatis, from, to);
    day.sunSigns = SunSignSpansBetween(from, to);
    result.day = std::move(day);
    return result;
}

}  // namespace zorvane
