// Cutting a batch input into records as it streams in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/csv_records.h"

namespace zorvane::cli {
namespace {

struct Expected {
    std::string text;
    std::size_t line;
    bool tooLong = false;
};

constexpr std::size_t kCap = 16;

std::vector<Expected> Records(const std::string& input) {
    std::vector<Expected> out;
    for (const CsvRecord& r : SplitCsvRecords(input, kCap)) out.push_back({r.text, r.line, r.tooLong});
    return out;
}

bool operator==(const Expected& a, const Expected& b) {
    return a.text == b.text && a.line == b.line && a.tooLong == b.tooLong;
}

void PrintTo(const Expected& e, std::ostream* os) {
    *os << '{' << testing::PrintToString(e.text) << ", line " << e.line << (e.tooLong ? ", too long}" : "}");
}

TEST(CsvRecords, LineEndsQuotesAndTheCap) {
    const struct Case {
        const char* what;
        std::string input;
        std::vector<Expected> records;
    } cases[] = {
        {"LF, CR LF and CR alone", "a\nb\r\nc\rd", {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}}},
        {"empty lines are skipped", "\r\n\na\r\r\nb\n", {{"a", 3}, {"b", 5}}},
        {"a quoted line break stays in its record", "\"x\r\ny\",1\nz", {{"\"x\r\ny\",1", 1}, {"z", 3}}},
        {"doubled quotes", "\"a\"\"\nb\"\nc", {{"\"a\"\"\nb\"", 1}, {"c", 3}}},
        {"a quote left open to the end spoils only its line", "a,\"b\nc\nd,e\n",
         {{"a,\"b", 1}, {"c", 2}, {"d,e", 3}}},
        {"a quote left open past the cap, the same", "\"b\nc\nd\ne\nf\ng\nh\ni\nj\nk\n",
         {{"\"b", 1}, {"c", 2}, {"d", 3}, {"e", 4}, {"f", 5}, {"g", 6}, {"h", 7}, {"i", 8}, {"j", 9}, {"k", 10}}},
        {"a line longer than the cap", "0123456789abcdefXYZ\r\nok", {{"", 1, true}, {"ok", 2}}},
        {"a quote inside a field opens nothing", "a\"b\nc", {{"a\"b", 1}, {"c", 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Records(c.input), c.records);
    }
}

// Whatever size the pieces arrive in, the records are the same.
TEST(CsvRecords, PiecesOfAnySizeGiveTheSameRecords) {
    const std::string input = "h1,h2\r\n\"q\r\n\",x\r\n0123456789abcdefghij\r\n\"open\nrest\r";
    const std::vector<Expected> whole = Records(input);
    for (std::size_t piece = 1; piece <= 4; ++piece) {
        std::size_t at = 0;
        CsvRecordReader reader(
            [&](std::span<char> room) {
                const std::size_t count = std::min({piece, room.size(), input.size() - at});
                input.copy(room.data(), count, at);
                at += count;
                return count;
            },
            kCap);
        std::vector<Expected> got;
        for (CsvRecord r; reader.Next(r);) got.push_back({r.text, r.line, r.tooLong});
        EXPECT_EQ(got, whole) << "pieces of " << piece;
    }
}

}  // namespace
}  // namespace zorvane::cli
