#include "cli/batch_place.h"

#include <QDate>
#include <QTime>
#include <charconv>

#include "cli/place_listing.h"
#include "core/atlas/atlas_search.h"
#include "core/text/utf8.h"

namespace zorvane::cli {
namespace {

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

}  // namespace

AtlasOrError ReadBatchAtlas() { return ReadProgramAtlas(); }

std::optional<std::string> FillFromPlace(const AtlasOrError& atlas, const RowPlace& place, ReadingFields& fields,
                                         PlaceLookups& lookups) {
    if (place.name.empty()) return std::nullopt;
    if (const auto* reason = std::get_if<std::string>(&atlas)) {
        return "the atlas could not be read: " + *reason;
    }
    // The three parts apart, so that "a,b" + "" and "a" + "b" differ.
    std::string key;
    for (const std::string_view part : {place.name, place.state, place.country}) key.append(part).push_back('\0');
    auto found = lookups.firstMatch.find(key);
    if (found == lookups.firstMatch.end()) {
        if (lookups.firstMatch.size() >= PlaceLookups::kMaxEntries) lookups.firstMatch.clear();
        const AtlasMatches matches =
            FindPlaces(std::get<Atlas>(atlas), {place.name, place.state, place.country}, 1);
        found = lookups.firstMatch
                    .emplace(std::move(key), matches.places.empty() ? std::nullopt
                                                                    : std::optional(matches.places.front().place))
                    .first;
    }
    if (!found->second) {
        std::string named(place.name);
        for (const std::string_view part : {place.state, place.country}) {
            if (!part.empty()) named.append(", ").append(part);
        }
        return "no place called '" + EscapeControls(named) + "' is in the atlas";
    }
    const auto number = [&fields](InputColumn column) { return WholeNumber(fields[column]); };
    const auto year = number(InputColumn::Year);
    const auto month = number(InputColumn::Month);
    const auto day = number(InputColumn::Day);
    const auto hour = number(InputColumn::Hour);
    const auto minute = number(InputColumn::Minute);
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    const QDate date(*year, *month, *day);
    const QTime clockTime(*hour, *minute);
    if (!date.isValid() || !clockTime.isValid()) return std::nullopt;
    fields = FieldsAtPlace(fields, *found->second, date, clockTime);
    return std::nullopt;
}

}  // namespace zorvane::cli
