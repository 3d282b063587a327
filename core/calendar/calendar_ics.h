#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/year_calendar.h"

namespace zorvane {

// A moment in universal time, to the second: the file's DTSTAMP.
struct UtcStamp {
    int year = 0;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The events of the rows as an iCalendar file (RFC 5545) written by libical:
// one all-day VEVENT each, its SUMMARY the event's title, CATEGORIES its
// kind, a stable UID from the date, the kind and the place, and the stamp
// given (the caller's clock) as DTSTAMP. Lines end in CR LF as the format
// requires.
std::string CalendarEventsIcs(const std::vector<CalendarDayRow>& rows, std::string_view placeName,
                              const UtcStamp& stamp);

}  // namespace zorvane
