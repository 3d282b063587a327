#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorvane {

inline constexpr int kNakshatraCount = 27;
// Each nakshatra spans 800 arc-minutes (13 degrees 20 minutes), a 27th of
// the circle.
inline constexpr double kNakshatraSpanArcminutes = 800.0;
inline constexpr double kNakshatraSpanDegrees = kNakshatraSpanArcminutes / 60.0;
inline constexpr int kYogaCount = 27;
// One slot more than there are nakshatras: a sidereal Moon of exactly 360
// degrees indexes slot 27, which stays empty.
inline constexpr int kNakshatraNameSlots = kNakshatraCount + 1;

// Everything the two computations write. It outlives every calculation:
// nothing is reset between calls, so a field a calculation does not reach
// keeps its previous value.
struct ChartState {
    // Time base (ephemeris).
    double DegToRad = 0.0;
    double RadToDeg = 0.0;
    std::int16_t ChartMonth = 0;
    std::int16_t ChartDay = 0;
    std::int16_t ChartYear = 0;
    double LocalHours = 0.0;
    double ZoneHours = 0.0;
    double LongitudeWest = 0.0;   // degrees, positive West
    bool ZoneEast = false;        // the zone is subtracted from clock time
    double JulianDayNumber = 0.0;
    double UniversalHours = 0.0;
    double Centuries = 0.0;       // Julian centuries from 2000 January 1.5
    double Ayanamsa = 0.0;        // degrees, negative

    // Moon and nakshatra (ephemeris).
    std::array<std::string_view, kNakshatraNameSlots> NakshatraNames{};
    double MoonLongitude = 0.0;   // degrees: mean, then tropical, then sidereal
    double MoonElongation = 0.0;  // radians, unreduced
    double SunAnomaly = 0.0;      // radians, unreduced
    double MoonAnomaly = 0.0;     // radians, unreduced
    double EccentricityFactor = 0.0;
    std::string NakshatraName;

    // Panchang.
    std::array<std::string_view, kYogaCount> YogaNames{};
    std::string YogaName;
    double PanchangAyanamsa = 0.0;        // degrees, negative
    double MoonLongitudeUnreduced = 0.0;  // degrees, whole turns kept
    double SunLongitudeUnreduced = 0.0;   // degrees, whole turns kept

    // Kept for checking results (batch output); no computation reads them.
    double JulianEphemerisDay = 0.0;
    double YogaPosition = 0.0;  // position counted in yogas, 0 <= y < 27
};

}  // namespace zorvane
