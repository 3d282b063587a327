// --chart, --ayanamsa and --node on a single reading and a chart file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::RunCli;
using cli_test::RunResult;
using Json = nlohmann::ordered_json;

constexpr int kSuccess = 0;
constexpr int kUsage = 2;
// The JSON rounds longitudes to a millionth of a degree.
constexpr double kJsonRoundingDegrees = 1e-6;

const std::vector<std::string> kDelhi{"--date", "1947-08-15", "--time", "00:00",  "--zone",
                                      "+5:30",  "--lon",      "77:13E", "--lat", "28:36N"};

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

Json ChartOf(const std::vector<std::string>& arguments) {
    const RunResult run = RunCli(With(arguments, {"--format", "json"}));
    EXPECT_EQ(run.exitStatus, kSuccess) << run.err;
    return Json::parse(run.out)["chart"];
}

TEST(CliChart, JsonChartHoldsTheLagnaGrahasAndVargas) {
    const Json chart = ChartOf(With(kDelhi, {"--chart"}));
    EXPECT_EQ(chart["ayanamsa"], "Lahiri");
    EXPECT_EQ(chart["ephemeris"], "files");
    EXPECT_EQ(chart["lagna"]["sign"], "Vrishabha");
    ASSERT_EQ(chart["grahas"].size(), 9U);
    const std::vector<std::string> keys{"name", "longitude", "sign",  "degree",     "nakshatra",
                                        "pada", "lord",      "house", "retrograde", "speed"};
    for (const Json& graha : chart["grahas"]) {
        for (const std::string& key : keys) EXPECT_TRUE(graha.contains(key)) << graha["name"] << ' ' << key;
    }
    EXPECT_EQ(chart["grahas"][1]["nakshatra"], "Pushya");
    EXPECT_EQ(chart["vargas"].size(), 16U);
    EXPECT_EQ(chart["vargas"]["D9"]["Lagna"], "Meena");
    EXPECT_TRUE(chart["moon_note"].is_null()) << chart["moon_note"];
    // Without --chart there is no "chart" key at all.
    const RunResult plain = RunCli(With(kDelhi, {"--format", "json"}));
    EXPECT_FALSE(Json::parse(plain.out).contains("chart"));
}

TEST(CliChart, ChoicesChangeTheOffsetAndTheNode) {
    const Json lahiri = ChartOf(With(kDelhi, {"--chart"}));
    const Json raman = ChartOf(With(kDelhi, {"--chart", "--ayanamsa", "raman"}));
    EXPECT_EQ(raman["ayanamsa"], "Raman");
    const double shift = raman["ayanamsa_degrees"].get<double>() - lahiri["ayanamsa_degrees"].get<double>();
    EXPECT_LT(shift, -1.0);  // Raman's offset is about 1.4 degrees smaller
    EXPECT_NEAR(raman["grahas"][0]["longitude"].get<double>(), lahiri["grahas"][0]["longitude"].get<double>() - shift,
                3 * kJsonRoundingDegrees);
    const Json trueNode = ChartOf(With(kDelhi, {"--chart", "--node", "true"}));
    EXPECT_EQ(trueNode["node"], "true");
    EXPECT_NE(trueNode["grahas"][7]["longitude"], lahiri["grahas"][7]["longitude"]);
}

TEST(CliChart, WithoutALatitudeThereIsNoLagna) {
    std::vector<std::string> noLatitude(kDelhi.begin(), kDelhi.end() - 2);
    const Json chart = ChartOf(With(noLatitude, {"--chart"}));
    EXPECT_TRUE(chart["lagna"].is_null());
    EXPECT_TRUE(chart["grahas"][0]["house"].is_null());
    const RunResult text = RunCli(With(noLatitude, {"--chart"}));
    EXPECT_NE(text.out.find("needs the birth's latitude"), std::string::npos) << text.out;
}

TEST(CliChart, TextAddsThePositionAndVargaTables) {
    const RunResult run = RunCli(With(kDelhi, {"--chart"}));
    ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
    EXPECT_NE(run.out.find("Birth chart\nAyanamsa Lahiri"), std::string::npos);
    EXPECT_NE(run.out.find("Lagna      37\u00B043'59\"  Vrishabha"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(" D60\n"), std::string::npos);
}

TEST(CliChart, BadChoicesAreUsageErrors) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--chart", "--ayanamsa", "galactic"}, "--ayanamsa takes"},
        {{"--chart", "--node", "osculating"}, "--node takes"},
        {{"--ayanamsa", "raman"}, "go with --chart"},
    };
    for (const auto& [more, saying] : cases) {
        const RunResult run = RunCli(With(kDelhi, more));
        EXPECT_EQ(run.exitStatus, kUsage) << saying;
        EXPECT_NE(run.err.find(saying), std::string::npos) << run.err;
    }
}

TEST(CliChart, AChartFileKeepsItsAyanamsaUnlessOneIsGiven) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("zorvane-chart-option-" + std::to_string(::getpid()) + ".zchart");
    ASSERT_EQ(RunCli(With(kDelhi, {"--chart", "--ayanamsa", "krishnamurti", "--save-chart", path.string()})).exitStatus,
              kSuccess);
    EXPECT_EQ(ChartOf({"--open-chart", path.string(), "--chart"})["ayanamsa"], "Krishnamurti");
    EXPECT_EQ(ChartOf({"--open-chart", path.string(), "--chart", "--ayanamsa", "lahiri"})["ayanamsa"], "Lahiri");
    std::filesystem::remove(path);
}

}  // namespace

namespace {

TEST(CliChart, BatchWithDetailsAddsTheLagnaAndLongitudeColumns) {
    const std::string input =
        "year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst,lat_deg,lat_min,lat_dir\n"
        "1947,8,15,0,0,+5,30,77,13,E,0,28,36,N\n"
        "1947,8,15,0,0,+5,30,77,13,E,0,,,\n"
        "1947,13,15,0,0,+5,30,77,13,E,0,,,\n";
    const RunResult run = RunCli({"--batch", "--details", "--chart", "--threads", "1"}, input);
    const std::vector<std::string> lines = cli_test::Lines(run.out);
    ASSERT_EQ(lines.size(), 4U) << run.err;
    EXPECT_TRUE(lines[0].ends_with(
        ",dasha_balance_years,zone_applied,clock_note,lagna_sign,sun_longitude,moon_longitude,mars_longitude,mercury_longitude,"
        "jupiter_longitude,venus_longitude,saturn_longitude,rahu_longitude,ketu_longitude"))
        << lines[0];
    // Fields are counted outside quotes: the zone's sentence holds a comma.
    const auto commas = [](const std::string& line) {
        int count = 0;
        bool quoted = false;
        for (const char c : line) {
            if (c == '"') quoted = !quoted;
            if (c == ',' && !quoted) ++count;
        }
        return count;
    };
    for (const std::string& line : lines) EXPECT_EQ(commas(line), commas(lines[0])) << line;
    // Ketu's column ends the row: 215.0697... for New Delhi, empty when refused.
    EXPECT_NE(lines[1].find(",Vrishabha,117.98901"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find(",,117.98901"), std::string::npos) << "no latitude, no lagna: " << lines[2];
    EXPECT_TRUE(lines[3].ends_with(",,,,,,,,,,")) << lines[3];

    const RunResult withoutDetails = RunCli({"--batch", "--chart"}, input);
    EXPECT_EQ(withoutDetails.exitStatus, kUsage);
    EXPECT_NE(withoutDetails.err.find("--chart goes with --details"), std::string::npos) << withoutDetails.err;
}

}  // namespace
