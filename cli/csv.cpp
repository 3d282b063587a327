#include "cli/csv.h"

#include <cstring>

namespace zorvane::cli {
namespace {

constexpr char kQuote = '"';
constexpr char kSeparator = ',';

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

// Where the record that starts at begin ends (the position of its LF, or the
// end of the text), following quoted fields across line breaks.
std::size_t QuotedRecordEnd(std::string_view text, std::size_t begin) {
    bool atFieldStart = true;
    bool inQuotes = false;
    for (std::size_t i = begin; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c == kQuote) {
                if (i + 1 < text.size() && text[i + 1] == kQuote) {
                    ++i;
                } else {
                    inQuotes = false;
                }
            }
            continue;
        }
        if (c == '\n') {
            return i;
        }
        if (c == kQuote && atFieldStart) {
            inQuotes = true;
        }
        atFieldStart = c == kSeparator;
    }
    return text.size();
}

}  // namespace

std::vector<std::string_view> SplitCsvRecords(std::string_view text) {
    std::vector<std::string_view> records;
    std::size_t begin = 0;
    while (begin < text.size()) {
        // Most records hold no quote at all; only those need the slow scan.
        const void* newline = std::memchr(text.data() + begin, '\n', text.size() - begin);
        std::size_t end = newline != nullptr
                              ? static_cast<std::size_t>(static_cast<const char*>(newline) - text.data())
                              : text.size();
        if (std::memchr(text.data() + begin, kQuote, end - begin) != nullptr) {
            end = QuotedRecordEnd(text, begin);
        }
        records.push_back(WithoutCarriageReturn(text.substr(begin, end - begin)));
        begin = end + 1;
    }
    return records;
}

std::optional<std::string_view> ParseCsvRecord(std::string_view record,
                                               std::vector<std::string>& fields) {
    fields.clear();
    std::size_t i = 0;
    while (true) {
        std::string& field = fields.emplace_back();
        if (i < record.size() && record[i] == kQuote) {
            ++i;
            bool closed = false;
            while (i < record.size()) {
                const char c = record[i++];
                if (c != kQuote) {
                    field.push_back(c);
                } else if (i < record.size() && record[i] == kQuote) {
                    field.push_back(kQuote);
                    ++i;
                } else {
                    closed = true;
                    break;
                }
            }
            if (!closed) {
                return "a quoted field is not closed";
            }
            if (i < record.size() && record[i] != kSeparator) {
                return "text follows a closing quote";
            }
        } else {
            const std::size_t separator = record.find(kSeparator, i);
            const std::size_t end = separator == std::string_view::npos ? record.size() : separator;
            field.assign(record.substr(i, end - i));
            i = end;
        }
        if (i >= record.size()) {
            return std::nullopt;
        }
        ++i;  // past the separator
    }
}

void AppendCsvField(std::string_view value, std::string& out) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(value);
        return;
    }
    out.push_back(kQuote);
    for (char c : value) {
        if (c == kQuote) {
            out.push_back(kQuote);
        }
        out.push_back(c);
    }
    out.push_back(kQuote);
}

}  // namespace zorvane::cli
