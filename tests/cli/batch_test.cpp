#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::Lines;
using cli_test::RunCli;
using cli_test::RunResult;

constexpr int kSuccess = 0;
constexpr int kUsage = 2;
constexpr int kRefused = 3;

const std::string kHeader = "year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst";
const std::string kOutputHeader =
    kHeader +
    ",nakshatra,yoga,universal_hours,julian_day_number,centuries,ayanamsa,moon_sidereal,jde,"
    "panchang_ayanamsa,moon_unreduced,sun_unreduced,yoga_position,error";
constexpr std::size_t kOutputColumns = 24;
constexpr std::size_t kNakshatra = 11;
constexpr std::size_t kYoga = 12;
constexpr std::size_t kYogaPosition = 22;
constexpr std::size_t kError = 23;

// Fields of one CSV line, quotes undone.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back().push_back('"');
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    return fields;
}

RunResult Batch(const std::string& csv, const std::string& threads = "2") {
    return RunCli({"--batch", "--threads", threads}, csv);
}

const std::vector<std::string> kGoodRows = {
    "2000,1,1,12,0,0,0,0,0,W,0",
    "1947,8,15,0,0,5,30,77,13,E,0",
    "1976,7,4,12,0,5,0,75,0,W,0",
    "1992,4,12,0,0,0,0,0,0,W,1",
};
const std::vector<std::string> kGoodYogas = {"Dhrithi", "Siddhi", "Parigha"};

TEST(Batch, RowsComeBackInInputOrderWhateverTheThreadCount) {
    // More rows than one unit of work, so that several threads share them.
    constexpr std::size_t kRows = 5000;
    constexpr std::size_t kImpossibleDateRow = 2500;
    constexpr std::size_t kShortRow = 10;
    std::string csv = kHeader + "\n";
    std::vector<std::string> inputs;
    for (std::size_t i = 0; i < kRows; ++i) {
        std::string row = kGoodRows[i % kGoodRows.size()];
        if (i == kImpossibleDateRow) {
            row = "1990,4,31,12,0,0,0,0,0,W,0";
        } else if (i == kShortRow) {
            row = "1990,4,30,12,0,0,0,0,0,W";
        }
        inputs.push_back(row);
        csv += row + "\n";
    }

    const RunResult one = Batch(csv, "1");
    const RunResult two = Batch(csv, "2");
    const RunResult three = Batch(csv, "3");
    EXPECT_EQ(one.exitStatus, kRefused);
    EXPECT_EQ(two.exitStatus, kRefused);
    EXPECT_EQ(one.out, two.out);
    EXPECT_EQ(one.out, three.out);

    const std::vector<std::string> lines = Lines(two.out);
    ASSERT_EQ(lines.size(), kRows + 1);
    EXPECT_EQ(lines[0], kOutputHeader);
    for (std::size_t i = 0; i < kRows; ++i) {
        const std::vector<std::string> fields = Fields(lines[i + 1]);
        ASSERT_EQ(fields.size(), kOutputColumns) << lines[i + 1];
        if (i == kImpossibleDateRow) {
            EXPECT_EQ(lines[i + 1].substr(0, inputs[i].size() + 1), inputs[i] + ",");
            EXPECT_EQ(fields[kNakshatra], "");
            EXPECT_EQ(fields[kYogaPosition], "");
            EXPECT_EQ(fields[kError], "Please Enter Correct Date Or Month !");
        } else if (i == kShortRow) {
            // The missing column comes back empty so every row has all columns.
            EXPECT_EQ(lines[i + 1].substr(0, inputs[i].size() + 2), inputs[i] + ",,");
            EXPECT_NE(fields[kError].find("10 fields"), std::string::npos) << fields[kError];
        } else {
            EXPECT_EQ(lines[i + 1].substr(0, inputs[i].size() + 1), inputs[i] + ",");
            EXPECT_EQ(fields[kError], "");
            if (i % kGoodRows.size() < kGoodYogas.size()) {
                EXPECT_EQ(fields[kYoga], kGoodYogas[i % kGoodRows.size()]) << i;
            }
        }
    }
}

