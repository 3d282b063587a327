#include "core/reading/applied_zone_of_form.h"

#include <cstdlib>

#include "core/zones/zone_offset_text.h"

namespace zorvane {

std::optional<AppliedZone> AppliedZoneOfForm(const ReadingForm& form, const NumberFormat& format) {
    const std::optional<std::int16_t> hours = TextToWholeNumber(form.zoneHour, format, true);
    const std::optional<std::int16_t> minutes = TextToWholeNumber(form.zoneMinute, format, true);
    const std::optional<std::int16_t> lonDegrees = TextToWholeNumber(form.lonDegrees, format);
    const std::optional<std::int16_t> lonMinutes = TextToWholeNumber(form.lonMinutes, format);
    const ZoneSign sign = ZoneSignOf(form.zoneHour);
    // A signed zone needs no longitude; an unsigned one takes its side from it.
    if (!hours || !minutes || (sign == ZoneSign::None && (!lonDegrees || !lonMinutes))) return std::nullopt;
    // As the time base: the two longitude boxes add with their signs, East
    // makes the angle east, and exactly 0 counts as West.
    const int arcminutes = lonDegrees && lonMinutes ? *lonDegrees * 60 + *lonMinutes : 0;
    const bool east = form.eastSelected ? arcminutes > 0 : arcminutes < 0;
    AppliedZone zone;
    zone.zoneSeconds = ZoneOffsetSeconds(sign, east, *hours, *minutes, form.zoneSecond);
    zone.daylightSaving = form.daylightSaving;
    return zone;
}

void PutOffsetInForm(int offsetSeconds, ReadingForm& form) {
    constexpr int kSecondsPerMinute = 60;
    const ZoneHourMinuteTexts texts = SignedZoneTexts(offsetSeconds);
    form.zoneHour = texts.hour;
    form.zoneMinute = texts.minute;
    form.zoneSecond = std::abs(offsetSeconds) % kSecondsPerMinute;
    form.daylightSaving = false;
}

}  // namespace zorvane
