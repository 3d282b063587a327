#include "panchang/birth_yoga.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/day_number.h"
#include "panchang/delta_t.h"
#include "panchang/moon_longitude.h"
#include "panchang/nutation.h"
#include "panchang/panchang_time.h"
#include "panchang/reduce_degrees.h"
#include "panchang/sun_longitude.h"
#include "panchang/yoga_names.h"

namespace zorvane {

namespace {
// Subtracted from the unreduced apparent longitudes of the Moon and the Sun,
// degrees. Together 1467 whole turns less 0.010604469 degrees.
constexpr double kMoonLongitudeOrigin = 491143.076989739;
constexpr double kSunLongitudeOrigin = 36976.912405792;
// A yoga spans 800 arc-minutes: 13 1/3 degrees, i.e. 80/6.
constexpr double kYogasPerSixDegrees = 6.0;
constexpr double kSixYogaSpansDegrees = 80.0;
constexpr double kYogasPerTurn = 27.0;
}  // namespace

double PanchangAyanamsaOffset(double jde) {
    const double T = (jde - kJ1900JulianDay) / kDaysPerJulianCentury;
    const double node = 259.183275 - 1934.14200833321 * T + 0.0020777778 * (T * T) +
                        0.0000022222222 * (T * T * T);
    const double L = 279.696678 + 36000.76892 * T + 0.0003025 * (T * T);
    const double nutationArcseconds = 1.27 * std::sin(2 * L * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
    return (nutationArcseconds - (5025.64 + 1.11 * T) * T - 80861.27) / kArcsecondsPerDegree;
}

void ComputeBirthYoga(ChartState& chart) {
    chart.YogaNames = YogaNames;
    const double jd0 = DayNumber(chart.ChartMonth, chart.ChartDay, chart.ChartYear) - 0.5;
    // Universal time by the time base's rule, the date never shifted.
    double universalHours = 0;
    if (chart.ZoneEast) {
        universalHours = chart.LocalHours - chart.ZoneHours;
    } else {
        universalHours = chart.LocalHours + chart.ZoneHours;
    }
    const double jd = jd0 + universalHours / kHoursPerDay;
    const double jde = jd + DeltaTHours(jd) / kHoursPerDay;
    chart.JulianEphemerisDay = jde;
    chart.PanchangAyanamsa = PanchangAyanamsaOffset(jde);

    // The Moon and the Sun share one nutation: same jde, same value.
    const double nutation = NutationInLongitude(jde);
    PanchangMoonLongitude(jde, nutation, chart);
    PanchangSunLongitude(jde, nutation, chart);

    const double a = (chart.PanchangAyanamsa + chart.MoonLongitudeUnreduced) - kMoonLongitudeOrigin;
    const double b = (chart.PanchangAyanamsa + chart.SunLongitudeUnreduced) - kSunLongitudeOrigin;
    double y = (a + b) * kYogasPerSixDegrees / kSixYogaSpansDegrees;
    y = SkipWholeTurns(y, kYogasPerTurn);
    while (y < 0) y = y + kYogasPerTurn;
    while (y >= kYogasPerTurn) y = y - kYogasPerTurn;
    chart.YogaPosition = y;
    const double slot = std::floor(y);
    if (slot >= 0 && slot < kYogasPerTurn) {
        chart.YogaName = std::string(chart.YogaNames[static_cast<std::size_t>(slot)]);
    }
}

}  // namespace zorvane
