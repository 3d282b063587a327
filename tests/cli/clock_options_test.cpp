// zorvane-cli's clock: --clock standards, --repeated at a change of the
// clocks, the applied zone in every output, explicit zone signs, and the
// shapes of --date and --time.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::RunCli;
using cli_test::RunResult;
using Json = nlohmann::json;

constexpr int kSuccess = 0;
constexpr int kUsage = 2;
constexpr int kRefused = 3;
// universal_hours is a sum of a few doubles of the clock and zone.
constexpr double kHoursTolerance = 1e-9;

Json ReadingAt(const std::vector<std::string>& arguments) {
    std::vector<std::string> all = arguments;
    all.insert(all.end(), {"--format", "json"});
    const RunResult result = RunCli(all);
    EXPECT_EQ(result.exitStatus, kSuccess) << result.err;
    const Json json = Json::parse(result.out);
    return json.contains("reading") ? json["reading"] : json;
}

// Mumbai, 10 March 1950, 10:00: the karana is Vishti at India's +5:30 and
// Bava at Bombay's +4:51; Kolkata in 1940 kept +5:53:20.
TEST(ClockOption, EachStandardGivesItsOffsetAndItsNames) {
    const struct {
        std::vector<std::string> arguments;
        const char* zoneApplied;
        double universalHours;
        const char* karana;
    } cases[] = {
        {{"--place", "Mumbai", "--date", "1950-03-10", "--time", "10:00", "--clock", "bombay"},
         "+4:51 from UT = zone +4:51, no DST (Bombay Time)", 10 - (4 + 51 / 60.0), "Bava"},
        {{"--place", "Mumbai", "--date", "1950-03-10", "--time", "10:00"},
         "+5:30 from UT = zone +5:30, no DST (from the atlas Asia/Kolkata)", 4.5, "Vishti"},
        {{"--place", "Mumbai", "--date", "1950-03-10", "--time", "10:00", "--clock", "tz"},
         "+5:30 from UT = zone +5:30, no DST (from the atlas Asia/Kolkata)", 4.5, "Vishti"},
        {{"--place", "Kolkata", "--date", "1940-03-10", "--time", "10:00", "--clock", "calcutta"},
         "+5:53:20 from UT = zone +5:53:20, no DST (Calcutta Time)", 10 - (5 + 53 / 60.0 + 20 / 3600.0), nullptr},
    };
    for (const auto& c : cases) {
        const Json reading = ReadingAt(c.arguments);
        EXPECT_EQ(reading["zone_applied"], c.zoneApplied);
        EXPECT_NEAR(reading["universal_hours"].get<double>(), c.universalHours, kHoursTolerance) << c.zoneApplied;
        if (c.karana != nullptr) {
            EXPECT_EQ(reading["details"]["karana_name"], c.karana);
        }
        EXPECT_TRUE(reading["clock_note"].is_string()) << "an Indian birth before 1956 names its clocks";
    }
}

TEST(ClockOption, AStandardOutsideItsYearsOrPlacesIsRefused) {
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* complaint;
    } cases[] = {
        {{"--place", "Mumbai", "--date", "1950-03-10", "--time", "10:00", "--clock", "calcutta"}, kRefused,
         "--clock calcutta: Calcutta Time was kept by Kolkata and Howrah, until 1948; not in 1950"},
        {{"--place", "Mumbai", "--date", "1960-03-10", "--time", "10:00", "--clock", "bombay"}, kRefused,
         "not in 1960"},
        {{"--place", "Mumbai", "--date", "1950-03-10", "--time", "10:00", "--clock", "war"}, kRefused, "not in 1950"},
        {{"--place", "Mumbai", "--date", "1950-03-10", "--time", "10:00", "--clock", "ist"}, kUsage,
         "--clock takes bombay, calcutta, madras, war, lmt or tz"},
        {{"--date", "1950-03-10", "--time", "10:00", "--zone", "5:30", "--lon", "72:49E", "--clock", "bombay"}, kUsage,
         "--clock and --repeated go with --place"},
        {{"--place", "New York", "--date", "2023-11-05", "--time", "01:30", "--repeated", "first"}, kUsage,
         "--repeated takes earlier or later"},
    };
    for (const auto& c : cases) {
        const RunResult result = RunCli(c.arguments);
        EXPECT_EQ(result.exitStatus, c.status) << result.err;
        EXPECT_NE(result.err.find(c.complaint), std::string::npos) << result.err;
    }
}

// New York: 02:30 on 12 March 2023 never happened, 01:30 on 5 November
// 2023 happened twice.
TEST(RepeatedOption, ChoosesTheOffsetAtAChangeAndSaysWhatHappened) {
    const struct {
        const char* date;
        const char* time;
        const char* choice;  // nullptr: the default
        double universalHours;
        const char* noteStart;
    } cases[] = {
        {"2023-03-12", "02:30", nullptr, 7.5, "02:30 did not exist on 2023-03-12: the clocks went from -5:00 to -4:00"},
        {"2023-03-12", "02:30", "later", 6.5, "02:30 did not exist"},
        {"2023-11-05", "01:30", nullptr, 5.5, "01:30 came twice on 2023-11-05, first at -4:00, then at -5:00"},
        {"2023-11-05", "01:30", "earlier", 5.5, "01:30 came twice"},
        {"2023-11-05", "01:30", "later", 6.5, "01:30 came twice"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"--place", "New York", "--date", c.date, "--time", c.time};
        if (c.choice != nullptr) arguments.insert(arguments.end(), {"--repeated", c.choice});
        const Json reading = ReadingAt(arguments);
        EXPECT_NEAR(reading["universal_hours"].get<double>(), c.universalHours, kHoursTolerance) << c.date;
        ASSERT_TRUE(reading["clock_note"].is_string()) << c.date;
        EXPECT_EQ(reading["clock_note"].get<std::string>().rfind(c.noteStart, 0), 0U) << reading["clock_note"];
    }
    EXPECT_TRUE(ReadingAt({"--place", "New York", "--date", "2023-06-01", "--time", "12:00"})["clock_note"].is_null());
}

