#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::cli {

// Splits CSV text into records, each without its line ending (LF or CR LF).
// A quoted field may hold commas, doubled quotes and line breaks, so a record
// can span several lines. Empty lines give empty records.
std::vector<std::string_view> SplitCsvRecords(std::string_view text);

// The fields of one record, quotes removed and doubled quotes undone. Returns
// a description of the fault when the quoting is broken (an unterminated
// quoted field, or text after a closing quote).
std::optional<std::string_view> ParseCsvRecord(std::string_view record,
                                               std::vector<std::string>& fields);

// Appends a field, quoted when it holds a comma, a quote, CR or LF.
void AppendCsvField(std::string_view value, std::string& out);

}  // namespace zorvane::cli
