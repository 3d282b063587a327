#include "core/time/zone_date.h"

#include <cmath>
#include <cstdlib>

#include "core/time/angles.h"
#include "core/time/delta_t.h"

namespace zorvane {

namespace {

void AppendPadded(std::string& text, int value, std::size_t width) {
    const std::string digits = std::to_string(std::abs(value));
    if (value < 0) text += '-';
    if (digits.size() < width) text.append(width - digits.size(), '0');
    text += digits;
}

}  // namespace

CivilDate ZoneCivilDate(double universalJulianDay, double zoneOffsetHours) {
    const CalendarDate date = JulianDayToDate(universalJulianDay + zoneOffsetHours / kHoursPerDay);
    return CivilDate{date.year, date.month, static_cast<int>(std::floor(date.day))};
}

CivilDate CivilDateOfDayNumber(long long dayNumber) {
    const CalendarDate date = JulianDayToDate(static_cast<double>(dayNumber));
    return CivilDate{date.year, date.month, static_cast<int>(std::floor(date.day))};
}

std::string IsoDateText(const CivilDate& date) {
    std::string text;
    AppendPadded(text, date.year, 4);
    text += '-';
    AppendPadded(text, date.month, 2);
    text += '-';
    AppendPadded(text, date.day, 2);
    return text;
}

}  // namespace zorvane
