#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calendar/lunar_month.h"
#include "core/panchang/day_panchang.h"
#include "core/time/zone_date.h"

namespace zorvane {

// What a day is marked for. Each limb event falls on the day whose sunrise
// the tithi holds (the smarta rule: Ekadashi is the day with the eleventh
// tithi at sunrise; the vaishnava rule that rejects an Ekadashi touched by
// Dashami before sunrise is not built). A tithi that touches no sunrise
// (kshaya) marks the day in which it runs; one that holds two sunrises
// marks the first.
enum class CalendarEventKind { Ekadashi, Purnima, Amavasya, Sankranti, MonthStart };

struct CalendarEvent {
    CalendarEventKind kind = CalendarEventKind::Ekadashi;
    std::string title;  // "Shukla Ekadashi", "Makara Sankranti", "Shravana begins (adhika)"
    // What the title names, for the names in another language: the tithi
    // 1..30, the sign entered 0..11 from Mesha, or the lunar month 0..11.
    int number = 0;
    bool adhika = false;  // a month's first day: the month is adhika
};

struct CalendarDayRow {
    CivilDate date;
    int weekday = 0;
    std::optional<double> sunriseJd;  // missing where the Sun does not rise
    std::optional<double> sunsetJd;
    int tithiAtSunrise = 0;      // 0..29
    int nakshatraAtSunrise = 0;  // 0..26
    LunarMonth amanta;
    PurnimantaMonth purnimanta;
    std::vector<CalendarEvent> events;
};

// Every day of a month (1..12) or of a whole year (month 0) at a place.
std::vector<CalendarDayRow> ComputeCalendar(int year, int month, const GeoPlace& place, const ZoneOffsetAt& offsetAt);

std::string_view EventKindName(CalendarEventKind kind);

}  // namespace zorvane
