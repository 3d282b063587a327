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

// Brings an angle into 0..360 degrees: while below 0 add a turn, then while
// above 360 take one off. Exactly 360 stays 360.
double ReduceDegrees(double degrees);

// Adds or takes off as many whole turns as can be done at once while staying
// at least a turn outside 0..turn; the value is exactly the one that turn-by-
// turn loops would reach there. A lunar longitude of half a million degrees
// then needs a step or two instead of some thirteen hundred.
double SkipWholeTurns(double value, double turn);

}  // namespace zorvane
