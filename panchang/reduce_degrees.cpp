#include "panchang/reduce_degrees.h"

#include <cmath>

#include "ephemeris/angles.h"

namespace zorvane {

double ReduceDegrees(double degrees) {
    if (!std::isfinite(degrees)) return degrees;
    // Adding or taking off whole turns is exact here: every step moves the
    // value towards the range, so its result has no more bits than the
    // input. Jumping by many turns at once therefore gives the very value the
    // turn-by-turn loops give, without a thousand steps for a lunar
    // longitude of half a million degrees. The loops finish the job.
    if (degrees < 0) {
        const double turns = std::floor(-degrees / kDegreesPerTurn) - 1;
        if (turns > 0) degrees = degrees + turns * kDegreesPerTurn;
        while (degrees < 0) degrees = degrees + kDegreesPerTurn;
    }
    if (degrees > kDegreesPerTurn) {
        const double turns = std::ceil(degrees / kDegreesPerTurn) - 2;
        if (turns > 0) degrees = degrees - turns * kDegreesPerTurn;
        while (degrees > kDegreesPerTurn) degrees = degrees - kDegreesPerTurn;
    }
    return degrees;
}

}  // namespace zorvane
