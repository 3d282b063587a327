#pragma once

#include <cstddef>
#include <string_view>

namespace zorvane {

// What the window's drop-down lists offer, and so what the command line
// accepts for the same inputs.
struct OfferedRange {
    int lowest;
    int highest;
};

inline constexpr OfferedRange kOfferedYears{1901, 2050};
inline constexpr OfferedRange kOfferedMonths{1, 12};
inline constexpr OfferedRange kOfferedDays{1, 31};
inline constexpr OfferedRange kOfferedHours{0, 23};
inline constexpr OfferedRange kOfferedMinutes{0, 59};
inline constexpr OfferedRange kOfferedSeconds{0, 59};

// The zone and longitude boxes hold at most this many characters.
inline constexpr std::size_t kShortBoxCapacity = 3;

// True when text says "from <lowest> to <highest>" of the range: lets a
// message that names a range be checked against it when it compiles.
constexpr bool NamesRange(std::string_view text, OfferedRange range) {
    const auto digits = [](int value, char* end) {
        char* at = end;
        do {
            *--at = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0);
        return at;
    };
    char low[16] = {};
    char high[16] = {};
    const char* lowStart = digits(range.lowest, low + sizeof low);
    const char* highStart = digits(range.highest, high + sizeof high);
    std::string_view lowText(lowStart, static_cast<std::size_t>(low + sizeof low - lowStart));
    std::string_view highText(highStart, static_cast<std::size_t>(high + sizeof high - highStart));
    const std::size_t from = text.find("from ");
    if (from == std::string_view::npos) return false;
    std::string_view rest = text.substr(from + 5);
    if (!rest.starts_with(lowText)) return false;
    rest.remove_prefix(lowText.size());
    if (!rest.starts_with(" to ")) return false;
    rest.remove_prefix(4);
    return rest == highText;
}

}  // namespace zorvane
