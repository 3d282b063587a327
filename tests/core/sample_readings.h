#pragma once

#include "core/reading/validate_input.h"

namespace zorvane::testing_readings {

// 15 August 1947, 00:00, zone 5:30, 77:13 East (New Delhi): a complete
// reading that passes every check; the yoga is Siddhi.
inline ReadingForm Independence1947() {
    return ReadingForm{.name = "Bharat",
                       .zoneHour = "5",
                       .zoneMinute = "30",
                       .latDegrees = "28",
                       .latMinutes = "36",
                       .lonDegrees = "77",
                       .lonMinutes = "13",
                       .monthIndex = 7,
                       .dayIndex = 14,
                       .dayText = "15",
                       .yearText = "1947"};
}

}  // namespace zorvane::testing_readings
