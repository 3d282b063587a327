#pragma once

#include <cstdint>

namespace zorvane {

// The reading as the computations see it. Written only by the calculation
// driver; a field whose conversion fails keeps the value it had before.
struct BirthData {
    std::int16_t Month = 0;       // 1..12
    std::int16_t Day = 0;         // 1..31
    std::int16_t Year = 0;        // 1901..2050
    std::int16_t Hour = 0;        // 0..23
    std::int16_t Minute = 0;      // 0..59
    std::int16_t ZoneHour = 0;    // magnitude of the typed zone hours
    std::int16_t ZoneMinute = 0;  // magnitude of the typed zone minutes
    std::int16_t LonDegrees = 0;  // typed sign kept
    std::int16_t LonMinutes = 0;  // typed sign kept
    bool LonEast = false;
    bool DaylightSaving = false;
    // The zone hour was typed with a leading "+": the zone lies ahead of
    // universal time whatever the longitude. Without it the direction comes
    // from the longitude's hemisphere.
    bool ZoneAheadOfUniversalTime = false;
    // The zone hour was typed with a leading "-": the zone lies behind
    // universal time whatever the longitude.
    bool ZoneBehindUniversalTime = false;
    std::int16_t Second = 0;      // 0..59, seconds of the clock time
    std::int16_t ZoneSecond = 0;  // magnitude of the zone's seconds (+5:53:20)
};

}  // namespace zorvane
