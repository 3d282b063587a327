#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/reading/birth_record.h"

namespace zorvane::cli {

// The computed values a reading reports besides its two names, for checking
// results against another evaluation of the same steps.
struct NumberColumn {
    std::string_view name;
    double BirthRecord::*field;
};

inline constexpr std::size_t kNumberColumnCount = 10;

inline constexpr std::array<NumberColumn, kNumberColumnCount> kNumberColumns = std::to_array<NumberColumn>({
    {"universal_hours", &BirthRecord::universalHours},
    {"julian_day_number", &BirthRecord::julianDayNumber},
    {"centuries", &BirthRecord::centuries},
    {"ayanamsa", &BirthRecord::ayanamsa},
    {"moon_sidereal", &BirthRecord::moonSidereal},
    {"jde", &BirthRecord::jde},
    {"panchang_ayanamsa", &BirthRecord::panchangAyanamsa},
    {"moon_unreduced", &BirthRecord::moonUnreduced},
    {"sun_unreduced", &BirthRecord::sunUnreduced},
    {"yoga_position", &BirthRecord::yogaPosition},
});
static_assert(kNumberColumns.size() == kNumberColumnCount);

inline constexpr std::string_view kNakshatraColumn = "nakshatra";
inline constexpr std::string_view kYogaColumn = "yoga";
inline constexpr std::string_view kErrorColumn = "error";

// The dasha's columns after the details' in a batch with --details: the birth
// lord and the years of its period left at birth.
inline constexpr auto kDashaColumnNames = std::to_array<std::string_view>({"dasha_lord", "dasha_balance_years"});
static_assert(kDashaColumnNames.size() == 2);
// With --details, after the dasha's: the offset applied and how it is made,
// and what happened at a change of the clocks (empty for nothing).
inline constexpr auto kZoneColumnNames = std::to_array<std::string_view>({"zone_applied", "clock_note"});

// Appends the shortest text that reads back as exactly this double, the same
// in every locale.
void AppendShortestNumber(double value, std::string& out);

}  // namespace zorvane::cli