TEST(Batch, ARowGivesTheSameValuesAsTheSingleReading) {
    const RunResult batch = Batch(kHeader + "\n1947,8,15,0,0,-5,30,77,13,E,1\n");
    ASSERT_EQ(batch.exitStatus, kSuccess) << batch.err;
    const std::vector<std::string> lines = Lines(batch.out);
    ASSERT_EQ(lines.size(), 2U);
    const std::vector<std::string> names = Fields(lines[0]);
    const std::vector<std::string> values = Fields(lines[1]);

    const RunResult single = RunCli({"--date", "1947-08-15", "--time", "0:0", "--zone", "-5:30",
                                     "--lon", "77:13E", "--dst", "--format", "json"});
    ASSERT_EQ(single.exitStatus, kSuccess) << single.err;
    for (std::size_t i = kNakshatra; i < kError; ++i) {
        const std::string quote = i <= kYoga ? "\"" : "";
        std::string expected = "\"";
        expected += names[i];
        expected += "\":";
        expected += quote;
        expected += values[i];
        expected += quote;
        EXPECT_NE(single.out.find(expected), std::string::npos) << expected << "\n" << single.out;
    }
}

TEST(Batch, QuotedFieldsAreReadAndWrittenAsCsv) {
    const std::string csv = kHeader +
                            "\n"
                            "\"2000\",\"1\",1,12,0,0,\"0\",0,0,W,0\n"
                            "2000,1,1,12,0,\"1,5\",0,0,0,W,0\n"
                            "2000,1,1,12,0,0,0,0,\"a\"\"b\",W,0\n"
                            "2000,1,1,12,0,0,\"0\n\",0,0,W,0\n"
                            "2000,1,1,12,0,0,0,0,0,W,0\n"
                            "2000,1,1,12,0,0,0,0,\"0\r1\",W,0\n";
    const RunResult run = Batch(csv);
    EXPECT_EQ(run.exitStatus, kRefused);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 8U) << run.out;

    // Quotes that were not needed are dropped; the values stay.
    EXPECT_TRUE(lines[1].starts_with("2000,1,1,12,0,0,0,0,0,W,0,Swati,Dhrithi,")) << lines[1];

    EXPECT_TRUE(lines[2].starts_with("2000,1,1,12,0,\"1,5\",0,0,0,W,0,,,")) << lines[2];
    EXPECT_EQ(Fields(lines[2])[kError], "Please Enter Valid Hour of Time Zone");

    EXPECT_TRUE(lines[3].starts_with("2000,1,1,12,0,0,0,0,\"a\"\"b\",W,0,,,")) << lines[3];
    EXPECT_EQ(Fields(lines[3])[kError], "Please Enter Valid Minute of Longitude");

    // A line break inside quotes stays inside its field, quoted again.
    EXPECT_EQ(lines[4], "2000,1,1,12,0,0,\"0");
    EXPECT_TRUE(lines[5].starts_with("\",0,0,W,0,")) << lines[5];

    EXPECT_EQ(Fields(lines[6])[kYoga], "Dhrithi");

    // A quoted bare CR is quoted again on the way out.
    EXPECT_TRUE(lines[7].starts_with("2000,1,1,12,0,0,0,0,\"0\r1\",W,0,,,")) << lines[7];
}

TEST(Batch, MalformedRowsAreRefusedWithoutStoppingTheOthers) {
    const std::string csv = kHeader +
                            "\n"
                            "2000,1,1,12,0,0,0,0,0,W,0,extra\n"
                            "2000,1,1,12,0,\"0\"x,0,0,0,W,0\n"
                            "1900,1,1,12,0,0,0,0,0,W,0\n"
                            "2000,1,1,12,0,0,0,0,0,X,0\n"
                            "2000,1,1,12,0,0,0,0,0,W,2\n"
                            "2000,1,1,12,0,0,0,0,0,W,0\n"
                            "2000,1,1,12,0,0,0,0,0,W,\"0";
    const RunResult run = Batch(csv);
    EXPECT_EQ(run.exitStatus, kRefused);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 8U) << run.out;
    const std::vector<std::string> expectedFaults = {
        "12 fields", "closing quote", "year", "lon_dir", "dst", "", "not closed",
    };
    for (std::size_t row = 0; row < expectedFaults.size(); ++row) {
        const std::vector<std::string> fields = Fields(lines[row + 1]);
        ASSERT_EQ(fields.size(), kOutputColumns) << lines[row + 1];
        if (expectedFaults[row].empty()) {
            EXPECT_EQ(fields[kError], "");
            EXPECT_EQ(fields[kYoga], "Dhrithi");
        } else {
            EXPECT_NE(fields[kError].find(expectedFaults[row]), std::string::npos) << fields[kError];
            EXPECT_EQ(fields[kYoga], "");
        }
    }
    EXPECT_NE(run.err.find("6 of 7"), std::string::npos) << run.err;
}

