// Every column of a batch file, given the texts that break programs: each row
// comes back refused with the message that names its fault, or computed,
// and a bad row never stops or changes the rows around it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using cli_test::RunCli;
using cli_test::RunResult;

constexpr int kUsage = 2;
constexpr int kRefused = 3;
constexpr std::size_t kColumnCount = 11;
constexpr std::size_t kOutputColumns = 24;
constexpr std::size_t kYoga = 12;
constexpr std::size_t kError = 23;
// Long, yet within the longest line a batch takes.
constexpr std::size_t kVeryLong = 60'000;
constexpr std::size_t kTenMegabytes = std::size_t{10} * 1024 * 1024;

const std::string kHeader = "year,month,day,hour,minute,zone_hour,zone_minute,lon_deg,lon_min,lon_dir,dst";
// 15 August 1947, 00:00, zone 5:30, 77:13 East.
const std::vector<std::string> kGoodRow = {"1947", "8", "15", "0", "0", "5", "30", "77", "13", "E", "0"};
const std::string kGoodYoga = "Siddhi";

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted.push_back('"');
        quoted.push_back(c);
    }
    return quoted + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) row += ',';
        row += CsvField(fields[i]);
    }
    row += '\n';
    return row;
}

// Records of the output, fields unquoted; quoted line breaks stay in their field.
std::vector<std::vector<std::string>> OutputRecords(const std::string& text) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                fields.back().push_back('"');
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back().push_back(c);
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n') {
            records.push_back(fields);
            fields.assign(1, "");
        } else {
            fields.back().push_back(c);
        }
    }
    return records;
}

const std::vector<std::string>& BadTexts() {
    static const std::vector<std::string> texts = {
        "", " ", "   ", "abc", "-", "+5", "1,5", "2.5", "999", "-99", "1e9", "0x1",
        "आशा",  // a name in Devanagari: three characters, nine bytes
        "१२",   // Devanagari digits
        "🙂", std::string(kVeryLong, 'a'), std::string("\0", 1), "5\r", "e", "true",
    };
    return texts;
}

// Characters as a text box counts them: UTF-8 continuation bytes start none.
std::size_t Characters(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    return count;
}

// What each column answers to a text: "" when the row is computed.
std::string ExpectedFault(std::size_t column, const std::string& text) {
    static const char* const kListFaults[] = {
        "year must be a whole number from 1901 to 2050", "month must be a whole number from 1 to 12",
        "day must be a whole number from 1 to 31", "hour must be a whole number from 0 to 23",
        "minute must be a whole number from 0 to 59"};
    struct Box {
        const char* name;
        const char* missing;
        const char* invalid;
    };
    static const Box kBoxes[] = {
        {"zone_hour", "Please Enter Degree of Time Zone", "Please Enter Valid Hour of Time Zone"},
        {"zone_minute", "Please Enter Minute of Time Zone", "Please Enter Valid Minute of Time Zone"},
        {"lon_deg", "Please Enter Degree of Longitude", "Please Enter Valid Degree of Longitude"},
        {"lon_min", "Please Enter Minute of Longitude", "Please Enter Valid Minute of Longitude"},
    };
    if (column < 5) return kListFaults[column];  // no bad text is an entry of a list
    if (column == 9) return "lon_dir must be E or W";
    if (column == 10) return "dst must be 0 or 1";
    const Box& box = kBoxes[column - 5];
    if (Characters(text) > 3) return std::string(box.name) + " is longer than 3 characters";
    if (text.empty()) return box.missing;
    // Whole numbers in the full-stop format are taken; ranges are not checked.
    if (text == "+5" || text == "2.5" || text == "999" || text == "-99") return "";
    return box.invalid;
}

TEST(BadInputBatch, EveryColumnWithEveryBadText) {
    struct Row {
        std::size_t column;
        std::string text;
    };
    std::vector<Row> rows;
    std::string csv = kHeader + "\n";
    for (std::size_t column = 0; column < kColumnCount; ++column) {
        for (const std::string& text : BadTexts()) {
            std::vector<std::string> fields = kGoodRow;
            fields[column] = text;
            rows.push_back({column, text});
            csv += CsvRow(fields);
            csv += CsvRow(kGoodRow);  // a good row after every bad one
        }
    }

    const RunResult run = RunCli({"--batch", "--threads", "2"}, csv);
    EXPECT_EQ(run.exitStatus, kRefused) << run.err;
    const std::vector<std::vector<std::string>> records = OutputRecords(run.out);
    ASSERT_EQ(records.size(), 1 + 2 * rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE("column " + std::to_string(row.column) + " '" + row.text.substr(0, 20) + "'");
        const std::vector<std::string>& bad = records[1 + 2 * i];
        const std::vector<std::string>& good = records[2 + 2 * i];
        ASSERT_EQ(bad.size(), kOutputColumns);
        ASSERT_EQ(good.size(), kOutputColumns);
        EXPECT_EQ(bad[row.column], row.text);  // the input comes back as given
        const std::string fault = ExpectedFault(row.column, row.text);
        EXPECT_EQ(bad[kError], fault);
        EXPECT_EQ(bad[kYoga].empty(), !fault.empty());
        EXPECT_EQ(good[kError], "");
        EXPECT_EQ(good[kYoga], kGoodYoga);
    }
}

TEST(BadInputBatch, WholeFilesThatAreNotABatch) {
    for (const std::string& input : {std::string(), std::string(3, '\0'), std::string(kTenMegabytes, '\0'),
                                     std::string("\xef\xbb\xbf"), kHeader.substr(0, 20)}) {
        const RunResult run = RunCli({"--batch"}, input);
        EXPECT_EQ(run.exitStatus, kUsage);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("the first line must be the header"), std::string::npos) << run.err;
    }
}

TEST(BadInputBatch, HugeAndNulFieldsRefuseOnlyTheirRow) {
    std::vector<std::string> huge = kGoodRow;
    huge[7] = std::string(kTenMegabytes, '7');
    std::vector<std::string> nul = kGoodRow;
    nul[0] = std::string("19\0" "47", 5);
    const std::string csv = kHeader + "\n" + CsvRow(huge) + CsvRow(kGoodRow) + CsvRow(nul) + "\n\n" +
                            CsvRow(kGoodRow);
    const RunResult run = RunCli({"--batch", "--threads", "1"}, csv);
    EXPECT_EQ(run.exitStatus, kRefused);
    const std::vector<std::vector<std::string>> records = OutputRecords(run.out);
    ASSERT_EQ(records.size(), 5U);  // empty lines are skipped
    // A line that long is not kept, so its columns come back empty.
    EXPECT_EQ(records[1][kError], "input line 2 is longer than 65536 bytes");
    EXPECT_EQ(records[1][7], "");
    EXPECT_EQ(records[2][kYoga], kGoodYoga);
    EXPECT_EQ(records[3][kError], "year must be a whole number from 1901 to 2050");
    EXPECT_EQ(records[3][0], nul[0]);
    EXPECT_NE(run.out.find("\"" + nul[0] + "\","), std::string::npos) << "a NUL is quoted";
    EXPECT_EQ(records[4][kYoga], kGoodYoga);
    EXPECT_NE(run.err.find("2 of 4 rows refused"), std::string::npos) << run.err;
}

}  // namespace
