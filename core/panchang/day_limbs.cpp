#include "core/panchang/day_limbs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "core/panchang/limb_names.h"
#include "core/sky/nutation.h"
#include "core/sky/panchang_ayanamsa.h"
#include "core/sky/sun_longitude.h"
#include "core/time/angles.h"
#include "core/time/crossing_search.h"
#include "core/time/delta_t.h"

namespace zorvane {

namespace {

constexpr double kSignSpanDegrees = 30.0;
constexpr double kTropicalYearDays = 365.2422;
constexpr double kSunSignsPerDay = kSignCount / kTropicalYearDays;
constexpr int kPadaCount = 27 * kPadasPerNakshatra;
// A day holds at most three karanas and five padas; a window of a few days
// no more than a dozen of either. The cap only stops a runaway search.
constexpr int kMostSpans = 64;

using Position = std::function<double(double universalJd)>;

// A reduced position unwrapped around where its mean rate from a known
// moment puts it: the true position never strays from that by half a turn
// (the Moon's largest inequality is some 6 degrees, half a tithi), however
// far the search goes.
GrowingAngle UnwrappedAlongMeanRate(Position position, int count, double knownJd, double known, double ratePerDay) {
    return [position = std::move(position), count, knownJd, known, ratePerDay](double jd) {
        return UnwrapNear(position(jd), known + ratePerDay * (jd - knownJd), count);
    };
}

// The spans of a position counted in `count` divisions a turn.
std::vector<LimbSpan> SpansOf(const Position& position, int count, double ratePerDay, double fromJd, double toJd) {
    const double first = position(fromJd);
    const GrowingAngle unwrapped = UnwrappedAlongMeanRate(position, count, fromJd, first, ratePerDay);
    const double firstIndex = std::floor(first);
    std::vector<LimbSpan> spans;
    double start = FindCrossing(unwrapped, {fromJd, first, ratePerDay}, firstIndex);
    CrossingStart from{fromJd, first, ratePerDay};
    for (int n = 0; n < kMostSpans; ++n) {
        const double index = firstIndex + n;
        const double end = FindCrossing(unwrapped, from, index + 1);
        const int reduced = static_cast<int>(index) % count;
        spans.push_back({reduced < 0 ? reduced + count : reduced, start, end});
        if (end >= toJd) break;
        start = end;
        from = {end, index + 1, ratePerDay};
    }
    return spans;
}

}  // namespace

std::vector<LimbSpan> LimbSpansBetween(Limb limb, double fromJd, double toJd) {
    return SpansOf([limb](double jd) { return LimbPositionAt(limb, jd); }, LimbCount(limb), LimbMeanRatePerDay(limb),
                   fromJd, toJd);
}

std::vector<LimbSpan> PadaSpansBetween(double fromJd, double toJd) {
    const auto padas = [](double jd) { return LimbPositionAt(Limb::Nakshatra, jd) * kPadasPerNakshatra; };
    return SpansOf(padas, kPadaCount, LimbMeanRatePerDay(Limb::Nakshatra) * kPadasPerNakshatra, fromJd, toJd);
}

double SunSignPositionAt(double universalJd) {
    const double jde = EphemerisJulianDay(universalJd);
    const double sun = PanchangSunLongitudeUnreduced(jde, NutationInLongitude(jde)) + PanchangAyanamsaOffset(jde);
    const double reduced = sun - kDegreesPerTurn * std::floor(sun / kDegreesPerTurn);
    return std::min(reduced / kSignSpanDegrees, std::nextafter(static_cast<double>(kSignCount), 0.0));
}

std::vector<LimbSpan> SunSignSpansBetween(double fromJd, double toJd) {
    return SpansOf(SunSignPositionAt, kSignCount, kSunSignsPerDay, fromJd, toJd);
}

double TithiCrossingNear(double universalJd, double target) {
    const double at = LimbPositionAt(Limb::Tithi, universalJd);
    const int count = LimbCount(Limb::Tithi);
    const double rate = LimbMeanRatePerDay(Limb::Tithi);
    const GrowingAngle unwrapped = UnwrappedAlongMeanRate([](double jd) { return LimbPositionAt(Limb::Tithi, jd); },
                                                          count, universalJd, at, rate);
    return FindCrossing(unwrapped, {universalJd, at, rate}, target);
}

}  // namespace zorvane
