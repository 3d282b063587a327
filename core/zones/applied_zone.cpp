#include "core/zones/applied_zone.h"

#include "core/zones/zone_offset_text.h"

namespace zorvane {

int AppliedOffsetSeconds(const AppliedZone& zone) {
    return zone.zoneSeconds + (zone.daylightSaving ? kDaylightSavingSeconds : 0);
}

namespace {
std::string SourceText(const AppliedZone& zone) {
    std::string text;
    switch (zone.source) {
        case ZoneSource::Typed:
            return "typed";
        case ZoneSource::Picker:
            return "from the time-zone list";
        case ZoneSource::Atlas:
            text = "from the atlas";
            if (!zone.sourceName.empty()) text.append(" ").append(zone.sourceName);
            return text;
        case ZoneSource::ChartFile:
            return "from the chart file";
        case ZoneSource::ClockStandard:
            text = zone.sourceName.empty() ? std::string_view("clock standard") : zone.sourceName;
            return text;
    }
    return text;
}
}  // namespace

std::string AppliedZoneSentence(const AppliedZone& zone) {
    std::string text = SignedOffsetText(AppliedOffsetSeconds(zone));
    text.append(" from UT = zone ").append(SignedOffsetText(zone.zoneSeconds));
    if (zone.daylightSaving) {
        text.append(" and DST ").append(SignedOffsetText(kDaylightSavingSeconds));
    } else {
        text.append(", no DST");
    }
    text.append(" (").append(SourceText(zone));
    if (!zone.note.empty()) text.append("; ").append(zone.note);
    text.append(")");
    if (zone.daylightSaving && zone.source == ZoneSource::Picker) {
        text.append(". DST adds summer time on top of the picked zone, whose row already holds its full offset");
    }
    return text;
}

}  // namespace zorvane
