#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::RunCli;
using cli_test::RunResult;

constexpr int kSuccess = 0;
constexpr int kUsage = 2;
constexpr int kRefused = 3;

// The raw token after "key": in one flat JSON object (a number, null, or a
// string with its quotes).
std::string JsonToken(const std::string& json, const std::string& key) {
    const std::string marker = "\"" + key + "\":";
    const std::size_t at = json.find(marker);
    if (at == std::string::npos) {
        return "<missing>";
    }
    const std::size_t begin = at + marker.size();
    std::size_t end = begin;
    if (json[begin] == '"') {
        end = json.find('"', begin + 1) + 1;
    } else {
        end = json.find_first_of(",}", begin);
    }
    return json.substr(begin, end - begin);
}

double JsonNumber(const std::string& json, const std::string& key) {
    return std::stod(JsonToken(json, key));
}

std::vector<std::string> Reading(const std::string& date, const std::string& time,
                                 const std::string& zone, const std::string& lon) {
    return {"--date", date, "--time", time, "--zone", zone, "--lon", lon};
}

std::vector<std::string> With(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(SingleReading, TextShowsEachNameWithItsParagraph) {
    const RunResult run = RunCli(Reading("2000-01-01", "12:00", "0:00", "0:00W"));
    ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
    EXPECT_NE(run.out.find("Yoga: Dhrithi\nThe yoga is Dhriti. As is obvious from the name, it "
                           "means 'Determination'."),
              std::string::npos)
        << run.out;
    // Moon 223.32 tropical less 23.85 of offset is 199.47 sidereal: the 15th.
    EXPECT_NE(run.out.find("Nakshatra: Swati\nSwati is the fifteenth Nakshatra of the zodiac"),
              std::string::npos)
        << run.out;
    EXPECT_LT(run.out.find("Nakshatra:"), run.out.find("Yoga:"));
    EXPECT_TRUE(run.err.empty()) << run.err;
}

// Worked examples whose positions are given to six decimals: a position off
// by less than the last printed digit is the same example.
constexpr double kSixDecimalTolerance = 5e-7;
// The nakshatra example gives its angles to three decimals.
constexpr double kThreeDecimalTolerance = 5e-4;

TEST(SingleReading, JsonCarriesTheWorkedExamplesOfTheYoga) {
    struct Example {
        std::vector<std::string> arguments;
        const char* yoga;
        double yogaPosition;
    };
    const std::vector<Example> examples = {
        {Reading("2000-01-01", "12:00", "0:00", "0:00W"), "\"Dhrithi\"", 7.199585},
        {Reading("1947-08-15", "00:00", "5:30", "77:13E"), "\"Siddhi\"", 15.898545},
        {Reading("1976-07-04", "12:00", "5:00", "75:00W"), "\"Parigha\"", 18.624546},
    };
    for (const Example& example : examples) {
        const RunResult run = RunCli(With(example.arguments, {"--format", "json"}));
        ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
        EXPECT_EQ(JsonToken(run.out, "yoga"), example.yoga) << run.out;
        EXPECT_NEAR(JsonNumber(run.out, "yoga_position"), example.yogaPosition,
                    kSixDecimalTolerance);
        EXPECT_EQ(JsonToken(run.out, "error"), "null");
    }
}

TEST(SingleReading, JsonCarriesTheTimeBaseOfTheExamples) {
    const RunResult noon = RunCli(
        With(Reading("2000-01-01", "12:00", "0:00", "0:00W"), {"--format", "json"}));
    ASSERT_EQ(noon.exitStatus, kSuccess) << noon.err;
    EXPECT_EQ(JsonToken(noon.out, "julian_day_number"), "2451545");
    EXPECT_EQ(JsonToken(noon.out, "universal_hours"), "12");
    EXPECT_NEAR(JsonNumber(noon.out, "jde"), 2451545.0007604, 1e-7);  // given to 7 decimals
    EXPECT_NEAR(JsonNumber(noon.out, "panchang_ayanamsa"), -23.853991, kSixDecimalTolerance);
    EXPECT_EQ(JsonToken(noon.out, "zone_hour"), "\"0\"");
    EXPECT_EQ(JsonToken(noon.out, "lon_dir"), "\"W\"");
    EXPECT_EQ(JsonToken(noon.out, "dst"), "\"0\"");

    // The zone is taken off for an eastern place, and the date is not shifted.
    const RunResult east = RunCli(
        With(Reading("1947-08-15", "00:00", "5:30", "77:13E"), {"--format", "json"}));
    EXPECT_EQ(JsonToken(east.out, "universal_hours"), "-5.5");

    const RunResult ashlesha = RunCli(
        With(Reading("1992-04-12", "00:00", "0:00", "0:00W"), {"--format", "json"}));
    ASSERT_EQ(ashlesha.exitStatus, kSuccess) << ashlesha.err;
    EXPECT_EQ(JsonToken(ashlesha.out, "nakshatra"), "\"Ashlesha\"");
    EXPECT_NEAR(JsonNumber(ashlesha.out, "moon_sidereal"), 109.404, kThreeDecimalTolerance);
    EXPECT_NEAR(JsonNumber(ashlesha.out, "ayanamsa"), -23.754, kThreeDecimalTolerance);
}

TEST(SingleReading, BoxTextsGoThroughTheWindowsConversions) {
    const auto json = [](const std::string& zone, const std::string& lon,
                         std::vector<std::string> more = {}) {
        more.insert(more.end(), {"--format", "json"});
        return RunCli(With(Reading("1976-07-04", "12:00", zone, lon), more)).out;
    };
    // West of Greenwich a minus changes nothing: the zone lies behind.
    EXPECT_EQ(JsonToken(json("-5:00", "75:00W"), "universal_hours"), "17");
    // A halfway value goes to the even neighbour: 4.5 hours of zone is 4.
    EXPECT_EQ(JsonToken(json("4.5:00", "75:00W"), "universal_hours"), "16");
    // Summer time in the West takes an hour off the zone.
    EXPECT_EQ(JsonToken(json("5:00", "75:00W", {"--dst"}), "universal_hours"), "16");
    EXPECT_EQ(JsonToken(json("5:00", "75:00W", {"--dst"}), "dst"), "\"1\"");
}

TEST(SingleReading, ValuesTheWindowCannotOfferAreRefusedNamingTheField) {
    struct Case {
        std::vector<std::string> arguments;
        const char* field;
    };
    const std::vector<Case> cases = {
        {Reading("1900-12-31", "12:00", "0:00", "0:00W"), "year"},
        {Reading("2051-01-01", "12:00", "0:00", "0:00W"), "year"},
        {Reading("2000-13-01", "12:00", "0:00", "0:00W"), "month"},
        {Reading("2000-00-01", "12:00", "0:00", "0:00W"), "month"},
        {Reading("2000-01-32", "12:00", "0:00", "0:00W"), "day"},
        {Reading("2000-01-xx", "12:00", "0:00", "0:00W"), "day"},
        {Reading("2000-01-01", "24:00", "0:00", "0:00W"), "hour"},
        {Reading("2000-01-01", "12:60", "0:00", "0:00W"), "minute"},
        {Reading("2000-01-01", "12:00", "1234:00", "0:00W"), "zone_hour"},
        {Reading("2000-01-01", "12:00", "0:0000", "0:00W"), "zone_minute"},
        {Reading("2000-01-01", "12:00", "0:00", "-100:00W"), "lon_deg"},
        {Reading("2000-01-01", "12:00", "0:00", "0:1.25W"), "lon_min"},
    };
    for (const Case& refused : cases) {
        const RunResult run = RunCli(refused.arguments);
        EXPECT_EQ(run.exitStatus, kRefused) << refused.field;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find(std::string(refused.field) + " "), std::string::npos)
            << refused.field << ": " << run.err;
    }
}

