#include "core/calendar/calendar_ics.h"

#include <libical/ical.h>

#include <memory>

#include "core/calendar/lunar_month.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"

namespace zorvane {

namespace {

constexpr std::string_view kProductId = "-//Zorvane//Panchang calendar//EN";
constexpr std::string_view kUidDomain = "@zorvane.panchang";

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype DateValue(const CivilDate& date) {
    icaltimetype value = icaltime_null_date();
    value.year = date.year;
    value.month = date.month;
    value.day = date.day;
    return value;
}

// Letters and digits of a place's name for a UID; others become '-'.
std::string UidPart(std::string_view text) {
    std::string part;
    for (const char c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        part += plain ? c : '-';
    }
    return part;
}

std::string Description(const CalendarDayRow& row, std::string_view placeName) {
    const int tithi = row.tithiAtSunrise + 1;
    std::string text = "At sunrise in " + std::string(placeName) + ": " + std::string(PakshaName(tithi)) + " " +
                       std::string(TithiName(tithi)) + ", " +
                       std::string(NakshatraNames[static_cast<std::size_t>(row.nakshatraAtSunrise)]) +
                       "; amanta " + std::string(LunarMonthName(row.amanta.nameIndex)) +
                       (row.amanta.adhika ? " (adhika)" : "") + ", purnimanta " +
                       std::string(LunarMonthName(row.purnimanta.nameIndex)) +
                       (row.purnimanta.adhika ? " (adhika)" : "") + ".";
    return text;
}

}  // namespace

std::string CalendarEventsIcs(const std::vector<CalendarDayRow>& rows, std::string_view placeName,
                              const UtcStamp& stamp) {
    const Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(std::string(kProductId).c_str()));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));

    icaltimetype dtstamp = icaltime_null_time();
    dtstamp.year = stamp.year;
    dtstamp.month = stamp.month;
    dtstamp.day = stamp.day;
    dtstamp.hour = stamp.hour;
    dtstamp.minute = stamp.minute;
    dtstamp.second = stamp.second;
    dtstamp = icaltime_set_timezone(&dtstamp, icaltimezone_get_utc_timezone());

    const std::string place = UidPart(placeName);
    for (const CalendarDayRow& row : rows) {
        for (const CalendarEvent& event : row.events) {
            icalcomponent* vevent = icalcomponent_new_vevent();
            const icaltimetype start = DateValue(row.date);
            icaltimetype end = start;
            icaltime_adjust(&end, 1, 0, 0, 0);
            const std::string uid = IsoDateText(row.date) + "-" + std::string(EventKindName(event.kind)) + "-" +
                                    place + std::string(kUidDomain);
            icalcomponent_add_property(vevent, icalproperty_new_uid(uid.c_str()));
            icalcomponent_add_property(vevent, icalproperty_new_dtstamp(dtstamp));
            icalcomponent_add_property(vevent, icalproperty_new_dtstart(start));
            icalcomponent_add_property(vevent, icalproperty_new_dtend(end));
            icalcomponent_add_property(vevent, icalproperty_new_summary(event.title.c_str()));
            icalcomponent_add_property(vevent, icalproperty_new_description(Description(row, placeName).c_str()));
            icalcomponent_add_property(vevent,
                                       icalproperty_new_categories(std::string(EventKindName(event.kind)).c_str()));
            icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
            icalcomponent_add_component(calendar.get(), vevent);
        }
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string out = text != nullptr ? text : "";
    icalmemory_free_buffer(text);
    return out;
}

}  // namespace zorvane
