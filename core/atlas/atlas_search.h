#pragma once

#include <string_view>
#include <vector>

#include "core/atlas/atlas.h"

namespace zorvane {

// What the user typed: only the city is needed; a state or a country, when
// typed, narrows and ranks the matches. Either box may hold either text: a
// name ("Maharashtra", "India"), part of one, or a two-letter country code.
struct PlaceQuery {
    std::string_view city;
    std::string_view state;
    std::string_view country;
};

// How well a place's name answers the typed city, best last.
enum class MatchQuality {
    WordStart,  // a later word of a name begins with it: "York" in "New York"
    Start,      // a name begins with it
    Whole,      // a whole name
};

struct AtlasMatch {
    AtlasPlace place;
    MatchQuality quality = MatchQuality::WordStart;
    // Found by an alternate name only ("Bombay" for Mumbai, "मुंबई").
    bool byAlternateName = false;
};

struct AtlasMatches {
    std::vector<AtlasMatch> places;  // best first, at most the limit asked
    int total = 0;                   // all places that matched
};

inline constexpr int kAtlasListLimit = 50;

// Places any of whose names or alternate names, folded, is the typed city,
// begins with it, or has a word that begins with it. Where some of them
// answer the state or the country box, only those are kept; where none does
// (a misspelt or an older name), all are, so nothing is lost. Best first:
// boxes answered, then how well the name matches, then population.
AtlasMatches FindPlaces(const Atlas& atlas, const PlaceQuery& query,
                        int limit = kAtlasListLimit);

// "NAME[, STATE][, COUNTRY]" as one text: with two parts the second may be
// either a state or a country.
PlaceQuery SplitPlaceText(std::string_view text);

}  // namespace zorvane
