// --batch with a place column: the atlas fills each row's longitude, zone and
// DST at that row's own date, as --place does, and a place it does not know
// refuses only its row.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <map>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::Lines;
using cli_test::RunCli;
using cli_test::RunResult;

constexpr int kRefused = 3;

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    return fields;
}

// Column name -> value, for each output row after the header.
std::vector<std::map<std::string, std::string>> Rows(const std::string& out) {
    const std::vector<std::string> lines = Lines(out);
    std::vector<std::map<std::string, std::string>> rows;
    if (lines.empty()) return rows;
    const std::vector<std::string> names = Split(lines[0]);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> values = Split(lines[i]);
        std::map<std::string, std::string> row;
        for (std::size_t k = 0; k < names.size() && k < values.size(); ++k) row[names[k]] = values[k];
        rows.push_back(std::move(row));
    }
    return rows;
}

TEST(BatchPlace, EachRowTakesThePlacesZoneAtItsDateAsPlaceDoes) {
    const struct {
        const char* row;
        const char* placeText;  // what --place is given for the same row
        const char* date;
        const char* time;
    } cases[] = {
        // London kept double summer time in June 1941 and none in January 1990.
        {"1941,6,1,12,0,London,England,", "London, England", "1941-06-01", "12:00"},
        {"1990,1,1,12,0,London,England,", "London, England", "1990-01-01", "12:00"},
        {"1926,11,23,6,15,Puttaparthi,,India", "Puttaparthi, India", "1926-11-23", "06:15"},
        {"1975,7,4,23,30,New York,,", "New York", "1975-07-04", "23:30"},
    };
    std::string csv = "year,month,day,hour,minute,place,state,country\n";
    for (const auto& c : cases) csv.append(c.row).push_back('\n');
    const RunResult batch = RunCli({"--batch", "--threads", "2"}, csv);
    ASSERT_EQ(batch.exitStatus, 0) << batch.err << batch.out;
    const auto rows = Rows(batch.out);
    ASSERT_EQ(rows.size(), std::size(cases));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RunResult single = RunCli({"--place", cases[i].placeText, "--date", cases[i].date, "--time",
                                         cases[i].time, "--format", "json"});
        ASSERT_EQ(single.exitStatus, 0) << single.err;
        const nlohmann::json reading = nlohmann::json::parse(single.out)["reading"];
        EXPECT_EQ(rows[i].at("error"), "") << cases[i].row;
        EXPECT_EQ(rows[i].at("nakshatra"), reading["nakshatra"]) << cases[i].row;
        EXPECT_EQ(rows[i].at("yoga"), reading["yoga"]) << cases[i].row;
        // The batch writes the shortest text that reads back as the same double.
        EXPECT_EQ(std::stod(rows[i].at("universal_hours")), reading["universal_hours"].get<double>())
            << cases[i].row;
        EXPECT_EQ(std::stod(rows[i].at("moon_sidereal")), reading["moon_sidereal"].get<double>())
            << cases[i].row;
    }
    EXPECT_EQ(rows[0].at("universal_hours"), "10");  // 12:00 less two hours of double summer time
    EXPECT_EQ(rows[1].at("universal_hours"), "12");
}

TEST(BatchPlace, APlaceNotFoundRefusesItsRowAndTheOthersRun) {
    const std::string csv =
        "place,year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst\n"
        "Qqqxzv,1947,8,15,0,0,,,,,,\n"
        "Delhi,1947,8,15,0,0,,,,,,\n"
        ",1947,8,15,0,0,5,30,77,13,E,0\n";  // no place: the typed columns stand
    const RunResult batch = RunCli({"--batch", "--threads", "1"}, csv);
    EXPECT_EQ(batch.exitStatus, kRefused) << batch.err;
    const auto rows = Rows(batch.out);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].at("error"), "no place called 'Qqqxzv' is in the atlas");
    EXPECT_EQ(rows[0].at("nakshatra"), "");
    EXPECT_EQ(rows[1].at("error"), "");
    EXPECT_EQ(rows[1].at("yoga"), "Siddhi");
    EXPECT_EQ(rows[2].at("error"), "");
    EXPECT_EQ(rows[2].at("yoga"), "Siddhi");
}

TEST(BatchPlace, WithoutAPlaceColumnTheZoneColumnsAreStillRequired) {
    const RunResult batch = RunCli({"--batch"}, "year,month,day,hour,minute,state\n1947,8,15,0,0,Delhi\n");
    EXPECT_NE(batch.exitStatus, 0);
    EXPECT_NE(batch.err.find("it lacks zone_hour, zone_minute, lon_deg, lon_min, lon_dir, dst"), std::string::npos)
        << batch.err;
}

}  // namespace
