#pragma once

namespace zorvane {

// The angle-conversion constants of both computations, exactly these decimal
// literals (not the correctly rounded pi/180): results are compared to the
// last digit with evaluations that use them.
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;

inline constexpr double kDegreesPerTurn = 360.0;
inline constexpr double kArcsecondsPerDegree = 3600.0;
inline constexpr double kMinutesPerHour = 60.0;
inline constexpr double kMinutesPerDegree = 60.0;
inline constexpr double kHoursPerDay = 24.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;

}  // namespace zorvane
