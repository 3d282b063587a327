#include "app/atlas.h"

#include <QThreadPool>
#include <algorithm>
#include <string_view>

#include "app/atlas_country_names.h"
#include "app/atlas_former_names.h"
#include "app/atlas_text.h"

namespace zorvane {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FoldedUtf8(std::string_view text) {
    return FoldForSearch(FromUtf8(text));
}

bool HasWord(const QString& foldedText, const QString& word) {
    return foldedText == word || foldedText.startsWith(word + u' ') ||
           foldedText.endsWith(u' ' + word) || foldedText.contains(u' ' + word + u' ');
}

// Up to two letters ("IN", "NY") would be found inside many longer names
// ("Spain", "Kenya"), so they count only as a code or a whole word.
constexpr qsizetype kShortestTextFoundInside = 3;

// Whether a place answers what the user typed in the state or the country box.
bool AnswersBox(const QString& foldedBox, const QString& aliasCode, const QString& state,
                const QString& country, const QString& countryCode) {
    if (foldedBox.isEmpty()) {
        return false;
    }
    if (foldedBox == countryCode || (!aliasCode.isEmpty() && aliasCode == countryCode)) {
        return true;
    }
    if (foldedBox.size() < kShortestTextFoundInside) {
        return HasWord(state, foldedBox) || HasWord(country, foldedBox);
    }
    return state.contains(foldedBox) || country.contains(foldedBox);
}

QString AliasCodeFor(const QString& foldedBox) {
    for (const CountryName& row : CountryNameTable) {
        if (FoldedUtf8(row.typedName) == foldedBox) {
            return FoldedUtf8(row.countryCode);
        }
    }
    return {};
}

struct PlaceInCountry {
    QString name;
    QString countryCode;
};

// The atlas's places that the folded city text names by a former name.
std::vector<PlaceInCountry> PlacesFormerlyNamed(const QString& foldedCity) {
    std::vector<PlaceInCountry> places;
    for (const FormerName& row : FormerNameTable) {
        if (FoldedUtf8(row.formerName) == foldedCity) {
            places.push_back({FromUtf8(row.atlasName), FromUtf8(row.countryCode)});
        }
    }
    return places;
}

struct Candidate {
    const AtlasPlace* place;
    int boxesAnswered;  // 0, 1 or 2
    bool sameName;      // the typed name, or the place it formerly named
};

bool Before(const Candidate& a, const Candidate& b) {
    if (a.boxesAnswered != b.boxesAnswered) return a.boxesAnswered > b.boxesAnswered;
    if (a.sameName != b.sameName) return a.sameName;
    if (a.place->population != b.place->population) {
        return a.place->population > b.place->population;
    }
    return a.place->name < b.place->name;
}

}  // namespace

Atlas::Atlas(const std::vector<AtlasRecord>& records) {
    places_.reserve(records.size());
    folded_.reserve(records.size());
    for (const AtlasRecord& record : records) {
        AtlasPlace place;
        place.name = FromUtf8(record.name);
        place.state = FromUtf8(record.state);
        place.country = FromUtf8(record.country);
        place.countryCode = FromUtf8(record.countryCode);
        place.zoneId = QByteArray::fromStdString(record.zoneId);
        place.latitude = record.latitude;
        place.longitude = record.longitude;
        place.population = record.population;
        folded_.push_back({FoldForSearch(place.name), FoldForSearch(place.state),
                           FoldForSearch(place.country), FoldForSearch(place.countryCode)});
        places_.push_back(std::move(place));
    }
}

const Atlas& Atlas::System() {
    // Read once and never changed afterwards; the first caller pays the reading.
    static const Atlas atlas(ReadAtlasRecords());
    return atlas;
}

void Atlas::PrepareSystemInBackground() {
    // A fifth of a second on a single core: too long to spend on the click.
    QThreadPool::globalInstance()->start([] { static_cast<void>(System()); });
}

AtlasMatches Atlas::Find(const TypedPlace& typed, int limit) const {
    AtlasMatches matches;
    const QString city = FoldForSearch(typed.city);
    if (city.isEmpty()) {
        return matches;
    }
    const QString wordStart = u' ' + city;
    const QString stateBox = FoldForSearch(typed.state);
    const QString countryBox = FoldForSearch(typed.country);
    const QString stateAlias = AliasCodeFor(stateBox);
    const QString countryAlias = AliasCodeFor(countryBox);

    const std::vector<PlaceInCountry> formerlyNamed = PlacesFormerlyNamed(city);

    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const AtlasPlace& place = places_[i];
        const Folded& folded = folded_[i];
        const bool sameName = folded.name == city;
        const bool byName =
            sameName || folded.name.startsWith(city) || folded.name.contains(wordStart);
        const bool byFormerName =
            std::any_of(formerlyNamed.begin(), formerlyNamed.end(), [&](const PlaceInCountry& p) {
                return place.name == p.name && place.countryCode == p.countryCode;
            });
        if (byFormerName) {
            matches.atlasNameForFormerName = place.name;
        }
        if (!byName && !byFormerName) {
            continue;
        }
        const int boxes = static_cast<int>(AnswersBox(stateBox, stateAlias, folded.state,
                                                      folded.country, folded.countryCode)) +
                          static_cast<int>(AnswersBox(countryBox, countryAlias, folded.state,
                                                      folded.country, folded.countryCode));
        candidates.push_back({&place, boxes, sameName || byFormerName});
    }

    matches.total = static_cast<int>(candidates.size());
    const auto shown = static_cast<std::ptrdiff_t>(
        std::min<std::size_t>(candidates.size(), static_cast<std::size_t>(std::max(limit, 0))));
    std::partial_sort(candidates.begin(), candidates.begin() + shown, candidates.end(), Before);
    matches.places.reserve(static_cast<std::size_t>(shown));
    for (std::ptrdiff_t i = 0; i < shown; ++i) {
        matches.places.push_back(candidates[static_cast<std::size_t>(i)].place);
    }
    return matches;
}

}  // namespace zorvane
