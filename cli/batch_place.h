#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "cli/reading_fields.h"
#include "core/atlas/atlas_file.h"

namespace zorvane::cli {

// The optional columns of a batch that name a row's place: with "place" in
// the header, the zone, longitude and DST columns may be left out, and a row
// with a place gets them (and the latitude) from the atlas.
inline constexpr auto kPlaceColumnNames = std::to_array<std::string_view>({"place", "state", "country"});

// The columns the atlas fills for a row with a place; a header with "place"
// need not name them.
inline constexpr auto kPlaceFilledColumns = std::to_array<InputColumn>({
    InputColumn::ZoneHour,
    InputColumn::ZoneMinute,
    InputColumn::LonDegrees,
    InputColumn::LonMinutes,
    InputColumn::LonDirection,
    InputColumn::DaylightSaving,
});

// A row's place as its three columns give it (state and country may be empty).
struct RowPlace {
    std::string_view name;
    std::string_view state;
    std::string_view country;
};

// The atlas's first match of each place text a worker has looked up (none
// when the atlas holds no such place), so that a batch of many rows at few
// places searches once per place. Bounded: emptied when it grows past
// kMaxEntries distinct places.
struct PlaceLookups {
    static constexpr std::size_t kMaxEntries = 4096;
    std::map<std::string, std::optional<AtlasPlace>, std::less<>> firstMatch;
};

// The program's atlas, read once per batch.
AtlasOrError ReadBatchAtlas();

// Fills the row's latitude, longitude, zone and DST from the atlas's first
// match for the place, the zone at the row's own date and clock time, as
// --place does. Returns the row's refusal when the place is not in the atlas
// (or the atlas could not be read); a row with an empty place, or whose date
// or time is not usable, is left as it is for the reading's own checks.
std::optional<std::string> FillFromPlace(const AtlasOrError& atlas, const RowPlace& place, ReadingFields& fields,
                                         PlaceLookups& lookups);

}  // namespace zorvane::cli
