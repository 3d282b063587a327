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
#include "core/format/display_tables.h"

using namespace zorvane;
using namespace zorvane::cli;

namespace {

// Result columns after the input ones: two names, the numbers, the error.
constexpr std::size_t kResultColumnCount = 2 + kNumberColumnCount + 1;

// Fields written back out read back as the same fields.
void CheckRoundTrip(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line.push_back(',');
        AppendCsvField(fields[i], line);
    }
    if (line.empty()) return;  // one empty field is an empty line
    const std::vector<CsvRecord> records = SplitCsvRecords(line, kBatchMaxLineBytes);
    if (line.size() >= kBatchMaxLineBytes) return;
    FUZZ_CHECK(records.size() == 1);
    std::vector<std::string> again;
    FUZZ_CHECK(!ParseCsvRecord(records.front().text, again));
    FUZZ_CHECK(again == fields);
}

void CheckBatchOutput(const BatchOutcome& outcome, const std::string& output) {
    if (!outcome.headerFault.empty()) {
        FUZZ_CHECK(output.empty());
        return;
    }
    FUZZ_CHECK(outcome.refusedCount <= outcome.rowCount);
    // Output rows hold no more than an input line and the results.
    const std::vector<CsvRecord> records = SplitCsvRecords(output, 4 * kBatchMaxLineBytes);
    FUZZ_CHECK(records.size() == outcome.rowCount + 1);
    std::size_t refused = 0;
    std::vector<std::string> fields;
    FUZZ_CHECK(!ParseCsvRecord(records.front().text, fields));
    const std::size_t columnCount = fields.size();
    FUZZ_CHECK(columnCount >= kInputColumnCount + kResultColumnCount);
    const std::size_t nakshatra = columnCount - kResultColumnCount;
    for (std::size_t r = 1; r < records.size(); ++r) {
        FUZZ_CHECK(!ParseCsvRecord(records[r].text, fields));
        FUZZ_CHECK(fields.size() == columnCount);
        if (!fields.back().empty()) {
            ++refused;
            FUZZ_CHECK(fields[nakshatra].empty() && fields[nakshatra + 1].empty());
        } else {
            FUZZ_CHECK(FindNakshatraRow(fields[nakshatra]).has_value());
            FUZZ_CHECK(FindYogaRow(fields[nakshatra + 1]).has_value());
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
    for (const CsvRecord& record : SplitCsvRecords(text, kBatchMaxLineBytes)) {
        if (!record.tooLong && !ParseCsvRecord(record.text, fields)) CheckRoundTrip(fields);
    }

    std::string output;
    const BatchOutcome outcome = RunBatch(text, 1, [&](std::string_view piece) { output.append(piece); });
    CheckBatchOutput(outcome, output);
    return 0;
}
