#include "ephemeris/crossing_search.h"

#include <cmath>
#include <utility>

#include "ephemeris/angles.h"

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
        const bool bracketed = !std::isnan(low) && !std::isnan(high);
        if (bracketed && !(next > low && next < high)) {
            next = (low + high) / 2;
        }
        const double step = next - jd;
        previousJd = std::exchange(jd, next);
        previousMiss = std::exchange(miss, angle(jd) - target);
        keep(jd, miss);
        if (std::fabs(step) < kCrossingToleranceDays) break;
    }
    return jd;
}

double UnwrapNear(double reducedDegrees, double referenceDegrees) {
    const double turns = std::round((referenceDegrees - reducedDegrees) / kDegreesPerTurn);
    return reducedDegrees + turns * kDegreesPerTurn;
}

}  // namespace zorvane
