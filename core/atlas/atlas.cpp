#include "core/atlas/atlas.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_map>

#include "core/atlas/fold.h"

namespace zorvane {

namespace {

// Columns of a place line, after its "P".
enum PlaceField {
    NameField,
    AsciiNameField,
    NameKeysField,
    AlternatesField,
    LatitudeField,
    LongitudeField,
    CountryField,
    DivisionField,
    PopulationField,
    ZoneField,
    PlaceFieldCount
};

constexpr char kAlternateSeparator = '|';
constexpr double kLargestLatitudeDegrees = 90.0;
constexpr double kLargestLongitudeDegrees = 180.0;

// Splits `line` at tabs into `fields`; false unless there are exactly as many.
template <std::size_t N>
bool SplitTabs(std::string_view line, std::array<std::string_view, N>& fields) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t tab = line.find('\t', start);
        if ((tab == std::string_view::npos) != (i + 1 == N)) return false;
        fields[i] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        start = tab + 1;
    }
    return true;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

std::string LineError(std::size_t lineNumber, std::string_view what) {
    return "line " + std::to_string(lineNumber) + " of the atlas: " + std::string(what);
}

}  // namespace

std::variant<Atlas, std::string> Atlas::Parse(std::string body) {
    if (body.size() >= std::numeric_limits<std::uint32_t>::max()) {
        return std::string("the atlas is too large");
    }
    Atlas atlas;
    atlas.body_ = std::move(body);
    const std::string_view text = atlas.body_;

    std::unordered_map<std::string_view, std::uint16_t> countryIndex;
    std::unordered_map<std::string_view, std::uint16_t> divisionIndex;
    std::unordered_map<std::string_view, std::uint16_t> zoneIndex;
    auto indexOf = [](auto& map, auto& list, auto key, auto make) -> std::optional<std::uint16_t> {
        if (const auto found = map.find(key); found != map.end()) return found->second;
        if (list.size() >= std::numeric_limits<std::uint16_t>::max()) return std::nullopt;
        const auto index = static_cast<std::uint16_t>(list.size());
        list.push_back(make());
        map.emplace(key, index);
        return index;
    };

    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.size() < 2 || line[1] != '\t') {
            return LineError(lineNumber, "no kind of line");
        }
        const char kind = line[0];
        const std::string_view rest = line.substr(2);
        if (kind == 'C' || kind == 'D') {
            std::array<std::string_view, 2> fields;
            if (!SplitTabs(rest, fields)) return LineError(lineNumber, "not a code and a name");
            auto& list = kind == 'C' ? atlas.countries_ : atlas.divisions_;
            const Region region{std::string(fields[0]), std::string(fields[1]),
                                FoldForSearch(fields[1])};
            auto& index = kind == 'C' ? countryIndex : divisionIndex;
            const bool added = indexOf(index, list, fields[0], [&] { return region; }).has_value();
            if (!added) return LineError(lineNumber, "too many regions");
            continue;
        }
        if (kind != 'P') return LineError(lineNumber, "an unknown kind of line");

        std::array<std::string_view, PlaceFieldCount> fields;
        if (!SplitTabs(rest, fields)) return LineError(lineNumber, "not the place's eleven fields");
        const auto spanOf = [&](std::string_view field) {
            return Span{static_cast<std::uint32_t>(field.data() - text.data()),
                        static_cast<std::uint32_t>(field.size())};
        };
        Row row;
        row.name = spanOf(fields[NameField]);
        row.asciiName = fields[AsciiNameField].empty() ? row.name : spanOf(fields[AsciiNameField]);
        row.alternates = spanOf(fields[AlternatesField]);
        // from_chars reads "nan" and "inf" too: neither is on the globe.
        if (!ParseNumber(fields[LatitudeField], row.latitude) || !std::isfinite(row.latitude) ||
            std::abs(row.latitude) > kLargestLatitudeDegrees ||
            !ParseNumber(fields[LongitudeField], row.longitude) || !std::isfinite(row.longitude) ||
            std::abs(row.longitude) > kLargestLongitudeDegrees) {
            return LineError(lineNumber, "a position off the globe");
        }
        if (!ParseNumber(fields[PopulationField], row.population)) {
            return LineError(lineNumber, "a population that is not a whole number");
        }
        if (fields[NameField].empty() || fields[NameKeysField].empty() || fields[ZoneField].empty()) {
            return LineError(lineNumber, "a place without a name or a zone");
        }
        const std::string_view countryCode = fields[CountryField];
        const std::optional<std::uint16_t> country = indexOf(
            countryIndex, atlas.countries_, countryCode, [&] {
                // A code the data names no country for is shown as itself.
                return Region{std::string(countryCode), std::string(countryCode),
                              FoldForSearch(countryCode)};
            });
        const std::string_view divisionCode = fields[DivisionField];
        const std::optional<std::uint16_t> division =
            indexOf(divisionIndex, atlas.divisions_, divisionCode,
                    [&] { return Region{std::string(divisionCode), {}, {}}; });
        const std::optional<std::uint16_t> zone = indexOf(
            zoneIndex, atlas.zones_, fields[ZoneField], [&] { return std::string(fields[ZoneField]); });
        if (!country || !division || !zone) return LineError(lineNumber, "too many regions");
        row.country = *country;
        row.division = *division;
        row.zone = *zone;
        atlas.rows_.push_back(row);
        atlas.keyStarts_.push_back(spanOf(fields[NameKeysField]).offset);
    }
    if (atlas.rows_.empty()) return std::string("the atlas holds no place");

    return atlas;
}

AtlasPlace Atlas::Place(std::size_t index) const {
    const Row& row = rows_.at(index);
    const Region& division = divisions_[row.division];
    const Region& country = countries_[row.country];
    AtlasPlace place;
    place.name = Text(row.name);
    place.asciiName = Text(row.asciiName);
    place.state = division.name;
    place.divisionCode = division.code;
    place.country = country.name;
    place.countryCode = country.code;
    place.zoneId = zones_[row.zone];
    place.latitude = row.latitude;
    place.longitude = row.longitude;
    place.population = row.population;
    place.index = static_cast<std::uint32_t>(index);
    return place;
}

std::vector<std::string_view> Atlas::AlternateNames(std::size_t index) const {
    std::vector<std::string_view> names;
    const std::string_view alternates = Text(rows_.at(index).alternates);
    std::size_t from = 0;
    while (from < alternates.size()) {
        std::size_t bar = alternates.find(kAlternateSeparator, from);
        if (bar == std::string_view::npos) bar = alternates.size();
        names.push_back(alternates.substr(from, bar - from));
        from = bar + 1;
    }
    return names;
}

}  // namespace zorvane
