#include "cli/result_columns.h"

#include <charconv>

namespace zorvane::cli {

void AppendShortestNumber(double value, std::string& out) {
    // Longest shortest form of a double: sign, 17 digits, point, exponent.
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error == std::errc{}) {
        out.append(buffer, end);
    }
}

}  // namespace zorvane::cli