// The text's later times are on New York's clock at each moment: the
// morning after the clocks went forward, with the new offset beside it.
TEST(RepeatedOption, LaterTimesAreOnThePlacesClock) {
    const struct {
        const char* date;
        const char* time;
        const char* sunriseMark;  // how the sunrise line ends; "" for no offset beside it
    } cases[] = {
        {"2023-03-12", "02:30", " (-4:00)\n"},
        {"2023-11-05", "01:30", " (-5:00)\n"},
        {"2023-06-01", "12:00", ""},  // no change that day
    };
    for (const auto& c : cases) {
        const RunResult result = RunCli({"--place", "New York", "--date", c.date, "--time", c.time});
        EXPECT_EQ(result.exitStatus, kSuccess) << result.err;
        const std::size_t sunrise = result.out.find("Sunrise: ");
        ASSERT_NE(sunrise, std::string::npos) << result.out;
        const std::string line = result.out.substr(sunrise, result.out.find('\n', sunrise) - sunrise + 1);
        const std::string mark = c.sunriseMark;
        if (mark.empty()) {
            EXPECT_EQ(line.find('('), std::string::npos) << line;
        } else {
            EXPECT_EQ(line.substr(line.size() - mark.size()), mark) << line;
        }
    }
}

// "-" lies behind universal time at any longitude, "+" ahead; without a sign
// the longitude decides. The western Aleutians: ten hours behind at 173 E.
TEST(ZoneSign, AMinusLiesBehindEvenAtAnEastLongitude) {
    const struct {
        const char* zone;
        const char* lon;
        double universalHours;
        const char* zoneApplied;
    } cases[] = {
        {"-10:00", "173:00E", 22.0, "-10:00 from UT = zone -10:00, no DST (typed)"},
        {"10:00", "173:00E", 2.0, "+10:00 from UT = zone +10:00, no DST (typed)"},
        {"-5:00", "74:00W", 17.0, "-5:00 from UT = zone -5:00, no DST (typed)"},
        {"+5:30", "0:08W", 6.5, "+5:30 from UT = zone +5:30, no DST (typed)"},
    };
    for (const auto& c : cases) {
        const Json reading =
            ReadingAt({"--date", "2020-01-15", "--time", "12:00", "--zone", c.zone, "--lon", c.lon});
        EXPECT_NEAR(reading["universal_hours"].get<double>(), c.universalHours, kHoursTolerance) << c.zone;
        EXPECT_EQ(reading["zone_applied"], c.zoneApplied);
        EXPECT_TRUE(reading["clock_note"].is_null());
    }
}

TEST(DateAndTimeShapes, DateMustBeYearMonthDayAndTimeMayHaveSeconds) {
    for (const char* date : {"10/03/1950", "10-03-1950", "1950-03", "50-3-10", "1950-003-10"}) {
        const RunResult result = RunCli({"--date", date, "--time", "10:00", "--zone", "5:30", "--lon", "72:49E"});
        EXPECT_EQ(result.exitStatus, kUsage) << date;
        EXPECT_NE(result.err.find("date must be YYYY-MM-DD"), std::string::npos) << date << result.err;
    }
    const Json seconds = ReadingAt({"--date", "1950-03-10", "--time", "10:00:30", "--zone", "5:30", "--lon", "72:49E"});
    EXPECT_NEAR(seconds["universal_hours"].get<double>(), 4.5 + 30 / 3600.0, kHoursTolerance);
    const RunResult badSecond =
        RunCli({"--date", "1950-03-10", "--time", "10:00:60", "--zone", "5:30", "--lon", "72:49E"});
    EXPECT_EQ(badSecond.exitStatus, kRefused);
    EXPECT_NE(badSecond.err.find("second must be a whole number from 0 to 59"), std::string::npos) << badSecond.err;
}

// The batch's --details columns end with the applied zone and the note.
TEST(BatchZoneColumns, DetailsEndWithTheAppliedZone) {
    const RunResult result = RunCli({"--batch", "--details"},
                                    "year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst\n"
                                    "2020,1,15,12,0,-10,0,173,0,E,0\n");
    ASSERT_EQ(result.exitStatus, kSuccess) << result.err;
    const std::string header = result.out.substr(0, result.out.find('\n'));
    EXPECT_TRUE(header.ends_with(",dasha_balance_years,zone_applied,clock_note")) << header;
    EXPECT_NE(result.out.find(",\"-10:00 from UT = zone -10:00, no DST (typed)\",\n"), std::string::npos) << result.out;
}

}  // namespace