TEST(SingleReading, TheCoresOwnChecksRefuseWithTheWindowsMessages) {
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    const std::vector<Case> cases = {
        {Reading("1990-04-31", "12:00", "0:00", "0:00W"), "Please Enter Correct Date Or Month !"},
        {Reading("2001-02-29", "12:00", "0:00", "0:00W"), "Please Enter Correct Date Or Month!"},
        {Reading("2000-01-01", "12:00", ":00", "0:00W"), "Please Enter Degree of Time Zone"},
        {Reading("2000-01-01", "12:00", "ab:00", "0:00W"), "Please Enter Valid Hour of Time Zone"},
        {Reading("2000-01-01", "12:00", "0:00", "0:xE"), "Please Enter Valid Minute of Longitude"},
        // Out of range: once gave a universal time of -14.65 h.
        {Reading("2000-01-01", "12:00", "25:99", "200:75E"), "Please Enter Valid Hour of Time Zone"},
        {Reading("2000-01-01", "12:00", "5:99", "20:75E"), "Please Enter Valid Minute of Time Zone"},
        {Reading("2000-01-01", "12:00", "5:30", "200:00E"), "Please Enter Valid Degree of Longitude"},
        {Reading("2000-01-01", "12:00", "5:30", "180:01E"), "Please Enter Valid Minute of Longitude"},
    };
    for (const Case& refused : cases) {
        const RunResult run = RunCli(refused.arguments);
        EXPECT_EQ(run.exitStatus, kRefused) << refused.message;
        EXPECT_NE(run.err.find(refused.message), std::string::npos) << run.err;
    }
    // 29 February of a leap year is a real day.
    EXPECT_EQ(RunCli(Reading("2000-02-29", "12:00", "0:00", "0:00W")).exitStatus, kSuccess);
}

