#pragma once

#include <string_view>

#include "core/zones/zone_table.h"

namespace zorvane {

// Whether a row of the time-zone picker stays listed while `typed` is in its
// filter box: an empty filter keeps every row; otherwise the typed text (its
// outer spaces dropped) is found, ignoring ASCII case, in the row's list text
// (the name, the abbreviation or the offset as listed, "+5.3"), or begins the
// offset the row writes, as hours and minutes with or without its sign
// ("+5:30", "5:3", "-8:00").
bool ZoneRowMatches(const TimeZoneRow& row, std::string_view typed);

}  // namespace zorvane
