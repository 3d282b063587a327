#include "core/zones/applied_zone.h"

#include "core/zones/zone_offset_text.h"

namespace zorvane {

int AppliedOffsetSeconds(const AppliedZone& zone) {
    return zone.zoneSeconds + (zone.daylightSaving ? kDaylightSavingSeconds : 0);
}

namespace {
std::string SourceText(const AppliedZone& zone, const Wording& wording) {
    switch (zone.source) {
        case ZoneSource::Typed:
            return wording.Say("typed");
        case ZoneSource::Picker:
            return wording.Say("from the time-zone list");
        case ZoneSource::Atlas:
            return zone.sourceName.empty() ? wording.Say("from the atlas")
                                           : wording.SayWith("from the atlas %1", {zone.sourceName});
        case ZoneSource::ChartFile:
            return wording.Say("from the chart file");
        case ZoneSource::ClockStandard:
            return wording.Say(zone.sourceName.empty() ? std::string_view("clock standard") : zone.sourceName);
    }
    return {};
}
}  // namespace

std::string AppliedZoneSentence(const AppliedZone& zone, const Wording& wording) {
    const std::string applied = SignedOffsetText(AppliedOffsetSeconds(zone));
    const std::string zoneOffset = SignedOffsetText(zone.zoneSeconds);
    std::string text = zone.daylightSaving
                           ? wording.SayWith("%1 from UT = zone %2 and DST %3",
                                             {applied, zoneOffset, SignedOffsetText(kDaylightSavingSeconds)})
                           : wording.SayWith("%1 from UT = zone %2, no DST", {applied, zoneOffset});
    text.append(" (").append(SourceText(zone, wording));
    if (!zone.note.empty()) text.append("; ").append(zone.note);
    text.append(")");
    if (zone.daylightSaving && zone.source == ZoneSource::Picker) {
        text.append(wording.Say(
            ". DST adds summer time on top of the picked zone, whose row already holds its full offset"));
    }
    return text;
}

}  // namespace zorvane
