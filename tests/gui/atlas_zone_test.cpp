// A zone's offset at a birth moment from the system's time-zone database,
// and what the atlas writes into the main window's boxes for it.
#include "core/zones/atlas_zone.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/atlas/atlas_fill.h"

namespace {

using zorvane::AtlasPlace;
using zorvane::ClockTimeAtChange;
using zorvane::PlaceBoxes;
using zorvane::ZoneAt;
using zorvane::ZoneAtBirth;

ZoneAtBirth At(const char* zone, int year, int month, int day, int hour = 12, int minute = 0) {
    return ZoneAt(zone, QDate(year, month, day), QTime(hour, minute));
}

// The minutes of "+h:mm".
constexpr int Minutes(int hours, int minutes) {
    return hours * 60 + (hours < 0 ? -minutes : minutes);
}

AtlasPlace PlaceAt(double latitude, double longitude) {
    AtlasPlace place;
    place.latitude = latitude;
    place.longitude = longitude;
    return place;
}

struct ZoneBoxes {
    QString hour;
    QString minute;
    bool daylightSaving;
    bool operator==(const ZoneBoxes&) const = default;
};
void PrintTo(const ZoneBoxes& z, std::ostream* os) {
    *os << '"' << z.hour.toStdString() << "\" \"" << z.minute.toStdString() << "\" DST "
        << z.daylightSaving;
}

ZoneBoxes BoxesAt(const char* zone, double longitude, int year, int month, int day, int hour = 12,
                  int minute = 0) {
    const PlaceBoxes boxes =
        zorvane::BoxesFor(PlaceAt(0.0, longitude), At(zone, year, month, day, hour, minute));
    EXPECT_TRUE(boxes.writesZone);
    return {boxes.zoneHour, boxes.zoneMinute, boxes.daylightSaving};
}

TEST(AtlasZone, OffsetsFollowEachZonesHistory) {
    const struct {
        const char* zone;
        int year, month, day;
        int offset, standard;
    } cases[] = {
        {"Europe/Madrid", 1990, 7, 1, Minutes(2, 0), Minutes(1, 0)},
        {"America/New_York", 1990, 7, 1, Minutes(-4, 0), Minutes(-5, 0)},
        {"America/New_York", 1990, 1, 15, Minutes(-5, 0), Minutes(-5, 0)},
        // Summer time all year in wartime India.
        {"Asia/Kolkata", 1943, 6, 1, Minutes(6, 30), Minutes(5, 30)},
        {"Asia/Kolkata", 1943, 12, 1, Minutes(6, 30), Minutes(5, 30)},
        {"Asia/Kolkata", 1990, 7, 1, Minutes(5, 30), Minutes(5, 30)},
        // Madras time, 5:21:10, to the nearest minute.
        {"Asia/Kolkata", 1901, 6, 1, Minutes(5, 21), Minutes(5, 21)},
        // British double summer time over winter summer time.
        {"Europe/London", 1941, 6, 1, Minutes(2, 0), 0},
        {"Europe/London", 1941, 1, 15, Minutes(1, 0), 0},
        // Summer time began on 11 March from 2007, on the first Sunday of
        // April before.
        {"America/New_York", 2006, 3, 20, Minutes(-5, 0), Minutes(-5, 0)},
        {"America/New_York", 2007, 3, 20, Minutes(-4, 0), Minutes(-5, 0)},
        {"America/St_Johns", 1990, 1, 15, Minutes(-3, 30), Minutes(-3, 30)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.zone << ' ' << c.year << '-' << c.month << '-' << c.day);
        const ZoneAtBirth zone = At(c.zone, c.year, c.month, c.day);
        ASSERT_TRUE(zone.known);
        EXPECT_EQ(zone.offsetMinutes, c.offset);
        EXPECT_EQ(zone.standardOffsetMinutes, c.standard);
        EXPECT_EQ(zone.clockTime, ClockTimeAtChange::Ordinary);
    }
}

TEST(AtlasZone, ClockTimesThatAChangeSkipsOrRepeatsAreMarked) {
    // New York, 1 April 1990: 2:00 became 3:00.
    const ZoneAtBirth skipped = At("America/New_York", 1990, 4, 1, 2, 30);
    ASSERT_TRUE(skipped.known);
    EXPECT_EQ(skipped.clockTime, ClockTimeAtChange::Skipped);
    EXPECT_EQ(skipped.offsetMinutes, Minutes(-5, 0));  // as read before the jump
    EXPECT_EQ(At("America/New_York", 1990, 4, 1, 1, 59).clockTime, ClockTimeAtChange::Ordinary);
    EXPECT_EQ(At("America/New_York", 1990, 4, 1, 3, 0).clockTime, ClockTimeAtChange::Ordinary);
    EXPECT_EQ(At("America/New_York", 1990, 4, 1, 3, 0).offsetMinutes, Minutes(-4, 0));

    // New York, 28 October 1990: 2:00 went back to 1:00.
    const ZoneAtBirth repeated = At("America/New_York", 1990, 10, 28, 1, 30);
    ASSERT_TRUE(repeated.known);
    EXPECT_EQ(repeated.clockTime, ClockTimeAtChange::Repeated);
    EXPECT_EQ(repeated.offsetMinutes, Minutes(-4, 0));  // the first time, still summer time
    EXPECT_EQ(At("America/New_York", 1990, 10, 28, 0, 59).clockTime, ClockTimeAtChange::Ordinary);
    EXPECT_EQ(At("America/New_York", 1990, 10, 28, 2, 0).clockTime, ClockTimeAtChange::Ordinary);

    // East of Greenwich too: Madrid, 25 March 1990 at 2:00 became 3:00.
    EXPECT_EQ(At("Europe/Madrid", 1990, 3, 25, 2, 30).clockTime, ClockTimeAtChange::Skipped);
    EXPECT_EQ(At("Europe/Madrid", 1990, 3, 25, 2, 30).offsetMinutes, Minutes(1, 0));
}

TEST(AtlasZone, UnknownWithoutARealDateOrAZoneTheDatabaseHolds) {
    EXPECT_FALSE(ZoneAt("Europe/Madrid", QDate(1990, 2, 31), QTime(12, 0)).known);
    EXPECT_FALSE(ZoneAt("Europe/Nowhere", QDate(1990, 2, 1), QTime(12, 0)).known);
    EXPECT_FALSE(ZoneAt("", QDate(1990, 2, 1), QTime(12, 0)).known);
}

// A chart file may carry any text as its zone: only the system's known ids
// reach the zone library, which would read any file an id leads it to (and
// wait for ever on a named pipe).
TEST(AtlasZone, OnlyTheSystemsKnownZoneIdsAreLookedUp) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zorvane-zone-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    // A real zone file outside the database, reached by climbing out of it.
    std::filesystem::copy_file("/usr/share/zoneinfo/Asia/Kolkata", folder / "zone",
                               std::filesystem::copy_options::overwrite_existing);
    const std::string climbed = "../../../.." + (folder / "zone").string();
    const struct Case {
        std::string id;
        bool known;
    } cases[] = {
        {"Asia/Kolkata", true},
        {"Europe/London", true},
        {"Asia/Kolkata/../Kolkata", false},
        {climbed, false},
        {"Asia/Kolkata\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(zorvane::IsKnownZoneId(QByteArray::fromStdString(c.id)), c.known);
        EXPECT_EQ(ZoneAt(QByteArray::fromStdString(c.id), QDate(1990, 2, 1), QTime(12, 0)).known, c.known);
    }
    std::filesystem::remove_all(folder);
}

TEST(AtlasZone, RoundsSecondsToTheNearestMinute) {
    EXPECT_EQ(zorvane::RoundToMinutes(19270), 321);    // 5:21:10
    EXPECT_EQ(zorvane::RoundToMinutes(1172), 20);      // 0:19:32, Amsterdam
    EXPECT_EQ(zorvane::RoundToMinutes(-1521), -25);    // -0:25:21, Dublin
    EXPECT_EQ(zorvane::RoundToMinutes(-17762), -296);  // -4:56:02, New York
    EXPECT_EQ(zorvane::RoundToMinutes(90), 2);
    EXPECT_EQ(zorvane::RoundToMinutes(-90), -2);
    EXPECT_EQ(zorvane::RoundToMinutes(89), 1);
    EXPECT_EQ(zorvane::RoundToMinutes(0), 0);
}

TEST(AtlasZone, TextsOfOffsetsAndNotes) {
    EXPECT_EQ(zorvane::OffsetText(Minutes(5, 30)), "+5:30");
    EXPECT_EQ(zorvane::OffsetText(Minutes(-3, 30)), "-3:30");
    EXPECT_EQ(zorvane::OffsetText(0), "0:00");
    EXPECT_EQ(zorvane::OffsetText(Minutes(14, 0)), "+14:00");
    EXPECT_EQ(zorvane::OffsetText(-25), "-0:25");
    EXPECT_EQ(zorvane::ZoneNote(At("Europe/Madrid", 1990, 7, 1)), "summer time");
    EXPECT_EQ(zorvane::ZoneNote(At("Europe/Madrid", 1990, 1, 1)), "");
    EXPECT_EQ(zorvane::ZoneNote(At("Europe/London", 1941, 6, 1)), "double summer time");
    EXPECT_EQ(zorvane::ZoneNote(At("Australia/Lord_Howe", 2020, 1, 1)), "summer time +0:30");
    EXPECT_EQ(zorvane::ZoneNote(At("America/New_York", 1990, 10, 28, 1, 30)),
              "summer time; clock time repeated");
    EXPECT_EQ(zorvane::ZoneNote(At("America/New_York", 1990, 4, 1, 2, 30)), "clock time skipped");
}

TEST(AtlasFill, AOneHourSummerTimeGoesInAsTheStandardOffsetWithDst) {
    EXPECT_EQ(BoxesAt("Europe/Madrid", -3.7, 1990, 7, 1), (ZoneBoxes{"+1", "0", true}));
    EXPECT_EQ(BoxesAt("Europe/Madrid", -3.7, 1990, 1, 15), (ZoneBoxes{"+1", "0", false}));
    EXPECT_EQ(BoxesAt("America/New_York", -74.0, 1990, 7, 1), (ZoneBoxes{"5", "0", true}));
    EXPECT_EQ(BoxesAt("America/New_York", -74.0, 1990, 1, 15), (ZoneBoxes{"5", "0", false}));
    EXPECT_EQ(BoxesAt("Asia/Kolkata", 88.4, 1943, 6, 1), (ZoneBoxes{"+5", "30", true}));
    EXPECT_EQ(BoxesAt("Asia/Kolkata", 88.4, 1990, 6, 1), (ZoneBoxes{"+5", "30", false}));
    EXPECT_EQ(BoxesAt("Europe/London", -0.1, 1941, 1, 15), (ZoneBoxes{"0", "0", true}));
}

TEST(AtlasFill, AnyOtherSavingGoesInWholeWithoutDst) {
    // Double summer time, half an hour, and Ireland's winter (the clocks
    // put back from its standard time).
    EXPECT_EQ(BoxesAt("Europe/London", -0.1, 1941, 6, 1), (ZoneBoxes{"+2", "0", false}));
    EXPECT_EQ(BoxesAt("Australia/Lord_Howe", 159.1, 2020, 1, 1), (ZoneBoxes{"+11", "0", false}));
    EXPECT_EQ(BoxesAt("America/St_Johns", -52.7, 1988, 7, 1), (ZoneBoxes{"1", "30", false}));
    EXPECT_EQ(BoxesAt("Europe/Dublin", -6.3, 2000, 1, 15), (ZoneBoxes{"0", "0", false}));
}

TEST(AtlasFill, ZonesBehindUniversalTimeKeepTheMinuteBoxAMagnitude) {
    EXPECT_EQ(BoxesAt("America/St_Johns", -52.7, 1990, 1, 15), (ZoneBoxes{"3", "30", false}));
    EXPECT_EQ(BoxesAt("America/St_Johns", -52.7, 1990, 7, 1), (ZoneBoxes{"3", "30", true}));
    EXPECT_EQ(BoxesAt("Pacific/Kiritimati", -157.4, 2020, 1, 1), (ZoneBoxes{"+14", "0", false}));
    EXPECT_EQ(BoxesAt("Pacific/Auckland", 174.8, 2020, 1, 1), (ZoneBoxes{"+12", "0", true}));
}

// The western Aleutians keep the zone of Adak, ten hours behind, at 173° E.
// The "-" says "behind at an eastern longitude", so the zone is written.
TEST(AtlasFill, AZoneBehindAtAnEasternLongitudeIsWrittenWithItsMinus) {
    const PlaceBoxes attu =
        zorvane::BoxesFor(PlaceAt(52.9, 173.2), At("America/Adak", 2020, 1, 15));
    EXPECT_TRUE(attu.writesZone);
    EXPECT_TRUE(attu.zoneBehindAtEasternLongitude);
    EXPECT_EQ(attu.zoneHour, "-10");
    EXPECT_EQ(attu.zoneMinute, "0");
    EXPECT_TRUE(attu.east);
    EXPECT_EQ(attu.lonDegrees, "173");
    EXPECT_EQ(BoxesAt("America/Adak", -176.6, 2020, 1, 15), (ZoneBoxes{"10", "0", false}));
}

TEST(AtlasFill, TheAppliedZoneNamesItsOffsetAndSummerTime) {
    EXPECT_EQ(zorvane::AppliedZoneText("Europe/London", At("Europe/London", 1941, 6, 1)),
              "Europe/London +2:00, double summer time");
    EXPECT_EQ(zorvane::AppliedZoneText("Asia/Kolkata", At("Asia/Kolkata", 1990, 8, 15)),
              "Asia/Kolkata +5:30");
}

TEST(AtlasFill, WithoutAKnownOffsetOnlyTheCoordinatesAreWritten) {
    const PlaceBoxes boxes = zorvane::BoxesFor(
        PlaceAt(40.4165, -3.7026), ZoneAt("Europe/Madrid", QDate(1990, 2, 30), QTime(12, 0)));
    EXPECT_FALSE(boxes.writesZone);
    EXPECT_EQ(boxes.latDegrees, "40");
    EXPECT_EQ(boxes.lonMinutes, "42");
}

TEST(AtlasFill, CoordinatesRoundToTheNearestMinuteWithTheirDirections) {
    const PlaceBoxes madrid = zorvane::BoxesFor(PlaceAt(40.4165, -3.7026), {});
    EXPECT_EQ(madrid.latDegrees, "40");
    EXPECT_EQ(madrid.latMinutes, "25");
    EXPECT_TRUE(madrid.north);
    EXPECT_EQ(madrid.lonDegrees, "3");
    EXPECT_EQ(madrid.lonMinutes, "42");
    EXPECT_FALSE(madrid.east);

    const PlaceBoxes south = zorvane::BoxesFor(PlaceAt(-33.0153, 27.9116), {});
    EXPECT_EQ(south.latDegrees, "33");
    EXPECT_EQ(south.latMinutes, "1");
    EXPECT_FALSE(south.north);
    EXPECT_TRUE(south.east);

    // 59.995 minutes carry into the next degree.
    const PlaceBoxes carried = zorvane::BoxesFor(PlaceAt(10.99992, -179.99995), {});
    EXPECT_EQ(carried.latDegrees, "11");
    EXPECT_EQ(carried.latMinutes, "0");
    EXPECT_EQ(carried.lonDegrees, "180");
    EXPECT_EQ(carried.lonMinutes, "0");

    EXPECT_EQ(zorvane::LatitudeText(40.4165), "40 N 25");
    EXPECT_EQ(zorvane::LongitudeText(-3.7026), "3 W 42");
    EXPECT_EQ(zorvane::LatitudeText(-33.0153), "33 S 01");
    EXPECT_EQ(zorvane::LongitudeText(88.3630), "88 E 22");
}

}  // namespace
