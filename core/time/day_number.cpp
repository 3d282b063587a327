#include "core/time/day_number.h"

#include <cmath>

namespace zorvane {

namespace {
// Day number of 1582-10-15, the first Gregorian date: later counts get the
// Gregorian correction.
constexpr double kLastJulianCalendarCount = 2299171.0;
}  // namespace

double DayNumber(int month, int day, int year) {
    // Months since March of year -4800, so that the leap day ends a year.
    const double m = 12.0 * (year + 4800) + month - 3;
    double j = (2.0 * (m - 12.0 * std::floor(m / 12.0)) + 7.0 + 365.0 * m) / 12.0;
    j = std::floor(j) + day + std::floor(m / 48.0) - 32083.0;
    if (j > kLastJulianCalendarCount) {
        j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    }
    return j;
}

}  // namespace zorvane
