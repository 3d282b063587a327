#pragma once

#include <string>

namespace zorvane {

struct CivilDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

// The calendar date in a zone zoneOffsetHours ahead of universal time
// (negative behind it) at a universal-time Julian day; Julian calendar before
// 1582-10-15, as the rest of the program.
CivilDate ZoneCivilDate(double universalJulianDay, double zoneOffsetHours);

// The calendar date of the day number that begins at its noon (the Julian
// day of that noon).
CivilDate CivilDateOfDayNumber(long long dayNumber);

// "YYYY-MM-DD", the year with at least four digits.
std::string IsoDateText(const CivilDate& date);

}  // namespace zorvane
