#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "reading/chart_state.h"

namespace zorvane::cli {

// The computed values a reading reports besides its two names, for checking
// results against another evaluation of the same steps.
struct NumberColumn {
    std::string_view name;
    double ChartState::*field;
};

inline constexpr std::size_t kNumberColumnCount = 10;

inline constexpr std::array<NumberColumn, kNumberColumnCount> kNumberColumns = std::to_array<NumberColumn>({
    {"universal_hours", &ChartState::UniversalHours},
    {"julian_day_number", &ChartState::JulianDayNumber},
    {"centuries", &ChartState::Centuries},
    {"ayanamsa", &ChartState::Ayanamsa},
    {"moon_sidereal", &ChartState::MoonLongitude},
    {"jde", &ChartState::JulianEphemerisDay},
    {"panchang_ayanamsa", &ChartState::PanchangAyanamsa},
    {"moon_unreduced", &ChartState::MoonLongitudeUnreduced},
    {"sun_unreduced", &ChartState::SunLongitudeUnreduced},
    {"yoga_position", &ChartState::YogaPosition},
});
static_assert(kNumberColumns.size() == kNumberColumnCount);

inline constexpr std::string_view kNakshatraColumn = "nakshatra";
inline constexpr std::string_view kYogaColumn = "yoga";
inline constexpr std::string_view kErrorColumn = "error";

// Appends the shortest text that reads back as exactly this double, the same
// in every locale.
void AppendShortestNumber(double value, std::string& out);

}  // namespace zorvane::cli
