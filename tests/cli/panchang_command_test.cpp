// --panchang and --calendar run as a user runs them: the day of the
// adhika Shravana at New Delhi, a year of rows, the iCalendar file read back
// by libical, and the faults of the arguments.
#include <gtest/gtest.h>

#include <libical/ical.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::RunCli;
using cli_test::RunResult;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

TEST(PanchangCommand, TheDayAsJsonNamesTheAdhikaShravana) {
    const RunResult run =
        RunCli({"--panchang", "--date", "2023-07-20", "--place", "New Delhi", "--format", "json"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const nlohmann::json day = nlohmann::json::parse(run.out);
    EXPECT_EQ(day["date"], "2023-07-20");
    EXPECT_EQ(day["vara"], "Guruvara");
    EXPECT_EQ(day["lunar_month"]["amanta"], "Shravana");
    EXPECT_EQ(day["lunar_month"]["adhika"], true);
    EXPECT_EQ(day["samvatsara"], "Shobhakrit");
    EXPECT_EQ(day["shaka_year"], 1945);
    EXPECT_EQ(day["vikrama_year"], 2080);
    const std::regex iso(R"(2023-07-2[01]T\d\d:\d\d:\d\d\+05:30)");
    for (const char* key : {"sunrise", "sunset", "moonrise", "moonset"}) {
        EXPECT_TRUE(std::regex_match(day[key].get<std::string>(), iso)) << key << " " << day[key];
    }
    for (const char* limb : {"tithi", "nakshatra", "yoga", "karana"}) {
        ASSERT_FALSE(day["limbs"][limb].empty()) << limb;
        for (const auto& span : day["limbs"][limb]) {
            EXPECT_TRUE(span.contains("number") && span.contains("name") && span.contains("start") &&
                        span.contains("end"))
                << limb;
        }
    }
    EXPECT_EQ(day["limbs"]["tithi"][0]["paksha"], "Shukla");
    EXPECT_EQ(day["choghadiya"].size(), 16U);
    EXPECT_EQ(day["hora"].size(), 24U);
    for (const char* period : {"rahu_kalam", "yamaganda", "gulika", "abhijit"}) {
        EXPECT_TRUE(std::regex_match(day["periods"][period]["start"].get<std::string>(), iso)) << period;
    }
    EXPECT_TRUE(day["periods"]["durmuhurta"].is_array());
    EXPECT_TRUE(day["periods"]["varjyam"].is_array());
    EXPECT_TRUE(day["periods"]["amrita_kalam"].is_array());
}

// Typed coordinates read as the atlas's: the same day, the same limbs.
TEST(PanchangCommand, TypedCoordinatesGiveTheSameLimbsAsTheAtlas) {
    const RunResult typed = RunCli({"--panchang", "--date", "2023-07-20", "--lat", "28:38N", "--lon", "77:13E",
                                    "--zone", "+5:30", "--format", "json"});
    const RunResult atlas =
        RunCli({"--panchang", "--date", "2023-07-20", "--place", "New Delhi", "--format", "json"});
    ASSERT_EQ(typed.exitStatus, 0) << typed.err;
    const nlohmann::json a = nlohmann::json::parse(typed.out);
    const nlohmann::json b = nlohmann::json::parse(atlas.out);
    EXPECT_EQ(a["limbs"]["nakshatra"][1]["start"], b["limbs"]["nakshatra"][1]["start"]);
    EXPECT_EQ(a["place"]["zone"], "+05:30");
    const RunResult text = RunCli({"--panchang", "--date", "2023-07-20", "--place", "New Delhi"});
    EXPECT_NE(text.out.find("Month (amanta)        Shravana (adhika)"), std::string::npos) << text.out;
}

TEST(PanchangCommand, AYearIsOneRowADay) {
    const RunResult run = RunCli({"--calendar", "2023", "--place", "New Delhi"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 366U);
    EXPECT_EQ(lines[0],
              "date,vara,sunrise,sunset,tithi_at_sunrise,nakshatra_at_sunrise,amanta_month,purnimanta_month,"
              "adhika,events");
    EXPECT_EQ(lines[1].substr(0, 22), "2023-01-01,Ravivara,20");
    EXPECT_EQ(lines[365].substr(0, 10), "2023-12-31");
    const RunResult leap = RunCli({"--calendar", "2024", "--month", "2", "--lat", "28.61", "--lon", "77.21",
                                   "--zone", "5.5", "--format", "json"});
    ASSERT_EQ(leap.exitStatus, 0) << leap.err;
    EXPECT_EQ(nlohmann::json::parse(leap.out)["days"].size(), 29U);
}

// The iCalendar file passes libical's parser and restriction check, with one
// event for each mark of the CSV rows.
TEST(PanchangCommand, TheIcsFileHoldsEveryEventOfTheRows) {
    const std::vector<std::string> place = {"--calendar", "2023", "--month", "8", "--place", "New Delhi"};
    std::vector<std::string> ics = place;
    ics.insert(ics.end(), {"--format", "ics"});
    const RunResult file = RunCli(ics);
    const RunResult csv = RunCli(place);
    ASSERT_EQ(file.exitStatus, 0) << file.err;
    int marks = 0;
    for (const std::string& line : Lines(csv.out)) {
        const std::string events = line.substr(line.rfind(',') + 1);
        if (events.empty() || line.starts_with("date,")) continue;
        marks += 1 + static_cast<int>(std::count(events.begin(), events.end(), ';'));
    }
    icalcomponent* calendar = icalparser_parse_string(file.out.c_str());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(icalcomponent_count_errors(calendar), 0);
    EXPECT_EQ(icalrestriction_check(calendar), 1);
    EXPECT_EQ(icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT), marks);
    EXPECT_GE(marks, 5);  // two ekadashis, purnima, amavasya, sankranti, a month start
    icalcomponent_free(calendar);
}

TEST(PanchangCommand, FaultsOfTheArguments) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"--panchang", "--calendar", "2023", "--place", "New Delhi"}, 2, "either --panchang or --calendar"},
        {{"--panchang", "--date", "2023-07-20"}, 2, "a place is needed"},
        {{"--panchang", "--date", "2023-02-30", "--place", "New Delhi"}, 2, "real date"},
        {{"--panchang", "--date", "2023-07-20", "--place", "Nowhereville Qq"}, 3, "no place"},
        {{"--panchang", "--date", "2023-07-20", "--lat", "91", "--lon", "0", "--zone", "0"}, 2, "--lat"},
        {{"--panchang", "--date", "2023-07-20", "--lat", "1", "--lon", "0", "--zone", "25"}, 2, "--zone"},
        {{"--panchang", "--date", "2023-12-21", "--lat", "78.2", "--lon", "15.6", "--zone", "1"}, 3, "polar night"},
        {{"--calendar", "2023", "--month", "13", "--place", "New Delhi"}, 2, "--month"},
        {{"--calendar", "2023", "--place", "New Delhi", "--format", "text"}, 2, "csv, json or ics"},
        {{"--calendar", "2023", "--place", "New Delhi", "--threads", "2"}, 2, "unknown option"},
    };
    for (const Case& c : cases) {
        const RunResult run = RunCli(c.arguments);
        EXPECT_EQ(run.exitStatus, c.status) << c.arguments.back();
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

}  // namespace