TEST(Batch, AllRowsComputedExitsZeroAndTakesWindowsLineEnds) {
    const RunResult run = Batch(kHeader + "\r\n" + kGoodRows[0] + "\r\n\r\n" + kGoodRows[1] + "\r\n");
    EXPECT_EQ(run.exitStatus, kSuccess) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3U);  // the empty line is skipped
    EXPECT_EQ(Fields(lines[1])[kYoga], "Dhrithi");
    EXPECT_EQ(Fields(lines[2])[kYoga], "Siddhi");

    const RunResult headerOnly = Batch(kHeader + "\n");
    EXPECT_EQ(headerOnly.exitStatus, kSuccess);
    EXPECT_EQ(headerOnly.out, kOutputHeader + "\n");
}

TEST(Batch, InputWithoutTheHeaderIsAUsageError) {
    for (const std::string& csv : {std::string(), kGoodRows[0] + "\n",
                                   "year,month,day\n" + kGoodRows[0] + "\n"}) {
        const RunResult run = Batch(csv);
        EXPECT_EQ(run.exitStatus, kUsage) << csv;
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("header"), std::string::npos) << run.err;
    }
}

TEST(Batch, ColumnsGoByTheirNamesAndUnknownOnesPassThroughInPlace) {
    const std::string header = "id,dst,lon_dir,lon_min,lon_deg,zone_minute,zone_hour,minute,hour,day,month,year,note";
    const RunResult run = Batch(header + "\n7,0,E,13,77,30,5,0,0,15,8,1947,\"a, b\"\n8,0,W,0,0,0,0,0,12,1,1,2000,\n");
    ASSERT_EQ(run.exitStatus, kSuccess) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0], header + kOutputHeader.substr(kHeader.size()));
    EXPECT_TRUE(lines[1].starts_with("7,0,E,13,77,30,5,0,0,15,8,1947,\"a, b\",Pushya,Siddhi,")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("8,0,W,0,0,0,0,0,12,1,1,2000,,Swati,Dhrithi,")) << lines[2];
}

TEST(Batch, AHeaderWithoutARequiredColumnNamesIt) {
    const struct {
        std::string header;
        std::string named;
    } cases[] = {
        {"year,month,day,hour,minute,zone_hour,lon_deg,lon_min,lon_dir,dst", "it lacks zone_minute"},
        {"dst,year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dirs", "it lacks lon_dir"},
        {kHeader + ",DST", "it names dst twice"},
    };
    for (const auto& c : cases) {
        const RunResult run = Batch(c.header + "\n" + kGoodRows[0] + "\n");
        EXPECT_EQ(run.exitStatus, kUsage);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    }
}

TEST(Batch, OldMacLineEndsAndAnUnclosedQuoteSpoilOnlyItsRow) {
    const RunResult crOnly = Batch(kHeader + "\r" + kGoodRows[0] + "\r" + kGoodRows[1] + "\r");
    ASSERT_EQ(crOnly.exitStatus, kSuccess) << crOnly.err;
    ASSERT_EQ(Lines(crOnly.out).size(), 3U);
    EXPECT_EQ(Fields(Lines(crOnly.out)[2])[kYoga], "Siddhi");

    const RunResult run = Batch(kHeader + "\n" + kGoodRows[0] + "\n\n2000,1,\"1,12,0,0,0,0,0,W,0\n" +
                                kGoodRows[1] + "\n" + kGoodRows[2] + "\n");
    EXPECT_EQ(run.exitStatus, kRefused);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5U) << run.out;
    EXPECT_EQ(Fields(lines[2])[kError], "the quoted field that begins on input line 4 is not closed");
    EXPECT_EQ(Fields(lines[3])[kYoga], "Siddhi");
    EXPECT_EQ(Fields(lines[4])[kYoga], "Parigha");
}

}  // namespace
