#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zorvane {

// The nine grahas as the program writes them everywhere (chart, dasha lords,
// nakshatra lords, horas, matching, details), in the order of the Graha
// enumeration of the ephemeris: the seven bodies in the order of the weekdays
// they rule (Sunday to Saturday), then the two lunar nodes. English names are used for
// the seven and the Sanskrit ones for the nodes, which have no English name.
inline constexpr auto kGrahaNames = std::to_array<std::string_view>({
    "Sun",
    "Moon",
    "Mars",
    "Mercury",
    "Jupiter",
    "Venus",
    "Saturn",
    "Rahu",
    "Ketu",
});

// Indices into kGrahaNames, for tables that name a graha by its row.
inline constexpr std::size_t kSunRow = 0;
inline constexpr std::size_t kMoonRow = 1;
inline constexpr std::size_t kMarsRow = 2;
inline constexpr std::size_t kMercuryRow = 3;
inline constexpr std::size_t kJupiterRow = 4;
inline constexpr std::size_t kVenusRow = 5;
inline constexpr std::size_t kSaturnRow = 6;
inline constexpr std::size_t kRahuRow = 7;
inline constexpr std::size_t kKetuRow = 8;
static_assert(kGrahaNames.size() == kKetuRow + 1);

}  // namespace zorvane
