#pragma once

namespace zorvane {

// The day number that begins at noon of a civil date (1 January 2000 ->
// 2451545). Dates up to day number 2299171 are taken as Julian-calendar dates.
double DayNumber(int month, int day, int year);

}  // namespace zorvane
