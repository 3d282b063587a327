#pragma once

#include <array>
#include <string_view>

#include "core/panchang/limb_names.h"

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
// The names are the nakshatra lords' own, spelled once in the name tables.
inline constexpr auto kDashaLords = std::to_array<DashaLord>({
    {kNakshatraLords[0], 7},   // Ketu
    {kNakshatraLords[1], 20},  // Venus
    {kNakshatraLords[2], 6},   // Sun
    {kNakshatraLords[3], 10},  // Moon
    {kNakshatraLords[4], 7},   // Mars
    {kNakshatraLords[5], 18},  // Rahu
    {kNakshatraLords[6], 16},  // Jupiter
    {kNakshatraLords[7], 19},  // Saturn
    {kNakshatraLords[8], 17},  // Mercury
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
