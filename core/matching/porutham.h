#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/matching/star.h"
#include "core/text/wording.h"

namespace zorvane {

// One of the ten poruthams of the South: whether it agrees, and why. The
// name is the English one (the JSON's); the reason is worded.
struct Porutham {
    std::string_view name;
    bool agrees = false;
    std::string reason;
};

inline constexpr int kPoruthamCount = 10;

// The ten poruthams of a bride and a groom, in the usual order: dina, gana,
// mahendra, stree deergha, yoni, rasi, rasyadhipati, vasya, rajju, vedha.
// The counts run from the bride's star or sign to the groom's, both counted.
std::array<Porutham, kPoruthamCount> MatchPorutham(const Star& bride, const Star& groom,
                                                   const Wording& wording = {});

}  // namespace zorvane
