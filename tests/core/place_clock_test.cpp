// Later times of a reading on the place's clock at each moment: the
// afternoon after a change of the clocks reads the new offset.
#include "core/format/place_clock.h"

#include <gtest/gtest.h>

#include <variant>

#include "core/format/reading_lines.h"
#include "core/reading/birth_input.h"
#include "core/reading/compute_reading.h"
#include "core/format/details_text.h"
#include <QDate>

namespace {

// A New York birth as the atlas fills it: zone and DST for the given offset.
zorvane::BirthRecord NewYorkRecord(int month, int day, int hour, int minute, const char* zoneHour, bool dst,
                                   bool followsAtlas) {
    zorvane::ReadingForm form;
    form.name = std::string("Asha");
    form.yearText = std::string("2023");
    form.monthIndex = month - 1;
    form.dayIndex = day - 1;
    form.dayText = std::to_string(day);
    form.hourText = std::to_string(hour);
    form.minuteText = std::to_string(minute);
    form.zoneHour = std::string(zoneHour);
    form.zoneMinute = std::string("0");
    form.daylightSaving = dst;
    form.latDegrees = std::string("40");
    form.latMinutes = std::string("43");
    form.lonDegrees = std::string("74");
    form.lonMinutes = std::string("0");
    form.eastSelected = false;
    form.westSelected = true;
    if (followsAtlas) form.place.atlasZoneId = "America/New_York";
    const auto input = zorvane::ParseForm(form, {});
    EXPECT_TRUE(std::holds_alternative<zorvane::BirthInput>(input));
    return zorvane::ComputeReading(std::get<zorvane::BirthInput>(input));
}

// The universal moments New York's clocks changed in 2023 (tz database):
// 12 March 07:00 UT (02:00 EST) and 5 November 06:00 UT (02:00 EDT).
double Ut(int month, int day, int hour) {
    constexpr double kNoonToMidnightDays = 0.5;
    constexpr double kHoursPerDay = 24.0;
    return static_cast<double>(QDate(2023, month, day).toJulianDay()) - kNoonToMidnightDays + hour / kHoursPerDay;
}

TEST(PlaceClock, LaterTimesFollowThePlacesClockWithTheOffsetBesideThem) {
    const struct {
        const char* what;
        int month, day, hour, minute;
        const char* zoneHour;
        bool dst;
        double changeJd;
        double leadBefore, leadAfter;  // hours
    } cases[] = {
        {"2023-03-12 02:30, skipped, read at -5:00", 3, 12, 2, 30, "5", false, Ut(3, 12, 7), -5, -4},
        {"2023-11-05 01:30, repeated, read at -4:00", 11, 5, 1, 30, "5", true, Ut(11, 5, 6), -4, -5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const zorvane::BirthRecord record = NewYorkRecord(c.month, c.day, c.hour, c.minute, c.zoneHour, c.dst, true);
        ASSERT_TRUE(record.details);
        const zorvane::BirthDetails& d = *record.details;
        EXPECT_EQ(d.clockLeadHours, c.leadBefore);  // whole hours: exact
        const zorvane::PlaceClock clock = zorvane::PlaceClockOf(record);
        // Sunrise, sunset and every limb's bounds, each against the offset
        // the zone history gives on its side of the change.
        std::vector<double> moments{*d.sunriseJd, *d.sunsetJd, d.tithi.startJd, d.tithi.endJd, d.nakshatra.endJd,
                                    d.yoga.endJd, d.karana.startJd, d.karana.endJd};
        int after = 0;
        for (const double jd : moments) {
            const bool later = jd >= c.changeJd;
            after += later ? 1 : 0;
            const double lead = later ? c.leadAfter : c.leadBefore;
            std::string expected = zorvane::ClockLine(jd, lead);
            if (later) expected.append(" (").append(zorvane::FormatClockLead(lead)).append(")");
            EXPECT_EQ(zorvane::PlaceClockLine(jd, clock), expected);
        }
        EXPECT_GT(after, 0);  // the day's sunset at least lies after the change
        const std::vector<zorvane::TextLine> sky = zorvane::SkyLines(d, clock);
        EXPECT_EQ(sky[4].label, "Sunset");
        EXPECT_EQ(sky[4].value, zorvane::PlaceClockLine(*d.sunsetJd, clock));

        // The zone typed by hand: the birth's offset throughout, no offsets beside.
        const zorvane::BirthRecord typed = NewYorkRecord(c.month, c.day, c.hour, c.minute, c.zoneHour, c.dst, false);
        const zorvane::PlaceClock birthClock = zorvane::PlaceClockOf(typed);
        for (const double jd : moments) {
            EXPECT_EQ(zorvane::PlaceClockLine(jd, birthClock), zorvane::ClockLine(jd, c.leadBefore));
        }
    }
}

}  // namespace
