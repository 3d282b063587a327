#include "core/panchang/birth_yoga.h"

#include <cmath>
#include <string>

#include "core/time/angles.h"
#include "core/time/day_number.h"
#include "core/time/universal_time.h"
#include "core/time/delta_t.h"
#include "core/sky/moon_longitude.h"
#include "core/sky/nutation.h"
#include "core/sky/panchang_ayanamsa.h"
#include "core/sky/sun_longitude.h"
#include "core/panchang/yoga_names.h"

namespace zorvane {

namespace {
// Subtracted from the unreduced apparent longitudes of the Moon and the Sun,
// degrees. Together 1467 whole turns less 0.010604469 degrees.
constexpr double kMoonLongitudeOrigin = 491143.076989739;
constexpr double kSunLongitudeOrigin = 36976.912405792;
// A yoga spans 800 arc-minutes, 13 1/3 degrees: six yogas to every 80
// degrees of the summed longitudes.
constexpr double kYogasPerEightyDegrees = 6.0;
constexpr double kEightyDegrees = 80.0;
constexpr double kYogasPerTurn = 27.0;
}  // namespace

double YogaPositionOf(double moonUnreducedDegrees, double sunUnreducedDegrees, double ayanamsaDegrees) {
    const double a = (ayanamsaDegrees + moonUnreducedDegrees) - kMoonLongitudeOrigin;
    const double b = (ayanamsaDegrees + sunUnreducedDegrees) - kSunLongitudeOrigin;
    double y = (a + b) * kYogasPerEightyDegrees / kEightyDegrees;
    y = SkipWholeTurns(y, kYogasPerTurn);
    while (y < 0) y = y + kYogasPerTurn;
    while (y >= kYogasPerTurn) y = y - kYogasPerTurn;
    return y;
}

std::optional<int> YogaSlotOf(double yogaPosition) {
    const double slot = std::floor(yogaPosition);
    if (!(slot >= 0 && slot < kYogasPerTurn)) return std::nullopt;
    return static_cast<int>(slot);
}

void ComputeBirthYoga(ChartState& chart) {
    chart.YogaNames = YogaNames;
    // The time base's universal time, recomputed from its inputs.
    const double dayNumber = DayNumber(chart.ChartMonth, chart.ChartDay, chart.ChartYear);
    const double universalHours = UniversalHoursOf(chart.LocalHours, chart.ZoneHours, chart.ZoneEast);
    const double jde = EphemerisJulianDay(UniversalJulianDay(dayNumber, universalHours));
    chart.JulianEphemerisDay = jde;
    chart.PanchangAyanamsa = PanchangAyanamsaOffset(jde);

    // The Moon and the Sun share one nutation: same jde, same value.
    const double nutation = NutationInLongitude(jde);
    chart.MoonLongitudeUnreduced = PanchangMoonLongitudeUnreduced(jde, nutation);
    chart.SunLongitudeUnreduced = PanchangSunLongitudeUnreduced(jde, nutation);

    chart.YogaPosition =
        YogaPositionOf(chart.MoonLongitudeUnreduced, chart.SunLongitudeUnreduced, chart.PanchangAyanamsa);
    if (const std::optional<int> slot = YogaSlotOf(chart.YogaPosition)) {
        chart.YogaName = std::string(chart.YogaNames[static_cast<std::size_t>(*slot)]);
    }
}

}  // namespace zorvane
