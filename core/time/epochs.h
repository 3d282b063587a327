#pragma once

namespace zorvane {

// The standard epochs, as Julian days (universal or dynamical time alike).
inline constexpr double kJ2000JulianDay = 2451545.0;  // 2000 January 1.5
inline constexpr double kJ1900JulianDay = 2415020.0;  // 1900 January 0.5, the panchang theories' epoch

}  // namespace zorvane
