#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/options.h"
#include "cli/reading_fields.h"
#include "core/atlas/atlas_file.h"
#include "core/reading/validate_input.h"

class QDate;
class QTime;

namespace zorvane::cli {

// What --place prints: the atlas's matches for "NAME[, STATE][, COUNTRY]",
// best first, with name, division, country, latitude, longitude and zone,
// and, when a date and a time are given, each zone's offset from universal
// time at that moment and any summer time, from the system's zone history.
struct PlaceListing {
    std::string text;        // the matches as text, one a line
    nlohmann::json places;   // the same as a JSON array
    int total = 0;           // all places that matched; at most 50 are listed
    std::string fault;       // why nothing could be listed; empty otherwise
    // A single reading's fields with the zone, longitude and DST boxes filled
    // from the first match, as the window's "Use this place" fills them.
    ReadingFields firstPlaceFields;
    // The first match as a chart keeps it: its names and its zone id.
    BirthPlace firstPlace;
    // The first match's atlas zone and coordinates (degrees, north and east
    // positive), for the clock standards and changes of the clocks there.
    std::string firstZoneId;
    double firstLatitude = 0;
    double firstLongitude = 0;
};

// The atlas the program ships, read once by the caller.
AtlasOrError ReadProgramAtlas();

// A reading's fields with latitude, longitude, zone and DST filled from an
// atlas place as "Use this place" fills them, the zone taken from the place's
// history at that date and clock time (what --place fills for its first match).
ReadingFields FieldsAtPlace(const ReadingFields& fields, const AtlasPlace& place, QDate date, QTime clockTime);

// `date` and `time` as --date and --time take them; both empty: no offsets.
PlaceListing ListPlaces(const std::string& placeText, const std::string& date,
                        const std::string& time, const ReadingFields& fields);

// What --place alone writes: the listing as text or as one JSON object.
std::string ListingOutput(const std::string& placeText, const PlaceListing& listing,
                          OutputFormat format);

}  // namespace zorvane::cli
