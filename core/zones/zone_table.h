#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zorvane {

// One row of the time-zone picker: the list text, shown as it stands and never
// parsed, and the zone's hours and minutes, positive behind universal time
// (the opposite sign to the text's offset); BoxTextsFor turns them into texts.
struct TimeZoneRow {
    std::string_view listText;
    int hourWritten;
    int minuteWritten;
};

inline constexpr int kTimeZoneRowCount = 71;
extern const std::array<TimeZoneRow, kTimeZoneRowCount> TimeZoneTable;

// What a double-click writes into the hour and minute boxes: the hour
// magnitude with an explicit sign, "+" for a zone ahead of universal time (a
// negative hour value) and "-" for one behind, and the minute magnitude. The
// sign makes the zone lie on the list text's side whatever the longitude.
struct ZoneBoxTexts {
    std::string hour;
    std::string minute;
};
ZoneBoxTexts BoxTextsFor(const TimeZoneRow& row);

}  // namespace zorvane
