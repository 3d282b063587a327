#include "core/sky/time_base.h"

#include <cmath>

#include "core/time/angles.h"
#include "core/time/day_number.h"
#include "core/sky/sidereal_moon.h"
#include "core/time/universal_time.h"

namespace zorvane {

void PrepareTimeBase(const BirthData& birth, ChartState& chart) {
    chart.DegToRad = kDegToRad;
    chart.RadToDeg = kRadToDeg;
    chart.ChartMonth = birth.Month;
    chart.ChartDay = birth.Day;
    chart.ChartYear = birth.Year;
    constexpr double kSecondsPerHour = 3600.0;
    chart.LocalHours = birth.Hour + birth.Minute / kMinutesPerHour + birth.Second / kSecondsPerHour;
    chart.ZoneHours = birth.ZoneHour + birth.ZoneMinute / kMinutesPerHour + birth.ZoneSecond / kSecondsPerHour;
    chart.LongitudeWest = birth.LonDegrees + birth.LonMinutes / kMinutesPerDegree;
    if (birth.LonEast) {
        chart.LongitudeWest = -chart.LongitudeWest;
    }
    // A zone typed with "+" lies East and one typed with "-" West whatever
    // the longitude; otherwise the longitude's hemisphere decides, and
    // exactly 0 counts as West.
    chart.ZoneEast = !birth.ZoneBehindUniversalTime &&
                     (birth.ZoneAheadOfUniversalTime || chart.LongitudeWest < 0);
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
    chart.UniversalHours = UniversalHoursOf(chart.LocalHours, chart.ZoneHours, chart.ZoneEast);
    chart.Centuries = CenturiesSinceJ2000(chart.JulianDayNumber, chart.UniversalHours);
    chart.Ayanamsa = AyanamsaOffset(chart.Centuries);
}

}  // namespace zorvane
