#include "ephemeris/time_base.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/day_number.h"

namespace zorvane {

namespace {
constexpr double kJ2000DayNumber = 2451545.0;  // 2000 January 1.5
}  // namespace

double AyanamsaOffset(double T) {
    // Mean node and the Sun's mean longitude in degrees.
    const double node = 125.044555 - 1934.1361849 * T + 0.0020762 * (T * T);
    const double sunMeanLongitude = 280.466449 + 36000.7698231 * T + 0.0003106 * (T * T);
    // Nutation terms in arc-seconds; the second takes sin L, not sin 2L.
    const double nutationArcseconds =
        17.23 * std::sin(node * kDegToRad) + 1.27 * std::sin(sunMeanLongitude * kDegToRad);
    return (nutationArcseconds - (5025.64 * T + 1.11 * (T * T)) - 85886.27) /
           kArcsecondsPerDegree;
}

void PrepareTimeBase(const BirthData& birth, ChartState& chart) {
    chart.DegToRad = kDegToRad;
    chart.RadToDeg = kRadToDeg;
    chart.ChartMonth = birth.Month;
    chart.ChartDay = birth.Day;
    chart.ChartYear = birth.Year;
    chart.LocalHours = birth.Hour + birth.Minute / kMinutesPerHour;
    chart.ZoneHours = birth.ZoneHour + birth.ZoneMinute / kMinutesPerHour;
    chart.LongitudeWest = birth.LonDegrees + birth.LonMinutes / kMinutesPerDegree;
    if (birth.LonEast) {
        chart.LongitudeWest = -chart.LongitudeWest;
    }
    // A zone typed with "+" lies East whatever the longitude; otherwise the
    // longitude's hemisphere decides, and exactly 0 counts as West.
    chart.ZoneEast = birth.ZoneAheadOfUniversalTime || chart.LongitudeWest < 0;
    // Either way summer time means one hour less of universal time.
    if (birth.DaylightSaving) {
        if (chart.ZoneEast) {
            chart.ZoneHours = chart.ZoneHours + 1;
        } else {
            chart.ZoneHours = chart.ZoneHours - 1;
        }
    }
    chart.JulianDayNumber = DayNumber(chart.ChartMonth, chart.ChartDay, chart.ChartYear);
    // The date is never shifted, so universal time may fall outside 0..24.
    if (chart.ZoneEast) {
        chart.UniversalHours = chart.LocalHours - chart.ZoneHours;
    } else {
        chart.UniversalHours = chart.LocalHours + chart.ZoneHours;
    }
    chart.Centuries = (chart.JulianDayNumber - kJ2000DayNumber + chart.UniversalHours / kHoursPerDay - 0.5) /
                      kDaysPerJulianCentury;
    chart.Ayanamsa = AyanamsaOffset(chart.Centuries);
}

}  // namespace zorvane
