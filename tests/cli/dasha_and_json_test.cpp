// --dasha on a single reading, and the JSON output as a whole: valid for any
// input text, with the same numbers as the batch's columns.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::Lines;
using cli_test::RunCli;
using cli_test::RunResult;
using Json = nlohmann::ordered_json;

constexpr int kSuccess = 0;
constexpr int kUsage = 2;
constexpr int kRefused = 3;

const std::vector<std::string> kIndependence{"--date", "1947-08-15", "--time", "00:00",
                                             "--zone", "5:30",       "--lon",  "77:13E"};

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(CliDasha, JsonDashaFollowsTheDetailsAndItsPeriodsJoin) {
    const RunResult run = RunCli(With(kIndependence, {"--format", "json", "--dasha"}));
    ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
    const Json json = Json::parse(run.out);
    ASSERT_EQ(json.back(), json["dasha"]) << "dasha is the last key";
    const Json& dasha = json["dasha"];
    EXPECT_EQ(dasha["lord"], json["details"]["nakshatra_lord"]);
    EXPECT_GT(dasha["balance_years"].get<double>(), 0.0);
    EXPECT_LE(dasha["balance_years"].get<double>(), 19.0);  // Saturn's whole period
    const Json& periods = dasha["periods"];
    ASSERT_EQ(periods.size(), 9U);
    EXPECT_EQ(periods[0]["lord"], dasha["lord"]);
    EXPECT_EQ(periods[0]["sub"].size(), 9U);
    EXPECT_EQ(periods[0]["end"], periods[1]["start"]);
}

TEST(CliDasha, OnlyWhenAskedAndOnlyWhereItBelongs) {
    struct Case {
        std::vector<std::string> arguments;
        int exitStatus;
        std::string expected;  // in standard output, or the start of the complaint
        bool present;
    };
    const std::vector<Case> cases = {
        {With(kIndependence, {"--format", "json"}), kSuccess, "\"dasha\"", false},
        {With(kIndependence, {"--dasha"}), kSuccess, "\nVimshottari dasha", true},
        {kIndependence, kSuccess, "Vimshottari dasha", false},
        {{"--date", "1990-04-31", "--time", "12:00", "--zone", "0:00", "--lon", "0:00W", "--format", "json", "--dasha"},
         kRefused, "\"details\":null,\"dasha\":null}", true},
        {{"--batch", "--dasha"}, kUsage, "zorvane-cli: --batch reads its readings", true},
        {{"--open", "x.vrn", "--dasha"}, kUsage, "zorvane-cli: --open takes only --format", true},
    };
    for (const Case& c : cases) {
        const RunResult run = RunCli(c.arguments);
        EXPECT_EQ(run.exitStatus, c.exitStatus) << run.err;
        if (c.exitStatus == kUsage) {
            EXPECT_EQ(run.err.rfind(c.expected, 0), 0U) << run.err;
        } else {
            EXPECT_EQ(run.out.find(c.expected) != std::string::npos, c.present) << c.expected << "\n" << run.out;
        }
    }
}

TEST(CliDasha, TextTableComesAfterTheDetails) {
    const RunResult run = RunCli(With(kIndependence, {"--dasha", "--lat", "28:36N"}));
    ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
    const std::size_t details = run.out.find("\nDetails\n");
    const std::size_t table = run.out.find("\nVimshottari dasha");
    ASSERT_NE(details, std::string::npos);
    ASSERT_NE(table, std::string::npos);
    EXPECT_LT(details, table);
    // The Moon at Karka 3°59′16″ has passed 0.654° of Pushya's 13.333°:
    // 0.049 of Saturn's 19 years is over, 18.07 years are left.
    EXPECT_NE(run.out.find("Balance at birth: Saturn 18 years 0 months 25 days\n", table), std::string::npos);
    EXPECT_NE(run.out.find("\nSaturn                  1946-09-08  1965-09-08\n", table), std::string::npos);
}

// Texts a user might give that JSON must escape or cannot hold as they are;
// each reading is refused, and its inputs still come back as given.
TEST(CliJson, AnyInputTextGivesValidJson) {
    struct Case {
        std::string zoneHour;
        std::string echoed;
    };
    const std::vector<Case> cases = {
        {"a\"b", "a\"b"},
        {"\\", "\\"},
        {"\x01\t", "\x01\t"},
        {"\xff", "\xef\xbf\xbd"},  // not UTF-8: a replacement character
    };
    for (const Case& c : cases) {
        const RunResult run = RunCli({"--date", "1947-08-15", "--time", "00:00", "--zone", c.zoneHour + ":30",
                                      "--lon", "77:13E", "--format", "json"});
        EXPECT_EQ(run.exitStatus, kRefused) << run.err;
        const Json json = Json::parse(run.out, nullptr, /*allow_exceptions=*/false);
        ASSERT_FALSE(json.is_discarded()) << run.out;
        EXPECT_EQ(json["zone_hour"], c.echoed);
        EXPECT_TRUE(json["error"].is_string());
    }
}

// The JSON's numbers are written exactly as the batch writes the same
// reading's columns, so a script may use either.
TEST(CliJson, NumbersMatchTheBatchColumnsTokenForToken) {
    const std::vector<std::vector<std::string>> readings = {
        {"2000", "01", "01", "12", "00", "0", "00", "0", "00", "W", "0"},
        {"1947", "08", "15", "00", "00", "5", "30", "77", "13", "E", "0"},
        {"1992", "04", "12", "00", "00", "0", "00", "0", "00", "W", "0"},
        // Numbers whose shortest form has 16 digits where a plain float
        // writer gives 17.
        {"2033", "11", "22", "05", "57", "10", "30", "2", "24", "W", "0"},
        {"1918", "01", "22", "12", "38", "9", "45", "39", "30", "W", "0"},
    };
    const std::string header = "year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst";
    for (const std::vector<std::string>& r : readings) {
        std::string row;
        for (const std::string& field : r) row += (row.empty() ? "" : ",") + field;
        const RunResult batch = RunCli({"--batch"}, header + "\n" + row + "\n");
        ASSERT_EQ(batch.exitStatus, kSuccess) << batch.err;
        const RunResult single =
            RunCli({"--date", r[0] + "-" + r[1] + "-" + r[2], "--time", r[3] + ":" + r[4], "--zone",
                    r[5] + ":" + r[6], "--lon", r[7] + ":" + r[8] + r[9], "--format", "json"});
        ASSERT_EQ(single.exitStatus, kSuccess) << single.err;

        // No field here needs quotes, so commas split the rows.
        std::vector<std::vector<std::string>> cells;
        for (const std::string& line : Lines(batch.out)) {
            std::vector<std::string>& fields = cells.emplace_back();
            for (std::size_t from = 0; from <= line.size(); from = line.find(',', from) + 1) {
                fields.push_back(line.substr(from, line.find(',', from) - from));
                if (line.find(',', from) == std::string::npos) break;
            }
        }
        ASSERT_EQ(cells.size(), 2U);
        const std::vector<std::string>& names = cells[0];
        const std::vector<std::string>& values = cells[1];
        for (std::size_t i = r.size() + 2; i + 1 < names.size(); ++i) {
            const std::string marker = "\"" + names[i] + "\":";
            const std::size_t begin = single.out.find(marker) + marker.size();
            EXPECT_EQ(single.out.substr(begin, single.out.find_first_of(",}", begin) - begin), values[i])
                << names[i];
        }
    }
}

}  // namespace
