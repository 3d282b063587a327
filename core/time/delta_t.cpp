#include "core/time/delta_t.h"

#include <array>
#include <cmath>

#include "core/time/angles.h"

namespace zorvane {

namespace {

// Dynamical minus universal time in seconds, as observed, at the start of the
// years 1620, 1630, ... 2010 (entry k is for 1620 + 10k). The 2010 entry only
// closes the last decade; from 2010 on the formula below applies.
constexpr std::array<double, 40> DeltaTTable = std::to_array<double>({
    124,  85,   62,   48,   37,   26,   16,   10,   9,    10,    // 1620-1710
    11,   11,   12,   13,   15,   16,   17,   17,   13.7, 12.5,  // 1720-1810
    12,   7.5,  5.7,  7.1,  7.9,  1.6,  -5.4, -5.9, -2.7, 10.5,  // 1820-1910
    21.2, 24,   24.3, 29.2, 33.2, 40.2, 50.5, 56.9, 65.7, 75.5,  // 1920-2010
});

constexpr double kFirstTableYear = 1620;
constexpr double kTableEndYear = 2010;  // the formula applies from here on
constexpr double kYearsPerEntry = 10;
constexpr double kJ1800JulianDay = 2378497;  // 1800 January 0.5
constexpr double kGregorianStartDay = 2299161;  // 1582 October 15
constexpr double kSecondsPerHour = 3600;
constexpr double kMonthsPerYear = 12;
constexpr double kDaysPerJulianYear = 365.25;

}  // namespace

CalendarDate JulianDayToDate(double jd) {
    const double Z = std::floor(jd + 0.5);
    const double F = (jd + 0.5) - Z;
    double A = Z;
    if (!(Z < kGregorianStartDay)) {
        const double alpha = std::floor((Z - 1867216.25) / 36524.25);
        A = Z + 1 + alpha - std::floor(alpha / 4);
    }
    const double B = A + 1524;
    const double C = std::floor((B - 122.1) / 365.25);
    const double D = std::floor(365.25 * C);
    const double E = std::floor((B - D) / 30.6001);
    CalendarDate date{};
    date.day = B - D - std::floor(30.6001 * E) + F;
    const double month = E < 13.5 ? E - 1 : E - 13;
    const double year = month > 2.5 ? C - 4716 : C - 4715;
    date.month = static_cast<int>(month);
    date.year = static_cast<int>(year);
    return date;
}

double DeltaTHours(double jd) {
    const CalendarDate date = JulianDayToDate(jd);
    const double wholeDay = std::floor(date.day);
    const double year = date.year + (date.month - 1) / kMonthsPerYear + (wholeDay - 1) / kDaysPerJulianYear;
    const double t = (jd - kJ1800JulianDay) / kDaysPerJulianCentury;
    double seconds = 0;
    if (year >= kFirstTableYear && year < kTableEndYear) {
        const double k = std::floor((year - kFirstTableYear) / kYearsPerEntry);
        const auto i = static_cast<std::size_t>(k);
        const double f = year - (kFirstTableYear + kYearsPerEntry * k);
        seconds = DeltaTTable[i] + f * (DeltaTTable[i + 1] - DeltaTTable[i]) / kYearsPerEntry;
    } else if (year >= kTableEndYear) {
        seconds = 25.5 * (t * t) - 39;
    } else if (year >= 948) {
        seconds = 25.5 * (t * t);
    } else {
        seconds = 1361.7 + 320 * t + 44.3 * (t * t);
    }
    return seconds / kSecondsPerHour;
}

double EphemerisJulianDay(double jd) {
    return jd + DeltaTHours(jd) / kHoursPerDay;
}

}  // namespace zorvane
