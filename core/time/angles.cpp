#include "core/time/angles.h"

#include <cmath>

namespace zorvane {

double SkipWholeTurns(double value, double turn) {
    if (!std::isfinite(value)) return value;
    // Adding or taking off whole turns is exact while the value moves towards
    // the range without crossing it: the result needs no more bits than the
    // input. Stopping a turn short keeps every jump on that side, so the loops
    // that follow pass through the very values they would have reached one
    // turn at a time.
    if (value < 0) {
        const double turns = std::floor(-value / turn) - 1;
        if (turns > 0) value = value + turns * turn;
    } else if (value > turn) {
        const double turns = std::ceil(value / turn) - 2;
        if (turns > 0) value = value - turns * turn;
    }
    return value;
}

double ReduceDegrees(double degrees) {
    degrees = SkipWholeTurns(degrees, kDegreesPerTurn);
    while (degrees < 0) degrees = degrees + kDegreesPerTurn;
    while (degrees > kDegreesPerTurn) degrees = degrees - kDegreesPerTurn;
    return degrees;
}

}  // namespace zorvane
