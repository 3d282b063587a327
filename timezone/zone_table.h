#pragma once

#include <array>
#include <string_view>

namespace zorvane {

// One row of the time-zone picker: the list text, shown as it stands and never
// parsed, and the values written into the zone boxes. Values west of
// Greenwich are positive (the opposite sign to the text's offset).
struct TimeZoneRow {
    std::string_view listText;
    int hourWritten;
    int minuteWritten;
};

inline constexpr int kTimeZoneRowCount = 71;
extern const std::array<TimeZoneRow, kTimeZoneRowCount> TimeZoneTable;

}  // namespace zorvane
