#include "cli/calendar_output.h"

#include <nlohmann/json.hpp>

#include "cli/csv.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/time/zone_clock.h"

namespace zorvane::cli {

namespace {

constexpr std::string_view kCalendarHeader =
    "date,vara,sunrise,sunset,tithi_at_sunrise,nakshatra_at_sunrise,amanta_month,purnimanta_month,adhika,events";

std::string Moment(const std::optional<double>& jd, const ZoneOffsetAt& offsetAt) {
    return jd ? IsoMomentText(*jd, offsetAt(*jd)) : std::string();
}

std::string Tithi(const CalendarDayRow& row) {
    const int tithi = row.tithiAtSunrise + 1;
    return std::string(PakshaName(tithi)) + " " + std::string(TithiName(tithi));
}

std::string Month(int nameIndex, bool adhika) {
    return std::string(LunarMonthName(nameIndex)) + (adhika ? " (adhika)" : "");
}

std::string Events(const CalendarDayRow& row) {
    std::string text;
    for (const CalendarEvent& event : row.events) {
        if (!text.empty()) text += "; ";
        text += event.title;
    }
    return text;
}

}  // namespace

std::string CalendarCsv(const std::vector<CalendarDayRow>& rows, const ZoneOffsetAt& offsetAt) {
    std::string out(kCalendarHeader);
    out += '\n';
    for (const CalendarDayRow& row : rows) {
        const std::string fields[] = {
            IsoDateText(row.date),
            std::string(kWeekdayNames[static_cast<std::size_t>(row.weekday)]),
            Moment(row.sunriseJd, offsetAt),
            Moment(row.sunsetJd, offsetAt),
            Tithi(row),
            std::string(NakshatraNames[static_cast<std::size_t>(row.nakshatraAtSunrise)]),
            Month(row.amanta.nameIndex, false),
            Month(row.purnimanta.nameIndex, false),
            row.amanta.adhika ? "true" : "false",
            Events(row),
        };
        bool first = true;
        for (const std::string& field : fields) {
            if (!first) out += ',';
            AppendCsvField(field, out);
            first = false;
        }
        out += '\n';
    }
    return out;
}

std::string CalendarJson(const std::vector<CalendarDayRow>& rows, const ReportPlace& place, const GeoPlace& geo,
                         const ZoneOffsetAt& offsetAt) {
    nlohmann::json days = nlohmann::json::array();
    for (const CalendarDayRow& row : rows) {
        nlohmann::json events = nlohmann::json::array();
        for (const CalendarEvent& event : row.events) {
            events.push_back({{"kind", std::string(EventKindName(event.kind))}, {"title", event.title}});
        }
        days.push_back({
            {"date", IsoDateText(row.date)},
            {"vara", std::string(kWeekdayNames[static_cast<std::size_t>(row.weekday)])},
            {"sunrise", row.sunriseJd ? nlohmann::json(Moment(row.sunriseJd, offsetAt)) : nlohmann::json()},
            {"sunset", row.sunsetJd ? nlohmann::json(Moment(row.sunsetJd, offsetAt)) : nlohmann::json()},
            {"tithi_at_sunrise", Tithi(row)},
            {"nakshatra_at_sunrise", std::string(NakshatraNames[static_cast<std::size_t>(row.nakshatraAtSunrise)])},
            {"amanta_month", std::string(LunarMonthName(row.amanta.nameIndex))},
            {"purnimanta_month", std::string(LunarMonthName(row.purnimanta.nameIndex))},
            {"adhika", row.amanta.adhika},
            {"purnimanta_adhika", row.purnimanta.adhika},
            {"events", events},
        });
    }
    const nlohmann::json all = {
        {"place",
         {{"name", place.name},
          {"latitude", geo.latitudeNorthDegrees},
          {"longitude", geo.longitudeEastDegrees},
          {"zone", place.zone}}},
        {"days", days}};
    return all.dump(2) + "\n";
}

}  // namespace zorvane::cli
