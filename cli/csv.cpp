#include "cli/csv.h"

#include <algorithm>

namespace zorvane::cli {
namespace {

constexpr char kQuote = '"';
constexpr char kSeparator = ',';
// ASCII: codes below the space, and DEL, are control characters.
constexpr unsigned char kFirstPrintableCode = 0x20;
constexpr unsigned char kDeleteCode = 0x7F;

}  // namespace

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
                return kUnclosedQuoteFault;
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

bool HoldsQuoteOrControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return c == kQuote || (code < kFirstPrintableCode && c != '\t') || code == kDeleteCode;
    });
}

bool NeedsQuotes(std::string_view value) {
    return value.find(kSeparator) != std::string_view::npos || HoldsQuoteOrControl(value);
}

void AppendCsvField(std::string_view value, std::string& out) {
    if (!NeedsQuotes(value)) {
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
