// zorvane-cli --place: the atlas's matches with their zones, as text and JSON.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::RunCli;
using cli_test::RunResult;

constexpr int kUsage = 2;
constexpr int kRefused = 3;
// The atlas keeps five decimals of a degree.
constexpr double kDegreeTolerance = 1e-5;

TEST(PlaceOption, ListsTheMatchesBestFirstAsText) {
    const RunResult result = RunCli({"--place", "Puttaparthi"});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out.rfind("Puttaparthi\tAndhra Pradesh\tIndia\t14.165200\t77.811700\t"
                               "Asia/Kolkata\n",
                               0),
              0U)
        << result.out;
}

TEST(PlaceOption, AReadingTakesZoneLongitudeAndDstFromTheFirstMatch) {
    // London on 1 June 1941 kept double summer time: universal time is two
    // hours behind the clock, whatever the western longitude says.
    const RunResult result = RunCli({"--place", "London, England", "--date", "1941-06-01",
                                     "--time", "12:00", "--format", "json"});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const nlohmann::json reading = nlohmann::json::parse(result.out)["reading"];
    EXPECT_EQ(reading["zone_hour"], "+2");
    EXPECT_EQ(reading["zone_minute"], "0");
    EXPECT_EQ(reading["dst"], "0");
    EXPECT_EQ(reading["lon_deg"], "0");
    EXPECT_EQ(reading["lon_min"], "8");
    EXPECT_EQ(reading["lon_dir"], "W");
    EXPECT_EQ(reading["universal_hours"], 10.0);  // whole hours: exact
    EXPECT_EQ(reading["nakshatra"], "Ashlesha");

    const RunResult text = RunCli({"--place", "Puttaparthi", "--date", "1926-11-23", "--time",
                                   "06:15"});
    ASSERT_EQ(text.exitStatus, 0) << text.err;
    EXPECT_EQ(text.out.rfind("Puttaparthi\tAndhra Pradesh\tIndia\t", 0), 0U);
    EXPECT_NE(text.out.find("\nNakshatra: "), std::string::npos);
}

TEST(PlaceOption, GivesEachZonesOffsetAndSummerTimeAtTheMomentAsJson) {
    const RunResult result = RunCli({"--place", "London, Ontario, Canada", "--date", "1990-07-01",
                                     "--time", "12:00", "--format", "json"});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const nlohmann::json all = nlohmann::json::parse(result.out);
    ASSERT_FALSE(all["places"].empty());
    const nlohmann::json& first = all["places"][0];
    EXPECT_EQ(first["name"], "London");
    EXPECT_EQ(first["division"], "Ontario");
    EXPECT_EQ(first["zone"], "America/Toronto");
    EXPECT_EQ(first["offset"], "-4:00");
    EXPECT_EQ(first["summer_minutes"], 60);
    EXPECT_NEAR(first["longitude"].get<double>(), -81.23304, kDegreeTolerance);
    for (const nlohmann::json& place : all["places"]) EXPECT_EQ(place["country_code"], "CA");
}

TEST(PlaceOption, RefusesWhatItCannotList) {
    const struct {
        std::vector<std::string> arguments;
        int exitStatus;
    } cases[] = {
        {{"--place", "Xyzzyqua"}, kRefused},
        {{"--place", "Pune", "--date", "1990-02-31", "--time", "12:00"}, kRefused},
        {{"--place", "Pune", "--date", "1990-02-01"}, kUsage},
        {{"--place", "Pune", "--zone", "5:30"}, kUsage},
        {{"--place", "Pune", "--batch"}, kUsage},
        {{"--place", "Pune", "--date", "1990-02-01", "--time", "12:00", "--lon", "73:52E"}, kUsage},
    };
    for (const auto& c : cases) {
        const RunResult result = RunCli(c.arguments);
        EXPECT_EQ(result.exitStatus, c.exitStatus) << c.arguments[1] << " " << result.err;
        EXPECT_TRUE(result.out.empty());
        EXPECT_FALSE(result.err.empty());
    }
}

// An argument may hold any bytes: JSON gets them mended into UTF-8 (never an
// abort, and the chart is still saved), a terminal gets controls escaped.
TEST(PlaceOption, HostileBytesInThePlaceNeverAbortNorReachTheTerminalRaw) {
    cli_test::ScratchFolder folder;
    const std::string chart = (folder.path() / "mumbai.zchart").string();
    const struct Case {
        std::vector<std::string> arguments;
        int exitStatus;
        std::string query;  // the JSON's "query", when JSON is written
    } cases[] = {
        {{"--place", "Mumbai\xff", "--format", "json"}, 0, "Mumbai\uFFFD"},
        {{"--place", "Mumbai\xff", "--date", "1990-02-01", "--time", "12:00", "--format", "json",
          "--save-chart", chart},
         0, "Mumbai\uFFFD"},
        {{"--place", "Xyzzy\x1b[2J\xe2\x80\xae"}, kRefused, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments[1]);
        const RunResult result = RunCli(c.arguments);
        EXPECT_EQ(result.exitStatus, c.exitStatus) << result.err;
        if (!c.query.empty()) {
            const nlohmann::json all = nlohmann::json::parse(result.out, nullptr, false);
            ASSERT_FALSE(all.is_discarded()) << result.out;
            EXPECT_EQ(all["query"], c.query);
        }
        EXPECT_EQ(result.err.find('\x1b'), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("\xe2\x80\xae"), std::string::npos) << result.err;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(chart));
    EXPECT_NE(RunCli({"--place", "Xyzzy\x1b[2J"}).err.find("Xyzzy\\x1b[2J"), std::string::npos);
}

}  // namespace
