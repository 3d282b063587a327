// The lunar calendar: months, adhika, sankranti, the year's names and
// events against the published calendar of 2023 for India, and the
// iCalendar file read back with libical's own parser.
#include <gtest/gtest.h>

#include <libical/ical.h>

#include <map>
#include <string>
#include <vector>

#include "core/calendar/calendar_ics.h"
#include "core/calendar/day_calendar.h"
#include "core/calendar/year_calendar.h"
#include "core/time/zone_clock.h"
#include "core/zones/atlas_zone.h"

namespace zorvane {
namespace {

const GeoPlace kNewDelhi{28.6139, 77.2090};
int India(double) { return 330; }

std::map<std::string, CalendarDayRow> ByDate(const std::vector<CalendarDayRow>& rows) {
    std::map<std::string, CalendarDayRow> byDate;
    for (const CalendarDayRow& row : rows) byDate[IsoDateText(row.date)] = row;
    return byDate;
}

std::string Titles(const CalendarDayRow& row) {
    std::string text;
    for (const CalendarEvent& event : row.events) text += (text.empty() ? "" : "; ") + event.title;
    return text;
}

// 2023 had an adhika Shravana from 18 July to 16 August (amanta), the
// Sun staying in Karka from one new moon to the next.
TEST(LunarCalendar, TheAdhikaShravanaOf2023) {
    const auto days = ByDate(ComputeCalendar(2023, 0, kNewDelhi, India));
    ASSERT_EQ(days.size(), 365U);
    struct Expected {
        const char* date;
        const char* amanta;
        bool adhika;
        const char* purnimanta;
    };
    const Expected expected[] = {
        {"2023-07-17", "Ashadha", false, "Shravana"},  {"2023-07-18", "Shravana", true, "Shravana"},
        {"2023-08-01", "Shravana", true, "Shravana"},  {"2023-08-16", "Shravana", true, "Shravana"},
        {"2023-08-17", "Shravana", false, "Shravana"}, {"2023-09-01", "Shravana", false, "Bhadrapada"},
    };
    for (const Expected& e : expected) {
        const CalendarDayRow& row = days.at(e.date);
        EXPECT_EQ(LunarMonthName(row.amanta.nameIndex), e.amanta) << e.date;
        EXPECT_EQ(row.amanta.adhika, e.adhika) << e.date;
        EXPECT_EQ(LunarMonthName(row.purnimanta.nameIndex), e.purnimanta) << e.date;
    }
    int adhikaDays = 0;
    for (const auto& [date, row] : days) adhikaDays += row.amanta.adhika ? 1 : 0;
    EXPECT_EQ(adhikaDays, 30);
}

// Days of 2023 as the national almanacs print them for India: the month
// starts (Chaitra Shukla Pratipada on 22 March), the sankrantis (Makara
// Sankranti on 14 January), Ekadashis, Purnima and Amavasya.
TEST(LunarCalendar, EventsOf2023AtNewDelhi) {
    const auto days = ByDate(ComputeCalendar(2023, 0, kNewDelhi, India));
    const std::pair<const char*, const char*> expected[] = {
        {"2023-01-14", "Makara Sankranti"},
        {"2023-03-21", "Amavasya"},
        {"2023-03-22", "Chaitra begins"},
        {"2023-04-14", "Mesha Sankranti"},
        {"2023-07-03", "Purnima"},
        {"2023-07-13", "Krishna Ekadashi"},
        {"2023-07-18", "Shravana begins (adhika)"},
        {"2023-07-29", "Shukla Ekadashi"},
        {"2023-08-01", "Purnima"},
        {"2023-08-17", "Shravana begins; Simha Sankranti"},
        {"2023-11-23", "Shukla Ekadashi"},
    };
    for (const auto& [date, titles] : expected) EXPECT_EQ(Titles(days.at(date)), titles) << date;
    int ekadashis = 0;
    int sankrantis = 0;
    for (const auto& [date, row] : days) {
        for (const CalendarEvent& event : row.events) {
            ekadashis += event.kind == CalendarEventKind::Ekadashi ? 1 : 0;
            sankrantis += event.kind == CalendarEventKind::Sankranti ? 1 : 0;
        }
    }
    // 13 lunar months in 2023 with the adhika one: 24 to 26 Ekadashis.
    EXPECT_GE(ekadashis, 24);
    EXPECT_LE(ekadashis, 26);
    EXPECT_EQ(sankrantis, 12);
}

TEST(LunarCalendar, YearNamesTurnAtChaitra) {
    struct Case {
        int year, month, lunarMonth;
        int shaka;
        const char* samvatsara;
    };
    // Shaka 1944 Shubhakrit until Chaitra 2023, then 1945 Shobhakrit, and
    // 1946 Krodhi from Chaitra 2024.
    const Case cases[] = {
        {2023, 3, 11, 1944, "Shubhakrit"}, {2023, 3, 0, 1945, "Shobhakrit"}, {2023, 12, 8, 1945, "Shobhakrit"},
        {2024, 1, 9, 1945, "Shobhakrit"},  {2024, 4, 0, 1946, "Krodhi"},
    };
    for (const Case& c : cases) {
        const int shaka = ShakaYearOf(c.year, c.month, c.lunarMonth);
        EXPECT_EQ(shaka, c.shaka);
        EXPECT_EQ(SamvatsaraName(SamvatsaraIndexOf(shaka)), c.samvatsara);
    }
    EXPECT_EQ(RituName(RituIndexOf(4)), "Varsha");  // Shravana
    EXPECT_TRUE(IsUttarayana(9));                    // Makara
    EXPECT_FALSE(IsUttarayana(3));                   // Karka
}

// The file is read back by libical's parser without an error property, every
// event with its date, and libical's own restriction check passes.
TEST(CalendarIcs, LibicalReadsBackEveryEvent) {
    const std::vector<CalendarDayRow> rows = ComputeCalendar(2023, 7, kNewDelhi, India);
    std::size_t eventCount = 0;
    for (const CalendarDayRow& row : rows) eventCount += row.events.size();
    ASSERT_GT(eventCount, 4U);
    const std::string text = CalendarEventsIcs(rows, "New Delhi", {2026, 1, 2, 3, 4, 5});
    EXPECT_NE(text.find("\r\n"), std::string::npos);

    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(icalcomponent_isa(calendar), ICAL_VCALENDAR_COMPONENT);
    EXPECT_EQ(icalcomponent_count_errors(calendar), 0);
    EXPECT_EQ(icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT), static_cast<int>(eventCount));
    EXPECT_EQ(icalrestriction_check(calendar), 1);
    icalcomponent* first = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
    ASSERT_NE(first, nullptr);
    const icaltimetype start = icalcomponent_get_dtstart(first);
    EXPECT_TRUE(start.is_date);
    EXPECT_EQ(start.month, 7);
    EXPECT_STREQ(icaltime_as_ical_string(icalcomponent_get_dtstamp(first)), "20260102T030405Z");
    icalcomponent_free(calendar);
}

// The atlas's zone moves with its history inside a day: London goes to
// summer time at 01:00 UT on 26 March 2023.
TEST(ZoneOffsetFunction, FollowsTheZoneHistory) {
    const auto london = ZoneOffsetFunction("Europe/London");
    const double change = 2460029.5 + 1.0 / 24;  // 2023-03-26 01:00 UT
    EXPECT_EQ(london(change - 1.0 / 1440), 0);
    EXPECT_EQ(london(change + 1.0 / 1440), 60);
    EXPECT_EQ(ZoneOffsetFunction("Asia/Kolkata")(change), 330);
    EXPECT_EQ(ZoneOffsetFunction("No/Such_Zone")(change), 0);
}

}  // namespace
}  // namespace zorvane
