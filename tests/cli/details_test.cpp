// The details of a single reading on the command line: --lat, the JSON
// "details" object and the text form.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/csv.h"
#include "cli_process.h"

namespace {

using cli_test::RunCli;
using cli_test::RunResult;

constexpr int kSuccess = 0;
constexpr int kUsage = 2;
constexpr int kRefused = 3;

std::vector<std::string> Independence(std::vector<std::string> more) {
    std::vector<std::string> arguments{"--date", "1947-08-15", "--time", "00:00", "--zone", "5:30", "--lon", "77:13E",
                                       "--format", "json"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The "details" object's text, braces included.
std::string DetailsObject(const std::string& json) {
    const std::size_t at = json.find("\"details\":");
    if (at == std::string::npos) return "<missing>";
    const std::size_t begin = at + std::string("\"details\":").size();
    return json.substr(begin, json.find('}', begin) + 1 - begin);
}

// Each "key": of a flat object, in order.
std::vector<std::string> KeysOf(const std::string& object) {
    std::vector<std::string> keys;
    for (std::size_t at = object.find("{\""); at != std::string::npos; at = object.find(",\"", at + 1)) {
        const std::size_t begin = at + 2;
        keys.push_back(object.substr(begin, object.find('"', begin) - begin));
    }
    return keys;
}

std::string Token(const std::string& object, const std::string& key) {
    const std::string marker = "\"" + key + "\":";
    const std::size_t begin = object.find(marker) + marker.size();
    const std::size_t end = object[begin] == '"' ? object.find('"', begin + 1) + 1 : object.find_first_of(",}", begin);
    return object.substr(begin, end - begin);
}

TEST(CliDetails, JsonHasExactlyTheDetailKeysInOrder) {
    const RunResult run = RunCli(Independence({"--lat", "28:36N"}));
    ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
    const std::string details = DetailsObject(run.out);
    const std::vector<std::string> expected{
        "moon_rashi",    "nakshatra_pada", "nakshatra_lord", "nakshatra_start", "nakshatra_end", "sun_sidereal",
        "sun_rashi",     "tithi_number",   "tithi_name",     "paksha",          "tithi_start",   "tithi_end",
        "karana_number", "karana_name",    "karana_start",   "karana_end",      "yoga_start",    "yoga_end",
        "sunrise",       "sunset",         "vara",           "sun_note",        "universal_time"};
    EXPECT_EQ(KeysOf(details), expected) << details;
    EXPECT_EQ(Token(details, "tithi_end"), "\"1947-08-15T00:00:29+05:30\"");
    EXPECT_EQ(Token(details, "universal_time"), "\"1947-08-14T18:30:00Z\"");
    EXPECT_EQ(Token(details, "sunrise"), "\"1947-08-15T05:49:36+05:30\"");
    EXPECT_EQ(Token(details, "vara"), "\"Guruvara\"");
    EXPECT_EQ(Token(details, "sun_note"), "null");
    EXPECT_EQ(Token(details, "tithi_number"), "28");
}

TEST(CliDetails, LatitudeNeverBlocksTheReading) {
    struct Case {
        std::vector<std::string> latitude;
        int exitStatus;
        std::string sunNote;  // the token, or the start of the complaint
    };
    const std::vector<Case> cases = {
        {{}, kSuccess, "\"Sunrise needs a valid latitude\""},
        {{"--lat", "90:30N"}, kSuccess, "\"Sunrise needs a valid latitude\""},
        {{"--lat", "ab:00S"}, kSuccess, "\"Sunrise needs a valid latitude\""},
        {{"--lat", "28:36"}, kUsage, "zorvane-cli: --lat takes D:MN or D:MS"},
        {{"--lat", "33:52S"}, kSuccess, "null"},
    };
    for (const Case& c : cases) {
        const RunResult run = RunCli(Independence(c.latitude));
        EXPECT_EQ(run.exitStatus, c.exitStatus) << run.err;
        if (c.exitStatus == kSuccess) {
            EXPECT_EQ(Token(DetailsObject(run.out), "sun_note"), c.sunNote);
        } else {
            EXPECT_EQ(run.err.rfind(c.sunNote, 0), 0U) << run.err;
        }
    }
}

TEST(CliDetails, TimesFollowTheBirthsClockAndARefusalHasNoDetails) {
    const RunResult west = RunCli({"--date", "2000-01-01", "--time", "12:00", "--zone", "5:00", "--lon", "74:00W",
                                   "--format", "json"});
    ASSERT_EQ(west.exitStatus, kSuccess) << west.err;
    EXPECT_EQ(Token(DetailsObject(west.out), "universal_time"), "\"2000-01-01T17:00:00Z\"");
    EXPECT_NE(Token(DetailsObject(west.out), "yoga_end").find("-05:00\""), std::string::npos);

    const RunResult refused = RunCli({"--date", "1947-08-15", "--time", "00:00", "--zone", "5:30", "--lon", "-100:00E",
                                      "--format", "json"});
    EXPECT_EQ(refused.exitStatus, kRefused) << refused.err;
    EXPECT_NE(refused.out.find("\"details\":null}"), std::string::npos) << refused.out;
}

TEST(CliDetails, TextPrintsTheDetailsAfterTheParagraphs) {
    const RunResult run =
        RunCli({"--date", "1947-08-15", "--time", "00:00", "--zone", "5:30", "--lon", "77:13E", "--lat", "28:36N"});
    ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
    const std::size_t details = run.out.find("\nDetails\n");
    ASSERT_NE(details, std::string::npos);
    EXPECT_GT(details, run.out.find("Yoga: Siddhi"));
    for (const char* line : {"Tithi: Krishna Trayodashi (28), 1947-08-14 03:30:54 to 1947-08-15 00:00:29",
                             "Moon: Karka 3°59′16″, Pushya pada 1, lord Saturn", "Vara: Guruvara",
                             "The tithi ends less than a minute after the birth; a birth 1 minute later gives "
                             "Krishna Chaturdashi."}) {
        EXPECT_NE(run.out.find(line, details), std::string::npos) << line;
    }
}

// The CSV output as rows of fields (no quoted fields expected).
std::vector<std::vector<std::string>> CsvRows(const std::string& out) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t at = 0; at < out.size(); at = out.find('\n', at) + 1) {
        // The program's own CSV reader: the zone_applied column is quoted.
        std::vector<std::string> fields;
        EXPECT_FALSE(zorvane::cli::ParseCsvRecord(out.substr(at, out.find('\n', at) - at), fields));
        rows.push_back(fields);
    }
    return rows;
}

TEST(CliDetails, BatchReadsTheLatitudeColumnsByName) {
    const std::string csv =
        "year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst,lat_dir,lat_deg,lat_min\n"
        "1947,8,15,0,0,5,30,77,13,E,0,N,28,36\n"
        "1947,8,15,0,0,5,30,77,13,E,0,N,90,30\n";
    const RunResult run = RunCli({"--batch", "--details"}, csv);
    ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
    const auto rows = CsvRows(run.out);
    ASSERT_EQ(rows.size(), 3u) << run.out;
    const auto& header = rows[0];
    auto at = [&](const std::vector<std::string>& row, const char* key) {
        return row[static_cast<std::size_t>(std::find(header.begin(), header.end(), key) - header.begin())];
    };
    EXPECT_EQ(at(rows[1], "lat_dir"), "N");  // echoed as given
    EXPECT_EQ(at(rows[1], "sunrise"), "1947-08-15T05:49:36+05:30");
    EXPECT_EQ(at(rows[1], "vara"), "Guruvara");
    EXPECT_EQ(at(rows[2], "sun_note"), "Sunrise needs a valid latitude");
}

TEST(CliDetails, BatchAppendsTheDetailColumnsAfterError) {
    const std::string csv =
        "year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst\n"
        "1947,8,15,0,0,5,30,77,13,E,0\n"
        "1947,8,15,0,99,5,30,77,13,E,0\n";
    const RunResult run = RunCli({"--batch", "--details", "--threads", "2"}, csv);
    EXPECT_EQ(run.exitStatus, kRefused) << run.err;  // the second row
    const auto rows = CsvRows(run.out);
    ASSERT_EQ(rows.size(), 3u) << run.out;
    const std::vector<std::string>& header = rows[0];
    const auto error = std::find(header.begin(), header.end(), "error");
    ASSERT_NE(error, header.end());
    EXPECT_EQ(*(error + 1), "moon_rashi");
    EXPECT_EQ(header.back(), "clock_note");
    EXPECT_EQ(*(header.end() - 3), "dasha_balance_years");
    for (const auto& row : rows) EXPECT_EQ(row.size(), header.size());
    auto at = [&](const std::vector<std::string>& row, const char* key) {
        return row[static_cast<std::size_t>(std::find(header.begin(), header.end(), key) - header.begin())];
    };
    EXPECT_EQ(at(rows[1], "tithi_end"), "1947-08-15T00:00:29+05:30");
    EXPECT_EQ(at(rows[1], "sun_note"), "Sunrise needs a valid latitude");
    EXPECT_EQ(at(rows[1], "sunrise"), "");
    EXPECT_EQ(at(rows[2], "moon_rashi"), "");
    EXPECT_EQ(at(rows[1], "dasha_lord"), at(rows[1], "nakshatra_lord"));
    // The Moon has passed 0.049 of Pushya: 18.07 of Saturn's 19 years are left.
    constexpr double kBalanceToleranceYears = 0.01;  // the figure above is worked to 0.01
    EXPECT_NEAR(std::stod(at(rows[1], "dasha_balance_years")), 18.07, kBalanceToleranceYears);
    EXPECT_EQ(at(rows[2], "dasha_lord"), "");
}

}  // namespace
