#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/matching/star.h"
#include "core/text/wording.h"

namespace zorvane {

// One of the eight kootas: its points of its maximum, the two values it
// compared (the bride's first) and what it stands for. The name and the
// meaning are the English words (the JSON's), which a text words itself;
// the values are worded.
struct Koota {
    std::string_view name;
    double points = 0;
    double max = 0;
    std::array<std::string, 2> values;
    std::string_view meaning;
};

// A dosha found, why, and the classical cancellations: each says whether it
// holds for this pair. They are notes for the reader; none is applied to the
// total. The name is the English one; the reason and the notes are worded.
struct Dosha {
    std::string_view name;
    std::string reason;
    std::vector<std::string> notes;
};

inline constexpr double kAshtakootaMaxPoints = 36.0;
inline constexpr int kKootaCount = 8;

struct Ashtakoota {
    std::array<Koota, kKootaCount> kootas;  // varna .. nadi, in the order of their maxima
    double total = 0;
    std::vector<Dosha> doshas;  // nadi, bhakoot, gana, when present
};

// The guna milan of a bride and a groom from their birth stars (the Moon's
// signs follow from the padas). Points in halves. The values, reasons and
// notes in the wording's language.
Ashtakoota MatchAshtakoota(const Star& bride, const Star& groom, const Wording& wording = {});

// The tara (1 Janma .. 9 Parama Mitra) of the star `to` counted from the
// star `from`, both counted, by nines.
int TaraOf(int fromNakshatra, int toNakshatra);

// The count of signs from `from` to `to`, both counted: 1..12.
int SignCount(int fromSign, int toSign);

}  // namespace zorvane
