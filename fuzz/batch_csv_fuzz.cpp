// Any bytes as a batch file of readings: broken quoting, stray CRs, rows of
// the wrong length, values no window could hold. Every row must come back as
// exactly one output row with the same columns, computed or refused.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/csv.h"
#include "cli/reading_fields.h"
#include "cli/result_columns.h"
#include "fuzz/fuzz_bytes.h"
#include "fuzz/fuzz_check.h"
#include "reading/display_tables.h"

using namespace zorvane;
using namespace zorvane::cli;

namespace {

constexpr std::size_t kOutputColumnCount = kInputColumnCount + 2 + kNumberColumnCount + 1;
constexpr std::size_t kNakshatraIndex = kInputColumnCount;
constexpr std::size_t kYogaIndex = kInputColumnCount + 1;
constexpr std::size_t kErrorIndex = kOutputColumnCount - 1;

bool Within(std::string_view part, std::string_view whole) {
    return part.empty() ||
           (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

// Fields written back out read back as the same fields.
void CheckRoundTrip(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line.push_back(',');
        AppendCsvField(fields[i], line);
    }
    if (line.empty()) return;  // one empty field is an empty line
    const std::vector<std::string_view> records = SplitCsvRecords(line);
    FUZZ_CHECK(records.size() == 1);
    std::vector<std::string> again;
    FUZZ_CHECK(!ParseCsvRecord(records.front(), again));
    FUZZ_CHECK(again == fields);
}

void CheckBatchOutput(const BatchOutcome& outcome, const std::string& output) {
    if (!outcome.headerFault.empty()) {
        FUZZ_CHECK(output.empty());
        return;
    }
    FUZZ_CHECK(outcome.refusedCount <= outcome.rowCount);
    const std::vector<std::string_view> records = SplitCsvRecords(output);
    FUZZ_CHECK(records.size() == outcome.rowCount + 1);
    std::size_t refused = 0;
    std::vector<std::string> fields;
    for (const std::string_view record : records) {
        FUZZ_CHECK(!ParseCsvRecord(record, fields));
        FUZZ_CHECK(fields.size() == kOutputColumnCount);
        if (record.data() == records.front().data()) continue;  // the header
        if (!fields[kErrorIndex].empty()) {
            ++refused;
            FUZZ_CHECK(fields[kNakshatraIndex].empty() && fields[kYogaIndex].empty());
        } else {
            FUZZ_CHECK(FindNakshatraRow(fields[kNakshatraIndex]).has_value());
            FUZZ_CHECK(FindYogaRow(fields[kYogaIndex]).has_value());
        }
    }
    FUZZ_CHECK(refused == outcome.refusedCount);
}

// The header, so that most inputs reach the rows instead of stopping at it.
std::string HeaderLine() {
    std::string header;
    for (std::size_t i = 0; i < kInputColumnCount; ++i) {
        header.append(i == 0 ? "" : ",").append(kInputColumnNames[i]);
    }
    return header + "\n";
}

}  // namespace

// The first byte says whether the header goes in front; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string file = (data[0] & 1) != 0 ? HeaderLine() : std::string();
    file.append(AsText(data, size).substr(1));
    const std::string_view text = file;

    std::vector<std::string> fields;
    for (const std::string_view record : SplitCsvRecords(text)) {
        FUZZ_CHECK(Within(record, text));
        if (!ParseCsvRecord(record, fields)) CheckRoundTrip(fields);
    }

    std::string output;
    const BatchOutcome outcome = RunBatch(text, 1, [&](std::string_view piece) { output.append(piece); });
    CheckBatchOutput(outcome, output);
    return 0;
}
