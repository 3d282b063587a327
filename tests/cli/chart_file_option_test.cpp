// --save-chart and --open-chart: a saved chart opens to the same reading,
// and a file that cannot be used is refused with nothing changed.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::ReadWholeFile;
using cli_test::RunCli;
using cli_test::RunResult;
using cli_test::ScratchFolder;
using cli_test::WriteWholeFile;
using Json = nlohmann::ordered_json;

constexpr int kSuccess = 0;
constexpr int kUsage = 2;
constexpr int kRefused = 3;

// The largest chart file the program reads, in bytes.
constexpr std::size_t kChartByteCap = std::size_t{1024} * 1024;

const std::vector<std::string> kReading{"--date", "1947-08-15", "--time", "00:00", "--zone",
                                        "5:30",   "--lon",      "77:13E", "--lat",  "28:36N"};

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The output without the inputs' echo, which a chart gives as numbers
// ("8") where the arguments gave "08".
Json ResultsOf(const std::string& out) {
    Json json = Json::parse(out);
    for (const char* key : {"year", "month", "day", "hour", "minute"}) json.erase(key);
    return json;
}

TEST(CliChartFile, OpeningASavedChartGivesTheSameReading) {
    ScratchFolder scratch;
    const std::string chart = (scratch.path() / "birth.zchart").string();
    const RunResult saved = RunCli(With(kReading, {"--save-chart", chart, "--dasha"}));
    ASSERT_EQ(saved.exitStatus, kSuccess) << saved.err;
    const Json file = Json::parse(ReadWholeFile(chart));
    EXPECT_EQ(file["computed"]["nakshatra"], "Pushya");

    const RunResult openedText = RunCli({"--open-chart", chart, "--dasha"});
    ASSERT_EQ(openedText.exitStatus, kSuccess) << openedText.err;
    EXPECT_EQ(openedText.out, saved.out);

    const RunResult single = RunCli(With(kReading, {"--format", "json", "--dasha"}));
    const RunResult openedJson = RunCli({"--open-chart", chart, "--format", "json", "--dasha"});
    ASSERT_EQ(openedJson.exitStatus, kSuccess) << openedJson.err;
    EXPECT_EQ(ResultsOf(openedJson.out), ResultsOf(single.out));
    EXPECT_EQ(Json::parse(openedJson.out)["month"], "8");
}

TEST(CliChartFile, SavingIsRefusedWithTheReasonAndLeavesNoFile) {
    ScratchFolder scratch;
    struct Case {
        std::vector<std::string> arguments;
        std::string target;
        int exitStatus;
        std::string complaint;  // start of standard error
    };
    const std::string missingFolder = (scratch.path() / "gone" / "birth.zchart").string();
    const std::string refusedReading = (scratch.path() / "refused.zchart").string();
    const std::string wrongEnding = (scratch.path() / "birth.json").string();
    const std::vector<Case> cases = {
        {With(kReading, {"--save-chart", missingFolder}), missingFolder, kRefused,
         "zorvane-cli: could not save the chart to " + missingFolder + ": "},
        {{"--date", "1990-04-31", "--time", "12:00", "--zone", "0:00", "--lon", "0:00W", "--save-chart",
          refusedReading},
         refusedReading, kRefused, "zorvane-cli: Please Enter Correct Date Or Month !"},
        {With(kReading, {"--save-chart", wrongEnding}), wrongEnding, kUsage,
         "zorvane-cli: the file name given to --save-chart must end in .zchart"},
        {{"--open-chart", refusedReading, "--save-chart", wrongEnding}, wrongEnding, kUsage,
         "zorvane-cli: --open-chart takes only --format and --dasha"},
    };
    for (const Case& c : cases) {
        const RunResult run = RunCli(c.arguments);
        EXPECT_EQ(run.exitStatus, c.exitStatus);
        EXPECT_EQ(run.err.rfind(c.complaint, 0), 0U) << run.err;
        EXPECT_FALSE(std::filesystem::exists(c.target)) << c.target;
    }
}

