#pragma once

#include <string>
#include <string_view>

#include "core/text/wording.h"

namespace zorvane {

// Who last wrote the zone that a calculation applies.
enum class ZoneSource { Typed, Picker, Atlas, ChartFile, ClockStandard };

// The zone a calculation applies, before it becomes one offset.
struct AppliedZone {
    int zoneSeconds = 0;          // the zone boxes' offset, east positive (sign rule applied)
    bool daylightSaving = false;  // "DST": one hour more
    ZoneSource source = ZoneSource::Typed;
    std::string_view sourceName;  // the atlas zone id or the clock standard's name; may be empty
    std::string_view note;        // what the atlas says beside it ("double summer time"); may be empty
};

inline constexpr int kDaylightSavingSeconds = 3600;

// The offset from universal time the calculation uses, seconds east positive:
// summer time moves the clocks one hour ahead whichever side the zone is on.
int AppliedOffsetSeconds(const AppliedZone& zone);

// One line saying the offset applied and how it is made, e.g.
// "+6:30 from UT = zone +5:30 and DST +1:00 (typed)". When DST is ticked on
// a zone from the time-zone list, whose rows carry their full offset, a
// second sentence says that summer time is added on top of the picked zone.
std::string AppliedZoneSentence(const AppliedZone& zone, const Wording& wording = {});

}  // namespace zorvane
