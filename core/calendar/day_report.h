#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "core/calendar/day_calendar.h"
#include "core/panchang/day_panchang.h"
#include "core/text/wording.h"

namespace zorvane {

// Where a day was asked for, as it is shown.
struct ReportPlace {
    std::string name;  // the atlas's name, or "" for typed coordinates
    std::string zone;  // the atlas's zone ("Asia/Kolkata"), or the typed offset ("+05:30")
};

// A day's panchang with its place in the lunar year, ready to show.
struct DayReport {
    DayPanchang day;
    CalendarDay calendar;
    ReportPlace place;
    ZoneOffsetAt offsetAt;
};

// The day of a date at a place, or nothing where the Sun does not rise (the
// note says why).
struct DayReportResult {
    std::optional<DayReport> report;
    SunNote sunNote = SunNote::None;
};
DayReportResult ComputeDayReport(const CivilDate& date, const GeoPlace& place, const ReportPlace& shown,
                                 const ZoneOffsetAt& offsetAt);

// The moment on the place's clock, "2023-07-20T05:34:12+05:30".
std::string ReportMoment(const DayReport& report, double universalJd);

// The day as one JSON object: date, place, sunrise, sunset, moonrise,
// moonset, vara, limbs (tithi, nakshatra with its padas, yoga, karana, each
// with number, name, start and end), periods, choghadiya, hora, sun_sign,
// sankranti, lunar_month, paksha, ritu, ayana, shaka_year, vikrama_year,
// samvatsara. Times to the second on the place's clock.
nlohmann::ordered_json DayReportJson(const DayReport& report);

// The same readably, one line a fact, clock times to the minute, worded in
// the wording's language (English by default; JSON stays English). A time
// whose clock offset is not the one at sunrise (a clock change that day)
// carries its offset: "03:12 +01:00".
std::string DayReportText(const DayReport& report, const Wording& wording = {});

// One line of a table of the day: what, and when (or the value).
struct ReportLine {
    std::string what;
    std::string value;
};
std::vector<ReportLine> DayReportLines(const DayReport& report, const Wording& wording = {});

// The line that heads the text: "Panchang of 2023-07-20 at New Delhi, India
// (28.6139 N, 77.2090 E, Asia/Kolkata)".
std::string DayReportHeading(const DayReport& report, const Wording& wording = {});

// The line that ends it: on whose clock the times are and how long the day is.
std::string DayReportFooter(const Wording& wording = {});

// The zone the day's times are read on, for a heading: "Asia/Kolkata, +05:30",
// both offsets where the clock changes that day ("Europe/London, +00:00/+01:00").
std::string DayReportZone(const DayReport& report);

}  // namespace zorvane
