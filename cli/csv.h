#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::cli {

// ParseCsvRecord's fault for a quoted field that runs to the end of its record.
inline constexpr std::string_view kUnclosedQuoteFault = "a quoted field is not closed";

// The fields of one record, quotes removed and doubled quotes undone. Returns
// a description of the fault when the quoting is broken (an unterminated
// quoted field, or text after a closing quote).
std::optional<std::string_view> ParseCsvRecord(std::string_view record,
                                               std::vector<std::string>& fields);

// True when the text holds a quote or a control character other than tab
// (CR, LF, NUL...), which a reader would otherwise take for the end of the
// line or of the text.
bool HoldsQuoteOrControl(std::string_view text);

// True when a field must be quoted: it holds a comma, a quote or such a
// control character.
bool NeedsQuotes(std::string_view value);

// Appends a field, quoted when it needs quotes.
void AppendCsvField(std::string_view value, std::string& out);

}  // namespace zorvane::cli
