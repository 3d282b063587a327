#include "core/time/universal_time.h"

#include "core/time/epochs.h"

#include "core/time/angles.h"

namespace zorvane {

namespace {
// A noon-based day number is half a day after the midnight that starts it.
constexpr double kNoonAfterMidnightDays = 0.5;
}  // namespace

double UniversalHoursOf(double localHours, double zoneHours, bool zoneAhead) {
    return zoneAhead ? localHours - zoneHours : localHours + zoneHours;
}

double CenturiesSinceJ2000(double dayNumber, double universalHours) {
    // Summed in this order: the day count first keeps the hours' bits.
    return (dayNumber - kJ2000JulianDay + universalHours / kHoursPerDay - kNoonAfterMidnightDays) /
           kDaysPerJulianCentury;
}

double UniversalJulianDay(double dayNumber, double universalHours) {
    return (dayNumber - kNoonAfterMidnightDays) + universalHours / kHoursPerDay;
}

}  // namespace zorvane
