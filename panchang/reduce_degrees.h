#pragma once

namespace zorvane {

// Brings an angle into 0..360 degrees: while below 0 add a turn, then while
// above 360 take one off. Exactly 360 stays 360.
double ReduceDegrees(double degrees);

// Adds or takes off as many whole turns as can be done at once while staying
// at least a turn outside 0..turn; the value is exactly the one that turn-by-
// turn loops would reach there. A lunar longitude of half a million degrees
// then needs a step or two instead of some thirteen hundred.
double SkipWholeTurns(double value, double turn);

}  // namespace zorvane
