#pragma once

namespace zorvane {

// The panchang's theories count time from 1900 January 0.5.
inline constexpr double kJ1900JulianDay = 2415020.0;

}  // namespace zorvane
