#pragma once

#include <string>
#include <string_view>

namespace zorvane {

// How the zone hour was typed: with a leading "+", a leading "-", or neither.
enum class ZoneSign { None, Ahead, Behind };

// The sign mark of a zone-hour text: its first character after blanks.
ZoneSign ZoneSignOf(std::string_view hourText);

// Whether a zone lies ahead of universal time. "+" is ahead and "-" behind
// whatever the longitude; without a sign the zone follows the longitude's
// hemisphere (east of Greenwich ahead; exactly 0 counts as West).
bool ZoneLiesAhead(ZoneSign sign, bool eastLongitude);

// The signed offset from universal time, seconds east positive, of zone
// boxes holding the given magnitudes.
int ZoneOffsetSeconds(ZoneSign sign, bool eastLongitude, int hours, int minutes, int seconds = 0);

// "+5:30", "-10:00", "+5:53:20" (seconds only when there are any), "0:00".
std::string SignedOffsetText(int seconds);

// The zone-hour box text for an offset, with an explicit sign whenever the
// offset is not zero ("+5", "-10", "-0" for -0:30), and the minute box text
// (a magnitude). Seconds of the offset are not written.
struct ZoneHourMinuteTexts {
    std::string hour;
    std::string minute;
};
ZoneHourMinuteTexts SignedZoneTexts(int offsetSeconds);

}  // namespace zorvane
