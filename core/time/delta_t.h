#pragma once

namespace zorvane {

struct CalendarDate {
    int year;
    int month;
    double day;  // day of the month with its fraction
};

// Civil date of a Julian day (Julian calendar before 1582-10-15).
CalendarDate JulianDayToDate(double julianDay);

// Dynamical minus universal time in hours for a Julian day (universal time).
double DeltaTHours(double julianDay);

// The Julian ephemeris day of a universal-time Julian day: plus DeltaTHours.
double EphemerisJulianDay(double universalJulianDay);

}  // namespace zorvane
