#pragma once

#include <optional>
#include <string>

#include "core/calendar/day_report.h"
#include "core/panchang/day_panchang.h"

namespace zorvane::cli {

// A place for a day or a calendar: coordinates, the clock, and how it is shown.
struct PanchangPlace {
    GeoPlace geo;
    ReportPlace shown;
    ZoneOffsetAt offsetAt;
};

struct PanchangPlaceResult {
    std::optional<PanchangPlace> place;
    std::string fault;
};

// The atlas's first match for "NAME[, STATE][, COUNTRY]", its zone followed
// through its history.
PanchangPlaceResult PlaceFromAtlas(const std::string& placeText);

// Typed coordinates: latitude "28.61", "-33.9", "28:37N" or "33:52S";
// longitude "77.21", "-0.13", "77:12E" or "0:08W"; zone "+5:30", "-3:30",
// "5.5" or "+0" (hours ahead of universal time, negative behind).
PanchangPlaceResult PlaceFromCoordinates(const std::string& latitude, const std::string& longitude,
                                         const std::string& zone);

}  // namespace zorvane::cli
