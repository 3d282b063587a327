#include "core/atlas/atlas_search.h"

#include <algorithm>
#include <string>

#include "core/atlas/country_names.h"
#include "core/atlas/fold.h"

namespace zorvane {

namespace {

// Up to two letters ("IN", "NY") would be found inside many longer names
// ("Spain", "Kenya"), so they count only as a code or a whole word.
constexpr std::size_t kShortestTextFoundInside = 3;

bool HasWord(std::string_view folded, std::string_view word) {
    for (std::size_t at = folded.find(word); at != std::string_view::npos;
         at = folded.find(word, at + 1)) {
        const bool starts = at == 0 || folded[at - 1] == ' ';
        const std::size_t end = at + word.size();
        if (starts && (end == folded.size() || folded[end] == ' ')) return true;
    }
    return false;
}

bool NameAnswers(std::string_view foldedName, std::string_view box) {
    if (foldedName.empty()) return false;
    return box.size() < kShortestTextFoundInside ? HasWord(foldedName, box)
                                                 : foldedName.find(box) != std::string_view::npos;
}

// Which countries and divisions a box's folded text describes.
struct BoxAnswers {
    std::vector<char> countries;
    std::vector<char> divisions;
    bool Answers(const Atlas& atlas, std::size_t index) const {
        return countries[atlas.CountryOf(index)] != 0 || divisions[atlas.DivisionOf(index)] != 0;
    }
};

BoxAnswers AnswersOf(const Atlas& atlas, std::string_view box) {
    std::string aliasCode;
    for (const CountryName& row : CountryNameTable) {
        if (FoldForSearch(row.typedName) == box) aliasCode = FoldForSearch(row.countryCode);
    }
    BoxAnswers answers;
    for (const Atlas::Region& country : atlas.Countries()) {
        const std::string code = FoldForSearch(country.code);
        answers.countries.push_back(
            static_cast<char>(code == box || code == aliasCode || NameAnswers(country.folded, box)));
    }
    for (const Atlas::Region& division : atlas.Divisions()) {
        answers.divisions.push_back(static_cast<char>(NameAnswers(division.folded, box)));
    }
    return answers;
}

struct Candidate {
    std::uint32_t index = 0;
    MatchQuality quality = MatchQuality::WordStart;
    bool byAlternateName = true;
    int boxesAnswered = 0;
};

bool EndsKey(char c) {
    return c == '|' || c == '\t' || c == '\n';
}

// Every place whose folded keys hold the folded city at a key's or a word's
// start, with the best match of each. The atlas's whole text is scanned:
// a hit outside a place's keys (in a name as written) is passed over.
std::vector<Candidate> Scan(const Atlas& atlas, std::string_view city) {
    const std::string_view text = atlas.Text();
    const std::vector<std::uint32_t>& starts = atlas.KeyStarts();
    std::vector<Candidate> candidates;
    for (std::size_t at = text.find(city); at != std::string_view::npos;
         at = text.find(city, at + 1)) {
        if (at == 0 || at < starts.front()) continue;
        const char before = text[at - 1];
        const bool keyStart = before == '|' || before == '\t';
        if (!keyStart && before != ' ') continue;
        const auto index = static_cast<std::size_t>(
            std::upper_bound(starts.begin(), starts.end(), static_cast<std::uint32_t>(at)) -
            starts.begin() - 1);
        if (at >= atlas.KeysEnd(index)) continue;
        const std::size_t end = at + city.size();
        const bool whole = keyStart && (end == text.size() || EndsKey(text[end]));
        const MatchQuality quality = whole      ? MatchQuality::Whole
                                     : keyStart ? MatchQuality::Start
                                                : MatchQuality::WordStart;
        const bool byAlternate = at >= atlas.AlternatesStart(index);
        const auto row = static_cast<std::uint32_t>(index);
        if (candidates.empty() || candidates.back().index != row) {
            candidates.push_back({row, quality, byAlternate, 0});
            continue;
        }
        Candidate& best = candidates.back();
        if (quality > best.quality || (quality == best.quality && !byAlternate)) {
            best.quality = quality;
            best.byAlternateName = byAlternate;
        }
    }
    return candidates;
}

// Counts, for each candidate, whether it answers a typed box.
void CountAnswers(const Atlas& atlas, std::string_view box, std::vector<Candidate>& candidates) {
    if (box.empty()) return;
    const BoxAnswers answers = AnswersOf(atlas, box);
    for (Candidate& candidate : candidates) {
        candidate.boxesAnswered += static_cast<int>(answers.Answers(atlas, candidate.index));
    }
}

// Alternate names are many and loose (a suburb carries its city's name, a
// town a neighbour's), so a place found only by one counts as a hundredth
// of its size: Mumbai still leads for "Bombay", a village named York does
// not fall behind a city that some source also calls York.
constexpr std::uint32_t kAlternateNameDiscount = 100;

std::uint32_t RankingWeight(const AtlasMatch& match) {
    return match.byAlternateName ? match.place.population / kAlternateNameDiscount
                                 : match.place.population;
}

}  // namespace

AtlasMatches FindPlaces(const Atlas& atlas, const PlaceQuery& query, int limit) {
    AtlasMatches matches;
    const std::string city = FoldForSearch(query.city);
    if (city.empty()) return matches;

    std::vector<Candidate> candidates = Scan(atlas, city);
    CountAnswers(atlas, FoldForSearch(query.state), candidates);
    CountAnswers(atlas, FoldForSearch(query.country), candidates);
    // Places that answer fewer boxes than the best are left out.
    int mostBoxes = 0;
    for (const Candidate& candidate : candidates) {
        mostBoxes = std::max(mostBoxes, candidate.boxesAnswered);
    }
    std::erase_if(candidates,
                  [&](const Candidate& candidate) { return candidate.boxesAnswered < mostBoxes; });

    std::vector<AtlasMatch> found;
    found.reserve(candidates.size());
    for (const Candidate& candidate : candidates) {
        found.push_back({atlas.Place(candidate.index), candidate.quality, candidate.byAlternateName});
    }
    const auto before = [](const AtlasMatch& a, const AtlasMatch& b) {
        if (a.quality != b.quality) return a.quality > b.quality;
        const std::uint32_t weightA = RankingWeight(a);
        const std::uint32_t weightB = RankingWeight(b);
        if (weightA != weightB) return weightA > weightB;
        if (a.byAlternateName != b.byAlternateName) return !a.byAlternateName;
        return a.place.index < b.place.index;
    };
    matches.total = static_cast<int>(found.size());
    const auto shown = static_cast<std::ptrdiff_t>(
        std::min<std::size_t>(found.size(), static_cast<std::size_t>(std::max(limit, 0))));
    std::partial_sort(found.begin(), found.begin() + shown, found.end(), before);
    found.resize(static_cast<std::size_t>(shown));
    matches.places = std::move(found);
    return matches;
}

PlaceQuery SplitPlaceText(std::string_view text) {
    std::string_view parts[3];
    std::size_t count = 0;
    std::size_t from = 0;
    for (; count < 3; ++count) {
        const std::size_t comma = count < 2 ? text.find(',', from) : std::string_view::npos;
        parts[count] = text.substr(from, comma == std::string_view::npos ? comma : comma - from);
        if (comma == std::string_view::npos) {
            ++count;
            break;
        }
        from = comma + 1;
    }
    // Either box may hold either text, so two parts go to the state box.
    return {parts[0], parts[1], parts[2]};
}

}  // namespace zorvane
