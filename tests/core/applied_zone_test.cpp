// The zone as applied: the sign rule, the offset texts and the sentence that
// heads every reading.
#include <gtest/gtest.h>

#include "core/zones/applied_zone.h"
#include "core/zones/zone_offset_text.h"
#include "core/zones/zone_table.h"

namespace {

using zorvane::AppliedZone;
using zorvane::ZoneSign;
using zorvane::ZoneSource;

constexpr int kHour = 3600;  // seconds
constexpr int kMinute = 60;  // seconds

TEST(ZoneSignRule, ASignDecidesTheSideAndNoSignFollowsTheLongitude) {
    const struct {
        const char* hourText;
        bool east;
        int hours, minutes;
        int offsetSeconds;
    } cases[] = {
        {"5", true, 5, 30, 5 * kHour + 30 * kMinute},
        {"5", false, 5, 0, -5 * kHour},
        {"+5", false, 5, 30, 5 * kHour + 30 * kMinute},  // India's zone typed for a western place
        {"-5", true, 5, 0, -5 * kHour},                   // the minus is not dropped at an East longitude
        {" -10", true, 10, 0, -10 * kHour},               // western Aleutians, 173 E
        {"-5", false, 5, 0, -5 * kHour},                  // West of Greenwich nothing changes
        {"+0", false, 0, 30, 30 * kMinute},
        {"", true, 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zorvane::ZoneOffsetSeconds(zorvane::ZoneSignOf(c.hourText), c.east, c.hours, c.minutes),
                  c.offsetSeconds)
            << c.hourText << (c.east ? " E" : " W");
    }
    EXPECT_EQ(zorvane::ZoneSignOf("x+5"), ZoneSign::None);
}

TEST(ZoneSignRule, OffsetTextsShowSecondsOnlyWhenThereAreAny) {
    EXPECT_EQ(zorvane::SignedOffsetText(5 * kHour + 53 * kMinute + 20), "+5:53:20");
    EXPECT_EQ(zorvane::SignedOffsetText(-(3 * kHour + 30 * kMinute)), "-3:30");
    EXPECT_EQ(zorvane::SignedOffsetText(0), "0:00");
    EXPECT_EQ(zorvane::SignedZoneTexts(-10 * kHour).hour, "-10");
    EXPECT_EQ(zorvane::SignedZoneTexts(-30 * kMinute).hour, "-0");
    EXPECT_EQ(zorvane::SignedZoneTexts(-30 * kMinute).minute, "30");
    EXPECT_EQ(zorvane::SignedZoneTexts(0).hour, "0");
}

// Every picker row writes boxes that, read by the sign rule at either
// longitude, give the row's own offset (its hour and minute values are
// positive behind universal time).
TEST(ZoneSignRule, EveryPickerRowKeepsItsSideAtBothLongitudes) {
    for (const zorvane::TimeZoneRow& row : zorvane::TimeZoneTable) {
        const zorvane::ZoneBoxTexts boxes = zorvane::BoxTextsFor(row);
        const int expected = -(row.hourWritten * kHour + row.minuteWritten * kMinute);
        for (const bool east : {true, false}) {
            EXPECT_EQ(zorvane::ZoneOffsetSeconds(zorvane::ZoneSignOf(boxes.hour), east, std::stoi(boxes.hour),
                                                 std::stoi(boxes.minute)),
                      expected)
                << row.listText << (east ? " E" : " W");
        }
    }
}

TEST(AppliedZoneSentence, SaysTheOffsetAndHowItIsMade) {
    const struct {
        AppliedZone zone;
        const char* sentence;
    } cases[] = {
        {{5 * kHour + 30 * kMinute, true, ZoneSource::Typed, "", ""},
         "+6:30 from UT = zone +5:30 and DST +1:00 (typed)"},
        {{-5 * kHour, true, ZoneSource::Atlas, "America/New_York", ""},
         "-4:00 from UT = zone -5:00 and DST +1:00 (from the atlas America/New_York)"},
        {{2 * kHour, false, ZoneSource::Atlas, "Europe/London", "double summer time"},
         "+2:00 from UT = zone +2:00, no DST (from the atlas Europe/London; double summer time)"},
        {{4 * kHour + 51 * kMinute, false, ZoneSource::ClockStandard, "Bombay Time", ""},
         "+4:51 from UT = zone +4:51, no DST (Bombay Time)"},
        {{-10 * kHour, false, ZoneSource::ChartFile, "", ""}, "-10:00 from UT = zone -10:00, no DST (from the chart file)"},
        {{5 * kHour + 30 * kMinute, false, ZoneSource::Picker, "", ""},
         "+5:30 from UT = zone +5:30, no DST (from the time-zone list)"},
        // Tromsø in June with DST ticked, then IST picked: said plainly.
        {{5 * kHour + 30 * kMinute, true, ZoneSource::Picker, "", ""},
         "+6:30 from UT = zone +5:30 and DST +1:00 (from the time-zone list). DST adds summer time on top "
         "of the picked zone, whose row already holds its full offset"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zorvane::AppliedZoneSentence(c.zone), c.sentence);
    }
}

}  // namespace