TEST(SingleReading, JsonOfARefusedReadingHasNullResultsAndTheMessage) {
    const RunResult run = RunCli(
        With(Reading("1990-04-31", "12:00", "0:00", "0:00W"), {"--format", "json"}));
    EXPECT_EQ(run.exitStatus, kRefused);
    EXPECT_EQ(JsonToken(run.out, "nakshatra"), "null");
    EXPECT_EQ(JsonToken(run.out, "yoga_position"), "null");
    EXPECT_EQ(JsonToken(run.out, "error"), "\"Please Enter Correct Date Or Month !\"");
    EXPECT_EQ(JsonToken(run.out, "day"), "\"31\"");
}

TEST(CommandLine, MisusedArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> misuses = {
        {},
        {"--date", "2000-01-01", "--time", "12:00", "--zone", "0:00"},
        With(Reading("2000-01-01", "12:00", "0:00", "0:00"), {}),
        With(Reading("2000-01-01", "12:00", "0:00", "0:00N"), {}),
        With(Reading("2000/01/01", "12:00", "0:00", "0:00W"), {}),
        With(Reading("2000-01-01", "1200", "0:00", "0:00W"), {}),
        With(Reading("2000-01-01", "12:00", "0", "0:00W"), {}),
        With(Reading("2000-01-01", "12:00", "0:00", "0:00W"), {"--format", "xml"}),
        With(Reading("2000-01-01", "12:00", "0:00", "0:00W"), {"--frobnicate"}),
        With(Reading("2000-01-01", "12:00", "0:00", "0:00W"), {"--date", "2000-01-02"}),
        With(Reading("2000-01-01", "12:00", "0:00", "0:00W"), {"--threads", "2"}),
        With(Reading("2000-01-01", "12:00", "0:00", "0:00W"), {"--batch"}),
        With(Reading("2000-01-01", "12:00", "0:00", "0:00W"), {"--save"}),
        {"--batch", "--threads", "0"},
        {"--open", "a.vrn", "--dst"},
    };
    for (const std::vector<std::string>& arguments : misuses) {
        const RunResult run = RunCli(arguments);
        std::string shown;
        for (const std::string& argument : arguments) {
            shown += argument + " ";
        }
        EXPECT_EQ(run.exitStatus, kUsage) << shown;
        EXPECT_TRUE(run.out.empty()) << shown;
        EXPECT_FALSE(run.err.empty()) << shown;
    }
}

TEST(CommandLine, HelpAndVersion) {
    const RunResult help = RunCli({"--help"});
    EXPECT_EQ(help.exitStatus, kSuccess);
    EXPECT_NE(help.out.find("--batch"), std::string::npos);
    EXPECT_NE(help.out.find("year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,"
                            "lon_dir,dst"),
              std::string::npos);
    EXPECT_NE(help.out.find("1 output that could not be written"), std::string::npos);

    const RunResult version = RunCli({"--version"});
    EXPECT_EQ(version.exitStatus, kSuccess);
    EXPECT_EQ(version.out, "zorvane-cli 1.95\n");
}

}  // namespace

namespace {

TEST(SingleReading, LeadingPlusPutsTheZoneAheadOfUniversalTime) {
    // Madrid, 3 W 42, keeps a zone one hour ahead: 12:00 in summer is 10:00 UT.
    const RunResult plus =
        RunCli(With(Reading("1990-07-01", "12:00", "+1:00", "3:42W"), {"--dst", "--format", "json"}));
    ASSERT_EQ(plus.exitStatus, kSuccess) << plus.err;
    EXPECT_EQ(JsonNumber(plus.out, "universal_hours"), 10.0);
    // Without the sign the hemisphere decides: west adds the zone.
    const RunResult unsigned_ =
        RunCli(With(Reading("1990-07-01", "12:00", "1:00", "3:42W"), {"--dst", "--format", "json"}));
    ASSERT_EQ(unsigned_.exitStatus, kSuccess) << unsigned_.err;
    EXPECT_EQ(JsonNumber(unsigned_.out, "universal_hours"), 12.0);
}

}  // namespace
