#pragma once

#include <array>
#include <string_view>

#include "core/state/chart_state.h"

namespace zorvane {

// The 27 yogas in order of the sum of the sidereal Moon and Sun, each 13 1/3
// degrees wide.
inline constexpr std::array<std::string_view, kYogaCount> YogaNames = std::to_array<std::string_view>({
    "Vishkambha", "Prithi",    "Ayushman", "Saubhagya", "Sobhana",  "Atiganda", "Sukarman",
    "Dhrithi",    "Soola",     "Ganda",    "Vridhi",    "Dhruva",   "Vyaghata", "Harshana",
    "Vajra",      "Siddhi",    "Vyatipata", "Variyan",  "Parigha",  "Siva",     "Siddha",
    "Sadhya",     "Subha",     "Sukla",    "Bramha",    "Indra",    "Vaidhruthi",
});
static_assert(YogaNames.size() == 27);

}  // namespace zorvane
