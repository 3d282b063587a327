#pragma once

#include <array>
#include <string_view>

#include "core/state/chart_state.h"

namespace zorvane {

// The 27 nakshatras in zodiacal order from 0 degrees sidereal, each 800
// arc-minutes wide. Slot 27 stays empty (a sidereal Moon of exactly 360).
inline constexpr std::array<std::string_view, kNakshatraNameSlots> NakshatraNames = std::to_array<std::string_view>({
    "Ashwini",           "Bharani",           "Krittika",        "Rohini",
    "Mrigasira",         "Ardra",             "Punarvasu",       "Pushya",
    "Ashlesha",          "Magha",             "Poorva Phalguni", "Uttara Phalguni",
    "Hasta",             "Chitra",            "Swati",           "Vishakha",
    "Anuradha",          "Jyeshtha",          "Moola",           "Purva Ashadha",
    "Uttara Ashadha",    "Shravana",          "Dhanistha",       "Shatabhisha",
    "Poorva Bhadrapada", "Uttara Bhadrapada", "Revati",          "",
});
static_assert(NakshatraNames.size() == 28);

}  // namespace zorvane
