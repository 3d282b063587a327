#include "core/reading/applied_zone_of_form.h"

#include "core/zones/zone_offset_text.h"

namespace zorvane {

std::optional<AppliedZone> AppliedZoneOfForm(const ReadingForm& form, const NumberFormat& format) {
    const std::optional<std::int16_t> hours = TextToWholeNumber(form.zoneHour, format, true);
    const std::optional<std::int16_t> minutes = TextToWholeNumber(form.zoneMinute, format, true);
    const std::optional<std::int16_t> lonDegrees = TextToWholeNumber(form.lonDegrees, format);
    const std::optional<std::int16_t> lonMinutes = TextToWholeNumber(form.lonMinutes, format);
    if (!hours || !minutes || !lonDegrees || !lonMinutes) return std::nullopt;
    // As the time base: the two longitude boxes add with their signs, East
    // makes the angle east, and exactly 0 counts as West.
    const int arcminutes = *lonDegrees * 60 + *lonMinutes;
    const bool east = form.eastSelected ? arcminutes > 0 : arcminutes < 0;
    AppliedZone zone;
    zone.zoneSeconds = ZoneOffsetSeconds(ZoneSignOf(form.zoneHour), east, *hours, *minutes, form.zoneSecond);
    zone.daylightSaving = form.daylightSaving;
    return zone;
}

}  // namespace zorvane
