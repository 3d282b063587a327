#pragma once

namespace zorvane {

// Brings an angle into 0..360 degrees: while below 0 add a turn, then while
// above 360 take one off. Exactly 360 stays 360.
double ReduceDegrees(double degrees);

}  // namespace zorvane
