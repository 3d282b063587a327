#include "core/zones/zone_offset_text.h"

#include <cstdlib>

namespace zorvane {

namespace {
constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;

void AppendTwoDigits(int value, std::string& text) {
    if (value < 10) text.push_back('0');
    text.append(std::to_string(value));
}

std::string_view SignOf(int seconds) { return seconds > 0 ? "+" : seconds < 0 ? "-" : ""; }
}  // namespace

ZoneSign ZoneSignOf(std::string_view hourText) {
    const std::size_t first = hourText.find_first_not_of(" \t");
    if (first == std::string_view::npos) return ZoneSign::None;
    if (hourText[first] == '+') return ZoneSign::Ahead;
    if (hourText[first] == '-') return ZoneSign::Behind;
    return ZoneSign::None;
}

bool ZoneLiesAhead(ZoneSign sign, bool eastLongitude) {
    switch (sign) {
        case ZoneSign::Ahead:
            return true;
        case ZoneSign::Behind:
            return false;
        case ZoneSign::None:
            break;
    }
    return eastLongitude;
}

int ZoneOffsetSeconds(ZoneSign sign, bool eastLongitude, int hours, int minutes, int seconds) {
    const int magnitude =
        std::abs(hours) * kSecondsPerHour + std::abs(minutes) * kSecondsPerMinute + std::abs(seconds);
    return ZoneLiesAhead(sign, eastLongitude) ? magnitude : -magnitude;
}

std::string SignedOffsetText(int seconds) {
    const int magnitude = std::abs(seconds);
    std::string text(SignOf(seconds));
    text.append(std::to_string(magnitude / kSecondsPerHour)).push_back(':');
    AppendTwoDigits(magnitude % kSecondsPerHour / kSecondsPerMinute, text);
    if (magnitude % kSecondsPerMinute != 0) {
        text.push_back(':');
        AppendTwoDigits(magnitude % kSecondsPerMinute, text);
    }
    return text;
}

ZoneHourMinuteTexts SignedZoneTexts(int offsetSeconds) {
    const int magnitude = std::abs(offsetSeconds);
    std::string hour(SignOf(offsetSeconds));
    hour.append(std::to_string(magnitude / kSecondsPerHour));
    return {hour, std::to_string(magnitude % kSecondsPerHour / kSecondsPerMinute)};
}

}  // namespace zorvane
