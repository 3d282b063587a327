// --match, --match-stars and --tarabala: two charts match as the stars their
// readings give, the JSON has the shape scripts read, and what cannot be used
// is refused with its status.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::RunCli;
using cli_test::RunResult;
using cli_test::ScratchFolder;
using Json = nlohmann::ordered_json;

constexpr int kSuccess = 0;
constexpr int kUsage = 2;
constexpr int kRefused = 3;

// Saves a chart of the reading and gives its path and "NAKSHATRA:PADA".
std::pair<std::string, std::string> SaveChart(const ScratchFolder& folder, const std::string& name,
                                              const std::vector<std::string>& reading) {
    const std::string path = (folder.path() / name).string();
    std::vector<std::string> arguments = reading;
    arguments.insert(arguments.end(), {"--format", "json", "--save-chart", path});
    const RunResult run = RunCli(arguments);
    EXPECT_EQ(run.exitStatus, kSuccess) << run.err;
    const Json json = Json::parse(run.out);
    return {path, json["nakshatra"].get<std::string>() + ":" +
                      std::to_string(json["details"]["nakshatra_pada"].get<int>())};
}

TEST(MatchOption, ChartsMatchAsTheirBirthStarsWithTheJsonScriptsRead) {
    ScratchFolder folder;
    const auto [bride, brideStar] = SaveChart(
        folder, "bride.zchart", {"--date", "1990-05-14", "--time", "06:20", "--zone", "+5:30", "--lon", "72:50E"});
    const auto [groom, groomStar] = SaveChart(
        folder, "groom.zchart", {"--date", "1987-11-02", "--time", "21:45", "--zone", "+5:30", "--lon", "77:13E"});

    const RunResult charts = RunCli({"--match", bride, groom, "--format", "json"});
    ASSERT_EQ(charts.exitStatus, kSuccess) << charts.err;
    const RunResult stars = RunCli({"--match-stars", brideStar, groomStar, "--format", "json"});
    ASSERT_EQ(stars.exitStatus, kSuccess) << stars.err;
    EXPECT_EQ(charts.out, stars.out);

    const Json json = Json::parse(charts.out);
    const Json& ashtakoota = json["ashtakoota"];
    std::vector<std::string> keys;
    for (const auto& item : ashtakoota.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"kootas", "total", "max", "doshas"}));
    ASSERT_EQ(ashtakoota["kootas"].size(), 8U);
    double total = 0;
    double max = 0;
    for (const Json& koota : ashtakoota["kootas"]) {
        total += koota["points"].get<double>();
        max += koota["max"].get<double>();
        EXPECT_EQ(koota["values"].size(), 2U);
        EXPECT_FALSE(koota["meaning"].get<std::string>().empty());
    }
    EXPECT_EQ(ashtakoota["total"].get<double>(), total);
    EXPECT_EQ(max, 36);
    EXPECT_EQ(ashtakoota["max"].get<double>(), 36);
    ASSERT_EQ(json["porutham"].size(), 10U);
    EXPECT_EQ(json["porutham"][0]["name"], "Dina");
    EXPECT_TRUE(json["porutham"][9]["agrees"].is_boolean());

    // The text names both stars, the bride's first.
    const RunResult text = RunCli({"--match", bride, groom});
    EXPECT_EQ(text.out.rfind("Bride: " + brideStar.substr(0, brideStar.find(':')) + " pada ", 0), 0U) << text.out;
}

TEST(MatchOption, SameStarGivesTwentyEightWithNadiDosha) {
    const RunResult run = RunCli({"--match-stars", "Ashwini:1", "1:1", "--format", "json"});
    ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
    const Json json = Json::parse(run.out);
    EXPECT_EQ(json["ashtakoota"]["total"].get<double>(), 28);
    EXPECT_EQ(json["ashtakoota"]["doshas"][0]["name"], "Nadi dosha");
}

TEST(TarabalaOption, GivesTheDaysTarasAndSignsOfTheChartsStar) {
    ScratchFolder folder;
    const auto [chart, star] = SaveChart(
        folder, "birth.zchart", {"--date", "1990-05-14", "--time", "06:20", "--zone", "+5:30", "--lon", "72:50E"});
    const RunResult run = RunCli({"--tarabala", "--open-chart", chart, "--date", "2026-12-08", "--format", "json"});
    ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
    const Json json = Json::parse(run.out);
    EXPECT_EQ(json["date"], "2026-12-08");
    EXPECT_EQ(json["birth"]["nakshatra"].get<std::string>() + ":" + std::to_string(json["birth"]["pada"].get<int>()),
              star);
    ASSERT_FALSE(json["taras"].empty());
    // The day runs on the chart's clock: the first star began by its midnight
    // and the last ends after the next.
    EXPECT_LE(json["taras"].front()["start"].get<std::string>(), "2026-12-08T00:00:00+05:30");
    EXPECT_GE(json["taras"].back()["end"].get<std::string>(), "2026-12-09T00:00:00+05:30");
    bool eighth = false;
    for (const Json& sign : json["chandrabala"]) eighth = eighth || sign["count"] == 8;
    EXPECT_EQ(json["chandrashtama"].get<bool>(), eighth);
}

TEST(MatchOption, RefusesWhatItCannotUse) {
    ScratchFolder folder;
    const std::string missing = (folder.path() / "none.zchart").string();
    struct Case {
        std::vector<std::string> arguments;
        int status;
    };
    const std::vector<Case> cases = {
        {{"--match-stars", "Rohini:5", "1:1"}, kUsage},
        {{"--match-stars", "Rohini:1"}, kUsage},
        {{"--match-stars", "28:1", "1:1"}, kUsage},
        {{"--match-stars", "1:1", "1:1", "--date", "2026-12-08"}, kUsage},
        {{"--match-stars", "1:1", "1:1", "--format", "xml"}, kUsage},
        {{"--match-stars", "1:1", "1:1", "--tarabala"}, kUsage},
        {{"--tarabala", "--date", "2026-12-08"}, kUsage},
        {{"--tarabala", "--open-chart", missing}, kRefused},
        {{"--match", missing, missing}, kRefused},
    };
    for (const Case& c : cases) {
        const RunResult run = RunCli(c.arguments);
        EXPECT_EQ(run.exitStatus, c.status) << c.arguments[0] << " " << c.arguments[1] << ": " << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
}

}  // namespace
