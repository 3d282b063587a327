#pragma once

#include <array>
#include <string_view>

namespace zorvane {

struct DashaLord {
    std::string_view name;
    int years;  // length of the lord's mahadasha
};

// The nine lords of the Vimshottari cycle in the order their periods follow
// one another; the nakshatras take the same order as their lords, repeating
// from Ashwini. Source: the Vimshottari scheme of the classical texts
// (Brihat Parashara Hora Shastra, the chapter on dashas). Units: years of
// kDaysPerDashaYear days.
inline constexpr auto kDashaLords = std::to_array<DashaLord>({
    {"Ketu", 7},
    {"Venus", 20},
    {"Sun", 6},
    {"Moon", 10},
    {"Mars", 7},
    {"Rahu", 18},
    {"Jupiter", 16},
    {"Saturn", 19},
    {"Mercury", 17},
});
inline constexpr int kDashaLordCount = 9;
static_assert(kDashaLords.size() == kDashaLordCount);

inline constexpr int kDashaCycleYears = 120;
static_assert([] {
    int total = 0;
    for (const DashaLord& lord : kDashaLords) total += lord.years;
    return total;
}() == kDashaCycleYears);

// The dasha year is the Julian year; dates follow from it exactly.
inline constexpr double kDaysPerDashaYear = 365.25;
inline constexpr int kMonthsPerDashaYear = 12;

}  // namespace zorvane
