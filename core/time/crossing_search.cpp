#include "core/time/crossing_search.h"

#include <cmath>
#include <utility>


namespace zorvane {

namespace {
// Secant steps converge in a handful; the cap only stops a pathological case.
constexpr int kMaxCrossingIterations = 60;
}  // namespace

double FindCrossing(const GrowingAngle& angle, const CrossingStart& start, double target) {
    double previousJd = start.universalJd;
    double previousMiss = start.angle - target;
    if (previousMiss == 0) return previousJd;
    double jd = previousJd - previousMiss / start.meanRatePerDay;
    double miss = angle(jd) - target;

    // Bracket [low, high] with the angle below the target at low and above at
    // high; open sides are marked by NaN until a point lands there.
    double low = std::nan("");
    double high = std::nan("");
    auto keep = [&](double at, double value) {
        if (value < 0 && !(at <= low)) low = at;
        if (value > 0 && !(at >= high)) high = at;
    };
    keep(previousJd, previousMiss);
    keep(jd, miss);

    for (int i = 0; i < kMaxCrossingIterations && miss != 0; ++i) {
        double slope = (miss - previousMiss) / (jd - previousJd);
        if (!(slope > 0)) slope = start.meanRatePerDay;
        double next = jd - miss / slope;
        // A secant step this small has converged; it may even round to the
        // same day, which the bracket test below would take for a miss.
        if (std::fabs(next - jd) < kCrossingToleranceDays) return next;
        if (!std::isnan(low) && !std::isnan(high) && !(next > low && next < high)) next = (low + high) / 2;
        previousJd = std::exchange(jd, next);
        previousMiss = std::exchange(miss, angle(jd) - target);
        keep(jd, miss);
    }
    return jd;
}

double UnwrapNear(double reduced, double reference, double turn) {
    return reduced + std::round((reference - reduced) / turn) * turn;
}

}  // namespace zorvane
