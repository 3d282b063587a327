#pragma once

#include <string>
#include <vector>

#include "core/calendar/day_report.h"
#include "core/calendar/year_calendar.h"

namespace zorvane::cli {

// One row a day with the header
// date,vara,sunrise,sunset,tithi_at_sunrise,nakshatra_at_sunrise,amanta_month,purnimanta_month,adhika,events
// (times ISO on the place's clock, events joined by "; ", adhika of the amanta month).
std::string CalendarCsv(const std::vector<CalendarDayRow>& rows, const ZoneOffsetAt& offsetAt);

// The same rows as a JSON object {"place": ..., "days": [...]} with the
// header's keys, adhika true or false and events an array of
// {"kind", "title"}.
std::string CalendarJson(const std::vector<CalendarDayRow>& rows, const ReportPlace& place, const GeoPlace& geo,
                         const ZoneOffsetAt& offsetAt);

}  // namespace zorvane::cli