TEST(CliChartFile, RefusedFilesGiveStatusThreeAndStayAsTheyWere) {
    ScratchFolder scratch;
    const std::filesystem::path good = scratch.path() / "good.zchart";
    ASSERT_EQ(RunCli(With(kReading, {"--save-chart", good.string()})).exitStatus, kSuccess);
    std::string newer = ReadWholeFile(good);
    newer.replace(newer.find("\"version\": 2"), std::string("\"version\": 2").size(), "\"version\": 3");

    struct Case {
        std::string name;
        std::string bytes;    // empty: not written by the test
        std::string complaint;  // in standard error
    };
    const std::vector<Case> cases = {
        {"damaged.zchart", "{\"format\": \"zorvane-chart\", \"version\": 1, \"birth\": {", "damaged"},
        {"foreign.zchart", "{\"type\": \"FeatureCollection\"}", "not a Zorvane chart"},
        {"large.zchart", std::string(kChartByteCap + 1, ' '), "larger than a chart can be"},
        {"newer.zchart", newer, "newer version"},
        {"missing.zchart", "", "could not open the chart"},
        {"folder.zchart", "", "not a regular file"},
    };
    std::filesystem::create_directory(scratch.path() / "folder.zchart");
    for (const Case& c : cases) {
        const std::filesystem::path path = scratch.path() / c.name;
        if (!c.bytes.empty()) WriteWholeFile(path, c.bytes);
        for (const char* format : {"text", "json"}) {
            const RunResult run = RunCli({"--open-chart", path.string(), "--format", format});
            EXPECT_EQ(run.exitStatus, kRefused) << c.name;
            EXPECT_TRUE(run.out.empty()) << c.name;
            EXPECT_NE(run.err.find(c.complaint), std::string::npos) << c.name << ": " << run.err;
        }
        if (!c.bytes.empty()) {
            EXPECT_EQ(ReadWholeFile(path), c.bytes) << c.name;
        }
    }
}

// A chart saved in the window with Calcutta Time chosen holds +5:53 in its
// boxes; opened here it is computed on the whole +5:53:20 and says so, as the
// window and the report do.
TEST(CliChartFile, AChartsChosenClockIsAppliedAndNamed) {
    ScratchFolder scratch;
    const std::string chart = (scratch.path() / "kolkata.zchart").string();
    ASSERT_EQ(RunCli({"--place", "Kolkata", "--date", "1940-03-10", "--time", "10:00", "--save-chart", chart})
                  .exitStatus,
              kSuccess);
    Json file = Json::parse(ReadWholeFile(chart));
    ASSERT_EQ(file["zone"]["atlas_zone"], "Asia/Kolkata");
    file["zone"]["hours"] = "+5";
    file["zone"]["minutes"] = "53";
    file["zone"]["clock"] = "calcutta";
    WriteWholeFile(chart, file.dump(2));

    const RunResult opened = RunCli({"--open-chart", chart, "--format", "json"});
    ASSERT_EQ(opened.exitStatus, kSuccess) << opened.err;
    const Json json = Json::parse(opened.out);
    EXPECT_EQ(json["zone_applied"].get<std::string>().rfind("+5:53:20 from UT", 0), 0U) << json["zone_applied"];
    EXPECT_NE(json["clock_note"].get<std::string>().find("Calcutta Time"), std::string::npos) << json["clock_note"];
}

}  // namespace

namespace {

// A clock chosen on the command line is kept in the chart it saves, so the
// chart opens on that clock, not on the tz database's offset of the place.
TEST(CliChartFile, AClockChosenHereIsKeptInTheSavedChart) {
    ScratchFolder scratch;
    const std::string chart = (scratch.path() / "mumbai.zchart").string();
    const std::vector<std::string> birth{"--place", "Mumbai", "--date", "1950-03-10", "--time", "10:00",
                                         "--clock", "bombay", "--format", "json"};
    const RunResult saved = RunCli(With(birth, {"--save-chart", chart}));
    ASSERT_EQ(saved.exitStatus, kSuccess) << saved.err;
    EXPECT_EQ(Json::parse(ReadWholeFile(chart))["zone"]["clock"], "bombay");

    const RunResult opened = RunCli({"--open-chart", chart, "--format", "json"});
    ASSERT_EQ(opened.exitStatus, kSuccess) << opened.err;
    const Json before = Json::parse(saved.out)["reading"];  // a --place answer holds the places too
    const Json after = Json::parse(opened.out);
    EXPECT_EQ(after["universal_hours"], before["universal_hours"]);
    EXPECT_EQ(after["details"]["karana_name"], before["details"]["karana_name"]);
    EXPECT_NE(after["clock_note"].get<std::string>().find("Bombay Time"), std::string::npos) << after["clock_note"];
}

}  // namespace
