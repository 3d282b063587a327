#include "core/calendar/lunar_month.h"

#include <cmath>

#include "core/calendar/calendar_names.h"
#include "core/panchang/day_limbs.h"
#include "core/panchang/limb_names.h"

namespace zorvane {

namespace {

constexpr double kNewMoonTithi = 0.0;
constexpr double kNextNewMoonTithi = 30.0;
// From a new moon, half a mean month on is well inside the month, so the
// next new moon is searched from there.
constexpr double kHalfMonthDays = 14.765;
// A few dozen months cover any range asked of this (a year and its edges);
// the cap only stops a runaway loop.
constexpr int kMostNewMoons = 400;

int SunSignAt(double universalJd) { return static_cast<int>(std::floor(SunSignPositionAt(universalJd))) % kSignCount; }

}  // namespace

LunarMonth MonthBetweenNewMoons(double startJd, double endJd) {
    const int signAtStart = SunSignAt(startJd);
    const int signAtEnd = SunSignAt(endJd);
    return {(signAtStart + 1) % kSignCount, signAtStart == signAtEnd, startJd, endJd};
}

LunarMonth AmantaMonthAt(double universalJd) {
    return MonthBetweenNewMoons(TithiCrossingNear(universalJd, kNewMoonTithi),
                                TithiCrossingNear(universalJd, kNextNewMoonTithi));
}

std::vector<double> NewMoonsCovering(double fromJd, double toJd) {
    std::vector<double> newMoons{TithiCrossingNear(fromJd, kNewMoonTithi)};
    while (newMoons.back() < toJd && static_cast<int>(newMoons.size()) < kMostNewMoons) {
        newMoons.push_back(TithiCrossingNear(newMoons.back() + kHalfMonthDays, kNextNewMoonTithi));
    }
    return newMoons;
}

PurnimantaMonth PurnimantaOf(const LunarMonth& amanta, bool krishnaPaksha, const LunarMonth& nextAmanta) {
    if (amanta.adhika || !krishnaPaksha) return {amanta.nameIndex, amanta.adhika};
    return {nextAmanta.nameIndex, false};
}

std::string_view LunarMonthName(int nameIndex) {
    return kLunarMonthNames[static_cast<std::size_t>(((nameIndex % 12) + 12) % 12)];
}

}  // namespace zorvane
