#pragma once

#include <functional>

namespace zorvane {

// An angle that only grows with time, as a function of the universal-time
// Julian day. Unwrapped: no jump of a turn anywhere in the searched span.
using GrowingAngle = std::function<double(double universalJd)>;

// Where a search starts: a moment, the angle there, and the angle's mean rate.
struct CrossingStart {
    double universalJd = 0;
    double angle = 0;
    double meanRatePerDay = 0;  // > 0, in the angle's units per day
};

// The crossings found are this close to the true moment or closer.
inline constexpr double kCrossingToleranceDays = 0.1 / 86400.0;  // a tenth of a second

// The moment the angle reaches the target, near the start. The first step
// comes from the mean rate, then secant steps, kept inside the bracket once
// one is known (bisection when a step leaves it). The iterations are bounded;
// the angles searched here converge in four to six.
double FindCrossing(const GrowingAngle& angle, const CrossingStart& start, double target);

// A value reduced to one turn (360 degrees, or 27 nakshatras, ...) brought
// within half a turn of a reference, so that a reduced angle can be searched
// as an unwrapped one.
double UnwrapNear(double reduced, double reference, double turn);

}  // namespace zorvane
