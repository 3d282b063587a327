#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane::cli {

// The inputs of one reading, in the order of the batch header. Every one is
// kept as the text the user gave: the box texts go through the window's own
// conversions, and batch output echoes them unchanged.
enum class InputColumn : std::size_t {
    Year,
    Month,
    Day,
    Hour,
    Minute,
    ZoneHour,
    ZoneMinute,
    LonDegrees,
    LonMinutes,
    LonDirection,
    DaylightSaving,
};

inline constexpr std::size_t kInputColumnCount = 11;

// Batch header names, also the JSON keys of the inputs.
inline constexpr std::array<std::string_view, kInputColumnCount> kInputColumnNames = std::to_array<std::string_view>({
    "year",     "month",   "day",     "hour",    "minute", "zone_hour",
    "zone_minute", "lon_deg", "lon_min", "lon_dir", "dst",
});
static_assert(kInputColumnNames.size() == kInputColumnCount);

struct ReadingFields {
    std::array<std::string, kInputColumnCount> texts;
    // The latitude's box texts and direction (N or S); empty when none was
    // given. It only feeds the details and never refuses a reading.
    std::string latDegrees;
    std::string latMinutes;
    std::string latDirection;
    // The clock time's seconds as given (--time HH:MM:SS); empty for none.
    std::string second;
    // A clock standard's seconds beyond the zone's minutes (Calcutta Time,
    // +5:53:20), in the zone's direction; set by --clock, never typed.
    int zoneSecond = 0;

    std::string& operator[](InputColumn column) { return texts[static_cast<std::size_t>(column)]; }
    const std::string& operator[](InputColumn column) const {
        return texts[static_cast<std::size_t>(column)];
    }
};

}  // namespace zorvane::cli
